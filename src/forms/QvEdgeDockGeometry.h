#pragma once
// Edge docking of a form to its work area: keeping a dragged form inside, noting the edges
// it touches, and where it slides when the cursor leaves or comes back. Portable; all
// positions are counted from the screen origin, of the work area only its size counts.
#include "host/Control.h"

namespace qv {

// Limits the moving rectangle R of an FW x FH form to the WW x WH work area along the
// edges in Anchors (the rectangle keeps the form's size), and answers the edges it now
// touches. CurrentLeft is the form's left before the move.
TAnchors QvDockAlign(TRect& R, TAnchors Anchors, int FW, int FH, int WW, int WH, int CurrentLeft);

// One step of the slide timer: the form's new top-left, from its current one, for the
// edges both touched (CurAnchors) and allowed (Anchors). Over the form it shows in full;
// elsewhere it hides but for a 2-pixel strip.
TPoint QvDockSlide(TPoint Pos, TAnchors CurAnchors, TAnchors Anchors, bool CursorOverForm, int FW,
                   int FH, int WW);

}  // namespace qv
