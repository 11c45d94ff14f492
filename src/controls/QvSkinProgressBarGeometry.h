#pragma once
// The arithmetic of the progress bar and the colour track bar, kept free of windows: the
// filled length, where the thumbs lie, the value a pointer points at, and the colour
// tracks' gradients.
#include "raster/Bitmap32.h"

namespace qv {

enum THLSKindRec { hlsH, hlsS, hlsB };
inline constexpr const wchar_t* THLSKindRecNames[] = {L"hlsH", L"hlsS", L"hlsB"};

// Trunc((Value - Min) / R * Width) with R = Max - Min (1 when the two are equal), kept
// within [0, Width].
int ProgressFillWidth(int Value, int Min, int Max, int Width);

// The progress thumb: its right edge (moved by Offset) marks the value, vertically
// centred. KeepInside moves a thumb reaching out of [0, Width) back inside.
TRect ProgressThumbRect(int Value, int Min, int Max, int Width, int Height, TSize Thumb, int Offset,
                        bool KeepInside);

// The thumb's left edge along a track of paging: Trunc((Value - Min) * (Width - ThumbWidth) /
// (Max - Min)); 0 for an empty range.
int ProgressPagingPoint(int Value, int Min, int Max, int Width, int ThumbWidth);

// The value under X of a slider: Round((X - Track.Left - GrabOffset) / Track width *
// (Max - Min) + Min), ties to even, clamped to the range; Min on an empty track.
int SliderValueAt(int X, const TRect& Track, int GrabOffset, int Min, int Max);

// The colour track's thumb left edge: Trunc((Width - ThumbWidth) * (Value - Min) /
// (Max - Min)); 0 for an empty range.
int HLSThumbLeft(int Value, int Min, int Max, int Width, int ThumbWidth);

// The colour track over Track of Bitmap: an opaque $909090 frame around a horizontal
// gradient by Kind (the spectrum in six segments, grey to red, black to white).
void PaintHLSTrack(TCustomBitmap32* Bitmap, THLSKindRec Kind, const TRect& Track);

}  // namespace qv
