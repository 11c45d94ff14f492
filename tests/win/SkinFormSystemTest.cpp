// What the platform gives every window stays on a skinned form: what snapping needs of
// the window (the styles, dragging by the caption, a snapped or maximised rectangle
// imposed from outside and given back afterwards). Wine has no snapping of its own, so
// the shell's part is played here by the calls it makes.
#include <gtest/gtest.h>

#include "SkinFormTestSupport.h"

using namespace qv;
using namespace qvtest;

namespace {

class SkinFormSystemTest : public SkinFormFixture {
 protected:
  void SetUp() override {
    SkinFormFixture::SetUp();
    Skin();
    ShowForm();
    SetForegroundWindow(Wnd());
    ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == Wnd(); }));
  }
  RECT WindowRect() const {
    RECT R;
    GetWindowRect(Wnd(), &R);
    return R;
  }
  RECT WorkArea() const {
    MONITORINFO MI{};
    MI.cbSize = sizeof(MI);
    GetMonitorInfoW(MonitorFromWindow(Wnd(), MONITOR_DEFAULTTONEAREST), &MI);
    return MI.rcWork;
  }
};

bool Same(const RECT& A, const RECT& B) {
  return A.left == B.left && A.top == B.top && A.right == B.right && A.bottom == B.bottom;
}

TEST_F(SkinFormSystemTest, StylesSnappingNeedsAreKept) {
  const LONG_PTR Style = GetWindowLongPtrW(Wnd(), GWL_STYLE);
  for (LONG_PTR Needed : {WS_THICKFRAME, WS_MAXIMIZEBOX, WS_MINIMIZEBOX, WS_SYSMENU, WS_CAPTION})
    EXPECT_EQ(Style & Needed, Needed) << std::hex << Needed;
}

TEST_F(SkinFormSystemTest, DraggingTheCaptionMovesTheForm) {
  const RECT Before = WindowRect();
  const POINT P = At(120, 12);
  MoveMouse(P.x, P.y);
  // The move loop runs inside the button-down handling: the whole drag is queued first.
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  for (int Step = 1; Step <= 4; ++Step) {
    SetCursorPos(P.x + 15 * Step, P.y + 10 * Step);
    SendMouse(MOUSEEVENTF_MOVE);
  }
  SendMouse(MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(PumpUntil([&] { return WindowRect().left == Before.left + 60; }));
  EXPECT_EQ(WindowRect().top, Before.top + 40);
  EXPECT_EQ(WindowRect().right - WindowRect().left, W);
}

TEST_F(SkinFormSystemTest, SnappedHalfOfTheWorkAreaIsTakenAndGivenBack) {
  const RECT Before = WindowRect(), Work = WorkArea();
  // What the shell does for a snap to the left edge.
  const RECT Half{Work.left, Work.top, (Work.left + Work.right) / 2, Work.bottom};
  SetWindowPos(Wnd(), nullptr, Half.left, Half.top, Half.right - Half.left, Half.bottom - Half.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  PumpIdle();
  EXPECT_TRUE(Same(WindowRect(), Half));
  RECT Client;
  GetClientRect(Wnd(), &Client);
  EXPECT_EQ(Client.right, Half.right - Half.left - 2 * SkinForm->FramWidth());
  SetWindowPos(Wnd(), nullptr, Before.left, Before.top, W, H, SWP_NOZORDER | SWP_NOACTIVATE);
  PumpIdle();
  EXPECT_TRUE(Same(WindowRect(), Before));
}

TEST_F(SkinFormSystemTest, MaximiseBySystemCommandFillsTheWorkAreaAndRestores) {
  // Win+Up reaches the window as SC_MAXIMIZE, Win+Down as SC_RESTORE.
  const RECT Before = WindowRect(), Work = WorkArea();
  SendMessageW(Wnd(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  ASSERT_TRUE(PumpUntil([&] { return IsZoomed(Wnd()) != FALSE; }));
  PumpIdle();
  EXPECT_TRUE(Same(WindowRect(), Work));
  SendMessageW(Wnd(), WM_SYSCOMMAND, SC_RESTORE, 0);
  ASSERT_TRUE(PumpUntil([&] { return !IsZoomed(Wnd()); }));
  PumpIdle();
  EXPECT_TRUE(Same(WindowRect(), Before));
  RECT Client;
  GetClientRect(Wnd(), &Client);
  EXPECT_EQ(Client.right, W - 2 * SkinForm->FramWidth());
}

}  // namespace
