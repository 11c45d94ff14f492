#include <memory>

#include "host/ControlsWin.h"
#include "host/HiddenWindow.h"

namespace qv {

namespace {

const wchar_t* const kClassName = L"TQvHiddenWindow";

LRESULT CALLBACK HiddenWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  auto* Method = reinterpret_cast<TWndMethod*>(GetWindowLongPtrW(Wnd, GWLP_USERDATA));
  if (!Method) {
    if (Msg == WM_NCCREATE) {
      auto* CS = reinterpret_cast<CREATESTRUCTW*>(LParam);
      SetWindowLongPtrW(Wnd, GWLP_USERDATA, LONG_PTR(CS->lpCreateParams));
    }
    return DefWindowProcW(Wnd, Msg, WParam, LParam);
  }
  TMessage M;
  M.Msg = Msg;
  M.WParam = WParam;
  M.LParam = LParam;
  try {
    (*Method)(M);
  } catch (...) {  // an exception must not cross the window procedure into Windows
    HandleControlException();
  }
  return M.Result;
}

void RegisterHiddenClass() {
  static bool Done = false;
  if (Done) return;
  WNDCLASSEXW Class{};
  Class.cbSize = sizeof(Class);
  Class.lpfnWndProc = HiddenWndProc;
  Class.hInstance = GetModuleHandleW(nullptr);
  Class.lpszClassName = kClassName;
  if (!RegisterClassExW(&Class) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    throw Exception(L"Cannot register the hidden window class");
  Done = true;
}

}  // namespace

HWND AllocateHWnd(TWndMethod Method, bool MessageOnly) {
  RegisterHiddenClass();
  auto Owned = std::make_unique<TWndMethod>(std::move(Method));
  HWND Wnd = CreateWindowExW(
      MessageOnly ? 0 : WS_EX_TOOLWINDOW, kClassName, L"", MessageOnly ? 0 : WS_POPUP, 0, 0, 0, 0,
      MessageOnly ? HWND_MESSAGE : nullptr, nullptr, GetModuleHandleW(nullptr), Owned.get());
  if (!Wnd) throw Exception(L"Cannot create a hidden window");
  Owned.release();  // the window holds it until DeallocateHWnd
  return Wnd;
}

void DeallocateHWnd(HWND Wnd) {
  if (!Wnd) return;
  auto* Method = reinterpret_cast<TWndMethod*>(GetWindowLongPtrW(Wnd, GWLP_USERDATA));
  SetWindowLongPtrW(Wnd, GWLP_USERDATA, 0);
  DestroyWindow(Wnd);
  delete Method;
}

}  // namespace qv
