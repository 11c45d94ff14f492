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
    PumpIdle();
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

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "host/Font.h"

namespace qvtest {

// The smallest rectangle of Area (clipped to the surface) holding every pixel whose colour
// part differs from Background by more than Tolerance in a channel: where text or a shape
// was drawn. Empty when there is none.
inline qv::TRect InkBounds(const qv::TCustomBitmap32& B, uint32_t Background, qv::TRect Area,
                           int Tolerance = 24) {
  GdiFlush();
  qv::TRect R{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
  const int X2 = std::min(Area.Right, B.Width()), Y2 = std::min(Area.Bottom, B.Height());
  for (int Y = std::max(Area.Top, 0); Y < Y2; ++Y)
    for (int X = std::max(Area.Left, 0); X < X2; ++X) {
      const uint32_t C = Rgb(B, X, Y);
      bool Ink = false;
      for (int S = 0; S < 24; S += 8)
        Ink |= std::abs(int(C >> S & 0xFF) - int(Background >> S & 0xFF)) > Tolerance;
      if (!Ink) continue;
      R.Left = std::min(R.Left, X);
      R.Top = std::min(R.Top, Y);
      R.Right = std::max(R.Right, X + 1);
      R.Bottom = std::max(R.Bottom, Y + 1);
    }
  return R.Left == INT32_MAX ? qv::TRect{} : R;
}
inline qv::TRect InkBounds(const qv::TCustomBitmap32& B, uint32_t Background) {
  return InkBounds(B, Background, B.BoundsRect());
}

// How many pixels of Area have exactly the colour part Color.
inline int CountColor(const qv::TCustomBitmap32& B, uint32_t Color, qv::TRect Area) {
  GdiFlush();
  int N = 0;
  const int X2 = std::min(Area.Right, B.Width()), Y2 = std::min(Area.Bottom, B.Height());
  for (int Y = std::max(Area.Top, 0); Y < Y2; ++Y)
    for (int X = std::max(Area.Left, 0); X < X2; ++X) N += Rgb(B, X, Y) == Color;
  return N;
}

// The platform's measures of a font (with Style instead of its own): the extent of a text
// and the cell height.
struct TFontMeasure {
  explicit TFontMeasure(const qv::TFont& Source) : TFontMeasure(Source, Source.Style()) {}
  TFontMeasure(const qv::TFont& Source, qv::TFontStyles Style) : DC(CreateCompatibleDC(nullptr)) {
    Font.Assign(const_cast<qv::TFont*>(&Source));
    Font.SetStyle(Style);
    Old = SelectObject(DC, Font.Handle());
    TEXTMETRICW M{};
    GetTextMetricsW(DC, &M);
    Height = M.tmHeight;
  }
  ~TFontMeasure() {
    SelectObject(DC, Old);
    DeleteDC(DC);
  }
  TFontMeasure(const TFontMeasure&) = delete;
  TFontMeasure& operator=(const TFontMeasure&) = delete;
  int Width(const qv::String& Text) const {
    SIZE S{};
    GetTextExtentPoint32W(DC, Text.c_str(), int(Text.size()), &S);
    return S.cx;
  }
  qv::TFont Font;
  HDC DC;
  HGDIOBJ Old;
  int Height = 0;
};

}  // namespace qvtest
