#pragma once
// Point lists for vector drawing: circles, ellipses, arcs, stroked and dashed outlines,
// offset polygons, conversions and rotation. Portable.
#include <cstdint>
#include <vector>

#include "host/Types.h"

namespace qv {

using TArrayOfFloatPoint = std::vector<TFloatPoint>;
using TArrayOfArrayOfFloatPoint = std::vector<TArrayOfFloatPoint>;
using TArrayOfPoint = std::vector<TPoint>;

// 16.16 fixed point.
using TFixed = int32_t;
struct TFixedPoint {
  TFixed X = 0, Y = 0;
  friend bool operator==(const TFixedPoint&, const TFixedPoint&) = default;
};
using TArrayOfFixedPoint = std::vector<TFixedPoint>;
constexpr TFixed FixedOne = 0x10000;

enum TJoinStyle { jsMiter, jsBevel, jsRound };
enum TEndStyle { esButt, esSquare, esRound };

TFloatPoint FloatPoint(double X, double Y);
TArrayOfFloatPoint FloatPoints(const TArrayOfPoint& Points);
TArrayOfFloatPoint FloatPoints(const TArrayOfFixedPoint& Points);
TArrayOfFixedPoint FixedPoints(const TArrayOfFloatPoint& Points);

// Vertex count that keeps a circle of radius R within 1/8 pixel of the true curve.
int CircleSteps(double R);
// Closed polygons (the last point is not repeated). Steps ≤ 0 picks CircleSteps.
TArrayOfFloatPoint Circle(const TFloatPoint& P, double Radius, int Steps = 0);
TArrayOfFloatPoint Circle(double X, double Y, double Radius, int Steps = 0);
TArrayOfFloatPoint Ellipse(double X, double Y, double Rx, double Ry, int Steps = 0);
// The two-point line from P1 to P2.
TArrayOfFloatPoint Line(const TFloatPoint& P1, const TFloatPoint& P2);
TArrayOfFloatPoint Line(double X1, double Y1, double X2, double Y2);

// Points of the ellipse inscribed in R from StartDegrees to EndDegrees; angles run
// counter-clockwise on screen from 3 o'clock.
TArrayOfFloatPoint GetArcPoints(const TFloatRect& R, double StartDegrees, double EndDegrees);

// Rotates points about Origin; a positive angle turns clockwise on screen (y down).
// The fixed-point form works on 16.16 copies, as callers holding fixed points expect.
void RotatePoints(TArrayOfFloatPoint& Points, const TFloatPoint& Origin, double Degrees);
void RotatePoints(TArrayOfFixedPoint& Points, const TFixedPoint& Origin, double Degrees);

// The polygon offset by Delta: a closed polygon grows outwards for a positive Delta
// whatever its orientation; an open line moves to the left of its direction of travel.
TArrayOfFloatPoint Grow(const TArrayOfFloatPoint& Points, double Delta,
                        TJoinStyle JoinStyle = jsMiter, bool Closed = true,
                        double MiterLimit = 4.0);

// The outline polygon of an open line stroked with StrokeWidth.
TArrayOfFloatPoint BuildPolyline(const TArrayOfFloatPoint& Points, double StrokeWidth,
                                 TJoinStyle JoinStyle = jsMiter, TEndStyle EndStyle = esButt,
                                 double MiterLimit = 4.0);
// The outlines of a polyline stroked with StrokeWidth: one polygon for an open line, two
// for a closed one (fill them with the non-zero rule).
TArrayOfArrayOfFloatPoint BuildPolyPolyline(const TArrayOfFloatPoint& Points, bool Closed,
                                            double StrokeWidth, TJoinStyle JoinStyle = jsMiter,
                                            TEndStyle EndStyle = esButt, double MiterLimit = 4.0);

// The dashes of a polyline: DashArray alternates drawn and skipped lengths, starting
// DashOffset into the pattern.
TArrayOfArrayOfFloatPoint BuildDashedLine(const TArrayOfFloatPoint& Points,
                                          const std::vector<double>& DashArray,
                                          double DashOffset = 0, bool Closed = false);

}  // namespace qv
