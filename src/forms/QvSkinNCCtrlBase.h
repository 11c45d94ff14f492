#pragma once
// Shared state of the title-bar controls.

namespace qv {

// True while a title-bar control under the mouse has set its own cursor; the skinned
// form then leaves WM_SETCURSOR alone.
extern bool gHookedCursor;

}  // namespace qv
