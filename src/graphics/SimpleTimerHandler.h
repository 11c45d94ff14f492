#pragma once
// The shared hidden window behind the light timers. Each timer module keeps one handler
// while it has at least one timer; the handler's window receives the platform's timer
// messages, whose identifier is the timer object's own address. The platform part (the
// window and its timers) lives in SimpleTimerWin.cpp, with a windowless stand-in natively.
#include <cstdint>
#include <unordered_set>

#include "host/PlatformTypes.h"
#include "host/Types.h"

namespace qv {

class TCustomSimpleTimer;

class TSimpleTimerHandler {
 public:
  TSimpleTimerHandler();
  ~TSimpleTimerHandler();
  TSimpleTimerHandler(const TSimpleTimerHandler&) = delete;
  TSimpleTimerHandler& operator=(const TSimpleTimerHandler&) = delete;

  Cardinal RefCount = 0;     // live timers
  Cardinal ActiveCount = 0;  // timers whose platform timer is set
  HWND WindowHandle() const { return FWindowHandle; }

  bool SetTimer(uintptr_t Id, Cardinal Interval);
  bool KillTimer(uintptr_t Id);
  // A timer message for Id. Ignored unless Id names a live timer whose platform timer is
  // set: a message queued before its timer was stopped or freed must not reach it.
  void TimerTick(uintptr_t Id);

 private:
  friend class TCustomSimpleTimer;
  std::unordered_set<uintptr_t> FLive;
  HWND FWindowHandle = nullptr;
};

// One timer module: the handler pointer, empty while the module has no timer.
struct TSimpleTimerModule {
  TSimpleTimerHandler* Handler = nullptr;
  Integer Count() const { return Handler ? Integer(Handler->RefCount) : 0; }
  Integer ActiveCount() const { return Handler ? Integer(Handler->ActiveCount) : 0; }
};

// Module shutdown: frees a handler that still exists.
struct TSimpleTimerModuleFinalizer {
  TSimpleTimerModule& Module;
  ~TSimpleTimerModuleFinalizer();
};

// The two modules (uSimpleTimer and uQvSimpleTimer).
TSimpleTimerModule& SimpleTimerModule();
TSimpleTimerModule& QvSimpleTimerModule();

// Platform glue.
HWND CreateSimpleTimerWindow(TSimpleTimerHandler* Handler);
void DestroySimpleTimerWindow(HWND Window);
bool SetSimpleTimerTimer(HWND Window, uintptr_t Id, Cardinal Interval);
bool KillSimpleTimerTimer(HWND Window, uintptr_t Id);

}  // namespace qv
