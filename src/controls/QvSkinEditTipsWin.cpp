#include "controls/QvSkinEditTips.h"
#include "host/Properties.h"
#include "host/WinControl.h"

namespace qv {

namespace {
const bool kRegistered = (RegisterComponentClass<TQvSkinEditTips>(), true);
}  // namespace

TQvSkinCustomEditTips::TQvSkinCustomEditTips(TComponent* AOwner)
    : TQvSkinCustomTips(AOwner), FOwner(dynamic_cast<TWinControl*>(AOwner)) {
  SetPauseTime(EditPauseTime);
  SetTipsColor(EditTipsColor);
  SetFrameColor(EditTipsColor);
  TipsFont()->SetColor(EditTipsFontColor);
  SetCloseButtonVisible(false);
  SetHideOfParentDeactivate(true);
}

HWND TQvSkinCustomEditTips::Show(TPoint LeftTop, const String& Tips) {
  Hide();
  if (!FOwner) return nullptr;
  const TSize Size = GetTipsSize(Tips);
  const TRect R =
      Rect(LeftTop.X, LeftTop.Y, LeftTop.X + Size.cx + TipsTextMargin, LeftTop.Y + Size.cy);
  return TQvSkinCustomTips::Show(L"", Tips, FOwner, &R, hdCustom);
}

HWND TQvSkinCustomEditTips::Show(const String& Tips) {
  if (!FOwner) return nullptr;
  return Show(EditTipsLeftTop(FOwner->BoundsRect(), GetTipsHeight(Tips)), Tips);
}

// The streaming defaults are the edit's own, so that every value that differs from what a
// new edit tips holds (the tips' 3500 pause included) is written and read back.
const TPropTable& TQvSkinEditTips::Properties() const {
  using C = TQvSkinEditTips;
  static const TQvSkinCustomEditTips Reference(nullptr);
  static const TPropTable Table = TQvSkinCustomEditTips::Properties().With({
      ColorProp(L"FrameColor", &C::FrameColor, &C::SetFrameColor, EditTipsColor),
      ColorProp(L"TipsColor", &C::TipsColor, &C::SetTipsColor, EditTipsColor),
      ObjectProp(L"TipsFont", &C::TipsFont, Reference.TipsFont()),
      Prop(L"PauseTime", &C::PauseTime, &C::SetPauseTime, EditPauseTime),
  });
  return Table;
}

}  // namespace qv
