#include "host/DpiScale.h"

#include <cmath>

namespace qv {

Integer SaneDpi(Integer Dpi) {
  return Dpi > 0 ? Dpi : DesignDpi;
}

double DpiToScale(Integer Dpi) {
  return double(SaneDpi(Dpi)) / DesignDpi;
}

Integer ScalePercent(double Scale) {
  return Integer(std::nearbyint(Scale * 100));
}

Integer DpiScaledPixels(Integer N, Integer Dpi) {
  return MulDiv(N, SaneDpi(Dpi), DesignDpi);
}

Integer DpiScaledFontSize(Integer Size, Integer Dpi) {
  return Integer(std::nearbyint(DpiScaledPixels(Size, Dpi) * 0.75));
}

}  // namespace qv
