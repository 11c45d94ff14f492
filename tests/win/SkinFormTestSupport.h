#pragma once
// A shown skinned form (sizeable, 400 x 300 at (200, 150)) with the three system buttons,
// and reading what the screen shows of it.
#include <windows.h>

#include <memory>

#include "ControlsTestSupport.h"
#include "forms/QvSkinForm.h"
#include "forms/QvSkinNCButton.h"
#include "host/Form.h"
#include "raster/Color32.h"

namespace qvtest {

// 0x00RRGGBB of the screen pixel at (X, Y).
inline uint32_t ScreenRgb(int X, int Y) {
  HDC DC = GetDC(nullptr);
  COLORREF C = GetPixel(DC, X, Y);
  ReleaseDC(nullptr, DC);
  return (GetRValue(C) << 16) | (GetGValue(C) << 8) | GetBValue(C);
}

class SkinFormFixture : public ControlsTest {
 protected:
  static constexpr int L = 200, T = 150, W = 400, H = 300;
  void SetUp() override {
    ControlsTest::SetUp();
    MoveMouse(5, 5);
    Form = std::make_unique<qv::TForm>(nullptr);
    Form->SetBounds(L, T, W, H);
  }
  void TearDown() override {
    Form.reset();
    ControlsTest::TearDown();
  }
  // Skins the form (with the system buttons when Buttons) before it is shown.
  qv::TQvSkinForm* Skin(bool Buttons = true) {
    SkinForm = new qv::TQvSkinForm(Form.get());
    if (Buttons) {
      Close = AddButton(qv::bkClose);
      Max = AddButton(qv::bkMaximize);
      Min = AddButton(qv::bkMinimize);
    }
    return SkinForm;
  }
  qv::TQvSkinSystemButton* AddButton(qv::TSystemButtonKind Kind) {
    auto* B = new qv::TQvSkinSystemButton(Form.get());
    B->SetKind(Kind);
    return B;
  }
  // Shows the form and waits until it is opaque, its controls registered and painted.
  void ShowForm() {
    Form->Show();
    ASSERT_TRUE(PumpUntil(
        [&] { return !Form->AlphaBlend() && SkinForm->NCCtrlList().size() == Buttons(); }));
    PumpIdle();
  }
  size_t Buttons() const { return Close ? 3 : 0; }
  HWND Wnd() const { return HWND(Form->Handle()); }
  // Screen point of a window-relative point.
  POINT At(int X, int Y) const {
    RECT R;
    GetWindowRect(Wnd(), &R);
    return POINT{R.left + X, R.top + Y};
  }
  // Centre of a title-bar control on the screen.
  POINT CentreOf(qv::TQvSkinNCCtrlBase* C) const {
    qv::TRect R = C->GetRect();
    return At((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2);
  }
  int HitAt(int X, int Y) const {
    POINT P = At(X, Y);
    return int(SendMessageW(Wnd(), WM_NCHITTEST, 0, MAKELPARAM(P.x, P.y)));
  }

  std::unique_ptr<qv::TForm> Form;
  qv::TQvSkinForm* SkinForm = nullptr;
  qv::TQvSkinSystemButton* Close = nullptr;
  qv::TQvSkinSystemButton* Max = nullptr;
  qv::TQvSkinSystemButton* Min = nullptr;
};

}  // namespace qvtest
