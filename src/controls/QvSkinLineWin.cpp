#include <windows.h>

#include "controls/QvSkinCtrlsStreaming.h"
#include "controls/QvSkinLine.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinLine>(), true);

}  // namespace

TQvSkinLine::TQvSkinLine(TComponent* AOwner) : TQvSkinCustomControl(AOwner) {
  SetBounds(Left(), Top(), 255, 3);
  SetAutoInvalidate(true);
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

void TQvSkinLine::WriteProperties(TPropertyWriter& W) const {
  TQvSkinCustomControl::WriteProperties(W);
  const TQvLineLook D;
  if (FLook.ActiveGradient != D.ActiveGradient) W.WriteBoolean(L"ActiveGradient", false);
  // The line's own colour replaces the base's under the same name.
  if (FLook.Color != D.Color) WriteColorProperty(W, L"Color", FLook.Color);
  if (FLook.GradientAlign != D.GradientAlign)
    W.WriteIdent(L"GradientAlign", EnumToIdent(FLook.GradientAlign, TGradientAlignNames));
  if (FLook.GradientEndColor != D.GradientEndColor)
    WriteColorProperty(W, L"GradientEndColor", FLook.GradientEndColor);
  if (FLook.GradientSize != D.GradientSize) W.WriteInteger(L"GradientSize", FLook.GradientSize);
  if (FLook.GradientStartColor != D.GradientStartColor)
    WriteColorProperty(W, L"GradientStartColor", FLook.GradientStartColor);
  if (FLook.Kind != D.Kind) W.WriteIdent(L"Kind", EnumToIdent(FLook.Kind, TLineKindNames));
  if (FLook.Style != D.Style) W.WriteIdent(L"Style", EnumToIdent(FLook.Style, TQvPenStyleNames));
}

bool TQvSkinLine::ReadProperty(const String& Name, const TPropValue& Value) {
  auto Is = [&](const wchar_t* N) { return SameText(Name, N); };
  if (Is(L"ActiveGradient"))
    SetActiveGradient(Value.AsBoolean());
  else if (Is(L"Color"))
    SetColor(ReadColorProperty(Value));
  else if (Is(L"GradientAlign"))
    SetGradientAlign(ReadEnumProperty<TGradientAlign>(Value, TGradientAlignNames));
  else if (Is(L"GradientEndColor"))
    SetGradientEndColor(ReadColorProperty(Value));
  else if (Is(L"GradientSize"))
    SetGradientSize(int(Value.AsInteger()));
  else if (Is(L"GradientStartColor"))
    SetGradientStartColor(ReadColorProperty(Value));
  else if (Is(L"Kind"))
    SetKind(ReadEnumProperty<TLineKind>(Value, TLineKindNames));
  else if (Is(L"Style"))
    SetStyle(ReadEnumProperty<TQvPenStyle>(Value, TQvPenStyleNames));
  else
    return TQvSkinCustomControl::ReadProperty(Name, Value);
  return true;
}

}  // namespace qv
