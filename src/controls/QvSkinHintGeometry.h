#pragma once
// Where a hint bubble goes and how its pointer is drawn, without the platform: the side
// chosen beside the control, the bubble's size and position for that side, the body and
// pointer inside the bubble, and the rule that keeps a bubble on the monitor's work area.
#include "host/Types.h"

namespace qv {

// Side of the control the hint lies on; the pointer is on the opposite edge of the hint
// (hdDown: the hint is below the control, its pointer on its top edge pointing up).
enum THintDirection { hdDown, hdUp, hdLeft, hdRight };
inline constexpr const wchar_t* THintDirectionNames[] = {L"hdDown", L"hdUp", L"hdLeft", L"hdRight"};

// Length of the pointer, from the body's edge to its tip.
constexpr int HintPointerSize = 8;

// The automatic side for a hint of HintSize next to a control whose top-left lies at
// ControlScreen (screen coordinates) with size ControlSize, on a work area Area: below
// when it fits, above when the bottom lacks room, left when the right lacks room (that
// test wins).
THintDirection SelectAutoHintDirection(TSize HintSize, TPoint ControlScreen, TSize ControlSize,
                                       const TRect& Area);

// The bubble's size for a text of TextSize: room for the pointer on the chosen side.
TSize HintSizeForText(THintDirection Direction, TSize TextSize);

// Top-left of a bubble of HintSize beside the control Control (any coordinate space):
// centred on the control's side, one pixel off its edge.
TPoint HintPositionBeside(THintDirection Direction, const TRect& Control, TSize HintSize);

// Moves R (screen coordinates) the least so that it lies inside Area where it fits.
TRect KeepOnWorkArea(const TRect& R, const TRect& Area);

// The bubble's parts for a client of W × H.
struct THintBubbleShape {
  TRect Body;
  TPoint Tip;
  TPoint Base1, Base2;  // the pointer's base ends on the body's edge
  TRect TextRect;
};
THintBubbleShape HintBubbleShape(THintDirection Direction, int W, int H);

}  // namespace qv
