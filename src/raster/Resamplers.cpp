#include "raster/Resamplers.h"

#include <cmath>
#include <map>
#include <vector>

#include "raster/ResamplersLinear.h"
#include "raster/ResamplersRows.h"

namespace qv {

void TCustomResampler::Assign(TPersistent* Source) {
  if (auto* R = dynamic_cast<TCustomResampler*>(Source)) {
    FPixelAccessMode = R->FPixelAccessMode;
    return;
  }
  TPersistent::Assign(Source);
}

namespace {
inline Integer Wrap(Integer V, Integer N, TWrapMode Mode) {
  if (N <= 0) return 0;
  switch (Mode) {
    case wmRepeat:
      V %= N;
      return V < 0 ? V + N : V;
    case wmMirror: {
      Integer P = 2 * N;
      V %= P;
      if (V < 0) V += P;
      return V < N ? V : P - 1 - V;
    }
    case wmClamp:
    default:
      return V < 0 ? 0 : (V >= N ? N - 1 : V);
  }
}
}  // namespace

TColor32 TCustomResampler::PixelAt(Integer X, Integer Y) const {
  const TCustomBitmap32& B = *FBitmap;
  if (X >= 0 && Y >= 0 && X < B.Width() && Y < B.Height() && B.Bits()) return B.Pixel(X, Y);
  switch (FPixelAccessMode) {
    case pamTransparentEdge:
      return 0;
    case pamWrap:
      if (B.Empty()) return 0;
      return B.Pixel(Wrap(X, B.Width(), B.WrapMode()), Wrap(Y, B.Height(), B.WrapMode()));
    default:
      return B.OuterColor();
  }
}

TColor32 TNearestResampler::GetSampleFloat(double X, double Y) const {
  double FX = std::floor(X), FY = std::floor(Y);
  if (!(FX > INT32_MIN && FX < INT32_MAX && FY > INT32_MIN && FY < INT32_MAX))
    return PixelAt(-1, -1);
  return PixelAt(Integer(FX), Integer(FY));
}

namespace {
// Source index of each destination position of the clip, by the nearest rule.
std::vector<Integer> NearestMap(Integer DstLo, Integer DstW, Integer ClipLo, Integer ClipHi,
                                Integer SrcLo, Integer SrcHi) {
  std::vector<Integer> Map(size_t(ClipHi - ClipLo));
  int64_t SW = int64_t(SrcHi) - SrcLo;
  for (Integer X = ClipLo; X < ClipHi; ++X)
    Map[size_t(X - ClipLo)] = DstW < 2 ? Integer((int64_t(SrcLo) + SrcHi - 1) / 2)
                                       : Integer(SrcLo + (int64_t(X) - DstLo) * SW / DstW);
  return Map;
}
}  // namespace

void TNearestResampler::Resample(TCustomBitmap32& Dst, const TRect& DstRect, const TRect& DstClip,
                                 const TRect& SrcRect) const {
  const TCustomBitmap32& Src = *Bitmap();
  std::vector<Integer> Cols = NearestMap(DstRect.Left, DstRect.Width(), DstClip.Left, DstClip.Right,
                                         SrcRect.Left, SrcRect.Right);
  std::vector<Integer> Rows = NearestMap(DstRect.Top, DstRect.Height(), DstClip.Top, DstClip.Bottom,
                                         SrcRect.Top, SrcRect.Bottom);
  StretchRows(
      Src, Dst, DstClip, [&](Integer R) { return Rows[size_t(R)]; },
      [&](Integer R, TColor32* Out) {
        const TColor32* S = Src.ScanLine(Rows[size_t(R)]);
        for (size_t I = 0; I < Cols.size(); ++I) Out[I] = S[Cols[I]];
      });
}

TColor32 TLinearResampler::SampleFixed(int64_t X8, int64_t Y8) const {
  int64_t IX = X8 >> 8, IY = Y8 >> 8;
  uint32_t FX = uint32_t(X8 & 0xFF), FY = uint32_t(Y8 & 0xFF);
  if (IX < INT32_MIN + 1 || IX > INT32_MAX - 1 || IY < INT32_MIN + 1 || IY > INT32_MAX - 1)
    return PixelAt(-1, -1);
  Integer X = Integer(IX), Y = Integer(IY);
  // Vertical first, then horizontal: the order the row-wise stretch uses.
  auto Column = [&](Integer C) {
    return FY ? CombineReg(PixelAt(C, Y + 1), PixelAt(C, Y), FY) : PixelAt(C, Y);
  };
  TColor32 Left = Column(X);
  return FX ? CombineReg(Column(X + 1), Left, FX) : Left;
}

TColor32 TLinearResampler::GetSampleFloat(double X, double Y) const {
  double X8 = std::floor((X - 0.5) * 256 + 0.5), Y8 = std::floor((Y - 0.5) * 256 + 0.5);
  if (!(std::fabs(X8) < 1e15 && std::fabs(Y8) < 1e15)) return PixelAt(-1, -1);
  return SampleFixed(int64_t(X8), int64_t(Y8));
}

void TLinearResampler::Resample(TCustomBitmap32& Dst, const TRect& DstRect, const TRect& DstClip,
                                const TRect& SrcRect) const {
  // Destination pixel centres map onto the source rectangle; sample positions are
  // clamped to it unless samples outside the picture are meant to be transparent.
  if (PixelAccessMode() != pamTransparentEdge) {
    // Every sample lies inside SrcRect: the row-wise stretch gives the same bits.
    linear_stretch::Stretch(*Bitmap(), Dst, DstRect, DstClip, SrcRect,
                            linear_stretch::FastestRows());
    return;
  }
  std::vector<int64_t> Xs =
      linear_stretch::Positions(DstRect.Left, DstRect.Width(), DstClip.Left, DstClip.Right,
                                SrcRect.Left, SrcRect.Right, false);
  std::vector<int64_t> Ys =
      linear_stretch::Positions(DstRect.Top, DstRect.Height(), DstClip.Top, DstClip.Bottom,
                                SrcRect.Top, SrcRect.Bottom, false);
  StretchRows(
      *Bitmap(), Dst, DstClip, [&](Integer R) { return Ys[size_t(R)]; },
      [&](Integer R, TColor32* Out) {
        for (size_t I = 0; I < Xs.size(); ++I) Out[I] = SampleFixed(Xs[I], Ys[size_t(R)]);
      });
}

namespace {
using TResamplerFactory = std::unique_ptr<TCustomResampler> (*)(TCustomBitmap32*);
template <typename T>
std::unique_ptr<TCustomResampler> Make(TCustomBitmap32* B) {
  return std::make_unique<T>(B);
}
const std::map<String, TResamplerFactory>& ResamplerClasses() {
  static const std::map<String, TResamplerFactory> Classes = {
      {L"TNearestResampler", Make<TNearestResampler>},
      {L"TLinearResampler", Make<TLinearResampler>},
  };
  return Classes;
}
}  // namespace

std::unique_ptr<TCustomResampler> CreateResamplerByName(const String& ClassName,
                                                        TCustomBitmap32* Bitmap) {
  auto It = ResamplerClasses().find(ClassName);
  if (It == ResamplerClasses().end()) return nullptr;
  return It->second(Bitmap);
}

}  // namespace qv
