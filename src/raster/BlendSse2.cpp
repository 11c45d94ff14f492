// The SSE2 rows of the blend rule: four pixels at a time, the same bits as the scalar rule.
#include "raster/Blend.h"

#if defined(QV_HAVE_SSE2)
#include <emmintrin.h>

namespace qv::blend_sse2 {
namespace {

// Z = ((B << 8) + 128 + (F − B)·w) >> 8 per 16-bit lane. The exact value fits in 16 bits
// (at most 255·256 + 128), so wrapping 16-bit arithmetic yields it; B·256 + 128 comes
// from interleaving B with the byte 0x80.
inline __m128i Lerp(__m128i F16, __m128i B16, __m128i BHalf, __m128i W) {
  return _mm_srli_epi16(_mm_add_epi16(BHalf, _mm_mullo_epi16(_mm_sub_epi16(F16, B16), W)), 8);
}

// Each pixel's alpha copied into its four 16-bit lanes.
inline __m128i Alphas(__m128i P16) {
  return _mm_shufflehi_epi16(_mm_shufflelo_epi16(P16, 0xFF), 0xFF);
}

// Four pixels with the weights taken from the source alphas by Weight(alphas).
template <typename TWeight>
inline __m128i Blend4(__m128i S, __m128i D, TWeight Weight) {
  const __m128i Zero = _mm_setzero_si128();
  const __m128i Half = _mm_set1_epi8(char(0x80));
  __m128i SLo = _mm_unpacklo_epi8(S, Zero), SHi = _mm_unpackhi_epi8(S, Zero);
  __m128i Lo =
      Lerp(SLo, _mm_unpacklo_epi8(D, Zero), _mm_unpacklo_epi8(Half, D), Weight(Alphas(SLo)));
  __m128i Hi =
      Lerp(SHi, _mm_unpackhi_epi8(D, Zero), _mm_unpackhi_epi8(Half, D), Weight(Alphas(SHi)));
  return _mm_packus_epi16(Lo, Hi);
}

inline __m128i Load(const TColor32* P) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(P));
}
inline void Store(TColor32* P, __m128i V) {
  _mm_storeu_si128(reinterpret_cast<__m128i*>(P), V);
}

}  // namespace

namespace {
// Four pixels by plain blending; Opaque marks the pixels of alpha 255, copied exactly.
inline __m128i BlendPlain4(__m128i S, __m128i D, __m128i Opaque) {
  __m128i Z = Blend4(S, D, [](__m128i A16) { return A16; });
  return _mm_or_si128(_mm_and_si128(Opaque, S), _mm_andnot_si128(Opaque, Z));
}
}  // namespace

void BlendLine(const TColor32* Src, TColor32* Dst, int Count) {
  const __m128i AlphaMask = _mm_set1_epi32(int(0xFF000000));
  const __m128i Zero = _mm_setzero_si128();
  int I = 0;
  // Eight pixels per step: two independent groups, one check for runs of alpha 255 or 0.
  for (; I + 8 <= Count; I += 8) {
    __m128i S0 = Load(Src + I), S1 = Load(Src + I + 4);
    __m128i A0 = _mm_and_si128(S0, AlphaMask), A1 = _mm_and_si128(S1, AlphaMask);
    __m128i O0 = _mm_cmpeq_epi32(A0, AlphaMask), O1 = _mm_cmpeq_epi32(A1, AlphaMask);
    if (_mm_movemask_epi8(_mm_packs_epi32(O0, O1)) == 0xFFFF) {
      Store(Dst + I, S0);
      Store(Dst + I + 4, S1);
      continue;
    }
    if (_mm_movemask_epi8(_mm_packs_epi32(_mm_cmpeq_epi32(A0, Zero), _mm_cmpeq_epi32(A1, Zero))) ==
        0xFFFF)
      continue;
    Store(Dst + I, BlendPlain4(S0, Load(Dst + I), O0));
    Store(Dst + I + 4, BlendPlain4(S1, Load(Dst + I + 4), O1));
  }
  for (; I + 4 <= Count; I += 4) {
    __m128i S = Load(Src + I);
    __m128i O = _mm_cmpeq_epi32(_mm_and_si128(S, AlphaMask), AlphaMask);
    Store(Dst + I, BlendPlain4(S, Load(Dst + I), O));
  }
  blend_scalar::BlendLine(Src + I, Dst + I, Count - I);
}

void BlendLineEx(const TColor32* Src, TColor32* Dst, int Count, uint32_t M) {
  if (M >= 255) return BlendLine(Src, Dst, Count);
  if (M == 0) return;
  // Below 255 the weight never reaches 255, so there is no exact-copy case.
  const __m128i AlphaMask = _mm_set1_epi32(int(0xFF000000));
  const __m128i Zero = _mm_setzero_si128();
  const __m128i M1 = _mm_set1_epi16(short(M + 1));
  auto Weight = [M1](__m128i A16) { return _mm_srli_epi16(_mm_mullo_epi16(A16, M1), 8); };
  int I = 0;
  for (; I + 4 <= Count; I += 4) {
    __m128i S = Load(Src + I);
    if (_mm_movemask_epi8(_mm_cmpeq_epi32(_mm_and_si128(S, AlphaMask), Zero)) == 0xFFFF) continue;
    Store(Dst + I, Blend4(S, Load(Dst + I), Weight));
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
    __m128i D = Load(Dst + I);
    __m128i Lo =
        _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(D, Zero), IW), F), 8);
    __m128i Hi =
        _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(D, Zero), IW), F), 8);
    Store(Dst + I, _mm_packus_epi16(Lo, Hi));
  }
  blend_scalar::BlendFillLine(C, Dst + I, Count - I);
}

void LerpLine(const TColor32* A, const TColor32* B, TColor32* Dst, int Count, uint32_t W) {
  const __m128i Zero = _mm_setzero_si128();
  const __m128i Half = _mm_set1_epi8(char(0x80));
  const __m128i W16 = _mm_set1_epi16(short(W));
  int I = 0;
  for (; I + 4 <= Count; I += 4) {
    __m128i VA = Load(A + I), VB = Load(B + I);
    __m128i Lo = Lerp(_mm_unpacklo_epi8(VB, Zero), _mm_unpacklo_epi8(VA, Zero),
                      _mm_unpacklo_epi8(Half, VA), W16);
    __m128i Hi = Lerp(_mm_unpackhi_epi8(VB, Zero), _mm_unpackhi_epi8(VA, Zero),
                      _mm_unpackhi_epi8(Half, VA), W16);
    Store(Dst + I, _mm_packus_epi16(Lo, Hi));
  }
  blend_scalar::LerpLine(A + I, B + I, Dst + I, Count - I, W);
}

void LerpLineW(const TColor32* A, const TColor32* B, const uint32_t* W, TColor32* Dst, int Count) {
  int I = 0;
  for (; I + 4 <= Count; I += 4) {
    __m128i W32 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(W + I));
    W32 = _mm_or_si128(W32, _mm_slli_epi32(W32, 16));
    __m128i WLo = _mm_unpacklo_epi32(W32, W32), WHi = _mm_unpackhi_epi32(W32, W32);
    __m128i VA = Load(A + I), VB = Load(B + I);
    const __m128i Zero = _mm_setzero_si128(), Half = _mm_set1_epi8(char(0x80));
    __m128i Lo = Lerp(_mm_unpacklo_epi8(VB, Zero), _mm_unpacklo_epi8(VA, Zero),
                      _mm_unpacklo_epi8(Half, VA), WLo);
    __m128i Hi = Lerp(_mm_unpackhi_epi8(VB, Zero), _mm_unpackhi_epi8(VA, Zero),
                      _mm_unpackhi_epi8(Half, VA), WHi);
    Store(Dst + I, _mm_packus_epi16(Lo, Hi));
  }
  blend_scalar::LerpLineW(A + I, B + I, W + I, Dst + I, Count - I);
}

}  // namespace qv::blend_sse2
#endif
