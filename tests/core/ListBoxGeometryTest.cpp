// The list box's layout, bar decision, rows, item text and the popup's frame band.
#include <gtest/gtest.h>

#include "controls/QvSkinListBoxGeometry.h"

using namespace qv;

TEST(ListBoxGeometry, InnerListAndBarPlaces) {
  struct Case {
    const char* What;
    int W, H, NC;
    bool Bar;
    int Columns;
    TRect List, BarR;
  } Cases[] = {
      {"no bar, 2-pixel frame", 120, 120, 2, false, 0, Rect(3, 3, 117, 117), TRect{}},
      {"vertical bar inside the frame", 120, 120, 2, true, 0, Rect(3, 3, 107, 117),
       Rect(107, 3, 117, 117)},
      {"popup frame of 1", 139, 165, 1, true, 0, Rect(2, 2, 128, 163), Rect(128, 2, 138, 163)},
      {"popup without bar", 139, 65, 1, false, 0, Rect(2, 2, 137, 63), TRect{}},
      {"columns: bar at the bottom", 120, 120, 2, true, 2, Rect(3, 3, 118, 107),
       Rect(3, 107, 117, 117)},
  };
  for (const Case& C : Cases) {
    const TQvListBoxRects R = QvListBoxRects(C.W, C.H, C.NC, C.Bar, 10, C.Columns);
    EXPECT_EQ(R.List, C.List) << C.What;
    EXPECT_EQ(R.Bar, C.BarR) << C.What;
  }
}

TEST(ListBoxGeometry, BarOnlyWhileTheItemsOverflow) {
  // A 120-pixel list box: the inner list is 114 high, 5 rows of 20.
  struct Case {
    const char* What;
    int Min, Max, Pos, ListH, Count, RowCount, Columns;
    TQvListBarState Want;
  } Cases[] = {
      {"3 items: no range", 0, 0, 0, 114, 3, 0, 0, {}},
      {"10 items", 0, 9, 0, 114, 10, 0, 0, {true, 0, 9, 5, 0}},
      {"10 items scrolled", 0, 9, 4, 114, 10, 0, 0, {true, 0, 9, 5, 4}},
      {"5 items just fit", 0, 4, 0, 114, 5, 0, 0, {}},
      {"RowCount = count never has a bar", 0, 4, 0, 80, 5, 5, 0, {}},
      {"RowCount below the count", 0, 9, 0, 100, 10, 5, 0, {true, 0, 9, 5, 0}},
      {"position past the range", 0, 9, 10, 114, 10, 0, 0, {}},
      {"columns overflow", 0, 5, 1, 114, 30, 0, 2, {true, 0, 5, 2, 1}},
      {"columns fit", 0, 5, 0, 114, 10, 0, 2, {}},
  };
  for (const Case& C : Cases) {
    const TQvListBarState S =
        QvListBoxBarState(C.Min, C.Max, C.Pos, C.ListH, 20, C.Count, C.RowCount, C.Columns);
    EXPECT_EQ(S.Show, C.Want.Show) << C.What;
    if (!C.Want.Show) continue;
    EXPECT_EQ(S.Min, C.Want.Min) << C.What;
    EXPECT_EQ(S.Max, C.Want.Max) << C.What;
    EXPECT_EQ(S.Page, C.Want.Page) << C.What;
    EXPECT_EQ(S.Position, C.Want.Position) << C.What;
  }
  EXPECT_TRUE(QvListBoxBarState(0, 9, 0, 114, 0, 10, 0, 0).Show) << "a zero item height";
}

TEST(ListBoxGeometry, RowsHeightAndItemText) {
  EXPECT_EQ(QvListBoxRowsHeight(5, 20, 120), 104);
  EXPECT_EQ(QvListBoxRowsHeight(0, 20, 120), 120);
  EXPECT_EQ(QvListBoxRowsHeight(3, 20, 120, 10), 74);

  const TQvListItemRects L = QvListItemRects(100, 20, false), P = QvListItemRects(100, 20, true);
  EXPECT_EQ(L.Fill, Rect(0, 0, 100, 20));
  EXPECT_EQ(L.Text, Rect(2, 0, 98, 20));
  EXPECT_EQ(P.Fill, Rect(0, 0, 99, 20));
  EXPECT_EQ(P.Text, Rect(2, 0, 97, 20));
  EXPECT_EQ(QvListItemTextTop(L.Text, 13, -12), 4);
  EXPECT_EQ(QvListItemTextTop(L.Text, 13, -13), 3) << "odd font height: one pixel higher";
}

TEST(ListBoxGeometry, PopupFrameSitsInsideWithoutABar) {
  struct Case {
    const char* What;
    bool V, H;
    int Right, Bottom;
  } Cases[] = {
      {"no bar: W-2", false, false, 98, 48},
      {"vertical bar: W-1", true, false, 99, 48},
      {"horizontal bar: H-1", false, true, 98, 49},
  };
  for (const Case& C : Cases) {
    const TQvPopupFrame F = QvPopupFrame(100, 50, C.V, C.H);
    EXPECT_EQ(F.Frame[0], (TQvLine{0, 0, C.Right, 0})) << C.What;
    EXPECT_EQ(F.Frame[1], (TQvLine{C.Right, 0, C.Right, C.Bottom})) << C.What;
    EXPECT_EQ(F.Frame[2], (TQvLine{C.Right, C.Bottom, 0, C.Bottom})) << C.What;
    EXPECT_EQ(F.Frame[3], (TQvLine{0, C.Bottom, 0, 0})) << C.What;
    EXPECT_EQ(F.White[0], (TQvLine{0, 1, C.Right, 1})) << C.What;
    EXPECT_EQ(F.White[1], (TQvLine{1, C.Bottom, 1, 0})) << C.What;
  }
}
