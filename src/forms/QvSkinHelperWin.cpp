#include <windows.h>

#include "forms/QvSkinHelper.h"

namespace qv {

bool HasNonClientArea(HWND Window) {
  RECT W, C;
  if (!GetWindowRect(Window, &W) || !GetClientRect(Window, &C)) return false;
  return W.right - W.left != C.right || W.bottom - W.top != C.bottom;
}

}  // namespace qv
