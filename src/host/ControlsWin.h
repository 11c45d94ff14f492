#pragma once
// Win32 glue shared by the control layer's *Win.cpp files. Include only from them.
#include <windows.h>

#include "host/WinControl.h"

namespace qv {

// WM_MOUSEMOVE and the button messages of the client area (WM_MOUSEMOVE..WM_MBUTTONDBLCLK).
inline bool IsClientMouseMessage(uint32_t Msg) {
  return Msg >= WM_MOUSEMOVE && Msg <= WM_MBUTTONDBLCLK;
}

// Shift state of the keyboard and, from a mouse message's WParam, of the buttons.
TShiftState KeysToShiftState(WPARAM Keys);
TShiftState KeyDataToShiftState(LPARAM KeyData);
TShiftState CurrentShiftState();

// The one window procedure of every control window: finds the control and hands it
// the message through MainWndProc.
LRESULT CALLBACK ControlWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
// Registers (once) the window class described by Params; answers the procedure the
// class's base had (DefWindowProcW for a class of our own).
WNDPROC RegisterControlClass(const TCreateParams& Params);
// Hands the next window created on this thread to Control.
void SetCreationControl(TWinControl* Control);
// A message that escaped a control's handler: shown through the application.
void HandleControlException();
// Platform colour of a framework colour (system colours resolved).
COLORREF ColorToPlatform(TColor Color);
// Standard cursor handle of a cursor identity (nil for crDefault).
HCURSOR CursorHandle(TCursor Cursor);
// The system's menu font, for measuring and drawing menu items (one, kept for the process).
HFONT MenuFont();

// The link between a control and its window (TWinControl keeps its handle private).
struct TWinControlAccess {
  static void Attach(TWinControl* C, HWND Wnd);
  static void Detach(TWinControl* C);
  static HWND HandleOf(const TWinControl* C);
};

// Application hooks the controls call (implemented by the application object).
void AppControlDestroying(TControl* Control);
void AppMouseEntered(TControl* Control);
void AppMouseLeft(TControl* Control);
void AppCancelHint();

}  // namespace qv
