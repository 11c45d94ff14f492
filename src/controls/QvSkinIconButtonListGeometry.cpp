#include "controls/QvSkinIconButtonListGeometry.h"

#include <algorithm>

namespace qv {

int IconGridStart(int Extent, int Cell, int Space, int Margin, int Count, int Offset, int Align) {
  if (Align == 0) return Offset;
  const int Step = Space + Cell;
  if (Step <= 0 || Step + 2 * Margin >= Extent) return 0;
  const int N = std::min((Extent - 2 * Margin) / Step, Count);
  if (Align == 1) return (Extent - 2 * Margin - N * Step + Space) / 2 + Margin;
  return Extent - Margin - N * Step + Space;
}

std::vector<TRect> IconGridRects(const TQvIconGrid& G, const std::vector<bool>& Visible) {
  const int Count = int(Visible.size());
  const int X0 =
      IconGridStart(G.Width, G.ItemWidth, G.Space, G.Margin, Count, G.DispOffset.X, int(G.HAlign));
  const int Y0 = IconGridStart(G.Height, G.ItemHeight, G.Space, G.Margin, Count, G.DispOffset.Y,
                               int(G.VAlign));
  std::vector<TRect> Rects(static_cast<size_t>(Count));
  int X = X0, Y = Y0;
  for (int I = 0; I < Count; ++I) {
    if (!Visible[size_t(I)]) continue;
    if (I > 0 && X + G.ItemWidth > G.Width - G.Margin) {
      X = X0;
      Y += G.ItemHeight + G.Space;
    }
    Rects[size_t(I)] = Bounds(X, Y, G.ItemWidth, G.ItemHeight);
    X += G.ItemWidth + G.Space;
  }
  return Rects;
}

int64_t IconGridHeight(const TQvIconGrid& G, int VisibleCount) {
  int64_t X = G.Margin, Y = G.Margin, Row = 0;
  for (int I = 0; I < VisibleCount; ++I) {
    if (X + G.ItemWidth >= G.Width - G.Margin) {
      X = G.Margin;
      Y += G.ItemHeight + G.Space;
    }
    X += G.ItemWidth + G.Space;
    Row = G.ItemHeight + G.Space;
  }
  return Y + Row + G.Margin - G.Space;
}

void FollowItemMove(int& Index, int From, int To) {
  if (Index < 0) return;
  if (Index == From) {
    Index = To;
    return;
  }
  if (From >= 0 && Index > From) --Index;
  if (To >= 0 && Index >= To) ++Index;
}

void TQvShake::Step() {
  Angle += Reverse ? 1.0f : -1.0f;
  if (Angle > 2) {
    Angle = 2;
    Reverse = false;
  } else if (Angle < -2) {
    Angle = -2;
    Reverse = true;
  }
}

int CountBarSlots(int Width, int Height, int Cell, int Space, int Margin, TCountKinds Kinds,
                  int MaxItems) {
  int Fixed = 0;
  for (TCountKind K : {ckPrevious, ckNext, ckSkip, ckFirst, ckLast})
    if (Kinds.Contains(K)) Fixed += Cell + Space;
  const int Step = Cell + Space;
  int N = Step > 0 ? (std::max(Width, Height) - Fixed - 2 * Margin) / Step : 0;
  // A window that reaches the last page shows N + 1 numbers in the room of N numbers and
  // the skip cell; without a skip cell that room is one slot short.
  if (!Kinds.Contains(ckSkip)) --N;
  if (MaxItems > 0 && MaxItems < N) N = MaxItems;
  return N;
}

TQvCountWindow CountBarWindow(int64_t StartNum, int64_t N, int64_t NumCount) {
  TQvCountWindow W;
  int64_t K = N + 1;
  bool FocusStart = false;
  if (K >= NumCount) {
    K = NumCount;
  } else if (StartNum + N == NumCount) {
    W.NumBegin = StartNum;
  } else if (N > NumCount - StartNum) {
    W.NumBegin = NumCount - N;
    FocusStart = true;
  } else {
    K = N - 1;
    W.Skip = true;
    W.NumBegin = StartNum;
  }
  W.NumEnd = W.NumBegin + K - 1;
  W.FocusNum = FocusStart ? StartNum : W.NumBegin;
  return W;
}

String CountCaption(TCountKind Kind) {
  switch (Kind) {
    case ckPrevious:
      return L"<";
    case ckNext:
      return L">";
    case ckFirst:
      return L"|<";
    case ckLast:
      return L">|";
    case ckSkip:
      return L"...";
    case ckNum:
      break;
  }
  return L"";
}

std::vector<TCountDataRec> CountBarCells(const TQvCountWindow& W, int64_t NumCount,
                                         TCountKinds Kinds) {
  std::vector<TCountDataRec> Cells;
  const auto Add = [&](TCountKind K) {
    if (Kinds.Contains(K)) Cells.push_back({CountCaption(K), -1, K});
  };
  const auto AddNum = [&](int64_t V) { Cells.push_back({std::to_wstring(V), int(V), ckNum}); };
  Add(ckFirst);
  Add(ckPrevious);
  if (Kinds.Contains(ckNum))
    for (int64_t V = W.NumBegin; V <= W.NumEnd; ++V) AddNum(V);
  if (W.Skip && Kinds.Contains(ckSkip)) {
    Add(ckSkip);
    AddNum(NumCount);
  }
  Add(ckNext);
  Add(ckLast);
  return Cells;
}

}  // namespace qv
