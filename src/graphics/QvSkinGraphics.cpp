#include "graphics/QvSkinGraphics.h"

#include "host/Colors.h"
#include "host/ObjectText.h"

namespace qv {

// ---- brush and pen ----

void TQvBrush::Changed() {
  if (FOnChanged) FOnChanged(this);
}

void TQvBrush::Assign(TPersistent* Source) {
  auto* S = dynamic_cast<TQvBrush*>(Source);
  if (!S) return TPersistent::Assign(Source);
  if (CopySettings(*S)) Changed();
}

bool TQvBrush::CopySettings(const TQvBrush& S) {
  bool Differs = FColor != S.FColor || FVisible != S.FVisible;
  FColor = S.FColor;
  FVisible = S.FVisible;
  return Differs;
}

bool TQvPen::CopySettings(const TQvBrush& S) {
  bool Differs = TQvBrush::CopySettings(S);
  if (auto* P = dynamic_cast<const TQvPen*>(&S)) {
    Differs |= FWidth != P->FWidth || FStyle != P->FStyle;
    FWidth = P->FWidth;
    FStyle = P->FStyle;
  }
  return Differs;
}

void TQvBrush::WriteProperties(TPropertyWriter& Writer) const {
  if (FColor != DefaultColor) {
    String Ident;
    if (ColorToIdent(FColor, Ident))
      Writer.WriteIdent(L"Color", Ident);
    else
      Writer.WriteInteger(L"Color", FColor);
  }
  if (!FVisible) Writer.WriteBoolean(L"Visible", false);
}

bool TQvBrush::ReadProperty(const String& Name, const TPropValue& Value) {
  if (SameText(Name, L"Color")) {
    TColor C;
    if (Value.Type == vaIdent) {
      if (!IdentToColor(Value.Str, C)) throw EReadError(L"Invalid property value " + Value.Str);
    } else {
      C = TColor(uint32_t(Value.AsInteger()));
    }
    SetColor(C);
  } else if (SameText(Name, L"Visible")) {
    SetVisible(Value.AsBoolean());
  } else {
    return false;
  }
  return true;
}

void TQvPen::WriteProperties(TPropertyWriter& Writer) const {
  TQvBrush::WriteProperties(Writer);
  if (FWidth != 1) Writer.WriteInteger(L"Width", FWidth);
  if (FStyle != TQvPenStyle::psSolid) Writer.WriteIdent(L"Style", TQvPenStyleNames[int(FStyle)]);
}

bool TQvPen::ReadProperty(const String& Name, const TPropValue& Value) {
  if (SameText(Name, L"Width")) {
    SetWidth(Integer(Value.AsInteger()));
  } else if (SameText(Name, L"Style")) {
    for (int I = 0; I < 3; ++I)
      if (SameText(Value.AsString(), TQvPenStyleNames[I])) {
        SetStyle(TQvPenStyle(I));
        return true;
      }
    throw EReadError(L"Invalid property value " + Value.AsString() + L" for Style");
  } else {
    return TQvBrush::ReadProperty(Name, Value);
  }
  return true;
}

// ---- renderer ----

TQvSVGPathRenderer::TQvSVGPathRenderer(TBitmap32* ABitmap32)
    : FCanvas32(std::make_unique<TCanvas32>(ABitmap32)) {}

TQvSVGPathRenderer::~TQvSVGPathRenderer() = default;

void TQvSVGPathRenderer::SetPath(const std::string& Value) {
  if (Value == FPath) return;
  FPath = Value;
  Refresh();
}

void TQvSVGPathRenderer::Refresh() {
  // The brushes of an earlier refresh go: drawing with them again would lay the old
  // colours under the new ones.
  TBrushCollection& Brushes = FCanvas32->Brushes();
  for (int I = Brushes.Count() - 1; I >= 0; --I)
    if (Brushes.Items(I) == FFill || Brushes.Items(I) == FStroke) Brushes.Delete(I);
  FFill = nullptr;
  FStroke = nullptr;
  if (FColors.Contains(pcFill)) {
    FFill = Brushes.Add<TSolidBrush>();
    FFill->SetFillColor(qv::SetAlpha(Color32(FFillColor), FAlpha));
  }
  if (FColors.Contains(pcStroke)) {
    FStroke = Brushes.Add<TStrokeBrush>();
    FStroke->SetFillColor(Color32(FStrokeColor));
    FStroke->SetStrokeWidth(FStrokeWidth);
    FStroke->SetFillMode(pfNonZero);
  }
  RenderPath(FPath);
}

void TQvSVGPathRenderer::RenderPath(const std::string& Data) {
  RenderSVGPath(*FCanvas32, Data);
}

}  // namespace qv
