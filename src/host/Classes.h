#pragma once
// The component model: objects, persistent objects, owned components, collections
// and string lists. Portable: no platform headers.
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "host/Types.h"

namespace qv {

class TPersistent;
class TComponent;
class TPropertyWriter;
class TPropTable;
struct TPropValue;

// Declares a class's streaming name; used by every class that is written in the object text form.
#define QV_CLASS(Name)                                         \
 public:                                                       \
  static constexpr const wchar_t* StaticClassName = L"" #Name; \
  String ClassName() const override {                          \
    return L"" #Name;                                          \
  }                                                            \
                                                               \
 private:

class TObject {
 public:
  virtual ~TObject() = default;
  virtual String ClassName() const { return L"TObject"; }
};

// The component a streamed reference names: one owned by the referring component's owner,
// or by an owner further out; nil when none (or Name is empty).
TComponent* FindReferencedComponent(const TComponent* From, const String& Name);

using TNotifyEvent = std::function<void(TObject* Sender)>;

class TPersistent : public TObject {
 public:
  String ClassName() const override { return L"TPersistent"; }
  // Copies Source into this object. Falls back to Source->AssignTo(this); a pair of
  // classes that knows no rule raises EConvertError.
  virtual void Assign(TPersistent* Source);

  // The published properties (host/Properties.h): a class with properties of its own
  // answers its table, built on its base class's.
  virtual const TPropTable& Properties() const;
  // Object text form: write the properties that differ from their defaults, and take one
  // property read back (false for an unknown name). Both walk Properties(); a class
  // declares its properties there instead of overriding these.
  virtual void WriteProperties(TPropertyWriter& Writer) const;
  virtual bool ReadProperty(const String& Name, const TPropValue& Value);

 protected:
  virtual void AssignTo(TPersistent* Dest);
  [[noreturn]] void AssignError(TPersistent* Source);
};

enum TComponentStateItem { csLoading, csReading, csWriting, csDestroying, csDesigning, csUpdating };
using TComponentState = TSet<TComponentStateItem>;
enum TOperation { opInsert, opRemove };

// A component is freed by its owner: the owner frees its components in reverse
// order of insertion when it is destroyed.
class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;
  String ClassName() const override { return L"TComponent"; }

  TComponent* Owner() const { return FOwner; }
  const String& Name() const { return FName; }
  void SetName(const String& Value);
  intptr_t Tag() const { return FTag; }
  void SetTag(intptr_t Value) { FTag = Value; }
  TComponentState ComponentState() const { return FComponentState; }
  void SetDesigning(bool Value, bool SetChildren = true);

  int ComponentCount() const { return int(FComponents.size()); }
  TComponent* Components(int Index) const { return FComponents.at(size_t(Index)); }
  TComponent* FindComponent(const String& AName) const;
  int ComponentIndex() const;

  // Asks AComponent to tell this one (through Notification) when it is freed.
  void FreeNotification(TComponent* AComponent);
  void RemoveFreeNotification(TComponent* AComponent);

  // Streaming: called after all properties of the component were read.
  virtual void Loaded();
  void SetLoading(bool Value);  // used by the reader around reading properties
  // Tag, and the designer position (Left, Top) that non-visual components carry.
  const TPropTable& Properties() const override;
  // The position a non-visual component has on its designer surface; written after the
  // other properties when not (0, 0).
  TPoint DesignInfo() const { return FDesignInfo; }
  void SetDesignInfo(TPoint Value) { FDesignInfo = Value; }
  // The tree of the object text form. GetChildren lists the components written nested in
  // this one (by default its owned, named components); a nested component read back is
  // looked up in, or created with, GetChildOwner(Root) as owner and then handed
  // GetChildParent() through SetParentComponent.
  virtual void GetChildren(std::vector<TComponent*>& Children, const TComponent* Root) const;
  virtual TComponent* GetChildOwner(TComponent* Root) { return this; }
  virtual TComponent* GetChildParent() { return this; }
  virtual void SetParentComponent(TComponent* Value) {}

 protected:
  virtual void Notification(TComponent* AComponent, TOperation Operation);
  void InsertComponent(TComponent* AComponent);
  void RemoveComponent(TComponent* AComponent);
  TComponentState FComponentState;

 private:
  void Destroying();
  TComponent* FOwner = nullptr;
  String FName;
  intptr_t FTag = 0;
  TPoint FDesignInfo;
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
};

class TCollection;

class TCollectionItem : public TPersistent {
 public:
  explicit TCollectionItem(TCollection* ACollection);
  ~TCollectionItem() override;
  String ClassName() const override { return L"TCollectionItem"; }
  TCollection* Collection() const { return FCollection; }
  int Index() const;
  void SetIndex(int Value);
  virtual String DisplayName() const { return ClassName(); }

 protected:
  // Tells the collection that this item (or, with AllItems, every item) changed.
  void Changed(bool AllItems);

 private:
  friend class TCollection;
  TCollection* FCollection = nullptr;
};

// Owns its items. Update(Item) runs after a change when the update count is 0;
// BeginUpdate/EndUpdate bracket several changes into one Update(nullptr).
class TCollection : public TPersistent {
 public:
  using TItemFactory = std::function<TCollectionItem*(TCollection*)>;
  TCollection(TPersistent* AOwner, TItemFactory ItemFactory);
  ~TCollection() override;
  TCollection(const TCollection&) = delete;
  TCollection& operator=(const TCollection&) = delete;
  String ClassName() const override { return L"TCollection"; }

  TPersistent* Owner() const { return FOwner; }
  int Count() const { return int(FItems.size()); }
  TCollectionItem* Items(int Index) const;
  TCollectionItem* Add();
  TCollectionItem* Insert(int Index);
  void Delete(int Index);
  void Clear();
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }
  void Assign(TPersistent* Source) override;

 protected:
  virtual void Update(TCollectionItem* Item) {}
  // Runs on every change of the item order, whatever the update count, so that what a
  // subclass keeps per position stays in step: an item was appended at To (From is -1;
  // it is still being constructed), the item at From was taken out (To is -1; it is being
  // destroyed), or the item at From moved to To.
  virtual void ItemMoved(int From, int To) {}
  void Changed();

 private:
  friend class TCollectionItem;
  void InsertItem(TCollectionItem* Item);
  void RemoveItem(TCollectionItem* Item);
  void MoveItem(int From, int To);
  TPersistent* FOwner;
  TItemFactory FItemFactory;
  std::vector<TCollectionItem*> FItems;
  int FUpdateCount = 0;
};

// Typed view over a collection of one item class.
// TBase is TCollection or a subclass taking the owner, the item factory and then Args.
template <typename TItem, typename TBase = TCollection>
class TOwnedCollection : public TBase {
 public:
  template <typename... TArgs>
  explicit TOwnedCollection(TPersistent* AOwner, TArgs&&... Args)
      : TBase(
            AOwner, [](TCollection* C) -> TCollectionItem* { return new TItem(C); },
            std::forward<TArgs>(Args)...) {}
  TItem* Add() { return static_cast<TItem*>(TBase::Add()); }
  TItem* Items(int Index) const { return static_cast<TItem*>(TBase::Items(Index)); }
};

// A list of lines.
class TStringList : public TPersistent {
 public:
  String ClassName() const override { return L"TStringList"; }
  int Count() const { return int(FLines.size()); }
  const String& Strings(int Index) const { return FLines.at(size_t(Index)); }
  void SetStrings(int Index, const String& Value) { FLines.at(size_t(Index)) = Value; }
  int Add(const String& S);
  void Insert(int Index, const String& S);
  void Delete(int Index);
  void Clear();
  int IndexOf(const String& S) const;  // case-insensitive, as the framework's list
  // Lines joined with CR LF after each; SetText splits at CR LF, LF or CR.
  String Text() const;
  void SetText(const String& Value);
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  // UTF-8 files. Reading skips a byte-order mark; writing puts one first.
  void LoadFromFile(const String& FileName);
  void SaveToFile(const String& FileName) const;
  void Assign(TPersistent* Source) override;
  std::vector<String>& Lines() { return FLines; }
  const std::vector<String>& Lines() const { return FLines; }
  TNotifyEvent OnChange;

 private:
  void Changed();
  std::vector<String> FLines;
  int FUpdateCount = 0;
};

// Name tables for integer values written as identifiers (colours, charsets).
struct TIdentMapEntry {
  int32_t Value;
  const wchar_t* Name;
};
bool IntToIdent(int32_t Value, String& Ident, const TIdentMapEntry* Map, size_t Count);
bool IdentToInt(const String& Ident, int32_t& Value, const TIdentMapEntry* Map, size_t Count);
template <size_t N>
bool IntToIdent(int32_t Value, String& Ident, const TIdentMapEntry (&Map)[N]) {
  return IntToIdent(Value, Ident, Map, N);
}
template <size_t N>
bool IdentToInt(const String& Ident, int32_t& Value, const TIdentMapEntry (&Map)[N]) {
  return IdentToInt(Ident, Value, Map, N);
}

// Class registry for reading components from the object text form.
using TComponentFactory = std::function<TComponent*(TComponent* Owner)>;
void RegisterComponentClass(const String& ClassName, TComponentFactory Factory);
TComponent* CreateComponentByClassName(const String& ClassName,
                                       TComponent* Owner);  // nil when unknown

template <typename T>
void RegisterComponentClass() {
  RegisterComponentClass(T::StaticClassName,
                         [](TComponent* Owner) -> TComponent* { return new T(Owner); });
}

}  // namespace qv
