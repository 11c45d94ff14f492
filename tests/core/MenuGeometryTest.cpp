// The skinned popup menu's measures and item layout with the default skin's sizes.
#include <gtest/gtest.h>

#include "forms/QvSkinMenuGeometry.h"

using namespace qv;

namespace {

struct TMeasureCase {
  const char* Name;
  bool IsLine;
  int Caption, ShortCut;
  TQvMenuItemPlace Place;
  int HilightHeight;
  int Width, Height;  // expected (the proposal is 999 x 17)
};

TEST(MenuGeometry, MeasuresItemsFromTheSkin) {
  const TMeasureCase Cases[] = {
      {"lone item", false, 50, 0, {true, true, 1}, 22, 50 + 31 + 12, 31},
      {"first item", false, 50, 0, {true, false, 3}, 22, 93, 28},
      {"last item", false, 50, 0, {false, true, 3}, 22, 93, 28},
      {"middle item", false, 50, 0, {false, false, 3}, 22, 93, 25},
      {"shortcut widens", false, 50, 30, {false, false, 3}, 22, 50 + 12 + 30 + 43, 25},
      {"separator", true, 50, 0, {false, false, 3}, 22, 999, 3},
      {"separator first", true, 0, 0, {true, false, 3}, 22, 999, 3},
      {"no highlight picture", false, 10, 0, {true, false, 2}, -1, 53, 17 + 3},
  };
  for (const TMeasureCase& C : Cases) {
    TQvMenuMetrics M;
    M.HilightHeight = C.HilightHeight;
    int W = 999, H = 17;
    QvMeasureMenuItem(M, C.IsLine, C.Caption, C.ShortCut, C.Place, W, H);
    EXPECT_EQ(W, C.Width) << C.Name;
    EXPECT_EQ(H, C.Height) << C.Name;
  }
}

TEST(MenuGeometry, GlyphFramesFollowSelectionAndEnabling) {
  EXPECT_EQ(QvMenuGlyphFrame(false, true), 0);
  EXPECT_EQ(QvMenuGlyphFrame(true, true), 1);
  // A disabled item (a submenu arrow too) shows the third frame, selected or not.
  EXPECT_EQ(QvMenuGlyphFrame(false, false), 2);
  EXPECT_EQ(QvMenuGlyphFrame(true, false), 2);
}

TEST(MenuGeometry, LaysOutItemsInsideTheirMargins) {
  TQvMenuMetrics M;
  // The default skin: arrow frames 7 x 11, check frames 20 x 20.
  TQvMenuItemLayout L =
      QvLayoutMenuItem(M, Rect(3, 3, 103, 31), {true, false, 3}, {7, 11}, {20, 20});
  EXPECT_EQ(L.Item, Rect(3, 3, 103, 31));
  EXPECT_EQ(L.Paint, Rect(3, 6, 103, 31));  // the first item's top margin
  EXPECT_EQ(L.Glyph, Rect(3, 6, 34, 31));
  EXPECT_EQ(L.Text, Rect(35, 6, 91, 31));
  EXPECT_EQ(L.ShortCut, Rect(35, 6, 87, 31));
  EXPECT_EQ(L.Hilight, Rect(7, 7, 99, 30));
  EXPECT_EQ(L.Arrow, Point(86, 13));
  // (25 - 20) / 2 = 2.5: 6 + 2.5 rounds to the even 8, then one pixel down.
  EXPECT_EQ(L.Check, Point(9, 9));
  EXPECT_EQ(L.LineFrom, Point(7, 7));
  EXPECT_EQ(L.LineTo, Point(98, 7));

  TQvMenuItemLayout Last =
      QvLayoutMenuItem(M, Rect(3, 56, 103, 84), {false, true, 3}, {7, 11}, {20, 20});
  EXPECT_EQ(Last.Paint, Rect(3, 56, 103, 81));  // the last item's bottom margin
}

TEST(MenuGeometry, StacksAPopupInsideItsFrame) {
  TQvMenuMetrics M;
  const int Widths[] = {80, 120, 60}, Heights[] = {28, 3, 28};
  TRect Items[3];
  TSize S = QvLayoutMenuPopup(M, Widths, Heights, 3, Items);
  EXPECT_EQ(S.cx, 126);
  EXPECT_EQ(S.cy, 65);
  EXPECT_EQ(Items[0], Rect(3, 3, 123, 31));
  EXPECT_EQ(Items[1], Rect(3, 31, 123, 34));
  EXPECT_EQ(Items[2], Rect(3, 34, 123, 62));
}

TEST(MenuGeometry, LongCaptionsAreCutToFit) {
  auto Width = [](const String& S) { return int(S.size()); };  // one unit per character
  struct {
    String Caption;
    int MaxWidth;
    String Fitted;
  } const Cases[] = {
      {L"Open", 4, L"Open"},
      {L"", 0, L""},
      {L"Open file", 8, L"Open ..."},
      {String(300, L'W'), 10, L"WWWWWWW..."},
      {L"Sa&ved file", 5, L"Sa..."},     // the mark does not dangle before the dots
      {L"Sa&&ved file", 7, L"Sa&&..."},  // a doubled mark is a plain '&' and stays
      {L"Open", 2, L"..."},
  };
  for (const auto& C : Cases) {
    const String Fitted = QvFitMenuCaption(C.Caption, C.MaxWidth, Width);
    EXPECT_EQ(Fitted, C.Fitted) << ToUtf8(C.Caption) << " in " << C.MaxWidth;
  }
  EXPECT_EQ(QvMenuMaxItemWidth(1600), 1200);
}

}  // namespace
