// The behaviour of every skinned push button: input, focus, keys, the drop-down part,
// the timers, and the base body (state picture, layers, drop-down part, caption).
#include <windows.h>

#include "controls/QvSkinButton.h"
#include "graphics/BitmapHelperDC.h"
#include "graphics/QvComm.h"
#include "graphics/QvGR32LibSlicing.h"
#include "host/Canvas.h"
#include "host/Font.h"
#include "host/Menus.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinImageButton>(), true);

// Design-time frame colour.
constexpr TColor32 kDesignFrame = 0xB017B4BB;

void SetupPictures(TPngPictures& P) {
  P.Lock();
  P.SetCount(TPngPictures::DefCount);
  P.SetNormal(TPngPictures::DefNormal);
  P.SetHot(TPngPictures::DefHot);
  P.SetPressed(TPngPictures::DefPressed);
  P.SetDisable(TPngPictures::DefDisable);
  P.UnLock();
}

bool InRect(const TRect& R, int X, int Y) {
  return X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom;
}

}  // namespace

TQvSkinCustomButton::TQvSkinCustomButton(TComponent* AOwner)
    : TQvSkinCustomControl(AOwner),
      FPictures(std::make_unique<TPngPictures>()),
      FLayers(std::make_unique<TPngPictures>()),
      FDropdownPictures(std::make_unique<TPngPictures>()),
      FLayersOffset(std::make_unique<TQvBtnItemOffset>()),
      FImageOffset(std::make_unique<TQvBtnItemOffset>()),
      FCaptionOffset(std::make_unique<TQvBtnItemOffset>()),
      FDropdownMenuOffset(std::make_unique<TQvBtnItemOffset>()),
      FHotFont(std::make_unique<TFont>()),
      FRepeatTimer(RepeatInterval),
      FHoldTimer(HoldInterval) {
  SetControlStyle({csCaptureMouse, csSetCaption, csDoubleClicks, csReplicatable, csReflector});
  SetTabStop(true);
  SetAutoInvalidate(true);
  SetBounds(Left(), Top(), 75, 25);
  SetupPictures(*FPictures);
  SetupPictures(*FLayers);
  FDropdownPictures->SetImage(DropdownPicture);
  FDropdownPictures->SetCount(4);
  FDropdownMenuOffset->SetX(DefaultDropdownMenuOffset);
  FDropdownMenuOffset->SetY(DefaultDropdownMenuOffset);
  auto Changed = [this](TObject*) {
    FPictureChanged = true;
    Invalidate();
  };
  FPictures->SetPicturesChanged(Changed);
  FLayers->SetPicturesChanged(Changed);
  auto Repaint = [this](TObject*) { Invalidate(); };
  for (TQvBtnItemOffset* O :
       {FLayersOffset.get(), FImageOffset.get(), FCaptionOffset.get(), FDropdownMenuOffset.get()})
    O->OnChanged = Repaint;
  FHotFont->OnChange = Repaint;
  FRepeatTimer.SetOnTimer([this](TObject*) {
    if (FCycleDownClick && OnCycleDownClick) OnCycleDownClick(this);
  });
  FHoldTimer.SetOnTimer([this](TObject*) {
    FHoldTimer.SetEnabled(false);
    FRepeatTimer.SetEnabled(true);
  });
  FPictureChanged = false;
}

TQvSkinCustomButton::~TQvSkinCustomButton() {
  StopTimers();
  FPictures->SetPicturesChanged(nullptr);
  FLayers->SetPicturesChanged(nullptr);
  FHotFont->OnChange = nullptr;
  if (FDropdownMenu) FDropdownMenu->RemoveFreeNotification(this);
}

// ---- setters ------------------------------------------------------------------------

void TQvSkinCustomButton::SetLayerMode(bool Value) {
  if (FLayerMode == Value) return;
  FLayerMode = Value;
  Invalidate();
}

void TQvSkinCustomButton::SetLayersOffset(TQvBtnItemOffset* Value) {
  if (Value && (Value->X() != FLayersOffset->X() || Value->Y() != FLayersOffset->Y()))
    FLayersOffset->Assign(Value);
}

void TQvSkinCustomButton::SetDropdownMenu(TPopupMenu* Value) {
  if (FDropdownMenu == Value) return;
  if (FDropdownMenu) FDropdownMenu->RemoveFreeNotification(this);
  FDropdownMenu = Value;
  if (FDropdownMenu) FDropdownMenu->FreeNotification(this);
  UpdateDropdownMenuRect();
  Invalidate();
}

void TQvSkinCustomButton::SetCaptionVisible(bool Value) {
  FCaptionVisible = Value;
  Invalidate();
}

void TQvSkinCustomButton::SetHotFont(TFont* Value) {
  if (Value) FHotFont->Assign(Value);
}

void TQvSkinCustomButton::SetStreach(bool Value) {
  if (FStreach == Value) return;
  FStreach = Value;
  Invalidate();
}

void TQvSkinCustomButton::SetGroupIndex(int Value) {
  FGroupIndex = Value;
  Invalidate();
}

void TQvSkinCustomButton::SetDown(bool Value) {
  if (FState.Down == Value) return;
  FState.Down = Value;
  if (Value) TurnSiblingsOff();
  Invalidate();
  NotifyAccessible(aeStateChange);
}

void TQvSkinCustomButton::SetDefault(bool Value) {
  FDefault = Value;
  if (HandleAllocated() && FCanFocused)
    if (TCustomForm* Form = GetParentForm(this))
      Form->Perform(CM_FOCUSCHANGED, 0, intptr_t(Form->ActiveControl()));
}

void TQvSkinCustomButton::SetShowFocusFrame(bool Value) {
  if (FShowFocusFrame == Value) return;
  FShowFocusFrame = Value;
  Invalidate();
}

void TQvSkinCustomButton::TurnSiblingsOff() {
  TWinControl* P = Parent();
  if (!P) return;
  for (int I = 0; I < P->ControlCount(); ++I)
    if (auto* B = dynamic_cast<TQvSkinCustomButton*>(P->Controls(I));
        B && B != this && B->FGroupIndex == FGroupIndex)
      B->SetDown(false);
}

// ---- clicking -----------------------------------------------------------------------

bool TQvSkinCustomButton::InModalForm() const {
  TCustomForm* Form = GetParentForm(this);
  return Form && Form->FormState().Contains(fsModal);
}

void TQvSkinCustomButton::Click() {
  FLastClick = int64_t(GetTickCount64());
  if (FCanFocused && InModalForm()) GetParentForm(this)->SetModalResult(FModalResult);
  FState.SkipNextClick = false;
  TQvSkinCustomControl::Click();
}

TQvButtonSetup TQvSkinCustomButton::Setup() const {
  return {FGroupIndex, FAllowAllUp, FDropdownMenu != nullptr, bool(OnClick)};
}

void TQvSkinCustomButton::Apply(const TQvButtonAction& Action) {
  if (Action.StartHold) FHoldTimer.SetEnabled(true);
  if (Action.NewDown) SetDown(*Action.NewDown);
  if (Action.OpenMenu) ShowDropdownMenu();
  if (Action.Click) Click();
}

void TQvSkinCustomButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (!FIgnoreMouse) Apply(ButtonMouseDown(FState, Setup()));
  TQvSkinCustomControl::MouseDown(Button, Shift, X, Y);
}

void TQvSkinCustomButton::PressLeft(int X, int Y) {
  Apply(ButtonPress(FState, Setup(), InRect(FDropdownMenuRect, X, Y)));
  Invalidate();
}

void TQvSkinCustomButton::ReleaseLeft() {
  StopTimers();
  POINT P{};
  GetCursorPos(&P);
  const bool Over = HandleAllocated() && WindowFromPoint(P) == Handle();
  const bool HadMenu = FDropdownMenu != nullptr;
  Apply(ButtonRelease(FState, Setup(), Over));
  if (HandleAllocated() && Visible()) Invalidate();
  if (HadMenu) Invalidate();
}

void TQvSkinCustomButton::ShowDropdownMenu() {
  Invalidate();
  TPopupMenu* Menu = FDropdownMenu;
  TPoint At{Left() + FDropdownMenuOffset->X(), Top() + Height() + FDropdownMenuOffset->Y()};
  if (Parent()) At = Parent()->ClientToScreen(At);
  Menu->SetPopupComponent(this);
  Menu->Popup(At.X, At.Y);  // returns when the menu closed
  SetDown(false);
  // The menu took the release: the held state and the timers end with it.
  StopTimers();
  FState.MouseDown = false;
  FState.PressedInDropdown = false;
  Invalidate();
}

void TQvSkinCustomButton::StopTimers() {
  FHoldTimer.SetEnabled(false);
  FRepeatTimer.SetEnabled(false);
}

void TQvSkinCustomButton::MouseEnter() {
  TQvSkinCustomControl::MouseEnter();
  if (FIgnoreMouse || Designing()) return;
  FState.MouseIn = true;
  Invalidate();
}

void TQvSkinCustomButton::MouseLeave() {
  TQvSkinCustomControl::MouseLeave();
  if (FIgnoreMouse || Designing()) return;
  ButtonMouseLeave(FState);
  Invalidate();
}

void TQvSkinCustomButton::FocusChanged(TControl* NewFocus) {
  const bool ToButton = dynamic_cast<TQvSkinCustomButton*>(NewFocus) != nullptr;
  FActive = ToButton ? NewFocus == this : FDefault;
  if (!FCanFocused || !FDefault) return;
  if (ToButton && NewFocus != this && FState.MouseIn) {
    FState.MouseIn = false;
    Invalidate();
  } else if (!ToButton && !FState.MouseIn) {
    Invalidate();
  }
}

void TQvSkinCustomButton::CreateWnd() {
  TQvSkinCustomControl::CreateWnd();
  FActive = FDefault;
}

void TQvSkinCustomButton::Notification(TComponent* AComponent, TOperation Operation) {
  TQvSkinCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FDropdownMenu) {
    FDropdownMenu = nullptr;
    UpdateDropdownMenuRect();
  }
}

void TQvSkinCustomButton::UpdateDropdownMenuRect() {
  if (!FDropdownMenu) {
    FDropdownMenuRect = TRect{};
    return;
  }
  const TRect C = ClientRect();
  FDropdownMenuRect = C;
  FDropdownMenuRect.Left =
      C.Right - FDropdownPictures->GetSingleWidth() - GetDPIScaledPixels(this, 2);
}

void TQvSkinCustomButton::ScaleControlsForDpi(int NewPPI) {
  TQvSkinCustomControl::ScaleControlsForDpi(NewPPI);
  UpdateDropdownMenuRect();
}

void TQvSkinCustomButton::WndProc(TMessage& Message) {
  const bool Focusing = FCanFocused && !FIgnoreMouse && !Designing() &&
                        (Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK);
  // The press takes the focus first, so that a menu opened by it returns to this button.
  if (Focusing && !Focused() && CanFocus()) SetFocus();
  switch (Message.Msg) {
    case CM_FOCUSCHANGED:
      FocusChanged(reinterpret_cast<TControl*>(Message.LParam));
      break;
    case CM_DIALOGCHAR:
      if (FCanFocused && CanFocus() && IsAccel(uint16_t(Message.WParam), Caption())) {
        if (int64_t(GetTickCount64()) - FLastClick > 100 || FCycleDownClick) Click();
        Message.Result = 1;
        return;
      }
      break;
    case CM_DIALOGKEY:
      if (Message.WParam == VK_RETURN && FActive && Enabled()) {
        Click();
        Message.Result = 1;
        return;
      }
      if (Message.WParam == VK_ESCAPE && FCancel && FCanFocused && GetKeyState(VK_SHIFT) >= 0 &&
          GetKeyState(VK_CONTROL) >= 0 && CanFocus()) {
        Click();
        Message.Result = 1;
        return;
      }
      break;
    case CM_FONTCHANGED:
      TQvSkinCustomControl::WndProc(Message);
      Invalidate();
      return;
    case WM_SIZE:
      TQvSkinCustomControl::WndProc(Message);
      UpdateDropdownMenuRect();
      return;
  }
  TQvSkinCustomControl::WndProc(Message);
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // The second press of a double click is a press too.
      if (!FIgnoreMouse) PressLeft(short(LOWORD(Message.LParam)), short(HIWORD(Message.LParam)));
      break;
    case WM_LBUTTONUP:
      if (!FIgnoreMouse) ReleaseLeft();
      break;
    case WM_MOUSEMOVE:
      if (!FIgnoreMouse && FDropdownMenu) {
        const bool In =
            InRect(FDropdownMenuRect, short(LOWORD(Message.LParam)), short(HIWORD(Message.LParam)));
        if (In != FState.MouseInDropdown) {
          FState.MouseInDropdown = In;
          if (HandleAllocated()) {
            RECT R{FDropdownMenuRect.Left, FDropdownMenuRect.Top, FDropdownMenuRect.Right,
                   FDropdownMenuRect.Bottom};
            SetBufferValid(false);
            InvalidateRect(Handle(), &R, FALSE);
          }
        }
      }
      break;
    case WM_KEYDOWN:
      if (!FCanFocused) break;
      if (Message.WParam == VK_SPACE) SetDown(true);
      if (Message.WParam == VK_RETURN) Click();
      break;
    case WM_KEYUP:
      if (FCanFocused && Message.WParam == VK_SPACE) {
        SetDown(false);
        Click();
      }
      break;
  }
}

// ---- painting -----------------------------------------------------------------------

TRect TQvSkinCustomButton::ScaledOffsetRect(const TRect& R, const TQvBtnItemOffset& Offset) const {
  TRect Result = R;
  Result.Left += GetDPIScaledPixels(this, Offset.X());
  Result.Top += GetDPIScaledPixels(this, Offset.Y());
  return Result;
}

bool TQvSkinCustomButton::StatePicture(TPngPictures& Set, TBitmap32& Out) const {
  if (!Set.Active()) return false;
  switch (Visual()) {
    case bvHot:
      return Set.GetHotImage(&Out);
    case bvDisabled:
      return Set.GetDisableImage(&Out);
    case bvPressed:
      return Set.GetPressedImage(&Out);
    default:
      return Set.GetNormalImage(&Out);
  }
}

TFont* TQvSkinCustomButton::CaptionFont() {
  if (AppIsHighDPIMode()) {
    const TFontStyles Style = FHotFont->Style();
    const TColor Color = FHotFont->Color();
    FHotFont->Assign(Font());
    FHotFont->SetStyle(Style);
    FHotFont->SetColor(Color);
  }
  return FState.Hot() ? FHotFont.get() : Font();
}

void TQvSkinCustomButton::DrawDesignFrame(TBitmap32* Bitmap) {
  if (Designing()) Bitmap->FrameRectTS(Bitmap->BoundsRect(), kDesignFrame);
}

void TQvSkinCustomButton::DrawCaptionText(TBitmap32& Dst, TRect C) {
  uint32_t Flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_WORDBREAK;
  if (FWordWrap) {
    Flags = DT_CENTER | DT_VCENTER | DT_WORDBREAK;
    if (TCanvas* Canvas = Dst.Canvas()) {
      Canvas->Font().Assign(Dst.Font());
      C.Top = ((C.Bottom - C.Top) - CalcTextHeightW(Canvas->Handle(), Caption())) / 2;
    }
  }
  Dst.Textout(C, Flags, Caption());
}

void TQvSkinCustomButton::DrawFocusCueIfShown(TBitmap32* Bitmap) {
  if (Focused() && ShowsFocusCues()) {
    DrawFocusCue(*Bitmap, Rect(1, 1, Bitmap->Width() - 1, Bitmap->Height() - 1));
  }
}

void TQvSkinCustomButton::DrawLayers(TBitmap32* Bitmap) {
  TBitmap32 Layer;
  if (!StatePicture(*FLayers, Layer)) return;
  TPoint At = GetDPIScaledPixels(this, TPoint(FLayersOffset->X(), FLayersOffset->Y()));
  if (FState.Pressed()) At = TPoint(At.X + FPressedOffset, At.Y + FPressedOffset);
  Bitmap->Draw(At.X, At.Y, &Layer);
}

void TQvSkinCustomButton::DrawDropdownMenu(TBitmap32* Bitmap) {
  if (!FDropdownMenu) return;
  TBitmap32 Picture;
  bool Got;
  if (FState.PressedInDropdown)
    Got = FDropdownPictures->GetPressedImage(&Picture);
  else if (FState.MouseInDropdown)
    Got = FDropdownPictures->GetHotImage(&Picture);
  else
    Got = FDropdownPictures->GetNormalImage(&Picture);
  if (!Got) return;
  std::unique_ptr<TQvSkinImage> Band =
      SpliteImgCenterPart(&Picture, Height() - GetDPIScaledPixels(this, 4), Picture.Width());
  if (Band) Bitmap->Draw(FDropdownMenuRect.Left, (Height() - Band->Height()) / 2, Band.get());
}

void TQvSkinCustomButton::DrawBody(TBitmap32* Bitmap) {
  TBitmap32 Dst;
  Dst.SetSize(Width(), Height());
  auto Updating = UpdateScope(Dst);
  const TRect R = ClientRect();
  TRect C = ScaledOffsetRect(R, *FCaptionOffset);
  TRect I = ScaledOffsetRect(R, *FImageOffset);
  TBitmap32 Picture;
  const bool HasPicture = StatePicture(*FPictures, Picture);
  if (Visual() == bvPressed) {
    C.Left += FPressedOffset + 1;
    C.Bottom += FPressedOffset;
    I.Left += FPressedOffset;
    I.Bottom += FPressedOffset;
  }
  Dst.Draw(0, 0, Bitmap);
  if (HasPicture) {
    if (FStreach)
      Dst.Draw(R, Picture.BoundsRect(), &Picture);
    else
      Dst.Draw(I.Left, I.Top, &Picture);
  }
  if (FLayerMode) DrawLayers(&Dst);
  DrawDropdownMenu(&Dst);
  if (FCaptionVisible) {
    Dst.Font()->Assign(CaptionFont());
    if (!Enabled()) Dst.Font()->SetColor(TColor(0xB2B2B2));
    DrawCaptionText(Dst, C);
  }
  DrawDesignFrame(&Dst);
  DrawFocusFrame(&Dst);
  DrawFocusCueIfShown(&Dst);
  if (OnCustomPaint) OnCustomPaint(this, &Dst);
  Bitmap->Draw(0, 0, &Dst);
}

// ---- accessibility ----------------------------------------------------------------

TQvAccessibleInfo TQvSkinCustomButton::AccessibleInfo() const {
  TQvAccessibleInfo Info = TQvSkinCustomControl::AccessibleInfo();
  Info.Role = FDropdownMenu ? arDropDownButton : arPushButton;
  SetAccessibleCaption(Info, Caption());
  if (FCanFocused && TabStop()) Info.State.Include(asFocusable);
  if (const_cast<TQvSkinCustomButton*>(this)->Focused()) Info.State.Include(asFocused);
  if (FState.MouseIn) Info.State.Include(asHot);
  if (FState.Pressed()) Info.State.Include(asPressed);
  if (FDropdownMenu) Info.State.Include(asHasPopup);
  Info.DefaultAction = L"Press";
  return Info;
}

bool TQvSkinCustomButton::DoAccessibleDefaultAction() {
  if (!Enabled()) return false;
  Click();
  return true;
}

// ---- object text form ---------------------------------------------------------------

const TPropTable& TQvSkinCustomButton::Properties() const {
  using C = TQvSkinCustomButton;
  static const auto MenuOffset = [] {
    auto O = std::make_unique<TQvBtnItemOffset>();
    O->SetX(DefaultDropdownMenuOffset);
    O->SetY(DefaultDropdownMenuOffset);
    return O;
  }();
  static const TPropTable Table = TQvSkinCustomControl::Properties().With({
      Prop(L"AllowAllUp", &C::AllowAllUp, &C::SetAllowAllUp),
      Prop(L"Cancel", &C::Cancel, &C::SetCancel),
      Prop(L"CanFocused", &C::CanFocused, &C::SetCanFocused, DefaultCanFocused),
      Prop(L"CaptionVisible", &C::CaptionVisible, &C::SetCaptionVisible),
      ObjectProp(L"CaptionOffset", &C::CaptionOffset),
      Prop(L"CycleDownClick", &C::CycleDownClick, &C::SetCycleDownClick),
      Prop(L"Default", &C::Default, &C::SetDefault),
      Prop(L"Down", &C::Down, &C::SetDown),
      ObjectProp(L"DropdownMenuOffset", &C::DropdownMenuOffset, MenuOffset.get()),
      Prop(L"GroupIndex", &C::GroupIndex, &C::SetGroupIndex),
      ObjectProp(L"HotFont", &C::HotFont),
      Prop(L"IgnoreMouse", &C::IgnoreMouse, &C::SetIgnoreMouse),
      ObjectProp(L"ImageOffset", &C::ImageOffset),
      Prop(L"LayerMode", &C::LayerMode, &C::SetLayerMode),
      ObjectProp(L"Layers", &C::Layers),
      ObjectProp(L"LayersOffset", &C::LayersOffset),
      Prop(L"ModalResult", &C::ModalResult, &C::SetModalResult),
      ObjectProp(L"Pictures", &C::Pictures),
      Prop(L"PressedOffset", &C::PressedOffset, &C::SetPressedOffset, DefaultPressedOffset),
      Prop(L"ShowFocusFrame", &C::ShowFocusFrame, &C::SetShowFocusFrame),
      Prop(L"Streach", &C::Streach, &C::SetStreach),
      Prop(L"WordWrap", &C::WordWrap, &C::SetWordWrap),
  });
  return Table;
}

}  // namespace qv
