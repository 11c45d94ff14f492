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
  const TQvResID& Picture() const { return FPicture; }
  void SetPicture(const TQvResID& Value) { Change(FPicture, Value); }
  // The ring colour; hides the panel's fill colour.
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { Change(FColor, Value); }

  void WriteProperties(TPropertyWriter& Writer) const override;
  bool ReadProperty(const String& Name, const TPropValue& Value) override;

 protected:
  void DrawBody(TBitmap32* Bitmap) override;

 private:
  TQvResID FPicture;
  TColor FColor = TColor(0xEBB71C);
};

}  // namespace qv
