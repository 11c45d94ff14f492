#include "controls/QvSkinComboBoxGeometry.h"

#include <algorithm>

namespace qv {

TQvComboRects QvComboRects(int W, int H, int ArrowWidth) {
  TQvComboRects R;
  const int A = ArrowWidth > 0 ? ArrowWidth + 1 : 1;
  R.Button = Rect(W - A, 0, W, H);
  R.Item = Rect(3, 3, R.Button.Left - 1, H - 1);
  R.Edit = Rect(R.Item.Left - 2, 2, R.Item.Left - 2 + R.Item.Width(), H - 2);
  return R;
}

TQvDropPlacement QvComboDropPlacement(TPoint Below, int ComboWidth, int ComboHeight,
                                      int ListBoxWidth, int ItemCount, int DropDownCount,
                                      int ItemHeight, int WorkAreaBottom) {
  TQvDropPlacement P;
  P.Width = (ListBoxWidth != 0 ? ListBoxWidth : ComboWidth) - 1;
  P.Rows = std::min(ItemCount, DropDownCount);
  P.Height = ItemHeight * std::max(P.Rows, 1) + 5;
  P.Origin = Below;
  if (Below.Y + P.Height > WorkAreaBottom) {
    P.Origin.Y = Below.Y - ComboHeight - P.Height;
    P.Above = true;
  }
  return P;
}

int QvComboMoveIndex(TQvComboMove Move, int Index, int Count, int DropDownCount) {
  const int Last = Count - 1;
  if (Count <= 0) return Index;
  switch (Move) {
    case cmUp:
      return Index > 0 ? Index - 1 : Index;
    case cmDown:
      return Index < Last ? Index + 1 : Index;
    // Page Up goes one row further than Page Down.
    case cmPageUp:
      return std::max(Index - DropDownCount - 1, 0);
    case cmPageDown:
      return std::min(Index + DropDownCount - 1, Last);
    case cmHome:
      return 0;
    case cmEnd:
      return Last;
    case cmNone:
      break;
  }
  return Index;
}

int QvFindPrefix(const std::vector<String>& Items, const String& Prefix, int After) {
  const int N = int(Items.size());
  if (Prefix.empty() || N == 0) return -1;
  const String P = UpperCase(Prefix);
  const int Start = (After < -1 || After >= N) ? -1 : After;
  for (int K = 1; K <= N; ++K) {
    const int I = (Start + K) % N;
    const String& S = Items[size_t(I)];
    if (S.size() >= P.size() && UpperCase(S.substr(0, P.size())) == P) return I;
  }
  return -1;
}

String TQvComboSearch::Type(wchar_t Key, unsigned Now, bool AutoComplete) {
  if (!AutoComplete) return String(1, Key);
  if (Now - LastTime >= ResetMs) Filter.clear();
  LastTime = Now;
  Filter += Key;
  return Filter;
}

}  // namespace qv
