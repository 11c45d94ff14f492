// Creating, painting, clicking and freeing the value controls many times releases every
// window and GDI object they made, and takes them out of the control registry.
#include <memory>

#include "LeakProbe.h"
#include "SkinControlsTestSupport.h"
#include "controls/QvHLSTrackBar.h"
#include "controls/QvSkinScrollBar.h"

using namespace qv;

namespace {

void Click(TWinControl* C, int X, int Y) {
  C->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(X, Y));
  C->Perform(WM_LBUTTONUP, 0, PointToLParam(X, Y));
}

void OneValueControlsCycle() {
  auto Form = std::make_unique<TForm>(nullptr);
  Form->SetBounds(50, 50, 300, 200);
  auto* Bar = new TQvSkinScrollBar(Form.get());
  Bar->SetParent(Form.get());
  Bar->SetBounds(5, 5, 200, 19);
  Bar->SetCanFocused(true);
  auto* Progress = new TQvSkinProgressBar(Form.get());
  Progress->SetParent(Form.get());
  Progress->SetBounds(5, 40, 150, 17);
  Progress->TrackButton()->SetVisible(true);
  Progress->TrackButton()->SetNormal(L"QvSkinSlider_dragBackground");
  Progress->Caption()->SetVisible(true);
  Progress->Caption()->SetText(L"50 %");
  auto* Track = new TQvHLSTrackBar(Form.get());
  Track->SetParent(Form.get());
  Track->SetBounds(5, 70, 230, 28);
  Form->HandleNeeded();
  for (TWinControl* W : std::initializer_list<TWinControl*>{Bar, Progress, Track})
    W->HandleNeeded();
  qvtest::PaintOffScreen(Form.get());
  Click(Bar, 195, 5);  // an arrow
  Click(Bar, 100, 5);  // the track
  Click(Progress, 140, 8);
  Click(Track, 20, 3);
  Application->ProcessMessages();
}

using ValueControlsLeakTest = qvtest::ControlsTest;

TEST_F(ValueControlsLeakTest, FormsWithValueControlsReleaseWhatTheyCreate) {
  for (int I = 0; I < 3; ++I) OneValueControlsCycle();  // caches and window classes settle
  const int Registered = TQvWinControlHelperObj()->Count();
  const qvtest::TSlots Before = qvtest::Probe();
  const unsigned Limit = 100;  // a leak of one object per cycle moves a slot by 1000
  for (int I = 0; I < 1000; ++I) OneValueControlsCycle();
  const qvtest::TSlots After = qvtest::Probe();
  EXPECT_LT(After.Window, Before.Window + Limit) << "windows leak";
  EXPECT_LT(After.Gdi, Before.Gdi + Limit) << "GDI objects leak";
  EXPECT_EQ(TQvWinControlHelperObj()->Count(), Registered);
}

}  // namespace
