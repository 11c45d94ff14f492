#pragma once
// The splitter's arithmetic, kept free of windows: which neighbour a splitter resizes, how a
// drag offset becomes a limited size, and the dotted grip in its middle.
#include "host/Control.h"
#include "raster/Bitmap32.h"

namespace qv {

// Left/right splitters move horizontally; top/bottom ones vertically.
inline bool IsHorizontalSplit(TAlign Align) {
  return Align == alLeft || Align == alRight;
}

// The point just outside the splitter on its aligned side, where its neighbour lies.
TPoint SplitterProbePoint(TAlign Align, const TRect& SplitterBounds);

// Whether a neighbour aligned NeighbourAlign with Bounds is the one a splitter aligned
// SplitterAlign finds at Probe. A zero-thick neighbour (collapsed by a snap) still counts:
// it is widened by one pixel away from the splitter.
bool SplitterNeighbourHit(TAlign SplitterAlign, TAlign NeighbourAlign, TRect Bounds,
                          TPoint Probe);

// Turns the drag offset Split into the neighbour's new size, limited to [MinSize, MaxSize]
// (never below 0). When limited, Split is corrected so that the drag line stays at the
// limit.
void CalcSplitterSize(TAlign Align, int ControlSize, int MinSize, int MaxSize, int& Split,
                      int& NewSize);

// Ten dot pairs of the grip, centred, in Dot with a light companion pixel; only for the four
// side alignments.
void PaintSplitterGrip(TBitmap32* Bitmap, TAlign Align, int Width, int Height, TColor32 Dot);

}  // namespace qv
