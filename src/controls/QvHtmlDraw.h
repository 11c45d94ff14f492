#pragma once
// The HTML label's renderer as free functions over a platform canvas: draw the mark-up,
// measure it, or find the link under a point (the engine is QvHtmlLayout.h). Each saves
// the canvas font's style, colour and size and the brush and puts them back. A null
// canvas measures and draws nothing. Windows only (QvHtmlDrawWin.cpp).
#include "controls/QvHtmlLayout.h"
#include "controls/QvHtmlText.h"
#include "host/Canvas.h"

namespace qv {

// The engine: draws (htmlShow) or only measures; Width answers the widest line, Height
// the bottom of the last line (Rect.Top included); MouseOnLink and LinkName the link
// under (MouseX, MouseY), which is drawn in LinkColor. Scale is a percentage applied to
// rule widths when State holds odReserved1.
void HTMLDrawTextEx(TCanvas* Canvas, const TRect& Rect, TOwnerDrawState State, const String& Text,
                    int& Width, int& Height, TQvSkinHTMLCalcType CalcType, int MouseX, int MouseY,
                    bool& MouseOnLink, String& LinkName, double Ratio = DefaultSuperSubScriptRatio,
                    TColor LinkColor = clRed, int Scale = 100);
// The same; with htmlCalcHeight the height is answered in Width.
void HTMLDrawTextEx(TCanvas* Canvas, const TRect& Rect, TOwnerDrawState State, const String& Text,
                    int& Width, TQvSkinHTMLCalcType CalcType, int MouseX, int MouseY,
                    bool& MouseOnLink, String& LinkName, double Ratio = DefaultSuperSubScriptRatio,
                    TColor LinkColor = clRed, int Scale = 100);
// Draws with no pointer.
void HTMLDrawText(TCanvas* Canvas, const TRect& Rect, TOwnerDrawState State, const String& Text,
                  double Ratio = DefaultSuperSubScriptRatio, TColor LinkColor = clRed,
                  int Scale = 100);
// Draws with the link under the pointer in LinkColor.
void HTMLDrawTextHL(TCanvas* Canvas, const TRect& Rect, TOwnerDrawState State, const String& Text,
                    int MouseX, int MouseY, double Ratio = DefaultSuperSubScriptRatio,
                    TColor LinkColor = clRed, int Scale = 100);
// Width of the widest line.
int HTMLTextWidth(TCanvas* Canvas, const TRect& Rect, TOwnerDrawState State, const String& Text,
                  double Ratio = DefaultSuperSubScriptRatio, int Scale = 100);
// Height of the text laid out from (0, 0) (the canvas's text height when that is 0), plus 1.
int HTMLTextHeight(TCanvas* Canvas, const String& Text, double Ratio = DefaultSuperSubScriptRatio,
                   int Scale = 100);
// Whether a link lies under (MouseX, MouseY); its HREF value in LinkName.
bool IsHyperLink(TCanvas* Canvas, const TRect& Rect, const String& Text, int MouseX, int MouseY,
                 String& LinkName, TColor LinkColor = clRed);
// tmHeight of the canvas font.
int CanvasMaxTextHeight(TCanvas* Canvas);

// The item-drawing names of the same functions.
inline void ItemHTDraw(TCanvas* Canvas, const TRect& Rect, TOwnerDrawState State,
                       const String& Text, double Ratio = DefaultSuperSubScriptRatio,
                       TColor LinkColor = clRed, int Scale = 100) {
  HTMLDrawText(Canvas, Rect, State, Text, Ratio, LinkColor, Scale);
}
inline void ItemHTDrawEx(TCanvas* Canvas, const TRect& Rect, TOwnerDrawState State,
                         const String& Text, int& Width, TQvSkinHTMLCalcType CalcType, int MouseX,
                         int MouseY, bool& MouseOnLink, String& LinkName,
                         double Ratio = DefaultSuperSubScriptRatio, TColor LinkColor = clRed,
                         int Scale = 100) {
  HTMLDrawTextEx(Canvas, Rect, State, Text, Width, CalcType, MouseX, MouseY, MouseOnLink, LinkName,
                 Ratio, LinkColor, Scale);
}
inline void ItemHTDrawHL(TCanvas* Canvas, const TRect& Rect, TOwnerDrawState State,
                         const String& Text, int MouseX, int MouseY,
                         double Ratio = DefaultSuperSubScriptRatio, TColor LinkColor = clRed,
                         int Scale = 100) {
  HTMLDrawTextHL(Canvas, Rect, State, Text, MouseX, MouseY, Ratio, LinkColor, Scale);
}
inline int ItemHTWidth(TCanvas* Canvas, const TRect& Rect, TOwnerDrawState State,
                       const String& Text, double Ratio = DefaultSuperSubScriptRatio,
                       int Scale = 100) {
  return HTMLTextWidth(Canvas, Rect, State, Text, Ratio, Scale);
}
inline int ItemHTHeight(TCanvas* Canvas, const String& Text,
                        double Ratio = DefaultSuperSubScriptRatio, int Scale = 100) {
  return HTMLTextHeight(Canvas, Text, Ratio, Scale);
}

}  // namespace qv
