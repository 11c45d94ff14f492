#include "controls/QvSkinCircleShape.h"
#include "controls/QvSkinCtrlsStreaming.h"
#include "controls/QvSkinShapePaint.h"
#include "resources/QvSkinResManager.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinCircleShape>(), true);

}  // namespace

TQvSkinCircleShape::TQvSkinCircleShape(TComponent* AOwner) : TQvSkinCustomPanel(AOwner) {
  SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque,
                   csDoubleClicks, csReplicatable});
  SetBounds(Left(), Top(), 120, 120);
  SetAlpha(0);
  SetBorderSides({});
}

void TQvSkinCircleShape::DrawBody(TBitmap32* Bitmap) {
  // Only the picture: the panel's fill, caption and border are not drawn.
  TQvSkinResManager* Manager = TQvSkinResManagerObj();
  TQvSkinImage* Image = Manager ? Manager->GetImageByName(FPicture, true) : nullptr;
  if (Image) DrawPictureInCircle(Bitmap, Rect(0, 0, Width(), Height()), *Image, FColor);
}

// ---- object text form ---------------------------------------------------------------

void TQvSkinCircleShape::WriteProperties(TPropertyWriter& W) const {
  TQvSkinCustomPanel::WriteProperties(W);
  // The ring colour replaces the panel's fill colour under the same name.
  if (FColor != TColor(0xEBB71C)) WriteColorProperty(W, L"Color", FColor);
  if (!FPicture.empty()) W.WriteString(L"Picture", FPicture);
}

bool TQvSkinCircleShape::ReadProperty(const String& Name, const TPropValue& Value) {
  if (SameText(Name, L"Color"))
    SetColor(ReadColorProperty(Value));
  else if (SameText(Name, L"Picture"))
    SetPicture(Value.AsString());
  else
    return TQvSkinCustomPanel::ReadProperty(Name, Value);
  return true;
}

}  // namespace qv
