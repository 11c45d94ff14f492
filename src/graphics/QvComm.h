#pragma once
// Small helpers used by nearly every control and form: rectangle arithmetic, the work
// area of a window's monitor, bringing a window to the front, DPI scaling (off: the
// library runs at 96-DPI metrics), and text-file and path helpers.
// Portable header; the platform parts live in QvCommWin.cpp (QvCommHeadless.cpp natively).
#include <memory>

#include "host/Classes.h"
#include "host/Types.h"

struct HWND__;  // the platform's window handle type, as <windows.h> declares it

namespace qv {

using HWND = ::HWND__*;

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
// Edges inclusive on all four sides.
bool PointInRect(const TRect& R, const TPoint& P);
// Both corners (Left, Top) and (Right, Bottom) lie inside Outer's half-open area.
bool RectInRect(const TRect& R, const TRect& Outer);
// Each edge rounded to the nearest integer (halves to even).
TRect IntRect(const TFloatRect& R);

// ---- monitor and windows (platform) ----

// The work area (WorkArea true) or the whole area of the monitor nearest to the window.
void GetMonitorWorkArea(HWND Handle, bool WorkArea, TRect& Rect);
// One empty input event, then SetForegroundWindow, so the window may take the foreground.
void BringToFrontEx(HWND Handle);
// user32's IsHungAppWindow looked up at run time; true when it is missing.
bool IsHungAppWindowNT(HWND Handle);
inline void DisableVclStyles() {}

// ---- DPI (the mode is off: every scaled size equals the unscaled one) ----

bool AppIsHighDPIMode();
double GetDPIScaleValue(const TControl* Control);
bool AppInHighDPIMode();
// Pixels per inch of the screen (96 where there is no screen).
Integer ScreenPixelsPerInch();
Integer GetDPIScaledPixels(const TControl* Control, Integer N);
TPoint GetDPIScaledPixels(const TControl* Control, const TPoint& P);
TRect GetDPIScaledPixels(const TControl* Control, const TRect& R);
Integer GetDPIScaledFontSize(const TControl* Control, Integer Size);
// In high-DPI mode: the font's size scaled; otherwise nothing.
void SetDPIScaledFont(const TControl* Control, TFont* Font);
// In high-DPI mode: Font takes Source's settings but keeps its own style and colour.
void SetDPIScaledFont(const TFont* Source, TFont* Font);

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

// ---- files, text and paths ----

// The whole file as UTF-8 (a byte-order mark is skipped).
// Raises Exception "File does not exist: <name>" when it is missing.
String ReadUTF8File(const String& FileName);
// Text split into lines and written as UTF-8 with a byte-order mark and a line break after
// each line.
void WriteUTF8File(const String& Text, const String& FileName);
// The framework's integer conversion: optional blanks and sign, decimal or hex ($, 0x).
bool TryStrToInt(const String& S, Integer& Value);
// Non-empty, and every run of five characters (the last may be shorter) is an integer.
bool IsIntString(const String& Text);
// Appends the lines from the first StartLine to the first following EndLine (both
// included; compared trimmed, and upper-cased unless CaseSensitive) to Dest. False and
// Dest untouched when either line is missing.
bool ExtractBetweenStrings(const TStringList& Lines, TStringList& Dest, const String& StartLine,
                           bool CaseSensitive, const String& EndLine);
// The platform's path combination (PathCombineW): joins and canonicalises; "" on failure.
String GetAbsolutePathEx(const String& BasePath, const String& RelativePath);
// Folder of the running executable, with a trailing delimiter.
String GetExeFolder();

}  // namespace qv
