#pragma once
// Shapes drawn with the surface's own anti-aliasing: rounded-rectangle outlines, pictures
// clipped to a circle with a ring, and the small random turn of a picture ("shake").
#include "raster/Bitmap32.h"
#include "raster/VectorUtils.h"

namespace qv {

// The closed outline of a rounded rectangle: four 90° arcs in boxes of D x D, D := Size
// div 2, at the corners of R (clockwise on screen from the left end of the top-left arc).
TArrayOfFloatPoint CreateRoundRectangle(const TFloatRect& R, Integer Size);
TArrayOfFloatPoint CreateRoundRectangle(const TRect& R, Integer Size);
// A one-pixel anti-aliased outline of that shape inside Rect, in Color.
void DrawRoundRectangle(TCustomBitmap32* Target, const TRect& Rect, TColor Color, Integer Size);
// Image stretched over Rect and clipped to the ellipse inscribed in it, edged by a ring of
// Color two pixels wide.
void DrawImageInCircle(TCustomBitmap32* Target, const TRect& Rect, const TCustomBitmap32* Image,
                       TColor Color);

// Turns the picture by Angle degrees about a random pivot (30 to 90 percent of each side).
// The result has the picture's size, or with Grow the size of the turned picture, and
// starts as Color32(BgColor). Unless KeepTransparent the picture is drawn in dmTransparent
// mode; afterwards its OuterColor is Color32(BgColor) and, with KeepTransparent, its draw
// mode dmTransparent.
void ShakeBitmapGR32(TCustomBitmap32* Bitmap, bool Grow, TColor BgColor, bool KeepTransparent,
                     double Angle);
void ShakeBitmap(TCustomBitmap32* Bitmap, double Angle);

}  // namespace qv
