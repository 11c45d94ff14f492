#include "controls/QvSkinColorButtonFace.h"

#include <algorithm>
#include <cmath>

#include "raster/Polygons.h"
#include "raster/VectorUtils.h"

namespace qv {

TArrayOfFloatPoint RoundedFace(double L, double T, double R, double B, int Radius) {
  const double D = std::min<double>(Radius, std::min(R - L, B - T) / 2);
  if (D <= 0) return {{L, T}, {R, T}, {R, B}, {L, B}};
  // Quarter circles about the corners' centres, clockwise on screen from the left end of
  // the top-left one.
  const int Steps = std::max(CircleSteps(D) / 4, 2);
  const TFloatPoint Centres[] = {{L + D, T + D}, {R - D, T + D}, {R - D, B - D}, {L + D, B - D}};
  TArrayOfFloatPoint Points;
  for (int C = 0; C < 4; ++C)
    for (int I = 0; I <= Steps; ++I) {
      const double A = (180.0 + 90.0 * C + 90.0 * I / Steps) * 3.14159265358979323846 / 180.0;
      Points.push_back({Centres[C].X + D * std::cos(A), Centres[C].Y + D * std::sin(A)});
    }
  return Points;
}

void DrawColorFace(TBitmap32& Dst, TColor32 Fill, bool RoundFrame, bool Smooth, int Radius,
                   TSides Sides, TColor32 Border) {
  const int W = Dst.Width(), H = Dst.Height();
  if (W <= 0 || H <= 0) return;
  if (RoundFrame && Smooth) {
    PolygonFS(&Dst, RoundedFace(0, 0, W, H, Radius), Fill);
    return;
  }
  Dst.FillRectTS(0, 0, W, H, Fill);
  if (RoundFrame) return;
  if (Sides.Contains(sdLeft)) Dst.LineS(0, 0, 0, H, Border);
  if (Sides.Contains(sdTop)) Dst.LineS(0, 0, W, 0, Border);
  if (Sides.Contains(sdRight)) Dst.LineS(W - 1, 0, W - 1, H, Border);
  if (Sides.Contains(sdBottom)) Dst.LineS(0, H - 1, W, H - 1, Border);
}

void DrawCornerFace(TBitmap32& Dst, const TBitmap32& Background, const TQvCornerFace& F) {
  const int W = Dst.Width(), H = Dst.Height(), D = F.RoundSize, BW = F.BorderWidth;
  if (W <= 0 || H <= 0) return;
  const TQvCorners& K = F.Corners;
  const TSides& S = F.BorderSides;
  // 1. The face.
  PolygonFS(&Dst, RoundedFace(0, 0, W, H, D), F.Fill);
  // 2. The outline, when a rounded corner has both its sides bordered.
  const bool Outline = (K.Contains(TopLeft) && S.Contains(sdLeft) && S.Contains(sdTop)) ||
                       (K.Contains(TopRight) && S.Contains(sdRight) && S.Contains(sdTop)) ||
                       (K.Contains(BottomRight) && S.Contains(sdRight) && S.Contains(sdBottom)) ||
                       (K.Contains(BottomLeft) && S.Contains(sdLeft) && S.Contains(sdBottom));
  int P = 0;
  if (Outline) {
    PolylineFS(&Dst, RoundedFace(0.2, 0.2, W - 0.2, H - 0.2, D), F.Border, false, BW * 1.35,
               jsMiter, esButt, 4);
    P = D;
  }
  // 3. Square corners: background back, then the fill, and with all four sides bordered
  // their two border lines.
  const bool AllSides =
      S.Contains(sdLeft) && S.Contains(sdTop) && S.Contains(sdRight) && S.Contains(sdBottom);
  struct TSquare {
    TQvCorner Corner;
    int X, Y;
  };
  const TSquare Squares[] = {
      {TopLeft, 0, 0}, {TopRight, W - D, 0}, {BottomLeft, 0, H - D}, {BottomRight, W - D, H - D}};
  for (const TSquare& Q : Squares) {
    if (K.Contains(Q.Corner) || D <= 0) continue;
    const TRect R{Q.X, Q.Y, Q.X + D, Q.Y + D};
    Dst.Draw(R, R, const_cast<TBitmap32*>(&Background));
    Dst.FillRectTS(R, F.Fill);
    if (!AllSides) continue;
    switch (Q.Corner) {
      case TopLeft:
        Dst.VertLineS(0, 0, D, F.Border);
        Dst.HorzLineS(0, 0, D, F.Border);
        break;
      case TopRight:
        Dst.VertLineS(W - 1, 0, D, F.Border);
        Dst.HorzLineS(W - D, 0, W, F.Border);
        break;
      case BottomLeft:
        Dst.VertLineS(0, H - D, H, F.Border);
        Dst.HorzLineS(0, H - 1, D, F.Border);
        break;
      case BottomRight:
        Dst.VertLineS(W - 1, H - 1 - D, H, F.Border);
        Dst.HorzLineS(W - 1 - D, H - 1, W, F.Border);
        break;
    }
  }
  // 4. Straight edges: BW lines a side, in Border when bordered, else in the face colour
  // over the outline; connectors where a square corner meets a bordered neighbour.
  auto In = [&](TQvCorner C) { return K.Contains(C) ? D : 0; };
  auto Line = [&](int X1, int Y1, int X2, int Y2, TColor32 C) { Dst.LineS(X1, Y1, X2, Y2, C); };
  for (int I = 0; I < BW; ++I) {
    // left
    if (!S.Contains(sdLeft)) {
      if (!K.Contains(TopLeft) && S.Contains(sdTop)) Line(0, I, P, I, F.Border);
      if (!K.Contains(BottomLeft) && S.Contains(sdBottom))
        Line(0, H - 1 - I, P, H - 1 - I, F.Border);
    }
    Line(I, In(TopLeft), I, H - In(BottomLeft), S.Contains(sdLeft) ? F.Border : F.Solid);
  }
  for (int I = 0; I < BW; ++I) {
    if (!S.Contains(sdTop)) {
      if (!K.Contains(TopLeft) && S.Contains(sdLeft)) Line(I, 0, I, P, F.Border);
      if (!K.Contains(TopRight) && S.Contains(sdRight)) Line(W - 1 - I, 0, W - 1 - I, P, F.Border);
    }
    Line(In(TopLeft), I, W - In(TopRight), I, S.Contains(sdTop) ? F.Border : F.Solid);
  }
  for (int I = 0; I < BW; ++I) {
    if (!S.Contains(sdRight)) {
      if (!K.Contains(TopRight) && S.Contains(sdTop)) Line(W - P, I, W, I, F.Border);
      if (!K.Contains(BottomRight) && S.Contains(sdBottom))
        Line(W - P, H - 1 - I, W, H - 1 - I, F.Border);
    }
    const int Start = K.Contains(TopRight) ? D : BW;
    Line(W - 1 - I, Start, W - 1 - I, H - In(BottomRight),
         S.Contains(sdRight) ? F.Border : F.Solid);
  }
  for (int I = 0; I < BW; ++I) {
    if (!S.Contains(sdBottom)) {
      if (!K.Contains(BottomLeft) && S.Contains(sdLeft)) Line(I, H - P - 1, I, H, F.Border);
      if (!K.Contains(BottomRight) && S.Contains(sdRight))
        Line(W - 1 - I, H - P - 1, W - 1 - I, H, F.Border);
    }
    Line(In(BottomLeft), H - 1 - I, W - In(BottomRight), H - 1 - I,
         S.Contains(sdBottom) ? F.Border : F.Solid);
  }
}

}  // namespace qv
