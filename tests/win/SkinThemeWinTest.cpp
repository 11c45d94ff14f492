// Switching the built-in skin between light and dark while a skinned form is open: what the
// screen shows, the way back, and no leaks over many switches.
#include <gtest/gtest.h>

#include <vector>

#include "LeakProbe.h"
#include "SkinFormTestSupport.h"
#include "controls/QvSkinButton.h"
#include "forms/QvSkinFormTheme.h"
#include "host/Colors.h"
#include "host/ScopeGuard.h"

using namespace qv;
using namespace qvtest;

namespace {

// The screen's pixels (0x00RRGGBB) of a window's client area.
std::vector<uint32_t> Capture(HWND Wnd) {
  RECT R;
  GetClientRect(Wnd, &R);
  const int W = R.right, H = R.bottom;
  HDC Screen = GetDC(nullptr), Mem = CreateCompatibleDC(Screen);
  BITMAPINFO Info{};
  Info.bmiHeader = {sizeof(BITMAPINFOHEADER), W, -H, 1, 32, BI_RGB};
  void* Bits = nullptr;
  HBITMAP Bmp = CreateDIBSection(Screen, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0);
  HGDIOBJ Old = SelectObject(Mem, Bmp);
  POINT P{0, 0};
  ClientToScreen(Wnd, &P);
  BitBlt(Mem, 0, 0, W, H, Screen, P.x, P.y, SRCCOPY);
  std::vector<uint32_t> Pixels(static_cast<const uint32_t*>(Bits),
                               static_cast<const uint32_t*>(Bits) + W * H);
  for (uint32_t& Px : Pixels) Px &= 0xFFFFFF;
  SelectObject(Mem, Old);
  DeleteObject(Bmp);
  DeleteDC(Mem);
  ReleaseDC(nullptr, Screen);
  return Pixels;
}

int Luma(uint32_t Rgb) {
  return int(((Rgb >> 16) & 0xFF) + ((Rgb >> 8) & 0xFF) + (Rgb & 0xFF)) / 3;
}

class SkinThemeWin : public SkinFormFixture {
 protected:
  void SetUp() override {
    SkinFormFixture::SetUp();
    Skin(false);
    Button = new TQvSkinButton(Form.get());
    Button->SetBounds(40, 60, 120, 30);
    Button->SetCaption(L"");
    Button->SetParent(Form.get());
    ShowForm();
  }
  void TearDown() override {
    SetSkinTheme(stLight);
    SkinFormFixture::TearDown();
  }
  uint32_t ButtonFace() {
    std::vector<uint32_t> Px = Capture(HWND(Button->Handle()));
    return Px[size_t(15 * Button->Width() + 20)];
  }
  uint32_t ClientPixel() {
    std::vector<uint32_t> Px = Capture(Wnd());
    RECT R;
    GetClientRect(Wnd(), &R);
    return Px[size_t((R.bottom - 10) * R.right + 300)];
  }
  TQvSkinButton* Button = nullptr;
};

TEST_F(SkinThemeWin, SwitchRepaintsTheOpenFormAndSwitchingBackRestoresItExactly) {
  ASSERT_TRUE(PumpUntil([&] { return Luma(ButtonFace()) > 200; }));
  const std::vector<uint32_t> LightButton = Capture(HWND(Button->Handle()));
  const std::vector<uint32_t> LightForm = Capture(Wnd());

  SetSkinTheme(stDark);
  EXPECT_EQ(SkinForm->Color(), ThemeFormColors(stDark).Color);
  EXPECT_GT(Luma(uint32_t(ColorToRGB(clWindowText))), 200);  // text turns light
  ASSERT_TRUE(PumpUntil([&] { return Luma(ButtonFace()) < 80; }));
  const uint32_t Dark = ThemeFormColors(stDark).Color;
  const uint32_t DarkRgb = ((Dark & 0xFF) << 16) | (Dark & 0xFF00) | ((Dark >> 16) & 0xFF);
  EXPECT_TRUE(PumpUntil([&] { return ClientPixel() == DarkRgb; }));

  SetSkinTheme(stLight);
  EXPECT_EQ(SkinForm->Color(), TQvSkinForm::DefaultColor);
  EXPECT_EQ(ColorToRGB(clWindowText), TColor(GetSysColor(COLOR_WINDOWTEXT)));
  EXPECT_TRUE(PumpUntil([&] { return Capture(HWND(Button->Handle())) == LightButton; }));
  EXPECT_TRUE(PumpUntil([&] { return Capture(Wnd()) == LightForm; }));
}

TEST_F(SkinThemeWin, AColourTheApplicationChoseStays) {
  SkinForm->SetColor(0x00FF00);
  SetSkinTheme(stDark);
  EXPECT_EQ(SkinForm->Color(), 0x00FF00);
  EXPECT_EQ(SkinForm->TitlerColor(), ThemeFormColors(stDark).TitlerColor);
}

TEST_F(SkinThemeWin, NoLeaksOverManySwitches) {
  for (int I = 0; I < 4; ++I) SetSkinTheme(I % 2 ? stLight : stDark);  // slots settle first
  PumpIdle();
  const TSlots Before = Probe();
  for (int I = 0; I < 100; ++I) {
    SetSkinTheme(I % 2 ? stLight : stDark);
    PumpIdle();
  }
  const TSlots After = Probe();
  EXPECT_LE(After.Window, Before.Window + 16);
  EXPECT_LE(After.Gdi, Before.Gdi + 16);
  EXPECT_EQ(DefaultSkinTheme(), stLight);
}

}  // namespace
