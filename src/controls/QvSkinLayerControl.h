#pragma once
// TQvSkinCustomLayerControl: an image control whose picture (Bitmap) starts as what lies
// behind it: the parent's picture when Transparent, else the control's colour. The
// background is captured again after a move, a resize, a change of Transparent or a
// request of the parent (CWM_CHECKPARENTBG); descendants draw over it. Over the picture
// lie the control's layers (QvSkinLayerControlLayers.h): moving a layer repaints only the
// area it left and the area it covers, in the buffer and on the screen.
#include <memory>

#include "controls/QvSkinLayerControlLayers.h"
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
  // The layers over the picture, painted in order; owned.
  TLayerCollection* Layers() const { return FLayers.get(); }

  virtual void ScaleControlsForDpi(int NewPPI) {}
  virtual void DoDpiChangedProc(int NewPPI) {}

  void WndProc(TMessage& Message) override;
  const TPropTable& Properties() const override;

 protected:
  void DoPaintBuffer() override;
  // Brings the areas layers left or covered up to date in the buffer, then shows it.
  void Paint() override;
  bool FRedrawBackground = true;

 private:
  void CaptureBackground();
  // Collects Area for the next paint and invalidates it on the screen.
  void LayerAreaChanged(const TRect& Area);
  std::unique_ptr<TLayerCollection> FLayers;
  TRect FDirty;  // the union of the areas waiting; empty when none
  bool FTransparent = false;
  bool FHookPaintBufferProc = true;
};

}  // namespace qv
