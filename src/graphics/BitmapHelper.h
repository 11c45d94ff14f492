#pragma once
// Effects on whole pictures: the box blur behind text glows, the glow blend itself, edge
// fades of form backgrounds, linear two-colour gradients and plain alpha fills.
// These work on the colour bytes B, G, R of each pixel, as the platform's 24-bit bitmaps
// hold them; the alpha byte is left alone unless a routine says otherwise.
//
// The device-context forms (text glow, colour blend, gradients on a canvas, text
// measuring) are in BitmapHelperDC.h.
#include "graphics/BitmapHelperDC.h"
#include "raster/Bitmap32.h"

namespace qv {

// Scoped: its members share their names with the mouse buttons of TShiftState.
enum class TSmoothSide { ssLeft, ssTop, ssRight, ssBottom };
using TSmoothSides = TSet<TSmoothSide>;

// Box blur of radius Radius (window 2·Radius + 1, edges extended with the edge pixel,
// truncating average): rows Passes times, then columns Passes + 1 times; then every pixel
// becomes grey (R + G + B) div 3. Nothing when the picture is empty or Radius <= 0. The cost
// does not depend on the radius.
void QvBoxBlur(TCustomBitmap32* Bitmap, Integer Radius, Integer Passes);

// The glow step: every colour channel c of Background moves toward the glow colour's
// channel g by c := g + ((c − g)·M) >> 8, M the grey level of Mask at that pixel, repeated
// 2·Strength times. Mask must be at least as large as Background.
void GlowBlend(TCustomBitmap32& Background, const TCustomBitmap32& Mask, TColor GlowColor,
               Integer Strength);

// Fades the right and bottom 100 pixels of an opaque picture into its average colour
// (returned in AverageColor); the corner fades by the distance from its inner corner.
// Sides is not consulted. The result is opaque.
void MakeBmp(TCustomBitmap32* Bitmap, TColor& AverageColor, TSmoothSides Sides = {});

// A two-colour linear gradient over Rect of Target, left to right (Horizontal) or top to
// bottom, in opaque pixels; the last position stays one step short of EndColor. A zero
// width or height counts as 1; parts outside Target are skipped.
void FillGradient(TCustomBitmap32* Target, TColor StartColor, TColor EndColor, bool Horizontal,
                  const TRect& Rect);

// Every pixel becomes (A = Alpha, R = G = B = 0).
void SetBitmapAlpha(TCustomBitmap32* Bitmap, uint8_t Alpha);

}  // namespace qv
