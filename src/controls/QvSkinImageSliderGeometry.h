#pragma once
// The image slider's logic kept free of windows: the strip of cover-fitted pictures, the
// place of each picture and of each dot, which picture the automatic change shows next,
// and the frames of a transition. The control steps these; tests step them directly.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "raster/Bitmap32.h"

namespace qv {

enum TSliderType { stLeftRight, stFade };
inline constexpr const wchar_t* TSliderTypeNames[] = {L"stLeftRight", L"stFade"};

// Picture Index of a strip of Count pictures side by side: (Index w, 0, Index w + w,
// StripH) with w = StripW div Count; empty outside [0, Count).
TRect SliderImageIndexRect(int Index, int Count, int StripW, int StripH);

// Builds the strip: Count pictures of W × H side by side, each cover-fitted onto an opaque
// white frame that carries over to the next one, so a missing picture (nil) repeats the
// previous frame (white for the first).
void StitchSliderStrip(TCustomBitmap32& Strip, const std::vector<TCustomBitmap32*>& Pictures, int W,
                       int H);

// The dot row: cells 25 × 20, centred, 30 pixels above the bottom edge.
inline constexpr int kSliderDotWidth = 25, kSliderDotHeight = 20;
TRect SliderDotCell(int Index, int Count, int W, int H);
// The centre of the dot in Cell: radius 8 for the shown picture, else 5.
TFloatPoint SliderDotCentre(const TRect& Cell, bool Hot);

// The automatic change. With stFade, and with LoopMode, the pictures cycle (0, 1, 2, 0 …);
// otherwise the slider goes back and forth (0, 1, 2, 1, 0 …), LeftToRight holding the
// direction between steps.
struct TQvSliderAutoOrder {
  bool LeftToRight = true;
  // The picture after Hot among Count, or -1 when nothing changes (a single picture).
  int Next(int Hot, int Count, TSliderType Type, bool LoopMode);
};

// Due when Interval milliseconds passed since the end of the last transition.
inline bool SliderIntervalDue(uint64_t Now, uint64_t Last, int Interval) {
  return Now >= Last && Now - Last >= uint64_t(std::max(Interval, 0));
}

// The left edges of the strip shown in the frames of a slide from the picture OldIndex
// (its part of the strip starting at From) to NewIndex (starting at To), Width wide and
// Speed frames long: a neighbour eases out over one width, a jump eases in backwards over
// the distance (Speed times a third of the pictures passed). The frames end at the first
// one that reaches To; the control then shows To itself.
std::vector<int> SliderSlideFrames(int OldIndex, int NewIndex, int From, int To, int Width,
                                   int Speed);
// The opacities of the frames of a fade-in, Speed frames, up to the first one of 255.
std::vector<int> SliderFadeFrames(int Speed);

}  // namespace qv
