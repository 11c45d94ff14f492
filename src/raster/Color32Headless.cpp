#include "raster/Color32.h"

namespace qv {

// The classic Windows default colours, indexed by COLOR_* number.
TColor SystemColorRGB(int Index) {
  static const TColor Table[] = {
      0xC8D0D4, 0xA56E3A, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000,
      0x000000, 0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4,
      0x808080, 0x808080, 0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040, 0xC8D0D4, 0x000000,
      0xE1FFFF, 0xB5B5B5, 0x800000, 0xF0CAA6, 0xC0C0C0, 0x6A240A, 0xC8D0D4};
  if (Index < 0 || Index >= int(sizeof(Table) / sizeof(Table[0]))) return 0;
  return Table[Index];
}

}  // namespace qv
