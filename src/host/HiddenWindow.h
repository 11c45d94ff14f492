#pragma once
// Hidden windows for objects that only need messages (timers, notification icons):
// each gets its own message-only window whose messages go to the given method.
#include "host/Control.h"

namespace qv {

HWND__* AllocateHWnd(TWndMethod Method);
void DeallocateHWnd(HWND__* Wnd);

}  // namespace qv
