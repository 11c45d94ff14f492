// Without a platform the surface keeps its pixels in memory; device-context
// operations have no context to work with and do nothing.
#include <string>

#include "raster/Bitmap32.h"

namespace qv {

std::unique_ptr<TCustomBackend> NewPlatformBackend() {
  return NewMemoryBackend();
}

void TBitmap32::DrawTo(TPlatformDC, Integer, Integer) const {}

void TBitmap32::DrawTo(TPlatformDC, const TRect&, const TRect&) const {}

void TBitmap32::Draw(const TRect&, const TRect&, TPlatformDC) {}

void TBitmap32::LoadFromResourceName(void*, const String& Name) {
  throw EInvalidGraphic(L"Resource " + Name + L" not found");
}

void TBitmap32::LoadFromResourceID(void*, int ResID) {
  throw EInvalidGraphic(L"Resource " + std::to_wstring(ResID) + L" not found");
}

}  // namespace qv
