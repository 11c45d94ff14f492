#pragma once
// The shape of a callout panel (a speech bubble) and of a marker badge, as plain lines and
// polygons, and their painting onto a surface. Portable.
#include <vector>

#include "host/Types.h"
#include "raster/Color32.h"
#include "raster/VectorUtils.h"

namespace qv {

class TCustomBitmap32;

// The side that carries the pointer.
enum TQvCalloutPosition { cpTop, cpLeft, cpBottom, cpRight };
inline constexpr const wchar_t* TQvCalloutPositionNames[] = {L"cpTop", L"cpLeft", L"cpBottom",
                                                             L"cpRight"};

// Start of the pointer's base along a side of SideLength: Offset, or centred for 0.
int CalloutBaseStart(int SideLength, int CalloutWidth, int CalloutOffset);
// The body without the pointer's strip, in a client area of CW × CH.
TRect CalloutBodyRect(TQvCalloutPosition Position, int Length, int CW, int CH);
// Moves the pointer's side of a client rectangle inwards by Length.
void CalloutClientRect(TQvCalloutPosition Position, int Length, TRect& R);

struct TCalloutLine {
  double X1, Y1, X2, Y2;
  friend bool operator==(const TCalloutLine&, const TCalloutLine&) = default;
};

// The outline of a W × H panel: integer lines (anti-aliased, whole pixels), the pointer's
// two slanted lines and its triangle.
struct TCalloutOutline {
  std::vector<TCalloutLine> Lines;
  std::vector<TCalloutLine> PointerLines;
  TArrayOfFloatPoint Triangle;
};
TCalloutOutline CalloutOutline(TQvCalloutPosition Position, int W, int H, int Length,
                               int CalloutWidth, int CalloutOffset);
// Lines in LineColor; the triangle filled (even-odd) with Fill before its slanted lines.
void PaintCalloutOutline(TCustomBitmap32* Bitmap, const TCalloutOutline& Outline,
                         TColor32 LineColor, TColor32 Fill);

// A marker badge in (X, Y, W, H): a rounded rectangle with corner size Round, or the
// ellipse for Round 0. Filled with Fill (unless !Filled), outlined with a 1-pixel Line
// (unless !Outlined).
TArrayOfFloatPoint MarkerShape(int X, int Y, int W, int H, int Round);
void PaintMarkerShape(TCustomBitmap32* Bitmap, int X, int Y, int W, int H, int Round, bool Filled,
                      TColor32 Fill, bool Outlined, TColor32 Line);

}  // namespace qv
