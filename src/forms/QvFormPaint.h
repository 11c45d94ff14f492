#pragma once
// The skinned form's portable painting: frame lines on the non-client pieces, and the
// backgrounds (colour gradient strip, client background, picture background) that the form
// paints and that see-through children copy.
#include "raster/Bitmap32.h"
#include "resources/QvSkinIntfTypes.h"

namespace qv {

struct TQvFrameLineStyle {
  bool FlatFrame = false;
  bool Maximized = false;
  int FramWidth = 2;
  bool KeepFrameColor = false;
  TColor FrameColor = 0;
  bool DoubleFrame = true;
  bool RoundWindow = true;
};

// Outer line: FrameColor with KeepFrameColor, else black at alpha 128; inner line (with
// DoubleFrame): white at alpha 176. Nothing for a flat or maximised frame or FramWidth <= 0.
constexpr TColor32 FrameOuterLine = 0x80000000;
constexpr TColor32 FrameInnerLine = 0xB0FFFFFF;
void DrawNCBoderSide(TBitmap32& Piece, TNCBoderSideKind Side, const TQvFrameLineStyle& Style);

// The gradient strip: Width x Height, Top colour at the top to Bottom at the bottom, the
// same in every column (one column computed, then stretched).
void BuildGradientStrip(TBitmap32& Strip, int Width, int Height, TColor Top, TColor Bottom);

// Client background in client coordinates: (form + 10) each way, filled with Client, with
// the strip (when given) drawn at StripAt.
void BuildColorBackground(TBitmap32& Dst, TSize Form, TColor Client, TBitmap32* Strip,
                          TPoint StripAt);

// Window background from Picture by FillStyle. Blur: Picture is faded at its right and
// bottom edges in place first (FadePicture), BgColor gets its average colour; the other
// styles fill white. Offset places the picture (blur and tile).
void BuildPictureBackground(TBitmap32& Dst, TBitmap32& Picture, TQvFillStyle FillStyle, TSize Form,
                            TPoint Offset, TColor& BgColor, bool FadePicture);

}  // namespace qv
