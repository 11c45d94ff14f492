#pragma once
// TQvSkinSpinEdit: the self-drawn edit holding an integer between limits, stepped by two
// stacked arrow items (held down, they repeat), the Up and Down keys.
#include "controls/QvSkinEdit.h"

namespace qv {

class TQvSkinSpinEdit : public TQvSkinPngEdit {
  QV_CLASS(TQvSkinSpinEdit)
 public:
  explicit TQvSkinSpinEdit(TComponent* AOwner);
  ~TQvSkinSpinEdit() override;

  static constexpr int DefaultMaxValue = 100, DefaultStepSize = 1;
  static constexpr Cardinal RepeatInterval = 150;
  // Limits; equal limits mean no limit. Setting one pulls the value inside it.
  int MinValue() const { return FMinValue; }
  void SetMinValue(int Value);
  int MaxValue() const { return FMaxValue; }
  void SetMaxValue(int Value);
  // The typed text is read back (0 when it is no integer) the first time after typing.
  int Value();
  int GetValue() { return Value(); }
  void SetValue(int V);
  int StepSize() const { return FStepSize; }
  void SetStepSize(int Value) { FStepSize = Value; }
  // V inside the limits (unchanged when there are none).
  int CheckValue(int V) const;

  void WndProc(TMessage& Message) override;
  const TPropTable& Properties() const override;

  TNotifyEvent OnUpButtonClick;
  TNotifyEvent OnDownButtonClick;

 protected:
  // One step up or down when the limit allows it, with its event.
  virtual void spin_upClick();
  virtual void spin_downClick();
  virtual void DoOnTimer(TObject* Sender);
  void DoEnter() override;
  void DoExit() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(wchar_t& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  int TextAsInt() const;
  int FMinValue = 0;
  int FMaxValue = DefaultMaxValue;
  int FValue = 0;
  int FStepSize = DefaultStepSize;
  bool FKeyInput = false;
  int FOldValue = 0;
  std::unique_ptr<TSimpleTimer> FTimer;
};

}  // namespace qv
