// Picture decoding: any bytes either decode or raise the library's exception, and a
// surface that refuses them is left as it was.
#include <cstdlib>

#include "FuzzSupport.h"
#include "host/ImageCodec.h"
#include "host/Streams.h"
#include "raster/Gr32Png.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  using namespace qv;
  std::vector<uint8_t> Bytes(Data, Data + Size);
  if (qvfuzz::LargeButAllowed(Bytes)) return 0;
  try {
    TDecodedImage Img = DecodeImage(Bytes.data(), Bytes.size());
    if (Img.RGBA.size() != size_t(Img.Width) * size_t(Img.Height) * 4) std::abort();
  } catch (const Exception&) {
  }
  TBitmap32 B;
  B.SetSize(1, 1);
  B.SetPixel(0, 0, 0x12345678);
  bool Used = false;
  try {
    TMemoryStream S(Bytes);
    LoadPNGintoBitmap32(&B, S, Used);
  } catch (const Exception&) {
    if (B.Width() != 1 || B.Pixel(0, 0) != 0x12345678) std::abort();
  }
  return 0;
}
