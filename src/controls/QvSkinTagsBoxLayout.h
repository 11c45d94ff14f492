#pragma once
// The tags box's comma text (both ways) and the flow of its pills. Portable.
#include <cstdint>
#include <vector>

#include "host/Types.h"

namespace qv {

// The captions joined by commas; a caption holding a comma or a double quote is quoted,
// its quotes doubled.
String TagsToCommaText(const std::vector<String>& Captions);
// The entries of comma text S whose trimmed text is not empty, untrimmed. A quoted entry
// loses its quotes (doubled quotes become one); text after its closing quote is kept.
std::vector<String> CommaTextToTags(const String& S);

struct TQvPillFlow {
  int Width = 0, Height = 0;  // the control
  int ItemHeight = 25;        // scaled H
  int MinWidth = 60;          // scaled
  int Space = 10, Margin = 10;
  TPoint DispOffset{10, 10};
  bool DeleteVisible = true;
};

// Side of the round delete button: round(2H / 3), 0 when it is hidden.
int PillDeleteSize(int ItemHeight, bool DeleteVisible);
// A pill's width for a caption TextWidth wide: TextWidth + H + C div 2, at least MinWidth.
int PillWidth(const TQvPillFlow& F, int TextWidth);

struct TQvPill {
  TRect Rect, DeleteRect;
};
// The pills in order for the captions' text widths (a negative width: an invisible item,
// given empty rectangles). A pill wraps when it would pass Width - Margin - 10 (never
// item 0).
std::vector<TQvPill> PillFlow(const TQvPillFlow& F, const std::vector<int>& TextWidths);
// Height of the flow of pills Widths wide as the scroll bar measures it (a pill wraps
// when x + width >= Width - Margin).
int64_t PillFlowHeight(const TQvPillFlow& F, const std::vector<int>& Widths);

}  // namespace qv
