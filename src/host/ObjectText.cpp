#include "host/ObjectText.h"

namespace qv {

// ---- values ----------------------------------------------------------------

namespace {
const wchar_t* TypeName(TValueType T) {
  switch (T) {
    case vaNull:
      return L"nothing";
    case vaInteger:
      return L"an integer";
    case vaFloat:
      return L"a floating point number";
    case vaString:
      return L"a string";
    case vaIdent:
      return L"an identifier";
    case vaFalse:
    case vaTrue:
      return L"a boolean";
    case vaBinary:
      return L"binary data";
    case vaSet:
      return L"a set";
    case vaCollection:
      return L"a collection";
    case vaList:
      return L"a list";
  }
  return L"an unknown value";
}

[[noreturn]] void TypeMismatch(TValueType Got, const wchar_t* Wanted) {
  throw EReadError(String(L"Invalid property value: ") + Wanted + L" expected, found " +
                   TypeName(Got));
}
}  // namespace

namespace {
template <typename M, typename V>
TPropValue Make(TValueType Type, M TPropValue::*Field, V&& Value) {
  TPropValue R;
  R.Type = Type;
  R.*Field = std::forward<V>(Value);
  return R;
}
}  // namespace

TPropValue TPropValue::OfInteger(int64_t V) {
  return Make(vaInteger, &TPropValue::Int, V);
}
TPropValue TPropValue::OfFloat(double V) {
  return Make(vaFloat, &TPropValue::Float, V);
}
TPropValue TPropValue::OfString(String V) {
  return Make(vaString, &TPropValue::Str, std::move(V));
}
TPropValue TPropValue::OfIdent(String V) {
  return Make(vaIdent, &TPropValue::Str, std::move(V));
}
TPropValue TPropValue::OfBoolean(bool V) {
  return Make(V ? vaTrue : vaFalse, &TPropValue::Int, 0);
}
TPropValue TPropValue::OfBinary(std::vector<uint8_t> V) {
  return Make(vaBinary, &TPropValue::Binary, std::move(V));
}
TPropValue TPropValue::OfSet(std::vector<String> V) {
  return Make(vaSet, &TPropValue::SetItems, std::move(V));
}
TPropValue TPropValue::OfList(std::vector<String> V) {
  return Make(vaList, &TPropValue::SetItems, std::move(V));
}

bool TPropValue::AsBoolean() const {
  if (Type == vaTrue) return true;
  if (Type == vaFalse) return false;
  TypeMismatch(Type, L"a boolean");
}

int64_t TPropValue::AsInteger() const {
  if (Type != vaInteger) TypeMismatch(Type, L"an integer");
  return Int;
}

double TPropValue::AsFloat() const {
  if (Type == vaFloat) return Float;
  if (Type == vaInteger) return double(Int);
  TypeMismatch(Type, L"a number");
}

const String& TPropValue::AsString() const {
  if (Type != vaString && Type != vaIdent) TypeMismatch(Type, L"a string");
  return Str;
}

// ---- writing properties ----------------------------------------------------

void TPropertyWriter::Add(const String& Name, TPropValue V) {
  FOut.push_back({FPrefix + Name, std::move(V)});
}

void TPropertyWriter::WriteInteger(const String& Name, int64_t V) {
  Add(Name, TPropValue::OfInteger(V));
}
void TPropertyWriter::WriteFloat(const String& Name, double V) {
  Add(Name, TPropValue::OfFloat(V));
}
void TPropertyWriter::WriteString(const String& Name, const String& V) {
  Add(Name, TPropValue::OfString(V));
}
void TPropertyWriter::WriteIdent(const String& Name, const String& V) {
  Add(Name, TPropValue::OfIdent(V));
}
void TPropertyWriter::WriteBoolean(const String& Name, bool V) {
  Add(Name, TPropValue::OfBoolean(V));
}
void TPropertyWriter::WriteBinary(const String& Name, std::vector<uint8_t> V) {
  Add(Name, TPropValue::OfBinary(std::move(V)));
}
void TPropertyWriter::WriteSet(const String& Name, const std::vector<String>& V) {
  Add(Name, TPropValue::OfSet(V));
}
void TPropertyWriter::WriteList(const String& Name, const std::vector<String>& V) {
  Add(Name, TPropValue::OfList(V));
}

void TPropertyWriter::WriteCollection(const String& Name, const TCollection& Collection) {
  TPropValue V;
  V.Type = vaCollection;
  for (int I = 0; I < Collection.Count(); ++I) {
    TPropList Item;
    TPropertyWriter W(Item);
    Collection.Items(I)->WriteProperties(W);
    V.Items.push_back(std::move(Item));
  }
  Add(Name, std::move(V));
}

void TPropertyWriter::WriteNested(const String& Name, const TPersistent& Object) {
  TPropertyWriter W(FOut, FPrefix + Name + L".");
  Object.WriteProperties(W);
}

}  // namespace qv
