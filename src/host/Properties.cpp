#include "host/Properties.h"

#include "host/Colors.h"

namespace qv {

// ---- identifiers --------------------------------------------------------------------

int IdentIndex(const String& Ident, const wchar_t* const* Names, size_t Count, bool IgnoreCase) {
  for (size_t I = 0; I < Count; ++I)
    if (IgnoreCase ? SameText(Ident, Names[I]) : Ident == Names[I]) return int(I);
  return -1;
}

const TIdentIntMap ColorIdents = {&ColorToIdent, &IdentToColor};

void InvalidPropertyValue(const String& Name, const String& Value) {
  throw EReadError(L"Invalid property value " + (Value.empty() ? String() : Value + L" ") +
                   L"for " + Name);
}

namespace detail {

TPropValue EncodeIdentInt(int32_t Value, const TIdentIntMap& Map) {
  String Ident;
  if (Map.ToIdent(Value, Ident)) return TPropValue::OfIdent(Ident);
  return TPropValue::OfInteger(Value);
}

// A name from the map, or a number that fits 32 bits (signed, or unsigned as colours with
// the high bit set are sometimes written).
int32_t DecodeIdentInt(const TPropValue& Value, const String& Name, const TIdentIntMap& Map) {
  if (Value.Type == vaIdent) {
    int32_t V;
    if (!Map.FromIdent(Value.Str, V)) InvalidPropertyValue(Name, Value.Str);
    return V;
  }
  int64_t I = Value.AsInteger();
  if (I < INT32_MIN || I > int64_t(UINT32_MAX)) InvalidPropertyValue(Name, std::to_wstring(I));
  return int32_t(uint32_t(I));
}

TPropValue EncodeSet(uint32_t Bits, const wchar_t* const* Names, size_t Count) {
  std::vector<String> Members;
  for (size_t I = 0; I < Count; ++I)
    if (Bits & (1u << I)) Members.emplace_back(Names[I]);
  return TPropValue::OfSet(std::move(Members));
}

uint32_t DecodeSet(const TPropValue& Value, const String& Name, const wchar_t* const* Names,
                   size_t Count) {
  if (Value.Type != vaSet) InvalidPropertyValue(Name, L"");
  uint32_t Bits = 0;
  for (const String& M : Value.SetItems) {
    int I = IdentIndex(M, Names, Count, true);
    if (I < 0) InvalidPropertyValue(Name, M);
    Bits |= 1u << I;
  }
  return Bits;
}

int DecodeEnum(const TPropValue& Value, const String& Name, const wchar_t* const* Names,
               size_t Count) {
  int I = IdentIndex(Value.AsString(), Names, Count, true);
  if (I < 0) InvalidPropertyValue(Name, Value.Str);
  return I;
}

}  // namespace detail

// ---- the table -----------------------------------------------------------------------

TPropTable TPropTable::With(std::initializer_list<TPropDecl> Own) const {
  TPropTable T = *this;
  for (const TPropDecl& D : Own) {
    if (!D.Flags.Contains(pfBesideBase))
      std::erase_if(T.FDecls, [&](const TPropDecl& B) { return SameText(B.Name, D.Name); });
    T.FDecls.push_back(D);
  }
  return T;
}

const TPropDecl* TPropTable::Find(const String& Name) const {
  // The last one: a class's own declaration reads before its base's.
  for (auto It = FDecls.rbegin(); It != FDecls.rend(); ++It)
    if (SameText(It->Name, Name)) return &*It;
  return nullptr;
}

std::vector<const TPropDecl*> TPropTable::ResIDs() const {
  std::vector<const TPropDecl*> R;
  for (const TPropDecl& D : FDecls)
    if (D.IsResID()) R.push_back(&D);
  return R;
}

void TPropTable::Write(const TPersistent& Object, TPropertyWriter& Writer,
                       const TPersistent* Reference) const {
  for (const TPropDecl& D : FDecls) {
    if (!D.Write || !D.IsStored) continue;
    if (Reference && D.Same ? !D.Same(Object, *Reference) : D.IsStored(Object))
      D.Write(Object, Writer);
  }
}

bool TPropTable::Read(TPersistent& Object, const String& Name, const TPropValue& Value) const {
  if (const TPropDecl* D = Find(Name); D && D->Read && D->Kind != pkStrings) {
    D->Read(Object, Value);
    return true;
  }
  size_t Dot = Name.find(L'.');
  if (Dot == String::npos) return false;
  const TPropDecl* D = Find(Name.substr(0, Dot));
  if (!D || !D->Object) return false;
  String Rest = Name.substr(Dot + 1);
  if (D->Kind == pkStrings) {
    if (!SameText(Rest, L"Strings")) return false;
    D->Read(Object, Value);
    return true;
  }
  return D->Object(Object)->ReadProperty(Rest, Value);
}

void TPropTable::Copy(TPersistent& Dest, const TPersistent& Source) const {
  for (const TPropDecl& D : FDecls)
    if (D.Copy) D.Copy(Dest, Source);
}

}  // namespace qv
