// Without a platform the surface keeps its pixels in memory; device-context
// operations have no context to work with and do nothing.
#include "raster/Bitmap32.h"

namespace qv {

std::unique_ptr<TCustomBackend> NewPlatformBackend() {
  return NewMemoryBackend();
}

void TBitmap32::DrawTo(TPlatformDC, Integer, Integer) const {}

void TBitmap32::DrawTo(TPlatformDC, const TRect&, const TRect&) const {}

void TBitmap32::Draw(const TRect&, const TRect&, TPlatformDC) {}

}  // namespace qv
