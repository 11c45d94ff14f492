#pragma once
// Scaling a control's placement, size limits and font between pixel densities.
//
// The rule that keeps round trips exact: a control remembers its placement as it was last
// set by hand (not by its parent's alignment or anchors), together with the density it was
// set at: its scale base. Every scale computes the new values from that base, never from
// the previous scaled result, so rounding never accumulates. Scaling back to the base's
// density gives the base itself (96 -> 144 -> 96 returns every bound exactly), and the
// values at a density do not depend on the densities visited on the way. Setting a value
// by hand takes a new base at the current density.
//
// Edges are scaled, not sizes, so controls that touch keep touching. The parent's client
// size of the anchor rule scales with the bounds; the anchors are then applied against the
// parent's real client size, which need not be an exact multiple (unscaled frame lines).
// Portable.
#include "host/DpiScale.h"
#include "host/Types.h"

namespace qv {

// Value * NewPPI / BasePPI, rounded half away from zero.
inline int ScaleLength(int Value, int NewPPI, int BasePPI) {
  return MulDiv(Value, NewPPI, BasePPI);
}
// Each edge scaled on its own.
TRect ScaleEdges(const TRect& R, int NewPPI, int BasePPI);
TSize ScaleSize(TSize S, int NewPPI, int BasePPI);

// A value as set by hand at a density.
template <class T>
struct TScaleBase {
  T Value{};
  int PPI = DesignDpi;
};

// The anchor rule of a control: its bounds when placed by hand and its parent's client
// size then.
struct TPlacementRule {
  TRect Bounds;
  TSize ParentSize;
  bool operator==(const TPlacementRule&) const = default;
};
TPlacementRule ScaleRule(const TScaleBase<TPlacementRule>& Base, int NewPPI);

// Size limits (0: none, which stays 0).
struct TSizeLimits {
  int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;
  bool operator==(const TSizeLimits&) const = default;
};
TSizeLimits ScaleLimits(const TScaleBase<TSizeLimits>& Base, int NewPPI);

// A font height in pixels (negative: character height), kept in its sign.
int ScaleFontHeight(const TScaleBase<int>& Base, int NewPPI);

// What a scaled control keeps: its current density and the three bases. A control never
// scaled has none: its current values are its bases at 96.
struct TControlScale {
  int PPI = DesignDpi;
  TScaleBase<TPlacementRule> Placement;
  TScaleBase<TSizeLimits> Limits;
  TScaleBase<int> FontHeight;
  bool Scaling = false;  // values set now come from the bases: they take no new base
};

// ---- control trees (Windows build, ControlScaleWin.cpp) ----
class TControl;

// Pixel density a control is laid out for (96 until it is scaled).
int ControlPPI(const TControl* Control);
// Scales Control and its children to NewPPI: bounds, size limits and fonts (a font keeps
// its size in points; its height follows the density), each from its base. A control
// without parent keeps its position, or takes NewBounds when given (the system's
// suggestion on a change of monitor); anchored children are placed against the final
// client size. Then every control of the tree hears WM_DPICHANGED_AFTERPARENT with NewPPI
// in WParam, so that controls keeping pixel sizes of their own rescale them.
void ScaleForPPI(TControl* Control, int NewPPI, const TRect* NewBounds = nullptr);
// The size a control without parent takes at NewPPI by the same rule.
TSize ScaledSize(const TControl* Control, int NewPPI);

}  // namespace qv
