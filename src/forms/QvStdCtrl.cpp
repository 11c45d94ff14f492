#include "forms/QvStdCtrl.h"

#include "host/Form.h"

namespace qv {

TQvHookWindowProc::TQvHookWindowProc(TComponent* AOwner) : TComponent(AOwner) {
  // Any form will do: the window procedure lives on every control, and the library's
  // own windows may derive from TCustomForm directly.
  auto* Form = dynamic_cast<TCustomForm*>(AOwner);
  if (!Form || FComponentState.Contains(csDesigning)) return;
  FDestForm = Form;
  FOldWindowProc = Form->WindowProc;
  // Through the virtual slot, so the most derived NewWndProc gets the messages.
  Form->WindowProc = [this](TMessage& Message) { NewWndProc(Message); };
  // The form normally outlives its hook (it frees the hook first); should it go first
  // anyway, the hook forgets it rather than writing into a freed form.
  Form->FreeNotification(this);
}

TQvHookWindowProc::~TQvHookWindowProc() {
  // FDestForm is only set when a hook went in, so it alone decides: a hook must come out
  // even if the component was switched to design mode since.
  if (FDestForm) FDestForm->WindowProc = std::move(FOldWindowProc);
}

void TQvHookWindowProc::NewWndProc(TMessage& Message) {
  if (!FOldWindowProc) return;
  // A copy: the handler may free this hook (and with it FOldWindowProc) while it runs.
  TWndMethod Old = FOldWindowProc;
  Old(Message);
}

void TQvHookWindowProc::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FDestForm) {
    FDestForm = nullptr;
    FOldWindowProc = nullptr;
  }
}

}  // namespace qv
