#include "raster/Blend.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

}  // namespace blend_scalar

#if defined(__SSE2__)
namespace blend_sse2 {
namespace {

// Z = ((B << 8) + (F − B)·w + 128) >> 8 per 16-bit lane. The exact value fits in
// 16 bits (at most 255·256 + 128), so wrapping 16-bit arithmetic yields it.
inline __m128i Lerp16(__m128i F, __m128i B, __m128i W, __m128i Round) {
  __m128i T = _mm_add_epi16(_mm_slli_epi16(B, 8), _mm_mullo_epi16(_mm_sub_epi16(F, B), W));
  return _mm_srli_epi16(_mm_add_epi16(T, Round), 8);
}

// Four pixels blended with per-pixel weights W32 (weight in the low 16 bits of each lane).
inline __m128i Blend4(__m128i S, __m128i D, __m128i W32) {
  const __m128i Zero = _mm_setzero_si128();
  const __m128i Round = _mm_set1_epi16(128);
  __m128i W = _mm_or_si128(W32, _mm_slli_epi32(W32, 16));
  __m128i WLo = _mm_unpacklo_epi32(W, W), WHi = _mm_unpackhi_epi32(W, W);
  __m128i Lo = Lerp16(_mm_unpacklo_epi8(S, Zero), _mm_unpacklo_epi8(D, Zero), WLo, Round);
  __m128i Hi = Lerp16(_mm_unpackhi_epi8(S, Zero), _mm_unpackhi_epi8(D, Zero), WHi, Round);
  return _mm_packus_epi16(Lo, Hi);
}

inline __m128i Select(__m128i Mask, __m128i A, __m128i B) {
  return _mm_or_si128(_mm_and_si128(Mask, A), _mm_andnot_si128(Mask, B));
}

}  // namespace

void BlendLine(const TColor32* Src, TColor32* Dst, int Count) {
  const __m128i AlphaMask = _mm_set1_epi32(int(0xFF000000));
  const __m128i Zero = _mm_setzero_si128();
  int I = 0;
  for (; I + 4 <= Count; I += 4) {
    __m128i S = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Src + I));
    __m128i A = _mm_and_si128(S, AlphaMask);
    __m128i Opaque = _mm_cmpeq_epi32(A, AlphaMask);
    int OpaqueBits = _mm_movemask_epi8(Opaque);
    if (OpaqueBits == 0xFFFF) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(Dst + I), S);
      continue;
    }
    if (_mm_movemask_epi8(_mm_cmpeq_epi32(A, Zero)) == 0xFFFF) continue;
    __m128i D = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Dst + I));
    __m128i Z = Blend4(S, D, _mm_srli_epi32(S, 24));
    if (OpaqueBits) Z = Select(Opaque, S, Z);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(Dst + I), Z);
  }
  blend_scalar::BlendLine(Src + I, Dst + I, Count - I);
}

void BlendLineEx(const TColor32* Src, TColor32* Dst, int Count, uint32_t M) {
  if (M >= 255) return BlendLine(Src, Dst, Count);
  if (M == 0) return;
  // Below 255 the weight never reaches 255, so there is no exact-copy case.
  const __m128i Zero = _mm_setzero_si128();
  const __m128i M1 = _mm_set1_epi32(int(M + 1));
  int I = 0;
  for (; I + 4 <= Count; I += 4) {
    __m128i S = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Src + I));
    __m128i A = _mm_srli_epi32(S, 24);
    if (_mm_movemask_epi8(_mm_cmpeq_epi32(A, Zero)) == 0xFFFF) continue;
    __m128i W = _mm_srli_epi32(_mm_mullo_epi16(A, M1), 8);
    __m128i D = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Dst + I));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(Dst + I), Blend4(S, D, W));
  }
  blend_scalar::BlendLineEx(Src + I, Dst + I, Count - I, M);
}

void BlendFillLine(TColor32 C, TColor32* Dst, int Count) {
  uint32_t W = C >> 24;
  if (W == 0 || W == 255) return blend_scalar::BlendFillLine(C, Dst, Count);
  const __m128i Zero = _mm_setzero_si128();
  const __m128i IW = _mm_set1_epi16(short(256 - W));
  // C·w + 128 per channel, for two pixels.
  __m128i F = _mm_unpacklo_epi8(_mm_set1_epi32(int(C)), Zero);
  F = _mm_add_epi16(_mm_mullo_epi16(F, _mm_set1_epi16(short(W))), _mm_set1_epi16(128));
  int I = 0;
  for (; I + 4 <= Count; I += 4) {
    __m128i D = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Dst + I));
    __m128i Lo =
        _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(D, Zero), IW), F), 8);
    __m128i Hi =
        _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(D, Zero), IW), F), 8);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(Dst + I), _mm_packus_epi16(Lo, Hi));
  }
  blend_scalar::BlendFillLine(C, Dst + I, Count - I);
}

}  // namespace blend_sse2
#define QV_BLEND_IMPL blend_sse2
#else
#define QV_BLEND_IMPL blend_scalar
#endif

void BlendLine(const TColor32* Src, TColor32* Dst, int Count) {
  QV_BLEND_IMPL::BlendLine(Src, Dst, Count);
}

void BlendLineEx(const TColor32* Src, TColor32* Dst, int Count, uint32_t M) {
  QV_BLEND_IMPL::BlendLineEx(Src, Dst, Count, M);
}

void BlendFillLine(TColor32 C, TColor32* Dst, int Count) {
  QV_BLEND_IMPL::BlendFillLine(C, Dst, Count);
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
