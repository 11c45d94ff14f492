// Where a skinned label writes its caption: DrawText flags by alignment, word wrap and
// ellipsis, and the placed block of a word-wrapped text.
#include <gtest/gtest.h>

#include "controls/QvSkinLabelText.h"

using namespace qv;

namespace {

TEST(SkinLabelText, FlagsAndRectangle) {
  // DrawText's values: centre 1, right 2, vcentre 4, bottom 8, word break 0x10, single
  // line 0x20, path ellipsis 0x4000, end ellipsis 0x8000, word ellipsis 0x40000.
  const struct {
    TAlignment H;
    TVerticalAlignment V;
    bool Wrap;
    TEllipsisPosition E;
    TRect Rect;
    uint32_t Flags;
  } Cases[] = {
      {taLeftJustify, taAlignTop, false, epNone, Rect(0, 0, 80, 50), 0},
      {taRightJustify, taAlignTop, false, epNone, Rect(0, 0, 80, 50), 0x2},
      {taCenter, taVerticalCenter, false, epNone, Rect(0, 0, 80, 50), 0x1 | 0x4 | 0x20},
      {taLeftJustify, taAlignBottom, false, epEndEllipsis, Rect(0, 0, 80, 50), 0x8 | 0x20 | 0x8000},
      {taLeftJustify, taAlignTop, true, epNone, Rect(0, 0, 80, 50), 0x10},
      // A wrapped block of 21 pixels flush with the bottom, or centred (truncating).
      {taRightJustify, taAlignBottom, true, epNone, Rect(0, 29, 80, 50), 0x2 | 0x8 | 0x10},
      {taCenter, taVerticalCenter, true, epWordEllipsis, Rect(0, 14, 80, 35),
       0x1 | 0x4 | 0x10 | 0x40000},
      {taLeftJustify, taAlignTop, false, epPathEllipsis, Rect(0, 0, 80, 50), 0x4000},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(testing::Message() << C.H << " " << C.V << " " << C.Wrap << " " << C.E);
    const TQvLabelTextPlacement P = LabelTextPlacement(C.H, C.V, C.Wrap, C.E, 80, 50, 21);
    EXPECT_EQ(P.Rect, C.Rect);
    EXPECT_EQ(P.Flags, C.Flags);
  }
}

}  // namespace
