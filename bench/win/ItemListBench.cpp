// Icon button list with 100 and 10 000 cells: a full repaint, a wheel scroll step with its
// repaint, and one cell repainted alone (FastDrawMode), each against a BitBlt of the
// list's size in the same run.
#include <windows.h>

#include <memory>
#include <string>

#include "WinBench.h"
#include "controls/QvSkinIconButtonList.h"
#include "host/Form.h"

namespace {

// The whole body drawn again (not only the last buffer copied).
void Repaint(qv::TWinControl* C) {
  C->Invalidate();
  UpdateWindow(C->Handle());
  GdiFlush();
}

void Measure(winbench::TReport& R, int Count, double Blt) {
  auto Form = std::make_unique<qv::TForm>(nullptr);
  Form->SetBounds(50, 50, 500, 400);
  auto* List = new qv::TQvSkinIconButtonList(Form.get());
  List->SetParent(Form.get());
  List->SetBounds(10, 10, 400, 300);
  List->Items()->BeginUpdate();
  for (int I = 0; I < Count; ++I) List->Items()->Add()->SetCaption(L"Cell");
  List->Items()->EndUpdate();
  Form->Show();
  winbench::DrainMessages();
  const std::string N = std::to_string(Count);
  const double Full = R.TimeMs([&] { Repaint(List); });
  int Step = 0;
  const double Scroll = R.TimeMs([&] {
    // Down twelve steps, then back up: every step moves the cells.
    const int Delta = (Step++ / 12) % 2 == 0 ? -WHEEL_DELTA : WHEEL_DELTA;
    List->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(Delta)), 0);
    Repaint(List);
  });
  List->SetFastDrawMode(true);
  Repaint(List);
  const double Cell = R.TimeMs([&] {
    List->Items()->Items(1)->Invalidate();
    UpdateWindow(List->Handle());
    GdiFlush();
  });
  R.Result("icon list of " + N + " cells repainted, 400x300", Full, "ms");
  R.Result("icon list of " + N + " / BitBlt", Full / Blt, "x");
  R.Result("icon list of " + N + ": wheel step and repaint", Scroll, "ms");
  R.Result("icon list of " + N + ": one cell repainted (FastDrawMode)", Cell, "ms");
}

const winbench::TRegistration gItemLists("ItemLists", [](winbench::TReport& R) {
  const double Blt = winbench::ReferenceBlitMs(R, 400, 300);
  R.Result("BitBlt 400x300", Blt, "ms");
  Measure(R, 100, Blt);
  Measure(R, 10000, Blt);
});

}  // namespace
