// Persistence of TCustomBitmap32: 32-bit Windows bitmaps, other pictures through the
// image codec, and the "Data" blob of stored surfaces.
#include <bit>
#include <cstring>

#include "host/ImageCodec.h"
#include "host/Properties.h"
#include "host/Streams.h"
#include "raster/Bitmap32.h"

namespace qv {

static_assert(std::endian::native == std::endian::little,
              "pixels are stored as the bytes B, G, R, A");

namespace {

constexpr int kBmpHeaderSize = 54;

void PutLE(uint8_t* P, uint32_t V, int N) {
  for (int I = 0; I < N; ++I) P[I] = uint8_t(V >> (8 * I));
}
uint32_t GetLE(const uint8_t* P, int N) {
  uint32_t V = 0;
  for (int I = 0; I < N; ++I) V |= uint32_t(P[I]) << (8 * I);
  return V;
}

// The decoded picture as a surface by the rule of the platform graphic it stands for:
// a bitmap keeps its alpha only when it had 32 bits per pixel; other pictures are
// drawn onto opaque white.
void AssignDecoded(TCustomBitmap32& Bitmap, const TDecodedImage& Image) {
  std::vector<TColor32> Pixels(size_t(Image.Width) * size_t(Image.Height));
  for (size_t I = 0; I < Pixels.size(); ++I) {
    const uint8_t* P = &Image.RGBA[I * 4];
    TColor32 C = Color32(P[0], P[1], P[2], P[3]);
    if (Image.Format == ifBMP)
      Pixels[I] = Image.BitsPerPixel == 32 ? C : SetAlpha(C, 255);
    else
      Pixels[I] = SetAlpha(BlendReg(C, clWhite32), 255);
  }
  Bitmap.AssignPixels(Image.Width, Image.Height, Pixels.data());
}

}  // namespace

void TCustomBitmap32::SaveToStream(TStream& Stream, bool SaveTopDown) const {
  uint32_t ImageSize = uint32_t(size_t(FWidth) * size_t(FHeight) * 4);
  uint8_t H[kBmpHeaderSize] = {'B', 'M'};
  PutLE(H + 2, kBmpHeaderSize + ImageSize, 4);
  PutLE(H + 10, kBmpHeaderSize, 4);
  PutLE(H + 14, 40, 4);
  PutLE(H + 18, uint32_t(FWidth), 4);
  PutLE(H + 22, uint32_t(SaveTopDown ? FHeight : -FHeight), 4);
  PutLE(H + 26, 1, 2);
  PutLE(H + 28, 32, 2);
  PutLE(H + 34, ImageSize, 4);
  Stream.WriteBuffer(H, kBmpHeaderSize);
  if (Empty()) return;
  // A positive height means bottom-up rows.
  for (Integer Y = 0; Y < FHeight; ++Y)
    Stream.WriteBuffer(ScanLine(SaveTopDown ? FHeight - 1 - Y : Y), int64_t(FWidth) * 4);
}

void TCustomBitmap32::LoadFromStream(TStream& Stream) {
  int64_t Start = Stream.Position();
  uint8_t H[kBmpHeaderSize];
  int64_t Got = Stream.Read(H, kBmpHeaderSize);
  bool Direct = Got == kBmpHeaderSize && H[0] == 'B' && H[1] == 'M' && GetLE(H + 26, 2) == 1 &&
                GetLE(H + 28, 2) == 32 && GetLE(H + 30, 4) == 0 && GetLE(H + 14, 4) >= 40;
  if (!Direct) {
    // Anything else goes to the decoder from the start of the picture.
    Stream.SetPosition(Start);
    std::vector<uint8_t> Bytes(size_t(std::max<int64_t>(Stream.Size() - Start, 0)));
    if (!Bytes.empty()) Stream.ReadBuffer(Bytes.data(), int64_t(Bytes.size()));
    AssignDecoded(*this, DecodeImage(Bytes.data(), Bytes.size()));
    return;
  }
  int32_t W = int32_t(GetLE(H + 18, 4)), Hgt = int32_t(GetLE(H + 22, 4));
  uint32_t Offset = GetLE(H + 10, 4);
  bool TopDown = Hgt < 0;
  int64_t AbsH = TopDown ? -int64_t(Hgt) : Hgt;
  if (W < 0 || Offset < kBmpHeaderSize) throw EReadError(L"Invalid bitmap header");
  CheckPictureSize<EReadError>(W, AbsH);
  int64_t Bytes = int64_t(W) * AbsH * 4;
  if (Stream.Size() - Start < int64_t(Offset) + Bytes)
    throw EReadError(L"Bitmap data is truncated");
  Stream.SetPosition(Start + Offset);
  std::vector<TColor32> Pixels(size_t(int64_t(W) * AbsH));
  if (Bytes) Stream.ReadBuffer(Pixels.data(), Bytes);
  if (!TopDown)  // bottom-up rows
    for (int64_t Y = 0; Y < AbsH / 2; ++Y)
      std::swap_ranges(Pixels.begin() + Y * W, Pixels.begin() + (Y + 1) * W,
                       Pixels.end() - (Y + 1) * W);
  AssignPixels(W, Integer(AbsH), Pixels.data());
}

void TCustomBitmap32::SaveToFile(const String& FileName, bool SaveTopDown) const {
  TFileStream F(FileName, fmCreate);
  SaveToStream(F, SaveTopDown);
}

void TCustomBitmap32::LoadFromFile(const String& FileName) {
  std::vector<uint8_t> Bytes = ReadFileBytes(FileName);
  if (Bytes.size() >= 2 && Bytes[0] == 'B' && Bytes[1] == 'M') {
    TMemoryStream S(std::move(Bytes));
    LoadFromStream(S);
    return;
  }
  AssignDecoded(*this, DecodeImage(Bytes.data(), Bytes.size()));
}

std::vector<uint8_t> TCustomBitmap32::DataBlob() const {
  size_t N = Empty() ? 0 : size_t(FWidth) * size_t(FHeight);
  std::vector<uint8_t> Data(8 + N * 4);
  PutLE(Data.data(), uint32_t(FWidth), 4);
  PutLE(Data.data() + 4, uint32_t(FHeight), 4);
  if (N) std::memcpy(Data.data() + 8, FBits, N * 4);
  return Data;
}

void TCustomBitmap32::ReadDataBlob(const std::vector<uint8_t>& Data) {
  if (Data.size() < 8) throw EReadError(L"Invalid bitmap data: shorter than its 8-byte header");
  int32_t W = int32_t(GetLE(Data.data(), 4)), H = int32_t(GetLE(Data.data() + 4, 4));
  if (W < 0 || H < 0) throw EReadError(L"Invalid bitmap data: negative size");
  CheckPictureSize<EReadError>(W, H);
  uint64_t Pixels = (Data.size() - 8) / 4;
  if ((W && H && uint64_t(W) > Pixels / uint64_t(H)) ||
      uint64_t(W) * uint64_t(H) * 4 + 8 != Data.size())
    throw EReadError(L"Invalid bitmap data: length does not match the size");
  AssignPixels(W, H, Data.data() + 8);
}

namespace {
const wchar_t* const kDrawModes[] = {L"dmOpaque", L"dmBlend", L"dmCustom", L"dmTransparent"};
const wchar_t* const kCombineModes[] = {L"cmBlend", L"cmMerge"};
const wchar_t* const kWrapModes[] = {L"wmClamp", L"wmRepeat", L"wmMirror"};
}  // namespace

const TPropTable& TCustomBitmap32::Properties() const {
  using C = TCustomBitmap32;
  static const TPropTable Table = TPersistent::Properties().With({
      EnumProp(L"DrawMode", &C::DrawMode, &C::SetDrawMode, kDrawModes),
      EnumProp(L"CombineMode", &C::CombineMode, &C::SetCombineMode, kCombineModes),
      EnumProp(L"WrapMode", &C::WrapMode, &C::SetWrapMode, kWrapModes),
      Prop(L"MasterAlpha", &C::MasterAlpha, &C::SetMasterAlpha, DefMasterAlpha),
      Prop(L"OuterColor", &C::OuterColor, &C::SetOuterColor),
      Prop(L"ResamplerClassName", &C::ResamplerClassName, &C::SetResamplerClassName).Stored(Always),
      BinaryProp(L"Data", &C::DataBlob, &C::ReadDataBlob).Stored([](const C& Bitmap) {
        return !Bitmap.Empty();
      }),
  });
  return Table;
}

}  // namespace qv
