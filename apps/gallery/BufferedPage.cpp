#include "BufferedPage.h"

namespace gallery {

namespace {
const wchar_t* const kClassName = L"QvSkinGalleryBufferedPage";
}

void TBufferedPage::Show(HWND Parent, const RECT& R) {
  static const bool Registered = [] {
    WNDCLASSEXW WC{};
    WC.cbSize = sizeof(WC);
    WC.lpfnWndProc = &TBufferedPage::WndProc;
    WC.hInstance = GetModuleHandleW(nullptr);
    WC.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    WC.lpszClassName = kClassName;
    return RegisterClassExW(&WC) != 0;
  }();
  (void)Registered;
  FWindow =
      CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE, R.left, R.top, R.right - R.left,
                      R.bottom - R.top, Parent, nullptr, GetModuleHandleW(nullptr), this);
  Shown();
}

void TBufferedPage::Hide() {
  Hiding();
  if (FWindow) DestroyWindow(FWindow);
  FWindow = nullptr;
}

LRESULT CALLBACK TBufferedPage::WndProc(HWND Wnd, UINT Msg, WPARAM W, LPARAM L) {
  if (Msg == WM_NCCREATE)
    SetWindowLongPtrW(Wnd, GWLP_USERDATA,
                      LONG_PTR(reinterpret_cast<CREATESTRUCTW*>(L)->lpCreateParams));
  auto* Self = reinterpret_cast<TBufferedPage*>(GetWindowLongPtrW(Wnd, GWLP_USERDATA));
  if (Self && Msg == WM_PAINT) {
    PAINTSTRUCT PS;
    HDC DC = BeginPaint(Wnd, &PS);
    RECT R;
    GetClientRect(Wnd, &R);
    Self->FBuffer.SetSize(R.right, R.bottom);
    Self->Compose(R.right, R.bottom);
    Self->FBuffer.DrawTo(DC, 0, 0);
    EndPaint(Wnd, &PS);
    return 0;
  }
  if (Msg == WM_ERASEBKGND) return 1;
  return DefWindowProcW(Wnd, Msg, W, L);
}

}  // namespace gallery
