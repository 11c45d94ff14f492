// The flat buttons' faces on pixels (rounded and square corners, borders, outlines), and the
// layouts of the group box's caption line and of the grid of radio or check items.
#include <gtest/gtest.h>

#include "controls/QvSkinColorButtonFace.h"
#include "controls/QvSkinGroupBoxLayout.h"
#include "controls/QvSkinGroupControlsLayout.h"

using namespace qv;

namespace {

constexpr TColor32 kGround = 0xFF0000FF, kFill = 0xFFFFFFFF, kBorder = 0xFFFF7A0A;

struct Surfaces {
  Surfaces(int W, int H) {
    Background.SetSize(W, H);
    Background.Clear(kGround);
    Dst.SetSize(W, H);
    Dst.Clear(kGround);
  }
  TBitmap32 Background, Dst;
};

TQvCornerFace Face(TQvCorners Corners, TSides Sides, int Radius = 10, int Width = 1) {
  TQvCornerFace F;
  F.RoundSize = Radius;
  F.BorderWidth = Width;
  F.Corners = Corners;
  F.BorderSides = Sides;
  F.Fill = F.Solid = kFill;
  F.Border = kBorder;
  return F;
}

constexpr TSides kAll = {sdLeft, sdTop, sdRight, sdBottom};

TEST(SkinButtonFace, CornerButtonRoundsOnlyItsRoundedCorners) {
  Surfaces S(60, 30);
  // Top-left square, the other three rounded, every side bordered.
  DrawCornerFace(S.Dst, S.Background, Face({TopRight, BottomLeft, BottomRight}, kAll));
  struct Case {
    int X, Y;
    TColor32 Expected;
    const char* What;
  };
  const Case Cases[] = {
      {0, 0, kBorder, "square corner: its border lines meet"},
      {0, 5, kBorder, "square corner: left line"},
      {5, 0, kBorder, "square corner: top line"},
      {5, 5, kFill, "square corner: refilled"},
      {59, 0, kGround, "rounded corner: the background shows"},
      {0, 29, kGround, "rounded corner bottom-left"},
      {59, 29, kGround, "rounded corner bottom-right"},
      {30, 0, kBorder, "top edge"},
      {30, 29, kBorder, "bottom edge"},
      {0, 15, kBorder, "left edge"},
      {59, 15, kBorder, "right edge"},
      {30, 15, kFill, "face"},
  };
  for (const Case& C : Cases) EXPECT_EQ(S.Dst.Pixel(C.X, C.Y), C.Expected) << C.What;
}

TEST(SkinButtonFace, CornerButtonBordersAndWidths) {
  {
    // All corners square, all sides bordered: no outline, a plain bordered rectangle.
    Surfaces S(40, 30);
    DrawCornerFace(S.Dst, S.Background, Face({}, kAll));
    for (TPoint P : {TPoint(0, 0), TPoint(39, 0), TPoint(0, 29), TPoint(39, 29)})
      EXPECT_EQ(S.Dst.Pixel(P.X, P.Y), kBorder) << P.X << "," << P.Y;
    EXPECT_EQ(S.Dst.Pixel(5, 5), kFill);
  }
  {
    // Border width 3: three-pixel straight borders.
    Surfaces S(40, 30);
    DrawCornerFace(S.Dst, S.Background, Face({}, kAll, 10, 3));
    for (int X = 0; X < 3; ++X) EXPECT_EQ(S.Dst.Pixel(X, 15), kBorder) << X;
    EXPECT_EQ(S.Dst.Pixel(3, 15), kFill);
    EXPECT_EQ(S.Dst.Pixel(20, 27), kBorder);
    EXPECT_EQ(S.Dst.Pixel(20, 26), kFill);
  }
  {
    // No bordered sides: the edges take the face colour, nothing in the border colour.
    Surfaces S(40, 30);
    DrawCornerFace(S.Dst, S.Background, Face({}, {}));
    for (int Y = 0; Y < 30; ++Y)
      for (int X = 0; X < 40; ++X) ASSERT_NE(S.Dst.Pixel(X, Y), kBorder) << X << "," << Y;
    EXPECT_EQ(S.Dst.Pixel(0, 0), kFill);
  }
  {
    // Radius 0: the plain rectangle, outlined.
    Surfaces S(40, 30);
    DrawCornerFace(S.Dst, S.Background, Face({TopLeft}, kAll, 0));
    EXPECT_EQ(S.Dst.Pixel(0, 0), kBorder);
    EXPECT_EQ(S.Dst.Pixel(20, 15), kFill);
  }
  {
    // A radius past half the height and zero sizes break nothing.
    Surfaces S(40, 6);
    DrawCornerFace(S.Dst, S.Background,
                   Face({TopLeft, TopRight, BottomLeft, BottomRight}, kAll, 50));
    EXPECT_EQ(S.Dst.Pixel(20, 3), kFill);
    TBitmap32 Empty;
    DrawCornerFace(Empty, Empty, Face({}, kAll));
  }
}

TEST(SkinButtonFace, ColourButtonFace) {
  {
    Surfaces S(40, 20);
    DrawColorFace(S.Dst, kFill, false, true, 3, {sdLeft, sdTop}, kBorder);
    EXPECT_EQ(S.Dst.Pixel(0, 10), kBorder);
    EXPECT_EQ(S.Dst.Pixel(20, 0), kBorder);
    EXPECT_EQ(S.Dst.Pixel(39, 10), kFill);  // right side not bordered
    EXPECT_EQ(S.Dst.Pixel(20, 19), kFill);
  }
  {
    // Rounded and smooth: the corners show the background, no border lines.
    Surfaces S(40, 20);
    DrawColorFace(S.Dst, kFill, true, true, 6, kAll, kBorder);
    EXPECT_EQ(S.Dst.Pixel(0, 0), kGround);
    EXPECT_EQ(S.Dst.Pixel(39, 19), kGround);
    EXPECT_EQ(S.Dst.Pixel(0, 10), kFill);
    EXPECT_EQ(S.Dst.Pixel(20, 10), kFill);
  }
  {
    // Rounded by a window region instead: the full rectangle and no lines.
    Surfaces S(40, 20);
    DrawColorFace(S.Dst, kFill, true, false, 6, kAll, kBorder);
    EXPECT_EQ(S.Dst.Pixel(0, 0), kFill);
  }
}

TEST(SkinButtonFace, GroupBoxCaptionLine) {
  struct Case {
    TGroupBoxFrameStyle Style;
    TAlignment Align;
    TSize Check;
    TRect Caption;
    std::vector<TQvGroupBoxLayout::TRule> Rules;
  };
  const Case Cases[] = {
      {fsLine, taLeftJustify, {0, 0}, {0, 0, 40, 15}, {{45, 200, true}}},
      {fsLine, taRightJustify, {0, 0}, {160, 0, 200, 15}, {{0, 155, false}}},
      {fsLine, taCenter, {0, 0}, {80, 0, 120, 15}, {{0, 75, false}, {125, 200, true}}},
      {fsBox, taLeftJustify, {0, 0}, {20, 0, 60, 15}, {}},
      {fsLine, taLeftJustify, {17, 17}, {23, 0, 63, 15}, {{68, 200, true}}},
      {fsLine, taCenter, {17, 17}, {88, 0, 128, 15}, {{0, 66, false}, {133, 200, true}}},
  };
  for (const Case& C : Cases) {
    const TQvGroupBoxLayout L = GroupBoxLayout(200, 15, 40, C.Check, C.Style, C.Align);
    EXPECT_EQ(L.CaptionRect, C.Caption) << C.Style << C.Align << C.Check.cx;
    EXPECT_EQ(L.Row, 7);
    ASSERT_EQ(L.Rules.size(), C.Rules.size());
    for (size_t I = 0; I < C.Rules.size(); ++I) {
      EXPECT_EQ(L.Rules[I].X1, C.Rules[I].X1);
      EXPECT_EQ(L.Rules[I].X2, C.Rules[I].X2);
      EXPECT_EQ(L.Rules[I].StartAtLeft, C.Rules[I].StartAtLeft);
    }
  }
  // The box's top line breaks 5 pixels before and after the caption.
  const TQvGroupBoxLayout Box = GroupBoxLayout(200, 15, 40, {0, 0}, fsBox, taLeftJustify);
  EXPECT_EQ(Box.BoxLeftEnd, 15);
  EXPECT_EQ(Box.BoxRightStart, 65);
  // The check box before a left caption: clickable over itself and up to the caption.
  const TQvGroupBoxLayout Check = GroupBoxLayout(200, 15, 40, {17, 17}, fsLine, taLeftJustify);
  EXPECT_EQ(Check.CheckAt, TPoint(3, -1));
  EXPECT_EQ(Check.CheckRect, Rect(3, -1, 43, 16));
  // No room for the rule: none.
  EXPECT_TRUE(GroupBoxLayout(40, 15, 40, {0, 0}, fsLine, taLeftJustify).Rules.empty());
}

TEST(SkinButtonFace, GroupGrid) {
  TQvGroupGrid G;
  G.Count = 5;
  G.Width = 200;
  G.Height = 100;
  G.Columns = 2;
  const std::vector<TRect> R = GroupGridRects(G);
  const std::vector<TRect> Expected = {Rect(3, 3, 100, 20), Rect(100, 3, 197, 20),
                                       Rect(3, 23, 100, 40), Rect(100, 23, 197, 40),
                                       Rect(3, 43, 100, 60)};
  EXPECT_EQ(R, Expected);
  EXPECT_EQ(GroupGridHit(R, {100, 23}), 3);
  EXPECT_EQ(GroupGridHit(R, {99, 19}), 0);
  EXPECT_EQ(GroupGridHit(R, {99, 20}), -1);
  // Columns 0 counts as 1; rows starting below the control end the grid.
  G.Columns = 0;
  G.Height = 30;
  const std::vector<TRect> One = GroupGridRects(G);
  ASSERT_EQ(One.size(), 3u);
  EXPECT_EQ(One[2], Rect(3, 43, 197, 60));
  G.Count = 0;
  EXPECT_TRUE(GroupGridRects(G).empty());
}

TEST(SkinButtonFace, GroupPictureNames) {
  EXPECT_EQ(GroupPictureName(gckRadio, L""), L"QvSkinRadiobtn");
  EXPECT_EQ(GroupPictureName(gckRadio, L"QvSkinCheckBox"), L"QvSkinRadiobtn");
  EXPECT_EQ(GroupPictureName(gckCheckBox, L"QvSkinRadiobtn"), L"QvSkinCheckBox");
  EXPECT_EQ(GroupPictureName(gckCheckBox, L""), L"QvSkinCheckBox");
  EXPECT_EQ(GroupPictureName(gckCheckBox, L"Mine"), L"Mine");
  EXPECT_EQ(GroupPictureName(gckRadio, L"Mine"), L"Mine");
}

}  // namespace
