#pragma once
// Where the group box's caption line goes: the optional check box, the caption and the
// rule segments beside it, from the caption band's size, the caption's width and the check
// box picture's size. Portable.
#include <vector>

#include "host/Control.h"
#include "host/Types.h"

namespace qv {

enum TGroupBoxFrameStyle { fsLine, fsBox };
inline constexpr const wchar_t* TGroupBoxFrameStyleNames[] = {L"fsLine", L"fsBox"};

struct TQvGroupBoxLayout {
  // A one-pixel gradient rule in row Row from X1 to X2 (exclusive); the start colour sits
  // at the caption's side.
  struct TRule {
    int X1, X2;
    bool StartAtLeft;
  };
  TPoint CheckAt;      // where the check box picture is drawn
  TRect CheckRect;     // the clickable area; empty without a check box
  int CheckWidth = 0;  // 0 without a check box
  TRect CaptionRect;
  int Row = 0;               // the row of the rule or of the box's top line
  std::vector<TRule> Rules;  // fsLine only
  // fsBox: the top line's end left of the caption (from 0) and start right of it (to W).
  int BoxLeftEnd = 0, BoxRightStart = 0;
};

// W: the box's width; CaptionHeight: the scaled band; TextWidth: the caption's width;
// Check: the check box picture's size, (0, 0) when no check box is shown.
TQvGroupBoxLayout GroupBoxLayout(int W, int CaptionHeight, int TextWidth, TSize Check,
                                 TGroupBoxFrameStyle Style, TAlignment Alignment);

}  // namespace qv
