// The skinned hint bubble on the screen: shown beside the control after the pause with its
// pointer towards it, the side chosen by the room on the work area, the cursor placement,
// the application's picture, the class put back, and no leaks.
#include "LeakProbe.h"
#include "SkinControlsTestSupport.h"
#include "SkinTipsTestSupport.h"
#include "controls/QvSkinHint.h"
#include "host/Application.h"

using namespace qv;
using qvtest::MoveMouse;
using qvtest::PumpIdle;
using qvtest::PumpUntil;
using qvtest::Rgb;
using qvtest::TPanel;
using qvtest::WindowRect;
using qvtest::WorkArea;

namespace {

// The blue form (400 × 300 at 300, 200) holds a panel with a hint at (50, 50), 100 × 30.
class SkinHint : public qvtest::SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Panel = Add<TPanel>(Form.get(), 50, 50, 100, 30);
    Panel->SetHint(L"Hello hint");
    Panel->SetShowHint(true);
    Hint = new TQvSkinHint(Form.get());
    Hint->SetHintPauseTime(30);
    ShowForm();
  }
  void TearDown() override {
    Application->CancelHint();
    SkinFormTest::TearDown();
  }
  // The hint for the panel at once, the cursor on the panel's centre.
  TQvSkinHintWindow* ShowNow() {
    const TPoint C = Centre();
    MoveMouse(C.X, C.Y);
    Application->ActivateHint(C);
    PumpIdle();
    return Shown();
  }
  TQvSkinHintWindow* Shown() {
    auto* W = dynamic_cast<TQvSkinHintWindow*>(Application->HintWindow());
    return W && W->HandleAllocated() && IsWindowVisible(W->Handle()) ? W : nullptr;
  }
  TPoint Centre() { return Panel->ClientToScreen({50, 15}); }
  TRect PanelOnScreen() {
    const TPoint P = Panel->ClientToScreen({0, 0});
    return Bounds(P.X, P.Y, 100, 30);
  }
  TPanel* Panel = nullptr;
  TQvSkinHint* Hint = nullptr;
};

TEST_F(SkinHint, BubbleBelowTheControlAfterThePause) {
  const TPoint C = Centre();
  MoveMouse(C.X, C.Y);
  ASSERT_TRUE(PumpUntil([&] { return Shown() != nullptr; }));
  TQvSkinHintWindow* W = Shown();
  EXPECT_EQ(W->HintDirection(), hdDown);
  EXPECT_EQ(W->HintControl(), Panel);
  const TRect R = WindowRect(W->Handle());
  const TRect P = PanelOnScreen();
  EXPECT_EQ(R.Top, P.Bottom + 1);
  EXPECT_LE(std::abs((R.Left + R.Right) / 2 - (P.Left + P.Right) / 2), 1);
  EXPECT_FALSE(GetWindowLongW(W->Handle(), GWL_STYLE) & WS_BORDER);

  // The pointer on the top edge, the body below it, the form showing beside the pointer.
  const TBitmap32& B = *W->Picture();
  ASSERT_EQ(B.Width(), R.Width());
  const int HW = B.Width() / 2;
  EXPECT_EQ(Rgb(B, 1, 1), 0x0000FFu);
  EXPECT_EQ(Rgb(B, HW, 5), Rgb(Hint->HintColor()));
  EXPECT_EQ(Rgb(B, 2, 8), Rgb(Hint->FrameColor()));
  EXPECT_EQ(Rgb(B, HW, 8), Rgb(Hint->HintColor()));  // the outline opened under the pointer
  EXPECT_EQ(Rgb(B, 3, B.Height() - 3), Rgb(Hint->HintColor()));
  const TRect Ink =
      qvtest::InkBounds(B, Rgb(Hint->HintColor()), Rect(1, 9, B.Width() - 1, B.Height() - 1));
  EXPECT_GE(Ink.Left, 9);  // the text
  EXPECT_GE(Ink.Top, 13);
}

TEST_F(SkinHint, SideFollowsTheRoomOnTheWorkArea) {
  const TRect Area = WorkArea();
  struct {
    const char* Name;
    int FormLeft, FormTop;
    THintDirection Side;
  } Cases[] = {
      {"room everywhere", 300, 200, hdDown},
      {"near the bottom", 300, Area.Bottom - 90, hdUp},
      {"near the right", Area.Right - 180, 200, hdLeft},
      {"near both", Area.Right - 180, Area.Bottom - 90, hdLeft},
  };
  for (auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    Application->CancelHint();
    Form->SetBounds(C.FormLeft, C.FormTop, 400, 300);
    PumpIdle();
    TQvSkinHintWindow* W = ShowNow();
    ASSERT_NE(W, nullptr);
    EXPECT_EQ(W->HintDirection(), C.Side);
    const TRect R = WindowRect(W->Handle());
    const TRect P = PanelOnScreen();
    if (C.Side == hdUp) {
      EXPECT_EQ(R.Bottom, P.Top - 1);
    }
    if (C.Side == hdLeft) {
      EXPECT_EQ(R.Right, P.Left - 1);
    }
    EXPECT_TRUE(R.Left >= Area.Left && R.Right <= Area.Right && R.Top >= Area.Top &&
                R.Bottom <= Area.Bottom);
  }
}

TEST_F(SkinHint, AtTheCursorWithTheGivenSide) {
  Hint->SetAutoPosition(false);
  Hint->SetHintDirection(hdRight);
  TQvSkinHintWindow* W = ShowNow();
  ASSERT_NE(W, nullptr);
  EXPECT_EQ(W->HintDirection(), hdRight);
  const TRect R = WindowRect(W->Handle());
  EXPECT_EQ(TPoint(R.Left, R.Top), Centre());
  // The pointer on the left edge, pointing left.
  const TBitmap32& B = *W->Picture();
  EXPECT_EQ(Rgb(B, 4, B.Height() / 2), Rgb(Hint->HintColor()));
  EXPECT_NE(Rgb(B, 4, 1), Rgb(Hint->HintColor()));
  EXPECT_EQ(Rgb(B, 8, 2), Rgb(Hint->FrameColor()));

  // The application may choose another side and place.
  Hint->OnSelectHintDirection = [&](TControl* Control, TPoint& Pos, THintDirection& Dir) {
    EXPECT_EQ(Control, Panel);
    Pos = {Pos.X + 20, Pos.Y + 10};
    Dir = hdUp;
  };
  Application->CancelHint();
  W = ShowNow();
  ASSERT_NE(W, nullptr);
  EXPECT_EQ(W->HintDirection(), hdUp);
  EXPECT_EQ(Hint->HintDirection(), hdRight);  // the property itself is kept
  EXPECT_EQ(TPoint(WindowRect(W->Handle()).Left, WindowRect(W->Handle()).Top),
            TPoint(Centre().X + 20, Centre().Y + 10));
}

TEST_F(SkinHint, ThePictureOfTheApplicationBlendedOverTheScreen) {
  Hint->OnCustomHint = [&](TControl* Control, std::unique_ptr<TBitmap32>& Picture) {
    EXPECT_EQ(Control, Panel);
    Picture = std::make_unique<TBitmap32>();
    Picture->SetSize(100, 40);
    Picture->Clear(Color32(255, 0, 0, 128));
  };
  TQvSkinHintWindow* W = ShowNow();
  ASSERT_NE(W, nullptr);
  const TRect R = WindowRect(W->Handle());
  EXPECT_EQ(R.Width(), 100);
  EXPECT_EQ(R.Height(), 40);
  // Half red over the blue form, no frame and no pointer anywhere.
  const TBitmap32& B = *W->Picture();
  for (TPoint P : {TPoint{0, 0}, TPoint{50, 0}, TPoint{50, 20}, TPoint{99, 39}}) {
    const uint32_t C = Rgb(B, P.X, P.Y);
    EXPECT_NEAR(int(C >> 16 & 0xFF), 128, 2);
    EXPECT_EQ(int(C >> 8 & 0xFF), 0);
    EXPECT_NEAR(int(C & 0xFF), 127, 2);
  }
}

TEST_F(SkinHint, ThePreviousHintWindowComesBack) {
  ASSERT_NE(ShowNow(), nullptr);
  Hint->SetEnabled(false);
  Application->ActivateHint(Centre());
  PumpIdle();
  ASSERT_NE(Application->HintWindow(), nullptr);
  EXPECT_EQ(dynamic_cast<TQvSkinHintWindow*>(Application->HintWindow()), nullptr);
  Hint->SetEnabled(true);
  ASSERT_NE(ShowNow(), nullptr);
  delete Hint;
  Hint = nullptr;
  Application->ActivateHint(Centre());
  PumpIdle();
  EXPECT_EQ(dynamic_cast<TQvSkinHintWindow*>(Application->HintWindow()), nullptr);
}

TEST_F(SkinHint, ManyHintsLeaveNothingBehind) {
  delete Hint;
  Hint = nullptr;
  const TPoint C = Centre();
  MoveMouse(C.X, C.Y);
  auto HintWindows = [] {
    int N = 0;
    for (int I = 0; I < Application->ComponentCount(); ++I)
      N += dynamic_cast<THintWindow*>(Application->Components(I)) != nullptr;
    return N;
  };
  // Each cycle shows the skinned hint and takes it away again; every tenth one installs
  // a new hint component first (and so a new hint window).
  std::unique_ptr<TQvSkinHint> H;
  auto Cycle = [&](int I) {
    if (I % 10 == 0) {
      H.reset();
      H = std::make_unique<TQvSkinHint>(Form.get());
    }
    Application->ActivateHint(C);
    Application->CancelHint();
  };
  for (int I = 0; I < 20; ++I) Cycle(I);
  PumpIdle();
  const qvtest::TSlots Before = qvtest::Probe();
  const unsigned Limit = 100;  // a leak of one object per cycle moves a slot by 1000
  for (int I = 0; I < 1000; ++I) Cycle(I);
  PumpIdle();
  const qvtest::TSlots After = qvtest::Probe();
  EXPECT_LT(After.Window, Before.Window + Limit) << "windows leak";
  EXPECT_LT(After.Gdi, Before.Gdi + Limit) << "GDI objects leak";
  EXPECT_LE(HintWindows(), 1);
  H.reset();
}

}  // namespace
