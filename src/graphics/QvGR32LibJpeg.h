#pragma once
// Pictures saved as JPEG, and cover-fitted JPEG thumbnails.
#include <vector>

#include "raster/Bitmap32.h"

namespace qv {

// The surface's colours (alpha dropped) encoded as a baseline JPEG of quality 90.
// False when encoding fails.
bool Bmp32ToJpg(const TCustomBitmap32* Bitmap, std::vector<uint8_t>& Jpeg);
// The same written to a new file; false when it cannot be written.
bool Bmp32ToJpg(const TCustomBitmap32* Bitmap, const String& FileName);
// Loads the picture file, cover-fits it into W x H and saves it as JPEG under
// NewName := FileName + "<W>x<H>.jpg". Nothing (NewName untouched) when the file does not
// exist; a picture that cannot be read raises.
void ResizeJpgImage(const String& FileName, Integer W, Integer H, String& NewName);

}  // namespace qv
