#include "host/ControlsWin.h"
#include "host/HiddenWindow.h"
#include "host/Timer.h"

namespace qv {

namespace {
constexpr UINT_PTR kTimerId = 1;
}

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {
  FWindow = AllocateHWnd([this](TMessage& M) {
    if (M.Msg == WM_TIMER && M.WParam == kTimerId) {
      try {
        Timer();
      } catch (...) {  // reported; it must not cross the window procedure into Windows
        HandleControlException();
      }
      return;
    }
    if (FWindow) M.Result = DefWindowProcW(FWindow, M.Msg, M.WParam, M.LParam);
  });
  UpdateTimer();
}

TTimer::~TTimer() {
  FEnabled = false;
  UpdateTimer();
  DeallocateHWnd(FWindow);
}

void TTimer::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  UpdateTimer();
}

void TTimer::SetInterval(Cardinal Value) {
  if (FInterval == Value) return;
  FInterval = Value;
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  KillTimer(FWindow, kTimerId);
  if (FEnabled && FInterval > 0 && !FComponentState.Contains(csDesigning))
    if (!SetTimer(FWindow, kTimerId, FInterval, nullptr))
      throw Exception(L"Not enough timers available");
}

void TTimer::Timer() {
  if (FEnabled && OnTimer) OnTimer(this);
}

}  // namespace qv
