// Creating, filling, painting, clicking and freeing the skinned trees, list views, memos and
// scroll boxes many times releases every window and GDI object they made, and takes them
// out of the control registry.
#include <memory>

#include "LeakProbe.h"
#include "SkinControlsTestSupport.h"
#include "controls/QvSkinBorderPanel.h"
#include "controls/QvSkinScrollBar.h"
#include "controls/QvSkinVirtualTree.h"

using namespace qv;

namespace {

template <typename T>
T* Place(TWinControl* Parent, int L, int T_, int W, int H) {
  auto* C = new T(GetParentForm(Parent, false));
  C->SetBounds(L, T_, W, H);
  C->SetParent(Parent);
  return C;
}

void OneCycle() {
  auto Form = std::make_unique<TForm>(nullptr);
  Form->SetBounds(50, 50, 400, 300);
  auto* Panel = Place<TQvSkinBorderPanel>(Form.get(), 5, 5, 200, 200);
  auto* Bar = Place<TQvSkinScrollBar>(Panel, 188, 2, 10, 196);
  Bar->SetKind(sbVertical);
  auto* Tree = Place<TQvSkinVirtualStringTree>(Panel, 2, 2, 186, 196);
  Tree->SetQvSkinBorderPanel(Panel);
  Tree->SetVScrollBar(Bar);
  Tree->SetTreeOptions(Tree->TreeOptions() + TVTOptions{toCheckSupport});
  Tree->OnInitNode = [](TBaseVirtualTree_qv* T, TVirtualNode* N) {
    T->SetCheckType(N, ctCheckBox);
  };
  Tree->SetRootNodeCount(50);
  Form->HandleNeeded();
  Tree->HandleNeeded();
  qvtest::PaintOffScreen(Form.get());
  Tree->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(60, 30));
  Tree->Perform(WM_LBUTTONUP, 0, PointToLParam(60, 30));
  Bar->SetPosition(100);
  Application->ProcessMessages();
}

using SkinTreeLeakTest = qvtest::ControlsTest;

TEST_F(SkinTreeLeakTest, FormsWithTreesReleaseWhatTheyCreate) {
  for (int I = 0; I < 3; ++I) OneCycle();  // caches and window classes settle
  const int Registered = TQvWinControlHelperObj()->Count();
  const qvtest::TSlots Before = qvtest::Probe();
  const unsigned Limit = 100;  // a leak of one object per cycle moves a slot by 1000
  for (int I = 0; I < 1000; ++I) OneCycle();
  const qvtest::TSlots After = qvtest::Probe();
  EXPECT_LT(After.Window, Before.Window + Limit) << "windows leak";
  EXPECT_LT(After.Gdi, Before.Gdi + Limit) << "GDI objects leak";
  EXPECT_EQ(TQvWinControlHelperObj()->Count(), Registered);
}

}  // namespace
