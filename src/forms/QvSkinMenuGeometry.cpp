#include "forms/QvSkinMenuGeometry.h"

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

// Top + (Span - Size) / 2 rounded half to even, as the framework's Round.
int CentreRounded(int Top, int Span, int Size) {
  return int(std::lrint(Top + (Span - Size) / 2.0));
}

}  // namespace

String QvFitMenuCaption(const String& Caption, int MaxWidth,
                        const std::function<int(const String&)>& TextWidth) {
  if (TextWidth(Caption) <= MaxWidth) return Caption;
  static const String Ellipsis = L"...";
  auto Head = [&](size_t N) {
    String H = Caption.substr(0, N);
    // An odd run of '&' at the end would mark the first dot as the accelerator.
    size_t Marks = 0;
    while (Marks < H.size() && H[H.size() - 1 - Marks] == L'&') ++Marks;
    if (Marks % 2) H.pop_back();
    return H + Ellipsis;
  };
  // The widths of the heads grow with their length: the longest that fits.
  size_t Lo = 0, Hi = Caption.size();
  while (Lo < Hi) {
    const size_t Mid = (Lo + Hi + 1) / 2;
    if (TextWidth(Head(Mid)) <= MaxWidth)
      Lo = Mid;
    else
      Hi = Mid - 1;
  }
  return Head(Lo);
}

void QvMeasureMenuItem(const TQvMenuMetrics& M, bool IsLine, int CaptionWidth, int ShortCutWidth,
                       const TQvMenuItemPlace& Place, int& Width, int& Height) {
  const int BO = M.BorderOffset;
  if (IsLine) {
    Height = 3 * M.One;
    return;
  }
  int Text = CaptionWidth;
  if (ShortCutWidth > 0) Text += kQvMenuShortCutGap * M.One + ShortCutWidth;
  Width = Text + M.GlyphBarWidth + 2 * BO;
  if (M.HilightHeight >= 0) Height = M.HilightHeight + BO / 2;
  if (Place.VisibleCount == 1)
    Height += BO;
  else if (Place.First || Place.Last)
    Height += BO / 2;
}

int QvMenuGlyphFrame(bool Selected, bool Enabled) {
  if (!Enabled) return 2;
  return Selected ? 1 : 0;
}

TQvMenuItemLayout QvLayoutMenuItem(const TQvMenuMetrics& M, const TRect& ARect,
                                   const TQvMenuItemPlace& Place, TSize ArrowFrame,
                                   TSize CheckFrame) {
  const int BO = M.BorderOffset, GB = M.GlyphBarWidth, One = M.One, K = BO / 2;
  TQvMenuItemLayout L;
  L.Item = ARect;
  TRect R = L.Item;
  if (Place.First) R.Top += BO / 2;
  if (Place.Last) R.Bottom -= BO / 2;
  L.Paint = R;
  L.Glyph = Rect(R.Left, R.Top, R.Left + GB, R.Bottom);
  L.Text = Rect(R.Left + GB + One, R.Top, R.Right - 2 * BO, R.Bottom);
  L.ShortCut = Rect(L.Text.Left, L.Text.Top, L.Text.Right - 4 * One, L.Text.Bottom);
  L.Hilight = Rect(R.Left + K + One, R.Top + One, R.Right - K - One, R.Bottom - One);
  L.Arrow = Point(R.Right - ArrowFrame.cx - 4 * One - BO,
                  CentreRounded(R.Top, R.Height(), ArrowFrame.cy));
  L.Check = Point(L.Glyph.Left + (L.Glyph.Width() - CheckFrame.cx) / 2 + One,
                  CentreRounded(L.Glyph.Top, L.Glyph.Height(), CheckFrame.cy) + One);
  L.LineFrom = Point(R.Left + K + One, R.Top + One);
  L.LineTo = Point(R.Right - K - 2 * One, R.Top + One);
  return L;
}

TSize QvLayoutMenuPopup(const TQvMenuMetrics& M, const int* Widths, const int* Heights, int Count,
                        TRect* Items) {
  const int K = M.BorderOffset / 2;
  int W = 0, Y = 0;
  for (int I = 0; I < Count; ++I) W = std::max(W, Widths[I]);
  for (int I = 0; I < Count; ++I) {
    Items[I] = Rect(K, K + Y, K + W, K + Y + Heights[I]);
    Y += Heights[I];
  }
  return {W + 2 * K, Y + 2 * K};
}

}  // namespace qv
