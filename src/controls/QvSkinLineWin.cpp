#include <windows.h>

#include "controls/QvSkinLine.h"
#include "host/Properties.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinLine>(), true);

}  // namespace

TQvSkinLine::TQvSkinLine(TComponent* AOwner) : TQvSkinCustomControl(AOwner) {
  SetBounds(Left(), Top(), 255, 3);
  SetAutoInvalidate(true);
  SetColor(FLook.Color);
}

void TQvSkinLine::SetKind(TLineKind Value) {
  FLook.Kind = Value;
  const bool Mismatch = Value == lkVertical ? Width() > Height() : Height() > Width();
  if (Mismatch) SetBounds(Left(), Top(), Height(), Width());
  // A square line changes its look without a size change.
  Invalidate();
}

void TQvSkinLine::SetGradientSize(int Value) {
  if (Value != FLook.GradientSize && Value >= 0 && Value <= 100) FLook.GradientSize = Value;
  Invalidate();
}

void TQvSkinLine::WndProc(TMessage& Message) {
  TQvSkinCustomControl::WndProc(Message);
  if (Message.Msg == CM_COLORCHANGED) FLook.Color = Color();
  if (Message.Msg != WM_SIZE) return;
  const bool Horizontal = FLook.Kind == lkHorizontal;
  const int Thickness = Horizontal ? Height() : Width();
  int Wanted = Thickness;
  if (AutoSize())
    Wanted = 3;
  else if (Thickness < 1)
    Wanted = 1;
  if (Wanted == Thickness) return;
  if (Horizontal)
    SetHeight(Wanted);
  else
    SetWidth(Wanted);
}

void TQvSkinLine::DrawBody(TBitmap32* Bitmap) {
  PaintSkinLine(Bitmap, Width(), Height(), FLook);
}

// ---- object text form ---------------------------------------------------------------

// The line's colour redeclares the base's Color with the line's default.
const TPropTable& TQvSkinLine::Properties() const {
  using C = TQvSkinLine;
  constexpr TQvLineLook D;
  static const TPropTable Table = TQvSkinCustomControl::Properties().With({
      Prop(L"ActiveGradient", &C::ActiveGradient, &C::SetActiveGradient, D.ActiveGradient),
      ColorProp(L"Color", &C::Color, &C::SetColor, D.Color),
      EnumProp(L"GradientAlign", &C::GradientAlign, &C::SetGradientAlign, D.GradientAlign,
               TGradientAlignNames),
      ColorProp(L"GradientEndColor", &C::GradientEndColor, &C::SetGradientEndColor,
                D.GradientEndColor),
      Prop(L"GradientSize", &C::GradientSize, &C::SetGradientSize, D.GradientSize),
      ColorProp(L"GradientStartColor", &C::GradientStartColor, &C::SetGradientStartColor,
                D.GradientStartColor),
      EnumProp(L"Kind", &C::Kind, &C::SetKind, D.Kind, TLineKindNames),
      EnumProp(L"Style", &C::Style, &C::SetStyle, D.Style, TQvPenStyleNames),
  });
  return Table;
}

}  // namespace qv
