#include "graphics/BitmapHelper.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace qv {

namespace {

// Exact truncating division of sums 0..MaxN by K, as a multiply and a shift.
class TDivider {
 public:
  TDivider(uint32_t K, uint64_t MaxN) : FK(K) {
    // With 2^P > MaxN·K and M = ceil(2^P / K), floor(N·M / 2^P) = N div K for N <= MaxN.
    // The product N·M stays below 2^64 while K is at most 2^22.
    FFast = K <= (1u << 22);
    if (!FFast) return;
    FP = 0;
    while ((uint64_t(1) << FP) <= MaxN * K) ++FP;
    FM = ((uint64_t(1) << FP) + K - 1) / K;
  }
  uint32_t operator()(uint64_t N) const {
    return FFast ? uint32_t((N * FM) >> FP) : uint32_t(N / FK);
  }

 private:
  uint32_t FK;
  bool FFast = false;
  uint64_t FM = 0;
  int FP = 0;
};

// The three colour bytes of a pixel as sums can hold them.
inline void AddPixel(uint64_t S[3], TColor32 P, uint64_t Times = 1) {
  S[0] += (P & 0xFF) * Times;
  S[1] += (P >> 8 & 0xFF) * Times;
  S[2] += (P >> 16 & 0xFF) * Times;
}

inline TColor32 AveragePixel(const uint64_t S[3], const TDivider& Div, TColor32 Alpha) {
  return (Alpha & 0xFF000000) | Div(S[2]) << 16 | Div(S[1]) << 8 | Div(S[0]);
}

// One pass of the box along rows: each row of In into Out.
void BlurRows(const TColor32* In, TColor32* Out, int W, int H, int R, const TDivider& Div) {
  for (int Y = 0; Y < H; ++Y) {
    const TColor32* Row = In + size_t(Y) * W;
    TColor32* Dst = Out + size_t(Y) * W;
    // The window around column 0: the edge pixel R + 1 times, then the next R pixels.
    uint64_t S[3] = {0, 0, 0};
    AddPixel(S, Row[0], uint64_t(R) + 1);
    int Inside = std::min(R, W - 1);
    for (int I = 1; I <= Inside; ++I) AddPixel(S, Row[I]);
    AddPixel(S, Row[W - 1], uint64_t(R - Inside));
    for (int X = 0; X < W; ++X) {
      Dst[X] = AveragePixel(S, Div, Row[X]);
      int64_t Add = int64_t(X) + R + 1, Sub = int64_t(X) - R;
      TColor32 A = Row[Add < W ? Add : W - 1], D = Row[Sub > 0 ? Sub : 0];
      // Sums never go below zero, so the unsigned wrap of the difference cancels out.
      S[0] += uint64_t(A & 0xFF) - (D & 0xFF);
      S[1] += uint64_t(A >> 8 & 0xFF) - (D >> 8 & 0xFF);
      S[2] += uint64_t(A >> 16 & 0xFF) - (D >> 16 & 0xFF);
    }
  }
}

// One pass of the box along columns, swept row by row with a running sum per column.
void BlurColumns(const TColor32* In, TColor32* Out, int W, int H, int R, const TDivider& Div,
                 std::vector<uint32_t>& Sums) {
  Sums.assign(size_t(W) * 3, 0);
  auto RowAt = [&](int64_t Y) { return In + size_t(std::clamp<int64_t>(Y, 0, H - 1)) * W; };
  auto AddRow = [&](const TColor32* Row, uint32_t Times) {
    for (int X = 0; X < W; ++X) {
      Sums[3 * X] += (Row[X] & 0xFF) * Times;
      Sums[3 * X + 1] += (Row[X] >> 8 & 0xFF) * Times;
      Sums[3 * X + 2] += (Row[X] >> 16 & 0xFF) * Times;
    }
  };
  int Inside = std::min(R, H - 1);
  AddRow(In, uint32_t(R) + 1);
  for (int Y = 1; Y <= Inside; ++Y) AddRow(RowAt(Y), 1);
  if (R > Inside) AddRow(RowAt(H - 1), uint32_t(R - Inside));
  for (int Y = 0; Y < H; ++Y) {
    const TColor32* Row = In + size_t(Y) * W;
    TColor32* Dst = Out + size_t(Y) * W;
    const TColor32* Add = RowAt(int64_t(Y) + R + 1);
    const TColor32* Sub = RowAt(int64_t(Y) - R);
    uint32_t* S = Sums.data();
    for (int X = 0; X < W; ++X, S += 3) {
      Dst[X] = (Row[X] & 0xFF000000) | Div(S[2]) << 16 | Div(S[1]) << 8 | Div(S[0]);
      S[0] += (Add[X] & 0xFF) - (Sub[X] & 0xFF);
      S[1] += (Add[X] >> 8 & 0xFF) - (Sub[X] >> 8 & 0xFF);
      S[2] += (Add[X] >> 16 & 0xFF) - (Sub[X] >> 16 & 0xFF);
    }
  }
}

}  // namespace

void QvBoxBlur(TCustomBitmap32* Bitmap, Integer Radius, Integer Passes) {
  if (!Bitmap || Bitmap->Empty() || Radius <= 0) return;
  const int W = Bitmap->Width(), H = Bitmap->Height();
  // Column sums are kept in 32 bits: 255·(2·Radius + 1) must fit.
  const int R = std::min(Radius, (1 << 23) - 1);
  const uint32_t K = 2 * uint32_t(R) + 1;
  const TDivider Div(K, uint64_t(255) * K);
  const size_t N = size_t(W) * size_t(H);
  TColor32* Pixels = Bitmap->Bits();
  std::vector<TColor32> Work(N);
  std::vector<uint32_t> Sums;
  // Each pass reads one buffer and writes the other; an odd count ends in Work.
  TColor32* From = Pixels;
  TColor32* To = Work.data();
  for (int P = 0; P < Passes; ++P) {
    BlurRows(From, To, W, H, R, Div);
    std::swap(From, To);
  }
  for (int P = 0; P < std::max(Passes, 0) + 1; ++P) {
    BlurColumns(From, To, W, H, R, Div, Sums);
    std::swap(From, To);
  }
  for (size_t I = 0; I < N; ++I) {
    TColor32 C = From[I];
    uint32_t G = ((C & 0xFF) + (C >> 8 & 0xFF) + (C >> 16 & 0xFF)) / 3;
    Pixels[I] = (C & 0xFF000000) | G << 16 | G << 8 | G;
  }
  Bitmap->Changed(Bitmap->BoundsRect());
}

void GlowBlend(TCustomBitmap32& Background, const TCustomBitmap32& Mask, TColor GlowColor,
               Integer Strength) {
  if (Background.Empty() || Mask.Width() < Background.Width() ||
      Mask.Height() < Background.Height() || Strength <= 0)
    return;
  TColor32 Glow = Color32(GlowColor);
  const int G[3] = {BlueComponent(Glow), GreenComponent(Glow), RedComponent(Glow)};
  const int64_t Times = 2 * int64_t(Strength);
  for (int Y = 0; Y < Background.Height(); ++Y) {
    TColor32* Row = Background.ScanLine(Y);
    const TColor32* MaskRow = Mask.ScanLine(Y);
    for (int X = 0; X < Background.Width(); ++X) {
      int M = BlueComponent(MaskRow[X]);
      TColor32 P = Row[X];
      TColor32 Out = P & 0xFF000000;
      for (int C = 0; C < 3; ++C) {
        int V = int(P >> (8 * C) & 0xFF);
        // A pass that changes nothing ends the repetition: every later one would match it.
        for (int64_t K = 0; K < Times; ++K) {
          int Next = G[C] + (((V - G[C]) * M) >> 8);
          if (Next == V) break;
          V = Next;
        }
        Out |= TColor32(V) << (8 * C);
      }
      Row[X] = Out;
    }
  }
  Background.Changed(Background.BoundsRect());
}

void MakeBmp(TCustomBitmap32* Bitmap, TColor& AverageColor, TSmoothSides Sides) {
  if (!Bitmap) return;
  uint64_t Sum[3] = {0, 0, 0};
  const int W = Bitmap->Width(), H = Bitmap->Height();
  const size_t N = Bitmap->Empty() ? 0 : size_t(W) * size_t(H);
  for (size_t I = 0; I < N; ++I) AddPixel(Sum, Bitmap->Bits()[I]);
  const uint64_t Count = std::max<uint64_t>(N, 1);
  const TColor32 Avg =
      Color32(uint8_t(Sum[2] / Count), uint8_t(Sum[1] / Count), uint8_t(Sum[0] / Count));
  AverageColor = WinColor(Avg);
  if (N == 0) return;
  // Opacity of the source over the average across the bands: 255 − round(distance in
  // percent of the band · 2.55), nothing beyond the band.
  auto Fade = [](double Distance) {
    return Distance > 99 ? 0 : 255 - int(std::nearbyint(Distance / 100 * 100 * 2.55));
  };
  const int Band = 100;
  for (int Y = 0; Y < H; ++Y) {
    TColor32* Row = Bitmap->ScanLine(Y);
    const int BY = Y - (H - Band);
    for (int X = 0; X < W; ++X) {
      const int BX = X - (W - Band);
      TColor32 P = Row[X] | 0xFF000000;
      if (BX >= 0 || BY >= 0) {
        double D = BX >= 0 && BY >= 0 ? std::sqrt(double(BX) * BX + double(BY) * BY)
                                      : double(std::max(BX, BY));
        P = BlendRegW(P, Avg, uint32_t(Fade(D)));
      }
      Row[X] = P;
    }
  }
  Bitmap->Changed(Bitmap->BoundsRect());
}

void FillGradient(TCustomBitmap32* Target, TColor StartColor, TColor EndColor, bool Horizontal,
                  const TRect& Rect) {
  if (!Target || Target->Empty()) return;
  int64_t RW = int64_t(Rect.Right) - Rect.Left, RH = int64_t(Rect.Bottom) - Rect.Top;
  if (RW < 0 || RH < 0) return;
  RW = std::max<int64_t>(RW, 1);
  RH = std::max<int64_t>(RH, 1);
  const int64_t N = Horizontal ? RW : RH;
  const int64_t Step = std::llround(double(1 << 24) / double(N));
  const TColor32 S = Color32(StartColor), E = Color32(EndColor);
  // Each channel: Start plus the top byte of the 32-bit product (End − Start)·Step·i.
  auto At = [&](int64_t I) {
    TColor32 C = 0xFF000000;
    for (int Shift = 0; Shift < 24; Shift += 8) {
      int64_t From = S >> Shift & 0xFF, To = E >> Shift & 0xFF;
      uint32_t Product = uint32_t((To - From) * Step * I);
      C |= TColor32((From + (Product >> 24)) & 0xFF) << Shift;
    }
    return C;
  };
  const int64_t L = std::max<int64_t>(Rect.Left, 0), T = std::max<int64_t>(Rect.Top, 0);
  const int64_t R = std::min<int64_t>(Rect.Left + RW, Target->Width());
  const int64_t B = std::min<int64_t>(Rect.Top + RH, Target->Height());
  if (L >= R || T >= B) return;
  if (Horizontal) {
    std::vector<TColor32> Line(size_t(R - L));
    for (int64_t X = L; X < R; ++X) Line[size_t(X - L)] = At(X - Rect.Left);
    for (int64_t Y = T; Y < B; ++Y)
      std::copy(Line.begin(), Line.end(), Target->PixelPtr(Integer(L), Integer(Y)));
  } else {
    for (int64_t Y = T; Y < B; ++Y)
      std::fill_n(Target->PixelPtr(Integer(L), Integer(Y)), R - L, At(Y - Rect.Top));
  }
  Target->Changed(qv::Rect(Integer(L), Integer(T), Integer(R), Integer(B)));
}

void SetBitmapAlpha(TCustomBitmap32* Bitmap, uint8_t Alpha) {
  if (!Bitmap || Bitmap->Empty()) return;
  std::fill_n(Bitmap->Bits(), size_t(Bitmap->Width()) * size_t(Bitmap->Height()),
              TColor32(Alpha) << 24);
  Bitmap->Changed(Bitmap->BoundsRect());
}

}  // namespace qv
