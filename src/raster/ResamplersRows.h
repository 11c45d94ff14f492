#pragma once
// The destination side of a stretch, shared by the resamplers: rows go straight into the
// destination when the source's draw mode copies, otherwise through a buffer and
// CombineLine; a row whose key equals the one above is copied instead of computed again.
#include <cstring>
#include <vector>

#include "raster/Bitmap32.h"

namespace qv {

// Key(R) identifies destination row R of Clip (rows with equal keys are equal);
// Make(R, Out) writes its Clip.Width() pixels to Out.
template <typename TKey, typename TMake>
void StretchRows(const TCustomBitmap32& Src, TCustomBitmap32& Dst, const TRect& Clip, TKey Key,
                 TMake Make) {
  int N = Clip.Width();
  // dmOpaque rows, and dmCustom ones without a handler, are plain copies.
  bool Direct = &Dst != &Src &&
                (Src.DrawMode() == dmOpaque || (Src.DrawMode() == dmCustom && !Src.OnPixelCombine));
  std::vector<TColor32> Buf(Direct ? 0 : size_t(N));
  const TColor32* Last = nullptr;
  decltype(Key(0)) LastKey{};
  for (Integer R = 0; R < Clip.Height(); ++R) {
    TColor32* Target = Dst.PixelPtr(Clip.Left, Clip.Top + R);
    TColor32* Out = Direct ? Target : Buf.data();
    auto K = Key(R);
    if (!Last || K != LastKey)
      Make(R, Out);
    else if (Direct)
      std::memcpy(Out, Last, size_t(N) * sizeof(TColor32));
    Last = Out;
    LastKey = K;
    if (!Direct) Src.CombineLine(Out, Target, N);
  }
}

}  // namespace qv
