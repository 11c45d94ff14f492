#pragma once
// Windows-only helpers of the surface's platform files.
#include <windows.h>

#include <vector>

#include "raster/Color32.h"

namespace qv {

// The header of a 32-bit top-down DIB of W × H pixels.
BITMAPINFO TopDownInfo(Integer W, Integer H);
// The pixels of a bitmap selected into no device context, as 32-bit rows top first.
bool ReadBitmapPixels(HBITMAP Bitmap, Integer W, Integer H, std::vector<TColor32>& Out);

}  // namespace qv
