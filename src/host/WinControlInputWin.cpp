// Focus, tab order, keyboard and the mouse of windowed controls.
#include <algorithm>

#include "host/ControlsWin.h"
#include "host/Form.h"

namespace qv {

// ---- focus and tab order ----------------------------------------------------------

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  auto& L = Parent()->FTabList;
  auto It = std::find(L.begin(), L.end(), this);
  return It == L.end() ? -1 : int(It - L.begin());
}

void TWinControl::SetTabOrder(int Value) {
  if (!Parent()) return;
  auto& L = Parent()->FTabList;
  auto It = std::find(L.begin(), L.end(), this);
  if (It == L.end()) return;
  L.erase(It);
  Value = std::clamp(Value, 0, int(L.size()));
  L.insert(L.begin() + Value, this);
}

void TWinControl::SetTabStop(bool Value) {
  if (FTabStop == Value) return;
  FTabStop = Value;
  if (FHandle) {
    LONG_PTR Style = GetWindowLongPtrW(FHandle, GWL_STYLE);
    SetWindowLongPtrW(FHandle, GWL_STYLE, Value ? (Style | WS_TABSTOP) : (Style & ~WS_TABSTOP));
  }
  Perform(CM_TABSTOPCHANGED);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) const {
  for (TWinControl* C : FTabList) {
    List.push_back(C);
    C->GetTabOrderList(List);
  }
}

bool TWinControl::CanFocus() const {
  TCustomForm* Form = GetParentForm(this);
  if (!Form) return false;
  for (const TControl* C = this; C; C = C->Parent()) {
    if (!C->Visible() || !C->Enabled()) return false;
    if (C == Form) break;
  }
  return true;
}

bool TWinControl::Focused() const {
  return FHandle && GetFocus() == FHandle;
}

void TWinControl::SetFocus() {
  if (TCustomForm* Form = GetParentForm(this)) {
    Form->FocusControl(this);
    return;
  }
  if (Visible() && Enabled()) ::SetFocus(Handle());
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward,
                                          bool CheckTabStop, bool CheckParent) {
  std::vector<TWinControl*> List;
  GetTabOrderList(List);
  int N = int(List.size());
  if (N == 0) return nullptr;
  int Start = -1;
  for (int I = 0; I < N; ++I)
    if (List[size_t(I)] == CurControl) Start = I;
  if (Start < 0) Start = GoForward ? N - 1 : 0;
  int I = Start;
  for (int Step = 0; Step < N; ++Step) {
    I = GoForward ? (I + 1) % N : (I + N - 1) % N;
    TWinControl* C = List[size_t(I)];
    if (C == CurControl) break;
    if (C->CanFocus() && (!CheckTabStop || C->TabStop()) && (!CheckParent || C->Parent() == this))
      return C;
  }
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop) {
  if (TWinControl* C = FindNextControl(CurControl, GoForward, CheckTabStop, !CheckTabStop))
    C->SetFocus();
}

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

// ---- keyboard ---------------------------------------------------------------------

void TWinControl::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyUp(uint16_t& Key, TShiftState Shift) {
  if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

void TWinControl::KeyPress(wchar_t& Key) {
  if (OnKeyPress) OnKeyPress(this, Key);
}

// WM_KEYDOWN, WM_KEYUP, WM_CHAR (and the system forms): the form sees the key first
// with KeyPreview; answers true when a handler ate it (set it to 0).
bool TWinControl::DoKeyMessage(TMessage& Message) {
  TCustomForm* Form = GetParentForm(this);
  if (Form && Form != this && Form->KeyPreview() &&
      static_cast<TWinControl*>(Form)->DoKeyMessage(Message))
    return true;
  if (FControlStyle.Contains(csNoStdEvents)) return false;
  uint16_t Key = uint16_t(Message.WParam);
  switch (Message.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      KeyDown(Key, KeyDataToShiftState(Message.LParam));
      break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      KeyUp(Key, KeyDataToShiftState(Message.LParam));
      break;
    default: {
      wchar_t Char = wchar_t(Key);
      KeyPress(Char);
      Key = uint16_t(Char);
    }
  }
  Message.WParam = Key;
  return Key == 0;
}

// CN_KEYDOWN/CN_SYSKEYDOWN, performed by the message loop before the key is dispatched:
// a key the control does not want becomes a dialog key of its form.
void TWinControl::HandleDialogKey(TMessage& Message) {
  Message.Result = 1;
  uint16_t Key = uint16_t(Message.WParam);
  if (Perform(CM_CHILDKEY, Key, intptr_t(this)) != 0) return;
  TCustomForm* Form = GetParentForm(this);
  if (Message.Msg == CN_SYSKEYDOWN) {
    if (Form && Form->Perform(CM_DIALOGKEY, Key, Message.LParam) != 0) return;
    Message.Result = 0;
    return;
  }
  uint32_t Mask = 0;
  switch (Key) {
    case VK_TAB:
      Mask = DLGC_WANTTAB;
      break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
      Mask = DLGC_WANTARROWS;
      break;
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL:
      Mask = DLGC_WANTALLKEYS;
      break;
  }
  if (Mask != 0 && Perform(CM_WANTSPECIALKEY, Key, Message.LParam) == 0 &&
      (Perform(WM_GETDLGCODE) & Mask) == 0 && Form &&
      Form->Perform(CM_DIALOGKEY, Key, Message.LParam) != 0)
    return;
  Message.Result = 0;
}

void TWinControl::HandleChar(TMessage& Message) {
  Message.Result = 1;
  TCustomForm* Form = GetParentForm(this);
  bool WantsChars = Message.Msg == CN_CHAR && (Perform(WM_GETDLGCODE) & DLGC_WANTCHARS) != 0;
  if (!WantsChars && Form && Form->Perform(CM_DIALOGCHAR, Message.WParam, Message.LParam) != 0)
    return;
  Message.Result = 0;
}

// ---- mouse routing and enter/leave ------------------------------------------------

void TWinControl::TrackMouse(TControl* Target) {
  if (!FTrackingMouse && FHandle) {
    TRACKMOUSEEVENT T{};
    T.cbSize = sizeof(T);
    T.dwFlags = TME_LEAVE;
    T.hwndTrack = FHandle;
    FTrackingMouse = TrackMouseEvent(&T) != FALSE;
  }
  if (Target == FHoverControl) return;
  TControl* Old = FHoverControl;
  FHoverControl = Target;
  if (Old) Old->Perform(CM_MOUSELEAVE, 0, intptr_t(Old));
  if (Target && FHoverControl == Target) Target->Perform(CM_MOUSEENTER, 0, intptr_t(Target));
}

void TWinControl::EndMouseTracking() {
  FTrackingMouse = false;
  TControl* Old = FHoverControl;
  FHoverControl = nullptr;
  if (Old) Old->Perform(CM_MOUSELEAVE, 0, intptr_t(Old));
}

void TWinControl::HandleMouseRouting(TMessage& Message, bool& Handled) {
  TPoint P{Message.XPos(), Message.YPos()};
  if (Message.Msg == WM_MOUSEMOVE) {
    TRect C = ClientRect();
    bool Inside = P.X >= C.Left && P.X < C.Right && P.Y >= C.Top && P.Y < C.Bottom;
    TControl* Over = Inside ? ControlAtPos(P, false) : nullptr;
    TrackMouse(Inside ? (Over ? Over : this) : nullptr);
  }
  TControl* Target = nullptr;
  if (FCaptureControl && FHandle && GetCapture() == FHandle) {
    Target = FCaptureControl;
  } else {
    FCaptureControl = nullptr;
    Target = ControlAtPos(P, false);
  }
  if (!Target) return;
  TMessage M = Message;
  M.LParam = PointToLParam(P.X - Target->Left(), P.Y - Target->Top());
  if (!Target->ControlStyle().Contains(csDoubleClicks)) {
    if (M.Msg == WM_LBUTTONDBLCLK) M.Msg = WM_LBUTTONDOWN;
    if (M.Msg == WM_RBUTTONDBLCLK) M.Msg = WM_RBUTTONDOWN;
    if (M.Msg == WM_MBUTTONDBLCLK) M.Msg = WM_MBUTTONDOWN;
  }
  Target->WindowProc(M);
  Message.Result = M.Result;
  Handled = true;
}

}  // namespace qv
