// The tray icon against the shell: what it registers, modifies and removes, the
// notifications that come back through its hidden window, the popup menu, the cycling
// timer, minimising to the tray, the icon added again when the taskbar returns, and no
// leak over many icons.
#include <memory>
#include <vector>

#include "ControlsTestSupport.h"
#include "LeakProbe.h"
#include "dialogs/QvTrayIcon.h"
#include "dialogs/QvTrayIconWin.h"
#include "forms/QvMessages.h"
#include "graphics/SimpleTimer.h"
#include "host/Application.h"
#include "host/Form.h"
#include "host/Graphics.h"
#include "host/ImageList.h"
#include "host/Menus.h"

using namespace qv;

namespace {

// One shell call as the shell received it.
struct TCall {
  DWORD Message;
  UINT Flags;
  UINT ID;
  std::wstring Tip, Info, InfoTitle;
  UINT Timeout;
  DWORD InfoFlags;
  HWND Wnd;
  UINT Callback;
};

// Puts a recording stand-in in the shell's place for the length of a test; Real passes
// every call on to the shell as well.
class TShellRecorder {
 public:
  explicit TShellRecorder(bool Real = false) {
    FOld = SetShellNotifyIcon([this, Real](DWORD Message, NOTIFYICONDATAW* D) {
      Calls.push_back({Message, D->uFlags, D->uID, D->szTip, D->szInfo, D->szInfoTitle, D->uTimeout,
                       D->dwInfoFlags, D->hWnd, D->uCallbackMessage});
      const BOOL Ok = Real ? Shell_NotifyIconW(Message, D) : TRUE;
      if (Ok && Message == NIM_ADD) ++Live;
      if (Ok && Message == NIM_DELETE) --Live;
      return Ok;
    });
  }
  ~TShellRecorder() { SetShellNotifyIcon(std::move(FOld)); }
  std::vector<DWORD> Messages() const {
    std::vector<DWORD> M;
    for (const TCall& C : Calls) M.push_back(C.Message);
    return M;
  }
  std::vector<TCall> Calls;
  int Live = 0;  // icons the shell holds

 private:
  TShellNotifyIcon FOld;
};

// A popup menu that records where it would pop up instead of running a menu loop.
class TRecordingMenu : public TPopupMenu {
 public:
  using TPopupMenu::TPopupMenu;
  void Popup(int X, int Y) override { Shown.push_back({X, Y}); }
  std::vector<TPoint> Shown;
};

void Notify(TQvTrayIcon& Icon, UINT Event) {
  PostMessageW(Icon.Handle(), MM_TRAYICON, Icon.IconID(), Event);
}

class TrayIconTest : public qvtest::ControlsTest {};

}  // namespace

TEST_F(TrayIconTest, RegistersModifiesAndRemovesWithTheShell) {
  TShellRecorder Shell;
  {
    TQvTrayIcon Icon(nullptr);
    Icon.SetHint(String(200, L'h'));  // not shown yet: nothing to tell the shell
    EXPECT_TRUE(Shell.Calls.empty());
    EXPECT_TRUE(Icon.ShowIcon());
    ASSERT_EQ(Shell.Messages(), (std::vector<DWORD>{NIM_ADD}));
    const TCall& Add = Shell.Calls[0];
    EXPECT_EQ(Add.Wnd, Icon.Handle());
    EXPECT_EQ(Add.ID, Icon.IconID());
    EXPECT_EQ(Add.Callback, MM_TRAYICON);
    EXPECT_EQ(Add.Flags, UINT(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(Add.Tip, String(127, L'h'));
    Icon.SetShowHint(false);
    ASSERT_EQ(Shell.Calls.size(), 2u);
    EXPECT_EQ(Shell.Calls[1].Message, DWORD(NIM_MODIFY));
    EXPECT_EQ(Shell.Calls[1].Tip, L"");
    Icon.SetIconVisible(false);
    EXPECT_FALSE(Icon.IconVisible());
    Icon.SetIconVisible(true);
    EXPECT_EQ(Shell.Messages(), (std::vector<DWORD>{NIM_ADD, NIM_MODIFY, NIM_DELETE, NIM_ADD}));
    EXPECT_EQ(Shell.Live, 1);
  }
  // Freed while shown: removed from the tray.
  EXPECT_EQ(Shell.Messages().back(), DWORD(NIM_DELETE));
  EXPECT_EQ(Shell.Live, 0);
}

TEST_F(TrayIconTest, BalloonGoesOutOnceAndVersionFollowsBehavior) {
  TShellRecorder Shell;
  TQvTrayIcon Icon(nullptr);
  Icon.SetIconVisible(true);
  Shell.Calls.clear();
  EXPECT_TRUE(Icon.ShowBalloonHint(String(80, L't'), String(300, L'x'), bitWarning, 5));
  ASSERT_EQ(Shell.Calls.size(), 2u);
  // The previous balloon is taken away first, then the new one shown.
  EXPECT_TRUE(Shell.Calls[0].Flags & NIF_INFO);
  EXPECT_EQ(Shell.Calls[0].Info, L"");
  const TCall& B = Shell.Calls[1];
  EXPECT_TRUE(B.Flags & NIF_INFO);
  EXPECT_EQ(B.Info, String(255, L'x'));
  EXPECT_EQ(B.InfoTitle, String(63, L't'));
  EXPECT_EQ(B.Timeout, 5000u);
  EXPECT_EQ(B.InfoFlags, DWORD(NIIF_WARNING));
  // A later change of the tip does not show the balloon again.
  Icon.SetHint(L"new tip");
  EXPECT_FALSE(Shell.Calls.back().Flags & NIF_INFO);
  EXPECT_EQ(Shell.Calls.back().Tip, L"new tip");

  Shell.Calls.clear();
  Icon.SetBehavior(bhWin2000);
  ASSERT_EQ(Shell.Messages(), (std::vector<DWORD>{NIM_SETVERSION}));
  EXPECT_EQ(Shell.Calls[0].Timeout, UINT(NOTIFYICON_VERSION));  // uVersion shares the field
  // Added anew (the shell restarted): the version goes with it.
  Shell.Calls.clear();
  SendMessageW(Application->Handle(), TaskbarCreatedMessage(), 0, 0);
  EXPECT_EQ(Shell.Messages(), (std::vector<DWORD>{NIM_ADD, NIM_SETVERSION}));
  // A hidden icon stays away when the taskbar comes back.
  Icon.SetIconVisible(false);
  Shell.Calls.clear();
  SendMessageW(Application->Handle(), TaskbarCreatedMessage(), 0, 0);
  EXPECT_TRUE(Shell.Calls.empty());
}

TEST_F(TrayIconTest, NotificationsRaiseEventsOfTheIconTheyName) {
  TShellRecorder Shell;
  TQvTrayIcon A(nullptr), B(nullptr);
  EXPECT_NE(A.IconID(), B.IconID());
  EXPECT_EQ(A.Handle(), B.Handle());
  std::vector<std::string> Log;
  auto Record = [&](TQvTrayIcon& Icon, const char* Name) {
    Icon.OnMouseDown = [&Log, Name](TObject*, TMouseButton Button, TShiftState Shift, int, int) {
      Log.push_back(std::string(Name) + (Button == mbLeft ? " down L" : " down R") +
                    (Shift.Contains(Button == mbLeft ? ssLeft : ssRight) ? "+" : ""));
    };
    Icon.OnMouseUp = [&Log, Name](TObject*, TMouseButton Button, TShiftState, int, int) {
      Log.push_back(std::string(Name) + (Button == mbLeft ? " up L" : " up R"));
    };
    Icon.OnClick = [&Log, Name](TObject*) { Log.push_back(std::string(Name) + " click"); };
    Icon.OnBalloonHintClick = [&Log, Name](TObject*) {
      Log.push_back(std::string(Name) + " balloon");
    };
  };
  Record(A, "A");
  Record(B, "B");
  Notify(B, WM_LBUTTONDOWN);
  Notify(B, WM_LBUTTONUP);
  Notify(A, WM_RBUTTONDOWN);
  Notify(A, WM_RBUTTONUP);
  qvtest::PumpIdle();
  B.SetEnabled(false);
  Notify(B, WM_LBUTTONDOWN);
  Notify(B, NIN_BALLOONUSERCLICK);
  qvtest::PumpIdle();
  EXPECT_EQ(Log, (std::vector<std::string>{"B down L+", "B click", "B up L", "A down R+", "A up R",
                                           "B balloon"}));
  // A notification for an identifier no live icon has is dropped.
  PostMessageW(A.Handle(), MM_TRAYICON, A.IconID() + B.IconID() + 100, WM_LBUTTONDOWN);
  qvtest::PumpIdle();
  EXPECT_EQ(Log.size(), 6u);
}

TEST_F(TrayIconTest, IconFreedByItsOwnEvent) {
  TShellRecorder Shell;
  auto* Icon = new TQvTrayIcon(nullptr);
  Icon->SetIconVisible(true);
  Icon->OnClick = [&](TObject*) { delete Icon; };
  Icon->OnMouseUp = [](TObject*, TMouseButton, TShiftState, int, int) {
    ADD_FAILURE() << "an event after the icon was freed";
  };
  Notify(*Icon, WM_LBUTTONDOWN);
  Notify(*Icon, WM_LBUTTONUP);
  qvtest::PumpIdle();
  EXPECT_EQ(Shell.Live, 0);
  // The next icon works on.
  TQvTrayIcon Next(nullptr);
  int Clicks = 0;
  Next.OnClick = [&](TObject*) { ++Clicks; };
  Notify(Next, WM_LBUTTONDOWN);
  Notify(Next, WM_LBUTTONUP);
  qvtest::PumpIdle();
  EXPECT_EQ(Clicks, 1);
}

TEST_F(TrayIconTest, DoubleClickDropsTheSingleClick) {
  TShellRecorder Shell;
  TQvTrayIcon Icon(nullptr);
  int Clicks = 0, Doubles = 0;
  Icon.OnClick = [&](TObject*) { ++Clicks; };
  Icon.OnDblClick = [&](TObject*) { ++Doubles; };
  // A single click comes once the double-click time has passed.
  Notify(Icon, WM_LBUTTONDOWN);
  Notify(Icon, WM_LBUTTONUP);
  qvtest::PumpIdle();
  EXPECT_EQ(Clicks, 0);
  ASSERT_TRUE(qvtest::PumpUntil([&] { return Clicks == 1; }, 5000));
  // A double click raises OnDblClick and no click, also after the time passed.
  for (UINT E : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) Notify(Icon, E);
  ASSERT_TRUE(qvtest::PumpUntil([&] { return Doubles == 1; }));
  qvtest::PumpTicks(int(GetDoubleClickTime()), 2);
  EXPECT_EQ(Clicks, 1);
}

TEST_F(TrayIconTest, PopupMenuAndDefaultItem) {
  TShellRecorder Shell;
  TForm Owner(nullptr);
  auto* Menu = new TRecordingMenu(&Owner);
  std::vector<int> Clicked;
  for (int I = 0; I < 6; ++I) {
    TMenuItem* Item = qvtest::NewMenuItem(&Owner, Menu->Items(), L"Item");
    Item->SetDefault(I == 2 || I == 5);
    Item->OnClick = [&Clicked, I](TObject*) { Clicked.push_back(I); };
  }
  auto* Icon = new TQvTrayIcon(&Owner);
  Icon->SetPopupMenu(Menu);
  Icon->OnDblClick = [](TObject*) {};
  Notify(*Icon, WM_RBUTTONDOWN);
  Notify(*Icon, WM_LBUTTONDOWN);  // the left button opens it only with LeftPopup
  Notify(*Icon, WM_LBUTTONDBLCLK);
  qvtest::PumpIdle();
  EXPECT_EQ(Menu->Shown.size(), 1u);
  EXPECT_EQ(Menu->PopupComponent(), Icon);
  EXPECT_EQ(Clicked, (std::vector<int>{2}));
  Icon->SetLeftPopup(true);
  Notify(*Icon, WM_LBUTTONDOWN);
  Notify(*Icon, WM_LBUTTONDBLCLK);
  qvtest::PumpIdle();
  EXPECT_EQ(Menu->Shown.size(), 2u);
  EXPECT_EQ(Clicked, (std::vector<int>{2}));
  // The menu freed first: the icon forgets it.
  delete Menu;
  EXPECT_EQ(Icon->PopupMenu(), nullptr);
  Notify(*Icon, WM_RBUTTONDOWN);
  qvtest::PumpIdle();
}

TEST_F(TrayIconTest, IconIndexAndCyclingThroughTheList) {
  TShellRecorder Shell;
  TForm Owner(nullptr);
  auto* List = new TCustomImageList(&Owner);
  for (int I = 0; I < 4; ++I) {
    TBitmap Bmp(16, 16, pf24bit);
    Bmp.Canvas().Brush().SetColor(TColor(0x102030 * (I + 1)));
    Bmp.Canvas().FillRect(Rect(0, 0, 16, 16));
    List->Add(&Bmp, nullptr);
  }
  auto* Icon = new TQvTrayIcon(&Owner);
  Icon->SetIconList(List);
  Icon->SetIconVisible(true);
  Icon->SetIconIndex(10);
  EXPECT_EQ(Icon->IconIndex(), 3);
  EXPECT_FALSE(Icon->Icon()->Empty());
  EXPECT_EQ(Shell.Calls.back().Message, DWORD(NIM_MODIFY));

  List->Delete(3);
  std::vector<int> Reported;
  Icon->OnCycle = [&](TObject*, int Next) { Reported.push_back(Next); };
  Icon->SetCycleInterval(10);
  Icon->SetCycleIcons(true);
  EXPECT_EQ(Icon->IconIndex(), 0);
  ASSERT_TRUE(qvtest::PumpUntil([&] { return Reported.size() >= 4; }));
  Icon->SetCycleIcons(false);
  EXPECT_EQ(std::vector<int>(Reported.begin(), Reported.begin() + 4),
            (std::vector<int>{1, 2, 0, 1}));
  // The list freed: no list, index 0.
  delete List;
  EXPECT_EQ(Icon->IconList(), nullptr);
  EXPECT_EQ(Icon->IconIndex(), 0);
}

TEST_F(TrayIconTest, MinimisingTheMainFormSendsItToTheTray) {
  TShellRecorder Shell;
  TForm Main(nullptr);
  Main.SetBounds(40, 40, 200, 120);
  TCustomForm* OldMain = Application->MainForm();
  Application->SetMainForm(&Main);
  struct TRestore {
    TCustomForm* Old;
    ~TRestore() { Application->SetMainForm(Old); }
  } Restore{OldMain};
  auto* Icon = new TQvTrayIcon(&Main);
  Icon->SetMinimizeToTray(true);
  int Told = 0;
  Icon->OnMinimizeToTray = [&](TObject*) { ++Told; };
  Main.Show();
  ASSERT_TRUE(Main.Visible());
  // The minimise command is taken: the form hides, the icon shows.
  EXPECT_EQ(Main.Perform(WM_SYSCOMMAND, SC_MINIMIZE, 0), 1);
  EXPECT_EQ(Told, 1);
  EXPECT_FALSE(Main.Visible());
  EXPECT_TRUE(Icon->IconVisible());
  EXPECT_EQ(Shell.Live, 1);
  Icon->ShowMainForm();
  EXPECT_TRUE(Main.Visible());
  EXPECT_EQ(Main.WindowState(), wsNormal);
}

TEST_F(TrayIconTest, ManyIconsLeaveNoShellRegistrationWindowOrTimer) {
  auto Cycle = [] {
    TQvTrayIcon Icon(nullptr);
    Icon.SetHint(L"tray");
    Icon.SetIconVisible(true);
  };
  {
    // The real shell (Wine's tray) takes an icon and gives it back. It answers slowly, so
    // the long run below counts with a stand-in.
    TShellRecorder Real(true);
    for (int I = 0; I < 5; ++I) Cycle();
    EXPECT_EQ(Real.Live, 0);
  }
  TShellRecorder Shell;
  for (int I = 0; I < 3; ++I) Cycle();
  const Integer Timers = GetSimpleTimerCount();
  const qvtest::TSlots Before = qvtest::Probe();
  for (int I = 0; I < 1000; ++I) Cycle();
  const qvtest::TSlots After = qvtest::Probe();
  EXPECT_EQ(Shell.Messages().size(), 2006u);
  EXPECT_EQ(Shell.Live, 0);
  EXPECT_LT(After.Window, Before.Window + 100) << "windows leak";
  EXPECT_LT(After.Gdi, Before.Gdi + 100) << "GDI objects leak";
  EXPECT_EQ(GetSimpleTimerCount(), Timers);
}
