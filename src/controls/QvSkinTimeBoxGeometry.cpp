#include "controls/QvSkinTimeBoxGeometry.h"

namespace qv {

int TimeBoxNumCount(TQvBoxKind Kind) {
  return Kind == bkHour ? 24 : 60;
}

TQvTimeBoxGrid TimeBoxGrid(TQvBoxKind Kind, int Width, int Height) {
  TQvTimeBoxGrid G;
  const int H = TQvTimeBoxGrid::TitleHeight, Gap = TQvTimeBoxGrid::Gap;
  if (Kind == bkHour) {
    G.Cols = 5;
    G.Rows = 5;
    G.CellWidth = (Width - 12) / 5;
    G.CellHeight = (Height - H - 12) / 5;
  } else {
    G.Cols = 10;
    G.Rows = 6;
    G.CellWidth = (Width - 22) / 10;
    G.CellHeight = (Height - H - 14) / 6;
  }
  G.Count = TimeBoxNumCount(Kind);
  for (int R = 0; R < G.Rows; ++R)
    for (int C = 0; C < G.Cols; ++C) {
      const int Num = R * G.Cols + C;
      if (Num >= G.Count) continue;
      const int X = Gap + C * (G.CellWidth + Gap), Y = H + Gap + R * (G.CellHeight + Gap);
      TQvNumCell& Cell = G.Cells[C][R];
      Cell.Rect = TRect{X, Y, X + G.CellWidth, Y + G.CellHeight};
      Cell.Num = Num;
      Cell.Enabled = true;
    }
  return G;
}

const TQvNumCell* TQvTimeBoxGrid::CellOfNum(int Num) const {
  if (Num < 0 || Num >= Count) return nullptr;
  return &Cells[Num % Cols][Num / Cols];
}

TQvNumCell* TQvTimeBoxGrid::CellAt(TPoint P) {
  for (int C = 0; C < Cols; ++C)
    for (int R = 0; R < Rows; ++R) {
      const TRect& B = Cells[C][R].Rect;
      if (P.X >= B.Left && P.X < B.Right && P.Y >= B.Top && P.Y < B.Bottom) return &Cells[C][R];
    }
  return nullptr;
}

TRect TimeBoxCrossRect(int Width, bool Hot) {
  const TRect R = TimeBoxCloseRect(Width);
  const int I = Hot ? 6 : 7;
  return TRect{R.Left + I, R.Top + I, R.Right - I, R.Bottom - I};
}

}  // namespace qv
