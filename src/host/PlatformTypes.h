#pragma once
// The platform's handle types, declared once and exactly as <windows.h> declares them
// (pointers to distinct incomplete structs, HGDIOBJ an untyped pointer), so portable
// headers can carry handles and the Win32 glue passes them on without casts. Natively
// they are opaque pointers that stay null.
struct HWND__;
struct HDC__;
struct HBITMAP__;
struct HICON__;
struct HMENU__;
struct HFONT__;
struct HINSTANCE__;
struct HMONITOR__;
struct HPEN__;
struct HBRUSH__;
struct HENHMETAFILE__;

namespace qv {

using HWND = ::HWND__*;
using HDC = ::HDC__*;
using HBITMAP = ::HBITMAP__*;
using HICON = ::HICON__*;
using HCURSOR = ::HICON__*;
using HMENU = ::HMENU__*;
using HFONT = ::HFONT__*;
using HINSTANCE = ::HINSTANCE__*;
using HMONITOR = ::HMONITOR__*;
using HPEN = ::HPEN__*;
using HBRUSH = ::HBRUSH__*;
using HENHMETAFILE = ::HENHMETAFILE__*;
using HGDIOBJ = void*;

}  // namespace qv
