#pragma once
// The Win32 side of the accessibility model: WM_GETOBJECT answered with an MSAA
// IAccessible built from a control's AccessibleInfo.
#include <cstdint>

#include "controls/QvAccessible.h"

struct _GUID;

namespace qv {

// IAccessible's interface identity (the one in MinGW's import library is wrong).
const _GUID& IidAccessible();

class TWinControl;

// The answer to WM_GETOBJECT for a window implementing IQvAccessibleSource: an
// IAccessible for OBJID_CLIENT, 0 for every other object (the platform then answers with
// its standard proxy).
intptr_t AccessibleObjectResult(TWinControl* Control, uintptr_t WParam, intptr_t LParam);

// Tells assistive technology that the window (ChildId 0) or its part ChildId took the
// focus or changed its state, value or name.
void NotifyAccessibleWindow(TWinControl* Control, TQvAccEvent Event, long ChildId = 0);
// The same for a part (IQvAccessibleChildren, index from 0); nothing for an index below 0.
void NotifyAccessibleChild(TWinControl* Control, TQvAccEvent Event, int Index);

}  // namespace qv
