#pragma once
// TQvQQAlign: docks its owner form to the edges of the work area. While dragged, the form
// stays inside; left touching an allowed edge, it slides out of sight but for a 2-pixel
// strip while the cursor is elsewhere, and back when the cursor comes over it.
#include <memory>

#include "host/Control.h"
#include "host/Timer.h"

namespace qv {

class TCustomForm;

class TQvQQAlign : public TComponent {
  QV_CLASS(TQvQQAlign)
 public:
  static constexpr bool DefaultActive = true;
  static constexpr TAnchors DefaultAnchors = {akTop};
  static constexpr Cardinal kSlideInterval = 30;

  // Takes over the owner form's WindowProc (at run time, when the owner is a form).
  explicit TQvQQAlign(TComponent* AOwner);
  ~TQvQQAlign() override;

  // ---- published ----
  bool Active() const { return FActive; }
  // Also runs or stops the slide timer.
  void SetActive(bool Value);
  // Edges the form may dock to (akBottom is not used).
  TAnchors Anchors() const { return FAnchors; }
  void SetAnchors(TAnchors Value) { FAnchors = Value; }

  // Edges the form touches now; the slide timer runs while there is one.
  TAnchors CurAnchors() const { return FCurAnchors; }
  TTimer* Timer() const { return FTimer; }
  // Keeps the moving rectangle R (screen coordinates) inside the work area and notes the
  // edges it touches.
  void DoAlign(TRect& R);
  // The window under a screen point: the form's own when the point lies on the form or
  // on any window of it.
  HWND FindCurHWMD(TPoint Pos) const;

  const TPropTable& Properties() const override;

 private:
  void WndProc(TMessage& Message);
  void fOnTimer(TObject* Sender);
  bool FActive = DefaultActive;
  TAnchors FAnchors = DefaultAnchors;
  TAnchors FCurAnchors;
  TCustomForm* FForm = nullptr;
  TWndMethod FOldWndMethod;
  TTimer* FTimer = nullptr;  // owned as a component
};

}  // namespace qv
