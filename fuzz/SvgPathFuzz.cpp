// SVG path data: any bytes either draw or raise the library's exception, and after an
// exception the canvas holds no half-built path.
#include <cstdlib>
#include <string>

#include "graphics/QvSkinGraphics.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  using namespace qv;
  static TBitmap32 Surface;
  Surface.SetSize(48, 48);
  Surface.Clear(0);
  TQvSVGPathRenderer Renderer(&Surface);
  Renderer.SetStrokeWidth(Size % 4);
  Renderer.SetAlpha(uint8_t(Size * 37));
  try {
    Renderer.SetPath(std::string(reinterpret_cast<const char*>(Data), Size));
  } catch (const Exception&) {
    if (!Renderer.Canvas().Path().Empty()) std::abort();
  }
  return 0;
}
