// Without a platform the surface keeps its pixels in memory; device-context and text
// operations have no context to work with: they draw nothing and measure 0.
#include <string>

#include "raster/Bitmap32.h"

namespace qv {

std::unique_ptr<TCustomBackend> NewPlatformBackend() {
  return NewMemoryBackend();
}

void TBitmap32::DrawTo(HDC, Integer, Integer) const {}

void TBitmap32::DrawTo(HDC, const TRect&, const TRect&) const {}

void TBitmap32::Draw(const TRect&, const TRect&, HDC) {}

void TBitmap32::Textout(Integer, Integer, const String&) {}

void TBitmap32::Textout(Integer, Integer, const TRect&, const String&) {}

void TBitmap32::Textout(const TRect&, uint32_t, const String&) {}

TSize TBitmap32::TextExtent(const String&) const {
  return {};
}

bool AssignFromGraphic(TCustomBitmap32&, TPersistent*) {
  return false;
}

void TBitmap32::TCanvasDeleter::operator()(TCanvas*) const {}

TCanvas* TBitmap32::Canvas() {
  return nullptr;
}

void TBitmap32::DetachCanvas() {}

void TBitmap32::LoadFromResourceName(HINSTANCE, const String& Name) {
  throw EInvalidGraphic(L"Resource " + Name + L" not found");
}

void TBitmap32::LoadFromResourceID(HINSTANCE, int ResID) {
  throw EInvalidGraphic(L"Resource " + std::to_wstring(ResID) + L" not found");
}

}  // namespace qv
