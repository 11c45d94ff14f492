#pragma once
// TQvTrayIcon: an icon in the notification area of the taskbar, with its tooltip, balloon
// notifications, icon cycling through an image list, mouse events (single told from double
// clicks, enter and exit), a popup menu, and minimising the main form to the tray.
//
// Every tray icon of the module talks to the shell through one shared hidden window (the
// handler), which receives the shell's notifications and hands them to the icon they name.
// The rules live in QvTrayIconLogic; this is the glue to the shell, the timers and the forms.
#include <functional>
#include <memory>

#include "dialogs/QvTrayIconLogic.h"
#include "host/Control.h"

namespace qv {

class TIcon;
class TBitmap;
class TCustomImageList;
class TChangeLink;
class TPopupMenu;
class TSimpleTimer;
struct TTrayIconRecord;

using TCycleEvent = std::function<void(TObject* Sender, int NextIndex)>;
using TStartupEvent = std::function<void(TObject* Sender, bool& ShowMainForm)>;

class TQvTrayIcon : public TComponent {
  QV_CLASS(TQvTrayIcon)
 public:
  explicit TQvTrayIcon(TComponent* AOwner);
  ~TQvTrayIcon() override;

  static constexpr bool DefaultEnabled = true, DefaultShowHint = true;
  static constexpr TBehavior DefaultBehavior = bhWin95;

  bool DesignPreview() const { return FDesignPreview; }
  void SetDesignPreview(bool Value);
  // Images to cycle through; sets IconIndex to 0.
  TCustomImageList* IconList() const { return FIconList; }
  void SetIconList(TCustomImageList* Value);
  bool CycleIcons() const { return FCycleIcons; }
  void SetCycleIcons(bool Value);
  Cardinal CycleInterval() const { return FCycleInterval; }
  void SetCycleInterval(Cardinal Value);
  // When false, no mouse event is raised (balloon events still are).
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }
  // The tooltip; the shell shows its first 127 characters.
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value);
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value);
  // Copied in; a change of the icon updates the shell's.
  TIcon* Icon() const { return FIcon.get(); }
  void SetIcon(TIcon* Value);
  bool IconVisible() const { return FIconVisible; }
  void SetIconVisible(bool Value);
  int IconIndex() const { return FIconIndex; }
  void SetIconIndex(int Value);
  TPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* Value);
  // The left button opens the popup menu too.
  bool LeftPopup() const { return FLeftPopup; }
  void SetLeftPopup(bool Value) { FLeftPopup = Value; }
  bool WantEnterExitEvents() const { return FWantEnterExitEvents; }
  void SetWantEnterExitEvents(bool Value);
  bool MinimizeToTray() const { return FMinimizeToTray; }
  void SetMinimizeToTray(bool Value) { FMinimizeToTray = Value; }
  // bhWin2000 asks the shell for its newer notifications (the right release arrives as a
  // context-menu notification).
  TBehavior Behavior() const { return FBehavior; }
  void SetBehavior(TBehavior Value);
  // The shared hidden window the shell talks to.
  HWND Handle() const;
  // The identifier the icon is registered under (unique among the live icons).
  Cardinal IconID() const { return FIconID; }

  // Each answers whether the shell call succeeded.
  bool ShowIcon();
  bool HideIcon();
  bool ModifyIcon();
  bool Refresh() { return ModifyIcon(); }
  bool SetFocus();
  // A balloon with Title (63 characters at most) and Text (255) for TimeoutSeconds.
  bool ShowBalloonHint(const String& Title, const String& Text, TBalloonHintIcon IconKind,
                       Cardinal TimeoutSeconds);
  bool HideBalloonHint();
  // Pops the popup menu up at the screen point / at the cursor.
  void Popup(int X, int Y);
  void PopupAtCursor();
  // A 16 x 16 icon from Bitmap, MaskColor transparent.
  static bool BitmapToIcon(TBitmap* Bitmap, TIcon* Icon, TColor MaskColor);
  // The position inside the icon's cell of the screen point (X, Y).
  static TPoint GetClientIconPos(int X, int Y);
  // The shell's tooltip and balloon windows (0 when there are none).
  static HWND GetTooltipHandle();
  static HWND GetBalloonHintHandle();
  void ShowMainForm();
  void HideMainForm();
  void HideTaskbarIcon();
  void ShowTaskbarIcon();

  void Loaded() override;
  const TPropTable& Properties() const override;

  TNotifyEvent OnClick, OnDblClick, OnMouseEnter, OnMouseExit, OnMinimizeToTray;
  TNotifyEvent OnBalloonHintShow, OnBalloonHintHide, OnBalloonHintTimeout, OnBalloonHintClick;
  TMouseEvent OnMouseDown, OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TCycleEvent OnCycle;
  TStartupEvent OnStartup;

  // A notification of the shell for this icon (what the handler's window calls).
  void HandleNotification(uint32_t Event);

 protected:
  virtual void Click();
  virtual void DblClick();
  virtual void CycleIcon();
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void MouseEnter();
  virtual void MouseExit();
  virtual void DoMinimizeToTray();
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  friend class TTrayIconHandler;
  bool InitIcon();
  bool Notify(uint32_t Message);
  TTrayIconOptions Options() const;
  void Perform(const TTrayActions& Actions);
  void ClickDefaultItem();
  void ClickTimerProc();
  void CycleTimerProc();
  void MouseExitTimerProc();
  void UpdateExitWatch();
  void IconChanged();
  bool HookAppProc(TMessage& Message);
  void HookFormProc(TMessage& Message);
  bool Running() const { return !Designing(); }
  bool Designing() const { return ComponentState().Contains(csDesigning); }
  TWinControl* OwnerWindow() const;

  bool FDesignPreview = false;
  TCustomImageList* FIconList = nullptr;
  bool FCycleIcons = false;
  Cardinal FCycleInterval = 0;
  bool FEnabled = DefaultEnabled;
  String FHint;
  bool FShowHint = DefaultShowHint;
  std::unique_ptr<TIcon> FIcon;
  bool FIconVisible = false;
  int FIconIndex = 0;
  TPopupMenu* FPopupMenu = nullptr;
  bool FLeftPopup = false;
  bool FWantEnterExitEvents = false;
  bool FMinimizeToTray = false;
  TBehavior FBehavior = DefaultBehavior;

  Cardinal FIconID = 0;
  TQvTrayIconLogic FLogic;
  std::unique_ptr<TSimpleTimer> CycleTimer, ClickTimer, ExitTimer;
  std::unique_ptr<TChangeLink> FIconListLink;
  bool FShellHasIcon = false;  // the shell holds the icon (added, not deleted since)
  bool FSettingIcon = false;   // the icon is replaced from the list: one shell update
  bool SettingPreview = false;
  bool SettingMDIForm = true;
  int FAppHook = 0;
  TWinControl* FHookedOwner = nullptr;
  TWndMethod OldWndProc;
  std::unique_ptr<TTrayIconRecord> IconData;
  // Cleared when the icon is freed, so that running actions stop when an event freed it.
  std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
  String FPendingIconList, FPendingPopupMenu;
};

}  // namespace qv
