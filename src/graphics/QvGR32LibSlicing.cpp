#include "graphics/QvGR32LibSlicing.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "host/ScopeGuard.h"
#include "raster/Resamplers.h"
#include "raster/Transforms.h"
#include "resources/QvSkinIntfPictures.h"

namespace qv {

void FreeArray9BlockBmp(TBmp32Array9Block& Blocks) {
  for (auto& Column : Blocks)
    for (auto& Block : Column) Block.reset();
}

void FreeArrayBmps(TBmp32Array& Bitmaps) {
  for (auto& Bitmap : Bitmaps) Bitmap.reset();
  Bitmaps.clear();
}

namespace {

std::unique_ptr<TQvSkinImage> CutPiece(const TCustomBitmap32& Img, const TRect& R) {
  auto Piece = std::make_unique<TQvSkinImage>();
  CutPicture(Img, R, *Piece);
  return Piece;
}

// Count pieces of Step pixels along one axis.
void SpliteAlong(const TCustomBitmap32* Img, Integer Count, bool Vertical, TDynQvSkinImage& Parts) {
  FreeDynImg(Parts);
  if (!Img || Count <= 0) return;
  Integer W = Img->Width(), H = Img->Height();
  Integer Step = (Vertical ? H : W) / Count;
  for (Integer I = 0; I < Count; ++I)
    Parts.push_back(CutPiece(*Img, Vertical ? Rect(0, I * Step, W, (I + 1) * Step)
                                            : Rect(I * Step, 0, (I + 1) * Step, H)));
}

std::unique_ptr<TQvSkinImage> NewLike(const TCustomBitmap32& Img, Integer W, Integer H) {
  auto New = std::make_unique<TQvSkinImage>();
  Img.CopyPropertiesTo(New.get());
  New->SetSize(W, H);
  return New;
}

// Stretched drawing that skips empty rectangles.
void StretchPiece(TCustomBitmap32& Dst, const TRect& DstRect, TCustomBitmap32& Src,
                  const TRect& SrcRect) {
  if (DstRect.IsEmpty() || SrcRect.IsEmpty()) return;
  Dst.Draw(DstRect, SrcRect, &Src);
}

// Makes B copy its pixels unblended, nearest neighbour, when drawn: the platform stretch
// copy rule.
void UseCopyRule(TCustomBitmap32& B) {
  B.SetDrawMode(dmOpaque);
  if (B.ResamplerClassName() != L"TNearestResampler") B.SetResamplerClassName(L"TNearestResampler");
}

// Fills Area of Dst with the pattern of SrcRect repeated from (X0, Y0), combining by Src's
// draw mode. Tiles never overlap, so every destination row is one gathered pattern row
// combined once.
void TilePattern(TCustomBitmap32& Dst, TCustomBitmap32& Src, const TRect& SrcRect, int64_t X0,
                 int64_t Y0, int64_t AL, int64_t AT, int64_t AR, int64_t AB) {
  TRect Clip = Dst.ClipRect();
  AL = std::max<int64_t>(AL, Clip.Left);
  AT = std::max<int64_t>(AT, Clip.Top);
  AR = std::min<int64_t>(AR, Clip.Right);
  AB = std::min<int64_t>(AB, Clip.Bottom);
  if (AL >= AR || AT >= AB || SrcRect.IsEmpty()) return;
  int64_t SW = SrcRect.Width(), SH = SrcRect.Height();
  auto Mod = [](int64_t A, int64_t N) { return ((A % N) + N) % N; };
  int N = int(AR - AL);
  std::vector<TColor32> Row(static_cast<size_t>(N));
  const TCustomBitmap32* From = &Src;
  TCustomBitmap32 Copy;
  if (&Src == &Dst) {  // tiling a surface onto itself reads from a copy
    Src.CopyMapTo(&Copy);
    From = &Copy;
  }
  int64_t StartCol = Mod(AL - X0, SW);
  int64_t LastRow = -1;
  for (int64_t Y = AT; Y < AB; ++Y) {
    int64_t SrcRow = Mod(Y - Y0, SH);
    if (SrcRow != LastRow) {
      const TColor32* S = From->PixelPtr(SrcRect.Left, SrcRect.Top + Integer(SrcRow));
      int64_t C = StartCol;
      for (int I = 0; I < N; ++I) {
        Row[size_t(I)] = S[C];
        if (++C == SW) C = 0;
      }
      LastRow = SrcRow;
    }
    Src.CombineLine(Row.data(), Dst.PixelPtr(Integer(AL), Integer(Y)), N);
  }
  Dst.Changed(Rect(Integer(AL), Integer(AT), Integer(AR), Integer(AB)));
}

bool Inside(const TRect& R, const TCustomBitmap32& B) {
  return R.Left >= 0 && R.Top >= 0 && R.Right <= B.Width() && R.Bottom <= B.Height();
}

}  // namespace

// ---- cutting ----

void SpliteImg(const TCustomBitmap32* Img, Integer Count, TDynQvSkinImage& Parts) {
  SpliteAlong(Img, Count, false, Parts);
}

void SpliteVertImg(const TCustomBitmap32* Img, Integer Count, TDynQvSkinImage& Parts) {
  SpliteAlong(Img, Count, true, Parts);
}

void SpliteHorz3Img(const TCustomBitmap32* Img, Integer CapWidth, TDynQvSkinImage& Parts) {
  if (!Img || CapWidth <= 0 || CapWidth >= Img->Width() / 3) {
    SpliteImg(Img, 3, Parts);
    return;
  }
  FreeDynImg(Parts);
  Integer W = Img->Width(), H = Img->Height();
  Parts.push_back(CutPiece(*Img, Rect(0, 0, CapWidth, H)));
  Parts.push_back(CutPiece(*Img, Rect(CapWidth, 0, W - CapWidth, H)));
  Parts.push_back(CutPiece(*Img, Rect(W - CapWidth, 0, W, H)));
}

void SpliteImgTo9Block(const TCustomBitmap32* Img, TImgArray9Block& Blocks) {
  if (!Img) return;
  Integer BW = Img->Width() / 3, BH = Img->Height() / 3;
  for (Integer C = 0; C < 3; ++C)
    for (Integer R = 0; R < 3; ++R)
      Blocks[C][R] = CutPiece(*Img, Rect(C * BW, R * BH, (C + 1) * BW, (R + 1) * BH));
}

std::unique_ptr<TQvSkinImage> SpliteImgCenterPart(const TCustomBitmap32* Img, Integer CenterHeight,
                                                  Integer Width) {
  if (!Img) return nullptr;
  Integer W = Img->Width(), H = Img->Height();
  auto New = std::make_unique<TQvSkinImage>();
  if (CenterHeight <= 0 || CenterHeight > H || Width <= 0 || Width > W) {
    New->Assign(const_cast<TCustomBitmap32*>(Img));
    return New;
  }
  // C + CenterHeight > H exactly when CenterHeight > H, handled above.
  Integer C = (H - CenterHeight) / 2;
  Img->CopyPropertiesTo(New.get());
  New->SetSize(Width, CenterHeight);
  New->Draw(0, 0, Rect(0, C, Width, C + CenterHeight), const_cast<TCustomBitmap32*>(Img));
  return New;
}

// ---- nine-slice and three-slice drawing ----

void StretchBitmap(TCustomBitmap32* Src, TCustomBitmap32* Dst, bool UseGDI) {
  if (!Src || !Dst) return;
  Integer A = std::max(Src->Width() / 3, 1), B = std::max(Src->Height() / 3, 1);
  TRect Cap = Rect(A, B, 2 * A, 2 * B);
  if (Src->Width() == Dst->Width()) Cap = Rect(0, B, 0, 2 * B);
  if (Src->Height() == Dst->Height()) Cap = Rect(A, 0, 2 * A, 0);
  DrawBitmapCapInsets(Src, Dst, Cap, UseGDI);
}

void DrawBitmapCapInsets(TCustomBitmap32* Src, TCustomBitmap32* Dst, const TRect& CapRect,
                         bool UseGDI) {
  if (!Src || !Dst || Src->Empty() || Dst->Empty()) return;
  const Integer SW = Src->Width(), SH = Src->Height(), DstW = Dst->Width(), DstH = Dst->Height();
  // A cap rectangle reaching outside the picture is cut back to it.
  const Integer L = std::clamp(CapRect.Left, 0, SW), R = std::clamp(CapRect.Right, L, SW);
  const Integer T = std::clamp(CapRect.Top, 0, SH), B = std::clamp(CapRect.Bottom, T, SH);
  const Integer DW = DstW - SW, DH = DstH - SH;
  struct Piece {
    TRect From, To;
    enum { Stretch, Tile, Place } How;
  };
  const Piece Pieces[9] = {
      {Rect(L, T, R, B), Rect(L, T, R + DW, B + DH), Piece::Stretch},
      {Rect(0, T, L, B), Rect(0, T, L, B + DH), Piece::Stretch},
      {Rect(L, 0, R, T), Rect(L, 0, R + DW, T), Piece::Tile},
      {Rect(R, T, SW, B), Rect(R + DW, T, DstW, B + DH), Piece::Stretch},
      {Rect(L, B, R, SH), Rect(L, B + DH, R + DW, DstH), Piece::Tile},
      {Rect(0, 0, L, T), Rect(0, 0, L, T), Piece::Place},
      {Rect(R, 0, SW, T), Rect(R + DW, 0, DstW, T), Piece::Place},
      {Rect(0, B, L, SH), Rect(0, B + DH, L, DstH), Piece::Place},
      {Rect(R, B, SW, SH), Rect(R + DW, B + DH, DstW, DstH), Piece::Place},
  };
  if (UseGDI) {
    TCustomBitmap32 Copy;
    Src->CopyMapTo(&Copy);
    UseCopyRule(Copy);
    for (const Piece& P : Pieces) StretchPiece(*Dst, P.To, Copy, P.From);
    return;
  }
  for (const Piece& P : Pieces) {
    if (P.From.IsEmpty()) continue;
    switch (P.How) {
      case Piece::Stretch:
        StretchPiece(*Dst, P.To, *Src, P.From);
        break;
      case Piece::Tile:
        TileBitmap(Src, Dst, P.From, P.To);
        break;
      case Piece::Place:
        Dst->Draw(P.To.Left, P.To.Top, P.From, Src);
        break;
    }
  }
}

std::unique_ptr<TQvSkinImage> ResizeImg(TCustomBitmap32* Img, Integer W, Integer H) {
  if (!Img) return nullptr;
  auto New = NewLike(*Img, W, H);
  StretchBitmap(Img, New.get(), true);
  return New;
}

std::unique_ptr<TQvSkinImage> ResizeHorzImg(TCustomBitmap32* Img, Integer NewWidth,
                                            Integer CapWidth) {
  if (!Img) return nullptr;
  const Integer H = Img->Height();
  auto New = NewLike(*Img, NewWidth, H);
  if (NewWidth <= 0) return New;
  TDynQvSkinImage Parts;
  if (CapWidth != 0)
    SpliteHorz3Img(Img, CapWidth, Parts);
  else
    SpliteImg(Img, 3, Parts);
  TQvSkinImage &Left = *Parts[0], &Middle = *Parts[1], &Right = *Parts[2];
  if (Left.Width() < NewWidth) {
    for (auto& P : Parts) UseCopyRule(*P);
    const bool Wide = int64_t(CapWidth) + 3 < NewWidth;
    if (CapWidth != 0) {
      if (Wide)
        StretchPiece(*New, Rect(Left.Width(), 0, NewWidth - Right.Width(), H), Middle,
                     Middle.BoundsRect());
      StretchPiece(*New, Rect(0, 0, Left.Width(), H), Left, Left.BoundsRect());
      if (Wide)
        StretchPiece(*New, Rect(NewWidth - Right.Width(), 0, NewWidth, H), Right,
                     Right.BoundsRect());
    } else {
      StretchPiece(*New, Rect(Left.Width(), 0, NewWidth - Left.Width(), H), Middle,
                   Middle.BoundsRect());
      StretchPiece(*New, Rect(0, 0, Left.Width(), Left.Height()), Left, Left.BoundsRect());
      StretchPiece(*New, Rect(NewWidth - Right.Width(), 0, NewWidth, Right.Height()), Right,
                   Right.BoundsRect());
    }
  } else {
    New->Draw(0, 0, &Left);
  }
  return New;
}

std::unique_ptr<TQvSkinImage> ResizeVertImg(TCustomBitmap32* Img, Integer NewHeight) {
  if (!Img) return nullptr;
  const Integer W = Img->Width();
  auto New = NewLike(*Img, W, NewHeight);
  if (NewHeight <= 0) return New;
  TDynQvSkinImage Parts;
  SpliteVertImg(Img, 3, Parts);
  TQvSkinImage &Top = *Parts[0], &Middle = *Parts[1], &Bottom = *Parts[2];
  if (Middle.Height() < NewHeight) {
    for (auto& P : Parts) UseCopyRule(*P);
    StretchPiece(*New, Rect(0, Top.Height(), W, NewHeight - Bottom.Height()), Middle,
                 Middle.BoundsRect());
    StretchPiece(*New, Rect(0, 0, W, Top.Height()), Top, Top.BoundsRect());
    StretchPiece(*New, Rect(0, NewHeight - Bottom.Height(), W, NewHeight), Bottom,
                 Bottom.BoundsRect());
  } else {
    TQvSkinImage& Fill = NewHeight > 3 ? Middle : Top;
    StretchPiece(*New, Rect(0, 0, W, NewHeight), Fill, Fill.BoundsRect());
  }
  return New;
}

// ---- tiling, placing and fitting ----

void TileBitmap(TCustomBitmap32* Src, TCustomBitmap32* Dst, Integer OffsetX, Integer OffsetY) {
  if (!Src || !Dst || Src->Empty() || Dst->Empty()) return;
  const int64_t SW = Src->Width(), SH = Src->Height();
  // Tiles at OffsetX + c·SW for c = 0 .. Dst.W div SW, rows likewise.
  const int64_t Right = OffsetX + (Dst->Width() / SW + 1) * SW;
  const int64_t Bottom = OffsetY + (Dst->Height() / SH + 1) * SH;
  {
    auto Locked = LockScope(*Dst);
    auto Updating = UpdateScope(*Dst);
    TilePattern(*Dst, *Src, Src->BoundsRect(), OffsetX, OffsetY, OffsetX, OffsetY, Right, Bottom);
  }
  Dst->Changed();
}

void TileBitmap(TCustomBitmap32* Src, TCustomBitmap32* Dst, const TRect& SrcRect,
                const TRect& DstRect) {
  if (!Src || !Dst || SrcRect.IsEmpty() || !Inside(SrcRect, *Src)) return;
  const int64_t SW = SrcRect.Width(), SH = SrcRect.Height();
  const int64_t DW = std::max<int64_t>(int64_t(DstRect.Right) - DstRect.Left, 0);
  const int64_t DH = std::max<int64_t>(int64_t(DstRect.Bottom) - DstRect.Top, 0);
  // The repeated axis runs over the whole destination; the last tile is cut.
  if (SW != DW && SH != DH) return;
  TilePattern(*Dst, *Src, SrcRect, DstRect.Left, DstRect.Top, DstRect.Left, DstRect.Top,
              DstRect.Left + DW, DstRect.Top + DH);
}

void TileBitmap(TCustomBitmap32* Src, TCustomBitmap32* Dst, const TRect& DstRect) {
  if (!Src || !Dst || Src->Empty()) return;
  StretchPiece(*Dst, DstRect, *Src, Src->BoundsRect());
}

void DrawImage(TCustomBitmap32* Src, TCustomBitmap32* Dst, TQvPngFillType FillType) {
  if (!Src || !Dst) return;
  switch (FillType) {
    case ftNormal:
      Dst->Draw(0, 0, Src);
      break;
    case ftTile:
      TileBitmap(Src, Dst);
      break;
    case ftAutoStretch:
      StretchBitmap(Src, Dst, false);
      break;
    case ftCenter:
      Dst->Draw((Dst->Width() - Src->Width()) / 2, (Dst->Height() - Src->Height()) / 2, Src);
      break;
    case ftStretch:
      StretchPiece(*Dst, Dst->BoundsRect(), *Src, Src->BoundsRect());
      break;
    case ftGradient:
      break;
  }
}

void InstallEdgeResampler(TCustomBitmap32& Src) {
  auto Sampler = std::make_unique<TLinearResampler>(&Src);
  Sampler->SetPixelAccessMode(pamTransparentEdge);
  Src.SetResampler(std::move(Sampler));
}

void ScaleInto(TCustomBitmap32* Src, TCustomBitmap32* Dst, double Scale, int Passes) {
  TAffineTransformation T;
  T.SetSrcRect(TFloatRect{0, 0, double(Src->Width()), double(Src->Height())});
  T.Scale(Scale);
  TFloatRect B = T.GetTransformedBounds();
  double W = B.Right - B.Left, H = B.Bottom - B.Top;
  // A mirrored picture, or a size no surface can have, counts as nothing.
  bool Usable = Scale > 0 && W >= 0 && H >= 0 && W < INT32_MAX && H < INT32_MAX;
  Dst->SetSize(Usable ? Integer(W) : 0, Usable ? Integer(H) : 0);
  for (int P = 0; P < Passes; ++P) Transform(Dst, Src, &T);
}

void AutoStretchBitmap(TCustomBitmap32* Src, TCustomBitmap32* Dst, bool Flag, float Extra) {
  if (!Src || !Dst || Src->Empty()) return;
  float S = std::max(float(Dst->Width()) / float(Src->Width()),
                     float(Dst->Height()) / float(Src->Height())) +
            Extra;
  InstallEdgeResampler(*Src);
  TBitmap32 Temp;
  ScaleInto(Src, &Temp, S, 1);
  Dst->Draw((Dst->Width() - Temp.Width()) / 2, (Dst->Height() - Temp.Height()) / 2, &Temp);
}

void AutoStretchBitmapEx(TCustomBitmap32* Src, TCustomBitmap32* Dst) {
  AutoStretchBitmap(Src, Dst, false, 0);
}

}  // namespace qv
