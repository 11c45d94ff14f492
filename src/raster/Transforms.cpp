#include "raster/Transforms.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "raster/Resamplers.h"

namespace qv {

void TTransformation::SetSrcRect(const TFloatRect& Value) {
  FSrcRect = Value;
  Changed();
}

TFloatRect TTransformation::GetTransformedBounds(const TFloatRect& R) const {
  TFloatPoint C[4] = {Transform({R.Left, R.Top}), Transform({R.Right, R.Top}),
                      Transform({R.Right, R.Bottom}), Transform({R.Left, R.Bottom})};
  TFloatRect B{C[0].X, C[0].Y, C[0].X, C[0].Y};
  for (const TFloatPoint& P : C) {
    B.Left = std::min(B.Left, P.X), B.Top = std::min(B.Top, P.Y);
    B.Right = std::max(B.Right, P.X), B.Bottom = std::max(B.Bottom, P.Y);
  }
  return B;
}

void TAffineTransformation::Clear() {
  for (int I = 0; I < 3; ++I)
    for (int J = 0; J < 3; ++J) Matrix[I][J] = I == J;
  Changed();
}

void TAffineTransformation::Multiply(const double M[3][3]) {
  double R[3][3];
  for (int I = 0; I < 3; ++I)
    for (int J = 0; J < 3; ++J)
      R[I][J] = M[I][0] * Matrix[0][J] + M[I][1] * Matrix[1][J] + M[I][2] * Matrix[2][J];
  std::copy(&R[0][0], &R[0][0] + 9, &Matrix[0][0]);
  Changed();
}

void TAffineTransformation::Translate(double Dx, double Dy) {
  const double M[3][3] = {{1, 0, Dx}, {0, 1, Dy}, {0, 0, 1}};
  Multiply(M);
}

void TAffineTransformation::Scale(double Sx, double Sy) {
  const double M[3][3] = {{Sx, 0, 0}, {0, Sy, 0}, {0, 0, 1}};
  Multiply(M);
}

void TAffineTransformation::Rotate(double Cx, double Cy, double Alpha) {
  double A = Alpha * 3.14159265358979323846 / 180, C = std::cos(A), S = std::sin(A);
  // y grows downwards, so a counter-clockwise turn on screen is x' = x·c + y·s, y' = −x·s + y·c.
  const double M[3][3] = {{C, S, Cx - C * Cx - S * Cy}, {-S, C, Cy + S * Cx - C * Cy}, {0, 0, 1}};
  Multiply(M);
}

void TAffineTransformation::Skew(double Fx, double Fy) {
  const double M[3][3] = {{1, Fx, 0}, {Fy, 1, 0}, {0, 0, 1}};
  Multiply(M);
}

TFloatPoint TAffineTransformation::Transform(const TFloatPoint& P) const {
  return {Matrix[0][0] * P.X + Matrix[0][1] * P.Y + Matrix[0][2],
          Matrix[1][0] * P.X + Matrix[1][1] * P.Y + Matrix[1][2]};
}

TFloatPoint TAffineTransformation::ReverseTransform(const TFloatPoint& P) const {
  double A = Matrix[0][0], B = Matrix[0][1], C = Matrix[1][0], D = Matrix[1][1];
  double Det = A * D - B * C;
  if (Det == 0 || !std::isfinite(Det)) return {NAN, NAN};
  double X = P.X - Matrix[0][2], Y = P.Y - Matrix[1][2];
  return {(D * X - B * Y) / Det, (A * Y - C * X) / Det};
}

void Transform(TCustomBitmap32* Dst, TCustomBitmap32* Src, const TTransformation* T) {
  if (!Dst) throw EBitmapError(L"Destination bitmap is nil");
  if (!Src) throw EBitmapError(L"Source bitmap is nil");
  if (!T || Dst->Empty() || Src->Empty()) return;
  if (Dst == Src) {
    // Transforming a surface onto itself samples a copy of it.
    TCustomBitmap32 Copy;
    Src->CopyMapTo(&Copy);
    Src->CopyPropertiesTo(&Copy);
    Copy.OnPixelCombine = Src->OnPixelCombine;
    Transform(Dst, &Copy, T);
    return;
  }
  TFloatRect SR = T->SrcRect();
  TFloatRect B = T->GetTransformedBounds();
  if (!(std::isfinite(B.Left) && std::isfinite(B.Top) && std::isfinite(B.Right) &&
        std::isfinite(B.Bottom)))
    return;
  auto Clamp = [](double V) { return Integer(std::clamp(V, -1e9, 1e9)); };
  TRect Area;
  if (!IntersectRect(Area,
                     Rect(Clamp(std::floor(B.Left)), Clamp(std::floor(B.Top)),
                          Clamp(std::ceil(B.Right)), Clamp(std::ceil(B.Bottom))),
                     Dst->ClipRect()))
    return;
  const TCustomResampler* R = Src->Resampler();
  // Soft edges: with transparent edges a sample half a pixel outside still lands.
  double Margin = R->PixelAccessMode() == pamTransparentEdge ? 0.5 : 0;
  uint32_t M = Src->MasterAlpha();
  TDrawMode Mode = Src->DrawMode();
  if (Mode == dmBlend && M == 0) return;
  for (Integer Y = Area.Top; Y < Area.Bottom; ++Y) {
    TColor32* Row = Dst->ScanLine(Y);
    for (Integer X = Area.Left; X < Area.Right; ++X) {
      TFloatPoint S = T->ReverseTransform({X + 0.5, Y + 0.5});
      if (!(S.X >= SR.Left - Margin && S.X < SR.Right + Margin && S.Y >= SR.Top - Margin &&
            S.Y < SR.Bottom + Margin))
        continue;
      TColor32 F = R->GetSampleFloat(S.X, S.Y);
      TColor32& P = Row[X];
      switch (Mode) {
        case dmBlend:
          P = Src->CombineMode() == cmBlend ? TransformBlendReg(F, P, M) : MergeRegEx(F, P, M);
          break;
        case dmTransparent:
          if (F != Src->OuterColor()) P = F;
          break;
        case dmCustom:
          if (Src->OnPixelCombine) {
            Src->OnPixelCombine(F, P, M);
            break;
          }
          [[fallthrough]];
        case dmOpaque:
          P = F;
          break;
      }
    }
  }
  Dst->Changed(Area);
}

}  // namespace qv
