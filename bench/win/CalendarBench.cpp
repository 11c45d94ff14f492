// Calendar and time box: a repaint of the month grid as it stands, one with the cells
// rebuilt (a month step), and a repaint of the minute box, each against a BitBlt of the
// same size in the same run.
#include <windows.h>

#include <memory>

#include "WinBench.h"
#include "controls/QvSkinCalendar.h"
#include "controls/QvSkinTimeBox.h"
#include "host/Form.h"

namespace {

// The body drawn again, not only the kept buffer copied.
void Repaint(qv::TWinControl* C) {
  C->Invalidate();
  RedrawWindow(C->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  GdiFlush();
}

const winbench::TRegistration gCalendar("CalendarAndTimeBox", [](winbench::TReport& R) {
  auto Form = std::make_unique<qv::TForm>(nullptr);
  Form->SetBounds(50, 50, 520, 220);
  auto* Cal = new qv::TQvSkinCalendar(Form.get());
  Cal->SetBounds(10, 10, 232, 157);
  Cal->SetParent(Form.get());
  Cal->SetDate(qv::EncodeDate(2015, 6, 10));
  auto* Box = new qv::TQvSkinTimeBox(Form.get());
  Box->SetBounds(260, 10, 232, 164);
  Box->SetKind(qv::bkMinute);
  Box->SetParent(Form.get());
  Form->Show();
  winbench::DrainMessages();
  const double CalBlt = winbench::ReferenceBlitMs(R, 232, 157);
  const double CalPaint = R.TimeMs([&] { Repaint(Cal); });
  int Month = 0;
  const double CalStep = R.TimeMs([&] {
    Cal->SetMonth(Cal->Month() + (++Month % 2 ? 1 : -1));
    Repaint(Cal);
  });
  const double BoxBlt = winbench::ReferenceBlitMs(R, 232, 164);
  const double BoxPaint = R.TimeMs([&] { Repaint(Box); });
  R.Result("BitBlt 232x157", CalBlt, "ms");
  R.Result("calendar repainted", CalPaint, "ms");
  R.Result("calendar month step (rebuild and repaint)", CalStep, "ms");
  R.Result("calendar / BitBlt", CalPaint / CalBlt, "x");
  R.Result("BitBlt 232x164", BoxBlt, "ms");
  R.Result("minute box repainted", BoxPaint, "ms");
  R.Result("minute box / BitBlt", BoxPaint / BoxBlt, "x");
});

}  // namespace
