// Pickers freed a thousand times, with their popups opened, worked and closed, give back
// every window, GDI object and timer. A popup costs about 25 ms to build under Wine, so
// most cycles only create, set and free the picker; every 10th also builds the popup and
// its time box without windows, and every 25th shows the picker, opens the popup, works
// it and confirms.
#include <memory>

#include "ControlsTestSupport.h"
#include "LeakProbe.h"
#include "controls/QvDateMath.h"
#include "controls/QvDateTimePickerForm.h"
#include "controls/QvSkinDatetimePicker.h"
#include "controls/QvSkinLabel.h"
#include "graphics/SimpleTimer.h"

using namespace qv;

namespace {

void OnePickerCycle(TForm* Host, int Cycle) {
  auto Picker = std::make_unique<TQvSkinDatetimePicker>(Host);
  Picker->SetParent(Host);
  Picker->SetBounds(10, 10, 145, 26);
  Picker->SetDateTime(EncodeDateTime(2015, 6, 18, 10, 20, 30, 0));
  Picker->SetFormat(L"yyyy-mm-dd");
  if (Cycle % 25 == 0) {
    Host->Show();
    ASSERT_TRUE(Picker->DropDown());
    qvtest::PumpIdle();
    Picker->Popup()->lblHourClick(Picker->Popup()->lblHour());
    Picker->Popup()->btnOKClick(nullptr);
    ASSERT_TRUE(qvtest::PumpUntil([&] { return !Picker->DroppedDown(); }));
    Application->ProcessMessages();  // the closed popup frees itself
    Host->Hide();
  } else if (Cycle % 10 == 0) {
    auto* Popup = new TQvDateTimePickerForm(Picker.get());
    Popup->SetDateTime(Picker->DateTime());
    Popup->lblHourClick(Popup->lblMinute());
    delete Popup;
  }
}

using DatetimePickerLeakTest = qvtest::ControlsTest;

TEST_F(DatetimePickerLeakTest, PickersAndPopupsReleaseWhatTheyCreate) {
  auto Host = std::make_unique<TForm>(nullptr);
  Host->SetBorderStyle(bsNone);
  Host->SetBounds(50, 50, 300, 80);
  for (int I = 0; I < 3; ++I) OnePickerCycle(Host.get(), I * 5);
  const Integer Timers = GetSimpleTimerCount();
  qvtest::TSlots Before = qvtest::Probe();
  const int Cycles = 1000;
  const unsigned Limit = 100;
  for (int I = 0; I < Cycles; ++I) OnePickerCycle(Host.get(), I);
  qvtest::TSlots After = qvtest::Probe();
  EXPECT_LT(After.Window, Before.Window + Limit) << "windows leak";
  EXPECT_LT(After.Gdi, Before.Gdi + Limit) << "GDI objects leak";
  EXPECT_LT(After.Menu, Before.Menu + Limit) << "menus leak";
  EXPECT_EQ(GetSimpleTimerCount(), Timers);
  EXPECT_EQ(GetSimpleTimerActiveCount(), 0);
  EXPECT_EQ(QvDateTimePickerForm, nullptr);
}

}  // namespace
