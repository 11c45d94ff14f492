#include <gtest/gtest.h>

#include <functional>

#include "graphics/QvGR32LibPng.h"

using namespace qv;

namespace {

// A W x H RGBA PNG whose pixels name their position.
TDecodedImage MakePng(int W, int H, uint8_t ColorType = pngRGBAlpha) {
  TDecodedImage P;
  P.Format = ifPNG;
  P.Width = W;
  P.Height = H;
  P.Png.Width = uint32_t(W);
  P.Png.Height = uint32_t(H);
  P.Png.BitDepth = 8;
  P.Png.ColorType = ColorType;
  P.RGBA.resize(size_t(W) * H * 4);
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X) {
      uint8_t* Q = &P.RGBA[(size_t(Y) * W + X) * 4];
      Q[0] = uint8_t(X), Q[1] = uint8_t(Y), Q[2] = 7, Q[3] = 200;
    }
  return P;
}

TPoint PixelOf(const TDecodedImage& P, int X, int Y) {
  const uint8_t* Q = &P.RGBA[(size_t(Y) * P.Width + X) * 4];
  EXPECT_EQ(Q[2], 7);
  EXPECT_EQ(Q[3], 200);
  return {Q[0], Q[1]};
}

void ExpectMapping(const TDecodedImage& P, int W, int H,
                   const std::function<TPoint(int, int)>& Want) {
  ASSERT_EQ(P.Width, W);
  ASSERT_EQ(P.Height, H);
  ASSERT_EQ(P.RGBA.size(), size_t(W) * H * 4);
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X) ASSERT_EQ(PixelOf(P, X, Y), Want(X, Y)) << X << "," << Y;
}

// One axis of a nine-block resize: fixed ends, the middle repeated from position 0.
int Axis(int D, int First, int Last, int Size, int MidStart, int MidLen) {
  if (D < First) return D;
  if (D >= Size - Last) return MidStart + MidLen + (D - (Size - Last));
  return MidStart + D % MidLen;
}

TEST(SlicingPng, SplitsKeepTheHeaderAndTakeTheRemainderWhereSaid) {
  TDecodedImage Png = MakePng(70, 11, pngGreyAlpha);
  TPngArray Parts;
  EXPECT_EQ(SplitePng(Png, 4, Parts), 17);
  ASSERT_EQ(Parts.size(), 4u);
  ExpectMapping(*Parts[3], 17, 11, [](int X, int Y) { return TPoint{51 + X, Y}; });
  EXPECT_EQ(Parts[3]->Png.ColorType, pngGreyAlpha);
  EXPECT_EQ(Parts[3]->Png.Width, 17u);
  EXPECT_EQ(SplitePng(Png, 0, Parts), 0);
  EXPECT_TRUE(Parts.empty());

  TPngArray3Block Three;
  SplitePngTo3horzBlock(Png, Three);
  ExpectMapping(*Three[2], 24, 11, [](int X, int Y) { return TPoint{46 + X, Y}; });
  SplitePngTo3vertBlock(Png, Three);
  ExpectMapping(*Three[2], 70, 5, [](int X, int Y) { return TPoint{X, 6 + Y}; });
  SplitePngTo3horzBlock(Png, 5, Three);
  ExpectMapping(*Three[1], 60, 11, [](int X, int Y) { return TPoint{5 + X, Y}; });
  ExpectMapping(*Three[2], 5, 11, [](int X, int Y) { return TPoint{65 + X, Y}; });
  SplitePngTo3horzBlock(Png, 23, Three);  // not below W div 3: thirds
  EXPECT_EQ(Three[0]->Width, 23);

  TPngArray9Block Nine;
  SplitePngTo9Block(Png, Nine);
  ExpectMapping(*Nine[8], 24, 5, [](int X, int Y) { return TPoint{46 + X, 6 + Y}; });
  ExpectMapping(*Nine[1], 23, 3, [](int X, int Y) { return TPoint{23 + X, Y}; });
  FreeArray9BlockPng(Nine);
  EXPECT_EQ(Nine[4], nullptr);
}

TEST(SlicingPng, CropCopiesOrRaisesAndLeavesTheTarget) {
  TDecodedImage Png = MakePng(10, 6), Target = MakePng(2, 2);
  CropPNG(Png, 7, 3, Target, 3, 3);
  ExpectMapping(Target, 3, 3, [](int X, int Y) { return TPoint{7 + X, 3 + Y}; });
  for (TRect Bad : {Rect(8, 0, 3, 1), Rect(0, 4, 1, 3), Rect(-1, 0, 1, 1), Rect(0, 0, -1, 1)}) {
    EXPECT_THROW(CropPNG(Png, Bad.Left, Bad.Top, Target, Bad.Bottom, Bad.Right), EInvalidGraphic);
    EXPECT_EQ(Target.Width, 3);
  }
  try {
    CropPNG(Png, 9, 0, Target, 1, 2);
  } catch (const EInvalidGraphic& E) {
    EXPECT_EQ(E.Message(), L"Invalid position/size");
  }
  CropPNG(Png, 2, 1, Target, 3, 0);  // no columns: an empty picture
  EXPECT_EQ(Target.Width, 0);
  EXPECT_TRUE(Target.RGBA.empty());
  TDecodedImage Into = MakePng(4, 1);
  CopyPng(Png, Into, 5, 2);
  ExpectMapping(Into, 4, 1, [](int X, int) { return TPoint{5 + X, 2}; });
}

TEST(SlicingPng, NineBlockResizeRepeatsFromTheOrigin) {
  TDecodedImage Png = MakePng(6, 6);
  auto Same = ResizePng(Png, 6, 6);
  EXPECT_EQ(Same->RGBA, Png.RGBA);
  auto Big = ResizePng(Png, 11, 8);
  ExpectMapping(*Big, 11, 8, [](int X, int Y) {
    return TPoint{Axis(X, 2, 2, 11, 2, 2), Axis(Y, 2, 2, 8, 2, 2)};
  });
  EXPECT_EQ(Big->Png.ColorType, pngRGBAlpha);

  // Explicit cuts: columns [0,1) [1,5) [5,6), rows [0,1) [1,4) [4,6).
  auto Cut = ResizePng(Png, 9, 9, Rect(1, 0, 5, 0), Rect(0, 1, 0, 4));
  ExpectMapping(*Cut, 9, 9, [](int X, int Y) {
    return TPoint{Axis(X, 1, 1, 9, 1, 4), Axis(Y, 1, 2, 9, 1, 3)};
  });
  for (auto [Cols, Rows] : {std::pair{Rect(-1, 0, 5, 0), Rect(0, 1, 0, 4)},
                            std::pair{Rect(4, 0, 2, 0), Rect(0, 1, 0, 4)},
                            std::pair{Rect(1, 0, 5, 0), Rect(0, 1, 0, 7)}}) {
    auto Fallback = ResizePng(Png, 11, 8, Cols, Rows);
    EXPECT_EQ(Fallback->RGBA, Big->RGBA);
  }
}

TEST(SlicingPng, ThreePartResizes) {
  TDecodedImage Wide = MakePng(9, 2);
  ExpectMapping(*ResizeHorzPng(Wide, 20, 2), 20, 2, [](int X, int Y) {
    return TPoint{X < 2 ? X : X >= 18 ? 7 + X - 18 : 2 + X % 5, Y};
  });
  ExpectMapping(*ResizeHorzPng(Wide, 3, 0), 3, 2, [](int X, int Y) { return TPoint{X, Y}; });
  ExpectMapping(*ResizeHorzPng(Wide, 2, 0), 2, 2, [](int X, int Y) { return TPoint{X, Y}; });
  EXPECT_EQ(ResizeHorzPng(Wide, -4, 0)->Width, 0);

  TDecodedImage Tall = MakePng(2, 9);
  ExpectMapping(*ResizeVertPng(Tall, 20), 2, 20, [](int X, int Y) {
    return TPoint{X, Y < 3 ? Y : Y >= 17 ? 6 + Y - 17 : 3 + Y % 3};
  });
  ExpectMapping(*ResizeVertPng(Tall, 3), 2, 3, [](int X, int Y) { return TPoint{X, Y}; });
  EXPECT_EQ(ResizeVertPng(Tall, 0)->Height, 0);
}

TEST(SlicingPng, RepeatStartsItsPatternAtItsOrigin) {
  TDecodedImage Piece = MakePng(3, 2), Target = MakePng(8, 5);
  RepeatPng(Piece, Target, 2, 1, 5, 3);
  ExpectMapping(Target, 8, 5, [](int X, int Y) {
    bool In = X >= 2 && X < 7 && Y >= 1 && Y < 4;
    return In ? TPoint{(X - 2) % 3, (Y - 1) % 2} : TPoint{X, Y};
  });
  RepeatPng(Piece, Target, -5, -5, 100, 100);  // from (0, 0), cut at the target's edges
  ExpectMapping(Target, 8, 5, [](int X, int Y) { return TPoint{X % 3, Y % 2}; });
  TDecodedImage Empty;
  RepeatPng(Empty, Target, 0, 0, 8, 5);
  RepeatPng(Piece, Empty, 0, 0, 8, 5);
}

TEST(SlicingPng, DrawingOntoSurfaces) {
  TDecodedImage Png = MakePng(4, 2);
  TBitmap32 B;
  PngToBitmap32(Png, B);
  EXPECT_EQ(B.DrawMode(), dmBlend);
  EXPECT_EQ(B.Pixel(3, 1), Color32(3, 1, 7, 200));
  TDecodedImage Opaque = MakePng(4, 2, pngRGB);
  PngToBitmap32(Opaque, B);
  EXPECT_EQ(B.DrawMode(), dmOpaque);

  TBitmap32 Dst;
  Dst.SetSize(6, 3);
  Dst.Clear(0xFF000000);
  DrawPng(Png, 1, 1, &Dst);  // blended with the alpha of 200
  EXPECT_EQ(Dst.Pixel(2, 1), BlendReg(Color32(1, 0, 7, 200), 0xFF000000));
  EXPECT_EQ(Dst.Pixel(0, 0), 0xFF000000u);

  Dst.SetSize(4, 2);
  Png2Bitmap(Opaque, &Dst, false);  // the same size: tiled, copied
  EXPECT_EQ(Dst.Pixel(3, 1), Color32(3, 1, 7, 200));
  Dst.SetSize(8, 2);
  Png2Bitmap(Opaque, &Dst, false);  // stretched with fixed ends
  EXPECT_EQ(Dst.Pixel(7, 1), Color32(3, 1, 7, 200));
  EXPECT_EQ(Dst.Pixel(0, 0), Color32(0, 0, 7, 200));

  Dst.SetSize(8, 8);
  DrawPng(Png, &Dst, ftStretch);  // scaled by 8 / 4: the target takes 8 x 4
  EXPECT_EQ(Dst.Width(), 8);
  EXPECT_EQ(Dst.Height(), 4);

  TPngArray9Block Nine;
  SplitePngTo9Block(MakePng(6, 6), Nine);
  Nine[5]->Png.ColorType = pngRGB;
  TBmp32Array9Block Bmp9;
  Pngs2Bmps(Nine, Bmp9, true);
  EXPECT_EQ(Bmp9[2][1]->DrawMode(), dmOpaque);  // block 5: row 1, column 2
  EXPECT_EQ(Bmp9[2][1]->Pixel(0, 0), Color32(4, 2, 7, 200));
  EXPECT_EQ(Bmp9[1][2]->DrawMode(), dmBlend);
  Pngs2Bmps(Nine, Bmp9, false);
  EXPECT_EQ(Bmp9[1][2]->DrawMode(), dmOpaque);
  TPngArray Parts;
  SplitePng(Png, 2, Parts);
  TBmp32Array Bmps;
  Pngs2Bmps(Parts, Bmps);
  ASSERT_EQ(Bmps.size(), 2u);
  EXPECT_EQ(Bmps[1]->Pixel(0, 0), Color32(2, 0, 7, 200));

  TBitmap32 Framed;  // nine blocks over what the bitmap holds, blended
  Framed.SetSize(10, 9);
  ExtendPicture(MakePng(6, 6), &Framed);
  EXPECT_EQ(Framed.Pixel(9, 8), BlendReg(Color32(5, 5, 7, 200), 0));
  EXPECT_EQ(Framed.Pixel(0, 0), BlendReg(Color32(0, 0, 7, 200), 0));

  TDecodedImage Empty;
  for (TQvPngFillType T : {ftNormal, ftTile, ftAutoStretch, ftCenter, ftStretch, ftGradient})
    DrawPng(Empty, &Dst, T);
  EXPECT_EQ(Dst.Width(), 8);
}

}  // namespace
