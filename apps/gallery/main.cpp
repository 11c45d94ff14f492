// The gallery: every component of the library on its pages.
//   gallery.exe                          shows the gallery
//   gallery.exe --screenshot DIR         writes DIR\NN-<page>.png for every page and exits
//   gallery.exe --check GOLDEN OUT       compares every page with GOLDEN\NN-<page>.png pixel
//                                        for pixel; for a page that differs it writes the
//                                        capture and a difference picture to OUT. Exits 1 on
//                                        any difference, missing or unused reference.
//   --theme dark                         (with any of the above) every page in the dark theme
// Both file modes freeze the animations and wait until each page is still.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>

#include "GalleryWindow.h"
#include "Screenshot.h"
#include "forms/QvSkinFormTheme.h"
#include "host/Streams.h"
#include "raster/Gr32Png.h"

namespace {

using qv::String;
using qv::TBitmap32;

String FileSafe(const String& Title) {
  String R;
  for (wchar_t C : Title) R += (iswalnum(C) ? wchar_t(towlower(C)) : L'-');
  return R;
}

// NN-<page>.png: the number keeps the files in page order.
String PageFileName(const gallery::TGalleryWindow& Window, int Index) {
  wchar_t Num[8];
  swprintf(Num, 8, L"%02d", Index + 1);
  return Num + (L"-" + FileSafe(Window.Page(Index).Title())) + L".png";
}

void ShowPage(gallery::TGalleryWindow& Window, int Index, TBitmap32& Shot) {
  Window.SelectPage(Index);
  gallery::CaptureWhenStill(
      Window.Handle(), [&] { return Window.Page(Index).Settled(); }, Shot);
}

int TakeScreenshots(gallery::TGalleryWindow& Window, const String& Dir) {
  CreateDirectoryW(Dir.c_str(), nullptr);
  TBitmap32 Shot;
  for (int i = 0; i < Window.PageCount(); ++i) {
    ShowPage(Window, i, Shot);
    gallery::SavePng(Shot, Dir + L"\\" + PageFileName(Window, i));
  }
  return 0;
}

// Differing pixels red over a faded copy of the capture; where only one picture has
// pixels, they count as differing.
int DifferencePicture(const TBitmap32& Actual, const TBitmap32& Expected, TBitmap32& Diff) {
  const int W = std::max(Actual.Width(), Expected.Width());
  const int H = std::max(Actual.Height(), Expected.Height());
  Diff.SetSize(W, H);
  int Count = 0;
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X) {
      const bool InA = X < Actual.Width() && Y < Actual.Height();
      const bool InE = X < Expected.Width() && Y < Expected.Height();
      const qv::TColor32 A = InA ? Actual.Pixel(X, Y) : 0xFF000000;
      if (InA && InE && (A & 0xFFFFFF) == (Expected.Pixel(X, Y) & 0xFFFFFF)) {
        // A quarter of the grey level over white.
        const uint32_t G = (((A >> 16) & 0xFF) + ((A >> 8) & 0xFF) + (A & 0xFF)) / 3;
        const uint32_t V = 255 - (255 - G) / 4;
        Diff.SetPixel(X, Y, 0xFF000000 | V << 16 | V << 8 | V);
      } else {
        ++Count;
        Diff.SetPixel(X, Y, 0xFFFF0000);
      }
    }
  return Count;
}

// Calls Fn with the name of every file in Dir that matches Pattern.
template <typename F>
void ForEachFile(const String& Dir, const String& Pattern, F Fn) {
  WIN32_FIND_DATAW Data;
  HANDLE Find = FindFirstFileW((Dir + L"\\" + Pattern).c_str(), &Data);
  if (Find == INVALID_HANDLE_VALUE) return;
  do Fn(String(Data.cFileName));
  while (FindNextFileW(Find, &Data));
  FindClose(Find);
}

// A file name as the person reading the log finds it: Wine's drive Z: is the Unix root.
String Shown(String Name) {
  if (Name.rfind(L"Z:", 0) == 0) Name.erase(0, 2);
  for (wchar_t& C : Name)
    if (C == L'\\') C = L'/';
  return Name;
}

void Say(const String& Text) {
  std::fprintf(stdout, "%ls\n", Text.c_str());
}

int CheckPages(gallery::TGalleryWindow& Window, const String& GoldenDir, const String& OutDir) {
  // Pictures of an earlier run would read as this run's.
  for (const wchar_t* Pattern : {L"*.actual.png", L"*.diff.png"})
    ForEachFile(OutDir, Pattern,
                [&](const String& Name) { DeleteFileW((OutDir + L"\\" + Name).c_str()); });
  int Failures = 0;
  std::set<String> Used;
  TBitmap32 Shot;
  for (int i = 0; i < Window.PageCount(); ++i) {
    const String Name = PageFileName(Window, i);
    const String Golden = GoldenDir + L"\\" + Name;
    Used.insert(Name);
    ShowPage(Window, i, Shot);
    if (!qv::FileExists(Golden)) {
      Say(L"MISSING " + Name + L": no reference " + Shown(Golden) +
          L" (render the references with ./run goldens and review them)");
      ++Failures;
      continue;
    }
    TBitmap32 Expected;
    bool Alpha = false;
    qv::LoadPNGintoBitmap32(&Expected, Golden, Alpha);
    TBitmap32 Diff;
    const int Count = DifferencePicture(Shot, Expected, Diff);
    if (Count == 0) {
      Say(L"same    " + Name);
      continue;
    }
    ++Failures;
    CreateDirectoryW(OutDir.c_str(), nullptr);
    const String Stem = OutDir + L"\\" + Name.substr(0, Name.size() - 4);
    gallery::SavePng(Shot, Stem + L".actual.png");
    gallery::SavePng(Diff, Stem + L".diff.png");
    Say(L"DIFFERS " + Name + L": " + std::to_wstring(Count) + L" pixels (" +
        std::to_wstring(Shot.Width()) + L"x" + std::to_wstring(Shot.Height()) + L" against " +
        std::to_wstring(Expected.Width()) + L"x" + std::to_wstring(Expected.Height()) + L")");
    Say(L"        actual:     " + Shown(Stem + L".actual.png"));
    Say(L"        difference: " + Shown(Stem + L".diff.png"));
  }
  // A reference no page renders any more is a stale file, not a pass.
  ForEachFile(GoldenDir, L"*.png", [&](const String& Name) {
    if (Used.count(Name)) return;
    Say(L"UNUSED  " + Name + L": no page renders it (./run goldens removes it)");
    ++Failures;
  });
  Say(std::to_wstring(Window.PageCount()) + L" pages, " + std::to_wstring(Failures) + L" failures");
  return Failures == 0 ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  String ScreenshotDir, GoldenDir, OutDir;
  bool Dark = false;
  for (int i = 1; i < argc; ++i) {
    const String Arg = argv[i];
    if (Arg == L"--theme" && i + 1 < argc) Dark = String(argv[++i]) == L"dark";
    if (Arg == L"--screenshot" && i + 1 < argc) ScreenshotDir = argv[++i];
    if (Arg == L"--check" && i + 2 < argc) {
      GoldenDir = argv[++i];
      OutDir = argv[++i];
    }
  }
  const bool Files = !ScreenshotDir.empty() || !GoldenDir.empty();
  try {
    if (Files) {
      gallery::FreezeAnimations();
      // The pointer away from the window: no page shows a hover state.
      SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    }
    if (Dark) qv::SetSkinTheme(qv::stDark);
    gallery::TGalleryWindow Window;
    Window.Show();
    if (!ScreenshotDir.empty()) return TakeScreenshots(Window, ScreenshotDir);
    if (!GoldenDir.empty()) return CheckPages(Window, GoldenDir, OutDir);
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
