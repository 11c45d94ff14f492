#pragma once
// Building blocks shared by the picture recipes: bordered panels, chevrons, crosses, check
// marks, soft shadows and state strips.
#include <functional>

#include "Canvas.h"

namespace skingen {

enum class Dir { Left, Right, Up, Down };

// Fills inner with fill and the ring between outer and inner with border.
void Panel(Canvas& c, const Shape& outer, const Shape& inner, const Paint& fill, Rgba border);
// A rounded box with a 1-pixel border inside its edge.
void Panel(Canvas& c, Box b, float r, const Paint& fill, Rgba border);

// Open chevron pointing in dir, centred on (cx, cy): span across, depth along dir.
Shape Chevron(float cx, float cy, Dir dir, float span, float depth, float hw);
// Filled triangle pointing in dir, centred on (cx, cy).
Shape Arrowhead(float cx, float cy, Dir dir, float span, float depth);
// Diagonal cross of half size `half` and half stroke width hw.
Shape Cross(float cx, float cy, float half, float hw);

// Soft drop shadow around a shape: full opacity inside, fading to nothing `spread` pixels out.
void Shadow(Canvas& c, const Shape& s, float spread, float opacity);

// Draws `count` equal state frames side by side (or stacked) into the strip.
void DrawStrip(Canvas& strip, int count, bool stacked,
               const std::function<void(Canvas& frame, int index)>& frame);

}  // namespace skingen
