#pragma once
// The toast without windows: its height, where it goes on the work area (stacked upwards,
// new columns to the left), and its fade and close timing as a state machine that the
// window's timers step.
#include <cstdint>

#include "host/Types.h"

namespace qv {

// Height of a toast: TextOffsetY + the content (icon or message, at least MinHeight − 20)
// + 47 for title and margins, + 35 with a button.
int PopupToastHeight(int TextOffsetY, int MinHeight, int IconHeight, int TextHeight,
                     bool HasButton);

struct TPopupPlaceInput {
  TRect WorkArea;  // Right and Bottom exclusive
  int Width = 0, Height = 0;
  // The most recently shown toast that is still open, if any.
  const TRect* Last = nullptr;
  bool AutoAlign = true;
  // X > 0: near (X, Y) instead of the corner.
  int X = 0, Y = 0;
};

// The toast's top-left corner. A toast never leaves the work area's top or left edge, so
// one shown on a tiny work area stays on the screen.
TPoint PlacePopupToast(const TPopupPlaceInput& In);

// Fade in, the pause, fade out, and the mouse keeping a toast. Times in milliseconds.
class TQvPopupFade {
 public:
  enum TAction { faNone, faClose };
  static constexpr int Step = 10;

  TQvPopupFade(bool Animate, uint32_t ClosePause, uint64_t Now);

  // One tick of the fade timer (10 ms).
  TAction FadeStep();
  // One tick of the close timer (100 ms).
  TAction CloseTick(uint64_t Now);
  void MouseEnter();
  void MouseLeave(uint64_t Now);

  uint8_t Alpha() const { return FAlpha; }
  bool FadeRunning() const { return FFadeRunning; }
  bool CloseRunning() const { return FCloseRunning; }
  bool FadingOut() const { return FBlendHide; }

 private:
  bool FAnimate;
  uint32_t FClosePause;
  uint64_t FPopupTime;
  uint8_t FAlpha;
  bool FFadeRunning;
  bool FCloseRunning;
  bool FBlendHide = false;
};

}  // namespace qv
