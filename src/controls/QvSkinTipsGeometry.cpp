#include "controls/QvSkinTipsGeometry.h"

namespace qv {

TRect TipsWindowRect(const TTipsPlacement& P) {
  const int Title = P.TitleHeight > 0 ? P.TitleHeight + TipsTitleGap : 0;
  TRect Result;
  int A;
  if (P.HasParent) {
    A = P.TextHeight + TipsTextMargin;
    const TRect& C = P.ParentClient;
    TPoint At{C.Left, C.Top};
    if (P.Direction == hdBottom)
      At = {C.Left, C.Bottom - (A + Title)};
    else if (P.Direction == hdCustom && P.HasRect)
      At = {P.R.Left, P.R.Top};
    Result = Bounds(At.X, At.Y, C.Width(), C.Height());
    if (P.HasRect) {
      Result.Left = P.R.Left;
      Result.Right = P.R.Right;
    }
  } else {
    Result = P.R;
    A = P.R.Height();
  }
  Result.Bottom = Result.Top + A + Title;
  return Result;
}

int TipsRectHeight(int Height, int ScreenHeight) {
  return Height >= 11 && Height < ScreenHeight ? Height : 10;
}

int TipsTextWidth(int Width, int CloseButtonWidth) {
  // Inset 4 on both sides, then 2 more, or the button and 2, off the right.
  return Width - 8 - (CloseButtonWidth > 0 ? CloseButtonWidth + 2 : 2);
}

TRect TipsCloseButtonRect(int Width, int SW, int SH, bool Visible) {
  if (!Visible) return {};
  return Rect(Width - SW - 4, 5, Width - 4, SH + 5);
}

TPoint EditTipsLeftTop(const TRect& Bounds, int TipHeight) {
  return {Bounds.Right + 5, Bounds.Top + (Bounds.Height() - TipHeight) / 2 - 5};
}

}  // namespace qv
