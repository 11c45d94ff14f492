#pragma once
// The faces of the flat colour buttons, drawn on a 32-bit surface: a filled rectangle with
// border lines or a rounded fill (colour button), and the rounded rectangle with per-corner
// rounding, outline and straight borders (corner button). Portable.
#include "raster/Bitmap32.h"
#include "raster/VectorUtils.h"
#include "resources/QvSkinIntfTypes.h"

namespace qv {

// The rectangle (0, 0, W, H) with quarter-circle corners of Radius (a plain rectangle for
// 0); the radius is limited to half the shorter side.
TArrayOfFloatPoint RoundedFace(double Left, double Top, double Right, double Bottom, int Radius);

// Colour button: Rounded: an anti-aliased rounded fill of Radius; otherwise the whole
// surface blend-filled, then (unless RoundFrame) a line in Border on each side of Sides.
void DrawColorFace(TBitmap32& Dst, TColor32 Fill, bool RoundFrame, bool Smooth, int Radius,
                   TSides Sides, TColor32 Border);

struct TQvCornerFace {
  int RoundSize = 10;
  int BorderWidth = 1;
  TQvCorners Corners = {TopLeft, TopRight, BottomLeft, BottomRight};
  TSides BorderSides = {sdLeft, sdTop, sdRight, sdBottom};
  TColor32 Fill = 0;    // the face colour with the button's Alpha
  TColor32 Solid = 0;   // the face colour, opaque
  TColor32 Border = 0;  // opaque
};

// Corner button: the face over Dst, which holds the background (Background: the same
// picture, from which square corners get it back before they are filled).
void DrawCornerFace(TBitmap32& Dst, const TBitmap32& Background, const TQvCornerFace& F);

}  // namespace qv
