#include "raster/Polygons.h"

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

// Signed-area coverage of a window of the surface. Every edge adds, for each row it
// crosses, the area of each cell to its right (signed by its direction); the running sum
// along a row is then the winding-weighted coverage of each pixel.
class TCoverage {
 public:
  explicit TCoverage(const TRect& Window)
      : FX0(Window.Left),
        FY0(Window.Top),
        FW(Window.Width()),
        FH(Window.Height()),
        FAcc(size_t(FW + 2) * size_t(FH), 0.0f) {}

  void AddEdge(TFloatPoint A, TFloatPoint B) {
    double AX = A.X - FX0, AY = A.Y - FY0, BX = B.X - FX0, BY = B.Y - FY0;
    if (AY == BY) return;
    // Pieces left or right of the window only matter by their height: they are moved
    // onto the window's edge, which keeps the coverage of the cells inside exact.
    double Ts[4] = {0, 1, 1, 1};
    int N = 1;
    for (double XB : {0.0, double(FW)}) {
      double T = (XB - AX) / (BX - AX);
      if (BX != AX && T > 0 && T < 1) Ts[N++] = T;
    }
    Ts[N++] = 1;
    for (int I = 1; I < N; ++I)  // at most four values
      for (int J = I; J > 0 && Ts[J] < Ts[J - 1]; --J) std::swap(Ts[J], Ts[J - 1]);
    for (int I = 0; I + 1 < N; ++I) {
      double T0 = Ts[I], T1 = Ts[I + 1];
      if (T1 <= T0) continue;
      double X0 = AX + (BX - AX) * T0, Y0 = AY + (BY - AY) * T0;
      double X1 = AX + (BX - AX) * T1, Y1 = AY + (BY - AY) * T1;
      double Mid = (X0 + X1) / 2;
      if (Mid <= 0) X0 = X1 = 0;
      if (Mid >= FW) X0 = X1 = FW;
      AddLine(std::clamp(X0, 0.0, double(FW)), Y0, std::clamp(X1, 0.0, double(FW)), Y1);
    }
  }

  // Calls Span(Y, X, Length, Coverage) for every run of covered pixels of each row.
  template <typename TSpan>
  void Scan(TPolyFillMode Mode, TSpan Span) {
    std::vector<uint8_t> Cov(static_cast<size_t>(FW));
    for (Integer R = 0; R < FH; ++R) {
      const float* Acc = &FAcc[size_t(R) * size_t(FW + 2)];
      double Sum = 0;
      for (Integer X = 0; X < FW; ++X) {
        Sum += Acc[X];
        double C = std::fabs(Sum);
        if (Mode == pfAlternate) {
          C = std::fmod(C, 2.0);
          if (C > 1) C = 2 - C;
        } else if (C > 1) {
          C = 1;
        }
        Cov[size_t(X)] = uint8_t(std::lround(C * 255));
      }
      for (Integer X = 0; X < FW;) {
        if (!Cov[size_t(X)]) {
          ++X;
          continue;
        }
        Integer Start = X;
        while (X < FW && Cov[size_t(X)]) ++X;
        Span(FY0 + R, FX0 + Start, X - Start, &Cov[size_t(Start)]);
      }
    }
  }

 private:
  void AddLine(double X0, double Y0, double X1, double Y1) {
    double Dir = 1;
    if (Y0 > Y1) {
      std::swap(X0, X1);
      std::swap(Y0, Y1);
      Dir = -1;
    }
    double YS = std::max(Y0, 0.0), YE = std::min(Y1, double(FH));
    if (YS >= YE) return;
    double DxDy = (X1 - X0) / (Y1 - Y0);
    for (Integer R = Integer(std::floor(YS)); R < FH && R < YE; ++R) {
      double YA = std::max(YS, double(R)), YB = std::min(YE, double(R) + 1);
      if (YB <= YA) continue;
      double XA = X0 + (YA - Y0) * DxDy, XB = X0 + (YB - Y0) * DxDy;
      Cells(&FAcc[size_t(R) * size_t(FW + 2)], std::clamp(XA, 0.0, double(FW)),
            std::clamp(XB, 0.0, double(FW)), (YB - YA) * Dir);
    }
  }

  // A piece of height H within one row from x = XA to XB: each cell gets the area to the
  // right of the piece, the next cell the rest of H.
  static void Cells(float* Acc, double XA, double XB, double H) {
    if (XA > XB) std::swap(XA, XB);
    Integer IA = Integer(XA), IB = Integer(XB);
    auto Add = [&](Integer I, double Hx, double U0, double U1) {
      double Area = Hx * (1 - (U0 + U1) / 2);
      Acc[I] += float(Area);
      Acc[I + 1] += float(Hx - Area);
    };
    if (IA == IB || XB - XA < 1e-12) {
      Add(IA, H, XA - IA, XB - IA);
      return;
    }
    double HPerX = H / (XB - XA);
    Add(IA, (IA + 1 - XA) * HPerX, XA - IA, 1);
    for (Integer I = IA + 1; I < IB; ++I) Add(I, HPerX, 0, 1);
    if (XB > IB) Add(IB, (XB - IB) * HPerX, 0, XB - IB);
  }

  Integer FX0, FY0, FW, FH;
  std::vector<float> FAcc;
};

// The window of the surface the polygons can touch, or an empty rectangle.
TRect Window(const TCustomBitmap32& B, const TArrayOfArrayOfFloatPoint& Polys) {
  double L = 1e300, T = 1e300, R = -1e300, Bo = -1e300;
  for (const auto& P : Polys)
    for (const TFloatPoint& Q : P) {
      if (!std::isfinite(Q.X) || !std::isfinite(Q.Y)) return {};
      L = std::min(L, Q.X), T = std::min(T, Q.Y), R = std::max(R, Q.X), Bo = std::max(Bo, Q.Y);
    }
  if (L > R) return {};
  TRect C = B.ClipRect(), W;
  auto Clamp = [](double V) { return Integer(std::clamp(V, -1e9, 1e9)); };
  TRect Box{Clamp(std::floor(L)), Clamp(std::floor(T)), Clamp(std::ceil(R)) + 1,
            Clamp(std::ceil(Bo)) + 1};
  if (!IntersectRect(W, Box, C)) return {};
  return W;
}

template <typename TSpan>
void Rasterize(TCustomBitmap32* Bitmap, const TArrayOfArrayOfFloatPoint& Polys, TPolyFillMode Mode,
               TSpan Span) {
  if (!Bitmap || Bitmap->Empty()) return;
  TRect W = Window(*Bitmap, Polys);
  if (W.IsEmpty()) return;
  TCoverage Cov(W);
  for (const auto& P : Polys)
    for (size_t I = 0; I < P.size(); ++I) Cov.AddEdge(P[I], P[(I + 1) % P.size()]);
  Cov.Scan(Mode, Span);
  Bitmap->Changed(W);
}

inline void BlendCovered(TCustomBitmap32& B, TColor32* P, TColor32 C, uint32_t Cov) {
  uint32_t W = ((C >> 24) * Cov + 127) / 255;
  *P = B.CombineMode() == cmMerge ? MergeReg(SetAlpha(C, uint8_t(W)), *P) : BlendRegW(C, *P, W);
}

}  // namespace

void PolyPolygonFS(TCustomBitmap32* Bitmap, const TArrayOfArrayOfFloatPoint& Points, TColor32 Color,
                   TPolyFillMode FillMode) {
  if ((Color >> 24) == 0 && Bitmap && Bitmap->CombineMode() == cmBlend) return;
  Rasterize(Bitmap, Points, FillMode, [&](Integer Y, Integer X, int N, const uint8_t* Cov) {
    TColor32* P = Bitmap->PixelPtr(X, Y);
    for (int I = 0; I < N; ++I) BlendCovered(*Bitmap, P + I, Color, Cov[I]);
  });
}

void PolyPolygonFS(TCustomBitmap32* Bitmap, const TArrayOfArrayOfFloatPoint& Points,
                   TCustomPolygonFiller& Filler, TPolyFillMode FillMode) {
  Filler.BeginRendering();
  std::vector<TColor32> Colors;
  Rasterize(Bitmap, Points, FillMode, [&](Integer Y, Integer X, int N, const uint8_t* Cov) {
    Colors.resize(size_t(N));
    Filler.GetColors(X, Y, N, Colors.data());
    TColor32* P = Bitmap->PixelPtr(X, Y);
    for (int I = 0; I < N; ++I) BlendCovered(*Bitmap, P + I, Colors[size_t(I)], Cov[I]);
  });
}

void PolygonFS(TCustomBitmap32* Bitmap, const TArrayOfFloatPoint& Points, TColor32 Color,
               TPolyFillMode FillMode) {
  PolyPolygonFS(Bitmap, TArrayOfArrayOfFloatPoint{Points}, Color, FillMode);
}

void PolygonFS(TCustomBitmap32* Bitmap, const TArrayOfFloatPoint& Points,
               TCustomPolygonFiller& Filler, TPolyFillMode FillMode) {
  PolyPolygonFS(Bitmap, TArrayOfArrayOfFloatPoint{Points}, Filler, FillMode);
}

void PolylineFS(TCustomBitmap32* Bitmap, const TArrayOfFloatPoint& Points, TColor32 Color,
                bool Closed, double StrokeWidth, TJoinStyle JoinStyle, TEndStyle EndStyle,
                double MiterLimit) {
  PolyPolygonFS(Bitmap,
                BuildPolyPolyline(Points, Closed, StrokeWidth, JoinStyle, EndStyle, MiterLimit),
                Color, pfWinding);
}

void PolyPolylineFS(TCustomBitmap32* Bitmap, const TArrayOfArrayOfFloatPoint& Points,
                    TColor32 Color, bool Closed, double StrokeWidth, TJoinStyle JoinStyle,
                    TEndStyle EndStyle, double MiterLimit) {
  TArrayOfArrayOfFloatPoint All;
  for (const auto& P : Points)
    for (auto& Outline : BuildPolyPolyline(P, Closed, StrokeWidth, JoinStyle, EndStyle, MiterLimit))
      All.push_back(std::move(Outline));
  PolyPolygonFS(Bitmap, All, Color, pfWinding);
}

void SimpleFill(TCustomBitmap32* Bitmap, const TArrayOfFloatPoint& Points, TColor32 OutlineColor,
                TColor32 FillColor, TPolyFillMode FillMode) {
  if (FillColor >> 24) PolygonFS(Bitmap, Points, FillColor, FillMode);
  if (OutlineColor >> 24) PolylineFS(Bitmap, Points, OutlineColor, true, 1.0);
}

void SimpleGradientFill(TCustomBitmap32* Bitmap, const TArrayOfFloatPoint& Points,
                        const TFloatPoint& StartPoint, TColor32 StartColor,
                        const TFloatPoint& EndPoint, TColor32 EndColor, TPolyFillMode FillMode) {
  TLinearGradientPolygonFiller Filler(TColor32Gradient(StartColor, EndColor));
  Filler.SetPoints(StartPoint, EndPoint);
  PolygonFS(Bitmap, Points, Filler, FillMode);
}

TColor32Gradient::TColor32Gradient(TColor32 StartColor, TColor32 EndColor) {
  AddColorStop(0, StartColor);
  AddColorStop(1, EndColor);
}

void TColor32Gradient::AddColorStop(double Offset, TColor32 Color) {
  if (!std::isfinite(Offset)) return;
  auto It = std::upper_bound(FStops.begin(), FStops.end(), Offset,
                             [](double O, const TStop& S) { return O < S.Offset; });
  FStops.insert(It, {Offset, Color});
}

TColor32 TColor32Gradient::ColorAt(double Offset) const {
  if (FStops.empty()) return 0;
  if (!(Offset > FStops.front().Offset)) return FStops.front().Color;
  if (Offset >= FStops.back().Offset) return FStops.back().Color;
  size_t I = 1;
  while (FStops[I].Offset <= Offset) ++I;
  const TStop &A = FStops[I - 1], &B = FStops[I];
  double F = (Offset - A.Offset) / (B.Offset - A.Offset);
  TColor32 R = 0;
  for (int S = 0; S < 32; S += 8) {
    double Ca = A.Color >> S & 0xFF, Cb = B.Color >> S & 0xFF;
    R |= TColor32(std::lround(Ca + (Cb - Ca) * F)) << S;
  }
  return R;
}

namespace {
// The gradient offset of axis position T by the wrap mode.
double WrapOffset(double T, TWrapMode Mode) {
  switch (Mode) {
    case wmRepeat:
      return T - std::floor(T);
    case wmMirror:
      T = std::fabs(T - 2 * std::floor(T / 2));
      return T > 1 ? 2 - T : T;
    default:
      return std::clamp(T, 0.0, 1.0);
  }
}
}  // namespace

void TLinearGradientPolygonFiller::BeginRendering() {
  FTable.clear();
  if (!UseLookUpTable) return;
  FTable.resize(1024);
  for (size_t I = 0; I < FTable.size(); ++I)
    FTable[I] = FGradient.ColorAt(double(I) / (FTable.size() - 1));
}

void TLinearGradientPolygonFiller::GetColors(Integer X, Integer Y, int Length, TColor32* Out) {
  double Dx = EndPoint.X - StartPoint.X, Dy = EndPoint.Y - StartPoint.Y, L2 = Dx * Dx + Dy * Dy;
  for (int I = 0; I < Length; ++I) {
    double T =
        L2 > 0 ? ((X + I + 0.5 - StartPoint.X) * Dx + (Y + 0.5 - StartPoint.Y) * Dy) / L2 : 0;
    T = WrapOffset(T, WrapMode);
    Out[I] = FTable.empty() ? FGradient.ColorAt(T)
                            : FTable[size_t(std::lround(T * double(FTable.size() - 1)))];
  }
}

}  // namespace qv
