#include <windows.h>

#include "resources/QvSkinTheme.h"

namespace qv {

bool SystemAppsUseLightTheme() {
  DWORD Value = 1, Size = sizeof(Value);
  LSTATUS Status = RegGetValueW(
      HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize",
      L"AppsUseLightTheme", RRF_RT_REG_DWORD, nullptr, &Value, &Size);
  return Status != ERROR_SUCCESS || Value != 0;
}

namespace {

BOOL CALLBACK RepaintWindow(HWND Wnd, LPARAM) {
  DWORD Process = 0;
  GetWindowThreadProcessId(Wnd, &Process);
  if (Process == GetCurrentProcessId())
    RedrawWindow(Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  return TRUE;
}

}  // namespace

void RepaintAllWindows() {
  EnumWindows(RepaintWindow, 0);
}

}  // namespace qv
