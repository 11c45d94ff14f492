// The combo box's rectangles, popup placement, navigation keys and prefix search.
#include <gtest/gtest.h>

#include "controls/QvSkinComboBoxGeometry.h"

using namespace qv;

TEST(ComboBoxGeometry, ButtonFaceAndEdit) {
  const TQvComboRects R = QvComboRects(140, 26, 16);
  EXPECT_EQ(R.Button, Rect(123, 0, 140, 26));
  EXPECT_EQ(R.Item, Rect(3, 3, 122, 25));
  EXPECT_EQ(R.Edit, Rect(1, 2, 120, 24));
  EXPECT_EQ(QvComboRects(140, 26, 0).Button, Rect(139, 0, 140, 26)) << "missing picture: 1 pixel";
}

TEST(ComboBoxGeometry, PopupOpensBelowOrAbove) {
  struct Case {
    const char* What;
    int Count, ListBoxWidth, WorkBottom;
    TQvDropPlacement Want;
  } Cases[] = {
      {"20 items, 8 rows", 20, 0, 1000, {{101, 226}, 139, 165, 8, false}},
      {"3 items", 3, 0, 1000, {{101, 226}, 139, 65, 3, false}},
      {"wider list", 3, 200, 1000, {{101, 226}, 199, 65, 3, false}},
      {"empty list: one empty row", 0, 0, 1000, {{101, 226}, 139, 25, 0, false}},
      {"just fits", 20, 0, 391, {{101, 226}, 139, 165, 8, false}},
      {"one pixel short: above", 20, 0, 390, {{101, 35}, 139, 165, 8, true}},
  };
  for (const Case& C : Cases) {
    const TQvDropPlacement P =
        QvComboDropPlacement({101, 226}, 140, 26, C.ListBoxWidth, C.Count, 8, 20, C.WorkBottom);
    EXPECT_EQ(P.Origin.X, C.Want.Origin.X) << C.What;
    EXPECT_EQ(P.Origin.Y, C.Want.Origin.Y) << C.What;
    EXPECT_EQ(P.Width, C.Want.Width) << C.What;
    EXPECT_EQ(P.Height, C.Want.Height) << C.What;
    EXPECT_EQ(P.Rows, C.Want.Rows) << C.What;
    EXPECT_EQ(P.Above, C.Want.Above) << C.What;
  }
}

TEST(ComboBoxGeometry, NavigationKeys) {
  struct Case {
    TQvComboMove Move;
    int Index, Want;
  } Cases[] = {
      {cmDown, 0, 1},     {cmDown, 19, 19},     {cmUp, 5, 4},      {cmUp, 0, 0},
      {cmPageDown, 0, 7}, {cmPageDown, 15, 19}, {cmPageUp, 12, 3}, {cmPageUp, 5, 0},
      {cmHome, 12, 0},    {cmEnd, 3, 19},       {cmDown, -1, 0},   {cmNone, 4, 4},
  };
  for (const Case& C : Cases)
    EXPECT_EQ(QvComboMoveIndex(C.Move, C.Index, 20, 8), C.Want) << C.Move << " from " << C.Index;
  EXPECT_EQ(QvComboMoveIndex(cmDown, -1, 0, 8), -1) << "empty list";
}

TEST(ComboBoxGeometry, PrefixSearchWrapsAndIgnoresCase) {
  const std::vector<String> Items{L"apple", L"Banana", L"berry", L"cherry", L"blue"};
  struct Case {
    const wchar_t* Prefix;
    int After, Want;
  } Cases[] = {
      {L"b", -1, 1}, {L"b", 1, 2},   {L"b", 2, 4},  {L"b", 4, 1},  {L"BE", -1, 2},
      {L"ch", 3, 3}, {L"x", -1, -1}, {L"", -1, -1}, {L"a", 99, 0}, {L"applepie", -1, -1},
  };
  for (const Case& C : Cases) EXPECT_EQ(QvFindPrefix(Items, C.Prefix, C.After), C.Want) << C.After;
}

TEST(ComboBoxGeometry, SearchCollectsTypingUntilAPause) {
  TQvComboSearch S;
  EXPECT_EQ(S.Type(L'b', 10000, true), L"b");
  EXPECT_EQ(S.Type(L'e', 10499, true), L"be");
  EXPECT_EQ(S.Type(L'r', 10998, true), L"ber");
  EXPECT_EQ(S.Type(L'c', 11498, true), L"c") << "500 ms later the search restarts";
  EXPECT_EQ(S.Type(L'h', 11500, false), L"h") << "without completion: only the character";
}
