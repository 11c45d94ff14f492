#pragma once
// Hidden windows for objects that only need messages (timers, notification icons):
// each gets its own window whose messages go to the given method. A message-only
// window serves unless the window must own something on screen (a popup menu).
#include "host/Control.h"
#include "host/PlatformTypes.h"

namespace qv {

HWND AllocateHWnd(TWndMethod Method, bool MessageOnly = true);
void DeallocateHWnd(HWND Wnd);

}  // namespace qv
