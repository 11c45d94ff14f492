#pragma once
// TQvURLButton: a link. A label that writes its caption in FontHot while the pointer is
// over it, shows the hand cursor, and takes the focus when clicked.
#include <memory>

#include "controls/QvSkinLabel.h"

namespace qv {

class TQvURLButton : public TQvSkinLabel {
  QV_CLASS(TQvURLButton)
 public:
  explicit TQvURLButton(TComponent* AOwner);
  ~TQvURLButton() override;
  static constexpr TColor DefaultHotColor = clBlue;

  // Caption font while hovered; the setter copies.
  TFont* FontHot() const { return FFontHot.get(); }
  void SetFontHot(TFont* Value);
  bool Hovered() const { return FHover; }

  void Click() override;
  void WndProc(TMessage& Message) override;
  TQvAccessibleInfo AccessibleInfo() const override;
  bool DoAccessibleDefaultAction() override;
  const TPropTable& Properties() const override;

 protected:
  void DrawBody(TBitmap32* Bitmap) override;

 private:
  std::unique_ptr<TFont> FFontHot;
  bool FHover = false;
};

}  // namespace qv
