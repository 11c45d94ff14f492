#pragma once
// The alpha form's resize zones: portable arithmetic of its own hit testing.
#include "host/Types.h"

namespace qv {

// The resize zone of a point (relative to the form's top-left) of a Width x Height form
// with zones HitTestWidth wide: HTTOPLEFT (13), HTTOP (12), HTTOPRIGHT (14), HTRIGHT (11),
// HTBOTTOMRIGHT (17), HTBOTTOM (15), HTBOTTOMLEFT (16), HTLEFT (10), tested in that order
// (left and top inclusive, right and bottom exclusive); 0 when the point is in no zone.
int QvAlphaFormHitTest(TPoint P, int Width, int Height, int HitTestWidth);

}  // namespace qv
