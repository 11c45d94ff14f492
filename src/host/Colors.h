#pragma once
// Colour names and system colour resolution.
#include "host/Types.h"

namespace qv {

// "clRed" <-> clRed for the standard and system colours; false when there is no such name.
bool ColorToIdent(TColor Color, String& Ident);
bool IdentToColor(const String& Ident, TColor& Color);
// The name when there is one, else "$00BBGGRR".
String ColorToString(TColor Color);
// A colour name, a "$" hexadecimal or a decimal number; raises EConvertError otherwise.
TColor StringToColor(const String& S);
// Resolves a system colour to its current RGB value (0x00BBGGRR); other values pass through.
TColor ColorToRGB(TColor Color);

}  // namespace qv
