#include "host/ControlsPlatform.h"
#include "host/CustomControl.h"

namespace qv {

TCustomControl::TCustomControl(TComponent* AOwner)
    : TWinControl(AOwner), FCanvas(std::make_unique<TCanvas>()) {}

TCustomControl::~TCustomControl() = default;

void TCustomControl::PaintWindow(HDC DC) {
  FControlState.Include(csCustomPaint);
  HDC Previous = FCanvas->HandleAllocated() ? FCanvas->Handle() : nullptr;
  FCanvas->SetHandle(DC);
  try {
    Paint();
  } catch (...) {
    FCanvas->SetHandle(Previous);
    FControlState.Exclude(csCustomPaint);
    throw;
  }
  FCanvas->SetHandle(Previous);
  FControlState.Exclude(csCustomPaint);
}

TGraphicControl::TGraphicControl(TComponent* AOwner)
    : TControl(AOwner), FCanvas(std::make_unique<TCanvas>()) {}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::WndProc(TMessage& Message) {
  if (Message.Msg == WM_PAINT && Message.WParam) {
    HDC Previous = FCanvas->HandleAllocated() ? FCanvas->Handle() : nullptr;
    FCanvas->SetHandle(reinterpret_cast<HDC>(Message.WParam));
    try {
      Paint();
    } catch (...) {
      FCanvas->SetHandle(Previous);
      throw;
    }
    FCanvas->SetHandle(Previous);
    return;
  }
  TControl::WndProc(Message);
}

}  // namespace qv
