#pragma once
// TScreen: the desktop as the application sees it: its forms, the active form and
// control, the monitors with their work areas, the mouse cursor.
#include <memory>
#include <vector>

#include "host/Control.h"
#include "host/PlatformTypes.h"

namespace qv {

class TCustomForm;
class TWinControl;

enum TMonitorDefaultTo { mdNearest, mdNull, mdPrimary };

// One display monitor, as the platform reported it at the last enumeration.
class TMonitor : public TObject {
 public:
  String ClassName() const override { return L"TMonitor"; }
  HMONITOR Handle() const { return FHandle; }
  int MonitorNum() const { return FMonitorNum; }
  bool Primary() const { return FPrimary; }
  TRect BoundsRect() const { return FBoundsRect; }
  TRect WorkareaRect() const { return FWorkareaRect; }
  int Left() const { return FBoundsRect.Left; }
  int Top() const { return FBoundsRect.Top; }
  int Width() const { return FBoundsRect.Width(); }
  int Height() const { return FBoundsRect.Height(); }
  int PixelsPerInch() const { return 96; }

 private:
  friend class TScreen;
  HMONITOR FHandle = nullptr;
  int FMonitorNum = 0;
  bool FPrimary = false;
  TRect FBoundsRect;
  TRect FWorkareaRect;
};

class TScreen : public TComponent {
  QV_CLASS(TScreen)
 public:
  explicit TScreen(TComponent* AOwner);
  ~TScreen() override;

  // Forms in creation order.
  int FormCount() const { return int(FForms.size()); }
  TCustomForm* Forms(int Index) const { return FForms.at(size_t(Index)); }
  TCustomForm* ActiveForm() const { return FActiveForm; }
  // The focused control of the active form.
  TWinControl* ActiveControl() const;
  TNotifyEvent OnActiveFormChange;

  // Monitors; enumerated again on each call of MonitorCount.
  int MonitorCount();
  TMonitor* Monitors(int Index);
  TMonitor* PrimaryMonitor();
  TMonitor* MonitorFromWindow(HWND Handle, TMonitorDefaultTo Default = mdNearest);
  TMonitor* MonitorFromPoint(TPoint P, TMonitorDefaultTo Default = mdNearest);
  TMonitor* MonitorFromRect(const TRect& R, TMonitorDefaultTo Default = mdNearest);
  int Width() const;  // primary monitor
  int Height() const;
  TRect DesktopRect() const;   // all monitors
  TRect WorkAreaRect() const;  // primary monitor's work area
  int WorkAreaWidth() const { return WorkAreaRect().Width(); }
  int WorkAreaHeight() const { return WorkAreaRect().Height(); }
  int PixelsPerInch() const { return 96; }

  // The cursor shown over every control while it is not crDefault.
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value);
  // Platform cursor of an identity; SetCursors installs a cursor of the application's.
  HICON Cursors(TCursor Index) const;
  void SetCursors(TCursor Index, HICON Handle);

 private:
  friend class TCustomForm;
  void AddForm(TCustomForm* Form);
  void RemoveForm(TCustomForm* Form);
  void SetActiveForm(TCustomForm* Form);
  void EnumMonitors();
  TMonitor* FindMonitor(HMONITOR Handle);
  std::vector<TCustomForm*> FForms;
  TCustomForm* FActiveForm = nullptr;
  std::vector<std::unique_ptr<TMonitor>> FMonitors;
  TCursor FCursor = crDefault;
  std::vector<std::pair<TCursor, HICON>> FCustomCursors;
};

// The desktop, created with the application.
extern TScreen* Screen;

}  // namespace qv
