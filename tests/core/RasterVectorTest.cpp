#include <gtest/gtest.h>

#include <cmath>

#include "raster/Polygons.h"
#include "raster/Resamplers.h"
#include "raster/Transforms.h"

using namespace qv;

namespace {
// Coverage of the surface in pixels: the alpha drawn onto transparent black, over 255.
double CoveredArea(const TCustomBitmap32& B) {
  double A = 0;
  for (int I = 0; I < B.Width() * B.Height(); ++I) A += AlphaComponent(B.Bits()[I]) / 255.0;
  return A;
}
TArrayOfFloatPoint Square(double L, double T, double R, double B) {
  return {{L, T}, {R, T}, {R, B}, {L, B}};
}
}  // namespace

TEST(Polygons, SquareCoverageIsItsArea) {
  TBitmap32 B;
  B.SetSize(10, 10);
  PolygonFS(&B, Square(2, 3, 6, 5), clWhite32);  // on pixel edges: exactly 8 full pixels
  EXPECT_EQ(CoveredArea(B), 8.0);
  EXPECT_EQ(B.Pixel(2, 3), clWhite32);
  EXPECT_EQ(B.Pixel(6, 3), 0u);
  B.Clear(0);
  PolygonFS(&B, Square(1.5, 1.5, 5.5, 5.5), clWhite32);
  EXPECT_NEAR(CoveredArea(B), 16.0, 0.05);
  EXPECT_EQ(B.Pixel(3, 3), clWhite32);
  EXPECT_EQ(AlphaComponent(B.Pixel(1, 1)), 64);   // a quarter
  EXPECT_EQ(AlphaComponent(B.Pixel(3, 1)), 128);  // a half
  // Far outside or partly outside the surface: clipped, no harm.
  B.Clear(0);
  PolygonFS(&B, Square(-1e7, -5, 1e7, 2), clWhite32);
  EXPECT_EQ(CoveredArea(B), 20.0);
  PolygonFS(&B, {{NAN, 0}, {3, 3}, {0, 3}}, clWhite32);
  EXPECT_EQ(CoveredArea(B), 20.0);
}

TEST(Polygons, CircleIsSymmetricAndFillRulesDiffer) {
  TBitmap32 B;
  B.SetSize(21, 21);
  PolygonFS(&B, Circle(10.5, 10.5, 7), clWhite32);
  for (int Y = 0; Y < 21; ++Y)
    for (int X = 0; X < 21; ++X) {
      ASSERT_NEAR(AlphaComponent(B.Pixel(X, Y)), AlphaComponent(B.Pixel(20 - X, Y)), 1)
          << X << "," << Y;
      ASSERT_NEAR(AlphaComponent(B.Pixel(X, Y)), AlphaComponent(B.Pixel(X, 20 - Y)), 1)
          << X << "," << Y;
      ASSERT_NEAR(AlphaComponent(B.Pixel(X, Y)), AlphaComponent(B.Pixel(Y, X)), 2) << X << "," << Y;
    }
  // The coverage is the area of the 16-gon, exactly.
  int Steps = CircleSteps(7);
  EXPECT_EQ(Steps, 16);
  EXPECT_NEAR(CoveredArea(B), 0.5 * Steps * 49 * std::sin(2 * 3.14159265358979 / Steps), 0.1);
  // Two overlapping squares of the same orientation: the overlap is a hole for even-odd.
  TArrayOfArrayOfFloatPoint Two = {Square(0, 0, 4, 4), Square(2, 2, 6, 6)};
  TBitmap32 E, N;
  E.SetSize(8, 8);
  N.SetSize(8, 8);
  PolyPolygonFS(&E, Two, clWhite32, pfAlternate);
  PolyPolygonFS(&N, Two, clWhite32, pfWinding);
  EXPECT_EQ(E.Pixel(3, 3), 0u);
  EXPECT_EQ(N.Pixel(3, 3), clWhite32);
  EXPECT_EQ(CoveredArea(E), 24.0);
  EXPECT_EQ(CoveredArea(N), 28.0);
}

TEST(Polygons, TranslucentColourBlendsByItsAlpha) {
  TBitmap32 B;
  B.SetSize(4, 4);
  B.Clear(0xFF000000);
  PolygonFS(&B, Square(0, 0, 4, 4), 0x80FFFFFF);
  EXPECT_EQ(B.Pixel(1, 1), CombineReg(0x80FFFFFF, 0xFF000000, 128));
}

TEST(Polygons, StrokedLines) {
  TBitmap32 B;
  B.SetSize(12, 12);
  PolylineFS(&B, Line(2, 5, 8, 5), clWhite32, false, 2.0);  // butt ends
  EXPECT_EQ(CoveredArea(B), 12.0);
  EXPECT_EQ(B.Pixel(2, 4), clWhite32);
  EXPECT_EQ(B.Pixel(7, 5), clWhite32);
  B.Clear(0);
  PolylineFS(&B, Square(2, 2, 10, 10), clWhite32, true, 2.0);  // closed ring with mitres
  EXPECT_EQ(CoveredArea(B), 100.0 - 36.0);
  EXPECT_EQ(B.Pixel(6, 6), 0u);
  EXPECT_EQ(B.Pixel(1, 1), clWhite32);
  // Round ends reach half the width beyond the end points: two halves of a 10-gon.
  B.Clear(0);
  PolylineFS(&B, Line(4, 6, 8, 6), clWhite32, false, 4.0, jsMiter, esRound);
  EXPECT_NEAR(CoveredArea(B), 16 + 0.5 * 10 * 4 * std::sin(2 * 3.14159265358979 / 10), 0.1);
}

TEST(VectorUtils, ArcsRotationAndDashes) {
  TArrayOfFloatPoint Arc = GetArcPoints({0, 0, 100, 100}, 0, 90);
  ASSERT_GE(Arc.size(), 3u);
  EXPECT_NEAR(Arc.front().X, 100, 1e-9);
  EXPECT_NEAR(Arc.front().Y, 50, 1e-9);
  EXPECT_NEAR(Arc.back().X, 50, 1e-9);  // counter-clockwise on screen: 90° is up
  EXPECT_NEAR(Arc.back().Y, 0, 1e-9);
  TArrayOfFloatPoint P = {{10, 0}};
  RotatePoints(P, {0, 0}, 90);  // clockwise on screen
  EXPECT_NEAR(P[0].X, 0, 1e-9);
  EXPECT_NEAR(P[0].Y, 10, 1e-9);
  TArrayOfFixedPoint F = FixedPoints({{1.5, -2}});
  EXPECT_EQ(F[0], (TFixedPoint{0x18000, -0x20000}));
  RotatePoints(F, {0, 0}, 180);
  EXPECT_EQ(FloatPoints(F)[0], (TFloatPoint{-1.5, 2}));
  auto Dashes = BuildDashedLine(Line(0, 0, 20, 0), {5, 5}, 2);
  ASSERT_EQ(Dashes.size(), 3u);
  EXPECT_NEAR(Dashes[0][1].X, 3, 1e-9);
  EXPECT_NEAR(Dashes[1][0].X, 8, 1e-9);
  EXPECT_NEAR(Dashes[1][1].X, 13, 1e-9);
  EXPECT_NEAR(Dashes[2][0].X, 18, 1e-9);
  // Dashes carry on round the corners of a closed path.
  EXPECT_EQ(BuildDashedLine(Square(0, 0, 10, 10), {7, 5, 7, 5}, 0, true).size(), 4u);
  // Growing a square by 1 on either orientation enlarges it.
  for (bool Reverse : {false, true}) {
    TArrayOfFloatPoint S = Square(0, 0, 4, 4);
    if (Reverse) std::reverse(S.begin(), S.end());
    TArrayOfFloatPoint G = Grow(S, 1);
    double MinX = 1e9;
    for (auto& Q : G) MinX = std::min(MinX, Q.X);
    EXPECT_NEAR(MinX, -1, 1e-9);
  }
}

TEST(Transforms, AffineDrawing) {
  TBitmap32 Src, Dst;
  Src.SetSize(4, 2);
  for (int I = 0; I < 8; ++I) Src.Bits()[I] = 0xFF000000u | uint32_t(I * 0x111111);
  TAffineTransformation T;
  T.SetSrcRect({0, 0, 4, 2});
  Dst.SetSize(8, 8);
  Transform(&Dst, &Src, &T);  // identity, dmOpaque: a copy
  for (int Y = 0; Y < 2; ++Y)
    for (int X = 0; X < 4; ++X) EXPECT_EQ(Dst.Pixel(X, Y), Src.Pixel(X, Y));
  EXPECT_EQ(Dst.Pixel(4, 0), 0u);
  // Scaled 2×: each source pixel becomes a 2×2 block.
  T.Scale(2);
  TFloatRect Bounds = T.GetTransformedBounds();
  EXPECT_EQ(Bounds.Right, 8);
  EXPECT_EQ(Bounds.Bottom, 4);
  Dst.Clear(0);
  Transform(&Dst, &Src, &T);
  EXPECT_EQ(Dst.Pixel(7, 3), Src.Pixel(3, 1));
  EXPECT_EQ(Dst.Pixel(2, 1), Src.Pixel(1, 0));
  // Blended drawing has no exact copy: (B + 255·F + 128) div 256.
  TAffineTransformation Id;
  Id.SetSrcRect({0, 0, 4, 2});
  Src.SetDrawMode(dmBlend);
  Dst.Clear(0x00000000);
  Src.SetPixel(0, 0, 0xFFFFFFFF);
  Transform(&Dst, &Src, &Id);
  EXPECT_EQ(Dst.Pixel(0, 0), 0xFEFEFEFEu);
  // Rotation by 90° counter-clockwise on screen about the centre of a 2×2 picture.
  TBitmap32 Q;
  Q.SetSize(2, 2);
  Q.SetPixel(1, 0, clRed32);  // top right goes to top left
  TAffineTransformation R;
  R.SetSrcRect({0, 0, 2, 2});
  R.Rotate(1, 1, 90);
  Dst.SetSize(2, 2);
  Dst.Clear(0);
  Transform(&Dst, &Q, &R);
  EXPECT_EQ(Dst.Pixel(0, 0), clRed32);
  // Onto itself: the samples come from the picture as it was.
  TBitmap32 Self;
  Self.SetSize(4, 1);
  for (int X = 0; X < 4; ++X) Self.SetPixel(X, 0, 0xFF000000u | uint32_t(X));
  TAffineTransformation Shift;
  Shift.SetSrcRect({0, 0, 4, 1});
  Shift.Translate(1, 0);
  Transform(&Self, &Self, &Shift);
  EXPECT_EQ(Self.Pixel(3, 0), 0xFF000002u);
  EXPECT_EQ(Self.Pixel(1, 0), 0xFF000000u);
  // Bilinear with transparent edges keeps the inside and softens the outside.
  Src.SetDrawMode(dmOpaque);
  Src.SetResamplerClassName(L"TLinearResampler");
  Src.Resampler()->SetPixelAccessMode(pamTransparentEdge);
  Dst.SetSize(8, 8);
  Dst.Clear(0);
  Transform(&Dst, &Src, &Id);
  EXPECT_EQ(Dst.Pixel(2, 1), Src.Pixel(2, 1));
}

TEST(Polygons, LinearGradientFill) {
  TBitmap32 B;
  B.SetSize(10, 2);
  SimpleGradientFill(&B, Square(0, 0, 10, 2), {0, 0}, clBlack32, {10, 0}, clWhite32);
  for (int X = 1; X < 10; ++X)
    EXPECT_GT(RedComponent(B.Pixel(X, 0)), RedComponent(B.Pixel(X - 1, 0)));
  EXPECT_EQ(B.Pixel(4, 0), B.Pixel(4, 1));
  EXPECT_EQ(B.Pixel(0, 0), Gray32(13));  // centre of the first pixel: 5 % of the way
  // Stops in between, clamped beyond the ends.
  TColor32Gradient G;
  G.AddColorStop(0.75, clWhite32);
  G.AddColorStop(0.25, clBlack32);
  EXPECT_EQ(G.ColorAt(0), clBlack32);
  EXPECT_EQ(G.ColorAt(1), clWhite32);
  EXPECT_EQ(G.ColorAt(0.5), Gray32(128));
  TLinearGradientPolygonFiller F(G);
  F.SetPoints({0, 0}, {0, 10});
  F.UseLookUpTable = false;
  F.WrapMode = wmMirror;
  TColor32 C[1];
  F.BeginRendering();
  F.GetColors(0, 14, 1, C);  // 1.45 along the axis mirrors back to 0.55
  EXPECT_EQ(C[0], G.ColorAt(0.55));
}
