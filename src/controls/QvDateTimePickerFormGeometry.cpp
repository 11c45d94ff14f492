#include "controls/QvDateTimePickerFormGeometry.h"

#include <algorithm>

#include "controls/QvSkinHintGeometry.h"

namespace qv {

namespace {

int64_t Overlap(const TRect& A, const TRect& B) {
  TRect R;
  return IntersectRect(R, A, B) ? int64_t(R.Width()) * R.Height() : 0;
}

// Squared distance from the rectangle's centre to the nearest point of Area.
int64_t Distance(const TRect& R, const TRect& Area) {
  const int64_t X = (int64_t(R.Left) + R.Right) / 2, Y = (int64_t(R.Top) + R.Bottom) / 2;
  const int64_t DX = X < Area.Left ? Area.Left - X : X >= Area.Right ? X - Area.Right + 1 : 0;
  const int64_t DY = Y < Area.Top ? Area.Top - Y : Y >= Area.Bottom ? Y - Area.Bottom + 1 : 0;
  return DX * DX + DY * DY;
}

}  // namespace

int MonitorIndexOf(const TRect& Control, const std::vector<TQvMonitorArea>& Monitors) {
  int Best = -1;
  int64_t BestOverlap = 0, BestDistance = 0;
  for (size_t I = 0; I < Monitors.size(); ++I) {
    const int64_t O = Overlap(Control, Monitors[I].Bounds);
    const int64_t D = Distance(Control, Monitors[I].Bounds);
    if (Best < 0 || O > BestOverlap || (O == 0 && BestOverlap == 0 && D < BestDistance)) {
      Best = int(I);
      BestOverlap = O;
      BestDistance = D;
    }
  }
  return Best;
}

TRect PickerPopupBounds(const TRect& Control, TSize Popup,
                        const std::vector<TQvMonitorArea>& Monitors) {
  const TRect R = Bounds(Control.Left + 1, Control.Bottom + 1, Popup.cx, Popup.cy);
  const int I = MonitorIndexOf(Control, Monitors);
  return I < 0 ? R : KeepOnWorkArea(R, Monitors[size_t(I)].WorkArea);
}

}  // namespace qv
