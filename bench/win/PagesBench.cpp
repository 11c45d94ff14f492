// Page control and toolbar: a full repaint of a page control with three tabs and of a
// toolbar of twenty items, each against a BitBlt of its size in the same run.
#include <windows.h>

#include <memory>

#include "WinBench.h"
#include "controls/QvSkinPageControl.h"
#include "controls/QvSkinToolbar.h"
#include "host/Form.h"

namespace {

double RepaintMs(winbench::TReport& R, qv::TWinControl* C) {
  return R.TimeMs([&] {
    RedrawWindow(C->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
  });
}

const winbench::TRegistration gPages("PagesAndToolbars", [](winbench::TReport& R) {
  auto Form = std::make_unique<qv::TForm>(nullptr);
  Form->SetBounds(50, 50, 700, 400);
  auto* Pages = new qv::TQvSkinPageControl(Form.get());
  Pages->SetBounds(10, 10, 400, 300);
  Pages->SetParent(Form.get());
  for (const wchar_t* C : {L"General", L"Colours", L"About"}) {
    auto* S = new qv::TQvSkinTabSheet(Form.get());
    S->SetCaption(C);
    S->SetPageControl(Pages);
  }
  auto* Bar = new qv::TQvSkinToolbar(Form.get());
  Bar->SetParent(Form.get());
  Bar->SetAlign(qv::alNone);
  Bar->SetBounds(10, 320, 600, 52);
  for (int I = 0; I < 20; ++I) Bar->Items()->Add()->Text()->SetText(L"Item");
  Form->Show();
  winbench::DrainMessages();
  const double PagesBlt = winbench::ReferenceBlitMs(R, 400, 300), PagesPaint = RepaintMs(R, Pages);
  const double BarBlt = winbench::ReferenceBlitMs(R, 600, 52), BarPaint = RepaintMs(R, Bar);
  R.Result("BitBlt 400x300", PagesBlt, "ms");
  R.Result("page control and its page repainted, 400x300", PagesPaint, "ms");
  R.Result("page control / BitBlt", PagesPaint / PagesBlt, "x");
  R.Result("BitBlt 600x52", BarBlt, "ms");
  R.Result("toolbar of 20 items repainted, 600x52", BarPaint, "ms");
  R.Result("toolbar / BitBlt", BarPaint / BarBlt, "x");
});

}  // namespace
