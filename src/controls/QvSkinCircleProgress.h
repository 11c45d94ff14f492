#pragma once
// TQvSkinCustomCircleProgress: a ring gauge showing Value between MinValue and MaxValue as
// a coloured arc from 12 o'clock clockwise, a round knob at its end and the percentage in
// the middle followed by a smaller suffix (Caption). TQvSkinCircleProgress publishes it.
// TQvGaugeColors and TQvSkinCustomGauge hold what the ring gauges share.
#include <memory>

#include "controls/QvSkinCustomControl.h"
#include "resources/QvSkinIntfTypes.h"

namespace qv {

class TQvGaugeColors : public TPersistent {
 public:
  static constexpr TColor DefaultCircleNormalColor = TColor(0x8FE6FF);
  static constexpr TColor DefaultCircleProgressColor = TColor(0xF5A542);

  // The ring (the dial) and the progress arc. Each setter fires OnChanged on a change.
  TColor CircleNormalColor() const { return FCircleNormalColor; }
  void SetCircleNormalColor(TColor Value) { Change(FCircleNormalColor, Value); }
  TColor CircleProgressColor() const { return FCircleProgressColor; }
  void SetCircleProgressColor(TColor Value) { Change(FCircleProgressColor, Value); }
  void Assign(TPersistent* Source) override;
  const TPropTable& Properties() const override;

  TNotifyEvent OnChanged;

 protected:
  void Change(TColor& Field, TColor Value) {
    if (Field == Value) return;
    Field = Value;
    if (OnChanged) OnChanged(this);
  }

 private:
  TColor FCircleNormalColor = DefaultCircleNormalColor;
  TColor FCircleProgressColor = DefaultCircleProgressColor;
};

class TCircleProgressColors : public TQvGaugeColors {
 public:
  static constexpr const wchar_t* StaticClassName = L"TCircleProgressColors";
  String ClassName() const override { return StaticClassName; }
  static constexpr TColor DefaultPointColor = TColor(0xFFFFFF);

  // The knob.
  TColor PointColor() const { return FPointColor; }
  void SetPointColor(TColor Value) { Change(FPointColor, Value); }
  const TPropTable& Properties() const override;

 private:
  TColor FPointColor = DefaultPointColor;
};

// What the ring gauges share: a value kept within [MinValue, MaxValue] and the ring's
// thickness. A value change repaints and fires OnChanged (unless held); the bounds pull the
// value in quietly and are not checked against each other.
class TQvSkinCustomGauge : public TQvSkinCustomControl {
  QV_CLASS(TQvSkinCustomGauge)
 public:
  TQvSkinCustomGauge(TComponent* AOwner, double Sweep, int Thickness);

  static constexpr int DefaultMaxValue = 100, DefaultValue = 50;

  int MinValue() const { return FMinValue; }
  void SetMinValue(int Value);
  int MaxValue() const { return FMaxValue; }
  void SetMaxValue(int Value);
  int Value() const { return FValue; }
  void SetValue(int Value);
  // Where the arc begins in the ring's own angles: the full sweep at the minimum, 0 at the
  // maximum and for an empty range.
  double StartAngle() const;
  // Ring width in 96-DPI pixels.
  int CircleThickness() const { return FCircleThickness; }
  void SetCircleThickness(int Value) { Change(FCircleThickness, Value); }

  TQvAccessibleInfo AccessibleInfo() const override;
  const TPropTable& Properties() const override;

  TNotifyEvent OnChanged;

 protected:
  // True while value changes are not to fire OnChanged.
  virtual bool ChangesHeld() const { return false; }

 private:
  const double FSweep;
  int FMinValue = 0;
  int FMaxValue = DefaultMaxValue;
  int FValue = DefaultValue;
  int FCircleThickness;
};

class TQvSkinCustomCircleProgress : public TQvSkinCustomGauge {
  QV_CLASS(TQvSkinCustomCircleProgress)
 public:
  // 180 × 180.
  explicit TQvSkinCustomCircleProgress(TComponent* AOwner);
  ~TQvSkinCustomCircleProgress() override;

  static constexpr int DefaultCircleThickness = 14;
  static constexpr int DefaultCaptionSize = 27;
  static constexpr TColor DefaultCaptionColor = TColor(0x484848);
  static constexpr const wchar_t* DefaultCaptionText = L"%";

  // The suffix text and the font of the number; any change repaints.
  TQvCaption* Caption() const { return FCaption.get(); }
  void SetCaption(TQvCaption* Value) { FCaption->Assign(Value); }
  TCircleProgressColors* Colors() const { return FColors.get(); }
  void SetColors(TCircleProgressColors* Value) { FColors->Assign(Value); }

  // While updating, value changes fire nothing; EndUpdate fires nothing either.
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate() {
    if (FUpdateCount > 0) --FUpdateCount;
  }

  TQvAccessibleInfo AccessibleInfo() const override;
  const TPropTable& Properties() const override;

 protected:
  void DrawBody(TBitmap32* Bitmap) override;
  bool ChangesHeld() const override { return FUpdateCount > 0; }

 private:
  std::unique_ptr<TQvCaption> FCaption = std::make_unique<TQvCaption>();
  std::unique_ptr<TCircleProgressColors> FColors = std::make_unique<TCircleProgressColors>();
  int FUpdateCount = 0;
};

class TQvSkinCircleProgress : public TQvSkinCustomCircleProgress {
  QV_CLASS(TQvSkinCircleProgress)
 public:
  using TQvSkinCustomCircleProgress::TQvSkinCustomCircleProgress;
};

}  // namespace qv
