#include <windows.h>

#include <algorithm>
#include <vector>

#include "controls/QvSkinCheckBox.h"
#include "graphics/BitmapHelperDC.h"
#include "graphics/QvComm.h"
#include "graphics/QvGR32LibSlicing.h"
#include "host/Canvas.h"
#include "host/Font.h"
#include "host/Menus.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"
#include "resources/QvSkinResManager.h"

namespace qv {

namespace {

const bool kRegistered =
    (RegisterComponentClass<TQvSkinCheckBox>(), RegisterComponentClass<TQvSkinRadioBox>(),
     RegisterComponentClass<TQvSkinSwitchButton>(), true);

// The focus cue around a caption written with DT_VCENTER | DT_SINGLELINE into R.
void CaptionFocusCue(TBitmap32& B, const TRect& R, const String& Text) {
  const TSize S = B.TextExtent(Text.empty() ? String(L" ") : Text);
  const int Top = R.Top + (R.Bottom - R.Top - S.cy) / 2;
  DrawFocusCue(B, Rect(R.Left - 1, std::max(Top - 1, 0), std::min(R.Left + S.cx + 1, R.Right),
                       std::min(Top + S.cy + 1, B.Height())));
}

}  // namespace

// ---- the shared part ----------------------------------------------------------------

TQvSkinCustomCheckControl::TQvSkinCustomCheckControl(TComponent* AOwner)
    : TQvSkinCustomControl(AOwner), FLight(std::make_unique<TQvLightClass>()) {
  SetTabStop(true);
  SetBounds(Left(), Top(), 113, 17);
  FLight->OnChanged = [this](TObject*) { Invalidate(); };
}

TQvSkinCustomCheckControl::~TQvSkinCustomCheckControl() {
  FLight->OnChanged = nullptr;
}

void TQvSkinCustomCheckControl::SetPictures(const TQvResID& Value) {
  if (FPictures == Value) return;
  FPictures = Value;
  Invalidate();
}

void TQvSkinCustomCheckControl::DoChanged() {
  NotifyAccessible(aeStateChange);
  if (OnChanged) OnChanged(this);
}

void TQvSkinCustomCheckControl::TakeFocus() {
  if (CanFocus() && !Focused()) SetFocus();
}

void TQvSkinCustomCheckControl::MouseEnter() {
  TQvSkinCustomControl::MouseEnter();
  FMouseInControl = true;
  Invalidate();
}

void TQvSkinCustomCheckControl::MouseLeave() {
  TQvSkinCustomControl::MouseLeave();
  FMouseInControl = false;
  Invalidate();
}

void TQvSkinCustomCheckControl::CreateWnd() {
  TQvSkinCustomControl::CreateWnd();
  Perform(BM_SETCHECK, FChecked ? BST_CHECKED : BST_UNCHECKED);
}

void TQvSkinCustomCheckControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_DIALOGCHAR:
      // The accelerator focuses; the state does not change.
      if (CanFocus() && IsAccel(uint16_t(Message.WParam), Caption())) {
        TakeFocus();
        Message.Result = 1;
        return;
      }
      break;
    case BM_SETCHECK:
      TQvSkinCustomControl::WndProc(Message);
      Message.Result = Checked() ? 1 : 0;
      Invalidate();
      return;
    case BM_GETCHECK:
      Message.Result = Checked() ? BST_CHECKED : BST_UNCHECKED;
      return;
  }
  TQvSkinCustomControl::WndProc(Message);
}

void TQvSkinCustomCheckControl::DrawBody(TBitmap32* Bitmap) {
  TQvSkinCustomControl::DrawBody(Bitmap);
  TBitmap32 Work;
  Work.SetSize(Width(), Height());
  Work.Draw(0, 0, Bitmap);
  auto Updating = UpdateScope(Work);
  TDynQvSkinImage Parts;
  SpliteImg(SkinPicture(FPictures), 4, Parts);
  int PictureWidth = 0;
  if (Parts.size() == 4) {
    TQvSkinImage* P = Parts[size_t(StateIndex())].get();
    PictureWidth = P->Width();
    Work.Draw(0, Height() / 2 - P->Height() / 2, P);
  }
  const TRect R{PictureWidth + CaptionGap(), 0, Width(), Height()};
  Work.Font()->Assign(Font());
  constexpr uint32_t Flags = DT_VCENTER | DT_SINGLELINE;
  if (FLight->Active())
    if (TCanvas* Canvas = Work.Canvas()) {
      Canvas->Font().Assign(Font());
      TRect G = R;
      DrawEffectText(*Canvas, G, Caption(), Flags, 0, FLight->Color(), FLight->BlurRadius());
    }
  if (!Enabled()) Work.Font()->SetColor(DisabledTextColor);
  Work.Textout(R, Flags, Caption());
  // The picture has no focus look: the platform's rectangle around the caption.
  if (Focused() && ShowsFocusCues()) CaptionFocusCue(Work, R, Caption());
  Bitmap->Draw(0, 0, &Work);
}

TQvAccessibleInfo TQvSkinCustomCheckControl::AccessibleInfo() const {
  TQvAccessibleInfo Info = TQvSkinCustomControl::AccessibleInfo();
  Info.Role = arCheckButton;
  SetAccessibleCaption(Info, Caption());
  if (TabStop()) Info.State.Include(asFocusable);
  if (const_cast<TQvSkinCustomCheckControl*>(this)->Focused()) Info.State.Include(asFocused);
  if (FMouseInControl) Info.State.Include(asHot);
  if (Checked()) Info.State.Include(asChecked);
  Info.DefaultAction = Checked() ? L"Uncheck" : L"Check";
  return Info;
}

const TPropTable& TQvSkinCustomCheckControl::Properties() const {
  using C = TQvSkinCustomCheckControl;
  static const TPropTable Table = TQvSkinCustomControl::Properties().With({
      ObjectProp(L"Light", &C::Light),
  });
  return Table;
}

// ---- check box ------------------------------------------------------------------------

TQvSkinCheckBox::TQvSkinCheckBox(TComponent* AOwner) : TQvSkinCustomCheckControl(AOwner) {
  SetPictures(DefaultPictures);
}

void TQvSkinCheckBox::SetChecked(bool Value) {
  if (FChecked == Value) return;
  FChecked = Value;
  Invalidate();
  DoChanged();
}

int TQvSkinCheckBox::StateIndex() const {
  return (FChecked ? 2 : 0) + (FMouseInControl ? 1 : 0);
}

int TQvSkinCheckBox::CaptionGap() const {
  return GetDPIScaledPixels(this, 3);
}

void TQvSkinCheckBox::WndProc(TMessage& Message) {
  TQvSkinCustomCheckControl::WndProc(Message);
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
      TakeFocus();
      SetChecked(!FChecked);
      break;
    case WM_KEYDOWN:
      if (Message.WParam == VK_SPACE) SetChecked(!FChecked);
      break;
  }
}

bool TQvSkinCheckBox::DoAccessibleDefaultAction() {
  if (!Enabled()) return false;
  SetChecked(!FChecked);
  return true;
}

const TPropTable& TQvSkinCheckBox::Properties() const {
  using C = TQvSkinCheckBox;
  static const TPropTable Table = TQvSkinCustomCheckControl::Properties().With({
      Prop(L"Checked", &C::Checked, &C::SetChecked),
      ResIDProp(L"Pictures", &C::Pictures, &C::SetPictures, DefaultPictures),
  });
  return Table;
}

// ---- radio box ------------------------------------------------------------------------

TQvSkinRadioBox::TQvSkinRadioBox(TComponent* AOwner) : TQvSkinCustomCheckControl(AOwner) {
  SetPictures(DefaultPictures);
}

void TQvSkinRadioBox::SetChecked(bool Value) {
  if (FChecked != Value) {
    FChecked = FOldChecked = Value;
    if (Value) {
      TurnSiblingsOff();
      Click();
    }
    DoChanged();
  }
  Invalidate();
}

void TQvSkinRadioBox::Click() {
  if (FChecked == FOldChecked) return;
  FOldChecked = FChecked;
  TQvSkinCustomCheckControl::Click();
}

void TQvSkinRadioBox::TurnSiblingsOff() {
  TWinControl* P = Parent();
  if (!P) return;
  for (int I = 0; I < P->ControlCount(); ++I)
    if (auto* R = dynamic_cast<TQvSkinRadioBox*>(P->Controls(I));
        R && R != this && R->FGroupIndex == FGroupIndex)
      R->SetChecked(false);
}

int TQvSkinRadioBox::StateIndex() const {
  if (FChecked) return FMouseInControl ? 2 : 1;
  return FMouseInControl ? 3 : 0;
}

TQvSkinRadioBox* TQvSkinRadioBox::GroupNeighbour(bool Forward) const {
  TWinControl* P = Parent();
  if (!P) return nullptr;
  std::vector<TWinControl*> Order;
  P->GetTabOrderList(Order);
  std::vector<TQvSkinRadioBox*> Group;
  for (TWinControl* W : Order)
    if (auto* R = dynamic_cast<TQvSkinRadioBox*>(W);
        R && R->Parent() == P && R->FGroupIndex == FGroupIndex && (R == this || R->CanFocus()))
      Group.push_back(R);
  const auto It = std::find(Group.begin(), Group.end(), this);
  if (Group.size() < 2 || It == Group.end()) return nullptr;
  const size_t I = size_t(It - Group.begin()), N = Group.size();
  return Group[Forward ? (I + 1) % N : (I + N - 1) % N];
}

void TQvSkinRadioBox::WndProc(TMessage& Message) {
  if (Message.Msg == WM_GETDLGCODE) {
    // The arrows move within the group.
    Message.Result = DLGC_WANTARROWS;
    return;
  }
  TQvSkinCustomCheckControl::WndProc(Message);
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
      TakeFocus();
      if (!FChecked) {
        // Shown at the release; the click that follows fires OnClick.
        FChecked = true;
        TurnSiblingsOff();
        DoChanged();
      }
      break;
    case WM_LBUTTONUP:
      Invalidate();
      break;
    case WM_KEYDOWN:
      switch (Message.WParam) {
        case VK_SPACE:
          SetChecked(true);
          break;
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
          if (TQvSkinRadioBox* Next =
                  GroupNeighbour(Message.WParam == VK_RIGHT || Message.WParam == VK_DOWN)) {
            Next->SetFocus();
            Next->SetChecked(true);
          }
          break;
      }
      break;
    case WM_KEYUP:
      if (Message.WParam == VK_SPACE) Invalidate();
      break;
    case CN_COMMAND:
      if (HIWORD(Message.WParam) == BN_CLICKED) SetChecked(true);
      if (HIWORD(Message.WParam) == BN_DOUBLECLICKED) DblClick();
      break;
  }
}

TQvAccessibleInfo TQvSkinRadioBox::AccessibleInfo() const {
  TQvAccessibleInfo Info = TQvSkinCustomCheckControl::AccessibleInfo();
  Info.Role = arRadioButton;
  Info.DefaultAction = L"Check";
  return Info;
}

bool TQvSkinRadioBox::DoAccessibleDefaultAction() {
  if (!Enabled()) return false;
  SetChecked(true);
  return true;
}

const TPropTable& TQvSkinRadioBox::Properties() const {
  using C = TQvSkinRadioBox;
  static const TPropTable Table = TQvSkinCustomCheckControl::Properties().With({
      Prop(L"Checked", &C::Checked, &C::SetChecked),
      Prop(L"GroupIndex", &C::GroupIndex, &C::SetGroupIndex),
      ResIDProp(L"Pictures", &C::Pictures, &C::SetPictures, DefaultPictures),
  });
  return Table;
}

// ---- switch ---------------------------------------------------------------------------

namespace {

void SwitchPictures(TPngPictures& P, const wchar_t* Image) {
  P.Lock();
  P.SetImage(Image);
  P.SetActive(true);
  P.SetCount(3);
  P.SetNormal(0);
  P.SetHot(1);
  P.SetPressed(2);
  P.UnLock();
}

}  // namespace

TQvSkinSwitchButton::TQvSkinSwitchButton(TComponent* AOwner)
    : TQvSkinCustomControl(AOwner),
      FImageON(std::make_unique<TPngPictures>()),
      FImageOFF(std::make_unique<TPngPictures>()) {
  SetControlStyle({csCaptureMouse, csClickEvents, csDoubleClicks});
  SwitchPictures(*FImageON, DefaultImageON);
  SwitchPictures(*FImageOFF, DefaultImageOFF);
  auto Repaint = [this](TObject*) { Invalidate(); };
  FImageON->SetPicturesChanged(Repaint);
  FImageOFF->SetPicturesChanged(Repaint);
  SetBounds(Left(), Top(), 34, 18);
  SetTabStop(true);
}

TQvSkinSwitchButton::~TQvSkinSwitchButton() {
  FImageON->SetPicturesChanged(nullptr);
  FImageOFF->SetPicturesChanged(nullptr);
}

void TQvSkinSwitchButton::SetChecked(bool Value) {
  if (FChecked == Value) return;
  FChecked = Value;
  Invalidate();
  NotifyAccessible(aeStateChange);
  if (OnChanged) OnChanged(this);
}

void TQvSkinSwitchButton::SetCaptionVisible(bool Value) {
  if (FCaptionVisible == Value) return;
  FCaptionVisible = Value;
  Invalidate();
}

void TQvSkinSwitchButton::SetString(String& Field, const String& Value) {
  if (Field == Value) return;
  Field = Value;
  Invalidate();
}

void TQvSkinSwitchButton::SetCaptionON(const String& Value) {
  SetString(FCaptionON, Value);
}

void TQvSkinSwitchButton::SetCaptionOFF(const String& Value) {
  SetString(FCaptionOFF, Value);
}

void TQvSkinSwitchButton::SetCaptionAlign(TQvSwitchButtonCaptionAlign Value) {
  if (FCaptionAlign == Value) return;
  FCaptionAlign = Value;
  Invalidate();
}

void TQvSkinSwitchButton::MouseEnter() {
  TQvSkinCustomControl::MouseEnter();
  FMouseIn = true;
  Invalidate();
}

void TQvSkinSwitchButton::MouseLeave() {
  TQvSkinCustomControl::MouseLeave();
  FMouseIn = false;
  Invalidate();
}

void TQvSkinSwitchButton::WndProc(TMessage& Message) {
  if (FCanFocused) {
    if (Message.Msg == WM_KEYDOWN && Message.WParam == VK_SPACE) SetChecked(!FChecked);
    if ((Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK) && !Designing() &&
        !Focused() && CanFocus())
      SetFocus();
  }
  TQvSkinCustomControl::WndProc(Message);
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
      FMouseDown = true;
      SetChecked(!FChecked);
      break;
    case WM_LBUTTONUP:
      FMouseDown = false;
      Invalidate();
      break;
  }
}

void TQvSkinSwitchButton::DrawBody(TBitmap32* Bitmap) {
  TPngPictures& Set = FChecked ? *FImageON : *FImageOFF;
  const String& Text = FChecked ? FCaptionON : FCaptionOFF;
  const int Index = FMouseDown ? Set.Pressed() : FMouseIn ? Set.Hot() : Set.Normal();
  TBitmap32 Picture;
  if (!Set.GetImageByIndex(Index, &Picture)) return;
  int X = 0;
  if (FCaptionVisible) {
    Bitmap->Font()->Assign(Font());
    const TSize S = Bitmap->TextExtent(Text);
    const int TextY = (Height() - S.cy) / 2;
    if (FCaptionAlign == sbcaLeft) {
      const int TextX = GetDPIScaledPixels(this, 4);
      Bitmap->Textout(Rect(TextX, TextY, Width(), Height()), DT_SINGLELINE | DT_NOCLIP, Text);
      X = TextX + S.cx + GetDPIScaledPixels(this, 6);
    } else {
      Bitmap->Textout(Rect(GetDPIScaledPixels(this, 6) + Picture.Width(), TextY, Width(), Height()),
                      DT_SINGLELINE | DT_NOCLIP, Text);
    }
  }
  const int Y = (Height() - Picture.Height()) / 2;
  Bitmap->Draw(X, Y, &Picture);
  // No focus look of its own: the platform's rectangle around the slider.
  if (Focused() && ShowsFocusCues())
    DrawFocusCue(*Bitmap, Rect(X, std::max(Y, 0), X + Picture.Width(),
                               std::min(Y + Picture.Height(), Height())));
  if (CustomDraw) CustomDraw(this, Bitmap);
}

TQvAccessibleInfo TQvSkinSwitchButton::AccessibleInfo() const {
  TQvAccessibleInfo Info = TQvSkinCustomControl::AccessibleInfo();
  Info.Role = arCheckButton;
  Info.Name = FChecked ? FCaptionON : FCaptionOFF;
  if (FCanFocused && TabStop()) Info.State.Include(asFocusable);
  if (const_cast<TQvSkinSwitchButton*>(this)->Focused()) Info.State.Include(asFocused);
  if (FMouseIn) Info.State.Include(asHot);
  if (FChecked) Info.State.Include(asChecked);
  Info.DefaultAction = L"Toggle";
  return Info;
}

bool TQvSkinSwitchButton::DoAccessibleDefaultAction() {
  if (!Enabled()) return false;
  SetChecked(!FChecked);
  return true;
}

const TPropTable& TQvSkinSwitchButton::Properties() const {
  using C = TQvSkinSwitchButton;
  static const auto RefON = [] {
    auto P = std::make_unique<TPngPictures>();
    SwitchPictures(*P, DefaultImageON);
    return P;
  }();
  static const auto RefOFF = [] {
    auto P = std::make_unique<TPngPictures>();
    SwitchPictures(*P, DefaultImageOFF);
    return P;
  }();
  static const TPropTable Table = TQvSkinCustomControl::Properties().With({
      Prop(L"CanFocused", &C::CanFocused, &C::SetCanFocused, DefaultCanFocused),
      EnumProp(L"CaptionAlign", &C::CaptionAlign, &C::SetCaptionAlign,
               TQvSwitchButtonCaptionAlignNames),
      Prop(L"CaptionOFF", &C::CaptionOFF, &C::SetCaptionOFF, DefaultCaptionOFF),
      Prop(L"CaptionON", &C::CaptionON, &C::SetCaptionON, DefaultCaptionON),
      Prop(L"CaptionVisible", &C::CaptionVisible, &C::SetCaptionVisible),
      Prop(L"Checked", &C::Checked, &C::SetChecked),
      ObjectProp(L"ImageOFF", &C::ImageOFF, RefOFF.get()),
      ObjectProp(L"ImageON", &C::ImageON, RefON.get()),
  });
  return Table;
}

}  // namespace qv
