#include "controls/QvSkinShapePaint.h"

#include <algorithm>
#include <cmath>

#include "graphics/QvGR32LibShapes.h"
#include "raster/Polygons.h"

namespace qv {

namespace {

// A rectangle with quarter-circle corners of radius R, clockwise on screen.
TArrayOfFloatPoint RoundedRect(double L, double T, double Rt, double B, double R) {
  R = std::min({R, (Rt - L) / 2, (B - T) / 2});
  const double D = 2 * R;
  const struct {
    double X, Y, From, To;
  } Corners[4] = {
      {L, T, 180, 90}, {Rt - D, T, 90, 0}, {Rt - D, B - D, 0, -90}, {L, B - D, -90, -180}};
  TArrayOfFloatPoint Points;
  for (const auto& C : Corners) {
    TArrayOfFloatPoint Arc = GetArcPoints(TFloatRect{C.X, C.Y, C.X + D, C.Y + D}, C.From, C.To);
    Points.insert(Points.end(), Arc.begin(), Arc.end());
  }
  return Points;
}

TArrayOfFloatPoint Rectangle(double L, double T, double R, double B) {
  return {{L, T}, {R, T}, {R, B}, {L, B}};
}

std::string NarrowPath(const String& Text) {
  std::string Out;
  Out.reserve(Text.size());
  for (wchar_t C : Text) Out += C < 0x80 ? char(C) : '?';
  return Out;
}

}  // namespace

TArrayOfFloatPoint ShapeOutline(TQvShapeKind Kind, int W, int H, double P, int RoundRadius) {
  const double CX = W / 2.0, CY = H / 2.0;
  const double Near = 1 + P;
  const int S = std::min(W, H);
  switch (Kind) {
    case skCircle: {
      const double R = std::min(CX, CY) - 1 - P;
      if (!(R > 0)) return {};
      return Circle(CX, CY, R, CircleSteps(R));
    }
    case skEllipse: {
      const double RX = CX - 2 - P, RY = CY - 2 - P;
      if (!(RX > 0 && RY > 0)) return {};
      return Ellipse(CX, CY, RX, RY, CircleSteps(std::min(RX, RY)));
    }
    case skRectangle:
    case skRoundRect: {
      const double Rt = W - 1 - P, B = H - 1 - P;
      if (!(Rt > Near && B > Near)) return {};
      return Kind == skRectangle ? Rectangle(Near, Near, Rt, B)
                                 : RoundedRect(Near, Near, Rt, B, std::max(RoundRadius, 1));
    }
    case skRoundSquare:
    case skSquare: {
      const double Far = S - 1 - P;
      if (!(Far > Near)) return {};
      return Kind == skSquare ? Rectangle(Near, Near, Far, Far)
                              : RoundedRect(Near, Near, Far, Far, std::max(RoundRadius, 1));
    }
    case skSVG:
    default:
      return {};
  }
}

void PaintSkinShape(TBitmap32* Bitmap, int W, int H, const TQvShapeLook& Look,
                    const TQvBrush& Brush, const TQvPen& Pen) {
  if (!Bitmap || Bitmap->Empty()) return;
  if (Look.Shape == skSVG) {
    TQvSVGPathRenderer Renderer(Bitmap);
    Renderer.SetAlpha(Look.Alpha);
    Renderer.SetFillColor(Brush.Color());
    Renderer.SetStrokeColor(Pen.Color());
    Renderer.SetStrokeWidth(Pen.Width());
    TQvSVGPathColors Colors;
    if (Brush.Visible()) Colors.Include(pcFill);
    if (Pen.Visible()) Colors.Include(pcStroke);
    Renderer.SetColors(Colors);
    Renderer.SetPath(NarrowPath(Look.SvgPath));
    return;
  }
  const double P = Pen.Visible() ? Pen.Width() / 2.0 : 0;
  const TArrayOfFloatPoint Outline = ShapeOutline(Look.Shape, W, H, P, Look.RoundRadius);
  if (Outline.empty()) return;
  if (Brush.Visible())
    PolygonFS(Bitmap, Outline, SetAlpha(Color32(Brush.Color()), Look.Alpha), pfAlternate);
  if (Pen.Visible() && Pen.Width() > 0) {
    const TColor32 Color = Color32(Pen.Color());
    if (Pen.Style() == TQvPenStyle::psSolid) {
      PolylineFS(Bitmap, Outline, Color, true, Pen.Width(), jsMiter, esButt, 4);
    } else {
      const std::vector<double> Pattern = Pen.Style() == TQvPenStyle::psDot
                                              ? std::vector<double>{5, 3}
                                              : std::vector<double>{21, 7};
      PolyPolylineFS(Bitmap, BuildDashedLine(Outline, Pattern, 0, true), Color, false, Pen.Width(),
                     jsMiter, esButt, 4);
    }
  }
}

void DrawPictureInCircle(TCustomBitmap32* Target, const TRect& Rect, const TCustomBitmap32& Image,
                         TColor Color) {
  if (Image.DrawMode() == dmBlend) return DrawImageInCircle(Target, Rect, &Image, Color);
  TCustomBitmap32 Opaque;
  Image.CopyMapTo(&Opaque);
  TColor32* P = Opaque.Bits();
  for (size_t I = 0, N = size_t(Opaque.Width()) * size_t(Opaque.Height()); I < N; ++I)
    P[I] |= 0xFF000000;
  DrawImageInCircle(Target, Rect, &Opaque, Color);
}

}  // namespace qv
