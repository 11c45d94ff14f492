#include "controls/QvSkinLabelText.h"

namespace qv {

namespace {

// DrawText's flag values, as the platform defines them.
constexpr uint32_t kCenter = 0x1, kRight = 0x2, kVCenter = 0x4, kBottom = 0x8, kWordBreak = 0x10,
                   kSingleLine = 0x20, kPathEllipsis = 0x4000, kEndEllipsis = 0x8000,
                   kWordEllipsis = 0x40000;

}  // namespace

uint32_t EllipsisFlag(TEllipsisPosition Ellipsis) {
  switch (Ellipsis) {
    case epPathEllipsis:
      return kPathEllipsis;
    case epEndEllipsis:
      return kEndEllipsis;
    case epWordEllipsis:
      return kWordEllipsis;
    default:
      return 0;
  }
}

TQvLabelTextPlacement LabelTextPlacement(TAlignment Horizontal, TVerticalAlignment Vertical,
                                         bool WordWrap, TEllipsisPosition Ellipsis, int Width,
                                         int Height, int TextHeight) {
  TQvLabelTextPlacement P;
  P.Rect = TRect{0, 0, Width, Height};
  P.Flags = Horizontal == taRightJustify ? kRight : Horizontal == taCenter ? kCenter : 0;
  if (Vertical == taAlignBottom) P.Flags |= kBottom | kSingleLine;
  if (Vertical == taVerticalCenter) P.Flags |= kVCenter | kSingleLine;
  if (WordWrap) {
    // DrawText aligns only single lines vertically: the block itself is placed.
    if (Vertical == taVerticalCenter) {
      P.Flags &= ~kSingleLine;
      P.Rect.Top = (Height - TextHeight) / 2;
      P.Rect.Bottom = P.Rect.Top + TextHeight;
    } else if (Vertical == taAlignBottom) {
      P.Flags &= ~kSingleLine;
      P.Rect.Top = P.Rect.Bottom - TextHeight;
    }
    P.Flags |= kWordBreak;
  }
  P.Flags |= EllipsisFlag(Ellipsis);
  return P;
}

}  // namespace qv
