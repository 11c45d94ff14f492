// Pixel, line and rectangle primitives of TCustomBitmap32.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "raster/Bitmap32.h"

namespace qv {

namespace {
inline int Sign(int64_t V) {
  return V > 0 ? 1 : (V < 0 ? -1 : 0);
}
}  // namespace

void TCustomBitmap32::HorzLine(Integer X1, Integer Y, Integer X2, TColor32 Value) {
  if (X2 < X1) std::swap(X1, X2);
  FillLine(PixelPtr(X1, Y), X2 - X1 + 1, Value);
}

void TCustomBitmap32::HorzLineT(Integer X1, Integer Y, Integer X2, TColor32 Value) {
  if (X2 < X1) std::swap(X1, X2);
  TColor32* P = PixelPtr(X1, Y);
  int Count = X2 - X1 + 1;
  if (FCombineMode == cmBlend) {
    BlendFillLine(Value, P, Count);
  } else {
    for (int I = 0; I < Count; ++I) P[I] = MergeReg(Value, P[I]);
  }
}

bool TCustomBitmap32::ClipSpan(Integer& Lo, Integer& Hi, Integer At, bool Horizontal) const {
  if (Hi < Lo) std::swap(Lo, Hi);
  const TRect& C = FClipRect;
  if (Horizontal ? (At < C.Top || At >= C.Bottom) : (At < C.Left || At >= C.Right)) return false;
  Lo = std::max(Lo, Horizontal ? C.Left : C.Top);
  Hi = std::min(Hi, (Horizontal ? C.Right : C.Bottom) - 1);
  return Lo <= Hi;
}

void TCustomBitmap32::HorzLineS(Integer X1, Integer Y, Integer X2, TColor32 Value) {
  if (!ClipSpan(X1, X2, Y, true)) return;
  HorzLine(X1, Y, X2, Value);
  Changed(Rect(X1, Y, X2 + 1, Y + 1), AREAINFO_LINE + 1);
}

void TCustomBitmap32::HorzLineTS(Integer X1, Integer Y, Integer X2, TColor32 Value) {
  if (!ClipSpan(X1, X2, Y, true)) return;
  HorzLineT(X1, Y, X2, Value);
  Changed(Rect(X1, Y, X2 + 1, Y + 1), AREAINFO_LINE + 1);
}

void TCustomBitmap32::VertLine(Integer X, Integer Y1, Integer Y2, TColor32 Value) {
  if (Y2 < Y1) std::swap(Y1, Y2);
  for (TColor32* P = PixelPtr(X, Y1); Y1 <= Y2; ++Y1, P += FWidth) *P = Value;
}

void TCustomBitmap32::VertLineT(Integer X, Integer Y1, Integer Y2, TColor32 Value) {
  if (Y2 < Y1) std::swap(Y1, Y2);
  bool Merge = FCombineMode == cmMerge;
  for (TColor32* P = PixelPtr(X, Y1); Y1 <= Y2; ++Y1, P += FWidth)
    *P = Merge ? MergeReg(Value, *P) : BlendReg(Value, *P);
}

void TCustomBitmap32::VertLineS(Integer X, Integer Y1, Integer Y2, TColor32 Value) {
  if (!ClipSpan(Y1, Y2, X, false)) return;
  VertLine(X, Y1, Y2, Value);
  Changed(Rect(X, Y1, X + 1, Y2 + 1), AREAINFO_LINE + 1);
}

void TCustomBitmap32::VertLineTS(Integer X, Integer Y1, Integer Y2, TColor32 Value) {
  if (!ClipSpan(Y1, Y2, X, false)) return;
  VertLineT(X, Y1, Y2, Value);
  Changed(Rect(X, Y1, X + 1, Y2 + 1), AREAINFO_LINE + 1);
}

// Bresenham from (X1, Y1) towards (X2, Y2), the error term starting at half the major
// delta. Only the steps whose major coordinate falls inside the clip are walked; the
// error term at the first of them is computed directly, so the pixels are exactly those
// of the unclipped line. The forms without S are limited to the bounds for safety.
template <bool Blend>
void TCustomBitmap32::LineImpl(Integer X1, Integer Y1, Integer X2, Integer Y2, TColor32 Value,
                               bool L, bool Clip) {
  TRect C = Clip ? FClipRect : BoundsRect();
  int64_t Dx = int64_t(X2) - X1, Dy = int64_t(Y2) - Y1;
  auto Plot = [&](Integer X, Integer Y) {
    TColor32* P = PixelPtr(X, Y);
    if (Blend)
      *P = FCombineMode == cmMerge ? MergeReg(Value, *P) : BlendReg(Value, *P);
    else
      *P = Value;
  };
  if (Dx == 0 && Dy == 0) {
    if (L && X1 >= C.Left && X1 < C.Right && Y1 >= C.Top && Y1 < C.Bottom) {
      Plot(X1, Y1);
      Changed(Rect(X1, Y1, X1 + 1, Y1 + 1), AREAINFO_LINE + 1);
    }
    return;
  }
  bool XMajor = std::llabs(Dx) >= std::llabs(Dy);
  int64_t M0 = XMajor ? X1 : Y1, N0 = XMajor ? Y1 : X1;
  int64_t Dm = std::llabs(XMajor ? Dx : Dy), Dn = std::llabs(XMajor ? Dy : Dx);
  int Sm = Sign(XMajor ? Dx : Dy), Sn = Sign(XMajor ? Dy : Dx);
  int64_t MinLo = XMajor ? C.Left : C.Top, MinHi = (XMajor ? C.Right : C.Bottom) - 1;
  int64_t NLo = XMajor ? C.Top : C.Left, NHi = (XMajor ? C.Bottom : C.Right) - 1;
  int64_t KEnd = Dm - (L ? 0 : 1);
  int64_t KLo = Sm > 0 ? MinLo - M0 : M0 - MinHi, KHi = Sm > 0 ? MinHi - M0 : M0 - MinLo;
  KLo = std::max<int64_t>(KLo, 0);
  KHi = std::min(KHi, KEnd);
  if (KLo > KHi) return;
  int64_t E0 = Dm / 2;
  int64_t Num = KLo * Dn - E0;
  int64_t N = Num <= 0 ? 0 : (Num + Dm - 1) / Dm;
  int64_t E = E0 - KLo * Dn + N * Dm;
  int64_t Lo[2] = {INT64_MAX, INT64_MAX}, Hi[2] = {INT64_MIN, INT64_MIN};
  for (int64_t K = KLo; K <= KHi; ++K) {
    int64_t Minor = N0 + Sn * N, Major = M0 + Sm * K;
    if (Minor >= NLo && Minor <= NHi) {
      Integer X = Integer(XMajor ? Major : Minor), Y = Integer(XMajor ? Minor : Major);
      Plot(X, Y);
      Lo[0] = std::min<int64_t>(Lo[0], X), Hi[0] = std::max<int64_t>(Hi[0], X);
      Lo[1] = std::min<int64_t>(Lo[1], Y), Hi[1] = std::max<int64_t>(Hi[1], Y);
    } else if ((Sn > 0 && Minor > NHi) || (Sn < 0 && Minor < NLo)) {
      break;  // moving away from the clip for good
    }
    E -= Dn;
    if (E < 0) {
      ++N;
      E += Dm;
    }
  }
  if (Lo[0] <= Hi[0])
    Changed(Rect(Integer(Lo[0]), Integer(Lo[1]), Integer(Hi[0]) + 1, Integer(Hi[1]) + 1),
            AREAINFO_LINE + 1);
}

void TCustomBitmap32::Line(Integer X1, Integer Y1, Integer X2, Integer Y2, TColor32 Value, bool L) {
  LineImpl<false>(X1, Y1, X2, Y2, Value, L, false);
}

void TCustomBitmap32::LineS(Integer X1, Integer Y1, Integer X2, Integer Y2, TColor32 Value,
                            bool L) {
  LineImpl<false>(X1, Y1, X2, Y2, Value, L, true);
}

void TCustomBitmap32::LineT(Integer X1, Integer Y1, Integer X2, Integer Y2, TColor32 Value,
                            bool L) {
  LineImpl<true>(X1, Y1, X2, Y2, Value, L, false);
}

void TCustomBitmap32::LineTS(Integer X1, Integer Y1, Integer X2, Integer Y2, TColor32 Value,
                             bool L) {
  LineImpl<true>(X1, Y1, X2, Y2, Value, L, true);
}

void TCustomBitmap32::AALinePixel(Integer X, Integer Y, TColor32 Value, uint32_t Cover) {
  if (X < FClipRect.Left || X >= FClipRect.Right || Y < FClipRect.Top || Y >= FClipRect.Bottom)
    return;
  uint32_t W = ((Value >> 24) * Cover + 128) >> 8;
  TColor32* P = PixelPtr(X, Y);
  *P =
      FCombineMode == cmMerge ? MergeReg(SetAlpha(Value, uint8_t(W)), *P) : BlendRegW(Value, *P, W);
}

// Anti-aliased line: each step along the major axis covers the two pixels nearest the
// ideal line, weighted by their distance from it.
void TCustomBitmap32::LineFS(double X1, double Y1, double X2, double Y2, TColor32 Value, bool L) {
  if (!std::isfinite(X1) || !std::isfinite(Y1) || !std::isfinite(X2) || !std::isfinite(Y2)) return;
  double Dx = X2 - X1, Dy = Y2 - Y1;
  bool XMajor = std::fabs(Dx) >= std::fabs(Dy);
  double M0 = XMajor ? X1 : Y1, M1 = XMajor ? X2 : Y2, N0 = XMajor ? Y1 : X1;
  double Dm = M1 - M0, Dn = XMajor ? Dy : Dx;
  double Slope = Dm != 0 ? Dn / Dm : 0;
  int64_t K0 = std::llround(M0), K1 = std::llround(M1);
  int Step = K1 >= K0 ? 1 : -1;
  if (!L) {
    if (K0 == K1) return;
    K1 -= Step;
  }
  // Limit the walk to the clip's extent on the major axis.
  double Lo = XMajor ? FClipRect.Left : FClipRect.Top,
         Hi = (XMajor ? FClipRect.Right : FClipRect.Bottom) - 1;
  int64_t A = std::max<int64_t>(std::min(K0, K1), int64_t(Lo)),
          B = std::min<int64_t>(std::max(K0, K1), int64_t(Hi));
  if (A > B) return;
  BeginUpdate();
  for (int64_t K = A; K <= B; ++K) {
    double Minor = N0 + (double(K) - M0) * Slope;
    double F = std::floor(Minor);
    uint32_t Frac = uint32_t(std::lround((Minor - F) * 256));
    int64_t I = int64_t(F);
    if (Frac >= 256) {
      ++I;
      Frac = 0;
    }
    if (I < INT32_MIN + 1 || I > INT32_MAX - 1) continue;
    Integer P = Integer(K), Q = Integer(I);
    if (XMajor) {
      AALinePixel(P, Q, Value, 256 - Frac);
      if (Frac) AALinePixel(P, Q + 1, Value, Frac);
    } else {
      AALinePixel(Q, P, Value, 256 - Frac);
      if (Frac) AALinePixel(Q + 1, P, Value, Frac);
    }
  }
  EndUpdate();
  TRect R;
  TRect Box = XMajor ? TRect{Integer(A), Integer(std::floor(std::min(Y1, Y2))), Integer(B) + 1,
                             Integer(std::floor(std::max(Y1, Y2))) + 2}
                     : TRect{Integer(std::floor(std::min(X1, X2))), Integer(A),
                             Integer(std::floor(std::max(X1, X2))) + 2, Integer(B) + 1};
  if (IntersectRect(R, Box, FClipRect)) Changed(R, AREAINFO_LINE + 2);
}

void TCustomBitmap32::LineAS(Integer X1, Integer Y1, Integer X2, Integer Y2, TColor32 Value,
                             bool L) {
  LineFS(X1, Y1, X2, Y2, Value, L);
}

void TCustomBitmap32::LineToS(Integer X, Integer Y) {
  LineS(FPenPos.X, FPenPos.Y, X, Y, FPenColor, false);
  FPenPos = {X, Y};
}

void TCustomBitmap32::LineToTS(Integer X, Integer Y) {
  LineTS(FPenPos.X, FPenPos.Y, X, Y, FPenColor, false);
  FPenPos = {X, Y};
}

void TCustomBitmap32::SetRectT(Integer X1, Integer Y1, Integer X2, Integer Y2, TColor32 Value,
                               bool Blend) {
  if (X1 >= X2 || Y1 >= Y2) return;
  if (Blend && (Value >> 24) == 0 && FCombineMode == cmBlend) return;
  for (Integer Y = Y1; Y < Y2; ++Y) {
    if (Blend)
      HorzLineT(X1, Y, X2 - 1, Value);
    else
      FillLine(PixelPtr(X1, Y), X2 - X1, Value);
  }
  Changed(Rect(X1, Y1, X2, Y2));
}

void TCustomBitmap32::FillRect(Integer X1, Integer Y1, Integer X2, Integer Y2, TColor32 Value) {
  SetRectT(X1, Y1, X2, Y2, Value, false);
}

void TCustomBitmap32::FillRectT(Integer X1, Integer Y1, Integer X2, Integer Y2, TColor32 Value) {
  SetRectT(X1, Y1, X2, Y2, Value, true);
}

void TCustomBitmap32::FillRectS(Integer X1, Integer Y1, Integer X2, Integer Y2, TColor32 Value) {
  TRect R;
  if (X1 >= X2 || Y1 >= Y2 || !IntersectRect(R, Rect(X1, Y1, X2, Y2), FClipRect)) return;
  SetRectT(R.Left, R.Top, R.Right, R.Bottom, Value, false);
}

void TCustomBitmap32::FillRectTS(Integer X1, Integer Y1, Integer X2, Integer Y2, TColor32 Value) {
  TRect R;
  if (X1 >= X2 || Y1 >= Y2 || !IntersectRect(R, Rect(X1, Y1, X2, Y2), FClipRect)) return;
  SetRectT(R.Left, R.Top, R.Right, R.Bottom, Value, true);
}

// One-pixel outline of the half-open rectangle: top row, bottom row when it is another
// row, then the columns between them (the right one when it is another column).
void TCustomBitmap32::FrameRectImpl(Integer X1, Integer Y1, Integer X2, Integer Y2, TColor32 Value,
                                    bool Blend) {
  TRect R;
  if (X1 >= X2 || Y1 >= Y2 || !IntersectRect(R, Rect(X1, Y1, X2, Y2), FClipRect)) return;
  auto H = [&](Integer Y) {
    Blend ? HorzLineTS(X1, Y, X2 - 1, Value) : HorzLineS(X1, Y, X2 - 1, Value);
  };
  auto V = [&](Integer X) {
    Blend ? VertLineTS(X, Y1 + 1, Y2 - 2, Value) : VertLineS(X, Y1 + 1, Y2 - 2, Value);
  };
  BeginUpdate();
  H(Y1);
  if (Y2 - 1 > Y1) H(Y2 - 1);
  if (Y1 + 1 <= Y2 - 2) {
    V(X1);
    if (X2 - 1 > X1) V(X2 - 1);
  }
  EndUpdate();
  Changed(R);
}

void TCustomBitmap32::FrameRectS(Integer X1, Integer Y1, Integer X2, Integer Y2, TColor32 Value) {
  FrameRectImpl(X1, Y1, X2, Y2, Value, false);
}

void TCustomBitmap32::FrameRectTS(Integer X1, Integer Y1, Integer X2, Integer Y2, TColor32 Value) {
  FrameRectImpl(X1, Y1, X2, Y2, Value, true);
}

}  // namespace qv
