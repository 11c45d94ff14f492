#pragma once
// Watching for leaked windows, GDI objects and menus under Wine, where GetGuiResources
// answers 0: the slot index of freshly created objects.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "host/WinControl.h"

namespace qvtest {

struct TSlots {
  unsigned Window, Gdi, Menu;
};

// The highest slot (low 16 bits of the handle) among many freshly created windows, GDI
// objects and menus. Wine hands freed slots out again, so this stays put while nothing
// leaks and climbs with every object that is never freed. Many objects rather than one
// make it insensitive to the order in which slots were freed.
inline TSlots Probe() {
  constexpr int N = 300;
  std::vector<HWND> W;
  std::vector<HBRUSH> B;
  std::vector<HMENU> M;
  TSlots S{0, 0, 0};
  for (int I = 0; I < N; ++I) {
    W.push_back(
        CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr));
    B.push_back(CreateSolidBrush(RGB(1, 2, I & 0xFF)));
    M.push_back(CreatePopupMenu());
    S.Window = std::max(S.Window, unsigned(uintptr_t(W.back()) & 0xFFFF));
    S.Gdi = std::max(S.Gdi, unsigned(uintptr_t(B.back()) & 0xFFFF));
    S.Menu = std::max(S.Menu, unsigned(uintptr_t(M.back()) & 0xFFFF));
  }
  for (HMENU H : M) DestroyMenu(H);
  for (HBRUSH H : B) DeleteObject(H);
  for (HWND H : W) DestroyWindow(H);
  return S;
}

// Paints a control and its children into a memory device context: the painting code runs
// without the control being shown.
inline void PaintOffScreen(qv::TWinControl* Control) {
  HDC Screen = GetDC(nullptr);
  HDC Mem = CreateCompatibleDC(Screen);
  HBITMAP Bmp =
      CreateCompatibleBitmap(Screen, std::max(Control->Width(), 1), std::max(Control->Height(), 1));
  HGDIOBJ Old = SelectObject(Mem, Bmp);
  Control->PaintTo(Mem, 0, 0);
  SelectObject(Mem, Old);
  DeleteObject(Bmp);
  DeleteDC(Mem);
  ReleaseDC(nullptr, Screen);
}

}  // namespace qvtest
