#pragma once
// TCustomImage32_qv: a buffered paint box that shows a picture, its Bitmap, at the
// top-left corner over the control's colour. Changing the picture repaints the control.
// The least image control the skinned layer control needs: no scaling, no layers.
#include <memory>

#include "raster/PaintBox32.h"

namespace qv {

class TCustomImage32_qv : public TCustomPaintBox32_qv {
  QV_CLASS(TCustomImage32_qv)
 public:
  explicit TCustomImage32_qv(TComponent* AOwner);
  ~TCustomImage32_qv() override;

  // The picture shown; owned. Drawn by its own draw mode.
  TBitmap32* Bitmap() const { return FBitmap.get(); }
  void SetBitmap(TBitmap32* Value);
  TNotifyEvent OnBitmapChanged;

 protected:
  // The control's colour, then the picture.
  void DoPaintBuffer() override;
  virtual void BitmapChanged();

 private:
  std::unique_ptr<TBitmap32> FBitmap;
};

}  // namespace qv
