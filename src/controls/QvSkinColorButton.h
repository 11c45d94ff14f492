#pragma once
// TQvSkinColorButton: a flat push button painted from colours instead of skin pictures:
// a filled rectangle with optional border lines, or a rounded face (anti-aliased, or cut
// by a rounded window region), an optional icon and the caption. It keeps the whole
// behaviour of TQvSkinCustomButton and draws the keyboard focus frame.
#include "controls/QvSkinButton.h"

namespace qv {

class TQvSkinCustomColorButton : public TQvSkinCustomButton {
  QV_CLASS(TQvSkinCustomColorButton)
 public:
  explicit TQvSkinCustomColorButton(TComponent* AOwner);

  static constexpr TColor DefaultNormalColor = TColor(0x3854FF), DefaultHotColor = TColor(0x4343E0),
                          DefaultPressedColor = TColor(0xDA9956),
                          DefaultBorderColor = TColor(0xDFCBBB);
  static constexpr TColor DisabledColor = TColor(0xD3D3D3), DisabledTextColor = TColor(0x8C8C8C);
  static constexpr Byte DefaultAlpha = 255;
  static constexpr int DefaultRoundSize = 3;

  TColor NormalColor() const { return FNormalColor; }
  void SetNormalColor(TColor Value) { Change(FNormalColor, Value); }
  TColor HotColor() const { return FHotColor; }
  void SetHotColor(TColor Value) { Change(FHotColor, Value); }
  TColor PressedColor() const { return FPressedColor; }
  void SetPressedColor(TColor Value) { Change(FPressedColor, Value); }
  Byte Alpha() const { return FAlpha; }
  void SetAlpha(Byte Value) { Change(FAlpha, Value); }
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value) { Change(FBorderColor, Value); }
  TSides BorderSides() const { return FBorderSides; }
  void SetBorderSides(TSides Value) { Change(FBorderSides, Value); }
  bool RoundFrame() const { return FRoundFrame; }
  void SetRoundFrame(bool Value) { Change(FRoundFrame, Value); }
  // With RoundFrame: an anti-aliased face, or a rounded window region made at creation.
  bool SmoothRound() const { return FSmoothRound; }
  void SetSmoothRound(bool Value) { Change(FSmoothRound, Value); }
  int RoundSize() const { return FRoundSize; }
  void SetRoundSize(int Value) { Change(FRoundSize, Value); }
  // The icon in the normal state, and while hot or pressed.
  const TQvResID& Image() const { return FImage; }
  void SetImage(const TQvResID& Value) { Change(FImage, Value); }
  const TQvResID& HotImage() const { return FHotImage; }
  void SetHotImage(const TQvResID& Value) { Change(FHotImage, Value); }
  // The face colour of the state (opaque).
  TColor FaceColor() const;

  void WndProc(TMessage& Message) override;
  const TPropTable& Properties() const override;

 protected:
  void DrawBody(TBitmap32* Bitmap) override;
  void DrawFocusFrame(TBitmap32* Bitmap) override;
  void CreateHandle() override;
  // Pressed offset, icon and caption: what both flat buttons draw over their face.
  void DrawIconAndCaption(TBitmap32& Dst);

 private:
  TColor FNormalColor = DefaultNormalColor;
  TColor FHotColor = DefaultHotColor;
  TColor FPressedColor = DefaultPressedColor;
  Byte FAlpha = DefaultAlpha;
  TColor FBorderColor = DefaultBorderColor;
  TSides FBorderSides;
  bool FRoundFrame = false;
  bool FSmoothRound = true;
  int FRoundSize = DefaultRoundSize;
  TQvResID FImage;
  TQvResID FHotImage;
};

class TQvSkinColorButton : public TQvSkinCustomColorButton {
  QV_CLASS(TQvSkinColorButton)
 public:
  using TQvSkinCustomColorButton::TQvSkinCustomColorButton;
};

}  // namespace qv
