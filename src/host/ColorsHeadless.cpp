// Without a platform, system colours resolve to the classic Windows defaults.
#include "host/Colors.h"

namespace qv {

TColor ColorToRGB(TColor Color) {
  static const TColor Defaults[] = {
      0xC8C8C8, 0x000000, 0xD1B499, 0xDBCDBF, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
      0x000000, 0x000000, 0xB4B4B4, 0xFCF7F4, 0xABABAB, 0xFF9933, 0xFFFFFF, 0xF0F0F0,
      0xA0A0A0, 0x6D6D6D, 0x000000, 0x544E43, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
      0xE1FFFF, 0x000000, 0xCC6600, 0xEAD1B9, 0xF2E4D7, 0xFF9933, 0xF0F0F0};
  if (Color >= 0) return Color;
  TColor Replaced;
  if (SystemColorOverride(Color, Replaced)) return Replaced;
  unsigned Index = unsigned(Color) & 0xFF;
  return Index < sizeof(Defaults) / sizeof(Defaults[0]) ? Defaults[Index] : clBlack;
}

}  // namespace qv
