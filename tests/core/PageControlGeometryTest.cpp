// The page control's tab strip: tab rectangles by side, auto-sized widths, hits and the
// page area.
#include <gtest/gtest.h>

#include "controls/QvSkinPageControlGeometry.h"

using namespace qv;

TEST(PageControlGeometry, AutoTabWidth) {
  const struct {
    int Width, Pages, Expected;
  } Cases[] = {{301, 3, 99}, {300, 3, 99}, {100, 0, 99}, {10, 500, -1}, {0, 1, -1}};
  for (auto C : Cases)
    EXPECT_EQ(AutoTabWidth(C.Width, C.Pages), C.Expected) << C.Width << "/" << C.Pages;
}

TEST(PageControlGeometry, TabRectsBySide) {
  TTabStripLayout L;
  L.ClientWidth = 301;
  L.ClientHeight = 200;
  L.TabHeight = 26;
  L.OwnWidths = {60, 70, 80};
  const struct {
    const char* Name;
    TTabPosition Position;
    int TabWidth;
    bool AutoSize;
    TPoint Offset;
    std::vector<TRect> Expected;
  } Cases[] = {
      {"auto-sized top",
       tpTop,
       99,
       true,
       {},
       {Rect(0, 0, 99, 26), Rect(99, 0, 198, 26), Rect(198, 0, 301, 26)}},
      {"own widths top",
       tpTop,
       0,
       false,
       {},
       {Rect(0, 0, 60, 26), Rect(60, 0, 130, 26), Rect(130, 0, 210, 26)}},
      {"offset (10, 5)",
       tpTop,
       50,
       false,
       {10, 5},
       {Rect(10, 5, 60, 31), Rect(60, 5, 110, 31), Rect(110, 5, 160, 31)}},
      {"bottom",
       tpBottom,
       50,
       false,
       {},
       {Rect(0, 174, 50, 200), Rect(50, 174, 100, 200), Rect(100, 174, 150, 200)}},
      {"left",
       tpLeft,
       0,
       false,
       {},
       {Rect(0, 2, 80, 28), Rect(0, 28, 80, 54), Rect(0, 54, 80, 80)}},
      {"right",
       tpRight,
       90,
       false,
       {},
       {Rect(211, 2, 301, 28), Rect(211, 28, 301, 54), Rect(211, 54, 301, 80)}},
  };
  for (const auto& C : Cases) {
    L.Position = C.Position;
    L.TabWidth = C.TabWidth;
    L.AutoSize = C.AutoSize;
    L.Offset = C.Offset;
    const std::vector<TRect> R = TabRects(L);
    ASSERT_EQ(R.size(), C.Expected.size()) << C.Name;
    for (size_t I = 0; I < R.size(); ++I) {
      EXPECT_EQ(R[I], C.Expected[I]) << C.Name << " tab " << I;
    }
  }
}

TEST(PageControlGeometry, HitsFollowTheDrawnTabs) {
  TTabStripLayout L;
  L.ClientWidth = 300;
  L.ClientHeight = 100;
  L.TabWidth = 50;
  L.TabHeight = 20;
  L.OwnWidths = {0, 0};
  L.Offset = {10, 5};
  const std::vector<TRect> R = TabRects(L);
  const struct {
    TPoint P;
    int Expected;
  } Cases[] = {{{10, 5}, 0}, {{59, 24}, 0},  {{60, 5}, 1},
               {{9, 5}, -1}, {{10, 25}, -1}, {{110, 10}, -1}};
  for (auto C : Cases) EXPECT_EQ(TabAt(R, C.P), C.Expected) << C.P.X << "," << C.P.Y;
}

TEST(PageControlGeometry, PageAreaBySide) {
  TTabStripLayout L;
  L.ClientWidth = 300;
  L.ClientHeight = 200;
  L.TabWidth = 80;
  L.TabHeight = 26;
  const struct {
    const char* Name;
    TTabPosition Position;
    bool Hidden;
    TRect Expected;
  } Cases[] = {
      {"top", tpTop, false, Rect(0, 25, 300, 200)},
      {"bottom", tpBottom, false, Rect(0, 1, 300, 171)},
      {"left", tpLeft, false, Rect(83, -1, 299, 199)},
      {"right", tpRight, false, Rect(1, -1, 217, 199)},
      {"hidden left tabs fill the control", tpLeft, true, Rect(0, 0, 300, 200)},
  };
  for (const auto& C : Cases) {
    L.Position = C.Position;
    L.Hidden = C.Hidden;
    EXPECT_EQ(PageRect(L), C.Expected) << C.Name;
  }
}

TEST(PageControlGeometry, EmptyAndManyTabs) {
  TTabStripLayout L;
  L.ClientWidth = 300;
  L.ClientHeight = 100;
  L.TabHeight = 26;
  EXPECT_TRUE(TabRects(L).empty());
  EXPECT_EQ(TabAt(TabRects(L), {5, 5}), -1);
  L.OwnWidths.assign(500, 0);
  L.AutoSize = true;
  L.TabWidth = AutoTabWidth(L.ClientWidth, 500);  // -1: the tabs shrink to nothing
  const std::vector<TRect> R = TabRects(L);
  ASSERT_EQ(R.size(), 500u);
  EXPECT_EQ(R.front().Width(), 0);
  EXPECT_EQ(R.back().Right, 300);
}
