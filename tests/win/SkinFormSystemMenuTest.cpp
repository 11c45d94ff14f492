// The system menu stays on a skinned form: Alt+Space and a right click on the title open
// it, a command chosen in it acts, and leaving it puts the skinned title back. The menu is
// seen through what the platform sends the form while it runs.
#include <gtest/gtest.h>

#include <memory>

#include "MenuStepsSupport.h"
#include "SkinFormTestSupport.h"
#include "host/Screen.h"

using namespace qv;
using namespace qvtest;

namespace {

// What the form's window heard of menus, from a hook on the messages sent to it.
struct THeard {
  int EnterLoop = 0, SystemPopups = 0, OtherPopups = 0, ExitLoop = 0;
};
HWND gWatched = nullptr;
THeard gHeard;
HHOOK gHook = nullptr;

LRESULT CALLBACK Watch(int Code, WPARAM WParam, LPARAM LParam) {
  if (Code == HC_ACTION)
    if (const auto* M = reinterpret_cast<const CWPSTRUCT*>(LParam); M->hwnd == gWatched) {
      switch (M->message) {
        case WM_ENTERMENULOOP:
          ++gHeard.EnterLoop;
          break;
        case WM_INITMENUPOPUP:
          // Wine leaves the system-menu flag clear when the menu is tracked at a point.
          ++(HIWORD(M->lParam) || HMENU(M->wParam) == GetSystemMenu(M->hwnd, FALSE)
                 ? gHeard.SystemPopups
                 : gHeard.OtherPopups);
          break;
        case WM_EXITMENULOOP:
          ++gHeard.ExitLoop;
          break;
      }
    }
  return CallNextHookEx(gHook, Code, WParam, LParam);
}

// The command of the highlighted item of the open popup, 0 when none is.
UINT HighlightedCommand() {
  HWND Popup = FindWindowW(L"#32768", nullptr);
  HMENU Menu = HMENU(SendMessageW(Popup, MN_GETHMENU, 0, 0));
  for (int I = 0; I < GetMenuItemCount(Menu); ++I)
    if (GetMenuState(Menu, UINT(I), MF_BYPOSITION) & MF_HILITE) return GetMenuItemID(Menu, I);
  return 0;
}

// Moves the highlight down, a step per tick, until it is on Command, then chooses it.
TMenuStep Choose(UINT Command) {
  auto Tries = std::make_shared<int>(0);
  return {[Command, Tries] {
            if (HighlightedCommand() == Command) return true;
            if (++*Tries > 40) {  // not in the menu: leave the loop rather than hang in it
              ADD_FAILURE() << "no item with command " << std::hex << Command;
              EndMenu();
              return true;
            }
            SendKey(VK_DOWN, false);
            SendKey(VK_DOWN, true);
            return false;
          },
          {VK_RETURN}};
}

enum TOpenBy { obAltSpace, obRightClick };
constexpr int DefaultTitleY = TQvSkinForm::DefaultTitleHeight / 2;

class SkinFormSystemMenuTest : public SkinFormFixture {
 protected:
  void SetUp() override {
    SkinFormFixture::SetUp();
    Skin();
    ShowForm();
    SetForegroundWindow(Wnd());
    ASSERT_TRUE(PumpUntil([&] { return Screen->ActiveForm() == Form.get(); }));
    gWatched = Wnd();
    gHook = SetWindowsHookExW(WH_CALLWNDPROC, Watch, nullptr, GetCurrentThreadId());
  }
  void TearDown() override {
    StopMenuSteps();
    if (gHook) UnhookWindowsHookEx(gHook);
    gHook = nullptr;
    SkinFormFixture::TearDown();
  }
  // Opens the system menu the user's way (a right click at height Y of the title) and takes
  // the steps inside it; answers once the menu loop has ended.
  void OpenAndRun(TOpenBy By, std::vector<TMenuStep>& Steps, int Y = DefaultTitleY) {
    gHeard = {};
    DuringMenus(Steps);
    if (By == obAltSpace) {
      PressKey(VK_SPACE, {VK_MENU});
    } else {
      const POINT P = At(W / 3, Y);
      MoveMouse(P.x, P.y);
      SendMouse(MOUSEEVENTF_RIGHTDOWN);
      SendMouse(MOUSEEVENTF_RIGHTUP);
      PumpInput();
    }
    EXPECT_TRUE(PumpUntil([&] { return gHeard.ExitLoop > 0 && GetCapture() == nullptr; }));
    StopMenuSteps();
    PumpIdle();
  }
  // The title band as the screen shows it, sampled on a grid.
  std::vector<uint32_t> Title() const {
    std::vector<uint32_t> Pixels;
    for (int Y = 3; Y < SkinForm->TitleHeight(); Y += 4)
      for (int X = 3; X < W / 2; X += 6) {
        const POINT P = At(X, Y);
        Pixels.push_back(ScreenRgb(P.x, P.y));
      }
    return Pixels;
  }
};

TEST_F(SkinFormSystemMenuTest, OpensFromTheKeyboardAndTheTitleAndLeavesTheSkinAlone) {
  const std::vector<uint32_t> Before = Title();
  struct {
    const char* Name;
    TOpenBy By;
    int Y;
    bool ByEscape;
  } const Cases[] = {
      {"Alt+Space, left by EndMenu", obAltSpace, 0, false},
      {"right click on the title, left by Escape", obRightClick, DefaultTitleY, true},
      // Below the caption the platform reckons with for the window.
      {"right click on the title's last row", obRightClick, TQvSkinForm::DefaultTitleHeight - 1,
       true},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    std::vector<TMenuStep> Steps{{nullptr, {}, [&] {
                                    if (C.ByEscape) {
                                      SendKey(VK_ESCAPE, false);
                                      SendKey(VK_ESCAPE, true);
                                    } else {
                                      EndMenu();
                                    }
                                  }}};
    OpenAndRun(C.By, Steps, C.Y);
    EXPECT_EQ(MenuStepsDone(), Steps.size());
    EXPECT_EQ(gHeard.EnterLoop, 1);
    EXPECT_EQ(gHeard.SystemPopups, 1);
    EXPECT_EQ(gHeard.OtherPopups, 0);
    EXPECT_FALSE(IsZoomed(Wnd()));
    EXPECT_TRUE(Form->Visible());
    EXPECT_TRUE(Title() == Before);
  }
}

TEST_F(SkinFormSystemMenuTest, ChosenCommandsAct) {
  int Closes = 0;
  Form->OnClose = [&](TObject*, TCloseAction&) { ++Closes; };
  struct {
    const char* Name;
    TOpenBy By;
    UINT Command;
    bool Zoomed, Visible;
  } const Cases[] = {
      {"Alt+Space, Maximize", obAltSpace, SC_MAXIMIZE, true, true},
      {"right click on the maximised title, Restore", obRightClick, SC_RESTORE, false, true},
      {"right click, Close", obRightClick, SC_CLOSE, false, false},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    std::vector<TMenuStep> Steps{Choose(C.Command)};
    OpenAndRun(C.By, Steps);
    EXPECT_EQ(gHeard.SystemPopups, 1);
    ASSERT_TRUE(PumpUntil(
        [&] { return (IsZoomed(Wnd()) != FALSE) == C.Zoomed && Form->Visible() == C.Visible; }));
  }
  EXPECT_EQ(Closes, 1);
}

}  // namespace
