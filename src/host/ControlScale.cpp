#include "host/ControlScale.h"

namespace qv {

TRect ScaleEdges(const TRect& R, int NewPPI, int BasePPI) {
  return TRect{ScaleLength(R.Left, NewPPI, BasePPI), ScaleLength(R.Top, NewPPI, BasePPI),
               ScaleLength(R.Right, NewPPI, BasePPI), ScaleLength(R.Bottom, NewPPI, BasePPI)};
}

TSize ScaleSize(TSize S, int NewPPI, int BasePPI) {
  return TSize{ScaleLength(S.cx, NewPPI, BasePPI), ScaleLength(S.cy, NewPPI, BasePPI)};
}

TPlacementRule ScaleRule(const TScaleBase<TPlacementRule>& Base, int NewPPI) {
  return {ScaleEdges(Base.Value.Bounds, NewPPI, Base.PPI),
          ScaleSize(Base.Value.ParentSize, NewPPI, Base.PPI)};
}

TSizeLimits ScaleLimits(const TScaleBase<TSizeLimits>& Base, int NewPPI) {
  const TSizeLimits& L = Base.Value;
  return {ScaleLength(L.MinWidth, NewPPI, Base.PPI), ScaleLength(L.MinHeight, NewPPI, Base.PPI),
          ScaleLength(L.MaxWidth, NewPPI, Base.PPI), ScaleLength(L.MaxHeight, NewPPI, Base.PPI)};
}

int ScaleFontHeight(const TScaleBase<int>& Base, int NewPPI) {
  return ScaleLength(Base.Value, NewPPI, Base.PPI);
}

}  // namespace qv
