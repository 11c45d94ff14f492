#pragma once
// Small helpers used by nearly every control and form: rectangle arithmetic, text
// helpers and the picture conversions; and, from the host's platform module, the files,
// paths, monitors and DPI scaling the layers below share.
// Portable header.
#include <memory>

#include "host/Classes.h"
#include "host/Platform.h"
#include "host/Types.h"

namespace qv {

class TBitmap32;
class TControl;
class TFont;
class TBitmap;
class TPngImage;
class TCustomImageList;
class TBitmap32;

// ---- rectangles (right and bottom exclusive unless noted) ----

inline Integer GetRectWidth(const TRect& R) {
  return R.Right - R.Left;
}
inline Integer GetRectHeight(const TRect& R) {
  return R.Bottom - R.Top;
}
inline Integer RectWidth(const TRect& R) {
  return R.Right - R.Left;
}
inline Integer RectHeight(const TRect& R) {
  return R.Bottom - R.Top;
}
inline double GetRectWidth(const TFloatRect& R) {
  return R.Right - R.Left;
}
inline double GetRectHeight(const TFloatRect& R) {
  return R.Bottom - R.Top;
}
inline double RectWidth(const TFloatRect& R) {
  return R.Right - R.Left;
}
inline double RectHeight(const TFloatRect& R) {
  return R.Bottom - R.Top;
}

// Moves all four edges.
void IncRect(TRect& R, Integer DX, Integer DY);
inline TRect NullRect() {
  return TRect{};
}
// Width or height below one pixel.
bool IsNullRect(const TRect& R);
// The platform's keyboard focus rectangle: every other pixel of R's one-pixel outline has
// its colour inverted (alpha kept), so it shows on any background. Clipped to the surface.
void DrawFocusCue(TBitmap32& Bitmap, const TRect& R);
// Edges inclusive on all four sides.
bool PointInRect(const TRect& R, const TPoint& P);
// Both corners (Left, Top) and (Right, Bottom) lie inside Outer's half-open area.
bool RectInRect(const TRect& R, const TRect& Outer);
// Each edge rounded to the nearest integer (halves to even).
TRect IntRect(const TFloatRect& R);

// Nothing to do: there are no framework styles to turn off.
inline void DisableVclStyles() {}

// ---- pictures (Windows only: the host's picture classes) ----

// A new PNG picture of the bitmap. A 32-bit bitmap gives an RGBA PNG whose samples are the
// bitmap's bytes as they are (colour and alpha, whatever its alpha format); other bitmaps
// go through the PNG picture's own conversion.
std::unique_ptr<TPngImage> ConvertBmpToPng(TBitmap* Bitmap);
// Image Index of the list drawn at (0, 0) on a bitmap of the list's image size (32-bit
// and fully transparent for 32-bit lists, else 24-bit magenta marked transparent), as PNG.
std::unique_ptr<TPngImage> GetPngFromImageList(TCustomImageList* ImageList, int Index);
// When the scale is above 1 (never while the high-DPI mode is off): image Index scaled
// into Bitmap (dmBlend) or into Png, and true. Otherwise false and the target untouched.
bool GetDPIScaledImageList(const TControl* Control, TCustomImageList* ImageList, int Index,
                           TBitmap32& Bitmap);
bool GetDPIScaledImageList(const TControl* Control, TCustomImageList* ImageList, int Index,
                           TPngImage& Png);

// ---- text ----

// The framework's integer conversion: optional blanks and sign, decimal or hex ($, 0x).
bool TryStrToInt(const String& S, Integer& Value);
// Non-empty, and every run of five characters (the last may be shorter) is an integer.
bool IsIntString(const String& Text);

}  // namespace qv
