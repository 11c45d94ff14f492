#pragma once
// Portable image decoding (PNG, JPEG, BMP, GIF) to straight RGBA, PNG header and
// transparency inspection, and PNG and JPEG encoding. Malformed input raises EInvalidGraphic.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "host/Types.h"

namespace qv {

enum TImageFormat { ifUnknown, ifPNG, ifJPEG, ifBMP, ifGIF };

// The largest picture any reader decodes and any surface holds: 16 384 pixels a side and
// 64 M pixels in all. A header claiming more is refused before anything is allocated, so a
// hostile file cannot exhaust memory.
constexpr int64_t MaxPictureSide = 16384;
constexpr int64_t MaxPicturePixels = int64_t(64) << 20;
// A 32-bit DIB section of the largest picture (256 MB) stays inside what the platform gives
// a 32-bit process; the limits above are the smaller ones.
static_assert(MaxPicturePixels * 4 < (int64_t(1) << 31) && MaxPictureSide < (1 << 15));

// Whether Width × Height is within the limits; a side of 0 or less makes an empty picture,
// but the other side is still limited.
bool PictureSizeAllowed(int64_t Width, int64_t Height);
// The text every reader raises for a refused size: "The picture is too large (W x H pixels)".
String PictureTooLargeText(int64_t Width, int64_t Height);
// Raises E (the reader's own exception) with that text when the size is not allowed.
template <class E>
void CheckPictureSize(int64_t Width, int64_t Height) {
  if (!PictureSizeAllowed(Width, Height)) throw E(PictureTooLargeText(Width, Height));
}

// PNG colour types.
enum : uint8_t { pngGrey = 0, pngRGB = 2, pngPalette = 3, pngGreyAlpha = 4, pngRGBAlpha = 6 };

// What the chunk headers of a PNG say.
struct TPngInfo {
  uint32_t Width = 0, Height = 0;
  uint8_t BitDepth = 0, ColorType = 0, Interlace = 0;
  bool HasTransparency = false;       // a tRNS chunk is present
  uint8_t TransparentRGB[3] = {};     // grey/RGB: the transparent colour scaled to 8 bits
  std::vector<uint8_t> PaletteAlpha;  // palette images: alpha of the first entries
};

struct TDecodedImage {
  TImageFormat Format = ifUnknown;
  int Width = 0, Height = 0;
  int BitsPerPixel = 0;       // BMP: as stored in the header
  std::vector<uint8_t> RGBA;  // Width·Height·4 bytes, top row first, straight alpha
  TPngInfo Png;               // PNG only
};

TImageFormat DetectImageFormat(const uint8_t* Data, size_t Size);

// What a picture's header says, read without decoding anything.
struct TImageHeader {
  TImageFormat Format = ifUnknown;
  int Width = 0, Height = 0;
};

// Reads the header of any supported picture; raises as DecodeImage does for an unknown,
// malformed or refused picture, or one whose data is too short for the size it claims.
TImageHeader ReadImageHeader(const uint8_t* Data, size_t Size);

// Checks the signature, the IHDR (size within the limits), every chunk's length and CRC,
// that the image data could hold the pixels, and the closing IEND; collects the header
// and transparency information.
TPngInfo ReadPngInfo(const uint8_t* Data, size_t Size);

// Decodes any supported picture. For PNGs the colour samples are not blended with the
// transparency (a transparent colour keeps its RGB); alpha is 255 for pictures without one.
TDecodedImage DecodeImage(const uint8_t* Data, size_t Size);

// Encodes Width·Height pixels of Channels bytes (3 = RGB, 4 = RGBA) as a PNG.
std::vector<uint8_t> EncodePng(const uint8_t* Pixels, int Width, int Height, int Channels,
                               int CompressionLevel = 9);

// Encodes Width·Height pixels of Channels bytes (3 = RGB, 4 = RGBA, alpha dropped) as a
// baseline JPEG of Quality 1..100.
std::vector<uint8_t> EncodeJpeg(const uint8_t* Pixels, int Width, int Height, int Channels,
                                int Quality = 90);

}  // namespace qv
