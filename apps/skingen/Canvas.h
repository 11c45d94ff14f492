#pragma once
// A floating-point RGBA picture with anti-aliased shape filling and "over" compositing.
// Pixels are kept premultiplied while drawing and leave as straight 8-bit RGBA.
#include <cstdint>
#include <vector>

#include "Color.h"
#include "Shapes.h"

namespace skingen {

class Canvas {
 public:
  Canvas(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }

  // Composites the paint over every pixel by the shape's area coverage of that pixel.
  void Fill(const Shape& shape, const Paint& paint);
  void Fill(const Shape& shape, Rgba color) { Fill(shape, Solid(color)); }
  // Composites the colour with a per-pixel opacity (soft shadows), sampled at pixel centres.
  void FillAlpha(const std::function<float(float x, float y)>& alpha, Rgba color);

  // Replaces the pixels at (x, y) by those of src.
  void Blit(const Canvas& src, int x, int y);
  Canvas FlippedHorizontally() const;
  Canvas FlippedVertically() const;
  // Rows become columns: (x, y) goes to (y, x).
  Canvas Transposed() const;

  // Straight-alpha RGBA bytes, row by row.
  std::vector<uint8_t> ToRgba8() const;
  bool IsOpaque() const;

 private:
  Rgba& At(int x, int y) { return px_[static_cast<size_t>(y) * width_ + x]; }
  const Rgba& At(int x, int y) const { return px_[static_cast<size_t>(y) * width_ + x]; }
  void Composite(int x, int y, Rgba straight, float coverage);

  int width_, height_;
  std::vector<Rgba> px_;  // premultiplied
};

// Fraction of pixel (px, py) inside the shape.
float Coverage(const Shape& shape, int px, int py);

}  // namespace skingen
