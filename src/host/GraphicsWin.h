#pragma once
// Windows-only helpers shared by the picture classes.
#include <windows.h>

#include <vector>

#include "host/Graphics.h"

namespace qv {

// Little-endian fields of the file formats.
inline uint16_t ReadLE16(const uint8_t* P) {
  return uint16_t(P[0] | (P[1] << 8));
}
inline uint32_t ReadLE32(const uint8_t* P) {
  return uint32_t(P[0]) | (uint32_t(P[1]) << 8) | (uint32_t(P[2]) << 16) | (uint32_t(P[3]) << 24);
}

// Bytes per row of a device-independent bitmap.
inline size_t DibStride(Integer Width, int BitsPerPixel) {
  return ((size_t(Width) * size_t(BitsPerPixel) + 31) / 32) * 4;
}

// A bitmap info header with the other fields zero; a negative Height is top-down.
inline BITMAPINFOHEADER DibHeader(Integer Width, Integer Height, int BitsPerPixel,
                                  DWORD Compression = BI_RGB) {
  BITMAPINFOHEADER H{};
  H.biSize = sizeof(H);
  H.biWidth = Width;
  H.biHeight = Height;
  H.biPlanes = 1;
  H.biBitCount = WORD(BitsPerPixel);
  H.biCompression = Compression;
  return H;
}

// A zeroed top-down DIB section of 24 or 32 bits; raises EOutOfResources.
HBITMAP CreateDib(Integer Width, Integer Height, int BitsPerPixel, uint8_t*& Bits);

struct TDibImage {
  HBITMAP Handle = nullptr;  // top-down DIB section, owned by the receiver
  uint8_t* Bits = nullptr;
  Integer Width = 0, Height = 0;
  int BitsPerPixel = 24;  // 32 when the file had 32 bits per pixel, else 24
};

// Checks every header field and size of a Windows bitmap file against the data before any
// pixel is read; raises EInvalidGraphic "Bitmap image is not valid" otherwise.
TDibImage DecodeBitmapFile(const uint8_t* Data, size_t Size);
// Writes a bitmap file of bottom-up BI_RGB rows.
void WriteBitmapFile(TStream& Stream, Integer Width, Integer Height, int BitsPerPixel,
                     const std::vector<uint8_t>& BottomUpRows);

// B, G, R, A with straight alpha -> premultiplied, rounding to nearest.
void PremultiplyRow(const uint8_t* Src, uint8_t* Dst, Integer Width);

}  // namespace qv
