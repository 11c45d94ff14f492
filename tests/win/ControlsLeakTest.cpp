// Creating and freeing many forms with nested controls releases every window, GDI object
// and menu they made.
#include <memory>

#include "ControlsTestSupport.h"
#include "LeakProbe.h"
#include "host/Font.h"

using namespace qv;
using qvtest::Probe;
using qvtest::PumpIdle;
using qvtest::TBox;
using qvtest::TPanel;
using qvtest::TSlots;

namespace {

void OneCycle() {
  auto Form = std::make_unique<TForm>(nullptr);
  Form->SetBounds(50, 50, 300, 200);
  Form->SetAlphaBlend(true);
  for (int I = 0; I < 3; ++I) {
    auto* P = new TPanel(Form.get());
    P->SetBounds(10, 10 + I * 60, 250, 50);
    P->SetCaption(L"Panel");
    P->SetColor(TColor(0x102030 * (I + 1)));
    P->Font()->SetHeight(-12 - I);
    P->SetParent(Form.get());
    auto* Inner = new TPanel(Form.get());
    Inner->SetBounds(150, 5, 60, 30);
    Inner->SetDoubleBuffered(true);
    Inner->SetCaption(L"Panel");
    Inner->SetParent(P);
    for (int J = 0; J < 2; ++J) {
      auto* L = new TBox(Form.get());
      L->SetBounds(5 + J * 60, 5, 50, 20);
      L->SetCaption(L"Label");
      L->SetParent(P);
    }
  }
  auto* Popup = new TPopupMenu(Form.get());
  for (int I = 0; I < 3; ++I) {
    auto* Item = new TMenuItem(Form.get());
    Item->SetCaption(L"Item");
    Popup->Items()->Add(Item);
  }
  Popup->Handle();
  auto* Timer = new TTimer(Form.get());
  Timer->SetInterval(10);
  // Windows and painting without showing: under Wine without a window manager every
  // hidden top-level window costs a wait.
  Form->HandleNeeded();
  qvtest::PaintOffScreen(Form.get());
  PumpIdle();
}

using LeakTest = qvtest::ControlsTest;

TEST_F(LeakTest, FormsWithNestedControlsReleaseWhatTheyCreate) {
  for (int I = 0; I < 3; ++I) OneCycle();  // caches and window classes settle
  TSlots Before = Probe();
  // On Windows the counts themselves serve; Wine answers 0 for GetGuiResources.
  DWORD GdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  DWORD UserBefore = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  const int Cycles = 60;
  // A leak of one object per cycle moves a slot by Cycles; the shared handle tables
  // let unrelated activity move it by a couple of dozen.
  const unsigned Limit = Cycles * 2 / 3;
  for (int I = 0; I < Cycles; ++I) OneCycle();
  TSlots After = Probe();
  EXPECT_LT(After.Window, Before.Window + Limit) << "windows leak";
  EXPECT_LT(After.Gdi, Before.Gdi + Limit) << "GDI objects leak";
  EXPECT_LT(After.Menu, Before.Menu + Limit) << "menus leak";
  if (GdiBefore != 0) {
    EXPECT_LT(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), GdiBefore + Limit);
    EXPECT_LT(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), UserBefore + Limit);
  }
}

}  // namespace
