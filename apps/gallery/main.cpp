// The gallery: every component of the library on its pages.
//   gallery.exe                    shows the gallery
//   gallery.exe --screenshot DIR   writes DIR\NN-<page>.png for every page and exits
#include <windows.h>

#include <cstdio>
#include <string>

#include "GalleryWindow.h"
#include "Screenshot.h"

namespace {

std::wstring FileSafe(const std::wstring& Title) {
  std::wstring R;
  for (wchar_t C : Title) R += (iswalnum(C) ? wchar_t(towlower(C)) : L'-');
  return R;
}

int TakeScreenshots(gallery::TGalleryWindow& Window, const std::wstring& Dir) {
  CreateDirectoryW(Dir.c_str(), nullptr);
  for (int i = 0; i < Window.PageCount(); ++i) {
    Window.SelectPage(i);
    gallery::PumpMessages(400);
    wchar_t Num[8];
    swprintf(Num, 8, L"%02d", i + 1);
    std::wstring File = Dir + L"\\" + Num + L"-" + FileSafe(Window.Page(i).Title()) + L".png";
    gallery::SaveWindowScreenshot(Window.Handle(), File);
  }
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::wstring ScreenshotDir;
  for (int i = 1; i < argc; ++i)
    if (std::wstring(argv[i]) == L"--screenshot" && i + 1 < argc) ScreenshotDir = argv[++i];
  try {
    gallery::TGalleryWindow Window;
    ShowWindow(Window.Handle(), SW_SHOWNORMAL);
    UpdateWindow(Window.Handle());
    if (!ScreenshotDir.empty()) return TakeScreenshots(Window, ScreenshotDir);
    MSG M;
    while (GetMessageW(&M, nullptr, 0, 0) > 0) {
      TranslateMessage(&M);
      DispatchMessageW(&M);
    }
    return 0;
  } catch (const std::exception& E) {
    std::fprintf(stderr, "gallery: %s\n", E.what());
    return 1;
  }
}
