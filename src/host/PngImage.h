#pragma once
// PNG and JPEG pictures, decoded by the portable codec into straight RGBA and drawn with
// their alpha. Windows only (PngImageWin.cpp).
#include "host/Graphics.h"
#include "host/ImageCodec.h"
#include "host/PlatformTypes.h"

namespace qv {

// A picture held as decoded RGBA pixels together with the file it came from.
class TDecodedGraphic : public TGraphic {
 public:
  TDecodedGraphic() = default;
  ~TDecodedGraphic() override;
  TDecodedGraphic(const TDecodedGraphic&) = delete;
  TDecodedGraphic& operator=(const TDecodedGraphic&) = delete;
  Integer Width() const override { return FImage.Width; }
  Integer Height() const override { return FImage.Height; }
  bool Empty() const override { return FImage.RGBA.empty(); }
  // Width·Height·4 bytes, top row first, each pixel R, G, B, A with straight alpha.
  const std::vector<uint8_t>& Pixels() const { return FImage.RGBA; }
  // True when some pixel is not fully opaque.
  bool HasAlpha() const { return FHasAlpha; }
  void LoadFromStream(TStream& Stream) override;
  void Draw(TCanvas& Canvas, const TRect& R) override;
  // A 32-bit bitmap with straight alpha when the picture has any, else 24 bits.
  void AssignToBitmap(TBitmap& Dest) const;

 protected:
  virtual TImageFormat Format() const = 0;
  virtual const wchar_t* InvalidMessage() const = 0;
  void SetImage(TDecodedImage Image, std::vector<uint8_t> FileData);
  void CopyFrom(const TDecodedGraphic& Source);
  // Takes the pixels of a bitmap (any pixel and alpha format).
  void SetFromBitmap(TBitmap& Source);
  TDecodedImage FImage;
  std::vector<uint8_t> FData;  // the file the pixels came from; empty when built otherwise

 private:
  void FreeDib();
  bool FHasAlpha = false;
  HBITMAP FDib = nullptr;  // premultiplied copy for drawing, made on demand
};

enum TPNGTransparencyMode { ptmNone, ptmBit, ptmPartial };

class TPngImage : public TDecodedGraphic {
  QV_CLASS(TPngImage)
 public:
  TPngImage() = default;
  // The header and transparency information of the file.
  const TPngInfo& Header() const { return FImage.Png; }
  uint8_t ColorType() const { return FImage.Png.ColorType; }
  uint8_t BitDepth() const { return FImage.Png.BitDepth; }
  // ptmPartial for colour types 4 and 6 and for palettes with partial alpha; ptmBit for a
  // single transparent colour or a palette whose alphas are all 0 or 255; else ptmNone.
  TPNGTransparencyMode TransparencyMode() const;
  // The transparent colour of a ptmBit picture (clNone otherwise).
  TColor TransparentColor() const;
  void Assign(TPersistent* Source) override;
  // Writes the file it was read from, or encodes the pixels (RGBA, no interlacing).
  void SaveToStream(TStream& Stream) override;
  std::unique_ptr<TGraphic> NewGraphic() const override { return std::make_unique<TPngImage>(); }

 protected:
  TImageFormat Format() const override { return ifPNG; }
  const wchar_t* InvalidMessage() const override { return L"PNG image is not valid"; }
};

class TJPEGImage : public TDecodedGraphic {
  QV_CLASS(TJPEGImage)
 public:
  TJPEGImage() = default;
  void Assign(TPersistent* Source) override;
  // Writes the file it was read from, or encodes the pixels (quality 90).
  void SaveToStream(TStream& Stream) override;
  std::unique_ptr<TGraphic> NewGraphic() const override { return std::make_unique<TJPEGImage>(); }

 protected:
  TImageFormat Format() const override { return ifJPEG; }
  const wchar_t* InvalidMessage() const override { return L"JPEG image is not valid"; }
};

}  // namespace qv
