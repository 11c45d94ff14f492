#pragma once
// TQvNativeScrollMirror: moves scroll numbers between a platform window's own scroll bar
// (SB_VERT or SB_HORZ, never shown) and a skinned bar that stands in for it. It only moves
// numbers: the control decides when a skinned bar exists and calls the mirror from its
// message handling and from the bar's OnChange. A guard keeps the two directions from
// echoing into each other.
#include "controls/QvSkinScrollBar.h"

namespace qv {

// A platform scroll bar's state, as GetScrollInfo reports it.
struct TQvNativeScroll {
  int Min = 0, Max = 0, Page = 0, Position = 0;
  // The window has a range at all (min < max).
  bool HasRange() const { return Min < Max; }
};

class TQvNativeScrollMirror {
 public:
  // Kind picks SB_VERT/WM_VSCROLL (sbVertical) or SB_HORZ/WM_HSCROLL.
  explicit TQvNativeScrollMirror(TScrollBarKind AKind = sbVertical) : FKind(AKind) {}

  TScrollBarKind Kind() const { return FKind; }
  void SetKind(TScrollBarKind Value) { FKind = Value; }

  // The window's scroll state (all zero for a null window).
  TQvNativeScroll Read(HWND Wnd) const;
  // Copies the window's range, page and position into Bar without Bar's OnChange reaching
  // the window again. Returns what was read. Bar may be nil.
  TQvNativeScroll FromNative(HWND Wnd, TQvSkinScrollBar* Bar);
  // Scrolls the window to Bar's position (WM_xSCROLL with SB_THUMBPOSITION); ignored while
  // the mirror itself is moving numbers, so a bar updated by FromNative never echoes.
  void ToNative(HWND Wnd, const TQvSkinScrollBar* Bar);
  // One line up (or left) or down (or right), then FromNative: the extra line a wheel
  // notch gives a mirrored window.
  void Line(HWND Wnd, bool Up, TQvSkinScrollBar* Bar);
  // Sends a scroll command (SB_*) with a position; the guard holds meanwhile.
  void Send(HWND Wnd, int Code, int Position = 0);

  // A transfer is running.
  bool Busy() const { return FBusy; }

 private:
  TScrollBarKind FKind;
  bool FBusy = false;
};

}  // namespace qv
