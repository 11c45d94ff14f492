#pragma once
// The skinned form on a change of monitor density, in the high-DPI mode only (off, the
// messages go on unhandled and nothing changes):
// - WM_DPICHANGED: the form takes the suggested rectangle; it and its children scale from
//   what was set by hand (host/ControlScale.h); the title metrics, the title-bar controls
//   (DoDPICHANGED) and the layered border follow the new DPI; one repaint at the end.
// - WM_GETDPISCALEDSIZE: the window size at the new DPI by the same rule, so that moving
//   between monitors neither grows nor shrinks the form.
#include "host/Messages.h"

namespace qv {

class TQvSkinForm;

// True when the message was handled; otherwise it is to be passed on.
bool SkinFormDpiMessage(TQvSkinForm& SkinForm, TMessage& Message);

}  // namespace qv
