#pragma once
// TApplication: the message loop with idle processing, the main form, the hidden
// application window and its hooks, exception reporting and the hint machinery.
#include <functional>
#include <vector>

#include "host/Control.h"
#include "host/PlatformTypes.h"

namespace qv {

class TCustomForm;
class THintWindow;

// A hook on the application window: answers true when it handled the message.
using TWindowHook = std::function<bool(TMessage& Message)>;
// Creates the application's hint window; replaced to change the hint window class.
using THintWindowClass = std::function<THintWindow*(TComponent* Owner)>;
using TIdleEvent = std::function<void(TObject* Sender, bool& Done)>;
using TExceptionEvent = std::function<void(TObject* Sender, const std::exception& E)>;

// What a control may change before its hint shows (CM_HINTSHOW's LParam).
struct THintInfo {
  TControl* HintControl = nullptr;
  TPoint HintPos;  // screen position of the hint's top-left
  int HintMaxWidth = 0;
  TColor HintColor = 0;
  TRect CursorRect;  // client rectangle the hint belongs to
  TPoint CursorPos;  // client position of the cursor
  int ReshowTimeout = 0;
  int HideTimeout = 0;
  String HintStr;
  void* HintData = nullptr;
};

class TApplication : public TComponent {
  QV_CLASS(TApplication)
 public:
  explicit TApplication(TComponent* AOwner);
  ~TApplication() override;

  // Shows the main form and runs the message loop until Terminate or until the main
  // form closes.
  void Run();
  void Terminate();
  bool Terminated() const { return FTerminated; }
  // Handles every message in the queue, then returns.
  void ProcessMessages();
  // Handles one message, or idles (OnIdle, then waits) when there is none.
  void HandleMessage();
  // The first form created through CreateForm (or set here).
  TCustomForm* MainForm() const { return FMainForm; }
  void SetMainForm(TCustomForm* Value) { FMainForm = Value; }
  template <typename T>
  T* CreateForm() {
    T* Form = new T(this);
    if (!FMainForm) FMainForm = Form;
    return Form;
  }
  bool ShowMainForm() const { return FShowMainForm; }
  void SetShowMainForm(bool Value) { FShowMainForm = Value; }
  const String& Title() const { return FTitle; }
  void SetTitle(const String& Value);
  // The hidden application window; its messages reach the hooks first.
  HWND Handle() const { return FHandle; }
  int HookMainWindow(TWindowHook Hook);
  void UnhookMainWindow(int HookId);
  void Minimize();
  void Restore();
  void BringToFront();
  bool Active() const { return FActive; }
  int ModalLevel() const { return FModalLevel; }

  // Reports an exception that escaped an event: OnException, or a message box.
  void HandleException(TObject* Sender);
  void ShowException(const std::exception& E);

  // Hints.
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value);
  int HintPause() const { return FHintPause; }
  void SetHintPause(int Value) { FHintPause = Value; }
  int HintShortPause() const { return FHintShortPause; }
  void SetHintShortPause(int Value) { FHintShortPause = Value; }
  int HintHidePause() const { return FHintHidePause; }
  void SetHintHidePause(int Value) { FHintHidePause = Value; }
  TColor HintColor() const { return FHintColor; }
  void SetHintColor(TColor Value) { FHintColor = Value; }
  const THintWindowClass& HintWindowClass() const { return FHintWindowClass; }
  void SetHintWindowClass(THintWindowClass Value);
  THintWindow* HintWindow() const { return FHintWindow; }
  // Shows the hint of the control under the cursor now.
  void ActivateHint(TPoint CursorPos);
  void CancelHint();
  void HideHint();

  TIdleEvent OnIdle;
  TExceptionEvent OnException;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  friend void AppControlDestroying(TControl*);
  friend void AppMouseEntered(TControl*);
  friend void AppMouseLeft(TControl*);
  friend void AppCancelHint();
  friend class TCustomForm;
  bool ProcessMessage();
  void Idle();
  void WndProc(TMessage& Message);
  void StartHintTimer(int Delay);
  void StopHintTimer();
  void ShowHintNow();
  void ControlDestroying(TControl* Control);
  HWND FHandle = nullptr;
  TCustomForm* FMainForm = nullptr;
  bool FTerminated = false;
  bool FShowMainForm = true;
  bool FActive = false;
  bool FHandlingException = false;
  int FModalLevel = 0;
  String FTitle;
  struct THook {
    int Id;
    TWindowHook Hook;
  };
  std::vector<THook> FHooks;
  int FNextHookId = 1;
  bool FShowHint = true;
  int FHintPause = 500;
  int FHintShortPause = 50;
  int FHintHidePause = 2500;
  TColor FHintColor = int32_t(0xFF000018);  // clInfoBk
  THintWindowClass FHintWindowClass;
  THintWindow* FHintWindow = nullptr;
  TControl* FHintControl = nullptr;  // the control whose hint is pending or shown
  bool FHintActive = false;
  bool FHintTimerRunning = false;
};

// The application object, created before any control.
extern TApplication* Application;

}  // namespace qv
