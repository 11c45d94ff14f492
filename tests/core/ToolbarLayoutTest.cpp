// The toolbar's layout: shared widths, spacers, columns, arrows and scroll steps.
#include <gtest/gtest.h>

#include "controls/QvSkinToolbarLayout.h"

using namespace qv;

namespace {

std::vector<int> Widths(const TToolbarLayout& L) {
  std::vector<int> W;
  for (const TRect& R : L.Rects) W.push_back(R.Width());
  return W;
}

}  // namespace

TEST(ToolbarLayout, SharedWidthsGiveTheRemainderToTheLastItem) {
  TToolbarLayoutInput In;
  In.Width = 100;
  In.Height = 52;
  In.ButtonWidth = 0;
  In.SpaceSize = 0;
  const struct {
    const char* Name;
    std::vector<bool> Visible;
    std::vector<int> Expected;
  } Cases[] = {
      {"three visible", {true, true, true}, {33, 33, 34}},
      {"last invisible: nobody gets the pixel", {true, true, true, false}, {33, 33, 33, 0}},
      {"first invisible", {false, true, true, true}, {0, 33, 33, 34}},
      {"none visible", {false, false}, {0, 0}},
      {"empty collection", {}, {}},
  };
  for (const auto& C : Cases) {
    std::vector<TToolbarLayoutItem> Items;
    for (bool V : C.Visible) Items.push_back({V});
    EXPECT_EQ(Widths(LayoutToolbar(In, Items)), C.Expected) << C.Name;
  }
}

TEST(ToolbarLayout, RowAndColumnPlacement) {
  TToolbarLayoutInput In;
  In.Width = 200;
  In.Height = 52;
  const std::vector<TToolbarLayoutItem> Items = {{}, {true, true}, {true, false, true}, {false}};
  TToolbarLayout Row = LayoutToolbar(In, Items);
  EXPECT_EQ(Row.Rects[0], Rect(3, 2, 51, 50));
  EXPECT_EQ(Row.Rects[1], Rect(55, 6, 56, 46));  // spacer line
  EXPECT_EQ(Row.Rects[2], Rect(60, 2, 108, 50));
  EXPECT_EQ(Row.MenuRects[2], Rect(92, 2, 108, 50));
  EXPECT_EQ(Row.Rects[3], TRect{});
  EXPECT_EQ(Row.DispX, 111);
  EXPECT_FALSE(Row.EnabledScroll);

  In.MultiLine = true;
  In.Width = 60;
  In.Height = 100;
  TToolbarLayout Col = LayoutToolbar(In, Items);
  EXPECT_EQ(Col.Rects[0], Rect(6, 3, 54, 51));
  EXPECT_EQ(Col.Rects[1], Rect(10, 55, 50, 56));
  EXPECT_EQ(Col.Rects[2], Rect(6, 60, 54, 108));
  EXPECT_EQ(Col.DispY, 111);
  EXPECT_TRUE(Col.EnabledScroll);
}

TEST(ToolbarLayout, ScrollOffsetShiftsTheItems) {
  TToolbarLayoutInput In;
  In.Width = 100;
  In.Height = 52;
  In.Offset = {-30, 0};
  TToolbarLayout L = LayoutToolbar(In, std::vector<TToolbarLayoutItem>(4));
  EXPECT_EQ(L.Rects[0].Left, -27);
  EXPECT_EQ(L.DispX, -30 + 3 + 4 * 51);
  EXPECT_TRUE(L.EnabledScroll);
}

TEST(ToolbarLayout, ArrowRects) {
  TRect Back, Front;
  ToolbarArrowRects(false, 300, 52, {30, 29}, {30, 29}, Back, Front);
  EXPECT_EQ(Front, Rect(269, 2, 299, 31));
  EXPECT_EQ(Back, Rect(238, 2, 268, 31));
  ToolbarArrowRects(true, 60, 200, {29, 30}, {29, 30}, Back, Front);
  EXPECT_EQ(Front, Rect(30, 168, 59, 198));
  EXPECT_EQ(Back, Rect(30, 137, 59, 167));
}

TEST(ToolbarLayout, HeldArrowStepsUntilTheEnd) {
  // Content 3 + 6 x 51 = 309 pixels on a 200-pixel row: front steps of 15 until the end
  // is inside, back steps return to 0.
  TToolbarLayoutInput In;
  In.Width = 200;
  In.Height = 52;
  const std::vector<TToolbarLayoutItem> Items(6);
  std::vector<int> Offsets;
  for (int Guard = 0; Guard < 100; ++Guard) {
    const TToolbarLayout L = LayoutToolbar(In, Items);
    if (!ToolbarScrollFront(In.Offset.X, L.DispX, In.Width, 15)) break;
    Offsets.push_back(In.Offset.X);
  }
  EXPECT_EQ(Offsets, (std::vector<int>{-15, -30, -45, -60, -75, -90, -105, -120}));
  int Back = -20;
  EXPECT_TRUE(ToolbarScrollBack(Back, 15));
  EXPECT_EQ(Back, -5);
  EXPECT_TRUE(ToolbarScrollBack(Back, 15));
  EXPECT_EQ(Back, 0);
  EXPECT_FALSE(ToolbarScrollBack(Back, 15));
}
