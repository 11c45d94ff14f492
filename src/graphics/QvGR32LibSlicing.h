#pragma once
// Cutting skin pictures into pieces (state strips, three slices, nine blocks) and drawing
// a picture into any rectangle: nine-slice stretching with cap insets, one-axis three-slice
// resizes, tiling, centring and cover fitting. All integer divisions truncate.
//
// "UseGDI" forms copy pixels as they are (no blending), as a platform stretch copy
// would; the other forms combine by the source's draw mode.
#include <array>
#include <memory>

#include "resources/QvSkinIntfTypes.h"

namespace qv {

// Indexed [column][row].
using TBmp32Array9Block = std::array<std::array<std::unique_ptr<TBitmap32>, 3>, 3>;
using TBmp32Array = std::vector<std::unique_ptr<TBitmap32>>;
void FreeArray9BlockBmp(TBmp32Array9Block& Blocks);
void FreeArrayBmps(TBmp32Array& Bitmaps);

// ---- cutting ----

// Count pieces side by side, piece i from column i·(W div Count); the last W mod Count
// columns are dropped. Each piece is cut by the eight-pass rule with Img's properties.
// Nil Img or Count <= 0: no pieces.
void SpliteImg(const TCustomBitmap32* Img, Integer Count, TDynQvSkinImage& Parts);
// The same with the pieces stacked top to bottom.
void SpliteVertImg(const TCustomBitmap32* Img, Integer Count, TDynQvSkinImage& Parts);
// Widths CapWidth, W − 2·CapWidth, CapWidth; the thirds when CapWidth <= 0 or >= W div 3.
void SpliteHorz3Img(const TCustomBitmap32* Img, Integer CapWidth, TDynQvSkinImage& Parts);
// Nine (W div 3) x (H div 3) pieces; remainder pixels on the right and bottom are dropped.
void SpliteImgTo9Block(const TCustomBitmap32* Img, TImgArray9Block& Blocks);
// The centred band of CenterHeight rows and the first Width columns, drawn by Img's draw
// mode onto a transparent surface; a full copy when the band does not fit. Nil for nil Img.
std::unique_ptr<TQvSkinImage> SpliteImgCenterPart(const TCustomBitmap32* Img, Integer CenterHeight,
                                                  Integer Width);

// ---- nine-slice and three-slice drawing ----

// Src over all of Dst as a nine-slice with thirds (at least 1 pixel) as caps; an axis on
// which the sizes agree is not stretched.
void StretchBitmap(TCustomBitmap32* Src, TCustomBitmap32* Dst, bool UseGDI);
// Src over all of Dst as a nine-slice: outside CapRect fixed borders, inside the stretched
// centre. Without GDI the centre, left and right edges are stretched by Src's resampler,
// the top and bottom edges tiled, the corners drawn unscaled.
void DrawBitmapCapInsets(TCustomBitmap32* Src, TCustomBitmap32* Dst, const TRect& CapRect,
                         bool UseGDI);
// A new W x H picture with Img's properties filled by StretchBitmap(Img, New, true).
std::unique_ptr<TQvSkinImage> ResizeImg(TCustomBitmap32* Img, Integer W, Integer H);
// Three-slice resizes (platform-copy rule: pixels copied, not blended).
std::unique_ptr<TQvSkinImage> ResizeHorzImg(TCustomBitmap32* Img, Integer NewWidth,
                                            Integer CapWidth);
std::unique_ptr<TQvSkinImage> ResizeVertImg(TCustomBitmap32* Img, Integer NewHeight);

// ---- tiling, placing and fitting ----

// Repeats Src over Dst with the pattern starting at (OffsetX, OffsetY).
void TileBitmap(TCustomBitmap32* Src, TCustomBitmap32* Dst, Integer OffsetX = 0,
                Integer OffsetY = 0);
// Repeats SrcRect along the one axis on which the rectangles' sizes agree; the last tile
// is cut. Nothing when neither size agrees.
void TileBitmap(TCustomBitmap32* Src, TCustomBitmap32* Dst, const TRect& SrcRect,
                const TRect& DstRect);
// Stretches all of Src into DstRect.
void TileBitmap(TCustomBitmap32* Src, TCustomBitmap32* Dst, const TRect& DstRect);
// Draws Src into Dst by a fill type (ftGradient draws nothing).
void DrawImage(TCustomBitmap32* Src, TCustomBitmap32* Dst, TQvPngFillType FillType);
// Cover fit: Src scaled bilinearly by max(Dst.W / Src.W, Dst.H / Src.H) + Extra and drawn
// centred, so it covers Dst and the overflow is cut equally on both sides. Installs a
// linear resampler on Src. Flag is not used.
void AutoStretchBitmap(TCustomBitmap32* Src, TCustomBitmap32* Dst, bool Flag = false,
                       float Extra = 0);
void AutoStretchBitmapEx(TCustomBitmap32* Src, TCustomBitmap32* Dst);

// Draws all of Src scaled by Scale through the transformed drawing, Passes times, into Dst,
// which first takes the size of the scaled picture (edges truncated; none for Scale <= 0).
// The caller chooses Src's resampler.
void ScaleInto(TCustomBitmap32* Src, TCustomBitmap32* Dst, double Scale, int Passes);
// Gives Src a new linear resampler whose samples outside the picture are transparent; the
// scaling helpers leave it on Src.
void InstallEdgeResampler(TCustomBitmap32& Src);

}  // namespace qv
