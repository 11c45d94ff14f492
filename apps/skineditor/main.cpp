// The skin editor: a project's pictures and skin files, on a skinned form.
//   skineditor.exe [FOLDER]                   opens FOLDER (or nothing) and shows the editor
//   skineditor.exe --screenshot FILE [FOLDER] opens FOLDER (default: a fresh project in the
//                                             temporary folder), selects a picture, writes
//                                             the window as FILE (PNG) and exits
#include <windows.h>

#include <cstdio>

#include "../gallery/Screenshot.h"
#include "SkinEditorForm.h"
#include "host/Form.h"

namespace {

using qv::String;

// A fresh project folder for the screenshot: the default skin, nothing else.
String ScreenshotProject() {
  wchar_t Temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, Temp);
  const String Dir = String(Temp) + L"QvSkinEditorShot";
  CreateDirectoryW(Dir.c_str(), nullptr);
  for (const wchar_t* Name : {L"\\uQvSkinResDM.dfm", L"\\QvSkinDesignTimeRes.tmp"})
    DeleteFileW((Dir + Name).c_str());
  return Dir;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  String Shot, Folder;
  for (int i = 1; i < argc; ++i) {
    const String Arg = argv[i];
    if (Arg == L"--screenshot" && i + 1 < argc)
      Shot = argv[++i];
    else
      Folder = Arg;
  }
  try {
    if (!Shot.empty()) {
      // The pointer away from the window: no hover state in the picture.
      SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
      if (Folder.empty()) Folder = ScreenshotProject();
    }
    skineditor::TSkinEditorForm Editor;
    bool Closed = false;
    Editor.OnClose = [&] { Closed = true; };
    Editor.Show();
    if (!Folder.empty()) Editor.OpenProject(Folder);
    if (!Shot.empty()) {
      Editor.Select(L"QvSkinButton");
      qv::TBitmap32 Picture;
      gallery::CaptureWhenStill(
          HWND(Editor.Form()->Handle()), [] { return true; }, Picture);
      gallery::SavePng(Picture, Shot);
      return 0;
    }
    MSG M;
    while (!Closed && GetMessageW(&M, nullptr, 0, 0) > 0) {
      TranslateMessage(&M);
      DispatchMessageW(&M);
    }
    return 0;
  } catch (const std::exception& E) {
    std::fprintf(stderr, "skineditor: %s\n", E.what());
    return 1;
  }
}
