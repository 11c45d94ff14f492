// Without a platform there are no device contexts to draw on or measure with.
#include "graphics/BitmapHelper.h"

namespace qv {

void DrawEffectText(TPlatformDC, TRect&, const String&, Cardinal, Integer, TColor, Integer,
                    Integer) {}
void DrawEffectText(TCanvas&, TRect&, const String&, Cardinal, Integer, TColor, Integer, Integer) {}
void FillGradient(TCanvas&, TColor, TColor, bool, const TRect&) {}
void ColorBlend(TPlatformDC, const TRect&, TColor, uint8_t) {}
void FillGradient(TPlatformDC, TColor, TColor, bool, const TRect&) {}
Integer CalcTextWidthW(TPlatformDC, const String&) {
  return 0;
}
Integer CalcTextHeightW(TPlatformDC, const String&) {
  return 0;
}

}  // namespace qv
