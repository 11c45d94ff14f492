#include <windows.h>

#include "controls/QvHtmlDraw.h"
#include "controls/QvMeasureCanvas.h"
#include "controls/QvSkinHtmlLabel.h"
#include "host/Properties.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinHtmlLabel>(), true);

const wchar_t* const kMouseButtonNames[] = {L"mbLeft", L"mbRight", L"mbMiddle"};

// The font the mark-up starts from: the label's, with the styles left to the tags. Painting,
// measuring and hit-testing all start from it, so that they agree.
void PrepareCanvas(TCanvas& Canvas, TFont* Font) {
  Canvas.Font().Assign(Font);
  Canvas.Font().SetStyle({});
  Canvas.Brush().SetStyle(bsClear);
}

}  // namespace

void TQvSkinCustomHtmlLabel::SetSuperSubScriptRation(double Value) {
  if (FSuperSubScriptRatio == Value) return;
  FSuperSubScriptRatio = Value;
  Invalidate();
}

// ---- layout ---------------------------------------------------------------------------

namespace {

// Where the mark-up starts in a client area of W × H: the text block of TextW × TextH
// placed by the alignment. A centred block keeps rules symmetric.
TRect PlaceText(const TRect& Client, TAlignment H, TVerticalAlignment V, int TextW, int TextH) {
  TRect R = Client;
  if (H == taRightJustify) {
    R.Left = Client.Width() - TextW;
  } else if (H == taCenter) {
    R.Left = (Client.Width() - TextW) / 2;
    R.Right = Client.Width() - R.Left;
  }
  if (V == taAlignBottom)
    R.Top = Client.Height() - TextH;
  else if (V == taVerticalCenter)
    R.Top = (Client.Height() - TextH) / 2;
  return R;
}

}  // namespace

void TQvSkinCustomHtmlLabel::PaintText(TBitmap32* Bitmap) {
  Bitmap->Font()->Assign(Font());
  TCanvas* Canvas = Bitmap->Canvas();
  if (!Canvas) return;
  PrepareCanvas(*Canvas, Font());
  const String& Text = Caption();
  const int W = ItemHTWidth(Canvas, ClientRect(), {}, Text, FSuperSubScriptRatio);
  const int H = ItemHTHeight(Canvas, Text, FSuperSubScriptRatio);
  FLayoutRect = PlaceText(ClientRect(), AlignmentHorizontal(), AlignmentVertical(), W, H);
  if (Enabled()) {
    ItemHTDrawHL(Canvas, FLayoutRect, {}, Text, FMouseX, FMouseY, FSuperSubScriptRatio,
                 FHyperLinkFontHotColor, 100);
  } else {
    // Engraved: a light copy one pixel down and right, the shadow over it; the passes keep
    // the canvas colour, so colour tags and links do not show.
    TRect Light = FLayoutRect;
    OffsetRect(Light, 1, 1);
    Canvas->Font().SetColor(clBtnHighlight);
    ItemHTDraw(Canvas, Light, {odDisabled}, Text, FSuperSubScriptRatio, FHyperLinkFontHotColor,
               100);
    Canvas->Font().SetColor(clBtnShadow);
    ItemHTDraw(Canvas, FLayoutRect, {odDisabled}, Text, FSuperSubScriptRatio,
               FHyperLinkFontHotColor, 100);
  }
}

void TQvSkinCustomHtmlLabel::AdjustBounds() {
  if (!CanAdjustBounds()) return;
  auto Canvas = NewMeasureCanvas();
  PrepareCanvas(*Canvas, Font());
  const String& Text = Caption();
  SetBounds(Left(), Top(), ItemHTWidth(Canvas.get(), ClientRect(), {}, Text, FSuperSubScriptRatio),
            ItemHTHeight(Canvas.get(), Text, FSuperSubScriptRatio));
}

bool TQvSkinCustomHtmlLabel::LinkAt(int X, int Y, String& LinkName) {
  auto Canvas = NewMeasureCanvas();
  PrepareCanvas(*Canvas, Font());
  const String& Text = Caption();
  const int W = ItemHTWidth(Canvas.get(), ClientRect(), {}, Text, FSuperSubScriptRatio);
  const int H = ItemHTHeight(Canvas.get(), Text, FSuperSubScriptRatio);
  const TRect R = PlaceText(ClientRect(), AlignmentHorizontal(), AlignmentVertical(), W, H);
  int Width;
  bool OnLink;
  ItemHTDrawEx(Canvas.get(), R, {}, Text, Width, htmlHyperLink, X, Y, OnLink, LinkName,
               FSuperSubScriptRatio, FHyperLinkFontHotColor, 100);
  return OnLink;
}

// ---- pointer --------------------------------------------------------------------------

void TQvSkinCustomHtmlLabel::MouseMove(TShiftState Shift, int X, int Y) {
  FMouseX = X;
  FMouseY = Y;
  TQvSkinCustomLabel::MouseMove(Shift, X, Y);
  String Link;
  const bool Over = LinkAt(X, Y, Link);
  SetCursor(Over ? crHandPoint : crDefault);
  if (Over != FHyperlinkHovered || Link != FOldLinkName) {
    FHyperlinkHovered = Over;
    FOldLinkName = Link;
    Invalidate();
  }
}

void TQvSkinCustomHtmlLabel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FMouseX = X;
  FMouseY = Y;
  TQvSkinCustomLabel::MouseUp(Button, Shift, X, Y);
  String Link;
  if (FHyperLinkMouseButtons.Contains(Button) && LinkAt(X, Y, Link) && OnHyperLinkClick)
    OnHyperLinkClick(this, Link);
}

void TQvSkinCustomHtmlLabel::WndProc(TMessage& Message) {
  if (Message.Msg != CM_MOUSELEAVE) return TQvSkinCustomLabel::WndProc(Message);
  const bool WasHovered = FHyperlinkHovered;
  FMouseX = FMouseY = 0;
  TQvSkinCustomLabel::WndProc(Message);
  FHyperlinkHovered = false;
  FOldLinkName.clear();
  SetCursor(crDefault);
  if (WasHovered) Invalidate();
}

// ---- object text form -----------------------------------------------------------------

const TPropTable& TQvSkinCustomHtmlLabel::Properties() const {
  using C = TQvSkinCustomHtmlLabel;
  static const TPropTable Table = TQvSkinCustomLabel::Properties().With({
      ColorProp(L"HyperLinkFontHotColor", &C::HyperLinkFontHotColor, &C::SetHyperLinkFontHotColor,
                DefaultHyperLinkFontHotColor),
      SetProp(L"HyperLinkMouseButtons", &C::HyperLinkMouseButtons, &C::SetHyperLinkMouseButtons,
              DefaultHyperLinkMouseButtons, kMouseButtonNames),
      Prop(L"SuperSubScriptRatio", &C::SuperSubScriptRatio, &C::SetSuperSubScriptRation,
           DefaultSuperSubScriptRatio),
  });
  return Table;
}

}  // namespace qv
