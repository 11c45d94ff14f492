#pragma once
// The grid of a group of radio or check items: one rectangle per line, row by row, and
// which picture a kind uses. Portable.
#include <vector>

#include "host/Types.h"

namespace qv {

enum TGroupControlKind { gckRadio, gckCheckBox };
inline constexpr const wchar_t* TGroupControlKindNames[] = {L"gckRadio", L"gckCheckBox"};

struct TQvGroupGrid {
  int Count = 0;                 // lines
  int Width = 0;                 // the control's width
  int Height = 0;                // the control's height: rows starting below it are not laid out
  int Columns = 1;               // values <= 0 count as 1
  int ItemHeight = 17;           // scaled
  int VerticalSpacing = 3;       // scaled
  int OffsetX = 3, OffsetY = 3;  // scaled margins
  int UnscaledOffsetX = 3;       // the column width uses the unscaled margin
};

// The items' rectangles, as many as are laid out (fewer than Count when rows run past the
// bottom). Column width (Width - 2 * UnscaledOffsetX) div Columns.
std::vector<TRect> GroupGridRects(const TQvGroupGrid& G);
// The first rectangle holding P (left and top inclusive), or -1.
int GroupGridHit(const std::vector<TRect>& Rects, TPoint P);
// The picture a kind draws with: an empty name or the other kind's default becomes the
// kind's default; any other name stays.
String GroupPictureName(TGroupControlKind Kind, const String& Pictures);

}  // namespace qv
