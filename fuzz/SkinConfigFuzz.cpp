// Skin configuration file: any bytes either parse or raise EParserError; what parses is
// written again, and that document must read back to the same settings.
#include <cstdlib>

#include "forms/QvSkinResConfig.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  using namespace qv;
  TQvSkinConfig Config;
  try {
    Config = ParseSkinConfig(Data, Size);
  } catch (const EParserError&) {
    return 0;
  }
  if (!(ParseSkinConfig(FormatSkinConfig(Config)) == Config)) std::abort();
  return 0;
}
