#include "Canvas.h"

#include <algorithm>
#include <cmath>

namespace skingen {
namespace {

// Sub-samples per axis for pixels an outline passes through: 256 levels, one per alpha step.
constexpr int kSamples = 16;
// A pixel whose centre lies farther than half its diagonal from the outline is fully in or out.
constexpr float kHalfDiagonal = 0.7072f;

uint8_t ToByte(float v) {
  return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
}

}  // namespace

float Coverage(const Shape& shape, int px, int py) {
  float d = shape(px + 0.5f, py + 0.5f);
  if (d >= kHalfDiagonal) return 0.0f;
  if (d <= -kHalfDiagonal) return 1.0f;
  int inside = 0;
  for (int j = 0; j < kSamples; ++j) {
    for (int i = 0; i < kSamples; ++i) {
      if (shape(px + (i + 0.5f) / kSamples, py + (j + 0.5f) / kSamples) < 0) ++inside;
    }
  }
  return static_cast<float>(inside) / (kSamples * kSamples);
}

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), px_(static_cast<size_t>(width) * height) {}

void Canvas::Composite(int x, int y, Rgba c, float coverage) {
  float a = c.a * coverage;
  if (a <= 0) return;
  Rgba& d = At(x, y);
  float k = 1.0f - a;
  d = {c.r * a + d.r * k, c.g * a + d.g * k, c.b * a + d.b * k, a + d.a * k};
}

void Canvas::Fill(const Shape& shape, const Paint& paint) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      float c = Coverage(shape, x, y);
      if (c > 0) Composite(x, y, paint(x + 0.5f, y + 0.5f), c);
    }
  }
}

void Canvas::FillAlpha(const std::function<float(float, float)>& alpha, Rgba color) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) Composite(x, y, color, alpha(x + 0.5f, y + 0.5f));
  }
}

void Canvas::Blit(const Canvas& src, int x0, int y0) {
  for (int y = 0; y < src.height_; ++y) {
    for (int x = 0; x < src.width_; ++x) {
      int dx = x0 + x, dy = y0 + y;
      if (dx >= 0 && dy >= 0 && dx < width_ && dy < height_) At(dx, dy) = src.At(x, y);
    }
  }
}

Canvas Canvas::FlippedHorizontally() const {
  Canvas out(width_, height_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) out.At(width_ - 1 - x, y) = At(x, y);
  return out;
}

Canvas Canvas::FlippedVertically() const {
  Canvas out(width_, height_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) out.At(x, height_ - 1 - y) = At(x, y);
  return out;
}

Canvas Canvas::Transposed() const {
  Canvas out(height_, width_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) out.At(y, x) = At(x, y);
  return out;
}

std::vector<uint8_t> Canvas::ToRgba8() const {
  std::vector<uint8_t> out;
  out.reserve(px_.size() * 4);
  for (const Rgba& p : px_) {
    uint8_t a = ToByte(p.a);
    if (a == 0) {
      out.insert(out.end(), {0, 0, 0, 0});
      continue;
    }
    out.insert(out.end(), {ToByte(p.r / p.a), ToByte(p.g / p.a), ToByte(p.b / p.a), a});
  }
  return out;
}

bool Canvas::IsOpaque() const {
  return std::all_of(px_.begin(), px_.end(), [](const Rgba& p) { return ToByte(p.a) == 255; });
}

}  // namespace skingen
