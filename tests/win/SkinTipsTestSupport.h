#pragma once
// Where windows of the hint and tips tests are on the screen.
#include <windows.h>

#include "host/Types.h"

namespace qvtest {

inline qv::TRect WindowRect(HWND H) {
  RECT R{};
  GetWindowRect(H, &R);
  return qv::Rect(R.left, R.top, R.right, R.bottom);
}

inline qv::TRect WorkArea() {
  RECT R{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &R, 0);
  return qv::Rect(R.left, R.top, R.right, R.bottom);
}

}  // namespace qvtest
