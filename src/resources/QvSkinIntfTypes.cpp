#include "resources/QvSkinIntfTypes.h"

#include "host/Colors.h"
#include "host/ObjectText.h"

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
  if (auto* S = dynamic_cast<TQvOffset*>(Source)) {
    SetX(S->FX);
    SetY(S->FY);
    return;
  }
  TPersistent::Assign(Source);
}

void TQvOffset::WriteProperties(TPropertyWriter& Writer) const {
  if (FX != 0) Writer.WriteInteger(L"X", FX);
  if (FY != 0) Writer.WriteInteger(L"Y", FY);
}

bool TQvOffset::ReadProperty(const String& Name, const TPropValue& Value) {
  if (Name == L"X")
    SetX(Integer(Value.AsInteger()));
  else if (Name == L"Y")
    SetY(Integer(Value.AsInteger()));
  else
    return false;
  return true;
}

// ---- TQvLightClass ----

void TQvLightClass::Assign(TPersistent* Source) {
  if (auto* S = dynamic_cast<TQvLightClass*>(Source)) {
    SetActive(S->FActive);
    SetColor(S->FColor);
    return;
  }
  TPersistent::Assign(Source);
}

void TQvLightClass::WriteProperties(TPropertyWriter& Writer) const {
  if (FActive) Writer.WriteBoolean(L"Active", FActive);
  if (FColor != DefaultColor) {
    String Ident;
    if (ColorToIdent(FColor, Ident))
      Writer.WriteIdent(L"Color", Ident);
    else
      Writer.WriteInteger(L"Color", FColor);
  }
  if (FBlurRadius != 1) Writer.WriteInteger(L"BlurRadius", FBlurRadius);
}

bool TQvLightClass::ReadProperty(const String& Name, const TPropValue& Value) {
  if (Name == L"Active")
    SetActive(Value.AsBoolean());
  else if (Name == L"Color")
    SetColor(Value.Type == vaIdent ? StringToColor(Value.Str) : TColor(Value.AsInteger()));
  else if (Name == L"BlurRadius")
    SetBlurRadius(Integer(Value.AsInteger()));
  else
    return false;
  return true;
}

// ---- TQvTextObj ----

void TQvTextObj::Assign(TPersistent* Source) {
  if (auto* S = dynamic_cast<TQvTextObj*>(Source)) {
    SetLight(S->FLight.get());
    SetText(S->FText);
    SetVisible(S->FVisible);
    return;
  }
  TPersistent::Assign(Source);
}

void TQvTextObj::WriteProperties(TPropertyWriter& Writer) const {
  if (!FVisible) Writer.WriteBoolean(L"Visible", FVisible);
  Writer.WriteNested(L"Light", *FLight);
  if (!FText.empty()) Writer.WriteString(L"Text", FText);
}

bool TQvTextObj::ReadProperty(const String& Name, const TPropValue& Value) {
  if (Name == L"Visible")
    SetVisible(Value.AsBoolean());
  else if (Name == L"Text")
    SetText(Value.AsString());
  else
    return ReadNestedProperty(Name, L"Light", *FLight, Value);
  return true;
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

void TQvCaption::WriteProperties(TPropertyWriter& Writer) const {
  TQvTextObj::WriteProperties(Writer);
  Writer.WriteNested(L"Font", *FFont);
  if (FOffsetX != 0) Writer.WriteInteger(L"OffsetX", FOffsetX);
  if (FOffsetY != 0) Writer.WriteInteger(L"OffsetY", FOffsetY);
}

bool TQvCaption::ReadProperty(const String& Name, const TPropValue& Value) {
  if (Name == L"OffsetX")
    SetOffsetX(Integer(Value.AsInteger()));
  else if (Name == L"OffsetY")
    SetOffsetY(Integer(Value.AsInteger()));
  else if (ReadNestedProperty(Name, L"Font", *FFont, Value))
    return true;
  else
    return TQvTextObj::ReadProperty(Name, Value);
  return true;
}

}  // namespace qv
