#pragma once
// The drop overlay's portable parts: its dashed frame and the rule of its end-of-drag watch.
#include "raster/Bitmap32.h"

namespace qv {

// The frame around the whole of Bitmap: dashes of 7 on, 5 off along the closed edge,
// stroked 8 wide with half the stroke outside, so 4 pixels of it show.
void DrawDragFilesFrame(TBitmap32& Bitmap, TColor32 Color);

// Whether the overlay stays at a tick of its watch: while the shell's drag-image window
// lives, or, without one, while a drag may still be going on over the form: the component
// is bound, the cursor is known and lies in the form's bounds (left and top inclusive) and
// the left button is down.
bool QvDragLayerStays(bool DragImageAlive, bool Bound, bool CursorKnown, TPoint Cursor,
                      const TRect& FormBounds, bool LeftButtonDown);

}  // namespace qv
