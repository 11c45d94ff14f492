#include <windows.h>

#include "controls/QvCustomControl.h"
#include "forms/QvMessages.h"

namespace qv {

TQvCustomControl::TQvCustomControl(TComponent* AOwner) : TCustomPaintBox32_qv(AOwner) {
  SetDoubleBuffered(true);
}

void TQvCustomControl::CreateParams(TCreateParams& Params) {
  TCustomPaintBox32_qv::CreateParams(Params);
  Params.Style |= WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
}

void TQvCustomControl::WndProc(TMessage& Message) {
  if (Message.Msg == CWM_CHECKPARENTBG) {
    Invalidate();
    return;
  }
  TCustomPaintBox32_qv::WndProc(Message);
}

}  // namespace qv
