#pragma once
// Recolouring of pictures and colours with exact integer arithmetic: hue, saturation and
// lightness shifts, hue/saturation/brightness adjustment, colour masks, opacity,
// averages, premultiplication, scaling, and colour-format conversions.
// Divisions truncate toward zero; to clamp is to limit to 0..255.
#include "raster/Bitmap32.h"

namespace qv {

// Shifts every pixel with alpha ≠ 0: hue by DH (wrapping), saturation by DS (DS <= 0: by
// DS percent of itself; DS > 0: by DS), lightness by DL; alpha is kept.
void ApplyHSL(TCustomBitmap32* Bitmap, int DH, int DS, int DL);

// The colour's R, G, B adjusted by hue H (degrees), saturation S and brightness B
// (percent, negative lowers). Greys keep their hue and saturation.
void AdjustHSB(uint8_t& R, uint8_t& G, uint8_t& B, int H, int S, int Bright);
// A framework colour adjusted by AdjustHSB; system colours are resolved first.
void MakeHSBColor(TColor Color, int H, int S, int B, TColor& Result);
TColor MakeHSBColor(TColor Color, int H, int S, int B);
// AdjustHSB for every pixel (alpha kept); nothing when all three are 0.
void GdipHSBAdjustment(TCustomBitmap32* Bitmap, int H, int S, int B);

// Tints every pixel with alpha ≠ 0, except near-white ones (R, G and B all above 240),
// with Mask: channel := (mask channel · intensity) >> 8, intensity (R·77 + G·150 + B·29) >> 8.
void ApplyColorMask32(TCustomBitmap32* Bitmap, TColor32 Mask);
// The same with a framework colour as an opaque mask.
void ApplyColorMask32(TCustomBitmap32* Bitmap, TColor Color);

// 0..255: draw mode dmBlend and that master alpha; other values change nothing.
void ApplyAlpha(TCustomBitmap32* Bitmap, int Alpha);
// The framework colour of the mean R, G, B (alpha ignored).
TColor GetAverageColor(const TCustomBitmap32* Bitmap);
// Every colour channel multiplied by alpha: (c · A · 257) >> 16.
void PremultiplyBitmap(TCustomBitmap32* Bitmap);
void ClearBmp32(TCustomBitmap32* Bitmap);
// Src scaled by Scale with bilinear sampling (transparent outside) into Dst, which takes the
// truncated size of the scaled picture; drawn 8 times by Src's draw mode. Installs a
// linear resampler on Src.
void ResizeBitmap32(TCustomBitmap32* Src, TCustomBitmap32* Dst, double Scale);

// 0xRRGGBB (up to 0xFFFFFF) to 0x00BBGGRR; larger values are byte-reversed.
TColor WebColorToTColor(Cardinal C);
// The low three bytes of a framework colour, without system-colour resolution.
void TColor2RGB(TColor Color, uint8_t& R, uint8_t& G, uint8_t& B);

}  // namespace qv
