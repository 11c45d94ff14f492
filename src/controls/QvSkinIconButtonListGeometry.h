#pragma once
// The icon button list's grid (where the cells start, where they wrap, how tall the whole
// grid is), the shake step of a cell in edit mode, and the count bar's window of page
// numbers. Portable.
#include <cstdint>
#include <vector>

#include "host/Types.h"

namespace qv {

enum TQvItemHAlign { ihaLeft, ihaCenter, ihaRight };
inline constexpr const wchar_t* TQvItemHAlignNames[] = {L"ihaLeft", L"ihaCenter", L"ihaRight"};
enum TQvItemVAlign { ihavTop, ihavCenter, ihavBottom };
inline constexpr const wchar_t* TQvItemVAlignNames[] = {L"ihavTop", L"ihavCenter", L"ihavBottom"};

struct TQvIconGrid {
  int Width = 0, Height = 0;            // the control
  int ItemWidth = 60, ItemHeight = 80;  // scaled cell size
  int Space = 10;                       // gap between cells
  int Margin = 10;                      // margin around the grid
  TPoint DispOffset{10, 10};            // start of a left- or top-aligned grid
  TQvItemHAlign HAlign = ihaLeft;
  TQvItemVAlign VAlign = ihavTop;
};

// Start of the grid along one axis: Offset for the near alignment (0 left/top); the
// centred or far-aligned start of min(fitting cells, Count) cells otherwise, 0 when not
// even one cell fits.
int IconGridStart(int Extent, int Cell, int Space, int Margin, int Count, int Offset, int Align);
// The cells in collection order; an invisible item gets an empty rectangle and takes no
// place. A cell wraps to the next row when it would pass Width - Margin (never item 0).
std::vector<TRect> IconGridRects(const TQvIconGrid& G, const std::vector<bool>& Visible);
// Height of the whole grid of VisibleCount cells as the scroll bar measures it: a cell
// wraps when x + W >= Width - Margin, also the first one.
int64_t IconGridHeight(const TQvIconGrid& G, int VisibleCount);

// P lies in R, left and top inclusive.
inline bool CellHolds(const TRect& R, int X, int Y) {
  return X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom;
}
// Keeps an index pointing at the same item when the item at From moved to To (From -1:
// appended; To -1: removed, and an index at it becomes -1).
void FollowItemMove(int& Index, int From, int To);

// A cell's shake in edit mode: the angle walks one degree per tick in its direction and
// turns at -2 and +2 degrees.
struct TQvShake {
  float Angle = 0;
  bool Reverse = false;  // true: the angle increases
  void Step();
};

// The count bar.
enum TCountKind { ckNum, ckPrevious, ckNext, ckSkip, ckFirst, ckLast };
inline constexpr const wchar_t* TCountKindNames[] = {L"ckNum",  L"ckPrevious", L"ckNext",
                                                     L"ckSkip", L"ckFirst",    L"ckLast"};
using TCountKinds = TSet<TCountKind>;

// Number slots a bar of that size holds beside its arrow and skip cells (Cell is the
// cell's extent along the bar), bounded by MaxItems when that is positive. Without a skip
// cell one slot less, so that the N + 1 numbers of a window at the last page still fit.
int CountBarSlots(int Width, int Height, int Cell, int Space, int Margin, TCountKinds Kinds,
                  int MaxItems);

// The numbers a bar of N slots shows when page StartNum is to be reached: NumBegin ..
// NumEnd, then with Skip a "..." and the last page; Focus is the page focused.
struct TQvCountWindow {
  int64_t NumBegin = 1, NumEnd = 0, FocusNum = 1;
  bool Skip = false;
  friend bool operator==(const TQvCountWindow&, const TQvCountWindow&) = default;
};
TQvCountWindow CountBarWindow(int64_t StartNum, int64_t N, int64_t NumCount);

// One cell of the bar: its caption, its page (-1 for the others) and its kind.
struct TCountDataRec {
  String Caption;
  int Value = -1;
  TCountKind Kind = ckNum;
  friend bool operator==(const TCountDataRec&, const TCountDataRec&) = default;
};
// The cells of a bar in order: first, previous, the window's numbers, skip and last page,
// next and last, as Kinds asks.
std::vector<TCountDataRec> CountBarCells(const TQvCountWindow& W, int64_t NumCount,
                                         TCountKinds Kinds);
// The default caption of a cell kind ("<", ">", "|<", ">|", "..."); empty for numbers.
String CountCaption(TCountKind Kind);

}  // namespace qv
