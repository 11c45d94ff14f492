// The progress bar with its thumb and the colour track bar, with real mouse and keys.
#include "SkinControlsTestSupport.h"
#include "controls/QvHLSTrackBar.h"

using namespace qv;
using namespace qvtest;

namespace {

class ProgressTest : public SkinFormTest {
 protected:
  TPoint At(TWinControl* C, int X, int Y) {
    POINT P{X, Y};
    ClientToScreen(C->Handle(), &P);
    return {P.x, P.y};
  }
  void MoveTo(TWinControl* C, int X, int Y) {
    const TPoint P = At(C, X, Y);
    MoveMouse(P.X, P.Y);
  }
  void Press(TWinControl* C, int X, int Y) {
    MoveTo(C, X, Y);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    PumpInput();
  }
  void Release() {
    SendMouse(MOUSEEVENTF_LEFTUP);
    PumpInput();
  }
  TQvSkinProgressBar* WithThumb(int L, int T) {
    auto* Bar = Add<TQvSkinProgressBar>(Form.get(), L, T, 150, 17);
    Bar->TrackButton()->SetVisible(true);
    Bar->TrackButton()->SetNormal(L"QvSkinSlider_dragBackground");
    return Bar;
  }
};

}  // namespace

TEST_F(ProgressTest, ProgressSettersClampAndFire) {
  auto* Bar = Add<TQvSkinProgressBar>(Form.get(), 10, 10, 150, 17);
  int Changes = 0;
  Bar->OnChanged = [&](TObject*) { ++Changes; };
  const std::tuple<const char*, std::function<void()>, int, int> Steps[] = {
      {"above", [&] { Bar->SetValue(500); }, 100, 1},
      {"same", [&] { Bar->SetValue(100); }, 100, 1},
      {"below", [&] { Bar->SetValue(-5); }, 0, 2},
      {"max pulls quietly",
       [&] {
         Bar->SetValue(80);
         Bar->SetMaxValue(60);
       },
       60, 3},
      {"min pulls quietly", [&] { Bar->SetMinValue(70); }, 70, 3},
      {"updating is quiet",
       [&] {
         Bar->SetMinValue(0);
         Bar->BeginUpdate();
         Bar->SetValue(10);
         Bar->EndUpdate();
       },
       10, 3},
  };
  for (const auto& [What, Do, Value, Count] : Steps) {
    Do();
    EXPECT_EQ(Bar->Value(), Value) << What;
    EXPECT_EQ(Changes, Count) << What;
  }
}

TEST_F(ProgressTest, TrackSettersKeepTheRange) {
  auto* Track = Add<TQvHLSTrackBar>(Form.get(), 10, 10, 230, 28);
  int Changes = 0;
  Track->OnChange = [&](TObject*) { ++Changes; };
  EXPECT_EQ(std::make_pair(Track->Min(), Track->Max()), std::make_pair(0, 10));
  Track->SetValue(7);
  Track->SetKind(hlsS);
  EXPECT_EQ(std::make_tuple(Track->Min(), Track->Max(), Track->Value()),
            std::make_tuple(-100, 100, 7));
  Track->SetKind(hlsH);
  EXPECT_EQ(std::make_pair(Track->Min(), Track->Max()), std::make_pair(-180, 180));
  Track->SetMax(-200);
  EXPECT_EQ(Track->Max(), -179);
  EXPECT_EQ(Track->Value(), -179);
  Track->SetMin(50);
  EXPECT_EQ(Track->Min(), -180);
  EXPECT_EQ(Changes, 2);  // the set value, then the value pulled down by Max
  Track->SetValue(-179);
  EXPECT_EQ(Changes, 3) << "set even when unchanged";
  Track->Lock();
  Track->SetValue(-180);
  Track->UnLock();
  EXPECT_EQ(Changes, 3);
}

TEST_F(ProgressTest, FillFollowsTheValueOnPixels) {
  auto* Half = Add<TQvSkinProgressBar>(Form.get(), 10, 10, 150, 17);
  auto* Empty = Add<TQvSkinProgressBar>(Form.get(), 10, 40, 150, 17);
  auto* Full = Add<TQvSkinProgressBar>(Form.get(), 10, 70, 150, 17);
  auto* Narrow = Add<TQvSkinProgressBar>(Form.get(), 10, 100, 29, 17);
  Empty->SetValue(0);
  Full->SetValue(100);
  ShowForm();
  auto Px = [](TQvSkinProgressBar* B, int X) { return Rgb(*B->Buffer(), X, 8); };
  // The filled picture differs from the track picture.
  EXPECT_NE(Px(Full, 40), Px(Empty, 40));
  EXPECT_EQ(Px(Half, 40), Px(Full, 40));
  EXPECT_EQ(Px(Half, 110), Px(Empty, 110));
  EXPECT_EQ(Px(Full, 145), Px(Full, 140)) << "the filled part reaches the end";
  EXPECT_NE(Px(Full, 145), Px(Empty, 145));
  EXPECT_EQ(InkBounds(*Narrow->Buffer(), Rgb(clBlue)), TRect{}) << "too narrow to draw";
}

TEST_F(ProgressTest, ThumbDragsAndKeysStepOnlyWithAThumb) {
  auto* Plain = Add<TQvSkinProgressBar>(Form.get(), 10, 40, 150, 17);
  auto* Bar = WithThumb(10, 10);
  int Changes = 0;
  Bar->OnChanged = [&](TObject*) { ++Changes; };
  ShowForm();
  // Value 50: the thumb's right edge at 75.
  EXPECT_EQ(Bar->ThumbRect().Right, 75);
  const TRect T = Bar->ThumbRect();
  Press(Bar, (T.Left + T.Right) / 2, 8);
  EXPECT_TRUE(Bar->Sliding());
  MoveTo(Bar, (T.Left + T.Right) / 2 + 37, 8);
  // Round((106 - 1) / 148 * 100): the pointer over the track, less the grab offset.
  EXPECT_EQ(Bar->Value(), 71);
  MoveTo(Bar, 400, 8);
  EXPECT_EQ(Bar->Value(), 100);
  Release();
  EXPECT_FALSE(Bar->Sliding());
  EXPECT_GE(Changes, 2);
  ASSERT_TRUE(Bar->Focused());
  const std::pair<WORD, int> Keys[] = {{VK_HOME, 0},  {VK_PRIOR, 1}, {VK_RIGHT, 2}, {VK_LEFT, 1},
                                       {VK_END, 100}, {VK_UP, 100},  {VK_NEXT, 99}};
  for (auto [Key, Value] : Keys) {
    PressKey(Key);
    EXPECT_EQ(Bar->Value(), Value) << Key;
  }
  // Without the thumb: neither mouse nor keys.
  Press(Plain, 140, 8);
  Release();
  Plain->SetFocus();
  PressKey(VK_HOME);
  EXPECT_EQ(Plain->Value(), 50);
}

TEST_F(ProgressTest, ColourTrackFiresAtTheEndOfADragAndPagesByOne) {
  auto* Track = Add<TQvHLSTrackBar>(Form.get(), 10, 10, 230, 28);
  Track->SetKind(hlsH);
  int Changes = 0;
  Track->OnChange = [&](TObject*) { ++Changes; };
  ShowForm();
  EXPECT_EQ(Rgb(*Track->Buffer(), 6, 3), 0xFF0000u) << "the spectrum starts at red";
  const TRect T = Track->ThumbRect();
  EXPECT_EQ(T.Left, 109);
  // A click on the thumb fires once.
  Press(Track, T.Left + 5, T.Top + 5);
  Release();
  EXPECT_EQ(Changes, 1);
  EXPECT_EQ(Track->Value(), 0);
  // A drag changes the value as it goes and fires at the end only.
  Press(Track, T.Left + 5, T.Top + 5);
  MoveTo(Track, T.Left + 5 + 55, T.Top + 5);
  EXPECT_GT(Track->Value(), 60);
  EXPECT_EQ(Changes, 1);
  Release();
  EXPECT_EQ(Changes, 2);
  // Holding the track left of the thumb steps down by 1 until released.
  Track->SetValue(0);
  Changes = 0;
  Press(Track, 20, 3);
  EXPECT_EQ(Track->Value(), -1);
  ASSERT_TRUE(PumpUntil([&] { return Track->Value() <= -3; }));
  Release();
  const int Stopped = Track->Value();
  PumpTicks(120, 2);
  EXPECT_EQ(Track->Value(), Stopped);
  EXPECT_GE(Changes, 1);
}
