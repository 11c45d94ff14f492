#include <windows.h>

#include "raster/Color32.h"

namespace qv {

TColor SystemColorRGB(int Index) {
  return TColor(GetSysColor(Index) & 0xFFFFFF);
}

}  // namespace qv
