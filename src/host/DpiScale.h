#pragma once
// DPI arithmetic shared by the platform glue, the resource lookups and the scaling of
// controls. Pure integer and floating rules, no windows: tested natively.
#include "host/Types.h"

namespace qv {

// The DPI every metric of the library is designed at.
constexpr Integer DesignDpi = 96;

// A usable DPI: values the platform answers as 0 or less (no window, no screen) become 96.
Integer SaneDpi(Integer Dpi);
// Dpi / 96 (1.0 for an unusable DPI).
double DpiToScale(Integer Dpi);
// The scale as a whole percentage, rounded to nearest (halves to even): 1.5 -> 150.
Integer ScalePercent(double Scale);
// N design pixels at Dpi: MulDiv(N, Dpi, 96), halves away from zero.
Integer DpiScaledPixels(Integer N, Integer Dpi);
// A font size at Dpi: the scaled pixels times 0.75, rounded to nearest (halves to even).
Integer DpiScaledFontSize(Integer Size, Integer Dpi);

}  // namespace qv
