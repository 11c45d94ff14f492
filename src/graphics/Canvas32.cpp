#include "graphics/Canvas32.h"

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

// Segment count for a curve whose second differences reach Deviation: uniform steps keep
// the polyline within Factor·Deviation/n² of the curve. Bounded, so that absurd coordinates
// cannot ask for absurd point counts.
int SegmentCount(double Deviation, double Factor) {
  constexpr int MaxSegments = 256;
  double N = std::ceil(std::sqrt(Factor * Deviation / TCanvas32::FlattenTolerance));
  if (!(N >= 1)) return 1;  // also NaN
  return N > MaxSegments ? MaxSegments : int(N);
}

double Length(double X, double Y) {
  return std::hypot(X, Y);
}

TFloatPoint Mirror(const TFloatPoint& Control, const TFloatPoint& About) {
  return {2 * About.X - Control.X, 2 * About.Y - Control.Y};
}

double SignedArea(const TArrayOfFloatPoint& P) {
  double A = 0;
  for (size_t I = 0, J = P.size() - 1; I < P.size(); J = I++)
    A += P[J].X * P[I].Y - P[I].X * P[J].Y;
  return A / 2;
}

}  // namespace

// ---- brushes ----

void TCustomBrush::Changed() {
  if (OnChange) OnChange(this);
}

void TSolidBrush::Fill(TCustomBitmap32* Bitmap, const TArrayOfArrayOfFloatPoint& Polygons) {
  if (Polygons.empty()) return;
  if (FFiller)
    qv::PolyPolygonFS(Bitmap, Polygons, *FFiller, FFillMode);
  else
    qv::PolyPolygonFS(Bitmap, Polygons, FFillColor, FFillMode);
}

void TSolidBrush::PolyPolygonFS(TCustomBitmap32* Bitmap, const TPathData& Path) {
  Fill(Bitmap, Path.Points);
}

TArrayOfArrayOfFloatPoint TStrokeBrush::Outline(const TPathData& Path) const {
  TArrayOfArrayOfFloatPoint All;
  for (size_t I = 0; I < Path.Points.size(); ++I) {
    TArrayOfArrayOfFloatPoint Parts = BuildPolyPolyline(
        Path.Points[I], Path.Closed[I], FStrokeWidth, FJoinStyle, FEndStyle, FMiterLimit);
    if (Parts.empty()) continue;
    // A closed subpath gives a ring (outer and reversed inner side), whose winding sign
    // follows the direction of travel. Turn every part so that the largest one winds
    // positively: strokes of subpaths running in opposite directions then add up instead of
    // cancelling where they overlap.
    double Largest = 0;
    for (const auto& P : Parts) {
      double A = SignedArea(P);
      if (std::fabs(A) > std::fabs(Largest)) Largest = A;
    }
    for (auto& P : Parts) {
      if (Largest < 0) std::reverse(P.begin(), P.end());
      All.push_back(std::move(P));
    }
  }
  return All;
}

void TStrokeBrush::PolyPolygonFS(TCustomBitmap32* Bitmap, const TPathData& Path) {
  Fill(Bitmap, Outline(Path));
}

// ---- path ----

void TCanvas32::BeginPath() {
  FPath = {};
  FCurrent.clear();
  FLast = lsOther;
}

void TCanvas32::EndPath() {
  FlushSubpath(false);
  TPathData Data = std::move(FPath);
  BeginPath();
  Render(Data);
}

void TCanvas32::Render(const TPathData& Data) {
  if (Data.Empty() || !FBitmap) return;
  for (int I = 0; I < FBrushes.Count(); ++I) {
    TCustomBrush* B = FBrushes.Items(I);
    if (B->Visible()) B->PolyPolygonFS(FBitmap, Data);
  }
}

void TCanvas32::FlushSubpath(bool Closed) {
  if (FCurrent.size() >= 2) {
    FPath.Points.push_back(std::move(FCurrent));
    FPath.Closed.push_back(Closed);
  }
  FCurrent.clear();
}

void TCanvas32::SetTransformation(double ScaleX, double ScaleY, double OffsetX, double OffsetY) {
  FScaleX = ScaleX;
  FScaleY = ScaleY;
  FOffsetX = OffsetX;
  FOffsetY = OffsetY;
}

void TCanvas32::EnsureSubpath() {
  if (FCurrent.empty()) {
    FCurrent.push_back(Map(FCurrentPoint));
    FStartPoint = FCurrentPoint;
  }
}

void TCanvas32::MoveTo(const TFloatPoint& P) {
  FlushSubpath(false);
  FCurrentPoint = FStartPoint = P;
  FCurrent.push_back(Map(P));
  FLast = lsOther;
}

void TCanvas32::LineTo(const TFloatPoint& P) {
  EnsureSubpath();
  FCurrent.push_back(Map(P));
  FCurrentPoint = P;
  FLast = lsOther;
}

void TCanvas32::CurveTo(const TFloatPoint& C1, const TFloatPoint& C2, const TFloatPoint& P) {
  EnsureSubpath();
  const TFloatPoint P0 = FCurrentPoint;
  double Dev = std::max(Length(P0.X - 2 * C1.X + C2.X, P0.Y - 2 * C1.Y + C2.Y),
                        Length(C1.X - 2 * C2.X + P.X, C1.Y - 2 * C2.Y + P.Y));
  int N = SegmentCount(Dev * Scale(), 0.75);
  for (int I = 1; I < N; ++I) {
    double T = double(I) / N, U = 1 - T;
    double A = U * U * U, B = 3 * U * U * T, C = 3 * U * T * T, D = T * T * T;
    FCurrent.push_back(
        Map({A * P0.X + B * C1.X + C * C2.X + D * P.X, A * P0.Y + B * C1.Y + C * C2.Y + D * P.Y}));
  }
  FCurrent.push_back(Map(P));
  FCurrentPoint = P;
  FLastControl = C2;
  FLast = lsCubic;
}

void TCanvas32::CurveTo(const TFloatPoint& C2, const TFloatPoint& P) {
  TFloatPoint C1 = FLast == lsCubic ? Mirror(FLastControl, FCurrentPoint) : FCurrentPoint;
  CurveTo(C1, C2, P);
}

void TCanvas32::ConicTo(const TFloatPoint& C, const TFloatPoint& P) {
  EnsureSubpath();
  const TFloatPoint P0 = FCurrentPoint;
  int N = SegmentCount(Length(P0.X - 2 * C.X + P.X, P0.Y - 2 * C.Y + P.Y) * Scale(), 0.25);
  for (int I = 1; I < N; ++I) {
    double T = double(I) / N, U = 1 - T;
    double A = U * U, B = 2 * U * T, D = T * T;
    FCurrent.push_back(Map({A * P0.X + B * C.X + D * P.X, A * P0.Y + B * C.Y + D * P.Y}));
  }
  FCurrent.push_back(Map(P));
  FCurrentPoint = P;
  FLastControl = C;
  FLast = lsConic;
}

void TCanvas32::ConicTo(const TFloatPoint& P) {
  TFloatPoint C = FLast == lsConic ? Mirror(FLastControl, FCurrentPoint) : FCurrentPoint;
  ConicTo(C, P);
}

void TCanvas32::ClosePath() {
  if (!FCurrent.empty()) FCurrentPoint = FStartPoint;
  FlushSubpath(true);
  FLast = lsOther;
}

TPathData TCanvas32::Path() const {
  TPathData Data = FPath;
  if (FCurrent.size() >= 2) {
    Data.Points.push_back(FCurrent);
    Data.Closed.push_back(false);
  }
  return Data;
}

void TCanvas32::Polygon(const TArrayOfFloatPoint& Points) {
  if (Points.size() < 2) return;
  Render({{Points}, {true}});
}

}  // namespace qv
