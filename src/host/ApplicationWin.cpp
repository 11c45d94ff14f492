#include <algorithm>

#include "host/Actions.h"
#include "host/Application.h"
#include "host/ControlsWin.h"
#include "host/Form.h"
#include "host/HiddenWindow.h"
#include "host/HintWindow.h"
#include "host/Menus.h"
#include "host/ScopeGuard.h"
#include "host/Screen.h"

namespace qv {

TApplication* Application = nullptr;

namespace {

constexpr UINT_PTR kHintShowTimer = 1;
constexpr UINT_PTR kHintHideTimer = 2;

// The application and the screen live from static initialisation to exit.
struct TGlobals {
  TGlobals() {
    Screen = new TScreen(nullptr);
    Application = new TApplication(nullptr);
  }
  ~TGlobals() {
    delete Application;
    Application = nullptr;
    delete Screen;
    Screen = nullptr;
  }
} gGlobals;

String ShortHint(const String& Hint) {
  size_t Bar = Hint.find(L'|');
  return Bar == String::npos ? Hint : Hint.substr(0, Bar);
}

// The control whose hint shows over Control: the nearest one with ShowHint.
TControl* HintControlOf(TControl* Control) {
  while (Control && !Control->ShowHint()) Control = Control->Parent();
  return Control;
}

}  // namespace

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {
  FHandle = AllocateHWnd([this](TMessage& M) { WndProc(M); }, false);
  wchar_t Path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, Path, MAX_PATH);
  String Name = Path;
  size_t Slash = Name.find_last_of(L"\\/");
  if (Slash != String::npos) Name.erase(0, Slash + 1);
  size_t Dot = Name.rfind(L'.');
  if (Dot != String::npos) Name.erase(Dot);
  SetTitle(Name);
}

TApplication::~TApplication() {
  CancelHint();
  FComponentState.Include(csDestroying);
  while (ComponentCount() > 0) delete Components(ComponentCount() - 1);
  FMainForm = nullptr;
  FHintWindow = nullptr;
  DeallocateHWnd(FHandle);
}

void TApplication::SetTitle(const String& Value) {
  FTitle = Value;
  if (FHandle) SetWindowTextW(FHandle, Value.c_str());
}

// ---- message loop -----------------------------------------------------------------

namespace {

// A key message goes to the focused control as CN_KEYDOWN (and the like) first; the
// control may turn it into a dialog key of its form and swallow it.
bool IsKeyMsg(MSG& Msg) {
  if (Msg.message < WM_KEYFIRST || Msg.message > WM_KEYLAST) return false;
  TWinControl* Control = FindVCLWindowFromHandle(Msg.hwnd);
  if (!Control) return false;
  TMessage M;
  M.Msg = CN_BASE + Msg.message;
  M.WParam = Msg.wParam;
  M.LParam = Msg.lParam;
  Control->MainWndProc(M);
  return M.Result != 0;
}

}  // namespace

bool TApplication::ProcessMessage() {
  MSG Msg;
  if (!PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (Msg.message == WM_QUIT) {
    FTerminated = true;
    return true;
  }
  if (FHintActive && FHintWindow) {
    TMessage M;
    M.Msg = Msg.message;
    M.WParam = Msg.wParam;
    M.LParam = Msg.lParam;
    if (FHintWindow->IsHintMsg(M)) CancelHint();
  }
  if (!IsKeyMsg(Msg)) {
    TranslateMessage(&Msg);
    DispatchMessageW(&Msg);
  }
  return true;
}

void TApplication::Idle() {
  bool Done = true;
  try {
    UpdateAllActionLists();
    if (OnIdle) OnIdle(this, Done);
  } catch (...) {  // reported like any event's error; the message loop goes on
    HandleException(this);
  }
  if (Done) WaitMessage();
}

void TApplication::HandleMessage() {
  if (!ProcessMessage()) Idle();
}

void TApplication::ProcessMessages() {
  while (ProcessMessage()) {
  }
}

void TApplication::Run() {
  FTerminated = false;
  if (FMainForm && FShowMainForm) {
    if (FMainForm->WindowState() == wsMinimized)
      FMainForm->SetVisible(true);
    else
      FMainForm->Show();
  }
  while (!FTerminated) HandleMessage();
}

void TApplication::Terminate() {
  PostQuitMessage(0);
}

int TApplication::HookMainWindow(TWindowHook Hook) {
  int Id = FNextHookId++;
  FHooks.push_back({Id, std::move(Hook)});
  return Id;
}

void TApplication::UnhookMainWindow(int HookId) {
  std::erase_if(FHooks, [&](const THook& H) { return H.Id == HookId; });
}

void TApplication::WndProc(TMessage& Message) {
  if (!FHandle) return;
  // The most recent hook sees the message first.
  std::vector<THook> Hooks = FHooks;
  for (auto It = Hooks.rbegin(); It != Hooks.rend(); ++It)
    if (It->Hook(Message)) return;
  switch (Message.Msg) {
    case WM_TIMER:
      if (Message.WParam == kHintShowTimer) {
        StopHintTimer();
        ShowHintNow();
        return;
      }
      if (Message.WParam == kHintHideTimer) {
        HideHint();
        return;
      }
      break;
    case CM_RELEASE: {
      auto* Form = reinterpret_cast<TCustomForm*>(Message.LParam);
      for (int I = 0; Screen && I < Screen->FormCount(); ++I)
        if (Screen->Forms(I) == Form) {
          delete Form;
          break;
        }
      return;
    }
    case WM_ACTIVATEAPP:
      FActive = Message.WParam != 0;
      if (!FActive) CancelHint();
      if (FActive && OnActivate) OnActivate(this);
      if (!FActive && OnDeactivate) OnDeactivate(this);
      break;
    case WM_CLOSE:
      if (FMainForm) FMainForm->Close();
      return;
  }
  Message.Result = DefWindowProcW(FHandle, Message.Msg, Message.WParam, Message.LParam);
}

void TApplication::Minimize() {
  if (FMainForm && FMainForm->HandleAllocated()) ShowWindow(FMainForm->Handle(), SW_MINIMIZE);
}

void TApplication::Restore() {
  if (FMainForm && FMainForm->HandleAllocated()) ShowWindow(FMainForm->Handle(), SW_RESTORE);
}

void TApplication::BringToFront() {
  if (FMainForm) FMainForm->BringToFront();
}

// ---- exceptions -------------------------------------------------------------------

void TApplication::HandleException(TObject* Sender) {
  if (FHandlingException) return;
  TScopedValue Handling(FHandlingException, true);
  try {
    try {
      throw;
    } catch (const std::exception& E) {
      if (OnException)
        OnException(Sender, E);
      else
        ShowException(E);
    } catch (...) {  // not a std::exception: reported under a generic text
      std::runtime_error E("Unknown exception");
      if (OnException)
        OnException(Sender, E);
      else
        ShowException(E);
    }
  } catch (...) {
    // A failing report must not take the message loop down.
  }
}

void TApplication::ShowException(const std::exception& E) {
  auto* Q = dynamic_cast<const Exception*>(&E);
  String Text = Q ? Q->Message() : FromUtf8(E.what());
  MessageBoxW(GetActiveWindow(), Text.c_str(), FTitle.c_str(), MB_OK | MB_ICONSTOP);
}

void HandleControlException() {
  if (Application) {
    Application->HandleException(nullptr);
  }
}

// ---- hints ------------------------------------------------------------------------

void TApplication::SetShowHint(bool Value) {
  FShowHint = Value;
  if (!Value) CancelHint();
}

void TApplication::SetHintWindowClass(THintWindowClass Value) {
  FHintWindowClass = std::move(Value);
  HideHint();
  if (FHintWindow) {
    THintWindow* Old = FHintWindow;
    FHintWindow = nullptr;
    delete Old;
  }
}

void TApplication::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FHintWindow) {
    FHintWindow = nullptr;
    FHintActive = false;
  }
  if (AComponent == FMainForm) FMainForm = nullptr;
}

void TApplication::StartHintTimer(int Delay) {
  SetTimer(FHandle, kHintShowTimer, UINT(std::max(Delay, 1)), nullptr);
  FHintTimerRunning = true;
}

void TApplication::StopHintTimer() {
  if (FHintTimerRunning) KillTimer(FHandle, kHintShowTimer);
  FHintTimerRunning = false;
}

void TApplication::HideHint() {
  KillTimer(FHandle, kHintHideTimer);
  if (FHintWindow && FHintWindow->HandleAllocated()) FHintWindow->ReleaseHandle();
  FHintActive = false;
}

void TApplication::CancelHint() {
  StopHintTimer();
  HideHint();
  FHintControl = nullptr;
}

void TApplication::ActivateHint(TPoint CursorPos) {
  TControl* Over = FindDragTarget(CursorPos, true);
  TControl* Hint = HintControlOf(Over);
  if (!Hint) return;
  FHintControl = Hint;
  ShowHintNow();
}

void TApplication::ShowHintNow() {
  if (!FHintControl || !FShowHint) return;
  POINT P;
  GetCursorPos(&P);
  THintInfo Info;
  Info.HintControl = FHintControl;
  Info.HintPos = {P.x, P.y + GetSystemMetrics(SM_CYCURSOR) / 2 + 4};
  Info.HintMaxWidth = Screen ? Screen->Width() : 1024;
  Info.HintColor = FHintColor;
  Info.CursorRect = FHintControl->ClientRect();
  Info.CursorPos = FHintControl->ScreenToClient({P.x, P.y});
  Info.HintStr = ShortHint(FHintControl->Hint());
  Info.HideTimeout = FHintHidePause;
  if (FHintControl->Perform(CM_HINTSHOW, 0, intptr_t(&Info)) != 0 || Info.HintStr.empty()) return;
  if (!FHintWindow) {
    FHintWindow = FHintWindowClass ? FHintWindowClass(this) : new THintWindow(this);
    if (FHintWindow && FHintWindow->Owner() != this) InsertComponent(FHintWindow);
  }
  if (!FHintWindow) return;
  FHintWindow->SetColor(Info.HintColor);
  TRect R = FHintWindow->CalcHintRect(Info.HintMaxWidth, Info.HintStr, Info.HintData);
  OffsetRect(R, Info.HintPos.X, Info.HintPos.Y);
  FHintWindow->ActivateHintData(R, Info.HintStr, Info.HintData);
  FHintActive = true;
  if (Info.HideTimeout > 0) SetTimer(FHandle, kHintHideTimer, UINT(Info.HideTimeout), nullptr);
}

void TApplication::ControlDestroying(TControl* Control) {
  if (Control == FHintControl) CancelHint();
}

void AppControlDestroying(TControl* Control) {
  if (Application) Application->ControlDestroying(Control);
}

void AppMouseEntered(TControl* Control) {
  if (!Application || !Application->FShowHint) return;
  TControl* Hint = HintControlOf(Control);
  if (!Hint || Hint->Hint().empty()) {
    Application->CancelHint();
    return;
  }
  if (Hint == Application->FHintControl) return;
  bool WasShowing = Application->FHintActive;
  Application->HideHint();
  Application->FHintControl = Hint;
  Application->StartHintTimer(WasShowing ? Application->FHintShortPause : Application->FHintPause);
}

void AppMouseLeft(TControl* Control) {
  if (!Application || !Application->FHintControl) return;
  // Still over the same hint (a child without a hint of its own): keep it.
  POINT P;
  GetCursorPos(&P);
  TControl* Over = FindDragTarget({P.x, P.y}, true);
  if (Over && Over != Control && HintControlOf(Over) == Application->FHintControl) return;
  Application->CancelHint();
}

void AppCancelHint() {
  if (Application && (Application->FHintActive || Application->FHintTimerRunning))
    Application->CancelHint();
}

}  // namespace qv
