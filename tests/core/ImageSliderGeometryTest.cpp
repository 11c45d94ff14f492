#include <gtest/gtest.h>

#include "controls/QvSkinImageSliderGeometry.h"

using namespace qv;

TEST(ImageSliderGeometry, PictureAndDotPlaces) {
  struct Case {
    int Index, Count, StripW;
    TRect Expected;
  } Cases[] = {
      {0, 3, 1896, {0, 0, 632, 340}},
      {2, 3, 1896, {1264, 0, 1896, 340}},
      {3, 3, 1896, {}},
      {-1, 3, 1896, {}},
      {0, 0, 0, {}},
      {1, 2, 1265, {632, 0, 1264, 340}},  // w = 1265 div 2
  };
  for (const Case& C : Cases)
    EXPECT_EQ(SliderImageIndexRect(C.Index, C.Count, C.StripW, 340), C.Expected)
        << C.Index << " of " << C.Count;

  // Three dots centred on 632 × 340: x0 = (632 - 75) div 2, 30 above the bottom.
  EXPECT_EQ(SliderDotCell(0, 3, 632, 340), (TRect{278, 310, 303, 330}));
  EXPECT_EQ(SliderDotCell(2, 3, 632, 340), (TRect{328, 310, 353, 330}));
  EXPECT_EQ(SliderDotCell(0, 1, 100, 60), (TRect{37, 30, 62, 50}));
  EXPECT_EQ(SliderDotCentre({278, 310, 303, 330}, true), (TFloatPoint{288.5, 320}));
  EXPECT_EQ(SliderDotCentre({278, 310, 303, 330}, false), (TFloatPoint{289.25, 320}));
}

// The automatic change stepped tick by tick from the first picture.
TEST(ImageSliderGeometry, AutomaticOrder) {
  struct Case {
    const char* What;
    TSliderType Type;
    bool LoopMode;
    int Count;
    std::vector<int> Shown;  // after each step; -1: nothing changes
  } Cases[] = {
      {"back and forth", stLeftRight, false, 3, {1, 2, 1, 0, 1, 2, 1}},
      {"two pictures", stLeftRight, false, 2, {1, 0, 1, 0}},
      {"slide in a loop", stLeftRight, true, 3, {1, 2, 0, 1, 2, 0}},
      {"fade cycles", stFade, false, 3, {1, 2, 0, 1}},
      {"fade with loop mode", stFade, true, 3, {1, 2, 0}},
      {"one picture", stLeftRight, false, 1, {-1, -1}},
      {"one picture fading", stFade, false, 1, {-1}},
      {"no pictures", stLeftRight, false, 0, {-1}},
  };
  for (const Case& C : Cases) {
    TQvSliderAutoOrder Order;
    int Hot = C.Count > 0 ? 0 : -1;
    std::vector<int> Shown;
    for (size_t I = 0; I < C.Shown.size(); ++I) {
      const int Next = Order.Next(Hot, C.Count, C.Type, C.LoopMode);
      Shown.push_back(Next);
      if (Next >= 0) Hot = Next;
    }
    EXPECT_EQ(Shown, C.Shown) << C.What;
  }
}

TEST(ImageSliderGeometry, IntervalCountsFromTheLastTransition) {
  EXPECT_FALSE(SliderIntervalDue(1000 + 2999, 1000, 3000));
  EXPECT_TRUE(SliderIntervalDue(1000 + 3000, 1000, 3000));
  EXPECT_FALSE(SliderIntervalDue(500, 1000, 3000)) << "a clock behind the last end";
  EXPECT_TRUE(SliderIntervalDue(5, 5, -10)) << "a negative interval is due at once";
}

TEST(ImageSliderGeometry, SlideFrames) {
  struct Case {
    const char* What;
    int Old, New, From, To, Speed;
    size_t Frames;
    bool ReachesTo;  // the last frame stands on To
  } Cases[] = {
      // the eased-out curve comes within half a pixel before its last values
      {"right to a neighbour", 0, 1, 0, 632, 50, 47, true},
      {"left to a neighbour", 2, 1, 1264, 632, 50, 47, true},
      {"slow neighbour", 0, 1, 0, 632, 5, 5, false},
      // the eased-in curve starts below half a pixel: its first values all stand on To
      {"jump of two", 0, 2, 0, 1264, 50, 48, true},
      {"jump of six", 0, 6, 0, 3792, 50, 98, true},  // k = 6 div 3
      {"jump back", 4, 0, 2528, 0, 20, 20, true},    // k = 1
      {"first picture after a rebuild", 0, 0, 0, 0, 10, 1, true},
      {"no frames", 0, 1, 0, 632, 0, 0, false},
  };
  for (const Case& C : Cases) {
    const std::vector<int> F = SliderSlideFrames(C.Old, C.New, C.From, C.To, 632, C.Speed);
    ASSERT_EQ(F.size(), C.Frames) << C.What;
    if (F.empty()) continue;
    EXPECT_EQ(F.back() == C.To, C.ReachesTo) << C.What;
    const int Dir = C.To >= C.From ? 1 : -1;
    for (size_t I = 1; I < F.size(); ++I) {
      EXPECT_GE((F[I] - F[I - 1]) * Dir, 0) << C.What << ": frame " << I << " goes back";
      EXPECT_LE((F[I] - C.To) * Dir, 0) << C.What << ": frame " << I << " overshoots";
    }
  }
  // A neighbour starts where the old picture stands; a jump starts fast, already moved.
  EXPECT_EQ(SliderSlideFrames(0, 1, 0, 632, 632, 50).front(), 0);
  EXPECT_GT(SliderSlideFrames(0, 2, 0, 1264, 632, 50).front(), 0);
}

TEST(ImageSliderGeometry, FadeFrames) {
  const std::vector<int> F = SliderFadeFrames(50);
  ASSERT_EQ(F.size(), 50u);
  EXPECT_EQ(F.front(), 0);
  EXPECT_LT(F.back(), 255) << "the curve stops short: the end shows the picture whole";
  for (size_t I = 1; I < F.size(); ++I) EXPECT_GE(F[I], F[I - 1]);
  EXPECT_TRUE(SliderFadeFrames(0).empty());
}

TEST(ImageSliderGeometry, StripRepeatsTheFrameBeforeAMissingPicture) {
  TCustomBitmap32 Red, Blue;
  Red.SetSize(40, 20);
  Red.Clear(0xFFFF0000);
  Blue.SetSize(40, 20);
  Blue.Clear(0xFF0000FF);
  struct Case {
    const char* What;
    std::vector<TCustomBitmap32*> Pictures;
    std::vector<TColor32> Frames;
  } Cases[] = {
      {"first missing is white", {nullptr, &Red}, {0xFFFFFFFF, 0xFFFF0000}},
      {"missing repeats", {&Red, nullptr, &Blue}, {0xFFFF0000, 0xFFFF0000, 0xFF0000FF}},
  };
  for (const Case& C : Cases) {
    TCustomBitmap32 Strip;
    StitchSliderStrip(Strip, C.Pictures, 20, 10);
    ASSERT_EQ(Strip.Width(), int(20 * C.Pictures.size())) << C.What;
    ASSERT_EQ(Strip.Height(), 10) << C.What;
    // The inside of each frame (the resampler owns the outermost pixels).
    for (size_t I = 0; I < C.Frames.size(); ++I)
      for (int X = 2; X < 18; X += 5)
        for (int Y = 2; Y < 8; Y += 5)
          EXPECT_EQ(Strip.Pixel(int(I) * 20 + X, Y), C.Frames[I]) << C.What << " frame " << I;
  }
  TCustomBitmap32 Strip;
  StitchSliderStrip(Strip, {&Red}, 0, 2);
  EXPECT_TRUE(Strip.Empty()) << "no size, no strip";
}
