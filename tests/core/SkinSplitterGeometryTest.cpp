// The splitter's arithmetic: the neighbour it finds, the limited drag size and the grip.
#include <gtest/gtest.h>

#include "controls/QvSkinSplitterGeometry.h"

using namespace qv;

namespace {

TEST(SkinSplitterGeometry, DragSizeIsLimitedAndTheLineStaysAtTheLimit) {
  struct {
    TAlign Align;
    int Size, Min, Max, Split;
    int NewSize, NewSplit;
  } Cases[] = {
      {alLeft, 100, 30, 200, 20, 120, 20},
      {alLeft, 100, 30, 200, -90, 30, -70},   // at MinSize
      {alLeft, 100, 30, 200, 150, 200, 100},  // at the maximum
      {alTop, 100, 30, 200, -100, 30, -70},
      {alRight, 100, 30, 200, 20, 80, 20},  // the far side shrinks when dragged away
      {alRight, 100, 30, 200, -150, 200, -100},
      {alBottom, 100, 30, 200, 80, 30, 70},
      // A parent too small for MinSize: the maximum wins, never a negative size.
      {alLeft, 10, 30, 20, 0, 20, 10},
      {alLeft, 10, 30, -5, 0, 0, -10},
  };
  for (auto& C : Cases) {
    SCOPED_TRACE(testing::Message() << C.Align << " split " << C.Split << " max " << C.Max);
    int Split = C.Split, NewSize = -1;
    CalcSplitterSize(C.Align, C.Size, C.Min, C.Max, Split, NewSize);
    EXPECT_EQ(NewSize, C.NewSize);
    EXPECT_EQ(Split, C.NewSplit);
  }
}

TEST(SkinSplitterGeometry, FindsTheNeighbourOnItsAlignedSide) {
  const TRect S = Bounds(100, 0, 3, 200);  // a left splitter after a 100 wide panel
  EXPECT_EQ(SplitterProbePoint(alLeft, S), TPoint(99, 0));
  EXPECT_EQ(SplitterProbePoint(alRight, S), TPoint(103, 0));
  EXPECT_EQ(SplitterProbePoint(alTop, S), TPoint(100, -1));
  EXPECT_EQ(SplitterProbePoint(alBottom, S), TPoint(100, 200));
  struct {
    TAlign Splitter, Neighbour;
    TRect Bounds;
    TPoint Probe;
    bool Hit;
  } Cases[] = {
      {alLeft, alLeft, Bounds(0, 0, 100, 200), {99, 0}, true},
      {alLeft, alRight, Bounds(0, 0, 100, 200), {99, 0}, true},  // same orientation
      {alLeft, alTop, Bounds(0, 0, 100, 200), {99, 0}, false},
      {alLeft, alClient, Bounds(0, 0, 100, 200), {99, 0}, false},
      {alClient, alLeft, Bounds(0, 0, 100, 200), {99, 0}, false},
      {alLeft, alLeft, Bounds(0, 0, 100, 200), {100, 0}, false},  // right edge exclusive
      // Snapped to nothing: widened away from the splitter so it can be dragged open again.
      {alLeft, alLeft, Bounds(0, 0, 0, 200), {-1, 0}, true},
      {alRight, alRight, Bounds(400, 0, 0, 200), {400, 0}, true},
      {alTop, alTop, Bounds(0, 0, 300, 0), {0, -1}, true},
      {alBottom, alBottom, Bounds(0, 300, 300, 0), {0, 300}, true},
      {alBottom, alBottom, Bounds(0, 300, 300, 0), {0, 299}, false},
  };
  for (auto& C : Cases)
    EXPECT_EQ(SplitterNeighbourHit(C.Splitter, C.Neighbour, C.Bounds, C.Probe), C.Hit)
        << C.Splitter << " " << C.Neighbour << " at " << C.Probe.X << "," << C.Probe.Y;
}

TEST(SkinSplitterGeometry, GripIsTenCentredDotPairs) {
  constexpr TColor32 Back = 0xFF000000, Dot = 0xFF298CE1, Light = 0xFFF0F0F0;
  TBitmap32 V;
  V.SetSize(3, 100);
  V.Clear(Back);
  PaintSplitterGrip(&V, alLeft, 3, 100, Dot);
  // x = (3 - 2) div 2 = 0, y from (100 - 30) div 2 = 35 in steps of 3.
  for (int Y = 0; Y < 100; ++Y) {
    const int I = Y - 35;
    const bool InGrip = I >= 0 && I < 30;
    const TColor32 Want = !InGrip ? Back : I % 3 == 0 ? Dot : I % 3 == 1 ? Light : Back;
    EXPECT_EQ(V.Pixel(0, Y), Want) << Y;
    EXPECT_EQ(V.Pixel(2, Y), Want) << Y;
    EXPECT_EQ(V.Pixel(1, Y), Back) << Y;
  }
  TBitmap32 H;
  H.SetSize(100, 4);
  H.Clear(Back);
  PaintSplitterGrip(&H, alBottom, 100, 4, Dot);
  // y = (4 - 2) div 2 = 1 and 3, x from 35.
  EXPECT_EQ(H.Pixel(35, 1), Dot);
  EXPECT_EQ(H.Pixel(36, 3), Light);
  EXPECT_EQ(H.Pixel(62, 3), Dot);
  EXPECT_EQ(H.Pixel(65, 1), Back);
  EXPECT_EQ(H.Pixel(35, 2), Back);
  H.Clear(Back);
  PaintSplitterGrip(&H, alClient, 100, 4, Dot);
  EXPECT_EQ(H.Pixel(35, 1), Back);
}

}  // namespace
