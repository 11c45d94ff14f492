#pragma once
// The blend rule and the row operations built on it.
//
// Blending F over B with weight w (0..255) gives, for each of the four channels:
//   Z = (B·(256 − w) + F·w + 128) div 256
// Plain blending weighs by F's alpha; w = 0 leaves B and w = 255 copies F exactly.
// With a master alpha M the weight is ((M + 1)·alpha) div 256. Transformed drawing
// uses the same weight without the exact-copy case.
//
// Every row operation has a scalar reference and, where SSE2 is available, a vector path
// that yields the same bits; the plain names pick the fastest.
#include <cstdint>

#include "raster/Color32.h"

namespace qv {

// The formula for all four channels, without special cases.
inline TColor32 CombineReg(TColor32 F, TColor32 B, uint32_t W) {
  uint32_t IW = 256 - W;
  uint32_t RB = ((B & 0x00FF00FF) * IW + (F & 0x00FF00FF) * W + 0x00800080) >> 8 & 0x00FF00FF;
  uint32_t AG = ((B >> 8 & 0x00FF00FF) * IW + (F >> 8 & 0x00FF00FF) * W + 0x00800080) & 0xFF00FF00;
  return AG | RB;
}

// Blend with weight W: 0 keeps B, 255 copies F, otherwise the formula.
inline TColor32 BlendRegW(TColor32 F, TColor32 B, uint32_t W) {
  if (W == 0) return B;
  if (W >= 255) return F;
  return CombineReg(F, B, W);
}

inline uint32_t MasterWeight(TColor32 F, uint32_t M) {
  return ((M + 1) * (F >> 24)) >> 8;
}

// Plain blending: weight = alpha of F.
inline TColor32 BlendReg(TColor32 F, TColor32 B) {
  return BlendRegW(F, B, F >> 24);
}
// Blending with master alpha M (M = 255 is plain blending).
inline TColor32 BlendRegEx(TColor32 F, TColor32 B, uint32_t M) {
  return BlendRegW(F, B, MasterWeight(F, M));
}
// The form of transformed drawing: master-alpha weight, no exact copy.
inline TColor32 TransformBlendReg(TColor32 F, TColor32 B, uint32_t M) {
  return CombineReg(F, B, MasterWeight(F, M));
}

// Merge of two straight-alpha colours (the cmMerge combine mode): F over B where B
// may itself be translucent; the result alpha is Fa + Ba·(255 − Fa)/255.
TColor32 MergeReg(TColor32 F, TColor32 B);
inline TColor32 MergeRegEx(TColor32 F, TColor32 B, uint32_t M) {
  return MergeReg(SetAlpha(F, uint8_t(MasterWeight(F, M))), B);
}

// Row operations. Src and Dst rows do not overlap.
void BlendLine(const TColor32* Src, TColor32* Dst, int Count);
void BlendLineEx(const TColor32* Src, TColor32* Dst, int Count, uint32_t M);
// Blend one colour over a row with the colour's alpha as weight.
void BlendFillLine(TColor32 C, TColor32* Dst, int Count);
// Dst = CombineReg(B, A, W) pixel by pixel: A moved towards B by W/256 (interpolation).
void LerpLine(const TColor32* A, const TColor32* B, TColor32* Dst, int Count, uint32_t W);
// The same with a weight per pixel (each 0..255).
void LerpLineW(const TColor32* A, const TColor32* B, const uint32_t* W, TColor32* Dst, int Count);
void MergeLine(const TColor32* Src, TColor32* Dst, int Count);
void MergeLineEx(const TColor32* Src, TColor32* Dst, int Count, uint32_t M);
void FillLine(TColor32* Dst, int Count, TColor32 C);
// Copies every pixel that is not Key.
void TransparentLine(const TColor32* Src, TColor32* Dst, int Count, TColor32 Key);

// The two implementations behind the row operations, exposed for tests and benchmarks.
namespace blend_scalar {
void BlendLine(const TColor32* Src, TColor32* Dst, int Count);
void BlendLineEx(const TColor32* Src, TColor32* Dst, int Count, uint32_t M);
void BlendFillLine(TColor32 C, TColor32* Dst, int Count);
void LerpLine(const TColor32* A, const TColor32* B, TColor32* Dst, int Count, uint32_t W);
void LerpLineW(const TColor32* A, const TColor32* B, const uint32_t* W, TColor32* Dst, int Count);
}  // namespace blend_scalar

#if defined(__SSE2__)
#define QV_HAVE_SSE2 1
namespace blend_sse2 {
void BlendLine(const TColor32* Src, TColor32* Dst, int Count);
void BlendLineEx(const TColor32* Src, TColor32* Dst, int Count, uint32_t M);
void BlendFillLine(TColor32 C, TColor32* Dst, int Count);
void LerpLine(const TColor32* A, const TColor32* B, TColor32* Dst, int Count, uint32_t W);
void LerpLineW(const TColor32* A, const TColor32* B, const uint32_t* W, TColor32* Dst, int Count);
}  // namespace blend_sse2
#endif

#if defined(QV_HAVE_SSE2) && defined(__GNUC__)
#define QV_HAVE_AVX2 1
// Eight pixels at a time, used when the processor has AVX2.
namespace blend_avx2 {
bool Supported();
void BlendLine(const TColor32* Src, TColor32* Dst, int Count);
void BlendLineEx(const TColor32* Src, TColor32* Dst, int Count, uint32_t M);
}  // namespace blend_avx2
#endif

}  // namespace qv
