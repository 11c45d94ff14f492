#pragma once
// The device-context forms of the effects: text glow, colour blend, gradients on a canvas
// and text measuring. Windows glue; elsewhere they do nothing and measure 0. Kept apart
// from BitmapHelper.h so that controls can use them next to the control layer's names.
#include "host/PlatformTypes.h"
#include "raster/Bitmap32.h"

namespace qv {

class TCanvas;

// Paints the glow of Text (drawn with DrawText Format and the context's current font) over
// Rect of DC; the caller draws the text itself afterwards. Nothing for blank text or a
// rectangle of negative size. N and Flag are not consulted.
void DrawEffectText(HDC DC, TRect& Rect, const String& Text, Cardinal Format, Integer N,
                    TColor GlowColor, Integer Strength, Integer Flag = 0);
// The same on a canvas, with the canvas's font.
void DrawEffectText(TCanvas& Canvas, TRect& Rect, const String& Text, Cardinal Format, Integer N,
                    TColor GlowColor, Integer Strength, Integer Flag = 0);
// Blends Color over Rect of DC with constant opacity Alpha (0..255).
void ColorBlend(HDC DC, const TRect& Rect, TColor Color, uint8_t Alpha);
// FillGradient drawn onto a device context at Rect's top-left corner.
void FillGradient(HDC DC, TColor StartColor, TColor EndColor, bool Horizontal, const TRect& Rect);
void FillGradient(TCanvas& Canvas, TColor StartColor, TColor EndColor, bool Horizontal,
                  const TRect& Rect);
// Width and height of the rectangle DrawText computes (DT_CALCRECT) for Text.
Integer CalcTextWidthW(HDC DC, const String& Text);
Integer CalcTextHeightW(HDC DC, const String& Text);

}  // namespace qv
