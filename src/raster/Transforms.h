#pragma once
// Affine transformations of a source rectangle and drawing a surface through one.
#include "raster/Bitmap32.h"

namespace qv {

class TTransformation : public TNotifiablePersistent {
 public:
  String ClassName() const override { return L"TTransformation"; }
  const TFloatRect& SrcRect() const { return FSrcRect; }
  void SetSrcRect(const TFloatRect& Value);
  // Source coordinates to destination coordinates, and back.
  virtual TFloatPoint Transform(const TFloatPoint& P) const = 0;
  virtual TFloatPoint ReverseTransform(const TFloatPoint& P) const = 0;
  // The bounding rectangle of the transformed source rectangle.
  virtual TFloatRect GetTransformedBounds() const { return GetTransformedBounds(FSrcRect); }
  TFloatRect GetTransformedBounds(const TFloatRect& ASrcRect) const;

 private:
  TFloatRect FSrcRect;
};

// x' = M[0][0]·x + M[0][1]·y + M[0][2], y' = M[1][0]·x + M[1][1]·y + M[1][2]. Each
// operation is applied after the ones before it.
class TAffineTransformation : public TTransformation {
 public:
  TAffineTransformation() { Clear(); }
  String ClassName() const override { return L"TAffineTransformation"; }
  void Clear();  // identity
  void Translate(double Dx, double Dy);
  void Scale(double Sx, double Sy);
  void Scale(double Value) { Scale(Value, Value); }
  // Rotation by Alpha degrees about (Cx, Cy), counter-clockwise on screen.
  void Rotate(double Cx, double Cy, double Alpha);
  void Rotate(double Alpha) { Rotate(0, 0, Alpha); }
  void Skew(double Fx, double Fy);
  TFloatPoint Transform(const TFloatPoint& P) const override;
  TFloatPoint ReverseTransform(const TFloatPoint& P) const override;
  double Matrix[3][3];

 private:
  void Multiply(const double M[3][3]);
};

// Draws Src's SrcRect (as set in T) into Dst through T: every destination pixel inside the
// transformed bounds takes the sample of Src's resampler at its inverse-mapped centre and
// is combined by Src's draw mode with the master-alpha blend (no exact copy for alpha 255).
void Transform(TCustomBitmap32* Dst, TCustomBitmap32* Src, const TTransformation* T);

}  // namespace qv
