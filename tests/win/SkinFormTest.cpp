// The skinned form through real window messages: frame metrics, hit testing, region and
// frame lines on the screen, maximised geometry, minimise and restore.
#include <gtest/gtest.h>

#include "SkinFormTestSupport.h"

using namespace qv;
using namespace qvtest;

namespace {

class SkinFormTest : public SkinFormFixture {};

TEST_F(SkinFormTest, FrameMetricsShapeTheClientArea) {
  Skin();
  ShowForm();
  RECT C;
  GetClientRect(Wnd(), &C);
  EXPECT_EQ(C.right, W - 2 * 2);
  EXPECT_EQ(C.bottom, H - 27 - 2);
  POINT Origin{0, 0};
  ClientToScreen(Wnd(), &Origin);
  EXPECT_EQ(Origin.x, L + 2);
  EXPECT_EQ(Origin.y, T + 27);
}

TEST_F(SkinFormTest, HitTestingThroughRealMessages) {
  Skin(false);
  ShowForm();
  struct {
    int X, Y, Expected;
  } Cases[] = {
      {4, 4, HTTOPLEFT}, {5, 0, HTTOP},        {W - 5, 0, HTTOPRIGHT}, {W - 1, 150, HTRIGHT},
      {0, H - 1, 16},    {200, 15, HTCAPTION}, {200, 150, HTCLIENT},
  };
  for (auto& C : Cases) EXPECT_EQ(HitAt(C.X, C.Y), C.Expected) << C.X << "," << C.Y;
}

TEST_F(SkinFormTest, SingleBorderHasNoSizingZonesAndTheBottomFrameIsNowhere) {
  Form->SetBorderStyle(bsSingle);
  Skin(false);
  ShowForm();
  EXPECT_EQ(HitAt(0, 0), HTCAPTION);
  EXPECT_EQ(HitAt(W - 1, 150), HTNOWHERE);
  EXPECT_EQ(HitAt(200, H - 1), HTNOWHERE);
  EXPECT_EQ(HitAt(200, 150), HTCLIENT);
}

TEST_F(SkinFormTest, BorderlessFormIsLeftToTheFramework) {
  Form->SetBorderStyle(bsNone);
  Skin(false);
  Form->Show();
  ASSERT_TRUE(PumpUntil([&] { return !Form->AlphaBlend(); }));
  RECT C;
  GetClientRect(Wnd(), &C);
  EXPECT_EQ(C.right, W);
  EXPECT_EQ(C.bottom, H);
  EXPECT_EQ(HitAt(2, 2), HTCLIENT);
}

TEST_F(SkinFormTest, RoundedRegionAndFrameLinesOnScreen) {
  Skin(false);
  ShowForm();
  const uint32_t Desktop = ScreenRgb(L - 20, T + 150);
  // The corner pixel lies outside the rounded region: the desktop shows there.
  EXPECT_EQ(ScreenRgb(L, T), Desktop);
  // Outer line: black at alpha 128 over the client colour; inner: white at alpha 176.
  const uint32_t Client = Color32(SkinForm->ClientBkColor()) & 0xFFFFFF;
  // A row below the title gradient.
  const int Y = T + 250;
  const uint32_t Outer = ScreenRgb(L, Y), Inner = ScreenRgb(L + 1, Y);
  EXPECT_NE(Outer, Client);
  EXPECT_LT(Outer & 0xFF, Client & 0xFF);
  EXPECT_GT(Inner & 0xFF, Outer & 0xFF);
  EXPECT_EQ(ScreenRgb(L + 100, Y), Client);
}

TEST_F(SkinFormTest, MaximisedFormIsAPlainRectangleWithoutLinesOrZones) {
  Skin(false);
  ShowForm();
  SendMessageW(Wnd(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  ASSERT_TRUE(PumpUntil([&] { return IsZoomed(Wnd()) != FALSE; }));
  PumpIdle();
  EXPECT_EQ(SkinForm->FramWidth(), 0);
  RECT R;
  GetWindowRect(Wnd(), &R);
  HMONITOR M = MonitorFromWindow(Wnd(), MONITOR_DEFAULTTONEAREST);
  MONITORINFO MI{};
  MI.cbSize = sizeof(MI);
  GetMonitorInfoW(M, &MI);
  EXPECT_EQ(R.left, MI.rcWork.left);
  EXPECT_EQ(R.top, MI.rcWork.top);
  EXPECT_EQ(R.right, MI.rcWork.right);
  EXPECT_EQ(R.bottom, MI.rcWork.bottom);
  EXPECT_EQ(HitAt(0, 0), HTCAPTION);
  EXPECT_EQ(HitAt(100, R.bottom - R.top - 1), HTCLIENT);
  // Rectangular region: the corner pixel belongs to the form, and no line darkens the edge.
  EXPECT_EQ(ScreenRgb(R.left, R.bottom - 1), ScreenRgb(R.left + 50, R.bottom - 1));
  SendMessageW(Wnd(), WM_SYSCOMMAND, SC_RESTORE, 0);
  ASSERT_TRUE(PumpUntil([&] { return !IsZoomed(Wnd()); }));
  EXPECT_EQ(SkinForm->FramWidth(), 2);
}

TEST_F(SkinFormTest, TrackingLimitsFollowTheTitle) {
  Skin(false);
  ShowForm();
  MINMAXINFO Info{};
  SendMessageW(Wnd(), WM_GETMINMAXINFO, 0, LPARAM(&Info));
  EXPECT_EQ(Info.ptMinTrackSize.x, 120);
  EXPECT_EQ(Info.ptMinTrackSize.y, 33);
  SkinForm->SetFlatFrame(true);
  SendMessageW(Wnd(), WM_GETMINMAXINFO, 0, LPARAM(&Info));
  EXPECT_EQ(Info.ptMinTrackSize.y, 57);
}

TEST_F(SkinFormTest, ChangeCountingAndThePrivateStyleTag) {
  Skin(false);
  ShowForm();
  int Changes = 0;
  SkinForm->Changed = [&](TObject*) { ++Changes; };
  SkinForm->BeginChange();
  SkinForm->DoChanged();
  EXPECT_EQ(Changes, 0);
  SkinForm->EndChange();
  EXPECT_EQ(Changes, 1);
  SkinForm->EndChange();  // unmatched: the counter passes below zero without a change
  SkinForm->EndChange();
  EXPECT_EQ(Changes, 1);
}

TEST_F(SkinFormTest, HideMinimiseRestoreShowInThatOrder) {
  Skin(false);
  SkinForm->BlockUIFlash = true;
  ShowForm();
  std::vector<std::string> Steps;
  bool WasIconic = false, WasHidden = false;
  auto Watch = [&] {
    bool Hidden = Form->AlphaBlend() && Form->AlphaBlendValue() == 0;
    bool Iconic = IsIconic(Wnd()) != FALSE;
    if (Hidden != WasHidden) Steps.push_back(Hidden ? "hide" : "show");
    if (Iconic != WasIconic) Steps.push_back(Iconic ? "minimise" : "restore");
    WasHidden = Hidden;
    WasIconic = Iconic;
  };
  // The form's own messages reveal each step as it happens.
  TWndMethod Old = Form->WindowProc;
  Form->WindowProc = [&, Old](TMessage& M) {
    Watch();
    Old(M);
    Watch();
  };
  SendMessageW(Wnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ASSERT_TRUE(PumpUntil([&] { return IsIconic(Wnd()) != FALSE; }));
  EXPECT_NE(SkinForm->FormState() & TQvSkinForm::fsMinimizing, 0u);
  SendMessageW(Wnd(), WM_SYSCOMMAND, SC_RESTORE, 0);
  ASSERT_TRUE(PumpUntil([&] { return !IsIconic(Wnd()) && !Form->AlphaBlend(); }));
  Watch();
  Form->WindowProc = Old;
  EXPECT_EQ(Steps, (std::vector<std::string>{"hide", "minimise", "restore", "show"}));
  EXPECT_NE(SkinForm->FormState() & TQvSkinForm::fsRestoring, 0u);
}

}  // namespace
