#pragma once
// Portable image decoding (PNG, JPEG, BMP, GIF) to straight RGBA, PNG header and
// transparency inspection, and PNG and JPEG encoding. Malformed input raises EInvalidGraphic.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "host/Types.h"

namespace qv {

enum TImageFormat { ifUnknown, ifPNG, ifJPEG, ifBMP, ifGIF };

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

// Checks the signature, the IHDR, every chunk's length and CRC and the closing IEND,
// and collects the header and transparency information.
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
