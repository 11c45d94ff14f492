// The push button's state rules without a window: the picture each state shows, what a
// press and a release do for plain, group and drop-down buttons, and the animate button's
// frame stepping.
#include <gtest/gtest.h>

#include "controls/QvSkinButtonState.h"

using namespace qv;

namespace {

TQvButtonState Make(bool MouseIn, bool MouseDown, bool Down) {
  TQvButtonState S;
  S.MouseIn = MouseIn;
  S.MouseDown = MouseDown;
  S.Down = Down;
  return S;
}

TEST(SkinButtonState, VisualStateTable) {
  struct Case {
    bool MouseIn, MouseDown, Down, Enabled;
    TQvButtonVisual Expected;
  };
  const Case Cases[] = {
      {false, false, false, true, bvNormal},   {true, false, false, true, bvHot},
      {true, true, false, true, bvHot},  // held with AllowAllUp: hot, not pressed
      {true, true, true, true, bvPressed},     {false, true, false, true, bvPressed},
      {false, false, true, true, bvPressed},   {false, false, false, false, bvDisabled},
      {true, false, false, false, bvHot},  // hot wins over disabled
      {false, false, true, false, bvDisabled},
  };
  for (const Case& C : Cases)
    EXPECT_EQ(Make(C.MouseIn, C.MouseDown, C.Down).Visual(C.Enabled), C.Expected)
        << C.MouseIn << C.MouseDown << C.Down << C.Enabled;
}

TEST(SkinButtonState, PlainButtonClicksOnlyWhenReleasedOverIt) {
  const TQvButtonSetup Plain;
  TQvButtonState S = Make(true, false, false);
  TQvButtonAction A = ButtonPress(S, Plain, false);
  EXPECT_TRUE(A.StartHold);
  EXPECT_EQ(A.NewDown, true);
  EXPECT_FALSE(A.OpenMenu);
  EXPECT_TRUE(S.MouseDown);
  S.Down = true;  // what the setter does
  A = ButtonRelease(S, Plain, true);
  EXPECT_EQ(A.NewDown, false);
  EXPECT_TRUE(A.Click);
  EXPECT_TRUE(S.MouseIn);
  EXPECT_FALSE(S.MouseDown);

  // Released elsewhere: no click, Down cleared without the setter.
  S = Make(true, false, false);
  ButtonPress(S, Plain, false);
  S.Down = true;
  A = ButtonRelease(S, Plain, false);
  EXPECT_FALSE(A.Click);
  EXPECT_FALSE(A.NewDown.has_value());
  EXPECT_FALSE(S.Down);
  EXPECT_FALSE(S.MouseIn);
  EXPECT_EQ(S.Visual(true), bvNormal);
}

TEST(SkinButtonState, GroupLatchingTable) {
  // Down before the release, AllowAllUp, released over it -> Down after, click.
  struct Case {
    bool DownBefore, AllowAllUp, Over;
    std::optional<bool> NewDown;
    bool Click;
  };
  const Case Cases[] = {
      {true, false, true, true, true},            // latched: stays down
      {false, true, true, true, true},            // toggles down
      {true, true, true, false, true},            // toggles up
      {true, false, false, std::nullopt, false},  // released elsewhere: keeps its state
      {false, true, false, std::nullopt, false},
  };
  for (const Case& C : Cases) {
    TQvButtonState S = Make(true, true, C.DownBefore);
    const TQvButtonAction A = ButtonRelease(S, {1, C.AllowAllUp, false, false}, C.Over);
    EXPECT_EQ(A.NewDown, C.NewDown) << C.DownBefore << C.AllowAllUp << C.Over;
    EXPECT_EQ(A.Click, C.Click);
    EXPECT_EQ(S.Down, C.DownBefore);  // only through the setter
  }
  // Any mouse button latches an up group button; AllowAllUp or a plain button does not.
  EXPECT_EQ(ButtonMouseDown(Make(true, false, false), {1, false}).NewDown, true);
  EXPECT_FALSE(ButtonMouseDown(Make(true, false, true), {1, false}).NewDown.has_value());
  EXPECT_FALSE(ButtonMouseDown(Make(true, false, false), {1, true}).NewDown.has_value());
  EXPECT_FALSE(ButtonMouseDown(Make(true, false, false), {0, false}).NewDown.has_value());
  // With AllowAllUp the press does not set Down: the held button shows hot.
  TQvButtonState S = Make(true, false, false);
  EXPECT_FALSE(ButtonPress(S, {1, true}, false).NewDown.has_value());
  EXPECT_EQ(S.Visual(true), bvHot);
}

TEST(SkinButtonState, DropdownPart) {
  const TQvButtonSetup MenuOnly{0, false, true, false}, MenuAndClick{0, false, true, true};
  // Without OnClick a press anywhere opens the menu, and the release (Down cleared after
  // the menu) does not click.
  TQvButtonState S = Make(true, false, false);
  TQvButtonAction A = ButtonPress(S, MenuOnly, false);
  EXPECT_TRUE(A.OpenMenu);
  EXPECT_TRUE(S.PressedInDropdown);
  S.Down = false;
  A = ButtonRelease(S, MenuOnly, true);
  EXPECT_FALSE(A.Click);
  EXPECT_FALSE(S.PressedInDropdown);
  // With OnClick the main part clicks and only the drop-down part opens the menu.
  S = Make(true, false, false);
  A = ButtonPress(S, MenuAndClick, false);
  EXPECT_FALSE(A.OpenMenu);
  S.Down = true;
  EXPECT_TRUE(ButtonRelease(S, MenuAndClick, true).Click);
  S = Make(true, false, false);
  S.MouseInDropdown = true;
  A = ButtonPress(S, MenuAndClick, true);
  EXPECT_TRUE(A.OpenMenu);
  EXPECT_FALSE(A.StartHold);
  EXPECT_FALSE(S.MouseDown);
  // A press in the part before the pointer moved there is skipped, as is a marked press.
  S = Make(true, false, false);
  A = ButtonPress(S, MenuAndClick, true);
  EXPECT_FALSE(A.OpenMenu);
  EXPECT_FALSE(A.StartHold);
  S.SkipNextClick = true;
  A = ButtonPress(S, MenuAndClick, false);
  EXPECT_FALSE(A.StartHold);
  EXPECT_FALSE(S.SkipNextClick);
}

TEST(SkinButtonState, MouseLeaveClearsThePointerFlagsOnly) {
  TQvButtonState S = Make(true, true, true);
  S.MouseInDropdown = S.PressedInDropdown = true;
  ButtonMouseLeave(S);
  EXPECT_FALSE(S.MouseIn || S.MouseDown || S.MouseInDropdown || S.PressedInDropdown);
  EXPECT_TRUE(S.Down);
  EXPECT_EQ(S.Visual(true), bvPressed);  // held and left: still looks pressed
}

TEST(SkinButtonState, AnimateFrames) {
  EXPECT_EQ(AnimateFrameInterval(80, 8), 10u);
  EXPECT_EQ(AnimateFrameInterval(20, 8), 5u);  // clamped
  EXPECT_EQ(AnimateFrameInterval(80, 0), 0u);
  EXPECT_EQ(AnimateNextFrame(0, 8, true), 1);
  EXPECT_EQ(AnimateNextFrame(7, 8, true), std::nullopt);
  EXPECT_EQ(AnimateNextFrame(5, 8, false), 4);
  EXPECT_EQ(AnimateNextFrame(0, 8, false), std::nullopt);
  EXPECT_EQ(AnimateNextFrame(0, 0, true), std::nullopt);
}

}  // namespace
