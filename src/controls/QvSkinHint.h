#pragma once
// TQvSkinHint replaces the application's hint window with TQvSkinHintWindow: a flat bubble
// with an 8-pixel pointer towards the control under the cursor, placed beside that control
// (kept on its monitor's work area) rather than at the cursor, or a picture the
// application supplies (OnCustomHint). The bubble is composed off-screen over a copy of
// the screen behind it, so its corners beside the pointer show what lies underneath.
#include <functional>
#include <memory>

#include "controls/QvSkinHintGeometry.h"
#include "host/Application.h"
#include "host/Font.h"
#include "host/HintWindow.h"

namespace qv {

class TBitmap32;
class TCustomForm;

// The handler may put a picture in SourceImage; the hint window shows it instead of the
// bubble and frees it.
using TOnCustomHint =
    std::function<void(TControl* HintControl, std::unique_ptr<TBitmap32>& SourceImage)>;
// HintPos is the cursor position (screen); a changed HintPos is where the hint goes when
// AutoPosition is off. HintDirection may be changed too.
using TOnSelectHintDirection =
    std::function<void(TControl* HintControl, TPoint& HintPos, THintDirection& HintDirection)>;

class TQvSkinHint : public TComponent {
  QV_CLASS(TQvSkinHint)
 public:
  // AOwner must be a form or nil. At run time installs the skinned hint window class.
  explicit TQvSkinHint(TComponent* AOwner);
  // Puts back the hint window class that was installed before.
  ~TQvSkinHint() override;
  void Loaded() override;

  static constexpr bool DefaultAutoPosition = true;
  static constexpr THintDirection DefaultHintDirection = hdDown;
  static constexpr TColor DefaultHintColor = 14874620;  // $E2F7FC
  static constexpr TColor DefaultFrameColor = 5690096;  // $56D2F0
  static constexpr int DefaultHintPauseTime = 600;
  static constexpr int DefaultHintHidePauseTime = 2000;
  static constexpr bool DefaultEnabled = true;

  // Beside the control, side chosen by the room around it (true), or at the cursor on
  // the side HintDirection names (false).
  bool AutoPosition() const { return FAutoPosition; }
  void SetAutoPosition(bool Value) { FAutoPosition = Value; }
  THintDirection HintDirection() const { return FHintDirection; }
  void SetHintDirection(THintDirection Value) { FHintDirection = Value; }
  TColor HintColor() const { return FHintColor; }
  void SetHintColor(TColor Value) { FHintColor = Value; }
  TColor FrameColor() const { return FFrameColor; }
  void SetFrameColor(TColor Value) { FFrameColor = Value; }
  TFont* HintFont() const { return FHintFont.get(); }
  void SetHintFont(TFont* Value);
  // Copied to the application's hint pause and hint hide pause.
  int HintPauseTime() const { return FHintPauseTime; }
  void SetHintPauseTime(int Value);
  int HintHidePauseTime() const { return FHintHidePauseTime; }
  void SetHintHidePauseTime(int Value);
  // Whether the skinned hint window class is installed.
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);

  // Copies the hint font into the application's skinned hint window, whose canvas font
  // measures the hint text.
  void SetNewHintFont();

  const TPropTable& Properties() const override;

  TOnCustomHint OnCustomHint;
  TOnSelectHintDirection OnSelectHintDirection;

 private:
  void Install(bool Skinned);

  bool FAutoPosition = DefaultAutoPosition;
  THintDirection FHintDirection = DefaultHintDirection;
  TColor FHintColor = DefaultHintColor;
  TColor FFrameColor = DefaultFrameColor;
  std::unique_ptr<TFont> FHintFont;
  int FHintPauseTime = DefaultHintPauseTime;
  int FHintHidePauseTime = DefaultHintHidePauseTime;
  bool FEnabled = DefaultEnabled;
  bool FSavedOld = false;
  THintWindowClass FOldHintWindowClass;
};

class TQvSkinHintWindow : public THintWindow {
  QV_CLASS(TQvSkinHintWindow)
 public:
  explicit TQvSkinHintWindow(TComponent* AOwner);
  ~TQvSkinHintWindow() override;

  // Without a TQvSkinHint or a control under the cursor the plain hint is shown.
  void ActivateHint(const TRect& ARect, const String& AHint) override;

  THintDirection HintDirection() const { return FHintDirection; }
  void SetHintDirection(THintDirection Value) { FHintDirection = Value; }
  // The control the last activation found under the cursor.
  TControl* HintControl() const { return FHintControl; }
  // The picture the window shows (the bubble or the custom picture over the screen
  // behind it); empty for a plain hint.
  TBitmap32* Picture() const { return FPicture.get(); }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  void WndProc(TMessage& Message) override;

 private:
  THintDirection SelectProperHintDirection(TSize Size);
  void DrawBubble();

  TQvSkinHint* FQvHint = nullptr;
  THintDirection FHintDirection = hdDown;
  TControl* FHintControl = nullptr;
  TPoint FHintPoint;
  bool FSkinned = false;
  std::unique_ptr<TBitmap32> FPicture;
};

// The first TQvSkinHint of the main form, else the most recently created one still alive.
TQvSkinHint* FindQvSkinHint();

// A new picture of Form for OnCustomHint (the caller owns it).
std::unique_ptr<TBitmap32> FormToBitmap32(TCustomForm* Form);

}  // namespace qv
