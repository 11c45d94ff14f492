// The timer handler's hidden window: a message-only window whose procedure hands WM_TIMER
// to the handler and everything else to DefWindowProc.
#include <windows.h>

#include "graphics/SimpleTimerHandler.h"

namespace qv {

namespace {

const wchar_t* const TimerWindowClass = L"QvSimpleTimerWindow";

LRESULT CALLBACK TimerWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_TIMER) {
    auto* Handler = reinterpret_cast<TSimpleTimerHandler*>(GetWindowLongPtrW(Wnd, GWLP_USERDATA));
    // OnTimer may free the last timer and with it the handler and this window: nothing
    // may touch either after the call.
    if (Handler) Handler->TimerTick(uintptr_t(WParam));
    return 0;
  }
  return DefWindowProcW(Wnd, Msg, WParam, LParam);
}

bool RegisterTimerClass() {
  static const bool Registered = [] {
    WNDCLASSEXW Class{};
    Class.cbSize = sizeof(Class);
    Class.lpfnWndProc = TimerWndProc;
    Class.hInstance = GetModuleHandleW(nullptr);
    Class.lpszClassName = TimerWindowClass;
    return RegisterClassExW(&Class) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  return Registered;
}

}  // namespace

HWND CreateSimpleTimerWindow(TSimpleTimerHandler* Handler) {
  if (!RegisterTimerClass()) return nullptr;
  HWND Wnd = CreateWindowExW(0, TimerWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  if (Wnd) SetWindowLongPtrW(Wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(Handler));
  return Wnd;
}

void DestroySimpleTimerWindow(HWND Window) {
  SetWindowLongPtrW(Window, GWLP_USERDATA, 0);
  DestroyWindow(Window);
}

bool SetSimpleTimerTimer(HWND Window, uintptr_t Id, Cardinal Interval) {
  return SetTimer(Window, UINT_PTR(Id), UINT(Interval), nullptr) != 0;
}

bool KillSimpleTimerTimer(HWND Window, uintptr_t Id) {
  return KillTimer(Window, UINT_PTR(Id)) != 0;
}

}  // namespace qv
