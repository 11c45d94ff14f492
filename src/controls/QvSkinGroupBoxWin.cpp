#include <windows.h>

#include <algorithm>

#include "controls/QvSkinGroupBox.h"
#include "graphics/BitmapHelper.h"
#include "graphics/BitmapHelperDC.h"
#include "graphics/QvComm.h"
#include "graphics/QvGR32LibSlicing.h"
#include "host/Canvas.h"
#include "host/Font.h"
#include "host/Menus.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"
#include "raster/Polygons.h"
#include "resources/QvSkinResManager.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinGroupBox>(), true);

}  // namespace

// ---- the check box ----------------------------------------------------------------------

void TGroupBoxCheckBox::SetVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  FGroupBox->CheckVisibleChanged();
}

void TGroupBoxCheckBox::SetChecked(bool Value) {
  if (FChecked == Value) return;
  FChecked = Value;
  if (FVisible) FGroupBox->EnabledControls(FChecked);
  FGroupBox->Invalidate();
  FGroupBox->NotifyAccessible(aeStateChange);
}

void TGroupBoxCheckBox::SetPictures(const TQvResID& Value) {
  if (FPictures == Value) return;
  FPictures = Value;
  FGroupBox->Invalidate();
}

void TGroupBoxCheckBox::Assign(TPersistent* Source) {
  if (auto* S = dynamic_cast<TGroupBoxCheckBox*>(Source)) {
    SetPictures(S->FPictures);
    SetChecked(S->FChecked);
    SetVisible(S->FVisible);
    return;
  }
  TPersistent::Assign(Source);
}

const TPropTable& TGroupBoxCheckBox::Properties() const {
  using C = TGroupBoxCheckBox;
  static const TPropTable Table = TPersistent::Properties().With({
      Prop(L"Checked", &C::Checked, &C::SetChecked, true),
      ResIDProp(L"Pictures", &C::Pictures, &C::SetPictures, DefaultPictures),
      Prop(L"Visible", &C::Visible, &C::SetVisible),
  });
  return Table;
}

// ---- the group box ----------------------------------------------------------------------

TQvSkinCustomGroupBox::TQvSkinCustomGroupBox(TComponent* AOwner)
    : TQvSkinCustomControl(AOwner),
      FCaptionLight(std::make_unique<TQvLightClass>()),
      FCheckBox(std::make_unique<TGroupBoxCheckBox>(this)) {
  SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks});
  FCaptionLight->OnChanged = [this](TObject*) { Invalidate(); };
}

TQvSkinCustomGroupBox::~TQvSkinCustomGroupBox() {
  FCaptionLight->OnChanged = nullptr;
}

int TQvSkinCustomGroupBox::ScaledCaptionHeight() const {
  return GetDPIScaledPixels(this, FCaptionHeight);
}

void TQvSkinCustomGroupBox::SetCaptionAlignment(TAlignment Value) {
  if (FCaptionAlignment == Value) return;
  FCaptionAlignment = Value;
  Invalidate();
}

void TQvSkinCustomGroupBox::SetCaptionHeight(int Value) {
  if (FCaptionHeight == Value) return;
  FCaptionHeight = Value;
  Realign();
  Invalidate();
}

void TQvSkinCustomGroupBox::SetLineStartColor(TColor Value) {
  if (FLineStartColor == Value) return;
  FLineStartColor = Value;
  Invalidate();
}

void TQvSkinCustomGroupBox::SetLineStopColor(TColor Value) {
  if (FLineStopColor == Value) return;
  FLineStopColor = Value;
  Invalidate();
}

void TQvSkinCustomGroupBox::SetLight(bool Value) {
  if (FLight == Value) return;
  FLight = Value;
  Invalidate();
}

void TQvSkinCustomGroupBox::SetFrameStyle(TGroupBoxFrameStyle Value) {
  if (FFrameStyle == Value) return;
  FFrameStyle = Value;
  if (HandleAllocated()) RecreateWnd();
  Realign();
  Invalidate();
}

void TQvSkinCustomGroupBox::CheckVisibleChanged() {
  // Shown, the check box rules the children; hidden, it must not leave them disabled.
  EnabledControls(FCheckBox->Visible() ? FCheckBox->Checked() : true);
  // With a check box the group takes the focus: Space toggles it.
  SetTabStop(FCheckBox->Visible());
  Invalidate();
}

void TQvSkinCustomGroupBox::EnabledControls(bool Enable) {
  for (int I = 0; I < ControlCount(); ++I) Controls(I)->SetEnabled(Enable);
}

void TQvSkinCustomGroupBox::AdjustClientRect(TRect& Rect) {
  TQvSkinCustomControl::AdjustClientRect(Rect);
  Rect.Top += ScaledCaptionHeight();
  if (FFrameStyle == fsBox) {
    Rect.Left += 1;
    Rect.Right -= 1;
    Rect.Bottom -= 1;
  }
}

int TQvSkinCustomGroupBox::CheckStateIndex() const {
  const TGroupBoxCheckBox& C = *FCheckBox;
  if (C.Checked()) return C.Pressed || C.MouseInControl ? 3 : 2;
  if (C.Pressed) return 3;
  return C.MouseInControl ? 1 : 0;
}

void TQvSkinCustomGroupBox::MouseLeave() {
  TQvSkinCustomControl::MouseLeave();
  if (FCheckBox->MouseInControl) {
    FCheckBox->MouseInControl = false;
    Invalidate();
  }
}

void TQvSkinCustomGroupBox::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_DIALOGCHAR:
      // The caption's accelerator toggles a shown check box.
      if (FCheckBox->Visible() && Enabled() && IsAccel(uint16_t(Message.WParam), Caption())) {
        if (CanFocus()) SetFocus();
        FCheckBox->SetChecked(!FCheckBox->Checked());
        Message.Result = 1;
        return;
      }
      break;
    case CM_CONTROLCHANGE:
      TQvSkinCustomControl::WndProc(Message);
      if (Message.LParam == 1 && FCheckBox->Visible())
        reinterpret_cast<TControl*>(Message.WParam)->SetEnabled(FCheckBox->Checked());
      return;
  }
  TQvSkinCustomControl::WndProc(Message);
  const TPoint P{short(LOWORD(Message.LParam)), short(HIWORD(Message.LParam))};
  const TRect& R = FCheckBox->Rect;
  const bool InCheck = P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom;
  switch (Message.Msg) {
    case WM_MOUSEMOVE:
      if (FCheckBox->Visible() && InCheck != FCheckBox->MouseInControl) {
        FCheckBox->MouseInControl = InCheck;
        Invalidate();
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (FCheckBox->Visible() && InCheck) {
        if (CanFocus()) SetFocus();
        FCheckBox->SetChecked(!FCheckBox->Checked());
      }
      break;
    case WM_KEYDOWN:
      if (Message.WParam == VK_SPACE && FCheckBox->Visible())
        FCheckBox->SetChecked(!FCheckBox->Checked());
      break;
    case WM_MOVE:
      if (AutoInvalidate()) Invalidate();
      break;
  }
}

void TQvSkinCustomGroupBox::DrawBody(TBitmap32* Bitmap) {
  const int W = Bitmap->Width(), H = Bitmap->Height(), CH = ScaledCaptionHeight();
  if (Width() <= 0 || CH <= 0) return;
  auto Updating = UpdateScope(*Bitmap);
  Bitmap->Font()->Assign(Font());
  TCanvas* Canvas = Bitmap->Canvas();
  if (Canvas) Canvas->Font().Assign(Font());
  const String& Text = Caption();
  const int TW = Text.empty() ? 0 : Bitmap->TextExtent(Text).cx;
  TDynQvSkinImage Parts;
  if (FCheckBox->Visible()) SpliteImg(SkinPicture(FCheckBox->Pictures()), 4, Parts);
  TQvSkinImage* Check = Parts.size() == 4 ? Parts[size_t(CheckStateIndex())].get() : nullptr;
  const TSize CheckSize = Check ? TSize{Check->Width(), Check->Height()} : TSize{0, 0};
  const TQvGroupBoxLayout L = GroupBoxLayout(W, CH, TW, CheckSize, FFrameStyle, FCaptionAlignment);
  FCheckBox->Rect = L.CheckRect;
  if (Check) {
    Check->SetDrawMode(dmBlend);
    Bitmap->Draw(L.CheckAt.X, L.CheckAt.Y, Check);
  }
  constexpr uint32_t Flags = DT_SINGLELINE | DT_VCENTER;
  if (FCaptionLight->Active() && !Text.empty() && Canvas) {
    TRect G = L.CaptionRect;
    DrawEffectText(*Canvas, G, Text, Flags, 0, FCaptionLight->Color(), FCaptionLight->BlurRadius());
  }
  Bitmap->Textout(L.CaptionRect, Flags, Text);
  const int D = L.Row;
  if (FFrameStyle == fsLine) {
    for (const TQvGroupBoxLayout::TRule& Rule : L.Rules) {
      const TColor From = Rule.StartAtLeft ? FLineStartColor : FLineStopColor;
      const TColor To = Rule.StartAtLeft ? FLineStopColor : FLineStartColor;
      FillGradient(Bitmap, From, To, true, Rect(Rule.X1, D, Rule.X2, D + 1));
      if (FLight && !Designing())
        for (int Width = 1; Width <= 7; ++Width)
          PolylineFS(Bitmap, {{double(Rule.X1), double(D)}, {double(Rule.X2), double(D + 1)}},
                     SetAlpha(Color32(clWhite), 18), false, Width, jsRound);
    }
  } else {
    const TColor32 C = Color32(FLineStartColor);
    Bitmap->LineTS(L.BoxRightStart, D, W, D, C);
    Bitmap->LineTS(W - 1, D, W - 1, CH, C);
    Bitmap->LineTS(0, D, L.BoxLeftEnd, D, C);
    Bitmap->LineTS(0, D, 0, CH, C);
    Bitmap->LineTS(0, CH, 0, H - 1, C);
    Bitmap->LineTS(W - 1, CH, W - 1, H - 1, C);
    Bitmap->LineTS(0, H - 1, W, H - 1, C);
  }
  // No focus look of its own: the platform's rectangle around the check box and caption.
  if (Focused() && ShowsFocusCues()) {
    const int Left = Check ? std::min(L.CheckAt.X, L.CaptionRect.Left) : L.CaptionRect.Left;
    DrawFocusCue(*Bitmap, Rect(Left - 1, 0, L.CaptionRect.Right + 1, CH));
  }
}

TQvAccessibleInfo TQvSkinCustomGroupBox::AccessibleInfo() const {
  TQvAccessibleInfo Info = TQvSkinCustomControl::AccessibleInfo();
  Info.Role = FCheckBox->Visible() ? arCheckButton : arGrouping;
  SetAccessibleCaption(Info, Caption());
  if (FCheckBox->Visible()) {
    if (TabStop()) Info.State.Include(asFocusable);
    if (const_cast<TQvSkinCustomGroupBox*>(this)->Focused()) Info.State.Include(asFocused);
    if (FCheckBox->Checked()) Info.State.Include(asChecked);
    Info.DefaultAction = FCheckBox->Checked() ? L"Uncheck" : L"Check";
  }
  return Info;
}

bool TQvSkinCustomGroupBox::DoAccessibleDefaultAction() {
  if (!FCheckBox->Visible() || !Enabled()) return false;
  FCheckBox->SetChecked(!FCheckBox->Checked());
  return true;
}

const TPropTable& TQvSkinCustomGroupBox::Properties() const {
  using C = TQvSkinCustomGroupBox;
  static const TPropTable Table = TQvSkinCustomControl::Properties().With({
      EnumProp(L"CaptionAlignment", &C::CaptionAlignment, &C::SetCaptionAlignment, TAlignmentNames),
      Prop(L"CaptionHeight", &C::CaptionHeight, &C::SetCaptionHeight, DefaultCaptionHeight),
      ObjectProp(L"CaptionLight", &C::CaptionLight),
      ObjectProp(L"CheckBox", &C::CheckBox),
      EnumProp(L"FrameStyle", &C::FrameStyle, &C::SetFrameStyle, TGroupBoxFrameStyleNames),
      Prop(L"Light", &C::Light, &C::SetLight),
      ColorProp(L"LineStartColor", &C::LineStartColor, &C::SetLineStartColor,
                DefaultLineStartColor),
      ColorProp(L"LineStopColor", &C::LineStopColor, &C::SetLineStopColor, DefaultLineStopColor),
  });
  return Table;
}

}  // namespace qv
