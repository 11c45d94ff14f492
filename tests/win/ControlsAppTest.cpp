// The application object, the screen, timers and hints.
#include <memory>

#include "ControlsTestSupport.h"

using namespace qv;
using qvtest::PumpIdle;
using qvtest::PumpTicks;
using qvtest::TPanel;

namespace {

using AppTest = qvtest::ControlsTest;

TEST_F(AppTest, HooksSeeTheApplicationWindowsMessagesFirst) {
  std::vector<int> Order;
  int A = Application->HookMainWindow([&](TMessage& M) {
    if (M.Msg != WM_USER + 11) return false;
    Order.push_back(1);
    return false;
  });
  int B = Application->HookMainWindow([&](TMessage& M) {
    if (M.Msg != WM_USER + 11) return false;
    Order.push_back(2);
    M.Result = 5;
    return M.WParam == 1;  // handled: the older hook does not see it
  });
  EXPECT_EQ(SendMessageW(Application->Handle(), WM_USER + 11, 0, 0), 0);
  EXPECT_EQ(Order, (std::vector<int>{2, 1}));
  Order.clear();
  EXPECT_EQ(SendMessageW(Application->Handle(), WM_USER + 11, 1, 0), 5);
  EXPECT_EQ(Order, (std::vector<int>{2}));
  Application->UnhookMainWindow(B);
  Order.clear();
  SendMessageW(Application->Handle(), WM_USER + 11, 1, 0);
  EXPECT_EQ(Order, (std::vector<int>{1}));
  Application->UnhookMainWindow(A);
  Order.clear();
  SendMessageW(Application->Handle(), WM_USER + 11, 1, 0);
  EXPECT_TRUE(Order.empty());
}

TEST_F(AppTest, ExceptionsInEventsGoToOnException) {
  std::vector<std::string> Caught;
  Application->OnException = [&](TObject*, const std::exception& E) { Caught.push_back(E.what()); };
  auto Form = std::make_unique<TForm>(nullptr);
  Form->OnResize = [](TObject*) { throw Exception(L"resize failed"); };
  Form->HandleNeeded();
  SetWindowPos(Form->Handle(), nullptr, 0, 0, 123, 45, SWP_NOMOVE | SWP_NOZORDER);
  ASSERT_FALSE(Caught.empty());
  EXPECT_EQ(Caught.back(), "resize failed");
  // The window is still alive and answers.
  Form->OnResize = nullptr;
  EXPECT_EQ(SendMessageW(Form->Handle(), WM_SETTEXT, 0, LPARAM(L"ok")), TRUE);
}

TEST_F(AppTest, TimerFiresWhileEnabled) {
  auto Owner = std::make_unique<TComponent>(nullptr);
  auto* Timer = new TTimer(Owner.get());
  int Ticks = 0;
  Timer->OnTimer = [&](TObject* Sender) {
    EXPECT_EQ(Sender, Timer);
    ++Ticks;
  };
  Timer->SetInterval(15);
  ASSERT_TRUE(qvtest::PumpUntil([&] { return Ticks >= 3; }, 2000));
  Timer->SetEnabled(false);
  int Stopped = Ticks;
  PumpTicks(15, 3);
  EXPECT_EQ(Ticks, Stopped);
  Timer->SetEnabled(true);
  ASSERT_TRUE(qvtest::PumpUntil([&] { return Ticks > Stopped; }, 2000));
  // A timer freed from its own event stops there.
  Timer->OnTimer = [&](TObject*) {
    ++Ticks;
    delete Timer;
  };
  int Before = Ticks;
  ASSERT_TRUE(qvtest::PumpUntil([&] { return Ticks > Before; }, 2000));
  PumpTicks(15, 3);
  EXPECT_EQ(Ticks, Before + 1);
  EXPECT_EQ(Owner->ComponentCount(), 0);
}

TEST_F(AppTest, ScreenKnowsTheMonitorsAndForms) {
  ASSERT_GE(Screen->MonitorCount(), 1);
  TMonitor* Primary = Screen->PrimaryMonitor();
  ASSERT_NE(Primary, nullptr);
  EXPECT_TRUE(Primary->Primary());
  EXPECT_EQ(Primary->BoundsRect(),
            Rect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
  TRect Work = Primary->WorkareaRect();
  EXPECT_FALSE(Work.IsEmpty());
  EXPECT_EQ(Work, Screen->WorkAreaRect());
  EXPECT_EQ(Screen->Width(), Primary->Width());
  EXPECT_EQ(Screen->MonitorFromPoint({10, 10}), Primary);
  int Forms = Screen->FormCount();
  {
    auto F = std::make_unique<TForm>(nullptr);
    EXPECT_EQ(Screen->FormCount(), Forms + 1);
    EXPECT_EQ(Screen->Forms(Forms), F.get());
    EXPECT_EQ(F->Monitor(), Primary);
  }
  EXPECT_EQ(Screen->FormCount(), Forms);
}

class TMyHintWindow : public THintWindow {
 public:
  using THintWindow::THintWindow;
  String ClassName() const override { return L"TMyHintWindow"; }
  String Shown;
  void ActivateHint(const TRect& R, const String& AHint) override {
    Shown = AHint;
    THintWindow::ActivateHint(R, AHint);
  }
};

TEST_F(AppTest, HintShowsAfterThePauseAndTheClassCanBeReplaced) {
  qvtest::MoveMouse(5, 5);
  auto Form = std::make_unique<TForm>(nullptr);
  Form->SetBorderStyle(bsNone);
  Form->SetBounds(300, 300, 200, 100);
  auto* P = new TPanel(Form.get());
  P->SetBounds(10, 10, 100, 50);
  P->SetHint(L"Short hint|Long text");
  P->SetShowHint(true);
  P->SetParent(Form.get());
  Form->Show();
  PumpIdle();
  Application->SetHintPause(50);
  TPoint At = P->ClientToScreen({20, 20});
  qvtest::MoveMouse(At.X, At.Y);
  ASSERT_TRUE(qvtest::PumpUntil([&] {
    return Application->HintWindow() && Application->HintWindow()->HandleAllocated() &&
           IsWindowVisible(Application->HintWindow()->Handle());
  }));
  THintWindow* H = Application->HintWindow();
  EXPECT_EQ(H->Caption(), L"Short hint");
  EXPECT_EQ(H->Owner(), Application);
  EXPECT_TRUE(GetWindowLongPtrW(H->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  // Leaving the control takes the hint away.
  qvtest::MoveMouse(5, 5);
  ASSERT_TRUE(qvtest::PumpUntil([&] { return !H->HandleAllocated(); }));

  // The application-wide class: the next hint comes from the replacement.
  Application->SetHintWindowClass([](TComponent* Owner) { return new TMyHintWindow(Owner); });
  qvtest::MoveMouse(At.X, At.Y);
  ASSERT_TRUE(qvtest::PumpUntil([&] {
    return dynamic_cast<TMyHintWindow*>(Application->HintWindow()) &&
           !static_cast<TMyHintWindow*>(Application->HintWindow())->Shown.empty();
  }));
  EXPECT_EQ(static_cast<TMyHintWindow*>(Application->HintWindow())->Shown, L"Short hint");
  qvtest::MoveMouse(5, 5);
  Application->SetHintWindowClass(nullptr);
  Application->SetHintPause(500);
}

TEST_F(AppTest, HintShowCanChangeOrSuppressTheHint) {
  qvtest::MoveMouse(5, 5);
  auto Form = std::make_unique<TForm>(nullptr);
  Form->SetBorderStyle(bsNone);
  Form->SetBounds(300, 300, 200, 100);
  class THintShowPanel : public TPanel {
   public:
    using TPanel::TPanel;
    bool Suppress = false;
    int HintShows = 0;
    void WndProc(TMessage& M) override {
      if (M.Msg == CM_HINTSHOW) {
        ++HintShows;
        reinterpret_cast<THintInfo*>(M.LParam)->HintStr = L"Changed";
        M.Result = Suppress ? 1 : 0;
        return;
      }
      TPanel::WndProc(M);
    }
  };
  auto* P = new THintShowPanel(Form.get());
  P->SetBounds(10, 10, 100, 50);
  P->SetHint(L"Original");
  P->SetShowHint(true);
  P->SetParent(Form.get());
  Form->Show();
  PumpIdle();
  Application->SetHintPause(30);
  TPoint At = P->ClientToScreen({20, 20});
  qvtest::MoveMouse(At.X, At.Y);
  ASSERT_TRUE(qvtest::PumpUntil(
      [&] { return Application->HintWindow() && Application->HintWindow()->HandleAllocated(); }));
  EXPECT_EQ(Application->HintWindow()->Caption(), L"Changed");
  qvtest::MoveMouse(5, 5);
  ASSERT_TRUE(qvtest::PumpUntil([&] { return !Application->HintWindow()->HandleAllocated(); }));
  P->Suppress = true;
  const int Asked = P->HintShows;
  qvtest::MoveMouse(At.X, At.Y);
  ASSERT_TRUE(qvtest::PumpUntil([&] { return P->HintShows > Asked; }));  // the pause ended
  EXPECT_FALSE(Application->HintWindow()->HandleAllocated());
  qvtest::MoveMouse(5, 5);
  Application->SetHintPause(500);
}

}  // namespace
