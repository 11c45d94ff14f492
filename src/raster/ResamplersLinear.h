#pragma once
// The bilinear stretch in whole rows. The column tables are built once per stretch; each
// destination row interpolates its two source rows vertically over the columns it needs,
// then every pixel horizontally from that row. Both steps round as CombineReg does, so the
// result is the per-pixel rule of TLinearResampler bit for bit.
//
// The row kernels come as a scalar reference and SSE2/AVX2 paths that give the same bits;
// FastestRows picks what this processor runs.
#include <cstdint>
#include <vector>

#include "raster/Bitmap32.h"

namespace qv::linear_stretch {

// Sample positions of destination positions ClipLo..ClipHi − 1 in 1/256 source pixel:
// ((X − DstLo + 0.5)·SW/DW − 0.5)·256 + SrcLo·256, with SW = SrcHi − SrcLo. Clamp keeps
// them on the pixel centres of SrcLo..SrcHi − 1.
std::vector<int64_t> Positions(Integer DstLo, Integer DstW, Integer ClipLo, Integer ClipHi,
                               Integer SrcLo, Integer SrcHi, bool Clamp);

// Dst[i] = CombineReg(B[i], A[i], W): the vertical step.
using TLerpRow = void (*)(const TColor32* A, const TColor32* B, TColor32* Dst, int Count,
                          uint32_t W);
// Dst[i] = CombineReg(Line[Index[i] + 1], Line[Index[i]], w) with w = W[i] & 0xFFFF: the
// horizontal step. W[i] holds its weight (0..256) in both 16-bit halves; 256 takes the
// right pixel exactly, which lets the last column be read as the one before it.
using TStretchRow = void (*)(const TColor32* Line, const int32_t* Index, const uint32_t* W,
                             TColor32* Dst, int Count);

struct TRows {
  const char* Name;
  TLerpRow Lerp;
  TStretchRow Stretch;
};

namespace scalar {
void StretchRow(const TColor32* Line, const int32_t* Index, const uint32_t* W, TColor32* Dst,
                int Count);
}

#if defined(__SSE2__)
namespace sse2 {
void StretchRow(const TColor32* Line, const int32_t* Index, const uint32_t* W, TColor32* Dst,
                int Count);
}
#endif

#if defined(__SSE2__) && defined(__GNUC__)
#define QV_HAVE_LINEAR_AVX2 1
namespace avx2 {
void LerpRow(const TColor32* A, const TColor32* B, TColor32* Dst, int Count, uint32_t W);
void StretchRow(const TColor32* Line, const int32_t* Index, const uint32_t* W, TColor32* Dst,
                int Count);
}  // namespace avx2
#endif

// Every kernel set this processor runs, the scalar reference first and the fastest last.
const std::vector<TRows>& AvailableRows();
inline const TRows& FastestRows() {
  return AvailableRows().back();
}

// Stretches SrcRect of Src onto DstRect of Dst inside DstClip with sample positions clamped
// to SrcRect, combining by Src's draw mode. The rectangles are as Resample receives them.
void Stretch(const TCustomBitmap32& Src, TCustomBitmap32& Dst, const TRect& DstRect,
             const TRect& DstClip, const TRect& SrcRect, const TRows& Rows);

}  // namespace qv::linear_stretch
