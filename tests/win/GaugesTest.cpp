// The circle progress, the speedometer and the image slider on a shown form: values and
// their events, painted pixels, and the slider's arrows, dots and automatic order.
#include <functional>
#include <tuple>

#include "SkinControlsTestSupport.h"
#include "controls/QvSkinCircleProgress.h"
#include "controls/QvSkinImageSlider.h"
#include "controls/QvSkinSpeedometer.h"
#include "resources/QvSkinResManager.h"

using namespace qv;
using namespace qvtest;

namespace {

constexpr uint32_t kRingRgb = 0xFFE68F, kProgressRgb = 0x42A5F5;
const wchar_t* const kPictures[] = {L"GaugesTestRed", L"GaugesTestGreen", L"GaugesTestBlue"};
constexpr TColor32 kPictureColors[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF};

// Solid pictures in the resource manager, one per colour.
void EnsurePictures() {
  TQvSkinResManager* Manager = TQvSkinResManagerObj();
  for (int I = 0; I < 3; ++I)
    if (Manager->IndexOfRes(kPictures[I]) < 0) {
      TCustomBitmap32 B;
      B.SetSize(64, 48);
      B.Clear(kPictureColors[I]);
      Manager->AddRes(&B, kPictures[I], L"");
    }
}

// A slider whose automatic change and shown part the test reaches directly.
class TTestSlider : public TQvSkinImageSlider {
 public:
  using TQvSkinImageSlider::AutoSlide;
  using TQvSkinImageSlider::TQvSkinImageSlider;
  const TRect& DisplayRect() const { return FDisplayRect; }
};

// Whether Area of the surface holds a pixel of colour Rgb.
bool HasColor(const TCustomBitmap32& B, const TRect& Area, uint32_t Color) {
  for (int Y = std::max(Area.Top, 0); Y < std::min(Area.Bottom, B.Height()); ++Y)
    for (int X = std::max(Area.Left, 0); X < std::min(Area.Right, B.Width()); ++X)
      if (Rgb(B, X, Y) == Color) return true;
  return false;
}

class GaugesTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    EnsurePictures();
  }
  TTestSlider* NewSlider(int Count, int W = 300, int H = 200) {
    auto* S = Add<TTestSlider>(Form.get(), 10, 10, W, H);
    S->SetAutoSlider(false);
    S->SetSliderSpeed(3);
    for (int I = 0; I < Count; ++I) S->Images()->Add()->SetImage(kPictures[I % 3]);
    return S;
  }
  void MoveTo(TWinControl* C, int X, int Y) {
    POINT P{X, Y};
    ClientToScreen(C->Handle(), &P);
    MoveMouse(P.x, P.y);
  }
  // A real click at the centre of R.
  void ClickAt(TWinControl* C, const TRect& R) {
    MoveTo(C, (R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    PumpInput();
    SendMouse(MOUSEEVENTF_LEFTUP);
    PumpInput();
  }
  uint32_t Centre(TQvSkinCustomControl* C) {
    Redraw(C);
    return Rgb(*C->Buffer(), C->Width() / 2, C->Height() / 3);
  }
};

}  // namespace

TEST_F(GaugesTest, ValuesClampAndFireOnce) {
  auto* Circle = Add<TQvSkinCircleProgress>(Form.get(), 10, 10, 180, 180);
  auto* Speed = Add<TQvSkinSpeedometer>(Form.get(), 200, 10, 326, 326);
  for (TQvSkinCustomGauge* G :
       {static_cast<TQvSkinCustomGauge*>(Circle), static_cast<TQvSkinCustomGauge*>(Speed)}) {
    int Changes = 0;
    G->OnChanged = [&](TObject*) { ++Changes; };
    const std::tuple<const char*, std::function<void()>, int, int> Steps[] = {
        {"above", [&] { G->SetValue(200); }, 100, 1},
        {"same", [&] { G->SetValue(100); }, 100, 1},
        {"below", [&] { G->SetValue(-5); }, 0, 2},
        {"max pulls quietly",
         [&] {
           G->SetValue(80);
           G->SetMaxValue(60);
         },
         60, 3},
        {"min pulls quietly", [&] { G->SetMinValue(70); }, 70, 3},
        {"empty range", [&] { G->SetMaxValue(70); }, 70, 3},
    };
    for (const auto& [What, Do, Value, Count] : Steps) {
      Do();
      EXPECT_EQ(G->Value(), Value) << G->ClassName() << ": " << What;
      EXPECT_EQ(Changes, Count) << G->ClassName() << ": " << What;
    }
    EXPECT_EQ(G->StartAngle(), 0) << "an empty range divides by nothing";
  }
  Circle->SetMinValue(0);
  Circle->SetMaxValue(100);
  int Changes = 0;
  Circle->OnChanged = [&](TObject*) { ++Changes; };
  Circle->BeginUpdate();
  Circle->SetValue(10);
  Circle->EndUpdate();
  EXPECT_EQ(Changes, 0) << "nothing while updating, nor at its end";
  EXPECT_EQ(Circle->Value(), 10);
  EXPECT_DOUBLE_EQ(Circle->StartAngle(), 359 - 35.9);
  EXPECT_EQ(Speed->ControlStyle().Contains(csAcceptsControls), true);
}

// 180 × 180, T 14: the ring's centre line has radius 77.5 about (90, 90); the number and
// its suffix stand in the middle.
TEST_F(GaugesTest, CircleProgressPaintsRingArcKnobAndText) {
  auto* Half = Add<TQvSkinCircleProgress>(Form.get(), 10, 10, 180, 180);
  auto* Empty = Add<TQvSkinCircleProgress>(Form.get(), 200, 10, 180, 180);
  Empty->SetValue(0);
  ShowForm();
  struct Case {
    TQvSkinCircleProgress* C;
    int X, Y;
    uint32_t Color;
  } Cases[] = {
      {Half, 167, 90, kProgressRgb}, {Half, 12, 90, kRingRgb},   {Half, 90, 167, 0xFFFFFF},
      {Half, 90, 90, Rgb(clBlue)},   {Empty, 167, 90, kRingRgb}, {Empty, 90, 12, 0xFFFFFF},
  };
  for (const Case& C : Cases)
    EXPECT_EQ(Rgb(*C.C->Buffer(), C.X, C.Y), C.Color) << C.X << "," << C.Y;
  const TRect Ink = InkBounds(*Half->Buffer(), Rgb(clBlue), {50, 50, 130, 130});
  ASSERT_FALSE(Ink.IsEmpty()) << "the number is drawn";
  EXPECT_NEAR(Ink.Left + Ink.Right, 180, 8) << "number and suffix centred together";
  EXPECT_TRUE(HasColor(*Half->Buffer(), Ink, 0x484848));

  Half->Caption()->SetVisible(false);
  Redraw(Half);
  EXPECT_TRUE(InkBounds(*Half->Buffer(), Rgb(clBlue), {50, 50, 130, 130}).IsEmpty());
}

// 326 × 326, T 23: the dial's centre line has radius 142.5 about (163, 163).
TEST_F(GaugesTest, SpeedometerPaintsDialLabelsAndNeedle) {
  auto* S = Add<TQvSkinSpeedometer>(Form.get(), 10, 10, 326, 326);
  Form->SetBounds(300, 200, 400, 400);
  ShowForm();
  const TCustomBitmap32& B = *S->Buffer();
  EXPECT_EQ(Rgb(B, 20, 163), kProgressRgb) << "9 o'clock: reached";
  EXPECT_EQ(Rgb(B, 305, 163), kRingRgb) << "3 o'clock: not reached";
  EXPECT_EQ(Rgb(B, 163, 305), Rgb(clBlue)) << "the gap at the bottom";
  EXPECT_NE(Rgb(B, 163, 120), Rgb(clBlue)) << "the needle points up";
  EXPECT_EQ(Rgb(B, 163, 200), Rgb(clBlue)) << "and not down";
  // Labels stand inside the dial: 50 at 12 o'clock is reached, 60 to its right is not.
  const TRect Top{140, 25, 186, 60};
  const TRect Right{185, 35, 240, 80};
  EXPECT_TRUE(HasColor(B, Top, kProgressRgb));
  EXPECT_TRUE(HasColor(B, Right, 0x484848));
  EXPECT_FALSE(HasColor(B, Right, kProgressRgb));
}

TEST_F(GaugesTest, SliderArrowsAndDotsChangeThePicture) {
  auto* S = NewSlider(3);
  int Left = 0, Right = 0, Dots = 0, Pages = 0;
  TQvSkinSliderItem* Clicked = nullptr;
  S->OnLeftButtonClick = [&](TObject*) { ++Left; };
  S->OnRightButtonClick = [&](TObject*) { ++Right; };
  S->OnDotButtonClick = [&](TObject*) { ++Dots; };
  S->OnSliderPageChanged = [&](TObject*) { ++Pages; };
  S->OnItemClick = [&](TObject*, TQvSkinSliderItem* Item) { Clicked = Item; };
  ShowForm();
  EXPECT_EQ(S->HotItemIndex(), 0);
  EXPECT_EQ(Centre(S), 0xFF0000u);
  EXPECT_FALSE(S->ButtonLeftVisible());
  ASSERT_TRUE(S->ButtonRightVisible());
  // The arrows: 40 × 69 frames at the edges, vertically centred.
  EXPECT_EQ(S->ButtonRightRect(), (TRect{260, 65, 300, 134}));

  ClickAt(S, S->ButtonRightRect());
  EXPECT_EQ(std::make_tuple(S->HotItemIndex(), Right, Pages), std::make_tuple(1, 1, 1));
  EXPECT_EQ(S->DisplayRect(), (TRect{300, 0, 600, 200})) << "ends exactly on the picture";
  EXPECT_EQ(Centre(S), 0x00FF00u);
  Redraw(S);
  ClickAt(S, S->ButtonLeftRect());
  EXPECT_EQ(std::make_tuple(S->HotItemIndex(), Left, Pages), std::make_tuple(0, 1, 2));

  // The third dot while the first picture shows: a jump that ends on it exactly.
  Redraw(S);
  const TRect Dot = S->Images()->Items(2)->DotButtonRect();
  EXPECT_EQ(Dot, (TRect{162, 170, 187, 190}));
  ClickAt(S, Dot);
  EXPECT_EQ(std::make_tuple(S->HotItemIndex(), Dots, Pages), std::make_tuple(2, 1, 3));
  EXPECT_EQ(S->DisplayRect(), (TRect{600, 0, 900, 200}));
  EXPECT_EQ(Centre(S), 0x0000FFu);
  EXPECT_TRUE(HasColor(*S->Buffer(), Dot, 0xA7936E)) << "the shown picture's dot";

  ClickAt(S, {140, 90, 160, 110});
  EXPECT_EQ(Clicked, S->Images()->Items(2));
  EXPECT_EQ(Pages, 3) << "a click on the picture changes nothing";
}

TEST_F(GaugesTest, SliderFadesAndSkipsBadIndexes) {
  auto* S = NewSlider(3);
  S->SetSliderType(stFade);
  ShowForm();
  S->SetHotItemIndex(2);
  EXPECT_EQ(S->HotItemIndex(), 2);
  EXPECT_EQ(Centre(S), 0x0000FFu) << "the fade ends with the picture whole";
  EXPECT_EQ(S->DisplayRect(), (TRect{0, 0, 300, 200})) << "fading leaves the slide state";
  int Pages = 0;
  S->OnSliderPageChanged = [&](TObject*) { ++Pages; };
  S->SetHotItemIndex(7);
  EXPECT_EQ(Pages, 1) << "told even for a bad index";
  EXPECT_EQ(Centre(S), Rgb(clWhite)) << "only the panel";
}

// The automatic change stepped with the clock in the test's hand.
TEST_F(GaugesTest, SliderAutomaticOrder) {
  struct Case {
    const char* What;
    TSliderType Type;
    bool LoopMode;
    int Count;
    std::vector<int> Shown;
  } Cases[] = {
      {"back and forth", stLeftRight, false, 3, {1, 2, 1, 0, 1}},
      {"slide in a loop", stLeftRight, true, 3, {1, 2, 0, 1}},
      {"fade cycles", stFade, false, 3, {1, 2, 0, 1}},
      {"a single picture stays", stLeftRight, false, 1, {0, 0}},
  };
  ShowForm();
  for (const Case& C : Cases) {
    auto* S = NewSlider(C.Count);
    S->SetSliderType(C.Type);
    S->SetLoopMode(C.LoopMode);
    S->SetSliderInterval(1000);
    S->AutoSlide(UINT64_MAX / 2);
    EXPECT_EQ(S->HotItemIndex(), 0) << C.What << ": off, nothing happens";
    S->SetAutoSlider(true);
    S->AutoSlide(GetTickCount64() + 500);
    EXPECT_EQ(S->HotItemIndex(), 0) << C.What << ": within the interval";
    std::vector<int> Shown;
    for (size_t I = 0; I < C.Shown.size(); ++I) {
      S->AutoSlide(GetTickCount64() + 1000);
      Shown.push_back(S->HotItemIndex());
    }
    EXPECT_EQ(Shown, C.Shown) << C.What;
    delete S;
  }
}

TEST_F(GaugesTest, SliderWithoutPicturesPaintsBlankAndResizeReturnsToTheFirst) {
  auto* Empty = NewSlider(0);
  auto* Missing = Add<TTestSlider>(Form.get(), 10, 220, 200, 100);
  Missing->SetAutoSlider(false);
  Missing->Images()->Add()->SetImage(L"GaugesTestNoSuchPicture");
  Missing->Images()->Add()->SetImage(L"");
  auto* Single = NewSlider(1);
  Single->SetBounds(320, 10, 200, 100);
  ShowForm();
  EXPECT_EQ(Empty->HotItemIndex(), -1);
  EXPECT_EQ(Centre(Empty), Rgb(clWhite));
  EXPECT_EQ(Centre(Missing), Rgb(clWhite)) << "a missing picture is a white frame";
  EXPECT_FALSE(Single->ButtonLeftVisible() || Single->ButtonRightVisible());
  EXPECT_EQ(Single->Images()->Items(0)->DotButtonRect(), (TRect{87, 70, 112, 90}));

  auto* S = NewSlider(3);
  ShowForm();
  S->SetHotItemIndex(2);
  S->SetBounds(10, 10, 250, 150);
  EXPECT_EQ(Centre(S), 0xFF0000u) << "a resize rebuilds the strip from the first picture";
  EXPECT_EQ(S->HotItemIndex(), 0);
  S->Images()->Delete(0);
  EXPECT_EQ(Centre(S), 0x00FF00u) << "a deleted item rebuilds it too";
}
