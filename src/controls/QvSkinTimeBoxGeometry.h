#pragma once
// The time box's portable layout: the title bar with its close cross and the grid of
// numbers of one time unit (5 x 5 hours, 10 x 6 minutes or seconds).
#include "host/Types.h"

namespace qv {

enum TQvBoxKind { bkHour, bkMinute, bkSecond };

// One number of the grid; the unused 25th hour cell stays disabled with an empty
// rectangle, so it is never hit.
struct TQvNumCell {
  TRect Rect;
  int Num = 0;
  bool Enabled = false;
};
using PQvNumCell = TQvNumCell*;

struct TQvTimeBoxGrid {
  static constexpr int TitleHeight = 23;
  static constexpr int Gap = 2;
  int Cols = 5, Rows = 5;
  int Count = 24;  // numbers 0 .. Count - 1
  int CellWidth = 0, CellHeight = 0;
  TQvNumCell Cells[10][6];  // [column][row]; only Cols x Rows are used

  TQvNumCell& Cell(int Col, int Row) { return Cells[Col][Row]; }
  const TQvNumCell& Cell(int Col, int Row) const { return Cells[Col][Row]; }
  // The cell holding Num; nil when none does.
  const TQvNumCell* CellOfNum(int Num) const;
  // The first cell, column by column, whose rectangle holds P.
  TQvNumCell* CellAt(TPoint P);
};

// Lays out the grid of Kind for a box of Width x Height.
TQvTimeBoxGrid TimeBoxGrid(TQvBoxKind Kind, int Width, int Height);
// How many numbers a kind shows: 24 or 60.
int TimeBoxNumCount(TQvBoxKind Kind);
inline TRect TimeBoxTitleRect(int Width) {
  return TRect{0, 0, Width, TQvTimeBoxGrid::TitleHeight};
}
inline TRect TimeBoxCloseRect(int Width) {
  return TRect{Width - TQvTimeBoxGrid::TitleHeight, 0, Width, TQvTimeBoxGrid::TitleHeight};
}
// The close cross's box: the close rectangle inset by 7 (6 while hot).
TRect TimeBoxCrossRect(int Width, bool Hot);

}  // namespace qv
