#include "controls/QvSkinScrollBarGeometry.h"

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

// A negative page is no page.
int Page(const TQvScrollRange& R) {
  return std::max(R.PageSize, 0);
}

// Round to nearest, ties to even.
int RoundEven(double V) {
  return int(std::nearbyint(V));
}

int AxisStart(const TRect& R, bool Vertical) {
  return Vertical ? R.Top : R.Left;
}
int AxisEnd(const TRect& R, bool Vertical) {
  return Vertical ? R.Bottom : R.Right;
}

}  // namespace

int ScrollUpperBound(const TQvScrollRange& R) {
  return Page(R) != 0 ? R.Max - Page(R) + 1 : R.Max;
}

int ClampScrollPosition(const TQvScrollRange& R, int Value) {
  return std::max(std::min(Value, ScrollUpperBound(R)), R.Min);
}

void CalcScrollRects(const TQvScrollMetrics& M, const TQvScrollRange& R, TQvScrollGeometry& G) {
  const int W = M.Width, H = M.Height;
  const int Pos = R.Position - R.Min;
  double Ratio = R.Max != R.Min ? double(Pos) / (R.Max - R.Min) : 0;
  if (M.HasArrow) {
    const int AW = M.NearArrow.X, AH = M.NearArrow.Y;
    if (M.Vertical) {
      G.Parts[2] = Rect(0, 0, W, AH);
      G.Parts[1] = Rect(0, H - AH, W, H);
      G.Track = Rect(0, AH, W, H - AH);
    } else {
      G.Parts[2] = Rect(0, 0, AW, AH);
      G.Parts[1] = Rect(W - AW, 0, W, H);
      G.Track = Rect(AW, 0, W - AW, H);
    }
  }
  const int Start = AxisStart(G.Track, M.Vertical), End = AxisEnd(G.Track, M.Vertical);
  const int TrackLength = std::max(End - Start, 0);
  int Length = M.MinThumb;
  if (const int P = Page(R); P != 0) {
    const int Span = R.Max - R.Min + 1;
    const double Fraction = Span != 0 ? double(P) / Span : 0;
    Length = std::max(RoundEven(TrackLength * Fraction), M.MinThumb);
    const int Divisor = R.Max - P + 1 - R.Min;
    Ratio = Divisor > 0 ? double(Pos) / Divisor : (M.Vertical ? 0 : 1);
  }
  // The thumb never reaches past the track, and a position outside the range is drawn at
  // the nearer end.
  Length = std::min(Length, TrackLength);
  Ratio = std::clamp(Ratio, 0.0, 1.0);
  const int Half = Length / 2;
  G.Offset1 = Start + Half;
  G.Offset2 = End - Half;
  G.BOffset = RoundEven((G.Offset2 - G.Offset1) * Ratio);
  const int Centre = G.Offset1 + G.BOffset;
  G.Parts[0] = M.Vertical ? Rect(G.Track.Left, Centre - Half, G.Track.Right, Centre + Half)
                          : Rect(Centre - Half, G.Track.Top, Centre + Half, G.Track.Bottom);
}

int CalcScrollValue(const TQvScrollMetrics& M, const TQvScrollRange& R, const TQvScrollGeometry& G,
                    int D, int OldBOffset) {
  const int Span = G.Offset2 - G.Offset1;
  const double F = Span > 0 ? std::clamp(double(D + OldBOffset) / Span, 0.0, 1.0) : 0;
  const int Steps = Page(R) != 0 ? R.Max - R.Min - Page(R) + 1 : R.Max - R.Min;
  return ClampScrollPosition(R, R.Min + RoundEven(Steps * F));
}

int ScrollPartAt(const TQvScrollGeometry& G, int X, int Y) {
  for (int I = 0; I < 3; ++I) {
    const TRect& P = G.Parts[I];
    if (P.Left <= X && X < P.Right && P.Top <= Y && Y < P.Bottom) return I;
  }
  return -1;
}

}  // namespace qv
