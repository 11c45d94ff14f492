#pragma once
// The HTML label's mark-up engine: lays the mark-up out into positioned text runs and
// rules on any surface that can measure text (TQvHtmlCanvas), finds the link under a
// point and draws the result. Portable: the platform canvas is one implementation of the
// interface, and tests and fuzzers bring their own.
//
// Mark-up: tags are recognised by their first letter (upper-cased): B bold, I italic,
// U underline, S strike-out (SUP superscript, SUB subscript), A HREF=... link, FONT
// COLOR=, SIZE=, ALIGN=BOTTOM, HR [SIZE=] rule, BR line break; closing tags undo them.
// Other tags are ignored; a "<" without a ">" on its line is dropped. Lines break only at
// BR (and after HR); runs on one line share a baseline, superscript sits at the line's
// top and subscript at its bottom.
#include <vector>

#include "host/Font.h"
#include "host/Menus.h"

namespace qv {

enum TQvSkinHTMLCalcType { htmlShow, htmlCalcWidth, htmlCalcHeight, htmlHyperLink };

// What the engine measures and draws with.
class TQvHtmlCanvas {
 public:
  virtual ~TQvHtmlCanvas() = default;
  // The current font. The engine changes its style, colour and height while it works and
  // puts them back afterwards.
  virtual TFont& Font() = 0;
  virtual TSize TextExtent(const String& Text) = 0;
  // Cell height (tmHeight) and ascent of the current font.
  virtual void TextMetrics(int& Height, int& Ascent) = 0;
  // Text in the current font at (X, Y); with ClearBrush the background is left as it is
  // (and stays so until the engine is done).
  virtual void TextOut(int X, int Y, const String& Text, bool ClearBrush) = 0;
  // A horizontal rule: rows Y .. Y + Width − 1 from X1 to X2 (exclusive), in Color, or in
  // the canvas's pen colour when Color is null.
  virtual void Rule(int X1, int X2, int Y, int Width, const TColor* Color) = 0;
  // Whether the background brush is clear (text drawn without background).
  virtual bool BrushClear() = 0;
};

// A piece of text in one font.
struct TQvHtmlRun {
  String Text;
  TRect Bounds;  // Left, Top of the text; Right = Left + width, Bottom = Top + cell height
  TFontStyles Style;
  TColor Color = clBlack;
  Integer FontHeight = 0;
  int Link = -1;  // index into TQvHtmlLayout::Links, or −1
  bool ClearBrush = true;
};

struct TQvHtmlRule {
  int X1 = 0, X2 = 0, Y = 0, Width = 1;
  bool FontColor = false;  // in Color (the text colour); else in the pen colour
  TColor Color = clBlack;
};

struct TQvHtmlLayout {
  std::vector<TQvHtmlRun> Runs;
  std::vector<TQvHtmlRule> Rules;
  std::vector<String> Links;  // the HREF value of every link, in order
  int Width = 0;              // of the widest line
  int Height = 0;             // Rect.Top plus the height of every line
};

// The mark-up Text (raw: HTMLPrepareText runs first) laid out from Rect's top-left corner.
// State: odSelected or odDisabled keeps the canvas's text colour (colour tags and the link
// colour are ignored); odDisabled draws rules in the text colour; odReserved1 scales rule
// widths by Scale / 100. Ratio is the font-size factor of superscript and subscript.
TQvHtmlLayout HTMLLayout(TQvHtmlCanvas& Canvas, const TRect& Rect, TOwnerDrawState State,
                         const String& Text, double Ratio, int Scale);
// The link under (X, Y), runs' edges included; −1 when none or the point is (0, 0).
int HTMLLinkAt(const TQvHtmlLayout& Layout, int X, int Y);
// Draws the layout; the runs of link HotLink in HotColor.
void HTMLRender(TQvHtmlCanvas& Canvas, const TQvHtmlLayout& Layout, int HotLink, TColor HotColor);

}  // namespace qv
