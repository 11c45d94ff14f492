#pragma once
// How the control layer creates canvases and points them at device contexts.
// Include only from *Win.cpp files.
#include <memory>

#include <windows.h>

#include "host/CustomControl.h"

namespace qv {

class TFont;

TCanvasPtr NewCanvas();
void SetCanvasHandle(TCanvas* Canvas, HDC DC);
HDC CanvasHandle(TCanvas* Canvas);
// The canvas's font (the one Paint draws text with).
TFont* CanvasFont(TCanvas* Canvas);

}  // namespace qv
