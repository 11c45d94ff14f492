#define OEMRESOURCE  // the predefined OBM_ bitmap numbers
#include <gtest/gtest.h>
#include <windows.h>

#include "raster/Bitmap32.h"

using namespace qv;

TEST(Bitmap32DIB, PixelsAreSharedBetweenBitsAndTheDeviceContext) {
  TBitmap32 B;
  EXPECT_EQ(B.Handle(), nullptr);
  int HandleChanges = 0;
  B.OnHandleChanged = [&](TObject*) { ++HandleChanges; };
  B.SetSize(8, 4);
  ASSERT_NE(B.Handle(), nullptr);
  ASSERT_NE(B.BitmapHandle(), nullptr);
  EXPECT_EQ(HandleChanges, 1);
  EXPECT_EQ(B.Pixel(7, 3), 0u);  // zero-filled
  // Bits → device context: the DIB is top-down, one row of Width pixels.
  B.SetPixel(5, 2, 0xFF112233);
  EXPECT_EQ(GetPixel(HDC(B.Handle()), 5, 2), RGB(0x11, 0x22, 0x33));
  // Device context → Bits.
  ::SetPixel(HDC(B.Handle()), 1, 3, RGB(0xAA, 0xBB, 0xCC));
  GdiFlush();
  EXPECT_EQ(B.Pixel(1, 3) & 0xFFFFFF, 0xAABBCCu);
  B.SetSize(0, 0);
  EXPECT_EQ(B.Handle(), nullptr);
}

TEST(Bitmap32DIB, CopiesToAndFromOtherDeviceContexts) {
  TBitmap32 Src, Dst;
  Src.SetSize(4, 4);
  Src.Clear(0xFF0000FF);
  Src.SetPixel(0, 0, 0xFFFF0000);
  Dst.SetSize(10, 10);
  Src.DrawTo(Dst.Handle(), 3, 3);  // 1:1, SRCCOPY
  GdiFlush();
  EXPECT_EQ(Dst.Pixel(3, 3) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(Dst.Pixel(6, 6) & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(Dst.Pixel(7, 7), 0u);
  Dst.Clear(0);
  Src.DrawTo(Dst.Handle(), Rect(0, 0, 8, 8), Rect(0, 0, 4, 4));  // stretched 2×
  GdiFlush();
  EXPECT_EQ(Dst.Pixel(1, 1) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(Dst.Pixel(7, 7) & 0xFFFFFF, 0x0000FFu);
  TBitmap32 Back;
  Back.SetSize(4, 4);
  Back.Draw(Rect(0, 0, 4, 4), Rect(0, 0, 8, 8), Dst.Handle());
  EXPECT_EQ(Back.Pixel(0, 0) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(Back.Pixel(3, 3) & 0xFFFFFF, 0x0000FFu);
}

TEST(Bitmap32DIB, LoadsBitmapResources) {
  TBitmap32 B;
  B.LoadFromResourceID(nullptr, OBM_CHECK);  // one of the system's predefined bitmaps
  ASSERT_FALSE(B.Empty());
  bool Opaque = true;
  for (int I = 0; I < B.Width() * B.Height(); ++I) Opaque &= (B.Bits()[I] >> 24) == 255;
  EXPECT_TRUE(Opaque);
  int W = B.Width();
  EXPECT_THROW(B.LoadFromResourceName(GetModuleHandleW(nullptr), L"NO_SUCH_BITMAP"),
               EInvalidGraphic);
  EXPECT_EQ(B.Width(), W);
}
