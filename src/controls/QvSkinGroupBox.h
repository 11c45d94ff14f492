#pragma once
// TQvSkinGroupBox: a skinned container with a caption line across its top: the caption,
// optionally after a skinned check box, and a gradient rule beside it (fsLine) or a frame
// broken by the caption (fsBox). The check box enables or disables every control inside.
#include <memory>

#include "controls/QvSkinCustomControl.h"
#include "controls/QvSkinGroupBoxLayout.h"
#include "resources/QvSkinIntfPictures.h"
#include "resources/QvSkinIntfTypes.h"

namespace qv {

class TQvSkinCustomGroupBox;

// The optional check box of a group box.
class TGroupBoxCheckBox : public TPersistent {
 public:
  static constexpr const wchar_t* StaticClassName = L"TGroupBoxCheckBox";
  static constexpr const wchar_t* DefaultPictures = L"QvSkinCheckBox";
  explicit TGroupBoxCheckBox(TQvSkinCustomGroupBox* GroupBox) : FGroupBox(GroupBox) {}
  String ClassName() const override { return StaticClassName; }

  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  // While visible, every child's Enabled follows it.
  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);
  const TQvResID& Pictures() const { return FPictures; }
  void SetPictures(const TQvResID& Value);
  bool Pressed = false;
  bool MouseInControl = false;
  // The clickable area, set by each paint.
  TRect Rect;

  void Assign(TPersistent* Source) override;
  const TPropTable& Properties() const override;

 private:
  TQvSkinCustomGroupBox* FGroupBox;
  bool FVisible = false;
  bool FChecked = true;
  TQvResID FPictures = DefaultPictures;
};

class TQvSkinCustomGroupBox : public TQvSkinCustomControl {
  QV_CLASS(TQvSkinCustomGroupBox)
 public:
  explicit TQvSkinCustomGroupBox(TComponent* AOwner);
  ~TQvSkinCustomGroupBox() override;

  static constexpr int DefaultCaptionHeight = 15;
  static constexpr TColor DefaultLineStartColor = TColor(0xCFA753);
  static constexpr TColor DefaultLineStopColor = TColor(0xFEFBF6);

  TAlignment CaptionAlignment() const { return FCaptionAlignment; }
  void SetCaptionAlignment(TAlignment Value);
  // The caption band at 96 DPI.
  int CaptionHeight() const { return FCaptionHeight; }
  void SetCaptionHeight(int Value);
  TQvLightClass* CaptionLight() const { return FCaptionLight.get(); }
  void SetCaptionLight(TQvLightClass* Value) { FCaptionLight->Assign(Value); }
  TColor LineStartColor() const { return FLineStartColor; }
  void SetLineStartColor(TColor Value);
  TColor LineStopColor() const { return FLineStopColor; }
  void SetLineStopColor(TColor Value);
  // A soft white glow over the rule.
  bool Light() const { return FLight; }
  void SetLight(bool Value);
  TGroupBoxFrameStyle FrameStyle() const { return FFrameStyle; }
  // Recomputes the client area.
  void SetFrameStyle(TGroupBoxFrameStyle Value);
  TGroupBoxCheckBox* CheckBox() const { return FCheckBox.get(); }
  void SetCheckBox(TGroupBoxCheckBox* Value) { FCheckBox->Assign(Value); }

  // Every child's Enabled := Enable.
  virtual void EnabledControls(bool Enable);
  void AdjustClientRect(TRect& Rect) override;
  void WndProc(TMessage& Message) override;
  TQvAccessibleInfo AccessibleInfo() const override;
  bool DoAccessibleDefaultAction() override;
  const TPropTable& Properties() const override;

 protected:
  void DrawBody(TBitmap32* Bitmap) override;
  void MouseLeave() override;

 private:
  friend class TGroupBoxCheckBox;
  int ScaledCaptionHeight() const;
  // The check box's state picture index (0..3).
  int CheckStateIndex() const;
  void CheckVisibleChanged();
  TAlignment FCaptionAlignment = taLeftJustify;
  int FCaptionHeight = DefaultCaptionHeight;
  std::unique_ptr<TQvLightClass> FCaptionLight;
  TColor FLineStartColor = DefaultLineStartColor;
  TColor FLineStopColor = DefaultLineStopColor;
  bool FLight = false;
  TGroupBoxFrameStyle FFrameStyle = fsLine;
  std::unique_ptr<TGroupBoxCheckBox> FCheckBox;
};

class TQvSkinGroupBox : public TQvSkinCustomGroupBox {
  QV_CLASS(TQvSkinGroupBox)
 public:
  using TQvSkinCustomGroupBox::TQvSkinCustomGroupBox;
};

}  // namespace qv
