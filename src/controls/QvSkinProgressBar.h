#pragma once
// TQvSkinProgressBar: a horizontal bar whose filled part is a skin picture stretched in
// three slices to the value's share of the width, with an optional caption and an optional
// thumb (TQvPBTrackButton) that turns it into a slider. TQvCustomSliderBar holds the
// slider behaviour it shares with the colour track bar: thumb dragging, paging runs on a
// repeat timer, and the keys.
#include <memory>

#include "controls/QvSkinCustomControl.h"
#include "controls/QvSkinProgressBarGeometry.h"
#include "host/Timer.h"
#include "resources/QvSkinIntfTypes.h"
#include "resources/QvSkinResManager.h"

namespace qv {

class TQvCustomSliderBar : public TQvSkinCustomControl {
  QV_CLASS(TQvCustomSliderBar)
 public:
  explicit TQvCustomSliderBar(TComponent* AOwner);
  ~TQvCustomSliderBar() override;

  // The range and the value the slider works on.
  virtual int SliderMin() const = 0;
  virtual int SliderMax() const = 0;
  virtual int SliderValue() const = 0;
  virtual void SetSliderValue(int Value) = 0;

  // Where the thumb and the track lie (after the last paint or move).
  const TRect& ThumbRect() const { return FThumbRct; }
  const TRect& TrackRect() const { return FTrackRct; }
  bool Sliding() const { return FSliding; }

  void WndProc(TMessage& Message) override;

 protected:
  // Whether mouse and keys reach the slider at all.
  virtual bool SliderActive() const { return true; }
  // Recomputes FThumbRct.
  virtual void CalcThumb() = 0;
  // A step of a paging run toward X (Inc: to the right).
  virtual void PagingStep(int X, bool Inc) = 0;
  // The value a thumb drag points at.
  virtual void SlideTo(int Value) = 0;
  // The value of a released press (SetValue of the current one).
  virtual void Released() = 0;
  int ThumbWidth() const { return FThumbRct.Width(); }

  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;

  TRect FThumbRct;
  TRect FTrackRct;

 private:
  void EndPaging();
  void RepeatTick();

  bool FSliding = false;
  bool FPaging = false;
  bool FPagingDirInc = false;
  int FThumbCenterOffsetX = 0;
  int FThumbCenterOffsetY = 0;
  int FLastX = 0;
  int FLastY = 0;
  std::unique_ptr<TTimer> FRepeatTimer;
};

// The progress bar's optional thumb.
class TQvPBTrackButton : public TPersistent {
 public:
  static constexpr const wchar_t* StaticClassName = L"TQvPBTrackButton";
  String ClassName() const override { return StaticClassName; }
  static constexpr bool DefaultAlwaysShow = true;

  // The thumb exists; without it the bar ignores mouse and keys.
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  // Pictures normal and while the pointer is over the bar.
  const TQvResID& Normal() const { return FNormal; }
  void SetNormal(const TQvResID& Value);
  const TQvResID& Hot() const { return FHot; }
  void SetHot(const TQvResID& Value);
  // Horizontal shift of the thumb.
  int Offset() const { return FOffset; }
  void SetOffset(int Value) { FOffset = Value; }
  // Keeps the thumb inside the bar.
  bool AlwaysShow() const { return FAlwaysShow; }
  void SetAlwaysShow(bool Value) { FAlwaysShow = Value; }
  // Copies the published settings.
  void Assign(TPersistent* Source) override;
  const TPropTable& Properties() const override;

  // Fired by the Visible, Normal and Hot setters.
  TNotifyEvent OnChanged;

 private:
  void Changed() {
    if (OnChanged) OnChanged(this);
  }
  bool FVisible = false;
  TQvResID FNormal;
  TQvResID FHot;
  int FOffset = 0;
  bool FAlwaysShow = DefaultAlwaysShow;
};

class TQvSkinProgressBar : public TQvCustomSliderBar {
  QV_CLASS(TQvSkinProgressBar)
 public:
  // 150 × 17.
  explicit TQvSkinProgressBar(TComponent* AOwner);
  ~TQvSkinProgressBar() override;

  static constexpr int DefaultMaxValue = 100;
  static constexpr int DefaultValue = 50;
  static constexpr const wchar_t* DefaultBar_Background = L"QvSkinBar_base";
  static constexpr const wchar_t* DefaultBar_Progress = L"QvSkinBar_cur";
  static constexpr int DefaultBarLeftRightSize = 6;

  int MinValue() const { return FMinValue; }
  void SetMinValue(int Value);
  int MaxValue() const { return FMaxValue; }
  void SetMaxValue(int Value);
  int Value() const { return FValue; }
  // Clamped into the range; a change repaints and fires OnChanged (unless updating).
  void SetValue(int Value);
  const TQvResID& Bar_Background() const { return FBar_Background; }
  void SetBar_Background(const TQvResID& Value);
  const TQvResID& Bar_Progress() const { return FBar_Progress; }
  void SetBar_Progress(const TQvResID& Value);
  // Cap width of the filled picture's three-slice stretch.
  int BarLeftRightSize() const { return FBarLeftRightSize; }
  void SetBarLeftRightSize(int Value);
  TQvPBTrackButton* TrackButton() const { return FTrackButton.get(); }
  void SetTrackButton(TQvPBTrackButton* Value) { FTrackButton->Assign(Value); }
  // Text over the bar; invisible at first. Any change of it repaints.
  TQvCaption* Caption() const { return FCaption.get(); }
  void SetCaption(TQvCaption* Value) { FCaption->Assign(Value); }

  // While updating, OnChanged is not fired.
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate() {
    if (FUpdateCount > 0) --FUpdateCount;
  }

  int SliderMin() const override { return FMinValue; }
  int SliderMax() const override { return FMaxValue; }
  int SliderValue() const override { return FValue; }
  void SetSliderValue(int Value) override { SetValue(Value); }

  void WndProc(TMessage& Message) override;
  TQvAccessibleInfo AccessibleInfo() const override;
  const TPropTable& Properties() const override;

  TNotifyEvent OnChanged;

 protected:
  void DrawBody(TBitmap32* Bitmap) override;
  void DrawThumb(TBitmap32* Dst);
  bool SliderActive() const override { return FTrackButton->Visible(); }
  void CalcThumb() override;
  void PagingStep(int X, bool Inc) override;
  void SlideTo(int Value) override;
  void Released() override { SetValue(FValue); }

 private:
  void Changed();
  // The thumb picture for the pointer's state, or nil.
  TQvSkinImage* ThumbPicture() const;

  int FMinValue = 0;
  int FMaxValue = DefaultMaxValue;
  int FValue = DefaultValue;
  TQvResID FBar_Background = DefaultBar_Background;
  TQvResID FBar_Progress = DefaultBar_Progress;
  int FBarLeftRightSize = DefaultBarLeftRightSize;
  std::unique_ptr<TQvPBTrackButton> FTrackButton = std::make_unique<TQvPBTrackButton>();
  std::unique_ptr<TQvCaption> FCaption = std::make_unique<TQvCaption>();
  TSize FThumbSize;
  bool FMouseIn = false;
  int FUpdateCount = 0;
};

}  // namespace qv
