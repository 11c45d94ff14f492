// Bubble and tip placement: the side chosen beside the control, positions, the pointer's
// shape, the work-area rule, and the tip window's rectangle.
#include <gtest/gtest.h>

#include "controls/QvSkinHintGeometry.h"
#include "controls/QvSkinTipsGeometry.h"

using namespace qv;

namespace {

TEST(HintGeometry, SideFollowsTheRoomBelowAndRight) {
  const TRect Area = Rect(0, 0, 1000, 800);
  const TSize Control{100, 20}, Hint{80, 40};
  struct {
    TPoint At;
    THintDirection Side;
  } Cases[] = {
      {{100, 100}, hdDown}, {{100, 734}, hdDown},  // 40 + 734 + 20 + 5 = 799: still fits
      {{100, 736}, hdUp},                          // 801 > 800
      {{816, 100}, hdLeft},                        // 80 + 816 + 100 + 5 = 1001
      {{816, 736}, hdLeft},                        // the right edge wins over the bottom
  };
  for (auto& C : Cases) {
    SCOPED_TRACE(testing::Message() << C.At.X << "," << C.At.Y);
    EXPECT_EQ(SelectAutoHintDirection(Hint, C.At, Control, Area), C.Side);
  }
  // A second monitor's work area is measured by its own edges.
  EXPECT_EQ(SelectAutoHintDirection(Hint, {1100, 100}, Control, Rect(1000, 0, 2000, 800)), hdDown);
}

TEST(HintGeometry, SizeAndPositionPerSide) {
  const TRect Control = Bounds(100, 50, 60, 20);
  struct {
    THintDirection Side;
    TSize Size;
    TPoint At;
  } Cases[] = {
      {hdDown, {58, 36}, {101, 71}},  // Left + (60 - 58) / 2, Top + Height + 1
      {hdUp, {58, 36}, {101, 13}},    // Top - 36 - 1
      {hdLeft, {62, 28}, {37, 46}},   // Left - 62 - 1, Top + (20 - 28) / 2
      {hdRight, {62, 28}, {161, 46}},
  };
  for (auto& C : Cases) {
    SCOPED_TRACE(C.Side);
    const TSize Size = HintSizeForText(C.Side, {40, 16});
    EXPECT_EQ(Size, C.Size);
    EXPECT_EQ(HintPositionBeside(C.Side, Control, Size), C.At);
  }
  // Odd differences truncate towards zero, as the centring rule says.
  EXPECT_EQ(HintPositionBeside(hdDown, Bounds(0, 0, 10, 10), {15, 5}).X, -2);
}

TEST(HintGeometry, PointerSitsOnTheEdgeFacingTheControl) {
  struct {
    THintDirection Side;
    TRect Body;
    TPoint Tip, Base1, Base2;
    TRect Text;
  } Cases[] = {
      {hdDown, Rect(0, 8, 60, 40), {30, 0}, {26, 8}, {34, 8}, Rect(9, 13, 60, 40)},
      {hdUp, Rect(0, 0, 60, 33), {30, 40}, {26, 32}, {34, 32}, Rect(9, 5, 60, 33)},
      {hdLeft, Rect(0, 0, 53, 40), {60, 20}, {52, 16}, {52, 24}, Rect(9, 5, 53, 40)},
      {hdRight, Rect(8, 0, 60, 40), {0, 20}, {8, 16}, {8, 24}, Rect(17, 5, 60, 40)},
  };
  for (auto& C : Cases) {
    SCOPED_TRACE(C.Side);
    const THintBubbleShape S = HintBubbleShape(C.Side, 60, 40);
    EXPECT_EQ(S.Body, C.Body);
    EXPECT_EQ(S.Tip, C.Tip);
    EXPECT_EQ(S.Base1, C.Base1);
    EXPECT_EQ(S.Base2, C.Base2);
    EXPECT_EQ(S.TextRect, C.Text);
  }
}

TEST(HintGeometry, KeptOnTheWorkArea) {
  const TRect Area = Rect(0, 0, 800, 600);
  struct {
    TRect In, Out;
  } Cases[] = {
      {Bounds(10, 10, 50, 30), Bounds(10, 10, 50, 30)},
      {Bounds(-20, 590, 50, 30), Bounds(0, 570, 50, 30)},
      {Bounds(780, -5, 50, 30), Bounds(750, 0, 50, 30)},
      {Bounds(100, 100, 900, 30), Bounds(0, 100, 900, 30)},  // too wide: starts at the left
  };
  for (auto& C : Cases) EXPECT_EQ(KeepOnWorkArea(C.In, Area), C.Out);
  EXPECT_EQ(KeepOnWorkArea(Bounds(-5, -5, 10, 10), TRect{}), Bounds(-5, -5, 10, 10));
}

TEST(TipsGeometry, WindowRectangle) {
  const TRect Client = Bounds(200, 100, 300, 150);
  struct {
    TTipsDirection Direction;
    bool HasParent, HasRect;
    TRect R;
    int TitleHeight;
    TRect Out;
  } Cases[] = {
      {hdTop, true, false, {}, 0, Bounds(200, 100, 300, 26)},
      // The bottom edge on the client's bottom: text + 10 + title + 6 high.
      {hdBottom, true, false, {}, 14, Rect(200, 250 - 46, 500, 250)},
      {hdBottom, true, false, {}, 0, Rect(200, 224, 500, 250)},
      {hdCustom, true, true, Bounds(600, 40, 80, 12), 0, Rect(600, 40, 680, 66)},
      {hdCustom, true, false, {}, 0, Bounds(200, 100, 300, 26)},  // no rectangle: the top
      {hdTop, true, true, Bounds(220, 0, 50, 12), 0, Rect(220, 100, 270, 126)},
      {hdTop, false, true, Bounds(10, 20, 100, 30), 14, Bounds(10, 20, 100, 50)},
  };
  for (auto& C : Cases) {
    SCOPED_TRACE(testing::Message() << C.Direction << " parent " << C.HasParent);
    TTipsPlacement P;
    P.Direction = C.Direction;
    P.HasParent = C.HasParent;
    P.ParentClient = Client;
    P.HasRect = C.HasRect;
    P.R = C.R;
    P.TextHeight = 16;
    P.TitleHeight = C.TitleHeight;
    EXPECT_EQ(TipsWindowRect(P), C.Out);
  }
}

TEST(TipsGeometry, SmallPartsAndTheEditTip) {
  EXPECT_EQ(TipsRectHeight(11, 800), 11);
  EXPECT_EQ(TipsRectHeight(10, 800), 10);
  EXPECT_EQ(TipsRectHeight(3, 800), 10);
  EXPECT_EQ(TipsRectHeight(800, 800), 10);
  EXPECT_EQ(TipsTextWidth(110, 0), 100);
  EXPECT_EQ(TipsTextWidth(110, 12), 88);
  EXPECT_EQ(TipsCloseButtonRect(200, 12, 12, true), Rect(184, 5, 196, 17));
  EXPECT_TRUE(TipsCloseButtonRect(200, 12, 12, false).IsEmpty());
  // A 24 high edit at (10, 30), 100 wide; a tip 16 high: its window is 26 high and centred.
  const TPoint At = EditTipsLeftTop(Bounds(10, 30, 100, 24), 16);
  EXPECT_EQ(At, TPoint(115, 29));
  EXPECT_EQ(At.Y + 26 / 2, 30 + 24 / 2);
}

}  // namespace
