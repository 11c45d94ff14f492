// Win32 side of the platform module: UTF-16 file names, monitors, foreground, hung
// windows, screen DPI and paths.
#include <shlwapi.h>
#include <windows.h>

#include "host/Platform.h"

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
