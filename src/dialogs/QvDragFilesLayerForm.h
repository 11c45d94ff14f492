#pragma once
// TDragFilesLayerForm: the click-through overlay a drop target shows over its control while
// files are dragged: a layered window with the component's hint text in the middle and a
// dashed frame, letting the mouse through to the control below. It watches for the end of
// the drag every 100 ms and closes (and frees itself) then.
#include <memory>

#include "host/Form.h"
#include "raster/Bitmap32.h"

namespace qv {

class TQvSkinDragFile;
class TSimpleTimer;

class TDragFilesLayerForm : public TCustomForm {
  QV_CLASS(TDragFilesLayerForm)
 public:
  // Owned by the component that shows it, which supplies text, font and colours.
  explicit TDragFilesLayerForm(TQvSkinDragFile* AOwner);
  ~TDragFilesLayerForm() override;

  static constexpr bool DefaultLayerTransparent = true;
  static constexpr Cardinal WatchInterval = 100;
  // The mouse passes through the overlay (WS_EX_TRANSPARENT).
  bool LayerTransparent() const { return FLayerTransparent; }
  void SetLayerTransparent(bool Value);
  TColor LayerColor() const { return FLayerColor; }
  void SetLayerColor(TColor Value);
  // Opacity of the fill: 0 shows only the text and the frame.
  Byte LayerAlpha() const { return FLayerAlpha; }
  void SetLayerAlpha(Byte Value);
  // The shell's drag-image window the overlay was shown for, or 0.
  HWND SysDragImageHandle() const { return FSysDragImageHandle; }
  void SetSysDragImageHandle(HWND Value) { FSysDragImageHandle = Value; }

  // Shows the overlay on top without taking the activation.
  void ShowLayer();
  // Draws the fill, the text and the frame and hands them to the layered window.
  void ReDraw();
  // The overlay's look at Picture's size with the frame in FrameColor: the fill, the
  // owner's text in its font, the dashed frame.
  void DrawTo(TBitmap32& Picture, TColor FrameColor) const;
  // The picture the last ReDraw handed over.
  const TBitmap32& Picture() const { return FPicture; }
  // The end-of-drag watch (its timer's handler).
  void tmr1Timer();

 protected:
  void CreateParams(TCreateParams& Params) override;
  void DoClose(TCloseAction& Action) override;
  void Resize() override;
  void WndProc(TMessage& Message) override;

 private:
  void DoChanged();
  TQvSkinDragFile* FDragFile;
  bool FLayerTransparent = DefaultLayerTransparent;
  TColor FLayerColor = clBlack;
  Byte FLayerAlpha = 0;
  HWND FSysDragImageHandle = nullptr;
  std::unique_ptr<TSimpleTimer> tmr1;
  TBitmap32 FPicture;
};

}  // namespace qv
