#pragma once
// TTimer: raises OnTimer every Interval milliseconds while Enabled, through a window
// timer on a hidden window of its own.
#include "host/Classes.h"
#include "host/PlatformTypes.h"

namespace qv {

class TTimer : public TComponent {
  QV_CLASS(TTimer)
 public:
  explicit TTimer(TComponent* AOwner);
  ~TTimer() override;

  static constexpr bool DefaultEnabled = true;
  static constexpr Cardinal DefaultInterval = 1000;
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  Cardinal Interval() const { return FInterval; }
  void SetInterval(Cardinal Value);
  const TPropTable& Properties() const override;

  TNotifyEvent OnTimer;

 protected:
  virtual void Timer();

 private:
  void UpdateTimer();
  bool FEnabled = DefaultEnabled;
  Cardinal FInterval = DefaultInterval;
  HWND FWindow = nullptr;
};

}  // namespace qv
