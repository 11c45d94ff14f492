// Tip windows: showing one and freeing it against a plain popup window created, shown and
// destroyed; repainting an open one against a BitBlt of its size.
#include <windows.h>

#include "WinBench.h"
#include "controls/QvSkinTips.h"
#include "graphics/SimpleTimer.h"
#include "host/Application.h"

namespace {

void Drain() {
  MSG M;
  while (PeekMessageW(&M, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&M);
}

const winbench::TRegistration gTips("TipWindow", [](winbench::TReport& R) {
  const qv::TRect At = qv::Bounds(100, 100, 300, 60);
  const double Plain = R.TimeMs([&] {
    HWND H = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, At.Left, At.Top, 300, 60,
                             nullptr, nullptr, nullptr, nullptr);
    SetWindowPos(H, HWND_TOP, At.Left, At.Top, 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
    DestroyWindow(H);
    Drain();
  });
  const double Tip = R.TimeMs([&] {
    qv::TQvSkinTips Tips(nullptr);
    Tips.Show(L"Title", L"A tip window with a title and some text.", nullptr, &At);
    Drain();
  });
  // In an application other light timers usually live already, so the tip's timer does
  // not create and destroy the shared timer window each time.
  qv::TSimpleTimer Other(1000, [](qv::TObject*) {});
  Other.SetEnabled(true);
  const double TipInApp = R.TimeMs([&] {
    qv::TQvSkinTips Tips(nullptr);
    Tips.Show(L"Title", L"A tip window with a title and some text.", nullptr, &At);
    Drain();
  });
  Other.SetEnabled(false);
  R.Result("plain popup shown and destroyed", Plain, "ms");
  R.Result("tip window shown and freed", Tip, "ms");
  R.Result("the same beside another light timer", TipInApp, "ms");
  R.Result("tip / plain popup", Tip / Plain, "x");
  R.Result("tip beside a timer / plain popup", TipInApp / Plain, "x");

  qv::TQvSkinTips Tips(nullptr);
  HWND H = Tips.Show(L"Title", L"A tip window with a title and some text.", nullptr, &At);
  Drain();
  HDC Screen = GetDC(nullptr);
  HDC Mem = CreateCompatibleDC(Screen);
  HBITMAP Bmp = CreateCompatibleBitmap(Screen, 300, 60);
  HGDIOBJ Old = SelectObject(Mem, Bmp);
  const double Blt = R.TimeMs([&] {
    BitBlt(Screen, At.Left, At.Top, 300, 60, Mem, 0, 0, SRCCOPY);
    GdiFlush();
  });
  const double Repaint = R.TimeMs([&] {
    RedrawWindow(H, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    GdiFlush();
  });
  SelectObject(Mem, Old);
  DeleteObject(Bmp);
  DeleteDC(Mem);
  ReleaseDC(nullptr, Screen);
  R.Result("BitBlt 300x60", Blt, "ms");
  R.Result("tip window repaint 300x60", Repaint, "ms");
  R.Result("repaint / BitBlt", Repaint / Blt, "x");
});

}  // namespace
