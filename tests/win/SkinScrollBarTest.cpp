// The skinned scroll bar with real mouse and keyboard input, and driving a plain control.
#include "SkinControlsTestSupport.h"
#include "controls/QvSkinScrollBar.h"

using namespace qv;
using namespace qvtest;

namespace {

// The default skin: bars 10 pixels thick, arrows 9 long, the least thumb 21 (20 drawn).
class ScrollBarTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Bar = Add<TQvSkinScrollBar>(Form.get(), 20, 20, 200, 19);
    Bar->OnChange = [this](TObject*) { ++Changes; };
  }
  // Screen point of a point of the bar.
  TPoint At(int X, int Y) {
    POINT P{X, Y};
    ClientToScreen(Bar->Handle(), &P);
    return {P.x, P.y};
  }
  void Press(int X, int Y) {
    const TPoint P = At(X, Y);
    MoveMouse(P.X, P.Y);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    PumpInput();
  }
  void Release() {
    SendMouse(MOUSEEVENTF_LEFTUP);
    PumpInput();
  }
  void Wheel(int Delta) {
    INPUT In{};
    In.type = INPUT_MOUSE;
    In.mi.dwFlags = MOUSEEVENTF_WHEEL;
    In.mi.mouseData = DWORD(Delta);
    SendInput(1, &In, sizeof(In));
    PumpInput();
  }
  TQvSkinScrollBar* Bar = nullptr;
  int Changes = 0;
};

}  // namespace

TEST_F(ScrollBarTest, ThicknessFollowsThePicturesAndKindTurnsTheBar) {
  ShowForm();
  EXPECT_EQ(Bar->Height(), 10);
  Bar->SetKind(sbVertical);
  PumpIdle();
  EXPECT_EQ(Bar->Width(), 10);
  EXPECT_EQ(Bar->Height(), 200);
}

TEST_F(ScrollBarTest, SettersClampAndFireAsTheyShould) {
  struct Step {
    const char* What;
    std::function<void()> Do;
    int Position, Changes;
  } Steps[] = {
      {"page 10", [&] { Bar->SetPageSize(10); }, 0, 0},
      {"far above", [&] { Bar->SetPosition(500); }, 91, 1},
      {"the same again", [&] { Bar->SetPosition(500); }, 91, 1},
      {"range stores quietly", [&] { Bar->SetRange(0, 100, 0, 50); }, 50, 1},
      {"range clamps loudly", [&] { Bar->SetRange(0, 100, 10, 95); }, 91, 2},
      {"min raises", [&] { Bar->SetMin(95); }, 95, 2},
      {"range 10..200 at 95", [&] { Bar->SetRange(10, 200, 10, 95); }, 95, 2},
      {"max lowers quietly", [&] { Bar->SetMax(100); }, 91, 2},
      {"below min", [&] { Bar->SetPosition(-7); }, 10, 3},
      {"negative page is none", [&] { Bar->SetRange(0, 100, -5, 100); }, 100, 3},
      {"Max below Min", [&] { Bar->SetRange(50, 10, 0, 30); }, 50, 4},
      {"page too large is refused",
       [&] {
         Bar->SetRange(0, 100, 0, 50);
         Bar->SetPageSize(60);
       },
       50, 4},
  };
  for (const Step& S : Steps) {
    S.Do();
    EXPECT_EQ(Bar->Position(), S.Position) << S.What;
    EXPECT_EQ(Changes, S.Changes) << S.What;
  }
  EXPECT_EQ(Bar->PageSize(), 0);
}

TEST_F(ScrollBarTest, DraggingTheThumbWithTheMouse) {
  int Last = 0;
  Bar->OnLastChange = [&](TObject*) { ++Last; };
  ShowForm();
  // Track 9..191; the thumb starts at 9..29 and its centre travels 19..181.
  EXPECT_EQ(Bar->Geometry().Parts[0], Rect(9, 0, 29, 10));
  Press(19, 5);
  MoveMouse(At(100, 5).X, At(100, 5).Y);
  EXPECT_EQ(Bar->Position(), 50);
  // Off the bar and beyond its end: the drag goes on, held at the maximum.
  MoveMouse(At(400, 60).X, At(400, 60).Y);
  EXPECT_EQ(Bar->Position(), 100);
  EXPECT_EQ(Last, 0);
  Release();
  EXPECT_EQ(Last, 1);
  PumpIdle();
  EXPECT_EQ(Bar->Geometry().Parts[0], Rect(171, 0, 191, 10));
}

TEST_F(ScrollBarTest, HoldingAnArrowRepeatsAndPausesOffIt) {
  ShowForm();
  Press(195, 5);
  EXPECT_EQ(Bar->Position(), 1);  // the step of the press
  ASSERT_TRUE(PumpUntil([&] { return Bar->Position() >= 4; }));
  // Off the arrow the repeat pauses; back on it, it resumes.
  MoveMouse(At(100, 5).X, At(100, 5).Y);
  const int Paused = Bar->Position();
  PumpTicks(60, 3);
  EXPECT_EQ(Bar->Position(), Paused);
  MoveMouse(At(195, 5).X, At(195, 5).Y);
  ASSERT_TRUE(PumpUntil([&] { return Bar->Position() > Paused + 2; }));
  Release();
  const int Stopped = Bar->Position();
  PumpTicks(60, 3);
  EXPECT_EQ(Bar->Position(), Stopped);
  // The near arrow steps back, or calls the owner's step instead.
  int OwnerSteps = 0;
  Bar->OnDownButtonClick = [&](TObject*) { ++OwnerSteps; };
  Press(4, 5);
  Release();
  EXPECT_EQ(OwnerSteps, 1);
  EXPECT_EQ(Bar->Position(), Stopped);
  Bar->OnDownButtonClick = nullptr;
  Press(4, 5);
  Release();
  EXPECT_EQ(Bar->Position(), Stopped - 1);
}

TEST_F(ScrollBarTest, HoldingTheTrackPagesUntilTheThumbReachesThePointer) {
  int PageDowns = 0, PageUps = 0;
  Bar->OnPageDown = [&](TObject*) { ++PageDowns; };
  Bar->OnPageUp = [&](TObject*) { ++PageUps; };
  Bar->SetLargeChange(10);
  ShowForm();
  Press(150, 5);
  EXPECT_EQ(Bar->Position(), 10);
  ASSERT_TRUE(PumpUntil([&] { return Bar->Geometry().Parts[0].Right >= 150; }));
  const int Reached = Bar->Position();
  PumpTicks(60, 3);
  Release();
  EXPECT_EQ(Bar->Position(), Reached);
  EXPECT_EQ(PageDowns, Reached / 10);
  Press(12, 5);
  Release();
  EXPECT_EQ(Bar->Position(), Reached - 10);
  EXPECT_EQ(PageUps, 1);
}

TEST_F(ScrollBarTest, WheelAndArrowKeysStepAFocusedBarOnly) {
  ShowForm();
  const TPoint Over = At(100, 5);
  MoveMouse(Over.X, Over.Y);
  Wheel(-WHEEL_DELTA);
  EXPECT_EQ(Bar->Position(), 0) << "not focusable";
  Bar->SetCanFocused(true);
  Bar->SetSmallChange(3);
  Bar->SetFocus();
  PumpIdle();
  ASSERT_TRUE(Bar->Focused());
  const std::pair<std::function<void()>, int> Steps[] = {
      {[&] { Wheel(-WHEEL_DELTA); }, 3}, {[&] { Wheel(WHEEL_DELTA); }, 0},
      {[&] { PressKey(VK_RIGHT); }, 3},  {[&] { PressKey(VK_DOWN); }, 6},
      {[&] { PressKey(VK_LEFT); }, 3},   {[&] { PressKey(VK_UP); }, 0},
      {[&] { PressKey(VK_UP); }, 0},
  };
  for (const auto& [Do, Position] : Steps) {
    Do();
    EXPECT_EQ(Bar->Position(), Position);
  }
}

TEST_F(ScrollBarTest, ArrowsShowOnHoverAndADisabledBarHasNoThumb) {
  ShowForm();
  auto Pixel = [&](int X, int Y) {
    Redraw(Bar);
    return Rgb(*Bar->Buffer(), X, Y);
  };
  const uint32_t Blue = Rgb(clBlue);
  EXPECT_EQ(Pixel(4, 5), Blue) << "no arrow while the pointer is elsewhere";
  const uint32_t Thumb = Pixel(19, 5);
  EXPECT_NE(Thumb, Blue);
  MoveMouse(At(100, 5).X, At(100, 5).Y);
  EXPECT_NE(Pixel(4, 5), Blue) << "the arrow over a hovered bar";
  Bar->SetEnabled(false);
  EXPECT_NE(Pixel(19, 5), Thumb) << "the thumb of a disabled bar";
  EXPECT_NE(Pixel(4, 5), Blue) << "a disabled bar keeps its arrows";
}

TEST_F(ScrollBarTest, DrivesABoundControl) {
  // A plain control showing rows 0..999, 100 at a time, from the bar's position.
  auto* View = Add<TPanel>(Form.get(), 20, 50, 200, 100);
  int FirstRow = 0, Finished = 0;
  Bar->SetBindingWinControl(View);
  Bar->OnChange = [&](TObject* Sender) {
    FirstRow = static_cast<TQvSkinScrollBar*>(Sender)->Position();
  };
  Bar->OnLastChange = [&](TObject*) { ++Finished; };
  Bar->SetRange(0, 999, 100, 0);
  ShowForm();
  Press(Bar->Geometry().Parts[0].Left + 2, 5);
  MoveMouse(At(400, 5).X, At(400, 5).Y);
  Release();
  EXPECT_EQ(FirstRow, 900);
  EXPECT_EQ(Finished, 1);
  // A deferred change reaches the owner once.
  int Deferred = 0;
  Bar->OnChange = [&](TObject*) { ++Deferred; };
  Bar->ChangeLater(5);
  ASSERT_TRUE(PumpUntil([&] { return Deferred == 1; }));
  PumpTicks(10, 2);
  EXPECT_EQ(Deferred, 1);
  delete View;
  EXPECT_EQ(Bar->BindingWinControl(), nullptr);
}
