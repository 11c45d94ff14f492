#pragma once
// Anti-aliased polygon filling and polyline stroking on a surface. Coverage is the exact
// area of each pixel inside the polygon (for the even-odd and non-zero rules the area
// weighs by the winding, folded by the rule); colours blend with the blend rule, the
// weight being the colour's alpha times the coverage.
#include <memory>

#include "raster/Bitmap32.h"
#include "raster/VectorUtils.h"

namespace qv {

enum TPolyFillMode { pfAlternate, pfWinding, pfEvenOdd = pfAlternate, pfNonZero = pfWinding };

// Supplies the colours of a filled span.
class TCustomPolygonFiller {
 public:
  virtual ~TCustomPolygonFiller() = default;
  // Colours of Length pixels starting at (X, Y).
  virtual void GetColors(Integer X, Integer Y, int Length, TColor32* Out) = 0;
  virtual void BeginRendering() {}
};

// Colour stops along 0..1; offsets outside the stops take the nearest stop's colour.
class TColor32Gradient {
 public:
  TColor32Gradient() = default;
  TColor32Gradient(TColor32 StartColor, TColor32 EndColor);
  void AddColorStop(double Offset, TColor32 Color);
  void ClearColorStops() { FStops.clear(); }
  int Count() const { return int(FStops.size()); }
  // Interpolated channel by channel (straight alpha).
  TColor32 ColorAt(double Offset) const;

 private:
  struct TStop {
    double Offset;
    TColor32 Color;
  };
  std::vector<TStop> FStops;
};

// A linear gradient along the axis StartPoint → EndPoint; WrapMode decides the colours
// beyond the ends (wmClamp keeps the end colours).
class TLinearGradientPolygonFiller : public TCustomPolygonFiller {
 public:
  TLinearGradientPolygonFiller() = default;
  explicit TLinearGradientPolygonFiller(const TColor32Gradient& Gradient) : FGradient(Gradient) {}
  TColor32Gradient& Gradient() { return FGradient; }
  TFloatPoint StartPoint;
  TFloatPoint EndPoint;
  TWrapMode WrapMode = wmClamp;
  bool UseLookUpTable = true;  // colours from a 1024-entry table instead of per pixel
  void SetPoints(const TFloatPoint& Start, const TFloatPoint& End) {
    StartPoint = Start;
    EndPoint = End;
  }
  void BeginRendering() override;
  void GetColors(Integer X, Integer Y, int Length, TColor32* Out) override;

 private:
  TColor32Gradient FGradient;
  std::vector<TColor32> FTable;
};

// Filling, clipped to the surface's clip rectangle.
void PolyPolygonFS(TCustomBitmap32* Bitmap, const TArrayOfArrayOfFloatPoint& Points, TColor32 Color,
                   TPolyFillMode FillMode = pfAlternate);
void PolyPolygonFS(TCustomBitmap32* Bitmap, const TArrayOfArrayOfFloatPoint& Points,
                   TCustomPolygonFiller& Filler, TPolyFillMode FillMode = pfAlternate);
void PolygonFS(TCustomBitmap32* Bitmap, const TArrayOfFloatPoint& Points, TColor32 Color,
               TPolyFillMode FillMode = pfAlternate);
void PolygonFS(TCustomBitmap32* Bitmap, const TArrayOfFloatPoint& Points,
               TCustomPolygonFiller& Filler, TPolyFillMode FillMode = pfAlternate);

// Stroking with StrokeWidth; a closed polyline also joins its last point to its first.
void PolylineFS(TCustomBitmap32* Bitmap, const TArrayOfFloatPoint& Points, TColor32 Color,
                bool Closed = false, double StrokeWidth = 1.0, TJoinStyle JoinStyle = jsMiter,
                TEndStyle EndStyle = esButt, double MiterLimit = 4.0);
void PolyPolylineFS(TCustomBitmap32* Bitmap, const TArrayOfArrayOfFloatPoint& Points,
                    TColor32 Color, bool Closed = false, double StrokeWidth = 1.0,
                    TJoinStyle JoinStyle = jsMiter, TEndStyle EndStyle = esButt,
                    double MiterLimit = 4.0);

// Fills the polygon with FillColor (non-zero rule) and strokes its closed one-pixel
// outline with OutlineColor; a colour with alpha 0 is skipped.
void SimpleFill(TCustomBitmap32* Bitmap, const TArrayOfFloatPoint& Points, TColor32 OutlineColor,
                TColor32 FillColor, TPolyFillMode FillMode = pfWinding);
// Fills the polygon with a linear gradient from StartColor at StartPoint to EndColor at EndPoint.
void SimpleGradientFill(TCustomBitmap32* Bitmap, const TArrayOfFloatPoint& Points,
                        const TFloatPoint& StartPoint, TColor32 StartColor,
                        const TFloatPoint& EndPoint, TColor32 EndColor,
                        TPolyFillMode FillMode = pfWinding);

}  // namespace qv
