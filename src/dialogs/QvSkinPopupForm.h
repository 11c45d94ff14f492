#pragma once
// TQvSkinPopupForm: one toast, a skinned, stay-on-top, non-activating window that fades in,
// waits, fades out and frees itself. The mouse over it keeps it. Its two timers step a
// TQvPopupFade; tests may step it directly.
#include <memory>

#include "dialogs/QvSkinPopupMessageGeometry.h"
#include "host/Form.h"

namespace qv {

class TQvSkinForm;
class TQvSkinSystemButton;
class TQvSkinNCLabel;
class TQvSkinLabel;
class TTimer;

class TQvSkinPopupForm : public TForm {
  QV_CLASS(TQvSkinPopupForm)
 public:
  static constexpr Cardinal CloseInterval = 100, FadeInterval = 10;
  // Left < −9999: centred on the screen; otherwise at (Left, Top).
  TQvSkinPopupForm(TComponent* AOwner, bool ActiveAnimate, Cardinal ClosePause, int Top, int Left);
  ~TQvSkinPopupForm() override;

  String ID;
  TQvSkinSystemButton* FCloseNCButton = nullptr;
  TQvSkinForm* FQvSkinForm = nullptr;
  TQvSkinNCLabel* FCaption = nullptr;
  TQvSkinLabel* FMsg = nullptr;

  // Shows the toast without taking the activation, and tells assistive technology.
  void ShowNoActivate();
  // One step of each timer; Now in milliseconds of GetTickCount64.
  void FadeStep();
  void CloseTick(uint64_t Now);
  const TQvPopupFade& Fade() const { return FFade; }
  bool MouseInside() const { return FMouseInside; }

  void WndProc(TMessage& Message) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  // Always frees the toast.
  void DoClose(TCloseAction& Action) override;

 private:
  void Apply(TQvPopupFade::TAction Action);
  void SyncTimers();
  TQvPopupFade FFade;
  std::unique_ptr<TTimer> FTimer;
  std::unique_ptr<TTimer> FAnimate;
  bool FMouseInside = false;
  bool FClosing = false;
  bool FShowing = false;
};

}  // namespace qv
