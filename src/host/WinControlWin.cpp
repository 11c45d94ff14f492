// Windowed controls: the window, showing, children, placement and alignment, and the
// message switch.
#include <algorithm>

#include "host/Align.h"
#include "host/ControlsWin.h"
#include "host/Font.h"
#include "host/Form.h"
#include "host/ScopeGuard.h"
#include "host/Screen.h"

namespace qv {

void TWinControlAccess::Attach(TWinControl* C, HWND Wnd) {
  C->FHandle = Wnd;
}
HWND TWinControlAccess::HandleOf(const TWinControl* C) {
  return C->FHandle;
}
void TWinControlAccess::Detach(TWinControl* C) {
  C->FHandle = nullptr;
  C->FShowing = false;
  C->FTrackingMouse = false;
  C->FHoverControl = nullptr;
  C->FCaptureControl = nullptr;
}

namespace {
uint16_t gNextControlId = 100;
}  // namespace

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {
  FControlId = gNextControlId++;
  if (gNextControlId == 0) gNextControlId = 100;
}

TWinControl::~TWinControl() {
  MarkDestroying();
  AppControlDestroying(this);
  DestroyOwnedComponents();
  // Children owned elsewhere stay alive without a parent.
  while (!FControls.empty()) RemoveControl(FControls.back());
  if (Parent()) Parent()->RemoveControl(this);
  DestroyHandle();
  if (FBrush) DeleteObject(FBrush);
}

// ---- the window ----------------------------------------------------------------

HWND TWinControl::Handle() {
  HandleNeeded();
  return FHandle;
}

void TWinControl::HandleNeeded() {
  if (FHandle) return;
  if (Parent()) Parent()->HandleNeeded();
  CreateHandle();
}

void TWinControl::CreateHandle() {
  if (FHandle) return;
  CreateWnd();
  if (Parent()) Parent()->SetZOrderOfWindow(this);
  // Visible children get their windows with the parent's.
  for (TControl* C : std::vector<TControl*>(FControls))
    if (auto* W = dynamic_cast<TWinControl*>(C); W && W->Visible()) W->HandleNeeded();
}

void CreateSubClass(TCreateParams& Params, const String& BaseClassName) {
  WNDCLASSEXW Info{};
  Info.cbSize = sizeof(Info);
  if (!GetClassInfoExW(nullptr, BaseClassName.c_str(), &Info) &&
      !GetClassInfoExW(GetModuleHandleW(nullptr), BaseClassName.c_str(), &Info))
    throw Exception(L"Window class '" + BaseClassName + L"' is not registered");
  Params.BaseClassName = BaseClassName;
  Params.WindowClass.Style = Info.style & ~UINT(CS_GLOBALCLASS);
  Params.WindowClass.Cursor = Info.hCursor;
  Params.WindowClass.Background = Info.hbrBackground;
  Params.WindowClass.Icon = Info.hIcon;
}

void TWinControl::CreateParams(TCreateParams& Params) {
  Params.Caption = FText;
  Params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (FControlStyle.Contains(csAcceptsControls)) {
    Params.Style |= WS_CLIPCHILDREN;
    Params.ExStyle |= WS_EX_CONTROLPARENT;
  }
  if (!Enabled()) Params.Style |= WS_DISABLED;
  if (FTabStop) Params.Style |= WS_TABSTOP;
  Params.X = FLeft;
  Params.Y = FTop;
  Params.Width = FWidth;
  Params.Height = FHeight;
  Params.WndParent = Parent() ? Parent()->FHandle : FParentWindow;
  Params.WindowClass.Style = CS_VREDRAW | CS_HREDRAW;
  if (FControlStyle.Contains(csDoubleClicks)) Params.WindowClass.Style |= CS_DBLCLKS;
  Params.WindowClass.Cursor = LoadCursorW(nullptr, IDC_ARROW);
  Params.WinClassName = ClassName();
}

void TWinControl::CreateWnd() {
  TCreateParams Params;
  CreateParams(Params);
  if ((Params.Style & WS_CHILD) && !Params.WndParent)
    throw Exception(L"Control '" + Name() + L"' has no parent window");
  FDefWndProc = reinterpret_cast<void*>(RegisterControlClass(Params));
  FControlState.Include(csCreating);
  {
    TScopeExit Created([&] { FControlState.Exclude(csCreating); });
    CreateWindowHandle(Params);
  }
  if (!FHandle) throw Exception(L"Error creating window for '" + ClassName() + L"'");
  if (FDefWndProc != reinterpret_cast<void*>(&DefWindowProcW))
    SendMessageW(FHandle, WM_SETFONT, WPARAM(Font()->Handle()), 0);
  UpdateBounds();
}

void TWinControl::CreateWindowHandle(const TCreateParams& Params) {
  SetCreationControl(this);
  HMENU Id = (Params.Style & WS_CHILD) ? reinterpret_cast<HMENU>(uintptr_t(FControlId)) : nullptr;
  HWND Wnd = CreateWindowExW(Params.ExStyle, Params.WinClassName.c_str(), Params.Caption.c_str(),
                             Params.Style, Params.X, Params.Y, Params.Width, Params.Height,
                             Params.WndParent, Id, GetModuleHandleW(nullptr), Params.Param);
  SetCreationControl(nullptr);
  if (Wnd && FHandle != Wnd) DestroyWindow(Wnd);  // never reached our window procedure
}

void TWinControl::DestroyHandle() {
  if (!FHandle) return;
  for (TControl* C : std::vector<TControl*>(FControls))
    if (auto* W = dynamic_cast<TWinControl*>(C)) W->DestroyHandle();
  DestroyWnd();
}

void TWinControl::DestroyWnd() {
  if (!FHandle) return;
  FControlState.Include(csDestroyingHandle);
  HWND Wnd = FHandle;
  DestroyWindow(Wnd);
  if (FHandle == Wnd) TWinControlAccess::Detach(this);  // the window was not ours to destroy
  FControlState.Exclude(csDestroyingHandle);
}

void TWinControl::RecreateWnd() {
  if (!FHandle) return;
  bool WasFocused = Focused();
  DestroyHandle();
  UpdateControlState();
  if (!FHandle && Parent() && Parent()->HandleAllocated()) HandleNeeded();
  if (WasFocused && FHandle) ::SetFocus(FHandle);
}

void TWinControl::SetParentWindow(HWND Value) {
  if (FParentWindow == Value) return;
  if (!Parent() && FHandle) DestroyHandle();
  FParentWindow = Value;
  UpdateControlState();
}

void TWinControl::MainWndProc(TMessage& Message) {
  try {
    WindowProc(Message);
  } catch (...) {  // an exception must not cross the window procedure into Windows
    HandleControlException();
  }
}

void TWinControl::DefaultHandler(TMessage& Message) {
  if (!FHandle) return;
  // Control notifications are ours only; the platform never sees them.
  if (Message.Msg >= CM_BASE && Message.Msg < 0xC000) return;
  Message.Result =
      CallWindowProcW(reinterpret_cast<WNDPROC>(FDefWndProc ? FDefWndProc : (void*)&DefWindowProcW),
                      FHandle, Message.Msg, Message.WParam, Message.LParam);
}

// ---- showing ---------------------------------------------------------------------

void TWinControl::UpdateControlState() {
  if (Parent() && !Parent()->Showing()) {
    if (FShowing) UpdateShowing();
    return;
  }
  UpdateShowing();
}

void TWinControl::UpdateShowing() {
  if (FComponentState.Contains(csLoading)) return;  // shown once everything is read
  bool NewShowing = Visible() && !Destroying() &&
                    (Parent() ? Parent()->FShowing
                              : (FParentWindow != nullptr || dynamic_cast<TCustomForm*>(this)));
  if (NewShowing) HandleNeeded();
  if (NewShowing == FShowing) {
    if (NewShowing)
      for (TControl* C : std::vector<TControl*>(FControls))
        if (auto* W = dynamic_cast<TWinControl*>(C)) W->UpdateShowing();
    return;
  }
  FShowing = NewShowing;
  if (NewShowing) {
    for (TControl* C : std::vector<TControl*>(FControls))
      if (auto* W = dynamic_cast<TWinControl*>(C)) W->UpdateShowing();
    Perform(CM_SHOWINGCHANGED);
  } else {
    Perform(CM_SHOWINGCHANGED);
    for (TControl* C : std::vector<TControl*>(FControls))
      if (auto* W = dynamic_cast<TWinControl*>(C)) W->UpdateShowing();
  }
}

// ---- children --------------------------------------------------------------------

bool TWinControl::ContainsControl(const TControl* Control) const {
  for (const TControl* C = Control; C; C = C->Parent())
    if (C == this) return true;
  return false;
}

void TWinControl::InsertControl(TControl* AControl) {
  AControl->FParent = this;
  FControls.push_back(AControl);
  auto* W = dynamic_cast<TWinControl*>(AControl);
  if (W) FTabList.push_back(W);
  AControl->Perform(CM_PARENTCOLORCHANGED);
  AControl->Perform(CM_PARENTFONTCHANGED);
  AControl->Perform(CM_PARENTSHOWHINTCHANGED);
  AControl->UpdateAnchorRules();
  if (W) {
    if (FHandle) W->UpdateControlState();
  } else {
    AControl->Invalidate();
  }
  AlignControl(AControl);
  Perform(CM_CONTROLCHANGE, uintptr_t(AControl), 1);
}

void TWinControl::RemoveControl(TControl* AControl) {
  if (std::find(FControls.begin(), FControls.end(), AControl) == FControls.end()) return;
  Perform(CM_CONTROLCHANGE, uintptr_t(AControl), 0);
  if (TCustomForm* Form = GetParentForm(this)) Form->ControlRemoving(AControl);
  auto* W = dynamic_cast<TWinControl*>(AControl);
  if (W) {
    W->DestroyHandle();
  } else {
    AControl->InvalidateControl(AControl->Visible(), false);
  }
  ChildRemoved(AControl);
  FControls.erase(std::find(FControls.begin(), FControls.end(), AControl));
  std::erase_if(FTabList, [&](TWinControl* T) { return static_cast<TControl*>(T) == AControl; });
  AControl->FParent = nullptr;
  if (AControl->Align() != alNone) Realign();
}

void TWinControl::ChildRemoved(TControl* AControl) {
  if (FHoverControl == AControl) FHoverControl = nullptr;
  if (FCaptureControl == AControl) {
    FCaptureControl = nullptr;
    if (FHandle && GetCapture() == FHandle) ReleaseCapture();
  }
}

void TWinControl::SetZOrderOfWindow(TControl* AControl) {
  auto* W = dynamic_cast<TWinControl*>(AControl);
  if (!W || !W->FHandle || W->Parent() != this) return;
  // The nearest windowed sibling above decides where the window goes.
  HWND After = HWND_TOP;
  auto It = std::find(FControls.begin(), FControls.end(), AControl);
  for (++It; It != FControls.end(); ++It)
    if (auto* Above = dynamic_cast<TWinControl*>(*It); Above && Above->FHandle) {
      After = Above->FHandle;
      break;
    }
  SetWindowPos(W->FHandle, After, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

TControl* TWinControl::ControlAtPos(TPoint P, bool AllowDisabled, bool AllowWinControls) const {
  auto Hit = [&](TControl* C) {
    if (!(C->Visible() || (C->Designing() && !C->ControlStyle().Contains(csNoDesignVisible))))
      return false;
    if (!AllowDisabled && !C->Enabled()) return false;
    if (P.X < C->Left() || P.X >= C->Left() + C->Width() || P.Y < C->Top() ||
        P.Y >= C->Top() + C->Height())
      return false;
    return C->Perform(CM_HITTEST, 0, PointToLParam(P.X - C->Left(), P.Y - C->Top())) != 0;
  };
  if (AllowWinControls)
    for (auto It = FControls.rbegin(); It != FControls.rend(); ++It)
      if (dynamic_cast<TWinControl*>(*It) && Hit(*It)) return *It;
  for (auto It = FControls.rbegin(); It != FControls.rend(); ++It)
    if (!dynamic_cast<TWinControl*>(*It) && Hit(*It)) return *It;
  return nullptr;
}

void TWinControl::Broadcast(TMessage& Message) {
  for (TControl* C : std::vector<TControl*>(FControls)) {
    C->WindowProc(Message);
    if (Message.Result != 0) return;
  }
}

void TWinControl::NotifyControls(uint32_t Msg) {
  TMessage M;
  M.Msg = Msg;
  for (TControl* C : std::vector<TControl*>(FControls)) {
    M.Result = 0;
    C->WindowProc(M);
  }
}

// ---- placement --------------------------------------------------------------------

TRect TWinControl::ClientRect() const {
  if (FHandle) {
    RECT R;
    GetClientRect(FHandle, &R);
    return Rect(R.left, R.top, R.right, R.bottom);
  }
  // Before the window exists: what its frame will leave of the bounds.
  TCreateParams Params;
  const_cast<TWinControl*>(this)->CreateParams(Params);
  RECT Frame{0, 0, 0, 0};
  AdjustWindowRectEx(&Frame, Params.Style, FALSE, Params.ExStyle);
  return Rect(0, 0, std::max(FWidth - int(Frame.right - Frame.left), 0),
              std::max(FHeight - int(Frame.bottom - Frame.top), 0));
}

TPoint TWinControl::ClientOrigin() const {
  if (FHandle) {
    POINT P{0, 0};
    ::ClientToScreen(FHandle, &P);
    return {P.x, P.y};
  }
  return TControl::ClientOrigin();
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  CheckNewSize(AWidth, AHeight);
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
  if (FHandle && !IsIconic(FHandle)) {
    // The window reports its new place through WM_WINDOWPOSCHANGED and WM_SIZE.
    SetWindowPos(FHandle, nullptr, ALeft, ATop, AWidth, AHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateBounds();
    return;
  }
  bool Resized = AWidth != FWidth || AHeight != FHeight;
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
  UpdateAnchorRules();
  if (Parent()) Parent()->AlignControl(this);
  if (Resized) {
    Realign();
    if (!FComponentState.Contains(csLoading)) Resize();
  }
}

void TWinControl::UpdateBoundsRect(const TRect& R) {
  TControl::UpdateBoundsRect(R);
  UpdateAnchorRules();
  if (Parent()) Parent()->AlignControl(this);
}

void TWinControl::UpdateBounds() {
  if (!FHandle || IsIconic(FHandle)) return;
  RECT R;
  GetWindowRect(FHandle, &R);
  if (GetWindowLongW(FHandle, GWL_STYLE) & WS_CHILD) {
    HWND ParentWnd = GetParent(FHandle);
    if (ParentWnd) MapWindowPoints(HWND_DESKTOP, ParentWnd, reinterpret_cast<POINT*>(&R), 2);
  }
  TRect New = Rect(R.left, R.top, R.right, R.bottom);
  if (New != BoundsRect()) UpdateBoundsRect(New);
}

void TWinControl::EnableAlign() {
  if (FAlignLevel > 0) --FAlignLevel;
  if (FAlignLevel == 0 && FControlState.Contains(csAlignmentNeeded)) Realign();
}

void TWinControl::Realign() {
  AlignControl(nullptr);
}

void TWinControl::AdjustClientRect(TRect&) {}

void TWinControl::ScrollBy(int DeltaX, int DeltaY) {
  if (DeltaX == 0 && DeltaY == 0) return;
  DisableAlign();
  {
    TScopeExit Enable([&] { EnableAlign(); });  // aligned children go back to their places
    for (TControl* C : std::vector<TControl*>(FControls)) {
      // A scrolled child keeps its anchor rules, moved along with it.
      OffsetRect(C->FAnchorBounds, DeltaX, DeltaY);
      C->FPlacedByParent = true;
      C->SetBounds(C->Left() + DeltaX, C->Top() + DeltaY, C->Width(), C->Height());
      C->FPlacedByParent = false;
    }
  }
  if (FHandle) InvalidateRect(FHandle, nullptr, TRUE);
}

void TWinControl::AlignControl(TControl* AControl) {
  if (FAligning || Destroying()) return;
  if (FAlignLevel > 0) {
    FControlState.Include(csAlignmentNeeded);
    return;
  }
  {
    TScopedValue Aligning(FAligning, true);
    TRect R = ClientRect();
    AdjustClientRect(R);
    AlignControls(AControl, R);
  }
  FControlState.Exclude(csAlignmentNeeded);
}

void TWinControl::AlignControls(TControl* AControl, TRect& Rect) {
  auto Place = [](TControl* C, const TRect& R) {
    C->FPlacedByParent = true;
    TScopeExit Placed([C] { C->FPlacedByParent = false; });
    C->SetBounds(R.Left, R.Top, R.Width(), R.Height());
  };
  // Anchored children follow the change of the client size since their rules were taken.
  TRect C = ClientRect();
  TSize Now{C.Width(), C.Height()};
  const TAnchors Default = {akLeft, akTop};
  for (TControl* Child : std::vector<TControl*>(FControls)) {
    if (Child->Align() != alNone || !Child->FAnchorRulesValid || Child->Anchors() == Default)
      continue;
    TRect R = AnchoredBounds(Child->FAnchorBounds, Child->FAnchorParentSize, Now, Child->Anchors());
    if (R != Child->BoundsRect()) Place(Child, R);
  }
  std::vector<TAlignEntry> Entries;
  std::vector<TControl*> Aligned;
  for (TControl* Child : FControls) {
    if (Child->Align() == alNone || Child->Align() == alCustom || !Child->Visible()) continue;
    Entries.push_back({Child->Align(), Child->BoundsRect(), Child == AControl});
    Aligned.push_back(Child);
  }
  if (Entries.empty()) return;
  ArrangeAligned(Entries, Rect, [&](size_t I, const TRect& R) {
    Place(Aligned[I], R);
    return Aligned[I]->BoundsRect();
  });
}

// ---- reflection -------------------------------------------------------------------

void TWinControl::ReflectToChild(TMessage& Message, HWND Child) {
  TWinControl* C = Child ? FindControl(Child) : nullptr;
  if (C && C != this) {
    Message.Result = C->Perform(CN_BASE + Message.Msg, Message.WParam, Message.LParam);
    return;
  }
  DefaultHandler(Message);
}

// ---- the message switch -----------------------------------------------------------

void TWinControl::WndProc(TMessage& Message) {
  if (IsClientMouseMessage(Message.Msg)) {
    if (Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_RBUTTONDOWN ||
        Message.Msg == WM_MBUTTONDOWN)
      AppCancelHint();
    bool Handled = false;
    HandleMouseRouting(Message, Handled);
    if (!Handled) TControl::WndProc(Message);
    return;
  }
  switch (Message.Msg) {
    case WM_SETFOCUS:
      if (TCustomForm* Form = GetParentForm(this))
        if (!Form->SetFocusedControl(this)) return;
      DefaultHandler(Message);
      return;
    case WM_PAINT:
      HandlePaint(Message);
      return;
    case WM_ERASEBKGND: {
      if (DoubleBuffered() && Message.WParam != uintptr_t(Message.LParam)) {
        Message.Result = 1;
        return;
      }
      RECT R;
      if (FHandle) {
        GetClientRect(FHandle, &R);
      } else {
        R = {0, 0, FWidth, FHeight};
      }
      FillRect(reinterpret_cast<HDC>(Message.WParam), &R, Brush());
      Message.Result = 1;
      return;
    }
    case WM_WINDOWPOSCHANGED:
      UpdateBounds();
      DefaultHandler(Message);
      return;
    case WM_SIZE:
      DefaultHandler(Message);
      if (Message.WParam != SIZE_MINIMIZED) {
        Realign();
        if (!FComponentState.Contains(csLoading)) Resize();
      }
      return;
    case WM_MOUSELEAVE:
      EndMouseTracking();
      DefaultHandler(Message);
      return;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(Message.LParam) != FHandle) FCaptureControl = nullptr;
      DefaultHandler(Message);
      return;
    case WM_SETCURSOR:
      if (LOWORD(Message.LParam) == HTCLIENT && reinterpret_cast<HWND>(Message.WParam) == FHandle) {
        TCursor Cur = Screen ? Screen->Cursor() : crDefault;
        if (Cur == crDefault) {
          POINT P;
          GetCursorPos(&P);
          ::ScreenToClient(FHandle, &P);
          TControl* Over = ControlAtPos({P.x, P.y}, false);
          Cur = (Over && Over->Cursor() != crDefault) ? Over->Cursor() : Cursor();
        }
        if (Cur != crDefault) {
          ::SetCursor(Screen ? Screen->Cursors(Cur) : CursorHandle(Cur));
          Message.Result = 1;
          return;
        }
      }
      DefaultHandler(Message);
      return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
      if (!DoKeyMessage(Message)) DefaultHandler(Message);
      return;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
      HandleDialogKey(Message);
      return;
    case CN_CHAR:
    case CN_SYSCHAR:
      HandleChar(Message);
      return;
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_CHARTOITEM:
    case WM_VKEYTOITEM:
      ReflectToChild(Message, reinterpret_cast<HWND>(Message.LParam));
      return;
    case WM_NOTIFY: {
      auto* Header = reinterpret_cast<NMHDR*>(Message.LParam);
      ReflectToChild(Message, Header ? Header->hwndFrom : nullptr);
      return;
    }
    case WM_DRAWITEM: {
      auto* Item = reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam);
      ReflectToChild(Message, Item && Item->CtlType != ODT_MENU ? Item->hwndItem : nullptr);
      return;
    }
    case WM_MEASUREITEM: {
      auto* Item = reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
      HWND Child = Item && Item->CtlType != ODT_MENU && FHandle
                       ? GetDlgItem(FHandle, int(Item->CtlID))
                       : nullptr;
      ReflectToChild(Message, Child);
      return;
    }
    case WM_DELETEITEM: {
      auto* Item = reinterpret_cast<DELETEITEMSTRUCT*>(Message.LParam);
      ReflectToChild(Message, Item ? Item->hwndItem : nullptr);
      return;
    }
    case WM_COMPAREITEM: {
      auto* Item = reinterpret_cast<COMPAREITEMSTRUCT*>(Message.LParam);
      ReflectToChild(Message, Item ? Item->hwndItem : nullptr);
      return;
    }
    case CN_CTLCOLORMSGBOX:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORDLG:
    case CN_CTLCOLORSCROLLBAR:
    case CN_CTLCOLORSTATIC: {
      HDC DC = reinterpret_cast<HDC>(Message.WParam);
      SetTextColor(DC, ColorToPlatform(Font()->Color()));
      SetBkColor(DC, ColorToPlatform(Color()));
      Message.Result = reinterpret_cast<intptr_t>(Brush());
      return;
    }
    case WM_SETTEXT:
      TControl::WndProc(Message);
      return;
    case CM_ENABLEDCHANGED:
      if (!Enabled())
        if (TCustomForm* Form = GetParentForm(this)) Form->DefocusControl(this, false);
      if (FHandle) EnableWindow(FHandle, Enabled());
      Invalidate();
      return;
    case CM_VISIBLECHANGED:
      if (!Visible())
        if (TCustomForm* Form = GetParentForm(this); Form && Form != this)
          Form->DefocusControl(this, false);
      UpdateControlState();
      return;
    case CM_SHOWINGCHANGED:
      if (FHandle)
        SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                         (FShowing ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
      return;
    case CM_COLORCHANGED:
      NotifyControls(CM_PARENTCOLORCHANGED);
      Invalidate();
      return;
    case CM_FONTCHANGED:
      if (FHandle && FDefWndProc != reinterpret_cast<void*>(&DefWindowProcW))
        SendMessageW(FHandle, WM_SETFONT, WPARAM(Font()->Handle()), 1);
      NotifyControls(CM_PARENTFONTCHANGED);
      Invalidate();
      return;
    case CM_SHOWHINTCHANGED:
      NotifyControls(CM_PARENTSHOWHINTCHANGED);
      return;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
    case CM_FOCUSCHANGED:
      Broadcast(Message);
      return;
    case CM_CHILDKEY:
      if (Parent()) Message.Result = Parent()->Perform(CM_CHILDKEY, Message.WParam, Message.LParam);
      return;
    case CM_ENTER:
      DoEnter();
      return;
    case CM_EXIT:
      DoExit();
      return;
    case CM_INVALIDATE:
      if (FHandle) {
        bool Erase = !FControlStyle.Contains(csOpaque);
        if (Message.WParam)
          RedrawWindow(FHandle, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_FRAME | (Erase ? RDW_ERASE : 0));
        else
          InvalidateRect(FHandle, nullptr, Erase ? TRUE : FALSE);
      }
      return;
    case CM_RECREATEWND:
      RecreateWnd();
      return;
    case WM_NCDESTROY:
      DefaultHandler(Message);
      return;
  }
  TControl::WndProc(Message);
}

// ---- lookup -----------------------------------------------------------------------

TControl* FindDragTarget(TPoint ScreenPos, bool AllowDisabled) {
  POINT P{ScreenPos.X, ScreenPos.Y};
  TWinControl* W = FindVCLWindowFromHandle(WindowFromPoint(P));
  if (!W) return nullptr;
  TControl* C = W->ControlAtPos(W->ScreenToClient(ScreenPos), AllowDisabled);
  return C ? C : W;
}

TWinControl* FindVCLWindowFromHandle(HWND Handle) {
  for (HWND H = Handle; H; H = GetParent(H))
    if (TWinControl* C = FindControl(H)) return C;
  return nullptr;
}

}  // namespace qv
