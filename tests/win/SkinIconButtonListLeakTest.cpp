// Forms with an icon button list (in edit mode, shaking, scrolled), a count bar and a tags
// box, used and freed many times, release every window and GDI object they made and leave
// the control registry and the timers as they were.
#include <memory>

#include "LeakProbe.h"
#include "SkinControlsTestSupport.h"
#include "controls/QvSkinCountBar.h"
#include "controls/QvSkinTagsBox.h"
#include "forms/QvSkinHelper.h"
#include "graphics/SimpleTimer.h"

using namespace qv;

namespace {

void Press(TWinControl* C, const TRect& R, int DX = 0) {
  const LPARAM P = PointToLParam(R.Left + R.Width() / 2 + DX, R.Top + R.Height() / 2);
  C->Perform(WM_MOUSEMOVE, 0, P);
  C->Perform(WM_LBUTTONDOWN, MK_LBUTTON, P);
  C->Perform(WM_LBUTTONUP, 0, P);
}

// Every 25th cycle shows the form and uses every control; the others build the same form,
// paint it off screen and use the list alone, to keep the loop lean under Wine.
void OneItemListsCycle(TCustomImageList* Images, int Cycle) {
  const bool Full = Cycle % 25 == 0;
  auto Form = std::make_unique<TForm>(nullptr);
  Form->SetBounds(50, 50, 600, 400);
  auto* List = new TQvSkinIconButtonList(Form.get());
  List->SetParent(Form.get());
  List->SetBounds(5, 5, 200, 100);  // two rows in 100: the bar shows
  List->SetImages(Images);
  List->SetShakeInEdit(true);
  for (int I = 0; I < 4; ++I) List->Items()->Add()->SetImageNormalIndex(0);
  auto* Bar = new TQvSkinCountBar(Form.get());
  Bar->SetParent(Form.get());
  Bar->SetBounds(5, 200, 390, 34);
  auto* Tags = new TQvSkinTagsBox(Form.get());
  Tags->SetParent(Form.get());
  Tags->SetBounds(250, 5, 300, 116);
  Tags->SetText(L"one,two,three");
  Form->HandleNeeded();
  for (TWinControl* W : std::initializer_list<TWinControl*>{List, Bar, Tags}) W->HandleNeeded();
  List->EnterEdit();
  if (Full) {
    Form->Show();
    Form->Update();
  } else {
    qvtest::PaintOffScreen(Form.get());
  }
  Press(List, List->Items()->Items(2)->DeleteBtnRect());
  List->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-WHEEL_DELTA)), 0);
  if (!Full) return Application->ProcessMessages();
  Press(Bar, Bar->Items()->Items(Bar->Items()->Count() - 1)->Rect());
  Bar->SkipTo(15);
  Press(Tags, Tags->Items()->Items(0)->DeleteBtnRect());
  Press(Tags, Tags->Items()->Items(0)->Rect(), -20);
  Application->ProcessMessages();
}

using ItemListsLeakTest = qvtest::ControlsTest;

TEST_F(ItemListsLeakTest, FormsWithItemListsReleaseWhatTheyCreate) {
  TCustomImageList Images(nullptr);
  Images.SetSize(16, 16);
  TBitmap Icon(16, 16, pf24bit);
  Images.AddMasked(&Icon, clFuchsia);
  for (int I = 0; I < 3; ++I) OneItemListsCycle(&Images, I);  // caches and window classes settle
  const int Registered = TQvWinControlHelperObj()->Count();
  const Integer Timers = GetSimpleTimerCount();
  const qvtest::TSlots Before = qvtest::Probe();
  const unsigned Limit = 100;  // a leak of one object per cycle moves a slot by 1000
  for (int I = 0; I < 1000; ++I) OneItemListsCycle(&Images, I);
  const qvtest::TSlots After = qvtest::Probe();
  EXPECT_LT(After.Window, Before.Window + Limit) << "windows leak";
  EXPECT_LT(After.Gdi, Before.Gdi + Limit) << "GDI objects leak";
  EXPECT_EQ(TQvWinControlHelperObj()->Count(), Registered);
  EXPECT_EQ(GetSimpleTimerCount(), Timers);
}

}  // namespace
