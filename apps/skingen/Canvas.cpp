#include "Canvas.h"

#include <algorithm>
#include <cmath>

namespace skingen {
namespace {

// Sub-samples per axis for pixels an outline passes through: 256 levels, one per alpha step.
constexpr int kSamples = 16;
// A pixel whose centre lies farther than half its diagonal from the outline is fully in or out.
constexpr float kHalfDiagonal = 0.7072f;

int gScalePercent = 100;

uint8_t ToByte(float v) {
  return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
}

}  // namespace

void SetDrawingScale(int percent) {
  gScalePercent = percent;
}

int ScaledLength(int length) {
  return (length * gScalePercent + 50) / 100;
}

float Canvas::Coverage(const Shape& shape, int px, int py) const {
  // Shapes measure distance in units; the in/out test works on the device pixel's diagonal.
  float half = kHalfDiagonal / std::min(sx_, sy_);
  float d = shape((px + 0.5f) / sx_, (py + 0.5f) / sy_);
  if (d >= half) return 0.0f;
  if (d <= -half) return 1.0f;
  int inside = 0;
  for (int j = 0; j < kSamples; ++j) {
    for (int i = 0; i < kSamples; ++i) {
      if (shape((px + (i + 0.5f) / kSamples) / sx_, (py + (j + 0.5f) / kSamples) / sy_) < 0)
        ++inside;
    }
  }
  return static_cast<float>(inside) / (kSamples * kSamples);
}

Canvas::Canvas(int width, int height)
    : Canvas(width, height, ScaledLength(width), ScaledLength(height)) {}

Canvas::Canvas(int width, int height, int deviceWidth, int deviceHeight)
    : width_(width),
      height_(height),
      dw_(deviceWidth),
      dh_(deviceHeight),
      sx_(width > 0 ? static_cast<float>(deviceWidth) / width : 1.0f),
      sy_(height > 0 ? static_cast<float>(deviceHeight) / height : 1.0f),
      px_(static_cast<size_t>(deviceWidth) * deviceHeight) {}

void Canvas::Composite(int x, int y, Rgba c, float coverage) {
  float a = c.a * coverage;
  if (a <= 0) return;
  Rgba& d = At(x, y);
  float k = 1.0f - a;
  d = {c.r * a + d.r * k, c.g * a + d.g * k, c.b * a + d.b * k, a + d.a * k};
}

void Canvas::Fill(const Shape& shape, const Paint& paint) {
  for (int y = 0; y < dh_; ++y) {
    for (int x = 0; x < dw_; ++x) {
      float c = Coverage(shape, x, y);
      if (c > 0) Composite(x, y, paint((x + 0.5f) / sx_, (y + 0.5f) / sy_), c);
    }
  }
}

void Canvas::FillAlpha(const std::function<float(float, float)>& alpha, Rgba color) {
  for (int y = 0; y < dh_; ++y) {
    for (int x = 0; x < dw_; ++x) Composite(x, y, color, alpha((x + 0.5f) / sx_, (y + 0.5f) / sy_));
  }
}

void Canvas::Blit(const Canvas& src, int ux, int uy) {
  // Frames of a strip are whole device pixels wide, so their unit positions map exactly.
  int x0 = static_cast<int>(std::lround(ux * sx_)), y0 = static_cast<int>(std::lround(uy * sy_));
  for (int y = 0; y < src.dh_; ++y) {
    for (int x = 0; x < src.dw_; ++x) {
      int dx = x0 + x, dy = y0 + y;
      if (dx >= 0 && dy >= 0 && dx < dw_ && dy < dh_) At(dx, dy) = src.At(x, y);
    }
  }
}

Canvas Canvas::FlippedHorizontally() const {
  Canvas out(width_, height_, dw_, dh_);
  for (int y = 0; y < dh_; ++y)
    for (int x = 0; x < dw_; ++x) out.At(dw_ - 1 - x, y) = At(x, y);
  return out;
}

Canvas Canvas::FlippedVertically() const {
  Canvas out(width_, height_, dw_, dh_);
  for (int y = 0; y < dh_; ++y)
    for (int x = 0; x < dw_; ++x) out.At(x, dh_ - 1 - y) = At(x, y);
  return out;
}

Canvas Canvas::Transposed() const {
  Canvas out(height_, width_, dh_, dw_);
  for (int y = 0; y < dh_; ++y)
    for (int x = 0; x < dw_; ++x) out.At(y, x) = At(x, y);
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
