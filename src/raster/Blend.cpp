#include "raster/Blend.h"

#include <algorithm>

namespace qv {

TColor32 MergeReg(TColor32 F, TColor32 B) {
  uint32_t Fa = F >> 24, Ba = B >> 24;
  if (Fa == 255 || Ba == 0) return F;
  if (Fa == 0) return B;
  uint32_t Ra = 255 - ((255 - Fa) * (255 - Ba) + 127) / 255;
  uint32_t Den = Ra * 255;
  uint32_t BW = Ba * (255 - Fa);
  auto Ch = [&](int Shift) {
    uint32_t Num = (F >> Shift & 0xFF) * Fa * 255 + (B >> Shift & 0xFF) * BW;
    return std::min<uint32_t>((Num + Den / 2) / Den, 255) << Shift;
  };
  return Ra << 24 | Ch(16) | Ch(8) | Ch(0);
}

namespace blend_scalar {

void BlendLine(const TColor32* Src, TColor32* Dst, int Count) {
  for (int I = 0; I < Count; ++I) Dst[I] = BlendReg(Src[I], Dst[I]);
}

void BlendLineEx(const TColor32* Src, TColor32* Dst, int Count, uint32_t M) {
  for (int I = 0; I < Count; ++I) Dst[I] = BlendRegEx(Src[I], Dst[I], M);
}

void BlendFillLine(TColor32 C, TColor32* Dst, int Count) {
  uint32_t W = C >> 24;
  if (W == 0) return;
  if (W == 255) {
    std::fill_n(Dst, Count, C);
    return;
  }
  // The foreground term of the formula is the same for every pixel.
  uint32_t IW = 256 - W;
  uint32_t FRB = (C & 0x00FF00FF) * W + 0x00800080;
  uint32_t FAG = (C >> 8 & 0x00FF00FF) * W + 0x00800080;
  for (int I = 0; I < Count; ++I) {
    uint32_t B = Dst[I];
    Dst[I] = (((B >> 8 & 0x00FF00FF) * IW + FAG) & 0xFF00FF00) |
             (((B & 0x00FF00FF) * IW + FRB) >> 8 & 0x00FF00FF);
  }
}

void LerpLine(const TColor32* A, const TColor32* B, TColor32* Dst, int Count, uint32_t W) {
  for (int I = 0; I < Count; ++I) Dst[I] = CombineReg(B[I], A[I], W);
}

void LerpLineW(const TColor32* A, const TColor32* B, const uint32_t* W, TColor32* Dst, int Count) {
  for (int I = 0; I < Count; ++I) Dst[I] = CombineReg(B[I], A[I], W[I]);
}

}  // namespace blend_scalar

namespace {
using TBlendLine = void (*)(const TColor32*, TColor32*, int);
using TBlendLineEx = void (*)(const TColor32*, TColor32*, int, uint32_t);
using TBlendFillLine = void (*)(TColor32, TColor32*, int);

struct TBlendRows {
  TBlendLine Line = blend_scalar::BlendLine;
  TBlendLineEx LineEx = blend_scalar::BlendLineEx;
  TBlendFillLine FillLine = blend_scalar::BlendFillLine;
};

// The fastest rows this processor runs; all give the same bits.
const TBlendRows& Rows() {
  static const TBlendRows R = [] {
    TBlendRows T;
#if defined(QV_HAVE_SSE2)
    T = {blend_sse2::BlendLine, blend_sse2::BlendLineEx, blend_sse2::BlendFillLine};
#endif
#if defined(QV_HAVE_AVX2)
    if (blend_avx2::Supported())
      T = {blend_avx2::BlendLine, blend_avx2::BlendLineEx, blend_sse2::BlendFillLine};
#endif
    return T;
  }();
  return R;
}
}  // namespace

void BlendLine(const TColor32* Src, TColor32* Dst, int Count) {
  Rows().Line(Src, Dst, Count);
}

void BlendLineEx(const TColor32* Src, TColor32* Dst, int Count, uint32_t M) {
  Rows().LineEx(Src, Dst, Count, M);
}

void BlendFillLine(TColor32 C, TColor32* Dst, int Count) {
  Rows().FillLine(C, Dst, Count);
}

void LerpLine(const TColor32* A, const TColor32* B, TColor32* Dst, int Count, uint32_t W) {
#if defined(QV_HAVE_SSE2)
  blend_sse2::LerpLine(A, B, Dst, Count, W);
#else
  blend_scalar::LerpLine(A, B, Dst, Count, W);
#endif
}

void LerpLineW(const TColor32* A, const TColor32* B, const uint32_t* W, TColor32* Dst, int Count) {
#if defined(QV_HAVE_SSE2)
  blend_sse2::LerpLineW(A, B, W, Dst, Count);
#else
  blend_scalar::LerpLineW(A, B, W, Dst, Count);
#endif
}

void MergeLine(const TColor32* Src, TColor32* Dst, int Count) {
  for (int I = 0; I < Count; ++I) Dst[I] = MergeReg(Src[I], Dst[I]);
}

void MergeLineEx(const TColor32* Src, TColor32* Dst, int Count, uint32_t M) {
  if (M == 0) return;
  for (int I = 0; I < Count; ++I) Dst[I] = MergeRegEx(Src[I], Dst[I], M);
}

void FillLine(TColor32* Dst, int Count, TColor32 C) {
  if (Count > 0) std::fill_n(Dst, Count, C);
}

void TransparentLine(const TColor32* Src, TColor32* Dst, int Count, TColor32 Key) {
  for (int I = 0; I < Count; ++I)
    if (Src[I] != Key) Dst[I] = Src[I];
}

}  // namespace qv
