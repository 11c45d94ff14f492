#include "controls/QvSkinPanelGradient.h"

#include <algorithm>

#include "raster/Polygons.h"

namespace qv {

std::vector<TQvGradientBand> GradientBands(TGradientDirection Direction, TGradientAlign Align,
                                           int GradientSize, int W, int H) {
  const bool Horizontal = Direction == gdHorizontal;
  const int64_t Extent = Horizontal ? W : H;
  const int Size = int(int64_t(GradientSize) * Extent / 100);
  if (Size <= 0) return {};
  const int Cross = std::max((Horizontal ? H : W) - 1, 1) + 1;
  // A band along the main axis from A (start colour) towards B; [Lo, Hi) is its extent.
  auto Band = [&](int Lo, int Hi, int A, int B) {
    return Horizontal ? TQvGradientBand{TRect{Lo, 0, Hi, Cross}, TPoint{A, 0}, TPoint{B, 0}}
                      : TQvGradientBand{TRect{0, Lo, Cross, Hi}, TPoint{0, A}, TPoint{0, B}};
  };
  const int Far = int(Extent);
  switch (Align) {
    case gaLeft:
      return {Band(0, Size, 0, Size)};
    case gaRight:
      return {Band(Far - Size, Far, Far, Far - Size)};
    case gaCenter:
    default: {
      const int M = Far / 2;
      const int LowerEnd = Horizontal ? M + Size : Far;
      return {Band(M - Size, M, M, M - Size), Band(M, LowerEnd, M, LowerEnd)};
    }
  }
}

void FillGradientBands(TCustomBitmap32* Bitmap, TGradientDirection Direction, TGradientAlign Align,
                       int GradientSize, TColor32 StartColor, TColor32 EndColor) {
  if (!Bitmap || Bitmap->Empty()) return;
  const auto Bands =
      GradientBands(Direction, Align, GradientSize, Bitmap->Width(), Bitmap->Height());
  if (Bands.empty()) return;
  TCustomBitmap32 Temp;
  Temp.SetSize(Bitmap->Width(), Bitmap->Height());
  Temp.Clear(clTransparent32);
  // Merged onto the clear surface the band keeps its colours and alpha as they are.
  Temp.SetCombineMode(cmMerge);
  for (const TQvGradientBand& B : Bands) {
    TLinearGradientPolygonFiller Filler(TColor32Gradient(StartColor, EndColor));
    Filler.SetPoints(FloatPoint(B.Start.X, B.Start.Y), FloatPoint(B.End.X, B.End.Y));
    const TRect& R = B.Rect;
    PolygonFS(&Temp,
              {FloatPoint(R.Left, R.Top), FloatPoint(R.Right, R.Top), FloatPoint(R.Right, R.Bottom),
               FloatPoint(R.Left, R.Bottom)},
              Filler, pfNonZero);
  }
  Temp.SetCombineMode(cmBlend);
  Temp.SetDrawMode(dmBlend);
  Bitmap->Draw(0, 0, &Temp);
}

}  // namespace qv
