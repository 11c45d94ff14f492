// One keystroke in the self-drawn edit, with its repaint: at the end and at the start of a
// 10 000-character text and replacing a 500-character selection, against the same keystroke
// in a 100-character text (the cost should not grow with the text beyond the visible part)
// and against a GDI BitBlt of the edit's size.
#include <windows.h>

#include <memory>

#include "WinBench.h"
#include "controls/QvSkinCtrls.h"
#include "host/Application.h"
#include "host/Form.h"

namespace {

using namespace qv;

struct TEditBench {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TQvSkinEdit* Edit;
  explicit TEditBench(size_t Length) {
    Form->SetBorderStyle(bsNone);
    Form->SetBounds(100, 100, 340, 60);
    Edit = new TQvSkinEdit(Form.get());
    Edit->SetBounds(10, 10, 300, 26);
    Edit->SetParent(Form.get());
    Edit->SetText(String(Length, L'w'));
    Form->Show();
    Edit->SetFocus();
    Application->ProcessMessages();
  }
  // A typed character and the repaint it causes.
  void Key(wchar_t C) {
    SendMessageW(Edit->Handle(), WM_CHAR, C, 1);
    RedrawWindow(Edit->Handle(), nullptr, nullptr, RDW_UPDATENOW);
  }
};

const winbench::TRegistration gKeystroke("EditKeystroke", [](winbench::TReport& R) {
  constexpr int Repeats = 40;
  for (size_t Length : {size_t(100), size_t(10000)}) {
    const std::string N = std::to_string(Length);
    {
      TEditBench B(Length);
      B.Edit->SetCursorPos(int(Length));
      R.Result("type at the end, " + N + " chars", R.TimeMs([&] { B.Key(L'x'); }, Repeats), "ms");
    }
    {
      TEditBench B(Length);
      B.Edit->SetCursorPos(0);
      R.Result("type at the start, " + N + " chars", R.TimeMs([&] { B.Key(L'x'); }, Repeats), "ms");
    }
  }
  {
    // Every step replaces 500 characters by one: enough text that it stays above 10 000.
    TEditBench B(10000 + (Repeats + 1) * 500);
    R.Result("replace a 500-char selection, 10000+ chars",
             R.TimeMs(
                 [&] {
                   B.Edit->SetSelStart(4000);
                   B.Edit->SetSelLength(500);
                   B.Key(L'x');
                 },
                 Repeats),
             "ms");
  }
  {
    // The platform's own edit window with the same text, typed into at the end.
    TEditBench B(0);
    HWND Plain = CreateWindowExW(0, L"EDIT", String(10000, L'w').c_str(),
                                 WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10, 36, 300, 22,
                                 B.Form->Handle(), nullptr, nullptr, nullptr);
    SendMessageW(Plain, EM_SETLIMITTEXT, 0, 0);
    SendMessageW(Plain, EM_SETSEL, 10000, 10000);
    R.Result("reference: platform EDIT, 10000 chars",
             R.TimeMs(
                 [&] {
                   SendMessageW(Plain, WM_CHAR, L'x', 1);
                   RedrawWindow(Plain, nullptr, nullptr, RDW_UPDATENOW);
                 },
                 Repeats),
             "ms");
    DestroyWindow(Plain);
  }
  {
    // The reference: copying a bitmap of the edit's size to its window.
    TEditBench B(0);
    HDC Screen = GetDC(B.Edit->Handle());
    HDC Mem = CreateCompatibleDC(Screen);
    HBITMAP Bmp = CreateCompatibleBitmap(Screen, 300, 26);
    HGDIOBJ Old = SelectObject(Mem, Bmp);
    R.Result("reference: BitBlt 300x26",
             R.TimeMs(
                 [&] {
                   BitBlt(Screen, 0, 0, 300, 26, Mem, 0, 0, SRCCOPY);
                   GdiFlush();
                 },
                 Repeats),
             "ms");
    SelectObject(Mem, Old);
    DeleteObject(Bmp);
    DeleteDC(Mem);
    ReleaseDC(B.Edit->Handle(), Screen);
  }
});

}  // namespace
