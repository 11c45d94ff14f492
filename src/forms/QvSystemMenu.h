#pragma once
// The window's system menu shown by the library itself, where the platform's own handling
// would not find it: a self-drawn title is wider and taller than the caption the platform
// reckons with.
#include "host/Types.h"

namespace qv {

class TWinControl;

// Shows the system menu of Form's window at the screen point and carries out the command
// chosen in it. The items are first enabled for the window's state (restore only when
// maximised or minimised, move and size only when neither, ...), as the platform does when
// it opens the menu itself.
void TrackSystemMenu(TWinControl* Form, TPoint Screen);

}  // namespace qv
