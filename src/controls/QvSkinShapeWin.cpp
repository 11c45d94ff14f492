#include <algorithm>

#include "controls/QvSkinCtrlsStreaming.h"
#include "controls/QvSkinShape.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinShape>(), true);

// A new shape's pen, which differs from a new pen.
constexpr TColor kPenColor = TColor(0x566FF8);
constexpr int kPenWidth = 2;

// The pen's settings that differ from a new shape's pen. Written against the pen's own
// defaults, a visible pen would read back hidden.
void WritePen(TPropertyWriter& W, const TQvPen& Pen) {
  if (Pen.Color() != kPenColor) WriteColorProperty(W, L"Pen.Color", Pen.Color());
  if (Pen.Visible()) W.WriteBoolean(L"Pen.Visible", true);
  if (Pen.Width() != kPenWidth) W.WriteInteger(L"Pen.Width", Pen.Width());
  if (Pen.Style() != TQvPenStyle::psSolid)
    W.WriteIdent(L"Pen.Style", EnumToIdent(Pen.Style(), TQvPenStyleNames));
}

}  // namespace

TQvSkinCustomShape::TQvSkinCustomShape(TComponent* AOwner)
    : TQvSkinCustomControl(AOwner),
      FBrush(std::make_unique<TQvBrush>()),
      FPen(std::make_unique<TQvPen>()) {
  SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks});
  SetBounds(Left(), Top(), 65, 65);
  FPen->SetVisible(false);
  FPen->SetColor(kPenColor);
  FPen->SetWidth(kPenWidth);
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

void TQvSkinCustomShape::WriteProperties(TPropertyWriter& W) const {
  TQvSkinCustomControl::WriteProperties(W);
  const TQvShapeLook D;
  if (FLook.Alpha != D.Alpha) W.WriteInteger(L"Alpha", FLook.Alpha);
  W.WriteNested(L"Brush", *FBrush);
  WritePen(W, *FPen);
  if (FLook.RoundRadius != D.RoundRadius) W.WriteInteger(L"RoundRadius", FLook.RoundRadius);
  if (FLook.Shape != D.Shape) W.WriteIdent(L"Shape", EnumToIdent(FLook.Shape, TQvShapeKindNames));
  if (!FLook.SvgPath.empty()) W.WriteString(L"SvgPath", FLook.SvgPath);
}

bool TQvSkinCustomShape::ReadProperty(const String& Name, const TPropValue& Value) {
  auto Is = [&](const wchar_t* N) { return SameText(Name, N); };
  if (Is(L"Alpha"))
    SetAlpha(Byte(Value.AsInteger()));
  else if (ReadNestedProperty(Name, L"Brush", *FBrush, Value))
    return true;
  else if (ReadNestedProperty(Name, L"Pen", *FPen, Value))
    return true;
  else if (Is(L"RoundRadius"))
    SetRoundRadius(int(Value.AsInteger()));
  else if (Is(L"Shape"))
    SetShape(ReadEnumProperty<TQvShapeKind>(Value, TQvShapeKindNames));
  else if (Is(L"SvgPath"))
    SetSvgPath(Value.AsString());
  else
    return TQvSkinCustomControl::ReadProperty(Name, Value);
  return true;
}

}  // namespace qv
