// The window hook: hooks on a form stack and come out in reverse order, hooks on anything
// but a live form are inert, and freeing a form with hooks in place is safe. Also the form
// registry's lookups.
#include <memory>
#include <string>
#include <vector>

#include "ControlsTestSupport.h"
#include "forms/QvFormSkinVar.h"
#include "forms/QvSkinHelper.h"
#include "forms/QvSkinNCCtrlBase.h"
#include "forms/QvStdCtrl.h"

using namespace qv;

namespace {

using FormHookTest = qvtest::ControlsTest;
using TLog = std::vector<std::wstring>;

constexpr UINT kProbe = WM_APP + 77;

// Records the probe and WM_SETTEXT on their way through, and its own end.
class TRecordingHook : public TQvHookWindowProc {
 public:
  TRecordingHook(TComponent* AOwner, TLog* Log, std::wstring Name)
      : TQvHookWindowProc(AOwner), FLog(Log), FName(std::move(Name)) {}
  ~TRecordingHook() override { FLog->push_back(L"~" + FName); }
  void NewWndProc(TMessage& Message) override {
    if (Message.Msg == kProbe || Message.Msg == WM_SETTEXT) FLog->push_back(FName);
    TQvHookWindowProc::NewWndProc(Message);
  }

 private:
  TLog* FLog;
  std::wstring FName;
};

// A form that answers the probe with 42 and records it.
class TProbeForm : public TForm {
 public:
  TProbeForm(TLog* Log) : TForm(nullptr), FLog(Log) {}
  void WndProc(TMessage& Message) override {
    if (Message.Msg == kProbe) {
      FLog->push_back(L"form");
      Message.Result = 42;
      return;
    }
    TForm::WndProc(Message);
  }
  using TComponent::RemoveComponent;

 private:
  TLog* FLog;
};

// Sends the probe and answers what went by.
TLog Probe(TForm* F, TLog& Log) {
  Log.clear();
  EXPECT_EQ(SendMessageW(F->Handle(), kProbe, 0, 0), 42);
  return Log;
}

TEST_F(FormHookTest, HooksChainNewestFirstAndComeOutInReverseOrder) {
  TLog Log;
  TProbeForm F(&Log);
  auto* A = new TRecordingHook(&F, &Log, L"A");
  auto* B = new TRecordingHook(&F, &Log, L"B");
  EXPECT_EQ(A->DestForm(), &F);
  EXPECT_EQ(B->DestForm(), &F);
  EXPECT_EQ(Probe(&F, Log), (TLog{L"B", L"A", L"form"}));
  delete B;
  EXPECT_EQ(Probe(&F, Log), (TLog{L"A", L"form"}));
  delete A;
  EXPECT_EQ(Probe(&F, Log), (TLog{L"form"}));
}

TEST_F(FormHookTest, HooksOnAnythingButALiveFormAreInert) {
  TLog Log;
  TProbeForm F(&Log);
  new TRecordingHook(&F, &Log, L"A");  // a real hook the inert ones must leave alone
  TComponent DataModule(nullptr);
  auto* Frame = new TCustomControl(&F);
  Frame->SetParent(&F);
  TProbeForm Designed(&Log);
  Designed.SetDesigning(true);
  struct {
    const char* Name;
    TComponent* Owner;
    TProbeForm* Target;
  } Cases[] = {
      {"no owner", nullptr, &F},
      {"data module", &DataModule, &F},
      {"windowed control on the form", Frame, &F},
      {"form being designed", &Designed, &Designed},
  };
  for (auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    auto* Hook = new TRecordingHook(C.Owner, &Log, L"inert");
    EXPECT_EQ(Hook->DestForm(), nullptr);
    TLog Expected = C.Target == &F ? TLog{L"A", L"form"} : TLog{L"form"};
    EXPECT_EQ(Probe(C.Target, Log), Expected);
    delete Hook;
    EXPECT_EQ(Probe(C.Target, Log), Expected);
  }
}

// Sends WM_SETTEXT to a window from its destructor and keeps what the window then says.
class TLateSender : public TComponent {
 public:
  TLateSender(TComponent* AOwner, TLog* Log) : TComponent(AOwner), FLog(Log) {}
  ~TLateSender() override {
    SendMessageW(Wnd, WM_SETTEXT, 0, LPARAM(L"late"));
    wchar_t Text[16] = {};
    GetWindowTextW(Wnd, Text, 16);
    FLog->push_back(std::wstring(L"late:") + Text);
  }
  HWND Wnd = nullptr;

 private:
  TLog* FLog;
};

TEST_F(FormHookTest, FreeingAFormWithHooksInstalledIsSafe) {
  TLog Log;
  auto* F = new TProbeForm(&Log);
  // Freed after the hooks: what it sends then must go past them to the form itself.
  auto* Late = new TLateSender(F, &Log);
  Late->Wnd = F->Handle();
  new TRecordingHook(F, &Log, L"A");
  new TRecordingHook(F, &Log, L"B");
  F->Show();
  qvtest::PumpIdle();
  Log.clear();
  delete F;
  EXPECT_EQ(Log, (TLog{L"~B", L"~A", L"late:late"}));

  // A hook taken away from its form outlives it: it forgets the form and its end
  // touches nothing.
  F = new TProbeForm(&Log);
  auto Detached = std::make_unique<TRecordingHook>(F, &Log, L"D");
  F->RemoveComponent(Detached.get());
  // Leaving its owner drops the free-notification link, as for any component; whoever
  // keeps the hook past its form asks for it again.
  F->FreeNotification(Detached.get());
  EXPECT_EQ(Probe(F, Log), (TLog{L"D", L"form"}));
  delete F;
  EXPECT_EQ(Detached->DestForm(), nullptr);
  Detached.reset();
}

TEST_F(FormHookTest, FormRegistryFindsTheFirstPairOfAForm) {
  // The library-wide state starts empty.
  EXPECT_TRUE(gHSB.H == 0 && gHSB.S == 0 && gHSB.B == 0 && !gHookedCursor);
  EXPECT_EQ(TQvFormSkinHelperObj(), TQvFormSkinHelperObj());
  EXPECT_EQ(TQvFormSkinHelperObj()->Count(), 0);

  TForm F1(nullptr), F2(nullptr), Unregistered(nullptr);
  // Skin components are only keys here.
  int Tokens[3];
  TQvSkinForm* S[3];
  for (int I = 0; I < 3; ++I) S[I] = reinterpret_cast<TQvSkinForm*>(&Tokens[I]);
  TQvFormSkinHelper Registry;
  Registry.Add(&F1, S[0]);
  Registry.Add(&F2, S[1]);
  Registry.Add(&F1, S[2]);
  struct Step {
    const char* Name;
    TCustomForm* RemoveFirst;
    int Count, IndexOfF1, IndexOfF2;
    TQvSkinForm* SkinOfF1;
  } Steps[] = {
      {"registered twice", nullptr, 3, 0, 1, S[0]},
      {"unregistered form removed", &Unregistered, 3, 0, 1, S[0]},
      {"first pair removed", &F1, 2, 1, 0, S[2]},
      {"second pair removed", &F1, 1, -1, 0, nullptr},
      {"nothing left to remove", &F1, 1, -1, 0, nullptr},
  };
  for (auto& St : Steps) {
    SCOPED_TRACE(St.Name);
    if (St.RemoveFirst) Registry.Remove(St.RemoveFirst);
    EXPECT_EQ(Registry.Count(), St.Count);
    EXPECT_EQ(Registry.IndexOf(&F1), St.IndexOfF1);
    EXPECT_EQ(Registry.IndexOf(&F2), St.IndexOfF2);
    TQvFormSkinPair* P = Registry.Get(&F1);
    EXPECT_EQ(P ? P->SkinForm : nullptr, St.SkinOfF1);
    if (P) {
      EXPECT_EQ(P->Form, &F1);
    }
    EXPECT_EQ(Registry.IndexOf(&Unregistered), -1);
    EXPECT_EQ(Registry.Get(&Unregistered), nullptr);
  }
  EXPECT_EQ(Registry.Items(0)->SkinForm, S[1]);
}

}  // namespace
