#include <windows.h>

#include "controls/QvSkinLayerControl.h"
#include "forms/QvMessages.h"
#include "forms/QvSkinHelper.h"
#include "graphics/QvCommParentImage.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"

namespace qv {

TQvSkinCustomLayerControl::TQvSkinCustomLayerControl(TComponent* AOwner)
    : TCustomImage32_qv(AOwner) {
  if (!Designing())
    if (TQvWinControlHelper* Registry = TQvWinControlHelperObj()) Registry->Add(this);
}

TQvSkinCustomLayerControl::~TQvSkinCustomLayerControl() {
  if (TQvWinControlHelper* Registry = TQvWinControlHelperObj()) Registry->Remove(this);
}

void TQvSkinCustomLayerControl::SetTransparent(bool Value) {
  if (FTransparent == Value) return;
  FTransparent = Value;
  FRedrawBackground = true;
  Invalidate();
}

void TQvSkinCustomLayerControl::DoPaintBuffer() {
  TCustomImage32_qv::DoPaintBuffer();
  if (!FHookPaintBufferProc || !FRedrawBackground || Designing() || Width() <= 0 || Height() <= 0)
    return;
  FRedrawBackground = false;
  // The picture changes, so the buffer is painted once more with it.
  TBitmap32* B = Bitmap();
  {
    auto Updating = UpdateScope(*B);
    B->SetSize(Width(), Height());
    if (FTransparent)
      DrawParentImage(this, B, BoundsRect());
    else
      B->Clear(Color32(Color()));
  }
  B->Changed();
}

void TQvSkinCustomLayerControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_MOVE:
    case WM_SIZE:
      FRedrawBackground = true;
      break;
    case CWM_CHECKPARENTBG:
      if (!Designing()) {
        FRedrawBackground = true;
        Invalidate();
      }
      return;
  }
  TCustomImage32_qv::WndProc(Message);
}

const TPropTable& TQvSkinCustomLayerControl::Properties() const {
  using C = TQvSkinCustomLayerControl;
  static const TPropTable Table = TCustomImage32_qv::Properties().With({
      Prop(L"Transparent", &C::Transparent, &C::SetTransparent),
  });
  return Table;
}

}  // namespace qv
