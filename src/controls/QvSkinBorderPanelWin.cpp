#include "controls/QvSkinBorderPanel.h"
#include "graphics/QvGR32LibSlicing.h"
#include "host/Properties.h"
#include "resources/QvSkinResManager.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinBorderPanel>(), true);

constexpr int kFrame = 2;  // the frame is this wide whatever NCSize is

}  // namespace

TQvSkinBorderPanel::TQvSkinBorderPanel(TComponent* AOwner) : TQvSkinPanel(AOwner) {
  SetAlpha(0);
  SetBorderSides({sdLeft, sdTop, sdRight, sdBottom});
}

bool TQvSkinBorderPanel::HotFrame() {
  return (FInControl || FOverControl || Focused()) && FActiveHotFrame;
}

void TQvSkinBorderPanel::UpdateFrame(bool ViaMouse, bool InFocus) {
  if (Designing()) return;
  (ViaMouse ? FOverControl : FInControl) = InFocus;
  Invalidate();
}

void TQvSkinBorderPanel::AdjustClientRect(TRect& Rect) {
  // Replaces the panel's border insets, and does not repaint.
  TCustomPaintBox32_qv::AdjustClientRect(Rect);
  Rect.Left += FNCSize;
  Rect.Top += FNCSize;
  Rect.Right -= FNCSize;
  Rect.Bottom -= FNCSize;
}

void TQvSkinBorderPanel::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_MOUSEENTER:
      TQvSkinPanel::WndProc(Message);
      if (FCMMouse || !FInControl) UpdateFrame(true, true);
      return;
    case CM_MOUSELEAVE:
      TQvSkinPanel::WndProc(Message);
      if (FCMMouse) UpdateFrame(true, false);
      return;
  }
  TQvSkinPanel::WndProc(Message);
}

void TQvSkinBorderPanel::DrawBody(TBitmap32* Bitmap) {
  if (Designing()) {
    TQvSkinPanel::DrawBody(Bitmap);
    return;
  }
  const int W = Width(), H = Height();
  if (!Transparent()) DrawParentImage(this, Bitmap, BackgroundRect());
  Bitmap->FillRectTS(kFrame, kFrame, W - kFrame, H - kFrame,
                     qv::SetAlpha(Color32(Color()), Alpha()));
  if (!BackgroundImage().empty()) TQvSkinPanel::DrawBody(Bitmap);

  // Only the frame strips come back: the picture's inside never shows, so the picture is
  // stretched strip by strip through the clip instead of over the whole panel.
  const TRect Strips[] = {
      {0, 0, W, kFrame}, {0, H - kFrame, W, H}, {0, 0, kFrame, H}, {W - kFrame, 0, W, H}};
  TCustomBitmap32 Temp;
  Temp.Assign(Bitmap);
  Temp.SetDrawMode(dmOpaque);
  if (TQvSkinImage* Frame = SkinPicture(HotFrame() ? FBorderEffectHot : FBorderEffectNormal)) {
    for (const TRect& R : Strips) {
      Temp.SetClipRect(R);
      StretchBitmap(Frame, &Temp, false);
    }
    Temp.SetClipRect(Temp.BoundsRect());
  }
  DrawCaption(Bitmap);
  for (const TRect& R : Strips) Bitmap->Draw(R.Left, R.Top, R, &Temp);
}

// ---- object text form ---------------------------------------------------------------

const TPropTable& TQvSkinBorderPanel::Properties() const {
  using C = TQvSkinBorderPanel;
  static const TPropTable Table = TQvSkinPanel::Properties().With({
      Prop(L"ActiveHotFrame", &C::ActiveHotFrame, &C::SetActiveHotFrame, DefaultActiveHotFrame),
      ResIDProp(L"BorderEffectHot", &C::BorderEffectHot, &C::SetBorderEffectHot,
                DefaultBorderEffectHot),
      ResIDProp(L"BorderEffectNormal", &C::BorderEffectNormal, &C::SetBorderEffectNormal,
                DefaultBorderEffectNormal),
  });
  return Table;
}

}  // namespace qv
