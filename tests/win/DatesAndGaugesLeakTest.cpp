// One form holding every date control and gauge, built, painted and freed a thousand times,
// gives back every window, GDI object, timer and layer. The picker's popup costs about
// 25 ms to build under Wine, so every 25th cycle shows the form and opens and closes the
// popup; the other cycles paint off screen.
#include <memory>

#include "LeakProbe.h"
#include "SkinControlsTestSupport.h"
#include "controls/QvDateMath.h"
#include "controls/QvDateTimePickerForm.h"
#include "controls/QvSkinCalendar.h"
#include "controls/QvSkinDatetimePicker.h"
#include "controls/QvSkinTimeBox.h"
#include "forms/QvSkinHelper.h"
#include "graphics/SimpleTimer.h"

using namespace qv;

namespace {

template <class T>
T* Place(TForm* Form, int X, int Y, int W, int H) {
  auto* C = new T(Form);
  C->SetParent(Form);
  C->SetBounds(X, Y, W, H);
  return C;
}

void OneFormCycle(int Cycle) {
  auto Form = std::make_unique<TForm>(nullptr);
  Form->SetBorderStyle(bsNone);
  Form->SetBounds(50, 50, 900, 420);
  auto* Calendar = Place<TQvSkinCalendar>(Form.get(), 0, 0, 232, 157);
  Calendar->SetRange(EncodeDate(2015, 6, 5), EncodeDate(2015, 6, 24));
  Place<TQvSkinTimeBox>(Form.get(), 240, 0, 127, 125);
  auto* Picker = Place<TQvSkinDatetimePicker>(Form.get(), 0, 170, 145, 26);
  Picker->SetDateTime(EncodeDateTime(2015, 6, 18, 10, 20, 30, 0));
  Place<TQvSkinCircleProgress>(Form.get(), 380, 0, 120, 120)->SetValue(35);
  Place<TQvSkinSpeedometer>(Form.get(), 510, 0, 200, 200)->SetValue(50);
  auto* Slider = Place<TQvSkinImageSlider>(Form.get(), 720, 0, 160, 100);
  Slider->Images()->Add()->SetImage(L"QvSkinPreview_bkg");
  Slider->Images()->Add()->SetImage(L"QvSkinMenu_bk");
  auto* Bar = Place<TQvSkinScrollMsgBar>(Form.get(), 0, 210, 300, 30);
  for (const wchar_t* S : {L"First", L"Second", L"Third"}) Bar->AddItem()->Text()->SetTitle(S);
  Place<TQvSkinCalloutPanel>(Form.get(), 320, 210, 120, 120)
      ->SetCalloutPosition(TQvCalloutPosition(Cycle % 4));
  auto* Marker = new TQvSkinCircleMarker(Form.get());
  Marker->SetText(L"7");
  if (Cycle % 25 == 0) {
    Form->Show();
    ASSERT_TRUE(Picker->DropDown());
    qvtest::PumpIdle();
    Picker->CloseUp();
    ASSERT_TRUE(qvtest::PumpUntil([&] { return !Picker->DroppedDown(); }));
    Application->ProcessMessages();  // the closed popup frees itself
  } else {
    qvtest::PaintOffScreen(Form.get());
  }
  HDC DC = GetDC(Form->Handle());
  Marker->Draw(DC);
  ReleaseDC(Form->Handle(), DC);
  EXPECT_EQ(Bar->Layers()->Count(), 3);
}

using DatesAndGaugesLeakTest = qvtest::ControlsTest;

TEST_F(DatesAndGaugesLeakTest, AFormWithEveryDateControlAndGaugeReleasesWhatItCreates) {
  for (int I = 0; I < 3; ++I) OneFormCycle(I * 25);  // caches and window classes settle
  const int Registered = TQvWinControlHelperObj()->Count();
  const Integer Timers = GetSimpleTimerCount();
  const qvtest::TSlots Before = qvtest::Probe();
  const unsigned Limit = 100;  // a leak of one object per cycle moves a slot by 1000
  for (int I = 0; I < 1000; ++I) OneFormCycle(I);
  const qvtest::TSlots After = qvtest::Probe();
  EXPECT_LT(After.Window, Before.Window + Limit) << "windows leak";
  EXPECT_LT(After.Gdi, Before.Gdi + Limit) << "GDI objects leak";
  EXPECT_EQ(TQvWinControlHelperObj()->Count(), Registered);
  EXPECT_EQ(GetSimpleTimerCount(), Timers);
  EXPECT_EQ(GetSimpleTimerActiveCount(), 0);
  EXPECT_EQ(QvDateTimePickerForm, nullptr);
}

}  // namespace
