#include <windows.h>

#include "controls/QvLikeMenuDlg.h"
#include "forms/QvMessages.h"
#include "graphics/SimpleTimer.h"
#include "host/Form.h"
#include "host/Properties.h"

namespace qv {

namespace {
const bool kRegistered = (RegisterComponentClass<TQvLikeMenuDlg>(), true);
}  // namespace

TQvLikeMenuDlg::TQvLikeMenuDlg(TComponent* AOwner)
    : TComponent(AOwner),
      FOutsideCapture(std::make_unique<TSimpleTimer>(
          OutsideCaptureInterval, [this](TObject*) { DoOnOutsideCaputerTimer(); })),
      FDoStop(
          std::make_unique<TSimpleTimer>(DoStopInterval, [this](TObject*) { DoOnDoStopTimer(); })) {
  if (ComponentState().Contains(csDesigning)) return;
  if (auto* Form = dynamic_cast<TCustomForm*>(AOwner); Form && Form->HandleAllocated())
    PostMessageW(Form->Handle(), MM_MENUDLGCREATED, WPARAM(this), 0);
}

TQvLikeMenuDlg::~TQvLikeMenuDlg() {
  FOutsideCapture->SetEnabled(false);
  FDoStop->SetEnabled(false);
  if (FCaptured) ReleaseCapture();
  Release();
}

void TQvLikeMenuDlg::Release() {
  if (!FDestWin) return;
  if (FOldWindowProc) FDestWin->WindowProc = std::move(FOldWindowProc);
  FOldWindowProc = nullptr;
  FDestWin->RemoveFreeNotification(this);
  FDestWin = nullptr;
}

void TQvLikeMenuDlg::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  // The target goes: nothing to give back, and nothing left to watch.
  if (Operation == opRemove && AComponent == FDestWin) {
    FDestWin = nullptr;
    FOldWindowProc = nullptr;
    FOutsideCapture->SetEnabled(false);
    FDoStop->SetEnabled(false);
    FCaptured = false;
  }
}

void TQvLikeMenuDlg::Capture(TWinControl* DestWin) {
  Release();
  FDestWin = DestWin;
  if (FDestWin) {
    FDestWin->FreeNotification(this);
    FOldWindowProc = FDestWin->WindowProc;
    FDestWin->WindowProc = [this](TMessage& M) { NewWndProc(M); };
    FOutsideCapture->SetEnabled(true);
  }
  FCaptured = false;
  FStop = false;
}

void TQvLikeMenuDlg::Stop() {
  FStop = true;
  FOutsideCapture->SetEnabled(false);
  ReleaseOwnCapture();  // a capture another window took stays
  if (OnMouseClickOutside) OnMouseClickOutside(this);
}

bool TQvLikeMenuDlg::MouseIn() const {
  if (!FDestWin || !FDestWin->HandleAllocated()) return false;
  POINT P;
  if (!GetCursorPos(&P)) return false;
  HWND H = const_cast<TWinControl*>(FDestWin)->Handle();
  ScreenToClient(H, &P);
  RECT R;
  GetClientRect(H, &R);
  return PtInRect(&R, P) != FALSE;
}

void TQvLikeMenuDlg::DoCapture() {
  if (!FDestWin) return;
  // Taken again when something else took it meanwhile (a pressed control of the
  // drop-down), so that the next outside click still arrives here.
  HWND Target = FDestWin->Handle();
  if (FCaptured && GetCapture() == Target) return;
  FCaptured = true;
  SetCapture(Target);
}

void TQvLikeMenuDlg::ReleaseOwnCapture() {
  if (!FCaptured) return;
  FCaptured = false;
  if (FDestWin && FDestWin->HandleAllocated() && GetCapture() == FDestWin->Handle())
    ReleaseCapture();
}

bool TQvLikeMenuDlg::ForwardCapturedPress(const TMessage& Message) {
  if (!FCaptured || !FDestWin || !FDestWin->HandleAllocated()) return false;
  HWND Target = FDestWin->Handle();
  if (GetCapture() != Target) return false;
  ReleaseOwnCapture();
  POINT P;
  if (!GetCursorPos(&P)) return false;
  HWND Under = WindowFromPoint(P);
  if (!Under || Under == Target || !IsChild(Target, Under)) return false;
  ScreenToClient(Under, &P);
  SendMessageW(Under, Message.Msg, Message.WParam, MAKELPARAM(P.x, P.y));
  return true;
}

void TQvLikeMenuDlg::DoOnOutsideCaputerTimer() {
  if (FStop || !FDestWin) return;
  if (!MouseIn())
    DoCapture();
  else
    ReleaseOwnCapture();
}

void TQvLikeMenuDlg::DoOnDoStopTimer() {
  FDoStop->SetEnabled(false);
  Stop();
}

void TQvLikeMenuDlg::NewWndProc(TMessage& Message) {
  // Keep the procedure to call alive even when the handler re-arms or frees the target.
  TWndMethod Old = FOldWindowProc;
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      // A press inside that came to us only because we held the capture (the pointer
      // entered and pressed before the timer let go) belongs to the control under it.
      if (MouseIn() && ForwardCapturedPress(Message)) return;
      [[fallthrough]];
    case WM_NCACTIVATE:
      if (MouseIn())
        FOutsideCapture->SetEnabled(true);
      else if (!FStop)
        Stop();
      else
        FDoStop->SetEnabled(true);
      break;
    case WM_MOUSEMOVE:
      if (!FAnyClickCancel) {
        FOutsideCapture->SetEnabled(true);
        // Back inside: give the capture up at once, so the next press reaches the control
        // under the pointer however soon it follows.
        if (MouseIn()) ReleaseOwnCapture();
      }
      break;
  }
  if (Old) Old(Message);
}

const TPropTable& TQvLikeMenuDlg::Properties() const {
  using C = TQvLikeMenuDlg;
  static const TPropTable Table = TComponent::Properties().With({
      Prop(L"AnyClickCancel", &C::AnyClickCancel, &C::SetAnyClickCancel, DefaultAnyClickCancel),
  });
  return Table;
}

}  // namespace qv
