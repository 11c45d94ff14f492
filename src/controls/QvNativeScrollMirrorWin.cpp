#include <windows.h>

#include "controls/QvNativeScrollMirror.h"
#include "host/ScopeGuard.h"

namespace qv {

TQvNativeScroll TQvNativeScrollMirror::Read(HWND Wnd) const {
  TQvNativeScroll S;
  if (!Wnd) return S;
  SCROLLINFO Info{};
  Info.cbSize = sizeof(Info);
  Info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  if (!GetScrollInfo(Wnd, FKind == sbVertical ? SB_VERT : SB_HORZ, &Info)) return S;
  S.Min = Info.nMin;
  S.Max = Info.nMax;
  S.Page = int(Info.nPage);
  S.Position = Info.nPos;
  return S;
}

TQvNativeScroll TQvNativeScrollMirror::FromNative(HWND Wnd, TQvSkinScrollBar* Bar) {
  const TQvNativeScroll S = Read(Wnd);
  if (!Bar || !Wnd) return S;
  TScopedValue<bool> Guard(FBusy, true);
  // A page larger than the range is none: the bar would refuse it.
  const int Page = S.Page <= S.Max - S.Min + 1 ? S.Page : 0;
  Bar->SetRange(S.Min, S.Max, Page, S.Position);
  return S;
}

void TQvNativeScrollMirror::ToNative(HWND Wnd, const TQvSkinScrollBar* Bar) {
  if (FBusy || !Bar || !Wnd) return;
  Send(Wnd, SB_THUMBPOSITION, Bar->Position());
}

void TQvNativeScrollMirror::Line(HWND Wnd, bool Up, TQvSkinScrollBar* Bar) {
  if (!Wnd) return;
  Send(Wnd, Up ? SB_LINEUP : SB_LINEDOWN);
  FromNative(Wnd, Bar);
}

void TQvNativeScrollMirror::Send(HWND Wnd, int Code, int Position) {
  if (!Wnd) return;
  TScopedValue<bool> Guard(FBusy, true);
  SendMessageW(Wnd, FKind == sbVertical ? WM_VSCROLL : WM_HSCROLL,
               MAKEWPARAM(WORD(Code), WORD(Position)), 0);
}

}  // namespace qv
