// The portable parts of the decorative controls: how lines and shapes are painted (exact
// pixels where the edges fall on whole pixels, loosely on anti-aliased edges), the
// picture in a circle, and the animation's frame stepping.
#include <gtest/gtest.h>

#include "controls/QvSkinAnimationStep.h"
#include "controls/QvSkinLinePaint.h"
#include "controls/QvSkinShapePaint.h"
#include "raster/Blend.h"

using namespace qv;

namespace {

constexpr TColor32 kBlue = 0xFF0000FF;
constexpr TColor32 kYellow = 0xFFFFFF00;

std::unique_ptr<TBitmap32> Surface(int W, int H) {
  auto B = std::make_unique<TBitmap32>();
  B->SetSize(W, H);
  B->Clear(kBlue);
  return B;
}

// Whether two colours' channels (alpha included) differ by at most Tolerance.
bool Near(TColor32 A, TColor32 B, int Tolerance) {
  for (int S = 0; S < 32; S += 8)
    if (std::abs(int(A >> S & 0xFF) - int(B >> S & 0xFF)) > Tolerance) return false;
  return true;
}

struct TPixel {
  int X, Y;
  TColor32 Color;
  int Tolerance = 0;  // anti-aliased edges
};

void ExpectPixels(const TBitmap32& B, std::initializer_list<TPixel> Pixels) {
  for (const TPixel& P : Pixels)
    EXPECT_TRUE(Near(B.Pixel(P.X, P.Y), P.Color, P.Tolerance))
        << "at " << P.X << "," << P.Y << ": " << std::hex << B.Pixel(P.X, P.Y) << " expected "
        << P.Color;
}

// ---- line ----

TEST(SkinLinePaint, GradientBandsByKindAndAlign) {
  const TColor S = clRed, E = clLime;
  struct {
    TLineKind Kind;
    TGradientAlign Align;
    int Size, W, H;
    std::vector<TQvLineBand> Bands;
  } Cases[] = {
      // 60% of 255 is 153; the centred pair meets at C − 1 = 126.
      {lkHorizontal, gaCenter, 60, 255, 3, {{{-26, 0, 127, 3}, E, S}, {{126, 0, 280, 3}, S, E}}},
      {lkHorizontal, gaLeft, 60, 100, 3, {{{0, 0, 60, 3}, S, E}}},
      {lkHorizontal, gaRight, 30, 100, 3, {{{70, 0, 100, 3}, E, S}}},
      // At least 2 pixels across.
      {lkHorizontal, gaLeft, 50, 10, 1, {{{0, 0, 5, 2}, S, E}}},
      // Vertical: the lower band of a centred pair reaches the bottom.
      {lkVertical, gaCenter, 25, 3, 100, {{{0, 25, 3, 50}, E, S}, {{0, 49, 3, 100}, S, E}}},
      {lkVertical, gaLeft, 50, 1, 40, {{{0, 0, 2, 20}, S, E}}},
      {lkVertical, gaRight, 50, 3, 40, {{{0, 20, 3, 40}, E, S}}},
      {lkHorizontal, gaCenter, 0, 100, 3, {}},
  };
  for (auto& C : Cases) {
    SCOPED_TRACE(testing::Message()
                 << C.Kind << "/" << C.Align << " " << C.Size << "% of " << C.W << "x" << C.H);
    TQvLineLook Look;
    Look.Kind = C.Kind;
    Look.GradientAlign = C.Align;
    Look.GradientSize = C.Size;
    Look.GradientStartColor = S;
    Look.GradientEndColor = E;
    auto Got = LineGradientBands(Look, C.W, C.H);
    ASSERT_EQ(Got.size(), C.Bands.size());
    for (size_t I = 0; I < Got.size(); ++I) {
      EXPECT_EQ(Got[I].Rect, C.Bands[I].Rect);
      EXPECT_EQ(Got[I].From, C.Bands[I].From);
      EXPECT_EQ(Got[I].To, C.Bands[I].To);
    }
  }
}

TEST(SkinLinePaint, SolidLineWithItsGradientBand) {
  TQvLineLook Look;
  Look.Color = clYellow;
  Look.GradientStartColor = clRed;
  Look.GradientEndColor = clLime;
  auto B = Surface(100, 3);
  Look.ActiveGradient = false;
  PaintSkinLine(B.get(), 100, 3, Look);
  ExpectPixels(*B, {{0, 0, kYellow}, {99, 2, kYellow}});

  // Centred 60%: bands −10..50 (lime to red) and 49..110 (red to lime).
  Look.ActiveGradient = true;
  PaintSkinLine(B.get(), 100, 3, Look);
  ExpectPixels(*B, {{49, 0, clRed32}, {49, 2, clRed32}});
  // One step of 61 towards lime right of the middle; 10 of 60 steps in from lime at x = 0.
  EXPECT_EQ(B->Pixel(50, 1), Color32(255 - 5, 4, 0));
  EXPECT_EQ(B->Pixel(0, 1), Color32(42, 255 - 43, 0));

  Look.GradientAlign = gaRight;
  Look.GradientSize = 30;
  PaintSkinLine(B.get(), 100, 3, Look);
  ExpectPixels(*B, {{69, 1, kYellow}, {70, 1, clLime32}, {99, 1, Color32(246, 8, 0)}});
}

TEST(SkinLinePaint, DashesAlongTheFirstRowOrColumn) {
  const TColor32 Ink = Color32(TColor(0x3366CC));
  TQvLineLook Look;
  Look.Color = TColor(0x3366CC);
  Look.ActiveGradient = false;
  // 21 on, 7 off along x; the stroke is 4 wide centred on y = 0, so row 2 stays clear.
  Look.Style = TQvPenStyle::psDash;
  auto H = Surface(60, 3);
  PaintSkinLine(H.get(), 60, 3, Look);
  ExpectPixels(*H, {{0, 0, Ink},
                    {20, 1, Ink},
                    {21, 0, kBlue},
                    {27, 1, kBlue},
                    {28, 0, Ink},
                    {48, 0, Ink},
                    {49, 0, kBlue},
                    {56, 1, Ink},
                    {59, 1, Ink},
                    {10, 2, kBlue}});
  // 4 on, 2 off down a vertical line.
  Look.Kind = lkVertical;
  Look.Style = TQvPenStyle::psDot;
  auto V = Surface(3, 30);
  PaintSkinLine(V.get(), 3, 30, Look);
  ExpectPixels(*V, {{0, 0, Ink},
                    {1, 3, Ink},
                    {0, 4, kBlue},
                    {1, 5, kBlue},
                    {0, 6, Ink},
                    {0, 29, kBlue},
                    {2, 1, kBlue}});
}

// ---- shapes ----

TEST(SkinShapeOutline, BoundsOfTheGeometricKinds) {
  auto Box = [](const TArrayOfFloatPoint& P) {
    TFloatRect R{1e9, 1e9, -1e9, -1e9};
    for (auto& Q : P) {
      R.Left = std::min(R.Left, Q.X);
      R.Top = std::min(R.Top, Q.Y);
      R.Right = std::max(R.Right, Q.X);
      R.Bottom = std::max(R.Bottom, Q.Y);
    }
    return R;
  };
  struct {
    TQvShapeKind Kind;
    int W, H;
    double P;
    int Radius;
    TFloatRect Bounds;
  } Cases[] = {
      // A visible pen of width 2: the circle's radius is min(W, H) / 2 − 2.
      {skCircle, 65, 80, 1, 8, {2, 9.5, 63, 70.5}},  {skEllipse, 80, 50, 0, 8, {2, 2, 78, 48}},
      {skRectangle, 40, 30, 1, 8, {2, 2, 38, 28}},   {skRoundRect, 60, 40, 0, 8, {1, 1, 59, 39}},
      {skRoundRect, 60, 40, 0, 500, {1, 1, 59, 39}},  // the radius is limited to the shape
      {skRoundSquare, 60, 40, 0, 8, {1, 1, 39, 39}}, {skSquare, 60, 40, 2, 8, {3, 3, 37, 37}},
  };
  for (auto& C : Cases) {
    SCOPED_TRACE(testing::Message() << TQvShapeKindNames[C.Kind] << " " << C.W << "x" << C.H);
    TFloatRect R = Box(ShapeOutline(C.Kind, C.W, C.H, C.P, C.Radius));
    // Polygons of curves need not have a vertex at the extremes.
    const double Tolerance = C.Kind == skCircle || C.Kind == skEllipse ? 0.2 : 1e-6;
    EXPECT_NEAR(R.Left, C.Bounds.Left, Tolerance);
    EXPECT_NEAR(R.Top, C.Bounds.Top, Tolerance);
    EXPECT_NEAR(R.Right, C.Bounds.Right, Tolerance);
    EXPECT_NEAR(R.Bottom, C.Bounds.Bottom, Tolerance);
  }
  EXPECT_TRUE(ShapeOutline(skSVG, 60, 60, 0, 8).empty());
  EXPECT_TRUE(ShapeOutline(skCircle, 2, 2, 0, 8).empty());  // nothing left inside the inset
  EXPECT_TRUE(ShapeOutline(skRectangle, 10, 10, 4, 8).empty());
}

class SkinShapePaint : public testing::Test {
 protected:
  void SetUp() override {
    Brush.SetColor(TColor(0x336699));  // red 0x99, green 0x66, blue 0x33
    Pen.SetColor(clRed);
    Pen.SetWidth(2);
    Pen.SetVisible(false);
  }
  std::unique_ptr<TBitmap32> Paint(TQvShapeKind Kind, int W, int H) {
    auto B = Surface(W, H);
    Look.Shape = Kind;
    PaintSkinShape(B.get(), W, H, Look, Brush, Pen);
    return B;
  }
  TQvShapeLook Look;
  TQvBrush Brush;
  TQvPen Pen;
  const TColor32 Fill = 0xFF996633;
};

TEST_F(SkinShapePaint, FillInsideBackgroundOutside) {
  ExpectPixels(*Paint(skCircle, 65, 65),
               {{32, 32, Fill}, {3, 32, Fill, 3}, {0, 0, kBlue}, {0, 32, kBlue}, {64, 64, kBlue}});
  ExpectPixels(*Paint(skEllipse, 80, 50),
               {{40, 25, Fill}, {3, 25, Fill, 3}, {1, 25, kBlue}, {40, 1, kBlue}});
  ExpectPixels(*Paint(skRectangle, 40, 30),
               {{1, 1, Fill}, {38, 28, Fill}, {0, 0, kBlue}, {39, 28, kBlue}, {38, 29, kBlue}});
  ExpectPixels(*Paint(skRoundRect, 60, 40),
               {{30, 1, Fill}, {1, 20, Fill}, {1, 1, kBlue}, {58, 38, kBlue}, {30, 30, Fill}});
  // A radius beyond the shape makes round ends, never more than the rectangle.
  Look.RoundRadius = 500;
  ExpectPixels(*Paint(skRoundRect, 60, 40),
               {{30, 1, Fill}, {30, 0, kBlue}, {0, 20, kBlue}, {2, 2, kBlue}, {59, 20, kBlue}});
  Look.RoundRadius = 8;
  ExpectPixels(*Paint(skRoundSquare, 60, 40),
               {{20, 1, Fill}, {38, 20, Fill}, {1, 1, kBlue}, {39, 20, kBlue}, {50, 20, kBlue}});
  ExpectPixels(*Paint(skSquare, 60, 40),
               {{1, 1, Fill}, {38, 38, Fill}, {39, 20, kBlue}, {50, 20, kBlue}});
  // Alpha makes the fill translucent.
  Look.Alpha = 128;
  ExpectPixels(*Paint(skSquare, 60, 40), {{20, 20, BlendReg(SetAlpha(Fill, 128), kBlue)}});
  Brush.SetVisible(false);
  ExpectPixels(*Paint(skSquare, 60, 40), {{20, 20, kBlue}});
}

TEST_F(SkinShapePaint, OutlineSolidAndDashed) {
  Pen.SetVisible(true);
  // A pen of width 2 on the rectangle (2, 2, 38, 28): the stroke covers 1 .. 3.
  ExpectPixels(
      *Paint(skRectangle, 40, 30),
      {{1, 10, clRed32}, {2, 10, clRed32}, {3, 10, Fill}, {0, 10, kBlue}, {38, 20, clRed32}});
  // The ring of a circle: radius 30.5 about 32.5, stroked 29.5 .. 31.5.
  ExpectPixels(*Paint(skCircle, 65, 65),
               {{62, 32, clRed32, 16}, {63, 32, clRed32, 16}, {64, 32, kBlue}, {60, 32, Fill}});
  // Dashes 21 on, 7 off from the top-left corner along the top edge: the gaps show the
  // fill below the edge and the background above it.
  Pen.SetStyle(TQvPenStyle::psDash);
  ExpectPixels(
      *Paint(skRectangle, 40, 30),
      {{10, 1, clRed32}, {22, 2, clRed32}, {26, 1, kBlue}, {26, 2, Fill}, {31, 1, clRed32}});
  Pen.SetStyle(TQvPenStyle::psDot);  // 5 on, 3 off
  ExpectPixels(*Paint(skRectangle, 40, 30),
               {{4, 1, clRed32}, {6, 1, clRed32}, {8, 1, kBlue}, {11, 1, clRed32}});
}

TEST_F(SkinShapePaint, SvgPath) {
  Look.SvgPath = L"M10 10 L50 10 L30 50 Z";
  ExpectPixels(*Paint(skSVG, 60, 60), {{30, 20, Fill}, {5, 5, kBlue}, {55, 40, kBlue}});
  Look.Alpha = 128;
  ExpectPixels(*Paint(skSVG, 60, 60), {{30, 20, BlendReg(SetAlpha(Fill, 128), kBlue)}});
  // The outline only: the inside stays clear, the edge is the pen's.
  Brush.SetVisible(false);
  Pen.SetVisible(true);
  ExpectPixels(*Paint(skSVG, 60, 60), {{30, 20, kBlue}, {30, 10, clRed32, 3}});
  Look.SvgPath = L"";
  ExpectPixels(*Paint(skSVG, 60, 60), {{30, 10, kBlue}});
  Look.SvgPath = L"X0 0";
  EXPECT_THROW(Paint(skSVG, 60, 60), EParserError);
}

TEST(SkinCirclePicture, BlendPicturesKeepTheirAlphaOthersShowOpaque) {
  TBitmap32 Picture;
  Picture.SetSize(10, 10);
  Picture.Clear(0x00FF0000);  // red, fully transparent
  for (TDrawMode Mode : {dmBlend, dmOpaque}) {
    SCOPED_TRACE(Mode);
    Picture.SetDrawMode(Mode);
    auto B = Surface(40, 40);
    DrawPictureInCircle(B.get(), Rect(0, 0, 40, 40), Picture, clLime);
    ExpectPixels(*B, {{20, 20, Mode == dmBlend ? kBlue : clRed32},
                      {0, 0, kBlue},
                      {39, 20, clLime32, 24},
                      {20, 38, clLime32, 24}});
  }
}

// ---- animation stepping ----

struct TStepRun {
  std::vector<int> Frames;
  std::vector<TQvAnimationTick> Ticks;
};

TStepRun Play(int Count, bool Loop, bool Reverse, int Ticks) {
  TStepRun R;
  int Frame = AnimationStartFrame(Count, Loop, Reverse);
  bool Forth = true;
  R.Frames.push_back(Frame);
  for (int I = 0; I < Ticks; ++I) {
    R.Ticks.push_back(StepAnimation(Frame, Forth, Count, Loop, Reverse));
    R.Frames.push_back(Frame);
  }
  return R;
}

TEST(SkinAnimationStep, ForwardReverseLoopAndSwing) {
  // Forward without Loop: frames 0 .. 4, four OnProcess, then the finish.
  TStepRun F = Play(5, false, false, 5);
  EXPECT_EQ(F.Frames, (std::vector<int>{0, 1, 2, 3, 4, 4}));
  EXPECT_EQ(F.Ticks,
            (std::vector<TQvAnimationTick>{atProcess, atProcess, atProcess, atProcess, atFinish}));
  // Reverse without Loop: from 5 (drawn as 4) down to −1 (drawn as 0), OnProcess for 4 .. 0.
  TStepRun R = Play(5, false, true, 7);
  EXPECT_EQ(R.Frames, (std::vector<int>{5, 4, 3, 2, 1, 0, -1, -1}));
  EXPECT_EQ(R.Ticks, (std::vector<TQvAnimationTick>{atProcess, atProcess, atProcess, atProcess,
                                                    atProcess, atNone, atFinish}));
  // Forward with Loop: back to 0 after the last frame.
  TStepRun L = Play(3, true, false, 4);
  EXPECT_EQ(L.Frames, (std::vector<int>{0, 1, 2, 0, 1}));
  EXPECT_EQ(L.Ticks[2], atLooped);
  // Reverse with Loop swings without events.
  TStepRun S = Play(4, true, true, 8);
  EXPECT_EQ(S.Frames, (std::vector<int>{0, 1, 2, 3, 2, 1, 0, 1, 2}));
  for (TQvAnimationTick T : S.Ticks) EXPECT_EQ(T, atNone);
}

}  // namespace
