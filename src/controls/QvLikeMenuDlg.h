#pragma once
// TQvLikeMenuDlg: makes a drop-down window behave like an open menu. While armed
// (Capture), a left or right click outside the window, or a change of activation with the
// cursor outside it, raises OnMouseClickOutside once; the owner then closes its drop-down.
// It takes over the target's WindowProc and holds the mouse capture on the target while
// the cursor is outside, so the first outside click arrives at the target.
#include <memory>

#include "host/Control.h"

namespace qv {

class TWinControl;
class TSimpleTimer;

class TQvLikeMenuDlg : public TComponent {
  QV_CLASS(TQvLikeMenuDlg)
 public:
  // Posts MM_MENUDLGCREATED to an owner form's window at run time.
  explicit TQvLikeMenuDlg(TComponent* AOwner);
  ~TQvLikeMenuDlg() override;

  static constexpr bool DefaultAnyClickCancel = false;
  // When set, a mouse move over the target does not restart the cursor watch.
  bool AnyClickCancel() const { return FAnyClickCancel; }
  void SetAnyClickCancel(bool Value) { FAnyClickCancel = Value; }

  // Arms DestWin: gives a previous target its own procedure back, then takes over
  // DestWin's and starts watching the cursor.
  void Capture(TWinControl* DestWin);
  // Disarms: no watch, no capture, then OnMouseClickOutside. The target's procedure stays
  // replaced until the next Capture or the component's end.
  void Stop();
  // Whether the cursor lies in the target's client rectangle.
  bool MouseIn() const;

  TWinControl* DestWin() const { return FDestWin; }
  bool Captured() const { return FCaptured; }
  bool Stopped() const { return FStop; }

  const TPropTable& Properties() const override;

  // Raised inside the target's own message: the owner hides the drop-down here, or frees
  // it through a posted release, never at once.
  TNotifyEvent OnMouseClickOutside;

  static constexpr Cardinal OutsideCaptureInterval = 20;
  static constexpr Cardinal DoStopInterval = 200;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void NewWndProc(TMessage& Message);
  void DoCapture();
  void ReleaseOwnCapture();  // lets go of the capture when we hold it, no one else's
  // Sends a press that came through our capture to the child window under the pointer;
  // false when there is none (the press is then ours).
  bool ForwardCapturedPress(const TMessage& Message);
  void DoOnOutsideCaputerTimer();
  void DoOnDoStopTimer();
  void Release();  // gives the target its procedure back

  TWinControl* FDestWin = nullptr;
  TWndMethod FOldWindowProc;
  std::unique_ptr<TSimpleTimer> FOutsideCapture;
  std::unique_ptr<TSimpleTimer> FDoStop;
  bool FCaptured = false;
  bool FStop = false;
  bool FAnyClickCancel = DefaultAnyClickCancel;
};

}  // namespace qv
