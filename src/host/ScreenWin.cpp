#include <algorithm>

#include "host/ControlsWin.h"
#include "host/Form.h"
#include "host/Screen.h"

namespace qv {

TScreen* Screen = nullptr;

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner) {}

TScreen::~TScreen() = default;

void TScreen::AddForm(TCustomForm* Form) {
  FForms.push_back(Form);
}

void TScreen::RemoveForm(TCustomForm* Form) {
  std::erase(FForms, Form);
  if (FActiveForm == Form) SetActiveForm(nullptr);
}

void TScreen::SetActiveForm(TCustomForm* Form) {
  if (FActiveForm == Form) return;
  FActiveForm = Form;
  if (OnActiveFormChange) OnActiveFormChange(this);
}

TWinControl* TScreen::ActiveControl() const {
  return FActiveForm ? FActiveForm->ActiveControl() : nullptr;
}

// ---- monitors ---------------------------------------------------------------------

namespace {

BOOL CALLBACK CollectMonitor(HMONITOR Monitor, HDC, LPRECT, LPARAM Data) {
  reinterpret_cast<std::vector<HMONITOR>*>(Data)->push_back(Monitor);
  return TRUE;
}

TRect ToRect(const RECT& R) {
  return Rect(R.left, R.top, R.right, R.bottom);
}

}  // namespace

void TScreen::EnumMonitors() {
  std::vector<HMONITOR> Handles;
  EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, LPARAM(&Handles));
  // Objects are kept (callers may hold them); the list follows the platform.
  std::vector<std::unique_ptr<TMonitor>> Next;
  for (HMONITOR H : Handles) {
    std::unique_ptr<TMonitor> M;
    for (auto& Old : FMonitors)
      if (Old && Old->FHandle == H) M = std::move(Old);
    if (!M) M = std::make_unique<TMonitor>();
    MONITORINFO Info{};
    Info.cbSize = sizeof(Info);
    GetMonitorInfoW(H, &Info);
    M->FHandle = H;
    M->FMonitorNum = int(Next.size());
    M->FPrimary = (Info.dwFlags & MONITORINFOF_PRIMARY) != 0;
    M->FBoundsRect = ToRect(Info.rcMonitor);
    M->FWorkareaRect = ToRect(Info.rcWork);
    Next.push_back(std::move(M));
  }
  FMonitors = std::move(Next);
}

int TScreen::MonitorCount() {
  EnumMonitors();
  return int(FMonitors.size());
}

TMonitor* TScreen::Monitors(int Index) {
  if (FMonitors.empty()) EnumMonitors();
  return FMonitors.at(size_t(Index)).get();
}

TMonitor* TScreen::FindMonitor(HMONITOR Handle) {
  if (!Handle) return nullptr;
  for (int Pass = 0; Pass < 2; ++Pass) {
    for (auto& M : FMonitors)
      if (M->FHandle == Handle) return M.get();
    EnumMonitors();
  }
  return nullptr;
}

TMonitor* TScreen::PrimaryMonitor() {
  EnumMonitors();
  for (auto& M : FMonitors)
    if (M->FPrimary) return M.get();
  return FMonitors.empty() ? nullptr : FMonitors.front().get();
}

static DWORD DefaultFlag(TMonitorDefaultTo Default) {
  return Default == mdNull      ? MONITOR_DEFAULTTONULL
         : Default == mdPrimary ? MONITOR_DEFAULTTOPRIMARY
                                : MONITOR_DEFAULTTONEAREST;
}

TMonitor* TScreen::MonitorFromWindow(HWND Handle, TMonitorDefaultTo Default) {
  return FindMonitor(::MonitorFromWindow(Handle, DefaultFlag(Default)));
}

TMonitor* TScreen::MonitorFromPoint(TPoint P, TMonitorDefaultTo Default) {
  return FindMonitor(::MonitorFromPoint(POINT{P.X, P.Y}, DefaultFlag(Default)));
}

TMonitor* TScreen::MonitorFromRect(const TRect& R, TMonitorDefaultTo Default) {
  RECT W{R.Left, R.Top, R.Right, R.Bottom};
  return FindMonitor(::MonitorFromRect(&W, DefaultFlag(Default)));
}

int TScreen::Width() const {
  return GetSystemMetrics(SM_CXSCREEN);
}

int TScreen::Height() const {
  return GetSystemMetrics(SM_CYSCREEN);
}

TRect TScreen::DesktopRect() const {
  int X = GetSystemMetrics(SM_XVIRTUALSCREEN), Y = GetSystemMetrics(SM_YVIRTUALSCREEN);
  return Bounds(X, Y, GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
}

TRect TScreen::WorkAreaRect() const {
  RECT R;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &R, 0);
  return ToRect(R);
}

// ---- cursors ----------------------------------------------------------------------

void TScreen::SetCursor(TCursor Value) {
  if (FCursor == Value) return;
  FCursor = Value;
  // Show it now rather than at the next mouse move.
  POINT P;
  GetCursorPos(&P);
  SetCursorPos(P.x, P.y);
}

HICON TScreen::Cursors(TCursor Index) const {
  for (auto& [Id, Handle] : FCustomCursors)
    if (Id == Index) return Handle;
  return CursorHandle(Index);
}

void TScreen::SetCursors(TCursor Index, HICON Handle) {
  for (auto& [Id, H] : FCustomCursors)
    if (Id == Index) {
      H = Handle;
      return;
    }
  FCustomCursors.emplace_back(Index, Handle);
}

}  // namespace qv
