#pragma once
// A canvas on a memory device context compatible with the screen, for measuring text
// where no surface is at hand. Windows only (QvMeasureCanvasWin.cpp).
#include <memory>

#include "host/Canvas.h"

namespace qv {

std::unique_ptr<TCanvas> NewMeasureCanvas();

// Width and height of Text in Font as DrawText lays it out with DT_CALCRECT and Flags
// (hard line breaks; with DT_WORDBREAK wrapped at Width).
TSize CalcTextSize(TCanvas& Canvas, const String& Text, uint32_t Flags = 0, int Width = 0);

}  // namespace qv
