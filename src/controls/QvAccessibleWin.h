#pragma once
// The Win32 side of the accessibility model: WM_GETOBJECT answered with an MSAA
// IAccessible built from a control's AccessibleInfo.
#include <cstdint>

#include "controls/QvAccessible.h"

struct _GUID;

namespace qv {

// IAccessible's interface identity (the one in MinGW's import library is wrong).
const _GUID& IidAccessible();

class TQvSkinCustomControl;
class TWinControl;

// A windowed control that is no skinned control answers assistive technology through this.
class IQvAccessibleSource {
 public:
  virtual TQvAccessibleInfo AccessibleInfo() const = 0;
  virtual bool DoAccessibleDefaultAction() { return false; }

 protected:
  ~IQvAccessibleSource() = default;
};

// The answer to WM_GETOBJECT: an IAccessible for OBJID_CLIENT, 0 for every other object
// (the platform then answers with its standard proxy).
intptr_t AccessibleObjectResult(TQvSkinCustomControl* Control, uintptr_t WParam, intptr_t LParam);
intptr_t AccessibleObjectResult(TWinControl* Control, uintptr_t WParam, intptr_t LParam);
// Tells assistive technology that a control's focus, state, value or name changed.
void NotifyAccessibleEvent(TWinControl* Control, TQvAccEvent Event);

// Tells assistive technology that a part (IQvAccessibleChildren, index from 0) took the
// focus or changed its state, value or name.
void NotifyAccessibleChild(TQvSkinCustomControl* Control, TQvAccEvent Event, int Index);

}  // namespace qv
