#include "forms/QvEdgeDockGeometry.h"

#include <algorithm>

namespace qv {

TAnchors QvDockAlign(TRect& R, TAnchors Anchors, int FW, int FH, int WW, int WH, int CurrentLeft) {
  // Each clamp moves the whole rectangle: a moving rectangle that changed its width would
  // resize the form.
  if (Anchors.Contains(akLeft)) {
    R.Left = std::min(std::max(0, R.Left), WW - FW);
    R.Right = R.Left + FW;
  }
  if (Anchors.Contains(akTop)) {
    R.Top = std::min(std::max(0, R.Top), WH - FH);
    R.Bottom = R.Top + FH;
  }
  if (Anchors.Contains(akRight)) {
    R.Right = std::min(std::max(FW, R.Right), WW);
    R.Left = R.Right - FW;
  }
  TAnchors Cur;
  if (R.Left == 0) Cur.Include(akLeft);
  if (R.Right == WW) Cur.Include(akRight);
  if (R.Top == 0 && R.Left != 0 && R.Right != WW)
    Cur.Include(akTop);
  else if (R.Left == 0)
    Cur.Include(akLeft);
  else if (R.Right != WW) {
    if (CurrentLeft + FW > WW) Cur.Include(akRight);
  } else
    Cur.Include(akRight);
  return Cur;
}

TPoint QvDockSlide(TPoint Pos, TAnchors CurAnchors, TAnchors Anchors, bool CursorOverForm, int FW,
                   int FH, int WW) {
  auto Active = [&](TAnchorKind E) { return CurAnchors.Contains(E) && Anchors.Contains(E); };
  if (Active(akLeft)) Pos.X = CursorOverForm ? 0 : 2 - FW;
  if (Active(akTop)) Pos.Y = CursorOverForm ? 0 : 2 - FH;
  if (Active(akRight)) Pos.X = CursorOverForm ? WW - FW : WW - 2;
  return Pos;
}

}  // namespace qv
