// Showing and closing a message box and a toast a thousand times releases every window, GDI
// object, control registration and timer they made.
#include <memory>

#include "ControlsTestSupport.h"
#include "LeakProbe.h"
#include "dialogs/QvMessageBox.h"
#include "dialogs/QvSkinPopupMessage.h"
#include "forms/QvSkinHelper.h"
#include "graphics/SimpleTimer.h"

using namespace qv;

namespace {

// One dialog and one toast made and closed; every tenth cycle shows the dialog (without
// its modal loop, which the modal tests drive), the others paint it off the screen, since
// each top-level window shown costs Wine a round trip to the X server. The toast always
// shows, closes and frees itself.
void OneCycle(TQvSkinPopupMessage& Popups, int I) {
  {
    auto Box = NewQvMessageForm(L"Leak", L"Cycle", TQvMsgBoxIcon(I % 5), {mbYes, mbNo}, I % 2,
                                false, 100, 100);
    if (I % 10 == 0) {
      Box->Show();
      Box->Hide();
    } else {
      qvtest::PaintOffScreen(Box.get());
    }
  }
  Popups.Popup(L"Leak", L"Cycle", TQvMessageIcon(I % 4))->Close();
  Application->ProcessMessages();
}

using MessageBoxLeakTest = qvtest::ControlsTest;

TEST_F(MessageBoxLeakTest, ShowAndCloseAThousandTimes) {
  TQvSkinPopupMessage Popups(nullptr);
  Popups.SetActiveAnimate(false);
  for (int I = 0; I < 5; ++I) OneCycle(Popups, I);  // caches and window classes settle
  qvtest::PumpIdle();
  const int Registered = TQvWinControlHelperObj()->Count();
  const int Timers = GetSimpleTimerCount();
  const qvtest::TSlots Before = qvtest::Probe();
  const int Cycles = 1000;
  const unsigned Limit = 100;  // a leak of one object per cycle moves a slot by 1000
  for (int I = 0; I < Cycles; ++I) OneCycle(Popups, I);
  qvtest::PumpIdle();
  const qvtest::TSlots After = qvtest::Probe();
  EXPECT_LT(After.Window, Before.Window + Limit) << "windows leak";
  EXPECT_LT(After.Gdi, Before.Gdi + Limit) << "GDI objects leak";
  EXPECT_EQ(TQvWinControlHelperObj()->Count(), Registered);
  EXPECT_EQ(GetSimpleTimerCount(), Timers);
  EXPECT_TRUE(Popups.List().empty());
}

}  // namespace
