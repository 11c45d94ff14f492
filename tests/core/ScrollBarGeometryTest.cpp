#include <gtest/gtest.h>

#include "controls/QvSkinScrollBarGeometry.h"

using namespace qv;

namespace {

// A 200 x 19 horizontal bar with 19-pixel arrows.
TQvScrollMetrics Horizontal() {
  TQvScrollMetrics M;
  M.Width = 200;
  M.Height = 19;
  M.NearArrow = {19, 19};
  return M;
}

}  // namespace

TEST(ScrollBarGeometry, ThumbFollowsRangePageAndPosition) {
  struct Case {
    const char* Name;
    bool Vertical;
    TQvScrollRange Range;
    int Offset1, Offset2, BOffset;
    int ThumbStart, ThumbEnd;  // along the axis
  } Cases[] = {
      {"middle, no page", false, {0, 100, 0, 50}, 29, 171, 71, 90, 110},
      {"start", false, {0, 100, 0, 0}, 29, 171, 0, 19, 39},
      {"end", false, {0, 100, 0, 100}, 29, 171, 142, 161, 181},
      {"small page keeps the least thumb", false, {0, 100, 10, 91}, 29, 171, 142, 161, 181},
      {"page of half the range", false, {0, 99, 50, 0}, 59, 141, 0, 19, 99},
      {"page of half the range at its end", false, {0, 99, 50, 50}, 59, 141, 82, 101, 181},
      {"page larger than the range fills the track", false, {0, 10, 50, 0}, 100, 100, 0, 19, 181},
      {"page larger than the range, vertical", true, {0, 10, 50, 0}, 100, 100, 0, 19, 181},
      {"range 0", false, {0, 0, 0, 0}, 29, 171, 0, 19, 39},
      {"Max below Min", false, {50, 10, 0, 50}, 29, 171, 0, 19, 39},
      {"negative page is no page", false, {0, 100, -5, 50}, 29, 171, 71, 90, 110},
      {"position above the range", false, {0, 100, 0, 500}, 29, 171, 142, 161, 181},
      {"position below the range", false, {0, 100, 0, -500}, 29, 171, 0, 19, 39},
      {"vertical middle", true, {0, 100, 0, 50}, 29, 171, 71, 90, 110},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    TQvScrollMetrics M = Horizontal();
    if (C.Vertical) {
      M.Vertical = true;
      std::swap(M.Width, M.Height);
    }
    TQvScrollGeometry G;
    CalcScrollRects(M, C.Range, G);
    EXPECT_EQ(G.Offset1, C.Offset1);
    EXPECT_EQ(G.Offset2, C.Offset2);
    EXPECT_EQ(G.BOffset, C.BOffset);
    const TRect& T = G.Parts[0];
    if (C.Vertical) {
      EXPECT_EQ(T, Rect(0, C.ThumbStart, 19, C.ThumbEnd));
      EXPECT_EQ(G.Parts[2], Rect(0, 0, 19, 19));
      EXPECT_EQ(G.Parts[1], Rect(0, 181, 19, 200));
    } else {
      EXPECT_EQ(T, Rect(C.ThumbStart, 0, C.ThumbEnd, 19));
      EXPECT_EQ(G.Parts[2], Rect(0, 0, 19, 19));
      EXPECT_EQ(G.Parts[1], Rect(181, 0, 200, 19));
    }
  }
}

TEST(ScrollBarGeometry, BarShorterThanItsArrowsHasAnEmptyThumb) {
  TQvScrollMetrics M = Horizontal();
  M.Width = 30;
  TQvScrollGeometry G;
  CalcScrollRects(M, {0, 100, 0, 50}, G);
  EXPECT_TRUE(G.Parts[0].IsEmpty());
  // The arrows overlap; the far one comes first in the hit order.
  EXPECT_EQ(ScrollPartAt(G, 15, 5), 1);
}

TEST(ScrollBarGeometry, MissingArrowPictureKeepsThePreviousRectangles) {
  TQvScrollMetrics M = Horizontal();
  TQvScrollGeometry G;
  CalcScrollRects(M, {0, 100, 0, 0}, G);
  M.HasArrow = false;
  M.Width = 300;
  CalcScrollRects(M, {0, 100, 0, 100}, G);
  EXPECT_EQ(G.Parts[1], Rect(181, 0, 200, 19));
  EXPECT_EQ(G.Parts[0], Rect(161, 0, 181, 19));
}

TEST(ScrollBarGeometry, DragOffsetBecomesAPosition) {
  struct Case {
    TQvScrollRange Range;  // Position: where the drag started
    int D;
    int Expected;
  } Cases[] = {
      {{0, 100, 0, 50}, 0, 50},    {{0, 100, 0, 50}, 71, 100},
      {{0, 100, 0, 50}, 500, 100}, {{0, 100, 0, 50}, -500, 0},
      {{0, 100, 10, 0}, 142, 91},  {{0, 100, 10, 0}, 71, 46},  // 45.5 rounds to even
      {{10, 20, 0, 10}, 71, 15},   {{0, 10, 50, 0}, 40, 0},    // no span: the start
      {{50, 10, 0, 50}, 71, 50},                               // inverted: Min
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(testing::Message() << C.Range.Position << " + " << C.D);
    TQvScrollMetrics M = Horizontal();
    TQvScrollGeometry G;
    CalcScrollRects(M, C.Range, G);
    EXPECT_EQ(CalcScrollValue(M, C.Range, G, C.D, G.BOffset), C.Expected);
  }
}

TEST(ScrollBarGeometry, PositionIsClampedIntoTheRange) {
  struct Case {
    TQvScrollRange Range;
    int Value, Expected;
  } Cases[] = {
      {{0, 100, 10, 0}, 500, 91}, {{0, 100, 10, 0}, -5, 0},   {{0, 100, 0, 0}, 100, 100},
      {{0, 10, 50, 0}, 5, 0},     {{50, 10, 0, 0}, 30, 50},   {{0, 100, -5, 0}, 100, 100},
      {{10, 200, 10, 0}, 95, 95}, {{10, 100, 10, 0}, 95, 91},
  };
  for (const Case& C : Cases)
    EXPECT_EQ(ClampScrollPosition(C.Range, C.Value), C.Expected)
        << C.Range.Min << ".." << C.Range.Max << " page " << C.Range.PageSize << ": " << C.Value;
}

TEST(ScrollBarGeometry, PartsAreHitInIndexOrderWithExclusiveEnds) {
  TQvScrollGeometry G;
  CalcScrollRects(Horizontal(), {0, 100, 0, 50}, G);
  const std::pair<TPoint, int> Hits[] = {{{90, 0}, 0},  {{109, 18}, 0}, {{110, 5}, -1},
                                         {{18, 5}, 2},  {{19, 5}, -1},  {{181, 5}, 1},
                                         {{199, 5}, 1}, {{200, 5}, -1}, {{50, 19}, -1}};
  for (auto [P, Part] : Hits) EXPECT_EQ(ScrollPartAt(G, P.X, P.Y), Part) << P.X << "," << P.Y;
}
