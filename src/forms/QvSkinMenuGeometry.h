#pragma once
// The skinned popup menu's arithmetic: how high and wide an item is measured, and where
// its background, highlight, glyphs, text and separator line go. Portable; every size is
// already scaled for the screen.
#include <functional>

#include "host/Types.h"

namespace qv {

struct TQvMenuMetrics {
  int BorderOffset = 6;    // inner margin (BO)
  int BorderWidth = 0;     // edge of the popup the background picture leaves free
  int GlyphBarWidth = 31;  // glyph column at the item's left (GB)
  int One = 1;             // one scaled pixel
  int HilightHeight = 22;  // height of the highlight picture; < 0 when it is missing
};

// The widest a popup item is measured on a screen ScreenWidth wide, so that a popup with a
// very long caption still fits on it.
constexpr int QvMenuMaxItemWidth(int ScreenWidth) {
  return ScreenWidth * 3 / 4;
}

// Caption cut so that TextWidth of it is at most MaxWidth: the longest head of it that fits
// with "..." after it (no accelerator mark left dangling at the cut), or "..." alone when
// nothing fits with it. A caption that fits comes back as it is.
String QvFitMenuCaption(const String& Caption, int MaxWidth,
                        const std::function<int(const String&)>& TextWidth);

// Space kept between a caption and its shortcut, so the right-aligned shortcut never
// runs into the caption.
constexpr int kQvMenuShortCutGap = 12;

// Where an item sits among the visible items of its popup.
struct TQvMenuItemPlace {
  bool First = false;
  bool Last = false;
  int VisibleCount = 1;
};

// Measures a popup item. CaptionWidth and ShortCutWidth are text widths in the item font
// (ShortCutWidth 0: no shortcut). Width and Height come in with the platform's proposal:
// a separator keeps the width, and an item keeps the height when the highlight picture is
// missing (only the first/last/lone margins are added then).
void QvMeasureMenuItem(const TQvMenuMetrics& M, bool IsLine, int CaptionWidth, int ShortCutWidth,
                       const TQvMenuItemPlace& Place, int& Width, int& Height);

// The frame of a three-frame glyph strip (check, radio, submenu arrow): 0 normal,
// 1 selected, 2 disabled.
int QvMenuGlyphFrame(bool Selected, bool Enabled);

// Where one item is drawn on the composed popup picture (window coordinates).
struct TQvMenuItemLayout {
  TRect Item;               // the item's rectangle: the background is copied here
  TRect Paint;              // Item without the first/last margins: the item is painted into it
  TRect Glyph;              // the glyph column
  TRect Text;               // the caption
  TRect ShortCut;           // the shortcut, right-aligned
  TRect Hilight;            // the highlight picture of the selected item
  TPoint Arrow;             // top-left of the submenu arrow frame
  TPoint Check;             // top-left of the check or radio frame
  TPoint LineFrom, LineTo;  // the separator line (inclusive ends)
};

// ARect is the item's rectangle in the popup window's coordinates. ArrowFrame and
// CheckFrame are the sizes of one glyph frame.
TQvMenuItemLayout QvLayoutMenuItem(const TQvMenuMetrics& M, const TRect& ARect,
                                   const TQvMenuItemPlace& Place, TSize ArrowFrame,
                                   TSize CheckFrame);

// A whole popup as the platform arranges it: items stacked from the top inside a frame of
// BO div 2 on every side, all as wide as the widest. Heights and Widths are the measured
// sizes; answers the item rectangles (window coordinates) and the window size.
TSize QvLayoutMenuPopup(const TQvMenuMetrics& M, const int* Widths, const int* Heights, int Count,
                        TRect* Items);

}  // namespace qv
