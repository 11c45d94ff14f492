// Drawing one surface onto another.
#include <algorithm>
#include <vector>

#include "raster/Bitmap32.h"
#include "raster/Resamplers.h"

namespace qv {

namespace {

void CheckBitmaps(const TCustomBitmap32* Dst, const TCustomBitmap32* Src) {
  if (!Dst) throw EBitmapError(L"Destination bitmap is nil");
  if (!Src) throw EBitmapError(L"Source bitmap is nil");
}

// Intersection computed in 64 bits, so far-away positions cannot overflow.
bool Intersect64(int64_t& L, int64_t& T, int64_t& R, int64_t& B, const TRect& With) {
  L = std::max<int64_t>(L, With.Left);
  T = std::max<int64_t>(T, With.Top);
  R = std::min<int64_t>(R, With.Right);
  B = std::min<int64_t>(B, With.Bottom);
  return L < R && T < B;
}

// The unstretched block: SrcRect of Src with its top-left at (DstX, DstY) of Dst.
void BlockTransfer(TCustomBitmap32& Dst, int64_t DstX, int64_t DstY, TCustomBitmap32& Src,
                   TRect SrcRect) {
  if (Src.Empty() || Dst.Empty()) return;
  int64_t SL = SrcRect.Left, ST = SrcRect.Top, SR = SrcRect.Right, SB = SrcRect.Bottom;
  if (!Intersect64(SL, ST, SR, SB, Src.BoundsRect())) return;
  DstX += SL - SrcRect.Left;
  DstY += ST - SrcRect.Top;
  int64_t DL = DstX, DT = DstY, DR = DstX + (SR - SL), DB = DstY + (SB - ST);
  if (!Intersect64(DL, DT, DR, DB, Dst.ClipRect())) return;
  SL += DL - DstX;
  ST += DT - DstY;
  int W = int(DR - DL), H = int(DB - DT);
  if (&Src == &Dst) {
    // Drawing a surface onto itself: take the source block first.
    std::vector<TColor32> Copy(size_t(W) * size_t(H));
    for (int Y = 0; Y < H; ++Y)
      std::copy_n(Src.PixelPtr(Integer(SL), Integer(ST) + Y), W, Copy.data() + size_t(Y) * W);
    for (int Y = 0; Y < H; ++Y)
      Src.CombineLine(Copy.data() + size_t(Y) * W, Dst.PixelPtr(Integer(DL), Integer(DT) + Y), W);
  } else {
    for (int Y = 0; Y < H; ++Y)
      Src.CombineLine(Src.PixelPtr(Integer(SL), Integer(ST) + Y),
                      Dst.PixelPtr(Integer(DL), Integer(DT) + Y), W);
  }
  Dst.Changed(Rect(Integer(DL), Integer(DT), Integer(DR), Integer(DB)));
}

}  // namespace

void StretchTransfer(TCustomBitmap32& Dst, TRect DstRect, TCustomBitmap32& Src, TRect SrcRect) {
  if (Src.Empty() || Dst.Empty() || DstRect.IsEmpty() || SrcRect.IsEmpty()) return;
  // Clip the source rectangle; the destination edges move in proportion, left and top
  // rounded up, right and bottom rounded down.
  int64_t SW = int64_t(SrcRect.Right) - SrcRect.Left, SH = int64_t(SrcRect.Bottom) - SrcRect.Top;
  int64_t DW = int64_t(DstRect.Right) - DstRect.Left, DH = int64_t(DstRect.Bottom) - DstRect.Top;
  int64_t SL = SrcRect.Left, ST = SrcRect.Top, SR = SrcRect.Right, SB = SrcRect.Bottom;
  if (!Intersect64(SL, ST, SR, SB, Src.BoundsRect())) RaiseInvalidSrcRect();
  auto CeilDiv = [](int64_t A, int64_t B) { return A >= 0 ? (A + B - 1) / B : -((-A) / B); };
  auto FloorDiv = [](int64_t A, int64_t B) { return A >= 0 ? A / B : -((-A + B - 1) / B); };
  int64_t DL = DstRect.Left + CeilDiv((SL - SrcRect.Left) * DW, SW);
  int64_t DT = DstRect.Top + CeilDiv((ST - SrcRect.Top) * DH, SH);
  int64_t DR = DstRect.Left + FloorDiv((SR - SrcRect.Left) * DW, SW);
  int64_t DB = DstRect.Top + FloorDiv((SB - SrcRect.Top) * DH, SH);
  if (DL >= DR || DT >= DB) return;
  if (DL < INT32_MIN || DT < INT32_MIN || DR > INT32_MAX || DB > INT32_MAX) return;
  DstRect = Rect(Integer(DL), Integer(DT), Integer(DR), Integer(DB));
  SrcRect = Rect(Integer(SL), Integer(ST), Integer(SR), Integer(SB));
  TRect Clip;
  if (!IntersectRect(Clip, DstRect, Dst.ClipRect())) return;
  if (DstRect.Width() == SrcRect.Width() && DstRect.Height() == SrcRect.Height()) {
    BlockTransfer(Dst, DstRect.Left, DstRect.Top, Src, SrcRect);
    return;
  }
  if (&Src == &Dst) {
    // Resampling a surface onto itself reads from a copy.
    TCustomBitmap32 Copy;
    Src.CopyMapTo(&Copy);
    Src.CopyPropertiesTo(&Copy);
    Copy.OnPixelCombine = Src.OnPixelCombine;
    Copy.Resampler()->Resample(Dst, DstRect, Clip, SrcRect);
  } else {
    Src.Resampler()->Resample(Dst, DstRect, Clip, SrcRect);
  }
  Dst.Changed(Clip);
}

void TCustomBitmap32::Draw(Integer DstX, Integer DstY, TCustomBitmap32* Src) {
  CheckBitmaps(this, Src);
  Src->DrawTo(this, DstX, DstY);
}

void TCustomBitmap32::Draw(Integer DstX, Integer DstY, const TRect& SrcRect, TCustomBitmap32* Src) {
  CheckBitmaps(this, Src);
  Src->DrawTo(this, DstX, DstY, SrcRect);
}

void TCustomBitmap32::Draw(const TRect& DstRect, const TRect& SrcRect, TCustomBitmap32* Src) {
  CheckBitmaps(this, Src);
  Src->DrawTo(this, DstRect, SrcRect);
}

void TCustomBitmap32::DrawTo(TCustomBitmap32* Dst, Integer DstX, Integer DstY) {
  CheckBitmaps(Dst, this);
  BlockTransfer(*Dst, DstX, DstY, *this, BoundsRect());
}

void TCustomBitmap32::DrawTo(TCustomBitmap32* Dst, Integer DstX, Integer DstY,
                             const TRect& SrcRect) {
  CheckBitmaps(Dst, this);
  BlockTransfer(*Dst, DstX, DstY, *this, SrcRect);
}

void TCustomBitmap32::DrawTo(TCustomBitmap32* Dst, const TRect& DstRect) {
  DrawTo(Dst, DstRect, BoundsRect());
}

void TCustomBitmap32::DrawTo(TCustomBitmap32* Dst, const TRect& DstRect, const TRect& SrcRect) {
  CheckBitmaps(Dst, this);
  StretchTransfer(*Dst, DstRect, *this, SrcRect);
}

}  // namespace qv
