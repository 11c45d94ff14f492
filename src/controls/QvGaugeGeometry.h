#pragma once
// The geometry and the shapes of the ring gauges (circle progress and speedometer), kept
// free of windows: where the ring lies, how far the value sweeps, where the tick labels
// stand and which colour they take, and the vector shapes painted on the 32-bit surface.
// Angles are screen degrees: 0 points right and they grow clockwise (y points down).
#include "raster/Bitmap32.h"
#include "raster/VectorUtils.h"

namespace qv {

// The full sweep of each gauge: the circle almost closes, the speedometer leaves 60°.
inline constexpr double kCircleProgressSweep = 359;
inline constexpr double kSpeedometerSweep = 300;

// The ring of a gauge on a W × H control with thickness T: its centre-line diameter
// A = min(W, H) - T - Round(0.8 T), the square of side A centred on the control, and the
// control's centre.
struct TGaugeRing {
  int A = 0;
  TFloatRect Rect;
  TFloatPoint Center;
};
TGaugeRing GaugeRing(int W, int H, int T);

// M - (X - Min) * M / (Max - Min); 0 for an empty range (no division by zero).
double GaugeStartAngle(double X, int Min, int Max, double M);

// The number of the circle progress: the rounded percentage of Value in the range, "0" for
// an empty range.
String CircleProgressText(int Value, int Min, int Max);
// The knob's rotation from 6 o'clock, Round(sweep + 180): the knob stands at screen angle
// 90 + this.
int CircleKnobRotation(double Sweep);
// The needle's rotation from 6 o'clock, Round(sweep + 30): it points at 90 + this.
int SpeedometerNeedleRotation(double Sweep);

// Label k (0..10) of the speedometer: Min + k * ((Max - Min) div 10), the step truncated.
int SpeedometerLabel(int Min, int Max, int K);
// Where label k of size Text is drawn: on the circle of radius R - WMax about Center at
// 120° + 30° k, centred, the two end labels lifted by T/2.
TPoint SpeedometerLabelOrigin(const TFloatPoint& Center, int R, int WMax, int K, TSize Text,
                              double T);
// A label is reached (drawn in the progress colour) when Value >= it and Value > Min.
inline bool SpeedometerLabelReached(int Value, int Min, int Label) {
  return Value >= Label && Value > Min;
}

struct TCircleProgressLook {
  int T = 14;  // ring width in pixels
  int Value = 50, Min = 0, Max = 100;
  TColor32 Ring = 0, Progress = 0, Point = 0;
};
// Paints the ring, the progress arc and the knob of a W × H circle progress. False when
// the caption is not to be drawn either: the ring has no outline, or Value lies outside
// the range (only inconsistent bounds allow that).
bool PaintCircleProgressShapes(TCustomBitmap32* Bitmap, int W, int H,
                               const TCircleProgressLook& Look);

struct TSpeedometerLook {
  int T = 23;  // dial width in pixels
  int N = 15;  // needle width in pixels
  int Value = 50, Min = 0, Max = 100;
  TColor32 Dial = 0, Progress = 0, ArrowStart = 0, ArrowEnd = 0;
};
// The dial and the end marks of a W × H speedometer.
void PaintSpeedometerDial(TCustomBitmap32* Bitmap, int W, int H, const TSpeedometerLook& Look);
// The progress arc and the gradient needle, when Value lies in the range.
void PaintSpeedometerNeedle(TCustomBitmap32* Bitmap, int W, int H, const TSpeedometerLook& Look);

}  // namespace qv
