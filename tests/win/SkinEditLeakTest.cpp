// Forms holding every kind of edit, typed into and freed a thousand times, give back every
// window, GDI object and timer.
#include <memory>

#include "LeakProbe.h"
#include "SkinControlsTestSupport.h"
#include "graphics/SimpleTimer.h"

using namespace qv;

namespace {

void OneEditCycle() {
  auto Form = std::make_unique<TForm>(nullptr);
  Form->SetBounds(50, 50, 400, 120);
  auto* Plain = new TQvSkinEdit(Form.get());
  Plain->SetParent(Form.get());
  Plain->SetShowCheckBox(true);
  Plain->SetTextHint(L"hint");
  auto* Password = new TQvSkinPasswordEdit(Form.get());
  Password->SetParent(Form.get());
  Password->SetLeft(130);
  auto* Spin = new TQvSkinSpinEdit(Form.get());
  Spin->SetParent(Form.get());
  Spin->SetLeft(280);
  Form->HandleNeeded();
  for (TQvSkinPngEdit* E :
       {static_cast<TQvSkinPngEdit*>(Plain), static_cast<TQvSkinPngEdit*>(Password),
        static_cast<TQvSkinPngEdit*>(Spin)}) {
    for (wchar_t C : std::wstring(L"12中")) SendMessageW(E->Handle(), WM_CHAR, C, 1);
  }
  qvtest::PaintOffScreen(Form.get());
  Application->ProcessMessages();
}

using SkinEditLeakTest = qvtest::ControlsTest;

TEST_F(SkinEditLeakTest, EditsReleaseWhatTheyCreate) {
  for (int I = 0; I < 3; ++I) OneEditCycle();
  const Integer Timers = GetSimpleTimerCount();
  qvtest::TSlots Before = qvtest::Probe();
  const int Cycles = 1000;
  const unsigned Limit = 100;
  for (int I = 0; I < Cycles; ++I) OneEditCycle();
  qvtest::TSlots After = qvtest::Probe();
  EXPECT_LT(After.Window, Before.Window + Limit) << "windows leak";
  EXPECT_LT(After.Gdi, Before.Gdi + Limit) << "GDI objects leak";
  EXPECT_LT(After.Menu, Before.Menu + Limit) << "menus leak";
  EXPECT_EQ(GetSimpleTimerCount(), Timers);
  EXPECT_EQ(GetSimpleTimerActiveCount(), 0);
}

}  // namespace
