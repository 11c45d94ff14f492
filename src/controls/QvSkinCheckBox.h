#pragma once
// The two-state controls painted from one skin picture each: the check box, the radio box
// (exclusive among the sibling radio boxes of its group) and the switch (an on/off slider
// picture with an optional caption).
#include <memory>

#include "controls/QvSkinCustomControl.h"
#include "resources/QvSkinIntfPictures.h"
#include "resources/QvSkinIntfTypes.h"

namespace qv {

// What the check box and the radio box share: the state, the picture of four states side
// by side, the caption with its glow, the pointer tracking and the messages.
class TQvSkinCustomCheckControl : public TQvSkinCustomControl {
  QV_CLASS(TQvSkinCustomCheckControl)
 public:
  explicit TQvSkinCustomCheckControl(TComponent* AOwner);
  ~TQvSkinCustomCheckControl() override;
  // Caption colour of a disabled control.
  static constexpr TColor DisabledTextColor = TColor(0xD1D1D1);

  virtual bool Checked() const { return FChecked; }
  virtual void SetChecked(bool Value) = 0;
  const TQvResID& Pictures() const { return FPictures; }
  void SetPictures(const TQvResID& Value);
  // Glow behind the caption; owned, the setter copies.
  TQvLightClass* Light() const { return FLight.get(); }
  void SetLight(TQvLightClass* Value) { FLight->Assign(Value); }
  bool MouseInControlState() const { return FMouseInControl; }

  void WndProc(TMessage& Message) override;
  TQvAccessibleInfo AccessibleInfo() const override;
  const TPropTable& Properties() const override;

  // After every change of Checked.
  TNotifyEvent OnChanged;

 protected:
  virtual void DoChanged();
  // Index of the state picture (0..3) for the current state.
  virtual int StateIndex() const = 0;
  // Gap between the picture and the caption.
  virtual int CaptionGap() const = 0;
  void DrawBody(TBitmap32* Bitmap) override;
  void CreateWnd() override;
  void MouseEnter() override;
  void MouseLeave() override;
  void TakeFocus();

  bool FChecked = false;
  bool FMouseInControl = false;

 private:
  TQvResID FPictures;
  std::unique_ptr<TQvLightClass> FLight;
};

class TQvSkinCheckBox : public TQvSkinCustomCheckControl {
  QV_CLASS(TQvSkinCheckBox)
 public:
  explicit TQvSkinCheckBox(TComponent* AOwner);
  static constexpr const wchar_t* DefaultPictures = L"QvSkinCheckBox";
  // Repaints, then OnChanged.
  void SetChecked(bool Value) override;
  void WndProc(TMessage& Message) override;
  bool DoAccessibleDefaultAction() override;
  const TPropTable& Properties() const override;

 protected:
  int StateIndex() const override;
  int CaptionGap() const override;
};

class TQvSkinRadioBox : public TQvSkinCustomCheckControl {
  QV_CLASS(TQvSkinRadioBox)
 public:
  explicit TQvSkinRadioBox(TComponent* AOwner);
  static constexpr const wchar_t* DefaultPictures = L"QvSkinRadiobtn";
  // A change checks (turning the siblings off, no OnClick) or unchecks, then OnChanged;
  // always repaints.
  void SetChecked(bool Value) override;
  // Radio boxes of one parent with the same index are exclusive. Stored only.
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value) { FGroupIndex = Value; }
  // OnClick only when the state changed since the last click.
  void Click() override;
  void WndProc(TMessage& Message) override;
  TQvAccessibleInfo AccessibleInfo() const override;
  bool DoAccessibleDefaultAction() override;
  const TPropTable& Properties() const override;

 protected:
  virtual void TurnSiblingsOff();
  int StateIndex() const override;
  int CaptionGap() const override { return 3; }

 private:
  // The next radio box of the group in the parent's tab order (wrapping), or nil.
  TQvSkinRadioBox* GroupNeighbour(bool Forward) const;
  bool FOldChecked = false;
  int FGroupIndex = 0;
};

using TSWBCustomDraw = std::function<void(TObject* Sender, TBitmap32* Bmp32)>;

class TQvSkinSwitchButton : public TQvSkinCustomControl {
  QV_CLASS(TQvSkinSwitchButton)
 public:
  explicit TQvSkinSwitchButton(TComponent* AOwner);
  ~TQvSkinSwitchButton() override;
  static constexpr const wchar_t* DefaultImageON = L"QvSkinSwitch_on";
  static constexpr const wchar_t* DefaultImageOFF = L"QvSkinSwitch_off";
  static constexpr const wchar_t* DefaultCaptionON = L"开启";
  static constexpr const wchar_t* DefaultCaptionOFF = L"关闭";
  static constexpr bool DefaultCanFocused = true;

  bool Checked() const { return FChecked; }
  // Repaints, then OnChanged.
  void SetChecked(bool Value);
  TPngPictures* ImageON() const { return FImageON.get(); }
  void SetImageON(TPngPictures* Value) { FImageON->Assign(Value); }
  TPngPictures* ImageOFF() const { return FImageOFF.get(); }
  void SetImageOFF(TPngPictures* Value) { FImageOFF->Assign(Value); }
  bool CaptionVisible() const { return FCaptionVisible; }
  void SetCaptionVisible(bool Value);
  const String& CaptionON() const { return FCaptionON; }
  void SetCaptionON(const String& Value);
  const String& CaptionOFF() const { return FCaptionOFF; }
  void SetCaptionOFF(const String& Value);
  TQvSwitchButtonCaptionAlign CaptionAlign() const { return FCaptionAlign; }
  void SetCaptionAlign(TQvSwitchButtonCaptionAlign Value);
  // Takes the focus on a click and toggles on Space. Stored only.
  bool CanFocused() const { return FCanFocused; }
  void SetCanFocused(bool Value) { FCanFocused = Value; }
  bool MouseIn() const { return FMouseIn; }
  bool MouseDown() const { return FMouseDown; }

  void WndProc(TMessage& Message) override;
  TQvAccessibleInfo AccessibleInfo() const override;
  bool DoAccessibleDefaultAction() override;
  const TPropTable& Properties() const override;

  // Called at the end of every paint that drew a state picture.
  TSWBCustomDraw CustomDraw;
  TNotifyEvent OnChanged;

 protected:
  void DrawBody(TBitmap32* Bitmap) override;
  void MouseEnter() override;
  void MouseLeave() override;

  bool FMouseIn = false;
  bool FMouseDown = false;

 private:
  void SetString(String& Field, const String& Value);
  bool FChecked = false;
  std::unique_ptr<TPngPictures> FImageON;
  std::unique_ptr<TPngPictures> FImageOFF;
  bool FCaptionVisible = false;
  String FCaptionON = DefaultCaptionON;
  String FCaptionOFF = DefaultCaptionOFF;
  TQvSwitchButtonCaptionAlign FCaptionAlign = sbcaLeft;
  bool FCanFocused = DefaultCanFocused;
};

}  // namespace qv
