#include "Screenshot.h"

#include "host/Streams.h"
#include "raster/Bitmap32.h"
#include "raster/Gr32Png.h"

namespace gallery {

void SaveWindowScreenshot(HWND Window, const qv::String& FileName) {
  RECT R;
  GetWindowRect(Window, &R);
  qv::TBitmap32 Shot;
  Shot.SetSize(R.right - R.left, R.bottom - R.top);
  HDC Screen = GetDC(nullptr);
  Shot.Draw(qv::TRect{0, 0, Shot.Width(), Shot.Height()}, qv::TRect{R.left, R.top, R.right, R.bottom},
            Screen);
  ReleaseDC(nullptr, Screen);
  Shot.ResetAlpha();
  std::vector<uint8_t> Png;
  if (!qv::SaveBitmap32ToPNG(&Shot, Png)) throw qv::Exception(L"Cannot encode " + FileName);
  qv::WriteFileBytes(FileName, Png);
}

void PumpMessages(int Milliseconds) {
  DWORD End = GetTickCount() + DWORD(Milliseconds);
  MSG M;
  while (GetTickCount() < End) {
    while (PeekMessageW(&M, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&M);
      DispatchMessageW(&M);
    }
    Sleep(10);
  }
}

}  // namespace gallery
