#pragma once
// The tab strip of the skinned page control, kept free of windows: where each tab lies,
// which tab a point hits and where the pages go. The strip is laid out as a single row
// (or column) of fixed-size tabs, the way a platform tab control lays out fixed-width
// tabs, and then shifted so that no platform border remains.
#include <vector>

#include "host/Types.h"

namespace qv {

enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
inline constexpr const wchar_t* TTabPositionNames[] = {L"tpTop", L"tpBottom", L"tpLeft",
                                                       L"tpRight"};

struct TTabStripLayout {
  TTabPosition Position = tpTop;
  int ClientWidth = 0, ClientHeight = 0;
  // The size every tab gets (TCM_SETITEMSIZE). A width of 0 takes each tab's own width.
  int TabWidth = 0, TabHeight = 0;
  // Each visible tab's own width (its caption and padding), used while TabWidth is 0.
  std::vector<int> OwnWidths;
  bool AutoSize = false;  // the last tab reaches the right edge (top tabs)
  TPoint Offset;          // shift of the whole strip
  bool Hidden = false;    // the strip is hidden (one pixel high, on top)
};

// (ControlWidth div Pages) - 1, counting at least one page: the width of auto-sized tabs.
int AutoTabWidth(int ControlWidth, int PageCount);

// The rectangle of every visible tab, as drawn and as hit: the platform's fixed-size row
// starting 2 pixels in, adjusted by side (top and bottom rows 2 pixels left, top up and
// bottom down by 2, left and right columns 2 pixels out), the last auto-sized top tab
// reaching the control's right edge, then moved by Offset.
std::vector<TRect> TabRects(const TTabStripLayout& L);

// The first tab whose rectangle holds P (left and top inclusive); -1 when none.
int TabAt(const std::vector<TRect>& Rects, TPoint P);

// Where the pages go: the platform's display area widened by side so that the page
// covers the platform's border.
TRect PageRect(const TTabStripLayout& L);

}  // namespace qv
