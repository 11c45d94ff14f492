#include "controls/QvGaugeGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "raster/Polygons.h"

namespace qv {

namespace {

// Rounding as the gauges' rules state it: halves to even.
int RoundEven(double V) {
  return int(std::nearbyint(V));
}

// The arc from Start to End on Rect stroked with width T, turned about the centre by
// Rotation and filled with Color.
void FillArc(TCustomBitmap32* Bitmap, const TFloatRect& Rect, const TFloatPoint& Center,
             double Start, double End, double T, TEndStyle Ends, double Rotation, TColor32 Color) {
  TArrayOfFloatPoint Outline = BuildPolyline(GetArcPoints(Rect, Start, End), T, jsMiter, Ends, 4.0);
  RotatePoints(Outline, Center, Rotation);
  SimpleFill(Bitmap, Outline, Color, Color);
}

}  // namespace

TGaugeRing GaugeRing(int W, int H, int T) {
  TGaugeRing G;
  G.A = std::min(W, H) - T - RoundEven(0.8 * T);
  const double L = (W - G.A) / 2.0, U = (H - G.A) / 2.0;
  G.Rect = {L, U, L + G.A, U + G.A};
  G.Center = {W / 2.0, H / 2.0};
  return G;
}

double GaugeStartAngle(double X, int Min, int Max, double M) {
  if (Max == Min) return 0;
  return M - (X - Min) * M / (double(Max) - Min);
}

String CircleProgressText(int Value, int Min, int Max) {
  if (Max == Min) return L"0";
  return std::to_wstring(RoundEven((double(Value) - Min) / (double(Max) - Min) * 100));
}

int CircleKnobRotation(double Sweep) {
  return RoundEven(Sweep + 180);
}

int SpeedometerNeedleRotation(double Sweep) {
  return RoundEven(Sweep + 30);
}

int SpeedometerLabel(int Min, int Max, int K) {
  const int Step = int((int64_t(Max) - Min) / 10);
  return int(Min + int64_t(K) * Step);
}

TPoint SpeedometerLabelOrigin(const TFloatPoint& Center, int R, int WMax, int K, TSize Text,
                              double T) {
  const double Theta = (120.0 + 30.0 * K) * std::numbers::pi / 180;
  const double Px = Center.X + std::cos(Theta) * (R - WMax);
  const double Py = Center.Y + std::sin(Theta) * (R - WMax);
  const double Lift = K == 0 || K == 10 ? T / 2 : 0;
  return {RoundEven(Px - Text.cx / 2), RoundEven(Py - Text.cy / 2 - Lift)};
}

bool PaintCircleProgressShapes(TCustomBitmap32* Bitmap, int W, int H,
                               const TCircleProgressLook& Look) {
  const TGaugeRing G = GaugeRing(W, H, Look.T);
  const double T = Look.T;
  // A control narrower than the stroke has no ring to draw.
  if (G.A <= 0) return false;
  TArrayOfFloatPoint Ring =
      BuildPolyline(GetArcPoints(G.Rect, 0, kCircleProgressSweep), T, jsMiter, esRound, 4.0);
  if (Ring.empty()) return false;
  SimpleFill(Bitmap, Ring, Look.Ring, Look.Ring);
  if (Look.Value < Look.Min || Look.Value > Look.Max) return false;
  const double Start = GaugeStartAngle(Look.Value, Look.Min, Look.Max, kCircleProgressSweep);
  const double Sweep = kCircleProgressSweep - Start;
  if (Look.Value > Look.Min)
    FillArc(Bitmap, G.Rect, G.Center, Start, kCircleProgressSweep, T, esRound, -90, Look.Progress);
  // The knob starts at 6 o'clock on the ring and turns to the arc's end.
  const double R = 0.58 * T / 2;
  const int Steps = int(std::trunc(std::numbers::pi / std::acos(R / (R + 0.125))));
  TArrayOfFloatPoint Knob = Circle(G.Center.X, G.Center.Y + G.A / 2.0, R, Steps);
  RotatePoints(Knob, G.Center, CircleKnobRotation(Sweep));
  SimpleFill(Bitmap, Knob, Look.Point, Look.Point);
  return true;
}

void PaintSpeedometerDial(TCustomBitmap32* Bitmap, int W, int H, const TSpeedometerLook& Look) {
  const TGaugeRing G = GaugeRing(W, H, Look.T);
  if (G.A <= 0) return;
  const double T = Look.T;
  FillArc(Bitmap, G.Rect, G.Center, 0, kSpeedometerSweep, T, esButt, 60, Look.Dial);
  const double In = T / 1.7;
  const TFloatRect Marks{G.Rect.Left + In, G.Rect.Top + In, G.Rect.Right - In, G.Rect.Bottom - In};
  FillArc(Bitmap, Marks, G.Center, -0.12, 4, T / 2, esButt, 60,
          Look.Value == Look.Max ? Look.Progress : Look.Dial);
  FillArc(Bitmap, Marks, G.Center, 296, 300.12, T / 2, esButt, 60,
          Look.Value > Look.Min ? Look.Progress : Look.Dial);
}

void PaintSpeedometerNeedle(TCustomBitmap32* Bitmap, int W, int H, const TSpeedometerLook& Look) {
  if (Look.Value < Look.Min || Look.Value > Look.Max) return;
  const TGaugeRing G = GaugeRing(W, H, Look.T);
  if (G.A <= 0) return;
  const double Start = GaugeStartAngle(Look.Value, Look.Min, Look.Max, kSpeedometerSweep);
  const double Sweep = kSpeedometerSweep - Start;
  if (Look.Value > Look.Min)
    FillArc(Bitmap, G.Rect, G.Center, Start, kSpeedometerSweep, Look.T, esButt, 60, Look.Progress);
  const int R = G.A / 2;
  TArrayOfFloatPoint Needle = BuildPolyline(Line(G.Center, {G.Center.X, G.Center.Y + 2.0 * R / 3}),
                                            Look.N, jsMiter, esButt, 4.0);
  if (Needle.size() < 2) return;
  RotatePoints(Needle, G.Center, SpeedometerNeedleRotation(Sweep));
  // The gradient runs along one long side, from the hub end to the tip.
  TColor32Gradient Gradient;
  Gradient.AddColorStop(0.2, Look.ArrowStart);
  Gradient.AddColorStop(0.8, Look.ArrowEnd);
  TLinearGradientPolygonFiller Filler(Gradient);
  Filler.SetPoints(Needle[0], Needle[1]);
  Filler.WrapMode = wmClamp;
  Filler.UseLookUpTable = false;
  PolygonFS(Bitmap, Needle, Filler, pfEvenOdd);
}

}  // namespace qv
