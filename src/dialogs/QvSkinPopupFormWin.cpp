#include <windows.h>

#include "controls/QvSkinLabel.h"
#include "dialogs/QvSkinMessageForm.h"
#include "dialogs/QvSkinPopupForm.h"
#include "forms/QvSkinForm.h"
#include "forms/QvSkinNCButton.h"
#include "forms/QvSkinNCCtrls.h"
#include "host/Font.h"
#include "host/Messages.h"
#include "host/ScopeGuard.h"
#include "host/Timer.h"

namespace qv {

TQvSkinPopupForm::TQvSkinPopupForm(TComponent* AOwner, bool ActiveAnimate, Cardinal ClosePause,
                                   int Top, int Left)
    : TForm(AOwner), FFade(ActiveAnimate, ClosePause, GetTickCount64()) {
  SetUpSkinDialog(this, Left, Top, FQvSkinForm, FCloseNCButton);
  SetFormStyle(fsStayOnTop);
  if (ActiveAnimate) {
    SetAlphaBlend(true);
    SetAlphaBlendValue(0);
    FAnimate = std::make_unique<TTimer>(nullptr);
    FAnimate->SetInterval(FadeInterval);
    FAnimate->OnTimer = [this](TObject*) { FadeStep(); };
  }
  // The close timer also watches the mouse while it is over the toast.
  FTimer = std::make_unique<TTimer>(nullptr);
  FTimer->SetEnabled(false);
  FTimer->SetInterval(CloseInterval);
  FTimer->OnTimer = [this](TObject*) { CloseTick(GetTickCount64()); };

  FQvSkinForm->SetDoubleFrame(false);
  FQvSkinForm->SetEraseBackGround(true);
  FQvSkinForm->SetTitleHeight(27);

  FCaption = new TQvSkinNCLabel(this);
  FMsg = new TQvSkinLabel(this);
  FMsg->SetParent(this);
}

TQvSkinPopupForm::~TQvSkinPopupForm() = default;

void TQvSkinPopupForm::CreateParams(TCreateParams& Params) {
  TForm::CreateParams(Params);
  Params.Style = WS_POPUP;
  // Tool window: no taskbar button; topmost and layered as the form asks.
  Params.ExStyle = WS_EX_TOOLWINDOW | (Params.ExStyle & (WS_EX_TOPMOST | WS_EX_LAYERED));
  Params.WindowClass.Style = (Params.WindowClass.Style | CS_SAVEBITS) & ~uint32_t(CS_DROPSHADOW);
  Params.WndParent = nullptr;
}

void TQvSkinPopupForm::ShowNoActivate() {
  HWND H = Handle();
  FShowing = true;
  TScopeExit Done([this] { FShowing = false; });
  ShowWindow(H, SW_SHOWNOACTIVATE);
  SetVisible(true);
  SendMessageW(H, WM_NCPAINT, 0, 0);
  SyncTimers();
  // Screen readers announce the toast.
  NotifyWinEvent(EVENT_SYSTEM_ALERT, H, OBJID_CLIENT, CHILDID_SELF);
}

void TQvSkinPopupForm::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_MOUSEACTIVATE:
      Message.Result = MA_NOACTIVATE;
      return;
    case WM_SETCURSOR:
      // Over the toast or any of its controls (their WM_SETCURSOR reaches the parent).
      if (!FMouseInside && !FClosing) {
        FMouseInside = true;
        FFade.MouseEnter();
        Apply(TQvPopupFade::faNone);
      }
      break;
    case WM_WINDOWPOSCHANGING:
      // Showing a toast never takes the activation from the user's window.
      if (FShowing) reinterpret_cast<WINDOWPOS*>(Message.LParam)->flags |= SWP_NOACTIVATE;
      break;
  }
  TForm::WndProc(Message);
  if (Message.Msg == CM_SHOWINGCHANGED && HandleAllocated())
    SendMessageW(Handle(), WM_NCPAINT, 0, 0);
}

void TQvSkinPopupForm::DoClose(TCloseAction& Action) {
  Action = caFree;
  FClosing = true;
  if (FTimer) FTimer->SetEnabled(false);
  if (FAnimate) FAnimate->SetEnabled(false);
  TForm::DoClose(Action);
  Action = caFree;
}

void TQvSkinPopupForm::FadeStep() {
  if (FClosing) return;
  Apply(FFade.FadeStep());
}

void TQvSkinPopupForm::CloseTick(uint64_t Now) {
  if (FClosing) return;
  POINT P;
  RECT R;
  const bool Inside = HandleAllocated() && Visible() && GetCursorPos(&P) &&
                      GetWindowRect(Handle(), &R) && PtInRect(&R, P);
  if (Inside != FMouseInside) {
    FMouseInside = Inside;
    if (Inside)
      FFade.MouseEnter();
    else
      FFade.MouseLeave(Now);
  }
  Apply(FFade.CloseTick(Now));
}

void TQvSkinPopupForm::Apply(TQvPopupFade::TAction Action) {
  if (FAnimate) SetAlphaBlendValue(FFade.Alpha());
  SyncTimers();
  if (Action == TQvPopupFade::faClose) Close();
}

void TQvSkinPopupForm::SyncTimers() {
  if (FClosing) return;
  if (FAnimate) FAnimate->SetEnabled(FFade.FadeRunning());
  FTimer->SetEnabled(FFade.CloseRunning() || FMouseInside);
}

}  // namespace qv
