#pragma once
// Where a skinned label writes its caption: the DrawText flags of its alignment, word wrap
// and ellipsis, and the rectangle a word-wrapped text block is placed in. Portable.
#include "host/Control.h"
#include "resources/QvSkinIntfTypes.h"

namespace qv {

struct TQvLabelTextPlacement {
  TRect Rect;
  uint32_t Flags = 0;  // DrawText's DT_ flags
};

// The caption of a Width × Height label. Without word wrap the text is one line when
// aligned to the bottom or the centre. With word wrap a block of TextHeight pixels (the
// wrapped text's height) is placed flush with the bottom or centred, and lines break at
// words.
TQvLabelTextPlacement LabelTextPlacement(TAlignment Horizontal, TVerticalAlignment Vertical,
                                         bool WordWrap, TEllipsisPosition Ellipsis, int Width,
                                         int Height, int TextHeight);

// DrawText's flag of an ellipsis position: 0, DT_PATH_ELLIPSIS, DT_END_ELLIPSIS or
// DT_WORD_ELLIPSIS.
uint32_t EllipsisFlag(TEllipsisPosition Ellipsis);

}  // namespace qv
