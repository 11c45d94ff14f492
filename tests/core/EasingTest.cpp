#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "graphics/QvAE.h"

using namespace qv;

namespace {

using AE = TQvAnimateEasing;

struct TCurveCase {
  TEasingType Type;
  Extended AtStart;  // value at t = 0 for b = 10, c = 100
  Extended AtHalf;   // at t = 0.5
  Extended AtEnd;    // at t = 1
};

// Expected values worked out by hand from the formulas (b = 10, c = 100).
const TCurveCase Cases[] = {
    {etBackEaseIn, 10, 10 + 25 * (2.70158L * 0.5L - 1.70158L), 110},
    {etbackEaseOut, 10, 10 + 100 * (0.25L * (1.70158L - 2.70158L * 0.5L) + 1), 110},
    {etBackEaseInOut, 10, 60, 110},
    {etBounceEaseIn, 10, 10 + 23.4375L, 110},
    {etBounceEaseOut, 10, 10 + 76.5625L, 110},
    {etCircEaseIn, 10, 10 - 100 * (std::sqrt(0.75L) - 1), 110},
    {etCircEaseOut, 10, 10 + 100 * std::sqrt(0.75L), 110},
    {etCircEaseInOut, 10, 60, 110},
    {etCubicEaseIn, 10, 22.5L, 110},
    {etCubicEaseOut, 10, 97.5L, 110},
    {etCubicEaseInOut, 10, 60, 110},
    {etElasticEaseIn, 10, 10 + 3.125L, 110},
    {etElasticEaseOut, 10, 110 - 3.125L, 110},
    {etExpoEaseIn, 10, 10 + 3.125L - 0.1L, 10 + 99.9L},  // ends 0.1 % short of b + c
    {etExpoEaseOut, 10, 10 + 100.1L * (1 - 1 / 32.0L), 110},
    {etExpoEaseInOut, 10, 60.025L, 110},
    {etQuadEaseIn, 10, 35, 110},
    {etQuadEaseOut, 10, 85, 110},
    {etQuadEaseInOut, 10, 60, 110},
    {etQuartEaseIn, 10, 16.25L, 110},
    {etQuartEaseOut, 10, 103.75L, 110},
    {etQuartEaseInOut, 10, 60, 110},
    {etQuintEaseIn, 10, 13.125L, 110},
    {etQuintEaseOut, 10, 106.875L, 110},
    {etQuintEaseInOut, 10, 60, 110},
    {etSineEaseIn, 10, 110 - 100 * std::sqrt(0.5L), 110},
    {etSineEaseOut, 10, 10 + 100 * std::sqrt(0.5L), 110},
    {etSineEaseInOut, 10, 60, 110},
};

}  // namespace

TEST(Easing, EveryCurveAtStartMiddleAndEnd) {
  ASSERT_EQ(std::size(Cases), size_t(EasingTypeCount));
  for (const TCurveCase& C : Cases) {
    SCOPED_TRACE(::testing::Message() << ToUtf8(EasingTypeName(C.Type)));
    TEasingFunction F = AE::GetEasingFunc(C.Type);
    EXPECT_NEAR(double(F(0, 10, 100)), double(C.AtStart), 1e-9);
    EXPECT_NEAR(double(F(0.5L, 10, 100)), double(C.AtHalf), 1e-9);
    EXPECT_NEAR(double(F(1, 10, 100)), double(C.AtEnd), 1e-9);
  }
}

TEST(Easing, ExactEndsAndSpecialCases) {
  // Exact comparisons at the ends, as consumers compare against them.
  EXPECT_EQ(AE::expoEaseIn(0, 7, 300), 7);
  EXPECT_EQ(AE::expoEaseOut(1, 7, 300), 307);
  EXPECT_EQ(AE::expoEaseInOut(0, 7, 300), 7);
  EXPECT_EQ(AE::expoEaseInOut(1, 7, 300), 307);
  EXPECT_EQ(AE::elasticEaseOut(0, 7, 300), 7);
  EXPECT_EQ(AE::elasticEaseIn(1, 7, 300), 307);
  EXPECT_EQ(AE::bounceEaseOut(1, 0, 200), 200);
  // No change: the elastic curves stay at b everywhere.
  EXPECT_EQ(AE::elasticEaseIn(0.3L, 7, 0), 7);
  EXPECT_EQ(AE::elasticEaseOut(0.3L, 7, 0), 7);
  // Time is not clamped.
  EXPECT_EQ(AE::quadEaseIn(2, 0, 10), 40);
  // An unknown member falls back to quartEaseInOut.
  EXPECT_EQ(AE::GetEasingFunc(TEasingType(99)), &AE::quartEaseInOut);
  EXPECT_EQ(AE::GetEasingFunc(TEasingType(-1)), &AE::quartEaseInOut);
}

TEST(Easing, BackCurvesOvershootAndBounceStaysInRange) {
  Extended Min = 0, MinAt = 0, MaxOut = 0;
  for (int I = 0; I <= 1000; ++I) {
    Extended T = I / 1000.0L;
    Extended V = AE::backEaseIn(T, 0, 100);
    if (V < Min) {
      Min = V;
      MinAt = T;
    }
    MaxOut = std::max(MaxOut, AE::backEaseOut(T, 0, 100));
    EXPECT_GE(AE::bounceEaseOut(T, 0, 100), -1e-12);
    EXPECT_LE(AE::bounceEaseOut(T, 0, 100), 100 + 1e-12);
  }
  EXPECT_NEAR(double(Min), -10.0, 0.01);  // dips about 0.1·c below b
  EXPECT_NEAR(double(MinAt), 0.42, 0.01);
  EXPECT_GT(MaxOut, 100);
}

TEST(Easing, GenerateValues) {
  TResultArray V = AE::GenerateValues(160, 4, etQuadEaseIn);
  EXPECT_EQ(V, (TResultArray{0, 10, 40, 90}));  // 0, c/16, c/4, 9c/16: the end is not included

  TResultArray Fade = AE::GenerateValues(255, 37, etCubicEaseIn);
  ASSERT_EQ(Fade.size(), 37u);
  EXPECT_EQ(Fade.front(), 0);
  EXPECT_TRUE(std::is_sorted(Fade.begin(), Fade.end()));
  EXPECT_LT(Fade.back(), 255);

  // Negative changes run downwards; each value is the curve at i / StepCount.
  TResultArray Down = AE::GenerateValues(-90, 3, etSineEaseOut);
  ASSERT_EQ(Down.size(), 3u);
  EXPECT_NEAR(double(Down[1]), -90 * std::sin(std::numbers::pi / 6), 1e-9);

  // No steps: the caller's array is left alone.
  TResultArray Kept{1, 2, 3};
  AE::GenerateValues(100, 0, etQuadEaseIn, Kept);
  AE::GenerateValues(100, -5, etQuadEaseIn, Kept);
  EXPECT_EQ(Kept, (TResultArray{1, 2, 3}));
  EXPECT_TRUE(AE::GenerateValues(100, 0, etQuadEaseIn).empty());
}
