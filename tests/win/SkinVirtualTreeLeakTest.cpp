// Creating, filling, painting, clicking and freeing the skinned trees, list views, memos and
// scroll boxes many times releases every window and GDI object they made, and takes them
// out of the control registry.
#include <memory>

#include "LeakProbe.h"
#include "SkinControlsTestSupport.h"
#include "controls/QvSkinBorderPanel.h"
#include "controls/QvSkinListView.h"
#include "controls/QvSkinMemo.h"
#include "controls/QvSkinScrollBar.h"
#include "controls/QvSkinScrollBox.h"
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

// Every tenth cycle also makes the heavier platform-backed controls.
void OneCycle(bool Everything) {
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
  if (!Everything) {
    Application->ProcessMessages();
    return;
  }
  auto* ListBar = Place<TQvSkinScrollBar>(Form.get(), 390, 5, 10, 100);
  ListBar->SetKind(sbVertical);
  auto* View = Place<TQvSkinListView>(Form.get(), 210, 5, 180, 100);
  View->SetViewStyle(vsReport);
  View->AddColumn(L"Name", 100);
  for (int I = 0; I < 30; ++I) View->AddItem(L"Item", {L"1"});
  View->SetVScrollBar(ListBar);
  auto* Memo = Place<TQvSkinMemoEx>(Form.get(), 210, 110, 180, 80);
  Memo->Memo()->SetText(L"1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8");
  auto* BoxBar = Place<TQvSkinScrollBar>(Form.get(), 390, 200, 10, 90);
  BoxBar->SetKind(sbVertical);
  auto* Box = Place<TQvSkinScrollBox>(Form.get(), 210, 200, 180, 90);
  Place<TQvSkinPanel>(Box, 0, 100, 50, 50);
  Box->SetVScrollBar(BoxBar);
  for (TWinControl* W : std::initializer_list<TWinControl*>{View, Memo, Memo->Memo(), Box})
    W->HandleNeeded();
  qvtest::PaintOffScreen(Form.get());
  ListBar->SetPosition(5);
  Memo->VScrollBar()->SetPosition(2);
  BoxBar->SetPosition(20);
  Application->ProcessMessages();
}

using SkinTreeLeakTest = qvtest::ControlsTest;

TEST_F(SkinTreeLeakTest, FormsWithTreesReleaseWhatTheyCreate) {
  for (int I = 0; I < 3; ++I) OneCycle(true);  // caches and window classes settle
  const int Registered = TQvWinControlHelperObj()->Count();
  const qvtest::TSlots Before = qvtest::Probe();
  // A leak of one object per cycle moves a slot by 1000 (by 100 for the heavier controls).
  const unsigned Limit = 60;
  for (int I = 0; I < 1000; ++I) OneCycle(I % 10 == 0);
  const qvtest::TSlots After = qvtest::Probe();
  EXPECT_LT(After.Window, Before.Window + Limit) << "windows leak";
  EXPECT_LT(After.Gdi, Before.Gdi + Limit) << "GDI objects leak";
  EXPECT_EQ(TQvWinControlHelperObj()->Count(), Registered);
}

}  // namespace
