#pragma once
// Internal to the host: what the control code tells the scaling of control trees
// (ControlScaleWin.cpp). A value set by hand on a control that has been scaled becomes
// its new base at the control's current density.
namespace qv {

class TControl;

struct TControlAccess {
  static void PlacedByHand(TControl* C);
  static void LimitsSetByHand(TControl* C);
  static void FontSetByHand(TControl* C);
  // The control is going away: its scale record with it.
  static void Forget(const TControl* C);
  // Scaling a tree (private members of TControl).
  static void ScaleOne(TControl* C, int NewPPI);
  static void ScaleTree(TControl* C, int NewPPI);
};

}  // namespace qv
