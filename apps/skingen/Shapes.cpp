#include "Shapes.h"

#include <algorithm>
#include <cmath>

namespace skingen {
namespace {

constexpr float kPi = 3.14159265358979f;

float Length(float x, float y) {
  return std::sqrt(x * x + y * y);
}

float SegmentDistance(Pt p, Pt a, Pt b) {
  float px = p.x - a.x, py = p.y - a.y, bx = b.x - a.x, by = b.y - a.y;
  float len2 = bx * bx + by * by;
  float t = len2 > 0 ? std::clamp((px * bx + py * by) / len2, 0.0f, 1.0f) : 0.0f;
  return Length(px - bx * t, py - by * t);
}

}  // namespace

Shape Circle(float cx, float cy, float r) {
  return [=](float x, float y) { return Length(x - cx, y - cy) - r; };
}

Shape RoundRect(Box b, float r) {
  return RoundRect(b, Radii{r, r, r, r});
}

Shape RoundRect(Box b, Radii rr) {
  float cx = b.Cx(), cy = b.Cy(), hx = b.Width() / 2, hy = b.Height() / 2;
  return [=](float x, float y) {
    float px = x - cx, py = y - cy;
    float r = px < 0 ? (py < 0 ? rr.tl : rr.bl) : (py < 0 ? rr.tr : rr.br);
    float qx = std::abs(px) - hx + r, qy = std::abs(py) - hy + r;
    return std::min(std::max(qx, qy), 0.0f) + Length(std::max(qx, 0.0f), std::max(qy, 0.0f)) - r;
  };
}

Shape Rect(Box b) {
  return RoundRect(b, 0.0f);
}

Shape Capsule(Pt a, Pt b, float hw) {
  return [=](float x, float y) { return SegmentDistance({x, y}, a, b) - hw; };
}

Shape Polyline(std::vector<Pt> pts, float hw) {
  return [pts = std::move(pts), hw](float x, float y) {
    float d = 1e9f;
    for (size_t i = 0; i + 1 < pts.size(); ++i)
      d = std::min(d, SegmentDistance({x, y}, pts[i], pts[i + 1]));
    return d - hw;
  };
}

Shape Polygon(std::vector<Pt> pts) {
  return [pts = std::move(pts)](float x, float y) {
    float d = 1e9f;
    bool inside = false;
    for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
      d = std::min(d, SegmentDistance({x, y}, pts[j], pts[i]));
      const Pt& a = pts[i];
      const Pt& b = pts[j];
      if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
        inside = !inside;
    }
    return inside ? -d : d;
  };
}

std::vector<Pt> ArcPoints(float cx, float cy, float r, float deg0, float deg1, int segments) {
  std::vector<Pt> pts;
  for (int i = 0; i <= segments; ++i) {
    float a = (deg0 + (deg1 - deg0) * i / segments) * kPi / 180.0f;
    pts.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
  }
  return pts;
}

Shape Union(Shape a, Shape b) {
  return [=](float x, float y) { return std::min(a(x, y), b(x, y)); };
}

Shape Intersect(Shape a, Shape b) {
  return [=](float x, float y) { return std::max(a(x, y), b(x, y)); };
}

Shape Subtract(Shape a, Shape b) {
  return [=](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}

Shape Offset(Shape s, float d) {
  return [=](float x, float y) { return s(x, y) - d; };
}

Shape Outline(Shape s, float w) {
  return [=](float x, float y) { return std::abs(s(x, y)) - w / 2; };
}

}  // namespace skingen
