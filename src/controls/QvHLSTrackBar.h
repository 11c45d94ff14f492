#pragma once
// TQvHLSTrackBar: a colour slider for hue, saturation or brightness: a thin gradient track
// and a thumb picture, dragged with the mouse or moved with the keys. OnChange fires when
// a value is set, and at the end of a drag rather than during it.
#include "controls/QvSkinProgressBar.h"

namespace qv {

class TQvHLSTrackBar : public TQvCustomSliderBar {
  QV_CLASS(TQvHLSTrackBar)
 public:
  // 230 × 28, a tab stop; hue with the range 0..10 until Kind is set.
  explicit TQvHLSTrackBar(TComponent* AOwner);

  static constexpr THLSKindRec DefaultKind = hlsH;
  static constexpr int DefaultMax = 10;
  static constexpr const wchar_t* DefaultThumb = L"QvSkinSlider_dragBackground";

  THLSKindRec Kind() const { return FKind; }
  // Hue takes the range -180..180, saturation and brightness -100..100; Value stays.
  void SetKind(THLSKindRec Value);
  int Min() const { return FMin; }
  // Kept below Max.
  void SetMin(int Value);
  int Max() const { return FMax; }
  // Kept above Min.
  void SetMax(int Value);
  int Value() const { return FValue; }
  // Clamped and stored even when unchanged; fires OnChange unless locked.
  void SetValue(int Value);
  const TQvResID& Thumb() const { return FThumb; }
  void SetThumb(const TQvResID& Value);

  // While locked, OnChange is not fired.
  void Lock() { FLock = true; }
  void UnLock() { FLock = false; }

  int SliderMin() const override { return FMin; }
  int SliderMax() const override { return FMax; }
  int SliderValue() const override { return FValue; }
  void SetSliderValue(int Value) override { SetValue(Value); }

  TQvAccessibleInfo AccessibleInfo() const override;
  const TPropTable& Properties() const override;

  TNotifyEvent OnChange;

 protected:
  void DrawBody(TBitmap32* Bitmap) override;
  void CalcThumb() override;
  void PagingStep(int X, bool Inc) override;
  void SlideTo(int Value) override;
  void Released() override { SetValue(FValue); }

 private:
  THLSKindRec FKind = DefaultKind;
  int FMin = 0;
  int FMax = DefaultMax;
  int FValue = 0;
  TQvResID FThumb = DefaultThumb;
  bool FLock = false;
};

}  // namespace qv
