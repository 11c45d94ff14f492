#include "controls/QvSkinLinePaint.h"

#include <algorithm>

#include "graphics/BitmapHelper.h"
#include "host/ScopeGuard.h"
#include "raster/Polygons.h"

namespace qv {

std::vector<TQvLineBand> LineGradientBands(const TQvLineLook& Look, int W, int H) {
  const bool Horizontal = Look.Kind == lkHorizontal;
  const int Length = Horizontal ? W : H;
  const int B = int(int64_t(Look.GradientSize) * Length / 100);
  if (B <= 0) return {};
  const int T = std::max(Horizontal ? H : W, 2);
  const int C = Length / 2;
  const TColor S = Look.GradientStartColor, E = Look.GradientEndColor;
  // A band over [Lo, Hi) along the line.
  auto Band = [&](int Lo, int Hi, TColor From, TColor To) {
    return TQvLineBand{Horizontal ? TRect{Lo, 0, Hi, T} : TRect{0, Lo, T, Hi}, From, To};
  };
  switch (Look.GradientAlign) {
    case gaLeft:
      return {Band(0, B, S, E)};
    case gaRight:
      return {Band(Length - B, Length, E, S)};
    case gaCenter:
    default:
      return {Band(C - B, C, E, S), Band(C - 1, Horizontal ? C + B : Length, S, E)};
  }
}

void PaintSkinLine(TCustomBitmap32* Bitmap, int W, int H, const TQvLineLook& Look) {
  if (!Bitmap || Bitmap->Empty()) return;
  const bool Horizontal = Look.Kind == lkHorizontal;
  const TColor32 Color = SetAlpha(Color32(Look.Color), 0xFF);
  auto Updating = UpdateScope(*Bitmap);
  if (Look.Style == TQvPenStyle::psSolid) {
    Bitmap->FillRectS(0, 0, W, H, Color);
  } else {
    // Dashes along the first row (column), stroked as wide as the line plus one and
    // centred on it, so about half of each dash lies outside the surface.
    const std::vector<double> Pattern =
        Look.Style == TQvPenStyle::psDot ? std::vector<double>{4, 2} : std::vector<double>{21, 7};
    const TArrayOfFloatPoint Axis = Horizontal ? Line(0, 0, W, 0) : Line(0, 0, 0, H);
    PolyPolylineFS(Bitmap, BuildDashedLine(Axis, Pattern, 0, false), Color, false,
                   (Horizontal ? H : W) + 1, jsMiter, esButt, 4);
  }
  if (Look.ActiveGradient)
    for (const TQvLineBand& Band : LineGradientBands(Look, W, H))
      FillGradient(Bitmap, Band.From, Band.To, Horizontal, Band.Rect);
}

}  // namespace qv
