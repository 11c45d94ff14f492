#include <gtest/gtest.h>

#include "controls/QvSkinProgressBarGeometry.h"

using namespace qv;

TEST(ProgressGeometry, ValueToFillWidth) {
  struct Case {
    int Value, Min, Max, Width, Expected;
  } Cases[] = {
      {50, 0, 100, 150, 75},   {0, 0, 100, 150, 0},   {100, 0, 100, 150, 150},
      {33, 0, 100, 150, 49},  // 49.5 truncates
      {5, 5, 5, 150, 0},      // an empty range counts as 1
      {6, 5, 5, 150, 150},     {-10, 0, 100, 150, 0}, {200, 0, 100, 150, 150},
      {-50, -100, 100, 29, 7}, {50, 0, 100, -4, 0},
  };
  for (const Case& C : Cases)
    EXPECT_EQ(ProgressFillWidth(C.Value, C.Min, C.Max, C.Width), C.Expected)
        << C.Value << " in " << C.Min << ".." << C.Max << " over " << C.Width;
}

TEST(ProgressGeometry, ThumbRightEdgeMarksTheValue) {
  struct Case {
    int Value, Offset;
    bool KeepInside;
    TRect Expected;
  } Cases[] = {
      {50, 0, true, {63, -2, 75, 19}},     {0, 0, true, {0, -2, 12, 19}},
      {0, 0, false, {-12, -2, 0, 19}},     {100, 0, true, {138, -2, 150, 19}},
      {100, 20, true, {138, -2, 150, 19}}, {100, 20, false, {158, -2, 170, 19}},
  };
  for (const Case& C : Cases)
    EXPECT_EQ(ProgressThumbRect(C.Value, 0, 100, 150, 17, {12, 21}, C.Offset, C.KeepInside),
              C.Expected)
        << C.Value << " offset " << C.Offset;
}

TEST(ProgressGeometry, SliderValueUnderThePointer) {
  struct Case {
    int X;
    TRect Track;
    int Grab, Min, Max, Expected;
  } Cases[] = {
      {75, {1, 1, 149, 16}, 0, 0, 100, 50},   {1, {1, 1, 149, 16}, 0, 0, 100, 0},
      {500, {1, 1, 149, 16}, 0, 0, 100, 100}, {-50, {1, 1, 149, 16}, 0, 0, 100, 0},
      {80, {1, 1, 149, 16}, 5, 0, 100, 50},  // the grab offset counts
      {1, {0, 0, 4, 1}, 0, 0, 2, 0},         // 0.5 rounds to even
      {3, {0, 0, 4, 1}, 0, 0, 2, 2},         // 1.5 rounds to even
      {10, {5, 0, 5, 8}, 0, -3, 7, -3},      // an empty track: the minimum
      {115, {5, 0, 225, 8}, 0, -180, 180, 0},
  };
  for (const Case& C : Cases)
    EXPECT_EQ(SliderValueAt(C.X, C.Track, C.Grab, C.Min, C.Max), C.Expected) << C.X;
}

TEST(ProgressGeometry, ThumbPositionsOfEmptyRangesAreZero) {
  EXPECT_EQ(HLSThumbLeft(0, -180, 180, 230, 12), 109);
  EXPECT_EQ(HLSThumbLeft(180, -180, 180, 230, 12), 218);
  EXPECT_EQ(HLSThumbLeft(3, 3, 3, 230, 12), 0);
  EXPECT_EQ(ProgressPagingPoint(50, 0, 100, 150, 12), 69);
  EXPECT_EQ(ProgressPagingPoint(50, 7, 7, 150, 12), 0);
}

TEST(ProgressGeometry, ColourTracksOnPixels) {
  // A 230-pixel track: frame at 5..224 x 0..7, gradient 6..223 x 1..6; hue segments of 36.
  struct Case {
    THLSKindRec Kind;
    int X;
    uint32_t Rgb;
  } Cases[] = {
      {hlsH, 5, 0x909090},  {hlsH, 224, 0x909090}, {hlsH, 6, 0xFF0000},   {hlsH, 42, 0xFFFF00},
      {hlsH, 78, 0x7CFC00}, {hlsH, 114, 0x00FFFF}, {hlsH, 150, 0x0000FF}, {hlsH, 186, 0xFF00FF},
      {hlsS, 6, 0x7F7F7F},  {hlsB, 6, 0x000000},   {hlsS, 4, 0x123456},   {hlsB, 226, 0x123456},
  };
  for (const Case& C : Cases) {
    TBitmap32 B;
    B.SetSize(230, 10);
    B.Clear(Color32(0x12, 0x34, 0x56));
    PaintHLSTrack(&B, C.Kind, Rect(5, 0, 225, 8));
    EXPECT_EQ(B.Pixel(C.X, 3) & 0xFFFFFF, C.Rgb) << "kind " << C.Kind << " at " << C.X;
    EXPECT_EQ(B.Pixel(C.X, 3) >> 24, 0xFFu);
  }
  // The frame's bottom row, and the far ends nearly reach their end colours.
  TBitmap32 B;
  B.SetSize(230, 10);
  PaintHLSTrack(&B, hlsB, Rect(5, 0, 225, 8));
  EXPECT_EQ(B.Pixel(100, 7) & 0xFFFFFF, 0x909090u);
  EXPECT_GE(B.Pixel(223, 3) & 0xFF, 0xF0u);
  PaintHLSTrack(&B, hlsS, Rect(5, 0, 225, 8));
  EXPECT_GE(B.Pixel(223, 3) >> 16 & 0xFF, 0xFCu);
  EXPECT_LE(B.Pixel(223, 3) & 0xFF, 0x03u);
}
