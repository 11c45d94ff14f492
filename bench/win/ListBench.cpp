// A full repaint of the skinned list box with 10 000 items against 100 items (only the
// visible rows should cost), scrolled to the middle, and a BitBlt of the list's size as
// the reference.
#include <windows.h>

#include <memory>

#include "WinBench.h"
#include "controls/QvSkinListBox.h"
#include "host/Application.h"
#include "host/Form.h"

namespace {

using namespace qv;

struct TListBench {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TQvSkinListBox* List;
  explicit TListBench(int Count) {
    Form->SetBorderStyle(bsNone);
    Form->SetBounds(100, 100, 260, 320);
    List = new TQvSkinListBox(Form.get());
    List->SetBounds(10, 10, 220, 300);
    List->SetParent(Form.get());
    List->Items()->BeginUpdate();
    for (int I = 0; I < Count; ++I) List->Items()->Add(L"Item number " + std::to_wstring(I));
    List->Items()->EndUpdate();
    Form->Show();
    Application->ProcessMessages();
  }
  void Repaint() {
    RedrawWindow(List->ListBox->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  }
};

const winbench::TRegistration gListPaint("ListBoxPaint", [](winbench::TReport& R) {
  constexpr int Repeats = 40;
  for (int Count : {100, 10000}) {
    TListBench B(Count);
    B.List->SetTopIndex(Count / 2);
    R.Result("repaint, " + std::to_string(Count) + " items",
             R.TimeMs([&] { B.Repaint(); }, Repeats), "ms");
    R.Result("scroll a line and repaint, " + std::to_string(Count) + " items",
             R.TimeMs(
                 [&] {
                   B.List->SetTopIndex(B.List->TopIndex() + 1);
                   B.Repaint();
                 },
                 Repeats),
             "ms");
  }
  {
    TListBench B(0);
    HWND W = B.List->ListBox->Handle();
    HDC DC = GetDC(W);
    HDC Mem = CreateCompatibleDC(DC);
    HBITMAP Bmp = CreateCompatibleBitmap(DC, 214, 294);
    HGDIOBJ Old = SelectObject(Mem, Bmp);
    R.Result("reference: BitBlt 214x294",
             R.TimeMs(
                 [&] {
                   BitBlt(DC, 0, 0, 214, 294, Mem, 0, 0, SRCCOPY);
                   GdiFlush();
                 },
                 Repeats),
             "ms");
    SelectObject(Mem, Old);
    DeleteObject(Bmp);
    DeleteDC(Mem);
    ReleaseDC(W, DC);
  }
});

}  // namespace
