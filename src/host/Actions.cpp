#include "host/Actions.h"

#include <algorithm>

#include "host/Properties.h"

namespace qv {

namespace {

std::vector<TCustomActionList*>& LiveActionLists() {
  static std::vector<TCustomActionList*> Lists;
  return Lists;
}

template <typename T>
void Erase(std::vector<T*>& V, T* Item) {
  V.erase(std::remove(V.begin(), V.end(), Item), V.end());
}

const bool kRegistered =
    (RegisterComponentClass<TAction>(), RegisterComponentClass<TActionList>(), true);

}  // namespace

// ---- basic action -------------------------------------------------------------------

TBasicAction::TBasicAction(TComponent* AOwner) : TComponent(AOwner) {}

TBasicAction::~TBasicAction() {
  while (!FClients.empty()) {
    TBasicActionLink* L = FClients.back();
    L->ActionFreeing();
    L->SetAction(nullptr);
  }
}

bool TBasicAction::Execute() {
  if (!OnExecute) return false;
  OnExecute(this);
  return true;
}

bool TBasicAction::Update() {
  if (!OnUpdate) return false;
  OnUpdate(this);
  return true;
}

void TBasicAction::SetOnExecute(const TNotifyEvent& Value) {
  ForEachLink([&](TBasicActionLink& L) { L.SetOnExecute(Value); });
  OnExecute = Value;
  Change();
}

void TBasicAction::Change() {
  ForEachLink([](TBasicActionLink& L) { L.Change(); });
}

// ---- basic link ---------------------------------------------------------------------

TBasicActionLink::~TBasicActionLink() {
  SetAction(nullptr);
}

void TBasicActionLink::SetAction(TBasicAction* Value) {
  if (FAction == Value) return;
  if (FAction) Erase(FAction->FClients, this);
  FAction = Value;
  if (FAction) FAction->FClients.push_back(this);
}

bool IsActionExecuteHandler(const TNotifyEvent& Event, const TBasicAction* Action) {
  const auto* H = Event.target<TActionExecuteHandler>();
  return H && H->Action == Action;
}

TNotifyEvent DetachActionHandler(const TNotifyEvent& Event, const TBasicAction* Action) {
  return IsActionExecuteHandler(Event, Action) ? Action->OnExecute : Event;
}

// ---- contained action ---------------------------------------------------------------

TContainedAction::~TContainedAction() {
  SetActionList(nullptr);
}

void TContainedAction::SetActionList(TCustomActionList* Value) {
  if (FActionList == Value) return;
  if (FActionList) Erase(FActionList->FActions, this);
  FActionList = Value;
  if (FActionList) FActionList->FActions.push_back(this);
}

bool TContainedAction::Execute() {
  if (FActionList && (FActionList->Suspended() || FActionList->ExecuteAction(this))) return true;
  return TBasicAction::Execute();
}

bool TContainedAction::Update() {
  if (FActionList && (FActionList->Suspended() || FActionList->UpdateAction(this))) return true;
  return TBasicAction::Update();
}

const TPropTable& TContainedAction::Properties() const {
  using C = TContainedAction;
  static const TPropTable Table = TBasicAction::Properties().With({
      Prop(L"Category", &C::Category, &C::SetCategory),
  });
  return Table;
}

// ---- custom action ------------------------------------------------------------------

// The links see the old value still in the action, so that each can tell whether its
// client's value followed the action until now.
template <typename T, typename F>
void TCustomAction::PassOn(T& Field, const T& Value, F&& Tell) {
  if (Field == Value) return;
  ForEachLink([&](TBasicActionLink& L) {
    if (auto* A = dynamic_cast<TActionLink*>(&L)) Tell(*A);
  });
  Field = Value;
  Change();
}

void TCustomAction::SetCaption(const String& Value) {
  PassOn(FCaption, Value, [&](TActionLink& L) { L.SetCaption(Value); });
}
void TCustomAction::SetEnabled(bool Value) {
  PassOn(FEnabled, Value, [&](TActionLink& L) { L.SetEnabled(Value); });
}
void TCustomAction::SetVisible(bool Value) {
  PassOn(FVisible, Value, [&](TActionLink& L) { L.SetVisible(Value); });
}
void TCustomAction::SetHint(const String& Value) {
  PassOn(FHint, Value, [&](TActionLink& L) { L.SetHint(Value); });
}
void TCustomAction::SetImageIndex(int Value) {
  PassOn(FImageIndex, Value, [&](TActionLink& L) { L.SetImageIndex(Value); });
}
void TCustomAction::SetShortCut(TShortCut Value) {
  PassOn(FShortCut, Value, [&](TActionLink& L) { L.SetShortCut(Value); });
}
void TCustomAction::SetGroupIndex(int Value) {
  PassOn(FGroupIndex, Value, [&](TActionLink& L) { L.SetGroupIndex(Value); });
}

void TCustomAction::SetChecked(bool Value) {
  PassOn(FChecked, Value, [&](TActionLink& L) { L.SetChecked(Value); });
  // Checking one of a group unchecks the others of the same list.
  if (!Value || FGroupIndex <= 0 || !ActionList()) return;
  for (int I = 0; I < ActionList()->ActionCount(); ++I)
    if (auto* A = dynamic_cast<TCustomAction*>(ActionList()->Actions(I));
        A && A != this && A->FGroupIndex == FGroupIndex)
      A->SetChecked(false);
}

bool TCustomAction::Execute() {
  Update();
  if (!FEnabled) return false;
  if (FAutoCheck && !(FChecked && FGroupIndex > 0)) SetChecked(!FChecked);
  return TContainedAction::Execute();
}

const TPropTable& TAction::Properties() const {
  using C = TAction;
  static const TPropTable Table = TCustomAction::Properties().With({
      Prop(L"AutoCheck", &C::AutoCheck, &C::SetAutoCheck),
      Prop(L"Caption", &C::Caption, &C::SetCaption),
      Prop(L"Checked", &C::Checked, &C::SetChecked),
      Prop(L"Enabled", &C::Enabled, &C::SetEnabled, DefaultEnabled),
      Prop(L"GroupIndex", &C::GroupIndex, &C::SetGroupIndex),
      Prop(L"Hint", &C::Hint, &C::SetHint),
      Prop(L"ImageIndex", &C::ImageIndex, &C::SetImageIndex, DefaultImageIndex),
      Prop(
          L"ShortCut", [](const C& A) { return int(A.ShortCut()); },
          [](C& A, int V) { A.SetShortCut(TShortCut(V)); }),
      Prop(L"Visible", &C::Visible, &C::SetVisible, DefaultVisible),
  });
  return Table;
}

// ---- action list --------------------------------------------------------------------

TCustomActionList::TCustomActionList(TComponent* AOwner) : TComponent(AOwner) {
  LiveActionLists().push_back(this);
}

TCustomActionList::~TCustomActionList() {
  Erase(LiveActionLists(), this);
  while (!FActions.empty()) FActions.back()->SetActionList(nullptr);
}

bool TCustomActionList::ExecuteAction(TBasicAction* Action) {
  bool Handled = false;
  if (OnExecute) OnExecute(Action, Handled);
  return Handled;
}

bool TCustomActionList::UpdateAction(TBasicAction* Action) {
  bool Handled = false;
  if (OnUpdate) OnUpdate(Action, Handled);
  return Handled;
}

void TCustomActionList::UpdateActions() {
  if (FSuspended) return;
  // An update handler may free actions: walk a copy and skip the ones gone.
  const std::vector<TContainedAction*> Actions = FActions;
  for (TContainedAction* A : Actions)
    if (std::find(FActions.begin(), FActions.end(), A) != FActions.end()) A->Update();
}

bool TCustomActionList::IsShortCut(TShortCut Key) {
  if (Key == scNone || FSuspended) return false;
  for (TContainedAction* A : FActions)
    if (auto* C = dynamic_cast<TCustomAction*>(A); C && C->ShortCut() == Key) return C->Execute();
  return false;
}

void UpdateAllActionLists() {
  const std::vector<TCustomActionList*> Lists = LiveActionLists();
  for (TCustomActionList* L : Lists)
    if (std::find(LiveActionLists().begin(), LiveActionLists().end(), L) != LiveActionLists().end())
      L->UpdateActions();
}

}  // namespace qv
