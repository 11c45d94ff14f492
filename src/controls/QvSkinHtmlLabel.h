#pragma once
// TQvSkinCustomHtmlLabel: a skinned label whose caption is the small HTML mark-up of
// QvHtmlLayout.h (bold, italic, underline, strike-out, super- and subscript, font colour
// and size, rules, line breaks, entities and links). Links highlight under the pointer and
// report clicks. TQvSkinHtmlLabel is the published component.
#include "controls/QvHtmlText.h"
#include "controls/QvSkinLabel.h"

namespace qv {

using TQvSkinHTLabelMouseButtons = TSet<TMouseButton>;
// Sender, and the HREF value of the clicked link.
using TQvSkinHyperLinkClickEvent = std::function<void(TObject* Sender, const String& LinkName)>;

class TQvSkinCustomHtmlLabel : public TQvSkinCustomLabel {
  QV_CLASS(TQvSkinCustomHtmlLabel)
 public:
  using TQvSkinCustomLabel::TQvSkinCustomLabel;

  // The buttons whose release over a link reports it.
  static constexpr TQvSkinHTLabelMouseButtons DefaultHyperLinkMouseButtons = {mbLeft};
  static constexpr TColor DefaultHyperLinkFontHotColor = clRed;
  TQvSkinHTLabelMouseButtons HyperLinkMouseButtons() const { return FHyperLinkMouseButtons; }
  void SetHyperLinkMouseButtons(TQvSkinHTLabelMouseButtons Value) {
    FHyperLinkMouseButtons = Value;
  }
  // The colour of the link under the pointer; stored only.
  TColor HyperLinkFontHotColor() const { return FHyperLinkFontHotColor; }
  void SetHyperLinkFontHotColor(TColor Value) { FHyperLinkFontHotColor = Value; }
  // Font-size factor of superscript and subscript; repaints on change.
  double SuperSubScriptRatio() const { return FSuperSubScriptRatio; }
  void SetSuperSubScriptRation(double Value);
  // The pointer is over a link, and its HREF value.
  bool HyperlinkHovered() const { return FHyperlinkHovered; }
  const String& HoveredLink() const { return FOldLinkName; }
  // Where the mark-up was last laid out.
  const TRect& LayoutRect() const { return FLayoutRect; }

  void WndProc(TMessage& Message) override;
  const TPropTable& Properties() const override;

  TQvSkinHyperLinkClickEvent OnHyperLinkClick;

 protected:
  void PaintText(TBitmap32* Bitmap) override;
  void AdjustBounds() override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // The link under (X, Y) of the client area, measured as the label paints.
  bool LinkAt(int X, int Y, String& LinkName);

 private:
  TRect FLayoutRect;
  bool FHyperlinkHovered = false;
  int FMouseX = 0, FMouseY = 0;  // (0, 0): no pointer
  String FOldLinkName;
  TQvSkinHTLabelMouseButtons FHyperLinkMouseButtons = DefaultHyperLinkMouseButtons;
  TColor FHyperLinkFontHotColor = DefaultHyperLinkFontHotColor;
  double FSuperSubScriptRatio = DefaultSuperSubScriptRatio;
};

class TQvSkinHtmlLabel : public TQvSkinCustomHtmlLabel {
  QV_CLASS(TQvSkinHtmlLabel)
 public:
  using TQvSkinCustomHtmlLabel::TQvSkinCustomHtmlLabel;
};

}  // namespace qv
