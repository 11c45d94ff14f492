#include <gtest/gtest.h>

#include <memory>

#include "host/Actions.h"

using namespace qv;

namespace {

// A client as controls are: its own caption, enabled flag and click handler, linked to an
// action for each while its value equals the action's.
struct TClient : TObject {
  String Caption;
  bool Enabled = true;
  TNotifyEvent OnClick;
};

class TClientLink : public TActionLink {
 public:
  explicit TClientLink(TClient* C) : TActionLink(C) {}
  TClient& C() const { return *static_cast<TClient*>(FClient); }
  bool IsCaptionLinked() const override {
    return TActionLink::IsCaptionLinked() && C().Caption == CustomAction()->Caption();
  }
  bool IsEnabledLinked() const override {
    return TActionLink::IsEnabledLinked() && C().Enabled == CustomAction()->Enabled();
  }
  bool IsOnExecuteLinked() const override {
    return Action() && IsActionExecuteHandler(C().OnClick, Action());
  }
  void SetCaption(const String& V) override {
    if (IsCaptionLinked()) C().Caption = V;
  }
  void SetEnabled(bool V) override {
    if (IsEnabledLinked()) C().Enabled = V;
  }

 protected:
  void ActionFreeing() override { C().OnClick = DetachActionHandler(C().OnClick, Action()); }
};

// Client linked to A with the action's values taken over.
struct TLinked {
  TClient Client;
  TClientLink Link{&Client};
  explicit TLinked(TAction& A) {
    Link.SetAction(&A);
    Client.Caption = A.Caption();
    Client.Enabled = A.Enabled();
    Client.OnClick = TActionExecuteHandler{&A};
  }
};

}  // namespace

TEST(Actions, ValuesPassOnOnlyWhileTheClientFollows) {
  struct Case {
    const char* Name;
    const wchar_t* OwnCaption;  // set on the client by hand; nullptr: untouched
    const wchar_t* WantCaption;
  };
  const Case Cases[] = {
      {"follows", nullptr, L"Open"},
      {"own caption", L"mine", L"mine"},
      {"own caption equal to the action's again", L"New", L"Open"},
  };
  for (const Case& K : Cases) {
    SCOPED_TRACE(K.Name);
    TAction A(nullptr);
    A.SetCaption(L"New");
    TLinked L(A);
    if (K.OwnCaption) L.Client.Caption = K.OwnCaption;
    A.SetCaption(L"Open");
    A.SetEnabled(false);
    EXPECT_EQ(L.Client.Caption, K.WantCaption);
    EXPECT_FALSE(L.Client.Enabled);
  }
}

TEST(Actions, ChangeReachesEveryLinkOnce) {
  TAction A(nullptr);
  TLinked L1(A), L2(A);
  int Changes = 0;
  L1.Link.OnChange = L2.Link.OnChange = [&](TObject* S) {
    EXPECT_EQ(S, &A);
    ++Changes;
  };
  A.SetHint(L"tip");
  A.SetHint(L"tip");  // same value: nothing
  EXPECT_EQ(Changes, 2);
  EXPECT_EQ(A.ClientCount(), 2);
}

TEST(Actions, FreeingTheActionLeavesNoDanglingLink) {
  TLinked* L = nullptr;
  int Runs = 0;
  {
    auto A = std::make_unique<TAction>(nullptr);
    A->OnExecute = [&](TObject*) { ++Runs; };
    L = new TLinked(*A);
    L->Client.OnClick(&L->Client);
    EXPECT_EQ(Runs, 1);
  }
  EXPECT_EQ(L->Link.Action(), nullptr);
  // The client runs the handler itself now, not through the freed action.
  ASSERT_TRUE(L->Client.OnClick);
  EXPECT_FALSE(L->Link.IsOnExecuteLinked());
  L->Client.OnClick(&L->Client);
  EXPECT_EQ(Runs, 2);
  delete L;
}

TEST(Actions, FreeingTheClientFirstUnregistersIt) {
  TAction A(nullptr);
  {
    TLinked L(A);
    EXPECT_EQ(A.ClientCount(), 1);
  }
  EXPECT_EQ(A.ClientCount(), 0);
  A.SetCaption(L"after");  // no link to call
}

TEST(Actions, SetOnExecuteReachesLinkedClientsOnly) {
  TAction A(nullptr);
  int Old = 0, New = 0;
  A.OnExecute = [&](TObject*) { ++Old; };
  TLinked L(A);
  A.SetOnExecute([&](TObject*) { ++New; });
  L.Client.OnClick(nullptr);
  EXPECT_EQ(Old, 0);
  EXPECT_EQ(New, 1);
}

TEST(Actions, ExecuteGoesThroughTheListAndTheEnabledState) {
  struct Case {
    const char* Name;
    bool Enabled, ListHandles, Suspended;
    int WantRuns, WantListCalls;
    bool WantResult;
  };
  const Case Cases[] = {
      {"plain", true, false, false, 1, 1, true},
      {"list handles it", true, true, false, 0, 1, true},
      {"disabled", false, false, false, 0, 0, false},
      {"suspended list", true, false, true, 0, 0, true},
  };
  for (const Case& K : Cases) {
    SCOPED_TRACE(K.Name);
    TComponent Owner(nullptr);
    auto* List = new TActionList(&Owner);
    auto* A = new TAction(&Owner);
    A->SetActionList(List);
    A->SetEnabled(K.Enabled);
    List->SetSuspended(K.Suspended);
    int Runs = 0, ListCalls = 0;
    A->OnExecute = [&](TObject* S) {
      EXPECT_EQ(S, A);
      ++Runs;
    };
    List->OnExecute = [&](TBasicAction* Act, bool& Handled) {
      EXPECT_EQ(Act, A);
      ++ListCalls;
      Handled = K.ListHandles;
    };
    EXPECT_EQ(A->Execute(), K.WantResult);
    EXPECT_EQ(Runs, K.WantRuns);
    EXPECT_EQ(ListCalls, K.WantListCalls);
  }
}

TEST(Actions, UpdateBeforeExecuteCanDisable) {
  TAction A(nullptr);
  int Runs = 0;
  A.OnUpdate = [&](TObject*) { A.SetEnabled(false); };
  A.OnExecute = [&](TObject*) { ++Runs; };
  EXPECT_FALSE(A.Execute());
  EXPECT_EQ(Runs, 0);
  EXPECT_FALSE(A.Enabled());
}

TEST(Actions, GroupAndAutoCheck) {
  TComponent Owner(nullptr);
  auto* List = new TActionList(&Owner);
  TAction* A[3];
  for (auto*& P : A) {
    P = new TAction(&Owner);
    P->SetActionList(List);
    P->SetGroupIndex(1);
    P->SetAutoCheck(true);
  }
  A[0]->Execute();
  A[1]->Execute();
  EXPECT_FALSE(A[0]->Checked());
  EXPECT_TRUE(A[1]->Checked());
  A[1]->Execute();  // a checked radio action stays checked
  EXPECT_TRUE(A[1]->Checked());
  A[2]->SetGroupIndex(0);
  A[2]->Execute();
  A[2]->Execute();
  EXPECT_FALSE(A[2]->Checked());
  EXPECT_TRUE(A[1]->Checked());
}

TEST(Actions, ListsUpdateTheirActionsAndForgetFreedOnes) {
  TComponent Owner(nullptr);
  auto* List = new TActionList(&Owner);
  auto* A = new TAction(&Owner);
  auto* B = new TAction(&Owner);
  A->SetActionList(List);
  B->SetActionList(List);
  int Updates = 0;
  A->OnUpdate = [&](TObject*) {
    ++Updates;
    delete B;  // an update handler freeing another action
    B = nullptr;
  };
  B->OnUpdate = [&](TObject*) { ADD_FAILURE() << "freed action updated"; };
  UpdateAllActionLists();
  EXPECT_EQ(Updates, 1);
  EXPECT_EQ(List->ActionCount(), 1);
  A->SetShortCut(ShortCut('O', {ssCtrl}));
  int Runs = 0;
  A->OnExecute = [&](TObject*) { ++Runs; };
  EXPECT_TRUE(List->IsShortCut(ShortCut('O', {ssCtrl})));
  EXPECT_FALSE(List->IsShortCut(ShortCut('P', {ssCtrl})));
  EXPECT_EQ(Runs, 1);
  delete List;
  EXPECT_EQ(A->ActionList(), nullptr);
}
