// Alpha-correct text on TBitmap32: the platform draws white text on black (or on
// transparent black, supersampled), and the result becomes a mask of the wanted colour.
#include <algorithm>

#include "host/Font.h"
#include "raster/Bitmap32.h"

namespace qv {

namespace {

// A scratch surface carrying a copy of Font in white.
void PrepareMask(TBitmap32& Mask, const TFont& Font) {
  Mask.Font()->Assign(const_cast<TFont*>(&Font));
  Mask.Font()->SetColor(clWhite);
}

// White-on-black text to Color with alpha = the blue byte; black stays transparent.
void BlueToAlpha(TBitmap32& Mask, TColor32 Color) {
  TColor32 RGB = Color & 0x00FFFFFF;
  TColor32* P = Mask.Bits();
  for (size_t I = 0, N = size_t(Mask.Width()) * size_t(Mask.Height()); I < N; ++I) {
    TColor32 B = P[I] & 0xFF;
    P[I] = B ? RGB | B << 24 : 0;
  }
}

void BlendMask(TBitmap32& Dst, TBitmap32& Mask, Integer X, Integer Y, TColor32 Color) {
  if (Mask.Empty()) return;
  Mask.SetDrawMode(dmBlend);
  Mask.SetMasterAlpha(uint8_t(Color >> 24));
  Dst.Draw(X, Y, &Mask);
}

}  // namespace

void TBitmap32::RenderText(Integer X, Integer Y, const String& Text, Integer AALevel,
                           TColor32 Color) {
  AALevel = std::clamp(AALevel, -1, 4);
  FFont->SetQuality(AALevel < 0 ? fqAntialiased : fqNonAntialiased);
  TBitmap32 Mask;
  if (AALevel > 0) {
    // Drawn 2^AALevel times larger, then every block averages down to one pixel.
    Integer S = 1 << AALevel;
    TBitmap32 Big;
    PrepareMask(Big, *FFont);
    Big.Font()->SetHeight(FFont->Height() * S);
    TSize Sz = Big.TextExtent(Text + L" ");
    if (Sz.cx > 0 && Sz.cy > 0) {
      Big.SetSize(Sz.cx + S, Sz.cy + S);
      Big.Textout(0, 0, Text);
      Mask.SetSize(Big.Width() / S, Big.Height() / S);
      TColor32 RGB = Color & 0x00FFFFFF;
      for (Integer MY = 0; MY < Mask.Height(); ++MY)
        for (Integer MX = 0; MX < Mask.Width(); ++MX) {
          uint32_t Sum = 0;
          for (Integer J = 0; J < S; ++J) {
            const TColor32* Row = Big.PixelPtr(MX * S, MY * S + J);
            for (Integer I = 0; I < S; ++I) Sum += Row[I] & 0xFF;
          }
          Mask.SetPixel(MX, MY, RGB | (Sum / uint32_t(S * S)) << 24);
        }
    }
  } else {
    TSize Sz = TextExtent(Text);
    Sz.cx = std::min(Sz.cx, Width());
    Sz.cy = std::min(Sz.cy, Height());
    if (Sz.cx > 0 && Sz.cy > 0) {
      PrepareMask(Mask, *FFont);
      Mask.SetSize(Sz.cx, Sz.cy);
      Mask.Clear(clBlack32);
      Mask.Textout(0, 0, Text);
      BlueToAlpha(Mask, Color);
    }
  }
  BlendMask(*this, Mask, X, Y, Color);
  FFont->SetQuality(fqDefault);
}

void TBitmap32::RenderTextRect(const TRect& DstRect, uint32_t Flags, const String& Text,
                               TColor32 Color) {
  if (DstRect.IsEmpty()) return;
  TBitmap32 Mask;
  PrepareMask(Mask, *FFont);
  Mask.SetSize(DstRect.Width(), DstRect.Height());
  Mask.Clear(clBlack32);
  Mask.Textout(Rect(0, 0, DstRect.Width(), DstRect.Height()), Flags, Text);
  BlueToAlpha(Mask, Color);
  BlendMask(*this, Mask, DstRect.Left, DstRect.Top, Color);
}

void TBitmap32::RenderText(const TRect& DstRect, uint32_t Flags, const String& Text,
                           TColor32 Color) {
  // The font keeps the non-anti-aliased quality afterwards.
  FFont->SetQuality(fqNonAntialiased);
  RenderTextRect(DstRect, Flags, Text, Color);
}

void TBitmap32::RenderText(const TRect& DstRect, uint32_t Flags, const String& Text,
                           Integer Quality, TColor32 Color) {
  FFont->SetQuality(TFontQuality(Quality));
  RenderTextRect(DstRect, Flags, Text, Color);
  FFont->SetQuality(fqDefault);
}

}  // namespace qv
