#include <gtest/gtest.h>

#include <random>

#include "raster/Bitmap32.h"
#include "raster/Resamplers.h"

using namespace qv;

namespace {
void Fill(TCustomBitmap32& B, int W, int H, uint32_t Seed) {
  B.SetSize(W, H);
  std::mt19937 Rng(Seed);
  for (int I = 0; I < W * H; ++I) B.Bits()[I] = Rng();
}
}  // namespace

TEST(Draw, ModesCombinePixels) {
  TBitmap32 Src, Dst;
  Src.SetSize(2, 1);
  Src.SetPixel(0, 0, 0x80FFFFFF);
  Src.SetPixel(1, 0, 0x00FF0000);
  Dst.SetSize(2, 1);
  Dst.Clear(0xFF000000);
  Src.DrawTo(&Dst);  // dmOpaque copies, alpha included
  EXPECT_EQ(Dst.Pixel(0, 0), 0x80FFFFFFu);
  EXPECT_EQ(Dst.Pixel(1, 0), 0x00FF0000u);
  Dst.Clear(0xFF000000);
  Src.SetDrawMode(dmBlend);
  Dst.Draw(0, 0, &Src);
  EXPECT_EQ(Dst.Pixel(0, 0), 0xC0808080u);
  EXPECT_EQ(Dst.Pixel(1, 0), 0xFF000000u);
  Src.SetMasterAlpha(0);  // draws nothing
  Dst.Clear(0xFF000000);
  Dst.Draw(0, 0, &Src);
  EXPECT_EQ(Dst.Pixel(0, 0), 0xFF000000u);
  Src.SetDrawMode(dmTransparent);
  Src.SetOuterColor(0x80FFFFFF);
  Dst.Draw(0, 0, &Src);
  EXPECT_EQ(Dst.Pixel(0, 0), 0xFF000000u);
  EXPECT_EQ(Dst.Pixel(1, 0), 0x00FF0000u);
  Src.SetDrawMode(dmCustom);
  Src.OnPixelCombine = [](TColor32 F, TColor32& B, TColor32) { B = F ^ 0xFFFFFFFF; };
  Dst.Draw(0, 0, &Src);
  EXPECT_EQ(Dst.Pixel(0, 0), 0x7F000000u);
}

TEST(Draw, ClippingOfUnstretchedDraws) {
  TBitmap32 Src, Dst;
  Src.SetSize(4, 4);
  Src.Clear(clWhite32);
  Dst.SetSize(6, 6);
  Dst.Draw(-2, 4, &Src);  // only a 2×2 corner lands
  int N = 0;
  for (int I = 0; I < 36; ++I) N += Dst.Bits()[I] == clWhite32;
  EXPECT_EQ(N, 4);
  EXPECT_EQ(Dst.Pixel(0, 4), clWhite32);
  EXPECT_EQ(Dst.Pixel(1, 5), clWhite32);
  // A source rectangle partly outside the source is cut, and the block moves with it.
  Dst.Clear(0);
  Src.SetPixel(0, 0, clRed32);
  Dst.Draw(1, 1, Rect(-1, -1, 2, 2), &Src);
  EXPECT_EQ(Dst.Pixel(2, 2), clRed32);
  EXPECT_EQ(Dst.Pixel(1, 1), 0u);
  // Far-away positions and empty surfaces draw nothing.
  Dst.Draw(INT32_MAX - 1, INT32_MIN + 1, &Src);
  TBitmap32 Empty;
  Dst.Draw(0, 0, &Empty);
  Empty.Draw(0, 0, &Src);
  EXPECT_THROW(Dst.Draw(0, 0, nullptr), EBitmapError);
  EXPECT_THROW(Src.DrawTo(nullptr, 0, 0), EBitmapError);
}

TEST(Draw, StretchOfEqualSizeIsABlockCopy) {
  TBitmap32 Src, A, B;
  Fill(Src, 7, 5, 1);
  A.SetSize(12, 12);
  B.SetSize(12, 12);
  Src.SetResamplerClassName(L"TLinearResampler");
  A.Draw(Rect(3, 2, 10, 7), Src.BoundsRect(), &Src);
  B.Draw(3, 2, &Src);
  EXPECT_EQ(std::vector<TColor32>(A.Bits(), A.Bits() + 144),
            std::vector<TColor32>(B.Bits(), B.Bits() + 144));
}

TEST(Draw, NearestMappingRule) {
  TBitmap32 Src, Dst;
  Fill(Src, 5, 3, 2);
  Dst.SetSize(20, 20);
  TRect DR = Rect(-3, 1, 9, 8), SR = Rect(1, 0, 5, 3);
  Dst.Draw(DR, SR, &Src);
  // Column x maps to SrcLeft + trunc((x − DstLeft)·SW/DW) for the visible part.
  for (int Y = 1; Y < 8; ++Y)
    for (int X = 0; X < 9; ++X) {
      int SX = SR.Left + (X - DR.Left) * 4 / 12, SY = SR.Top + (Y - DR.Top) * 3 / 7;
      ASSERT_EQ(Dst.Pixel(X, Y), Src.Pixel(SX, SY)) << X << "," << Y;
    }
  // A one-pixel-wide destination takes the middle column.
  Dst.Clear(0);
  Dst.Draw(Rect(0, 0, 1, 3), Rect(0, 0, 5, 3), &Src);
  for (int Y = 0; Y < 3; ++Y) EXPECT_EQ(Dst.Pixel(0, Y), Src.Pixel(2, Y));
}

TEST(Draw, StretchClipsTheSourceAndRejectsOutsideRects) {
  TBitmap32 Src, Dst;
  Fill(Src, 4, 4, 3);
  Dst.SetSize(16, 16);
  // Source twice as wide as the surface: only the inside half lands, scaled 2×.
  Dst.Draw(Rect(0, 0, 16, 8), Rect(0, 0, 8, 4), &Src);
  EXPECT_EQ(Dst.Pixel(7, 7), Src.Pixel(3, 3));
  EXPECT_EQ(Dst.Pixel(8, 0), 0u);
  EXPECT_THROW(Dst.Draw(Rect(0, 0, 8, 8), Rect(10, 10, 12, 12), &Src), EBitmapError);
  try {
    Dst.Draw(Rect(0, 0, 8, 8), Rect(-9, 0, -1, 2), &Src);
    FAIL();
  } catch (const EBitmapError& E) {
    EXPECT_EQ(E.Message(), L"Invalid SrcRect");
  }
}

TEST(Draw, LinearResamplerInterpolates) {
  TBitmap32 Src, Dst;
  Src.SetSize(2, 1);
  Src.SetPixel(0, 0, 0xFF000000);
  Src.SetPixel(1, 0, 0xFFFFFFFF);
  Src.SetResamplerClassName(L"TLinearResampler");
  Dst.SetSize(4, 1);
  Dst.Draw(Rect(0, 0, 4, 1), Src.BoundsRect(), &Src);
  // Centres at source x = 0.25·… : ends clamp to the edge pixels, the middle is mixed.
  EXPECT_EQ(Dst.Pixel(0, 0), 0xFF000000u);
  EXPECT_EQ(Dst.Pixel(3, 0), 0xFFFFFFFFu);
  EXPECT_EQ(Dst.Pixel(1, 0), CombineReg(0xFFFFFFFF, 0xFF000000, 64));
  EXPECT_EQ(Dst.Pixel(2, 0), CombineReg(0xFFFFFFFF, 0xFF000000, 192));
  // Transparent edges: samples outside the picture are transparent black.
  Src.Resampler()->SetPixelAccessMode(pamTransparentEdge);
  EXPECT_EQ(Src.Resampler()->GetSampleFloat(0.0, 0.5), CombineReg(0xFF000000, 0, 128));
}

TEST(Draw, SelfDrawReadsTheOriginalPixels) {
  TBitmap32 B;
  Fill(B, 6, 1, 4);
  std::vector<TColor32> Before(B.Bits(), B.Bits() + 6);
  B.Draw(1, 0, &B);
  for (int X = 1; X < 6; ++X) EXPECT_EQ(B.Pixel(X, 0), Before[X - 1]);
}
