#pragma once
// TTimer: raises OnTimer every Interval milliseconds while Enabled, through a window
// timer on a hidden window of its own.
#include "host/Classes.h"

struct HWND__;

namespace qv {

class TTimer : public TComponent {
  QV_CLASS(TTimer)
 public:
  explicit TTimer(TComponent* AOwner);
  ~TTimer() override;

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  Cardinal Interval() const { return FInterval; }
  void SetInterval(Cardinal Value);

  TNotifyEvent OnTimer;

 protected:
  virtual void Timer();

 private:
  void UpdateTimer();
  bool FEnabled = true;
  Cardinal FInterval = 1000;
  HWND__* FWindow = nullptr;
};

}  // namespace qv
