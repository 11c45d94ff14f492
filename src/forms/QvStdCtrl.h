#pragma once
// TQvHookWindowProc: a non-visual component that, dropped on a form, puts its own
// NewWndProc in front of the form's window procedure and chains to the one it found.
// Skinned forms build on it instead of subclassing the form class.
#include "host/Classes.h"
#include "host/Control.h"

namespace qv {

class TCustomForm;

class TQvHookWindowProc : public TComponent {
  QV_CLASS(TQvHookWindowProc)
 public:
  // Hooks AOwner when it is a form and the component is not being designed; any other
  // owner leaves the component inert.
  explicit TQvHookWindowProc(TComponent* AOwner);
  // Writes back the window procedure found at creation, without checking that the form
  // still points at this hook: hooks on one form go in reverse order of creation.
  ~TQvHookWindowProc() override;

  // The hooked form; nil when nothing was hooked (or the form is gone).
  TCustomForm* DestForm() const { return FDestForm; }

  // Receives every message of the hooked form. The base passes it on to the window
  // procedure that was in place before; overrides call it wherever they pass a message on.
  virtual void NewWndProc(TMessage& Message);

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

  TWndMethod FOldWindowProc;
  TCustomForm* FDestForm = nullptr;
};

}  // namespace qv
