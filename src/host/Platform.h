#pragma once
// What the layers above share of the platform: file names and paths, the executable's
// folder, UTF-8 text files, the screen's monitors and DPI scaling (an opt-in mode; off, the
// library runs at 96-DPI metrics), and bringing a window to the front.
// Portable header; the platform parts live in PlatformWin.cpp (PlatformHeadless.cpp
// natively).
#include <cstdint>
#include <cstdio>
#include <filesystem>

#include "host/PlatformTypes.h"
#include "host/Types.h"

namespace qv {

class TControl;
class TFont;
class TStringList;

// ---- file names and paths ----

// The platform's path delimiter: '\' on Windows, '/' elsewhere.
extern const wchar_t PathDelim;
// A String path as the platform's file functions take it (UTF-16 on Windows, UTF-8
// elsewhere), and back.
std::filesystem::path ToPlatformPath(const String& FileName);
String FromPlatformPath(const std::filesystem::path& Path);
// A C stream on the file, Mode as for fopen ("rb", "wb", ...); null when it cannot open.
std::FILE* OpenPlatformFile(const String& FileName, const wchar_t* Mode);
// Moves the stream by Offset from Origin (SEEK_SET, SEEK_CUR, SEEK_END) with 64-bit
// offsets; the new position.
int64_t SeekPlatformFile(std::FILE* File, int64_t Offset, int Origin);
// The platform's path combination (PathCombineW): joins and canonicalises; "" on failure.
String GetAbsolutePathEx(const String& BasePath, const String& RelativePath);
// Folder of the running executable, with a trailing delimiter.
String GetExeFolder();

// ---- text files ----

// The whole file as UTF-8 (a byte-order mark is skipped).
// Raises Exception "File does not exist: <name>" when it is missing.
String ReadUTF8File(const String& FileName);
// Text split into lines and written as UTF-8 with a byte-order mark and a line break after
// each line.
void WriteUTF8File(const String& Text, const String& FileName);
// Appends the lines from the first StartLine to the first following EndLine (both
// included; compared trimmed, and upper-cased unless CaseSensitive) to Dest. False and
// Dest untouched when either line is missing.
bool ExtractBetweenStrings(const TStringList& Lines, TStringList& Dest, const String& StartLine,
                           bool CaseSensitive, const String& EndLine);

// ---- monitor and windows ----

// The work area (WorkArea true) or the whole area of the monitor nearest to the window.
void GetMonitorWorkArea(HWND Handle, bool WorkArea, TRect& Rect);
// One empty input event, then SetForegroundWindow, so the window may take the foreground.
void BringToFrontEx(HWND Handle);
// user32's IsHungAppWindow looked up at run time; true when it is missing.
bool IsHungAppWindowNT(HWND Handle);

// ---- DPI ----
// The high-DPI mode is off by default: every control runs at 96-DPI metrics and no
// resource suffix is appended. An application turns it on before it creates its forms;
// the process then declares per-monitor (v2) awareness where the platform offers it.
// Turning it off again restores every answer of the off mode (an awareness the process
// has declared stays: the platform cannot take it back).

void SetAppHighDPIMode(bool On);
bool AppIsHighDPIMode();
// Off: 1.0. On: the DPI of the control (GetControlPixelsPerInch) / 96.
double GetDPIScaleValue(const TControl* Control);
// GetDPIScaleValue(nil) > 1.
bool AppInHighDPIMode();
// Pixels per inch of the screen (96 where there is no screen).
Integer ScreenPixelsPerInch();
// The DPI of the window showing the control: the control's own window or its nearest
// parent's that has a handle (a DPI recorded by SetWindowPixelsPerInch for its top-level
// window first, then the platform's window DPI, then its monitor's); the screen's for nil
// or a control without any window.
Integer GetControlPixelsPerInch(const TControl* Control);
// Records the DPI the system told a top-level window (WM_DPICHANGED), answered for it and
// its children ahead of the platform's own query; 0 forgets it. Nothing without windows.
void SetWindowPixelsPerInch(HWND Window, Integer Dpi);
// Declares per-monitor-v2 awareness for the process, quietly falling back to older forms
// or nothing where the platform lacks them; true when one of them took.
bool DeclareProcessDpiAwareness();
// N scaled by the control's DPI in high-DPI mode (MulDiv(N, DPI, 96)); N otherwise.
Integer GetDPIScaledPixels(const TControl* Control, Integer N);
TPoint GetDPIScaledPixels(const TControl* Control, const TPoint& P);
TRect GetDPIScaledPixels(const TControl* Control, const TRect& R);
// Size; in high-DPI mode round(GetDPIScaledPixels(Control, Size) * 0.75).
Integer GetDPIScaledFontSize(const TControl* Control, Integer Size);
// In high-DPI mode: the font's size becomes GetDPIScaledPixels of it; otherwise nothing.
void SetDPIScaledFont(const TControl* Control, TFont* Font);
// In high-DPI mode: Font takes Source's settings but keeps its own style and colour.
void SetDPIScaledFont(const TFont* Source, TFont* Font);

}  // namespace qv
