#include "resources/QvSkinIntfTypes.h"

namespace qv {

bool gResImageChanged = false;

void FreeDynImg(TDynQvSkinImage& Images) {
  for (auto& Image : Images) Image.reset();
  Images.clear();
}

void FreeArray9BlockImg(TImgArray9Block& Blocks) {
  for (auto& Column : Blocks)
    for (auto& Block : Column) Block.reset();
}

void FreeDynPng(TPngArray& Pngs) {
  for (auto& Png : Pngs) Png.reset();
  Pngs.clear();
}

void FreeArray9BlockPng(TPngArray9Block& Pngs) {
  for (auto& Png : Pngs) Png.reset();
}

void FreeArray3BlockPng(TPngArray3Block& Pngs) {
  for (auto& Png : Pngs) Png.reset();
}

// ---- TQvOffset ----

void TQvOffset::Assign(TPersistent* Source) {
  if (!AssignProperties(*this, Source)) TPersistent::Assign(Source);
}

const TPropTable& TQvOffset::Properties() const {
  using C = TQvOffset;
  static const TPropTable Table = TPersistent::Properties().With({
      Prop(L"X", &C::X, &C::SetX),
      Prop(L"Y", &C::Y, &C::SetY),
  });
  return Table;
}

// ---- TQvLightClass ----

void TQvLightClass::Assign(TPersistent* Source) {
  if (!AssignProperties(*this, Source)) TPersistent::Assign(Source);
}

const TPropTable& TQvLightClass::Properties() const {
  using C = TQvLightClass;
  static const TPropTable Table = TPersistent::Properties().With({
      Prop(L"Active", &C::Active, &C::SetActive),
      ColorProp(L"Color", &C::Color, &C::SetColor, DefaultColor),
      Prop(L"BlurRadius", &C::BlurRadius, &C::SetBlurRadius, DefaultBlurRadius).NoAssign(),
  });
  return Table;
}

// ---- TQvTextObj ----

void TQvTextObj::Assign(TPersistent* Source) {
  if (!AssignProperties(*this, Source)) TPersistent::Assign(Source);
}

const TPropTable& TQvTextObj::Properties() const {
  using C = TQvTextObj;
  static const TPropTable Table = TPersistent::Properties().With({
      Prop(L"Visible", &C::Visible, &C::SetVisible, DefaultVisible),
      ObjectProp(L"Light", &C::Light),
      Prop(L"Text", &C::Text, &C::SetText),
  });
  return Table;
}

// ---- TQvCaption ----

TQvCaption::TQvCaption() {
  FFont->OnChange = [this](TObject*) { DoChanged(); };
}

void TQvCaption::SetFont(TFont* Value) {
  FFont->Assign(Value);
  DoChanged();
}

void TQvCaption::Assign(TPersistent* Source) {
  TQvTextObj::Assign(Source);
  if (auto* S = dynamic_cast<TQvCaption*>(Source)) SetFont(S->FFont.get());
}

const TPropTable& TQvCaption::Properties() const {
  using C = TQvCaption;
  static const TPropTable Table = TQvTextObj::Properties().With({
      ObjectProp(L"Font", &C::Font),
      Prop(L"OffsetX", &C::OffsetX, &C::SetOffsetX),
      Prop(L"OffsetY", &C::OffsetY, &C::SetOffsetY),
  });
  return Table;
}

}  // namespace qv
