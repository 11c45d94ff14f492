#pragma once
// Straight (non-premultiplied) RGBA colours in 0..1 and the paints that fill shapes with them.
#include <cstdint>
#include <functional>

namespace skingen {

struct Rgba {
  float r = 0, g = 0, b = 0, a = 0;
};

// 0xRRGGBB with an opacity.
constexpr Rgba Hex(uint32_t rgb, float alpha = 1.0f) {
  return {((rgb >> 16) & 0xFF) / 255.0f, ((rgb >> 8) & 0xFF) / 255.0f, (rgb & 0xFF) / 255.0f,
          alpha};
}

constexpr Rgba WithAlpha(Rgba c, float alpha) {
  return {c.r, c.g, c.b, alpha};
}

// Linear mix of two colours, t = 0 gives a, t = 1 gives b.
Rgba Mix(Rgba a, Rgba b, float t);

// Colour at a point (pixel space, pixel (i, j) covers [i, i + 1) x [j, j + 1)).
using Paint = std::function<Rgba(float x, float y)>;

Paint Solid(Rgba c);
// Vertical gradient: c0 at y0, c1 at y1, clamped outside.
Paint VerticalGradient(float y0, Rgba c0, float y1, Rgba c1);

}  // namespace skingen
