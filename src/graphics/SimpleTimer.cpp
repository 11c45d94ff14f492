#include "graphics/SimpleTimer.h"

#include "graphics/SimpleTimerHandler.h"

namespace qv {

// ---- handler ----

TSimpleTimerHandler::TSimpleTimerHandler() : FWindowHandle(CreateSimpleTimerWindow(this)) {}

TSimpleTimerHandler::~TSimpleTimerHandler() {
  if (FWindowHandle) DestroySimpleTimerWindow(FWindowHandle);
}

bool TSimpleTimerHandler::SetTimer(uintptr_t Id, Cardinal Interval) {
  return FWindowHandle && SetSimpleTimerTimer(FWindowHandle, Id, Interval);
}

bool TSimpleTimerHandler::KillTimer(uintptr_t Id) {
  return FWindowHandle && KillSimpleTimerTimer(FWindowHandle, Id);
}

void TSimpleTimerHandler::TimerTick(uintptr_t Id) {
  if (!FLive.count(Id)) return;
  auto* Timer = reinterpret_cast<TCustomSimpleTimer*>(Id);
  if (Timer->FPlatformSet) Timer->Tick();
}

TSimpleTimerModuleFinalizer::~TSimpleTimerModuleFinalizer() {
  delete Module.Handler;
  Module.Handler = nullptr;
}

// ---- timer ----

TCustomSimpleTimer::TCustomSimpleTimer(TSimpleTimerModule& Module, Cardinal AInterval,
                                       TNotifyEvent AOnTimer)
    : FModule(Module), FId(reinterpret_cast<uintptr_t>(this)), FInterval(AInterval) {
  SetOnTimer(std::move(AOnTimer));
  if (!FModule.Handler) FModule.Handler = new TSimpleTimerHandler;
  FModule.Handler->FLive.insert(FId);
  ++FModule.Handler->RefCount;
}

TCustomSimpleTimer::~TCustomSimpleTimer() {
  if (FEnabled) Stop(true);
  TSimpleTimerHandler* H = FModule.Handler;
  if (!H) return;  // the module has shut down already
  H->FLive.erase(FId);
  if (H->RefCount > 0) --H->RefCount;
  if (H->RefCount == 0) {
    FModule.Handler = nullptr;
    delete H;
  }
}

bool TCustomSimpleTimer::Start() {
  if (FInterval == 0) return false;
  if (FEnabled) Stop(true);
  TSimpleTimerHandler* H = FModule.Handler;
  if (!H || !H->SetTimer(FId, FInterval)) return false;
  FPlatformSet = true;
  FEnabled = true;
  ++H->ActiveCount;
  return true;
}

bool TCustomSimpleTimer::Stop(bool ClearEnabled) {
  if (ClearEnabled) FEnabled = false;
  TSimpleTimerHandler* H = FModule.Handler;
  if (!H || !H->KillTimer(FId)) return false;
  FPlatformSet = false;
  if (H->ActiveCount > 0) --H->ActiveCount;
  return true;
}

void TCustomSimpleTimer::SetEnabled(bool Value) {
  if (Value)
    Start();
  else
    Stop(true);
}

void TCustomSimpleTimer::SetInterval(Cardinal Value) {
  if (Value == FInterval) return;
  FInterval = Value;
  if (!FEnabled) return;
  if (Value != 0)
    Start();
  else
    Stop(false);
}

void TCustomSimpleTimer::SetOnTimer(TNotifyEvent Value) {
  FOnTimer = std::move(Value);
  if (!FOnTimer && FEnabled) Stop(false);
}

void TCustomSimpleTimer::Tick() {
  if (FAutoDisable) Stop(true);
  if (!FOnTimer) return;
  // A copy: the handler may replace OnTimer or free this timer while it runs.
  TNotifyEvent Handler = FOnTimer;
  Handler(this);
}

// ---- the uSimpleTimer module ----

namespace {
constinit TSimpleTimerModule gModule;
TSimpleTimerModuleFinalizer gFinalizer{gModule};
}  // namespace

TSimpleTimerModule& SimpleTimerModule() {
  return gModule;
}

TSimpleTimer::TSimpleTimer(Cardinal AInterval, TNotifyEvent AOnTimer)
    : TCustomSimpleTimer(gModule, AInterval, std::move(AOnTimer)) {
  SetTag(0);
}

Integer GetSimpleTimerCount() {
  return gModule.Count();
}
Integer GetSimpleTimerActiveCount() {
  return gModule.ActiveCount();
}

}  // namespace qv
