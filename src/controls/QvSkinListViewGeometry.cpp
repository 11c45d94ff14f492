#include "controls/QvSkinListViewGeometry.h"

#include <algorithm>

namespace qv {

String ShortenCaption(const String& Text, int MaxWidth, const TQvTextExtentFunc& Extent) {
  if (Extent(Text).cx <= MaxWidth) return Text;
  String S = Text;
  while (!S.empty() && Extent(S + L"...").cx > MaxWidth) S.pop_back();
  return S + L"...";
}

TQvHeaderPlacement PlaceHeaderSection(int Width, int Height, const String& Caption,
                                      TAlignment Alignment, int ImageWidth, int ImageHeight,
                                      int FontHeight, const TQvTextExtentFunc& Extent) {
  TQvHeaderPlacement P;
  const int L = 5, R = Width - 5, BW = R - L;
  const bool Image = ImageWidth > 0;
  const int Room = Image ? BW - ImageWidth - 10 : BW;
  P.Text = ShortenCaption(Caption, Room, Extent);
  const bool Cut = P.Text != Caption;
  const TSize T = Extent(P.Text);
  const int Gap = Image ? ImageWidth + 10 : 0;
  int X = L;
  // A cut caption starts at the left whatever the alignment.
  if (!Cut) {
    if (Alignment == taRightJustify) X = R - T.cx - Gap;
    if (Alignment == taCenter) X = L + BW / 2 - (T.cx + Gap) / 2;
  }
  if (Image) {
    P.HasImage = true;
    P.ImageX = X;
    P.ImageY = Height / 2 - ImageHeight / 2;
  }
  P.TextX = X + Gap;
  P.TextY = Height / 2 - T.cy / 2;
  if (FontHeight % 2 != 0) P.TextY -= 1;
  return P;
}

TQvListBarPlan PlanListViewBar(const TQvListScrollState& S, bool Vertical) {
  TQvListBarPlan P;
  P.Min = S.Min;
  P.Max = S.Max;
  P.Position = S.Position;
  switch (S.Style) {
    case vsIcon:
    case vsSmallIcon: {
      const int Extent = Vertical ? S.Height : S.Width;
      P.Visible = Extent < S.Max;
      P.Page = Extent;
      P.SmallChange = P.LargeChange = std::max(S.ItemHeight / 2, 1);
      break;
    }
    case vsReport:
      if (Vertical) {
        P.Visible = S.CountPerPage < S.Max + 1;
        P.Page = S.CountPerPage;
        P.SmallChange = 1;
        P.LargeChange = std::max(S.CountPerPage, 1);
      } else {
        P.Visible = S.Width < S.Max;
        P.Page = S.Width;
      }
      break;
    case vsList:
      if (Vertical) break;  // a list scrolls by columns only
      P.Visible = S.CountPerPage < S.ItemCount;
      P.Page = S.Width / std::max(S.ItemWidth, 1);
      P.SmallChange = P.LargeChange = 1;
      break;
  }
  return P;
}

}  // namespace qv
