// SVG documents for the vector list: any bytes either read or raise EInvalidGraphic; what
// reads is written again, and that document must read back to the same data.
#include <cstdlib>

#include "design/QvSkinPicturesSvg.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  using namespace qv;
  TSkSvgBrush First;
  try {
    ReadSvgDocument(std::vector<uint8_t>(Data, Data + Size), First);
  } catch (const EInvalidGraphic&) {
    return 0;
  }
  TSkSvgBrush Again;
  ReadSvgDocument(WriteSvgDocument(First, 16, 16), Again);
  const auto Side = [](Integer V) { return V > 0 ? V : 16; };
  if (Again.Path() != First.Path() || Again.FillColor() != First.FillColor() ||
      Again.StrokeColor() != First.StrokeColor() || Again.StrokeWidth() != First.StrokeWidth() ||
      Again.ViewWidth() != Side(First.ViewWidth()) ||
      Again.ViewHeight() != Side(First.ViewHeight()))
    std::abort();
  return 0;
}
