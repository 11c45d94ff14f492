// The AVX2 steps of the bilinear stretch: the SSE2 algorithm on eight pixels at a time,
// compiled for AVX2 only in these functions and chosen at run time.
#include "raster/ResamplersLinear.h"

#if defined(QV_HAVE_LINEAR_AVX2)
#include <immintrin.h>

#include "raster/Blend.h"

#define QV_AVX2 __attribute__((target("avx2")))

namespace qv::linear_stretch::avx2 {
namespace {

// B + (F − B)·w / 256 per 16-bit lane, exact in wrapping 16-bit arithmetic (see SSE2).
QV_AVX2 inline __m256i Lerp(__m256i F16, __m256i B16, __m256i BHalf, __m256i W16) {
  return _mm256_srli_epi16(
      _mm256_add_epi16(BHalf, _mm256_mullo_epi16(_mm256_sub_epi16(F16, B16), W16)), 8);
}

// Eight pixels of A moved towards B by the 16-bit weights WLo (pixels 0, 1, 4, 5) and WHi
// (2, 3, 6, 7): unpacking works within 128-bit halves.
QV_AVX2 inline __m256i Lerp8(__m256i A, __m256i B, __m256i WLo, __m256i WHi) {
  const __m256i Zero = _mm256_setzero_si256();
  const __m256i Half = _mm256_set1_epi8(char(0x80));
  __m256i Lo = Lerp(_mm256_unpacklo_epi8(B, Zero), _mm256_unpacklo_epi8(A, Zero),
                    _mm256_unpacklo_epi8(Half, A), WLo);
  __m256i Hi = Lerp(_mm256_unpackhi_epi8(B, Zero), _mm256_unpackhi_epi8(A, Zero),
                    _mm256_unpackhi_epi8(Half, A), WHi);
  return _mm256_packus_epi16(Lo, Hi);
}

QV_AVX2 inline __m256i Load(const TColor32* P) {
  return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(P));
}

}  // namespace

QV_AVX2 void LerpRow(const TColor32* A, const TColor32* B, TColor32* Dst, int Count, uint32_t W) {
  const __m256i W16 = _mm256_set1_epi16(short(W));
  int I = 0;
  for (; I + 8 <= Count; I += 8)
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(Dst + I),
                        Lerp8(Load(A + I), Load(B + I), W16, W16));
  blend_sse2::LerpLine(A + I, B + I, Dst + I, Count - I, W);
}

QV_AVX2 void StretchRow(const TColor32* Line, const int32_t* Index, const uint32_t* W,
                        TColor32* Dst, int Count) {
  auto Pair = [Line](int32_t I) {
    return _mm_loadl_epi64(reinterpret_cast<const __m128i*>(Line + I));
  };
  int I = 0;
  for (; I + 8 <= Count; I += 8) {
    // [L0 R0 L1 R1 | L4 R4 L5 R5] and [L2 R2 L3 R3 | L6 R6 L7 R7], then lefts and rights.
    __m256i P01 = _mm256_castsi128_si256(_mm_unpacklo_epi64(Pair(Index[I]), Pair(Index[I + 1])));
    __m256i P23 =
        _mm256_castsi128_si256(_mm_unpacklo_epi64(Pair(Index[I + 2]), Pair(Index[I + 3])));
    P01 =
        _mm256_inserti128_si256(P01, _mm_unpacklo_epi64(Pair(Index[I + 4]), Pair(Index[I + 5])), 1);
    P23 =
        _mm256_inserti128_si256(P23, _mm_unpacklo_epi64(Pair(Index[I + 6]), Pair(Index[I + 7])), 1);
    __m256 F01 = _mm256_castsi256_ps(P01), F23 = _mm256_castsi256_ps(P23);
    __m256i L = _mm256_castps_si256(_mm256_shuffle_ps(F01, F23, _MM_SHUFFLE(2, 0, 2, 0)));
    __m256i R = _mm256_castps_si256(_mm256_shuffle_ps(F01, F23, _MM_SHUFFLE(3, 1, 3, 1)));
    __m256i W32 = Load(W + I);
    _mm256_storeu_si256(
        reinterpret_cast<__m256i*>(Dst + I),
        Lerp8(L, R, _mm256_unpacklo_epi32(W32, W32), _mm256_unpackhi_epi32(W32, W32)));
  }
  sse2::StretchRow(Line, Index + I, W + I, Dst + I, Count - I);
}

}  // namespace qv::linear_stretch::avx2
#endif
