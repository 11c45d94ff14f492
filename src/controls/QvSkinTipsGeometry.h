#pragma once
// Where a tip window goes, without the platform: its rectangle beside or over the control
// it belongs to (or at a given rectangle), its close button, and the edit tip's place
// to the right of its edit.
#include "host/Types.h"

namespace qv {

// hdTop / hdBottom: along the top or bottom edge of the control's client area;
// hdCustom: at the given rectangle.
enum TTipsDirection { hdTop, hdBottom, hdCustom };
inline constexpr const wchar_t* TTipsDirectionNames[] = {L"hdTop", L"hdBottom", L"hdCustom"};

// Space of the border and the gap around the text, and the gap under the title.
constexpr int TipsTextMargin = 10;
constexpr int TipsTitleGap = 6;

struct TTipsPlacement {
  TTipsDirection Direction = hdTop;
  bool HasParent = false;
  TRect ParentClient;  // the control's client area, screen coordinates
  bool HasRect = false;
  TRect R;              // the given rectangle, screen coordinates
  int TextHeight = 0;   // measured text height
  int TitleHeight = 0;  // 0 without a title
};

// The window rectangle (screen coordinates). With a control: as wide as its client area
// (or from R's left to its right when given) and as high as the text plus its margin and
// the title; hdCustom without R falls back to the client area's top-left. Without a
// control: R, with the title's room added below.
TRect TipsWindowRect(const TTipsPlacement& P);

// The height a rectangle given with a control keeps: its own when it is at least 11 and
// less than the screen's, else 10.
int TipsRectHeight(int Height, int ScreenHeight);

// Width the tip text is laid out in, in a window of Width: what the paint leaves between
// the border, the inner margins and the close button (SingleWidth 0 without one).
int TipsTextWidth(int Width, int CloseButtonWidth);

// The close button at the top-right of a window Width wide, for a picture of one state of
// SW × SH; empty when it is not shown.
TRect TipsCloseButtonRect(int Width, int SW, int SH, bool Visible);

// Top-left of an edit tip TipHeight high for a control at Bounds (parent coordinates):
// 5 pixels right of it, its centre line on the control's.
TPoint EditTipsLeftTop(const TRect& Bounds, int TipHeight);

}  // namespace qv
