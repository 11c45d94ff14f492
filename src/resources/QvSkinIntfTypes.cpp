#include "resources/QvSkinIntfTypes.h"

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
  if (FColor != DefaultColor) Writer.WriteInteger(L"Color", FColor);
  if (FBlurRadius != 1) Writer.WriteInteger(L"BlurRadius", FBlurRadius);
}

bool TQvLightClass::ReadProperty(const String& Name, const TPropValue& Value) {
  if (Name == L"Active")
    SetActive(Value.AsBoolean());
  else if (Name == L"Color")
    SetColor(TColor(Value.AsInteger()));
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

}  // namespace qv
