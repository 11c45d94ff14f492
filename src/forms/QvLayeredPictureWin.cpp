#include <windows.h>

#include "forms/QvLayeredPicture.h"
#include "host/GraphicsWin.h"

namespace qv {

void UpdateLayeredPicture(HWND Wnd, const TBitmap32& Picture) {
  if (!Wnd || Picture.Empty()) return;
  // The platform composes premultiplied colour.
  TBitmap32 Pre;
  Pre.SetSize(Picture.Width(), Picture.Height());
  for (Integer Y = 0; Y < Picture.Height(); ++Y)
    PremultiplyRow(reinterpret_cast<const uint8_t*>(Picture.ScanLine(Y)),
                   reinterpret_cast<uint8_t*>(Pre.ScanLine(Y)), Picture.Width());
  RECT R;
  GetWindowRect(Wnd, &R);
  POINT Dst{R.left, R.top}, Src{0, 0};
  SIZE Size{Pre.Width(), Pre.Height()};
  BLENDFUNCTION Blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  HDC Screen = GetDC(nullptr);
  UpdateLayeredWindow(Wnd, Screen, &Dst, &Size, Pre.Handle(), &Src, 0, &Blend, ULW_ALPHA);
  ReleaseDC(nullptr, Screen);
}

}  // namespace qv
