#pragma once
// The list box's portable rules: where the inner list and the skinned bar go, whether the
// bar is needed and with which numbers, where an item's text sits, and the frame band of
// the popup variant.
#include "host/Types.h"

namespace qv {

// The inner list's rectangle and, when shown, the skinned bar's (in the composite).
struct TQvListBoxRects {
  TRect List;
  TRect Bar;  // empty without a bar
};
// NC: the frame inset; BarSize: the bar's thickness; Columns > 0 puts the bar at the
// bottom (a multi-column list scrolls sideways).
TQvListBoxRects QvListBoxRects(int W, int H, int NC, bool HasBar, int BarSize, int Columns);

// What the skinned bar should show. Show false: no bar.
struct TQvListBarState {
  bool Show = false;
  int Min = 0, Max = 0, Page = 0, Position = 0;
};
// The native list's range (Min, Max, Position, along the axis the bar runs), its height in
// pixels, its item height and count, and the composite's RowCount and Columns.
TQvListBarState QvListBoxBarState(int Min, int Max, int Position, int ListHeight, int ItemHeight,
                                  int ItemCount, int RowCount, int Columns);

// The composite's height for RowCount rows (0 rows: unchanged, returns H).
int QvListBoxRowsHeight(int RowCount, int ItemHeight, int H, int HScrollBarHeight = 0);

// Where an item's fill and text go in its w × h bitmap.
struct TQvListItemRects {
  TRect Fill;  // one pixel narrower in a popup
  TRect Text;
};
TQvListItemRects QvListItemRects(int W, int H, bool Popup);
// Top of the text: centred in Text, one pixel higher for an odd font height.
int QvListItemTextTop(const TRect& Text, int TextHeight, int FontHeight);

// The popup's frame band: the two white lines and the four frame lines.
struct TQvLine {
  int X1, Y1, X2, Y2;
  bool operator==(const TQvLine&) const = default;
};
struct TQvPopupFrame {
  TQvLine White[2];
  TQvLine Frame[4];  // top, right, bottom, left
};
TQvPopupFrame QvPopupFrame(int W, int H, bool VertBar, bool HorzBar);

}  // namespace qv
