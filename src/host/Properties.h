#pragma once
// Published properties, each declared once.
//
// A class lists its published properties in one table: name, getter, setter, default and
// the way the value is written. Writing (in table order, leaving out values at their
// default), reading (names match whatever their case; "Font.Name" reaches into a nested
// object), Assign and the design-time lists (TPropTable::ResIDs) all work from that table:
//
//   class TQvSkinCustomPanel : public TQvSkinCustomControl {
//    public:
//     static constexpr Byte DefaultAlpha = 192;        // the one place of the default
//     Byte Alpha() const { return FAlpha; }
//     void SetAlpha(Byte Value);
//     const TPropTable& Properties() const override;
//    private:
//     Byte FAlpha = DefaultAlpha;
//   };
//
//   const TPropTable& TQvSkinCustomPanel::Properties() const {
//     using C = TQvSkinCustomPanel;
//     static const TPropTable Table = TQvSkinCustomControl::Properties().With({
//         Prop(L"Alpha", &C::Alpha, &C::SetAlpha, DefaultAlpha),
//         EnumProp(L"GradientAlign", &C::GradientAlign, &C::SetGradientAlign,
//                  TGradientAlignNames),
//         ResIDProp(L"BackgroundImage", &C::BackgroundImage, &C::SetBackgroundImage),
//     });
//     return Table;
//   }
//
// A class whose state is its published properties assigns with them:
//
//   void TQvOffset::Assign(TPersistent* Source) {
//     if (!AssignProperties(*this, Source)) TPersistent::Assign(Source);
//   }
//
// The base class's properties come first, then the class's own in the order listed. A
// class that declares a name its base declared replaces the base's declaration and writes
// it at its own place. Getters and setters are member functions or lambdas taking the object
// (a lambda in the class's own Properties() may reach private fields). Without a default
// the default is the type's zero (0, false, empty, the first enumeration member); any other
// default is a named constant of the class that the member's initialiser uses too.
//
// Kinds: Prop (integers, Booleans, floats, strings: chosen by the getter's type), ColorProp
// (a colour name when it has one, else an integer), IdentIntProp (likewise with another name
// map), EnumProp and SetProp (with their name tables), ResIDProp (a string naming a skin
// resource), BinaryProp, ObjectProp (a nested object, written as Name.Property),
// CollectionProp, StringsProp (a string list, written as Name.Strings), RefProp (a component
// named by its Name) and IgnoredProp (accepted when read and dropped).
//
// Modifiers, chained after the kind:
//   Stored(F)     written when F answers true instead of when it differs from its default
//                 (Stored(Always), Stored(Never) for a name that is only read).
//   ResID()       the value is a skin resource ID.
//   BesideBase()  the base's declaration of the same name keeps writing by its own rule at
//                 its own place; this one adds its rule and takes over reading.
//   NoAssign()    left out of TPropTable::Copy (Assign).
//   WriteWith(F), ReadWith(F)  write with F(Object, Writer), read with F(Object, Value): the
//                 escape hatch for the rare property whose written form is not its value's.
#include <functional>
#include <initializer_list>
#include <limits>
#include <type_traits>
#include <vector>

#include "host/ObjectText.h"

namespace qv {

// ---- identifiers of enumerations and sets -------------------------------------------

// The member's identifier; empty for a value outside the table.
template <typename E, size_t N>
String EnumToIdent(E Value, const wchar_t* const (&Names)[N]) {
  size_t I = size_t(Value);
  return I < N ? String(Names[I]) : String();
}
// Index of Ident among Names (exactly, or ignoring case); -1 when absent.
int IdentIndex(const String& Ident, const wchar_t* const* Names, size_t Count, bool IgnoreCase);
// The value of an identifier (exact match); false and Value untouched when unknown.
template <typename E, size_t N>
bool IdentToEnum(const String& Ident, const wchar_t* const (&Names)[N], E& Value) {
  int I = IdentIndex(Ident, Names, N, false);
  if (I >= 0) Value = E(I);
  return I >= 0;
}
// Set members as identifiers, in declaration order, and back (unknown names fail).
template <typename E, size_t N>
std::vector<String> SetToIdents(TSet<E> Value, const wchar_t* const (&Names)[N]) {
  std::vector<String> Out;
  for (size_t I = 0; I < N; ++I)
    if (Value.Contains(E(I))) Out.emplace_back(Names[I]);
  return Out;
}
template <typename E, size_t N>
bool IdentsToSet(const std::vector<String>& Idents, const wchar_t* const (&Names)[N],
                 TSet<E>& Value) {
  TSet<E> Result;
  for (const String& Ident : Idents) {
    E Member;
    if (!IdentToEnum(Ident, Names, Member)) return false;
    Result.Include(Member);
  }
  Value = Result;
  return true;
}

// An integer written by name where the map has one (colours, charsets).
struct TIdentIntMap {
  bool (*ToIdent)(int32_t Value, String& Ident);
  bool (*FromIdent)(const String& Ident, int32_t& Value);
};
extern const TIdentIntMap ColorIdents;

// EReadError "Invalid property value <Value> for <Name>".
[[noreturn]] void InvalidPropertyValue(const String& Name, const String& Value);

// ---- declarations ---------------------------------------------------------------------

enum TPropKind {
  pkInteger,
  pkBoolean,
  pkFloat,
  pkString,
  pkIdentInt,  // colours and other integers with names
  pkEnum,
  pkSet,
  pkBinary,
  pkObject,
  pkCollection,
  pkStrings,
  pkReference,
  pkIgnored,
};
enum TPropFlag { pfResID, pfBesideBase };
using TPropFlags = TSet<TPropFlag>;

inline constexpr auto Always = [](const TPersistent&) { return true; };
inline constexpr auto Never = [](const TPersistent&) { return false; };

namespace detail {
template <class M>
struct TMemberOwner;
template <class T, class K>
struct TMemberOwner<T K::*> {
  using type = K;
};
template <class P>
struct TFirstArg;
template <class R, class L, class A, class... Rest>
struct TFirstArg<R (L::*)(A, Rest...) const> {
  using type = std::remove_cvref_t<A>;
};
// The class a getter, setter or predicate works on: a member's class, or a lambda's first
// parameter.
template <class F, class = void>
struct TObjectOf {
  using type = typename TFirstArg<decltype(&F::operator())>::type;
};
template <class F>
struct TObjectOf<F, std::enable_if_t<std::is_member_pointer_v<F>>> {
  using type = typename TMemberOwner<F>::type;
};
template <class F>
using TObjectOfT = typename TObjectOf<F>::type;

template <class F>
decltype(auto) Get(const F& Fn, const TPersistent& O) {
  return std::invoke(Fn, static_cast<const TObjectOfT<F>&>(O));
}
template <class F, class V>
void Set(const F& Fn, TPersistent& O, V&& Value) {
  std::invoke(Fn, static_cast<TObjectOfT<F>&>(O), std::forward<V>(Value));
}
template <class F>
using TValueOf = std::decay_t<decltype(Get(std::declval<F>(), std::declval<const TPersistent&>()))>;
}  // namespace detail

// One published property, its kind erased. The table reads and writes through it.
struct TPropDecl {
  String Name;
  TPropKind Kind = pkIgnored;
  TPropFlags Flags;
  std::function<bool(const TPersistent&)> IsStored;  // nil: never written
  std::function<void(const TPersistent&, TPropertyWriter&)> Write;
  std::function<void(TPersistent&, const TPropValue&)> Read;  // nil for objects
  std::function<TPersistent*(TPersistent&)> Object;           // objects, collections, lists
  std::function<void(TPersistent&, const TPersistent&)> Copy;        // nil: Assign leaves it
  std::function<bool(const TPersistent&, const TPersistent&)> Same;  // values only

  bool IsResID() const { return Flags.Contains(pfResID); }

  template <class F>
  TPropDecl&& Stored(F Pred) && {
    IsStored = [Pred](const TPersistent& O) { return bool(detail::Get(Pred, O)); };
    return std::move(*this);
  }
  template <class F>
  TPropDecl&& WriteWith(F Fn) && {
    Write = [Fn](const TPersistent& O, TPropertyWriter& W) {
      std::invoke(Fn, static_cast<const detail::TObjectOfT<F>&>(O), W);
    };
    return std::move(*this);
  }
  template <class F>
  TPropDecl&& ReadWith(F Fn) && {
    Read = [Fn](TPersistent& O, const TPropValue& Value) {
      std::invoke(Fn, static_cast<detail::TObjectOfT<F>&>(O), Value);
    };
    return std::move(*this);
  }
  TPropDecl&& ResID() && { return With(pfResID); }
  TPropDecl&& BesideBase() && { return With(pfBesideBase); }
  TPropDecl&& NoAssign() && {
    Copy = nullptr;
    return std::move(*this);
  }

 private:
  TPropDecl&& With(TPropFlag F) {
    Flags.Include(F);
    return std::move(*this);
  }
};

// A class's declarations after its base's, in writing order.
class TPropTable {
 public:
  TPropTable() = default;
  // This table's declarations followed by Own (a class's table built on its base's).
  TPropTable With(std::initializer_list<TPropDecl> Own) const;

  // Every declaration, the base classes' included.
  const std::vector<TPropDecl>& Decls() const { return FDecls; }
  // The declaration that reads Name (any case); nil when none.
  const TPropDecl* Find(const String& Name) const;
  // The properties whose value is a skin resource ID.
  std::vector<const TPropDecl*> ResIDs() const;

  // With Reference, a value is written when it differs from Reference's instead.
  void Write(const TPersistent& Object, TPropertyWriter& Writer,
             const TPersistent* Reference = nullptr) const;
  // False for an unknown name. "Prefix.Rest" goes to the nested object Prefix.
  bool Read(TPersistent& Object, const String& Name, const TPropValue& Value) const;
  // Copies every assignable property of Source into Dest, through the setters.
  void Copy(TPersistent& Dest, const TPersistent& Source) const;

 private:
  std::vector<TPropDecl> FDecls;
};

// Assign of a class T whose state is its published properties: copies T's properties from
// a Source of class T (or a descendant) and answers true; false for another class.
template <class T>
bool AssignProperties(T& Dest, TPersistent* Source) {
  auto* S = dynamic_cast<T*>(Source);
  if (S) Dest.T::Properties().Copy(Dest, *S);
  return S != nullptr;
}

// ---- value codecs -----------------------------------------------------------------------

namespace detail {
template <class V>
TPropValue Encode(const V& Value) {
  if constexpr (std::is_same_v<V, bool>)
    return TPropValue::OfBoolean(Value);
  else if constexpr (std::is_integral_v<V>)
    return TPropValue::OfInteger(int64_t(Value));
  else if constexpr (std::is_floating_point_v<V>)
    return TPropValue::OfFloat(double(Value));
  else
    return TPropValue::OfString(Value);
}
template <class V>
V Decode(const TPropValue& Value, const String& Name) {
  if constexpr (std::is_same_v<V, bool>) {
    return Value.AsBoolean();
  } else if constexpr (std::is_integral_v<V>) {
    int64_t I = Value.AsInteger();
    if (I < int64_t(std::numeric_limits<V>::min()) ||
        (I > 0 && uint64_t(I) > uint64_t(std::numeric_limits<V>::max())))
      InvalidPropertyValue(Name, std::to_wstring(I));
    return V(I);
  } else if constexpr (std::is_floating_point_v<V>) {
    return V(Value.AsFloat());
  } else {
    return V(Value.AsString());
  }
}
TPropValue EncodeIdentInt(int32_t Value, const TIdentIntMap& Map);
int32_t DecodeIdentInt(const TPropValue& Value, const String& Name, const TIdentIntMap& Map);
TPropValue EncodeSet(uint32_t Bits, const wchar_t* const* Names, size_t Count);
uint32_t DecodeSet(const TPropValue& Value, const String& Name, const wchar_t* const* Names,
                   size_t Count);
int DecodeEnum(const TPropValue& Value, const String& Name, const wchar_t* const* Names,
               size_t Count);

// A value property from a getter, a setter, a default and the two conversions.
template <class G, class S, class V, class Enc, class Dec>
TPropDecl ValueProp(const wchar_t* Name, TPropKind Kind, G Get, S Set, V Default, Enc E, Dec D) {
  TPropDecl P;
  P.Name = Name;
  P.Kind = Kind;
  P.IsStored = [Get, Default](const TPersistent& O) { return !(detail::Get(Get, O) == Default); };
  P.Write = [Name, Get, E](const TPersistent& O, TPropertyWriter& W) {
    W.WriteValue(Name, E(detail::Get(Get, O)));
  };
  P.Read = [Set, D, Name](TPersistent& O, const TPropValue& Value) {
    detail::Set(Set, O, D(Value, Name));
  };
  P.Copy = [Get, Set](TPersistent& Dest, const TPersistent& Source) {
    detail::Set(Set, Dest, detail::Get(Get, Source));
  };
  P.Same = [Get](const TPersistent& A, const TPersistent& B) {
    return detail::Get(Get, A) == detail::Get(Get, B);
  };
  return P;
}
}  // namespace detail

// Integers, Booleans, floats and strings, written as the getter's type says.
template <class G, class S, class D>
TPropDecl Prop(const wchar_t* Name, G Get, S Set, D Default) {
  using V = detail::TValueOf<G>;
  constexpr TPropKind Kind = std::is_same_v<V, bool>       ? pkBoolean
                             : std::is_integral_v<V>       ? pkInteger
                             : std::is_floating_point_v<V> ? pkFloat
                                                           : pkString;
  return detail::ValueProp(Name, Kind, Get, Set, V(Default), &detail::Encode<V>,
                           &detail::Decode<V>);
}

// Default the type's zero: 0, false, an empty string.
template <class G, class S>
TPropDecl Prop(const wchar_t* Name, G Get, S Set) {
  return Prop(Name, Get, Set, detail::TValueOf<G>{});
}

// A string property whose value names a skin resource; empty by default.
template <class G, class S>
TPropDecl ResIDProp(const wchar_t* Name, G Get, S Set, const wchar_t* Default = L"") {
  return Prop(Name, Get, Set, Default).ResID();
}

template <class G, class S, class D>
TPropDecl IdentIntProp(const wchar_t* Name, G Get, S Set, D Default, const TIdentIntMap& Map) {
  using V = detail::TValueOf<G>;
  return detail::ValueProp(
      Name, pkIdentInt, Get, Set, V(Default),
      [&Map](const V& Value) { return detail::EncodeIdentInt(int32_t(Value), Map); },
      [&Map](const TPropValue& Value, const String& N) {
        int32_t I = detail::DecodeIdentInt(Value, N, Map);
        if constexpr (sizeof(V) < sizeof(int32_t))
          if (I < int32_t(std::numeric_limits<V>::min()) ||
              I > int32_t(std::numeric_limits<V>::max()))
            InvalidPropertyValue(N, std::to_wstring(I));
        return V(I);
      });
}

template <class G, class S, class D>
TPropDecl ColorProp(const wchar_t* Name, G Get, S Set, D Default) {
  return IdentIntProp(Name, Get, Set, Default, ColorIdents);
}
// For a colour written by a Stored rule of its own.
template <class G, class S>
TPropDecl ColorProp(const wchar_t* Name, G Get, S Set) {
  return ColorProp(Name, Get, Set, detail::TValueOf<G>{});
}

template <class G, class S, class E, size_t N>
TPropDecl EnumProp(const wchar_t* Name, G Get, S Set, E Default, const wchar_t* const (&Names)[N]) {
  using V = detail::TValueOf<G>;
  const wchar_t* const* Table = Names;
  return detail::ValueProp(
      Name, pkEnum, Get, Set, V(Default),
      [Table](const V& Value) {
        return TPropValue::OfIdent(size_t(Value) < N ? Table[size_t(Value)] : L"");
      },
      [Table](const TPropValue& Value, const String& Nm) {
        return V(detail::DecodeEnum(Value, Nm, Table, N));
      });
}

// Default the first member.
template <class G, class S, size_t N>
TPropDecl EnumProp(const wchar_t* Name, G Get, S Set, const wchar_t* const (&Names)[N]) {
  return EnumProp(Name, Get, Set, detail::TValueOf<G>{}, Names);
}

template <class G, class S, class E, size_t N>
TPropDecl SetProp(const wchar_t* Name, G Get, S Set, TSet<E> Default,
                  const wchar_t* const (&Names)[N]) {
  const wchar_t* const* Table = Names;
  return detail::ValueProp(
      Name, pkSet, Get, Set, Default,
      [Table](const TSet<E>& Value) { return detail::EncodeSet(Value.Raw(), Table, N); },
      [Table](const TPropValue& Value, const String& Nm) {
        uint32_t Bits = detail::DecodeSet(Value, Nm, Table, N);
        TSet<E> Result;
        for (size_t I = 0; I < N; ++I)
          if (Bits & (1u << I)) Result.Include(E(I));
        return Result;
      });
}

// Binary data; written when not empty.
template <class G, class S>
TPropDecl BinaryProp(const wchar_t* Name, G Get, S Set) {
  using V = detail::TValueOf<G>;
  return detail::ValueProp(
      Name, pkBinary, Get, Set, V(), [](const V& Value) { return TPropValue::OfBinary(Value); },
      [](const TPropValue& Value, const String& N) -> V {
        if (Value.Type != vaBinary) InvalidPropertyValue(N, L"");
        return Value.Binary;
      });
}

// Default the empty set.
template <class G, class S, size_t N>
TPropDecl SetProp(const wchar_t* Name, G Get, S Set, const wchar_t* const (&Names)[N]) {
  return SetProp(Name, Get, Set, detail::TValueOf<G>{}, Names);
}

namespace detail {
// The object a getter answers (a pointer or a reference) as a persistent object.
template <class G>
TPersistent* ObjectOf(const G& Get, TPersistent& O) {
  decltype(auto) R = std::invoke(Get, static_cast<TObjectOfT<G>&>(O));
  if constexpr (std::is_pointer_v<std::remove_reference_t<decltype(R)>>)
    return const_cast<std::remove_const_t<std::remove_pointer_t<std::decay_t<decltype(R)>>>*>(R);
  else
    return const_cast<std::remove_cvref_t<decltype(R)>*>(&R);
}
template <class G>
TPropDecl ObjectLike(const wchar_t* Name, TPropKind Kind, G Get) {
  TPropDecl P;
  P.Name = Name;
  P.Kind = Kind;
  P.IsStored = Always;
  P.Object = [Get](TPersistent& O) { return ObjectOf(Get, O); };
  P.Copy = [Get](TPersistent& Dest, const TPersistent& Source) {
    ObjectOf(Get, Dest)->Assign(ObjectOf(Get, const_cast<TPersistent&>(Source)));
  };
  return P;
}
}  // namespace detail

// A nested object, written as Name.Property with the object's own properties. With
// Reference (an object of the same class set up as the owner sets up its own), a property
// is written when it differs from Reference's rather than from its class default.
template <class G>
TPropDecl ObjectProp(const wchar_t* Name, G Get, const TPersistent* Reference = nullptr) {
  TPropDecl P = detail::ObjectLike(Name, pkObject, Get);
  P.Write = [Name, Get, Reference](const TPersistent& O, TPropertyWriter& W) {
    W.WriteNested(Name, *detail::ObjectOf(Get, const_cast<TPersistent&>(O)), Reference);
  };
  return P;
}

// A collection (the getter answers a TCollection); reading replaces the items.
template <class G>
TPropDecl CollectionProp(const wchar_t* Name, G Get) {
  TPropDecl P = detail::ObjectLike(Name, pkCollection, Get);
  P.Write = [Name, Get](const TPersistent& O, TPropertyWriter& W) {
    W.WriteCollection(
        Name, static_cast<TCollection&>(*detail::ObjectOf(Get, const_cast<TPersistent&>(O))));
  };
  P.Read = [Get](TPersistent& O, const TPropValue& Value) {
    ReadCollection(static_cast<TCollection&>(*detail::ObjectOf(Get, O)), Value);
  };
  return P;
}

// A string list (the getter answers a TStringList), written as Name.Strings when not empty.
template <class G>
TPropDecl StringsProp(const wchar_t* Name, G Get) {
  TPropDecl P = detail::ObjectLike(Name, pkStrings, Get);
  auto List = [Get](TPersistent& O) { return static_cast<TStringList*>(detail::ObjectOf(Get, O)); };
  P.IsStored = [List](const TPersistent& O) {
    return List(const_cast<TPersistent&>(O))->Count() > 0;
  };
  P.Write = [Name, List](const TPersistent& O, TPropertyWriter& W) {
    W.WriteList(String(Name) + L".Strings", List(const_cast<TPersistent&>(O))->Lines());
  };
  P.Read = [List](TPersistent& O, const TPropValue& Value) {
    if (Value.Type != vaList) InvalidPropertyValue(L"Strings", L"");
    TStringList* L = List(O);
    L->BeginUpdate();
    L->Clear();
    for (const String& S : Value.SetItems) L->Add(S);
    L->EndUpdate();
  };
  return P;
}

// A component named by its Name. Reading hands the name to SetName, which keeps it until
// the component can be looked up (Loaded). Never copied by Assign.
template <class G, class S>
TPropDecl RefProp(const wchar_t* Name, G Get, S SetName) {
  TPropDecl P;
  P.Name = Name;
  P.Kind = pkReference;
  auto Named = [Get](const TPersistent& O) -> const TComponent* {
    const TComponent* C = detail::Get(Get, O);
    return C && !C->Name().empty() ? C : nullptr;
  };
  P.IsStored = [Named](const TPersistent& O) { return Named(O) != nullptr; };
  P.Write = [Name, Named](const TPersistent& O, TPropertyWriter& W) {
    W.WriteIdent(Name, Named(O)->Name());
  };
  P.Read = [SetName](TPersistent& O, const TPropValue& Value) {
    detail::Set(SetName, O, Value.AsString());
  };
  return P;
}

// A name accepted and ignored when read: a property of the original framework that has
// no meaning here. Never written, never copied.
inline TPropDecl IgnoredProp(const wchar_t* Name) {
  TPropDecl P;
  P.Name = Name;
  P.Read = [](TPersistent&, const TPropValue&) {};
  return P;
}

}  // namespace qv
