#include "raster/Gr32Png.h"

#include <cstring>

#include "host/ImageCodec.h"
#include "host/Streams.h"

namespace qv {

void LoadPNGintoBitmap32(TCustomBitmap32* Bitmap, TStream& Stream, bool& AlphaChannelUsed) {
  int64_t Left = Stream.Size() - Stream.Position();
  std::vector<uint8_t> Bytes(size_t(Left > 0 ? Left : 0));
  if (!Bytes.empty()) Stream.ReadBuffer(Bytes.data(), int64_t(Bytes.size()));
  if (DetectImageFormat(Bytes.data(), Bytes.size()) != ifPNG)
    throw EInvalidGraphic(L"Not a PNG image: bad signature");
  TDecodedImage Img = DecodeImage(Bytes.data(), Bytes.size());
  const TPngInfo& Png = Img.Png;
  std::vector<TColor32> Pixels(size_t(Img.Width) * size_t(Img.Height));
  for (size_t I = 0; I < Pixels.size(); ++I) {
    const uint8_t* P = &Img.RGBA[I * 4];
    Pixels[I] = Color32(P[0], P[1], P[2]);
  }
  bool Used = AlphaChannelUsed;
  if (Png.ColorType == pngGreyAlpha || Png.ColorType == pngRGBAlpha) {
    for (size_t I = 0; I < Pixels.size(); ++I) Pixels[I] = SetAlpha(Pixels[I], Img.RGBA[I * 4 + 3]);
    Used = true;
  } else if (Png.HasTransparency && Png.ColorType != pngPalette) {
    TColor32 Key = Color32(Png.TransparentRGB[0], Png.TransparentRGB[1], Png.TransparentRGB[2]);
    for (TColor32& C : Pixels)
      if (C == Key) C = SetAlpha(C, 0);
    Used = true;
  } else if (!Png.HasTransparency) {
    Used = false;
  }
  Bitmap->AssignPixels(Img.Width, Img.Height, Pixels.data());
  AlphaChannelUsed = Used;
}

void LoadPNGintoBitmap32(TCustomBitmap32* Bitmap, const String& FileName, bool& AlphaChannelUsed) {
  TFileStream F(FileName, fmOpenRead);
  LoadPNGintoBitmap32(Bitmap, F, AlphaChannelUsed);
}

namespace {
std::vector<uint8_t> Encode(const TCustomBitmap32& Bitmap, bool Alpha, int Level) {
  int Channels = Alpha ? 4 : 3;
  std::vector<uint8_t> Raw(size_t(Bitmap.Width()) * size_t(Bitmap.Height()) * Channels);
  const TColor32* P = Bitmap.Bits();
  for (size_t I = 0, N = size_t(Bitmap.Width()) * size_t(Bitmap.Height()); I < N; ++I) {
    uint8_t* Q = &Raw[I * Channels];
    Q[0] = RedComponent(P[I]);
    Q[1] = GreenComponent(P[I]);
    Q[2] = BlueComponent(P[I]);
    if (Alpha) Q[3] = AlphaComponent(P[I]);
  }
  return EncodePng(Raw.data(), Bitmap.Width(), Bitmap.Height(), Channels, Level);
}
}  // namespace

bool SaveBitmap32ToPNG(TCustomBitmap32* Bitmap, std::vector<uint8_t>& Png) {
  try {
    if (!Bitmap || Bitmap->Empty()) return false;
    Png = Encode(*Bitmap, true, 9);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

bool SaveBitmap32ToPNG(TCustomBitmap32* Bitmap, bool Transparent, TColor32 BgColor,
                       const String& FileName, int CompressionLevel, int InterlaceMethod) {
  try {
    if (!Bitmap || Bitmap->Empty()) return false;
    WriteFileBytes(FileName, Encode(*Bitmap, Transparent, CompressionLevel));
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace qv
