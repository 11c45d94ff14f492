#include "controls/QvSkinListBoxGeometry.h"

#include <algorithm>

namespace qv {

TQvListBoxRects QvListBoxRects(int W, int H, int NC, bool HasBar, int BarSize, int Columns) {
  TQvListBoxRects R;
  if (HasBar && Columns <= 0) {
    const int Left = W - BarSize - 2 * NC + 1;
    R.Bar = Rect(Left, NC + 1, Left + BarSize, NC + 1 + (H - 2 * NC - 2));
    R.List = Rect(NC + 1, NC + 1, Left, H - NC - 1);
  } else if (HasBar) {
    const int Top = H - BarSize - 2 * NC + 1;
    R.Bar = Rect(NC + 1, Top, NC + 1 + (W - 2 * NC - 2), Top + BarSize);
    R.List = Rect(NC + 1, NC + 1, W - 2, Top);
  } else {
    R.List = Rect(NC + 1, NC + 1, W - NC - 1, H - NC - 1);
  }
  return R;
}

TQvListBarState QvListBoxBarState(int Min, int Max, int Position, int ListHeight, int ItemHeight,
                                  int ItemCount, int RowCount, int Columns) {
  TQvListBarState S;
  const int Rows = ItemHeight > 0 ? ListHeight / ItemHeight : 0;
  if (Columns <= 0) {
    // Sized to show every row: never a bar.
    if (RowCount >= 1 && RowCount == ItemCount) return S;
    if (Min < Max && Position <= Max && Rows < ItemCount) S = {true, Min, Max, Rows, Position};
  } else if (Min < Max && Position <= Max && Columns <= Max && Rows * Columns < ItemCount) {
    S = {true, Min, Max, Columns, Position};
  }
  return S;
}

int QvListBoxRowsHeight(int RowCount, int ItemHeight, int H, int HScrollBarHeight) {
  return RowCount != 0 ? RowCount * ItemHeight + 4 + HScrollBarHeight : H;
}

TQvListItemRects QvListItemRects(int W, int H, bool Popup) {
  TQvListItemRects R;
  R.Fill = Rect(0, 0, Popup ? W - 1 : W, H);
  R.Text = Rect(R.Fill.Left + 2, R.Fill.Top, R.Fill.Right - 2, R.Fill.Bottom);
  return R;
}

int QvListItemTextTop(const TRect& Text, int TextHeight, int FontHeight) {
  return Text.Top + Text.Height() / 2 - TextHeight / 2 - ((FontHeight & 1) != 0 ? 1 : 0);
}

TQvPopupFrame QvPopupFrame(int W, int H, bool VertBar, bool HorzBar) {
  const int A = VertBar ? 1 : 2, B = HorzBar ? 1 : 2;
  const int R = W - A, Bt = H - B;
  return {{{0, 1, R, 1}, {1, Bt, 1, 0}},
          {{0, 0, R, 0}, {R, 0, R, Bt}, {R, Bt, 0, Bt}, {0, Bt, 0, 0}}};
}

}  // namespace qv
