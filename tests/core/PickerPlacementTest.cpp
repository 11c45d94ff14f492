// Where the date-time popup opens: under the picker, on the picker's monitor, flush with
// that monitor's work area.
#include <gtest/gtest.h>

#include "controls/QvDateTimePickerFormGeometry.h"

using namespace qv;

namespace {

TEST(PickerPlacement, PopupStaysOnThePickersMonitor) {
  // A left monitor at negative x, the primary with a task bar at the bottom, a taller
  // secondary on the right with its own task bar.
  const std::vector<TQvMonitorArea> Monitors = {
      {Rect(0, 0, 1600, 1000), Rect(0, 0, 1600, 960)},
      {Rect(1600, 0, 2880, 1024), Rect(1600, 0, 2880, 984)},
      {Rect(-1280, 0, 0, 1024), Rect(-1280, 0, 0, 1024)},
  };
  const TSize Popup{248, 232};
  struct {
    const char* Name;
    TRect Control;
    TRect Expected;
  } Cases[] = {
      {"room below", Bounds(100, 100, 145, 26), Rect(101, 127, 349, 359)},
      {"primary lower right", Bounds(1400, 920, 145, 26), Rect(1352, 728, 1600, 960)},
      {"secondary lower right", Bounds(2700, 950, 145, 26), Rect(2632, 752, 2880, 984)},
      {"left monitor, right edge", Bounds(-200, 100, 145, 26), Rect(-248, 127, 0, 359)},
      // Mostly on the secondary: the popup goes there, not across the seam.
      {"across the seam", Bounds(1550, 100, 145, 26), Rect(1600, 127, 1848, 359)},
      {"off every monitor: nearest", Bounds(5000, 5000, 145, 26), Rect(2632, 752, 2880, 984)},
  };
  for (auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    EXPECT_EQ(PickerPopupBounds(C.Control, Popup, Monitors), C.Expected);
  }
  EXPECT_EQ(PickerPopupBounds(Bounds(10, 10, 145, 26), Popup, {}), Rect(11, 37, 259, 269));
  EXPECT_EQ(MonitorIndexOf(Bounds(1550, 100, 145, 26), Monitors), 1);
  EXPECT_EQ(MonitorIndexOf(Bounds(-10, 100, 20, 20), Monitors), 0);  // a tie keeps the first
}

}  // namespace
