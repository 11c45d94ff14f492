#include "dialogs/QvTrayIconWin.h"

#include <commctrl.h>

#include <unordered_map>

#include "dialogs/QvTrayIcon.h"
#include "forms/QvMessages.h"
#include "graphics/SimpleTimer.h"
#include "host/Application.h"
#include "host/Form.h"
#include "host/Graphics.h"
#include "host/HiddenWindow.h"
#include "host/ImageList.h"
#include "host/Menus.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"

namespace qv {

// ---- the shell call ---------------------------------------------------------------

namespace {

const bool kRegistered = (RegisterComponentClass<TQvTrayIcon>(), true);

TShellNotifyIcon& ShellCall() {
  static TShellNotifyIcon Call;
  return Call;
}

BOOL CallShell(DWORD Message, NOTIFYICONDATAW* Data) {
  const TShellNotifyIcon& Call = ShellCall();
  return Call ? Call(Message, Data) : Shell_NotifyIconW(Message, Data);
}

void CopyText(wchar_t* Dest, size_t Room, const String& Text) {
  const String Cut = QvTrayCutText(Text, Room - 1);
  Cut.copy(Dest, Cut.size());
  Dest[Cut.size()] = 0;
}

TShiftState KeysDown() {
  TShiftState S;
  if (GetAsyncKeyState(VK_SHIFT) < 0) S.Include(ssShift);
  if (GetAsyncKeyState(VK_MENU) < 0) S.Include(ssAlt);
  if (GetAsyncKeyState(VK_CONTROL) < 0) S.Include(ssCtrl);
  return S;
}

}  // namespace

TShellNotifyIcon SetShellNotifyIcon(TShellNotifyIcon Proc) {
  TShellNotifyIcon Old = std::move(ShellCall());
  ShellCall() = std::move(Proc);
  return Old;
}

UINT TaskbarCreatedMessage() {
  static const UINT Message = RegisterWindowMessageW(L"TaskbarCreated");
  return Message;
}

// ---- the shared hidden window -----------------------------------------------------

// One per module while tray icons live: the window the shell sends every icon's
// notifications to, and the map from the identifiers in them to the icons.
class TTrayIconHandler {
 public:
  TTrayIconHandler()
      : FHandle(AllocateHWnd([this](TMessage& M) { HandleIconMessage(M); }, false)) {}
  ~TTrayIconHandler() { DeallocateHWnd(FHandle); }
  TTrayIconHandler(const TTrayIconHandler&) = delete;
  TTrayIconHandler& operator=(const TTrayIconHandler&) = delete;

  Cardinal RefCount = 0;
  HWND Handle() const { return FHandle; }
  // Inside a notification: the window must outlive it, even when its last icon goes.
  bool Dispatching() const { return FDispatching > 0; }

  // Counts the icon in and answers its identifier: one no live icon has.
  UINT Add(TQvTrayIcon* Icon) {
    ++RefCount;
    while (FNextID == 0 || FIcons.count(FNextID)) ++FNextID;
    FIcons[FNextID] = Icon;
    return FNextID++;
  }
  // Counts the icon out; answers whether it was the last.
  bool Remove(UINT ID) {
    FIcons.erase(ID);
    return --RefCount == 0;
  }

 private:
  void HandleIconMessage(TMessage& M) {
    if (M.Msg == MM_TRAYICON) {
      // A notification queued for an icon freed since names no live icon.
      auto It = FIcons.find(UINT(M.WParam));
      if (It == FIcons.end()) return;
      ++FDispatching;
      TScopeExit Done([this] { --FDispatching; });
      It->second->HandleNotification(uint32_t(M.LParam));
      return;
    }
    switch (M.Msg) {
      case WM_DESTROY:
      case WM_CLOSE:
      case WM_QUERYENDSESSION:
      case WM_QUIT:
      case WM_ENDSESSION:
      case WM_NCDESTROY:
        M.Result = 1;
        return;
    }
    M.Result = DefWindowProcW(FHandle, M.Msg, M.WParam, M.LParam);
  }

  HWND FHandle;
  std::unordered_map<UINT, TQvTrayIcon*> FIcons;
  UINT FNextID = 1;
  int FDispatching = 0;
};

namespace {

TTrayIconHandler* gHandler = nullptr;

// Module shutdown: a handler still there goes with it.
struct THandlerFinalizer {
  ~THandlerFinalizer() {
    delete gHandler;
    gHandler = nullptr;
  }
} gHandlerFinalizer;

}  // namespace

// ---- life -------------------------------------------------------------------------

TQvTrayIcon::TQvTrayIcon(TComponent* AOwner)
    : TComponent(AOwner),
      FIcon(std::make_unique<TIcon>()),
      CycleTimer(std::make_unique<TSimpleTimer>(0, [this](TObject*) { CycleTimerProc(); })),
      ClickTimer(std::make_unique<TSimpleTimer>(0, [this](TObject*) { ClickTimerProc(); })),
      ExitTimer(std::make_unique<TSimpleTimer>(20, [this](TObject*) { MouseExitTimerProc(); })),
      FIconListLink(std::make_unique<TChangeLink>()),
      IconData(std::make_unique<TTrayIconRecord>()) {
  if (!gHandler) gHandler = new TTrayIconHandler;
  FIconID = gHandler->Add(this);
  FIcon->OnChange = [this](TObject*) { IconChanged(); };
  FIconListLink->OnChange = [this](TObject*) { SetIconIndex(FIconIndex); };
  NOTIFYICONDATAW& D = IconData->Data;
  D.cbSize = NOTIFYICONDATAW_V2_SIZE;
  D.hWnd = gHandler->Handle();
  D.uID = FIconID;
  // The tip travels always: an empty one shows nothing.
  D.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  D.uCallbackMessage = MM_TRAYICON;
  TaskbarCreatedMessage();
  if (Application)
    FAppHook = Application->HookMainWindow([this](TMessage& M) { return HookAppProc(M); });
  if (auto* Owner = dynamic_cast<TWinControl*>(AOwner)) {
    FHookedOwner = Owner;
    OldWndProc = Owner->WindowProc;
    Owner->WindowProc = [this](TMessage& M) { HookFormProc(M); };
  }
}

TQvTrayIcon::~TQvTrayIcon() {
  *FAlive = false;
  SetIconVisible(false);
  SetDesignPreview(false);
  CycleTimer.reset();
  ClickTimer.reset();
  ExitTimer.reset();
  if (FIconList) FIconList->UnRegisterChanges(FIconListLink.get());
  if (FAppHook && Application) Application->UnhookMainWindow(FAppHook);
  if (FHookedOwner && OldWndProc) FHookedOwner->WindowProc = std::move(OldWndProc);
  // The last icon freed from its own event leaves the window to the next icon (or to the
  // module's end): it is still handling that event.
  if (gHandler && gHandler->Remove(FIconID) && !gHandler->Dispatching()) {
    delete gHandler;
    gHandler = nullptr;
  }
}

HWND TQvTrayIcon::Handle() const {
  return gHandler ? gHandler->Handle() : nullptr;
}

TWinControl* TQvTrayIcon::OwnerWindow() const {
  return dynamic_cast<TWinControl*>(Owner());
}

void TQvTrayIcon::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FIconList) SetIconList(nullptr);
  if (AComponent == FPopupMenu) FPopupMenu = nullptr;
}

void TQvTrayIcon::Loaded() {
  TComponent::Loaded();
  if (!FPendingIconList.empty())
    SetIconList(dynamic_cast<TCustomImageList*>(FindReferencedComponent(this, FPendingIconList)));
  if (!FPendingPopupMenu.empty())
    SetPopupMenu(dynamic_cast<TPopupMenu*>(FindReferencedComponent(this, FPendingPopupMenu)));
  FPendingIconList.clear();
  FPendingPopupMenu.clear();
  if (Running() && OwnerWindow()) {
    bool Show = true;
    if (OnStartup) OnStartup(this, Show);
    if (!Show) {
      if (Application) Application->SetShowMainForm(false);
      HideMainForm();
    }
  }
  ModifyIcon();
  SetIconVisible(FIconVisible);
  SetCycleIcons(FCycleIcons);
  SetWantEnterExitEvents(FWantEnterExitEvents);
  SetBehavior(FBehavior);
}

// ---- the shell --------------------------------------------------------------------

bool TQvTrayIcon::Notify(uint32_t Message) {
  NOTIFYICONDATAW& D = IconData->Data;
  const bool Ok = CallShell(Message, &D) != FALSE;
  // A balloon goes out once: a later icon or tip change must not show it again.
  D.uFlags &= ~UINT(NIF_INFO);
  return Ok;
}

bool TQvTrayIcon::InitIcon() {
  if (Designing() && !SettingPreview && !FDesignPreview) return false;
  NOTIFYICONDATAW& D = IconData->Data;
  D.hIcon = FIcon->Handle();
  if (!FHint.empty() && FShowHint)
    CopyText(D.szTip, std::size(D.szTip), FHint);
  else
    D.szTip[0] = 0;
  return true;
}

bool TQvTrayIcon::ShowIcon() {
  if (!SettingPreview) FIconVisible = true;
  if ((Designing() && !SettingPreview) || !InitIcon()) return false;
  if (FShellHasIcon) return Notify(NIM_MODIFY);
  FShellHasIcon = Notify(NIM_ADD);
  // The shell keeps the notification version per icon: an icon added anew needs it again.
  if (FShellHasIcon && FBehavior == bhWin2000) SetBehavior(FBehavior);
  return FShellHasIcon;
}

bool TQvTrayIcon::HideIcon() {
  if (!SettingPreview) FIconVisible = false;
  if ((Designing() && !SettingPreview) || !FShellHasIcon) return true;
  FShellHasIcon = !Notify(NIM_DELETE);
  return !FShellHasIcon;
}

bool TQvTrayIcon::ModifyIcon() {
  if (!InitIcon() || !FShellHasIcon) return false;
  return Notify(NIM_MODIFY);
}

bool TQvTrayIcon::SetFocus() {
  return FShellHasIcon && Notify(NIM_SETFOCUS);
}

bool TQvTrayIcon::ShowBalloonHint(const String& Title, const String& Text,
                                  TBalloonHintIcon IconKind, Cardinal TimeoutSeconds) {
  HideBalloonHint();
  NOTIFYICONDATAW& D = IconData->Data;
  D.uFlags |= NIF_INFO;
  CopyText(D.szInfo, std::size(D.szInfo), Text);
  CopyText(D.szInfoTitle, std::size(D.szInfoTitle), Title);
  D.uTimeout = TimeoutSeconds * 1000;
  static const DWORD Flags[] = {NIIF_NONE, NIIF_INFO, NIIF_WARNING, NIIF_ERROR, NIIF_USER};
  D.dwInfoFlags = Flags[IconKind];
  return ModifyIcon();
}

bool TQvTrayIcon::HideBalloonHint() {
  NOTIFYICONDATAW& D = IconData->Data;
  D.uFlags |= NIF_INFO;
  D.szInfo[0] = 0;
  return ModifyIcon();
}

void TQvTrayIcon::SetBehavior(TBehavior Value) {
  FBehavior = Value;
  IconData->Data.uVersion = Value == bhWin2000 ? NOTIFYICON_VERSION : 0;
  if (FShellHasIcon) Notify(NIM_SETVERSION);
}

// ---- properties -------------------------------------------------------------------

void TQvTrayIcon::SetDesignPreview(bool Value) {
  if (FDesignPreview == Value) return;
  FDesignPreview = Value;
  if (!Designing()) return;
  TScopedValue Previewing(SettingPreview, true);
  if (Value) {
    if (FIcon->Empty()) FIcon->SetHandle(CopyIcon(LoadIconW(nullptr, IDI_WINLOGO)));
    ShowIcon();
  } else {
    HideIcon();
  }
}

void TQvTrayIcon::SetIconList(TCustomImageList* Value) {
  if (FIconList == Value) return;
  if (FIconList) {
    FIconList->UnRegisterChanges(FIconListLink.get());
    FIconList->RemoveFreeNotification(this);
  }
  FIconList = Value;
  if (FIconList) {
    FIconList->FreeNotification(this);
    FIconList->RegisterChanges(FIconListLink.get());
  }
  SetIconIndex(0);
}

void TQvTrayIcon::SetPopupMenu(TPopupMenu* Value) {
  if (FPopupMenu == Value) return;
  if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
  FPopupMenu = Value;
  if (FPopupMenu) FPopupMenu->FreeNotification(this);
}

void TQvTrayIcon::SetCycleIcons(bool Value) {
  FCycleIcons = Value;
  if (Value) {
    SetIconIndex(0);
    CycleTimer->SetInterval(FCycleInterval);
    CycleTimer->SetEnabled(Running());
  } else {
    CycleTimer->SetEnabled(false);
  }
}

void TQvTrayIcon::SetCycleInterval(Cardinal Value) {
  if (FCycleInterval == Value) return;
  FCycleInterval = Value;
  SetCycleIcons(FCycleIcons);
}

void TQvTrayIcon::SetHint(const String& Value) {
  if (FHint == Value) return;
  FHint = Value;
  ModifyIcon();
}

void TQvTrayIcon::SetShowHint(bool Value) {
  if (FShowHint == Value) return;
  FShowHint = Value;
  ModifyIcon();
}

void TQvTrayIcon::SetIcon(TIcon* Value) {
  FIcon->Assign(Value);  // the icon's change notification updates the shell
}

void TQvTrayIcon::IconChanged() {
  if (!FSettingIcon) ModifyIcon();
}

void TQvTrayIcon::SetIconVisible(bool Value) {
  if (Value)
    ShowIcon();
  else
    HideIcon();
}

void TQvTrayIcon::SetIconIndex(int Value) {
  const int Count = FIconList ? FIconList->Count() : 0;
  FIconIndex = QvTrayIconIndex(Value, Count);
  if (Count > 0) {
    TScopedValue Setting(FSettingIcon, true);
    FIcon->SetHandle(ImageList_GetIcon(FIconList->Handle(), FIconIndex, ILD_NORMAL));
  }
  ModifyIcon();
}

void TQvTrayIcon::SetWantEnterExitEvents(bool Value) {
  FWantEnterExitEvents = Value;
  UpdateExitWatch();
}

void TQvTrayIcon::UpdateExitWatch() {
  ExitTimer->SetEnabled(Running() && FLogic.WatchingExit(Options()));
}

const TPropTable& TQvTrayIcon::Properties() const {
  using C = TQvTrayIcon;
  static const TPropTable Table = TComponent::Properties().With({
      Prop(L"DesignPreview", &C::DesignPreview, &C::SetDesignPreview),
      RefProp(L"IconList", &C::IconList,
              [](C& T, const String& Name) { T.FPendingIconList = Name; }),
      Prop(L"CycleIcons", &C::CycleIcons, &C::SetCycleIcons),
      Prop(L"CycleInterval", &C::CycleInterval, &C::SetCycleInterval),
      Prop(L"Enabled", &C::Enabled, &C::SetEnabled, DefaultEnabled),
      Prop(L"Hint", &C::Hint, &C::SetHint),
      Prop(L"ShowHint", &C::ShowHint, &C::SetShowHint, DefaultShowHint),
      Prop(L"IconVisible", &C::IconVisible, &C::SetIconVisible),
      Prop(L"IconIndex", &C::IconIndex, &C::SetIconIndex),
      RefProp(L"PopupMenu", &C::PopupMenu,
              [](C& T, const String& Name) { T.FPendingPopupMenu = Name; }),
      Prop(L"LeftPopup", &C::LeftPopup, &C::SetLeftPopup),
      Prop(L"WantEnterExitEvents", &C::WantEnterExitEvents, &C::SetWantEnterExitEvents),
      Prop(L"MinimizeToTray", &C::MinimizeToTray, &C::SetMinimizeToTray),
  });
  return Table;
}

// ---- notifications ----------------------------------------------------------------

TTrayIconOptions TQvTrayIcon::Options() const {
  TTrayIconOptions O;
  O.Enabled = FEnabled;
  O.WantEnterExitEvents = FWantEnterExitEvents;
  O.HasDblClick = bool(OnDblClick);
  O.LeftPopup = FLeftPopup;
  O.MenuAutoPopup = FPopupMenu && FPopupMenu->AutoPopup();
  O.Behavior = FBehavior;
  return O;
}

void TQvTrayIcon::HandleNotification(uint32_t Event) {
  TTrayInput In;
  In.Keys = KeysDown();
  POINT P{};
  GetCursorPos(&P);
  In.Cursor = {P.x, P.y};
  Perform(FLogic.Notify(Event, Options(), In));
}

void TQvTrayIcon::Perform(const TTrayActions& Actions) {
  const std::shared_ptr<bool> Alive = FAlive;
  for (const TTrayAction& A : Actions) {
    if (!*Alive) return;  // an event freed the icon
    switch (A.Kind) {
      case tkMouseEnter:
        MouseEnter();
        break;
      case tkMouseMove:
        MouseMove(A.Shift, A.X, A.Y);
        break;
      case tkMouseDown:
        MouseDown(A.Button, A.Shift, A.X, A.Y);
        break;
      case tkMouseUp:
        MouseUp(A.Button, A.Shift, A.X, A.Y);
        break;
      case tkClick:
        Click();
        break;
      case tkDblClick:
        DblClick();
        break;
      case tkMouseExit:
        MouseExit();
        break;
      case tkStartClickTimer:
        ClickTimer->SetInterval(GetDoubleClickTime());
        ClickTimer->SetEnabled(true);
        break;
      case tkStopClickTimer:
        ClickTimer->SetEnabled(false);
        break;
      case tkPopupAtCursor:
        SetForegroundWindow(Handle());
        PopupAtCursor();
        break;
      case tkClickDefaultItem:
        ClickDefaultItem();
        break;
      case tkBalloonShow:
        if (OnBalloonHintShow) OnBalloonHintShow(this);
        break;
      case tkBalloonHide:
        if (OnBalloonHintHide) OnBalloonHintHide(this);
        break;
      case tkBalloonTimeout:
        if (OnBalloonHintTimeout) OnBalloonHintTimeout(this);
        break;
      case tkBalloonClick:
        if (OnBalloonHintClick) OnBalloonHintClick(this);
        break;
    }
  }
  if (*Alive) UpdateExitWatch();
}

void TQvTrayIcon::ClickDefaultItem() {
  if (!FPopupMenu) return;
  TMenuItem* Items = FPopupMenu->Items();
  for (int I = 0; I < Items->Count(); ++I)
    if (Items->Items(I)->Default()) {
      Items->Items(I)->Click();
      return;
    }
}

void TQvTrayIcon::ClickTimerProc() {
  Perform(FLogic.ClickTimerTick(Options()));
}

void TQvTrayIcon::MouseExitTimerProc() {
  POINT P;
  if (!GetCursorPos(&P)) return;
  Perform(FLogic.ExitTimerTick(Options(), {P.x, P.y}));
}

void TQvTrayIcon::CycleTimerProc() {
  if (!FIconList || FIconList->Count() == 0) return;
  SetIconIndex(FIconIndex);
  CycleIcon();
  FIconIndex = QvTrayNextIconIndex(FIconIndex, FIconList->Count());
}

// ---- event raisers ----------------------------------------------------------------

void TQvTrayIcon::Click() {
  if (OnClick) OnClick(this);
}
void TQvTrayIcon::DblClick() {
  if (OnDblClick) OnDblClick(this);
}
void TQvTrayIcon::CycleIcon() {
  const int Count = FIconList ? FIconList->Count() : 0;
  if (OnCycle) OnCycle(this, QvTrayNextIconIndex(FIconIndex, Count));
}
void TQvTrayIcon::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}
void TQvTrayIcon::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}
void TQvTrayIcon::MouseMove(TShiftState Shift, int X, int Y) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}
void TQvTrayIcon::MouseEnter() {
  if (OnMouseEnter) OnMouseEnter(this);
}
void TQvTrayIcon::MouseExit() {
  if (OnMouseExit) OnMouseExit(this);
}
void TQvTrayIcon::DoMinimizeToTray() {
  HideMainForm();
  SetIconVisible(true);
}

// ---- menu, main form and helpers --------------------------------------------------

void TQvTrayIcon::Popup(int X, int Y) {
  if (!FPopupMenu) return;
  // The window that owns the menu must be in the foreground, or the menu stays open
  // after a click elsewhere; a null message after it lets the menu close properly.
  HWND MenuOwner = PopupList ? PopupList->Window() : Handle();
  SetForegroundWindow(MenuOwner);
  if (Application) Application->ProcessMessages();
  FPopupMenu->SetPopupComponent(this);
  FPopupMenu->Popup(X, Y);
  PostMessageW(MenuOwner, WM_NULL, 0, 0);
}

void TQvTrayIcon::PopupAtCursor() {
  POINT P;
  if (GetCursorPos(&P)) Popup(P.x, P.y);
}

bool TQvTrayIcon::BitmapToIcon(TBitmap* Bitmap, TIcon* Icon, TColor MaskColor) {
  TCustomImageList List(nullptr);
  List.SetSize(16, 16);
  List.AddMasked(Bitmap, MaskColor);
  Icon->SetHandle(ImageList_GetIcon(List.Handle(), 0, ILD_NORMAL));
  return true;
}

TPoint TQvTrayIcon::GetClientIconPos(int X, int Y) {
  const int H = GetSystemMetrics(SM_CYCAPTION);
  POINT P{X, Y};
  if (HWND Under = WindowFromPoint(P)) ScreenToClient(Under, &P);
  const int Cell = std::max(H - 1, 1);
  return {P.x % Cell - 1, P.y % Cell - 1};
}

namespace {

// The first tooltip window of the taskbar's process whose balloon style is as asked.
HWND ShellTooltip(bool Balloon) {
  HWND Tray = FindWindowW(L"Shell_TrayWnd", nullptr);
  if (!Tray) return nullptr;
  DWORD TrayProcess = 0;
  GetWindowThreadProcessId(Tray, &TrayProcess);
  for (HWND W = FindWindowExW(nullptr, nullptr, L"tooltips_class32", nullptr); W;
       W = FindWindowExW(nullptr, W, L"tooltips_class32", nullptr)) {
    DWORD Process = 0;
    GetWindowThreadProcessId(W, &Process);
    const bool IsBalloon = (GetWindowLongW(W, GWL_STYLE) & TTS_BALLOON) != 0;
    if (Process == TrayProcess && IsBalloon == Balloon) return W;
  }
  return nullptr;
}

}  // namespace

HWND TQvTrayIcon::GetTooltipHandle() {
  return ShellTooltip(false);
}

HWND TQvTrayIcon::GetBalloonHintHandle() {
  return ShellTooltip(true);
}

void TQvTrayIcon::ShowMainForm() {
  if (!OwnerWindow() || !Application || !Application->MainForm()) return;
  TCustomForm* Main = Application->MainForm();
  Application->Restore();
  if (Main->WindowState() == wsMinimized) Main->SetWindowState(wsNormal);
  Main->SetVisible(true);
  if (Main->HandleAllocated()) SetForegroundWindow(Main->Handle());
}

void TQvTrayIcon::HideMainForm() {
  if (!OwnerWindow() || !Application || !Application->MainForm()) return;
  Application->MainForm()->SetVisible(false);
  HideTaskbarIcon();
}

void TQvTrayIcon::HideTaskbarIcon() {
  if (Application && IsWindowVisible(Application->Handle()))
    ShowWindow(Application->Handle(), SW_HIDE);
}

void TQvTrayIcon::ShowTaskbarIcon() {
  if (Application && !IsWindowVisible(Application->Handle()))
    ShowWindow(Application->Handle(), SW_SHOW);
}

// ---- hooks ------------------------------------------------------------------------

bool TQvTrayIcon::HookAppProc(TMessage& M) {
  switch (M.Msg) {
    case WM_SIZE:
      if (M.WParam == SIZE_MINIMIZED && FMinimizeToTray) DoMinimizeToTray();
      break;
    case WM_WINDOWPOSCHANGED:
      if (SettingMDIForm && Application && Application->MainForm()) {
        if (Application->MainForm()->FormStyle() == fsMDIForm) {
          bool Show = true;
          if (OnStartup) OnStartup(this, Show);
          if (!Show) HideTaskbarIcon();
        }
        SettingMDIForm = false;
      }
      break;
    case WM_SYSCOMMAND:
      if ((M.WParam & 0xFFF0) == SC_RESTORE && Application && Application->MainForm()) {
        TCustomForm* Main = Application->MainForm();
        if (Main->WindowState() == wsMinimized) Main->SetWindowState(wsNormal);
        Main->SetVisible(true);
      }
      break;
  }
  // The shell restarted: it has forgotten every icon.
  if (M.Msg == TaskbarCreatedMessage() && FIconVisible) {
    FShellHasIcon = false;
    ShowIcon();
  }
  return false;
}

void TQvTrayIcon::HookFormProc(TMessage& M) {
  // Kept alive here: the handler may free this component.
  TWndMethod Old = OldWndProc;
  bool Minimizing = false;
  switch (M.Msg) {
    case WM_SHOWWINDOW:
      // The owner's top-level window: a control owner may be a child window.
      if (M.WParam == 1 && M.LParam == 0 && FHookedOwner->HandleAllocated())
        SetForegroundWindow(GetAncestor(FHookedOwner->Handle(), GA_ROOT));
      Minimizing = M.WParam == 0 && M.LParam == SW_PARENTCLOSING &&
                   !(Application && Application->Terminated());
      break;
    case WM_SYSCOMMAND:
      Minimizing = (M.WParam & 0xFFF0) == SC_MINIMIZE;
      break;
    case WM_SIZE:
      // The form itself carries the taskbar button here, so its own minimising (not the
      // application window's) sends it to the tray.
      if (M.WParam == SIZE_MINIMIZED && FMinimizeToTray && !OnMinimizeToTray) {
        if (Old) Old(M);
        DoMinimizeToTray();
        return;
      }
      break;
  }
  if (Minimizing && FMinimizeToTray && OnMinimizeToTray) {
    OnMinimizeToTray(this);
    DoMinimizeToTray();
    M.Result = 1;
    return;
  }
  if (Old) Old(M);
}

}  // namespace qv
