#include <gtest/gtest.h>
#include <windows.h>

#include "graphics/BitmapHelper.h"

using namespace qv;

namespace {

// A white opaque surface with a font selected into its device context.
class EffectsOnCanvas : public ::testing::Test {
 protected:
  EffectsOnCanvas() {
    B.SetSize(160, 40);
    B.Clear(0xFFFFFFFF);
    Font = CreateFontW(-24, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
    OldFont = SelectObject(DC(), Font);
  }
  ~EffectsOnCanvas() override {
    SelectObject(DC(), OldFont);
    DeleteObject(Font);
  }
  HDC DC() const { return HDC(B.Handle()); }
  std::vector<TColor32> Pixels() const { return {B.Bits(), B.Bits() + 160 * 40}; }

  TBitmap32 B;
  HFONT Font;
  HGDIOBJ OldFont;
};

TEST_F(EffectsOnCanvas, GlowTintsAroundTheTextAndLeavesTheRestAndTheAlpha) {
  TRect R = Rect(0, 0, 160, 40);
  DrawEffectText(B.Handle(), R, L"Glow", DT_CENTER | DT_VCENTER | DT_SINGLELINE, 0, clRed, 2);
  GdiFlush();
  int Tinted = 0;
  for (int Y = 0; Y < 40; ++Y)
    for (int X = 0; X < 160; ++X) {
      TColor32 P = B.Pixel(X, Y);
      ASSERT_EQ(AlphaComponent(P), 255) << X << "," << Y;
      EXPECT_EQ(RedComponent(P), 255);  // white moves toward red only in green and blue
      if (GreenComponent(P) < 128) ++Tinted;
    }
  // Text was drawn into the mask (glyph pixels are strongly tinted) ...
  EXPECT_GT(Tinted, 20);
  // ... centred: the corners stay (nearly) white.
  for (TPoint P : {TPoint{0, 0}, TPoint{159, 0}, TPoint{0, 39}, TPoint{159, 39}})
    EXPECT_GE(GreenComponent(B.Pixel(P.X, P.Y)), 250) << P.X << "," << P.Y;
}

TEST_F(EffectsOnCanvas, GlowOfNothingChangesNothing) {
  const auto Before = Pixels();
  for (TRect R : {Rect(0, 0, 160, 40), Rect(10, 10, 5, 30), Rect(10, 10, 30, 10)}) {
    DrawEffectText(B.Handle(), R, R.Width() == 160 ? L"  \t" : L"Text", DT_SINGLELINE, 0, clRed, 3);
  }
  TRect Small = Rect(0, 0, 10, 10);
  DrawEffectText(nullptr, Small, L"Text", 0, 0, clRed, 3);
  GdiFlush();
  EXPECT_EQ(Pixels(), Before);
}

TEST_F(EffectsOnCanvas, ColorBlendUsesAConstantOpacity) {
  ColorBlend(B.Handle(), Rect(10, 5, 30, 15), clBlack, 128);
  GdiFlush();
  uint8_t Inside = GreenComponent(B.Pixel(20, 10));
  EXPECT_NEAR(Inside, 127, 1);
  EXPECT_EQ(B.Pixel(9, 10), 0xFFFFFFFFu);
  EXPECT_EQ(B.Pixel(30, 10), 0xFFFFFFFFu);
  EXPECT_EQ(GreenComponent(B.Pixel(29, 14)), Inside);
}

TEST_F(EffectsOnCanvas, GradientOnADeviceContextMatchesTheSurfaceRule) {
  TBitmap32 Want;
  Want.SetSize(160, 40);
  Want.Clear(0xFFFFFFFF);
  FillGradient(&Want, clBlack, 0x2080FF, false, Rect(3, 4, 50, 30));
  FillGradient(B.Handle(), clBlack, 0x2080FF, false, Rect(3, 4, 50, 30));
  GdiFlush();
  for (int Y = 0; Y < 40; ++Y)
    for (int X = 0; X < 160; ++X)
      ASSERT_EQ(B.Pixel(X, Y) & 0xFFFFFF, Want.Pixel(X, Y) & 0xFFFFFF) << X << "," << Y;
}

TEST_F(EffectsOnCanvas, TextMeasuresGrowWithTheText) {
  Integer One = CalcTextWidthW(B.Handle(), L"W"), Three = CalcTextWidthW(B.Handle(), L"WWW");
  EXPECT_GT(One, 0);
  EXPECT_GT(Three, 2 * One);
  Integer Line = CalcTextHeightW(B.Handle(), L"W");
  EXPECT_GT(Line, 10);
  EXPECT_GT(CalcTextHeightW(B.Handle(), L"W\nW"), Line + 10);
  EXPECT_EQ(CalcTextWidthW(nullptr, L"W"), 0);
}

}  // namespace
