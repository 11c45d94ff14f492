#pragma once
// How a skinned shape is painted: the outline polygon of each shape kind, filled
// (even-odd) with the brush colour at the shape's opacity and stroked with the pen, solid
// or dashed; or SVG path data drawn by the path renderer. Portable.
#include "graphics/QvSkinGraphics.h"

namespace qv {

enum TQvShapeKind { skCircle, skEllipse, skRectangle, skRoundRect, skRoundSquare, skSquare, skSVG };
inline constexpr const wchar_t* TQvShapeKindNames[] = {
    L"skCircle",      L"skEllipse", L"skRectangle", L"skRoundRect",
    L"skRoundSquare", L"skSquare",  L"skSVG"};

// The published look of a shape besides its brush and pen, with its defaults.
struct TQvShapeLook {
  TQvShapeKind Shape = skCircle;
  Byte Alpha = 255;     // opacity of the fill
  int RoundRadius = 8;  // corner radius of the rounded kinds
  String SvgPath;       // path data for skSVG
};

// The outline of a geometric shape kind on a W × H control, inset by 1 + P (P: half the
// visible pen's width). Circles and ellipses get as many points as keep the smaller radius
// within 1/8 pixel. The corner radius of the rounded kinds is limited to half the smaller
// side. Empty when nothing of the shape is left (and for skSVG).
TArrayOfFloatPoint ShapeOutline(TQvShapeKind Kind, int W, int H, double P, int RoundRadius);

// Paints the shape over Bitmap's W × H area. A malformed SvgPath raises the path
// renderer's exception after drawing the subpaths completed before the error.
void PaintSkinShape(TBitmap32* Bitmap, int W, int H, const TQvShapeLook& Look,
                    const TQvBrush& Brush, const TQvPen& Pen);

// Draws Image stretched into the circle inscribed in Rect, edged by a ring of Color (the
// circle shape). A picture whose draw mode is not dmBlend is shown opaque: its alpha bytes
// are no transparency.
void DrawPictureInCircle(TCustomBitmap32* Target, const TRect& Rect, const TCustomBitmap32& Image,
                         TColor Color);

}  // namespace qv
