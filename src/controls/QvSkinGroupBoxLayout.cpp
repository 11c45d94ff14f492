#include "controls/QvSkinGroupBoxLayout.h"

namespace qv {

TQvGroupBoxLayout GroupBoxLayout(int W, int CH, int TW, TSize Check, TGroupBoxFrameStyle Style,
                                 TAlignment Alignment) {
  TQvGroupBoxLayout L;
  int Off = Style == fsBox ? 20 : 0;
  int Cw = 0;
  const int M = (W - (Check.cx > 0 ? Check.cx : 0) - TW) / 2;
  if (Check.cx > 0 && Check.cy > 0) {
    const int Y = CH / 2 - Check.cy / 2;
    Off += 3;
    Cw = Check.cx;
    int X;
    switch (Alignment) {
      case taLeftJustify:
        X = Off;
        Off += Cw + 3;
        break;
      case taRightJustify:
        X = W - Off - Cw - TW;
        Off -= 3;
        break;
      default:
        X = M;
        break;
    }
    L.CheckAt = {X, Y};
    L.CheckRect = {X, Y, X + Off + Cw, Y + Check.cy};
    L.CheckWidth = Cw;
  }
  switch (Alignment) {
    case taLeftJustify:
      L.CaptionRect = {Off, 0, TW + Off, CH};
      break;
    case taRightJustify:
      L.CaptionRect = {W - TW - Off, 0, W - Off, CH};
      break;
    default:
      L.CaptionRect = {M + Cw, 0, M + Cw + TW, CH};
      break;
  }
  L.Row = (CH - 1) / 2;
  auto Rule = [&](int X1, int X2, bool StartAtLeft) {
    if (X2 - X1 > 0) L.Rules.push_back({X1, X2, StartAtLeft});
  };
  if (Style == fsLine) {
    switch (Alignment) {
      case taLeftJustify:
        Rule(L.CaptionRect.Right + 5, W, true);
        break;
      case taRightJustify:
        Rule(0, L.CaptionRect.Left - Cw - 5, false);
        break;
      default:
        Rule(0, M - 5, false);
        Rule(M + TW + Cw + 5, W, true);
        break;
    }
  }
  L.BoxLeftEnd = L.CaptionRect.Left - 5 - Cw;
  L.BoxRightStart = L.CaptionRect.Right + 5;
  return L;
}

}  // namespace qv
