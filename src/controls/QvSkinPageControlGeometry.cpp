#include "controls/QvSkinPageControlGeometry.h"

#include <algorithm>

namespace qv {

namespace {

// The platform's margin around the strip and around the display area.
constexpr int kStripMargin = 2, kDisplayMargin = 4;

bool Vertical(TTabPosition P) {
  return P == tpLeft || P == tpRight;
}

// Depth of the strip across its axis: the tab height of a row, the tab width of a column.
int StripDepth(const TTabStripLayout& L) {
  if (L.Hidden) return 1;
  if (!Vertical(L.Position)) return L.TabHeight;
  if (L.TabWidth > 0) return L.TabWidth;
  return L.OwnWidths.empty() ? 0 : *std::max_element(L.OwnWidths.begin(), L.OwnWidths.end());
}

}  // namespace

int AutoTabWidth(int ControlWidth, int PageCount) {
  return ControlWidth / std::max(PageCount, 1) - 1;
}

std::vector<TRect> TabRects(const TTabStripLayout& L) {
  std::vector<TRect> Rects;
  const int N = int(L.OwnWidths.size());
  if (L.Hidden) return Rects;
  Rects.reserve(size_t(N));
  const int Depth = StripDepth(L);
  int Along = kStripMargin;
  for (int I = 0; I < N; ++I) {
    // Along a column every tab is TabHeight high; along a row TabWidth or its own width.
    const int Size =
        std::max(0, Vertical(L.Position) ? L.TabHeight
                                         : (L.TabWidth != 0 ? L.TabWidth : L.OwnWidths[size_t(I)]));
    TRect R;
    switch (L.Position) {
      case tpTop:
        R = Rect(Along - 2, kStripMargin - 2, Along + Size - 2, kStripMargin + Depth - 2);
        if (L.AutoSize && I == N - 1) R.Right = L.ClientWidth;
        break;
      case tpBottom: {
        const int Top = L.ClientHeight - kStripMargin - Depth;
        R = Rect(Along - 2, Top + 2, Along + Size - 2, Top + Depth + 2);
        break;
      }
      case tpLeft:
        R = Rect(kStripMargin - 2, Along, kStripMargin + Depth - 2, Along + Size);
        break;
      case tpRight: {
        const int Left = L.ClientWidth - kStripMargin - Depth;
        R = Rect(Left + 2, Along, Left + Depth + 2, Along + Size);
        break;
      }
    }
    R = Rect(R.Left + L.Offset.X, R.Top + L.Offset.Y, R.Right + L.Offset.X, R.Bottom + L.Offset.Y);
    Rects.push_back(R);
    Along += Size;
  }
  return Rects;
}

int TabAt(const std::vector<TRect>& Rects, TPoint P) {
  for (size_t I = 0; I < Rects.size(); ++I) {
    const TRect& R = Rects[I];
    if (P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom) return int(I);
  }
  return -1;
}

TRect PageRect(const TTabStripLayout& L) {
  const int CW = L.ClientWidth, CH = L.ClientHeight;
  const int Strip = kStripMargin + StripDepth(L);
  // The hidden strip sits on top whatever the saved side.
  const TTabPosition Side = L.Hidden ? tpTop : L.Position;
  switch (Side) {
    case tpTop:
      return Rect(0, Strip + kDisplayMargin - 7, CW, CH);
    case tpBottom:
      return Rect(0, 1, CW, CH - Strip - kDisplayMargin + 3);
    case tpLeft:
      return Rect(Strip + kDisplayMargin - 3, kDisplayMargin - 5, CW - 1, CH - 1);
    case tpRight:
      return Rect(kDisplayMargin - 3, kDisplayMargin - 5, CW - Strip - kDisplayMargin + 3, CH - 1);
  }
  return Rect(0, 0, CW, CH);
}

}  // namespace qv
