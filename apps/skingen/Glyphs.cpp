#include "Glyphs.h"

#include <algorithm>

#include "Palette.h"

namespace skingen {

void Panel(Canvas& c, const Shape& outer, const Shape& inner, const Paint& fill, Rgba border) {
  c.Fill(inner, fill);
  c.Fill(Subtract(outer, inner), border);
}

void Panel(Canvas& c, Box b, float r, const Paint& fill, Rgba border) {
  Panel(c, RoundRect(b, r), RoundRect(b.Inset(1), std::max(r - 1, 0.0f)), fill, border);
}

namespace {

// The three points of a chevron or arrowhead pointing in dir.
std::vector<Pt> Wedge(float cx, float cy, Dir dir, float span, float depth) {
  float s = span / 2, d = depth / 2;
  switch (dir) {
    case Dir::Left:
      return {{cx + d, cy - s}, {cx - d, cy}, {cx + d, cy + s}};
    case Dir::Right:
      return {{cx - d, cy - s}, {cx + d, cy}, {cx - d, cy + s}};
    case Dir::Up:
      return {{cx - s, cy + d}, {cx, cy - d}, {cx + s, cy + d}};
    case Dir::Down:
      break;
  }
  return {{cx - s, cy - d}, {cx, cy + d}, {cx + s, cy - d}};
}

}  // namespace

Shape Chevron(float cx, float cy, Dir dir, float span, float depth, float hw) {
  return Polyline(Wedge(cx, cy, dir, span, depth), hw);
}

Shape Arrowhead(float cx, float cy, Dir dir, float span, float depth) {
  return Polygon(Wedge(cx, cy, dir, span, depth));
}

Shape Cross(float cx, float cy, float half, float hw) {
  return Union(Capsule({cx - half, cy - half}, {cx + half, cy + half}, hw),
               Capsule({cx + half, cy - half}, {cx - half, cy + half}, hw));
}

void Shadow(Canvas& c, const Shape& s, float spread, float opacity) {
  c.FillAlpha(
      [&](float x, float y) {
        float t = std::clamp(s(x, y) / spread, 0.0f, 1.0f);
        float fade = 1.0f - t * t * (3.0f - 2.0f * t);
        return opacity * fade * fade;
      },
      palette::kShadow);
}

void DrawStrip(Canvas& strip, int count, bool stacked,
               const std::function<void(Canvas&, int)>& frame) {
  int w = stacked ? strip.Width() : strip.Width() / count;
  int h = stacked ? strip.Height() / count : strip.Height();
  int dw = stacked ? strip.DeviceWidth() : strip.DeviceWidth() / count;
  int dh = stacked ? strip.DeviceHeight() / count : strip.DeviceHeight();
  for (int i = 0; i < count; ++i) {
    Canvas f(w, h, dw, dh);
    frame(f, i);
    strip.Blit(f, stacked ? 0 : i * w, stacked ? i * h : 0);
  }
}

}  // namespace skingen
