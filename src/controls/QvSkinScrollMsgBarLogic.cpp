#include "controls/QvSkinScrollMsgBarLogic.h"

#include <algorithm>

namespace qv {

int GetFirstVisible(const std::vector<bool>& Visible) {
  return GetNextVisible(Visible, -1);
}

int GetLastVisible(const std::vector<bool>& Visible) {
  return GetPrevVisible(Visible, int(Visible.size()));
}

int GetNextVisible(const std::vector<bool>& Visible, int Current) {
  for (int I = std::max(Current + 1, 0); I < int(Visible.size()); ++I)
    if (Visible[size_t(I)]) return I;
  return -1;
}

int GetPrevVisible(const std::vector<bool>& Visible, int Current) {
  for (int I = std::min(Current, int(Visible.size())) - 1; I >= 0; --I)
    if (Visible[size_t(I)]) return I;
  return -1;
}

int ScrollTarget(const std::vector<bool>& Visible, int ItemIndex, bool LoopMode, bool Forward) {
  int Target = Forward ? GetNextVisible(Visible, ItemIndex) : GetPrevVisible(Visible, ItemIndex);
  if (Target < 0 && LoopMode) Target = Forward ? GetFirstVisible(Visible) : GetLastVisible(Visible);
  return Target;
}

bool TMsgBarClock::Tick(int64_t Now, int64_t ScrollInterval) {
  if (LastScrollTime == 0) LastScrollTime = Now;
  if (Now - LastScrollTime < ScrollInterval) return false;
  LastScrollTime = Now;
  return true;
}

TMsgBarItemLayout LayoutMsgBarItem(int W, int H, TSize IconSize, TRect TextExtent,
                                   TAlignment Alignment, int Space) {
  TMsgBarItemLayout L;
  TRect R = TextExtent;
  // Shorter than the bar: centred; taller: cut at the bar's bottom.
  if (R.Bottom < H)
    OffsetRect(R, 0, (H - R.Bottom) / 2);
  else
    R.Bottom = H;
  const int Tw = R.Width(), Th = R.Height();
  L.ItemSize = {Tw + IconSize.cx, std::max(IconSize.cy, Th)};
  const int Cx = L.ItemSize.cx, Cy = L.ItemSize.cy;
  // What is painted spans the gap too: placed and covered by the layer with it, so that the
  // text's end is neither cut at the right edge nor left behind when the item moves.
  const int Span = Cx + Space;
  int X0 = 0;
  if (Alignment == taRightJustify)
    X0 = W - Span;
  else if (Alignment == taCenter)
    X0 = (W - Span) / 2;
  L.OriginalY = (H - Cy) / 2;
  L.Location = {double(X0), double(H + 1), double(X0 + Span), double(H + 1 + Cy)};
  const int Iy = (Cy - IconSize.cy) / 2;
  L.IconRect = Rect(X0, Iy, X0 + IconSize.cx, Iy + IconSize.cy);
  const int T = (Cy - Th) / 2;
  const int Tx = X0 + Space + IconSize.cx;
  L.TextRect = Rect(Tx, T, Tx + Tw, T + Th);
  return L;
}

TMsgBarFrame MsgBarSlideFrame(const std::vector<long double>& V, int K, int H, int OldRestY,
                              int NewRestY, bool Forward) {
  const int N = int(V.size());
  const double Out = double(V[size_t(K)]), In = double(V[size_t(N - 1 - K)]);
  const int Dir = Forward ? -1 : 1;  // the way the messages travel
  TMsgBarFrame F{OldRestY + Dir * Out, NewRestY - Dir * In};
  if (K == N - 1) {
    F.OldTop += Dir * (H + 1);
    F.NewTop = NewRestY;
  }
  return F;
}

}  // namespace qv
