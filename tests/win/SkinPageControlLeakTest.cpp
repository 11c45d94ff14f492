// Creating, painting, using and freeing page controls, toolbars and tab sets many times
// releases every window, GDI object and timer they made, and leaves the registries as
// they were.
#include <memory>

#include "LeakProbe.h"
#include "SkinControlsTestSupport.h"
#include "controls/QvSkinPageControl.h"
#include "controls/QvSkinTabset.h"
#include "graphics/SimpleTimer.h"

using namespace qv;

namespace {

void Press(TWinControl* C, int X, int Y) {
  C->Perform(WM_MOUSEMOVE, 0, PointToLParam(X, Y));
  C->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(X, Y));
  C->Perform(WM_LBUTTONUP, 0, PointToLParam(X, Y));
}

template <typename T>
T* Place(TForm* Form, int X, int Y, int W, int H) {
  auto* C = new T(Form);
  C->SetBounds(X, Y, W, H);
  C->SetParent(Form);
  return C;
}

// Every cycle creates and uses the controls; every tenth one also paints them.
void OnePagesCycle(bool Paint) {
  auto Form = std::make_unique<TForm>(nullptr);
  Form->SetBounds(50, 50, 400, 300);
  auto* Pages = Place<TQvSkinPageControl>(Form.get(), 5, 5, 200, 120);
  for (int I = 0; I < 2; ++I) {
    auto* S = new TQvSkinTabSheet(Form.get());
    S->SetCaption(L"Page");
    S->SetPageControl(Pages);
  }
  auto* Bar = Place<TQvSkinToolbar>(Form.get(), 5, 130, 120, 52);
  Bar->SetAlign(alNone);
  for (int I = 0; I < 4; ++I) Bar->Items()->Add()->SetGroupIndex(I % 2);
  auto* Tabs = Place<TQvSkinTabset>(Form.get(), 5, 190, 300, 38);
  Tabs->SetAlign(alNone);
  Tabs->SetCloseButtonVisible(true);
  Tabs->Items()->Add();
  Tabs->Items()->Add();
  Form->HandleNeeded();
  if (Paint) qvtest::PaintOffScreen(Form.get());
  const TRect T = Pages->GetItemRect(1);
  Press(Pages, T.Left + 3, T.Top + 3);
  Press(Bar, 10, 20);
  const TRect F = Bar->GoFrontBtnRect();
  Press(Bar, F.Left + 2, F.Top + 2);  // the held arrow's timer starts and stops
  Press(Tabs, 20, 10);
  Application->ProcessMessages();
}

using PagesLeakTest = qvtest::ControlsTest;

TEST_F(PagesLeakTest, FormsWithPagesAndToolbarsReleaseWhatTheyCreate) {
  for (int I = 0; I < 3; ++I) OnePagesCycle(true);  // caches and window classes settle
  const int Registered = TQvWinControlHelperObj()->Count();
  const int Timers = GetSimpleTimerCount();
  const qvtest::TSlots Before = qvtest::Probe();
  const unsigned Limit = 100;  // a leak of one object per cycle moves a slot by 1000
  for (int I = 0; I < 1000; ++I) OnePagesCycle(I % 10 == 0);
  const qvtest::TSlots After = qvtest::Probe();
  EXPECT_LT(After.Window, Before.Window + Limit) << "windows leak";
  EXPECT_LT(After.Gdi, Before.Gdi + Limit) << "GDI objects leak";
  EXPECT_EQ(TQvWinControlHelperObj()->Count(), Registered);
  EXPECT_EQ(GetSimpleTimerCount(), Timers);
}

}  // namespace
