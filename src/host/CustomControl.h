#pragma once
// TCustomControl: a windowed control that paints itself on a canvas (Paint);
// TGraphicControl: a control without a window that paints on its parent's window.
#include <memory>

#include "host/Canvas.h"
#include "host/PlatformTypes.h"
#include "host/WinControl.h"

namespace qv {

class TCustomControl : public TWinControl {
  QV_CLASS(TCustomControl)
 public:
  explicit TCustomControl(TComponent* AOwner);
  ~TCustomControl() override;
  // The canvas over the device context being painted (inside Paint), or over the
  // window's own context otherwise.
  TCanvas* Canvas() const { return FCanvas.get(); }
  void PaintWindow(HDC DC) override;

 protected:
  virtual void Paint() {}

 private:
  std::unique_ptr<TCanvas> FCanvas;
};

class TGraphicControl : public TControl {
  QV_CLASS(TGraphicControl)
 public:
  explicit TGraphicControl(TComponent* AOwner);
  ~TGraphicControl() override;
  TCanvas* Canvas() const { return FCanvas.get(); }
  void WndProc(TMessage& Message) override;

 protected:
  virtual void Paint() {}

 private:
  std::unique_ptr<TCanvas> FCanvas;
};

}  // namespace qv
