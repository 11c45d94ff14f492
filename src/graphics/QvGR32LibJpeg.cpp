#include "graphics/QvGR32LibJpeg.h"

#include "graphics/QvGR32LibSlicing.h"
#include "host/ImageCodec.h"
#include "host/Streams.h"

namespace qv {

bool Bmp32ToJpg(const TCustomBitmap32* Bitmap, std::vector<uint8_t>& Jpeg) {
  if (!Bitmap || Bitmap->Empty()) return false;
  const int W = Bitmap->Width(), H = Bitmap->Height();
  std::vector<uint8_t> RGB(size_t(W) * size_t(H) * 3);
  for (size_t I = 0, N = size_t(W) * size_t(H); I < N; ++I) {
    TColor32 P = Bitmap->Bits()[I];
    RGB[3 * I] = RedComponent(P);
    RGB[3 * I + 1] = GreenComponent(P);
    RGB[3 * I + 2] = BlueComponent(P);
  }
  try {
    Jpeg = EncodeJpeg(RGB.data(), W, H, 3);
  } catch (const EInvalidGraphic&) {
    return false;
  }
  return true;
}

bool Bmp32ToJpg(const TCustomBitmap32* Bitmap, const String& FileName) {
  std::vector<uint8_t> Jpeg;
  if (!Bmp32ToJpg(Bitmap, Jpeg)) return false;
  try {
    TFileStream File(FileName, fmCreate);
    File.WriteBuffer(Jpeg.data(), Jpeg.size());
  } catch (const Exception&) {
    return false;
  }
  return true;
}

void ResizeJpgImage(const String& FileName, Integer W, Integer H, String& NewName) {
  if (!FileExists(FileName)) return;
  TBitmap32 Picture, Thumb;
  Picture.LoadFromFile(FileName);
  Thumb.SetSize(W, H);
  AutoStretchBitmap(&Picture, &Thumb);
  NewName = FileName + std::to_wstring(W) + L"x" + std::to_wstring(H) + L".jpg";
  Bmp32ToJpg(&Thumb, NewName);
}

}  // namespace qv
