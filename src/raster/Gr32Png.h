#pragma once
// PNG pictures to and from surfaces, with the transparency rules skin pictures rely on.
#include "raster/Bitmap32.h"

namespace qv {

class TStream;

// Decodes the PNG at the stream's position into Bitmap with every alpha 255, then by the
// PNG's transparency: none → AlphaChannelUsed := false; a single transparent colour →
// pixels of exactly that colour get alpha 0, true; grey+alpha or RGB+alpha → the alpha
// samples, true. A palette image's transparency is not applied and AlphaChannelUsed is
// left as it was. A corrupt PNG raises EInvalidGraphic and leaves Bitmap unchanged.
void LoadPNGintoBitmap32(TCustomBitmap32* Bitmap, TStream& Stream, bool& AlphaChannelUsed);
void LoadPNGintoBitmap32(TCustomBitmap32* Bitmap, const String& FileName, bool& AlphaChannelUsed);

// Encodes the surface as an RGBA PNG (compression level 9). False on failure.
bool SaveBitmap32ToPNG(TCustomBitmap32* Bitmap, std::vector<uint8_t>& Png);
// Writes the surface to a new PNG file; the alpha channel only when Transparent.
// PNGs are written as RGB(A), never as palette images, so BgColor is not needed, and
// the encoder writes non-interlaced files only. False on failure.
bool SaveBitmap32ToPNG(TCustomBitmap32* Bitmap, bool Transparent, TColor32 BgColor,
                       const String& FileName, int CompressionLevel = 9, int InterlaceMethod = 0);

}  // namespace qv
