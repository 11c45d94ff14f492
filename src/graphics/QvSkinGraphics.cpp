#include "graphics/QvSkinGraphics.h"

#include "host/Properties.h"

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

const TPropTable& TQvBrush::Properties() const {
  using C = TQvBrush;
  static const TPropTable Table = TPersistent::Properties().With({
      ColorProp(L"Color", &C::Color, &C::SetColor, DefaultColor),
      Prop(L"Visible", &C::Visible, &C::SetVisible, DefaultVisible),
  });
  return Table;
}

const TPropTable& TQvPen::Properties() const {
  using C = TQvPen;
  static const TPropTable Table = TQvBrush::Properties().With({
      Prop(L"Width", &C::Width, &C::SetWidth, DefaultWidth),
      EnumProp(L"Style", &C::Style, &C::SetStyle, TQvPenStyleNames),
  });
  return Table;
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
