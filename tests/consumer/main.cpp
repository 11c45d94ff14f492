// A program that uses the library as an application would: a form with a skinned panel,
// shown on the screen, and the panel's pixels read back from the display. Exits 1 when
// the panel does not show as drawn. It also carries its own stb (OwnStb.cpp), which must
// link beside the library's.
#include <windows.h>

#include <cstdio>

#include "OwnStb.h"
#include "controls/QvSkinPanel.h"
#include "host/Application.h"
#include "host/Form.h"

namespace {

// 0x00RRGGBB of what the display shows at a screen point.
uint32_t ScreenRgb(int X, int Y) {
  HDC Screen = GetDC(nullptr);
  COLORREF C = GetPixel(Screen, X, Y);
  ReleaseDC(nullptr, Screen);
  return uint32_t(GetRValue(C)) << 16 | uint32_t(GetGValue(C)) << 8 | GetBValue(C);
}

}  // namespace

int wmain() {
  if (!OwnStbWorks()) {
    std::fprintf(stderr, "consumer: the application's own stb does not work\n");
    return 1;
  }
  qv::TForm Form(nullptr);
  Form.SetBorderStyle(qv::bsNone);
  Form.SetBounds(100, 100, 300, 200);
  Form.SetColor(qv::clBlue);
  auto* Panel = new qv::TQvSkinPanel(&Form);
  Panel->SetParent(&Form);
  Panel->SetBounds(20, 20, 200, 120);
  Panel->SetColor(qv::clYellow);
  Panel->SetAlpha(255);
  Form.Show();

  // The panel's fill in its middle, its skin border (light grey-blue outer line, then
  // white) at its left edge.
  const struct {
    int X, Y;
    uint32_t Rgb;
  } Expected[] = {{100, 60, 0xFFFF00}, {0, 60, 0xBACBD9}, {1, 60, 0xFFFFFF}};
  auto Shown = [&] {
    for (const auto& E : Expected)
      if (ScreenRgb(120 + E.X, 120 + E.Y) != E.Rgb) return false;
    return true;
  };
  const DWORD Start = GetTickCount();
  while (!Shown()) {
    if (GetTickCount() - Start > 10000) {
      for (const auto& E : Expected)
        std::fprintf(stderr, "consumer: panel pixel (%d, %d) is %06X, expected %06X\n", E.X, E.Y,
                     ScreenRgb(120 + E.X, 120 + E.Y), E.Rgb);
      return 1;
    }
    qv::Application->ProcessMessages();
    MsgWaitForMultipleObjectsEx(0, nullptr, 20, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
  std::printf("consumer: the skinned panel shows\n");
  return 0;
}
