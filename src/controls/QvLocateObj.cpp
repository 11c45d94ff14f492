#include "controls/QvLocateObj.h"

#include "host/ObjectText.h"
#include "resources/QvSkinIntfTypes.h"

namespace qv {

namespace {

// Stores Value and tells OnChange, when the value changed.
template <typename T>
void Change(TObject* Sender, T& Field, T Value, const TNotifyEvent& OnChange) {
  if (Field == Value) return;
  Field = Value;
  if (OnChange) OnChange(Sender);
}

}  // namespace

// ---- TQvLocateObj -----------------------------------------------------------------

void TQvLocateObj::SetX(int Value) {
  Change(this, FX, Value, OnChange);
}
void TQvLocateObj::SetY(int Value) {
  Change(this, FY, Value, OnChange);
}
void TQvLocateObj::SetAlign(TQvAlign Value) {
  Change(this, FAlign, Value, OnChange);
}

void TQvLocateObj::Assign(TPersistent* Source) {
  auto* Other = dynamic_cast<TQvLocateObj*>(Source);
  if (!Other) {
    TPersistent::Assign(Source);
    return;
  }
  SetX(Other->FX);
  SetY(Other->FY);
  SetAlign(Other->FAlign);
}

void TQvLocateObj::WriteProperties(TPropertyWriter& W) const {
  if (FAlign != agLeft) W.WriteIdent(L"Align", EnumToIdent(FAlign, TQvAlignNames));
  if (FX) W.WriteInteger(L"X", FX);
  if (FY) W.WriteInteger(L"Y", FY);
}

bool TQvLocateObj::ReadProperty(const String& Name, const TPropValue& Value) {
  if (SameText(Name, L"X")) {
    SetX(int(Value.AsInteger()));
  } else if (SameText(Name, L"Y")) {
    SetY(int(Value.AsInteger()));
  } else if (SameText(Name, L"Align")) {
    TQvAlign A;
    if (!IdentToEnum(Value.AsString(), TQvAlignNames, A))
      throw EReadError(L"Invalid property value " + Value.AsString());
    SetAlign(A);
  } else {
    return false;
  }
  return true;
}

// ---- TQvSpaceSize -----------------------------------------------------------------

void TQvSpaceSize::SetActive(bool Value) {
  Change(this, FActive, Value, OnChange);
}
void TQvSpaceSize::SetLeft(int Value) {
  Change(this, FLeft, Value, OnChange);
}
void TQvSpaceSize::SetTop(int Value) {
  Change(this, FTop, Value, OnChange);
}
void TQvSpaceSize::SetRight(int Value) {
  Change(this, FRight, Value, OnChange);
}
void TQvSpaceSize::SetBottom(int Value) {
  Change(this, FBottom, Value, OnChange);
}

void TQvSpaceSize::WriteProperties(TPropertyWriter& W) const {
  if (!FActive) W.WriteBoolean(L"Active", false);
  if (FBottom) W.WriteInteger(L"Bottom", FBottom);
  if (FLeft) W.WriteInteger(L"Left", FLeft);
  if (FRight) W.WriteInteger(L"Right", FRight);
  if (FTop) W.WriteInteger(L"Top", FTop);
}

bool TQvSpaceSize::ReadProperty(const String& Name, const TPropValue& Value) {
  if (SameText(Name, L"Active"))
    SetActive(Value.AsBoolean());
  else if (SameText(Name, L"Left"))
    SetLeft(int(Value.AsInteger()));
  else if (SameText(Name, L"Top"))
    SetTop(int(Value.AsInteger()));
  else if (SameText(Name, L"Right"))
    SetRight(int(Value.AsInteger()));
  else if (SameText(Name, L"Bottom"))
    SetBottom(int(Value.AsInteger()));
  else
    return false;
  return true;
}

}  // namespace qv
