// Without a platform there are no platform pictures.
#include "graphics/QvGR32LibPng.h"

namespace qv {

TDecodedImage PngImageToDecoded(const TPngImage&) {
  return {};
}

void DrawPicture(TPicture*, Integer, Integer, TCustomBitmap32*) {}

}  // namespace qv
