#pragma once
// Title-bar images, labels (with ellipsis and glow) and the scrolling message.
#include "forms/QvSkinNCCtrlBase.h"
#include "host/PlatformTypes.h"
#include "raster/Bitmap32.h"
#include "resources/QvSkinIntfTypes.h"

namespace qv {

class TFont;
class TSimpleTimer;

// A picture from the resource manager; pressing it drags the window (CaptureMouse).
class TQvSkinNCImage : public TQvSkinNCCtrlBase {
  QV_CLASS(TQvSkinNCImage)
 public:
  static constexpr bool DefaultCaptureMouse = true;
  explicit TQvSkinNCImage(TComponent* AOwner);

  const String& Picture() const { return FPicture; }
  void SetPicture(const String& Value);
  bool CaptureMouse() const { return FCaptureMouse; }
  void SetCaptureMouse(bool Value) { FCaptureMouse = Value; }

  int GetWidth() const override;
  int GetHeight() const override;
  void Paint(TBitmap32* Canvas) override;
  void LMouseDown() override;
  bool TakesMouse() const override { return FCaptureMouse; }
  bool BlocksCaptionDoubleClick() const override { return false; }
  const TPropTable& Properties() const override;

 private:
  TBitmap32* Source() const;
  String FPicture;
  bool FCaptureMouse = DefaultCaptureMouse;
};

// A line of text; with MaxWidth it is cut by EllipsisPosition.
class TQvSkinNCLabel : public TQvSkinNCCtrlBase {
  QV_CLASS(TQvSkinNCLabel)
 public:
  static constexpr bool DefaultCaptureMouse = true;
  // Caption: the owner form's caption, else "NCLabel".
  explicit TQvSkinNCLabel(TComponent* AOwner);
  ~TQvSkinNCLabel() override;

  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* Value);
  TQvLightClass* Light() const { return FLight.get(); }
  void SetLight(TQvLightClass* Value);
  TEllipsisPosition EllipsisPosition() const { return FEllipsisPosition; }
  void SetEllipsisPosition(TEllipsisPosition Value);
  bool CaptureMouse() const { return FCaptureMouse; }
  void SetCaptureMouse(bool Value) { FCaptureMouse = Value; }
  // True: anti-aliased text in the font colour; false: the surface's plain text output.
  bool RenderText() const { return FRenderText; }
  void SetRenderText(bool Value);
  // 0: as wide as the text.
  int MaxWidth() const { return FMaxWidth; }
  void SetMaxWidth(int Value);
  // The measured size.
  int Width() const;
  int Height() const;

  int GetWidth() const override { return Width(); }
  int GetHeight() const override { return Height(); }
  void Paint(TBitmap32* Canvas) override;
  void LMouseDown() override;
  void DPIChanged() override;
  bool TakesMouse() const override { return FCaptureMouse; }
  bool BlocksCaptionDoubleClick() const override { return false; }
  const TPropTable& Properties() const override;

 private:
  void Remeasure();
  void DoResetSize() const;
  String FCaption;
  std::unique_ptr<TFont> FFont;
  std::unique_ptr<TQvLightClass> FLight;
  TEllipsisPosition FEllipsisPosition = epNone;
  bool FCaptureMouse = DefaultCaptureMouse;
  bool FRenderText = false;
  int FMaxWidth = 0;
  mutable bool FResetSize = true;
  mutable TSize FSize;
};

// A marquee in the title: the text scrolls leftwards through Width pixels that end at X.
class TCustomQvSkinNCMessage : public TQvSkinNCCtrlBase {
  QV_CLASS(TCustomQvSkinNCMessage)
 public:
  static constexpr const wchar_t* DefaultText = L"TQvSkinNCMessage";
  static constexpr int DefaultWidth = 400;
  static constexpr Cardinal DefaultSpeed = 100;
  static constexpr Byte DefaultStep = 2;
  static constexpr bool DefaultLoopMode = true, DefaultActiveScroll = true;
  static constexpr TCursor DefaultCursor = -21;  // the hand
  explicit TCustomQvSkinNCMessage(TComponent* AOwner);
  ~TCustomQvSkinNCMessage() override;

  const String& Text() const { return FText; }
  void SetText(const String& Value);
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* Value);
  TFont* HotFont() const { return FHotFont.get(); }
  void SetHotFont(TFont* Value);
  int Width() const { return FWidth; }
  void SetWidth(int Value);
  // Milliseconds per step.
  Cardinal Speed() const { return FSpeed; }
  void SetSpeed(Cardinal Value);
  // Pixels per step; 0 counts as 1.
  Byte Step() const { return FStep; }
  void SetStep(Byte Value) { FStep = Value ? Value : 1; }
  // Starts again from the right once the text has left; off, it stops then.
  bool LoopMode() const { return FLoopMode; }
  void SetLoopMode(bool Value) { FLoopMode = Value; }
  bool ActiveScroll() const { return FActiveScroll; }
  void SetActiveScroll(bool Value);
  // Hot state, cursor and OnClick; off, a press drags the window.
  bool AllowClick() const { return FAllowClick; }
  void SetAllowClick(bool Value) { FAllowClick = Value; }
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value) { FCursor = Value; }
  bool Scrolling() const;
  int DispX() const { return FDispX; }

  void StartScroll();
  void StopScroll();
  // One step of the text; draws straight onto the window.
  void ScrollStep();

  TRect GetRect() const override;
  void Paint(TBitmap32* Canvas) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void MouseMove() override {}
  void LMouseDown() override;
  void LMouseUp() override;
  virtual void Click();
  const TPropTable& Properties() const override;

  TNotifyEvent OnClick;

 private:
  void Measure();
  TFont* CurrentFont() const;
  // Text and background into FTextCanvas and onto the window at the current position.
  void DrawText(HDC DC);

  String FText = DefaultText;
  std::unique_ptr<TFont> FFont;
  std::unique_ptr<TFont> FHotFont;
  int FWidth = DefaultWidth;
  Cardinal FSpeed = DefaultSpeed;
  Byte FStep = DefaultStep;
  bool FLoopMode = DefaultLoopMode;
  bool FActiveScroll = DefaultActiveScroll;
  bool FAllowClick = false;
  TCursor FCursor = DefaultCursor;
  bool FHot = false;
  std::unique_ptr<TSimpleTimer> FTimerObj;
  int FTextWidth = 0, FTextHeight = 0;
  int FDispX = 0;
  int FNewX = 0;
  bool FStarted = false;  // FDispX has been placed at the right end
  TBitmap32 FBgCanvas;
  TBitmap32 FTextCanvas;
  TRect FMessageRect;
};

class TQvSkinNCMessage : public TCustomQvSkinNCMessage {
  QV_CLASS(TQvSkinNCMessage)
 public:
  using TCustomQvSkinNCMessage::TCustomQvSkinNCMessage;
};

}  // namespace qv
