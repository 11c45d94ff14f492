#pragma once
// Resamplers: how a surface is sampled when it is drawn stretched or transformed.
// A resampler samples one surface; that surface owns it once it is handed over through
// TCustomBitmap32::SetResampler, which frees the previous one.
#include "raster/Bitmap32.h"

namespace qv {

class TCustomResampler : public TPersistent {
 public:
  // Samples Bitmap; it is Bitmap's resampler only after Bitmap->SetResampler.
  explicit TCustomResampler(TCustomBitmap32* Bitmap) : FBitmap(Bitmap) {}
  String ClassName() const override { return L"TCustomResampler"; }
  TCustomBitmap32* Bitmap() const { return FBitmap; }
  TPixelAccessMode PixelAccessMode() const { return FPixelAccessMode; }
  void SetPixelAccessMode(TPixelAccessMode Value) { FPixelAccessMode = Value; }
  void Assign(TPersistent* Source) override;

  // The colour at point (X, Y) of the source, where pixel (i, j) covers [i, i+1) × [j, j+1).
  virtual TColor32 GetSampleFloat(double X, double Y) const = 0;
  // Stretches SrcRect of the source onto DstRect of Dst, writing only inside DstClip,
  // combining by the source's draw mode. Both rectangles lie inside their surfaces.
  virtual void Resample(TCustomBitmap32& Dst, const TRect& DstRect, const TRect& DstClip,
                        const TRect& SrcRect) const = 0;

 protected:
  // The source pixel (X, Y) by the pixel access mode: outside the surface it is the
  // surface's OuterColor (pamSafe, pamUnsafe), wrapped by WrapMode (pamWrap) or
  // transparent (pamTransparentEdge).
  TColor32 PixelAt(Integer X, Integer Y) const;

 private:
  TCustomBitmap32* FBitmap;
  TPixelAccessMode FPixelAccessMode = pamSafe;
};

// Nearest neighbour. Destination column i of a clip starting at ClipLeft maps to source
// column SrcLeft + trunc((i + ClipLeft − DstLeft) · SW / DW); one-pixel-wide destinations
// take the middle column (SrcLeft + SrcRight − 1) div 2. Rows likewise.
class TNearestResampler : public TCustomResampler {
 public:
  using TCustomResampler::TCustomResampler;
  String ClassName() const override { return L"TNearestResampler"; }
  TColor32 GetSampleFloat(double X, double Y) const override;
  void Resample(TCustomBitmap32& Dst, const TRect& DstRect, const TRect& DstClip,
                const TRect& SrcRect) const override;
};

// Bilinear interpolation of the four pixels around the sample point, channel by channel.
class TLinearResampler : public TCustomResampler {
 public:
  using TCustomResampler::TCustomResampler;
  String ClassName() const override { return L"TLinearResampler"; }
  TColor32 GetSampleFloat(double X, double Y) const override;
  void Resample(TCustomBitmap32& Dst, const TRect& DstRect, const TRect& DstClip,
                const TRect& SrcRect) const override;

 private:
  // Sample at a 24.8 fixed-point position measured from pixel centres.
  TColor32 SampleFixed(int64_t X8, int64_t Y8) const;
};

// A new resampler of the class registered under ClassName, sampling Bitmap; null when the
// name is unknown.
std::unique_ptr<TCustomResampler> CreateResamplerByName(const String& ClassName,
                                                        TCustomBitmap32* Bitmap);

// Stretched drawing of SrcRect of Src into DstRect of Dst: clips both rectangles,
// copies as a block when the sizes agree and asks Src's resampler otherwise.
// Raises "Invalid SrcRect" when SrcRect lies outside Src.
void StretchTransfer(TCustomBitmap32& Dst, TRect DstRect, TCustomBitmap32& Src, TRect SrcRect);

}  // namespace qv
