#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "graphics/QvGR32LibJpeg.h"
#include "graphics/QvGR32LibShapes.h"
#include "host/AtomicFile.h"
#include "host/ImageCodec.h"
#include "host/Platform.h"
#include "host/Streams.h"

using namespace qv;

namespace {

TEST(EffectsShapes, RoundRectangleOutlineStaysInItsRectangle) {
  for (int Size : {0, 1, 8, 20}) {
    TArrayOfFloatPoint P = CreateRoundRectangle(Rect(10, 20, 50, 40), Size);
    ASSERT_FALSE(P.empty());
    double L = 1e9, T = 1e9, R = -1e9, B = -1e9;
    for (const TFloatPoint& Q : P) {
      L = std::min(L, Q.X), T = std::min(T, Q.Y), R = std::max(R, Q.X), B = std::max(B, Q.Y);
    }
    EXPECT_NEAR(L, 10, 1e-9);
    EXPECT_NEAR(T, 20, 1e-9);
    EXPECT_NEAR(R, 50, 1e-9);
    EXPECT_NEAR(B, 40, 1e-9);
    // Starts at the left end of the top-left arc: (X, Y + D/2) with D = Size div 2.
    EXPECT_NEAR(P.front().X, 10, 1e-9);
    EXPECT_NEAR(P.front().Y, 20 + (Size / 2) / 2.0, 1e-9);
  }
}

TEST(EffectsShapes, RoundRectangleIsAnOutlineWithSoftCorners) {
  TBitmap32 B;
  B.SetSize(20, 10);
  DrawRoundRectangle(&B, B.BoundsRect(), clRed, 8);
  EXPECT_EQ(B.Pixel(10, 0), 0xFFFF0000u);  // straight edges are crisp
  EXPECT_EQ(B.Pixel(0, 5), 0xFFFF0000u);
  EXPECT_EQ(B.Pixel(10, 5), 0u);                  // inside untouched
  EXPECT_LT(AlphaComponent(B.Pixel(0, 0)), 128);  // the corner is cut round
  DrawRoundRectangle(nullptr, B.BoundsRect(), clRed, 8);
  DrawRoundRectangle(&B, Rect(5, 5, 5, 9), clRed, 8);
}

TEST(EffectsShapes, ImageInCircleIsClippedAndRinged) {
  TBitmap32 Image, B;
  Image.SetSize(4, 4);
  Image.Clear(0xFF0000FF);
  B.SetSize(24, 24);
  DrawImageInCircle(&B, Rect(2, 2, 22, 22), &Image, clLime);
  EXPECT_EQ(B.Pixel(12, 12), 0xFF0000FFu);  // the picture inside
  EXPECT_EQ(B.Pixel(2, 2), 0u);             // outside the circle
  EXPECT_EQ(B.Pixel(0, 12), 0u);            // outside the rectangle
  TColor32 Ring = B.Pixel(12, 3);           // 8.5 from the centre: on the ring
  EXPECT_GT(GreenComponent(Ring), 200);
  DrawImageInCircle(&B, Rect(0, 0, 0, 5), &Image, clLime);
  DrawImageInCircle(&B, Rect(0, 0, 8, 8), nullptr, clLime);
}

TEST(EffectsShapes, ShakeTurnsAboutAPivot) {
  TBitmap32 B;
  B.SetSize(20, 10);
  for (int Y = 0; Y < 10; ++Y)
    for (int X = 0; X < 20; ++X) B.SetPixel(X, Y, Color32(uint8_t(X), uint8_t(Y), 9));
  TBitmap32 Copy;
  Copy.Assign(&B);
  ShakeBitmap(&B, 0);  // no turn: the same picture wherever the pivot is
  for (int I = 0; I < 200; ++I) ASSERT_EQ(B.Bits()[I], Copy.Bits()[I]);
  EXPECT_EQ(B.DrawMode(), dmTransparent);
  EXPECT_EQ(B.OuterColor(), 0xFFFFFFFFu);

  ShakeBitmapGR32(&B, true, clBlack, true, 90);
  EXPECT_EQ(B.Width(), 10);
  EXPECT_EQ(B.Height(), 20);
  ShakeBitmap(&B, 7);
  EXPECT_EQ(B.Width(), 10);
  TBitmap32 Empty;
  ShakeBitmap(&Empty, 5);
  EXPECT_TRUE(Empty.Empty());
}

TEST(EffectsShapes, JpegOfAPictureAndCoverFittedThumbnails) {
  TBitmap32 B;
  B.SetSize(40, 20);
  B.Clear(0xFF2080C0);
  std::vector<uint8_t> Jpeg;
  ASSERT_TRUE(Bmp32ToJpg(&B, Jpeg));
  ASSERT_GT(Jpeg.size(), 2u);
  EXPECT_EQ(Jpeg[0], 0xFF);
  EXPECT_EQ(Jpeg[1], 0xD8);
  TDecodedImage D = DecodeImage(Jpeg.data(), Jpeg.size());
  EXPECT_EQ(D.Format, ifJPEG);
  EXPECT_EQ(D.Width, 40);
  EXPECT_NEAR(D.RGBA[0], 0x20, 3);
  EXPECT_NEAR(D.RGBA[2], 0xC0, 3);
  TBitmap32 Empty;
  EXPECT_FALSE(Bmp32ToJpg(&Empty, Jpeg));

  auto Dir = std::filesystem::temp_directory_path() / L"qv_effects_jpeg";
  std::filesystem::create_directories(Dir);
  String File = (Dir / L"photo.jpg").wstring();
  ASSERT_TRUE(Bmp32ToJpg(&B, File));
  String NewName = L"unchanged";
  ResizeJpgImage((Dir / L"missing.jpg").wstring(), 10, 10, NewName);
  EXPECT_EQ(NewName, L"unchanged");
  ResizeJpgImage(File, 10, 8, NewName);
  EXPECT_EQ(NewName, File + L"10x8.jpg");
  std::vector<uint8_t> Thumb = ReadFileBytes(NewName);
  TDecodedImage T = DecodeImage(Thumb.data(), Thumb.size());
  EXPECT_EQ(T.Width, 10);
  EXPECT_EQ(T.Height, 8);
  EXPECT_NEAR(T.RGBA[(4 * 10 + 5) * 4 + 1], 0x80, 4);
  EXPECT_FALSE(Bmp32ToJpg(&B, (Dir / L"no" / L"such" / L"folder.jpg").wstring()));
  std::filesystem::remove_all(Dir);
}

// A folder and file whose names are not ASCII reach the platform as its own file names.
TEST(EffectsShapes, JpegFilesUnderANonAsciiFolder) {
  const String Dir = FromPlatformPath(std::filesystem::temp_directory_path()) + PathDelim +
                     L"qv_\u56fe\u7247_\u00fc_" + std::to_wstring(std::random_device{}());
  ForceDirectories(Dir);
  const String File = Dir + PathDelim + L"\u732b.jpg";
  TBitmap32 B;
  B.SetSize(16, 16);
  B.Clear(0xFF2080C0);
  ASSERT_TRUE(Bmp32ToJpg(&B, File));
  EXPECT_TRUE(FileExists(File));
  String NewName;
  ResizeJpgImage(File, 4, 2, NewName);
  EXPECT_EQ(NewName, File + L"4x2.jpg");
  TBitmap32 Thumb;
  Thumb.LoadFromFile(NewName);
  EXPECT_EQ(Thumb.Width(), 4);
  EXPECT_EQ(Thumb.Height(), 2);
  std::error_code Ec;
  std::filesystem::remove_all(ToPlatformPath(Dir), Ec);
}

}  // namespace
