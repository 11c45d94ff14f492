#pragma once
// The tray icon's decisions, apart from the shell: which events a shell notification
// raises, telling a single from a double click, noticing that the cursor left the icon,
// the order an image list is cycled in, and texts cut to what the shell's record holds.
// Portable: the platform's notification numbers are written out.
#include <cstdint>
#include <vector>

#include "host/Control.h"

namespace qv {

enum TBehavior { bhWin95, bhWin2000 };
enum TBalloonHintIcon { bitNone, bitInfo, bitWarning, bitError, bitCustom };

// What the shell sends in LParam of the icon's callback message.
namespace TrayNotify {
constexpr uint32_t MouseMove = 0x0200, LButtonDown = 0x0201, LButtonUp = 0x0202,
                   LButtonDblClk = 0x0203, RButtonDown = 0x0204, RButtonUp = 0x0205,
                   MButtonDown = 0x0207, MButtonUp = 0x0208, ContextMenu = 0x007B, Select = 0x0400,
                   KeySelect = 0x0401, BalloonShow = 0x0402, BalloonHide = 0x0403,
                   BalloonTimeout = 0x0404, BalloonUserClick = 0x0405;
}  // namespace TrayNotify

// Room in the shell's record, in UTF-16 units, the terminating zero left out.
constexpr size_t TrayTipMax = 127, TrayInfoMax = 255, TrayInfoTitleMax = 63;

enum TTrayActionKind {
  tkMouseEnter,
  tkMouseMove,
  tkMouseDown,
  tkMouseUp,
  tkClick,
  tkDblClick,
  tkMouseExit,
  tkStartClickTimer,  // for the platform's double-click time
  tkStopClickTimer,
  tkPopupAtCursor,     // the hidden window to the foreground, then the menu at the cursor
  tkClickDefaultItem,  // the menu's first top-level default item
  tkBalloonShow,
  tkBalloonHide,
  tkBalloonTimeout,
  tkBalloonClick,
};

// One thing the component does; the mouse events carry their arguments.
struct TTrayAction {
  TTrayActionKind Kind = tkClick;
  TMouseButton Button = mbLeft;
  TShiftState Shift;
  int X = 0, Y = 0;
  friend bool operator==(const TTrayAction&, const TTrayAction&) = default;
};
using TTrayActions = std::vector<TTrayAction>;

// The component's settings that the rules read, as they are when a notification arrives.
struct TTrayIconOptions {
  bool Enabled = true;
  bool WantEnterExitEvents = false;
  bool HasDblClick = false;  // OnDblClick assigned
  bool LeftPopup = false;
  bool MenuAutoPopup = false;  // a popup menu assigned, with its automatic pop-up on
  TBehavior Behavior = bhWin95;
};

// The modifier keys held and the cursor's screen position when a notification is handled.
struct TTrayInput {
  TShiftState Keys;
  TPoint Cursor;
};

// The click and enter/exit state of one icon. Every call answers the actions in the order
// the component runs them; the state is already updated, so an action that pumps messages
// (the popup menu) meets a consistent state.
class TQvTrayIconLogic {
 public:
  TTrayActions Notify(uint32_t Event, const TTrayIconOptions& Options, const TTrayInput& Input);
  // The double-click time passed since the press.
  TTrayActions ClickTimerTick(const TTrayIconOptions& Options);
  // The exit watch: the cursor has left once it is anywhere but at the last move.
  TTrayActions ExitTimerTick(const TTrayIconOptions& Options, TPoint Cursor);

  bool ClickTimerRunning() const { return FClickTimerRunning; }
  // Whether the exit watch has anything to watch.
  bool WatchingExit(const TTrayIconOptions& Options) const {
    return Options.WantEnterExitEvents && !FDidExit;
  }

 private:
  bool FClickStart = false;
  bool FClickReady = false;
  bool FDidExit = true;
  bool IsDblClick = false;
  bool FClickTimerRunning = false;
  int LastMoveX = 0, LastMoveY = 0;
};

// The index that follows Index in a list of Count images: 0 after the last, and 0
// without images.
int QvTrayNextIconIndex(int Index, int Count);
// The index IconIndex takes for I: lowered to Count - 1 past the end, 0 without images.
int QvTrayIconIndex(int I, int Count);
// Text cut to at most MaxUnits UTF-16 units, never between the halves of a surrogate pair.
String QvTrayCutText(const String& Text, size_t MaxUnits);

}  // namespace qv
