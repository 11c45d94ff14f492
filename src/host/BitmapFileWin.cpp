// Windows bitmap files: validation, decoding into a DIB section, writing.
#include <algorithm>
#include <cstring>

#include "host/GraphicsWin.h"
#include "host/ImageCodec.h"

namespace qv {

HBITMAP CreateDib(Integer Width, Integer Height, int BitsPerPixel, uint8_t*& Bits) {
  BITMAPINFO BI{};
  BI.bmiHeader = DibHeader(Width, -Height, WORD(BitsPerPixel), BI_RGB);
  void* P = nullptr;
  HBITMAP B = CreateDIBSection(nullptr, &BI, DIB_RGB_COLORS, &P, nullptr, 0);
  if (!B || !P) {
    if (B) DeleteObject(B);
    throw EOutOfResources(L"Out of system resources");
  }
  Bits = static_cast<uint8_t*>(P);
  return B;
}

void PremultiplyRow(const uint8_t* Src, uint8_t* Dst, Integer Width) {
  for (Integer X = 0; X < Width; ++X, Src += 4, Dst += 4) {
    unsigned A = Src[3];
    for (int C = 0; C < 3; ++C) Dst[C] = uint8_t((Src[C] * A + 127) / 255);
    Dst[3] = uint8_t(A);
  }
}

namespace {

[[noreturn]] void Invalid() {
  throw EInvalidGraphic(L"Bitmap image is not valid");
}

// Run-length encoded pixels (bottom-up) to one byte per pixel; runs past the picture are
// clipped and a truncated stream leaves the rest at index 0.
std::vector<uint8_t> DecodeRle(const uint8_t* P, size_t N, Integer W, Integer H, bool Four) {
  size_t Stride = DibStride(W, 8);
  std::vector<uint8_t> Out(Stride * size_t(H));
  int64_t X = 0, Y = 0;
  auto Put = [&](uint8_t V) {
    if (X >= 0 && X < W && Y >= 0 && Y < H) Out[size_t(Y) * Stride + size_t(X)] = V;
    ++X;
  };
  size_t I = 0;
  while (I + 1 < N) {
    unsigned Count = P[I], Code = P[I + 1];
    I += 2;
    if (Count > 0) {
      for (unsigned K = 0; K < Count; ++K)
        Put(Four ? uint8_t(K & 1 ? Code & 15 : Code >> 4) : uint8_t(Code));
    } else if (Code == 0) {
      X = 0;
      ++Y;
    } else if (Code == 1) {
      break;
    } else if (Code == 2) {
      if (I + 1 >= N) break;
      X += P[I];
      Y += P[I + 1];
      I += 2;
    } else {
      size_t Bytes = Four ? (Code + 1) / 2 : Code;
      if (I + Bytes > N) break;
      for (unsigned K = 0; K < Code; ++K)
        Put(Four ? uint8_t(K & 1 ? P[I + K / 2] & 15 : P[I + K / 2] >> 4) : P[I + K]);
      I += (Bytes + 1) & ~size_t(1);  // runs are padded to whole words
    }
  }
  return Out;
}

}  // namespace

TDibImage DecodeBitmapFile(const uint8_t* Data, size_t Size) {
  if (Size < 14 + 12 || Data[0] != 'B' || Data[1] != 'M') Invalid();
  uint32_t OffBits = ReadLE32(Data + 10);
  uint32_t HdrSize = ReadLE32(Data + 14);
  if (HdrSize != 12 && HdrSize != 40 && HdrSize != 52 && HdrSize != 56 && HdrSize != 108 &&
      HdrSize != 124)
    Invalid();
  if (14 + size_t(HdrSize) > Size) Invalid();
  const uint8_t* H = Data + 14;
  bool Core = HdrSize == 12;
  int64_t W, Ht;
  unsigned Planes, Bpp;
  uint32_t Compression = BI_RGB, ClrUsed = 0, SizeImage = 0;
  if (Core) {
    W = ReadLE16(H + 4);
    Ht = ReadLE16(H + 6);
    Planes = ReadLE16(H + 8);
    Bpp = ReadLE16(H + 10);
  } else {
    W = int32_t(ReadLE32(H + 4));
    Ht = int32_t(ReadLE32(H + 8));
    Planes = ReadLE16(H + 12);
    Bpp = ReadLE16(H + 14);
    Compression = ReadLE32(H + 16);
    SizeImage = ReadLE32(H + 20);
    ClrUsed = ReadLE32(H + 32);
  }
  bool TopDown = Ht < 0;
  int64_t AbsH = TopDown ? -Ht : Ht;
  if (Planes != 1 || W <= 0 || AbsH <= 0) Invalid();
  CheckPictureSize<EInvalidGraphic>(W, AbsH);
  if (Bpp != 1 && Bpp != 4 && Bpp != 8 && Bpp != 16 && Bpp != 24 && Bpp != 32) Invalid();
  bool Rle = Compression == BI_RLE8 || Compression == BI_RLE4;
  if (!(Compression == BI_RGB || (Compression == BI_RLE8 && Bpp == 8 && !TopDown) ||
        (Compression == BI_RLE4 && Bpp == 4 && !TopDown) ||
        (Compression == BI_BITFIELDS && (Bpp == 16 || Bpp == 32))))
    Invalid();
  size_t MasksSize = Compression == BI_BITFIELDS && HdrSize == 40 ? 12 : 0;
  size_t Entries = 0;
  if (Bpp <= 8) {
    if (ClrUsed > (1u << Bpp)) Invalid();
    Entries = ClrUsed ? ClrUsed : (1u << Bpp);
  }
  size_t EntrySize = Core ? 3 : 4;
  size_t TableStart = 14 + HdrSize + MasksSize;
  size_t TableEnd = TableStart + Entries * EntrySize;
  if (TableEnd > Size) Invalid();
  size_t PixelStart = OffBits ? OffBits : TableEnd;
  if (PixelStart < TableEnd || PixelStart > Size) Invalid();
  size_t Available = Size - PixelStart;
  Integer Wi = Integer(W), Hi = Integer(AbsH);
  size_t Stride = DibStride(Wi, int(Bpp));
  if (!Rle && Stride * size_t(AbsH) > Available) Invalid();

  TDibImage Img;
  Img.Width = Wi;
  Img.Height = Hi;
  Img.BitsPerPixel = Bpp == 32 ? 32 : 24;
  Img.Handle = CreateDib(Wi, Hi, Img.BitsPerPixel, Img.Bits);
  const uint8_t* Pixels = Data + PixelStart;
  if (Compression == BI_RGB && (Bpp == 24 || Bpp == 32)) {
    for (Integer Y = 0; Y < Hi; ++Y)
      std::memcpy(Img.Bits + size_t(Y) * Stride, Pixels + size_t(TopDown ? Y : Hi - 1 - Y) * Stride,
                  Stride);
    return Img;
  }
  // Palette, 16-bit and bit-field pictures go through the platform, with their sizes
  // checked above; run-length data is expanded here first.
  std::vector<uint8_t> Expanded;
  if (Rle) {
    size_t N = SizeImage && SizeImage <= Available ? SizeImage : Available;
    Expanded = DecodeRle(Pixels, N, Wi, Hi, Compression == BI_RLE4);
    Pixels = Expanded.data();
  }
  std::vector<uint8_t> Info(sizeof(BITMAPINFOHEADER) + 12 + 256 * 4);
  auto* BIH = reinterpret_cast<BITMAPINFOHEADER*>(Info.data());
  *BIH = DibHeader(Wi, TopDown ? -Hi : Hi, WORD(Rle ? 8 : Bpp), Rle ? DWORD(BI_RGB) : Compression);
  BIH->biClrUsed = DWORD(Entries);
  uint8_t* Extra = Info.data() + sizeof(BITMAPINFOHEADER);
  if (Compression == BI_BITFIELDS) std::memcpy(Extra, MasksSize ? Data + 14 + HdrSize : H + 40, 12);
  for (size_t I = 0; I < Entries; ++I) {
    const uint8_t* E = Data + TableStart + I * EntrySize;
    uint8_t* Q = Extra + I * 4;
    Q[0] = E[0];
    Q[1] = E[1];
    Q[2] = E[2];
    Q[3] = 0;
  }
  HDC DC = CreateCompatibleDC(nullptr);
  int Lines = SetDIBits(DC, Img.Handle, 0, UINT(Hi), Pixels,
                        reinterpret_cast<BITMAPINFO*>(Info.data()), DIB_RGB_COLORS);
  DeleteDC(DC);
  if (Lines == 0) {
    DeleteObject(Img.Handle);
    Invalid();
  }
  return Img;
}

void WriteBitmapFile(TStream& Stream, Integer Width, Integer Height, int BitsPerPixel,
                     const std::vector<uint8_t>& BottomUpRows) {
  uint8_t Head[54] = {'B', 'M'};
  auto Put32 = [&](size_t At, uint32_t V) {
    for (int I = 0; I < 4; ++I) Head[At + I] = uint8_t(V >> (8 * I));
  };
  Put32(2, uint32_t(54 + BottomUpRows.size()));
  Put32(10, 54);
  Put32(14, 40);
  Put32(18, uint32_t(Width));
  Put32(22, uint32_t(Height));
  Head[26] = 1;
  Head[28] = uint8_t(BitsPerPixel);
  Put32(34, uint32_t(BottomUpRows.size()));
  Stream.WriteBuffer(Head, sizeof(Head));
  if (!BottomUpRows.empty()) Stream.WriteBuffer(BottomUpRows.data(), int64_t(BottomUpRows.size()));
}

}  // namespace qv
