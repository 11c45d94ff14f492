#pragma once
// TQvSkinCornerButton: a colour button whose face is a rounded rectangle with each corner
// rounded or square, an anti-aliased outline and straight borders of a chosen width.
#include "controls/QvSkinColorButton.h"

namespace qv {

class TQvSkinCustomCornerButton : public TQvSkinCustomColorButton {
  QV_CLASS(TQvSkinCustomCornerButton)
 public:
  explicit TQvSkinCustomCornerButton(TComponent* AOwner);
  static constexpr TQvCorners DefaultCorners = {TopLeft, TopRight, BottomLeft, BottomRight};
  static constexpr int DefaultBorderWidth = 1;

  // The rounded corners; the others are square.
  TQvCorners Corners() const { return FCorners; }
  void SetCorners(TQvCorners Value) { Change(FCorners, Value); }
  // Width of the straight borders and base of the outline's width.
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int Value) { Change(FBorderWidth, Value); }
  const TPropTable& Properties() const override;

 protected:
  void DrawBody(TBitmap32* Bitmap) override;

 private:
  TQvCorners FCorners = DefaultCorners;
  int FBorderWidth = DefaultBorderWidth;
};

class TQvSkinCornerButton : public TQvSkinCustomCornerButton {
  QV_CLASS(TQvSkinCornerButton)
 public:
  using TQvSkinCustomCornerButton::TQvSkinCustomCornerButton;
};

}  // namespace qv
