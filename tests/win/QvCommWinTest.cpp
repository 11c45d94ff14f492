#include <gtest/gtest.h>
#include <windows.h>

#include "graphics/QvComm.h"

using namespace qv;

namespace {

TEST(QvCommWin, MonitorAreaOfASingleMonitor) {
  ASSERT_EQ(GetSystemMetrics(SM_CMONITORS), 1);
  TRect R{-1, -1, -1, -1};
  GetMonitorWorkArea(GetDesktopWindow(), false, R);
  EXPECT_EQ(R, Rect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
  RECT Work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &Work, 0);
  GetMonitorWorkArea(GetDesktopWindow(), true, R);
  EXPECT_EQ(R, Rect(Work.left, Work.top, Work.right, Work.bottom));
}

TEST(QvCommWin, HungWindowAndForeground) {
  HWND Wnd = CreateWindowExW(0, L"STATIC", L"qv", WS_POPUP | WS_VISIBLE, 10, 10, 50, 50, nullptr,
                             nullptr, nullptr, nullptr);
  ASSERT_NE(Wnd, nullptr);
  EXPECT_FALSE(IsHungAppWindowNT(Wnd));  // our own thread answers messages
  BringToFrontEx(Wnd);
  EXPECT_EQ(GetForegroundWindow(), Wnd);
  DestroyWindow(Wnd);
}

}  // namespace
