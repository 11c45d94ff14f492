#include <windows.h>

#include <algorithm>

#include "forms/QvMessages.h"
#include "forms/QvSkinNCCtrlBase.h"
#include "graphics/SimpleTimer.h"
#include "host/ControlScale.h"
#include "host/Form.h"
#include "host/HintWindow.h"
#include "host/Platform.h"
#include "host/Properties.h"
#include "host/Screen.h"

namespace qv {

// ---- TNCCtrlPos ----

void TNCCtrlPos::SetAlign(TNCCtrlAlign Value) {
  if (FAlign == Value) return;
  FAlign = Value;
  DoChanged();
}

void TNCCtrlPos::SetXValue(int Value) {
  if (FXValue == Value) return;
  FXValue = Value;
  DoChanged();
}

void TNCCtrlPos::SetYValue(int Value) {
  if (FYValue == Value) return;
  FYValue = Value;
  DoChanged();
}

void TNCCtrlPos::DoChanged() {
  if (!FLocked && OnChanged) OnChanged(this);
}

int TNCCtrlPos::GetX() const {
  int X = GetDPIScaledPixels(FForm, FXValue);
  if (FAlign == caRight) return (FForm ? FForm->Width() : 0) - X;
  return X;
}

int TNCCtrlPos::GetY() const {
  return GetDPIScaledPixels(FForm, FYValue);
}

int TNCCtrlPos::DisplayWidth() const {
  return GetDPIScaledPixels(FForm, FWidth);
}

int TNCCtrlPos::DisplayHeight() const {
  return GetDPIScaledPixels(FForm, FHeight);
}

void TNCCtrlPos::Assign(TPersistent* Source) {
  if (!AssignProperties(*this, Source)) TPersistent::Assign(Source);
}

const TPropTable& TNCCtrlPos::Properties() const {
  using C = TNCCtrlPos;
  static const TPropTable Table = TPersistent::Properties().With({
      EnumProp(L"Align", &C::Align, &C::SetAlign, TNCCtrlAlignNames),
      Prop(L"XValue", &C::XValue, &C::SetXValue),
      Prop(L"YValue", &C::YValue, &C::SetYValue),
      Prop(L"UseDefault", &C::UseDefault, &C::SetUseDefault),
  });
  return Table;
}

// ---- TQvSkinNCCtrlBase ----

namespace {

HWND WndOf(TCustomForm* F) {
  return F && F->HandleAllocated() ? HWND(F->Handle()) : nullptr;
}

}  // namespace

TQvSkinNCCtrlBase::TQvSkinNCCtrlBase(TComponent* AOwner)
    : TComponent(AOwner), FForm(dynamic_cast<TCustomForm*>(AOwner)) {
  FPos = std::make_unique<TNCCtrlPos>(FForm);
  FPos->SetWidth(25);
  FPos->SetHeight(25);
  FPos->OnChanged = [this](TObject*) { FOldPos = TPoint{FPos->XValue(), FPos->YValue()}; };
  FTimer =
      std::make_unique<TSimpleTimer>(TrackInterval, [this](TObject* Sender) { DoTimer(Sender); });
  FTimer->SetEnabled(true);
  if (!Designing()) PostAdd();
}

TQvSkinNCCtrlBase::~TQvSkinNCCtrlBase() {
  if (gHookedCursor && FCursorEnter) UnhookCursor();
  FTimer.reset();
  FHintWindow.reset();
}

void TQvSkinNCCtrlBase::PostAdd() {
  if (HWND H = WndOf(FForm)) PostMessageW(H, MM_ADDNCCTRL, WPARAM(this), 0);
}

void TQvSkinNCCtrlBase::SetVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  Invalidate();
}

void TQvSkinNCCtrlBase::HostOn(TCustomForm* AWindow, int ShiftRight) {
  if (FForm == AWindow) return;
  if (!FSourceForm) FSourceForm = FForm;
  FForm = AWindow;
  FPos->SetForm(AWindow);
  if (FPos->Align() == caRight && !FRightShifted) {
    FRightShifted = true;
    FPos->SetXValue(FPos->XValue() - ShiftRight);
  }
}

void TQvSkinNCCtrlBase::Invalidate() {
  if (Designing()) return;
  if (HWND H = WndOf(FForm)) SendMessageW(H, MM_INVALIDATE, 0, 0);
}

void TQvSkinNCCtrlBase::RemoveSelf() {
  if (ComponentState().Contains(csDestroying)) return;
  TCustomForm* F = CommandForm();
  if (HWND H = WndOf(F)) SendMessageW(H, MM_REMOVENCCTRL, WPARAM(this), 0);
}

bool TQvSkinNCCtrlBase::FormMaximized() const {
  HWND H = WndOf(CommandForm());
  return H && IsZoomed(H);
}

IQvNCCtrlHost* TQvSkinNCCtrlBase::Host() const {
  return dynamic_cast<IQvNCCtrlHost*>(FParentObject);
}

int TQvSkinNCCtrlBase::GetWidth() const {
  return FPos->Width();
}

int TQvSkinNCCtrlBase::GetHeight() const {
  return FPos->Height();
}

TRect TQvSkinNCCtrlBase::GetRect() const {
  int X = FPos->X(), Y = FPos->Y();
  return TRect{X + ClientRectOffset.X, Y + ClientRectOffset.Y, X + GetWidth() + ClientRectOffset.X,
               Y + GetHeight() + ClientRectOffset.Y};
}

bool TQvSkinNCCtrlBase::Contains(const TPoint& P) const {
  TRect R = GetRect();
  return R.Left <= P.X && P.X < R.Right && R.Top <= P.Y && P.Y < R.Bottom;
}

void TQvSkinNCCtrlBase::Paint(TBitmap32*) {
  // A maximised form loses its frame: the control moves up and left by one pixel.
  FPos->Lock();
  if (FormMaximized()) {
    FPos->SetXValue(FOldPos.X - 1);
    FPos->SetYValue(FOldPos.Y - 1);
  } else {
    FPos->SetXValue(FOldPos.X);
    FPos->SetYValue(FOldPos.Y);
  }
  FPos->UnLock();
}

void TQvSkinNCCtrlBase::NCMouseMove(const TPoint& CursorPos) {
  if (Designing() || !FForm) return;
  try {
    TPoint P{CursorPos.X - FForm->Left(), CursorPos.Y - FForm->Top()};
    if (FForm->Parent()) P = FForm->Parent()->ScreenToClient(TPoint{P.X, P.Y});
    bool Inside = Contains(P);
    if (Inside) MouseMove();
    if (Inside != FCursorEnter) {
      FCursorEnter = Inside;
      if (Inside) FTimer->SetEnabled(true);
      if (Inside)
        MouseEnter();
      else
        MouseLeave();
    }
  } catch (const std::exception&) {
    // Mouse tracking never stops the form's message handling.
  }
}

void TQvSkinNCCtrlBase::DoTimer(TObject*) {
  if (Designing()) return;
  try {
    POINT P;
    if (!GetCursorPos(&P)) return;
    if (!FHooked) PostAdd();
    if (FCursorEnter && WindowFromPoint(P) != WndOf(FForm)) {
      FCursorEnter = false;
      MouseLeave();
    }
    // Idle until the mouse comes over the control again.
    if (FHooked && !FCursorEnter) FTimer->SetEnabled(false);
  } catch (const std::exception&) {
  }
}

void TQvSkinNCCtrlBase::MouseEnter() {
  if (!FVisible) return;
  Invalidate();
  if (!FHint.empty()) ShowHint();
  if (OnMouseEnter) OnMouseEnter(this);
}

void TQvSkinNCCtrlBase::MouseLeave() {
  if (!FVisible) return;
  Invalidate();
  HideHint();
  if (OnMouseLeave) OnMouseLeave(this);
}

void TQvSkinNCCtrlBase::LMouseDown() {
  Invalidate();
  if (OnLMouseDown) OnLMouseDown(this);
}

void TQvSkinNCCtrlBase::LMouseUp() {
  Invalidate();
  if (OnLMouseUp) OnLMouseUp(this);
}

void TQvSkinNCCtrlBase::DPIChanged() {
  if (OnDPIChanged) OnDPIChanged(this, ControlPPI(FForm));
}

void TQvSkinNCCtrlBase::ShowHint() {
  POINT C;
  if (!GetCursorPos(&C)) return;
  // The window is made on first use: most controls never show a hint.
  if (!FHintWindow) FHintWindow = std::make_unique<THintWindow>(nullptr);
  TRect Text = FHintWindow->CalcHintRect(400, FHint, nullptr);
  TRect R{C.x + 16, C.y + 16, C.x + 16 + Text.Width() + 8, C.y + Text.Height() + 18};
  FHintWindow->ActivateHint(R, FHint);
}

void TQvSkinNCCtrlBase::HideHint() {
  if (FHintWindow) FHintWindow->ReleaseHandle();
}

void TQvSkinNCCtrlBase::HookCursor(TCursor Value) {
  gHookedCursor = true;
  Screen->SetCursor(Value);
}

void TQvSkinNCCtrlBase::UnhookCursor() {
  gHookedCursor = false;
  if (Screen) Screen->SetCursor(crDefault);
}

const TPropTable& TQvSkinNCCtrlBase::Properties() const {
  using C = TQvSkinNCCtrlBase;
  static const TPropTable Table = TComponent::Properties().With({
      ObjectProp(L"Pos", &C::Pos),
      EnumProp(L"PutSide", &C::PutSide, &C::SetPutSide, TSideKindNames),
      Prop(L"Visible", &C::Visible, &C::SetVisible, DefaultVisible),
      Prop(L"Hint", &C::Hint, &C::SetHint),
  });
  return Table;
}

// ---- hosts ----

bool TakeOnNCCtrl(std::vector<TQvSkinNCCtrlBase*>& List, TComponent* Form, TQvSkinNCCtrlBase* Ctrl,
                  TComponent* Host) {
  bool Known = false;
  if (Form)
    for (int I = 0; I < Form->ComponentCount() && !Known; ++I) Known = Form->Components(I) == Ctrl;
  if (!Known || std::find(List.begin(), List.end(), Ctrl) != List.end()) {
    if (Known) Ctrl->SetHooked(true);
    return false;
  }
  List.push_back(Ctrl);
  Ctrl->FreeNotification(Host);
  Ctrl->SetParentObject(Host);
  Ctrl->SetHooked(true);
  return true;
}

bool OfferNCMouse(const std::vector<TQvSkinNCCtrlBase*>& List, const TCustomForm* Form, bool Down) {
  for (size_t I = 0; I < List.size(); ++I) {
    TQvSkinNCCtrlBase* C = List[I];
    if (!C->Visible() || !C->CursorEnter() || !C->TakesMouse() || C->Form() != Form) continue;
    if (Down)
      C->LMouseDown();
    else
      C->LMouseUp();
    return true;
  }
  return false;
}

}  // namespace qv
