// Toast height, placement on the work area and the fade/close timing.
#include <gtest/gtest.h>

#include "dialogs/QvSkinPopupMessageGeometry.h"

using namespace qv;

namespace {

const TRect kArea = Rect(0, 0, 1600, 960);

}  // namespace

TEST(PopupMessageGeometry, Height) {
  struct {
    int Icon, Text;
    bool Button;
    int Height;
  } const Cases[] = {
      {0, 15, false, 147},   // 20 + 80 + 47
      {40, 30, false, 147},  // below MinHeight
      {0, 15, true, 182},    // 35 taller with a button
      {40, 130, false, 197},
  };
  for (const auto& C : Cases)
    EXPECT_EQ(PopupToastHeight(20, 100, C.Icon, C.Text, C.Button), C.Height)
        << C.Icon << " " << C.Text;
}

TEST(PopupMessageGeometry, StacksAndStartsColumns) {
  TPopupPlaceInput In{kArea, 228, 147};
  const TPoint First = PlacePopupToast(In);
  EXPECT_EQ(First, (TPoint{1600 - 229, 960 - 148}));

  TRect Last = Rect(First.X, First.Y, First.X + 228, First.Y + 147);
  In.Last = &Last;
  EXPECT_EQ(PlacePopupToast(In), (TPoint{First.X, First.Y - 148}));  // 1 px above

  Last = Rect(First.X, 100, First.X + 228, 247);  // the column is full
  EXPECT_EQ(PlacePopupToast(In), (TPoint{First.X - 229, 960 - 148}));
  In.AutoAlign = false;
  EXPECT_EQ(PlacePopupToast(In), (TPoint{First.X, 960 - 148}));

  Last = Rect(100, 100, 328, 247);  // no room for a column on the left: start over
  In.AutoAlign = true;
  EXPECT_EQ(PlacePopupToast(In), (TPoint{First.X, 960 - 148}));
}

TEST(PopupMessageGeometry, PositionedAndTinyWorkAreas) {
  struct {
    TRect Area;
    int X, Y;
    TPoint Expected;
  } const Cases[] = {
      {kArea, 300, 500, {299, 500 - 148}},
      {kArea, 1500, 500, {1600 - 229, 500 - 148}},
      {kArea, 300, 50, {299, 0}},               // stays below the top
      {Rect(10, 20, 110, 80), 0, 0, {10, 20}},  // tiny work area
      {Rect(500, 300, 700, 400), 0, 0, {500, 300}},
  };
  for (const auto& C : Cases) {
    TPopupPlaceInput In{C.Area, 228, 147};
    In.X = C.X;
    In.Y = C.Y;
    EXPECT_EQ(PlacePopupToast(In), C.Expected) << C.X << "," << C.Y;
  }
}

TEST(PopupMessageGeometry, FadeInPauseFadeOut) {
  TQvPopupFade F(true, 5000, 1000);
  EXPECT_EQ(F.Alpha(), 0);
  int Steps = 0;
  for (; F.FadeRunning(); ++Steps) EXPECT_EQ(F.FadeStep(), TQvPopupFade::faNone);
  EXPECT_EQ(F.Alpha(), 255);
  EXPECT_EQ(Steps, 26);  // 0, 10, ..., 250 then 255
  EXPECT_EQ(F.CloseTick(5999), TQvPopupFade::faNone);
  EXPECT_TRUE(F.CloseRunning());
  EXPECT_EQ(F.CloseTick(6000), TQvPopupFade::faNone);
  EXPECT_FALSE(F.CloseRunning());
  EXPECT_TRUE(F.FadingOut());
  TQvPopupFade::TAction A = TQvPopupFade::faNone;
  for (Steps = 0; F.FadeRunning(); ++Steps) A = F.FadeStep();
  EXPECT_EQ(A, TQvPopupFade::faClose);
  EXPECT_EQ(F.Alpha(), 0);
  EXPECT_EQ(Steps, 26);
}

TEST(PopupMessageGeometry, HoverKeepsAToast) {
  TQvPopupFade F(true, 5000, 0);
  while (F.FadeRunning()) F.FadeStep();
  F.CloseTick(5000);
  for (int I = 0; I < 5; ++I) F.FadeStep();
  EXPECT_LT(F.Alpha(), 255);
  F.MouseEnter();  // abandons the fade-out
  EXPECT_EQ(F.Alpha(), 255);
  EXPECT_FALSE(F.FadeRunning());
  EXPECT_FALSE(F.FadingOut());
  EXPECT_EQ(F.CloseTick(999999), TQvPopupFade::faNone);
  F.MouseLeave(10000);  // the full pause counts again
  EXPECT_EQ(F.CloseTick(14999), TQvPopupFade::faNone);
  F.CloseTick(15000);
  EXPECT_TRUE(F.FadingOut());
}

TEST(PopupMessageGeometry, NoPauseAndNoAnimation) {
  TQvPopupFade Held(false, 0, 0);
  EXPECT_EQ(Held.Alpha(), 255);
  EXPECT_FALSE(Held.CloseRunning());
  EXPECT_EQ(Held.CloseTick(100000), TQvPopupFade::faNone);
  Held.MouseEnter();
  Held.MouseLeave(100000);
  EXPECT_EQ(Held.CloseTick(100100), TQvPopupFade::faClose);  // closes at once, no fade

  TQvPopupFade Plain(false, 300, 0);
  EXPECT_FALSE(Plain.FadeRunning());
  EXPECT_EQ(Plain.CloseTick(200), TQvPopupFade::faNone);
  EXPECT_EQ(Plain.CloseTick(300), TQvPopupFade::faClose);
}
