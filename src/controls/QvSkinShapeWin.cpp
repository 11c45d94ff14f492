#include <algorithm>

#include "controls/QvSkinShape.h"
#include "host/Properties.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinShape>(), true);

// A new shape's pen, which differs from a new pen: the pen is written against it, since
// against the pen's own defaults a visible pen would read back hidden.
const TQvPen& ShapePen() {
  static const TQvPen Pen = [] {
    TQvPen P;
    P.SetVisible(false);
    P.SetColor(TColor(0x566FF8));
    P.SetWidth(2);
    return P;
  }();
  return Pen;
}

}  // namespace

TQvSkinCustomShape::TQvSkinCustomShape(TComponent* AOwner)
    : TQvSkinCustomControl(AOwner),
      FBrush(std::make_unique<TQvBrush>()),
      FPen(std::make_unique<TQvPen>()) {
  SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks});
  SetBounds(Left(), Top(), 65, 65);
  FPen->Assign(const_cast<TQvPen*>(&ShapePen()));
  auto Repaint = [this](TObject*) { Invalidate(); };
  FBrush->SetOnChanged(Repaint);
  FPen->SetOnChanged(Repaint);
}

TQvSkinCustomShape::~TQvSkinCustomShape() = default;

void TQvSkinCustomShape::SetShape(TQvShapeKind Value) {
  if (UpdateField(FLook.Shape, Value)) Invalidate();
}

void TQvSkinCustomShape::SetAlpha(Byte Value) {
  if (UpdateField(FLook.Alpha, Value)) Invalidate();
}

void TQvSkinCustomShape::SetRoundRadius(int Value) {
  const bool Rounded = FLook.Shape == skRoundRect || FLook.Shape == skRoundSquare;
  if (UpdateField(FLook.RoundRadius, std::max(Value, 1)) && Rounded) Invalidate();
}

void TQvSkinCustomShape::SetSvgPath(const String& Value) {
  if (UpdateField(FLook.SvgPath, Value) && FLook.Shape == skSVG) Invalidate();
}

void TQvSkinCustomShape::DrawBody(TBitmap32* Bitmap) {
  try {
    PaintSkinShape(Bitmap, Width(), Height(), FLook, *FBrush, *FPen);
  } catch (const Exception&) {
    // Malformed path data: what was drawn before the error stays. Raising out of the
    // paint would report the same error again on every repaint.
  }
}

// ---- object text form ---------------------------------------------------------------

const TPropTable& TQvSkinCustomShape::Properties() const {
  using C = TQvSkinCustomShape;
  const TQvShapeLook D;
  static const TPropTable Table = TQvSkinCustomControl::Properties().With({
      Prop(L"Alpha", &C::Alpha, &C::SetAlpha, D.Alpha),
      ObjectProp(L"Brush", &C::Brush),
      ObjectProp(L"Pen", &C::Pen, &ShapePen()),
      Prop(L"RoundRadius", &C::RoundRadius, &C::SetRoundRadius, D.RoundRadius),
      EnumProp(L"Shape", &C::Shape, &C::SetShape, D.Shape, TQvShapeKindNames),
      Prop(L"SvgPath", &C::SvgPath, &C::SetSvgPath),
  });
  return Table;
}

}  // namespace qv
