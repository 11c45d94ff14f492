#pragma once
// Pixel access for the canvas and picture tests.
#include "host/Graphics.h"

namespace qvtest {

// The colour of a pixel of a 24- or 32-bit bitmap, read from its memory.
inline qv::TColor PixelAt(qv::TBitmap& B, int X, int Y) {
  int Bpp = B.PixelFormat() == qv::pf32bit ? 4 : 3;
  const uint8_t* P = B.ScanLine(Y) + X * Bpp;
  return qv::TColor(P[2] | (P[1] << 8) | (P[0] << 16));
}

inline void Fill(qv::TBitmap& B, qv::TColor C) {
  B.Canvas().Brush().SetColor(C);
  B.Canvas().FillRect(qv::Rect(0, 0, B.Width(), B.Height()));
}

}  // namespace qvtest
