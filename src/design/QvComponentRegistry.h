#pragma once
// The component registry a design tool works from: the palette page "QvSkin" with its
// components in palette order, a factory for each, and their published properties (the
// Properties() tables), plus classes that stream but are not on the palette.
//
//   TQvComponentRegistry& R = QvComponentRegistry();   // every existing component
//   for (const TQvComponentClass& C : R.Classes()) ... C.ClassName, C.Row, C.Create(Owner)
//
// The palette order is data (QvSkinPalette); registering a class looks up its place there,
// so adding a component is one Register line. Portable: the registrations of the library's
// components live in the Win32 build.
#include <span>
#include <vector>

#include "host/Properties.h"

namespace qv {

// The designer's palette page.
inline constexpr const wchar_t* QvSkinPaletteName = L"QvSkin";

// One place on the palette: the registration call (row, from 1) and the class.
struct TQvPaletteEntry {
  int Row;
  const wchar_t* ClassName;
};
// All 75 palette components in their order.
std::span<const TQvPaletteEntry> QvSkinPalette();

struct TQvComponentClass {
  String ClassName;
  int Row = 0;        // palette row from 1; 0 off the palette
  int Index = -1;     // position within the row
  int Position = -1;  // position in the whole palette
  TComponentFactory Factory;

  bool OnPalette() const { return Row > 0; }
  TComponent* Create(TComponent* Owner) const { return Factory(Owner); }
};

// A property of kind resource ID as the picker attaches to it: the dotted path from the
// component ("Pictures.ResID" for one of a nested object) and its declaration.
struct TQvResIDProperty {
  String Path;
  const TPropDecl* Decl;
};

class TQvComponentRegistry {
 public:
  // Registers a palette component at its palette place (raises for a name that is not on
  // the palette or registered twice).
  void Register(const String& ClassName, TComponentFactory Factory);
  template <class T>
  void Register() {
    Register(T::StaticClassName, [](TComponent* Owner) -> TComponent* { return new T(Owner); });
  }
  // A class that streams but is not on the palette.
  void RegisterNoIcon(const String& ClassName, TComponentFactory Factory);
  template <class T>
  void RegisterNoIcon() {
    RegisterNoIcon(T::StaticClassName,
                   [](TComponent* Owner) -> TComponent* { return new T(Owner); });
  }

  // Everything registered, in registration order.
  const std::vector<TQvComponentClass>& Classes() const { return FClasses; }
  // The palette components registered, in registration order.
  std::vector<const TQvComponentClass*> PaletteClasses() const;
  // Palette names nobody registered, in palette order.
  std::vector<String> Missing() const;
  // nil when unknown; the name is compared ignoring case.
  const TQvComponentClass* Find(const String& ClassName) const;
  // A new component of the class; nil when unknown.
  TComponent* Create(const String& ClassName, TComponent* Owner) const;

 private:
  void Add(TQvComponentClass Class);
  std::vector<TQvComponentClass> FClasses;
};

// The registry with every component of the library that exists (Win32 build); its classes
// are also registered for reading from the object text form.
TQvComponentRegistry& QvComponentRegistry();

// The resource-ID properties of an object, nested objects' included, in table order.
std::vector<TQvResIDProperty> ResIDProperties(const TPersistent& Object);

// The designer's name for a new component of a class in Root: the class name without its
// leading "T" and the smallest number from 1 that no component of Root carries yet
// (QvSkinTabSheet1, QvSkinTabSheet2, ...).
String UniqueComponentName(const TComponent* Root, const String& ClassName);

}  // namespace qv
