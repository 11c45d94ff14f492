#pragma once
// The skinned form's portable geometry: which zone of the window a point hits, and the
// maximised rectangle with the tracking limits on the form's monitor.
#include "host/Types.h"
#include "resources/QvSkinIntfTypes.h"

namespace qv {

// Hit-test answers (the platform's numbers).
enum : int {
  qhtNowhere = 0,
  qhtClient = 1,
  qhtCaption = 2,
  qhtMaxButton = 9,
  qhtLeft = 10,
  qhtRight = 11,
  qhtTop = 12,
  qhtTopLeft = 13,
  qhtTopRight = 14,
  qhtBottom = 15,
  qhtBottomLeft = 16,
  qhtBottomRight = 17,
};

struct TQvFormHitTest {
  TSize Window;  // window size
  int HitTestWidth = 5;
  int TitleHeight = 27;
  TRect Client;             // client area in window coordinates
  bool SizingZones = true;  // sizeable border and not maximised
  TRect MaxButton;          // the skinned maximise button (empty: none answers HTMAXBUTTON)
};

// Zone of the window-relative point P: sizing zones (corners first), the maximise button,
// the title band, the client area, else nowhere.
int FormHitTest(const TQvFormHitTest& In, TPoint P);

// A sizing zone answer (HTLEFT .. HTBOTTOMRIGHT).
inline bool IsSizingHit(int Hit) {
  return Hit >= qhtLeft && Hit <= qhtBottomRight;
}

struct TQvMaxInfoInput {
  TRect Monitor;         // the form's monitor, screen coordinates
  TRect WorkArea;        // its work area
  TSides AutoHideEdges;  // edges of the monitor holding an auto-hidden taskbar
  bool CreatedMaximized = false;
  int TitleHeight = 27;  // scaled
  bool FlatFrame = false;
  TSize MinSize;  // the form's constraints; 0 = none
  TSize MaxSize;
};

struct TQvMaxInfo {
  TPoint MaxPosition;  // relative to the monitor's top-left, as the platform takes it
  TSize MaxSize;
  TSize MinTrack;
  TSize MaxTrack;  // 0 = leave the system's value
};

// Maximised rectangle and tracking limits. An auto-hidden taskbar keeps a 2-pixel strip
// free so the user can still reveal it; tracking minimums never exceed the work area, so a
// maximised form always fits its monitor.
TQvMaxInfo FormMaxInfo(const TQvMaxInfoInput& In);

}  // namespace qv
