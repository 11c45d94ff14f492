#include <gtest/gtest.h>

#include "controls/QvSkinIconButtonListGeometry.h"

using namespace qv;

TEST(IconButtonListGeometry, GridStartByAlignment) {
  struct Case {
    int Extent, Cell, Space, Margin, Count, Offset, Align, Expected;
  } Cases[] = {
      {361, 60, 10, 10, 3, 10, 0, 10},   // left: the offset
      {361, 60, 10, 10, 3, 10, 1, 80},   // (361 - 20 - 3 * 70 + 10) div 2 + 10
      {361, 60, 10, 10, 3, 10, 2, 151},  // 361 - 10 - 210 + 10
      {361, 60, 10, 10, 9, 10, 1, 45},   // only 4 fit: (341 - 280 + 10) div 2 + 10
      {361, 60, 10, 10, 0, 10, 1, 185},  // no items: (341 + 10) div 2 + 10
      {80, 60, 10, 10, 3, 10, 1, 0},     // 10 + 60 + 20 is not below 80
      {361, 0, 0, 10, 3, 10, 1, 0},      // no cell size: no division
  };
  for (const Case& C : Cases)
    EXPECT_EQ(IconGridStart(C.Extent, C.Cell, C.Space, C.Margin, C.Count, C.Offset, C.Align),
              C.Expected)
        << C.Extent << " count " << C.Count << " align " << C.Align;
}

TEST(IconButtonListGeometry, CellsFlowAndWrap) {
  TQvIconGrid G;
  G.Width = 361;
  G.Height = 281;
  // 5 cells of 60 x 80 in rows of 4 (x + 60 > 351 wraps the fifth); item 2 is hidden.
  const std::vector<TRect> R = IconGridRects(G, {true, true, false, true, true, true});
  const TRect Expected[] = {{10, 10, 70, 90},   {80, 10, 140, 90},  {},
                            {150, 10, 210, 90}, {220, 10, 280, 90}, {290, 10, 350, 90}};
  ASSERT_EQ(R.size(), 6u);
  for (size_t I = 0; I < 6; ++I) EXPECT_EQ(R[I], Expected[I]) << I;
  G.Width = 300;  // 290 + 60 > 290: the last cell wraps
  EXPECT_EQ(IconGridRects(G, {true, true, true, true, true})[4], Rect(10, 100, 70, 180));
  // Centred: three cells start at x = 80; rows centred as if two of the three fitted
  // (281 holds two rows of 90): (281 - 20 - 180 + 10) div 2 + 10 = 55.
  G.Width = 361;
  G.HAlign = ihaCenter;
  G.VAlign = ihavCenter;
  const auto C = IconGridRects(G, {true, true, true});
  EXPECT_EQ(C[0], Rect(80, 55, 140, 135));
  EXPECT_EQ(C[2], Rect(220, 55, 280, 135));
}

TEST(IconButtonListGeometry, GridHeightForTheScrollBar) {
  TQvIconGrid G;
  G.Width = 361;
  struct Case {
    int Visible;
    int64_t Expected;
  } Cases[] = {
      {0, 10},   // 10 + 0 + 10 - 10
      {1, 100},  // one row: 10 + 90 + 10 - 10
      {5, 100},  // the fifth starts at 290: 350 is still below 351
      {6, 190}, {10, 190}, {11, 280},
  };
  for (const Case& C : Cases) EXPECT_EQ(IconGridHeight(G, C.Visible), C.Expected) << C.Visible;
  // The first cell wraps too when even it does not fit.
  G.Width = 50;
  EXPECT_EQ(IconGridHeight(G, 1), 190);
}

TEST(IconButtonListGeometry, ShakeWalksBetweenMinusTwoAndTwo) {
  for (int Start = -3; Start <= 2; ++Start) {
    for (bool Reverse : {false, true}) {
      TQvShake S{float(Start), Reverse};
      float Last = 0;
      for (int Tick = 0; Tick < 12; ++Tick) {
        S.Step();
        EXPECT_GE(S.Angle, -2.0f);
        EXPECT_LE(S.Angle, 2.0f);
        if (Tick > 0) EXPECT_LE(std::abs(S.Angle - Last), 1.0f);
        Last = S.Angle;
      }
    }
  }
  // From 0 going up: 1, 2, 2 (turns), 1, 0, -1, -2, -2 (turns), -1.
  TQvShake S{0, true};
  const float Walk[] = {1, 2, 2, 1, 0, -1, -2, -2, -1};
  for (float A : Walk) {
    S.Step();
    EXPECT_EQ(S.Angle, A);
  }
}

TEST(CountBar, SlotsBesideTheFixedCells) {
  const TCountKinds Default = {ckNum, ckPrevious, ckNext, ckSkip};
  struct Case {
    int Width, Height;
    TCountKinds Kinds;
    int MaxItems, Expected;
  } Cases[] = {
      {390, 34, Default, 0, 9},  // (390 - 93 - 6) div 31
      {390, 34, Default, 5, 5},
      {390, 34, Default, 20, 9},
      {390, 34, {ckNum, ckPrevious, ckNext, ckSkip, ckFirst, ckLast}, 0, 7},
      // No skip cell: (390 - 124 - 6) div 31 = 8, one less so that 12 .. 20 and four
      // arrows (13 cells) fit in 390.
      {390, 34, {ckNum, ckPrevious, ckNext, ckFirst, ckLast}, 0, 7},
      {34, 390, Default, 0, 9},  // vertical bars measure their height
      {50, 20, Default, 0, -1},
  };
  for (const Case& C : Cases)
    EXPECT_EQ(CountBarSlots(C.Width, C.Height, 28, 3, 3, C.Kinds, C.MaxItems), C.Expected)
        << C.Width << " x " << C.Height;
}

TEST(CountBar, WindowOfNumbers) {
  struct Case {
    int64_t Start, N, Count;
    TQvCountWindow Expected;
  } Cases[] = {
      {1, 9, 20, {1, 8, 1, true}},       // 1 .. 8, "...", 20
      {1, 9, 5, {1, 5, 1, false}},       // every page
      {15, 9, 20, {11, 20, 15, false}},  // the window ends at the last page
      {11, 9, 20, {11, 20, 11, false}},  // 11 + 9 = 20
      {5, 9, 20, {5, 12, 5, true}},     {1, 9, 10, {1, 10, 1, false}},
      {1, 0, 5, {1, -1, 1, true}},  // no room: no numbers, no failure
      {1, 9, 0, {1, 0, 1, false}},
  };
  for (const Case& C : Cases)
    EXPECT_EQ(CountBarWindow(C.Start, C.N, C.Count), C.Expected)
        << "start " << C.Start << " N " << C.N << " of " << C.Count;
}

TEST(CountBar, CellsOfTheDefaultKinds) {
  const auto Captions = [](const std::vector<TCountDataRec>& Cells) {
    String S;
    for (const auto& C : Cells) S += C.Caption + L" ";
    return S;
  };
  const TCountKinds Default = {ckNum, ckPrevious, ckNext, ckSkip};
  EXPECT_EQ(Captions(CountBarCells(CountBarWindow(1, 9, 20), 20, Default)),
            L"< 1 2 3 4 5 6 7 8 ... 20 > ");
  EXPECT_EQ(Captions(CountBarCells(CountBarWindow(15, 9, 20), 20, Default)),
            L"< 11 12 13 14 15 16 17 18 19 20 > ");
  EXPECT_EQ(Captions(CountBarCells(CountBarWindow(1, 9, 5), 5,
                                   {ckNum, ckFirst, ckPrevious, ckNext, ckLast})),
            L"|< < 1 2 3 4 5 > >| ");
  const auto Cells = CountBarCells(CountBarWindow(1, 9, 20), 20, Default);
  EXPECT_EQ(Cells[0], (TCountDataRec{L"<", -1, ckPrevious}));
  EXPECT_EQ(Cells[9], (TCountDataRec{L"...", -1, ckSkip}));
  EXPECT_EQ(Cells[10], (TCountDataRec{L"20", 20, ckNum}));
}

TEST(IconButtonListGeometry, IndicesFollowTheirItems) {
  struct Case {
    int Index, From, To, Expected;
  } Cases[] = {
      {2, 2, -1, -1},  // its item removed
      {3, 1, -1, 2},   // an item before it removed
      {1, 3, -1, 1},   // an item after it removed
      {0, 0, 3, 3},    // its item moved
      {2, 0, 3, 1},    // an item moved from before to after it
      {2, 4, 0, 3},    // an item moved from after to before it
      {-1, 0, 2, -1},  // no index
      {1, -1, 4, 1},   // appended
  };
  for (const Case& C : Cases) {
    int I = C.Index;
    FollowItemMove(I, C.From, C.To);
    EXPECT_EQ(I, C.Expected) << C.Index << ": " << C.From << " -> " << C.To;
  }
}
