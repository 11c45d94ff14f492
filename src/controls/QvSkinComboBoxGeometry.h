#pragma once
// The combo box's portable rules: the drop button, the face and the edit, where the popup
// opens, how the navigation keys move the index, and the list's prefix search.
#include <vector>

#include "host/Types.h"

namespace qv {

struct TQvComboRects {
  TRect Button;  // the drop arrow's cell at the right
  TRect Item;    // the face that shows the selected item
  TRect Edit;    // where the embedded edit goes
};
// ArrowWidth: the drop-arrow picture's width, 0 when the picture is missing.
TQvComboRects QvComboRects(int W, int H, int ArrowWidth);

struct TQvDropPlacement {
  TPoint Origin;  // screen top-left of the popup
  int Width = 0, Height = 0;
  int Rows = 0;  // the popup's RowCount
  bool Above = false;
};
// Below: the screen point under the combo box's bottom-left corner plus one pixel to the
// right; ListBoxWidth 0 means the combo box's width. An empty list gets one empty row.
TQvDropPlacement QvComboDropPlacement(TPoint Below, int ComboWidth, int ComboHeight,
                                      int ListBoxWidth, int ItemCount, int DropDownCount,
                                      int ItemHeight, int WorkAreaBottom);

// Navigation keys of the combo box and of its edit.
enum TQvComboMove { cmNone, cmUp, cmDown, cmPageUp, cmPageDown, cmHome, cmEnd };
// The index a move leads to (Index when it does not move).
int QvComboMoveIndex(TQvComboMove Move, int Index, int Count, int DropDownCount);

// The first item after After (wrapping, After included last) starting with Prefix, case
// insensitively; -1 when none or Prefix is empty. After -1 searches from the start.
int QvFindPrefix(const std::vector<String>& Items, const String& Prefix, int After);

// The list-style incremental search: the filter collected so far, reset after a pause.
struct TQvComboSearch {
  static constexpr unsigned ResetMs = 500;
  String Filter;
  unsigned LastTime = 0;
  // The string to search after Key typed at Now (milliseconds).
  String Type(wchar_t Key, unsigned Now, bool AutoComplete);
};

}  // namespace qv
