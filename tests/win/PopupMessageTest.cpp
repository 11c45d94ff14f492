// Toasts on real windows: placement and stacking on the work area, the button, closing and
// freeing themselves, the mouse keeping them, no stolen activation, and the alert event.
#include <windows.h>

#include "ControlsTestSupport.h"
#include "controls/QvSkinButton.h"
#include "dialogs/QvSkinPopupMessage.h"
#include "forms/QvSkinForm.h"
#include "host/Form.h"
#include "host/Screen.h"

using namespace qv;
using namespace qvtest;

namespace {

TRect WindowRect(TQvSkinPopupForm* T) {
  RECT R;
  GetWindowRect(HWND(T->Handle()), &R);
  return Rect(R.left, R.top, R.right, R.bottom);
}

TQvSkinButton* ButtonOf(TQvSkinPopupForm* T) {
  for (int I = 0; I < T->ControlCount(); ++I)
    if (auto* B = dynamic_cast<TQvSkinButton*>(T->Controls(I))) return B;
  return nullptr;
}

class PopupMessageTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    MoveMouse(2, 2);
    Popups = std::make_unique<TQvSkinPopupMessage>(nullptr);
    Popups->SetActiveAnimate(false);
    Popups->OnClose = [this](TObject*, TCloseAction&) { ++Closed; };
  }
  void TearDown() override {
    CloseAll();
    Popups.reset();
    ControlsTest::TearDown();
  }
  void CloseAll() {
    std::vector<HWND> Windows;
    for (TQvSkinPopupForm* T : Popups->List()) Windows.push_back(HWND(T->Handle()));
    while (!Popups->List().empty()) Popups->List().back()->Close();
    PumpUntil([&] {
      return std::none_of(Windows.begin(), Windows.end(), [](HWND W) { return IsWindow(W); });
    });
  }
  std::unique_ptr<TQvSkinPopupMessage> Popups;
  int Closed = 0;
};

}  // namespace

TEST_F(PopupMessageTest, StacksAtTheCornerAndStartsColumns) {
  const TRect A = Screen->WorkAreaRect();
  TQvSkinPopupForm* First = Popups->Popup(L"One", L"Short");
  EXPECT_EQ(WindowRect(First), Rect(A.Right - 229, A.Bottom - 148, A.Right - 1, A.Bottom - 1));
  TQvSkinPopupForm* Second = Popups->Popup(L"Two", L"Short", miSuccess);
  EXPECT_EQ(WindowRect(Second).Bottom, A.Bottom - 148 - 1);
  EXPECT_EQ(WindowRect(Second).Left, A.Right - 229);
  Popups->Button()->SetVisible(true);
  TQvSkinPopupForm* Third = Popups->Popup(L"Three", L"Short", miInformation);
  EXPECT_EQ(WindowRect(Third).Height(), 147 + 35);
  TQvSkinButton* B = ButtonOf(Third);
  ASSERT_NE(B, nullptr);
  EXPECT_EQ(B->Caption(), L"OK");
  EXPECT_EQ(Popups->List().size(), 3u);
  CloseAll();
  EXPECT_EQ(Closed, 3);

  // A work area two toasts high: the third starts a column W + 1 further left.
  Popups->Button()->SetVisible(false);
  Popups->WorkArea = Rect(300, 200, 1100, 520);
  for (int I = 0; I < 3; ++I) Popups->Popup(L"Column", L"Short");
  const auto& L = Popups->List();
  EXPECT_EQ(WindowRect(L[0]), Rect(1100 - 229, 520 - 148, 1099, 519));
  EXPECT_EQ(WindowRect(L[1]).Top, 520 - 148 * 2);
  EXPECT_EQ(WindowRect(L[2]), Rect(1100 - 229 * 2, 520 - 148, 1100 - 229 - 1, 519));
  CloseAll();

  // A tiny work area: the toast stays on the screen.
  Popups->WorkArea = Rect(40, 30, 140, 90);
  TQvSkinPopupForm* Tiny = Popups->Popup(L"Tiny", L"Short");
  EXPECT_EQ(WindowRect(Tiny).Left, 40);
  EXPECT_EQ(WindowRect(Tiny).Top, 30);
}

TEST_F(PopupMessageTest, PositionedToastReplacesTheOpenOnes) {
  Popups->Popup(L"A", L"a");
  Popups->Popup(L"B", L"b");
  TQvSkinPopupForm* P = Popups->PopupXY(L"C", L"c", miNone, 400, 600);
  EXPECT_EQ(Closed, 2);
  ASSERT_EQ(Popups->List().size(), 1u);
  EXPECT_EQ(WindowRect(P).Left, 399);
  EXPECT_EQ(WindowRect(P).Top, 600 - 148);
}

TEST_F(PopupMessageTest, FadesInAndOutAndFreesItself) {
  Popups->SetActiveAnimate(true);
  TQvSkinPopupForm* T = Popups->Popup(L"Fade", L"Fading");
  HWND W = HWND(T->Handle());
  EXPECT_TRUE(IsWindowVisible(W));
  while (T->Fade().FadeRunning()) T->FadeStep();
  EXPECT_EQ(T->AlphaBlendValue(), 255);
  T->CloseTick(GetTickCount64() + Popups->ClosePause());  // the pause is over
  EXPECT_TRUE(T->Fade().FadingOut());
  int Steps = 0;
  while (!Popups->List().empty() && Steps < 100) T->FadeStep(), ++Steps;
  EXPECT_EQ(Steps, 26);
  EXPECT_EQ(Closed, 1);
  ASSERT_TRUE(PumpUntil([&] { return !IsWindow(W); }));
}

TEST_F(PopupMessageTest, MouseKeepsTheToastAndButtonsClose) {
  Popups->Button()->SetVisible(true);
  int ButtonClicks = 0;
  Popups->OnButtonClick = [&](TObject*) { ++ButtonClicks; };
  TQvSkinPopupForm* T = Popups->Popup(L"Hover", L"Keep me");
  ASSERT_TRUE(PumpUntil([&] { return !T->AlphaBlend(); }));
  const TRect R = WindowRect(T);
  MoveMouse(R.Left + 20, R.Top + 60);
  const uint64_t Later = GetTickCount64() + 60000;
  T->CloseTick(Later);
  EXPECT_TRUE(T->MouseInside());
  EXPECT_EQ(Closed, 0);
  MoveMouse(2, 2);
  T->CloseTick(Later);  // left: the full pause counts again
  EXPECT_FALSE(T->MouseInside());
  EXPECT_EQ(Closed, 0);
  T->CloseTick(Later + Popups->ClosePause());
  EXPECT_EQ(Closed, 1);

  // The button raises its event and closes its toast.
  TQvSkinPopupForm* U = Popups->Popup(L"Button", L"Press OK");
  ASSERT_TRUE(PumpUntil([&] { return !U->AlphaBlend(); }));
  HWND W = HWND(U->Handle());
  TQvSkinButton* B = ButtonOf(U);
  POINT P{B->Width() / 2, B->Height() / 2};
  ClientToScreen(HWND(B->Handle()), &P);
  Click(P.x, P.y);
  ASSERT_TRUE(PumpUntil([&] { return !IsWindow(W); }));
  EXPECT_EQ(ButtonClicks, 1);
  EXPECT_EQ(Closed, 2);
}

namespace {
int gAlerts = 0;
HWND gAlertWnd = nullptr;
void CALLBACK AlertHook(HWINEVENTHOOK, DWORD Event, HWND Wnd, LONG, LONG, DWORD, DWORD) {
  if (Event == EVENT_SYSTEM_ALERT) {
    ++gAlerts;
    gAlertWnd = Wnd;
  }
}
}  // namespace

TEST_F(PopupMessageTest, ShowsWithoutActivationAndAlertsScreenReaders) {
  TForm Owner(nullptr);
  Owner.SetBounds(100, 100, 300, 200);
  Owner.Show();
  ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == HWND(Owner.Handle()); }));
  HWINEVENTHOOK Hook = SetWinEventHook(EVENT_SYSTEM_ALERT, EVENT_SYSTEM_ALERT, nullptr, AlertHook,
                                       GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  ASSERT_NE(Hook, nullptr);
  gAlerts = 0;
  TQvSkinPopupForm* T = Popups->Popup(L"Quiet", L"No focus taken");
  EXPECT_TRUE(PumpUntil([&] { return gAlerts == 1; }));
  UnhookWinEvent(Hook);
  EXPECT_EQ(gAlertWnd, HWND(T->Handle()));
  PumpIdle();
  EXPECT_EQ(GetActiveWindow(), HWND(Owner.Handle()));
  EXPECT_TRUE(IsWindowVisible(HWND(T->Handle())));
  EXPECT_TRUE(GetWindowLongW(HWND(T->Handle()), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
}
