#include "dialogs/QvDragFilesLayerFormPaint.h"

#include "raster/Polygons.h"
#include "raster/VectorUtils.h"

namespace qv {

void DrawDragFilesFrame(TBitmap32& Bitmap, TColor32 Color) {
  const double W = Bitmap.Width(), H = Bitmap.Height();
  if (W <= 0 || H <= 0) return;
  const TArrayOfFloatPoint Edge = {FloatPoint(0, 0), FloatPoint(W, 0), FloatPoint(W, H),
                                   FloatPoint(0, H)};
  for (const TArrayOfFloatPoint& Dash : BuildDashedLine(Edge, {7, 5, 7, 5}, 0, true))
    PolylineFS(&Bitmap, Dash, Color, false, 8, jsMiter, esButt, 4);
}

bool QvDragLayerStays(bool DragImageAlive, bool Bound, bool CursorKnown, TPoint Cursor,
                      const TRect& FormBounds, bool LeftButtonDown) {
  if (DragImageAlive) return true;
  const bool Inside = Cursor.X >= FormBounds.Left && Cursor.X < FormBounds.Right &&
                      Cursor.Y >= FormBounds.Top && Cursor.Y < FormBounds.Bottom;
  return Bound && CursorKnown && Inside && LeftButtonDown;
}

}  // namespace qv
