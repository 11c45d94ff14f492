#include "host/Classes.h"

#include <algorithm>
#include <map>

#include "host/Properties.h"
#include "host/ScopeGuard.h"
#include "host/Streams.h"

namespace qv {

// ---- TPersistent -----------------------------------------------------------

void TPersistent::Assign(TPersistent* Source) {
  if (Source) {
    Source->AssignTo(this);
  } else {
    AssignError(nullptr);
  }
}

void TPersistent::AssignTo(TPersistent* Dest) {
  Dest->AssignError(this);
}

const TPropTable& TPersistent::Properties() const {
  static const TPropTable None;
  return None;
}

void TPersistent::WriteProperties(TPropertyWriter& Writer) const {
  Properties().Write(*this, Writer);
}

bool TPersistent::ReadProperty(const String& Name, const TPropValue& Value) {
  return Properties().Read(*this, Name, Value);
}

void TPersistent::AssignError(TPersistent* Source) {
  String SourceName = Source ? Source->ClassName() : L"nil";
  throw EConvertError(L"Cannot assign a " + SourceName + L" to a " + ClassName());
}

// ---- TComponent ------------------------------------------------------------

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  // Tell everyone who asked that this component goes away.
  while (!FFreeNotifies.empty()) {
    TComponent* C = FFreeNotifies.back();
    FFreeNotifies.pop_back();
    C->RemoveFreeNotification(this);
    C->Notification(this, opRemove);
  }
  // Owned components go in reverse order of insertion.
  while (!FComponents.empty()) {
    TComponent* C = FComponents.back();
    RemoveComponent(C);
    delete C;
  }
  if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::Destroying() {
  if (FComponentState.Contains(csDestroying)) return;
  FComponentState.Include(csDestroying);
  for (TComponent* C : FComponents) C->Destroying();
}

void TComponent::SetName(const String& Value) {
  FName = Value;
}

void TComponent::SetDesigning(bool Value, bool SetChildren) {
  if (Value)
    FComponentState.Include(csDesigning);
  else
    FComponentState.Exclude(csDesigning);
  if (SetChildren)
    for (TComponent* C : FComponents) C->SetDesigning(Value, true);
}

void TComponent::SetLoading(bool Value) {
  if (Value) {
    FComponentState.Include(csLoading);
    FComponentState.Include(csReading);
  } else {
    FComponentState.Exclude(csLoading);
    FComponentState.Exclude(csReading);
  }
}

TComponent* TComponent::FindComponent(const String& AName) const {
  if (AName.empty()) return nullptr;
  for (TComponent* C : FComponents)
    if (SameText(C->Name(), AName)) return C;
  return nullptr;
}

TComponent* FindReferencedComponent(const TComponent* From, const String& Name) {
  if (Name.empty()) return nullptr;
  for (TComponent* Scope = From->Owner(); Scope; Scope = Scope->Owner())
    if (TComponent* C = Scope->FindComponent(Name)) return C;
  return nullptr;
}

int TComponent::ComponentIndex() const {
  if (!FOwner) return -1;
  auto& L = FOwner->FComponents;
  auto It = std::find(L.begin(), L.end(), this);
  return It == L.end() ? -1 : int(It - L.begin());
}

void TComponent::FreeNotification(TComponent* AComponent) {
  if (!AComponent || AComponent == this) return;
  if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) == FFreeNotifies.end())
    FFreeNotifies.push_back(AComponent);
  if (std::find(AComponent->FFreeNotifies.begin(), AComponent->FFreeNotifies.end(), this) ==
      AComponent->FFreeNotifies.end())
    AComponent->FFreeNotifies.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
  auto& L = FFreeNotifies;
  L.erase(std::remove(L.begin(), L.end(), AComponent), L.end());
}

// The designer position is written by the component writer, after the properties.
const TPropTable& TComponent::Properties() const {
  using C = TComponent;
  static const TPropTable Table = TPersistent::Properties().With({
      Prop(L"Tag", &C::Tag, &C::SetTag),
      Prop(
          L"Left", [](const C& Comp) { return Comp.FDesignInfo.X; },
          [](C& Comp, Integer V) { Comp.FDesignInfo.X = V; })
          .Stored(Never),
      Prop(
          L"Top", [](const C& Comp) { return Comp.FDesignInfo.Y; },
          [](C& Comp, Integer V) { Comp.FDesignInfo.Y = V; })
          .Stored(Never),
  });
  return Table;
}

void TComponent::GetChildren(std::vector<TComponent*>& Children, const TComponent* Root) const {
  for (TComponent* C : FComponents)
    if (!C->Name().empty()) Children.push_back(C);
}

void TComponent::Loaded() {
  FComponentState.Exclude(csLoading);
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent) RemoveFreeNotification(AComponent);
}

void TComponent::InsertComponent(TComponent* AComponent) {
  AComponent->FOwner = this;
  FComponents.push_back(AComponent);
  if (FComponentState.Contains(csDesigning)) AComponent->SetDesigning(true);
  for (TComponent* C : FComponents)
    if (C != AComponent) C->Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
  auto It = std::find(FComponents.begin(), FComponents.end(), AComponent);
  if (It == FComponents.end()) return;
  FComponents.erase(It);
  AComponent->FOwner = nullptr;
  for (TComponent* C : FComponents) C->Notification(AComponent, opRemove);
  Notification(AComponent, opRemove);
}

// ---- TCollectionItem -------------------------------------------------------

TCollectionItem::TCollectionItem(TCollection* ACollection) {
  if (ACollection) ACollection->InsertItem(this);
}

TCollectionItem::~TCollectionItem() {
  if (FCollection) FCollection->RemoveItem(this);
}

int TCollectionItem::Index() const {
  if (!FCollection) return -1;
  auto& L = FCollection->FItems;
  auto It = std::find(L.begin(), L.end(), this);
  return It == L.end() ? -1 : int(It - L.begin());
}

void TCollectionItem::SetIndex(int Value) {
  int Cur = Index();
  if (Cur >= 0 && Value != Cur) FCollection->MoveItem(Cur, Value);
}

void TCollectionItem::Changed(bool AllItems) {
  if (FCollection && FCollection->FUpdateCount == 0) FCollection->Update(AllItems ? nullptr : this);
}

// ---- TCollection -----------------------------------------------------------

TCollection::TCollection(TPersistent* AOwner, TItemFactory ItemFactory)
    : FOwner(AOwner), FItemFactory(std::move(ItemFactory)) {}

TCollection::~TCollection() {
  FUpdateCount = 1;  // no Update calls while tearing down
  while (!FItems.empty()) delete FItems.back();
}

TCollectionItem* TCollection::Items(int Index) const {
  if (Index < 0 || Index >= Count())
    throw EListError(L"List index out of bounds (" + std::to_wstring(Index) + L")");
  return FItems[size_t(Index)];
}

TCollectionItem* TCollection::Add() {
  auto Updating = UpdateScope(*this);
  return FItemFactory(this);
}

TCollectionItem* TCollection::Insert(int Index) {
  TCollectionItem* Item = Add();
  Item->SetIndex(Index);
  return Item;
}

void TCollection::Delete(int Index) {
  delete Items(Index);
}

void TCollection::Clear() {
  if (FItems.empty()) return;
  BeginUpdate();
  while (!FItems.empty()) delete FItems.back();
  EndUpdate();
}

void TCollection::BeginUpdate() {
  ++FUpdateCount;
}

void TCollection::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) Changed();
}

void TCollection::Changed() {
  if (FUpdateCount == 0) Update(nullptr);
}

void TCollection::Assign(TPersistent* Source) {
  auto* Src = dynamic_cast<TCollection*>(Source);
  if (!Src) {
    TPersistent::Assign(Source);
    return;
  }
  if (Src == this) return;
  auto Updating = UpdateScope(*this);
  Clear();
  for (TCollectionItem* Item : Src->FItems) Add()->Assign(Item);
}

void TCollection::InsertItem(TCollectionItem* Item) {
  Item->FCollection = this;
  FItems.push_back(Item);
  ItemMoved(-1, Count() - 1);
  Changed();
}

void TCollection::RemoveItem(TCollectionItem* Item) {
  auto It = std::find(FItems.begin(), FItems.end(), Item);
  if (It == FItems.end()) return;
  const int From = int(It - FItems.begin());
  FItems.erase(It);
  Item->FCollection = nullptr;
  ItemMoved(From, -1);
  Changed();
}

void TCollection::MoveItem(int From, int To) {
  To = std::clamp(To, 0, Count() - 1);
  TCollectionItem* Item = FItems[size_t(From)];
  FItems.erase(FItems.begin() + From);
  FItems.insert(FItems.begin() + To, Item);
  ItemMoved(From, To);
  Changed();
}

// ---- TStringList -----------------------------------------------------------

int TStringList::Add(const String& S) {
  FLines.push_back(S);
  Changed();
  return Count() - 1;
}

void TStringList::Insert(int Index, const String& S) {
  if (Index < 0 || Index > Count())
    throw EListError(L"List index out of bounds (" + std::to_wstring(Index) + L")");
  FLines.insert(FLines.begin() + Index, S);
  Changed();
}

void TStringList::Delete(int Index) {
  if (Index < 0 || Index >= Count())
    throw EListError(L"List index out of bounds (" + std::to_wstring(Index) + L")");
  FLines.erase(FLines.begin() + Index);
  Changed();
}

void TStringList::Clear() {
  if (FLines.empty()) return;
  FLines.clear();
  Changed();
}

int TStringList::IndexOf(const String& S) const {
  for (int i = 0; i < Count(); ++i)
    if (SameText(FLines[size_t(i)], S)) return i;
  return -1;
}

String TStringList::Text() const {
  String R;
  for (auto& L : FLines) {
    R += L;
    R += L"\r\n";
  }
  return R;
}

void TStringList::SetText(const String& Value) {
  BeginUpdate();
  FLines.clear();
  size_t i = 0, n = Value.size();
  while (i < n) {
    size_t j = i;
    while (j < n && Value[j] != L'\r' && Value[j] != L'\n') ++j;
    FLines.push_back(Value.substr(i, j - i));
    if (j < n && Value[j] == L'\r') ++j;
    if (j < n && Value[j] == L'\n') ++j;
    i = j;
  }
  Changed();
  EndUpdate();
}

void TStringList::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) Changed();
}

void TStringList::Changed() {
  if (FUpdateCount == 0 && OnChange) OnChange(this);
}

void TStringList::LoadFromFile(const String& FileName) {
  std::vector<uint8_t> Bytes = ReadFileBytes(FileName);
  size_t Skip =
      Bytes.size() >= 3 && Bytes[0] == 0xEF && Bytes[1] == 0xBB && Bytes[2] == 0xBF ? 3 : 0;
  SetText(FromUtf8(std::string(Bytes.begin() + Skip, Bytes.end())));
}

void TStringList::SaveToFile(const String& FileName) const {
  std::string Utf8 = "\xEF\xBB\xBF" + ToUtf8(Text());
  WriteFileBytes(FileName, std::vector<uint8_t>(Utf8.begin(), Utf8.end()));
}

void TStringList::Assign(TPersistent* Source) {
  if (auto* Src = dynamic_cast<TStringList*>(Source)) {
    FLines = Src->FLines;
    Changed();
    return;
  }
  TPersistent::Assign(Source);
}

// ---- identifier maps -------------------------------------------------------

bool IntToIdent(int32_t Value, String& Ident, const TIdentMapEntry* Map, size_t Count) {
  for (size_t I = 0; I < Count; ++I)
    if (Map[I].Value == Value) {
      Ident = Map[I].Name;
      return true;
    }
  return false;
}

bool IdentToInt(const String& Ident, int32_t& Value, const TIdentMapEntry* Map, size_t Count) {
  for (size_t I = 0; I < Count; ++I)
    if (SameText(Ident, Map[I].Name)) {
      Value = Map[I].Value;
      return true;
    }
  return false;
}

// ---- class registry --------------------------------------------------------

static std::map<String, TComponentFactory>& Registry() {
  static std::map<String, TComponentFactory> R;
  return R;
}

void RegisterComponentClass(const String& ClassName, TComponentFactory Factory) {
  Registry()[UpperCase(ClassName)] = std::move(Factory);
}

TComponent* CreateComponentByClassName(const String& ClassName, TComponent* Owner) {
  auto It = Registry().find(UpperCase(ClassName));
  return It == Registry().end() ? nullptr : It->second(Owner);
}

}  // namespace qv
