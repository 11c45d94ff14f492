#pragma once
// The portable rules of the skinned list view: where a header section's caption and image
// go, how a caption is cut to a width, and how the list's native scroll state maps onto
// the external bars in each view style.
#include <functional>

#include "host/Control.h"
#include "host/Types.h"

namespace qv {

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
inline constexpr const wchar_t* TViewStyleNames[] = {L"vsIcon", L"vsSmallIcon", L"vsList",
                                                     L"vsReport"};

using TQvTextExtentFunc = std::function<TSize(const String&)>;

// Text as it fits into MaxWidth: whole when it fits, else cut from the end until the rest
// and "..." fit (or nothing is left) with "..." appended.
String ShortenCaption(const String& Text, int MaxWidth, const TQvTextExtentFunc& Extent);

// Where a header section draws, in the section's own coordinates.
struct TQvHeaderPlacement {
  String Text;  // possibly shortened
  int TextX = 0, TextY = 0;
  bool HasImage = false;
  int ImageX = 0, ImageY = 0;
};

// Section: the section's size; ImageWidth/Height 0 for no image; FontHeight: the font's
// Height (an odd one moves the text up by a pixel).
TQvHeaderPlacement PlaceHeaderSection(int Width, int Height, const String& Caption,
                                      TAlignment Alignment, int ImageWidth, int ImageHeight,
                                      int FontHeight, const TQvTextExtentFunc& Extent);

// The list's state as the platform reports it, for one direction.
struct TQvListScrollState {
  TViewStyle Style = vsReport;
  int Min = 0, Max = 0, Position = 0;  // GetScrollRange / GetScrollPos
  int Width = 0, Height = 0;           // the control's size
  int CountPerPage = 0, ItemCount = 0;
  int ItemWidth = 0, ItemHeight = 0;  // item 0's bounds; 0 without items
};

// What a bar shows: nothing (hidden), or its range, page and steps. A step of 0 leaves the
// bar's own step alone.
struct TQvListBarPlan {
  bool Visible = false;
  int Min = 0, Max = 0, Page = 0, Position = 0;
  int SmallChange = 0, LargeChange = 0;
};

TQvListBarPlan PlanListViewBar(const TQvListScrollState& S, bool Vertical);

}  // namespace qv
