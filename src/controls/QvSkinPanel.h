#pragma once
// TQvSkinCustomPanel: a skinned panel drawn over its background: a translucent colour
// fill or a gradient, an optional skin picture, a centred caption and a line border.
// TQvSkinPanel is the published panel component.
#include "controls/QvSkinCustomControl.h"
#include "resources/QvSkinIntfTypes.h"

namespace qv {

using TQvResID = String;

class TQvSkinCustomPanel : public TQvSkinCustomControl {
  QV_CLASS(TQvSkinCustomPanel)
 public:
  explicit TQvSkinCustomPanel(TComponent* AOwner);

  static constexpr Byte DefaultAlpha = 192, DefaultBorderAlpha = 255;
  static constexpr TSides DefaultBorderSides = {sdLeft, sdTop, sdRight, sdBottom};
  static constexpr TColor DefaultBorderColor = TColor(0xD9CBBA);
  static constexpr bool DefaultDoubleBorder = true;
  static constexpr TGradientDirection DefaultGradientDirection = gdVertical;
  static constexpr int DefaultGradientSize = 60;
  static constexpr TColor DefaultGradientStartColor = TColor(0xFFC446);
  static constexpr TColor DefaultGradientEndColor = TColor(0xFDF8F3);

  // Color (the framework's, white by default) is the panel's fill colour; the opaque
  // background of a non-transparent panel stays white.
  TColor BackgroundColor() const override { return DefaultColor; }
  // Opacity of the colour fill and of the gradient colours.
  Byte Alpha() const { return FAlpha; }
  void SetAlpha(Byte Value);
  TSides BorderSides() const { return FBorderSides; }
  void SetBorderSides(TSides Value);
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value);
  Byte BorderAlpha() const { return FBorderAlpha; }
  void SetBorderAlpha(Byte Value);
  // A second, white line inside the border.
  bool DoubleBorder() const { return FDoubleBorder; }
  void SetDoubleBorder(bool Value);
  bool CaptionVisible() const { return FCaptionVisible; }
  void SetCaptionVisible(bool Value);
  // Skin picture drawn over the fill, placed by BackgroundFillType.
  const TQvResID& BackgroundImage() const { return FBackgroundImage; }
  void SetBackgroundImage(const TQvResID& Value);
  // ftGradient draws the gradient instead of the colour and the picture.
  TQvPngFillType BackgroundFillType() const { return FBackgroundFillType; }
  void SetBackgroundFillType(TQvPngFillType Value);
  // Position of the picture with ftNormal; stored only, no repaint.
  int BackgroundOffsetX() const { return FBackgroundOffsetX; }
  void SetBackgroundOffsetX(int Value) { FBackgroundOffsetX = Value; }
  int BackgroundOffsetY() const { return FBackgroundOffsetY; }
  void SetBackgroundOffsetY(int Value) { FBackgroundOffsetY = Value; }
  TGradientDirection GradientDirection() const { return FGradientDirection; }
  void SetGradientDirection(TGradientDirection Value);
  TGradientAlign GradientAlign() const { return FGradientAlign; }
  void SetGradientAlign(TGradientAlign Value);
  // Band size in percent of the width (horizontal) or height (vertical).
  int GradientSize() const { return FGradientSize; }
  void SetGradientSize(int Value);
  // Colour at the panel edge (the centre line with gaCenter) and at the band's inner end.
  TColor GradientStartColor() const { return FGradientStartColor; }
  void SetGradientStartColor(TColor Value);
  TColor GradientEndColor() const { return FGradientEndColor; }
  void SetGradientEndColor(TColor Value);

  void AdjustClientRect(TRect& Rect) override;
  void WndProc(TMessage& Message) override;
  const TPropTable& Properties() const override;

  // Fires after the caption, only at run time with Alpha below 255.
  TQvCustomDrawEvent OnCustomDraw;

 protected:
  void DrawBody(TBitmap32* Bitmap) override;
  virtual void DrawBorder(TBitmap32* Bitmap);
  void DrawCaption(TBitmap32* Bitmap);
  void DoFillGradientColor(TBitmap32* Bitmap);

 private:
  Byte FAlpha = DefaultAlpha;
  TSides FBorderSides = DefaultBorderSides;
  TColor FBorderColor = DefaultBorderColor;
  Byte FBorderAlpha = DefaultBorderAlpha;
  bool FDoubleBorder = DefaultDoubleBorder;
  bool FCaptionVisible = false;
  TQvResID FBackgroundImage;
  TQvPngFillType FBackgroundFillType = ftNormal;
  int FBackgroundOffsetX = 0;
  int FBackgroundOffsetY = 0;
  TGradientDirection FGradientDirection = DefaultGradientDirection;
  TGradientAlign FGradientAlign = gaCenter;
  int FGradientSize = DefaultGradientSize;
  TColor FGradientStartColor = DefaultGradientStartColor;
  TColor FGradientEndColor = DefaultGradientEndColor;
};

class TQvSkinPanel : public TQvSkinCustomPanel {
  QV_CLASS(TQvSkinPanel)
 public:
  using TQvSkinCustomPanel::TQvSkinCustomPanel;
};

}  // namespace qv
