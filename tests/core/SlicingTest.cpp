#include <gtest/gtest.h>

#include <functional>

#include "graphics/QvGR32LibSlicing.h"

using namespace qv;

namespace {

// Opaque pixel naming its position.
constexpr TColor32 At(int X, int Y) {
  return Color32(uint8_t(X), uint8_t(Y), 0x77);
}
constexpr TColor32 Untouched = 0x0BADF00D;

void Fill(TCustomBitmap32& B, int W, int H, TDrawMode Mode = dmOpaque) {
  B.SetSize(W, H);
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X) B.SetPixel(X, Y, At(X, Y));
  B.SetDrawMode(Mode);
}

// Checks every pixel of Dst against Want(X, Y), which answers the source position it must
// show or (-1, -1) for an untouched pixel.
void ExpectMapping(const TCustomBitmap32& Dst, const std::function<TPoint(int, int)>& Want) {
  for (int Y = 0; Y < Dst.Height(); ++Y)
    for (int X = 0; X < Dst.Width(); ++X) {
      TPoint P = Want(X, Y);
      TColor32 Expected = P.X < 0 ? Untouched : At(P.X, P.Y);
      ASSERT_EQ(Dst.Pixel(X, Y), Expected) << "at " << X << "," << Y;
    }
}

// Source position of one axis of a nine-slice: caps kept, the middle by Middle(offset).
int Axis(int D, int Cap0, int Cap1, int DstSize, int SrcSize, const std::function<int(int)>& Mid) {
  if (D < Cap0) return D;
  if (D >= DstSize - (SrcSize - Cap1)) return D - (DstSize - SrcSize);
  return Mid(D - Cap0);
}

TEST(Slicing, StretchBitmapKeepsCornersStretchesSidesAndTilesTopAndBottom) {
  // 30 x 30 into 100 x 40: caps of 10; centre (10,10,20,20) fills (10,10,90,30).
  TBitmap32 Src, Dst;
  Fill(Src, 30, 30);
  Dst.SetSize(100, 40);
  StretchBitmap(&Src, &Dst, false);
  ExpectMapping(Dst, [](int X, int Y) {
    bool TopOrBottom = Y < 10 || Y >= 30;
    // Top and bottom edges repeat their 10 columns; everything else is stretched.
    int SX = Axis(X, 10, 20, 100, 30,
                  [&](int O) { return TopOrBottom ? 10 + O % 10 : 10 + O * 10 / 80; });
    int SY = Axis(Y, 10, 20, 40, 30, [](int O) { return 10 + O * 10 / 20; });
    return TPoint{SX, SY};
  });
}

TEST(Slicing, StretchBitmapLeavesAnAxisOfEqualSizeAlone) {
  struct Case {
    int SW, SH, DW, DH;
  };
  for (Case C :
       {Case{30, 30, 30, 50}, Case{30, 30, 50, 30}, Case{30, 30, 30, 30}, Case{7, 5, 7, 5}}) {
    SCOPED_TRACE(testing::Message() << C.SW << "x" << C.SH << " -> " << C.DW << "x" << C.DH);
    for (bool GDI : {false, true}) {
      TBitmap32 Src, Dst;
      Fill(Src, C.SW, C.SH);
      Dst.SetSize(C.DW, C.DH);
      StretchBitmap(&Src, &Dst, GDI);
      int A = C.SW / 3, B = C.SH / 3;
      ExpectMapping(Dst, [&](int X, int Y) {
        int SX = C.SW == C.DW ? X : Axis(X, A, 2 * A, C.DW, C.SW, [&](int O) {
          // Without GDI the top and bottom edges tile; with equal heights that is every row.
          bool Edge = !GDI && (C.SH == C.DH || Y < B || Y >= C.DH - (C.SH - 2 * B));
          return Edge ? A + O % A : A + O * A / (C.DW - 2 * A - (C.SW - 3 * A));
        });
        int SY = C.SH == C.DH ? Y : Axis(Y, B, 2 * B, C.DH, C.SH, [&](int O) {
          return B + O * B / (C.DH - 2 * B - (C.SH - 3 * B));
        });
        return TPoint{SX, SY};
      });
    }
  }
}

TEST(Slicing, CapInsetsBlendByDrawModeOrCopyUnblendedWithGDI) {
  TBitmap32 Src;
  Src.SetSize(9, 9);
  Src.Clear(0x80FF0000);
  Src.SetDrawMode(dmBlend);
  for (bool GDI : {false, true}) {
    TBitmap32 Dst;
    Dst.SetSize(20, 15);
    Dst.Clear(0xFF0000FF);
    DrawBitmapCapInsets(&Src, &Dst, Rect(3, 3, 6, 6), GDI);
    TColor32 Want = GDI ? 0x80FF0000 : CombineReg(0x80FF0000, 0xFF0000FF, 0x80);
    for (TPoint P : {TPoint{0, 0}, TPoint{10, 0}, TPoint{19, 14}, TPoint{10, 7}, TPoint{0, 7}})
      EXPECT_EQ(Dst.Pixel(P.X, P.Y), Want) << (GDI ? "GDI " : "") << P.X << "," << P.Y;
  }
}

TEST(Slicing, TileBitmapRepeatsFromItsOffset) {
  struct Case {
    int OX, OY;
  };
  for (Case C : {Case{0, 0}, Case{1, 1}, Case{-1, -2}, Case{2, 0}, Case{-7, 4}}) {
    SCOPED_TRACE(testing::Message() << "offset " << C.OX << "," << C.OY);
    TBitmap32 Src, Dst;
    Fill(Src, 3, 2);
    Dst.SetSize(8, 5);
    Dst.Clear(Untouched);
    TileBitmap(&Src, &Dst, C.OX, C.OY);
    // Columns OX .. OX + (8 div 3 + 1)·3 − 1 and rows OY .. OY + (5 div 2 + 1)·2 − 1.
    ExpectMapping(Dst, [&](int X, int Y) {
      if (X < C.OX || X >= C.OX + 9 || Y < C.OY || Y >= C.OY + 6) return TPoint{-1, -1};
      return TPoint{(X - C.OX) % 3, (Y - C.OY) % 2};
    });
  }
}

TEST(Slicing, OneAxisTilingCutsTheLastTile) {
  TBitmap32 Src;
  Fill(Src, 20, 12);
  const TRect Part = Rect(4, 2, 14, 6);  // 10 x 4
  struct Case {
    TRect To;
    bool Drawn;
  };
  const Case Cases[] = {
      {Rect(1, 3, 26, 7), true},   // 25 wide, same height: tiles of 10, 10 and 5
      {Rect(2, 0, 12, 9), true},   // same width, 9 high: tiles of 4, 4 and 1
      {Rect(0, 0, 11, 5), false},  // neither size agrees
      {Rect(5, 5, 5, 9), false},   // empty
  };
  for (const Case& C : Cases) {
    TBitmap32 Dst;
    Dst.SetSize(30, 12);
    Dst.Clear(Untouched);
    TileBitmap(&Src, &Dst, Part, C.To);
    ExpectMapping(Dst, [&](int X, int Y) {
      if (!C.Drawn || X < C.To.Left || X >= C.To.Right || Y < C.To.Top || Y >= C.To.Bottom)
        return TPoint{-1, -1};
      return TPoint{Part.Left + (X - C.To.Left) % 10, Part.Top + (Y - C.To.Top) % 4};
    });
  }
}

TEST(Slicing, PiecesDropTheRemainder) {
  TBitmap32 Img;
  Fill(Img, 70, 11);
  TDynQvSkinImage Parts;
  SpliteImg(&Img, 4, Parts);
  ASSERT_EQ(Parts.size(), 4u);
  for (int I = 0; I < 4; ++I) {
    ASSERT_EQ(Parts[I]->Width(), 17);
    ASSERT_EQ(Parts[I]->Height(), 11);
    EXPECT_EQ(Parts[I]->Pixel(16, 10), At(I * 17 + 16, 10));
  }
  SpliteVertImg(&Img, 3, Parts);
  ASSERT_EQ(Parts.size(), 3u);
  EXPECT_EQ(Parts[2]->Height(), 3);
  EXPECT_EQ(Parts[2]->Pixel(69, 0), At(69, 6));

  struct Case {
    int Cap;
    int Widths[3], Lefts[3];
  };
  for (Case C : {Case{5, {5, 60, 5}, {0, 5, 65}}, Case{0, {23, 23, 23}, {0, 23, 46}},
                 Case{23, {23, 23, 23}, {0, 23, 46}}, Case{-4, {23, 23, 23}, {0, 23, 46}}}) {
    SpliteHorz3Img(&Img, C.Cap, Parts);
    ASSERT_EQ(Parts.size(), 3u);
    for (int I = 0; I < 3; ++I) {
      ASSERT_EQ(Parts[I]->Width(), C.Widths[I]) << "cap " << C.Cap;
      EXPECT_EQ(Parts[I]->Pixel(0, 0), At(C.Lefts[I], 0));
    }
  }

  TImgArray9Block Blocks;
  SpliteImgTo9Block(&Img, Blocks);
  for (int C = 0; C < 3; ++C)
    for (int R = 0; R < 3; ++R) {
      ASSERT_EQ(Blocks[C][R]->Width(), 23);
      ASSERT_EQ(Blocks[C][R]->Height(), 3);
      EXPECT_EQ(Blocks[C][R]->Pixel(22, 2), At(C * 23 + 22, R * 3 + 2));
    }
  FreeArray9BlockImg(Blocks);
  EXPECT_EQ(Blocks[1][1], nullptr);
}

TEST(Slicing, PiecesKeepTheSourceProperties) {
  TBitmap32 Img;
  Fill(Img, 6, 2, dmBlend);
  Img.SetMasterAlpha(200);
  TDynQvSkinImage Parts;
  SpliteImg(&Img, 2, Parts);
  EXPECT_EQ(Parts[1]->DrawMode(), dmBlend);
  EXPECT_EQ(Parts[1]->MasterAlpha(), 200);
}

TEST(Slicing, CenterPartTakesTheMiddleBandOrCopiesTheWhole) {
  TBitmap32 Img;
  Fill(Img, 10, 9);
  struct Case {
    int CenterHeight, Width;
    bool Band;
  };
  for (Case C : {Case{3, 4, true}, Case{9, 10, true}, Case{0, 4, false}, Case{10, 4, false},
                 Case{3, 11, false}, Case{3, 0, false}}) {
    auto Part = SpliteImgCenterPart(&Img, C.CenterHeight, C.Width);
    ASSERT_NE(Part, nullptr);
    if (!C.Band) {
      EXPECT_EQ(Part->Width(), 10);
      EXPECT_EQ(Part->Height(), 9);
      EXPECT_EQ(Part->Pixel(9, 8), At(9, 8));
      continue;
    }
    ASSERT_EQ(Part->Width(), C.Width);
    ASSERT_EQ(Part->Height(), C.CenterHeight);
    int Top = (9 - C.CenterHeight) / 2;
    EXPECT_EQ(Part->Pixel(0, 0), At(0, Top));
    EXPECT_EQ(Part->Pixel(C.Width - 1, C.CenterHeight - 1),
              At(C.Width - 1, Top + C.CenterHeight - 1));
  }
  EXPECT_EQ(SpliteImgCenterPart(nullptr, 3, 3), nullptr);
}

TEST(Slicing, ThreeSliceResizes) {
  TBitmap32 Img;
  Fill(Img, 12, 6, dmBlend);
  // Wider: caps kept, middle stretched; pixels copied even though the source blends.
  auto Wide = ResizeHorzImg(&Img, 30, 3);
  ASSERT_EQ(Wide->Width(), 30);
  ExpectMapping(*Wide, [](int X, int Y) {
    return TPoint{Axis(X, 3, 9, 30, 12, [](int O) { return 3 + O * 6 / 24; }), Y};
  });
  EXPECT_EQ(Wide->DrawMode(), dmBlend);
  // No wider than the left piece: only the left piece's pixels, the rest transparent.
  auto Narrow = ResizeHorzImg(&Img, 4, 0);
  ASSERT_EQ(Narrow->Width(), 4);
  EXPECT_EQ(Narrow->Pixel(3, 5), At(3, 5));
  // Just wider: the right piece is placed last, over the left one.
  auto Tiny = ResizeHorzImg(&Img, 6, 0);
  EXPECT_EQ(Tiny->Pixel(1, 0), At(1, 0));
  EXPECT_EQ(Tiny->Pixel(2, 0), At(8, 0));
  EXPECT_EQ(Tiny->Pixel(5, 0), At(11, 0));
  EXPECT_EQ(ResizeHorzImg(&Img, -3, 0)->Width(), 0);

  auto Tall = ResizeVertImg(&Img, 14);
  ASSERT_EQ(Tall->Height(), 14);
  ExpectMapping(*Tall, [](int X, int Y) {
    return TPoint{X, Axis(Y, 2, 4, 14, 6, [](int O) { return 2 + O * 2 / 10; })};
  });
  auto Short = ResizeVertImg(&Img, 2);  // not taller than the middle: the top third fills it
  ASSERT_EQ(Short->Height(), 2);
  EXPECT_EQ(Short->Pixel(5, 1), At(5, 1));

  auto Resized = ResizeImg(&Img, 24, 6);
  ExpectMapping(*Resized, [](int X, int Y) {
    return TPoint{Axis(X, 4, 8, 24, 12, [](int O) { return 4 + O * 4 / 16; }), Y};
  });
  EXPECT_EQ(ResizeImg(nullptr, 3, 3), nullptr);
}

TEST(Slicing, DrawImageByFillType) {
  TBitmap32 Src;
  Fill(Src, 6, 4);
  struct Case {
    TQvPngFillType Type;
    int DW, DH;
    std::function<TPoint(int, int)> Want;
  };
  const Case Cases[] = {
      {ftNormal, 8, 8,
       [](int X, int Y) {
         return X < 6 && Y < 4 ? TPoint{X, Y} : TPoint{-1, -1};
       }},
      {ftTile, 8, 5,
       [](int X, int Y) {
         return TPoint{X % 6, Y % 4};
       }},
      {ftCenter, 3, 3,
       [](int X, int Y) {
         return TPoint{X + 1, Y};
       }},  // offsets (-1, 0)
      {ftCenter, 9, 7,
       [](int X, int Y) {
         return X >= 1 && X < 7 && Y >= 1 && Y < 5 ? TPoint{X - 1, Y - 1} : TPoint{-1, -1};
       }},
      {ftStretch, 12, 8,
       [](int X, int Y) {
         return TPoint{X / 2, Y / 2};
       }},
      {ftAutoStretch, 6, 8,
       [](int X, int Y) {
         return TPoint{X, Axis(Y, 1, 2, 8, 4, [](int) { return 1; })};
       }},
      {ftGradient, 4, 4,
       [](int, int) {
         return TPoint{-1, -1};
       }},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Type);
    TBitmap32 Dst;
    Dst.SetSize(C.DW, C.DH);
    Dst.Clear(Untouched);
    DrawImage(&Src, &Dst, C.Type);
    ExpectMapping(Dst, C.Want);
  }
}

TEST(Slicing, CoverFitFillsTheTargetAndCutsTheOverflowEqually) {
  TBitmap32 Src, Dst;
  Src.SetSize(4, 2);
  Src.Clear(0xFF336699);
  for (int Y = 0; Y < 2; ++Y) Src.SetPixel(0, Y, 0xFFFF0000);  // a red left column
  Dst.SetSize(4, 4);
  Dst.Clear(Untouched);
  AutoStretchBitmapEx(&Src, &Dst);  // scale 2: 8 x 4 drawn at (-2, 0)
  EXPECT_EQ(Src.ResamplerClassName(), L"TLinearResampler");
  for (int Y = 1; Y < 3; ++Y)
    for (int X = 1; X < 4; ++X) EXPECT_EQ(Dst.Pixel(X, Y), 0xFF336699u) << X << "," << Y;
  // The red column lands left of the target; only its blend reaches column 0.
  EXPECT_NE(Dst.Pixel(0, 1), 0xFFFF0000u);
  EXPECT_NE(Dst.Pixel(0, 1), 0xFF336699u);
}

TEST(Slicing, BadInputDrawsNothingAndDoesNotCrash) {
  TBitmap32 Src, Empty, Dst;
  Fill(Src, 9, 9);
  Dst.SetSize(5, 5);
  Dst.Clear(Untouched);
  const std::pair<const char*, std::function<void()>> Calls[] = {
      {"nil source", [&] { StretchBitmap(nullptr, &Dst, false); }},
      {"nil target", [&] { StretchBitmap(&Src, nullptr, true); }},
      {"empty source", [&] { StretchBitmap(&Empty, &Dst, false); }},
      {"empty source, tiled", [&] { TileBitmap(&Empty, &Dst, 3, 3); }},
      {"tile far away", [&] { TileBitmap(&Src, &Dst, INT32_MAX - 2, INT32_MIN + 2); }},
      {"one-axis from outside",
       [&] { TileBitmap(&Src, &Dst, Rect(5, 5, 15, 6), Rect(0, 0, 10, 1)); }},
      {"one-axis negative", [&] { TileBitmap(&Src, &Dst, Rect(0, 0, 1, 1), Rect(0, 0, -5, 1)); }},
      {"one-axis huge",
       [&] { TileBitmap(&Src, &Dst, Rect(0, 0, 1, 1), Rect(-2000000000, 9, 2000000000, 10)); }},
      {"stretch into nothing", [&] { TileBitmap(&Src, &Dst, Rect(3, 3, 1, 1)); }},
      {"cover fit from empty", [&] { AutoStretchBitmap(&Empty, &Dst); }},
      {"cover fit shrinking to nothing", [&] { AutoStretchBitmap(&Src, &Dst, false, -5); }},
      {"gradient", [&] { DrawImage(&Src, &Dst, ftGradient); }},
  };
  for (auto& [What, Call] : Calls) {
    Call();
    for (int Y = 0; Y < 5; ++Y)
      for (int X = 0; X < 5; ++X) ASSERT_EQ(Dst.Pixel(X, Y), Untouched) << What;
  }
  // Caps outside the picture, reversed or empty, and targets smaller than the source.
  for (TRect Cap : {Rect(-5, -5, 50, 50), Rect(7, 7, 2, 2), Rect(0, 0, 0, 0), Rect(9, 9, 9, 9)})
    for (bool GDI : {false, true}) {
      TBitmap32 Small, Big;
      Small.SetSize(4, 3);
      Big.SetSize(40, 30);
      DrawBitmapCapInsets(&Src, &Small, Cap, GDI);
      DrawBitmapCapInsets(&Src, &Big, Cap, GDI);
      DrawBitmapCapInsets(&Src, &Empty, Cap, GDI);
    }
  TDynQvSkinImage Parts;
  SpliteImg(&Src, 20, Parts);  // more pieces than columns: empty pieces
  ASSERT_EQ(Parts.size(), 20u);
  EXPECT_TRUE(Parts[19]->Empty());
  SpliteImg(&Src, 0, Parts);
  EXPECT_TRUE(Parts.empty());
  SpliteImg(nullptr, 3, Parts);
  EXPECT_TRUE(Parts.empty());
  SpliteHorz3Img(&Empty, 2, Parts);
  EXPECT_EQ(Parts.size(), 3u);
  TImgArray9Block Blocks;
  SpliteImgTo9Block(&Empty, Blocks);
  EXPECT_TRUE(Blocks[2][2]->Empty());
  EXPECT_EQ(ResizeHorzImg(&Src, 12, INT32_MAX)->Width(), 12);
  EXPECT_EQ(SpliteImgCenterPart(&Src, INT32_MIN, 3)->Height(), 9);  // a full copy
  for (int H : {-1, 0, 1, 2, 3})
    for (int W : {-1, 0, 1, 2, 3}) {
      EXPECT_EQ(ResizeHorzImg(&Src, W, H)->Width(), std::max(W, 0));
      EXPECT_EQ(ResizeVertImg(&Src, H)->Height(), std::max(H, 0));
      EXPECT_EQ(ResizeImg(&Src, W, H)->Width(), std::max(W, 0));
      ResizeHorzImg(&Empty, W, H);
      ResizeVertImg(&Empty, H);
    }
}

}  // namespace
