#pragma once
// Cutting and resizing PNG pictures by repetition, and drawing them onto surfaces.
// A PNG here is a decoded PNG picture (TDecodedImage): straight RGBA samples with the
// header it came with; new PNGs keep the source's colour type and bit depth. Pixels are
// copied whole (colour and alpha), never blended. Integer divisions truncate.
#include "graphics/QvGR32LibSlicing.h"

namespace qv {

class TPicture;
class TPngImage;

// True when the PNG carries transparency: an alpha channel or a transparency chunk.
bool PngHasTransparency(const TDecodedImage& Png);
// A new PNG of W x H (transparent black) with Png's header.
std::unique_ptr<TDecodedImage> NewPngLike(const TDecodedImage& Png, Integer W, Integer H);
// The PNG's pixels into Bitmap, which takes its size; the draw mode is dmBlend when the PNG
// carries transparency, else dmOpaque.
void PngToBitmap32(const TDecodedImage& Png, TCustomBitmap32& Bitmap);

// ---- cutting ----

// Count pieces of (width div Count) x height, piece i from column i·(width div Count).
// Frees Pngs first; an empty PNG or Count <= 0 gives none. Answers the piece width.
Integer SplitePng(const TDecodedImage& Png, Integer Count, TPngArray& Pngs);
// Thirds side by side (stacked); the last also takes width mod 3 (height mod 3).
void SplitePngTo3horzBlock(const TDecodedImage& Png, TPngArray3Block& Pngs3);
void SplitePngTo3vertBlock(const TDecodedImage& Png, TPngArray3Block& Pngs3);
// Full-height pieces CapWidth, W − 2·CapWidth and CapWidth wide; the thirds when CapWidth
// <= 0 or >= W div 3.
void SplitePngTo3horzBlock(const TDecodedImage& Png, Integer CapWidth, TPngArray3Block& Pngs3);
// Nine blocks (width div 3) x (height div 3), the last column and row taking the remainders.
void SplitePngTo9Block(const TDecodedImage& Png, TPngArray9Block& Pngs9);
// Target becomes Width x Height with Png's header and the pixels from (X, Y) on. Raises
// EInvalidGraphic "Invalid position/size" for a copy outside the source.
void CropPNG(const TDecodedImage& Png, Integer X, Integer Y, TDecodedImage& Target, Integer Height,
             Integer Width);
// CropPNG into Target, keeping Target's size, from column X (and row Y).
void CopyPng(const TDecodedImage& Png, TDecodedImage& Target, Integer X, Integer Y = 0);

// ---- resizing by repetition ----

// Repeats Piece over Width x Height of Target from (X, Y), the pattern starting there;
// negative X or Y count as 0; the part outside Target is skipped.
void RepeatPng(const TDecodedImage& Piece, TDecodedImage& Target, Integer X, Integer Y,
               Integer Width, Integer Height);
std::unique_ptr<TDecodedImage> ResizeVertPng(const TDecodedImage& Png, Integer NewHeight);
std::unique_ptr<TDecodedImage> ResizeHorzPng(const TDecodedImage& Png, Integer NewWidth,
                                             Integer CapWidth);
// Nine-block resize with thirds as blocks; the same size gives an exact copy.
std::unique_ptr<TDecodedImage> ResizePng(const TDecodedImage& Png, Integer W, Integer H);
// The same with blocks between the column cuts (ColumnCuts.Left, .Right) and the row cuts
// (RowCuts.Top, .Bottom); cuts outside the picture or out of order fall back to thirds.
std::unique_ptr<TDecodedImage> ResizePng(const TDecodedImage& Png, Integer W, Integer H,
                                         const TRect& ColumnCuts, const TRect& RowCuts);

// ---- drawing onto surfaces ----

// The PNG as a surface, tiled over Dst.
void TileBitmap(const TDecodedImage& Png, TCustomBitmap32* Dst);
// By fill type: ftNormal at (0, 0), ftTile, ftAutoStretch (Png2Bitmap with alpha),
// ftCenter centred, ftStretch scaled by Dst.W / PNG width with ResizeBitmap32 (Dst takes
// the scaled size), ftGradient nothing.
void DrawPng(const TDecodedImage& Png, TCustomBitmap32* Dst, TQvPngFillType FillType);
// Blends the PNG onto Dst at (X, Y); nothing for an empty PNG.
void DrawPng(const TDecodedImage& Png, Integer X, Integer Y, TCustomBitmap32* Dst);
// The same size: tiled; otherwise stretched over Dst by the StretchBitmap rule (dmBlend
// when UseAlpha, else dmOpaque).
void Png2Bitmap(const TDecodedImage& Png, TCustomBitmap32* Dst, bool UseAlpha);
// Draws Png over Bitmap's present content: at (0, 0) when the sizes agree, otherwise as a
// nine-block resize to Bitmap's size (ResizePng), blended with its alpha.
void ExtendPicture(const TDecodedImage& Png, TCustomBitmap32* Bitmap);
// One new surface per PNG (default surface properties).
void Pngs2Bmps(const TPngArray& Pngs, TBmp32Array& Bmps);
// Nine new surfaces from a row-major 3 x 3 PNG array into Bmp9[column][row]; with
// SetDrawMode each gets dmBlend when its PNG carries transparency, else dmOpaque.
void Pngs2Bmps(const TPngArray9Block& Png9, TBmp32Array9Block& Bmp9, bool SetDrawMode);

// ---- platform pictures (Windows; elsewhere there are none) ----

// The pixels and header of a loaded PNG picture, for the routines above.
TDecodedImage PngImageToDecoded(const TPngImage& Png);
// Nothing without a graphic; a PNG as DrawPng(Png, X, Y, Dst); any other graphic through a
// temporary surface it is assigned to, drawn at (X, Y).
void DrawPicture(TPicture* Picture, Integer X, Integer Y, TCustomBitmap32* Dst);

}  // namespace qv
