#include <gtest/gtest.h>

#include <array>
#include <random>

#include "graphics/BitmapHelper.h"
#include "graphics/QvGR32LibColor.h"

using namespace qv;

namespace {

TColor32 OnePixel(void (*Op)(TCustomBitmap32*), TColor32 C) {
  TBitmap32 B;
  B.SetSize(1, 1);
  B.SetPixel(0, 0, C);
  Op(&B);
  return B.Pixel(0, 0);
}

TEST(Effects, ApplyHSLShiftsKnownColours) {
  struct Case {
    TColor32 In;
    int DH, DS, DL;
    TColor32 Out;
  };
  const Case Cases[] = {
      {0xFFFF0000, 0, 0, 0, 0xFFFD0101},        // the integer model's own precision
      {0xFFFF0000, 85, 0, 0, 0xFF03FD01},       // a third of the circle on
      {0xFFC86464, 0, -50, 0, 0xFFB07C7C},      // S 121 -> 121 - 50·121 div 100 = 61
      {0xFFC86464, 0, 50, 0, 0xFFDD4F4F},       // S 121 -> 171
      {0x80808080, 40, 30, 0, 0x808F8D71},      // a grey gains saturation; alpha kept
      {0xFF0AC85A, -100, 0, 20, 0xFFED170D},    // hue wraps below 0
      {0x401E3C5A, 7, -100, -200, 0x40000000},  // black keeps the pixel's opacity
      {0x00ABCDEF, 50, 50, 50, 0x00ABCDEF},     // fully transparent pixels never change
  };
  for (const Case& C : Cases) {
    TBitmap32 B;
    B.SetSize(2, 1);
    B.SetPixel(0, 0, C.In);
    B.SetPixel(1, 0, C.In);
    ApplyHSL(&B, C.DH, C.DS, C.DL);
    EXPECT_EQ(B.Pixel(1, 0), C.Out)
        << std::hex << C.In << " by " << std::dec << C.DH << "," << C.DS << "," << C.DL;
  }
}

TEST(Effects, HSBAdjustmentOfKnownColours) {
  struct Case {
    TColor In;  // 0x00BBGGRR
    int H, S, B;
    TColor Out;
  };
  const Case Cases[] = {
      {0x0000FF, 120, 0, 0, 0x00FF00},     // pure red turns pure green
      {0x808080, 77, 50, 0, 0x808080},     // a grey keeps hue and saturation
      {0x808080, 77, 50, 20, 0x999999},    // ... and only brightens
      {0x3264C8, 0, 30, 0, 0x135AE7},      // more saturation
      {0x3264C8, 0, -40, 0, 0x506EAA},     // less saturation
      {0x3264C8, 30, 0, -25, 0x268497},    // hue, then darker
      {0x3264C8, -200, 20, 10, 0xDDDD36},  // brighter first, then hue and saturation
      {0xC82814, 90, 0, 50, 0xBF89E3},    {0x64C832, 300, -100, 0, 0x7D7D7D},  // no saturation left
  };
  for (const Case& C : Cases) {
    TColor Result = -1;
    MakeHSBColor(C.In, C.H, C.S, C.B, Result);
    EXPECT_EQ(Result, C.Out) << std::hex << C.In << std::dec << " by " << C.H << "," << C.S << ","
                             << C.B;
  }
  // Pictures: every pixel the same way, alpha kept; all-zero changes nothing.
  TBitmap32 B;
  B.SetSize(3, 1);
  B.SetPixel(0, 0, 0x80FF0000);
  B.SetPixel(1, 0, 0x80FF0000);
  B.SetPixel(2, 0, 0x10808080);
  GdipHSBAdjustment(&B, 0, 0, 0);
  EXPECT_EQ(B.Pixel(0, 0), 0x80FF0000u);
  GdipHSBAdjustment(&B, 120, 0, 0);
  EXPECT_EQ(B.Pixel(0, 0), 0x8000FF00u);
  EXPECT_EQ(B.Pixel(1, 0), 0x8000FF00u);
  EXPECT_EQ(B.Pixel(2, 0), 0x10808080u);
  // Absurd amounts saturate instead of overflowing.
  EXPECT_EQ(MakeHSBColor(0x3264C8, INT32_MAX, INT32_MAX, INT32_MAX), 0xFFFFFF);
  EXPECT_EQ(MakeHSBColor(0x3264C8, INT32_MIN, INT32_MIN, INT32_MIN), 0x000000);
}

TEST(Effects, ColorMaskTintsAllButNearWhiteAndTransparentPixels) {
  const TColor32 Mask = 0xFF40C0FF;
  struct Case {
    TColor32 In, Out;
  };
  const Case Cases[] = {
      {0xFFFAF5F1, 0xFFFAF5F1},  // R, G, B all above 240
      {0xFFFAF5F0, 0xFF3DB7F4},  // one channel at 240: intensity 245
      {0x80646464, 0x80194B63},  // mask · 100 >> 8, alpha kept
      {0x00646464, 0x00646464},  // transparent
  };
  for (const Case& C : Cases) {
    TBitmap32 B;
    B.SetSize(1, 1);
    B.SetPixel(0, 0, C.In);
    ApplyColorMask32(&B, Mask);
    EXPECT_EQ(B.Pixel(0, 0), C.Out) << std::hex << C.In;
  }
  TBitmap32 B;
  B.SetSize(1, 1);
  B.SetPixel(0, 0, 0x80646464);
  ApplyColorMask32(&B, TColor(0xFFC040));  // framework colour: B 0xFF, G 0xC0, R 0x40
  EXPECT_EQ(B.Pixel(0, 0), 0x80194B63u);
}

TEST(Effects, SmallPixelRules) {
  EXPECT_EQ(OnePixel(PremultiplyBitmap, 0x80FF4020), 0x807F2010u);
  EXPECT_EQ(OnePixel(PremultiplyBitmap, 0xFF123456), 0xFF113355u);  // ·65535 >> 16
  EXPECT_EQ(OnePixel(PremultiplyBitmap, 0x00FFFFFF), 0x00000000u);
  EXPECT_EQ(OnePixel([](TCustomBitmap32* B) { SetBitmapAlpha(B, 0x7F); }, 0xFFFFFFFF), 0x7F000000u);

  TBitmap32 B;
  B.SetSize(3, 1);
  B.SetPixel(0, 0, Color32(10, 20, 30, 0));
  B.SetPixel(1, 0, Color32(11, 21, 31, 255));
  B.SetPixel(2, 0, Color32(12, 23, 33, 7));
  EXPECT_EQ(GetAverageColor(&B), TColor(0x1F1500 | 11));  // truncated means 11, 21, 31
  TBitmap32 Empty;
  EXPECT_EQ(GetAverageColor(&Empty), 0);

  ApplyAlpha(&B, 300);
  EXPECT_EQ(B.DrawMode(), dmOpaque);
  ApplyAlpha(&B, 90);
  EXPECT_EQ(B.DrawMode(), dmBlend);
  EXPECT_EQ(B.MasterAlpha(), 90);
  ClearBmp32(&B);
  EXPECT_TRUE(B.Empty());

  EXPECT_EQ(WebColorToTColor(0x123456), 0x563412);
  EXPECT_EQ(WebColorToTColor(0x12345678), TColor(0x78563412));
  uint8_t R, G, Bl;
  TColor2RGB(TColor(0x80563412), R, G, Bl);
  EXPECT_EQ((std::array<int, 3>{R, G, Bl}), (std::array<int, 3>{0x12, 0x34, 0x56}));
}

// The blur by its definition: every window summed afresh, indices clamped to the edge.
void ReferenceBlur(std::vector<int>& V, int W, int H, int R, bool Rows) {
  std::vector<int> Out(V.size());
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X) {
      int64_t S = 0;
      for (int K = -R; K <= R; ++K) {
        int XX = Rows ? std::clamp(X + K, 0, W - 1) : X,
            YY = Rows ? Y : std::clamp(Y + K, 0, H - 1);
        S += V[size_t(YY) * W + XX];
      }
      Out[size_t(Y) * W + X] = int(S / (2 * R + 1));
    }
  V = Out;
}

TEST(Effects, BoxBlurMatchesItsDefinition) {
  std::mt19937 Rng(7);
  struct Case {
    int W, H, Radius, Passes;
  };
  for (Case C : {Case{17, 9, 1, 2}, Case{13, 11, 4, 0}, Case{6, 5, 16, 1}, Case{1, 7, 3, 2},
                 Case{40, 3, 64, 1}}) {
    TBitmap32 B;
    B.SetSize(C.W, C.H);
    std::vector<int> Ch[3];
    for (auto& V : Ch) V.resize(size_t(C.W) * C.H);
    for (int I = 0; I < C.W * C.H; ++I) {
      TColor32 P = Rng();
      B.Bits()[I] = P;
      for (int K = 0; K < 3; ++K) Ch[K][I] = int(P >> (8 * K) & 0xFF);
    }
    std::vector<TColor32> Before(B.Bits(), B.Bits() + C.W * C.H);
    QvBoxBlur(&B, C.Radius, C.Passes);
    for (auto& V : Ch) {
      for (int P = 0; P < C.Passes; ++P) ReferenceBlur(V, C.W, C.H, C.Radius, true);
      for (int P = 0; P <= C.Passes; ++P) ReferenceBlur(V, C.W, C.H, C.Radius, false);
    }
    for (int I = 0; I < C.W * C.H; ++I) {
      uint32_t Grey = uint32_t(Ch[0][I] + Ch[1][I] + Ch[2][I]) / 3;
      ASSERT_EQ(B.Bits()[I], (Before[I] & 0xFF000000) | Grey * 0x010101)
          << C.W << "x" << C.H << " radius " << C.Radius << " pixel " << I;
    }
  }
}

TEST(Effects, BoxBlurOfConstantIsConstantAndOfAnImpulseIsABox) {
  TBitmap32 B;
  B.SetSize(30, 20);
  B.Clear(0x80405060);
  QvBoxBlur(&B, 7, 2);
  for (int I = 0; I < 600; ++I) ASSERT_EQ(B.Bits()[I], 0x80505050u);  // (0x40+0x50+0x60)/3

  for (int Radius : {1, 2, 5}) {
    B.Clear(0xFF000000);
    B.SetPixel(15, 10, 0xFFFFFFFF);
    QvBoxBlur(&B, Radius, 1);  // rows once, columns twice
    const int K = 2 * Radius + 1;
    for (int Y = 0; Y < 20; ++Y)
      for (int X = 0; X < 30; ++X) {
        // Rows: 255 div K over K columns; columns twice: a column of K, then of 2K − 1.
        int Row = std::abs(X - 15) <= Radius ? 255 / K : 0;
        auto Col = [&](int Y1) { return std::abs(Y1 - 10) <= Radius ? Row / K : 0; };
        int Twice = 0;
        for (int J = -Radius; J <= Radius; ++J) Twice += Col(Y + J);
        ASSERT_EQ(B.Pixel(X, Y) & 0xFF, uint32_t(Twice / K)) << X << "," << Y;
      }
  }
  // Radius 0 or less, and empty pictures, change nothing.
  B.SetPixel(3, 3, 0xFF102030);
  QvBoxBlur(&B, 0, 2);
  QvBoxBlur(&B, -4, 2);
  EXPECT_EQ(B.Pixel(3, 3), 0xFF102030u);
  TBitmap32 Empty;
  QvBoxBlur(&Empty, 3, 1);
  QvBoxBlur(nullptr, 3, 1);
}

TEST(Effects, GlowBlendMovesTowardTheGlowByTheMask) {
  struct Case {
    uint8_t Bg, Mask;
    TColor Glow;
    int Strength;
    uint8_t Out;
  };
  const Case Cases[] = {
      {200, 0, 0x000000, 1, 0},        // on the text: the glow colour
      {200, 128, 0x000000, 1, 50},     // 200 -> 100 -> 50
      {0, 128, 0xFFFFFF, 1, 191},      // 0 -> 127 -> 191 (shifts floor)
      {200, 255, 0x000000, 1, 198},    // far from the text: nearly unchanged
      {90, 128, 0x000000, 0, 90},      // no strength, no glow
      {0, 255, 0xFFFFFF, 1000000, 0},  // -255·255 >> 8 = -255: stays where it is
  };
  for (const Case& C : Cases) {
    TBitmap32 Bg, Mask;
    Bg.SetSize(1, 1);
    Bg.SetPixel(0, 0, Color32(C.Bg, C.Bg, C.Bg, 0x33));
    Mask.SetSize(1, 1);
    Mask.SetPixel(0, 0, Gray32(C.Mask));
    GlowBlend(Bg, Mask, C.Glow, C.Strength);
    EXPECT_EQ(Bg.Pixel(0, 0), Color32(C.Out, C.Out, C.Out, 0x33))
        << int(C.Bg) << " mask " << int(C.Mask);
  }
}

TEST(Effects, MakeBmpFadesTheRightAndBottomBandsIntoTheAverage) {
  TBitmap32 B;
  B.SetSize(200, 200);
  B.Clear(0xFFFFFFFF);
  B.FillRectS(0, 0, 100, 100, 0x00000000);  // average 191 (three quarters white)
  TColor Avg = 0;
  MakeBmp(&B, Avg, {TSmoothSide::ssRight, TSmoothSide::ssBottom});
  EXPECT_EQ(Avg, TColor(0xBFBFBF));
  struct Case {
    int X, Y;
    uint8_t Grey;
  };
  const Case Cases[] = {
      {50, 50, 0},      // untouched (made opaque)
      {100, 10, 255},   // right band, column 0: the picture
      {150, 10, 223},   // column 50: opacity 128
      {199, 10, 192},   // column 99: opacity 3
      {10, 150, 223},   // bottom band, row 50
      {100, 100, 255},  // corner, distance 0
      {130, 140, 223},  // corner, distance 50
      {160, 180, 191},  // corner, distance 100: the average
  };
  for (const Case& C : Cases) EXPECT_EQ(B.Pixel(C.X, C.Y), Gray32(C.Grey)) << C.X << "," << C.Y;
  TBitmap32 Small;  // smaller than the bands: every pixel lies in them
  Small.SetSize(3, 2);
  Small.Clear(0xFF204060);
  MakeBmp(&Small, Avg);
  EXPECT_EQ(Small.Pixel(2, 1), 0xFF204060u);
  TBitmap32 Empty;
  MakeBmp(&Empty, Avg);
  EXPECT_EQ(Avg, 0);
}

TEST(Effects, FillGradientStepsAndStopsShortOfTheEnd) {
  struct Case {
    TColor From, To;
    bool Horizontal;
    TRect R;
    std::vector<uint8_t> Reds;  // along the gradient, on the target
  };
  const Case Cases[] = {
      {clBlack, clWhite, true, Rect(0, 0, 4, 2), {0, 63, 127, 191}},
      {clWhite, clBlack, true, Rect(0, 0, 4, 2), {255, 191, 127, 63}},
      {clBlack, clWhite, false, Rect(1, 0, 2, 4), {0, 63, 127, 191}},
      {clBlack, clWhite, true, Rect(-2, 0, 2, 1), {127, 191}},  // starts left of the target
      {0x0000C8, 0x000014, true, Rect(0, 0, 3, 1), {200, 140, 80}},
  };
  for (const Case& C : Cases) {
    TBitmap32 B;
    B.SetSize(4, 4);
    B.Clear(0);
    FillGradient(&B, C.From, C.To, C.Horizontal, C.R);
    for (size_t I = 0; I < C.Reds.size(); ++I) {
      int X = C.Horizontal ? std::max(C.R.Left, 0) + int(I) : C.R.Left;
      int Y = C.Horizontal ? C.R.Top : C.R.Top + int(I);
      EXPECT_EQ(B.Pixel(X, Y) & 0xFFFF0000u, 0xFF000000u | uint32_t(C.Reds[I]) << 16)
          << I << " of case " << &C - Cases;
    }
  }
  TBitmap32 B;
  B.SetSize(4, 4);
  FillGradient(&B, clRed, clBlue, true, Rect(1, 2, 3, 2));  // zero height counts as 1
  EXPECT_EQ(B.Pixel(1, 2), 0xFFFF0000u);
  EXPECT_EQ(B.Pixel(1, 3), 0u);
  B.Clear(0);
  FillGradient(&B, clRed, clBlue, true, Rect(3, 0, 1, 4));  // negative width: nothing
  FillGradient(&B, clRed, clBlue, false, Rect(9, 9, 20, 20));
  for (int I = 0; I < 16; ++I) ASSERT_EQ(B.Bits()[I], 0u);
}

TEST(Effects, ResizeBitmap32ScalesBilinearlyIntoTheScaledSize) {
  TBitmap32 Src, Dst;
  Src.SetSize(4, 2);
  Src.Clear(0xFF336699);
  Src.SetDrawMode(dmBlend);
  ResizeBitmap32(&Src, &Dst, 2);
  ASSERT_EQ(Dst.Width(), 8);
  ASSERT_EQ(Dst.Height(), 4);
  for (int X = 1; X < 7; ++X) EXPECT_EQ(Dst.Pixel(X, 1), 0xFF336699u) << X;
  EXPECT_LT(AlphaComponent(Dst.Pixel(0, 0)), 255);  // the edge is soft
  ResizeBitmap32(&Src, &Dst, 0.5);
  EXPECT_EQ(Dst.Width(), 2);
  ResizeBitmap32(&Src, &Dst, -1);
  EXPECT_TRUE(Dst.Empty());
}

}  // namespace
