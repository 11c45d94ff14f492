#include "controls/QvSkinSplitterGeometry.h"

#include <algorithm>

namespace qv {

TPoint SplitterProbePoint(TAlign Align, const TRect& B) {
  switch (Align) {
    case alTop:
      return {B.Left, B.Top - 1};
    case alBottom:
      return {B.Left, B.Bottom};
    case alLeft:
      return {B.Left - 1, B.Top};
    case alRight:
      return {B.Right, B.Top};
    default:
      return {B.Left, B.Top};
  }
}

bool SplitterNeighbourHit(TAlign SplitterAlign, TAlign NeighbourAlign, TRect R, TPoint P) {
  const bool Horizontal = IsHorizontalSplit(SplitterAlign);
  const bool Vertical = SplitterAlign == alTop || SplitterAlign == alBottom;
  if (!Horizontal && !Vertical) return false;
  if (Horizontal != IsHorizontalSplit(NeighbourAlign)) return false;
  if (Vertical != (NeighbourAlign == alTop || NeighbourAlign == alBottom)) return false;
  if (R.Right == R.Left) {
    if (SplitterAlign == alLeft)
      --R.Left;
    else
      ++R.Right;
  }
  if (R.Bottom == R.Top) {
    if (SplitterAlign == alTop)
      --R.Top;
    else
      ++R.Bottom;
  }
  return P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom;
}

void CalcSplitterSize(TAlign Align, int ControlSize, int MinSize, int MaxSize, int& Split,
                      int& NewSize) {
  const bool Far = Align == alBottom || Align == alRight;
  const int S = Far ? ControlSize - Split : ControlSize + Split;
  // A parent too small for MinSize leaves a maximum below it: the maximum wins, so the
  // neighbour never pushes the other aligned controls out of the parent.
  NewSize = std::max(0, std::min(std::max(S, MinSize), MaxSize));
  if (NewSize != S) Split += Far ? S - NewSize : NewSize - S;
}

void PaintSplitterGrip(TBitmap32* B, TAlign Align, int W, int H, TColor32 Dot) {
  const TColor32 Light = 0xFFF0F0F0;
  if (Align == alTop || Align == alBottom) {
    const int Y = (H - 2) / 2;
    for (int I = 0, X = (W - 30) / 2; I < 10; ++I, X += 3) {
      B->SetPixelTS(X, Y, Dot);
      B->SetPixelTS(X, Y + 2, Dot);
      B->SetPixelTS(X + 1, Y, Light);
      B->SetPixelTS(X + 1, Y + 2, Light);
    }
  } else if (IsHorizontalSplit(Align)) {
    const int X = (W - 2) / 2;
    for (int I = 0, Y = (H - 30) / 2; I < 10; ++I, Y += 3) {
      B->SetPixelTS(X, Y, Dot);
      B->SetPixelTS(X + 2, Y, Dot);
      B->SetPixelTS(X, Y + 1, Light);
      B->SetPixelTS(X + 2, Y + 1, Light);
    }
  }
}

}  // namespace qv
