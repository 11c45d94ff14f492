#pragma once
// TQvSkinCustomSpeedometer: a 300° dial, open at the bottom, with eleven numbered ticks,
// two end marks, a progress arc and a gradient needle pointing at Value.
// TQvSkinSpeedometer publishes it.
#include <memory>

#include "controls/QvSkinCircleProgress.h"
#include "host/Font.h"

namespace qv {

class TSpeedometerColors : public TQvGaugeColors {
 public:
  static constexpr const wchar_t* StaticClassName = L"TSpeedometerColors";
  String ClassName() const override { return StaticClassName; }
  static constexpr TColor DefaultArrowStartColor = TColor(0xD8A3FF);
  static constexpr TColor DefaultArrowEndColor = TColor(0xF5A542);

  // The needle's gradient, from the hub side to the tip side.
  TColor ArrowStartColor() const { return FArrowStartColor; }
  void SetArrowStartColor(TColor Value) { Change(FArrowStartColor, Value); }
  TColor ArrowEndColor() const { return FArrowEndColor; }
  void SetArrowEndColor(TColor Value) { Change(FArrowEndColor, Value); }
  const TPropTable& Properties() const override;

 private:
  TColor FArrowStartColor = DefaultArrowStartColor;
  TColor FArrowEndColor = DefaultArrowEndColor;
};

class TQvSkinCustomSpeedometer : public TQvSkinCustomGauge {
  QV_CLASS(TQvSkinCustomSpeedometer)
 public:
  // 326 × 326.
  explicit TQvSkinCustomSpeedometer(TComponent* AOwner);
  ~TQvSkinCustomSpeedometer() override;

  static constexpr int DefaultCircleThickness = 23, DefaultArrowWidth = 15;
  static constexpr int DefaultFontTicksSize = 11;
  static constexpr TColor DefaultFontTicksColor = TColor(0x484848);

  // Needle width in 96-DPI pixels.
  int ArrowWidth() const { return FArrowWidth; }
  void SetArrowWidth(int Value) { Change(FArrowWidth, Value); }
  // The tick labels' font; its changes repaint.
  TFont* FontTicks() const { return FFontTicks.get(); }
  void SetFontTicks(TFont* Value) { FFontTicks->Assign(Value); }
  TSpeedometerColors* Colors() const { return FColors.get(); }
  void SetColors(TSpeedometerColors* Value) { FColors->Assign(Value); }

  const TPropTable& Properties() const override;

 protected:
  void DrawBody(TBitmap32* Bitmap) override;

 private:
  void DrawLabels(TBitmap32* Bitmap, int T);

  int FArrowWidth = DefaultArrowWidth;
  std::unique_ptr<TFont> FFontTicks = std::make_unique<TFont>();
  std::unique_ptr<TSpeedometerColors> FColors = std::make_unique<TSpeedometerColors>();
};

class TQvSkinSpeedometer : public TQvSkinCustomSpeedometer {
  QV_CLASS(TQvSkinSpeedometer)
 public:
  using TQvSkinCustomSpeedometer::TQvSkinCustomSpeedometer;
};

}  // namespace qv
