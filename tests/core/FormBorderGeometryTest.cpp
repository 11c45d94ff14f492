// Where the layered border's four windows go around a form, and what part of the frame
// image each one shows.
#include <gtest/gtest.h>

#include "forms/QvFormBorderGeometry.h"

using namespace qv;

namespace {

struct TWin {
  int X, Y, W, H;
};

struct TLayoutCase {
  const char* Name;
  TRect Form;
  std::array<int, 4> Size, Inflate;
  bool Transparent;
  TWin Left, Top, Right, Bottom;
};

// clang-format off
const TLayoutCase kCases[] = {
    {"defaults transparent", Bounds(100, 100, 400, 300), {8, 8, 8, 8}, {5, 5, -5, -5}, true,
     {92, 105, 13, 290}, {92, 92, 416, 13}, {495, 105, 13, 290}, {92, 395, 416, 13}},
    {"defaults opaque", Bounds(100, 100, 400, 300), {8, 8, 8, 8}, {5, 5, -5, -5}, false,
     {92, 92, 13, 316}, {92, 92, 416, 13}, {495, 92, 13, 316}, {92, 395, 416, 13}},
    {"no inflate: sides start at the form's top", Bounds(100, 100, 400, 300), {8, 8, 8, 8},
     {0, 0, 0, 0}, true,
     {92, 100, 8, 300}, {92, 92, 416, 8}, {500, 100, 8, 300}, {92, 400, 416, 8}},
    {"uneven sides, signs of inflate ignored", Bounds(10, 20, 50, 40), {3, 4, 6, 10},
     {-2, 1, 7, -3}, true,
     {7, 21, 5, 36}, {7, 16, 59, 5}, {53, 21, 13, 36}, {7, 57, 59, 13}},
    {"uneven sides opaque", Bounds(10, 20, 50, 40), {3, 4, 6, 10}, {-2, 1, 7, -3}, false,
     {7, 16, 5, 54}, {7, 16, 59, 5}, {53, 16, 13, 54}, {7, 57, 59, 13}},
    // Shorter than the two inflates together: the sides are empty, never negative.
    {"form shorter than its inflates", Bounds(0, 0, 40, 6), {8, 8, 8, 8}, {5, 5, 5, 5}, true,
     {-8, 5, 13, 0}, {-8, -8, 56, 13}, {35, 5, 13, 0}, {-8, 1, 56, 13}},
};
// clang-format on

TEST(FormBorderGeometry, WindowsAndSourcesForATableOfForms) {
  for (const auto& C : kCases) {
    SCOPED_TRACE(C.Name);
    TQvBorderSize S(C.Size[0], C.Size[1], C.Size[2], C.Size[3]);
    TQvBorderSize I(C.Inflate[0], C.Inflate[1], C.Inflate[2], C.Inflate[3]);
    TQvBorderLayout L = QvBorderLayout(C.Form, S, I, C.Transparent);
    EXPECT_EQ(L.FrameWidth, C.Form.Width() + S.Width());
    EXPECT_EQ(L.FrameHeight, C.Form.Height() + S.Height());
    const TWin* Want[4] = {&C.Left, &C.Top, &C.Right, &C.Bottom};
    for (int K = 0; K < 4; ++K) {
      SCOPED_TRACE(K);
      const TRect& Src = L.Source[K];
      EXPECT_EQ(L.Pos[K], Point(Want[K]->X, Want[K]->Y));
      EXPECT_EQ(Src.Width(), Want[K]->W);
      EXPECT_EQ(Src.Height(), Want[K]->H);
      // A window shows the frame exactly where it sits on it: the pieces join seamlessly.
      EXPECT_EQ(Src.Left, L.Pos[K].X - (C.Form.Left - S.Left()));
      EXPECT_EQ(Src.Top, L.Pos[K].Y - (C.Form.Top - S.Top()));
      EXPECT_GE(Src.Left, 0);
      EXPECT_GE(Src.Top, 0);
      EXPECT_LE(Src.Right, L.FrameWidth);
      EXPECT_LE(Src.Bottom, L.FrameHeight);
    }
  }
}

// Pixel naming its position, mostly translucent: the frame keeps it exactly.
TColor32 At(int X, int Y) {
  return Color32(uint8_t(X * 3), uint8_t(Y * 2), 0x55, uint8_t(20 + (X + Y) % 236));
}

void Fill(TBitmap32& B, int W, int H) {
  B.SetSize(W, H);
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X) B.SetPixel(X, Y, At(X, Y));
  B.SetDrawMode(dmBlend);
}

void ExpectPiece(const TBitmap32* Piece, const TRect& Src, int ImgW, int ImgH) {
  ASSERT_NE(Piece, nullptr);
  ASSERT_EQ(Piece->Width(), Src.Width());
  ASSERT_EQ(Piece->Height(), Src.Height());
  for (int Y = 0; Y < Piece->Height(); ++Y)
    for (int X = 0; X < Piece->Width(); ++X)
      ASSERT_EQ(Piece->Pixel(X, Y), At((Src.Left + X) % ImgW, (Src.Top + Y) % ImgH))
          << X << "," << Y;
}

TEST(FormBorderGeometry, PiecesAreCutFromTheFilledFrame) {
  TQvBorderSize S, I(5, 5, -5, -5);
  for (bool Transparent : {true, false}) {
    SCOPED_TRACE(Transparent);
    // A frame as big as the image: the nine-block stretch leaves it unchanged.
    TBitmap32 Img;
    Fill(Img, 60, 70);
    TQvBorderLayout L = QvBorderLayout(Bounds(0, 0, 44, 54), S, I, Transparent);
    TQvBorderPieces P;
    QvBuildBorderPieces(&Img, skAuto, L, P);
    for (int K = 0; K < 4; ++K) ExpectPiece(P[K].get(), L.Source[K], 60, 70);
    // Tiling repeats the image from the frame's top-left.
    TBitmap32 Tile;
    Fill(Tile, 7, 5);
    QvBuildBorderPieces(&Tile, skTile, L, P);
    for (int K = 0; K < 4; ++K) ExpectPiece(P[K].get(), L.Source[K], 7, 5);
  }
}

TEST(FormBorderGeometry, MissingImageOrEmptyFrameGivesNoPixels) {
  TQvBorderSize S, I(5, 5, -5, -5);
  TQvBorderLayout L = QvBorderLayout(Bounds(0, 0, 100, 100), S, I, true);
  TQvBorderPieces P;
  P[0] = std::make_unique<TBitmap32>();
  QvBuildBorderPieces(nullptr, skAuto, L, P);
  for (auto& Piece : P) EXPECT_EQ(Piece, nullptr);
  // A frame of no width (form narrower than nothing): empty pieces, no fault.
  TBitmap32 Img;
  Fill(Img, 10, 10);
  TQvBorderSize Zero(0, 0, 0, 0);
  L = QvBorderLayout(Bounds(0, 0, 0, 30), Zero, Zero, false);
  QvBuildBorderPieces(&Img, skAuto, L, P);
  for (auto& Piece : P) EXPECT_TRUE(Piece && Piece->Empty());
}

}  // namespace
