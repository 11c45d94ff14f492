// Creating and freeing many forms with nested skinned panels releases every window and
// GDI object they made, and takes every control out of the control registry.
#include <memory>

#include "LeakProbe.h"
#include "SkinControlsTestSupport.h"

using namespace qv;

namespace {

void OneSkinnedCycle() {
  auto Form = std::make_unique<TForm>(nullptr);
  Form->SetBounds(50, 50, 300, 200);
  auto* Outer = new TQvSkinPanel(Form.get());
  Outer->SetParent(Form.get());
  Outer->SetBounds(5, 5, 290, 190);
  Outer->SetCaptionVisible(true);
  Outer->SetCaption(L"Outer");
  auto* Border = new TQvSkinBorderPanel(Form.get());
  Border->SetParent(Outer);
  Border->SetBounds(10, 10, 150, 100);
  auto* Child = new qvtest::TProbe(Form.get());
  Child->SetParent(Border);
  Child->SetBounds(4, 4, 60, 40);
  auto* Gradient = new TQvSkinPanel(Form.get());
  Gradient->SetParent(Outer);
  Gradient->SetBounds(170, 10, 100, 100);
  Gradient->SetBackgroundFillType(ftGradient);
  auto* Layer = new TQvSkinCustomLayerControl(Form.get());
  Layer->SetParent(Gradient);
  Layer->SetBounds(10, 10, 50, 50);
  Layer->SetTransparent(true);
  // Windows and painting without showing: every hidden top-level window costs a wait
  // under Wine without a window manager.
  Form->HandleNeeded();
  for (TWinControl* W : std::initializer_list<TWinControl*>{Outer, Border, Child, Gradient, Layer})
    W->HandleNeeded();
  qvtest::PaintOffScreen(Form.get());
  Application->ProcessMessages();
}

using SkinLeakTest = qvtest::ControlsTest;

TEST_F(SkinLeakTest, FormsWithNestedSkinnedPanelsReleaseWhatTheyCreate) {
  for (int I = 0; I < 3; ++I) OneSkinnedCycle();  // caches and window classes settle
  const int Registered = TQvWinControlHelperObj()->Count();
  qvtest::TSlots Before = qvtest::Probe();
  DWORD GdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  const int Cycles = 1000;
  const unsigned Limit = 100;  // a leak of one object per cycle moves a slot by 1000
  for (int I = 0; I < Cycles; ++I) OneSkinnedCycle();
  qvtest::TSlots After = qvtest::Probe();
  EXPECT_LT(After.Window, Before.Window + Limit) << "windows leak";
  EXPECT_LT(After.Gdi, Before.Gdi + Limit) << "GDI objects leak";
  EXPECT_EQ(TQvWinControlHelperObj()->Count(), Registered);
  if (GdiBefore != 0)
    EXPECT_LT(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), GdiBefore + Limit);
}

}  // namespace
