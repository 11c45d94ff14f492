#pragma once
// The gradient fill of the skinned panel: one or two bands, each a linear gradient from
// the start colour at one edge to the end colour at the opposite edge. Portable.
#include <vector>

#include "raster/Bitmap32.h"
#include "resources/QvSkinIntfTypes.h"

namespace qv {

struct TQvGradientBand {
  TRect Rect;
  TPoint Start;  // on the edge that takes the start colour
  TPoint End;    // on the opposite edge
};

// The bands on a W × H panel. The band is GradientSize percent of the width (horizontal)
// or height (vertical), truncated, and spans the other extent (at least 2 pixels). Centred
// bands start at the middle line; the lower one of a vertical pair reaches the bottom.
// None when the band size comes out below one pixel.
std::vector<TQvGradientBand> GradientBands(TGradientDirection Direction, TGradientAlign Align,
                                           int GradientSize, int W, int H);

// Blends the bands onto Bitmap through a transparent surface of its size.
void FillGradientBands(TCustomBitmap32* Bitmap, TGradientDirection Direction, TGradientAlign Align,
                       int GradientSize, TColor32 StartColor, TColor32 EndColor);

}  // namespace qv
