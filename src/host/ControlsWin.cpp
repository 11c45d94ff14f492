#include "host/ControlsWin.h"

#include <map>
#include <mutex>
#include <unordered_map>

#include "host/Colors.h"

namespace qv {

TShiftState KeysToShiftState(WPARAM Keys) {
  TShiftState S;
  if (Keys & MK_SHIFT) S.Include(ssShift);
  if (Keys & MK_CONTROL) S.Include(ssCtrl);
  if (Keys & MK_LBUTTON) S.Include(ssLeft);
  if (Keys & MK_RBUTTON) S.Include(ssRight);
  if (Keys & MK_MBUTTON) S.Include(ssMiddle);
  if (GetKeyState(VK_MENU) < 0) S.Include(ssAlt);
  return S;
}

TShiftState KeyDataToShiftState(LPARAM KeyData) {
  TShiftState S;
  if (GetKeyState(VK_SHIFT) < 0) S.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) S.Include(ssCtrl);
  if (KeyData & 0x20000000) S.Include(ssAlt);  // context code: Alt is down
  return S;
}

TShiftState CurrentShiftState() {
  TShiftState S;
  if (GetKeyState(VK_SHIFT) < 0) S.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) S.Include(ssCtrl);
  if (GetKeyState(VK_MENU) < 0) S.Include(ssAlt);
  if (GetKeyState(VK_LBUTTON) < 0) S.Include(ssLeft);
  if (GetKeyState(VK_RBUTTON) < 0) S.Include(ssRight);
  if (GetKeyState(VK_MBUTTON) < 0) S.Include(ssMiddle);
  return S;
}

COLORREF ColorToPlatform(TColor Color) {
  return COLORREF(ColorToRGB(Color) & 0xFFFFFF);
}

HCURSOR CursorHandle(TCursor Cursor) {
  const wchar_t* Id = nullptr;
  switch (Cursor) {
    case crArrow:
      Id = IDC_ARROW;
      break;
    case crCross:
      Id = IDC_CROSS;
      break;
    case crIBeam:
      Id = IDC_IBEAM;
      break;
    case crSizeNESW:
      Id = IDC_SIZENESW;
      break;
    case crSizeNS:
    case crVSplit:
      Id = IDC_SIZENS;
      break;
    case crSizeNWSE:
      Id = IDC_SIZENWSE;
      break;
    case crSizeWE:
    case crHSplit:
      Id = IDC_SIZEWE;
      break;
    case crUpArrow:
      Id = IDC_UPARROW;
      break;
    case crHourGlass:
    case crSQLWait:
      Id = IDC_WAIT;
      break;
    case crNo:
    case crNoDrop:
      Id = IDC_NO;
      break;
    case crAppStart:
      Id = IDC_APPSTARTING;
      break;
    case crHelp:
      Id = IDC_HELP;
      break;
    case crHandPoint:
      Id = IDC_HAND;
      break;
    case crSizeAll:
      Id = IDC_SIZEALL;
      break;
    case crNone:
      return nullptr;
    default:
      Id = IDC_ARROW;
      break;
  }
  return LoadCursorW(nullptr, Id);
}

namespace {

thread_local TWinControl* tCreationControl = nullptr;

// Each window's control, kept in the process: a window property would cost a round trip
// to the window server on every message under Wine. Never destroyed, so that windows
// ending during static destruction still find the table.
struct TControlTable {
  std::mutex Lock;
  std::unordered_map<HWND, TWinControl*> Map;
};
TControlTable& Controls() {
  static auto* Table = new TControlTable;
  return *Table;
}
TWinControl* ControlOf(HWND Wnd) {
  TControlTable& T = Controls();
  std::lock_guard Guard(T.Lock);
  auto It = T.Map.find(Wnd);
  return It == T.Map.end() ? nullptr : It->second;
}
void SetControlOf(HWND Wnd, TWinControl* Control) {
  TControlTable& T = Controls();
  std::lock_guard Guard(T.Lock);
  if (Control)
    T.Map[Wnd] = Control;
  else
    T.Map.erase(Wnd);
}

// Procedure each registered class had before it became ours.
std::map<String, WNDPROC>& BaseProcs() {
  static std::map<String, WNDPROC> Procs;
  return Procs;
}

WNDPROC BaseProcOf(HWND Wnd) {
  wchar_t Name[256];
  if (GetClassNameW(Wnd, Name, 256) > 0) {
    auto It = BaseProcs().find(Name);
    if (It != BaseProcs().end()) return It->second;
  }
  return DefWindowProcW;
}

}  // namespace

void SetCreationControl(TWinControl* Control) {
  tCreationControl = Control;
}

TWinControl* FindControl(HWND Handle) {
  if (!Handle) return nullptr;
  DWORD Pid = 0;
  GetWindowThreadProcessId(Handle, &Pid);
  if (Pid != GetCurrentProcessId()) return nullptr;
  return ControlOf(Handle);
}

WNDPROC RegisterControlClass(const TCreateParams& Params) {
  auto It = BaseProcs().find(Params.WinClassName);
  if (It != BaseProcs().end()) return It->second;
  HINSTANCE Instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW Class{};
  Class.cbSize = sizeof(Class);
  WNDPROC Base = DefWindowProcW;
  if (!Params.BaseClassName.empty()) {
    WNDCLASSEXW Info{};
    Info.cbSize = sizeof(Info);
    if (!GetClassInfoExW(nullptr, Params.BaseClassName.c_str(), &Info) &&
        !GetClassInfoExW(Instance, Params.BaseClassName.c_str(), &Info))
      throw Exception(L"Window class '" + Params.BaseClassName + L"' is not registered");
    Base = Info.lpfnWndProc;
    Class.cbClsExtra = Info.cbClsExtra;
    Class.cbWndExtra = Info.cbWndExtra;
  }
  Class.style = Params.WindowClass.Style;
  Class.hCursor = Params.WindowClass.Cursor;
  Class.hbrBackground = Params.WindowClass.Background;
  Class.hIcon = Params.WindowClass.Icon;
  Class.lpfnWndProc = ControlWndProc;
  Class.hInstance = Instance;
  Class.lpszClassName = Params.WinClassName.c_str();
  if (!RegisterClassExW(&Class) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    throw Exception(L"Cannot register the window class '" + Params.WinClassName + L"'");
  BaseProcs()[Params.WinClassName] = Base;
  return Base;
}

LRESULT CALLBACK ControlWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  TWinControl* C = ControlOf(Wnd);
  if (!C) {
    C = tCreationControl;
    if (!C) return CallWindowProcW(BaseProcOf(Wnd), Wnd, Msg, WParam, LParam);
    tCreationControl = nullptr;
    SetControlOf(Wnd, C);
    TWinControlAccess::Attach(C, Wnd);
  }
  TMessage M;
  M.Msg = Msg;
  M.WParam = WParam;
  M.LParam = LParam;
  C->MainWndProc(M);
  if (Msg == WM_NCDESTROY) {
    SetControlOf(Wnd, nullptr);
    if (TWinControlAccess::HandleOf(C) == Wnd) TWinControlAccess::Detach(C);
  }
  return M.Result;
}

}  // namespace qv
