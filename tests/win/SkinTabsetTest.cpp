// The tab set under real input: close buttons and reordering tabs by dragging.
#include "SkinControlsTestSupport.h"
#include "controls/QvSkinTabset.h"

using namespace qv;
using namespace qvtest;

namespace {

class SkinTabsetTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Tabs = Add<TQvSkinTabset>(Form.get(), 0, 10, 400, 38);
    Tabs->SetAlign(alNone);
    for (const wchar_t* C : {L"A", L"B", L"C"}) {
      TQvSkinToolbarItem* I = Tabs->Items()->Add();
      I->Text()->SetText(C);
      I->SetGroupIndex(1);
    }
    Tabs->SetButtonWidth(100);
    Tabs->OnItemClick = [this](TObject*, int Index) { Clicks.push_back(Index); };
  }
  TPoint Screen(int X, int Y) const { return Tabs->ClientToScreen({X, Y}); }
  TPoint Centre(int Index) const {
    const TRect R = Tabs->Items()->Items(Index)->Rect();
    return Screen((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2);
  }
  std::wstring Order() const {
    std::wstring S;
    for (int I = 0; I < Tabs->Items()->Count(); ++I) S += Tabs->Items()->Items(I)->Text()->Text();
    return S;
  }
  TQvSkinTabset* Tabs = nullptr;
  std::vector<int> Clicks;
};

}  // namespace

TEST_F(SkinTabsetTest, CloseButtonTellsItsTabWithoutSelectingIt) {
  Tabs->SetCloseButtonVisible(true);
  std::vector<int> Closed;
  Tabs->OnCloseButtonClick = [&](TObject*, int Index) { Closed.push_back(Index); };
  ShowForm();
  const TRect C = Tabs->CloseButtonRect(Tabs->Items()->Items(1));
  ASSERT_FALSE(C.IsEmpty());
  const TRect R = Tabs->Items()->Items(1)->Rect();
  EXPECT_EQ(C.Right, R.Right - 4);
  EXPECT_EQ(C.Top, R.Top + 3);
  const TPoint P = Screen((C.Left + C.Right) / 2, (C.Top + C.Bottom) / 2);
  MoveMouse(P.X, P.Y);
  Click(P.X, P.Y);
  EXPECT_EQ(Closed, std::vector<int>{1});
  EXPECT_FALSE(Tabs->Items()->Items(1)->Down());
  EXPECT_TRUE(Clicks.empty());
  EXPECT_EQ(Order(), L"ABC");

  // A veto hides the button: the press selects the tab instead.
  Tabs->OnPaintCloseButton = [](TObject*, TQvSkinToolbarItem*, bool& Allow) { Allow = false; };
  MoveMouse(P.X + 1, P.Y);
  Click(P.X + 1, P.Y);
  EXPECT_EQ(Closed.size(), 1u);
  EXPECT_TRUE(Tabs->Items()->Items(1)->Down());
}

TEST_F(SkinTabsetTest, DraggingATabMovesItToThePlaceholder) {
  Tabs->SetAllowDragTab(true);
  Tabs->Items()->Add()->Text()->SetText(L"D");
  ShowForm();
  const TPoint From = Centre(0), To = Centre(3);
  MoveMouse(From.X, From.Y);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  PumpInput();
  for (int X = From.X + 20; X < To.X; X += 40) MoveMouse(X, From.Y);
  MoveMouse(To.X, To.Y);
  ASSERT_NE(Tabs->DragSource(), nullptr);
  ASSERT_NE(Tabs->DragPlaceholder(), nullptr);
  EXPECT_FALSE(Tabs->DragSource()->Visible());
  EXPECT_FALSE(Tabs->DragPlaceholder()->Text()->Visible());
  EXPECT_EQ(Tabs->Items()->Count(), 5);
  SendMouse(MOUSEEVENTF_LEFTUP);
  PumpInput();
  EXPECT_EQ(Tabs->DragSource(), nullptr);
  EXPECT_EQ(Tabs->Items()->Count(), 4);
  EXPECT_EQ(Order(), L"BCDA");
  EXPECT_TRUE(Tabs->Items()->Items(3)->Visible());
  EXPECT_TRUE(Clicks.empty()) << "a drag is no click";

  // A short move is a click, not a drag.
  const TPoint P = Centre(1);
  MoveMouse(P.X, P.Y);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  MoveMouse(P.X + 5, P.Y);
  SendMouse(MOUSEEVENTF_LEFTUP);
  PumpInput();
  EXPECT_EQ(Order(), L"BCDA");
  EXPECT_EQ(Clicks, std::vector<int>{1});
}

TEST_F(SkinTabsetTest, DraggedTabsPictureFollowsTheMouseAndEscapeEndsTheDrag) {
  Tabs->SetAllowDragTab(true);
  ShowForm();
  const TRect Tab = Tabs->Items()->Items(0)->Rect();
  const TPoint From = Centre(0), To = Centre(2);
  MoveMouse(From.X, From.Y);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  PumpInput();
  for (int X = From.X + 20; X < To.X; X += 40) MoveMouse(X, From.Y);
  MoveMouse(To.X, To.Y);
  auto* Drag = dynamic_cast<TQvTabsetItemDragObject*>(CurrentDragObject());
  ASSERT_NE(Drag, nullptr);
  EXPECT_EQ(Drag->Tabset(), Tabs);
  ASSERT_NE(Drag->GetDragImages(), nullptr);
  EXPECT_EQ(Drag->GetDragImages()->Count(), 1);
  EXPECT_EQ(Drag->GetDragImages()->Width(), Tab.Width());
  EXPECT_EQ(Drag->GetDragImages()->Height(), Tab.Height());
  PressKey(VK_ESCAPE);
  EXPECT_EQ(CurrentDragObject(), nullptr);
  EXPECT_EQ(Tabs->DragSource(), nullptr);
  EXPECT_EQ(Tabs->Items()->Count(), 3);
  for (int I = 0; I < 3; ++I) EXPECT_TRUE(Tabs->Items()->Items(I)->Visible());
  SendMouse(MOUSEEVENTF_LEFTUP);
  PumpInput();
  EXPECT_TRUE(Clicks.empty());
}
