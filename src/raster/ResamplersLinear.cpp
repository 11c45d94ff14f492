#include "raster/ResamplersLinear.h"

#include <algorithm>
#include <climits>

#include "raster/Blend.h"
#include "raster/ResamplersRows.h"

namespace qv::linear_stretch {

std::vector<int64_t> Positions(Integer DstLo, Integer DstW, Integer ClipLo, Integer ClipHi,
                               Integer SrcLo, Integer SrcHi, bool Clamp) {
  std::vector<int64_t> P(size_t(ClipHi - ClipLo));
  int64_t SW = int64_t(SrcHi) - SrcLo;
  for (Integer X = ClipLo; X < ClipHi; ++X) {
    int64_t V = ((2 * (int64_t(X) - DstLo) + 1) * SW * 256 / DstW - 256) / 2 + int64_t(SrcLo) * 256;
    if (Clamp) V = std::clamp<int64_t>(V, int64_t(SrcLo) * 256, (int64_t(SrcHi) - 1) * 256);
    P[size_t(X - ClipLo)] = V;
  }
  return P;
}

namespace scalar {
void StretchRow(const TColor32* Line, const int32_t* Index, const uint32_t* W, TColor32* Dst,
                int Count) {
  for (int I = 0; I < Count; ++I) {
    const TColor32* P = Line + Index[I];
    Dst[I] = CombineReg(P[1], P[0], W[I] & 0xFFFF);
  }
}
}  // namespace scalar

const std::vector<TRows>& AvailableRows() {
  static const std::vector<TRows> Rows = [] {
    std::vector<TRows> R{{"scalar", blend_scalar::LerpLine, scalar::StretchRow}};
#if defined(__SSE2__)
    R.push_back({"sse2", blend_sse2::LerpLine, sse2::StretchRow});
#endif
#if defined(QV_HAVE_LINEAR_AVX2)
    if (blend_avx2::Supported()) R.push_back({"avx2", avx2::LerpRow, avx2::StretchRow});
#endif
    return R;
  }();
  return Rows;
}

void Stretch(const TCustomBitmap32& Src, TCustomBitmap32& Dst, const TRect& DstRect,
             const TRect& DstClip, const TRect& SrcRect, const TRows& Rows) {
  std::vector<int64_t> Xs = Positions(DstRect.Left, DstRect.Width(), DstClip.Left, DstClip.Right,
                                      SrcRect.Left, SrcRect.Right, true);
  std::vector<int64_t> Ys = Positions(DstRect.Top, DstRect.Height(), DstClip.Top, DstClip.Bottom,
                                      SrcRect.Top, SrcRect.Bottom, true);
  int N = int(Xs.size());
  if (N == 0 || Ys.empty()) return;

  // Column tables. A weight of 0 reads as 256 on the column before, so both columns a pixel
  // reads lie inside SrcRect even at its right edge (unless SrcRect is one column wide).
  std::vector<int32_t> Index(Xs.size());
  std::vector<uint32_t> Weight(Xs.size());
  Integer Lo = INT32_MAX, Hi = INT32_MIN;  // columns read: Lo..Hi
  for (int I = 0; I < N; ++I) {
    Integer C = Integer(Xs[size_t(I)] >> 8);
    uint32_t W = uint32_t(Xs[size_t(I)] & 0xFF);
    if (W == 0 && C > SrcRect.Left) {
      --C;
      W = 256;
    }
    Index[size_t(I)] = C;
    Weight[size_t(I)] = W | W << 16;
    Lo = std::min(Lo, C);
    Hi = std::max(Hi, C + 1);
  }
  for (int32_t& C : Index) C -= Lo;
  // The columns that exist; a one-column source repeats its column in the row buffer.
  int Cols = int(std::min(Hi, SrcRect.Right - 1) - Lo + 1);
  bool Pad = Cols < Hi - Lo + 1;
  std::vector<TColor32> Row(size_t(Hi - Lo + 1));

  StretchRows(
      Src, Dst, DstClip, [&](Integer R) { return Ys[size_t(R)]; },
      [&](Integer R, TColor32* Out) {
        Integer IY = Integer(Ys[size_t(R)] >> 8);
        uint32_t FY = uint32_t(Ys[size_t(R)] & 0xFF);
        const TColor32* Line = Src.PixelPtr(Lo, IY);
        if (FY) {
          Rows.Lerp(Line, Src.PixelPtr(Lo, IY + 1), Row.data(), Cols, FY);
          Line = Row.data();
        } else if (Pad) {
          std::copy_n(Line, Cols, Row.data());
          Line = Row.data();
        }
        if (Pad) Row[size_t(Cols)] = Row[size_t(Cols) - 1];
        Rows.Stretch(Line, Index.data(), Weight.data(), Out, N);
      });
}

}  // namespace qv::linear_stretch
