// Closing forms and showing them modally.
#include <algorithm>

#include "host/Application.h"
#include "host/ControlsWin.h"
#include "host/Form.h"
#include "host/ScopeGuard.h"

namespace qv {

// ---- closing ---------------------------------------------------------------------

bool TCustomForm::CloseQuery() {
  bool CanClose = true;
  if (OnCloseQuery) OnCloseQuery(this, CanClose);
  return CanClose;
}

void TCustomForm::DoClose(TCloseAction& Action) {
  if (OnClose) OnClose(this, Action);
}

void TCustomForm::Close() {
  if (FFormState.Contains(fsModal)) {
    FModalResult = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction Action = caHide;
  DoClose(Action);
  if (Action == caNone) return;
  if (Application && Application->MainForm() == this) {
    Application->Terminate();
    return;
  }
  switch (Action) {
    case caHide:
      Hide();
      break;
    case caMinimize:
      SetWindowState(wsMinimized);
      break;
    case caFree:
      Release();
      break;
    default:
      break;
  }
}

void TCustomForm::Release() {
  if (FHandle) {
    PostMessageW(FHandle, CM_RELEASE, 0, 0);
  } else if (Application) {
    PostMessageW(Application->Handle(), CM_RELEASE, 0, LPARAM(this));
  }
}

void TCustomForm::CloseModal() {
  TCloseAction Action = caNone;
  if (CloseQuery()) {
    Action = caHide;
    DoClose(Action);
  }
  if (Action == caNone) FModalResult = mrNone;
  if (Action == caFree) Release();
}

namespace {

struct TDisabledWindows {
  HWND Except;
  std::vector<HWND> List;
};

BOOL CALLBACK DisableTaskWindow(HWND Wnd, LPARAM Data) {
  auto* D = reinterpret_cast<TDisabledWindows*>(Data);
  if (Wnd != D->Except && IsWindowVisible(Wnd) && IsWindowEnabled(Wnd)) {
    D->List.push_back(Wnd);
    EnableWindow(Wnd, FALSE);
  }
  return TRUE;
}

}  // namespace

TModalResult TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || FFormState.Contains(fsModal) || Parent())
    throw Exception(L"Cannot make a visible window modal");
  if (HWND Captured = GetCapture()) SendMessageW(Captured, WM_CANCELMODE, 0, 0);
  ReleaseCapture();
  FFormState.Include(fsModal);
  ++Application->FModalLevel;
  HWND Previous = GetActiveWindow();
  TDisabledWindows Disabled{Handle(), {}};
  {
    // Other windows come back before this one goes, so the activation returns to them.
    TScopeExit Leave([&] {
      for (HWND W : Disabled.List)
        if (IsWindow(W)) EnableWindow(W, TRUE);
      FFormState.Exclude(fsModal);
      --Application->FModalLevel;
      Hide();
    });
    EnumThreadWindows(GetCurrentThreadId(), DisableTaskWindow, LPARAM(&Disabled));
    Show();
    FModalResult = mrNone;
    do {
      Application->HandleMessage();
      if (Application->Terminated()) {
        FModalResult = mrCancel;
      } else if (FModalResult != mrNone) {
        CloseModal();
      }
    } while (FModalResult == mrNone);
  }
  if (Previous && IsWindow(Previous)) SetActiveWindow(Previous);
  return FModalResult;
}

}  // namespace qv
