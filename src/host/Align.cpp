#include "host/Align.h"

#include <algorithm>

namespace qv {

namespace {

// Sort key along the side an alignment fills from: nearer to that side comes first.
int SideKey(TAlign Align, const TRect& R) {
  switch (Align) {
    case alTop:
      return R.Top;
    case alBottom:
      return -R.Bottom;
    case alLeft:
      return R.Left;
    case alRight:
      return -R.Right;
    default:
      return 0;
  }
}

TRect Proposal(TAlign Align, const TRect& Space, const TRect& Current) {
  int W = Current.Width(), H = Current.Height();
  switch (Align) {
    case alTop:
      return Bounds(Space.Left, Space.Top, std::max(Space.Width(), 0), H);
    case alBottom:
      return Bounds(Space.Left, Space.Bottom - H, std::max(Space.Width(), 0), H);
    case alLeft:
      return Bounds(Space.Left, Space.Top, W, std::max(Space.Height(), 0));
    case alRight:
      return Bounds(Space.Right - W, Space.Top, W, std::max(Space.Height(), 0));
    case alClient:
      return Bounds(Space.Left, Space.Top, std::max(Space.Width(), 0), std::max(Space.Height(), 0));
    default:
      return Current;
  }
}

void Shrink(TAlign Align, TRect& Space, const TRect& Taken) {
  switch (Align) {
    case alTop:
      Space.Top += Taken.Height();
      break;
    case alBottom:
      Space.Bottom -= Taken.Height();
      break;
    case alLeft:
      Space.Left += Taken.Width();
      break;
    case alRight:
      Space.Right -= Taken.Width();
      break;
    default:
      break;
  }
}

}  // namespace

void ArrangeAligned(const std::vector<TAlignEntry>& Entries, TRect& Rect,
                    const std::function<TRect(size_t Index, const TRect& Proposed)>& Place) {
  for (TAlign Align : {alTop, alBottom, alLeft, alRight, alClient}) {
    std::vector<size_t> Order;
    for (size_t I = 0; I < Entries.size(); ++I)
      if (Entries[I].Align == Align) Order.push_back(I);
    std::stable_sort(Order.begin(), Order.end(), [&](size_t A, size_t B) {
      int KA = SideKey(Align, Entries[A].Bounds), KB = SideKey(Align, Entries[B].Bounds);
      if (KA != KB) return KA < KB;
      return Entries[A].Moving && !Entries[B].Moving;
    });
    for (size_t I : Order) {
      TRect Taken = Place(I, Proposal(Align, Rect, Entries[I].Bounds));
      Shrink(Align, Rect, Taken);
    }
  }
}

namespace {

// One axis: position and extent of the child, extent of the parent before and after.
void AnchorAxis(int& Pos, int& Size, int OldParent, int NewParent, bool Near, bool Far) {
  int Delta = NewParent - OldParent;
  if (Near && Far) {
    Size = std::max(Size + Delta, 0);
  } else if (Far) {
    Pos += Delta;
  } else if (!Near) {
    if (OldParent > 0) {
      // Centre at the same proportion of the parent, rounded to nearest.
      long long Centre2 = 2LL * Pos + Size;  // twice the centre
      long long NewCentre2 = (Centre2 * NewParent * 2 + OldParent) / (2LL * OldParent);
      Pos = int((NewCentre2 - Size) / 2);
    } else {
      Pos += Delta / 2;
    }
  }
}

}  // namespace

TRect AnchoredBounds(const TRect& Original, TSize OldParent, TSize NewParent, TAnchors Anchors) {
  int L = Original.Left, T = Original.Top, W = Original.Width(), H = Original.Height();
  AnchorAxis(L, W, OldParent.cx, NewParent.cx, Anchors.Contains(akLeft), Anchors.Contains(akRight));
  AnchorAxis(T, H, OldParent.cy, NewParent.cy, Anchors.Contains(akTop), Anchors.Contains(akBottom));
  return Bounds(L, T, W, H);
}

}  // namespace qv
