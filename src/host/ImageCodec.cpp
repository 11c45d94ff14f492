#include "host/ImageCodec.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>

#define STBI_NO_STDIO
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_ONLY_BMP
#define STBI_ONLY_GIF
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>
#define STBI_WRITE_NO_STDIO
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

namespace qv {

namespace {

constexpr uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
// Deflate turns one bit into at most 1032 bytes (a 258-byte match coded in two bits).
constexpr uint64_t kMaxDeflateRatio = 1032;

uint32_t BE32(const uint8_t* P) {
  return uint32_t(P[0]) << 24 | uint32_t(P[1]) << 16 | uint32_t(P[2]) << 8 | P[3];
}
uint16_t BE16(const uint8_t* P) {
  return uint16_t(P[0] << 8 | P[1]);
}

uint32_t Crc32(const uint8_t* P, size_t N) {
  static uint32_t Table[256];
  static std::once_flag Once;
  std::call_once(Once, [] {
    for (uint32_t I = 0; I < 256; ++I) {
      uint32_t C = I;
      for (int K = 0; K < 8; ++K) C = C & 1 ? 0xEDB88320u ^ (C >> 1) : C >> 1;
      Table[I] = C;
    }
  });
  uint32_t C = 0xFFFFFFFFu;
  for (size_t I = 0; I < N; ++I) C = Table[(C ^ P[I]) & 0xFF] ^ (C >> 8);
  return C ^ 0xFFFFFFFFu;
}

[[noreturn]] void Invalid(const String& Why) {
  throw EInvalidGraphic(Why);
}

uint16_t LE16(const uint8_t* P) {
  return uint16_t(P[0] | P[1] << 8);
}
uint32_t LE32(const uint8_t* P) {
  return uint32_t(P[0]) | uint32_t(P[1]) << 8 | uint32_t(P[2]) << 16 | uint32_t(P[3]) << 24;
}

int PngChannels(uint8_t ColorType) {
  switch (ColorType) {
    case pngRGB:
      return 3;
    case pngGreyAlpha:
      return 2;
    case pngRGBAlpha:
      return 4;
    default:
      return 1;
  }
}

// Whether the bytes after the header can hold the pixels a BMP, JPEG or GIF claims; the
// decoder would otherwise fill a huge picture from a few bytes. A JPEG codes every 8 × 8
// block in at least one bit; a GIF's frame may cover only part of its screen.
bool DataHolds(TImageFormat Format, const uint8_t* Data, size_t Size, uint64_t W, uint64_t H) {
  if (Format == ifJPEG) return ((W + 7) / 8) * ((H + 7) / 8) <= uint64_t(Size) * 8;
  if (Format != ifBMP) return true;
  if (Size < 30) return false;  // not even the bit count is there
  const bool Core = LE32(Data + 14) == 12;
  const uint64_t Bpp = Core ? LE16(Data + 24) : LE16(Data + 28);
  const uint64_t Stride = (W * Bpp + 31) / 32 * 4;
  return Stride * H <= Size;
}

// An 8-bit sample of a grey or colour value stored with BitDepth bits.
uint8_t Scale8(uint16_t V, uint8_t BitDepth) {
  switch (BitDepth) {
    case 1:
      return V & 1 ? 255 : 0;
    case 2:
      return uint8_t((V & 3) * 0x55);
    case 4:
      return uint8_t((V & 15) * 0x11);
    case 16:
      return uint8_t(V >> 8);
    default:
      return uint8_t(V);
  }
}

bool ValidDepth(uint8_t ColorType, uint8_t Depth) {
  switch (ColorType) {
    case pngGrey:
      return Depth == 1 || Depth == 2 || Depth == 4 || Depth == 8 || Depth == 16;
    case pngPalette:
      return Depth == 1 || Depth == 2 || Depth == 4 || Depth == 8;
    case pngRGB:
    case pngGreyAlpha:
    case pngRGBAlpha:
      return Depth == 8 || Depth == 16;
    default:
      return false;
  }
}

}  // namespace

TImageFormat DetectImageFormat(const uint8_t* Data, size_t Size) {
  if (Size >= 8 && std::memcmp(Data, kPngSignature, 8) == 0) return ifPNG;
  if (Size >= 3 && Data[0] == 0xFF && Data[1] == 0xD8 && Data[2] == 0xFF) return ifJPEG;
  if (Size >= 2 && Data[0] == 'B' && Data[1] == 'M') return ifBMP;
  if (Size >= 6 && (std::memcmp(Data, "GIF87a", 6) == 0 || std::memcmp(Data, "GIF89a", 6) == 0))
    return ifGIF;
  return ifUnknown;
}

TPngInfo ReadPngInfo(const uint8_t* Data, size_t Size) {
  if (Size < 8 || std::memcmp(Data, kPngSignature, 8) != 0)
    Invalid(L"Not a PNG image: bad signature");
  TPngInfo Info;
  size_t Pos = 8;
  bool SeenHeader = false, SeenData = false;
  uint64_t DataBytes = 0;
  while (true) {
    if (Size - Pos < 12) Invalid(L"The PNG image is truncated");
    uint32_t Len = BE32(Data + Pos);
    const uint8_t* Type = Data + Pos + 4;
    if (Len > 0x7FFFFFFFu || Size - Pos - 12 < Len) Invalid(L"The PNG image is truncated");
    const uint8_t* Body = Type + 4;
    if (Crc32(Type, Len + 4) != BE32(Body + Len)) Invalid(L"The PNG image is corrupt: CRC error");
    Pos += 12 + size_t(Len);
    if (!SeenHeader) {
      if (std::memcmp(Type, "IHDR", 4) != 0 || Len != 13)
        Invalid(L"The PNG image has no valid IHDR chunk");
      Info.Width = BE32(Body);
      Info.Height = BE32(Body + 4);
      Info.BitDepth = Body[8];
      Info.ColorType = Body[9];
      Info.Interlace = Body[12];
      if (Info.Width == 0 || Info.Height == 0 || Info.Width > 0x7FFFFFFF ||
          Info.Height > 0x7FFFFFFF)
        Invalid(L"The PNG image has an invalid size");
      CheckPictureSize<EInvalidGraphic>(Info.Width, Info.Height);
      if (!ValidDepth(Info.ColorType, Info.BitDepth) || Body[10] != 0 || Body[11] != 0 ||
          Info.Interlace > 1)
        Invalid(L"The PNG image has an invalid header");
      SeenHeader = true;
    } else if (std::memcmp(Type, "tRNS", 4) == 0) {
      Info.HasTransparency = true;
      if (Info.ColorType == pngGrey && Len >= 2) {
        uint8_t G = Scale8(BE16(Body), Info.BitDepth);
        Info.TransparentRGB[0] = Info.TransparentRGB[1] = Info.TransparentRGB[2] = G;
      } else if (Info.ColorType == pngRGB && Len >= 6) {
        for (int I = 0; I < 3; ++I)
          Info.TransparentRGB[I] = Scale8(BE16(Body + 2 * I), Info.BitDepth);
      } else if (Info.ColorType == pngPalette) {
        Info.PaletteAlpha.assign(Body, Body + Len);
      }
    } else if (std::memcmp(Type, "IDAT", 4) == 0) {
      SeenData = true;
      DataBytes += Len;
    } else if (std::memcmp(Type, "IEND", 4) == 0) {
      break;
    }
  }
  if (!SeenData) Invalid(L"The PNG image has no image data");
  const uint64_t Bits =
      uint64_t(Info.Width) * Info.Height * PngChannels(Info.ColorType) * Info.BitDepth;
  if (Bits / 8 > (DataBytes + 1) * kMaxDeflateRatio)
    Invalid(L"The PNG image is truncated: its data cannot hold the pixels");
  return Info;
}

bool PictureSizeAllowed(int64_t Width, int64_t Height) {
  // An empty picture with a huge side still costs a loop per row or column.
  if (Width > MaxPictureSide || Height > MaxPictureSide) return false;
  return Width <= 0 || Height <= 0 || Width * Height <= MaxPicturePixels;
}

String PictureTooLargeText(int64_t Width, int64_t Height) {
  return L"The picture is too large (" + std::to_wstring(Width) + L" x " + std::to_wstring(Height) +
         L" pixels)";
}

TImageHeader ReadImageHeader(const uint8_t* Data, size_t Size) {
  TImageHeader Header;
  Header.Format = DetectImageFormat(Data, Size);
  if (Header.Format == ifUnknown) Invalid(L"Unknown picture file format");
  if (Size > size_t(INT32_MAX)) Invalid(L"The picture is too large");
  int W = 0, H = 0, N = 0;
  if (!stbi_info_from_memory(Data, int(Size), &W, &H, &N))
    Invalid(L"The picture cannot be decoded");
  // A BMP's header gives top-down rows a negative height.
  if (Header.Format == ifBMP && H < 0 && H != INT32_MIN) H = -H;
  if (W <= 0 || H <= 0) Invalid(L"The picture has an invalid size");
  CheckPictureSize<EInvalidGraphic>(W, H);
  if (!DataHolds(Header.Format, Data, Size, uint64_t(W), uint64_t(H)))
    Invalid(L"The picture is truncated: its data cannot hold the pixels");
  Header.Width = W;
  Header.Height = H;
  return Header;
}

TDecodedImage DecodeImage(const uint8_t* Data, size_t Size) {
  TDecodedImage Img;
  Img.Format = DetectImageFormat(Data, Size);
  if (Img.Format == ifPNG) Img.Png = ReadPngInfo(Data, Size);
  ReadImageHeader(Data, Size);
  if (Img.Format == ifBMP && Size >= 30) Img.BitsPerPixel = Data[28] | Data[29] << 8;
  int W = 0, H = 0, N = 0;
  // stb_image sets alpha 0 on a PNG's transparent colour but keeps its RGB, and for
  // palette images takes the palette alpha: the colour samples stay unblended.
  std::unique_ptr<stbi_uc, void (*)(void*)> Pixels(
      stbi_load_from_memory(Data, int(Size), &W, &H, &N, 4), stbi_image_free);
  if (!Pixels) {
    const char* Why = stbi_failure_reason();
    Invalid(L"The picture cannot be decoded: " + FromUtf8(Why ? Why : "unknown error"));
  }
  Img.Width = W;
  Img.Height = H;
  Img.RGBA.assign(Pixels.get(), Pixels.get() + size_t(W) * size_t(H) * 4);
  return Img;
}

std::vector<uint8_t> EncodePng(const uint8_t* Pixels, int Width, int Height, int Channels,
                               int CompressionLevel) {
  if (Width <= 0 || Height <= 0 || (Channels != 3 && Channels != 4))
    Invalid(L"Cannot encode an empty picture");
  static std::mutex Guard;  // the compression level is a global of the encoder
  std::lock_guard<std::mutex> Lock(Guard);
  stbi_write_png_compression_level = CompressionLevel < 1 ? 1 : CompressionLevel;
  int Len = 0;
  unsigned char* Png =
      stbi_write_png_to_mem(Pixels, Width * Channels, Width, Height, Channels, &Len);
  if (!Png) Invalid(L"The PNG image cannot be encoded");
  std::vector<uint8_t> Out(Png, Png + Len);
  STBIW_FREE(Png);
  return Out;
}

std::vector<uint8_t> EncodeJpeg(const uint8_t* Pixels, int Width, int Height, int Channels,
                                int Quality) {
  std::vector<uint8_t> Out;
  auto Append = [](void* Context, void* Data, int Size) {
    auto* V = static_cast<std::vector<uint8_t>*>(Context);
    V->insert(V->end(), static_cast<uint8_t*>(Data), static_cast<uint8_t*>(Data) + Size);
  };
  if (Width <= 0 || Height <= 0 || (Channels != 3 && Channels != 4) ||
      !stbi_write_jpg_to_func(Append, &Out, Width, Height, Channels, Pixels, Quality))
    Invalid(L"The JPEG image cannot be encoded");
  return Out;
}

}  // namespace qv
