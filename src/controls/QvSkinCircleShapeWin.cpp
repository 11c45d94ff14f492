#include "controls/QvSkinCircleShape.h"
#include "controls/QvSkinShapePaint.h"
#include "host/Properties.h"
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
  SetColor(DefaultRingColor);
}

void TQvSkinCircleShape::DrawBody(TBitmap32* Bitmap) {
  // Only the picture: the panel's fill, caption and border are not drawn.
  TQvSkinResManager* Manager = TQvSkinResManagerObj();
  TQvSkinImage* Image = Manager ? Manager->GetImageByName(FPicture, true) : nullptr;
  if (Image) DrawPictureInCircle(Bitmap, Rect(0, 0, Width(), Height()), *Image, Color());
}

// ---- object text form ---------------------------------------------------------------

// The ring colour redeclares Color with its own default.
const TPropTable& TQvSkinCircleShape::Properties() const {
  using C = TQvSkinCircleShape;
  static const TPropTable Table = TQvSkinCustomPanel::Properties().With({
      ColorProp(L"Color", &C::Color, &C::SetColor, DefaultRingColor),
      ResIDProp(L"Picture", &C::Picture, &C::SetPicture),
  });
  return Table;
}

}  // namespace qv
