// The AVX2 rows of the blend rule: the SSE2 algorithm on eight pixels at a time, compiled
// for AVX2 only in these functions and chosen at run time.
#include "raster/Blend.h"

#if defined(QV_HAVE_AVX2)
#include <immintrin.h>

#define QV_AVX2 __attribute__((target("avx2")))

namespace qv::blend_avx2 {
namespace {

QV_AVX2 inline __m256i Lerp(__m256i F16, __m256i B16, __m256i BHalf, __m256i W) {
  return _mm256_srli_epi16(
      _mm256_add_epi16(BHalf, _mm256_mullo_epi16(_mm256_sub_epi16(F16, B16), W)), 8);
}

QV_AVX2 inline __m256i Alphas(__m256i P16) {
  return _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(P16, 0xFF), 0xFF);
}

// Unpacking and packing work within 128-bit halves, so the pixel order is kept.
template <typename TWeight>
QV_AVX2 inline __m256i Blend8(__m256i S, __m256i D, TWeight Weight) {
  const __m256i Zero = _mm256_setzero_si256();
  const __m256i Half = _mm256_set1_epi8(char(0x80));
  __m256i SLo = _mm256_unpacklo_epi8(S, Zero), SHi = _mm256_unpackhi_epi8(S, Zero);
  __m256i Lo =
      Lerp(SLo, _mm256_unpacklo_epi8(D, Zero), _mm256_unpacklo_epi8(Half, D), Weight(Alphas(SLo)));
  __m256i Hi =
      Lerp(SHi, _mm256_unpackhi_epi8(D, Zero), _mm256_unpackhi_epi8(Half, D), Weight(Alphas(SHi)));
  return _mm256_packus_epi16(Lo, Hi);
}

QV_AVX2 inline __m256i Load(const TColor32* P) {
  return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(P));
}
QV_AVX2 inline void Store(TColor32* P, __m256i V) {
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(P), V);
}

struct TIdentity {
  QV_AVX2 __m256i operator()(__m256i A16) const { return A16; }
};

struct TMaster {
  __m256i M1;
  QV_AVX2 __m256i operator()(__m256i A16) const {
    return _mm256_srli_epi16(_mm256_mullo_epi16(A16, M1), 8);
  }
};

}  // namespace

bool Supported() {
  static const bool Avx2 = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") != 0;
  }();
  return Avx2;
}

QV_AVX2 void BlendLine(const TColor32* Src, TColor32* Dst, int Count) {
  const __m256i AlphaMask = _mm256_set1_epi32(int(0xFF000000));
  const __m256i Zero = _mm256_setzero_si256();
  int I = 0;
  for (; I + 8 <= Count; I += 8) {
    __m256i S = Load(Src + I);
    __m256i A = _mm256_and_si256(S, AlphaMask);
    __m256i Opaque = _mm256_cmpeq_epi32(A, AlphaMask);
    uint32_t OpaqueBits = uint32_t(_mm256_movemask_epi8(Opaque));
    if (OpaqueBits == 0xFFFFFFFFu) {
      Store(Dst + I, S);
      continue;
    }
    if (uint32_t(_mm256_movemask_epi8(_mm256_cmpeq_epi32(A, Zero))) == 0xFFFFFFFFu) continue;
    __m256i Z = Blend8(S, Load(Dst + I), TIdentity());
    if (OpaqueBits) Z = _mm256_blendv_epi8(Z, S, Opaque);  // alpha 255 copies exactly
    Store(Dst + I, Z);
  }
  blend_sse2::BlendLine(Src + I, Dst + I, Count - I);
}

QV_AVX2 void BlendLineEx(const TColor32* Src, TColor32* Dst, int Count, uint32_t M) {
  if (M >= 255) return BlendLine(Src, Dst, Count);
  if (M == 0) return;
  const __m256i AlphaMask = _mm256_set1_epi32(int(0xFF000000));
  const __m256i Zero = _mm256_setzero_si256();
  TMaster Weight{_mm256_set1_epi16(short(M + 1))};
  int I = 0;
  for (; I + 8 <= Count; I += 8) {
    __m256i S = Load(Src + I);
    if (uint32_t(_mm256_movemask_epi8(_mm256_cmpeq_epi32(_mm256_and_si256(S, AlphaMask), Zero))) ==
        0xFFFFFFFFu)
      continue;
    Store(Dst + I, Blend8(S, Load(Dst + I), Weight));
  }
  blend_sse2::BlendLineEx(Src + I, Dst + I, Count - I, M);
}

}  // namespace qv::blend_avx2
#endif
