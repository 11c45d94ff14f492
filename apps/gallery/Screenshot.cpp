#include "Screenshot.h"

#include <cstring>

#include "host/Streams.h"
#include "raster/Gr32Png.h"

namespace gallery {

namespace {

void Capture(HWND Window, qv::TBitmap32& Shot) {
  RECT R;
  GetWindowRect(Window, &R);
  Shot.SetSize(R.right - R.left, R.bottom - R.top);
  HDC Screen = GetDC(nullptr);
  Shot.Draw(qv::TRect{0, 0, Shot.Width(), Shot.Height()},
            qv::TRect{R.left, R.top, R.right, R.bottom}, Screen);
  ReleaseDC(nullptr, Screen);
  Shot.ResetAlpha();
}

bool SamePixels(const qv::TBitmap32& A, const qv::TBitmap32& B) {
  return A.Width() == B.Width() && A.Height() == B.Height() &&
         std::memcmp(A.Bits(), B.Bits(), size_t(A.Width()) * size_t(A.Height()) * 4) == 0;
}

// Dispatches every waiting message; true when there was any.
bool DrainMessages() {
  bool Any = false;
  MSG M;
  while (PeekMessageW(&M, nullptr, 0, 0, PM_REMOVE)) {
    Any = true;
    TranslateMessage(&M);
    DispatchMessageW(&M);
  }
  return Any;
}

}  // namespace

void CaptureWhenStill(HWND Window, const std::function<bool()>& Ready, qv::TBitmap32& Shot,
                      int TimeoutMs) {
  const DWORD Start = GetTickCount();
  qv::TBitmap32 Next;
  bool HavePrevious = false;
  for (;;) {
    // Idle wait: lets the display catch up and posted or timer messages arrive.
    MsgWaitForMultipleObjectsEx(0, nullptr, 30, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (DrainMessages() || !Ready()) {
      HavePrevious = false;
    } else {
      Capture(Window, Next);
      if (HavePrevious && SamePixels(Next, Shot)) return;
      Shot.SetSize(Next.Width(), Next.Height());
      std::memcpy(Shot.Bits(), Next.Bits(), size_t(Next.Width()) * size_t(Next.Height()) * 4);
      HavePrevious = true;
    }
    if (GetTickCount() - Start > DWORD(TimeoutMs))
      throw qv::Exception(L"The window did not come to rest within " + std::to_wstring(TimeoutMs) +
                          L" ms");
  }
}

void SavePng(qv::TBitmap32& Picture, const qv::String& FileName) {
  std::vector<uint8_t> Png;
  if (!qv::SaveBitmap32ToPNG(&Picture, Png)) throw qv::Exception(L"Cannot encode " + FileName);
  qv::WriteFileBytes(FileName, Png);
}

}  // namespace gallery
