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

// The signature and the IHDR of an 8-bit PNG.
std::vector<uint8_t> PngHead(uint32_t W, uint32_t H, uint8_t ColorType) {
  std::vector<uint8_t> D = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  std::vector<uint8_t> Hdr;
  Put32(Hdr, W);
  Put32(Hdr, H);
  Hdr.insert(Hdr.end(), {8, ColorType, 0, 0, 0});
  Chunk(D, "IHDR", Hdr);
  return D;
}

// A PNG of 8-bit rows (filter byte 0 added here), stored without compression.
std::vector<uint8_t> MakePng(int W, int H, uint8_t ColorType, const std::vector<uint8_t>& Rows,
                             std::vector<std::pair<const char*, std::vector<uint8_t>>> Extra = {}) {
  std::vector<uint8_t> D = PngHead(W, H, ColorType);
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

namespace {

// A PNG header claiming W × H RGBA pixels, with valid CRCs and one byte of image data.
std::vector<uint8_t> PngClaiming(uint32_t W, uint32_t H) {
  std::vector<uint8_t> D = PngHead(W, H, pngRGBAlpha);
  Chunk(D, "IDAT", {0x78});
  Chunk(D, "IEND", {});
  return D;
}

// A baseline JPEG up to its frame header: one grey component of W × H.
std::vector<uint8_t> JpegClaiming(uint16_t W, uint16_t H) {
  return {0xFF,       0xD8, 0xFF, 0xC0, 0, 11, 8, uint8_t(H >> 8), uint8_t(H), uint8_t(W >> 8),
          uint8_t(W), 1,    1,    0x11, 0};
}

// A BMP file header and info header of W × H at Bpp bits, with no pixels.
std::vector<uint8_t> BmpClaiming(int32_t W, int32_t H, uint16_t Bpp) {
  std::vector<uint8_t> D(54);
  auto Le = [&](size_t At, uint32_t V, int N) {
    for (int I = 0; I < N; ++I) D[At + I] = uint8_t(V >> (8 * I));
  };
  D[0] = 'B', D[1] = 'M';
  Le(2, 54, 4);
  Le(10, 54, 4);
  Le(14, 40, 4);
  Le(18, uint32_t(W), 4);
  Le(22, uint32_t(H), 4);
  Le(26, 1, 2);
  Le(28, Bpp, 2);
  return D;
}

std::vector<uint8_t> Cut(std::vector<uint8_t> Bytes, size_t Size) {
  Bytes.resize(Size);
  return Bytes;
}

std::vector<uint8_t> GifClaiming(uint16_t W, uint16_t H) {
  return {'G', 'I', 'F', '8', '9', 'a', uint8_t(W), uint8_t(W >> 8), uint8_t(H), uint8_t(H >> 8),
          0,   0,   0,   ';'};
}

// The surface's "Data" blob header of W × H with no pixels.
std::vector<uint8_t> BlobClaiming(uint32_t W, uint32_t H) {
  std::vector<uint8_t> D(8);
  for (int I = 0; I < 4; ++I) D[I] = uint8_t(W >> (8 * I)), D[4 + I] = uint8_t(H >> (8 * I));
  return D;
}

enum TReader { rdDecode, rdPngGlue, rdSurfaceStream, rdDataBlob };

// Reads Bytes the reader's way into a 1 × 1 surface; answers the exception's text, and
// checks the exception's class and that the surface is untouched.
template <class E>
std::string Refusal(TReader Reader, const std::vector<uint8_t>& Bytes) {
  TBitmap32 B;
  B.SetSize(1, 1);
  B.Clear(0xFF123456);
  try {
    TMemoryStream S(Bytes);
    bool Used = false;
    switch (Reader) {
      case rdDecode:
        DecodeImage(Bytes.data(), Bytes.size());
        break;
      case rdPngGlue:
        LoadPNGintoBitmap32(&B, S, Used);
        break;
      case rdSurfaceStream:
        B.LoadFromStream(S);
        break;
      case rdDataBlob:
        B.ReadDataBlob(Bytes);
        break;
    }
  } catch (const E& Ex) {
    EXPECT_TRUE(B.Width() == 1 && B.Height() == 1 && B.Pixel(0, 0) == 0xFF123456u);
    return ToUtf8(Ex.Message());
  }
  return "nothing raised";
}

}  // namespace

TEST(PictureLimits, SizesWithinTheLimits) {
  EXPECT_TRUE(PictureSizeAllowed(16384, 4096));  // 64 M pixels
  EXPECT_FALSE(PictureSizeAllowed(16384, 4097));
  EXPECT_FALSE(PictureSizeAllowed(16385, 1));
  EXPECT_FALSE(PictureSizeAllowed(1, 16385));
  EXPECT_TRUE(PictureSizeAllowed(0, 16384));  // empty
  EXPECT_TRUE(PictureSizeAllowed(-5, 16384));
  EXPECT_FALSE(PictureSizeAllowed(0, 16385));  // empty, but a loop per row
  // A surface is never given more: it raises and keeps its pixels.
  TBitmap32 B;
  B.SetSize(2, 1);
  B.Clear(0xFF00FF00);
  EXPECT_THROW(B.SetSize(16385, 1), EBitmapError);
  EXPECT_THROW(B.SetSize(8192, 8193), EBitmapError);
  EXPECT_TRUE(B.Width() == 2 && B.Pixel(1, 0) == 0xFF00FF00u);
}

// Headers that claim huge pictures raise before any pixel store exists (a run under
// the sanitizers would otherwise allocate gigabytes), and the surface keeps its pixels.
TEST(PictureLimits, HugeHeadersAreRefused) {
  const std::string Huge = "The picture is too large (100000 x 100000 pixels)";
  const std::string Truncated = "data cannot hold the pixels";
  struct Case {
    const char* Name;
    std::vector<uint8_t> Bytes;
    TReader Reader;
    bool ReadError;  // EReadError, else EInvalidGraphic
    std::string Text;
  } Cases[] = {
      {"png", PngClaiming(100000, 100000), rdDecode, false, Huge},
      {"png glue", PngClaiming(100000, 100000), rdPngGlue, false, Huge},
      {"png in a stream", PngClaiming(100000, 100000), rdSurfaceStream, false, Huge},
      {"png side", PngClaiming(16385, 1), rdDecode, false,
       "The picture is too large (16385 x 1 pixels)"},
      {"png area", PngClaiming(8192, 8193), rdPngGlue, false,
       "The picture is too large (8192 x 8193 pixels)"},
      {"png with too little data", PngClaiming(8192, 8192), rdPngGlue, false, Truncated},
      {"jpeg", JpegClaiming(65535, 65535), rdDecode, false,
       "The picture is too large (65535 x 65535 pixels)"},
      {"jpeg in a stream", JpegClaiming(20000, 8), rdSurfaceStream, false,
       "The picture is too large (20000 x 8 pixels)"},
      {"jpeg with too little data", JpegClaiming(8000, 8000), rdDecode, false, Truncated},
      {"bmp", BmpClaiming(100000, 100000, 24), rdDecode, false, Huge},
      {"bmp in a stream", BmpClaiming(100000, -100000, 24), rdSurfaceStream, false, Huge},
      {"bmp with too little data", BmpClaiming(4000, 4000, 24), rdDecode, false, Truncated},
      {"bmp cut before its bit count", Cut(BmpClaiming(128, 512, 1), 29), rdSurfaceStream, false,
       Truncated},
      {"32-bit bmp in a stream", BmpClaiming(100000, 100000, 32), rdSurfaceStream, true, Huge},
      {"gif", GifClaiming(65535, 2), rdDecode, false,
       "The picture is too large (65535 x 2 pixels)"},
      {"data blob", BlobClaiming(100000, 100000), rdDataBlob, true, Huge},
      {"empty data blob", BlobClaiming(0, 100000), rdDataBlob, true,
       "The picture is too large (0 x 100000 pixels)"},
      {"empty 32-bit bmp in a stream", BmpClaiming(0, 16777216, 32), rdSurfaceStream, true,
       "The picture is too large (0 x 16777216 pixels)"},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    const std::string Text = C.ReadError ? Refusal<EReadError>(C.Reader, C.Bytes)
                                         : Refusal<EInvalidGraphic>(C.Reader, C.Bytes);
    EXPECT_NE(Text.find(C.Text), std::string::npos) << Text;
  }
}

TEST(PictureLimits, HeaderIsReadWithoutDecoding) {
  const TImageHeader H = ReadImageHeader(JpegClaiming(3, 2).data(), 15);
  EXPECT_EQ(H.Format, ifJPEG);
  EXPECT_EQ(H.Width, 3);
  EXPECT_EQ(H.Height, 2);
}
