// The drop target: reading the names of a 10 000-file drop in one pass against the
// platform's query per index (the length, then the name), on the same block; and showing
// and closing the drop overlay against a plain popup window created, shown and destroyed.
#include <windows.h>
// (shellapi.h after windows.h)
#include <shellapi.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "WinBench.h"
#include "dialogs/QvSkinDragFile.h"
#include "dialogs/QvSkinDragFileData.h"
#include "host/Application.h"
#include "host/Form.h"

namespace {

// A CF_HDROP block of Count wide names.
HGLOBAL DropBlock(int Count) {
  std::wstring List;
  for (int I = 0; I < Count; ++I) List += L"C:\\many\\file" + std::to_wstring(I) + L".txt" + L'\0';
  List += L'\0';
  const size_t Size = sizeof(DROPFILES) + List.size() * sizeof(wchar_t);
  HGLOBAL H = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, Size);
  auto* Header = static_cast<DROPFILES*>(GlobalLock(H));
  Header->pFiles = sizeof(DROPFILES);
  Header->fWide = TRUE;
  memcpy(Header + 1, List.data(), List.size() * sizeof(wchar_t));
  GlobalUnlock(H);
  return H;
}

const winbench::TRegistration gDrop("DragFileDrop", [](winbench::TReport& R) {
  HGLOBAL H = DropBlock(10000);
  const double PerIndex = R.TimeMs(
      [&] {
        std::vector<std::wstring> Names;
        const UINT Count = DragQueryFileW(static_cast<HDROP>(H), 0xFFFFFFFF, nullptr, 0);
        for (UINT I = 0; I < Count; ++I) {
          const UINT Length = DragQueryFileW(static_cast<HDROP>(H), I, nullptr, 0);
          std::wstring Name(Length, L'\0');
          DragQueryFileW(static_cast<HDROP>(H), I, Name.data(), Length + 1);
          Names.push_back(std::move(Name));
        }
      },
      3);
  const double OnePass = R.TimeMs([&] {
    std::vector<qv::String> Names;
    const void* Block = GlobalLock(H);
    qv::QvDropFilesWideNames(Block, GlobalSize(H), Names);
    GlobalUnlock(H);
  });
  GlobalFree(H);
  R.Result("10000 names, platform query per index (reference)", PerIndex, "ms");
  R.Result("10000 names, one pass", OnePass, "ms");
});

const winbench::TRegistration gOverlay("DragFileOverlay", [](winbench::TReport& R) {
  const double Plain = R.TimeMs([&] {
    HWND H = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_LAYERED, L"STATIC", L"", WS_POPUP, 100, 100,
                             300, 200, nullptr, nullptr, nullptr, nullptr);
    SetWindowPos(H, HWND_TOP, 0, 0, 0, 0,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE);
    DestroyWindow(H);
    winbench::DrainMessages();
  });
  qv::TForm Form(nullptr);
  Form.SetBounds(100, 100, 300, 200);
  qv::TQvSkinDragFile Drag(&Form);
  Drag.SetBindingControl(&Form);
  const double Overlay = R.TimeMs([&] {
    Drag.DoShowDragFilesLayer(nullptr);
    Drag.DoHideDragFilesLayer();
    qv::Application->ProcessMessages();
  });
  R.Result("layered popup window created, shown, destroyed (reference)", Plain, "ms");
  R.Result("drop overlay shown over 300 x 200 and closed", Overlay, "ms");
});

}  // namespace
