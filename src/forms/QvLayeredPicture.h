#pragma once
// Showing a 32-bit picture as the whole look of a per-pixel-alpha (layered) window.
#include "host/PlatformTypes.h"
#include "raster/Bitmap32.h"

namespace qv {

// Pushes Picture (straight alpha, as the skin pictures hold it) to the layered window Wnd
// at the window's current top-left, at its own size. Windows only; nothing elsewhere.
void UpdateLayeredPicture(HWND Wnd, const TBitmap32& Picture);

}  // namespace qv
