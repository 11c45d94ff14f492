#pragma once
// The push button's input state and the rules that move it: which picture a state shows,
// what a press and a release of the left button do (latching, clicking, opening the
// drop-down menu), and the frame stepping of the animate button. Portable: the control
// applies the actions (the Down setter turns the group's siblings off, timers, the menu).
#include <optional>

namespace qv {

enum TQvButtonVisual { bvNormal, bvHot, bvPressed, bvDisabled };

struct TQvButtonState {
  bool MouseIn = false;            // the pointer is over the button
  bool MouseDown = false;          // the left button went down on the main part and is held
  bool Down = false;               // latched or pressed-looking
  bool MouseInDropdown = false;    // the pointer is over the drop-down part
  bool PressedInDropdown = false;  // the drop-down part is pressed (its menu is open)
  bool SkipNextClick = false;      // one press is ignored

  // Hot wins over disabled: a hovered disabled button shows its hot picture.
  TQvButtonVisual Visual(bool Enabled) const {
    if (MouseIn && !Down) return bvHot;
    if (!Enabled) return bvDisabled;
    if (MouseDown || Down) return bvPressed;
    return bvNormal;
  }
  bool Hot() const { return MouseIn && !Down; }
  bool Pressed() const { return MouseDown || Down; }
};

// What the button is set up as, for the press and release rules.
struct TQvButtonSetup {
  int GroupIndex = 0;
  bool AllowAllUp = false;
  bool HasDropdownMenu = false;
  bool HasOnClick = false;
};

// What the control does after a rule ran.
struct TQvButtonAction {
  std::optional<bool> NewDown;  // set Down through its setter
  bool StartHold = false;       // start the hold-to-repeat timer
  bool OpenMenu = false;        // show the drop-down menu, then Down := False
  bool Click = false;
};

// Any mouse button going down: a group button that is up latches down.
TQvButtonAction ButtonMouseDown(const TQvButtonState& S, const TQvButtonSetup& Setup);
// The left button going down. InDropdownRect: the press lies in the drop-down part.
TQvButtonAction ButtonPress(TQvButtonState& S, const TQvButtonSetup& Setup, bool InDropdownRect);
// The left button coming up; OverButton: the window under the pointer is the button's.
// A plain button released elsewhere has its Down cleared here, without the setter.
TQvButtonAction ButtonRelease(TQvButtonState& S, const TQvButtonSetup& Setup, bool OverButton);
// The mouse left the button: every pointer flag clears (the timers keep running).
inline void ButtonMouseLeave(TQvButtonState& S) {
  S.MouseDown = S.MouseIn = S.MouseInDropdown = S.PressedInDropdown = false;
}

// Milliseconds between two frames of the animate button: one pass of Count frames takes
// Speed ms, but never faster than 5 ms a frame. 0 without frames.
unsigned AnimateFrameInterval(unsigned Speed, int Count);
// The next frame index: forward while hovered, backward after; nullopt when the animation
// has reached its end (the timer stops).
std::optional<int> AnimateNextFrame(int Index, int Count, bool Hovered);

}  // namespace qv
