#include "Color.h"

#include <algorithm>

namespace skingen {

Rgba Mix(Rgba a, Rgba b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
          a.a + (b.a - a.a) * t};
}

Paint Solid(Rgba c) {
  return [c](float, float) { return c; };
}

Paint VerticalGradient(float y0, Rgba c0, float y1, Rgba c1) {
  return [=](float, float y) { return Mix(c0, c1, std::clamp((y - y0) / (y1 - y0), 0.0f, 1.0f)); };
}

}  // namespace skingen
