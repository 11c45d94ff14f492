// Skin file import: any bytes are either accepted as a skin module or refused with
// EParserError; what is accepted, written again in the text form, is accepted again.
#include <cstdlib>
#include <string>

#include "design/QvSkinFile.h"
#include "host/ObjectText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  using namespace qv;
  const std::vector<uint8_t> Bytes(Data, Data + Size);
  try {
    CheckSkinFileData(Bytes);
  } catch (const EParserError&) {
    return 0;
  }
  const size_t Bom = Size >= 3 && Data[0] == 0xEF && Data[1] == 0xBB && Data[2] == 0xBF ? 3 : 0;
  const std::string Again = ToUtf8(ObjectNodeToText(
      ObjectTextToNode(FromUtf8(std::string(Bytes.begin() + long(Bom), Bytes.end())))));
  try {
    CheckSkinFileData(std::vector<uint8_t>(Again.begin(), Again.end()));
  } catch (const EParserError&) {
    std::abort();
  }
  return 0;
}
