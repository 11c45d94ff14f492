// Forms with a calendar and a time box, painted and freed many times, release every
// window and GDI object they made.
#include <memory>

#include "LeakProbe.h"
#include "SkinControlsTestSupport.h"
#include "controls/QvSkinCalendar.h"
#include "controls/QvSkinTimeBox.h"

using namespace qv;

namespace {

void OneDatesCycle(int I) {
  auto Form = std::make_unique<TForm>(nullptr);
  Form->SetBounds(50, 50, 500, 200);
  auto* Calendar = new TQvSkinCalendar(Form.get());
  Calendar->SetParent(Form.get());
  Calendar->SetBounds(5, 5, 232, 157);
  Calendar->SetDate(EncodeDate(2015, 1 + I % 12, 1 + I % 28));
  Calendar->SetRange(EncodeDate(2014, 1, 1), EncodeDate(2016, 12, 31));
  auto* Box = new TQvSkinTimeBox(Form.get());
  Box->SetParent(Form.get());
  Box->SetBounds(240, 5, 232, 164);
  Box->SetKind(I % 2 ? bkMinute : bkHour);
  Form->HandleNeeded();
  Calendar->HandleNeeded();
  Box->HandleNeeded();
  qvtest::PaintOffScreen(Form.get());
  Application->ProcessMessages();
}

using SkinCalendarLeak = qvtest::ControlsTest;

TEST_F(SkinCalendarLeak, CalendarAndTimeBoxReleaseWhatTheyCreate) {
  for (int I = 0; I < 3; ++I) OneDatesCycle(I);
  const int Registered = TQvWinControlHelperObj()->Count();
  const qvtest::TSlots Before = qvtest::Probe();
  const unsigned Limit = 100;  // a leak of one object per cycle moves a slot by 1000
  for (int I = 0; I < 1000; ++I) OneDatesCycle(I);
  const qvtest::TSlots After = qvtest::Probe();
  EXPECT_LT(After.Window, Before.Window + Limit) << "windows leak";
  EXPECT_LT(After.Gdi, Before.Gdi + Limit) << "GDI objects leak";
  EXPECT_EQ(TQvWinControlHelperObj()->Count(), Registered);
}

}  // namespace
