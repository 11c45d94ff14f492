#pragma once
// TCustomPaintBox32_qv: a windowed control that paints into a 32-bit back buffer and
// copies the buffer to its window. The buffer is repainted (DoPaintBuffer) only while it
// is invalid; it keeps some slack when the control grows so that small size changes do
// not reallocate it. Every skinned control is built on it.
#include <memory>
#include <vector>

#include "host/CustomControl.h"
#include "host/PlatformTypes.h"
#include "raster/Bitmap32.h"

namespace qv {

class TCustomPaintBox32_qv : public TCustomControl {
  QV_CLASS(TCustomPaintBox32_qv)
 public:
  explicit TCustomPaintBox32_qv(TComponent* AOwner);
  ~TCustomPaintBox32_qv() override;

  TBitmap32* Buffer() const { return FBuffer.get(); }
  int BufferOversize() const { return FBufferOversize; }
  void SetBufferOversize(int Value);
  // False: the buffer must be painted again before it is shown.
  bool BufferValid() const { return FBufferValid; }
  void SetBufferValid(bool Value) { FBufferValid = Value; }
  TRepaintMode RepaintMode() const { return FRepaintMode; }
  virtual void SetRepaintMode(TRepaintMode Value);
  TPaintBoxOptions Options() const { return FOptions; }
  void SetOptions(TPaintBoxOptions Value) { FOptions = Value; }
  // The mouse is over the control (kept by MouseEnter/MouseLeave).
  bool MouseInControl() const { return FMouseInControl; }
  // Rectangles of the buffer changed since the last copy (partial repaint modes).
  const std::vector<TRect>& InvalidRects() const { return FInvalidRects; }

  void Invalidate() override;
  // Forces the next paint to copy the whole buffer, and invalidates.
  virtual void ForceFullInvalidate();
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void Loaded() override;
  void WndProc(TMessage& Message) override;
  // Brings the buffer to the viewport's size by the oversize rule.
  void ResizeBuffer();

  TNotifyEvent OnGDIOverlay;

 protected:
  void Paint() override;
  // True while a partial (rectangle-wise) repaint is pending.
  virtual bool CustomRepaint();
  virtual bool InvalidRectsAvailable();
  virtual void DoPrepareInvalidRects();
  // Fills the buffer; the base marks it valid and forgets the invalid rectangles.
  virtual void DoPaintBuffer();
  virtual void DoPaintGDIOverlay();
  virtual void DoBufferResized(int OldWidth, int OldHeight);
  // Hooks for the mouse entering (after the framework's handling and OnMouseEnter) and
  // leaving (before them); MouseInControl already tells the new state.
  virtual void MouseEnter() {}
  virtual void MouseLeave() {}
  // The part of the client area the buffer shows: the whole client rectangle.
  virtual TRect GetViewportRect();
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Resize() override;

  bool FForceFullRepaint = true;

 private:
  void AreaChanged(const TRect& Area);
  void CopyBuffer(HDC DC);
  std::unique_ptr<TBitmap32> FBuffer;
  int FBufferOversize = 40;
  bool FBufferValid = false;
  TRepaintMode FRepaintMode = rmFull;
  TPaintBoxOptions FOptions;
  bool FMouseInControl = false;
  std::vector<TRect> FInvalidRects;    // what the next paint copies (when not empty)
  std::vector<TRect> FOptimizerRects;  // areas the optimiser collected since the last paint
};

}  // namespace qv
