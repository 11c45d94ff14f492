// The tray icon's rules without the shell: the events each notification raises, single
// against double clicks, enter and exit, the popup menu, the cycling order and the cut
// tooltip.
#include <gtest/gtest.h>

#include "dialogs/QvTrayIconLogic.h"

using namespace qv;
namespace N = TrayNotify;

namespace {

// One step of a script: a notification, a tick of the click timer (Event 0) or of the
// exit watch (Event 1, with the cursor at Input.Cursor).
struct Step {
  uint32_t Event;
  TTrayInput Input{};
};
constexpr uint32_t ClickTick = 0, ExitTick = 1;

// The kinds of the actions a script produces, in order.
std::vector<TTrayActionKind> Play(TQvTrayIconLogic& L, const TTrayIconOptions& O,
                                  const std::vector<Step>& Script) {
  std::vector<TTrayActionKind> Kinds;
  for (const Step& S : Script) {
    TTrayActions A = S.Event == ClickTick  ? L.ClickTimerTick(O)
                     : S.Event == ExitTick ? L.ExitTimerTick(O, S.Input.Cursor)
                                           : L.Notify(S.Event, O, S.Input);
    for (const TTrayAction& X : A) Kinds.push_back(X.Kind);
  }
  return Kinds;
}

TTrayIconOptions Opt(bool HasDblClick, bool LeftPopup = false, bool MenuAutoPopup = false,
                     TBehavior Behavior = bhWin95) {
  TTrayIconOptions O;
  O.HasDblClick = HasDblClick;
  O.LeftPopup = LeftPopup;
  O.MenuAutoPopup = MenuAutoPopup;
  O.Behavior = Behavior;
  return O;
}

}  // namespace

TEST(TrayIconLogic, ClicksAndMenusFollowTheTable) {
  using V = std::vector<TTrayActionKind>;
  // What Windows sends for a double click: down, up, double click, up.
  const std::vector<Step> Double = {
      {N::LButtonDown}, {N::LButtonUp}, {N::LButtonDblClk}, {N::LButtonUp}, {ClickTick}};
  struct Case {
    const char* Name;
    TTrayIconOptions Options;
    std::vector<Step> Script;
    V Expected;
  };
  const Case Cases[] = {
      {"single click without OnDblClick: down, then click and up on the release",
       Opt(false),
       {{N::LButtonDown}, {N::LButtonUp}},
       V{tkMouseDown, tkClick, tkMouseUp}},
      {"single click with OnDblClick: the click waits for the double-click time",
       Opt(true),
       {{N::LButtonDown}, {N::LButtonUp}, {ClickTick}},
       V{tkStartClickTimer, tkMouseDown, tkMouseUp, tkStopClickTimer, tkClick}},
      {"double click with OnDblClick: no click", Opt(true), Double,
       V{tkStartClickTimer, tkMouseDown, tkMouseUp, tkDblClick, tkMouseUp, tkStopClickTimer}},
      {"a press held past the double-click time clicks on the release",
       Opt(true),
       {{N::LButtonDown}, {ClickTick}, {N::LButtonUp}},
       V{tkStartClickTimer, tkMouseDown, tkStopClickTimer, tkClick, tkMouseUp}},
      {"a later held press does not click at the tick",
       Opt(true),
       {{N::LButtonDown}, {N::LButtonUp}, {ClickTick}, {N::LButtonDown}, {ClickTick}},
       V{tkStartClickTimer, tkMouseDown, tkMouseUp, tkStopClickTimer, tkClick, tkStartClickTimer,
         tkMouseDown, tkStopClickTimer}},
      {"right press opens the menu when it pops up by itself",
       Opt(false, false, true),
       {{N::RButtonDown}, {N::RButtonUp}},
       V{tkMouseDown, tkPopupAtCursor, tkMouseUp}},
      {"right press without automatic pop-up: no menu",
       Opt(false, false, false),
       {{N::RButtonDown}},
       V{tkMouseDown}},
      {"left press opens the menu only with LeftPopup",
       Opt(false, false, true),
       {{N::LButtonDown}},
       V{tkMouseDown}},
      {"left press with LeftPopup",
       Opt(false, true, true),
       {{N::LButtonDown}},
       V{tkMouseDown, tkPopupAtCursor}},
      {"LeftPopup without automatic pop-up",
       Opt(false, true, false),
       {{N::LButtonDown}},
       V{tkMouseDown}},
      {"double click runs the default item",
       Opt(true, false, true),
       {{N::LButtonDblClk}},
       V{tkDblClick, tkClickDefaultItem}},
      {"double click with LeftPopup runs no item",
       Opt(true, true, true),
       {{N::LButtonDblClk}},
       V{tkDblClick}},
      {"Win2000: the release comes as a context menu",
       Opt(false, false, false, bhWin2000),
       {{N::RButtonUp}, {N::ContextMenu}, {N::Select}, {N::KeySelect}},
       V{tkMouseUp, tkMouseUp, tkMouseUp}},
      {"Win95: only the plain release counts",
       Opt(false),
       {{N::ContextMenu}, {N::Select}, {N::KeySelect}, {N::RButtonUp}},
       V{tkMouseUp}},
      {"middle button", Opt(false), {{N::MButtonDown}, {N::MButtonUp}}, V{tkMouseDown, tkMouseUp}},
      {"balloon notifications",
       Opt(false),
       {{N::BalloonShow}, {N::BalloonHide}, {N::BalloonTimeout}, {N::BalloonUserClick}},
       V{tkBalloonShow, tkBalloonHide, tkBalloonTimeout, tkBalloonClick}},
      {"unknown notifications and idle ticks do nothing",
       Opt(true),
       {{0x0209}, {ClickTick}, {ExitTick}},
       V{}},
  };
  for (const Case& C : Cases) {
    TQvTrayIconLogic L;
    EXPECT_EQ(Play(L, C.Options, C.Script), C.Expected) << C.Name;
  }
}

TEST(TrayIconLogic, DisabledRaisesOnlyBalloonEvents) {
  TTrayIconOptions O = Opt(true, true, true);
  O.Enabled = false;
  O.WantEnterExitEvents = true;
  TQvTrayIconLogic L;
  const auto Kinds = Play(L, O,
                          {{N::MouseMove},
                           {N::LButtonDown},
                           {N::LButtonUp},
                           {N::LButtonDblClk},
                           {N::RButtonDown},
                           {N::RButtonUp},
                           {N::MButtonDown},
                           {N::BalloonUserClick},
                           {N::BalloonTimeout}});
  EXPECT_EQ(Kinds, (std::vector<TTrayActionKind>{tkBalloonClick, tkBalloonTimeout}));
  EXPECT_FALSE(L.ClickTimerRunning());
}

TEST(TrayIconLogic, MouseArgumentsCarryKeysButtonFlagAndCursor) {
  TQvTrayIconLogic L;
  TTrayInput In{{ssShift, ssCtrl}, {640, 470}};
  TTrayActions A = L.Notify(N::RButtonDown, Opt(false), In);
  ASSERT_EQ(A.size(), 1u);
  EXPECT_EQ(A[0], (TTrayAction{tkMouseDown, mbRight, {ssShift, ssCtrl, ssRight}, 640, 470}));
  A = L.Notify(N::MouseMove, Opt(false), In);
  ASSERT_EQ(A.size(), 1u);
  EXPECT_EQ(A[0], (TTrayAction{tkMouseMove, mbLeft, {ssShift, ssCtrl}, 640, 470}));
  A = L.Notify(N::MButtonUp, Opt(false), TTrayInput{{ssAlt}, {1, 2}});
  ASSERT_EQ(A.size(), 1u);
  EXPECT_EQ(A[0], (TTrayAction{tkMouseUp, mbMiddle, {ssAlt, ssMiddle}, 1, 2}));
}

TEST(TrayIconLogic, EnterOnFirstMoveExitWhenTheCursorMoves) {
  TTrayIconOptions O;
  O.WantEnterExitEvents = true;
  TQvTrayIconLogic L;
  EXPECT_FALSE(L.WatchingExit(O));
  const TTrayInput At{{}, {10, 20}}, Elsewhere{{}, {11, 20}};
  using V = std::vector<TTrayActionKind>;
  EXPECT_EQ(Play(L, O, {{N::MouseMove, At}}), (V{tkMouseEnter, tkMouseMove}));
  EXPECT_TRUE(L.WatchingExit(O));
  // Still at the last move: inside. Then a second move: no second enter.
  EXPECT_EQ(Play(L, O, {{ExitTick, At}, {N::MouseMove, At}}), (V{tkMouseMove}));
  EXPECT_EQ(Play(L, O, {{ExitTick, Elsewhere}, {ExitTick, At}}), (V{tkMouseExit}));
  EXPECT_FALSE(L.WatchingExit(O));
  EXPECT_EQ(Play(L, O, {{N::MouseMove, Elsewhere}}), (V{tkMouseEnter, tkMouseMove}));

  // Without the setting: moves only, and nothing to watch.
  TQvTrayIconLogic Plain;
  EXPECT_EQ(Play(Plain, TTrayIconOptions{}, {{N::MouseMove, At}, {ExitTick, Elsewhere}}),
            (V{tkMouseMove}));
  EXPECT_FALSE(Plain.WatchingExit(TTrayIconOptions{}));
}

TEST(TrayIconLogic, CyclingOrderAndIndexLimits) {
  // A list of 3 shows 0, 1, 2, 0, ...; OnCycle reports the index that follows.
  int Index = 0;
  std::vector<int> Shown, Reported;
  for (int Step = 0; Step < 5; ++Step) {
    Shown.push_back(Index);
    Reported.push_back(QvTrayNextIconIndex(Index, 3));
    Index = QvTrayNextIconIndex(Index, 3);
  }
  EXPECT_EQ(Shown, (std::vector<int>{0, 1, 2, 0, 1}));
  EXPECT_EQ(Reported, (std::vector<int>{1, 2, 0, 1, 2}));
  EXPECT_EQ(QvTrayNextIconIndex(0, 0), 0);
  EXPECT_EQ(QvTrayNextIconIndex(0, 1), 0);

  struct Case {
    int I, Count, Expected;
  };
  const Case Cases[] = {{10, 4, 3}, {3, 4, 3}, {0, 4, 0}, {2, 0, 0}, {-1, 4, 0}};
  for (const Case& C : Cases) EXPECT_EQ(QvTrayIconIndex(C.I, C.Count), C.Expected) << C.I;
}

TEST(TrayIconLogic, TextsAreCutToTheShellsRoom) {
  String Hint;
  for (int I = 0; I < 200; ++I) Hint += wchar_t(L'a' + I % 26);
  EXPECT_EQ(QvTrayCutText(Hint, TrayTipMax), Hint.substr(0, 127));
  EXPECT_EQ(QvTrayCutText(L"short", TrayTipMax), L"short");
  // A pair straddling the limit is dropped whole rather than split.
  String Emoji = String(126, L'x') + L"\xD83D\xDE00" + L"yy";
  EXPECT_EQ(QvTrayCutText(Emoji, TrayTipMax), String(126, L'x'));
  String Fits = String(125, L'x') + L"\xD83D\xDE00" + L"yy";
  EXPECT_EQ(QvTrayCutText(Fits, TrayTipMax), String(125, L'x') + L"\xD83D\xDE00");
}
