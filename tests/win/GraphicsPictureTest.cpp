#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include "GraphicsTestSupport.h"
#include "host/ImageCodec.h"
#include "host/PngImage.h"

using namespace qv;
using namespace qvtest;

namespace {

TBitmap* WhiteCanvas(int W, int H) {
  auto* B = new TBitmap(W, H, pf24bit);
  Fill(*B, clWhite);
  return B;
}

// A file in the temporary folder, removed at the end of the test.
class TTempFile {
 public:
  TTempFile(const String& Name, const std::vector<uint8_t>& Data) {
    wchar_t Dir[MAX_PATH];
    GetTempPathW(MAX_PATH, Dir);
    FName = String(Dir) + L"qv_host_" + Name;
    WriteFileBytes(FName, Data);
  }
  ~TTempFile() { DeleteFileW(FName.c_str()); }
  const String& Name() const { return FName; }

 private:
  String FName;
};

void PutLE(std::vector<uint8_t>& D, size_t At, uint32_t V, size_t Bytes) {
  for (size_t I = 0; I < Bytes; ++I) D.at(At + I) = uint8_t(V >> (8 * I));
}
void Put16(std::vector<uint8_t>& D, size_t At, uint32_t V) {
  PutLE(D, At, V, 2);
}
void Put32(std::vector<uint8_t>& D, size_t At, uint32_t V) {
  PutLE(D, At, V, 4);
}

// An 8-bit palette bitmap file (BI_RGB or run-length encoded) of W×H with the given rows.
std::vector<uint8_t> PaletteBmp(int W, int H, const std::vector<uint32_t>& Palette,
                                const std::vector<uint8_t>& Pixels, uint32_t Compression) {
  std::vector<uint8_t> D(54 + Palette.size() * 4);
  D[0] = 'B';
  D[1] = 'M';
  Put32(D, 10, uint32_t(D.size()));
  Put32(D, 14, 40);
  Put32(D, 18, uint32_t(W));
  Put32(D, 22, uint32_t(H));
  Put16(D, 26, 1);
  Put16(D, 28, 8);
  Put32(D, 30, Compression);
  Put32(D, 34, uint32_t(Pixels.size()));
  Put32(D, 46, uint32_t(Palette.size()));
  for (size_t I = 0; I < Palette.size(); ++I) Put32(D, 54 + I * 4, Palette[I]);
  D.insert(D.end(), Pixels.begin(), Pixels.end());
  Put32(D, 2, uint32_t(D.size()));
  return D;
}

std::vector<uint8_t> Png(int W, int H, const std::vector<uint8_t>& Rgba) {
  return EncodePng(Rgba.data(), W, H, 4);
}

// A 2×1 palette PNG: entry 0 red and fully transparent, entry 1 opaque blue.
const std::vector<uint8_t> PalettePng = {
    0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44,
    0x52, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x08, 0x03, 0x00, 0x00, 0x00, 0xC3,
    0xFC, 0x8F, 0xB8, 0x00, 0x00, 0x00, 0x06, 0x50, 0x4C, 0x54, 0x45, 0xFF, 0x00, 0x00, 0x00,
    0x00, 0xFF, 0x6C, 0xA1, 0xFD, 0x8E, 0x00, 0x00, 0x00, 0x01, 0x74, 0x52, 0x4E, 0x53, 0x00,
    0x40, 0xE6, 0xD8, 0x66, 0x00, 0x00, 0x00, 0x0B, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9C, 0x63,
    0x60, 0x60, 0x04, 0x00, 0x00, 0x04, 0x00, 0x02, 0xBF, 0x7A, 0x3F, 0x4A, 0x00, 0x00, 0x00,
    0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};

std::vector<uint8_t> Jpeg(int W, int H, uint8_t R, uint8_t G, uint8_t B) {
  std::vector<uint8_t> Rgb;
  for (int I = 0; I < W * H; ++I) Rgb.insert(Rgb.end(), {R, G, B});
  std::vector<uint8_t> Out;
  stbi_write_jpg_to_func(
      [](void* C, void* D, int N) {
        auto* O = static_cast<std::vector<uint8_t>*>(C);
        O->insert(O->end(), static_cast<uint8_t*>(D), static_cast<uint8_t*>(D) + N);
      },
      &Out, W, H, 3, Rgb.data(), 95);
  return Out;
}

// A one-image .ico file: 4×4, 32 bits, every pixel Color with alpha 255.
std::vector<uint8_t> Ico4(uint32_t Bgra) {
  std::vector<uint8_t> D(22 + 40 + 64 + 16);
  Put16(D, 2, 1);
  Put16(D, 4, 1);
  D[6] = 4;
  D[7] = 4;
  Put16(D, 10, 1);
  Put16(D, 12, 32);
  Put32(D, 14, 40 + 64 + 16);
  Put32(D, 18, 22);
  Put32(D, 22, 40);
  Put32(D, 26, 4);
  Put32(D, 30, 8);
  Put16(D, 34, 1);
  Put16(D, 36, 32);
  for (int I = 0; I < 16; ++I) Put32(D, 62 + I * 4, Bgra);
  return D;  // the AND mask stays 0: every pixel shown
}

}  // namespace

TEST(Bitmap, FileRoundTripKeepsPixelsAndAlpha) {
  for (TPixelFormat F : {pf24bit, pf32bit}) {
    TBitmap B(3, 2, F);
    B.Canvas().Brush().SetColor(clRed);
    B.Canvas().FillRect(Rect(0, 0, 3, 2));
    B.Canvas().SetPixels(2, 1, clBlue);
    if (F == pf32bit) B.ScanLine(0)[3] = 77;
    TMemoryStream M;
    B.SaveToStream(M);
    EXPECT_EQ(M.Size(), 54 + 12 * 2);  // 3 pixels make 12-byte rows in both formats
    EXPECT_EQ(M.Bytes()[28], F == pf32bit ? 32 : 24);
    TBitmap C;
    M.SetPosition(0);
    C.LoadFromStream(M);
    EXPECT_EQ(C.PixelFormat(), F);
    EXPECT_EQ(C.Width(), 3);
    EXPECT_EQ(C.Height(), 2);
    EXPECT_EQ(PixelAt(C, 0, 0), clRed);
    EXPECT_EQ(PixelAt(C, 2, 1), clBlue);
    if (F == pf32bit) {
      EXPECT_EQ(C.ScanLine(0)[3], 77);
    }
  }
}

TEST(Bitmap, ReadsPaletteAndRunLengthFiles) {
  const std::vector<uint32_t> Pal = {0x0000FF /* blue */, 0xFF0000 /* red */, 0x00FF00};
  // Bottom-up rows of 4 bytes: bottom row 0 1 2 0, top row 1 1 1 1.
  TBitmap B;
  TMemoryStream M(PaletteBmp(4, 2, Pal, {0, 1, 2, 0, 1, 1, 1, 1}, BI_RGB));
  B.LoadFromStream(M);
  EXPECT_EQ(PixelAt(B, 0, 1), clBlue);
  EXPECT_EQ(PixelAt(B, 1, 1), clRed);
  EXPECT_EQ(PixelAt(B, 2, 1), clLime);
  EXPECT_EQ(PixelAt(B, 3, 0), clRed);
  // RLE8: bottom row "4 × index 2", end of line, top row absolute run 0 1 2 (padded), end.
  TMemoryStream R(PaletteBmp(4, 2, Pal, {4, 2, 0, 0, 0, 3, 0, 1, 2, 0, 0, 1}, BI_RLE8));
  B.LoadFromStream(R);
  EXPECT_EQ(PixelAt(B, 3, 1), clLime);
  EXPECT_EQ(PixelAt(B, 0, 0), clBlue);
  EXPECT_EQ(PixelAt(B, 2, 0), clLime);
  EXPECT_EQ(PixelAt(B, 3, 0), clBlue);  // not in the data: index 0
}

TEST(Bitmap, MalformedFilesRaiseAndLeaveTheBitmapAsItWas) {
  std::vector<uint8_t> Good = PaletteBmp(4, 2, {0, 0xFFFFFF}, {0, 1, 0, 1, 1, 0, 1, 0}, BI_RGB);
  auto Patched = [&](size_t At, uint32_t V, bool Wide = true) {
    std::vector<uint8_t> D = Good;
    PutLE(D, At, V, Wide ? 4 : 2);
    return D;
  };
  const std::vector<std::vector<uint8_t>> Bad = {
      {},
      {'B', 'M'},
      std::vector<uint8_t>(Good.begin(), Good.end() - 3),  // pixels cut short
      Patched(14, 41),                                     // unknown header size
      Patched(18, 0),                                      // no width
      Patched(18, 100000),                                 // absurd width
      Patched(22, 0x80000000),                             // height INT_MIN
      Patched(26, 2, false),                               // two planes
      Patched(28, 7, false),                               // seven bits per pixel
      Patched(30, 9),                                      // unknown compression
      Patched(46, 300),                                    // more colours than 8 bits hold
      Patched(10, 0xFFFFFF),                               // pixels beyond the end
      Patched(30, BI_RLE4),                                // RLE4 with 8 bits
  };
  TBitmap B(5, 5, pf24bit);
  B.Canvas().SetPixels(0, 0, clRed);
  for (size_t I = 0; I < Bad.size(); ++I) {
    TMemoryStream M(Bad[I]);
    EXPECT_THROW(B.LoadFromStream(M), EInvalidGraphic) << I;
    EXPECT_EQ(B.Width(), 5);
    EXPECT_EQ(PixelAt(B, 0, 0), clRed);
  }
}

// A header beyond the library's picture limits is refused by its size before the
// platform is asked for a bitmap.
TEST(Bitmap, HugeHeadersAreRefusedBeforeAnyBitmapExists) {
  for (auto [W, H] : {std::pair{100000u, 100000u}, {16385u, 1u}, {8192u, 8193u}}) {
    std::vector<uint8_t> D = PaletteBmp(4, 2, {0, 0xFFFFFF}, {0, 1, 0, 1, 1, 0, 1, 0}, BI_RGB);
    PutLE(D, 18, W, 4);
    PutLE(D, 22, H, 4);
    TBitmap B(5, 5, pf24bit);
    TMemoryStream M(D);
    try {
      B.LoadFromStream(M);
      ADD_FAILURE() << W << " x " << H << " loaded";
    } catch (const EInvalidGraphic& E) {
      EXPECT_EQ(E.Message(), PictureTooLargeText(W, H));
    }
    EXPECT_EQ(B.Width(), 5);
  }
  // The same limits hold for a size set directly.
  TBitmap B(5, 5, pf32bit);
  for (auto [W, H] : {std::pair{16385, 1}, {8192, 8193}}) {
    try {
      B.SetSize(W, H);
      ADD_FAILURE() << W << " x " << H << " allocated";
    } catch (const EInvalidGraphic& E) {
      EXPECT_EQ(E.Message(), PictureTooLargeText(W, H));
    }
    EXPECT_EQ(B.Width(), 5);
    EXPECT_EQ(B.Height(), 5);
  }
}

TEST(Picture, LoadsEachFormatByExtensionAndDraws) {
  // PNG with partial alpha: half-transparent red and opaque green.
  TTempFile PngFile(L"a.png", Png(2, 1, {255, 0, 0, 128, 0, 255, 0, 255}));
  TPicture P;
  P.LoadFromFile(PngFile.Name());
  auto* PngG = dynamic_cast<TPngImage*>(P.Graphic());
  ASSERT_NE(PngG, nullptr);
  EXPECT_EQ(P.Width(), 2);
  EXPECT_EQ(PngG->ColorType(), pngRGBAlpha);
  EXPECT_EQ(PngG->TransparencyMode(), ptmPartial);
  std::unique_ptr<TBitmap> Dst(WhiteCanvas(4, 2));
  Dst->Canvas().Draw(0, 0, P.Graphic());
  TColor Half = PixelAt(*Dst, 0, 0);
  EXPECT_EQ(Half & 0xFF, 255);
  EXPECT_NEAR((Half >> 8) & 0xFF, 127, 1);
  EXPECT_EQ(PixelAt(*Dst, 1, 0), clLime);
  // As a bitmap: 32 bits with the straight alpha, exactly.
  TBitmap AsBitmap;
  AsBitmap.Assign(P.Graphic());
  EXPECT_EQ(AsBitmap.PixelFormat(), pf32bit);
  EXPECT_EQ(AsBitmap.AlphaFormat(), afDefined);
  EXPECT_EQ(AsBitmap.ScanLine(0)[2], 255);
  EXPECT_EQ(AsBitmap.ScanLine(0)[3], 128);

  // Palette PNG with a transparent entry: a single transparent colour.
  TTempFile PalFile(L"p.PNG", PalettePng);
  P.LoadFromFile(PalFile.Name());
  PngG = dynamic_cast<TPngImage*>(P.Graphic());
  ASSERT_NE(PngG, nullptr);
  EXPECT_EQ(PngG->ColorType(), pngPalette);
  EXPECT_EQ(PngG->TransparencyMode(), ptmBit);
  EXPECT_EQ(PngG->TransparentColor(), clRed);
  Dst.reset(WhiteCanvas(2, 1));
  Dst->Canvas().Draw(0, 0, P.Graphic());
  EXPECT_EQ(PixelAt(*Dst, 0, 0), clWhite);
  EXPECT_EQ(PixelAt(*Dst, 1, 0), clBlue);

  // JPEG.
  TTempFile JpgFile(L"j.jpeg", Jpeg(8, 8, 200, 40, 40));
  P.LoadFromFile(JpgFile.Name());
  ASSERT_NE(dynamic_cast<TJPEGImage*>(P.Graphic()), nullptr);
  Dst.reset(WhiteCanvas(8, 8));
  Dst->Canvas().Draw(0, 0, P.Graphic());
  TColor J = PixelAt(*Dst, 4, 4);
  EXPECT_NEAR(J & 0xFF, 200, 8);
  EXPECT_NEAR((J >> 8) & 0xFF, 40, 8);

  // BMP, stretched.
  TBitmap Small(1, 1, pf24bit);
  Small.Canvas().SetPixels(0, 0, clTeal);
  TMemoryStream BmpBytes;
  Small.SaveToStream(BmpBytes);
  TTempFile BmpFile(L"b.bmp", BmpBytes.Bytes());
  P.LoadFromFile(BmpFile.Name());
  Dst.reset(WhiteCanvas(4, 4));
  Dst->Canvas().StretchDraw(Rect(0, 0, 4, 4), P.Graphic());
  EXPECT_EQ(PixelAt(*Dst, 3, 3), clTeal);

  // Icon.
  TTempFile IcoFile(L"i.ico", Ico4(0xFF0000FF /* opaque blue */));
  P.LoadFromFile(IcoFile.Name());
  ASSERT_NE(dynamic_cast<TIcon*>(P.Graphic()), nullptr);
  EXPECT_EQ(P.Width(), 4);
  Dst.reset(WhiteCanvas(6, 6));
  Dst->Canvas().Draw(1, 1, P.Graphic());
  EXPECT_EQ(PixelAt(*Dst, 2, 2), clBlue);
  EXPECT_EQ(PixelAt(*Dst, 5, 5), clWhite);
  TMemoryStream IcoOut;
  P.SaveToStream(IcoOut);
  EXPECT_EQ(IcoOut.Bytes(), Ico4(0xFF0000FF));

  // Enhanced metafile, recorded here: a red square filling its frame.
  RECT Frame{0, 0, 2540 * 10 / 96, 2540 * 10 / 96};  // 10 pixels in hundredths of a millimetre
  HDC Rec = CreateEnhMetaFileW(nullptr, nullptr, &Frame, nullptr);
  HBRUSH Red = CreateSolidBrush(RGB(255, 0, 0));
  RECT Sq{0, 0, 10, 10};
  FillRect(Rec, &Sq, Red);
  DeleteObject(Red);
  HENHMETAFILE Emf = CloseEnhMetaFile(Rec);
  std::vector<uint8_t> EmfBytes(GetEnhMetaFileBits(Emf, 0, nullptr));
  GetEnhMetaFileBits(Emf, UINT(EmfBytes.size()), EmfBytes.data());
  DeleteEnhMetaFile(Emf);
  TMemoryStream EmfStream(EmfBytes);
  P.LoadFromStream(EmfStream);  // recognised by its content
  ASSERT_NE(dynamic_cast<TMetafile*>(P.Graphic()), nullptr);
  EXPECT_NEAR(P.Width(), 10, 1);
  Dst.reset(WhiteCanvas(20, 20));
  Dst->Canvas().StretchDraw(Rect(0, 0, 20, 20), P.Graphic());
  EXPECT_EQ(PixelAt(*Dst, 10, 10), clRed);
  std::vector<uint8_t> Cut(EmfBytes.begin(), EmfBytes.end() - 20);
  TMemoryStream CutStream(Cut);
  TMetafile M;
  EXPECT_THROW(M.LoadFromStream(CutStream), EInvalidGraphic);
}

TEST(Picture, CorruptOrUnknownFilesLeaveThePictureAsItWas) {
  TPicture P;
  P.Bitmap().SetSize(7, 3);
  TGraphic* Before = P.Graphic();
  std::vector<uint8_t> GoodPng = Png(2, 2, std::vector<uint8_t>(16, 200));
  const struct {
    const wchar_t* Name;
    std::vector<uint8_t> Data;
  } Cases[] = {
      {L"garbage.png", {'n', 'o', 't', ' ', 'p', 'n', 'g'}},
      {L"cut.png", std::vector<uint8_t>(GoodPng.begin(), GoodPng.begin() + GoodPng.size() / 2)},
      {L"png-as.jpg", GoodPng},
      {L"garbage.bmp", {'B', 'M', 1, 2, 3}},
      {L"garbage.ico", {0, 0, 1, 0, 9, 0}},
      {L"garbage.emf", std::vector<uint8_t>(100, 1)},
      {L"empty.jpg", {}},
  };
  for (const auto& C : Cases) {
    TTempFile F(C.Name, C.Data);
    EXPECT_THROW(P.LoadFromFile(F.Name()), EInvalidGraphic) << ToUtf8(C.Name);
    EXPECT_EQ(P.Graphic(), Before);
    EXPECT_EQ(P.Width(), 7);
  }
  try {
    P.LoadFromFile(L"C:\\nowhere\\picture.xyz");
    ADD_FAILURE();
  } catch (const EInvalidGraphic& E) {
    EXPECT_EQ(E.Message(), L"Unknown picture file extension (.xyz)");
  }
  EXPECT_THROW(P.LoadFromFile(L"C:\\nowhere\\missing.png"), EFOpenError);
  EXPECT_EQ(P.Graphic(), Before);
}

TEST(Picture, CopiesKeepTheClassAndPixels) {
  TPngImage Png1;
  TMemoryStream S(Png(1, 1, {1, 2, 3, 4}));
  Png1.LoadFromStream(S);
  TPicture P;
  P.SetGraphic(&Png1);
  ASSERT_NE(P.Graphic(), &Png1);
  auto* Copy = dynamic_cast<TPngImage*>(P.Graphic());
  ASSERT_NE(Copy, nullptr);
  EXPECT_EQ(Copy->Pixels(), Png1.Pixels());
  // PNG from a bitmap and back out as a file.
  TBitmap B(2, 1, pf32bit);
  uint8_t* Row = B.ScanLine(0);
  const uint8_t Bgra[8] = {10, 20, 30, 40, 50, 60, 70, 255};
  std::memcpy(Row, Bgra, 8);
  B.SetAlphaFormat(afDefined);
  TPngImage FromBitmap;
  FromBitmap.Assign(&B);
  EXPECT_EQ(FromBitmap.Pixels(), (std::vector<uint8_t>{30, 20, 10, 40, 70, 60, 50, 255}));
  TMemoryStream Out;
  FromBitmap.SaveToStream(Out);
  TPngImage Back;
  Out.SetPosition(0);
  Back.LoadFromStream(Out);
  EXPECT_EQ(Back.Pixels(), FromBitmap.Pixels());
}

TEST(Icon, IconGivenAsHandleIsSavedAndReadBack) {
  TBitmap Color(8, 8, pf32bit), Mask(8, 8, pf24bit);
  for (int Y = 0; Y < 8; ++Y)
    for (int X = 0; X < 8; ++X) {
      uint8_t* P = Color.ScanLine(Y) + X * 4;
      P[0] = 0;  // opaque green
      P[1] = 255;
      P[2] = 0;
      P[3] = 255;
    }
  Mask.Canvas().Brush().SetColor(clBlack);
  Mask.Canvas().FillRect(Rect(0, 0, 8, 8));
  Color.FreeContext();
  Mask.FreeContext();
  ICONINFO II{TRUE, 0, 0, Mask.Handle(), Color.Handle()};
  TIcon I;
  I.SetHandle(CreateIconIndirect(&II));
  EXPECT_EQ(I.Width(), 8);
  EXPECT_EQ(I.Height(), 8);
  TMemoryStream S;
  I.SaveToStream(S);
  TIcon Back;
  S.SetPosition(0);
  Back.LoadFromStream(S);
  EXPECT_EQ(Back.Width(), 8);
  std::unique_ptr<TBitmap> Dst(WhiteCanvas(8, 8));
  Dst->Canvas().Draw(0, 0, &Back);
  EXPECT_EQ(PixelAt(*Dst, 4, 4), clLime);
}
