#pragma once
// TSimpleTimer: a light millisecond timer. Every timer of a module shares one hidden
// window, created with the first timer and destroyed with the last; its timer messages
// call the timer's OnTimer on the GUI thread. Not a component.
//
// States: Stopped (Enabled false), Running (Enabled, platform timer set) and Suspended
// (Enabled but no platform timer: Interval 0 or OnTimer unassigned while running; a new
// non-zero Interval runs it again).
#include <cstdint>

#include "host/Classes.h"

namespace qv {

struct TSimpleTimerModule;

class TCustomSimpleTimer : public TObject {
 public:
  ~TCustomSimpleTimer() override;
  TCustomSimpleTimer(const TCustomSimpleTimer&) = delete;
  TCustomSimpleTimer& operator=(const TCustomSimpleTimer&) = delete;
  String ClassName() const override { return L"TSimpleTimer"; }

  // Sets the platform timer (restarting a running one). False with Interval 0 or when the
  // platform refuses; the timer is then Stopped.
  bool Start();
  // Kills the platform timer; false when there was none. ClearEnabled also clears Enabled.
  bool Stop(bool ClearEnabled);

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  Cardinal Interval() const { return FInterval; }
  void SetInterval(Cardinal Value);
  // Stop at the next tick (before OnTimer runs).
  bool AutoDisable() const { return FAutoDisable; }
  void SetAutoDisable(bool Value) { FAutoDisable = Value; }
  Integer Tag() const { return FTag; }
  void SetTag(Integer Value) { FTag = Value; }
  const TNotifyEvent& OnTimer() const { return FOnTimer; }
  void SetOnTimer(TNotifyEvent Value);
  // The identifier of the platform timer: the object's address.
  uintptr_t Id() const { return FId; }

 protected:
  TCustomSimpleTimer(TSimpleTimerModule& Module, Cardinal AInterval, TNotifyEvent AOnTimer);

 private:
  friend class TSimpleTimerHandler;
  void Tick();

  TSimpleTimerModule& FModule;
  uintptr_t FId;
  bool FEnabled = false;
  Cardinal FInterval = 1000;
  bool FAutoDisable = false;
  Integer FTag = 0;
  TNotifyEvent FOnTimer;
  bool FPlatformSet = false;
};

// The timer of the module that buttons, edits, tips, tool bars, sliders and message bars use.
class TSimpleTimer : public TCustomSimpleTimer {
 public:
  explicit TSimpleTimer(Cardinal AInterval = 1000, TNotifyEvent AOnTimer = nullptr);
};

// Live timers of the module and those whose platform timer is set (0 without timers).
Integer GetSimpleTimerCount();
Integer GetSimpleTimerActiveCount();

}  // namespace qv
