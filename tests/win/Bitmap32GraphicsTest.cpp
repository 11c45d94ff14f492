#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

#include "host/Canvas.h"
#include "host/Graphics.h"
#include "raster/Bitmap32.h"

using namespace qv;

TEST(Bitmap32Graphics, BitmapsKeepAlphaOnlyWith32Bits) {
  for (TPixelFormat F : {pf24bit, pf32bit}) {
    TBitmap B(2, 1, F);
    uint8_t* Row = B.ScanLine(0);
    int Bpp = F == pf32bit ? 4 : 3;
    const uint8_t Px[2][4] = {{10, 20, 30, 40}, {0, 0, 255, 128}};  // B, G, R, A
    for (int X = 0; X < 2; ++X) std::memcpy(Row + X * Bpp, Px[X], size_t(Bpp));
    TBitmap32 S;
    S.Assign(&B);
    ASSERT_EQ(S.Width(), 2);
    EXPECT_EQ(S.Pixel(0, 0), F == pf32bit ? 0x281E140Au : 0xFF1E140Au);
    // A transparent bitmap loses the alpha of its transparent colour, RGB kept.
    B.SetTransparentColor(clRed);
    B.SetTransparentMode(tmFixed);
    B.SetTransparent(true);
    S.Assign(&B);
    EXPECT_EQ(S.Pixel(1, 0), 0x00FF0000u);
    EXPECT_EQ(S.Pixel(0, 0) >> 24, F == pf32bit ? 0x28u : 0xFFu);
  }
}

TEST(Bitmap32Graphics, MetafilesAndIconsGetAlphaFromCoverage) {
  // A metafile covering only the left half of its frame.
  RECT Frame{0, 0, 2540 * 10 / 96, 2540 * 10 / 96};
  HDC Rec = CreateEnhMetaFileW(nullptr, nullptr, &Frame, nullptr);
  HBRUSH Green = CreateSolidBrush(RGB(0, 255, 0));
  RECT Half{0, 0, 5, 10};
  FillRect(Rec, &Half, Green);
  DeleteObject(Green);
  TMetafile M;
  M.SetHandle(CloseEnhMetaFile(Rec));
  TPicture P;
  P.SetGraphic(&M);
  TCustomBitmap32 S;  // a memory surface takes pictures too
  S.Assign(&P);
  ASSERT_GE(S.Width(), 9);
  EXPECT_EQ(S.Pixel(1, 5), 0xFF00FF00u);
  EXPECT_EQ(S.Pixel(S.Width() - 2, 5) >> 24, 0u);
  // A 32-bit icon keeps its straight alpha exactly.
  TBitmap Color(4, 4, pf32bit), Mask(4, 4, pf24bit);
  for (int Y = 0; Y < 4; ++Y)
    for (int X = 0; X < 4; ++X) {
      uint8_t* Px = Color.ScanLine(Y) + X * 4;
      Px[0] = 200, Px[1] = 100, Px[2] = 50, Px[3] = X == 0 ? 255 : 64;
    }
  Mask.Canvas().Brush().SetColor(clBlack);
  Mask.Canvas().FillRect(Rect(0, 0, 4, 4));
  Color.FreeContext();
  Mask.FreeContext();
  ICONINFO II{TRUE, 0, 0, Mask.Handle(), Color.Handle()};
  TIcon I;
  I.SetHandle(CreateIconIndirect(&II));
  TBitmap32 B;
  B.Assign(&I);
  ASSERT_EQ(B.Width(), 4);
  EXPECT_EQ(B.Pixel(0, 0), 0xFF3264C8u);
  EXPECT_EQ(B.Pixel(2, 2), 0x403264C8u);
}

TEST(Bitmap32Graphics, CanvasDrawsOnTheSurfacePixels) {
  TBitmap32 B;
  B.SetSize(8, 8);
  ASSERT_NE(B.Canvas(), nullptr);
  B.Canvas()->Brush().SetColor(clBlue);
  B.Canvas()->FillRect(Rect(0, 0, 4, 4));
  GdiFlush();
  EXPECT_EQ(B.Pixel(1, 1) & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(B.Pixel(6, 6), 0u);
  B.SetSize(16, 16);  // a new device context: the canvas follows it
  B.Canvas()->FillRect(Rect(8, 8, 16, 16));
  GdiFlush();
  EXPECT_EQ(B.Pixel(12, 12) & 0xFFFFFF, 0x0000FFu);
}
