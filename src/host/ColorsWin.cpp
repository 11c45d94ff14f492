#include <windows.h>

#include "host/Colors.h"

namespace qv {

TColor ColorToRGB(TColor Color) {
  if (Color >= 0) return Color;
  TColor Replaced;
  if (SystemColorOverride(Color, Replaced)) return Replaced;
  return TColor(GetSysColor(int(unsigned(Color) & 0xFF)));
}

}  // namespace qv
