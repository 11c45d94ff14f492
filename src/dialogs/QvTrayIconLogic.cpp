#include "dialogs/QvTrayIconLogic.h"

namespace qv {

namespace {

TTrayAction Mouse(TTrayActionKind Kind, TMouseButton Button, TShiftStateItem Flag,
                  const TTrayInput& In) {
  TTrayAction A{Kind, Button, In.Keys, In.Cursor.X, In.Cursor.Y};
  A.Shift.Include(Flag);
  return A;
}

TTrayAction Plain(TTrayActionKind Kind) {
  TTrayAction A;
  A.Kind = Kind;
  return A;
}

}  // namespace

TTrayActions TQvTrayIconLogic::Notify(uint32_t Event, const TTrayIconOptions& O,
                                      const TTrayInput& In) {
  TTrayActions Out;
  // The balloon's notifications are raised whatever Enabled says.
  switch (Event) {
    case TrayNotify::BalloonShow:
      return {Plain(tkBalloonShow)};
    case TrayNotify::BalloonHide:
      return {Plain(tkBalloonHide)};
    case TrayNotify::BalloonTimeout:
      return {Plain(tkBalloonTimeout)};
    case TrayNotify::BalloonUserClick:
      return {Plain(tkBalloonClick)};
  }
  if (!O.Enabled) return Out;
  switch (Event) {
    case TrayNotify::MouseMove: {
      if (O.WantEnterExitEvents && FDidExit) {
        Out.push_back(Plain(tkMouseEnter));
        FDidExit = false;
      }
      TTrayAction Move{tkMouseMove, mbLeft, In.Keys, In.Cursor.X, In.Cursor.Y};
      Out.push_back(Move);
      LastMoveX = In.Cursor.X;
      LastMoveY = In.Cursor.Y;
      break;
    }
    case TrayNotify::LButtonDown:
      if (O.HasDblClick) {
        Out.push_back(Plain(tkStartClickTimer));
        FClickTimerRunning = true;
      }
      Out.push_back(Mouse(tkMouseDown, mbLeft, ssLeft, In));
      FClickStart = true;
      if (O.LeftPopup && O.MenuAutoPopup) Out.push_back(Plain(tkPopupAtCursor));
      break;
    case TrayNotify::LButtonUp:
      if (FClickStart) {
        FClickReady = true;
        if (!FClickTimerRunning) {
          FClickReady = false;
          Out.push_back(Plain(tkClick));
        }
      }
      FClickStart = false;
      Out.push_back(Mouse(tkMouseUp, mbLeft, ssLeft, In));
      break;
    case TrayNotify::LButtonDblClk:
      FClickReady = false;
      IsDblClick = true;
      Out.push_back(Plain(tkDblClick));
      if (O.MenuAutoPopup && !O.LeftPopup) Out.push_back(Plain(tkClickDefaultItem));
      break;
    case TrayNotify::RButtonDown:
      Out.push_back(Mouse(tkMouseDown, mbRight, ssRight, In));
      if (O.MenuAutoPopup) Out.push_back(Plain(tkPopupAtCursor));
      break;
    case TrayNotify::RButtonUp:
      if (O.Behavior == bhWin95) Out.push_back(Mouse(tkMouseUp, mbRight, ssRight, In));
      break;
    case TrayNotify::ContextMenu:
    case TrayNotify::Select:
    case TrayNotify::KeySelect:
      if (O.Behavior == bhWin2000) Out.push_back(Mouse(tkMouseUp, mbRight, ssRight, In));
      break;
    case TrayNotify::MButtonDown:
      Out.push_back(Mouse(tkMouseDown, mbMiddle, ssMiddle, In));
      break;
    case TrayNotify::MButtonUp:
      Out.push_back(Mouse(tkMouseUp, mbMiddle, ssMiddle, In));
      break;
  }
  return Out;
}

TTrayActions TQvTrayIconLogic::ClickTimerTick(const TTrayIconOptions& O) {
  if (!FClickTimerRunning) return {};
  FClickTimerRunning = false;
  TTrayActions Out{Plain(tkStopClickTimer)};
  if (!IsDblClick && FClickReady && O.Enabled) Out.push_back(Plain(tkClick));
  FClickReady = false;
  IsDblClick = false;
  return Out;
}

TTrayActions TQvTrayIconLogic::ExitTimerTick(const TTrayIconOptions& O, TPoint Cursor) {
  if (!O.WantEnterExitEvents || FDidExit) return {};
  if (Cursor.X == LastMoveX && Cursor.Y == LastMoveY) return {};
  FDidExit = true;
  return {Plain(tkMouseExit)};
}

int QvTrayNextIconIndex(int Index, int Count) {
  if (Count <= 0 || Index + 1 >= Count || Index < 0) return 0;
  return Index + 1;
}

int QvTrayIconIndex(int I, int Count) {
  if (Count <= 0 || I < 0) return 0;
  return I >= Count ? Count - 1 : I;
}

String QvTrayCutText(const String& Text, size_t MaxUnits) {
  if (Text.size() <= MaxUnits) return Text;
  size_t N = MaxUnits;
  // A high surrogate as the last unit kept would lose its partner.
  if (N > 0 && Text[N - 1] >= 0xD800 && Text[N - 1] <= 0xDBFF) --N;
  return Text.substr(0, N);
}

}  // namespace qv
