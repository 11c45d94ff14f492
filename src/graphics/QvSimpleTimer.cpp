#include "graphics/QvSimpleTimer.h"

#include "graphics/SimpleTimerHandler.h"

namespace qv {

namespace {
constinit TSimpleTimerModule gQvModule;
TSimpleTimerModuleFinalizer gQvFinalizer{gQvModule};
}  // namespace

TSimpleTimerModule& QvSimpleTimerModule() {
  return gQvModule;
}

namespace QvSimpleTimer {

TSimpleTimer::TSimpleTimer(Cardinal AInterval, TNotifyEvent AOnTimer)
    : TCustomSimpleTimer(gQvModule, AInterval, std::move(AOnTimer)) {}

Integer GetSimpleTimerCount() {
  return gQvModule.Count();
}
Integer GetSimpleTimerActiveCount() {
  return gQvModule.ActiveCount();
}

}  // namespace QvSimpleTimer
}  // namespace qv
