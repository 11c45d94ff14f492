#pragma once
// The tray icon's platform side that tests reach: the icon's shell record and the one shell
// call every tray icon goes through.
#include <windows.h>
// (shellapi.h after windows.h)
#include <shellapi.h>

#include <functional>

namespace qv {

// The shell's notify-icon record of one icon, in the size that ends after dwInfoFlags.
struct TTrayIconRecord {
  NOTIFYICONDATAW Data{};
};

using TShellNotifyIcon = std::function<BOOL(DWORD Message, NOTIFYICONDATAW* Data)>;
// Replaces the shell call of every tray icon (an empty function restores
// Shell_NotifyIconW) and answers the previous one.
TShellNotifyIcon SetShellNotifyIcon(TShellNotifyIcon Proc);
// The message the shell broadcasts when the taskbar is created again.
UINT TaskbarCreatedMessage();

}  // namespace qv
