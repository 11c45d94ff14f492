#include "host/ControlsWin.h"
#include "host/CustomControl.h"
#include "host/ScopeGuard.h"

namespace qv {

namespace {

// Points a canvas at a device context for one paint and back afterwards.
class TCanvasOn {
 public:
  TCanvasOn(TCanvas& Canvas, HDC DC)
      : FCanvas(Canvas), FPrevious(Canvas.HandleAllocated() ? Canvas.Handle() : nullptr) {
    Canvas.SetHandle(DC);
  }
  ~TCanvasOn() { FCanvas.SetHandle(FPrevious); }

 private:
  TCanvas& FCanvas;
  HDC FPrevious;
};

}  // namespace

TCustomControl::TCustomControl(TComponent* AOwner)
    : TWinControl(AOwner), FCanvas(std::make_unique<TCanvas>()) {}

TCustomControl::~TCustomControl() = default;

void TCustomControl::PaintWindow(HDC DC) {
  TCanvasOn On(*FCanvas, DC);
  FControlState.Include(csCustomPaint);
  TScopeExit Done([&] { FControlState.Exclude(csCustomPaint); });
  Paint();
}

TGraphicControl::TGraphicControl(TComponent* AOwner)
    : TControl(AOwner), FCanvas(std::make_unique<TCanvas>()) {}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::WndProc(TMessage& Message) {
  if (Message.Msg == WM_PAINT && Message.WParam) {
    TCanvasOn On(*FCanvas, reinterpret_cast<HDC>(Message.WParam));
    Paint();
    return;
  }
  TControl::WndProc(Message);
}

}  // namespace qv
