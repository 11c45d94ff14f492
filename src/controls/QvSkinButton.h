#pragma once
// The skinned push buttons. TQvSkinCustomButton turns mouse, keyboard and focus input into
// Click through the state machine of QvSkinButtonState.h (normal, hot, pressed, down,
// disabled), latches within a group of sibling buttons (GroupIndex, AllowAllUp), adds a
// drop-down part opening a popup menu, an overlay layer and hold-to-repeat timers. The
// concrete buttons differ in how they draw: TQvSkinImageButton (a state picture placed or
// stretched), TQvSkinButton (the "QvSkinButton" strip stretched, caption centred),
// TQvSkinToolButton (flat strip, icon, glowing caption) and TQvSkinAnimateButton (a frame
// strip played forward on hover and backward after).
#include <memory>

#include "controls/QvSkinButtonState.h"
#include "controls/QvSkinCustomControl.h"
#include "graphics/SimpleTimer.h"
#include "host/Form.h"
#include "host/Timer.h"
#include "resources/QvSkinIntfPictures.h"
#include "resources/QvSkinIntfTypes.h"

namespace qv {

class TPopupMenu;

// A position of a button's item (caption, image, layers, menu); a change repaints the
// owner.
class TQvBtnItemOffset : public TQvOffset {
 public:
  static constexpr const wchar_t* StaticClassName = L"TQvBtnItemOffset";
  String ClassName() const override { return StaticClassName; }
};

using TCustomPaintEvent = std::function<void(TObject* Sender, TBitmap32* Bitmap32)>;

class TQvSkinCustomButton : public TQvSkinCustomControl {
  QV_CLASS(TQvSkinCustomButton)
 public:
  explicit TQvSkinCustomButton(TComponent* AOwner);
  ~TQvSkinCustomButton() override;

  static constexpr int DefaultPressedOffset = 1;
  static constexpr bool DefaultCanFocused = true;
  static constexpr int DefaultDropdownMenuOffset = -4;
  static constexpr const wchar_t* DropdownPicture = L"QvSkinDropdownMenu";
  // Hold time before the repeat starts, and the repeat interval.
  static constexpr Cardinal HoldInterval = 300, RepeatInterval = 10;

  // State pictures; none drawn while the set is not Active. The setter copies.
  TPngPictures* Pictures() const { return FPictures.get(); }
  void SetPictures(TPngPictures* Value) { FPictures->Assign(Value); }
  // Overlay pictures drawn over the state picture while LayerMode is set.
  TPngPictures* Layers() const { return FLayers.get(); }
  void SetLayers(TPngPictures* Value) { FLayers->Assign(Value); }
  bool LayerMode() const { return FLayerMode; }
  void SetLayerMode(bool Value);
  TQvBtnItemOffset* LayersOffset() const { return FLayersOffset.get(); }
  void SetLayersOffset(TQvBtnItemOffset* Value);
  TQvBtnItemOffset* ImageOffset() const { return FImageOffset.get(); }
  TQvBtnItemOffset* CaptionOffset() const { return FCaptionOffset.get(); }
  // Where the drop-down menu opens, from the button's bottom-left corner.
  TQvBtnItemOffset* DropdownMenuOffset() const { return FDropdownMenuOffset.get(); }
  // Adds the drop-down part at the right edge; cleared when the menu is freed.
  TPopupMenu* DropdownMenu() const { return FDropdownMenu; }
  void SetDropdownMenu(TPopupMenu* Value);
  bool CaptionVisible() const { return FCaptionVisible; }
  void SetCaptionVisible(bool Value);
  // Caption font while hot; the setter copies.
  TFont* HotFont() const { return FHotFont.get(); }
  void SetHotFont(TFont* Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value) { FWordWrap = Value; }
  // How far caption and picture move while pressed. Stored only.
  int PressedOffset() const { return FPressedOffset; }
  void SetPressedOffset(int Value) { FPressedOffset = Value; }
  // Stretch the state picture over the client area.
  bool Streach() const { return FStreach; }
  void SetStreach(bool Value);
  // > 0: a latching member of the sibling buttons with the same index.
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value);
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value) { FAllowAllUp = Value; }
  bool Down() const { return FState.Down; }
  // Going down raises the siblings of the group (group 0 included) and repaints.
  void SetDown(bool Value);
  bool IgnoreMouse() const { return FIgnoreMouse; }
  void SetIgnoreMouse(bool Value) { FIgnoreMouse = Value; }
  // May take the focus and react to Space/Enter, Esc and accelerators.
  bool CanFocused() const { return FCanFocused; }
  void SetCanFocused(bool Value) { FCanFocused = Value; }
  // Enter (Default) or Esc (Cancel) click the button from anywhere on the form.
  bool Default() const { return FDefault; }
  void SetDefault(bool Value);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool Value) { FCancel = Value; }
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }
  bool CycleDownClick() const { return FCycleDownClick; }
  void SetCycleDownClick(bool Value) { FCycleDownClick = Value; }
  // The colour buttons draw a focus frame with it; stored and repaints.
  bool ShowFocusFrame() const { return FShowFocusFrame; }
  void SetShowFocusFrame(bool Value);

  // The input state (read-only) and the drop-down part (all zero without a menu).
  const TQvButtonState& State() const { return FState; }
  TRect DropdownMenuRect() const { return FDropdownMenuRect; }
  // The state picture shown now.
  TQvButtonVisual Visual() const { return FState.Visual(Enabled()); }

  void Click() override;
  void WndProc(TMessage& Message) override;
  void ScaleControlsForDpi(int NewPPI) override;
  TQvAccessibleInfo AccessibleInfo() const override;
  bool DoAccessibleDefaultAction() override;
  const TPropTable& Properties() const override;

  // The last drawing step, on the button's working surface.
  TCustomPaintEvent OnCustomPaint;
  // Fired every 10 ms while the button is held (after 300 ms), with CycleDownClick.
  TNotifyEvent OnCycleDownClick;

 protected:
  // Every other button of the same parent and group goes up.
  virtual void TurnSiblingsOff();
  virtual void DrawDropdownMenu(TBitmap32* Bitmap);
  virtual void DrawLayers(TBitmap32* Bitmap);
  // Empty here; the colour button draws its focus frame.
  virtual void DrawFocusFrame(TBitmap32* Bitmap) {}
  void DrawBody(TBitmap32* Bitmap) override;
  void CreateWnd() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseEnter() override;
  void MouseLeave() override;

  // The platform's dotted focus rectangle inset by one pixel, when the button has the
  // focus and the window shows keyboard cues: for buttons whose look has no focus frame.
  void DrawFocusCueIfShown(TBitmap32* Bitmap);
  // The state picture of the set for the current state into Out; false without one.
  bool StatePicture(TPngPictures& Set, TBitmap32& Out) const;
  // The caption font of the state: HotFont when hot, else Font (synchronised first in
  // high-DPI mode).
  TFont* CaptionFont();
  // The design-time frame.
  void DrawDesignFrame(TBitmap32* Bitmap);
  // Writes the caption into C in Dst's font: centred on one line, or with WordWrap as a
  // block whose first line starts where a single centred line would.
  void DrawCaptionText(TBitmap32& Dst, TRect C);
  TRect ScaledOffsetRect(const TRect& R, const TQvBtnItemOffset& Offset) const;
  // The drop-down part's width (0 without a menu).
  int DropdownWidth() const { return FDropdownMenuRect.Right - FDropdownMenuRect.Left; }

  TQvButtonState FState;
  bool FPictureChanged = false;
  int64_t FLastClick = 0;

 private:
  void PressLeft(int X, int Y);
  void ReleaseLeft();
  void Apply(const TQvButtonAction& Action);
  void ShowDropdownMenu();
  void UpdateDropdownMenuRect();
  void FocusChanged(TControl* NewFocus);
  void StopTimers();
  TQvButtonSetup Setup() const;
  bool InModalForm() const;

  std::unique_ptr<TPngPictures> FPictures;
  std::unique_ptr<TPngPictures> FLayers;
  std::unique_ptr<TPngPictures> FDropdownPictures;
  bool FLayerMode = false;
  std::unique_ptr<TQvBtnItemOffset> FLayersOffset;
  std::unique_ptr<TQvBtnItemOffset> FImageOffset;
  std::unique_ptr<TQvBtnItemOffset> FCaptionOffset;
  std::unique_ptr<TQvBtnItemOffset> FDropdownMenuOffset;
  TPopupMenu* FDropdownMenu = nullptr;
  bool FCaptionVisible = false;
  std::unique_ptr<TFont> FHotFont;
  bool FWordWrap = false;
  int FPressedOffset = DefaultPressedOffset;
  bool FStreach = false;
  int FGroupIndex = 0;
  bool FAllowAllUp = false;
  bool FIgnoreMouse = false;
  bool FCanFocused = DefaultCanFocused;
  bool FDefault = false;
  bool FCancel = false;
  TModalResult FModalResult = mrNone;
  bool FCycleDownClick = false;
  bool FShowFocusFrame = false;
  bool FActive = false;  // answers Enter (the default or the focused button)
  TRect FDropdownMenuRect;
  TSimpleTimer FRepeatTimer;
  TSimpleTimer FHoldTimer;
};

class TQvSkinImageButton : public TQvSkinCustomButton {
  QV_CLASS(TQvSkinImageButton)
 public:
  using TQvSkinCustomButton::TQvSkinCustomButton;
};

class TQvSkinButton : public TQvSkinCustomButton {
  QV_CLASS(TQvSkinButton)
 public:
  explicit TQvSkinButton(TComponent* AOwner);
  static constexpr const wchar_t* DefaultPicture = L"QvSkinButton";
  // Caption colour of a disabled button.
  static constexpr TColor DisabledTextColor = TColor(0xB2B2B2);
  const TPropTable& Properties() const override;

 protected:
  void DrawBody(TBitmap32* Bitmap) override;
};

class TQvSkinToolButton : public TQvSkinCustomButton {
  QV_CLASS(TQvSkinToolButton)
 public:
  explicit TQvSkinToolButton(TComponent* AOwner);
  ~TQvSkinToolButton() override;
  static constexpr const wchar_t* DefaultPicture = L"QvSkinFlatBtn";
  // The icon.
  const TQvResID& Image() const { return FImage; }
  void SetImage(const TQvResID& Value);
  // Glow behind the caption; owned, the setter copies.
  TQvLightClass* Light() const { return FLight.get(); }
  void SetLight(TQvLightClass* Value) { FLight->Assign(Value); }
  const TPropTable& Properties() const override;

 protected:
  void DrawBody(TBitmap32* Bitmap) override;

 private:
  TQvResID FImage;
  std::unique_ptr<TQvLightClass> FLight;
};

// The frame strip of an animate button: Count frames side by side.
class TQvAnimatePicture : public TQvNotifyPersistent {
 public:
  static constexpr const wchar_t* StaticClassName = L"TQvAnimatePicture";
  String ClassName() const override { return StaticClassName; }
  const TQvResID& Picture() const { return FPicture; }
  void SetPicture(const TQvResID& Value) { Update(FPicture, Value); }
  Integer Count() const { return FCount; }
  // Always notifies.
  void SetCount(Integer Value) {
    FCount = Value;
    DoChanged();
  }
  void Assign(TPersistent* Source) override;
  const TPropTable& Properties() const override;

 private:
  TQvResID FPicture;
  Integer FCount = 0;
};

class TQvSkinAnimateButton : public TQvSkinCustomButton {
  QV_CLASS(TQvSkinAnimateButton)
 public:
  explicit TQvSkinAnimateButton(TComponent* AOwner);
  ~TQvSkinAnimateButton() override;
  static constexpr Cardinal DefaultAnimateSpeed = 80;

  TQvAnimatePicture* Animate() const { return FAnimate.get(); }
  void SetAnimate(TQvAnimatePicture* Value) { FAnimate->Assign(Value); }
  // Milliseconds of one full pass.
  Cardinal AnimateSpeed() const { return FAnimateSpeed; }
  void SetAnimateSpeed(Cardinal Value);
  int FrameCount() const { return int(FFrames.size()); }
  int FrameIndex() const { return FFrameIndex; }
  // The frame timer (running while the animation plays).
  TTimer* AnimateTimer() const { return FTimer; }
  // Shows frame Index and stops (the gallery's still pictures).
  void ShowFrame(int Index);

  void ScaleControlsForDpi(int NewPPI) override;
  const TPropTable& Properties() const override;

 protected:
  void DrawBody(TBitmap32* Bitmap) override;
  void MouseEnter() override;
  void MouseLeave() override;

 private:
  void UpdateFrames();
  void Tick();
  std::unique_ptr<TQvAnimatePicture> FAnimate;
  Cardinal FAnimateSpeed = DefaultAnimateSpeed;
  TTimer* FTimer;  // owned as a component
  TDynQvSkinImage FFrames;
  int FFrameIndex = 0;
  TQvSkinImage* FCurrent = nullptr;
  bool FFrameHeld = false;  // ShowFrame: the frame stays without hover
};

}  // namespace qv
