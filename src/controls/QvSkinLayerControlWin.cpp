#include <windows.h>

#include <algorithm>

#include "controls/QvSkinLayerControl.h"
#include "forms/QvMessages.h"
#include "forms/QvSkinHelper.h"
#include "graphics/QvCommParentImage.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"

namespace qv {

TQvSkinCustomLayerControl::TQvSkinCustomLayerControl(TComponent* AOwner)
    : TCustomImage32_qv(AOwner), FLayers(std::make_unique<TLayerCollection>()) {
  FLayers->OnAreaChanged = [this](const TRect& Area) { LayerAreaChanged(Area); };
  if (!Designing())
    if (TQvWinControlHelper* Registry = TQvWinControlHelperObj()) Registry->Add(this);
}

TQvSkinCustomLayerControl::~TQvSkinCustomLayerControl() {
  if (TQvWinControlHelper* Registry = TQvWinControlHelperObj()) Registry->Remove(this);
  // Layers going with the control repaint nothing.
  FLayers->OnAreaChanged = nullptr;
}

void TQvSkinCustomLayerControl::SetTransparent(bool Value) {
  if (FTransparent == Value) return;
  FTransparent = Value;
  FRedrawBackground = true;
  Invalidate();
}

void TQvSkinCustomLayerControl::CaptureBackground() {
  if (!FHookPaintBufferProc || !FRedrawBackground || Designing() || Width() <= 0 || Height() <= 0)
    return;
  FRedrawBackground = false;
  // Captured before the buffer is painted, so one paint shows it.
  TBitmap32* B = Bitmap();
  auto Updating = UpdateScope(*B);
  B->SetSize(Width(), Height());
  if (FTransparent)
    DrawParentImage(this, B, BoundsRect());
  else
    B->Clear(Color32(Color()));
}

void TQvSkinCustomLayerControl::DoPaintBuffer() {
  CaptureBackground();
  FDirty = TRect{};
  // The whole buffer is shown after a full paint: no area notices meanwhile.
  auto Updating = UpdateScope(*Buffer());
  TCustomImage32_qv::DoPaintBuffer();
  FLayers->Paint(Buffer());
}

void TQvSkinCustomLayerControl::LayerAreaChanged(const TRect& Area) {
  TRect R;
  if (!IntersectRect(R, Area, Rect(0, 0, Width(), Height()))) return;
  // Without a window, or with a full paint pending, the next paint shows everything.
  if (!HandleAllocated() || !BufferValid()) return;
  FDirty = FDirty.Right > FDirty.Left
               ? Rect(std::min(FDirty.Left, R.Left), std::min(FDirty.Top, R.Top),
                      std::max(FDirty.Right, R.Right), std::max(FDirty.Bottom, R.Bottom))
               : R;
  RECT W{R.Left, R.Top, R.Right, R.Bottom};
  InvalidateRect(Handle(), &W, FALSE);
}

void TQvSkinCustomLayerControl::Paint() {
  const TRect R = FDirty;
  FDirty = TRect{};
  TBitmap32* B = Buffer();
  HDC DC = B->Handle();
  if (BufferValid() && R.Right > R.Left && R.Bottom > R.Top && DC) {
    // One pass over the areas' union. The platform's text obeys the device context's clip,
    // the raster's the clip rectangle: nothing outside is drawn twice. The window already
    // waits for these areas, so the buffer raises no change notices.
    auto Updating = UpdateScope(*B);
    const int Saved = SaveDC(DC);
    IntersectClipRect(DC, R.Left, R.Top, R.Right, R.Bottom);
    B->SetClipRect(R);
    TScopeExit Restore([&] {
      B->SetClipRect(B->BoundsRect());
      RestoreDC(DC, Saved);
    });
    B->FillRectS(R, Color32(Color()));
    if (!Bitmap()->Empty()) B->Draw(0, 0, Bitmap());
    FLayers->Paint(B, R);
  }
  TCustomImage32_qv::Paint();
}

void TQvSkinCustomLayerControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_MOVE:
    case WM_SIZE:
      FRedrawBackground = true;
      break;
    case CWM_CHECKPARENTBG:
      if (!Designing()) {
        FRedrawBackground = true;
        Invalidate();
      }
      return;
  }
  TCustomImage32_qv::WndProc(Message);
}

const TPropTable& TQvSkinCustomLayerControl::Properties() const {
  using C = TQvSkinCustomLayerControl;
  static const TPropTable Table = TCustomImage32_qv::Properties().With({
      Prop(L"Transparent", &C::Transparent, &C::SetTransparent),
  });
  return Table;
}

}  // namespace qv
