#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

#include "controls/QvGaugeGeometry.h"

using namespace qv;

TEST(GaugeGeometry, RingSquareAndCentre) {
  struct Case {
    int W, H, T, A;
    TFloatRect Rect;
  } Cases[] = {
      {180, 180, 14, 155, {12.5, 12.5, 167.5, 167.5}},
      {326, 326, 23, 285, {20.5, 20.5, 305.5, 305.5}},
      {300, 200, 10, 182, {59, 9, 241, 191}},        // the smaller side counts
      {100, 100, 5, 91, {4.5, 4.5, 95.5, 95.5}},     // Round(4.0)
      {100, 100, 15, 73, {13.5, 13.5, 86.5, 86.5}},  // Round(12.0)
  };
  for (const Case& C : Cases) {
    const TGaugeRing G = GaugeRing(C.W, C.H, C.T);
    EXPECT_EQ(G.A, C.A) << C.W << "x" << C.H;
    EXPECT_EQ(G.Rect, C.Rect) << C.W << "x" << C.H;
    EXPECT_EQ(G.Center, (TFloatPoint{C.W / 2.0, C.H / 2.0}));
  }
}

// The start angle, the knob's and the needle's screen angles (90° + the rotation).
TEST(GaugeGeometry, AnglesOfValues) {
  struct Case {
    double M;
    int Value, Min, Max;
    double Start;
    int Pointer;  // screen angle mod 360 of the knob (M 359) or the needle (M 300)
  } Cases[] = {
      {kCircleProgressSweep, 50, 0, 100, 179.5, 90},  // 359.5 rounds to even: 6 o'clock
      {kCircleProgressSweep, 0, 0, 100, 359, 270},    // 12 o'clock
      {kCircleProgressSweep, 100, 0, 100, 0, 269},
      {kCircleProgressSweep, 100, 50, 150, 179.5, 90},
      {kCircleProgressSweep, 7, 7, 7, 0, 269},    // an empty range: no division
      {kSpeedometerSweep, 50, 0, 100, 150, 270},  // straight up
      {kSpeedometerSweep, 0, 0, 100, 300, 120},   // 7 o'clock
      {kSpeedometerSweep, 100, 0, 100, 0, 60},    // 5 o'clock
      {kSpeedometerSweep, 3, 3, 3, 0, 60},        // an empty range: the maximum end
      {kSpeedometerSweep, 50, 100, 0, 150, 270},  // inconsistent bounds still compute
  };
  for (const Case& C : Cases) {
    const double Start = GaugeStartAngle(C.Value, C.Min, C.Max, C.M);
    EXPECT_DOUBLE_EQ(Start, C.Start) << C.Value << " in " << C.Min << ".." << C.Max;
    const double Sweep = C.M - Start;
    const int Turn =
        C.M == kSpeedometerSweep ? SpeedometerNeedleRotation(Sweep) : CircleKnobRotation(Sweep);
    EXPECT_EQ(((90 + Turn) % 360 + 360) % 360, C.Pointer)
        << C.Value << " in " << C.Min << ".." << C.Max;
  }
}

TEST(GaugeGeometry, CircleProgressNumber) {
  struct Case {
    int Value, Min, Max;
    const wchar_t* Text;
  } Cases[] = {
      {50, 0, 100, L"50"}, {100, 50, 150, L"50"}, {0, 0, 100, L"0"}, {100, 0, 100, L"100"},
      {5, 5, 5, L"0"},     {1, 0, 3, L"33"},      {1, 0, 8, L"12"},  // 12.5 rounds to even
      {3, 0, 8, L"38"},    {-20, -40, 0, L"50"},
  };
  for (const Case& C : Cases)
    EXPECT_EQ(CircleProgressText(C.Value, C.Min, C.Max), C.Text)
        << C.Value << " in " << C.Min << ".." << C.Max;
}

TEST(GaugeGeometry, SpeedometerLabels) {
  struct Case {
    int Min, Max;
    int Labels[11];
  } Cases[] = {
      {0, 100, {0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}},
      {0, 95, {0, 9, 18, 27, 36, 45, 54, 63, 72, 81, 90}},  // the step truncates
      {0, 5, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},            // step 0
      {-50, 50, {-50, -40, -30, -20, -10, 0, 10, 20, 30, 40, 50}},
      {100, 0, {100, 90, 80, 70, 60, 50, 40, 30, 20, 10, 0}},
  };
  for (const Case& C : Cases)
    for (int K = 0; K <= 10; ++K)
      EXPECT_EQ(SpeedometerLabel(C.Min, C.Max, K), C.Labels[K])
          << C.Min << ".." << C.Max << " label " << K;
}

TEST(GaugeGeometry, SpeedometerLabelPlacesAndColours) {
  // 326 × 326, T 23: R 142; widest label 20 wide, so the labels stand on radius 122.
  const TFloatPoint C{163, 163};
  struct Case {
    int K;
    TSize Text;
    TPoint Origin;
  } Cases[] = {
      {0, {7, 13}, {99, 251}},     // 7 o'clock, lifted by T/2
      {3, {14, 13}, {50, 96}},     // 10 o'clock
      {5, {14, 13}, {156, 35}},    // 12 o'clock
      {10, {20, 13}, {214, 251}},  // 5 o'clock, lifted by T/2
  };
  for (const Case& T : Cases)
    EXPECT_EQ(SpeedometerLabelOrigin(C, 142, 20, T.K, T.Text, 23), T.Origin) << "label " << T.K;

  struct Reach {
    int Value, Min, Label;
    bool Reached;
  } Reaches[] = {
      {50, 0, 50, true}, {50, 0, 60, false}, {0, 0, 0, false},  // nothing at the minimum
      {5, 0, 0, true},   {3, 3, 3, false},
  };
  for (const Reach& R : Reaches)
    EXPECT_EQ(SpeedometerLabelReached(R.Value, R.Min, R.Label), R.Reached)
        << R.Value << " label " << R.Label;
}

namespace {

// The pixel under screen angle Deg (degrees) at radius R from C.
TColor32 At(const TCustomBitmap32& B, TFloatPoint C, double Deg, double R) {
  const double A = Deg * std::numbers::pi / 180;
  return B.Pixel(int(std::floor(C.X + R * std::cos(A))), int(std::floor(C.Y + R * std::sin(A))));
}

constexpr TColor32 kRing = 0xFFFFE68F, kProgress = 0xFF42A5F5, kPoint = 0xFFFFFFFF;

// A colour expected at a screen angle and radius.
struct TProbe {
  double Deg, Radius;
  TColor32 Color;
};

// A W × W surface, cleared, painted by Paint and probed about its centre.
void ExpectPainted(int W, const std::function<void(TCustomBitmap32*)>& Paint,
                   const std::vector<TProbe>& Probes, const char* What) {
  TCustomBitmap32 B;
  B.SetSize(W, W);
  B.Clear(0);
  Paint(&B);
  for (const TProbe& P : Probes)
    EXPECT_EQ(At(B, {W / 2.0, W / 2.0}, P.Deg, P.Radius), P.Color)
        << What << " at " << P.Deg << "° r " << P.Radius;
}

}  // namespace

// 180 × 180, T 14: the ring's centre line has radius 77.5 about (90, 90).
TEST(GaugeGeometry, CircleProgressShapes) {
  struct Case {
    const char* What;
    int Value, Min, Max;
    bool Caption;
    std::vector<TProbe> Probes;
  } Cases[] = {
      {"half",
       50,
       0,
       100,
       true,
       // the progress arc's round start cap reaches back over 12 o'clock
       {{0, 77.5, kProgress},
        {300, 77.5, kProgress},
        {180, 77.5, kRing},
        {90, 77.5, kPoint},
        {250, 77.5, kRing},
        {0, 60, 0},
        {0, 0, 0}}},
      {"at the minimum", 0, 0, 100, true, {{0, 77.5, kRing}, {270, 77.5, kPoint}}},
      {"empty range", 9, 9, 9, true, {{0, 77.5, kRing}, {90, 77.5, kRing}, {269, 77.5, kPoint}}},
      {"outside inconsistent bounds", 0, 100, 0, false, {{0, 77.5, kRing}, {270, 77.5, kRing}}},
  };
  for (const Case& C : Cases) {
    const TCircleProgressLook Look{14, C.Value, C.Min, C.Max, kRing, kProgress, kPoint};
    ExpectPainted(
        180,
        [&](TCustomBitmap32* B) {
          EXPECT_EQ(PaintCircleProgressShapes(B, 180, 180, Look), C.Caption) << C.What;
        },
        C.Probes, C.What);
  }
  TCustomBitmap32 Tiny;
  Tiny.SetSize(20, 20);
  Tiny.Clear(0);
  EXPECT_FALSE(PaintCircleProgressShapes(&Tiny, 20, 20, {}))
      << "thicker than the control: no ring, nothing further";
}

// 326 × 326, T 23: the dial's centre line has radius 142.5 about (163, 163); the end marks
// stand inside it around radius 129.
TEST(GaugeGeometry, SpeedometerShapes) {
  constexpr TColor32 kDial = 0xFFFFE68F;
  struct Case {
    const char* What;
    int Value, Min, Max;
    std::vector<TProbe> Probes;
  } Cases[] = {
      {"half",
       50,
       0,
       100,
       {{180, 142.5, kProgress},
        {265, 142.5, kProgress},
        {275, 142.5, kDial},
        {0, 142.5, kDial},
        {90, 142.5, 0},
        {58, 125, kDial},
        {122, 125, kProgress}}},
      {"at the maximum", 100, 0, 100, {{0, 142.5, kProgress}, {58, 125, kProgress}}},
      {"at the minimum", 0, 0, 100, {{180, 142.5, kDial}, {58, 125, kDial}, {122, 125, kDial}}},
  };
  for (const Case& C : Cases) {
    const TSpeedometerLook Look{23,    15,        C.Value,    C.Min,    C.Max,
                                kDial, kProgress, 0xFFFFA3D8, kProgress};
    ExpectPainted(
        326,
        [&](TCustomBitmap32* B) {
          PaintSpeedometerDial(B, 326, 326, Look);
          PaintSpeedometerNeedle(B, 326, 326, Look);
        },
        C.Probes, C.What);
  }
}

// The needle: 15 wide, 2R/3 long from the hub, its gradient runs from the hub to the tip.
TEST(GaugeGeometry, SpeedometerNeedlePointsAtTheValue) {
  struct Case {
    int Value;
    double Deg;
  } Cases[] = {{50, 270}, {0, 120}, {100, 60}, {25, 195}};
  for (const Case& C : Cases) {
    const TSpeedometerLook Look{23, 15, C.Value, 0, 100, 0, 0, 0xFF0000FF, 0xFFFF0000};
    // hub end, tip end, 2R/3 long, from the hub only
    ExpectPainted(
        326, [&](TCustomBitmap32* B) { PaintSpeedometerNeedle(B, 326, 326, Look); },
        {{C.Deg, 10, 0xFF0000FF}, {C.Deg, 85, 0xFFFF0000}, {C.Deg, 100, 0}, {C.Deg + 180, 10, 0}},
        "needle");
  }
}
