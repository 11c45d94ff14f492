// Win32 side of the platform module: UTF-16 file names, monitors, foreground, hung
// windows, screen DPI and paths.
#include <shlwapi.h>
#include <windows.h>

#include "host/Platform.h"
#include "host/WinControl.h"

namespace qv {

const wchar_t PathDelim = L'\\';

std::filesystem::path ToPlatformPath(const String& FileName) {
  return std::filesystem::path(FileName);
}

String FromPlatformPath(const std::filesystem::path& Path) {
  return Path.wstring();
}

std::FILE* OpenPlatformFile(const String& FileName, const wchar_t* Mode) {
  return _wfopen(FileName.c_str(), Mode);
}

int64_t SeekPlatformFile(std::FILE* File, int64_t Offset, int Origin) {
  _fseeki64(File, Offset, Origin);
  return _ftelli64(File);
}

void GetMonitorWorkArea(HWND Handle, bool WorkArea, TRect& Rect) {
  if (GetSystemMetrics(SM_CMONITORS) > 1) {
    HMONITOR Monitor = MonitorFromWindow(Handle, MONITOR_DEFAULTTONEAREST);
    MONITORINFO Info{};
    Info.cbSize = 40;  // the plain MONITORINFO, without the device name
    if (GetMonitorInfoW(Monitor, &Info)) {
      const RECT& R = WorkArea ? Info.rcWork : Info.rcMonitor;
      Rect = TRect{R.left, R.top, R.right, R.bottom};
    }
    return;
  }
  if (WorkArea) {
    RECT R{};
    if (SystemParametersInfoW(SPI_GETWORKAREA, 0, &R, 0))
      Rect = TRect{R.left, R.top, R.right, R.bottom};
  } else {
    Rect = TRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
}

void BringToFrontEx(HWND Handle) {
  // An input event makes this process the last one to receive input, which lets it
  // change the foreground window.
  INPUT Input{};
  Input.type = INPUT_MOUSE;
  SendInput(1, &Input, sizeof(Input));
  SetForegroundWindow(Handle);
}

bool IsHungAppWindowNT(HWND Handle) {
  using TIsHungAppWindow = BOOL(WINAPI*)(HWND);
  static TIsHungAppWindow Fn = reinterpret_cast<TIsHungAppWindow>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "IsHungAppWindow")));
  if (!Fn) return true;
  return Fn(Handle) != FALSE;
}

Integer ScreenPixelsPerInch() {
  HDC DC = GetDC(nullptr);
  Integer Ppi = DC ? GetDeviceCaps(DC, LOGPIXELSY) : 96;
  if (DC) ReleaseDC(nullptr, DC);
  return Ppi > 0 ? Ppi : 96;
}

// ---- DPI awareness and window DPI (the newer entry points are looked up at run time:
// older systems lack them) ----

namespace {

template <class TFn>
TFn DpiEntry(const wchar_t* Module, const char* Name) {
  HMODULE Lib = GetModuleHandleW(Module);
  if (!Lib) Lib = LoadLibraryW(Module);  // kept loaded for the process
  return Lib ? reinterpret_cast<TFn>(reinterpret_cast<void*>(GetProcAddress(Lib, Name))) : nullptr;
}

// Recorded DPI of a top-level window, as a window property so it goes with the window.
constexpr const wchar_t* DpiProp = L"QvSkinWindowDpi";

HWND ControlWindow(const TControl* Control) {
  for (const TControl* C = Control; C; C = C->Parent()) {
    auto* W = dynamic_cast<const TWinControl*>(C);
    if (!W) continue;
    if (W->HandleAllocated()) return const_cast<TWinControl*>(W)->Handle();
    if (!W->Parent() && W->ParentWindow()) return W->ParentWindow();
  }
  return nullptr;
}

Integer WindowPixelsPerInch(HWND Window) {
  if (HWND Root = GetAncestor(Window, GA_ROOT))
    if (auto Recorded = Integer(reinterpret_cast<intptr_t>(GetPropW(Root, DpiProp))))
      return Recorded;
  using TGetDpiForWindow = UINT(WINAPI*)(HWND);
  static const auto ForWindow = DpiEntry<TGetDpiForWindow>(L"user32.dll", "GetDpiForWindow");
  if (ForWindow)
    if (UINT Dpi = ForWindow(Window)) return Integer(Dpi);
  using TGetDpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
  static const auto ForMonitor = DpiEntry<TGetDpiForMonitor>(L"shcore.dll", "GetDpiForMonitor");
  UINT X = 0, Y = 0;
  constexpr int EffectiveDpi = 0;  // MDT_EFFECTIVE_DPI
  if (ForMonitor &&
      SUCCEEDED(
          ForMonitor(MonitorFromWindow(Window, MONITOR_DEFAULTTONEAREST), EffectiveDpi, &X, &Y)) &&
      Y > 0)
    return Integer(Y);
  return ScreenPixelsPerInch();
}

}  // namespace

Integer GetControlPixelsPerInch(const TControl* Control) {
  HWND Window = ControlWindow(Control);
  return Window && IsWindow(Window) ? WindowPixelsPerInch(Window) : ScreenPixelsPerInch();
}

void SetWindowPixelsPerInch(HWND Window, Integer Dpi) {
  if (!Window) return;
  if (Dpi > 0)
    SetPropW(Window, DpiProp, reinterpret_cast<HANDLE>(intptr_t(Dpi)));
  else
    RemovePropW(Window, DpiProp);
}

bool DeclareProcessDpiAwareness() {
  using TSetContext = BOOL(WINAPI*)(HANDLE);
  static const auto SetContext =
      DpiEntry<TSetContext>(L"user32.dll", "SetProcessDpiAwarenessContext");
  // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2; a process already declared (by its manifest
  // or an earlier call) answers access denied, which is as good.
  const auto PerMonitorV2 = reinterpret_cast<HANDLE>(intptr_t(-4));
  if (SetContext) {
    if (SetContext(PerMonitorV2) || GetLastError() == ERROR_ACCESS_DENIED) return true;
  }
  using TSetAwareness = HRESULT(WINAPI*)(int);
  static const auto SetAwareness = DpiEntry<TSetAwareness>(L"shcore.dll", "SetProcessDpiAwareness");
  constexpr int PerMonitorAware = 2;  // PROCESS_PER_MONITOR_DPI_AWARE
  if (SetAwareness) {
    HRESULT Result = SetAwareness(PerMonitorAware);
    if (SUCCEEDED(Result) || Result == E_ACCESSDENIED) return true;
  }
  return SetProcessDPIAware() != FALSE;
}

String GetAbsolutePathEx(const String& BasePath, const String& RelativePath) {
  wchar_t Buffer[MAX_PATH] = {};
  if (!PathCombineW(Buffer, BasePath.empty() ? nullptr : BasePath.c_str(),
                    RelativePath.empty() ? nullptr : RelativePath.c_str()))
    return String();
  return String(Buffer);
}

String GetExeFolder() {
  std::wstring Buffer(MAX_PATH, L'\0');
  for (;;) {
    DWORD N = GetModuleFileNameW(nullptr, Buffer.data(), DWORD(Buffer.size()));
    if (N == 0) return String();
    if (N < Buffer.size()) {
      Buffer.resize(N);
      break;
    }
    Buffer.resize(Buffer.size() * 2);
  }
  size_t P = Buffer.find_last_of(L"\\/");
  return P == String::npos ? String() : Buffer.substr(0, P + 1);
}

}  // namespace qv
