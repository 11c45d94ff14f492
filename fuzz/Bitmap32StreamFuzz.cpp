// Surface persistence: bitmap streams and "Data" blobs either load or raise the
// library's exception with the surface left as it was.
#include <cstdlib>

#include "FuzzSupport.h"
#include "host/Streams.h"
#include "raster/Bitmap32.h"

namespace {
bool Untouched(const qv::TBitmap32& B) {
  return B.Width() == 2 && B.Height() == 1 && B.Pixel(1, 0) == 0xCAFEBABE;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  using namespace qv;
  std::vector<uint8_t> Bytes(Data, Data + Size);
  if (qvfuzz::LargeButAllowed(Bytes)) return 0;
  TBitmap32 B;
  B.SetSize(2, 1);
  B.SetPixel(1, 0, 0xCAFEBABE);
  try {
    TMemoryStream S(Bytes);
    B.LoadFromStream(S);
  } catch (const Exception&) {
    if (!Untouched(B)) std::abort();
  }
  TBitmap32 C;
  C.SetSize(2, 1);
  C.SetPixel(1, 0, 0xCAFEBABE);
  try {
    C.ReadDataBlob(Bytes);
    if (C.DataBlob() != Bytes) std::abort();  // what loads writes back the same
  } catch (const Exception&) {
    if (!Untouched(C)) std::abort();
  }
  return 0;
}
