#include <windows.h>

#include "controls/QvHtmlDraw.h"

namespace qv {

namespace {

// The engine's view of a platform canvas. Keeps the brush as it was found and puts it
// back when done.
class TCanvasTarget : public TQvHtmlCanvas {
 public:
  explicit TCanvasTarget(TCanvas& Canvas)
      : FCanvas(Canvas), FBrushColor(Canvas.Brush().Color()), FBrushStyle(Canvas.Brush().Style()) {}
  ~TCanvasTarget() override {
    // A colour makes a clear brush solid: the style goes back last.
    FCanvas.Brush().SetColor(FBrushColor);
    FCanvas.Brush().SetStyle(FBrushStyle);
  }

  TFont& Font() override { return FCanvas.Font(); }
  TSize TextExtent(const String& Text) override { return FCanvas.TextExtent(Text); }
  void TextMetrics(int& Height, int& Ascent) override {
    HDC DC = FCanvas.Handle();
    HGDIOBJ Old = SelectObject(DC, FCanvas.Font().Handle());
    TEXTMETRICW M{};
    GetTextMetricsW(DC, &M);
    SelectObject(DC, Old);
    Height = M.tmHeight;
    Ascent = M.tmAscent;
  }
  void TextOut(int X, int Y, const String& Text, bool ClearBrush) override {
    if (ClearBrush) FCanvas.Brush().SetStyle(bsClear);
    FCanvas.TextOut(X, Y, Text);
  }
  void Rule(int X1, int X2, int Y, int Width, const TColor* Color) override {
    if (X2 <= X1) return;
    TBrush& B = FCanvas.Brush();
    const TColor OldColor = B.Color();
    const TBrushStyle OldStyle = B.Style();
    B.SetColor(Color ? *Color : FCanvas.Pen().Color());
    B.SetStyle(bsSolid);
    FCanvas.FillRect(TRect{X1, Y, X2, Y + Width});
    B.SetColor(OldColor);
    B.SetStyle(OldStyle);
  }
  bool BrushClear() override { return FCanvas.Brush().Style() == bsClear; }

 private:
  TCanvas& FCanvas;
  TColor FBrushColor;
  TBrushStyle FBrushStyle;
};

}  // namespace

void HTMLDrawTextEx(TCanvas* Canvas, const TRect& Rect, TOwnerDrawState State, const String& Text,
                    int& Width, int& Height, TQvSkinHTMLCalcType CalcType, int MouseX, int MouseY,
                    bool& MouseOnLink, String& LinkName, double Ratio, TColor LinkColor,
                    int Scale) {
  Width = 0;
  Height = 0;
  MouseOnLink = false;
  LinkName.clear();
  if (!Canvas) return;
  TCanvasTarget Target(*Canvas);
  const TQvHtmlLayout Layout = HTMLLayout(Target, Rect, State, Text, Ratio, Scale);
  const int Hot = HTMLLinkAt(Layout, MouseX, MouseY);
  Width = Layout.Width;
  Height = Layout.Height;
  MouseOnLink = Hot >= 0;
  if (MouseOnLink) LinkName = Layout.Links[size_t(Hot)];
  if (CalcType == htmlShow) HTMLRender(Target, Layout, Hot, LinkColor);
}

void HTMLDrawTextEx(TCanvas* Canvas, const TRect& Rect, TOwnerDrawState State, const String& Text,
                    int& Width, TQvSkinHTMLCalcType CalcType, int MouseX, int MouseY,
                    bool& MouseOnLink, String& LinkName, double Ratio, TColor LinkColor,
                    int Scale) {
  int Height = 0;
  HTMLDrawTextEx(Canvas, Rect, State, Text, Width, Height, CalcType, MouseX, MouseY, MouseOnLink,
                 LinkName, Ratio, LinkColor, Scale);
  if (CalcType == htmlCalcHeight) Width = Height;
}

void HTMLDrawText(TCanvas* Canvas, const TRect& Rect, TOwnerDrawState State, const String& Text,
                  double Ratio, TColor LinkColor, int Scale) {
  HTMLDrawTextHL(Canvas, Rect, State, Text, 0, 0, Ratio, LinkColor, Scale);
}

void HTMLDrawTextHL(TCanvas* Canvas, const TRect& Rect, TOwnerDrawState State, const String& Text,
                    int MouseX, int MouseY, double Ratio, TColor LinkColor, int Scale) {
  int Width;
  bool OnLink;
  String Link;
  HTMLDrawTextEx(Canvas, Rect, State, Text, Width, htmlShow, MouseX, MouseY, OnLink, Link, Ratio,
                 LinkColor, Scale);
}

int HTMLTextWidth(TCanvas* Canvas, const TRect& Rect, TOwnerDrawState State, const String& Text,
                  double Ratio, int Scale) {
  int Width;
  bool OnLink;
  String Link;
  HTMLDrawTextEx(Canvas, Rect, State, Text, Width, htmlCalcWidth, 0, 0, OnLink, Link, Ratio, clRed,
                 Scale);
  return Width;
}

int HTMLTextHeight(TCanvas* Canvas, const String& Text, double Ratio, int Scale) {
  int Height;
  bool OnLink;
  String Link;
  HTMLDrawTextEx(Canvas, TRect{}, {}, Text, Height, htmlCalcHeight, 0, 0, OnLink, Link, Ratio,
                 clRed, Scale);
  if (Height == 0 && Canvas) Height = Canvas->TextHeight(L"Wg");
  return Height + 1;
}

bool IsHyperLink(TCanvas* Canvas, const TRect& Rect, const String& Text, int MouseX, int MouseY,
                 String& LinkName, TColor LinkColor) {
  int Width;
  bool OnLink;
  HTMLDrawTextEx(Canvas, Rect, {}, Text, Width, htmlHyperLink, MouseX, MouseY, OnLink, LinkName,
                 DefaultSuperSubScriptRatio, LinkColor, 100);
  return OnLink;
}

int CanvasMaxTextHeight(TCanvas* Canvas) {
  if (!Canvas) return 0;
  int Height, Ascent;
  TCanvasTarget(*Canvas).TextMetrics(Height, Ascent);
  return Height;
}

}  // namespace qv
