#pragma once
// Internal to the host: what the control code tells the scaling of control trees
// (ControlScaleWin.cpp). A value set by hand on a control that has been scaled becomes
// its new base at the control's current density.
namespace qv {

class TControl;
struct TControlScale;

struct TControlAccess {
  static void PlacedByHand(TControl* C);
  static void LimitsSetByHand(TControl* C);
  static void FontSetByHand(TControl* C);
  // The control is going away: its scale record with it.
  static void Forget(const TControl* C);
  // Scaling a tree (private members of TControl): every control of the tree takes the new
  // density, then each one its values from its bases, children first; Finish lets values
  // set by hand take new bases again.
  static TControlScale& Record(TControl* C);
  static void Prepare(TControl* C, int NewPPI);
  static void Finish(TControl* C);
  static void ScaleOne(TControl* C);
  static void ScaleTree(TControl* C);
};

}  // namespace qv
