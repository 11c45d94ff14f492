#pragma once
// TQvSkinCustomShape: a filled and outlined geometric shape (circle, ellipse, rectangle,
// rounded rectangle, rounded square, square) or an SVG path, drawn anti-aliased over the
// control's background. TQvSkinShape is the published component.
#include <memory>

#include "controls/QvSkinCustomControl.h"
#include "controls/QvSkinShapePaint.h"

namespace qv {

class TQvSkinCustomShape : public TQvSkinCustomControl {
  QV_CLASS(TQvSkinCustomShape)
 public:
  // 65 × 65; a violet fill, no outline.
  explicit TQvSkinCustomShape(TComponent* AOwner);
  ~TQvSkinCustomShape() override;

  TQvShapeKind Shape() const { return FLook.Shape; }
  void SetShape(TQvShapeKind Value);
  // The fill; owned, its changes repaint. Setting it copies Value's settings.
  TQvBrush* Brush() const { return FBrush.get(); }
  void SetBrush(TQvBrush* Value) { FBrush->Assign(Value); }
  // The outline; owned, its changes repaint. Setting it copies Value's settings.
  TQvPen* Pen() const { return FPen.get(); }
  void SetPen(TQvPen* Value) { FPen->Assign(Value); }
  // Opacity of the fill.
  Byte Alpha() const { return FLook.Alpha; }
  void SetAlpha(Byte Value);
  // Corner radius of the rounded kinds; values below 1 become 1.
  int RoundRadius() const { return FLook.RoundRadius; }
  void SetRoundRadius(int Value);
  // Path data drawn by skSVG.
  const String& SvgPath() const { return FLook.SvgPath; }
  void SetSvgPath(const String& Value);

  const TPropTable& Properties() const override;

 protected:
  void DrawBody(TBitmap32* Bitmap) override;

 private:
  TQvShapeLook FLook;
  std::unique_ptr<TQvBrush> FBrush;
  std::unique_ptr<TQvPen> FPen;
};

class TQvSkinShape : public TQvSkinCustomShape {
  QV_CLASS(TQvSkinShape)
 public:
  using TQvSkinCustomShape::TQvSkinCustomShape;
};

}  // namespace qv
