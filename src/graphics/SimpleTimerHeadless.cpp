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

void* CreateSimpleTimerWindow(TSimpleTimerHandler*) {
  return new THeadlessTimerWindow;
}

void DestroySimpleTimerWindow(void* Window) {
  delete static_cast<THeadlessTimerWindow*>(Window);
}

bool SetSimpleTimerTimer(void* Window, uintptr_t Id, Cardinal) {
  static_cast<THeadlessTimerWindow*>(Window)->Timers.insert(Id);
  return true;
}

bool KillSimpleTimerTimer(void* Window, uintptr_t Id) {
  return static_cast<THeadlessTimerWindow*>(Window)->Timers.erase(Id) > 0;
}

}  // namespace qv
