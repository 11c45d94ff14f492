// Platform pictures into the PNG routines and onto surfaces.
#include "graphics/QvGR32LibPng.h"
#include "host/Graphics.h"
#include "host/PngImage.h"

namespace qv {

TDecodedImage PngImageToDecoded(const TPngImage& Png) {
  TDecodedImage D;
  D.Format = ifPNG;
  D.Width = Png.Width();
  D.Height = Png.Height();
  D.RGBA = Png.Pixels();
  D.Png = Png.Header();
  return D;
}

void DrawPicture(TPicture* Picture, Integer X, Integer Y, TCustomBitmap32* Dst) {
  if (!Picture || !Picture->Graphic() || !Dst) return;
  if (auto* Png = dynamic_cast<TPngImage*>(Picture->Graphic())) {
    if (Png->Empty() || Png->Width() <= 0 || Png->Height() <= 0) return;
    DrawPng(PngImageToDecoded(*Png), X, Y, Dst);
    return;
  }
  TBitmap32 Temp;
  Temp.Assign(Picture->Graphic());
  Dst->Draw(X, Y, &Temp);
}

}  // namespace qv
