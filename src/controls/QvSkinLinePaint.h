#pragma once
// How a skinned separator line looks and how it is painted: a solid fill or dashes along
// the first row (column) of the surface, and an optional two-colour gradient band over
// it. Portable.
#include "graphics/QvSkinGraphics.h"
#include "resources/QvSkinIntfTypes.h"

namespace qv {

enum TLineKind { lkHorizontal, lkVertical };
inline constexpr const wchar_t* TLineKindNames[] = {L"lkHorizontal", L"lkVertical"};

// The published look of a line, with its defaults.
struct TQvLineLook {
  TLineKind Kind = lkHorizontal;
  TQvPenStyle Style = TQvPenStyle::psSolid;
  TColor Color = TColor(0xFDF8F3);
  bool ActiveGradient = true;
  TGradientAlign GradientAlign = gaCenter;
  int GradientSize = 60;  // percent of the line's length
  TColor GradientStartColor = TColor(0xBCAA8C);
  TColor GradientEndColor = TColor(0xFDF8F3);
};

// One gradient band of a line: Rect filled along the line from From to To (FillGradient).
struct TQvLineBand {
  TRect Rect;
  TColor From, To;
};

// The gradient bands of a W × H line. The band is GradientSize percent of the length,
// truncated, and at least 2 pixels across; a centred pair meets one pixel before the middle,
// where the start colour sits. The lower band of a vertical centred pair reaches the
// bottom. None when the band comes out shorter than a pixel.
std::vector<TQvLineBand> LineGradientBands(const TQvLineLook& Look, int W, int H);

// Paints the line over Bitmap's W × H area.
void PaintSkinLine(TCustomBitmap32* Bitmap, int W, int H, const TQvLineLook& Look);

}  // namespace qv
