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

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  Cardinal Interval() const { return FInterval; }
  void SetInterval(Cardinal Value);
  void WriteProperties(TPropertyWriter& Writer) const override;
  bool ReadProperty(const String& Name, const TPropValue& Value) override;

  TNotifyEvent OnTimer;

 protected:
  virtual void Timer();

 private:
  void UpdateTimer();
  bool FEnabled = true;
  Cardinal FInterval = 1000;
  HWND FWindow = nullptr;
};

}  // namespace qv
