// The message bar: one slide frame (a message layer moved, only the areas it left and
// covers painted again and shown) against repainting the whole bar and a BitBlt of its size.
#include <windows.h>

#include <memory>

#include "WinBench.h"
#include "controls/QvSkinScrollMsgBar.h"
#include "host/Form.h"

namespace {

const winbench::TRegistration gMsgBar("MsgBarFrame", [](winbench::TReport& R) {
  auto Form = std::make_unique<qv::TForm>(nullptr);
  Form->SetBorderStyle(qv::bsNone);
  Form->SetBounds(100, 100, 400, 80);
  auto* Bar = new qv::TQvSkinScrollMsgBar(Form.get());
  Bar->SetBounds(10, 10, 350, 36);
  Bar->SetParent(Form.get());
  Bar->SetAutoScroll(false);
  qv::TBitmap32 Icon;
  Icon.SetSize(16, 16);
  Icon.Clear(qv::Color32(40, 130, 230));
  for (const wchar_t* Title : {L"Build 1.4.2 is ready to install", L"Three files synchronised"}) {
    qv::TScrollMsgBarItem* Item = Bar->AddItem();
    Item->Text()->SetTitle(Title);
    Item->SetIcon(&Icon);
  }
  Form->Show();
  Bar->SetAnimateStep(0);
  Bar->Next(false);
  winbench::DrainMessages();
  qv::TScrollMsgBarItem* Item = Bar->GetItem(0);
  const qv::TFloatRect Rest = Item->Location();
  int Step = 0;
  const double Frame = R.TimeMs(
      [&] {
        const double Dy = (++Step % 2) ? -6 : 0;
        Item->SetLocation({Rest.Left, Rest.Top + Dy, Rest.Right, Rest.Bottom + Dy});
        UpdateWindow(Bar->Handle());
        GdiFlush();
      },
      200);
  const double Full = R.TimeMs(
      [&] {
        Bar->Invalidate();
        UpdateWindow(Bar->Handle());
        GdiFlush();
      },
      200);
  HDC DC = GetDC(Bar->Handle());
  HDC Mem = CreateCompatibleDC(DC);
  HBITMAP Bmp = CreateCompatibleBitmap(DC, 350, 36);
  HGDIOBJ Old = SelectObject(Mem, Bmp);
  const double Blt = R.TimeMs(
      [&] {
        BitBlt(DC, 0, 0, 350, 36, Mem, 0, 0, SRCCOPY);
        GdiFlush();
      },
      200);
  SelectObject(Mem, Old);
  DeleteObject(Bmp);
  DeleteDC(Mem);
  ReleaseDC(Bar->Handle(), DC);
  R.Result("slide frame: a message moved, its areas repainted", Frame, "ms");
  R.Result("whole bar repainted", Full, "ms");
  R.Result("BitBlt of the bar's size", Blt, "ms");
  R.Result("frame / whole repaint", Frame / Full, "x");
  R.Result("frame / BitBlt", Frame / Blt, "x");
});

}  // namespace
