#pragma once
// A floating-point RGBA picture with anti-aliased shape filling and "over" compositing.
// Pixels are kept premultiplied while drawing and leave as straight 8-bit RGBA.
//
// Recipes draw in the picture's 96-DPI pixel units. A canvas can hold more device pixels than
// that (the high-DPI variants): shapes, paints and blits are mapped onto them, so every variant
// is drawn at its own size rather than resampled.
#include <cstdint>
#include <vector>

#include "Color.h"
#include "Shapes.h"

namespace skingen {

// The scale of canvases made without explicit device sizes, in percent (100 by default).
void SetDrawingScale(int percent);
// A 96-DPI length at the drawing scale, rounded half up as MulDiv rounds.
int ScaledLength(int length);

class Canvas {
 public:
  // width x height units at the drawing scale.
  Canvas(int width, int height);
  // width x height units on deviceWidth x deviceHeight pixels.
  Canvas(int width, int height, int deviceWidth, int deviceHeight);

  // The size in 96-DPI units, which is what recipes draw in.
  int Width() const { return width_; }
  int Height() const { return height_; }
  int DeviceWidth() const { return dw_; }
  int DeviceHeight() const { return dh_; }

  // Composites the paint over every pixel by the shape's area coverage of that pixel.
  void Fill(const Shape& shape, const Paint& paint);
  void Fill(const Shape& shape, Rgba color) { Fill(shape, Solid(color)); }
  // Composites the colour with a per-pixel opacity (soft shadows), sampled at pixel centres.
  void FillAlpha(const std::function<float(float x, float y)>& alpha, Rgba color);

  // Replaces the pixels at unit position (x, y) by those of src.
  void Blit(const Canvas& src, int x, int y);
  Canvas FlippedHorizontally() const;
  Canvas FlippedVertically() const;
  // Rows become columns: (x, y) goes to (y, x).
  Canvas Transposed() const;

  // Straight-alpha RGBA bytes of the device pixels, row by row.
  std::vector<uint8_t> ToRgba8() const;
  bool IsOpaque() const;

 private:
  Rgba& At(int x, int y) { return px_[static_cast<size_t>(y) * dw_ + x]; }
  const Rgba& At(int x, int y) const { return px_[static_cast<size_t>(y) * dw_ + x]; }
  void Composite(int x, int y, Rgba straight, float coverage);
  // Fraction of device pixel (px, py) inside the shape.
  float Coverage(const Shape& shape, int px, int py) const;

  int width_, height_;
  int dw_, dh_;
  float sx_, sy_;         // device pixels per unit
  std::vector<Rgba> px_;  // premultiplied, device pixels
};

}  // namespace skingen
