// Forms with the gauges and an image slider, painted, slid and freed many times, release
// every window and GDI object they made and leave the control registry and the timers as
// they were.
#include <memory>

#include "LeakProbe.h"
#include "SkinControlsTestSupport.h"
#include "forms/QvSkinHelper.h"
#include "graphics/SimpleTimer.h"

using namespace qv;

namespace {

// Every cycle creates and frees; Full ones also paint and slide.
void OneGaugesCycle(bool Full) {
  auto Form = std::make_unique<TForm>(nullptr);
  Form->SetBounds(50, 50, 700, 400);
  auto* Circle = new TQvSkinCircleProgress(Form.get());
  Circle->SetParent(Form.get());
  Circle->SetValue(35);
  auto* Speed = new TQvSkinSpeedometer(Form.get());
  Speed->SetParent(Form.get());
  Speed->SetBounds(190, 0, 200, 200);
  auto* Slider = new TQvSkinImageSlider(Form.get());
  Slider->SetParent(Form.get());
  Slider->SetBounds(400, 0, 120, 80);
  Slider->SetSliderSpeed(1);
  Slider->Images()->Add()->SetImage(L"QvSkinPreview_bkg");
  Slider->Images()->Add()->SetImage(L"QvSkinMenu_bk");
  Form->HandleNeeded();
  if (!Full) return;
  qvtest::PaintOffScreen(Form.get());
  Slider->SetHotItemIndex(1);
}

using GaugesLeakTest = qvtest::ControlsTest;

TEST_F(GaugesLeakTest, FormsWithGaugesReleaseWhatTheyCreate) {
  for (int I = 0; I < 3; ++I) OneGaugesCycle(true);  // caches and window classes settle
  const int Registered = TQvWinControlHelperObj()->Count();
  const Integer Timers = GetSimpleTimerCount();
  const qvtest::TSlots Before = qvtest::Probe();
  const unsigned Limit = 100;  // a leak of one object per cycle moves a slot by 1000
  for (int I = 0; I < 1000; ++I) OneGaugesCycle(I % 10 == 0);
  const qvtest::TSlots After = qvtest::Probe();
  EXPECT_LT(After.Window, Before.Window + Limit) << "windows leak";
  EXPECT_LT(After.Gdi, Before.Gdi + Limit) << "GDI objects leak";
  EXPECT_EQ(TQvWinControlHelperObj()->Count(), Registered);
  EXPECT_EQ(GetSimpleTimerCount(), Timers);
}

}  // namespace
