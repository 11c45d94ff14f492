#include "graphics/QvGR32LibShapes.h"

#include <algorithm>
#include <cmath>
#include <random>

#include "raster/Polygons.h"
#include "raster/Resamplers.h"
#include "raster/Transforms.h"

namespace qv {

TArrayOfFloatPoint CreateRoundRectangle(const TFloatRect& R, Integer Size) {
  const double D = Size / 2, W = R.Right - R.Left, H = R.Bottom - R.Top;
  const double X = R.Left, Y = R.Top;
  // Boxes and start angles clockwise on screen; the arc helper counts the other way.
  const struct {
    double X, Y, Start;
  } Arcs[4] = {{X, Y, 180}, {X + W - D, Y, 270}, {X + W - D, Y + H - D, 0}, {X, Y + H - D, 90}};
  TArrayOfFloatPoint Points;
  for (const auto& A : Arcs) {
    TArrayOfFloatPoint Arc =
        GetArcPoints(TFloatRect{A.X, A.Y, A.X + D, A.Y + D}, -A.Start, -(A.Start + 90));
    Points.insert(Points.end(), Arc.begin(), Arc.end());
  }
  return Points;
}

TArrayOfFloatPoint CreateRoundRectangle(const TRect& R, Integer Size) {
  return CreateRoundRectangle(
      TFloatRect{double(R.Left), double(R.Top), double(R.Right), double(R.Bottom)}, Size);
}

void DrawRoundRectangle(TCustomBitmap32* Target, const TRect& Rect, TColor Color, Integer Size) {
  if (!Target || Rect.IsEmpty()) return;
  // The line runs through pixel centres so that straight edges stay one pixel wide.
  TFloatRect R{Rect.Left + 0.5, Rect.Top + 0.5, Rect.Right - 0.5, Rect.Bottom - 0.5};
  PolylineFS(Target, CreateRoundRectangle(R, Size), Color32(Color), true, 1.0);
}

namespace {

// Colours of the image stretched over a rectangle, sampled bilinearly, edges clamped.
class TStretchedImageFiller : public TCustomPolygonFiller {
 public:
  TStretchedImageFiller(const TCustomBitmap32& Image, const TRect& Rect) : FRect(Rect) {
    Image.CopyMapTo(&FImage);
    FImage.SetResampler(std::make_unique<TLinearResampler>(&FImage));
    FSX = double(FImage.Width()) / Rect.Width();
    FSY = double(FImage.Height()) / Rect.Height();
  }
  void GetColors(Integer X, Integer Y, int Length, TColor32* Out) override {
    const double MaxX = FImage.Width() - 0.5, MaxY = FImage.Height() - 0.5;
    double SY = std::clamp((Y + 0.5 - FRect.Top) * FSY, 0.5, MaxY);
    for (int I = 0; I < Length; ++I) {
      double SX = std::clamp((X + I + 0.5 - FRect.Left) * FSX, 0.5, MaxX);
      Out[I] = FImage.Resampler()->GetSampleFloat(SX, SY);
    }
  }

 private:
  TCustomBitmap32 FImage;
  TRect FRect;
  double FSX, FSY;
};

}  // namespace

void DrawImageInCircle(TCustomBitmap32* Target, const TRect& Rect, const TCustomBitmap32* Image,
                       TColor Color) {
  if (!Target || Rect.IsEmpty()) return;
  const double CX = (Rect.Left + Rect.Right) / 2.0, CY = (Rect.Top + Rect.Bottom) / 2.0;
  const double RX = Rect.Width() / 2.0, RY = Rect.Height() / 2.0;
  if (Image && !Image->Empty()) {
    TStretchedImageFiller Filler(*Image, Rect);
    PolygonFS(Target, Ellipse(CX, CY, RX, RY), Filler, pfWinding);
  }
  // The ring lies inside the rectangle.
  if (RX > 1 && RY > 1)
    PolylineFS(Target, Ellipse(CX, CY, RX - 1, RY - 1), Color32(Color), true, 2.0);
}

void ShakeBitmapGR32(TCustomBitmap32* Bitmap, bool Grow, TColor BgColor, bool KeepTransparent,
                     double Angle) {
  if (!Bitmap || Bitmap->Empty()) return;
  static std::mt19937 Rng{std::random_device{}()};
  const double P = double(std::uniform_int_distribution<int>(3, 9)(Rng)) / 10;
  const double W = Bitmap->Width(), H = Bitmap->Height();
  TAffineTransformation T;
  T.SetSrcRect(TFloatRect{0, 0, W, H});
  T.Translate(-P * W, -P * H);
  T.Rotate(-Angle);
  Integer NW = Bitmap->Width(), NH = Bitmap->Height();
  if (Grow) {
    TFloatRect B = T.GetTransformedBounds();
    NW = Integer(std::lround(B.Right - B.Left));
    NH = Integer(std::lround(B.Bottom - B.Top));
  }
  T.Translate(P * NW, P * NH);
  TBitmap32 Result;
  Result.SetSize(NW, NH);
  Result.Clear(Color32(BgColor));
  if (!KeepTransparent) Bitmap->SetDrawMode(dmTransparent);
  Transform(&Result, Bitmap, &T);
  Result.CopyMapTo(Bitmap);
  Bitmap->SetOuterColor(Color32(BgColor));
  if (KeepTransparent) Bitmap->SetDrawMode(dmTransparent);
  Bitmap->Changed();
}

void ShakeBitmap(TCustomBitmap32* Bitmap, double Angle) {
  ShakeBitmapGR32(Bitmap, false, 0x1FFFFFFF, false, Angle);
}

}  // namespace qv
