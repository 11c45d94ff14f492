#pragma once
// A path canvas over a surface: build a path from lines and Bézier curves, and EndPath draws
// it with every brush of the canvas's collection, in the order they were added, anti-aliased.
// Brushes: TSolidBrush fills (with a colour or a polygon filler such as a linear gradient),
// TStrokeBrush strokes the outline with a width. Portable.
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "raster/Polygons.h"

namespace qv {

// Stores Value when it differs from Field; answers whether it did.
template <typename T>
bool UpdateField(T& Field, const T& Value) {
  if (Field == Value) return false;
  Field = Value;
  return true;
}

// The flattened subpaths of one path, each open or closed.
struct TPathData {
  TArrayOfArrayOfFloatPoint Points;
  std::vector<bool> Closed;
  bool Empty() const { return Points.empty(); }
};

class TCustomBrush : public TPersistent {
 public:
  String ClassName() const override { return L"TCustomBrush"; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value) {
    if (UpdateField(FVisible, Value)) Changed();
  }
  // Draws the path onto Bitmap.
  virtual void PolyPolygonFS(TCustomBitmap32* Bitmap, const TPathData& Path) = 0;
  TNotifyEvent OnChange;

 protected:
  void Changed();

 private:
  bool FVisible = true;
};

// Fills every subpath (open ones as if closed).
class TSolidBrush : public TCustomBrush {
 public:
  String ClassName() const override { return L"TSolidBrush"; }
  TColor32 FillColor() const { return FFillColor; }
  void SetFillColor(TColor32 Value) {
    if (UpdateField(FFillColor, Value)) Changed();
  }
  TPolyFillMode FillMode() const { return FFillMode; }
  void SetFillMode(TPolyFillMode Value) {
    if (UpdateField(FFillMode, Value)) Changed();
  }
  // When set, the filler gives the colours instead of FillColor. Not owned.
  TCustomPolygonFiller* Filler() const { return FFiller; }
  void SetFiller(TCustomPolygonFiller* Value) {
    if (UpdateField(FFiller, Value)) Changed();
  }
  void PolyPolygonFS(TCustomBitmap32* Bitmap, const TPathData& Path) override;

 protected:
  void Fill(TCustomBitmap32* Bitmap, const TArrayOfArrayOfFloatPoint& Polygons);

 private:
  TColor32 FFillColor = clBlack32;
  TPolyFillMode FFillMode = pfAlternate;
  TCustomPolygonFiller* FFiller = nullptr;
};

// Strokes every subpath with StrokeWidth; overlapping parts of the stroke are drawn once
// (with the non-zero rule).
class TStrokeBrush : public TSolidBrush {
 public:
  String ClassName() const override { return L"TStrokeBrush"; }
  double StrokeWidth() const { return FStrokeWidth; }
  void SetStrokeWidth(double Value) {
    if (UpdateField(FStrokeWidth, Value)) Changed();
  }
  TJoinStyle JoinStyle() const { return FJoinStyle; }
  void SetJoinStyle(TJoinStyle Value) {
    if (UpdateField(FJoinStyle, Value)) Changed();
  }
  TEndStyle EndStyle() const { return FEndStyle; }
  void SetEndStyle(TEndStyle Value) {
    if (UpdateField(FEndStyle, Value)) Changed();
  }
  double MiterLimit() const { return FMiterLimit; }
  void SetMiterLimit(double Value) {
    if (UpdateField(FMiterLimit, Value)) Changed();
  }
  void PolyPolygonFS(TCustomBitmap32* Bitmap, const TPathData& Path) override;
  // The stroke's outline polygons, each oriented so that the stroke has a positive winding.
  TArrayOfArrayOfFloatPoint Outline(const TPathData& Path) const;

 private:
  double FStrokeWidth = 1.0;
  TJoinStyle FJoinStyle = jsMiter;
  TEndStyle FEndStyle = esButt;
  double FMiterLimit = 4.0;
};

// The brushes of a canvas; owns them.
class TBrushCollection {
 public:
  template <typename TBrush>
  TBrush* Add() {
    FItems.push_back(std::make_unique<TBrush>());
    return static_cast<TBrush*>(FItems.back().get());
  }
  int Count() const { return int(FItems.size()); }
  TCustomBrush* Items(int Index) const { return FItems.at(size_t(Index)).get(); }
  void Delete(int Index) { FItems.erase(FItems.begin() + Index); }
  void Clear() { FItems.clear(); }

 private:
  std::vector<std::unique_ptr<TCustomBrush>> FItems;
};

class TCanvas32 : public TObject {
 public:
  explicit TCanvas32(TCustomBitmap32* Bitmap) : FBitmap(Bitmap) {}
  String ClassName() const override { return L"TCanvas32"; }
  TCustomBitmap32* Bitmap() const { return FBitmap; }
  TBrushCollection& Brushes() { return FBrushes; }

  // Curves are flattened to within this distance (pixels) of the true curve.
  static constexpr double FlattenTolerance = 0.1;

  // Starts an empty path; the current point stays.
  void BeginPath();
  // Draws the path built since BeginPath with every visible brush and empties it.
  void EndPath();
  void MoveTo(const TFloatPoint& P);
  void LineTo(const TFloatPoint& P);
  // Cubic Bézier; the short form mirrors the previous cubic's second control point about
  // the current point (or uses the current point when the previous segment was no cubic).
  void CurveTo(const TFloatPoint& C1, const TFloatPoint& C2, const TFloatPoint& P);
  void CurveTo(const TFloatPoint& C2, const TFloatPoint& P);
  // Quadratic Bézier; the short form mirrors the previous quadratic's control point.
  void ConicTo(const TFloatPoint& C, const TFloatPoint& P);
  void ConicTo(const TFloatPoint& P);
  // Closes the current subpath; the current point returns to its start.
  void ClosePath();
  TFloatPoint CurrentPoint() const { return FCurrentPoint; }
  // The path built so far, the open subpath included.
  TPathData Path() const;

  // Maps path coordinates onto the surface: (X·ScaleX + OffsetX, Y·ScaleY + OffsetY).
  // CurrentPoint stays in path coordinates.
  void SetTransformation(double ScaleX, double ScaleY, double OffsetX = 0, double OffsetY = 0);

  // Draws one polygon (surface coordinates) with the brushes.
  void Polygon(const TArrayOfFloatPoint& Points);

 private:
  enum TLastSegment { lsOther, lsCubic, lsConic };
  void EnsureSubpath();
  void FlushSubpath(bool Closed);
  void Render(const TPathData& Data);
  double Scale() const { return std::max(std::fabs(FScaleX), std::fabs(FScaleY)); }
  TFloatPoint Map(const TFloatPoint& P) const {
    return {P.X * FScaleX + FOffsetX, P.Y * FScaleY + FOffsetY};
  }

  TCustomBitmap32* FBitmap;
  TBrushCollection FBrushes;
  TPathData FPath;
  TArrayOfFloatPoint FCurrent;
  TFloatPoint FCurrentPoint, FStartPoint, FLastControl;
  TLastSegment FLast = lsOther;
  double FScaleX = 1, FScaleY = 1, FOffsetX = 0, FOffsetY = 0;
};

}  // namespace qv
