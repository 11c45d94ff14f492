#pragma once
// Actions: one command (caption, enabled, checked, visible, hint, image, shortcut and what
// it does) shared by several clients (menu items, buttons, toolbar items). A client holds an
// action link; the action passes each change of a value to its links, and a link hands it
// on to its client only while the client's value still equals the action's (the client
// was not changed by hand). Portable: no platform headers.
#include <vector>

#include "host/Classes.h"
#include "host/Menus.h"

namespace qv {

class TBasicActionLink;
class TCustomActionList;

class TBasicAction : public TComponent {
  QV_CLASS(TBasicAction)
 public:
  explicit TBasicAction(TComponent* AOwner);
  // Every link drops the action; its client keeps the values it has.
  ~TBasicAction() override;

  // Runs the action; true when something handled it.
  virtual bool Execute();
  // Asks the owner of the action to bring its values up to date (OnUpdate); true when
  // something handled it.
  virtual bool Update();
  int ClientCount() const { return int(FClients.size()); }

  // Assigned directly, or through SetOnExecute to hand the new handler to the clients
  // that still run the old one.
  TNotifyEvent OnExecute;
  TNotifyEvent OnUpdate;
  void SetOnExecute(const TNotifyEvent& Value);

 protected:
  // Tells every link that the action changed (OnChange of the links).
  void Change();
  // Each link in turn, as the values pass on before the action stores them.
  template <typename F>
  void ForEachLink(F&& Fn) {
    const std::vector<TBasicActionLink*> Links = FClients;
    for (TBasicActionLink* L : Links) Fn(*L);
  }

 private:
  friend class TBasicActionLink;
  std::vector<TBasicActionLink*> FClients;
};

// The client side of the connection. Freed by its client; unregisters from its action.
class TBasicActionLink : public TObject {
 public:
  explicit TBasicActionLink(TObject* AClient) : FClient(AClient) {}
  ~TBasicActionLink() override;
  TBasicActionLink(const TBasicActionLink&) = delete;
  TBasicActionLink& operator=(const TBasicActionLink&) = delete;
  String ClassName() const override { return L"TBasicActionLink"; }

  TBasicAction* Action() const { return FAction; }
  void SetAction(TBasicAction* Value);
  TObject* Client() const { return FClient; }
  virtual bool Execute() { return FAction && FAction->Execute(); }
  virtual bool Update() { return FAction && FAction->Update(); }
  // Whether the client still runs the action's execute handler.
  virtual bool IsOnExecuteLinked() const { return true; }
  // The action's execute handler changes to Value.
  virtual void SetOnExecute(const TNotifyEvent& Value) {}

  // Raised when the action changed (Sender: the action).
  TNotifyEvent OnChange;

 protected:
  friend class TBasicAction;
  virtual void Change() {
    if (OnChange) OnChange(FAction);
  }
  // The action is being freed: the last moment its values can be read.
  virtual void ActionFreeing() {}
  TObject* FClient;

 private:
  TBasicAction* FAction = nullptr;
};

// An action that belongs to an action list.
class TContainedAction : public TBasicAction {
  QV_CLASS(TContainedAction)
 public:
  using TBasicAction::TBasicAction;
  ~TContainedAction() override;
  TCustomActionList* ActionList() const { return FActionList; }
  void SetActionList(TCustomActionList* Value);
  const String& Category() const { return FCategory; }
  void SetCategory(const String& Value) { FCategory = Value; }
  // The list's OnExecute first (it may handle the action), then OnExecute.
  bool Execute() override;
  bool Update() override;
  const TPropTable& Properties() const override;

 private:
  TCustomActionList* FActionList = nullptr;
  String FCategory;
};

class TCustomAction : public TContainedAction {
  QV_CLASS(TCustomAction)
 public:
  using TContainedAction::TContainedAction;

  static constexpr bool DefaultEnabled = true, DefaultVisible = true;
  static constexpr int DefaultImageIndex = -1;

  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut Value);
  // Actions of equal non-zero value check each other off.
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value);
  // Executing flips Checked.
  bool AutoCheck() const { return FAutoCheck; }
  void SetAutoCheck(bool Value) { FAutoCheck = Value; }

  // Brings the values up to date first; a disabled action does not run.
  bool Execute() override;

 private:
  template <typename T, typename F>
  void PassOn(T& Field, const T& Value, F&& Tell);
  String FCaption;
  bool FEnabled = DefaultEnabled, FChecked = false, FVisible = DefaultVisible;
  bool FAutoCheck = false;
  String FHint;
  int FImageIndex = DefaultImageIndex;
  TShortCut FShortCut = scNone;
  int FGroupIndex = 0;
};

// Publishes the custom action.
class TAction : public TCustomAction {
  QV_CLASS(TAction)
 public:
  using TCustomAction::TCustomAction;
  const TPropTable& Properties() const override;
};

// The link of a client with caption, enabled, checked, visible, hint, image and shortcut.
// Each setter passes the action's new value on when the matching IsXxxLinked answers true
// (the base links nothing: a client class says what it shares by overriding both).
class TActionLink : public TBasicActionLink {
 public:
  using TBasicActionLink::TBasicActionLink;
  String ClassName() const override { return L"TActionLink"; }
  virtual bool IsCaptionLinked() const { return IsCustomAction(); }
  virtual bool IsEnabledLinked() const { return IsCustomAction(); }
  virtual bool IsCheckedLinked() const { return IsCustomAction(); }
  virtual bool IsVisibleLinked() const { return IsCustomAction(); }
  virtual bool IsHintLinked() const { return IsCustomAction(); }
  virtual bool IsImageIndexLinked() const { return IsCustomAction(); }
  virtual bool IsShortCutLinked() const { return IsCustomAction(); }
  virtual bool IsGroupIndexLinked() const { return IsCustomAction(); }

  virtual void SetCaption(const String& Value) {}
  virtual void SetEnabled(bool Value) {}
  virtual void SetChecked(bool Value) {}
  virtual void SetVisible(bool Value) {}
  virtual void SetHint(const String& Value) {}
  virtual void SetImageIndex(int Value) {}
  virtual void SetShortCut(TShortCut Value) {}
  virtual void SetGroupIndex(int Value) {}

 protected:
  TCustomAction* CustomAction() const { return dynamic_cast<TCustomAction*>(Action()); }
  bool IsCustomAction() const { return CustomAction() != nullptr; }
};

// A client's handler that runs the action's current execute handler. A client assigns it
// where it would copy the handler, so that "the client still runs the action's handler"
// can be answered (std::function has no equality).
struct TActionExecuteHandler {
  TBasicAction* Action;
  void operator()(TObject* Sender) const {
    if (Action->OnExecute) Action->OnExecute(Sender);
  }
};
// Whether Event runs Action's execute handler.
bool IsActionExecuteHandler(const TNotifyEvent& Event, const TBasicAction* Action);
// Event after Action goes: its handler itself when Event ran it, else Event unchanged.
TNotifyEvent DetachActionHandler(const TNotifyEvent& Event, const TBasicAction* Action);

using TActionEvent = std::function<void(TBasicAction* Action, bool& Handled)>;

// Holds actions (owned by the list's owner, as in a designer; the list only lists them)
// and gives its owner the first word on executing and updating them.
class TCustomActionList : public TComponent {
  QV_CLASS(TCustomActionList)
 public:
  explicit TCustomActionList(TComponent* AOwner);
  ~TCustomActionList() override;
  int ActionCount() const { return int(FActions.size()); }
  TContainedAction* Actions(int Index) const { return FActions.at(size_t(Index)); }
  // Runs OnUpdate of every action (what the application does when idle).
  void UpdateActions();
  // OnExecute/OnUpdate of the list; true when the handler set Handled.
  bool ExecuteAction(TBasicAction* Action);
  bool UpdateAction(TBasicAction* Action);
  // A shortcut of an enabled action executes it; true when one did.
  bool IsShortCut(TShortCut Key);
  // A suspended list neither executes nor updates its actions.
  bool Suspended() const { return FSuspended; }
  void SetSuspended(bool Value) { FSuspended = Value; }

  TActionEvent OnExecute;
  TActionEvent OnUpdate;

 private:
  friend class TContainedAction;
  std::vector<TContainedAction*> FActions;
  bool FSuspended = false;
};

class TActionList : public TCustomActionList {
  QV_CLASS(TActionList)
 public:
  using TCustomActionList::TCustomActionList;
};

// Updates the actions of every live action list; the application calls it when idle.
void UpdateAllActionLists();

}  // namespace qv
