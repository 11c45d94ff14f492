// Gauges and the image slider: a full body repaint of a circle progress, a speedometer and
// one frame of a slider transition, each against a BitBlt of its size in the same run.
#include <windows.h>

#include <memory>

#include "WinBench.h"
#include "controls/QvSkinCircleProgress.h"
#include "controls/QvSkinImageSlider.h"
#include "controls/QvSkinSpeedometer.h"
#include "host/Form.h"

namespace {

// The body drawn again (the buffer invalidated), then shown.
double BodyMs(winbench::TReport& R, qv::TWinControl* C) {
  return R.TimeMs([&] {
    C->Invalidate();
    C->Update();
    GdiFlush();
  });
}

// A slider held at any frame of a slide.
class TSliderBench : public qv::TQvSkinImageSlider {
 public:
  using TQvSkinImageSlider::TQvSkinImageSlider;
  void Frame(int X) { FDisplayRect = qv::Rect(X, 0, X + Width(), Height()); }
};

const winbench::TRegistration gGauges("Gauges", [](winbench::TReport& R) {
  auto Form = std::make_unique<qv::TForm>(nullptr);
  Form->SetBounds(50, 50, 1200, 420);
  auto* Circle = new qv::TQvSkinCircleProgress(Form.get());
  Circle->SetParent(Form.get());
  Circle->SetValue(35);
  auto* Speed = new qv::TQvSkinSpeedometer(Form.get());
  Speed->SetParent(Form.get());
  Speed->SetLeft(190);
  auto* Slider = new TSliderBench(Form.get());
  Slider->SetParent(Form.get());
  Slider->SetLeft(530);
  Slider->SetAutoSlider(false);
  for (const wchar_t* P : {L"QvSkinPreview_bkg", L"QvSkinMenu_bk"})
    Slider->Images()->Add()->SetImage(P);
  Slider->Frame(316);
  Form->Show();
  winbench::DrainMessages();
  const double CircleBlt = winbench::ReferenceBlitMs(R, 180, 180), CirclePaint = BodyMs(R, Circle);
  const double SpeedBlt = winbench::ReferenceBlitMs(R, 326, 326), SpeedPaint = BodyMs(R, Speed);
  const double SliderBlt = winbench::ReferenceBlitMs(R, 632, 340), SliderPaint = BodyMs(R, Slider);
  R.Result("BitBlt 180x180", CircleBlt, "ms");
  R.Result("circle progress body, 180x180", CirclePaint, "ms");
  R.Result("circle progress / BitBlt", CirclePaint / CircleBlt, "x");
  R.Result("BitBlt 326x326", SpeedBlt, "ms");
  R.Result("speedometer body, 326x326", SpeedPaint, "ms");
  R.Result("speedometer / BitBlt", SpeedPaint / SpeedBlt, "x");
  R.Result("BitBlt 632x340", SliderBlt, "ms");
  R.Result("slider transition frame, 632x340", SliderPaint, "ms");
  R.Result("slider frame / BitBlt", SliderPaint / SliderBlt, "x");
});

}  // namespace
