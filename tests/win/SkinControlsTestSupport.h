#pragma once
// Small controls and pixel helpers of the skinned-control and background-capture tests.
#include <functional>
#include <memory>

#include "ControlsTestSupport.h"
#include "controls/QvSkinCtrls.h"
#include "forms/QvMessages.h"
#include "forms/QvSkinHelper.h"
#include "host/Form.h"
#include "raster/Bitmap32.h"

namespace qvtest {

// A plain windowed control that paints itself in its colour.
class TPlainPanel : public qv::TCustomControl {
 public:
  explicit TPlainPanel(qv::TComponent* AOwner, qv::TColor Color = qv::clRed)
      : TCustomControl(AOwner) {
    SetColor(Color);
    FControlStyle.Include(qv::csAcceptsControls);
  }
  qv::String ClassName() const override { return L"TQvTestPlainPanel"; }

 protected:
  void Paint() override {
    Canvas()->Brush().SetColor(Color());
    Canvas()->FillRect(ClientRect());
  }
};

// A graphic control that paints its colour over its left Part percent.
class TBlock : public qv::TGraphicControl {
 public:
  TBlock(qv::TComponent* AOwner, qv::TColor Color, int Part = 100) : TGraphicControl(AOwner) {
    SetColor(Color);
    FPart = Part;
  }
  qv::String ClassName() const override { return L"TQvTestBlock"; }

 protected:
  void Paint() override {
    Canvas()->Brush().SetColor(Color());
    Canvas()->FillRect(qv::Rect(0, 0, Width() * FPart / 100, Height()));
  }

 private:
  int FPart;
};

// A skinned control that counts its body paints and lets the test draw the body.
class TProbe : public qv::TQvSkinCustomControl {
 public:
  using TQvSkinCustomControl::TQvSkinCustomControl;
  qv::String ClassName() const override { return L"TQvTestProbe"; }
  int Bodies = 0;
  int CheckParentBg = 0;
  std::function<void(qv::TBitmap32*)> Body;
  using TQvSkinCustomControl::FStopDrawBody;
  void WndProc(qv::TMessage& Message) override {
    if (Message.Msg == qv::CWM_CHECKPARENTBG) ++CheckParentBg;
    TQvSkinCustomControl::WndProc(Message);
  }

 protected:
  void DrawBody(qv::TBitmap32* B) override {
    ++Bodies;
    if (Body) Body(B);
  }
};

// The colour part (0x00RRGGBB) of a surface pixel: what the platform shows.
inline uint32_t Rgb(const qv::TCustomBitmap32& B, int X, int Y) {
  return B.Pixel(X, Y) & 0xFFFFFF;
}
inline uint32_t Rgb(qv::TColor32 C) {
  return C & 0xFFFFFF;
}
// 0x00RRGGBB of a framework colour.
inline uint32_t Rgb(qv::TColor C) {
  return qv::Color32(C) & 0xFFFFFF;
}

// A shown borderless blue form at (300, 200) for controls under test; the mouse waits
// outside it.
class SkinFormTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    MoveMouse(5, 5);
    Form = std::make_unique<qv::TForm>(nullptr);
    Form->SetBorderStyle(qv::bsNone);
    Form->SetBounds(300, 200, 400, 300);
    Form->SetColor(qv::clBlue);
  }
  void TearDown() override {
    Form.reset();
    ControlsTest::TearDown();
  }
  // Shows the form and waits until its controls painted.
  void ShowForm() {
    Form->Show();
    Pump(60);
  }
  // Repaints a control's window at once.
  static void Redraw(qv::TWinControl* C) {
    RedrawWindow(C->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }
  template <typename T>
  T* Add(qv::TWinControl* Parent, int L, int T_, int W, int H) {
    auto* C = new T(Form.get());
    C->SetBounds(L, T_, W, H);
    C->SetParent(Parent);
    return C;
  }
  std::unique_ptr<qv::TForm> Form;
};

}  // namespace qvtest
