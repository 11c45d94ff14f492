#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "host/ImageCodec.h"
#include "host/Streams.h"
#include "raster/Gr32Png.h"

using namespace qv;

namespace {

uint32_t Crc(const uint8_t* P, size_t N) {
  uint32_t C = 0xFFFFFFFFu;
  for (size_t I = 0; I < N; ++I) {
    C ^= P[I];
    for (int K = 0; K < 8; ++K) C = C & 1 ? 0xEDB88320u ^ (C >> 1) : C >> 1;
  }
  return ~C;
}

void Put32(std::vector<uint8_t>& D, uint32_t V) {
  for (int S = 24; S >= 0; S -= 8) D.push_back(uint8_t(V >> S));
}

void Chunk(std::vector<uint8_t>& D, const char* Type, const std::vector<uint8_t>& Body) {
  Put32(D, uint32_t(Body.size()));
  size_t At = D.size();
  D.insert(D.end(), Type, Type + 4);
  D.insert(D.end(), Body.begin(), Body.end());
  Put32(D, Crc(&D[At], Body.size() + 4));
}

// A PNG of 8-bit rows (filter byte 0 added here), stored without compression.
std::vector<uint8_t> MakePng(int W, int H, uint8_t ColorType, const std::vector<uint8_t>& Rows,
                             std::vector<std::pair<const char*, std::vector<uint8_t>>> Extra = {}) {
  std::vector<uint8_t> D = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  std::vector<uint8_t> Hdr;
  Put32(Hdr, W);
  Put32(Hdr, H);
  Hdr.insert(Hdr.end(), {8, ColorType, 0, 0, 0});
  Chunk(D, "IHDR", Hdr);
  for (auto& [Type, Body] : Extra) Chunk(D, Type, Body);
  std::vector<uint8_t> Raw;
  size_t Stride = Rows.size() / H;
  for (int Y = 0; Y < H; ++Y) {
    Raw.push_back(0);
    Raw.insert(Raw.end(), Rows.begin() + Y * Stride, Rows.begin() + (Y + 1) * Stride);
  }
  std::vector<uint8_t> Z = {0x78,
                            0x01,
                            0x01,
                            uint8_t(Raw.size()),
                            uint8_t(Raw.size() >> 8),
                            uint8_t(~Raw.size()),
                            uint8_t(~Raw.size() >> 8)};
  Z.insert(Z.end(), Raw.begin(), Raw.end());
  uint32_t A = 1, B = 0;
  for (uint8_t C : Raw) A = (A + C) % 65521, B = (B + A) % 65521;
  Put32(Z, B << 16 | A);
  Chunk(D, "IDAT", Z);
  Chunk(D, "IEND", {});
  return D;
}

TBitmap32& Loaded(TBitmap32& B, const std::vector<uint8_t>& Png, bool& Used) {
  TMemoryStream S(Png);
  LoadPNGintoBitmap32(&B, S, Used);
  return B;
}

}  // namespace

TEST(PngGlue, TransparencyModes) {
  TBitmap32 B;
  // RGBA: alpha samples, flag true.
  bool Used = false;
  Loaded(B, MakePng(2, 1, pngRGBAlpha, {10, 20, 30, 40, 50, 60, 70, 255}), Used);
  EXPECT_TRUE(Used);
  EXPECT_EQ(B.Pixel(0, 0), Color32(10, 20, 30, 40));
  EXPECT_EQ(B.Pixel(1, 0), Color32(50, 60, 70, 255));
  // RGB with a transparent colour: exactly that colour gets alpha 0, RGB kept.
  Used = false;
  Loaded(B, MakePng(3, 1, pngRGB, {1, 2, 3, 4, 5, 6, 1, 2, 3}, {{"tRNS", {0, 1, 0, 2, 0, 3}}}),
         Used);
  EXPECT_TRUE(Used);
  EXPECT_EQ(B.Pixel(0, 0), Color32(1, 2, 3, 0));
  EXPECT_EQ(B.Pixel(1, 0), Color32(4, 5, 6));
  EXPECT_EQ(B.Pixel(2, 0), Color32(1, 2, 3, 0));
  // Grey with alpha.
  Loaded(B, MakePng(1, 1, pngGreyAlpha, {200, 7}), Used);
  EXPECT_EQ(B.Pixel(0, 0), Color32(200, 200, 200, 7));
  // No transparency: flag false, opaque.
  Used = true;
  Loaded(B, MakePng(1, 1, pngRGB, {9, 8, 7}), Used);
  EXPECT_FALSE(Used);
  EXPECT_EQ(B.Pixel(0, 0), Color32(9, 8, 7));
  // A palette with a transparent entry is not applied and the flag stays as it was.
  std::vector<std::pair<const char*, std::vector<uint8_t>>> Pal = {{"PLTE", {255, 0, 0, 0, 255, 0}},
                                                                   {"tRNS", {0}}};
  Used = false;
  Loaded(B, MakePng(2, 1, pngPalette, {0, 1}, Pal), Used);
  EXPECT_FALSE(Used);
  EXPECT_EQ(B.Pixel(0, 0), Color32(255, 0, 0));
  EXPECT_EQ(B.Pixel(1, 0), Color32(0, 255, 0));
}

TEST(PngGlue, FileOverloadAndDrawModeChoice) {
  auto Dir = std::filesystem::temp_directory_path();
  String Pal = (Dir / "qv_pal.png").wstring(), Rgba = (Dir / "qv_rgba.png").wstring();
  WriteFileBytes(Pal, MakePng(1, 1, pngPalette, {0}, {{"PLTE", {1, 2, 3}}, {"tRNS", {0}}}));
  WriteFileBytes(Rgba, MakePng(1, 1, pngRGBAlpha, {1, 2, 3, 4}));
  for (auto [File, Mode] : {std::pair{Pal, dmOpaque}, {Rgba, dmBlend}}) {
    TBitmap32 B;
    bool Used = false;
    LoadPNGintoBitmap32(&B, File, Used);
    B.SetDrawMode(Used ? dmBlend : dmOpaque);
    EXPECT_EQ(B.DrawMode(), Mode);
  }
  std::filesystem::remove(Dir / "qv_pal.png");
  std::filesystem::remove(Dir / "qv_rgba.png");
}

TEST(PngGlue, CorruptOrTruncatedPngsRaiseAndLeaveTheSurface) {
  std::vector<uint8_t> Good = MakePng(2, 2, pngRGBAlpha, std::vector<uint8_t>(16, 77));
  std::vector<std::vector<uint8_t>> Bad;
  for (size_t N : {size_t(0), size_t(7), size_t(20), size_t(40), Good.size() - 12, Good.size() - 1})
    Bad.emplace_back(Good.begin(), Good.begin() + N);
  auto Flipped = Good;
  Flipped[Flipped.size() - 20] ^= 0x40;  // inside IDAT: CRC mismatch
  Bad.push_back(Flipped);
  auto BadHeader = MakePng(2, 2, 5, std::vector<uint8_t>(16, 77));  // no such colour type
  Bad.push_back(BadHeader);
  for (const auto& Bytes : Bad) {
    TBitmap32 T;
    T.SetSize(1, 1);
    T.Clear(0xFF123456);
    bool Used = false;
    EXPECT_THROW(Loaded(T, Bytes, Used), EInvalidGraphic);
    EXPECT_EQ(T.Width(), 1);
    EXPECT_EQ(T.Pixel(0, 0), 0xFF123456u);
  }
}

TEST(PngGlue, SaveRoundTrip) {
  TBitmap32 B;
  B.SetSize(3, 2);
  for (int I = 0; I < 6; ++I) B.Bits()[I] = 0x10203040u * uint32_t(I + 1);
  std::vector<uint8_t> Png;
  ASSERT_TRUE(SaveBitmap32ToPNG(&B, Png));
  TBitmap32 C;
  bool Used = false;
  Loaded(C, Png, Used);
  EXPECT_TRUE(Used);
  EXPECT_EQ(std::vector<TColor32>(C.Bits(), C.Bits() + 6),
            std::vector<TColor32>(B.Bits(), B.Bits() + 6));
  TBitmap32 Empty;
  EXPECT_FALSE(SaveBitmap32ToPNG(&Empty, Png));
  EXPECT_FALSE(SaveBitmap32ToPNG(&B, true, 0, L"/no/such/dir/x.png"));
  // Without Transparent the file has no alpha channel.
  auto File = (std::filesystem::temp_directory_path() / "qv_opaque.png");
  ASSERT_TRUE(SaveBitmap32ToPNG(&B, false, 0, File.wstring(), 6));
  auto Bytes = ReadFileBytes(File.wstring());
  EXPECT_EQ(ReadPngInfo(Bytes.data(), Bytes.size()).ColorType, pngRGB);
  std::filesystem::remove(File);
}

TEST(ImageCodec, OtherPicturesLoadOntoWhite) {
  // A translucent PNG loaded as a general picture is drawn onto opaque white.
  auto File = std::filesystem::temp_directory_path() / "qv_general.png";
  WriteFileBytes(File.wstring(), MakePng(1, 1, pngRGBAlpha, {0, 0, 0, 128}));
  TBitmap32 B;
  B.LoadFromFile(File.wstring());
  EXPECT_EQ(B.Pixel(0, 0), 0xFF808080u);
  std::filesystem::remove(File);
  EXPECT_THROW(DecodeImage(reinterpret_cast<const uint8_t*>("hello"), 5), EInvalidGraphic);
  const uint8_t Jpeg[] = {0xFF, 0xD8, 0xFF, 0xE0, 0, 16, 'J', 'F'};
  EXPECT_THROW(DecodeImage(Jpeg, sizeof(Jpeg)), EInvalidGraphic);
}
