#pragma once
// Colour names and system colour resolution.
#include <functional>

#include "host/Types.h"

namespace qv {

// "clRed" <-> clRed for the standard and system colours; false when there is no such name.
bool ColorToIdent(TColor Color, String& Ident);
bool IdentToColor(const String& Ident, TColor& Color);
// The name when there is one, else "$00BBGGRR".
String ColorToString(TColor Color);
// A colour name, a "$" hexadecimal or a decimal number; raises EConvertError otherwise.
TColor StringToColor(const String& S);
// Calls Proc with every colour name in table order: the 16 standard colours, 4 extended
// ones, then the system colours (clNone and clDefault among them).
void GetColorValues(const std::function<void(const String& Name)>& Proc);
// Resolves a system colour to its current RGB value (0x00BBGGRR); other values pass through.
// A system colour the process has replaced resolves to its replacement.
TColor ColorToRGB(TColor Color);

// Replaces a system colour for this process (a dark theme gives text and faces its own
// colours); Value must be an RGB value. Nothing for a colour that is not a system colour.
void SetSystemColorOverride(TColor SystemColor, TColor Value);
void ClearSystemColorOverrides();
// The replacement of a system colour, for the platform parts of ColorToRGB.
bool SystemColorOverride(TColor SystemColor, TColor& Value);

}  // namespace qv
