#include "controls/QvSkinCalloutGeometry.h"

#include "graphics/QvGR32LibShapes.h"
#include "raster/Bitmap32.h"
#include "raster/Polygons.h"

namespace qv {

int CalloutBaseStart(int SideLength, int CalloutWidth, int CalloutOffset) {
  return CalloutOffset != 0 ? CalloutOffset : (SideLength - CalloutWidth) / 2;
}

TRect CalloutBodyRect(TQvCalloutPosition Position, int Length, int CW, int CH) {
  switch (Position) {
    case cpLeft:
      return Rect(Length, 0, CW, CH);
    case cpBottom:
      return Rect(0, 0, CW, CH - Length);
    case cpRight:
      return Rect(0, 0, CW - Length, CH);
    case cpTop:
    default:
      return Rect(0, Length, CW, CH);
  }
}

void CalloutClientRect(TQvCalloutPosition Position, int Length, TRect& R) {
  switch (Position) {
    case cpLeft:
      R.Left += Length;
      break;
    case cpBottom:
      R.Bottom -= Length;
      break;
    case cpRight:
      R.Right -= Length;
      break;
    case cpTop:
    default:
      R.Top += Length;
      break;
  }
}

TCalloutOutline CalloutOutline(TQvCalloutPosition P, int W, int H, int L, int B, int Offset) {
  TCalloutOutline O;
  auto Line = [&](double X1, double Y1, double X2, double Y2) {
    O.Lines.push_back({X1, Y1, X2, Y2});
  };
  auto Slant = [&](double X1, double Y1, double X2, double Y2) {
    O.PointerLines.push_back({X1, Y1, X2, Y2});
  };
  auto Triangle = [&](double X1, double Y1, double X2, double Y2, double X3, double Y3) {
    O.Triangle = {FloatPoint(X1, Y1), FloatPoint(X2, Y2), FloatPoint(X3, Y3)};
  };
  // Left side.
  if (P == cpLeft) {
    const int S = CalloutBaseStart(H, B, Offset), T = S + B / 2;
    Line(L, 0, L, S);
    Triangle(0, T, L, S, L, S + B);
    Slant(0, T, L + 1, S - 1);
    Line(L, S + B, L, H);
    Slant(0, T, L + 1, S + B);
  } else if (P == cpTop) {
    Line(0, L, 0, H);
  } else if (P == cpBottom) {
    Line(0, 0, 0, H - 1 - L);
  } else {
    Line(0, 0, 0, H);
  }
  // Top side.
  if (P == cpTop) {
    const int S = CalloutBaseStart(W, B, Offset), T = S + B / 2;
    Line(0, L, S, L);
    Triangle(T, 0, S, L, S + B, L);
    Slant(T, 0, S - 1, L);
    Line(S + B, L, W, L);
    Slant(T, 0, S + B, L);
  } else if (P == cpLeft) {
    Line(L, 0, W - 1, 0);
  } else if (P == cpRight) {
    Line(0, 0, W - L - 1, 0);
  } else {
    Line(0, 0, W, 0);
  }
  // Right side.
  if (P == cpRight) {
    const int S = CalloutBaseStart(H, B, Offset), T = S + B / 2, X = W - L - 1;
    Line(X, 0, X, S);
    Triangle(W - 1, T, X, S, X, S + B);
    Slant(W - 1, T, X, S - 1);
    Line(X, S + B, X, H);
    Slant(W - 1, T, X, S + B);
  } else if (P == cpTop) {
    Line(W - 1, L, W - 1, H);
  } else if (P == cpBottom) {
    Line(W - 1, 0, W - 1, H - 1 - L);
  } else {
    Line(W - 1, 0, W - 1, H);
  }
  // Bottom side.
  if (P == cpBottom) {
    const int S = CalloutBaseStart(W, B, Offset), T = S + B / 2, Y = H - L - 1;
    Line(0, Y, S, Y);
    Triangle(T, H - 1, S, Y, S + B, Y);
    Slant(T, H - 1, S - 1, Y);
    Line(S + B, Y, W, Y);
    Slant(T, H - 1, S + B, Y);
  } else if (P == cpLeft) {
    Line(L, H - 1, W - 1, H - 1);
  } else if (P == cpRight) {
    Line(0, H - 1, W - L - 1, H - 1);
  } else {
    Line(0, H - 1, W, H - 1);
  }
  return O;
}

void PaintCalloutOutline(TCustomBitmap32* Bitmap, const TCalloutOutline& Outline,
                         TColor32 LineColor, TColor32 Fill) {
  for (const TCalloutLine& L : Outline.Lines)
    Bitmap->LineAS(int(L.X1), int(L.Y1), int(L.X2), int(L.Y2), LineColor);
  if (!Outline.Triangle.empty()) PolygonFS(Bitmap, Outline.Triangle, Fill, pfAlternate);
  for (const TCalloutLine& L : Outline.PointerLines)
    Bitmap->LineFS(L.X1, L.Y1, L.X2, L.Y2, LineColor);
}

TArrayOfFloatPoint MarkerShape(int X, int Y, int W, int H, int Round) {
  if (Round > 0) return CreateRoundRectangle(Rect(X, Y, X + W, Y + H), Round);
  return Ellipse(X + W / 2.0, Y + H / 2.0, W / 2.0, H / 2.0);
}

void PaintMarkerShape(TCustomBitmap32* Bitmap, int X, int Y, int W, int H, int Round, bool Filled,
                      TColor32 Fill, bool Outlined, TColor32 Line) {
  if (W <= 0 || H <= 0) return;
  const TArrayOfFloatPoint Shape = MarkerShape(X, Y, W, H, Round);
  if (Filled) PolygonFS(Bitmap, Shape, Fill);
  if (Outlined) PolylineFS(Bitmap, Shape, Line, true, 1);
}

}  // namespace qv
