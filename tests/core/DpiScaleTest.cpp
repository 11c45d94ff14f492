#include <gtest/gtest.h>

#include "host/DpiScale.h"
#include "host/Font.h"
#include "host/Platform.h"
#include "host/ScopeGuard.h"

using namespace qv;

namespace {

TEST(DpiScale, Arithmetic) {
  struct Case {
    Integer Dpi;
    double Scale;
    Integer Percent, Px17, PxMinus7;
  } Cases[] = {
      {96, 1.0, 100, 17, -7},    // design DPI: unchanged
      {120, 1.25, 125, 21, -9},  // 21.25 -> 21; -8.75 -> -9
      {144, 1.5, 150, 26, -11},  // 25.5 -> 26, -10.5 -> -11: halves away from zero
      {192, 2.0, 200, 34, -14}, {288, 3.0, 300, 51, -21},
      {0, 1.0, 100, 17, -7},  // no DPI from the platform: 96
      {-5, 1.0, 100, 17, -7},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Dpi);
    EXPECT_DOUBLE_EQ(DpiToScale(C.Dpi), C.Scale);
    EXPECT_EQ(ScalePercent(DpiToScale(C.Dpi)), C.Percent);
    EXPECT_EQ(DpiScaledPixels(17, C.Dpi), C.Px17);
    EXPECT_EQ(DpiScaledPixels(-7, C.Dpi), C.PxMinus7);
  }
  EXPECT_EQ(DpiScaledFontSize(9, 96), 7);    // 6.75
  EXPECT_EQ(DpiScaledFontSize(9, 120), 8);   // 11 px -> 8.25
  EXPECT_EQ(DpiScaledFontSize(9, 144), 10);  // 14 px -> 10.5: halves to even
  EXPECT_EQ(DpiScaledFontSize(18, 96), 14);  // 13.5
  EXPECT_EQ(DpiScaledFontSize(9, 288), 20);  // 27 px -> 20.25
  EXPECT_EQ(ScalePercent(1.995), 200);
  EXPECT_EQ(ScalePercent(1.994), 199);
}

TEST(DpiScale, ModeSwitchIsResettable) {
  ASSERT_FALSE(AppIsHighDPIMode());
  {
    SetAppHighDPIMode(true);
    TScopeExit Off([] { SetAppHighDPIMode(false); });
    EXPECT_TRUE(AppIsHighDPIMode());
    // Natively every control shows at the one screen's 96 DPI.
    EXPECT_EQ(GetControlPixelsPerInch(nullptr), 96);
    EXPECT_DOUBLE_EQ(GetDPIScaleValue(nullptr), 1.0);
    EXPECT_FALSE(AppInHighDPIMode());
    EXPECT_EQ(GetDPIScaledPixels(nullptr, Rect(1, -2, 30, 41)), Rect(1, -2, 30, 41));
    // The font rule of the on state applies even at 96 DPI.
    EXPECT_EQ(GetDPIScaledFontSize(nullptr, 12), 9);
    TFont Source, Font;
    Source.SetName(L"SimSun");
    Source.SetSize(15);
    Font.SetStyle({fsBold});
    Font.SetColor(clRed);
    SetDPIScaledFont(&Source, &Font);
    EXPECT_EQ(Font.Name(), L"SimSun");
    EXPECT_EQ(Font.Size(), 15);
    EXPECT_EQ(Font.Style(), TFontStyles{fsBold});
    EXPECT_EQ(Font.Color(), clRed);
  }
  EXPECT_FALSE(AppIsHighDPIMode());
  EXPECT_EQ(GetDPIScaledFontSize(nullptr, 12), 12);
}

}  // namespace
