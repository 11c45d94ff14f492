#pragma once
// TQvSkinSizeGrip: a small skinned control for a form's bottom-right corner; a press on it
// starts the platform's sizing of the form from that corner. On a maximised form it shows
// nothing and a press is an ordinary click.
#include "controls/QvSkinCustomControl.h"

namespace qv {

class TCustomForm;

class TQvSkinSizeGrip : public TQvSkinCustomControl {
  QV_CLASS(TQvSkinSizeGrip)
 public:
  static constexpr const wchar_t* DefaultImage = L"QvSkinDrag_flag";
  explicit TQvSkinSizeGrip(TComponent* AOwner);

  const String& Image() const { return FImage; }
  void SetImage(const String& Value);
  // The grip sizes its form: there is one and it is not maximised.
  bool Dragged() const { return FDragged; }

  void WndProc(TMessage& Message) override;
  const TPropTable& Properties() const override;

 protected:
  void DrawBody(TBitmap32* Bitmap) override;

 private:
  void UpdateDragged();
  String FImage = DefaultImage;
  bool FDragged = false;
  TCustomForm* FDestForm = nullptr;  // the top-level form, looked up at each paint and press
};

}  // namespace qv
