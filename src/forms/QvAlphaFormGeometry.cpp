#include "forms/QvAlphaFormGeometry.h"

namespace qv {

int QvAlphaFormHitTest(TPoint P, int W, int H, int T) {
  struct TZone {
    TRect R;
    int Code;
  };
  const TZone Zones[] = {
      {Rect(0, 0, T, T), 13},         {Rect(T, 0, W - T, T), 12},
      {Rect(W - T, 0, W, T), 14},     {Rect(W - T, T, W, H - T), 11},
      {Rect(W - T, H - T, W, H), 17}, {Rect(T, H - T, W - T, H), 15},
      {Rect(0, H - T, T, H), 16},     {Rect(0, T, T, H - T), 10},
  };
  for (const TZone& Z : Zones)
    if (P.X >= Z.R.Left && P.X < Z.R.Right && P.Y >= Z.R.Top && P.Y < Z.R.Bottom) return Z.Code;
  return 0;
}

}  // namespace qv
