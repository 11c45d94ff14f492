#pragma once
// The portable rules of the scrolling message bar: which message comes next (visible
// messages only, with or without looping), when the timer starts a scroll, where a message
// rests, and where the two moving messages stand in each frame of a slide.
#include <cstdint>
#include <vector>

#include "host/Control.h"
#include "host/Types.h"

namespace qv {

// The first / last index whose flag is set, or the nearest such index after / before
// Current; -1 when there is none.
int GetFirstVisible(const std::vector<bool>& Visible);
int GetLastVisible(const std::vector<bool>& Visible);
int GetNextVisible(const std::vector<bool>& Visible, int Current);
int GetPrevVisible(const std::vector<bool>& Visible, int Current);

// The message a scroll forward (or back) brings in: the next (previous) visible one, else
// with LoopMode the first (last) visible one; -1 when the scroll does nothing.
int ScrollTarget(const std::vector<bool>& Visible, int ItemIndex, bool LoopMode, bool Forward);

// The interval between automatic scrolls, counted from the first tick and from every scroll.
struct TMsgBarClock {
  int64_t LastScrollTime = 0;  // 0: not started

  // A timer tick at Now (ms): true when a scroll is due (the interval restarts then).
  bool Tick(int64_t Now, int64_t ScrollInterval);
};

// Where one message rests: measured text (its extent, as the platform wrapped it into the
// bar) beside an optional icon, in a bar of W × H.
struct TMsgBarItemLayout {
  TSize ItemSize;       // text width + icon width, the taller of both
  int OriginalY = 0;    // resting top
  TFloatRect Location;  // ItemSize and Space wide, just below the bar until scrolled in
  TRect IconRect;       // x in bar coordinates, y relative to the item's top
  TRect TextRect;       // likewise
};

// TextExtent: what the platform's word-breaking measure gave for the rectangle (0, 0, W, H).
TMsgBarItemLayout LayoutMsgBarItem(int W, int H, TSize IconSize, TRect TextExtent,
                                   TAlignment Alignment, int Space);

// Tops of the outgoing and the incoming message in frame K of N for slide values V (rising
// from 0 towards H). Forward: the old one leaves upwards and the new one rises from below;
// back: the reverse. The last frame puts the old one out of sight and the new one at rest.
struct TMsgBarFrame {
  double OldTop, NewTop;
};
TMsgBarFrame MsgBarSlideFrame(const std::vector<long double>& V, int K, int H, int OldRestY,
                              int NewRestY, bool Forward);

}  // namespace qv
