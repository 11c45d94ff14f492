#include "raster/VectorUtils.h"

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

constexpr double kPi = 3.14159265358979323846;

TFloatPoint operator+(TFloatPoint A, TFloatPoint B) {
  return {A.X + B.X, A.Y + B.Y};
}
TFloatPoint operator-(TFloatPoint A, TFloatPoint B) {
  return {A.X - B.X, A.Y - B.Y};
}
TFloatPoint operator*(TFloatPoint A, double K) {
  return {A.X * K, A.Y * K};
}
double Dot(TFloatPoint A, TFloatPoint B) {
  return A.X * B.X + A.Y * B.Y;
}
double Cross(TFloatPoint A, TFloatPoint B) {
  return A.X * B.Y - A.Y * B.X;
}
double Length(TFloatPoint A) {
  return std::hypot(A.X, A.Y);
}
TFloatPoint Unit(TFloatPoint A) {
  double L = Length(A);
  return L > 0 ? A * (1 / L) : TFloatPoint{};
}
// The left of travel on screen (y down): heading east, left is north.
TFloatPoint LeftNormal(TFloatPoint D) {
  return {D.Y, -D.X};
}

// Drops repeated points (and, for a closed line, a last point equal to the first).
TArrayOfFloatPoint Clean(const TArrayOfFloatPoint& P, bool Closed) {
  TArrayOfFloatPoint R;
  for (const TFloatPoint& Q : P) {
    if (!std::isfinite(Q.X) || !std::isfinite(Q.Y)) continue;
    if (R.empty() || Length(Q - R.back()) > 1e-9) R.push_back(Q);
  }
  while (Closed && R.size() > 1 && Length(R.front() - R.back()) <= 1e-9) R.pop_back();
  return R;
}

// Points on the circle (C, Radius) from angle A0 to A1 (radians, screen orientation of
// the standard formula), both ends excluded.
void AddArc(TArrayOfFloatPoint& Out, TFloatPoint C, double Radius, double A0, double A1) {
  int N =
      std::max(1, int(std::ceil(std::fabs(A1 - A0) / (2 * kPi) * CircleSteps(std::fabs(Radius)))));
  for (int I = 1; I < N; ++I) {
    double A = A0 + (A1 - A0) * I / N;
    Out.push_back({C.X + Radius * std::cos(A), C.Y + Radius * std::sin(A)});
  }
}

// The join at V between the segments of directions D1 and D2 (unit), on the side offset
// by H along the left normal. L1, L2 are the segment lengths.
void AddJoin(TArrayOfFloatPoint& Out, TFloatPoint V, TFloatPoint D1, TFloatPoint D2, double L1,
             double L2, double H, TJoinStyle Join, double MiterLimit) {
  TFloatPoint N1 = LeftNormal(D1) * H, N2 = LeftNormal(D2) * H;
  double C = Cross(D1, D2), D = Dot(D1, D2);
  if (std::fabs(C) < 1e-12 && D > 0) {
    Out.push_back(V + N1);
    return;
  }
  bool Outer = C * H > 0;
  double Ratio = 1 + D > 1e-12 ? std::sqrt(2 / (1 + D)) : 1e12;  // miter length / |H|
  if (Outer) {
    if (Join == jsMiter && Ratio <= MiterLimit) {
      Out.push_back(V + (N1 + N2) * (1 / (1 + D)));
    } else if (Join == jsRound) {
      Out.push_back(V + N1);
      double A0 = std::atan2(N1.Y, N1.X), A1 = std::atan2(N2.Y, N2.X);
      // Go round the outside: the short way from N1 to N2.
      if (A1 - A0 > kPi) A1 -= 2 * kPi;
      if (A0 - A1 > kPi) A1 += 2 * kPi;
      AddArc(Out, V, std::fabs(H), A0, A1);
      Out.push_back(V + N2);
    } else {
      Out.push_back(V + N1);
      Out.push_back(V + N2);
    }
    return;
  }
  // Inner side: the offset lines cross; take the crossing when it lies within both
  // segments, otherwise pass through the vertex.
  double Reach = std::fabs(H) * std::sqrt(std::max(0.0, Ratio * Ratio - 1));
  if (Reach <= std::min(L1, L2)) {
    Out.push_back(V + (N1 + N2) * (1 / (1 + D)));
  } else {
    Out.push_back(V + N1);
    Out.push_back(V);
    Out.push_back(V + N2);
  }
}

// One side of a cleaned line, offset by H along the left normal.
TArrayOfFloatPoint OffsetSide(const TArrayOfFloatPoint& P, double H, bool Closed, TJoinStyle Join,
                              double MiterLimit) {
  TArrayOfFloatPoint Out;
  size_t N = P.size();
  if (N < 2) return Out;
  size_t Segs = Closed ? N : N - 1;
  auto Dir = [&](size_t I) { return Unit(P[(I + 1) % N] - P[I]); };
  auto Len = [&](size_t I) { return Length(P[(I + 1) % N] - P[I]); };
  if (!Closed) Out.push_back(P[0] + LeftNormal(Dir(0)) * H);
  for (size_t I = Closed ? 0 : 1; I < N; ++I) {
    if (!Closed && I == N - 1) break;
    size_t Prev = (I + Segs - 1) % Segs;
    AddJoin(Out, P[I], Dir(Prev), Dir(I), Len(Prev), Len(I), H, Join, MiterLimit);
  }
  if (!Closed) Out.push_back(P[N - 1] + LeftNormal(Dir(N - 2)) * H);
  return Out;
}

// The cap at the end P of a line arriving with direction D, from the left offset to the right.
void AddCap(TArrayOfFloatPoint& Out, TFloatPoint P, TFloatPoint D, double H, TEndStyle Style) {
  TFloatPoint N = LeftNormal(D) * H;
  if (Style == esSquare) {
    Out.push_back(P + N + D * H);
    Out.push_back(P - N + D * H);
  } else if (Style == esRound) {
    double A0 = std::atan2(N.Y, N.X), Ad = std::atan2(D.Y, D.X);
    // From N through D to −N: half a turn in the direction that passes D.
    double A1 = A0 + (std::sin(Ad - A0) >= 0 ? kPi : -kPi);
    AddArc(Out, P, H, A0, A1);
  }
}

double SignedArea(const TArrayOfFloatPoint& P) {
  double A = 0;
  for (size_t I = 0; I < P.size(); ++I) A += Cross(P[I], P[(I + 1) % P.size()]);
  return A / 2;
}

}  // namespace

TFloatPoint FloatPoint(double X, double Y) {
  return {X, Y};
}

TArrayOfFloatPoint FloatPoints(const TArrayOfPoint& Points) {
  TArrayOfFloatPoint R;
  for (const TPoint& P : Points) R.push_back({double(P.X), double(P.Y)});
  return R;
}

TArrayOfFloatPoint FloatPoints(const TArrayOfFixedPoint& Points) {
  TArrayOfFloatPoint R;
  for (const TFixedPoint& P : Points) R.push_back({P.X / double(FixedOne), P.Y / double(FixedOne)});
  return R;
}

namespace {
TFixed ToFixed(double V) {
  return TFixed(std::clamp(std::llround(V * FixedOne), -0x7FFFFFFFLL, 0x7FFFFFFFLL));
}
}  // namespace

TArrayOfFixedPoint FixedPoints(const TArrayOfFloatPoint& Points) {
  TArrayOfFixedPoint R;
  for (const TFloatPoint& P : Points) R.push_back({ToFixed(P.X), ToFixed(P.Y)});
  return R;
}

int CircleSteps(double R) {
  if (!(R > 0)) return 3;
  return std::clamp(int(kPi / std::acos(R / (R + 0.125))), 3, 4096);
}

TArrayOfFloatPoint Circle(double X, double Y, double Radius, int Steps) {
  return Ellipse(X, Y, Radius, Radius, Steps);
}

TArrayOfFloatPoint Circle(const TFloatPoint& P, double Radius, int Steps) {
  return Circle(P.X, P.Y, Radius, Steps);
}

TArrayOfFloatPoint Ellipse(double X, double Y, double Rx, double Ry, int Steps) {
  if (Steps <= 0) Steps = CircleSteps(std::max(std::fabs(Rx), std::fabs(Ry)));
  TArrayOfFloatPoint R(static_cast<size_t>(Steps));
  for (int I = 0; I < Steps; ++I) {
    double A = 2 * kPi * I / Steps;
    R[size_t(I)] = {X + Rx * std::cos(A), Y + Ry * std::sin(A)};
  }
  return R;
}

TArrayOfFloatPoint Line(const TFloatPoint& P1, const TFloatPoint& P2) {
  return {P1, P2};
}

TArrayOfFloatPoint Line(double X1, double Y1, double X2, double Y2) {
  return {{X1, Y1}, {X2, Y2}};
}

TArrayOfFloatPoint GetArcPoints(const TFloatRect& R, double StartDegrees, double EndDegrees) {
  double Cx = (R.Left + R.Right) / 2, Cy = (R.Top + R.Bottom) / 2;
  double Rx = std::fabs(R.Right - R.Left) / 2, Ry = std::fabs(R.Bottom - R.Top) / 2;
  double Span = EndDegrees - StartDegrees;
  if (!std::isfinite(Span)) return {};
  // At least a point every two degrees, more on large ellipses.
  int N = std::max({1, int(std::ceil(std::fabs(Span) / 2)),
                    int(std::ceil(std::fabs(Span) / 360 * CircleSteps(std::max(Rx, Ry))))});
  N = std::min(N, 1 << 16);
  TArrayOfFloatPoint Out(size_t(N) + 1);
  for (int I = 0; I <= N; ++I) {
    double A = (StartDegrees + Span * I / N) * kPi / 180;
    Out[size_t(I)] = {Cx + Rx * std::cos(A), Cy - Ry * std::sin(A)};
  }
  return Out;
}

void RotatePoints(TArrayOfFloatPoint& Points, const TFloatPoint& Origin, double Degrees) {
  double A = Degrees * kPi / 180, C = std::cos(A), S = std::sin(A);
  for (TFloatPoint& P : Points) {
    double X = P.X - Origin.X, Y = P.Y - Origin.Y;
    P = {Origin.X + X * C - Y * S, Origin.Y + X * S + Y * C};
  }
}

void RotatePoints(TArrayOfFixedPoint& Points, const TFixedPoint& Origin, double Degrees) {
  TArrayOfFloatPoint F = FloatPoints(Points);
  RotatePoints(F, {Origin.X / double(FixedOne), Origin.Y / double(FixedOne)}, Degrees);
  Points = FixedPoints(F);
}

TArrayOfFloatPoint Grow(const TArrayOfFloatPoint& Points, double Delta, TJoinStyle JoinStyle,
                        bool Closed, double MiterLimit) {
  TArrayOfFloatPoint P = Clean(Points, Closed);
  if (Closed) {
    if (P.size() < 3) return P;
    // The left of a polygon counter-clockwise on screen (negative area here) is its inside.
    double H = SignedArea(P) < 0 ? -Delta : Delta;
    return OffsetSide(P, H, true, JoinStyle, MiterLimit);
  }
  return OffsetSide(P, Delta, false, JoinStyle, MiterLimit);
}

TArrayOfFloatPoint BuildPolyline(const TArrayOfFloatPoint& Points, double StrokeWidth,
                                 TJoinStyle JoinStyle, TEndStyle EndStyle, double MiterLimit) {
  TArrayOfFloatPoint P = Clean(Points, false);
  double H = StrokeWidth / 2;
  if (P.size() < 2 || !(H > 0)) return {};
  TArrayOfFloatPoint Back(P.rbegin(), P.rend());
  TArrayOfFloatPoint Out = OffsetSide(P, H, false, JoinStyle, MiterLimit);
  AddCap(Out, P.back(), Unit(P.back() - P[P.size() - 2]), H, EndStyle);
  TArrayOfFloatPoint Right = OffsetSide(Back, H, false, JoinStyle, MiterLimit);
  Out.insert(Out.end(), Right.begin(), Right.end());
  AddCap(Out, P.front(), Unit(P.front() - P[1]), H, EndStyle);
  return Out;
}

TArrayOfArrayOfFloatPoint BuildPolyPolyline(const TArrayOfFloatPoint& Points, bool Closed,
                                            double StrokeWidth, TJoinStyle JoinStyle,
                                            TEndStyle EndStyle, double MiterLimit) {
  if (!Closed) {
    TArrayOfFloatPoint Outline =
        BuildPolyline(Points, StrokeWidth, JoinStyle, EndStyle, MiterLimit);
    return Outline.empty() ? TArrayOfArrayOfFloatPoint{} : TArrayOfArrayOfFloatPoint{Outline};
  }
  TArrayOfFloatPoint P = Clean(Points, true);
  double H = StrokeWidth / 2;
  if (P.size() < 2 || !(H > 0)) return {};
  if (P.size() == 2)
    return BuildPolyPolyline({P[0], P[1], P[0]}, false, StrokeWidth, JoinStyle, EndStyle,
                             MiterLimit);
  // Both sides of the ring, the inner one reversed, so that only the ring has a winding.
  TArrayOfFloatPoint Left = OffsetSide(P, H, true, JoinStyle, MiterLimit);
  TArrayOfFloatPoint Right = OffsetSide(P, -H, true, JoinStyle, MiterLimit);
  std::reverse(Right.begin(), Right.end());
  return {Left, Right};
}

TArrayOfArrayOfFloatPoint BuildDashedLine(const TArrayOfFloatPoint& Points,
                                          const std::vector<double>& DashArray, double DashOffset,
                                          bool Closed) {
  TArrayOfArrayOfFloatPoint Out;
  TArrayOfFloatPoint P = Clean(Points, Closed);
  if (P.size() < 2) return Out;
  if (Closed) P.push_back(P.front());
  double Total = 0;
  for (double D : DashArray) {
    if (!(D >= 0) || !std::isfinite(D)) return Out;
    Total += D;
  }
  if (DashArray.empty() || !(Total > 0)) return {P};
  // Position in the pattern.
  size_t Index = 0;
  double Left = DashArray[0];
  double Offset = std::fmod(DashOffset, Total);
  if (Offset < 0) Offset += Total;
  while (Offset > 0) {
    if (Offset < Left) {
      Left -= Offset;
      break;
    }
    Offset -= Left;
    Index = (Index + 1) % DashArray.size();
    Left = DashArray[Index];
  }
  TArrayOfFloatPoint Current;
  auto On = [&] { return Index % 2 == 0; };
  if (On()) Current.push_back(P[0]);
  for (size_t I = 0; I + 1 < P.size(); ++I) {
    TFloatPoint A = P[I], B = P[I + 1];
    double SegLen = Length(B - A), Done = 0;
    TFloatPoint D = Unit(B - A);
    while (SegLen - Done > Left) {
      Done += Left;
      TFloatPoint Q = A + D * Done;
      if (On()) {
        Current.push_back(Q);
        Out.push_back(std::move(Current));
        Current.clear();
      } else {
        Current = {Q};
      }
      Index = (Index + 1) % DashArray.size();
      Left = DashArray[Index];
      if (Out.size() > 1000000) return Out;  // a pattern far too fine for the line
    }
    Left -= SegLen - Done;
    if (On()) Current.push_back(B);
  }
  if (On() && Current.size() > 1) Out.push_back(std::move(Current));
  // Zero-length dashes carry nothing.
  std::erase_if(Out, [](const TArrayOfFloatPoint& D) { return D.size() < 2; });
  return Out;
}

}  // namespace qv
