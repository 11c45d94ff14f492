#pragma once
// Reading and writing the published properties of the skinned components in the object
// text form: colours by name where they have one, enumerations and sets by identifier.
#include "host/Colors.h"
#include "host/ObjectText.h"
#include "resources/QvSkinIntfTypes.h"

namespace qv {

inline void WriteColorProperty(TPropertyWriter& Writer, const String& Name, TColor Color) {
  String Ident;
  if (ColorToIdent(Color, Ident))
    Writer.WriteIdent(Name, Ident);
  else
    Writer.WriteInteger(Name, Color);
}

// A colour name or a number; EReadError for an unknown name.
inline TColor ReadColorProperty(const TPropValue& Value) {
  if (Value.Type != vaIdent) return TColor(Value.AsInteger());
  TColor Color;
  if (!IdentToColor(Value.Str, Color)) throw EReadError(L"Invalid property value " + Value.Str);
  return Color;
}

// The member named by the value; EReadError for another name.
template <typename E, size_t N>
E ReadEnumProperty(const TPropValue& Value, const wchar_t* const (&Names)[N]) {
  E Result;
  if (!IdentToEnum(Value.AsString(), Names, Result))
    throw EReadError(L"Invalid property value " + Value.AsString());
  return Result;
}

template <typename E, size_t N>
TSet<E> ReadSetProperty(const TPropValue& Value, const wchar_t* const (&Names)[N]) {
  TSet<E> Result;
  if (Value.Type != vaSet || !IdentsToSet(Value.SetItems, Names, Result))
    throw EReadError(L"Invalid property value");
  return Result;
}

}  // namespace qv
