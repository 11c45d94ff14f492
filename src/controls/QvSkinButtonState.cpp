#include "controls/QvSkinButtonState.h"

#include <algorithm>

namespace qv {

TQvButtonAction ButtonMouseDown(const TQvButtonState& S, const TQvButtonSetup& Setup) {
  TQvButtonAction A;
  if (Setup.GroupIndex > 0 && !S.Down && !Setup.AllowAllUp) A.NewDown = true;
  return A;
}

TQvButtonAction ButtonPress(TQvButtonState& S, const TQvButtonSetup& Setup, bool InDropdownRect) {
  TQvButtonAction A;
  if (S.MouseInDropdown) {
    A.OpenMenu = true;
  } else if (InDropdownRect || S.SkipNextClick) {
    // The pointer reached the drop-down part without a move, or a press is to be skipped.
    S.SkipNextClick = false;
    return A;
  } else {
    // Without OnClick the whole button opens the menu.
    A.OpenMenu = !Setup.HasOnClick && Setup.HasDropdownMenu;
    A.StartHold = true;
    S.MouseDown = true;
    if (!S.Down && !Setup.AllowAllUp) {
      S.MouseIn = true;
      A.NewDown = true;
    }
  }
  if (A.OpenMenu) S.PressedInDropdown = true;
  return A;
}

TQvButtonAction ButtonRelease(TQvButtonState& S, const TQvButtonSetup& Setup, bool OverButton) {
  TQvButtonAction A;
  S.MouseDown = false;
  const bool WasDown = S.Down;
  S.MouseIn = OverButton;
  if (Setup.GroupIndex == 0) {
    if (OverButton) {
      A.NewDown = false;
      // After the drop-down menu was shown (Down cleared) the release does not click.
      A.Click = WasDown || !Setup.HasDropdownMenu;
    } else {
      S.Down = false;
    }
  } else if (OverButton) {
    A.NewDown = Setup.AllowAllUp ? !S.Down : true;
    A.Click = true;
  }
  S.SkipNextClick = false;
  if (Setup.HasDropdownMenu) S.PressedInDropdown = false;
  return A;
}

unsigned AnimateFrameInterval(unsigned Speed, int Count) {
  if (Count < 1) return 0;
  return std::max(Speed / unsigned(Count), 5u);
}

std::optional<int> AnimateNextFrame(int Index, int Count, bool Hovered) {
  const int Next = Hovered ? Index + 1 : Index - 1;
  if (Next < 0 || Next >= Count) return std::nullopt;
  return Next;
}

}  // namespace qv
