#include <gtest/gtest.h>
#include <windows.h>

#include "GraphicsTestSupport.h"
#include "host/ImageList.h"

using namespace qv;
using namespace qvtest;

namespace {

// The box around every pixel that is not Background (empty when there is none).
TRect InkBox(TBitmap& B, TColor Background) {
  TRect R{B.Width(), B.Height(), 0, 0};
  for (int Y = 0; Y < B.Height(); ++Y)
    for (int X = 0; X < B.Width(); ++X)
      if (PixelAt(B, X, Y) != Background) {
        R.Left = std::min(R.Left, X);
        R.Top = std::min(R.Top, Y);
        R.Right = std::max(R.Right, X + 1);
        R.Bottom = std::max(R.Bottom, Y + 1);
      }
  return R.IsEmpty() ? TRect{} : R;
}

void SetPixel32(TBitmap& B, int X, int Y, TColor C, uint8_t A = 255) {
  uint8_t* P = B.ScanLine(Y) + X * 4;
  P[0] = uint8_t(C >> 16);
  P[1] = uint8_t(C >> 8);
  P[2] = uint8_t(C);
  P[3] = A;
}

}  // namespace

TEST(Canvas, ShapesSetTheExpectedPixels) {
  TBitmap B(40, 30, pf32bit);
  TCanvas& C = B.Canvas();
  Fill(B, clWhite);
  C.Brush().SetColor(clRed);
  C.FillRect(Rect(2, 2, 6, 6));
  C.Brush().SetColor(clBlue);
  C.FrameRect(Rect(10, 2, 16, 8));
  C.Pen().SetColor(clLime);
  C.Brush().SetColor(clYellow);
  C.Rectangle(20, 2, 26, 8);
  C.Pen().SetColor(clBlack);
  C.MoveTo(0, 20);
  C.LineTo(10, 20);
  C.SetPixels(30, 25, clFuchsia);
  const struct {
    int X, Y;
    TColor Color;
  } Expect[] = {
      {2, 2, clRed},       {5, 5, clRed},    {6, 6, clWhite},   {1, 1, clWhite},   // FillRect
      {10, 2, clBlue},     {15, 7, clBlue},  {12, 4, clWhite},  {16, 8, clWhite},  // FrameRect
      {20, 2, clLime},     {25, 7, clLime},  {22, 4, clYellow}, {26, 8, clWhite},  // Rectangle
      {0, 20, clBlack},    {9, 20, clBlack}, {10, 20, clWhite}, {5, 21, clWhite},  // LineTo
      {30, 25, clFuchsia},
  };
  for (auto& E : Expect) EXPECT_EQ(PixelAt(B, E.X, E.Y), E.Color) << E.X << "," << E.Y;
  EXPECT_EQ(C.PenPos(), (TPoint{10, 20}));
  EXPECT_EQ(C.Pixels(30, 25), clFuchsia);

  // A changed pen is deselected before its old handle goes, and the new one draws.
  HPEN Old = C.Pen().Handle();
  C.Pen().SetWidth(3);
  EXPECT_EQ(GetObjectType(Old), 0u);
  C.MoveTo(0, 26);
  C.LineTo(20, 26);
  EXPECT_EQ(PixelAt(B, 5, 27), clBlack);
  // A clear brush leaves the inside of a rectangle alone.
  C.Pen().SetWidth(1);
  C.Brush().SetStyle(bsClear);
  C.Rectangle(0, 0, 40, 30);
  EXPECT_EQ(PixelAt(B, 3, 3), clRed);
}

TEST(Canvas, TextLandsInsideItsExtentAndFollowsTheFont) {
  TBitmap B(300, 80, pf24bit);
  TCanvas& C = B.Canvas();
  Fill(B, clWhite);
  C.Brush().SetStyle(bsClear);
  C.Font().SetColor(clBlack);
  TSize S = C.TextExtent(L"Hello");
  EXPECT_GT(S.cx, 10);
  EXPECT_GE(S.cy, 11);  // the font's cell is at least its -11 pixel character height
  C.TextOut(10, 5, L"Hello");
  EXPECT_EQ(C.PenPos(), (TPoint{10 + S.cx, 5}));
  TRect Ink = InkBox(B, clWhite);
  ASSERT_FALSE(Ink.IsEmpty());
  EXPECT_GE(Ink.Left, 10);
  EXPECT_GE(Ink.Top, 5);
  EXPECT_LE(Ink.Right, 10 + S.cx);
  EXPECT_LE(Ink.Bottom, 5 + S.cy);

  // The font's old handle is deselected and freed; the new size measures larger.
  HFONT Old = C.Font().Handle();
  C.Font().SetSize(20);
  EXPECT_EQ(GetObjectType(Old), 0u);
  EXPECT_GT(C.TextHeight(L"Hello"), S.cy);

  // Chinese text through the mapped UI font.
  Fill(B, clWhite);
  C.Brush().SetStyle(bsClear);
  C.Font().SetName(L"Microsoft YaHei");
  C.Font().SetColor(clRed);
  TSize Cn = C.TextExtent(L"中文");
  EXPECT_GT(Cn.cx, 20);
  C.TextOut(0, 0, L"中文");
  Ink = InkBox(B, clWhite);
  EXPECT_FALSE(Ink.IsEmpty());
  EXPECT_LE(Ink.Right, Cn.cx);

  // TextRect clips to its rectangle and paints the background with a solid brush.
  Fill(B, clWhite);
  C.Brush().SetColor(clYellow);
  C.Font().SetColor(clBlack);
  C.TextRect(Rect(0, 0, 30, 40), 0, 0, L"WWWWWWWWWW");
  EXPECT_EQ(PixelAt(B, 29, 39), clYellow);
  EXPECT_EQ(InkBox(B, clWhite), Rect(0, 0, 30, 40));

  // Laid-out text: word breaks make the measured rectangle taller than one line.
  TRect R = Rect(0, 0, 60, 0);
  String Text = L"one two three four five six";
  C.TextRect(R, Text, {tfCalcRect, tfWordBreak});
  EXPECT_GT(R.Height(), C.TextHeight(L"one"));
}

TEST(Canvas, AttachedDeviceContextGetsItsObjectsBack) {
  HDC DC = CreateCompatibleDC(nullptr);
  HGDIOBJ Font0 = GetCurrentObject(DC, OBJ_FONT), Pen0 = GetCurrentObject(DC, OBJ_PEN),
          Brush0 = GetCurrentObject(DC, OBJ_BRUSH);
  {
    TCanvas C;
    C.SetHandle(DC);
    C.TextExtent(L"x");
    C.MoveTo(0, 0);
    C.LineTo(1, 1);
    EXPECT_NE(GetCurrentObject(DC, OBJ_FONT), Font0);
    C.SetHandle(nullptr);
    EXPECT_EQ(GetCurrentObject(DC, OBJ_FONT), Font0);
    EXPECT_EQ(GetCurrentObject(DC, OBJ_PEN), Pen0);
    EXPECT_EQ(GetCurrentObject(DC, OBJ_BRUSH), Brush0);
    EXPECT_THROW(C.FillRect(Rect(0, 0, 1, 1)), EInvalidOperation);
  }
  DeleteDC(DC);
}

TEST(Canvas, DrawsBitmapsPlainStretchedTransparentAndBlended) {
  TBitmap Src(2, 2, pf32bit);
  const TColor C00 = clRed, C10 = clLime, C01 = clBlue, C11 = clYellow;
  SetPixel32(Src, 0, 0, C00);
  SetPixel32(Src, 1, 0, C10);
  SetPixel32(Src, 0, 1, C01);
  SetPixel32(Src, 1, 1, C11);
  TBitmap Dst(10, 10, pf32bit);
  Fill(Dst, clWhite);
  Dst.Canvas().Draw(1, 1, &Src);
  EXPECT_EQ(PixelAt(Dst, 1, 1), C00);
  EXPECT_EQ(PixelAt(Dst, 2, 1), C10);
  EXPECT_EQ(PixelAt(Dst, 1, 2), C01);
  EXPECT_EQ(PixelAt(Dst, 2, 2), C11);
  EXPECT_EQ(PixelAt(Dst, 3, 3), clWhite);
  Dst.Canvas().StretchDraw(Rect(4, 4, 8, 8), &Src);
  EXPECT_EQ(PixelAt(Dst, 5, 5), C00);
  EXPECT_EQ(PixelAt(Dst, 6, 4), C10);
  EXPECT_EQ(PixelAt(Dst, 4, 7), C01);
  EXPECT_EQ(PixelAt(Dst, 7, 7), C11);

  // Transparent: the bottom-left colour is left out.
  Fill(Dst, clWhite);
  Src.SetTransparent(true);
  EXPECT_EQ(Src.TransparentColor(), C01);
  Dst.Canvas().Draw(0, 0, &Src);
  EXPECT_EQ(PixelAt(Dst, 0, 1), clWhite);
  EXPECT_EQ(PixelAt(Dst, 1, 1), C11);
  Src.SetTransparent(false);

  // Straight alpha: half-transparent red over white.
  SetPixel32(Src, 0, 0, clRed, 128);
  Src.SetAlphaFormat(afDefined);
  Fill(Dst, clWhite);
  Dst.Canvas().Draw(0, 0, &Src);
  TColor P = PixelAt(Dst, 0, 0);
  EXPECT_EQ(P & 0xFF, 255);
  EXPECT_NEAR((P >> 8) & 0xFF, 127, 1);
  EXPECT_NEAR((P >> 16) & 0xFF, 127, 1);
  EXPECT_EQ(PixelAt(Dst, 1, 0), C10);

  // Resizing keeps the overlapping pixels, alpha included.
  Src.SetSize(3, 3);
  EXPECT_EQ(Src.ScanLine(0)[3], 128);
  EXPECT_EQ(PixelAt(Src, 1, 1), C11);
  // Nothing to draw: no change and no error.
  TBitmap Empty;
  Dst.Canvas().Draw(0, 0, &Empty);
  Dst.Canvas().Draw(0, 0, nullptr);
}

TEST(ImageList, AddsStripsAndDrawsByIndex) {
  TCustomImageList L(nullptr);
  L.SetSize(4, 4);
  TBitmap Strip(8, 4, pf24bit);
  Strip.Canvas().Brush().SetColor(clRed);
  Strip.Canvas().FillRect(Rect(0, 0, 4, 4));
  Strip.Canvas().Brush().SetColor(clBlue);
  Strip.Canvas().FillRect(Rect(4, 0, 8, 4));
  EXPECT_EQ(L.Add(&Strip, nullptr), 0);
  EXPECT_EQ(L.Count(), 2);

  TBitmap Masked(4, 4, pf24bit);
  Fill(Masked, clWhite);
  Masked.Canvas().Brush().SetColor(clRed);
  Masked.Canvas().FillRect(Rect(1, 1, 3, 3));
  EXPECT_EQ(L.AddMasked(&Masked, clWhite), 2);
  EXPECT_EQ(PixelAt(Masked, 0, 0), clWhite) << "the caller's bitmap is left alone";

  TBitmap Dst(12, 4, pf24bit);
  Fill(Dst, clLime);
  L.Draw(Dst.Canvas(), 0, 0, 1);
  L.Draw(Dst.Canvas(), 4, 0, 2);
  EXPECT_EQ(PixelAt(Dst, 2, 2), clBlue);
  EXPECT_EQ(PixelAt(Dst, 4, 0), clLime);  // masked corner shows what was there
  EXPECT_EQ(PixelAt(Dst, 5, 1), clRed);
  L.Draw(Dst.Canvas(), 8, 0, 7);  // out of range: nothing
  EXPECT_EQ(PixelAt(Dst, 9, 1), clLime);

  TBitmap Got;
  L.GetBitmap(0, Got);
  EXPECT_EQ(Got.Width(), 4);
  EXPECT_EQ(PixelAt(Got, 3, 3), clRed);
  L.Delete(0);
  EXPECT_EQ(L.Count(), 2);
  EXPECT_THROW(L.Delete(5), EInvalidOperation);
  L.SetSize(8, 8);  // a new size empties the list
  EXPECT_EQ(L.Count(), 0);
}

// Every GDI object the canvas and pictures create is freed again. Wine reports no GDI
// counts, but hands out the lowest free handle slot, so a leak shows as a growing slot
// index of a fresh object.
TEST(Canvas, DrawingCyclesLeakNoGdiObjects) {
  auto Slot = [] {
    HBRUSH Probe = CreateSolidBrush(0);
    uintptr_t S = uintptr_t(Probe) & 0xFFFF;
    DeleteObject(Probe);
    return S;
  };
  TBitmap Picture(3, 3, pf32bit);
  Picture.SetAlphaFormat(afDefined);
  auto Cycle = [&] {
    TBitmap B(16, 16, pf32bit);
    TCanvas& C = B.Canvas();
    C.Font().SetSize(9 + rand() % 3);
    C.Pen().SetWidth(2);
    C.Brush().SetColor(clRed);
    C.Rectangle(0, 0, 8, 8);
    C.TextOut(0, 0, L"x");
    C.Draw(1, 1, &Picture);
    B.SetSize(20, 20);  // a new bitmap and device context
    C.FillRect(Rect(0, 0, 4, 4));
    Picture.SetTransparent(!Picture.Transparent());
  };
  for (int I = 0; I < 20; ++I) Cycle();
  uintptr_t Before = Slot();
  for (int I = 0; I < 300; ++I) Cycle();
  EXPECT_LT(Slot(), Before + 20);
}
