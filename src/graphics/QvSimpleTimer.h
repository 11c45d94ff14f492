#pragma once
// The second timer module, used by the animation control and the tray icon: the same
// timer as TSimpleTimer with a hidden window and counters of its own.
#include "graphics/SimpleTimer.h"

namespace qv::QvSimpleTimer {

class TSimpleTimer : public TCustomSimpleTimer {
 public:
  explicit TSimpleTimer(Cardinal AInterval = 1000, TNotifyEvent AOnTimer = nullptr);
};

Integer GetSimpleTimerCount();
Integer GetSimpleTimerActiveCount();

}  // namespace qv::QvSimpleTimer
