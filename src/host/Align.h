#pragma once
// Layout rules of aligned and anchored children, kept apart from the controls so that
// they are plain functions of rectangles. Portable.
#include <functional>
#include <vector>

#include "host/Control.h"

namespace qv {

// One child taking part in alignment.
struct TAlignEntry {
  TAlign Align = alNone;
  TRect Bounds;         // current bounds in the parent's client coordinates
  bool Moving = false;  // the child whose change started this pass: it wins ties
};

// Places the aligned entries (alTop, alBottom, alLeft, alRight, alClient, in that order)
// inside Rect and shrinks Rect by what they take. Place(Index, Proposed) applies the
// proposed bounds to entry Index and answers the bounds it really took (constraints may
// change the size); the space taken follows the answer.
void ArrangeAligned(const std::vector<TAlignEntry>& Entries, TRect& Rect,
                    const std::function<TRect(size_t Index, const TRect& Proposed)>& Place);

// Bounds of an anchored child after its parent's client area changed from OldParent to
// NewParent (sizes), given its bounds at OldParent. A side anchored on both ends
// stretches; one anchored only on the far end moves with it; one anchored on neither
// keeps its centre at the same proportion.
TRect AnchoredBounds(const TRect& Original, TSize OldParent, TSize NewParent, TAnchors Anchors);

}  // namespace qv
