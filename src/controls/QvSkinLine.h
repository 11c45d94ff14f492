#pragma once
// TQvSkinLine: a horizontal or vertical separator line, solid or dashed, with an optional
// two-colour gradient band that fades it out towards its ends. With the framework's
// AutoSize (stored only here) every size change keeps the thickness at 3 pixels.
#include "controls/QvSkinCustomControl.h"
#include "controls/QvSkinLinePaint.h"

namespace qv {

class TQvSkinLine : public TQvSkinCustomControl {
  QV_CLASS(TQvSkinLine)
 public:
  // 255 × 3, repainting itself when moved.
  explicit TQvSkinLine(TComponent* AOwner);

  // The orientation; a control whose shape does not match it swaps width and height.
  TLineKind Kind() const { return FLook.Kind; }
  void SetKind(TLineKind Value);
  TQvPenStyle Style() const { return FLook.Style; }
  void SetStyle(TQvPenStyle Value) { Change(FLook.Style, Value); }
  // Color (the framework's) is the line's colour; the background stays white.
  TColor BackgroundColor() const override { return DefaultColor; }
  // Paint the gradient band over the line.
  bool ActiveGradient() const { return FLook.ActiveGradient; }
  void SetActiveGradient(bool Value) { Change(FLook.ActiveGradient, Value); }
  TGradientAlign GradientAlign() const { return FLook.GradientAlign; }
  void SetGradientAlign(TGradientAlign Value) { Change(FLook.GradientAlign, Value); }
  // Band length in percent of the line's length; values outside 0 .. 100 are ignored (the
  // line still repaints).
  int GradientSize() const { return FLook.GradientSize; }
  void SetGradientSize(int Value);
  TColor GradientStartColor() const { return FLook.GradientStartColor; }
  void SetGradientStartColor(TColor Value) { Change(FLook.GradientStartColor, Value); }
  TColor GradientEndColor() const { return FLook.GradientEndColor; }
  void SetGradientEndColor(TColor Value) { Change(FLook.GradientEndColor, Value); }
  void WndProc(TMessage& Message) override;
  const TPropTable& Properties() const override;

 protected:
  void DrawBody(TBitmap32* Bitmap) override;

 private:
  TQvLineLook FLook;
};

}  // namespace qv
