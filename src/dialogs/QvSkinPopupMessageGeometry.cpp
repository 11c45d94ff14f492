#include "dialogs/QvSkinPopupMessageGeometry.h"

#include <algorithm>

namespace qv {

int PopupToastHeight(int TextOffsetY, int MinHeight, int IconHeight, int TextHeight,
                     bool HasButton) {
  const int C = std::max(IconHeight, TextHeight);
  return TextOffsetY + (C < MinHeight ? MinHeight - 20 : C) + 47 + (HasButton ? 35 : 0);
}

TPoint PlacePopupToast(const TPopupPlaceInput& In) {
  const TRect& A = In.WorkArea;
  const int W = In.Width, D = In.Height;
  TPoint P;
  if (In.X > 0) {
    P = {std::min(In.X, A.Right - W) - 1, In.Y - D - 1};
  } else if (!In.Last) {
    P = {A.Right - W - 1, A.Bottom - D - 1};
  } else {
    P = {In.Last->Left, In.Last->Top - D - 1};
    if (P.Y < A.Top) {
      // A full column: the next starts at the bottom, left of the last one (or over the
      // first column); past the left edge it starts over at the right.
      P.X = In.AutoAlign ? In.Last->Left - W - 1 : A.Right - W - 1;
      if (P.X < A.Left) P.X = A.Right - W - 1;
      P.Y = A.Bottom - D - 1;
    }
  }
  P.X = std::max(P.X, A.Left);
  P.Y = std::max(P.Y, A.Top);
  return P;
}

TQvPopupFade::TQvPopupFade(bool Animate, uint32_t ClosePause, uint64_t Now)
    : FAnimate(Animate),
      FClosePause(ClosePause),
      FPopupTime(Now),
      FAlpha(Animate ? 0 : 255),
      FFadeRunning(Animate),
      FCloseRunning(ClosePause != 0) {}

TQvPopupFade::TAction TQvPopupFade::FadeStep() {
  if (!FFadeRunning) return faNone;
  if (FBlendHide) {
    if (FAlpha > Step) {
      FAlpha = uint8_t(FAlpha - Step);
      return faNone;
    }
    FAlpha = 0;
    FFadeRunning = false;
    return faClose;
  }
  if (FAlpha < 255 - Step) {
    FAlpha = uint8_t(FAlpha + Step);
  } else {
    FAlpha = 255;
    FFadeRunning = false;
  }
  return faNone;
}

TQvPopupFade::TAction TQvPopupFade::CloseTick(uint64_t Now) {
  if (!FCloseRunning || Now - FPopupTime < FClosePause) return faNone;
  FCloseRunning = false;
  FBlendHide = true;
  if (!FAnimate) return faClose;
  FFadeRunning = true;
  return faNone;
}

void TQvPopupFade::MouseEnter() {
  FCloseRunning = false;
  if (!FAnimate) return;
  FAlpha = 255;
  FFadeRunning = false;
  FBlendHide = false;
}

void TQvPopupFade::MouseLeave(uint64_t Now) {
  FPopupTime = Now;
  FCloseRunning = true;
}

}  // namespace qv
