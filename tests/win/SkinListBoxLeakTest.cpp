// Forms with list boxes and combo boxes, each popup opened and closed, freed many times:
// windows, GDI objects, simple timers and the control registry stay flat.
#include <memory>

#include "LeakProbe.h"
#include "SkinControlsTestSupport.h"
#include "controls/QvSkinColorComboBox.h"
#include "controls/QvSkinComboBox.h"
#include "controls/QvSkinListBox.h"
#include "graphics/SimpleTimer.h"

using namespace qv;

namespace {

template <typename T>
T* Place(TForm* F, int X, int Y, int W, int H) {
  auto* C = new T(F);
  C->SetBounds(X, Y, W, H);
  C->SetParent(F);
  return C;
}

void OneListsCycle(int Cycle) {
  auto Form = std::make_unique<TForm>(nullptr);
  Form->SetBounds(50, 50, 400, 200);
  auto* List = Place<TQvSkinListBox>(Form.get(), 5, 5, 120, 120);
  for (int I = 0; I < 12; ++I) List->Items()->Add(L"Row");
  // One combo box a cycle, each kind in turn, to keep the loop lean.
  TQvSkinCustomComboBox* C = nullptr;
  switch (Cycle % 3) {
    case 0:
      C = Place<TQvSkinComboBox>(Form.get(), 140, 5, 140, 26);
      break;
    case 1:
      C = Place<TQvSkinComboBox>(Form.get(), 140, 5, 140, 26);
      C->SetStyle(csDropDownList);
      break;
    default:
      C = Place<TQvSkinColorComboBox>(Form.get(), 140, 5, 140, 26);
      break;
  }
  for (int I = 0; I < 12; ++I) C->Items()->Add(L"Item");
  Form->HandleNeeded();
  qvtest::PaintOffScreen(Form.get());
  // The popups are top-level windows, slow to show under Wine: every tenth cycle opens one.
  if (Cycle % 10 < 3) {
    C->DropDown();
    C->CloseUp(Cycle % 2 == 0);
  }
  List->Clear();  // the skinned bar goes
  Application->ProcessMessages();
}

using ListsLeakTest = qvtest::ControlsTest;

TEST_F(ListsLeakTest, FormsWithListsAndCombosReleaseWhatTheyCreate) {
  for (int I = 0; I < 3; ++I) OneListsCycle(I);  // caches and window classes settle
  const int Registered = TQvWinControlHelperObj()->Count();
  const Integer Timers = GetSimpleTimerCount();
  const qvtest::TSlots Before = qvtest::Probe();
  const unsigned Limit = 100;  // a leak of one object per cycle moves a slot by 1000
  for (int I = 0; I < 1000; ++I) OneListsCycle(I);
  const qvtest::TSlots After = qvtest::Probe();
  EXPECT_LT(After.Window, Before.Window + Limit) << "windows leak";
  EXPECT_LT(After.Gdi, Before.Gdi + Limit) << "GDI objects leak";
  EXPECT_EQ(TQvWinControlHelperObj()->Count(), Registered);
  EXPECT_EQ(GetSimpleTimerCount(), Timers);
  EXPECT_EQ(GetSimpleTimerActiveCount(), 0);
}

}  // namespace
