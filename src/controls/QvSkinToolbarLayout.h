#pragma once
// The layout of the skinned toolbar, kept free of windows: where each item lies in a row
// or a column, where the scroll arrows sit, and how far a held arrow scrolls.
#include <vector>

#include "host/Types.h"

namespace qv {

struct TToolbarLayoutItem {
  bool Visible = true;
  bool Spacer = false;
  bool HasMenu = false;
  // Width from the caption (rows with AutoButtonWidth); -1 takes the common width.
  int OwnWidth = -1;
};

struct TToolbarLayoutInput {
  bool MultiLine = false;  // one column instead of one row
  int Width = 0, Height = 0;
  int ButtonWidth = 48, ButtonHeight = 48, SpaceSize = 3, MenuWidth = 16;
  TPoint Offset;  // scroll offset: X in a row, Y in a column
};

struct TToolbarLayout {
  // Per item in collection order; invisible items keep empty rectangles.
  std::vector<TRect> Rects, MenuRects;
  // The layout cursor after the last item: the end of the content along the axis.
  int DispX = 0, DispY = 0;
  int Total = 0;
  bool EnabledScroll = false;  // the content does not fit: the arrows work
};

// Buttons of ButtonWidth (or Width div N for 0, the remainder going to the item last in
// the collection even when it is invisible), spacers of 2 x SpaceSize, SpaceSize between
// items; a row centres its items vertically, a column horizontally.
TToolbarLayout LayoutToolbar(const TToolbarLayoutInput& In,
                             const std::vector<TToolbarLayoutItem>& Items);

// The arrows from the sizes of their pictures: a row's side by side in the top-right
// corner, a column's stacked in the bottom-right corner.
void ToolbarArrowRects(bool MultiLine, int Width, int Height, TSize Back, TSize Front,
                       TRect& BackRect, TRect& FrontRect);

// One step of a held arrow on the offset along the axis: back adds Step while the offset
// is negative, front subtracts it while the content end lies beyond Extent. False when
// nothing is left to scroll.
bool ToolbarScrollBack(int& Offset, int Step);
bool ToolbarScrollFront(int& Offset, int ContentEnd, int Extent, int Step);

}  // namespace qv
