#include <algorithm>

#include "host/Application.h"
#include "host/ControlsWin.h"
#include "host/Form.h"
#include "host/Menus.h"
#include "host/ScopeGuard.h"
#include "host/Screen.h"

namespace qv {

TCustomForm::TCustomForm(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  SetVisible(false);
  SetColor(clBtnFace);
  SetParentFont(false);
  SetBounds(0, 0, 320, 240);
  if (Screen) Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
  MarkDestroying();
  if (OnDestroy) {
    try {
      OnDestroy(this);
    } catch (...) {  // reported; a destructor must not throw
      HandleControlException();
    }
  }
  if (Screen) Screen->RemoveForm(this);
  if (Application && Application->MainForm() == this) Application->SetMainForm(nullptr);
  DestroyOwnedComponents();
  DestroyHandle();
}

// ---- window ------------------------------------------------------------------------

namespace {

constexpr DWORD kBorderStyles = WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX |
                                WS_MAXIMIZEBOX | WS_POPUP | WS_BORDER | WS_DLGFRAME;
constexpr DWORD kBorderExStyles =
    WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_TOOLWINDOW | WS_EX_CONTEXTHELP;

}  // namespace

void TCustomForm::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style &= ~DWORD(WS_CHILD | WS_GROUP | WS_TABSTOP | WS_DISABLED);
  Params.ExStyle &= ~DWORD(WS_EX_CONTROLPARENT);
  if (Parent()) {
    Params.Style |= WS_CHILD;
    Params.WndParent = Parent()->HandleAllocated() ? Parent()->Handle() : nullptr;
  } else {
    Params.WndParent = ParentWindow();
  }
  bool Caption = true;
  switch (FBorderStyle) {
    case bsNone:
      if (!Parent()) Params.Style |= WS_POPUP;
      Caption = false;
      break;
    case bsSingle:
      Params.Style |= WS_CAPTION;
      break;
    case bsSizeable:
      Params.Style |= WS_CAPTION | WS_THICKFRAME;
      break;
    case bsDialog:
      Params.Style |= WS_POPUP | WS_CAPTION;
      Params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
    case bsToolWindow:
      Params.Style |= WS_CAPTION;
      Params.ExStyle |= WS_EX_TOOLWINDOW;
      break;
    case bsSizeToolWin:
      Params.Style |= WS_CAPTION | WS_THICKFRAME;
      Params.ExStyle |= WS_EX_TOOLWINDOW;
      break;
  }
  if (Caption && FBorderIcons.Contains(biSystemMenu)) {
    Params.Style |= WS_SYSMENU;
    bool Boxes = FBorderStyle == bsSingle || FBorderStyle == bsSizeable;
    if (Boxes && FBorderIcons.Contains(biMinimize)) Params.Style |= WS_MINIMIZEBOX;
    if (Boxes && FBorderIcons.Contains(biMaximize)) Params.Style |= WS_MAXIMIZEBOX;
    if (FBorderIcons.Contains(biHelp) &&
        (FBorderStyle == bsDialog ||
         !(FBorderIcons.Contains(biMinimize) || FBorderIcons.Contains(biMaximize))))
      Params.ExStyle |= WS_EX_CONTEXTHELP;
  }
  if (FFormStyle == fsStayOnTop && !Parent()) Params.ExStyle |= WS_EX_TOPMOST;
  if (FAlphaBlend) Params.ExStyle |= WS_EX_LAYERED;
  Params.WindowClass.Style = CS_DBLCLKS;
  Params.WindowClass.Icon = LoadIconW(nullptr, IDI_APPLICATION);
}

void TCustomForm::CreateWnd() {
  TCustomControl::CreateWnd();
  FLayeredByAlpha = FAlphaBlend;  // CreateParams asked for the style
  ApplyAlphaBlend();
  if (FMenu) ::SetMenu(FHandle, static_cast<HMENU>(FMenu->Handle()));
}

// A changed border style, border icons or form style goes to the existing window.
void TCustomForm::FrameChanged() {
  if (!FHandle) return;
  TCreateParams Params;
  CreateParams(Params);
  HWND Wnd = FHandle;
  LONG_PTR Style = GetWindowLongPtrW(Wnd, GWL_STYLE);
  LONG_PTR ExStyle = GetWindowLongPtrW(Wnd, GWL_EXSTYLE);
  Style = (Style & ~LONG_PTR(kBorderStyles)) | (Params.Style & kBorderStyles);
  ExStyle = (ExStyle & ~LONG_PTR(kBorderExStyles)) | (Params.ExStyle & kBorderExStyles);
  SetWindowLongPtrW(Wnd, GWL_STYLE, Style);
  SetWindowLongPtrW(Wnd, GWL_EXSTYLE, ExStyle);
  SetWindowPos(Wnd, (Params.ExStyle & WS_EX_TOPMOST) ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  FrameChanged();
}

void TCustomForm::SetBorderIcons(TBorderIcons Value) {
  if (FBorderIcons == Value) return;
  FBorderIcons = Value;
  FrameChanged();
}

void TCustomForm::SetFormStyle(TFormStyle Value) {
  if (FFormStyle == Value) return;
  FFormStyle = Value;
  FrameChanged();
}

void TCustomForm::SetWindowState(TWindowState Value) {
  if (FWindowState == Value) return;
  FWindowState = Value;
  if (FHandle && Showing()) {
    int Cmd = Value == wsMaximized ? SW_MAXIMIZE : Value == wsMinimized ? SW_MINIMIZE : SW_RESTORE;
    ShowWindow(FHandle, Cmd);
  }
}

void TCustomForm::SetAlphaBlend(bool Value) {
  if (FAlphaBlend == Value) return;
  FAlphaBlend = Value;
  ApplyAlphaBlend();
}

void TCustomForm::SetAlphaBlendValue(Byte Value) {
  if (FAlphaBlendValue == Value) return;
  FAlphaBlendValue = Value;
  ApplyAlphaBlend();
}

void TCustomForm::ApplyAlphaBlend() {
  if (!FHandle) return;
  LONG_PTR ExStyle = GetWindowLongPtrW(FHandle, GWL_EXSTYLE);
  if (FAlphaBlend) {
    if (!(ExStyle & WS_EX_LAYERED)) {
      SetWindowLongPtrW(FHandle, GWL_EXSTYLE, ExStyle | WS_EX_LAYERED);
      FLayeredByAlpha = true;
    }
    SetLayeredWindowAttributes(FHandle, 0, FAlphaBlendValue, LWA_ALPHA);
  } else if (FLayeredByAlpha) {
    // Only the layered style AlphaBlend added goes with it.
    FLayeredByAlpha = false;
    SetWindowLongPtrW(FHandle, GWL_EXSTYLE, ExStyle & ~LONG_PTR(WS_EX_LAYERED));
    RedrawWindow(FHandle, nullptr, nullptr,
                 RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
  }
}

void TCustomForm::SetAutoScroll(bool Value) {
  if (FAutoScroll == Value) return;
  FAutoScroll = Value;
  UpdateScrollRange();
}

// Scroll bars appear while children reach past the client area (aligned children
// never scroll); the position keeps within the new range.
void TCustomForm::UpdateScrollRange() {
  if (!FHandle || FUpdatingScroll) return;
  FUpdatingScroll = true;
  int Right = 0, Bottom = 0;
  if (FAutoScroll)
    for (int I = 0; I < ControlCount(); ++I) {
      TControl* C = Controls(I);
      if (!C->Visible() || C->Align() != alNone) continue;
      Right = std::max(Right, C->Left() + C->Width() + FScrollPos.X);
      Bottom = std::max(Bottom, C->Top() + C->Height() + FScrollPos.Y);
    }
  auto Set = [&](int Bar, int Range, int& Pos) {
    RECT R;
    GetClientRect(FHandle, &R);
    int Page = Bar == SB_HORZ ? R.right : R.bottom;
    int MaxPos = std::max(Range - Page, 0);
    int NewPos = std::min(Pos, MaxPos);
    if (NewPos != Pos) {
      int Delta = Pos - NewPos;
      Pos = NewPos;
      if (Bar == SB_HORZ)
        ScrollBy(Delta, 0);
      else
        ScrollBy(0, Delta);
    }
    SCROLLINFO SI{};
    SI.cbSize = sizeof(SI);
    SI.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    SI.nMax = Range > Page ? Range - 1 : 0;
    SI.nPage = Range > Page ? UINT(Page) : 0;
    SI.nPos = Pos;
    SetScrollInfo(FHandle, Bar, &SI, TRUE);
  };
  Set(SB_HORZ, Right, FScrollPos.X);
  Set(SB_VERT, Bottom, FScrollPos.Y);
  FUpdatingScroll = false;
}

void TCustomForm::HandleScroll(TMessage& Message) {
  int Bar = Message.Msg == WM_HSCROLL ? SB_HORZ : SB_VERT;
  SCROLLINFO SI{};
  SI.cbSize = sizeof(SI);
  SI.fMask = SIF_ALL;
  GetScrollInfo(FHandle, Bar, &SI);
  int& Pos = Bar == SB_HORZ ? FScrollPos.X : FScrollPos.Y;
  int MaxPos = std::max(SI.nMax - int(SI.nPage) + 1, 0);
  int New = Pos;
  switch (LOWORD(Message.WParam)) {
    case SB_LINEUP:
      New -= 8;
      break;
    case SB_LINEDOWN:
      New += 8;
      break;
    case SB_PAGEUP:
      New -= int(SI.nPage);
      break;
    case SB_PAGEDOWN:
      New += int(SI.nPage);
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      New = SI.nTrackPos;
      break;
    case SB_TOP:
      New = 0;
      break;
    case SB_BOTTOM:
      New = MaxPos;
      break;
    default:
      return;
  }
  New = std::clamp(New, 0, MaxPos);
  if (New == Pos) return;
  int Delta = Pos - New;
  Pos = New;
  if (Bar == SB_HORZ)
    ScrollBy(Delta, 0);
  else
    ScrollBy(0, Delta);
  SetScrollPos(FHandle, Bar, New, TRUE);
}

void TCustomForm::AlignControls(TControl* AControl, TRect& Rect) {
  TCustomControl::AlignControls(AControl, Rect);
  UpdateScrollRange();
}

void TCustomForm::SetMenu(TMainMenu* Value) {
  if (FMenu == Value) return;
  if (FMenu) FMenu->RemoveFreeNotification(this);
  FMenu = Value;
  if (Value) Value->FreeNotification(this);
  if (FHandle) ::SetMenu(FHandle, Value ? static_cast<HMENU>(Value->Handle()) : nullptr);
}

TMonitor* TCustomForm::Monitor() {
  return Screen->MonitorFromWindow(Handle());
}

TRect TCustomForm::ClientRect() const {
  if (FHandle && IsIconic(FHandle)) {
    // A minimised window reports no client area; use the restored one.
    WINDOWPLACEMENT P{};
    P.length = sizeof(P);
    GetWindowPlacement(FHandle, &P);
    RECT Frame{0, 0, 0, 0};
    AdjustWindowRectEx(&Frame, DWORD(GetWindowLongPtrW(FHandle, GWL_STYLE)),
                       GetMenu(FHandle) != nullptr, DWORD(GetWindowLongPtrW(FHandle, GWL_EXSTYLE)));
    return Rect(0, 0,
                (P.rcNormalPosition.right - P.rcNormalPosition.left) - (Frame.right - Frame.left),
                (P.rcNormalPosition.bottom - P.rcNormalPosition.top) - (Frame.bottom - Frame.top));
  }
  return TCustomControl::ClientRect();
}

TPoint TCustomForm::ClientOrigin() const {
  if (FHandle) return TCustomControl::ClientOrigin();
  TCreateParams Params;
  const_cast<TCustomForm*>(this)->CreateParams(Params);
  RECT Frame{0, 0, 0, 0};
  AdjustWindowRectEx(&Frame, Params.Style, FALSE, Params.ExStyle);
  TPoint P = TControl::ClientOrigin();
  return {P.X - Frame.left, P.Y - Frame.top};
}

// ---- showing ---------------------------------------------------------------------

void TCustomForm::Show() {
  SetVisible(true);
  BringToFront();
}

void TCustomForm::BringToFront() {
  if (FHandle && Showing()) {
    SetWindowPos(FHandle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(FHandle);
  }
}

void TCustomForm::PlaceOnFirstShow() {
  if (FPlaced || Parent()) return;
  FPlaced = true;
  TRect Area;
  switch (FPosition) {
    case poScreenCenter:
    case poDesktopCenter:
      Area = Screen->WorkAreaRect();
      break;
    case poMainFormCenter:
    case poOwnerFormCenter: {
      TCustomForm* Center = FPosition == poMainFormCenter ? Application->MainForm()
                                                          : dynamic_cast<TCustomForm*>(Owner());
      if (!Center || Center == this) Center = nullptr;
      Area = Center ? Center->BoundsRect() : Screen->WorkAreaRect();
      break;
    }
    default:
      return;
  }
  SetBounds(Area.Left + (Area.Width() - Width()) / 2, Area.Top + (Area.Height() - Height()) / 2,
            Width(), Height());
}

void TCustomForm::ShowingChanged() {
  if (Showing()) {
    PlaceOnFirstShow();
    FFormState.Include(fsShowing);
    {
      TScopeExit Shown([&] { FFormState.Exclude(fsShowing); });
      DoShow();
    }
    if (!FActiveControl) {
      TWinControl* First = FindNextControl(nullptr, true, true, false);
      if (First) FActiveControl = First;
    }
    int Cmd = FWindowState == wsMaximized   ? SW_SHOWMAXIMIZED
              : FWindowState == wsMinimized ? SW_SHOWMINIMIZED
              : Parent()                    ? SW_SHOWNA
                                            : SW_SHOWNORMAL;
    ShowWindow(FHandle, Cmd);
    FFormState.Include(fsVisible);
  } else {
    FFormState.Exclude(fsVisible);
    DoHide();
    if (FHandle) ShowWindow(FHandle, SW_HIDE);
  }
}

void TCustomForm::DoShow() {
  if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
  if (OnHide) OnHide(this);
}

void TCustomForm::UpdateShowingState() {
  UpdateControlState();
}

// ---- focus -----------------------------------------------------------------------

bool TCustomForm::CanFocus() const {
  return Visible() && Enabled();
}

void TCustomForm::SetFocus() {
  if (!CanFocus()) throw Exception(L"Cannot focus a disabled or invisible window");
  if (!FHandle) return;
  if (!FActive) {
    SetForegroundWindow(FHandle);
    SetActiveWindow(FHandle);
  }
  if (FActiveControl && FActiveControl->HandleAllocated()) {
    ::SetFocus(FActiveControl->Handle());
  } else if (GetFocus() != FHandle) {
    ::SetFocus(FHandle);
  }
}

void TCustomForm::SetActiveControl(TWinControl* Control) {
  if (FActiveControl == Control) {
    if (Control && FActive && !Control->Focused() && Control->HandleAllocated())
      ::SetFocus(Control->Handle());
    return;
  }
  if (Control && (!Control->CanFocus() || GetParentForm(Control, false) != this))
    throw Exception(L"Cannot focus a disabled or invisible window");
  FActiveControl = Control;
  if (Control && FActive && Showing()) ::SetFocus(Control->Handle());
}

void TCustomForm::FocusControl(TWinControl* Control) {
  bool WasActive = FActive;
  SetActiveControl(Control);
  if (!WasActive && Showing()) SetFocus();
}

bool TCustomForm::SetFocusedControl(TWinControl* Control) {
  if (FFocusedControl == Control) return true;
  TWinControl* Old = FFocusedControl;
  FFocusedControl = Control;
  if (Control != this) FActiveControl = Control;
  if (Old && Old != this && !Old->ComponentState().Contains(csDestroying)) Old->Perform(CM_EXIT);
  if (FFocusedControl != Control) return false;
  if (Control != this) Control->Perform(CM_ENTER);
  if (FFocusedControl != Control) return false;
  Perform(CM_FOCUSCHANGED, 0, intptr_t(Control));
  return true;
}

void TCustomForm::DefocusControl(TControl* Control, bool Removing) {
  auto Contains = [&](TWinControl* W) {
    if (!W) return false;
    if (static_cast<TControl*>(W) == Control) return true;
    auto* Container = dynamic_cast<TWinControl*>(Control);
    return Container && Container->ContainsControl(W);
  };
  bool HadFocus = false;
  if (Contains(FFocusedControl)) {
    HadFocus = FFocusedControl->Focused();
    FFocusedControl = nullptr;
  }
  if (Contains(FActiveControl)) {
    FActiveControl = nullptr;
    if (!Removing && HadFocus) {
      // The focus moves on rather than staying in a hidden or disabled control.
      TWinControl* Next = FindNextControl(nullptr, true, true, false);
      if (Next && !Contains(Next)) {
        Next->SetFocus();
        return;
      }
    }
  }
  if (HadFocus && FHandle && !Destroying()) ::SetFocus(FHandle);
}

void TCustomForm::ControlRemoving(TControl* Control) {
  DefocusControl(Control, true);
}

// ---- messages --------------------------------------------------------------------

void TCustomForm::Activate() {
  if (OnActivate) OnActivate(this);
}

void TCustomForm::Deactivate() {
  if (OnDeactivate) OnDeactivate(this);
}

void TCustomForm::HandleActivate(TMessage& Message) {
  bool NowActive = LOWORD(Message.WParam) != WA_INACTIVE;
  if (!NowActive) {
    FActive = false;
    Deactivate();
    DefaultHandler(Message);
    return;
  }
  FActive = true;
  Screen->SetActiveForm(this);
  FFormState.Include(fsActivated);
  Activate();
  if (HIWORD(Message.WParam)) {  // minimised: no focus
    DefaultHandler(Message);
    return;
  }
  if (FActiveControl && FActiveControl->CanFocus()) {
    ::SetFocus(FActiveControl->Handle());
    Message.Result = 0;
    return;
  }
  DefaultHandler(Message);
}

void TCustomForm::HandleDialogKeyMessage(TMessage& Message) {
  if (GetKeyState(VK_MENU) >= 0) {
    uint16_t Key = uint16_t(Message.WParam);
    if (Key == VK_TAB && GetKeyState(VK_CONTROL) >= 0) {
      SelectNext(FActiveControl, GetKeyState(VK_SHIFT) >= 0, true);
      Message.Result = 1;
      return;
    }
    if ((Key == VK_LEFT || Key == VK_RIGHT || Key == VK_UP || Key == VK_DOWN) && FActiveControl &&
        FActiveControl->Parent()) {
      FActiveControl->Parent()->SelectNext(FActiveControl, Key == VK_RIGHT || Key == VK_DOWN,
                                           false);
      Message.Result = 1;
      return;
    }
  }
  TCustomControl::WndProc(Message);
}

void TCustomForm::HandleSize(TMessage& Message) {
  switch (Message.WParam) {
    case SIZE_MAXIMIZED:
      FWindowState = wsMaximized;
      break;
    case SIZE_MINIMIZED:
      FWindowState = wsMinimized;
      break;
    case SIZE_RESTORED:
      FWindowState = wsNormal;
      break;
  }
  TCustomControl::WndProc(Message);
  UpdateScrollRange();
}

void TCustomForm::HandleMinMaxInfo(TMessage& Message) {
  DefaultHandler(Message);
  auto* Info = reinterpret_cast<MINMAXINFO*>(Message.LParam);
  TSizeConstraints* C = Constraints();
  if (C->MinWidth() > 0) Info->ptMinTrackSize.x = C->MinWidth();
  if (C->MinHeight() > 0) Info->ptMinTrackSize.y = C->MinHeight();
  if (C->MaxWidth() > 0) Info->ptMaxTrackSize.x = C->MaxWidth();
  if (C->MaxHeight() > 0) Info->ptMaxTrackSize.y = C->MaxHeight();
  Message.Result = 0;
}

void TCustomForm::Paint() {
  if (OnPaint) OnPaint(this);
}

void TCustomForm::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ACTIVATE:
      HandleActivate(Message);
      return;
    case WM_CLOSE:
      Close();
      return;
    case WM_SIZE:
      HandleSize(Message);
      return;
    case WM_GETMINMAXINFO:
      HandleMinMaxInfo(Message);
      return;
    case WM_SETFOCUS:
      // The form's own window got the focus: pass it on to the active control.
      if (FActiveControl && FActiveControl != this && FActiveControl->CanFocus() &&
          FActiveControl->HandleAllocated()) {
        ::SetFocus(FActiveControl->Handle());
        return;
      }
      break;
    case WM_COMMAND:
      if (Message.LParam == 0 && HIWORD(Message.WParam) == 0 && FMenu &&
          FMenu->DispatchCommand(LOWORD(Message.WParam)))
        return;
      break;
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
      if (FMenu && FMenu->DispatchOwnerDraw(Message)) return;
      break;
    case WM_INITMENUPOPUP:
      if (FMenu) FMenu->DispatchPopup(reinterpret_cast<HMENU>(Message.WParam));
      break;
    case CM_SHOWINGCHANGED:
      ShowingChanged();
      return;
    case CM_DIALOGKEY:
      HandleDialogKeyMessage(Message);
      return;
    case CM_RELEASE:
      // Freed from the application window, after this message has returned.
      PostMessageW(Application->Handle(), CM_RELEASE, 0, LPARAM(this));
      return;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (Message.LParam == 0) {  // the form's own scroll bars
        HandleScroll(Message);
        return;
      }
      break;
  }
  TCustomControl::WndProc(Message);
}

void TCustomForm::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FMenu) FMenu = nullptr;
}

void TCustomForm::Loaded() {
  TCustomControl::Loaded();
  if (!FPendingMenu.empty()) {
    for (TComponent* Scope = this; Scope; Scope = Scope->Owner())
      if (auto* Menu = dynamic_cast<TMainMenu*>(Scope->FindComponent(FPendingMenu))) {
        SetMenu(Menu);
        break;
      }
    FPendingMenu.clear();
  }
  if (OnCreate) OnCreate(this);
}

}  // namespace qv
