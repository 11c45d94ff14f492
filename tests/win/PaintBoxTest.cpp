// The buffered paint box: buffer sizing, painting the buffer only while it is invalid,
// the window showing the buffer's pixels, partial repaint modes and its input rules.
#include <initializer_list>
#include <memory>
#include <utility>

#include "ControlsTestSupport.h"
#include "raster/PaintBox32.h"

using namespace qv;
using qvtest::PumpIdle;

namespace {

// Paints a known picture: left half red, right half blue, one green pixel at (5, 5).
class TPictureBox : public TCustomPaintBox32_qv {
 public:
  using TCustomPaintBox32_qv::TCustomPaintBox32_qv;
  String ClassName() const override { return L"TPictureBox"; }
  int Painted = 0;
  std::vector<std::pair<int, int>> Resizes;
  std::vector<String> Log;
  using TCustomPaintBox32_qv::ResizeBuffer;

 protected:
  void DoPaintBuffer() override {
    ++Painted;
    TBitmap32* B = Buffer();
    int W = ClientWidth(), H = ClientHeight();
    B->FillRectS(0, 0, W / 2, H, Color32(255, 0, 0));
    B->FillRectS(W / 2, 0, W, H, Color32(0, 0, 255));
    B->SetPixelS(5, 5, Color32(0, 255, 0));
    TCustomPaintBox32_qv::DoPaintBuffer();
  }
  void DoBufferResized(int OldWidth, int OldHeight) override {
    Resizes.emplace_back(OldWidth, OldHeight);
    TCustomPaintBox32_qv::DoBufferResized(OldWidth, OldHeight);
  }
  void MouseEnter() override {
    Log.push_back(MouseInClient() ? L"enter after framework" : L"enter before framework");
    TCustomPaintBox32_qv::MouseEnter();
  }
  void MouseLeave() override {
    Log.push_back(MouseInClient() ? L"leave before framework" : L"leave after framework");
    TCustomPaintBox32_qv::MouseLeave();
  }
};

TEST(PaintBox, DefaultsAndTheBufferResizeRule) {
  TPictureBox Box(nullptr);
  EXPECT_EQ(Box.Width(), 192);
  EXPECT_EQ(Box.Height(), 192);
  EXPECT_EQ(Box.BufferOversize(), 40);
  EXPECT_EQ(Box.RepaintMode(), rmFull);
  EXPECT_TRUE(Box.Options().Empty());
  EXPECT_FALSE(Box.BufferValid());
  EXPECT_TRUE(Box.ControlStyle().Contains(csOpaque));
  EXPECT_EQ(Box.Buffer()->Width(), 232);  // grown from nothing: 192 + 40

  // Per axis: growing adds the oversize, shrinking within it keeps the buffer, shrinking
  // further takes the wanted size exactly.
  struct {
    int Oversize, W, H, BufW, BufH;
  } Steps[] = {
      {40, 200, 200, 232, 232},  // both within the buffer
      {40, 300, 100, 340, 100},  // wider: 300 + 40; much lower: 100
      {40, 330, 120, 340, 160},  // within the width's slack; taller: 120 + 40
      {40, 301, 121, 340, 160},  // shrinking by at most the oversize keeps it
      {40, 299, 119, 299, 119},  // by more: exact
      {0, 299, 119, 299, 119},   // no oversize, nothing to do
      {0, 0, 0, 1, 1},           // never below 1 x 1
      {-5, 10, 10, 10, 10},      // a negative oversize counts as 0
  };
  for (auto& S : Steps) {
    SCOPED_TRACE(testing::Message() << S.W << "x" << S.H << " oversize " << S.Oversize);
    Box.SetBufferOversize(S.Oversize);
    Box.SetBounds(0, 0, S.W, S.H);
    EXPECT_EQ(Box.Buffer()->Width(), S.BufW);
    EXPECT_EQ(Box.Buffer()->Height(), S.BufH);
    EXPECT_GE(Box.BufferOversize(), 0);
  }
  // DoBufferResized heard every change with the old size.
  ASSERT_GE(Box.Resizes.size(), 2u);
  EXPECT_EQ(Box.Resizes[0], std::make_pair(232, 232));
  EXPECT_EQ(Box.Resizes[1], std::make_pair(340, 100));
}

// Colour of a screen pixel, as the display shows it.
COLORREF ScreenPixel(TPoint P) {
  HDC DC = GetDC(nullptr);
  COLORREF C = GetPixel(DC, P.X, P.Y);
  ReleaseDC(nullptr, DC);
  return C;
}

// Handles messages until the display shows each colour at its point: Wine puts a window's
// pixels on the display from its message loop and the X server shows them a little later.
void WaitForScreen(std::initializer_list<std::pair<TPoint, COLORREF>> Points) {
  qvtest::PumpUntil([&] {
    for (const auto& [P, C] : Points)
      if (ScreenPixel(P) != C) return false;
    return true;
  });
}

class PaintBoxWindow : public qvtest::ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    qvtest::MoveMouse(5, 5);
    Form = std::make_unique<TForm>(nullptr);
    Form->SetBorderStyle(bsNone);
    Form->SetBounds(300, 200, 300, 200);
    Form->SetColor(clWhite);
    Box = new TPictureBox(Form.get());
    Box->SetBounds(20, 20, 100, 60);
    Box->SetParent(Form.get());
    Form->Show();
    PumpIdle();
    WaitForScreen({{At(10, 30), RGB(255, 0, 0)}});
  }
  void TearDown() override {
    Form.reset();
    ControlsTest::TearDown();
  }
  TPoint At(int X, int Y) { return Box->ClientToScreen({X, Y}); }
  std::unique_ptr<TForm> Form;
  TPictureBox* Box = nullptr;
};

TEST_F(PaintBoxWindow, WindowShowsTheBuffersPixels) {
  EXPECT_EQ(Box->Painted, 1);
  EXPECT_TRUE(Box->BufferValid());
  EXPECT_EQ(ScreenPixel(At(10, 30)), RGB(255, 0, 0));
  EXPECT_EQ(ScreenPixel(At(80, 30)), RGB(0, 0, 255));
  EXPECT_EQ(ScreenPixel(At(5, 5)), RGB(0, 255, 0));
  EXPECT_EQ(ScreenPixel(At(4, 5)), RGB(255, 0, 0));
  // Outside the box the form's own colour.
  EXPECT_EQ(ScreenPixel(At(-5, 30)), RGB(255, 255, 255));

  // A window repaint with a valid buffer copies without painting the buffer again.
  RedrawWindow(Box->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(Box->Painted, 1);
  // Invalidate: the buffer is painted once more.
  Box->Invalidate();
  PumpIdle();
  EXPECT_EQ(Box->Painted, 2);
  // Drawing into the buffer alone shows nothing in the full repaint mode...
  Box->Buffer()->FillRectS(0, 0, 10, 10, Color32(255, 255, 0));
  PumpIdle();
  EXPECT_EQ(ScreenPixel(At(2, 2)), RGB(255, 0, 0));
  // ...until the window is repainted (the buffer stays as drawn: it is valid).
  RedrawWindow(Box->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  WaitForScreen({{At(2, 2), RGB(255, 255, 0)}});
  EXPECT_EQ(ScreenPixel(At(2, 2)), RGB(255, 255, 0));
  EXPECT_EQ(Box->Painted, 2);
}

TEST_F(PaintBoxWindow, GdiOverlayPaintsOverTheCopiedBuffer) {
  int Overlays = 0;
  Box->OnGDIOverlay = [&](TObject*) {
    ++Overlays;
    RECT R{40, 0, 50, 10};
    FillRect(Box->Canvas()->Handle(), &R, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  };
  Box->Invalidate();
  WaitForScreen({{At(45, 5), RGB(0, 0, 0)}});
  EXPECT_GE(Overlays, 1);
  EXPECT_EQ(ScreenPixel(At(45, 5)), RGB(0, 0, 0));
  EXPECT_EQ(ScreenPixel(At(45, 15)), RGB(255, 0, 0));
}

TEST_F(PaintBoxWindow, EraseBackgroundErasesNothing) {
  HDC Screen = GetDC(nullptr);
  HDC Mem = CreateCompatibleDC(Screen);
  HBITMAP Bmp = CreateCompatibleBitmap(Screen, 4, 4);
  HGDIOBJ Old = SelectObject(Mem, Bmp);
  SetPixel(Mem, 1, 1, RGB(10, 20, 30));
  EXPECT_EQ(SendMessageW(Box->Handle(), WM_ERASEBKGND, WPARAM(Mem), 0), 1);
  EXPECT_EQ(GetPixel(Mem, 1, 1), RGB(10, 20, 30));
  SelectObject(Mem, Old);
  DeleteObject(Bmp);
  DeleteDC(Mem);
  ReleaseDC(nullptr, Screen);
}

TEST_F(PaintBoxWindow, ArrowKeysAndAutoFocusFollowTheOptions) {
  EXPECT_FALSE(SendMessageW(Box->Handle(), WM_GETDLGCODE, 0, 0) & DLGC_WANTARROWS);
  Box->SetOptions({pboWantArrowKeys});
  EXPECT_TRUE(SendMessageW(Box->Handle(), WM_GETDLGCODE, 0, 0) & DLGC_WANTARROWS);

  auto* Other = new TPictureBox(Form.get());
  Other->SetBounds(150, 20, 50, 50);
  Other->SetParent(Form.get());
  Other->SetFocus();
  PumpIdle();
  TPoint P = At(50, 30);
  qvtest::Click(P.X, P.Y);
  EXPECT_TRUE(Other->Focused());  // no auto focus: the click leaves the focus alone
  Box->SetOptions({pboAutoFocus});
  qvtest::Click(P.X, P.Y);
  EXPECT_TRUE(Box->Focused());
}

TEST_F(PaintBoxWindow, MouseEnterRunsAfterAndMouseLeaveBeforeTheFramework) {
  int Enters = 0, Leaves = 0;
  Box->OnMouseEnter = [&](TObject*) { ++Enters; };
  Box->OnMouseLeave = [&](TObject*) { ++Leaves; };
  TPoint P = At(30, 30);
  qvtest::MoveMouse(P.X, P.Y);
  EXPECT_TRUE(Box->MouseInControl());
  qvtest::MoveMouse(5, 5);
  ASSERT_TRUE(qvtest::PumpUntil([&] { return !Box->MouseInControl(); }));
  EXPECT_EQ(Box->Log, (std::vector<String>{L"enter after framework", L"leave before framework"}));
  EXPECT_EQ(Enters, 1);
  EXPECT_EQ(Leaves, 1);
}

// One event member each: a handler set through the base control is the one that fires,
// once, and sees the paint box's new state.
TEST_F(PaintBoxWindow, MouseEventsSetThroughTheBaseControlFireOnce) {
  std::vector<String> Events;
  Box->OnMouseEnter = [&](TObject*) { Events.push_back(L"replaced"); };
  TControl* AsControl = Box;
  AsControl->OnMouseEnter = [&](TObject* Sender) {
    Events.push_back(Sender == Box && Box->MouseInControl() ? L"enter" : L"enter, wrong state");
  };
  AsControl->OnMouseLeave = [&](TObject* Sender) {
    Events.push_back(Sender == Box && !Box->MouseInControl() ? L"leave" : L"leave, wrong state");
  };
  EXPECT_TRUE(Box->OnMouseLeave);
  TPoint P = At(30, 30);
  qvtest::MoveMouse(P.X, P.Y);
  ASSERT_TRUE(qvtest::PumpUntil([&] { return Box->MouseInControl(); }));
  qvtest::MoveMouse(5, 5);
  ASSERT_TRUE(qvtest::PumpUntil([&] { return !Box->MouseInControl(); }));
  EXPECT_EQ(Events, (std::vector<String>{L"enter", L"leave"}));
}

TEST_F(PaintBoxWindow, DirectModeShowsBufferChangesAtOnce) {
  Box->SetRepaintMode(rmDirect);
  PumpIdle();
  int Painted = Box->Painted;
  Box->Buffer()->FillRectS(60, 40, 70, 50, Color32(0, 255, 255));
  // Copied to the window before FillRectS returned, not painted again.
  EXPECT_TRUE(Box->InvalidRects().empty());
  EXPECT_EQ(Box->Painted, Painted);
  WaitForScreen({{At(65, 45), RGB(0, 255, 255)}});
  EXPECT_EQ(ScreenPixel(At(65, 45)), RGB(0, 255, 255));
}

TEST_F(PaintBoxWindow, OptimizerModeCollectsChangesForTheNextPaint) {
  Box->SetRepaintMode(rmOptimizer);
  PumpIdle();
  int Painted = Box->Painted;
  Box->Buffer()->FillRectS(60, 40, 70, 50, Color32(0, 255, 255));
  Box->Buffer()->FillRectS(65, 45, 75, 55, Color32(0, 255, 255));
  Box->Buffer()->FillRectS(10, 10, 12, 12, Color32(255, 255, 255));
  PumpIdle();
  WaitForScreen({{At(72, 52), RGB(0, 255, 255)}, {At(11, 11), RGB(255, 255, 255)}});
  EXPECT_EQ(ScreenPixel(At(72, 52)), RGB(0, 255, 255));
  EXPECT_EQ(ScreenPixel(At(11, 11)), RGB(255, 255, 255));
  EXPECT_EQ(Box->Painted, Painted);
  // Invalidate while a partial repaint is pending still repaints the whole buffer.
  Box->Buffer()->FillRectS(0, 0, 2, 2, Color32(0, 0, 0));
  Box->Invalidate();
  PumpIdle();
  WaitForScreen({{At(1, 1), RGB(255, 0, 0)}, {At(72, 52), RGB(0, 0, 255)}});
  EXPECT_EQ(Box->Painted, Painted + 1);
  EXPECT_EQ(ScreenPixel(At(1, 1)), RGB(255, 0, 0));
  EXPECT_EQ(ScreenPixel(At(72, 52)), RGB(0, 0, 255));
}

TEST_F(PaintBoxWindow, NoParentNoPaint) {
  Box->SetParent(nullptr);
  Box->SetParentWindow(Form->Handle());
  Box->HandleNeeded();
  int Painted = Box->Painted;
  RedrawWindow(Box->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(Box->Painted, Painted);
  Box->SetParentWindow(nullptr);
}

}  // namespace
