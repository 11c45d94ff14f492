#pragma once
// Where the date-time popup goes, without the platform: under the picker, on the monitor
// that holds the picker, pushed back flush with that monitor's work area.
#include <vector>

#include "host/Types.h"

namespace qv {

struct TQvMonitorArea {
  TRect Bounds;    // the whole monitor
  TRect WorkArea;  // without task bars
};

// The monitor showing most of Control (screen coordinates); with no overlap, the nearest.
// -1 for an empty list.
int MonitorIndexOf(const TRect& Control, const std::vector<TQvMonitorArea>& Monitors);

// The popup's screen rectangle for a picker at Control (screen coordinates): its top-left
// one pixel right of and below the picker's bottom-left corner, then moved up and left as
// far as needed (and down and right, if it sticks out there) to lie inside the work area
// of the picker's monitor.
TRect PickerPopupBounds(const TRect& Control, TSize Popup,
                        const std::vector<TQvMonitorArea>& Monitors);

}  // namespace qv
