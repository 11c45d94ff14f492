#pragma once
// TQvSkinCustomLayerControl: an image control whose picture (Bitmap) starts as what lies
// behind it: the parent's picture when Transparent, else the control's colour. The
// background is captured again after a move, a resize, a change of Transparent or a
// request of the parent (CWM_CHECKPARENTBG); descendants draw over it.
#include "raster/Image32.h"

namespace qv {

class TQvSkinCustomLayerControl : public TCustomImage32_qv {
  QV_CLASS(TQvSkinCustomLayerControl)
 public:
  explicit TQvSkinCustomLayerControl(TComponent* AOwner);
  ~TQvSkinCustomLayerControl() override;

  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  // Whether the background is captured at all.
  bool HookPaintBufferProc() const { return FHookPaintBufferProc; }
  void SetHookPaintBufferProc(bool Value) { FHookPaintBufferProc = Value; }
  // The background waits to be captured again.
  bool RedrawBackground() const { return FRedrawBackground; }

  virtual void ScaleControlsForDpi(int NewPPI) {}
  virtual void DoDpiChangedProc(int NewPPI) {}

  void WndProc(TMessage& Message) override;
  const TPropTable& Properties() const override;

 protected:
  void DoPaintBuffer() override;
  bool FRedrawBackground = true;

 private:
  bool FTransparent = false;
  bool FHookPaintBufferProc = true;
};

}  // namespace qv
