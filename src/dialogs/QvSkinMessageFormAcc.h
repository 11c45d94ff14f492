#pragma once
// The answer to WM_GETOBJECT for the message box's window: for OBJID_CLIENT an IAccessible
// with the dialog role and the title as its name, 0 for every other object.
#include <cstdint>

#include "host/PlatformTypes.h"
#include "host/Types.h"

namespace qv {

intptr_t DialogAccessibleResult(HWND Wnd, const String& Name, uintptr_t WParam, intptr_t LParam);

}  // namespace qv
