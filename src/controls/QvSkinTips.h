#pragma once
// Tip windows on demand: TQvSkinCustomTips shows TQvSkinTipsWindow popups with an optional
// bold title, the tip text and an optional close button, attached to a control (top or
// bottom edge of its client area) or to a rectangle. A tip window closes itself after a
// pause without mouse movement over it, follows its control when that moves on the
// screen, and can hide while the control's form is not active. TQvSkinTips publishes the
// settings.
#include <memory>
#include <vector>

#include "controls/QvSkinTipsGeometry.h"
#include "host/Control.h"
#include "host/CustomControl.h"
#include "host/Font.h"

namespace qv {

class TBitmap32;
class TSimpleTimer;
class TPngPictures;
class TQvSkinCustomTips;

enum TMouseInTips { itNone, itCloseButton };

// One tip window: a top-level popup without owner or parent, drawn off-screen.
class TQvSkinTipsWindow : public TCustomControl {
  QV_CLASS(TQvSkinTipsWindow)
 public:
  TQvSkinTipsWindow(TComponent* AOwner, TQvSkinCustomTips* TipsObj);
  ~TQvSkinTipsWindow() override;

  // Places and shows the window (R in screen coordinates, or null; see the component's
  // Show) without activating it.
  void ActivateTips(const String& Title, const String& Tips, const TRect* R,
                    TWinControl* ParentControl);
  // Stops the timer, fades out (Animate) and closes.
  void DoClose(bool Animate);
  // Destroys the window; the object stays in its component's list.
  void Close();
  int TitleHeight() const;
  bool TitleVisible() const { return !FTitle.empty(); }
  // The text's size laid out in the width the paint gives it (R, else the control's
  // client area); no lower than R's height when R is given.
  TSize TipsHeight(const TRect* R) const;

  TQvSkinCustomTips* FindQvSkinTips() const { return FTipsObj; }
  const String& Title() const { return FTitle; }
  const String& Tips() const { return FTips; }
  TWinControl* ParentControl() const { return FParentControl; }
  TRect CloseButtonRect() const { return FCloseButtonRect; }
  TMouseInTips MouseInTips() const { return FMouseInTips; }
  // The last finished picture of the window.
  TBitmap32* MemBmp() const { return FMemBmp.get(); }
  // Stops the timer: no close after the pause, no following.
  void HoldStill();

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  void WndProc(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void DoOnTimer();
  void CheckParent();
  void DrawTips();
  void UpdateCloseButtonRect();
  void SetMouseInTips(TMouseInTips Value);

  TQvSkinCustomTips* FTipsObj;
  TQvSkinCustomTips* FQvTips = nullptr;
  String FTitle, FTips;
  std::unique_ptr<TPngPictures> FCloseButton;
  TRect FCloseButtonRect;
  TWinControl* FParentControl = nullptr;
  TMouseInTips FMouseInTips = itNone;
  bool FMousePressed = false;
  bool FTracking = false;
  std::unique_ptr<TBitmap32> FMemBmp;
  std::unique_ptr<TSimpleTimer> FTimer;
  int64_t FT1 = 0, FT2 = 0;
  TPoint FOldParentControlPos;
  TSize FTipsSize;
};

class TQvSkinCustomTips : public TComponent {
  QV_CLASS(TQvSkinCustomTips)
 public:
  explicit TQvSkinCustomTips(TComponent* AOwner);
  ~TQvSkinCustomTips() override;

  static constexpr TTipsDirection DefaultTipsDirection = hdTop;
  static constexpr TColor DefaultTipsColor = 11596287;  // $B0F1FF
  static constexpr TColor DefaultFrameColor = 700646;   // $0AB0E6
  static constexpr int DefaultPauseTime = 3500;
  static constexpr bool DefaultCloseButtonVisible = true;
  static constexpr bool DefaultHideOfParentDeactivate = false;
  static constexpr TVerticalAlignment DefaultAlignmentVertical = taAlignTop;
  static constexpr TAlignment DefaultAlignmentHorizontal = taLeftJustify;

  // Placement rule; each Show overwrites it.
  TTipsDirection TipsDirection() const { return FTipsDirection; }
  void SetTipsDirection(TTipsDirection Value) { FTipsDirection = Value; }
  TColor TipsColor() const { return FTipsColor; }
  void SetTipsColor(TColor Value) { FTipsColor = Value; }
  TColor FrameColor() const { return FFrameColor; }
  void SetFrameColor(TColor Value) { FFrameColor = Value; }
  TFont* TipsFont() const { return FTipsFont.get(); }
  void SetTipsFont(TFont* Value) { FTipsFont->Assign(Value); }
  TFont* TitleFont() const { return FTitleFont.get(); }
  void SetTitleFont(TFont* Value) { FTitleFont->Assign(Value); }
  // A window closes after this many milliseconds without mouse movement over it; 0 or
  // less: never.
  int PauseTime() const { return FPauseTime; }
  void SetPauseTime(int Value) { FPauseTime = Value; }
  bool CloseButtonVisible() const { return FCloseButtonVisible; }
  void SetCloseButtonVisible(bool Value) { FCloseButtonVisible = Value; }
  // Hide the windows while the control's top-level form is not active.
  bool HideOfParentDeactivate() const { return FHideOfParentDeactivate; }
  void SetHideOfParentDeactivate(bool Value) { FHideOfParentDeactivate = Value; }
  TVerticalAlignment AlignmentVertical() const { return FAlignmentVertical; }
  void SetAlignmentVertical(TVerticalAlignment Value) { FAlignmentVertical = Value; }
  TAlignment AlignmentHorizontal() const { return FAlignmentHorizontal; }
  void SetAlignmentHorizontal(TAlignment Value) { FAlignmentHorizontal = Value; }

  // Shows a new tip window and answers its handle; 0 with neither control nor rectangle.
  // R is in the coordinates of ParentControl's parent when both are given, else on the
  // screen.
  HWND Show(const String& Title, const String& Tips, TWinControl* ParentControl, const TRect* R,
            TTipsDirection Direction = hdTop);
  // The text measured in TipsFont on one line per explicit line break.
  TSize GetTipsSize(const String& Text) const;
  int GetTipsWidth(const String& Text) const { return GetTipsSize(Text).cx; }
  int GetTipsHeight(const String& Text) const { return GetTipsSize(Text).cy; }
  // Frees every tip window, last first.
  void CloseSubTipsWindow();
  // Stops the windows' timers: they stay open where they are, neither closing nor
  // following, until freed (for still pictures of the screen).
  void HoldWindowsStill();

  // The windows Show created (closed ones included, until they are freed).
  int WindowCount() const { return int(FList.size()); }
  TQvSkinTipsWindow* Windows(int Index) const { return FList[size_t(Index)].get(); }

  const TPropTable& Properties() const override;

 private:
  TTipsDirection FTipsDirection = DefaultTipsDirection;
  TColor FTipsColor = DefaultTipsColor;
  TColor FFrameColor = DefaultFrameColor;
  std::unique_ptr<TFont> FTipsFont;
  std::unique_ptr<TFont> FTitleFont;
  int FPauseTime = DefaultPauseTime;
  bool FCloseButtonVisible = DefaultCloseButtonVisible;
  bool FHideOfParentDeactivate = DefaultHideOfParentDeactivate;
  TVerticalAlignment FAlignmentVertical = DefaultAlignmentVertical;
  TAlignment FAlignmentHorizontal = DefaultAlignmentHorizontal;
  std::vector<std::unique_ptr<TQvSkinTipsWindow>> FList;
};

// Publishes every setting but HideOfParentDeactivate.
class TQvSkinTips : public TQvSkinCustomTips {
  QV_CLASS(TQvSkinTips)
 public:
  using TQvSkinCustomTips::TQvSkinCustomTips;
  const TPropTable& Properties() const override;
};

}  // namespace qv
