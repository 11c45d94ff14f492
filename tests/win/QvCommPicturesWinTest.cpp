#include <gtest/gtest.h>

#include <cstring>

#include "graphics/QvComm.h"
#include "host/Graphics.h"
#include "host/ImageList.h"
#include "host/PngImage.h"
#include "raster/Bitmap32.h"

using namespace qv;

namespace {

TEST(QvCommPictures, ThirtyTwoBitBitmapBytesBecomePngSamplesAsTheyAre) {
  TBitmap Bitmap(2, 1, pf32bit);
  const uint8_t Bytes[8] = {10, 20, 30, 40, 0, 0, 255, 0};  // B, G, R, A per pixel
  std::memcpy(Bitmap.ScanLine(0), Bytes, 8);
  std::unique_ptr<TPngImage> Png = ConvertBmpToPng(&Bitmap);
  ASSERT_EQ(Png->Width(), 2);
  ASSERT_EQ(Png->Height(), 1);
  EXPECT_EQ(Png->ColorType(), 6);  // RGB with alpha
  const std::vector<uint8_t> Expected = {30, 20, 10, 40, 255, 0, 0, 0};
  EXPECT_EQ(Png->Pixels(), Expected);
}

TEST(QvCommPictures, OtherBitmapsUseThePictureConversion) {
  TBitmap Bitmap(3, 2, pf24bit);
  Bitmap.Canvas().Brush().SetColor(clRed);
  Bitmap.Canvas().FillRect(Rect(0, 0, 3, 2));
  std::unique_ptr<TPngImage> Png = ConvertBmpToPng(&Bitmap);
  ASSERT_EQ(Png->Width(), 3);
  EXPECT_FALSE(Png->HasAlpha());
  EXPECT_EQ(Png->Pixels()[0], 255);  // red
  EXPECT_EQ(Png->Pixels()[1], 0);
}

TEST(QvCommPictures, ImageListPictureHasTheListsSize) {
  TCustomImageList List(nullptr);
  List.SetColorDepth(cd24Bit);
  List.SetSize(8, 6);
  TBitmap Image(8, 6, pf24bit);
  Image.Canvas().Brush().SetColor(clBlue);
  Image.Canvas().FillRect(Rect(0, 0, 8, 6));
  ASSERT_EQ(List.AddMasked(&Image, clFuchsia), 0);
  std::unique_ptr<TPngImage> Png = GetPngFromImageList(&List, 0);
  ASSERT_EQ(Png->Width(), 8);
  ASSERT_EQ(Png->Height(), 6);
  const std::vector<uint8_t>& P = Png->Pixels();
  EXPECT_EQ(P[0], 0);  // blue, opaque
  EXPECT_EQ(P[2], 255);
  EXPECT_EQ(P[3], 255);

  TBitmap32 Untouched;
  TPngImage PngUntouched;
  EXPECT_FALSE(GetDPIScaledImageList(nullptr, &List, 0, Untouched));  // the mode is off
  EXPECT_FALSE(GetDPIScaledImageList(nullptr, &List, 0, PngUntouched));
  EXPECT_TRUE(Untouched.Empty());
}

}  // namespace
