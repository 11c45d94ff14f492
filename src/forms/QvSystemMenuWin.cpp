#include <windows.h>

#include "forms/QvSystemMenu.h"
#include "host/WinControl.h"

namespace qv {

void TrackSystemMenu(TWinControl* Form, TPoint Screen) {
  if (!Form || !Form->HandleAllocated()) return;
  HWND H = HWND(Form->Handle());
  HMENU Menu = GetSystemMenu(H, FALSE);
  if (!Menu) return;
  const LONG_PTR Style = GetWindowLongPtrW(H, GWL_STYLE);
  const bool Zoomed = IsZoomed(H), Iconic = IsIconic(H), Normal = !Zoomed && !Iconic;
  auto Enable = [Menu](UINT Command, bool On) {
    EnableMenuItem(Menu, Command, MF_BYCOMMAND | (On ? MF_ENABLED : MF_GRAYED));
  };
  Enable(SC_RESTORE, !Normal);
  Enable(SC_MOVE, Normal);
  Enable(SC_SIZE, Normal && (Style & WS_THICKFRAME));
  Enable(SC_MINIMIZE, !Iconic && (Style & WS_MINIMIZEBOX));
  Enable(SC_MAXIMIZE, !Zoomed && (Style & WS_MAXIMIZEBOX));
  const UINT Command = UINT(
      TrackPopupMenu(Menu, TPM_RIGHTBUTTON | TPM_RETURNCMD, Screen.X, Screen.Y, 0, H, nullptr));
  // Posted, as the platform does: the command runs after the menu loop has ended.
  if (Command) PostMessageW(H, WM_SYSCOMMAND, Command, MAKELPARAM(Screen.X, Screen.Y));
}

}  // namespace qv
