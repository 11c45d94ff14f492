#include "controls/QvSkinToolbarLayout.h"

namespace qv {

TToolbarLayout LayoutToolbar(const TToolbarLayoutInput& In,
                             const std::vector<TToolbarLayoutItem>& Items) {
  TToolbarLayout L;
  const int Count = int(Items.size());
  L.Rects.assign(size_t(Count), TRect{});
  L.MenuRects.assign(size_t(Count), TRect{});
  const int SP = In.SpaceSize, BH = In.ButtonHeight;
  if (In.MultiLine) {
    L.DispX = In.Offset.X;
    L.DispY = In.Offset.Y + SP;
  } else {
    L.DispX = In.Offset.X + SP;
    L.DispY = In.Offset.Y;
  }
  int Visible = 0;
  for (const TToolbarLayoutItem& I : Items) Visible += I.Visible ? 1 : 0;
  int Common = In.ButtonWidth, Rem = 0;
  if (Common == 0) {
    const int N = Visible > 0 ? Visible : 1;
    Common = In.Width / N;
    Rem = In.Width % N;
  }
  for (int Index = 0; Index < Count; ++Index) {
    const TToolbarLayoutItem& Item = Items[size_t(Index)];
    if (!Item.Visible) continue;
    int W = Common;
    if (!In.MultiLine && Item.OwnWidth >= 0)
      W = Item.OwnWidth;
    else if (Index == Count - 1)
      W += Rem;
    if (In.MultiLine)
      L.DispX = (In.Width - W) / 2;
    else
      L.DispY = (In.Height - BH) / 2;
    TRect& R = L.Rects[size_t(Index)];
    if (Item.Spacer) {
      R = In.MultiLine ? Rect(L.DispX + 4, L.DispY + 1, L.DispX + W - 4, L.DispY + SP - 1)
                       : Rect(L.DispX + 1, L.DispY + 4, L.DispX + SP - 1, L.DispY + BH - 4);
      (In.MultiLine ? L.DispY : L.DispX) += 2 * SP;
      L.Total += 2 * SP;
      continue;
    }
    R = Rect(L.DispX, L.DispY, L.DispX + W, L.DispY + BH);
    if (Item.HasMenu)
      L.MenuRects[size_t(Index)] = Rect(R.Right - In.MenuWidth, R.Top, R.Right, R.Bottom);
    const int Advance = (In.MultiLine ? BH : W) + SP;
    (In.MultiLine ? L.DispY : L.DispX) += Advance;
    L.Total += Advance;
  }
  L.EnabledScroll = In.MultiLine ? In.Height < L.Total : In.Width < L.Total;
  return L;
}

void ToolbarArrowRects(bool MultiLine, int Width, int Height, TSize Back, TSize Front,
                       TRect& BackRect, TRect& FrontRect) {
  if (MultiLine) {
    FrontRect = Rect(Width - 1 - Front.cx, Height - 2 - Front.cy, Width - 1, Height - 2);
    BackRect = Rect(FrontRect.Left, FrontRect.Top - 1 - Back.cy, FrontRect.Left + Back.cx,
                    FrontRect.Top - 1);
  } else {
    FrontRect = Rect(Width - 1 - Front.cx, 2, Width - 1, 2 + Front.cy);
    BackRect = Rect(FrontRect.Left - 1 - Back.cx, 2, FrontRect.Left - 1, 2 + Back.cy);
  }
}

bool ToolbarScrollBack(int& Offset, int Step) {
  if (Offset >= 0) return false;
  // Never past the start, even from an offset that is not a whole number of steps.
  Offset = Offset + Step > 0 ? 0 : Offset + Step;
  return true;
}

bool ToolbarScrollFront(int& Offset, int ContentEnd, int Extent, int Step) {
  if (Extent >= ContentEnd) return false;
  Offset -= Step;
  return true;
}

}  // namespace qv
