#include "host/CanvasGlue.h"
#include "host/ControlsPlatform.h"
#include "host/CustomControl.h"

namespace qv {

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner), FCanvas(NewCanvas()) {}

TCustomControl::~TCustomControl() = default;

void TCustomControl::PaintWindow(HDC DC) {
  FControlState.Include(csCustomPaint);
  HDC Previous = CanvasHandle(FCanvas.get());
  SetCanvasHandle(FCanvas.get(), DC);
  try {
    Paint();
  } catch (...) {
    SetCanvasHandle(FCanvas.get(), Previous);
    FControlState.Exclude(csCustomPaint);
    throw;
  }
  SetCanvasHandle(FCanvas.get(), Previous);
  FControlState.Exclude(csCustomPaint);
}

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner), FCanvas(NewCanvas()) {}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::WndProc(TMessage& Message) {
  if (Message.Msg == WM_PAINT && Message.WParam) {
    HDC Previous = CanvasHandle(FCanvas.get());
    SetCanvasHandle(FCanvas.get(), reinterpret_cast<HDC>(Message.WParam));
    try {
      Paint();
    } catch (...) {
      SetCanvasHandle(FCanvas.get(), Previous);
      throw;
    }
    SetCanvasHandle(FCanvas.get(), Previous);
    return;
  }
  TControl::WndProc(Message);
}

}  // namespace qv
