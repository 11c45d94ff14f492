#include <windows.h>

#include "controls/QvSkinSizeGrip.h"
#include "host/Form.h"
#include "host/Properties.h"
#include "resources/QvSkinResManager.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinSizeGrip>(), true);

constexpr WPARAM kSizeFromBottomRight = 0xF008;  // SC_SIZE | WMSZ_BOTTOMRIGHT

}  // namespace

TQvSkinSizeGrip::TQvSkinSizeGrip(TComponent* AOwner) : TQvSkinCustomControl(AOwner) {
  SetAutoInvalidate(true);
  SetCursor(crSizeNWSE);
  SetAnchors({akRight, akBottom});
  SetBounds(Left(), Top(), 20, 20);
}

void TQvSkinSizeGrip::SetImage(const String& Value) {
  if (FImage == Value) return;
  FImage = Value;
  Invalidate();
}

void TQvSkinSizeGrip::UpdateDragged() {
  FDestForm = GetParentForm(this);
  FDragged = FDestForm && FDestForm->WindowState() != wsMaximized;
  // The sizing cursor only where the grip sizes.
  SetCursor(FDragged ? crSizeNWSE : crDefault);
}

void TQvSkinSizeGrip::DrawBody(TBitmap32* Bitmap) {
  TQvSkinCustomControl::DrawBody(Bitmap);
  UpdateDragged();
  if (!FDragged) return;
  TQvSkinResManager* Manager = TQvSkinResManagerObj();
  TQvSkinImage* Picture = Manager ? Manager->GetImageByName(FImage, true) : nullptr;
  if (!Picture) return;
  TDrawMode Old = Picture->DrawMode();
  Picture->SetDrawMode(dmBlend);
  Bitmap->Draw(Width() - Picture->Width() - 1, Height() - Picture->Height() - 1, Picture);
  Picture->SetDrawMode(Old);
}

void TQvSkinSizeGrip::WndProc(TMessage& Message) {
  if (Message.Msg == WM_LBUTTONDOWN && !FComponentState.Contains(csDesigning)) {
    // The form may have been maximised since the last paint.
    UpdateDragged();
    if (FDragged) {
      ReleaseCapture();
      FDestForm->Perform(WM_SYSCOMMAND, kSizeFromBottomRight, 0);
      return;
    }
  }
  TQvSkinCustomControl::WndProc(Message);
}

const TPropTable& TQvSkinSizeGrip::Properties() const {
  using C = TQvSkinSizeGrip;
  static const TPropTable Table = TQvSkinCustomControl::Properties().With({
      ResIDProp(L"Image", &C::Image, &C::SetImage, DefaultImage),
  });
  return Table;
}

}  // namespace qv
