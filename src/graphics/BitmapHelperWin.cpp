// Device-context forms of the effects: the glow is composed on surfaces of our own and
// copied back; blends and gradients go through GDI.
#include <windows.h>

#include "graphics/BitmapHelper.h"
#include "host/Canvas.h"

namespace qv {

namespace {

// The glow of Text in Font over Rect of DC.
void PaintGlow(HDC DC, HGDIOBJ Font, const TRect& Rect, const String& Text, Cardinal Format,
               TColor GlowColor, Integer Strength) {
  const Integer W = Rect.Width(), H = Rect.Height();
  if (!DC || Trim(Text).empty() || W <= 0 || H <= 0) return;
  // What lies under the rectangle now. 32-bit surfaces keep the alpha byte of a 32-bit
  // target as it was; only the colour bytes change.
  TBitmap32 Background, Mask;
  Background.SetSize(W, H);
  Mask.SetSize(W, H);
  HDC BackDC = Background.Handle(), MaskDC = Mask.Handle();
  BitBlt(BackDC, 0, 0, W, H, DC, Rect.Left, Rect.Top, SRCCOPY);
  // The text in red on white with the context's font, blurred into a grey halo.
  Mask.Clear(0xFFFFFFFF);
  HGDIOBJ OldFont = SelectObject(MaskDC, Font);
  SetTextColor(MaskDC, RGB(255, 0, 0));
  SetBkMode(MaskDC, TRANSPARENT);
  RECT R{0, 0, W, H};
  DrawTextW(MaskDC, Text.c_str(), int(Text.size()), &R, Format & ~UINT(DT_CALCRECT));
  SelectObject(MaskDC, OldFont);
  GdiFlush();
  QvBoxBlur(&Mask, 1, 2);
  GlowBlend(Background, Mask, GlowColor, Strength);
  BitBlt(DC, Rect.Left, Rect.Top, W, H, BackDC, 0, 0, SRCCOPY);
}

}  // namespace

void DrawEffectText(HDC DC, TRect& Rect, const String& Text, Cardinal Format, Integer,
                    TColor GlowColor, Integer Strength, Integer) {
  if (!DC) return;
  PaintGlow(DC, GetCurrentObject(DC, OBJ_FONT), Rect, Text, Format, GlowColor, Strength);
}

void DrawEffectText(TCanvas& Canvas, TRect& Rect, const String& Text, Cardinal Format, Integer,
                    TColor GlowColor, Integer Strength, Integer) {
  PaintGlow(Canvas.Handle(), Canvas.Font().Handle(), Rect, Text, Format, GlowColor, Strength);
}

void ColorBlend(HDC DC, const TRect& Rect, TColor Color, uint8_t Alpha) {
  if (!DC || Rect.IsEmpty()) return;
  // One pixel of the colour, stretched: the same as a whole rectangle of it.
  TBitmap32 Fill;
  Fill.SetSize(1, 1);
  Fill.Clear(Color32(Color));
  BLENDFUNCTION Blend{AC_SRC_OVER, 0, Alpha, 0};
  AlphaBlend(DC, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), Fill.Handle(), 0, 0, 1, 1,
             Blend);
}

void FillGradient(HDC DC, TColor StartColor, TColor EndColor, bool Horizontal, const TRect& Rect) {
  if (!DC || Rect.Width() < 0 || Rect.Height() < 0) return;
  TBitmap32 Bitmap;
  Bitmap.SetSize(std::max(Rect.Width(), 1), std::max(Rect.Height(), 1));
  FillGradient(&Bitmap, StartColor, EndColor, Horizontal, Bitmap.BoundsRect());
  BitBlt(DC, Rect.Left, Rect.Top, Bitmap.Width(), Bitmap.Height(), Bitmap.Handle(), 0, 0, SRCCOPY);
}

void FillGradient(TCanvas& Canvas, TColor StartColor, TColor EndColor, bool Horizontal,
                  const TRect& Rect) {
  FillGradient(Canvas.Handle(), StartColor, EndColor, Horizontal, Rect);
}

namespace {
RECT CalcRect(HDC DC, const String& Text) {
  RECT R{0, 0, 0, 0};
  if (DC) DrawTextW(DC, Text.c_str(), int(Text.size()), &R, DT_CALCRECT);
  return R;
}
}  // namespace

Integer CalcTextWidthW(HDC DC, const String& Text) {
  RECT R = CalcRect(DC, Text);
  return R.right - R.left;
}

Integer CalcTextHeightW(HDC DC, const String& Text) {
  RECT R = CalcRect(DC, Text);
  return R.bottom - R.top;
}

}  // namespace qv
