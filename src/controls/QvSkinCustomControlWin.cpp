#include <windows.h>

#include "controls/QvAccessibleWin.h"
#include "controls/QvSkinCustomControl.h"
#include "forms/QvMessages.h"
#include "forms/QvSkinHelper.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"

// Newer than the systems the headers are set for.
#ifndef WM_DPICHANGED_AFTERPARENT
#define WM_DPICHANGED_AFTERPARENT 0x02E3
#endif

namespace qv {

TQvSkinCustomControl::TQvSkinCustomControl(TComponent* AOwner) : TCustomPaintBox32_qv(AOwner) {
  // The buffer has exactly the control's size: no pixels are wasted.
  SetBufferOversize(0);
  SetColor(DefaultColor);
  if (!Designing())
    if (TQvWinControlHelper* Registry = TQvWinControlHelperObj()) Registry->Add(this);
}

TQvSkinCustomControl::~TQvSkinCustomControl() {
  if (TQvWinControlHelper* Registry = TQvWinControlHelperObj()) Registry->Remove(this);
}

TBitmap32* TQvSkinCustomControl::GetBackgroundPicture() {
  if (!BufferValid() && !FPaintingBuffer && Parent()) DoPaintBuffer();
  return Buffer();
}

TRect TQvSkinCustomControl::BackgroundRect() const {
  return TRect{Left() + FXOffset, Top() + FYOffset, Left() + Width() + FXOffset,
               Top() + Height() + FYOffset};
}

// ---- painting ---------------------------------------------------------------------

void TQvSkinCustomControl::DoPaintBuffer() {
  TBitmap32* B = Buffer();
  {
    TScopedValue Painting(FPaintingBuffer, true);
    auto Updating = UpdateScope(*B);
    bool Handled = false;
    DoOnBackgroundChanging(B, Handled);
    if (!Handled) {
      if (FTransparent)
        DrawParentImage(this, B, BackgroundRect());
      else
        B->FillRectS(0, 0, Width(), Height(), Color32(BackgroundColor()));
    }
    DoOnBackgroundChanged(B);
    // While sizing with DelayRefresh the body waits for the delayed refresh.
    if (!FStopDrawBody) DrawBody(B);
  }
  TCustomPaintBox32_qv::DoPaintBuffer();
  // A control reaching out of its parent renders again on every paint.
  TWinControl* P = Parent();
  SetBufferValid(P && Left() >= 0 && Top() >= 0 && P->Width() >= Left() + Width() &&
                 P->Height() >= Top() + Height());
}

void TQvSkinCustomControl::DoBufferResized(int OldWidth, int OldHeight) {
  TCustomPaintBox32_qv::DoBufferResized(OldWidth, OldHeight);
}

void TQvSkinCustomControl::DoOnBackgroundChanging(TBitmap32* Bitmap, bool& Handled) {
  if (OnBackgroundChanging) OnBackgroundChanging(this, Bitmap, Handled);
}

void TQvSkinCustomControl::DoOnBackgroundChanged(TBitmap32* Bitmap) {
  if (OnBackgroundChanged) OnBackgroundChanged(this, Bitmap);
}

void TQvSkinCustomControl::DoVisibleChanged() {
  if (!Designing() && OnVisibleChanged) OnVisibleChanged(this);
}

void TQvSkinCustomControl::Resize() {
  TBitmap32* B = Buffer();
  auto Updating = UpdateScope(*B);
  TCustomPaintBox32_qv::Resize();
  B->Clear(Color32(BackgroundColor()));
}

// ---- window ------------------------------------------------------------------------

void TQvSkinCustomControl::CreateParams(TCreateParams& Params) {
  TCustomPaintBox32_qv::CreateParams(Params);
  Params.Style |= WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
}

void TQvSkinCustomControl::AdjustClientRect(TRect& Rect) {
  TCustomPaintBox32_qv::AdjustClientRect(Rect);
  // Every re-alignment of the children repaints the control.
  if (!Designing()) Invalidate();
}

void TQvSkinCustomControl::InvalidateNC() {
  if (HandleAllocated() && HasNonClientArea(Handle())) SendMessageW(Handle(), WM_NCPAINT, 0, 0);
}

void TQvSkinCustomControl::RefreshSubControl(bool All) {
  if (Designing() || All) return;
  for (int I = 0; I < ControlCount(); ++I)
    if (auto* W = dynamic_cast<TWinControl*>(Controls(I)); W && W->HandleAllocated())
      PostMessageW(W->Handle(), CWM_CHECKPARENTBG, 0, 0);
}

// ---- accessibility ----------------------------------------------------------------

TQvAccessibleInfo TQvSkinCustomControl::AccessibleInfo() const {
  TQvAccessibleInfo Info;
  if (!Enabled()) Info.State.Include(asDisabled);
  if (!Visible()) Info.State.Include(asInvisible);
  return Info;
}

void TQvSkinCustomControl::NotifyAccessible(TQvAccEvent Event) {
  NotifyAccessibleWindow(this, Event);
}

bool TQvSkinCustomControl::ShowsFocusCues() {
  if (!HandleAllocated()) return false;
  return (SendMessageW(Handle(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0;
}

void TQvSkinCustomControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETOBJECT:
      if ((Message.Result = AccessibleObjectResult(this, Message.WParam, Message.LParam))) return;
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      // Focus cues and focused looks repaint; screen readers follow the focus.
      TCustomPaintBox32_qv::WndProc(Message);
      Invalidate();
      if (Message.Msg == WM_SETFOCUS) NotifyAccessible(aeFocus);
      return;
    case WM_UPDATEUISTATE:
      TCustomPaintBox32_qv::WndProc(Message);
      Invalidate();
      return;
    case WM_NCPAINT:
      // Without a frame or bars there is nothing to paint, and the platform's handler
      // would still fetch a window device context for every repainted control.
      if (HandleAllocated() && !HasNonClientArea(Handle())) {
        Message.Result = 0;
        return;
      }
      break;
    case WM_ERASEBKGND:
      if (FEraseBackground && Message.WParam != 0 && Message.LParam == 1)
        Buffer()->DrawTo(reinterpret_cast<HDC>(Message.WParam), 0, 0);
      Message.Result = 1;
      return;
    case WM_MOVE:
      TCustomPaintBox32_qv::WndProc(Message);
      if (FAutoInvalidate) {
        Invalidate();
        RefreshSubControl(false);
      }
      return;
    case WM_SIZE:
      if (FDelayRefresh && !Designing()) {
        FStopDrawBody = true;
        if (HandleAllocated()) {
          KillTimer(Handle(), kDelayRefreshTimer);
          SetTimer(Handle(), kDelayRefreshTimer, 10, nullptr);
        }
      }
      break;
    case WM_TIMER:
      if (Message.WParam == kDelayRefreshTimer) {
        if (HandleAllocated()) KillTimer(Handle(), kDelayRefreshTimer);
        FStopDrawBody = false;
        Invalidate();
        // Children that captured this control while it had no body capture it again.
        RefreshSubControl(false);
        return;
      }
      break;
    case WM_WINDOWPOSCHANGED:
      if (!Designing() && !Destroying()) ResizeBuffer();
      SetBufferValid(false);
      break;
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
      TCustomPaintBox32_qv::WndProc(Message);
      Invalidate();
      return;
    case CM_VISIBLECHANGED:
      TCustomPaintBox32_qv::WndProc(Message);
      DoVisibleChanged();
      return;
    case WM_DPICHANGED_AFTERPARENT:
      // The tree was scaled to the DPI in WParam (bounds and fonts are final): kept pixel
      // sizes follow, then the application hears of it.
      if (Message.WParam > 0) {
        ScaleControlsForDpi(int(Message.WParam));
        Invalidate();
        if (OnDPIChanged) OnDPIChanged(this, int(Message.WParam));
      }
      return;
    case CWM_CHECKPARENTBG:
      if (!Designing()) {
        Invalidate();
        InvalidateNC();
      }
      return;
  }
  TCustomPaintBox32_qv::WndProc(Message);
}

// ---- object text form ---------------------------------------------------------------

const TPropTable& TQvSkinCustomControl::Properties() const {
  using C = TQvSkinCustomControl;
  static const TPropTable Table = TCustomPaintBox32_qv::Properties().With({
      Prop(L"AutoInvalidate", &C::AutoInvalidate, &C::SetAutoInvalidate),
      ColorProp(L"Color", &C::Color, &C::SetColor, DefaultColor),
      Prop(L"EraseBackground", &C::EraseBackground, &C::SetEraseBackground),
      Prop(L"Transparent", &C::Transparent, &C::SetTransparent, DefaultTransparent),
  });
  return Table;
}

}  // namespace qv
