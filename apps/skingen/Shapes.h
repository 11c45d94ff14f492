#pragma once
// Shapes as signed distance functions: negative inside, positive outside, in pixels.
// Every shape and combinator keeps |f| no larger than the true distance to the outline, which
// lets the canvas skip exact coverage sampling for pixels far from any edge.
#include <functional>
#include <vector>

namespace skingen {

using Shape = std::function<float(float x, float y)>;

struct Pt {
  float x, y;
};

struct Box {
  float x0, y0, x1, y1;
  Box Inset(float d) const { return {x0 + d, y0 + d, x1 - d, y1 - d}; }
  float Width() const { return x1 - x0; }
  float Height() const { return y1 - y0; }
  float Cx() const { return (x0 + x1) / 2; }
  float Cy() const { return (y0 + y1) / 2; }
};

// Corner radii: top-left, top-right, bottom-right, bottom-left.
struct Radii {
  float tl, tr, br, bl;
};

Shape Circle(float cx, float cy, float r);
Shape RoundRect(Box b, float r);
Shape RoundRect(Box b, Radii r);
Shape Rect(Box b);
// Segment from a to b with round caps, half thickness hw.
Shape Capsule(Pt a, Pt b, float hw);
// Stroke along a polyline with round joins and caps, half thickness hw.
Shape Polyline(std::vector<Pt> pts, float hw);
// Filled polygon (any simple polygon).
Shape Polygon(std::vector<Pt> pts);
// Points on a circular arc (angles in degrees, 0 = +x, 90 = +y i.e. downwards), for Polyline.
std::vector<Pt> ArcPoints(float cx, float cy, float r, float deg0, float deg1, int segments);

Shape Union(Shape a, Shape b);
Shape Intersect(Shape a, Shape b);
Shape Subtract(Shape a, Shape b);
// Grows (d > 0) or shrinks the shape; growing rounds its corners.
Shape Offset(Shape s, float d);
// Ring of thickness w centred on the outline of s.
Shape Outline(Shape s, float w);

}  // namespace skingen
