#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>

#include "graphics/BitmapHelper.h"
#include "graphics/QvGR32LibPng.h"
#include "host/Canvas.h"
#include "host/Graphics.h"
#include "host/PngImage.h"
#include "raster/Gr32Png.h"

using namespace qv;

namespace {

TEST(EffectsPictures, PngPicturesDrawWithTheirAlphaAndFeedThePngRoutines) {
  TBitmap32 Source;
  Source.SetSize(3, 2);
  const TColor32 Pixels[6] = {0xFFFF0000, 0x8000FF00, 0x00123456,
                              0xFF0000FF, 0x40FFFFFF, 0xFF102030};
  for (int I = 0; I < 6; ++I) Source.Bits()[I] = Pixels[I];
  auto File = std::filesystem::temp_directory_path() / L"qv_effects_picture.png";
  ASSERT_TRUE(SaveBitmap32ToPNG(&Source, true, 0, File.wstring()));
  TPicture Picture;
  Picture.LoadFromFile(File.wstring());
  std::filesystem::remove(File);

  auto* Png = dynamic_cast<TPngImage*>(Picture.Graphic());
  ASSERT_NE(Png, nullptr);
  TDecodedImage D = PngImageToDecoded(*Png);
  EXPECT_EQ(D.Width, 3);
  EXPECT_EQ(D.Png.ColorType, pngRGBAlpha);
  EXPECT_TRUE(PngHasTransparency(D));
  auto Wide = ResizeHorzPng(D, 7, 0);
  EXPECT_EQ(Wide->Width, 7);

  TBitmap32 Dst;
  Dst.SetSize(5, 4);
  Dst.Clear(0xFF000000);
  DrawPicture(&Picture, 1, 1, &Dst);
  for (int I = 0; I < 6; ++I)
    EXPECT_EQ(Dst.Pixel(1 + I % 3, 1 + I / 3), BlendReg(Pixels[I], 0xFF000000)) << I;
  EXPECT_EQ(Dst.Pixel(0, 0), 0xFF000000u);
  TPicture Empty;
  DrawPicture(&Empty, 0, 0, &Dst);
  DrawPicture(nullptr, 0, 0, &Dst);
  EXPECT_EQ(Dst.Pixel(0, 0), 0xFF000000u);
}

TEST(EffectsPictures, CanvasGlowUsesTheCanvasFont) {
  TBitmap32 B;
  B.SetSize(120, 40);
  B.Clear(0xFFFFFFFF);
  TCanvas Canvas;
  Canvas.SetHandle(HDC(B.Handle()));
  Canvas.Font().SetHeight(-28);
  Canvas.Font().SetStyle({fsBold});
  TRect R = Rect(0, 0, 120, 40);
  DrawEffectText(Canvas, R, L"Wide", DT_CENTER | DT_VCENTER | DT_SINGLELINE, 0, clBlue, 2);
  GdiFlush();
  // A big bold font tints a wide area; the top corners stay white.
  int Tinted = 0;
  for (int I = 0; I < 120 * 40; ++I) Tinted += RedComponent(B.Bits()[I]) < 128;
  EXPECT_GT(Tinted, 100);
  EXPECT_GE(RedComponent(B.Pixel(0, 0)), 250);
  FillGradient(Canvas, clBlack, clWhite, true, Rect(0, 0, 4, 1));
  GdiFlush();
  EXPECT_EQ(B.Pixel(1, 0) & 0xFFFFFF, 0x3F3F3Fu);
  Canvas.SetHandle(nullptr);
}

}  // namespace
