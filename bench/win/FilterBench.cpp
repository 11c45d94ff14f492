// One typed letter in the extended combo's popup filter with the pinyin filter on,
// including the list's repaint: 10 000 Chinese and English items against 100 items and
// against a GDI BitBlt of the list's size. Each step types a letter and erases it again
// (two keystrokes); the figures are per keystroke. The first keystroke of a popup also
// reads the pinyin of every caption, so it is reported on its own.
#include <windows.h>

#include <chrono>
#include <memory>

#include "WinBench.h"
#include "controls/QvSkinComboBoxEx.h"
#include "host/Application.h"
#include "host/Form.h"

namespace {

using namespace qv;

const wchar_t kHanzi[] =
    L"中文北京上海广州深圳银行张王李赵周吴郑冯陈褚卫蒋沈韩杨朱秦尤许何吕施孔曹严华金魏陶姜";
const wchar_t* const kWords[] = {L"alpha", L"bravo", L"charlie", L"delta", L"echo", L"foxtrot"};

struct TFilterBench {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TQvSkinComboBoxEx* Combo;
  explicit TFilterBench(int Count) {
    Form->SetBorderStyle(bsNone);
    Form->SetBounds(100, 100, 300, 60);
    Combo = new TQvSkinComboBoxEx(Form.get());
    Combo->SetBounds(10, 10, 220, 26);
    Combo->SetParent(Form.get());
    Combo->Options()->SetActivePinyinFilter(true);
    const int N = int(std::size(kHanzi)) - 1;
    for (int I = 0; I < Count; ++I) {
      String S;
      if (I % 2 == 0) {
        for (int K = 0; K < 2 + I % 3; ++K) S += kHanzi[(I * 7 + K * 13) % N];
      } else {
        S = String(kWords[I % 6]) + L" " + std::to_wstring(I);
      }
      Combo->Items()->Add(S);
    }
    Form->Show();
    Combo->SetFocus();
    Application->ProcessMessages();
    Combo->DoDropArrowBtnClick(Combo);
    Application->ProcessMessages();
  }
  ~TFilterBench() {
    if (Combo->DroppedDown()) Combo->DoDropArrowBtnClick(Combo);
    Application->ProcessMessages();
  }
  HWND List() { return Combo->Popup()->vstList()->Handle(); }
  // One keystroke routed through the combo to the popup, and the list's repaint.
  void Type(WPARAM Char) {
    SendMessageW(Combo->Handle(), WM_CHAR, Char, 1);
    RedrawWindow(List(), nullptr, nullptr, RDW_UPDATENOW);
  }
  void Erase() {
    SendMessageW(Combo->Handle(), WM_KEYDOWN, VK_BACK, 1);
    RedrawWindow(List(), nullptr, nullptr, RDW_UPDATENOW);
  }
};

const winbench::TRegistration gFilter("ComboExFilter", [](winbench::TReport& R) {
  for (int Count : {100, 10000}) {
    const std::string N = std::to_string(Count);
    {
      TFilterBench B(Count);
      const auto T0 = std::chrono::steady_clock::now();
      B.Type(L'z');
      const auto T1 = std::chrono::steady_clock::now();
      R.Result("first keystroke (pinyin read), " + N + " items",
               std::chrono::duration<double, std::milli>(T1 - T0).count(), "ms");
      B.Erase();
      R.Result("keystroke, pinyin filter, " + N + " items", R.TimeMs([&] {
        B.Type(L'z');
        B.Erase();
      }) / 2,
               "ms");
    }
  }
  {
    TFilterBench B(100);
    HWND H = B.List();
    R.Result("reference: full repaint of the list", R.TimeMs([&] {
      B.Combo->Popup()->vstList()->Invalidate();
      RedrawWindow(H, nullptr, nullptr, RDW_UPDATENOW);
    }),
             "ms");
    RECT Rc;
    GetClientRect(H, &Rc);
    HDC Screen = GetDC(H);
    HDC Mem = CreateCompatibleDC(Screen);
    HBITMAP Bmp = CreateCompatibleBitmap(Screen, Rc.right, Rc.bottom);
    HGDIOBJ Old = SelectObject(Mem, Bmp);
    R.Result("reference: BitBlt of the list " + std::to_string(Rc.right) + "x" +
                 std::to_string(Rc.bottom),
             R.TimeMs([&] {
               BitBlt(Screen, 0, 0, Rc.right, Rc.bottom, Mem, 0, 0, SRCCOPY);
               GdiFlush();
             }),
             "ms");
    SelectObject(Mem, Old);
    DeleteObject(Bmp);
    DeleteDC(Mem);
    ReleaseDC(H, Screen);
  }
});

}  // namespace
