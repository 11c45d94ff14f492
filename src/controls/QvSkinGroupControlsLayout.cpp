#include "controls/QvSkinGroupControlsLayout.h"

namespace qv {

namespace {
constexpr const wchar_t* kRadio = L"QvSkinRadiobtn";
constexpr const wchar_t* kCheck = L"QvSkinCheckBox";
}  // namespace

std::vector<TRect> GroupGridRects(const TQvGroupGrid& G) {
  std::vector<TRect> Rects;
  const int Columns = G.Columns <= 0 ? 1 : G.Columns;
  const int C = (G.Width - 2 * G.UnscaledOffsetX) / Columns;
  int X = G.OffsetX, Y = G.OffsetY;
  for (int I = 0; I < G.Count; ++I) {
    if (I > 0 && I % Columns == 0) {
      Y += G.VerticalSpacing + G.ItemHeight;
      X = G.OffsetX;
    }
    Rects.push_back({X, Y, X + C, Y + G.ItemHeight});
    X += C;
    // The item whose row starts below the control is the last one laid out.
    if (Y > G.Height) break;
  }
  return Rects;
}

int GroupGridHit(const std::vector<TRect>& Rects, TPoint P) {
  for (size_t I = 0; I < Rects.size(); ++I) {
    const TRect& R = Rects[I];
    if (P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom) return int(I);
  }
  return -1;
}

String GroupPictureName(TGroupControlKind Kind, const String& Pictures) {
  if (Kind == gckRadio && (Pictures.empty() || Pictures == kCheck)) return kRadio;
  if (Kind == gckCheckBox && (Pictures.empty() || Pictures == kRadio)) return kCheck;
  return Pictures;
}

}  // namespace qv
