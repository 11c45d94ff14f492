// Without a platform there are no device contexts to draw on or measure with.
#include "graphics/BitmapHelper.h"

namespace qv {

void DrawEffectText(HDC, TRect&, const String&, Cardinal, Integer, TColor, Integer, Integer) {}
void DrawEffectText(TCanvas&, TRect&, const String&, Cardinal, Integer, TColor, Integer, Integer) {}
void FillGradient(TCanvas&, TColor, TColor, bool, const TRect&) {}
void ColorBlend(HDC, const TRect&, TColor, uint8_t) {}
void FillGradient(HDC, TColor, TColor, bool, const TRect&) {}
Integer CalcTextWidthW(HDC, const String&) {
  return 0;
}
Integer CalcTextHeightW(HDC, const String&) {
  return 0;
}

}  // namespace qv
