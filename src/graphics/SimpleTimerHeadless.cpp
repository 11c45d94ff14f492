// Native stand-in for the timer window: no message loop exists here, so the platform timers
// are only recorded (setting always succeeds, killing succeeds for a set one) and ticks
// come from the caller through TSimpleTimerHandler::TimerTick.
#include <set>

#include "graphics/SimpleTimerHandler.h"

namespace qv {

namespace {
struct THeadlessTimerWindow {
  std::set<uintptr_t> Timers;
};
}  // namespace

HWND CreateSimpleTimerWindow(TSimpleTimerHandler*) {
  return reinterpret_cast<HWND>(new THeadlessTimerWindow);
}

void DestroySimpleTimerWindow(HWND Window) {
  delete reinterpret_cast<THeadlessTimerWindow*>(Window);
}

bool SetSimpleTimerTimer(HWND Window, uintptr_t Id, Cardinal) {
  reinterpret_cast<THeadlessTimerWindow*>(Window)->Timers.insert(Id);
  return true;
}

bool KillSimpleTimerTimer(HWND Window, uintptr_t Id) {
  return reinterpret_cast<THeadlessTimerWindow*>(Window)->Timers.erase(Id) > 0;
}

}  // namespace qv
