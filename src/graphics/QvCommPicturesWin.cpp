// Picture conversions of the helpers, on the host's Windows picture classes.
#include <cstring>

#include "graphics/QvComm.h"
#include "host/Canvas.h"
#include "host/Graphics.h"
#include "host/ImageList.h"
#include "host/PngImage.h"
#include "raster/Gr32Png.h"

namespace qv {

namespace {

std::unique_ptr<TPngImage> PngFromSurface(TCustomBitmap32& Surface) {
  std::vector<uint8_t> Data;
  if (!SaveBitmap32ToPNG(&Surface, Data)) throw EInvalidGraphic(L"The PNG image cannot be encoded");
  auto Png = std::make_unique<TPngImage>();
  TMemoryStream Stream(std::move(Data));
  Png->LoadFromStream(Stream);
  return Png;
}

// Image Index of the list on a surface of the list's size, scaled by Scale (> 1).
void ScaledListImage(TCustomImageList* ImageList, int Index, double Scale, TBitmap32& Out) {
  const Integer W = ImageList->Width(), H = ImageList->Height();
  TBitmap32 Image;
  Image.SetSize(W, H);
  TCanvas Canvas;
  Canvas.SetHandle(Image.Handle());
  ImageList->Draw(Canvas, 0, 0, Index, true);
  Canvas.SetHandle(nullptr);
  // Copy through the bilinear resampler; the copy keeps the alpha as it is.
  Image.SetResamplerClassName(L"TLinearResampler");
  Out.SetSize(Integer(W * Scale + 0.5), Integer(H * Scale + 0.5));
  Image.SetDrawMode(dmOpaque);
  Image.DrawTo(&Out, Out.BoundsRect());
  Out.SetDrawMode(dmBlend);
}

}  // namespace

std::unique_ptr<TPngImage> ConvertBmpToPng(TBitmap* Bitmap) {
  if (Bitmap->PixelFormat() != pf32bit || Bitmap->Empty()) {
    auto Png = std::make_unique<TPngImage>();
    Png->Assign(Bitmap);
    return Png;
  }
  TBitmap32 Surface;
  Surface.SetSize(Bitmap->Width(), Bitmap->Height());
  for (Integer Y = 0; Y < Bitmap->Height(); ++Y)
    std::memcpy(Surface.ScanLine(Y), Bitmap->ScanLine(Y), size_t(Bitmap->Width()) * 4);
  return PngFromSurface(Surface);
}

std::unique_ptr<TPngImage> GetPngFromImageList(TCustomImageList* ImageList, int Index) {
  const Integer W = ImageList->Width(), H = ImageList->Height();
  TBitmap Bitmap;
  if (ImageList->ColorDepth() == cd32Bit) {
    Bitmap.SetPixelFormat(pf32bit);
    Bitmap.SetSize(W, H);
    for (Integer Y = 0; Y < H; ++Y) std::memset(Bitmap.ScanLine(Y), 0, size_t(W) * 4);
  } else {
    Bitmap.SetPixelFormat(pf24bit);
    Bitmap.SetSize(W, H);
    Bitmap.Canvas().Brush().SetColor(clFuchsia);
    Bitmap.Canvas().FillRect(Rect(0, 0, W, H));
    Bitmap.SetTransparentColor(clFuchsia);
    Bitmap.SetTransparent(true);
  }
  ImageList->Draw(Bitmap.Canvas(), 0, 0, Index, true);
  return ConvertBmpToPng(&Bitmap);
}

bool GetDPIScaledImageList(const TControl* Control, TCustomImageList* ImageList, int Index,
                           TBitmap32& Bitmap) {
  const double Scale = GetDPIScaleValue(Control);
  if (Scale <= 1) return false;
  ScaledListImage(ImageList, Index, Scale, Bitmap);
  return true;
}

bool GetDPIScaledImageList(const TControl* Control, TCustomImageList* ImageList, int Index,
                           TPngImage& Png) {
  const double Scale = GetDPIScaleValue(Control);
  if (Scale <= 1) return false;
  TBitmap32 Scaled;
  ScaledListImage(ImageList, Index, Scale, Scaled);
  Png.Assign(PngFromSurface(Scaled).get());
  return true;
}

}  // namespace qv
