#include <windows.h>

#include "forms/QvFormBorder.h"
#include "forms/QvSkinForm.h"
#include "forms/QvSkinFormDpi.h"
#include "host/ControlScale.h"
#include "host/Form.h"
#include "host/Platform.h"
#include "host/ScopeGuard.h"

// Newer than the systems the headers are set for; older systems never send it.
#ifndef WM_GETDPISCALEDSIZE
#define WM_GETDPISCALEDSIZE 0x02E4
#endif

namespace qv {

namespace {

bool DpiChanged(TQvSkinForm& SkinForm, TCustomForm& Form, int NewPPI, const RECT* Suggested) {
  if (!Form.HandleAllocated()) return false;
  HWND H = Form.Handle();
  // Every scaled metric of the form (title, title-bar controls, border, the children's
  // drawing) asks the window's DPI: it answers the new one from here on.
  SetWindowPixelsPerInch(H, NewPPI);
  SkinForm.BeginChange();  // one repaint at the end
  TScopeExit End([&] { SkinForm.EndChange(); });
  const TRect Old = Form.BoundsRect();
  const TRect New =
      Suggested ? Rect(Suggested->left, Suggested->top, Suggested->right, Suggested->bottom) : Old;
  ScaleForPPI(&Form, NewPPI, &New);
  // The same window rectangle: the title height changed all the same.
  if (New == Old)
    SetWindowPos(H, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SkinForm.DoDPICHANGED();
  // The border takes its pieces again (DPI variants) and follows the new bounds.
  if (TQvFormLayerBorder* Border = SkinForm.ImageBorder()) Border->SetBoundsWithForm();
  return true;
}

}  // namespace

bool SkinFormDpiMessage(TQvSkinForm& SkinForm, TMessage& Message) {
  TCustomForm* Form = SkinForm.DestForm();
  const int NewPPI = LOWORD(Message.WParam);
  if (!AppIsHighDPIMode() || !Form || NewPPI <= 0 ||
      SkinForm.ComponentState().Contains(csDesigning))
    return false;
  switch (Message.Msg) {
    case WM_DPICHANGED:
      if (!DpiChanged(SkinForm, *Form, NewPPI, reinterpret_cast<const RECT*>(Message.LParam)))
        return false;
      Message.Result = 0;
      return true;
    case WM_GETDPISCALEDSIZE: {
      auto* Size = reinterpret_cast<SIZE*>(Message.LParam);
      if (!Size) return false;
      const TSize S = ScaledSize(Form, NewPPI);
      Size->cx = S.cx;
      Size->cy = S.cy;
      Message.Result = TRUE;
      return true;
    }
  }
  return false;
}

}  // namespace qv
