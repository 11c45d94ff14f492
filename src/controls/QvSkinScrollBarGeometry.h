#pragma once
// The scroll bar's arithmetic, kept free of windows: where the arrows, the track and the
// thumb lie for a range, a page and a position; the position a thumb drag points at; and
// how a position is kept within the range.
#include "host/Types.h"

namespace qv {

// The value side of a bar.
struct TQvScrollRange {
  int Min = 0;
  int Max = 100;
  int PageSize = 0;  // 0: a fixed-size thumb
  int Position = 0;
};

// What the geometry is computed from. NearArrow is the size of the near-end arrow
// picture; without that picture (HasArrow false) the arrow and track rectangles of the
// previous geometry are kept.
struct TQvScrollMetrics {
  bool Vertical = false;
  int Width = 0;
  int Height = 0;
  bool HasArrow = true;
  TPoint NearArrow;  // X: width, Y: height
  int MinThumb = 21;
};

// Part 0 is the thumb, 1 the far-end arrow (right or bottom), 2 the near-end arrow.
struct TQvScrollGeometry {
  TRect Parts[3];
  TRect Track;      // between the arrows
  int Offset1 = 0;  // first and last possible thumb-centre coordinate along the axis
  int Offset2 = 0;
  int BOffset = 0;  // thumb-centre distance from Offset1
};

// The highest position the range allows: Max - PageSize + 1 with a page, Max without.
int ScrollUpperBound(const TQvScrollRange& R);
// Value kept within [Min, ScrollUpperBound]; the lower bound wins when the range is empty
// or inverted.
int ClampScrollPosition(const TQvScrollRange& R, int Value);

// Lays out the arrows, the track and the thumb (updating G). Ratios of an empty or
// inverted range fall back to 0 (1 for a horizontal bar whose page fills the range), and a
// position outside the range is drawn at the nearer end: never a division by zero.
void CalcScrollRects(const TQvScrollMetrics& M, const TQvScrollRange& R, TQvScrollGeometry& G);

// The position a thumb dragged by D pixels along the axis points at. OldBOffset is the
// thumb-centre offset at the start of the drag; the result lies within the range.
int CalcScrollValue(const TQvScrollMetrics& M, const TQvScrollRange& R, const TQvScrollGeometry& G,
                    int D, int OldBOffset);

// The index of the part (0..2) holding (X, Y), or -1.
int ScrollPartAt(const TQvScrollGeometry& G, int X, int Y);

}  // namespace qv
