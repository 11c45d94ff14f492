#pragma once
// The edit's own tips: a one-line message in a tip window to the right of the control that
// owns the component, vertically centred on it, without close button, hidden while the
// control's form is inactive. TQvSkinEditTips publishes the look and the pause.
#include "controls/QvSkinTips.h"

namespace qv {

class TQvSkinCustomEditTips : public TQvSkinCustomTips {
  QV_CLASS(TQvSkinCustomEditTips)
 public:
  // AOwner is the control the tips belong to (a windowed control; anything else shows
  // nothing).
  explicit TQvSkinCustomEditTips(TComponent* AOwner);

  static constexpr int EditPauseTime = 3000;
  static constexpr TColor EditTipsColor = 4864985;       // $4A3BD9
  static constexpr TColor EditTipsFontColor = 15724527;  // $EFEFEF

  using TQvSkinCustomTips::Show;
  // Replaces any shown tip with Tips at LeftTop (in the owner's parent's coordinates).
  HWND Show(TPoint LeftTop, const String& Tips);
  // Replaces any shown tip with Tips to the right of the owner.
  HWND Show(const String& Tips);
  // Frees every tip window.
  void Hide() { CloseSubTipsWindow(); }

 private:
  TWinControl* FOwner;
};

class TQvSkinEditTips : public TQvSkinCustomEditTips {
  QV_CLASS(TQvSkinEditTips)
 public:
  using TQvSkinCustomEditTips::TQvSkinCustomEditTips;
  const TPropTable& Properties() const override;
};

}  // namespace qv
