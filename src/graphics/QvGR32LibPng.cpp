#include "graphics/QvGR32LibPng.h"

#include <algorithm>
#include <cstring>

#include "graphics/QvGR32LibColor.h"

namespace qv {

namespace {

bool PngEmpty(const TDecodedImage& Png) {
  return Png.Width <= 0 || Png.Height <= 0 ||
         Png.RGBA.size() < size_t(Png.Width) * size_t(Png.Height) * 4;
}

const uint8_t* PngPixel(const TDecodedImage& Png, Integer X, Integer Y) {
  return &Png.RGBA[(size_t(Y) * size_t(Png.Width) + size_t(X)) * 4];
}

// A new piece of W x H taken from (X, Y) of Png; the caller keeps it inside Png.
std::unique_ptr<TDecodedImage> Piece(const TDecodedImage& Png, Integer X, Integer Y, Integer W,
                                     Integer H) {
  auto P = NewPngLike(Png, W, H);
  if (W > 0 && H > 0) CopyPng(Png, *P, X, Y);
  return P;
}

// Three pieces along one axis with the given sizes, taken one after the other.
void SpliteThree(const TDecodedImage& Png, bool Vertical, const Integer Sizes[3],
                 TPngArray3Block& Pngs3) {
  FreeArray3BlockPng(Pngs3);
  Integer At = 0;
  for (int I = 0; I < 3; ++I) {
    Pngs3[I] =
        Vertical ? Piece(Png, 0, At, Png.Width, Sizes[I]) : Piece(Png, At, 0, Sizes[I], Png.Height);
    At += Sizes[I];
  }
}

void Thirds(Integer Size, Integer Out[3]) {
  Out[0] = Out[1] = std::max(Size, 0) / 3;
  Out[2] = std::max(Size, 0) - 2 * Out[0];
}

// Repeats the nine blocks into a W x H picture: centre, edges, corners.
std::unique_ptr<TDecodedImage> RepeatNine(const TDecodedImage& Png, const TPngArray9Block& B,
                                          Integer W, Integer H) {
  auto New = NewPngLike(Png, W, H);
  auto At = [&](int I) -> const TDecodedImage& { return *B[size_t(I)]; };
  RepeatPng(At(4), *New, 0, 0, W, H);
  RepeatPng(At(3), *New, 0, 0, At(3).Width, H);
  RepeatPng(At(5), *New, W - At(5).Width, 0, At(5).Width, H);
  RepeatPng(At(1), *New, 0, 0, W, At(1).Height);
  RepeatPng(At(7), *New, 0, H - At(7).Height, W, At(7).Height);
  RepeatPng(At(0), *New, 0, 0, At(0).Width, At(0).Height);
  RepeatPng(At(6), *New, 0, H - At(6).Height, At(6).Width, At(6).Height);
  RepeatPng(At(2), *New, W - At(2).Width, 0, At(2).Width, At(2).Height);
  RepeatPng(At(8), *New, W - At(8).Width, H - At(8).Height, At(8).Width, At(8).Height);
  return New;
}

}  // namespace

bool PngHasTransparency(const TDecodedImage& Png) {
  return Png.Png.HasTransparency || Png.Png.ColorType == pngGreyAlpha ||
         Png.Png.ColorType == pngRGBAlpha;
}

std::unique_ptr<TDecodedImage> NewPngLike(const TDecodedImage& Png, Integer W, Integer H) {
  auto New = std::make_unique<TDecodedImage>();
  New->Format = ifPNG;
  New->Png = Png.Png;
  New->Width = std::max(W, 0);
  New->Height = std::max(H, 0);
  New->Png.Width = uint32_t(New->Width);
  New->Png.Height = uint32_t(New->Height);
  New->RGBA.assign(size_t(New->Width) * size_t(New->Height) * 4, 0);
  return New;
}

void PngToBitmap32(const TDecodedImage& Png, TCustomBitmap32& Bitmap) {
  const bool Empty = PngEmpty(Png);
  Bitmap.BeginUpdate();
  Bitmap.SetSize(Empty ? 0 : Png.Width, Empty ? 0 : Png.Height);
  if (!Empty)
    for (size_t I = 0, N = size_t(Png.Width) * size_t(Png.Height); I < N; ++I) {
      const uint8_t* P = &Png.RGBA[I * 4];
      Bitmap.Bits()[I] = Color32(P[0], P[1], P[2], P[3]);
    }
  Bitmap.SetDrawMode(PngHasTransparency(Png) ? dmBlend : dmOpaque);
  Bitmap.EndUpdate();
  Bitmap.Changed();
}

// ---- cutting ----

Integer SplitePng(const TDecodedImage& Png, Integer Count, TPngArray& Pngs) {
  FreeDynPng(Pngs);
  if (PngEmpty(Png) || Count <= 0) return 0;
  Integer W = Png.Width / Count;
  for (Integer I = 0; I < Count; ++I) Pngs.push_back(Piece(Png, I * W, 0, W, Png.Height));
  return W;
}

void SplitePngTo3horzBlock(const TDecodedImage& Png, TPngArray3Block& Pngs3) {
  Integer Sizes[3];
  Thirds(Png.Width, Sizes);
  SpliteThree(Png, false, Sizes, Pngs3);
}

void SplitePngTo3vertBlock(const TDecodedImage& Png, TPngArray3Block& Pngs3) {
  Integer Sizes[3];
  Thirds(Png.Height, Sizes);
  SpliteThree(Png, true, Sizes, Pngs3);
}

void SplitePngTo3horzBlock(const TDecodedImage& Png, Integer CapWidth, TPngArray3Block& Pngs3) {
  if (CapWidth <= 0 || CapWidth >= Png.Width / 3) {
    SplitePngTo3horzBlock(Png, Pngs3);
    return;
  }
  const Integer Sizes[3] = {CapWidth, Png.Width - 2 * CapWidth, CapWidth};
  SpliteThree(Png, false, Sizes, Pngs3);
}

void SplitePngTo9Block(const TDecodedImage& Png, TPngArray9Block& Pngs9) {
  FreeArray9BlockPng(Pngs9);
  Integer Ws[3], Hs[3];
  Thirds(Png.Width, Ws);
  Thirds(Png.Height, Hs);
  for (int R = 0; R < 3; ++R)
    for (int C = 0; C < 3; ++C)
      Pngs9[size_t(R * 3 + C)] = Piece(Png, C * Ws[0], R * Hs[0], Ws[C], Hs[R]);
}

void CropPNG(const TDecodedImage& Png, Integer X, Integer Y, TDecodedImage& Target, Integer Height,
             Integer Width) {
  if (X < 0 || Y < 0 || Width < 0 || Height < 0 || int64_t(X) + Width > Png.Width ||
      int64_t(Y) + Height > Png.Height || (Width > 0 && Height > 0 && PngEmpty(Png)))
    throw EInvalidGraphic(L"Invalid position/size");
  std::unique_ptr<TDecodedImage> New = NewPngLike(Png, Width, Height);
  for (Integer J = 0; Width > 0 && J < Height; ++J)
    std::memcpy(&New->RGBA[size_t(J) * size_t(Width) * 4], PngPixel(Png, X, Y + J),
                size_t(Width) * 4);
  Target = std::move(*New);
}

void CopyPng(const TDecodedImage& Png, TDecodedImage& Target, Integer X, Integer Y) {
  CropPNG(Png, X, Y, Target, Target.Height, Target.Width);
}

// ---- resizing by repetition ----

void RepeatPng(const TDecodedImage& Piece, TDecodedImage& Target, Integer X, Integer Y,
               Integer Width, Integer Height) {
  if (PngEmpty(Piece) || PngEmpty(Target) || Width <= 0 || Height <= 0) return;
  X = std::max(X, 0);
  Y = std::max(Y, 0);
  const Integer R = Integer(std::min<int64_t>(int64_t(X) + Width, Target.Width));
  const Integer B = Integer(std::min<int64_t>(int64_t(Y) + Height, Target.Height));
  for (Integer TY = Y; TY < B; ++TY) {
    const Integer SY = (TY - Y) % Piece.Height;
    for (Integer TX = X; TX < R; ++TX)
      std::memcpy(&Target.RGBA[(size_t(TY) * size_t(Target.Width) + size_t(TX)) * 4],
                  PngPixel(Piece, (TX - X) % Piece.Width, SY), 4);
  }
}

std::unique_ptr<TDecodedImage> ResizeVertPng(const TDecodedImage& Png, Integer NewHeight) {
  auto New = NewPngLike(Png, Png.Width, NewHeight);
  TPngArray3Block P;
  SplitePngTo3vertBlock(Png, P);
  const TDecodedImage &Top = *P[0], &Middle = *P[1], &Bottom = *P[2];
  if (Middle.Height < NewHeight) {
    RepeatPng(Middle, *New, 0, 0, New->Width, NewHeight);
    RepeatPng(Top, *New, 0, 0, Top.Width, Top.Height);
    RepeatPng(Bottom, *New, 0, NewHeight - Bottom.Height, New->Width, Bottom.Height);
  } else {
    RepeatPng(NewHeight > 3 ? Middle : Top, *New, 0, 0, New->Width, NewHeight);
  }
  return New;
}

std::unique_ptr<TDecodedImage> ResizeHorzPng(const TDecodedImage& Png, Integer NewWidth,
                                             Integer CapWidth) {
  auto New = NewPngLike(Png, NewWidth, Png.Height);
  if (NewWidth <= 0) return New;
  TPngArray3Block P;
  if (CapWidth != 0)
    SplitePngTo3horzBlock(Png, CapWidth, P);
  else
    SplitePngTo3horzBlock(Png, P);
  const TDecodedImage &Left = *P[0], &Middle = *P[1], &Right = *P[2];
  const Integer H = New->Height;
  if (Left.Width < NewWidth) {
    RepeatPng(Middle, *New, 0, 0, NewWidth, H);
    RepeatPng(Left, *New, 0, 0, Left.Width, H);
    RepeatPng(Right, *New, NewWidth - Right.Width, 0, Right.Width, H);
  } else {
    RepeatPng(Left, *New, 0, 0, NewWidth, H);
  }
  return New;
}

std::unique_ptr<TDecodedImage> ResizePng(const TDecodedImage& Png, Integer W, Integer H) {
  if (W == Png.Width && H == Png.Height) return std::make_unique<TDecodedImage>(Png);
  TPngArray9Block B;
  SplitePngTo9Block(Png, B);
  return RepeatNine(Png, B, W, H);
}

std::unique_ptr<TDecodedImage> ResizePng(const TDecodedImage& Png, Integer W, Integer H,
                                         const TRect& ColumnCuts, const TRect& RowCuts) {
  const Integer X1 = ColumnCuts.Left, X2 = ColumnCuts.Right, Y1 = RowCuts.Top, Y2 = RowCuts.Bottom;
  TPngArray9Block B;
  if (X1 < 0 || Y1 < 0 || X2 > Png.Width || Y2 > Png.Height || X1 > X2 || Y1 > Y2) {
    SplitePngTo9Block(Png, B);
  } else {
    const Integer Xs[4] = {0, X1, X2, Png.Width}, Ys[4] = {0, Y1, Y2, Png.Height};
    for (int R = 0; R < 3; ++R)
      for (int C = 0; C < 3; ++C)
        B[size_t(R * 3 + C)] = Piece(Png, Xs[C], Ys[R], Xs[C + 1] - Xs[C], Ys[R + 1] - Ys[R]);
  }
  return RepeatNine(Png, B, W, H);
}

// ---- drawing onto surfaces ----

void TileBitmap(const TDecodedImage& Png, TCustomBitmap32* Dst) {
  if (!Dst) return;
  TBitmap32 Src;
  PngToBitmap32(Png, Src);
  TileBitmap(&Src, Dst);
}

void DrawPng(const TDecodedImage& Png, Integer X, Integer Y, TCustomBitmap32* Dst) {
  if (!Dst || PngEmpty(Png)) return;
  TBitmap32 Src;
  PngToBitmap32(Png, Src);
  Src.SetDrawMode(dmBlend);  // drawn with its alpha, as the platform draws a PNG
  Dst->Draw(X, Y, &Src);
}

void DrawPng(const TDecodedImage& Png, TCustomBitmap32* Dst, TQvPngFillType FillType) {
  if (!Dst || PngEmpty(Png)) return;
  switch (FillType) {
    case ftNormal:
      DrawPng(Png, 0, 0, Dst);
      break;
    case ftTile:
      TileBitmap(Png, Dst);
      break;
    case ftAutoStretch:
      Png2Bitmap(Png, Dst, true);
      break;
    case ftCenter:
      DrawPng(Png, (Dst->Width() - Png.Width) / 2, (Dst->Height() - Png.Height) / 2, Dst);
      break;
    case ftStretch: {
      TBitmap32 Src;
      PngToBitmap32(Png, Src);
      ResizeBitmap32(&Src, Dst, double(Dst->Width()) / Png.Width);
      break;
    }
    case ftGradient:
      break;
  }
}

void Png2Bitmap(const TDecodedImage& Png, TCustomBitmap32* Dst, bool UseAlpha) {
  if (!Dst) return;
  if (Png.Width == Dst->Width() && Png.Height == Dst->Height()) {
    TileBitmap(Png, Dst);
    return;
  }
  TBitmap32 Src;
  PngToBitmap32(Png, Src);
  Src.SetDrawMode(UseAlpha ? dmBlend : dmOpaque);
  StretchBitmap(&Src, Dst, false);
}

void ExtendPicture(const TDecodedImage& Png, TCustomBitmap32* Bitmap) {
  if (!Bitmap || Bitmap->Empty() || PngEmpty(Png)) return;
  if (Png.Width == Bitmap->Width() && Png.Height == Bitmap->Height())
    DrawPng(Png, 0, 0, Bitmap);
  else
    DrawPng(*ResizePng(Png, Bitmap->Width(), Bitmap->Height()), 0, 0, Bitmap);
}

void Pngs2Bmps(const TPngArray& Pngs, TBmp32Array& Bmps) {
  FreeArrayBmps(Bmps);
  for (const auto& Png : Pngs) {
    auto B = std::make_unique<TBitmap32>();
    if (Png) {
      PngToBitmap32(*Png, *B);
      B->SetDrawMode(dmOpaque);
    }
    Bmps.push_back(std::move(B));
  }
}

void Pngs2Bmps(const TPngArray9Block& Png9, TBmp32Array9Block& Bmp9, bool SetDrawMode) {
  for (int R = 0; R < 3; ++R)
    for (int C = 0; C < 3; ++C) {
      auto B = std::make_unique<TBitmap32>();
      if (const auto& Png = Png9[size_t(R * 3 + C)]) {
        PngToBitmap32(*Png, *B);
        B->SetDrawMode(SetDrawMode && PngHasTransparency(*Png) ? dmBlend : dmOpaque);
      }
      Bmp9[C][R] = std::move(B);
    }
}

}  // namespace qv
