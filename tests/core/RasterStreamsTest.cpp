#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "host/ObjectText.h"
#include "host/Streams.h"
#include "raster/Bitmap32.h"

using namespace qv;

namespace {
void Fill(TCustomBitmap32& B, int W, int H) {
  B.SetSize(W, H);
  for (int I = 0; I < W * H; ++I) B.Bits()[I] = 0x01020304u * uint32_t(I + 1) ^ 0x80000000u;
}
std::vector<TColor32> Pixels(const TCustomBitmap32& B) {
  return std::vector<TColor32>(B.Bits(), B.Bits() + size_t(B.Width()) * B.Height());
}
int32_t I32(const std::vector<uint8_t>& D, size_t At) {
  int32_t V;
  std::memcpy(&V, &D[At], 4);
  return V;
}
}  // namespace

TEST(Bitmap32Streams, BmpRoundTripInBothRowOrders) {
  TBitmap32 B;
  Fill(B, 3, 2);
  for (bool SaveTopDown : {false, true}) {
    TMemoryStream S;
    B.SaveToStream(S, SaveTopDown);
    const auto& D = S.Bytes();
    ASSERT_EQ(D.size(), 54u + 24u);
    EXPECT_EQ(D[0], 'B');
    EXPECT_EQ(I32(D, 2), 78);
    EXPECT_EQ(I32(D, 10), 54);
    EXPECT_EQ(I32(D, 14), 40);
    EXPECT_EQ(I32(D, 18), 3);
    EXPECT_EQ(I32(D, 22), SaveTopDown ? 2 : -2);
    EXPECT_EQ(I32(D, 34), 24);
    // The first stored row: the top one for a negative height, else the bottom one.
    TColor32 First;
    std::memcpy(&First, &D[54], 4);
    EXPECT_EQ(First, B.Pixel(0, SaveTopDown ? 1 : 0));
    TBitmap32 C;
    S.SetPosition(0);
    C.LoadFromStream(S);
    EXPECT_EQ(Pixels(C), Pixels(B));
  }
}

TEST(Bitmap32Streams, CorruptBitmapsRaiseAndLeaveTheSurface) {
  TBitmap32 B;
  Fill(B, 3, 2);
  TMemoryStream S;
  B.SaveToStream(S);
  std::vector<uint8_t> Good = S.Bytes();
  std::vector<std::vector<uint8_t>> Bad = {
      {Good.begin(), Good.end() - 1},     // truncated pixels
      {Good.begin(), Good.begin() + 20},  // truncated header
      {},
  };
  auto Huge = Good;
  Huge[18] = Huge[19] = Huge[20] = 0x7F;  // absurd width
  Bad.push_back(Huge);
  auto NotAPicture = Good;
  NotAPicture[28] = 7;  // bit count the decoder does not know either
  Bad.push_back(NotAPicture);
  for (const auto& Bytes : Bad) {
    TBitmap32 T;
    Fill(T, 2, 2);
    TMemoryStream M(Bytes);
    EXPECT_THROW(T.LoadFromStream(M), Exception);
    EXPECT_EQ(T.Width(), 2);
    EXPECT_EQ(Pixels(T)[3], 0x01020304u * 4 ^ 0x80000000u);
  }
}

TEST(Bitmap32Streams, DataBlobOfTwoByOne) {
  TBitmap32 B;
  B.SetSize(2, 1);
  B.SetPixel(0, 0, 0x80112233);
  B.SetPixel(1, 0, 0xFF445566);
  std::vector<uint8_t> Expected = {2,    0,    0,    0,    1,    0,    0,    0,
                                   0x33, 0x22, 0x11, 0x80, 0x66, 0x55, 0x44, 0xFF};
  EXPECT_EQ(B.DataBlob(), Expected);
  TBitmap32 C;
  TPropValue V;
  V.Type = vaBinary;
  V.Binary = Expected;
  EXPECT_TRUE(C.ReadProperty(L"Data", V));
  EXPECT_EQ(Pixels(C), Pixels(B));
}

TEST(Bitmap32Streams, MalformedBlobsRaiseAndLeaveTheSurface) {
  auto Blob = [](int32_t W, int32_t H, size_t PixelBytes) {
    std::vector<uint8_t> D(8 + PixelBytes);
    std::memcpy(&D[0], &W, 4);
    std::memcpy(&D[4], &H, 4);
    return D;
  };
  std::vector<std::vector<uint8_t>> Bad = {
      {1, 0, 0, 0},                     // shorter than the header
      Blob(-1, 1, 4),                   // negative size
      Blob(2, 2, 12),                   // one pixel short
      Blob(2, 2, 20),                   // one pixel too many
      Blob(0x40000000, 0x40000000, 0),  // absurd: would overflow
      Blob(65536, 65536, 16),
  };
  for (const auto& D : Bad) {
    TBitmap32 T;
    Fill(T, 2, 1);
    auto Before = Pixels(T);
    EXPECT_THROW(T.ReadDataBlob(D), EReadError);
    EXPECT_EQ(Pixels(T), Before);
  }
  TBitmap32 T;
  Fill(T, 2, 1);
  T.ReadDataBlob(Blob(0, 0, 0));  // an empty picture is valid
  EXPECT_TRUE(T.Empty());
}

TEST(Bitmap32Streams, PublishedPropertiesAreRead) {
  TBitmap32 B;
  auto Ident = [](const wchar_t* S) {
    TPropValue V;
    V.Type = vaIdent;
    V.Str = S;
    return V;
  };
  TPropValue Int;
  Int.Type = vaInteger;
  Int.Int = 100;
  EXPECT_TRUE(B.ReadProperty(L"DrawMode", Ident(L"dmBlend")));
  EXPECT_TRUE(B.ReadProperty(L"WrapMode", Ident(L"wmMirror")));
  EXPECT_TRUE(B.ReadProperty(L"MasterAlpha", Int));
  TPropValue Name;
  Name.Type = vaString;
  Name.Str = L"TLinearResampler";
  EXPECT_TRUE(B.ReadProperty(L"ResamplerClassName", Name));
  EXPECT_FALSE(B.ReadProperty(L"Nonsense", Int));
  EXPECT_THROW(B.ReadProperty(L"DrawMode", Ident(L"dmNothing")), EReadError);
  Int.Int = 256;
  EXPECT_THROW(B.ReadProperty(L"MasterAlpha", Int), EReadError);
  EXPECT_EQ(B.DrawMode(), dmBlend);
  EXPECT_EQ(B.WrapMode(), wmMirror);
  EXPECT_EQ(B.MasterAlpha(), 100);
  EXPECT_EQ(B.ResamplerClassName(), L"TLinearResampler");
}

TEST(Bitmap32Streams, FilesOfBothKinds) {
  auto Dir = std::filesystem::temp_directory_path();
  String Bmp = (Dir / "qv_raster_test.bmp").wstring();
  TBitmap32 B;
  Fill(B, 4, 3);
  B.SaveToFile(Bmp, true);
  TBitmap32 C;
  C.LoadFromFile(Bmp);
  EXPECT_EQ(Pixels(C), Pixels(B));
  std::filesystem::remove(Dir / "qv_raster_test.bmp");
}

TEST(Bitmap32Streams, PublishedPropertiesAreWrittenWhenNotDefault) {
  TBitmap32 B;
  TPropList Plain;
  TPropertyWriter W(Plain);
  B.WriteProperties(W);
  ASSERT_EQ(Plain.size(), 1u);  // only the resampler name, always
  EXPECT_EQ(Plain[0].Name, L"ResamplerClassName");
  EXPECT_EQ(Plain[0].Value.Str, L"TNearestResampler");
  B.SetSize(2, 1);
  B.SetPixel(1, 0, 0x80FF0000);
  B.SetDrawMode(dmBlend);
  B.SetMasterAlpha(200);
  B.SetOuterColor(0xFF00FF00);
  TPropList Props;
  TPropertyWriter W2(Props, L"Bitmap.");
  B.WriteProperties(W2);
  std::vector<String> Names;
  for (const TPropEntry& E : Props) Names.push_back(E.Name);
  EXPECT_EQ(Names,
            (std::vector<String>{L"Bitmap.DrawMode", L"Bitmap.MasterAlpha", L"Bitmap.OuterColor",
                                 L"Bitmap.ResamplerClassName", L"Bitmap.Data"}));
  EXPECT_EQ(Props.back().Value.Binary.size(), 16u);
  // Read back through the nested names.
  struct THolder : TPersistent {
    TBitmap32 Bitmap;
    bool ReadProperty(const String& Name, const TPropValue& Value) override {
      return ReadNestedProperty(Name, L"Bitmap", Bitmap, Value);
    }
  } H;
  ReadProperties(H, Props, L"Holder");
  EXPECT_EQ(H.Bitmap.DrawMode(), dmBlend);
  EXPECT_EQ(H.Bitmap.MasterAlpha(), 200);
  EXPECT_EQ(H.Bitmap.OuterColor(), 0xFF00FF00u);
  EXPECT_EQ(Pixels(H.Bitmap), Pixels(B));
}
