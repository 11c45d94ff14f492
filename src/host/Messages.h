#pragma once
// The message record every control's window procedure takes, and the control
// notifications (CM_*) and reflected platform messages (CN_*) of the control layer.
// Portable: no platform headers; the platform numbers used here are written out.
#include <cstdint>

namespace qv {

// One window message. Perform() builds it for a synchronous call of a control's
// WindowProc; the platform window procedure builds it for real messages.
struct TMessage {
  uint32_t Msg = 0;
  uintptr_t WParam = 0;
  intptr_t LParam = 0;
  intptr_t Result = 0;

  uint16_t WParamLo() const { return uint16_t(WParam & 0xFFFF); }
  uint16_t WParamHi() const { return uint16_t((WParam >> 16) & 0xFFFF); }
  uint16_t LParamLo() const { return uint16_t(uintptr_t(LParam) & 0xFFFF); }
  uint16_t LParamHi() const { return uint16_t((uintptr_t(LParam) >> 16) & 0xFFFF); }
  // Signed client coordinates packed into LParam (mouse messages).
  int16_t XPos() const { return int16_t(LParamLo()); }
  int16_t YPos() const { return int16_t(LParamHi()); }
};

inline intptr_t PointToLParam(int X, int Y) {
  return intptr_t(uint32_t(uint16_t(int16_t(X))) | (uint32_t(uint16_t(int16_t(Y))) << 16));
}

// Control notifications. They travel only through Perform(), never through the
// platform's queue; the numbers lie in the application range (WM_APP..0xBFFF).
constexpr uint32_t CM_BASE = 0xB000;
enum : uint32_t {
  CM_ACTIVATE = CM_BASE + 0,
  CM_DEACTIVATE = CM_BASE + 1,
  CM_CANCELMODE = CM_BASE + 4,    // LParam: the control that starts a mode of its own
  CM_DIALOGKEY = CM_BASE + 5,     // WParam: virtual key; Result 1 when used
  CM_DIALOGCHAR = CM_BASE + 6,    // WParam: character; Result 1 when used
  CM_FOCUSCHANGED = CM_BASE + 7,  // LParam: the control that has the focus now
  CM_PARENTFONTCHANGED = CM_BASE + 8,
  CM_PARENTCOLORCHANGED = CM_BASE + 9,
  CM_HITTEST = CM_BASE + 10,         // LParam: client point; Result 0 = not over the control
  CM_VISIBLECHANGED = CM_BASE + 11,  // WParam: new Visible
  CM_ENABLEDCHANGED = CM_BASE + 12,
  CM_COLORCHANGED = CM_BASE + 13,
  CM_FONTCHANGED = CM_BASE + 14,
  CM_CURSORCHANGED = CM_BASE + 15,
  CM_TEXTCHANGED = CM_BASE + 18,
  CM_MOUSEENTER = CM_BASE + 19,  // LParam: the control the mouse entered
  CM_MOUSELEAVE = CM_BASE + 20,  // LParam: the control the mouse left
  CM_BUTTONPRESSED = CM_BASE + 24,
  CM_SHOWINGCHANGED = CM_BASE + 25,
  CM_ENTER = CM_BASE + 26,
  CM_EXIT = CM_BASE + 27,
  CM_WANTSPECIALKEY = CM_BASE + 30,  // WParam: virtual key; Result 1 = the control wants it
  CM_RELEASE = CM_BASE + 33,         // posted to a form by Release(): the form frees itself
  CM_SHOWHINTCHANGED = CM_BASE + 34,
  CM_PARENTSHOWHINTCHANGED = CM_BASE + 35,
  CM_SYSCOLORCHANGE = CM_BASE + 36,
  CM_TABSTOPCHANGED = CM_BASE + 40,
  CM_CONTROLLISTCHANGE = CM_BASE + 44,  // WParam: the control; LParam: 1 inserted, 0 removed
  CM_CHILDKEY = CM_BASE + 47,           // WParam: key; LParam: the control; Result 1 = handled
  CM_HINTSHOW = CM_BASE + 48,           // LParam: THintInfo*; Result 1 = no hint
  CM_RECREATEWND = CM_BASE + 51,
  CM_INVALIDATE = CM_BASE + 52,  // WParam 1: also the non-client area
  CM_SYSFONTCHANGED = CM_BASE + 53,
  CM_CONTROLCHANGE = CM_BASE + 54,  // WParam: the control; LParam: 1 inserted, 0 removed
  CM_CHANGED = CM_BASE + 55,
  CM_BORDERCHANGED = CM_BASE + 59,
  CM_MOUSEWHEEL = CM_BASE + 67,
};

// Reflected platform messages: a parent that receives WM_COMMAND, WM_DRAWITEM,
// WM_NOTIFY (and the others below) from a child window performs CN_BASE + the message
// on the child's control, with the same parameters.
constexpr uint32_t CN_BASE = 0xBC00;
enum : uint32_t {
  CN_CHARTOITEM = CN_BASE + 0x002F,
  CN_COMMAND = CN_BASE + 0x0111,
  CN_COMPAREITEM = CN_BASE + 0x0039,
  CN_CTLCOLORBTN = CN_BASE + 0x0135,
  CN_CTLCOLORDLG = CN_BASE + 0x0136,
  CN_CTLCOLOREDIT = CN_BASE + 0x0133,
  CN_CTLCOLORLISTBOX = CN_BASE + 0x0134,
  CN_CTLCOLORMSGBOX = CN_BASE + 0x0132,
  CN_CTLCOLORSCROLLBAR = CN_BASE + 0x0137,
  CN_CTLCOLORSTATIC = CN_BASE + 0x0138,
  CN_DELETEITEM = CN_BASE + 0x002D,
  CN_DRAWITEM = CN_BASE + 0x002B,
  CN_HSCROLL = CN_BASE + 0x0114,
  CN_MEASUREITEM = CN_BASE + 0x002C,
  CN_PARENTNOTIFY = CN_BASE + 0x0210,
  CN_VKEYTOITEM = CN_BASE + 0x002E,
  CN_VSCROLL = CN_BASE + 0x0115,
  CN_KEYDOWN = CN_BASE + 0x0100,
  CN_KEYUP = CN_BASE + 0x0101,
  CN_CHAR = CN_BASE + 0x0102,
  CN_SYSKEYDOWN = CN_BASE + 0x0104,
  CN_SYSCHAR = CN_BASE + 0x0106,
  CN_NOTIFY = CN_BASE + 0x004E,
};

}  // namespace qv
