// The SSE2 horizontal step of the bilinear stretch: four destination pixels at a time.
#include "raster/ResamplersLinear.h"

#if defined(__SSE2__)
#include <emmintrin.h>

namespace qv::linear_stretch::sse2 {

void StretchRow(const TColor32* Line, const int32_t* Index, const uint32_t* W, TColor32* Dst,
                int Count) {
  const __m128i Zero = _mm_setzero_si128();
  const __m128i Half = _mm_set1_epi8(char(0x80));
  auto Pair = [Line](int32_t I) {  // the left and right pixel of one destination pixel
    return _mm_loadl_epi64(reinterpret_cast<const __m128i*>(Line + I));
  };
  // B + (F − B)·w / 256 per 16-bit lane as ((B << 8) + 128 + (F − B)·w) >> 8: the exact
  // value fits in 16 bits, so wrapping arithmetic yields it even for w = 256.
  auto Lerp = [](__m128i F16, __m128i B16, __m128i BHalf, __m128i W16) {
    return _mm_srli_epi16(_mm_add_epi16(BHalf, _mm_mullo_epi16(_mm_sub_epi16(F16, B16), W16)), 8);
  };
  int I = 0;
  for (; I + 4 <= Count; I += 4) {
    __m128 P01 = _mm_castsi128_ps(_mm_unpacklo_epi64(Pair(Index[I]), Pair(Index[I + 1])));
    __m128 P23 = _mm_castsi128_ps(_mm_unpacklo_epi64(Pair(Index[I + 2]), Pair(Index[I + 3])));
    __m128i L = _mm_castps_si128(_mm_shuffle_ps(P01, P23, _MM_SHUFFLE(2, 0, 2, 0)));
    __m128i R = _mm_castps_si128(_mm_shuffle_ps(P01, P23, _MM_SHUFFLE(3, 1, 3, 1)));
    __m128i W32 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(W + I));
    __m128i Lo = Lerp(_mm_unpacklo_epi8(R, Zero), _mm_unpacklo_epi8(L, Zero),
                      _mm_unpacklo_epi8(Half, L), _mm_unpacklo_epi32(W32, W32));
    __m128i Hi = Lerp(_mm_unpackhi_epi8(R, Zero), _mm_unpackhi_epi8(L, Zero),
                      _mm_unpackhi_epi8(Half, L), _mm_unpackhi_epi32(W32, W32));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(Dst + I), _mm_packus_epi16(Lo, Hi));
  }
  scalar::StretchRow(Line, Index + I, W + I, Dst + I, Count - I);
}

}  // namespace qv::linear_stretch::sse2
#endif
