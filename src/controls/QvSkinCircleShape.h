#pragma once
// TQvSkinCircleShape: a skin picture shown clipped to a circle (the ellipse inscribed in
// the control) and edged with a coloured ring, over the control's background. A panel
// whose own fill and border are not drawn.
#include "controls/QvSkinPanel.h"

namespace qv {

class TQvSkinCircleShape : public TQvSkinCustomPanel {
  QV_CLASS(TQvSkinCircleShape)
 public:
  // 120 × 120, no fill, no border lines.
  explicit TQvSkinCircleShape(TComponent* AOwner);

  // The skin picture shown (resource ID or file name).
  static constexpr TColor DefaultRingColor = TColor(0xEBB71C);
  const TQvResID& Picture() const { return FPicture; }
  void SetPicture(const TQvResID& Value) { Change(FPicture, Value); }
  // Color (the framework's) is the ring colour here; the panel's fill is not drawn.

  const TPropTable& Properties() const override;

 protected:
  void DrawBody(TBitmap32* Bitmap) override;

 private:
  TQvResID FPicture;
};

}  // namespace qv
