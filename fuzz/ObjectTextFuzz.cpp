// Object text parser: any bytes either parse or raise EParserError; what parses is
// written again, and that text must parse to the same text.
#include <cstdlib>

#include "host/ObjectText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  using namespace qv;
  String Text = FromUtf8(std::string(reinterpret_cast<const char*>(Data), Size));
  TObjectNode Node;
  try {
    Node = ObjectTextToNode(Text);
  } catch (const EParserError&) {
    return 0;
  }
  String Written;
  try {
    Written = ObjectNodeToText(Node);
  } catch (const EWriteError&) {
    return 0;  // e.g. a float the text form cannot carry
  }
  if (ObjectNodeToText(ObjectTextToNode(Written)) != Written) std::abort();
  return 0;
}
