#include "controls/QvSkinHintGeometry.h"

namespace qv {

THintDirection SelectAutoHintDirection(TSize HintSize, TPoint ControlScreen, TSize ControlSize,
                                       const TRect& Area) {
  THintDirection Result = hdDown;
  if (Area.Bottom < HintSize.cy + ControlScreen.Y + ControlSize.cy + 5) Result = hdUp;
  if (Area.Right < HintSize.cx + ControlScreen.X + ControlSize.cx + 5) Result = hdLeft;
  return Result;
}

TSize HintSizeForText(THintDirection Direction, TSize TextSize) {
  if (Direction == hdDown || Direction == hdUp) return {TextSize.cx + 18, TextSize.cy + 20};
  return {TextSize.cx + 22, TextSize.cy + 12};
}

TPoint HintPositionBeside(THintDirection Direction, const TRect& Control, TSize HintSize) {
  const int W = HintSize.cx, H = HintSize.cy;
  switch (Direction) {
    case hdUp:
      return {Control.Left + (Control.Width() - W) / 2, Control.Top - H - 1};
    case hdLeft:
      return {Control.Left - W - 1, Control.Top + (Control.Height() - H) / 2};
    case hdRight:
      return {Control.Right + 1, Control.Top + (Control.Height() - H) / 2};
    case hdDown:
      break;
  }
  return {Control.Left + (Control.Width() - W) / 2, Control.Bottom + 1};
}

namespace {

// The start of a span of Size moved into Lo..Hi; a span wider than that starts at Lo.
int FitSpan(int Start, int Size, int Lo, int Hi) {
  if (Start + Size > Hi) Start = Hi - Size;
  if (Start < Lo) Start = Lo;
  return Start;
}

}  // namespace

TRect KeepOnWorkArea(const TRect& R, const TRect& Area) {
  if (Area.IsEmpty()) return R;
  return Bounds(FitSpan(R.Left, R.Width(), Area.Left, Area.Right),
                FitSpan(R.Top, R.Height(), Area.Top, Area.Bottom), R.Width(), R.Height());
}

THintBubbleShape HintBubbleShape(THintDirection Direction, int W, int H) {
  const int HW = W / 2, HH = H / 2, P = HintPointerSize;
  THintBubbleShape S;
  S.TextRect = Rect(9, 5, W, H);
  switch (Direction) {
    case hdDown:
      S.Body = Rect(0, P, W, H);
      S.Tip = {HW, 0};
      S.Base1 = {HW - 4, P};
      S.Base2 = {HW + 4, P};
      S.TextRect.Top += P;
      break;
    case hdUp:
      S.Body = Rect(0, 0, W, H - (P - 1));
      S.Tip = {HW, H};
      S.Base1 = {HW - 4, H - P};
      S.Base2 = {HW + 4, H - P};
      S.TextRect.Bottom -= P - 1;
      break;
    case hdLeft:
      S.Body = Rect(0, 0, W - (P - 1), H);
      S.Tip = {W, HH};
      S.Base1 = {W - P, HH - 4};
      S.Base2 = {W - P, HH + 4};
      S.TextRect.Right -= P - 1;
      break;
    case hdRight:
      S.Body = Rect(P, 0, W, H);
      S.Tip = {0, HH};
      S.Base1 = {P, HH - 4};
      S.Base2 = {P, HH + 4};
      S.TextRect.Left += P;
      break;
  }
  return S;
}

}  // namespace qv
