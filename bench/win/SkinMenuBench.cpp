// What a skinned popup costs: composing its whole picture (nine-block background and 20
// items) and pushing it to a layered window, against one GDI BitBlt of the same area.
#include <windows.h>

#include <algorithm>
#include <memory>

#include "WinBench.h"
#include "forms/QvAlphaForm.h"
#include "forms/QvLayeredPicture.h"
#include "forms/QvSkinMenu.h"
#include "host/Form.h"

namespace {

using namespace qv;

// One GDI BitBlt of a W x H area between two memory bitmaps: the reference.
double BitBltMs(winbench::TReport& R, int W, int H) {
  HDC Screen = GetDC(nullptr);
  HDC Src = CreateCompatibleDC(Screen), Dst = CreateCompatibleDC(Screen);
  HBITMAP BS = CreateCompatibleBitmap(Screen, W, H), BD = CreateCompatibleBitmap(Screen, W, H);
  HGDIOBJ OS = SelectObject(Src, BS), OD = SelectObject(Dst, BD);
  const double Ms = R.TimeMs([&] { BitBlt(Dst, 0, 0, W, H, Src, 0, 0, SRCCOPY); }, 200);
  SelectObject(Src, OS);
  SelectObject(Dst, OD);
  DeleteObject(BS);
  DeleteObject(BD);
  DeleteDC(Src);
  DeleteDC(Dst);
  ReleaseDC(nullptr, Screen);
  return Ms;
}

const winbench::TRegistration gPopup("SkinMenu", [](winbench::TReport& R) {
  TComponent Owner(nullptr);
  auto* Popup = new TPopupMenu(&Owner);
  for (int I = 0; I < 20; ++I) {
    auto* Item = new TMenuItem(&Owner);
    Item->SetCaption(I % 5 == 4 ? String(L"-") : L"Menu item " + std::to_wstring(I));
    if (I % 3 == 0) Item->SetShortCut(ShortCut(uint16_t('A' + I), {ssCtrl}));
    Popup->Items()->Add(Item);
  }
  auto* Skin = new TQvSkinMenu(&Owner);
  TBitmap32 Picture;
  const double Compose = R.TimeMs([&] { Skin->RenderPopup(Popup->Items(), Picture, 3); });

  const double Blt = BitBltMs(R, Picture.Width(), Picture.Height());

  // Pushing the picture to a layered window, as every selection change does.
  HWND Wnd = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0,
                             Picture.Width(), Picture.Height(), nullptr, nullptr, nullptr, nullptr);
  const double Push = R.TimeMs([&] { UpdateLayeredPicture(Wnd, Picture); });
  DestroyWindow(Wnd);

  R.Result("popup " + std::to_string(Picture.Width()) + "x" + std::to_string(Picture.Height()) +
               ": compose 20 items",
           Compose, "ms");
  R.Result("push to the layered window", Push, "ms");
  R.Result("GDI BitBlt of the same area", Blt, "ms");
  R.Result("compose / BitBlt", Compose / std::max(Blt, 1e-6), "x");
  R.Result("push / BitBlt", Push / std::max(Blt, 1e-6), "x");
});

const winbench::TRegistration gAlpha("AlphaForm", [](winbench::TReport& R) {
  TQvSkinAlphaForm Alpha(nullptr);
  TBitmap32 Frame;
  const double Draw = R.TimeMs([&] { Alpha.RenderFrame(Frame, 640, 480); });
  const double Blt = BitBltMs(R, 640, 480);
  R.Result("640x480 frame: nine-block picture", Draw, "ms");
  R.Result("GDI BitBlt of the same area", Blt, "ms");
  R.Result("frame / BitBlt", Draw / std::max(Blt, 1e-6), "x");
});

}  // namespace
