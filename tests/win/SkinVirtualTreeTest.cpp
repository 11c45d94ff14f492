// The skinned virtual trees with real input: bars mirrored both ways, AutoHide, wheel,
// keyboard, check boxes, the border panel's frame, and bad input.
#include "SkinControlsTestSupport.h"
#include "controls/QvSkinBorderPanel.h"
#include "controls/QvSkinScrollBar.h"
#include "controls/QvSkinVirtualTree.h"

using namespace qv;
using namespace qvtest;

namespace {

// A 200 × 200 tree in a border panel, a vertical bar beside it and a horizontal one below.
class SkinTreeTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Panel = Add<TQvSkinBorderPanel>(Form.get(), 10, 10, 224, 224);
    Tree = Add<TQvSkinVirtualStringTree>(Panel, 2, 2, 200, 200);
    VBar = Add<TQvSkinScrollBar>(Panel, 202, 2, 10, 200);
    VBar->SetKind(sbVertical);
    HBar = Add<TQvSkinScrollBar>(Panel, 2, 202, 200, 10);
    Tree->SetDefaultNodeHeight(25);
    Tree->SetQvSkinBorderPanel(Panel);
    Tree->SetVScrollBar(VBar);
    Tree->SetHScrollBar(HBar);
    Tree->OnScrollBarChange = [this](TObject*) { ++BarChanges; };
    Tree->OnGetText = [](TBaseVirtualTree_qv*, TVirtualNode* N, int, TVSTTextType, String& S) {
      S = L"Row " + std::to_wstring(N->Index());
    };
  }
  // Screen point of a client point of a control.
  static TPoint At(TWinControl* C, int X, int Y) {
    POINT P{X, Y};
    ClientToScreen(C->Handle(), &P);
    return {P.x, P.y};
  }
  void Wheel(int Delta) {
    INPUT In{};
    In.type = INPUT_MOUSE;
    In.mi.dwFlags = MOUSEEVENTF_WHEEL;
    In.mi.mouseData = DWORD(Delta);
    SendInput(1, &In, sizeof(In));
    PumpInput();
  }
  // The bar mirrors the tree: same position, and the page is the view.
  void ExpectInStep() {
    EXPECT_EQ(VBar->Position(), -Tree->OffsetY());
    EXPECT_EQ(VBar->PageSize(), 200);
    EXPECT_EQ(VBar->Max(), Tree->RangeY() - 1);
  }
  TQvSkinBorderPanel* Panel = nullptr;
  TQvSkinVirtualStringTree* Tree = nullptr;
  TQvSkinScrollBar* VBar = nullptr;
  TQvSkinScrollBar* HBar = nullptr;
  int BarChanges = 0;
};

}  // namespace

TEST_F(SkinTreeTest, BarsFollowTheRowsAndHideWhenEverythingFits) {
  ShowForm();
  struct {
    int Rows;
    bool Used;
    int Max, Page;
  } Cases[] = {
      {0, false, 0, 0},                          // empty
      {8, false, 0, 0},                          // exactly fits (8 × 25 = 200)
      {9, true, 224, 200},                       // one row too many
      {100, true, 2499, 200}, {3, false, 0, 0},  // back to fitting: emptied again
  };
  for (auto& C : Cases) {
    Tree->SetRootNodeCount(C.Rows);
    PumpIdle();
    EXPECT_EQ(VBar->Enabled(), C.Used) << C.Rows;
    EXPECT_EQ(VBar->Visible(), C.Used) << C.Rows;  // AutoHide
    EXPECT_EQ(VBar->Max(), C.Max) << C.Rows;
    EXPECT_EQ(VBar->PageSize(), C.Page) << C.Rows;
    EXPECT_EQ(VBar->SmallChange(), 20);
  }
  // The native bars never take room.
  EXPECT_EQ(GetWindowLongW(Tree->Handle(), GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL), 0);
  EXPECT_EQ(Tree->ClientWidth(), 200);
  EXPECT_EQ(Tree->ClientHeight(), 200);
}

TEST_F(SkinTreeTest, HorizontalBarFollowsTheWidestRow) {
  Tree->OnGetText = [](TBaseVirtualTree_qv*, TVirtualNode* N, int, TVSTTextType, String& S) {
    S = N->Index() == 1 ? String(80, L'W') : L"short";
  };
  Tree->SetRootNodeCount(3);
  ShowForm();
  PumpUntil([&] { return HBar->Visible(); });
  EXPECT_TRUE(HBar->Enabled());
  EXPECT_EQ(HBar->Max(), Tree->RangeX() - 1);
  EXPECT_EQ(HBar->PageSize(), 200);
  // The thumb scrolls the content sideways.
  HBar->SetPosition(30);
  EXPECT_EQ(Tree->OffsetX(), -30);
  // A range whose page equals its maximum leaves the bar hidden.
  Tree->Clear();
  Tree->Model().SetRangeX(201);
  PumpIdle();
  EXPECT_FALSE(HBar->Visible());
}

TEST_F(SkinTreeTest, DraggingTheThumbScrollsTheTreeWithoutFeedback) {
  Tree->SetRootNodeCount(100);
  ShowForm();
  const TRect Thumb = VBar->Geometry().Parts[TQvSkinScrollBar::kThumb];
  const TPoint P = At(VBar, Thumb.Left + Thumb.Width() / 2, Thumb.Top + Thumb.Height() / 2);
  MoveMouse(P.X, P.Y);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  PumpInput();
  MoveMouse(P.X, P.Y + 40);
  SendMouse(MOUSEEVENTF_LEFTUP);
  PumpInput();
  EXPECT_GT(VBar->Position(), 0);
  ExpectInStep();
  EXPECT_GT(BarChanges, 0);
  // Setting the bar scrolls the tree to the same place, once.
  BarChanges = 0;
  VBar->SetPosition(300);
  EXPECT_EQ(Tree->OffsetY(), -300);
  EXPECT_EQ(BarChanges, 1);
  ExpectInStep();
}

TEST_F(SkinTreeTest, WheelAndKeysMoveTheThumb) {
  Tree->SetRootNodeCount(100);
  ShowForm();
  const TPoint P = At(Tree, 50, 50);
  MoveMouse(P.X, P.Y);
  UINT Lines = 3;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &Lines, 0);
  Wheel(-WHEEL_DELTA);
  EXPECT_EQ(Tree->OffsetY(), -int(Lines) * 25);
  ExpectInStep();
  Wheel(WHEEL_DELTA);
  EXPECT_EQ(Tree->OffsetY(), 0);
  EXPECT_EQ(BarChanges, 0);  // the tree moving the bar is no user move

  Tree->SetFocus();
  PumpIdle();
  struct {
    WORD Key;
    int Focus;
    int OffsetY;
  } Keys[] = {{VK_DOWN, 0, 0}, {VK_END, 99, -2300}, {VK_PRIOR, 91, -2275},
              {VK_HOME, 0, 0}, {VK_NEXT, 8, -25},   {VK_DOWN, 9, -50}};
  for (auto& K : Keys) {
    PressKey(K.Key);
    ASSERT_NE(Tree->FocusedNode(), nullptr);
    EXPECT_EQ(Tree->FocusedNode()->Index(), K.Focus) << K.Key;
    EXPECT_EQ(Tree->OffsetY(), K.OffsetY) << K.Key;
    ExpectInStep();
  }
  EXPECT_EQ(BarChanges, 0);
}

TEST_F(SkinTreeTest, ClickingACheckBoxChecksTheRow) {
  Tree->SetTreeOptions(Tree->TreeOptions() + TVTOptions{toCheckSupport});
  Tree->OnInitNode = [](TBaseVirtualTree_qv* T, TVirtualNode* N) {
    T->SetCheckType(N, ctCheckBox);
  };
  int Checks = 0;
  TVirtualNode* Last = nullptr;
  Tree->OnChecked = [&](TBaseVirtualTree_qv*, TVirtualNode* N) {
    ++Checks;
    Last = N;
  };
  Tree->SetRootNodeCount(5);
  ShowForm();
  TVirtualNode* Row2 = Tree->Items(2);
  const TRect Box = Tree->CheckBoxRect(Row2);
  ASSERT_FALSE(Box.IsEmpty());
  const TPoint P = At(Tree, Box.Left + 6, Box.Top + 6);
  Click(P.X, P.Y);
  EXPECT_TRUE(Row2->Checked());
  EXPECT_EQ(Checks, 1);
  EXPECT_EQ(Last, Row2);
  EXPECT_EQ(Tree->CheckedCount(), 1);
  // A click on the caption selects without checking; Space checks the focused row.
  const TRect R = Tree->GetDisplayRect(Tree->Items(3));
  const TPoint Q = At(Tree, 120, R.Top + 5);
  Click(Q.X, Q.Y);
  EXPECT_FALSE(Tree->Items(3)->Checked());
  EXPECT_EQ(Tree->FocusedNode(), Tree->Items(3));
  PressKey(VK_SPACE);
  EXPECT_TRUE(Tree->Items(3)->Checked());
  EXPECT_EQ(Checks, 2);
}

TEST_F(SkinTreeTest, FocusAndHoverLightThePanel) {
  Tree->SetRootNodeCount(3);
  auto* Other = Add<TVirtualStringTree_qv>(Form.get(), 250, 10, 100, 100);
  ShowForm();
  EXPECT_FALSE(Panel->CMMouse());
  Other->SetFocus();
  PumpIdle();
  EXPECT_FALSE(Panel->InControl());
  Tree->SetFocus();
  PumpIdle();
  EXPECT_TRUE(Panel->InControl());
  EXPECT_TRUE(Panel->HotFrame());
  Other->SetFocus();
  PumpIdle();
  EXPECT_FALSE(Panel->InControl());
  const TPoint In = At(Tree, 100, 100);
  MoveMouse(In.X, In.Y);
  EXPECT_TRUE(PumpUntil([&] { return Panel->OverControl(); }));
  MoveMouse(5, 5);
  EXPECT_TRUE(PumpUntil([&] { return !Panel->OverControl(); }));
}

TEST_F(SkinTreeTest, BadInputIsRefusedAndFreedPartsAreForgotten) {
  ShowForm();
  // Empty: painting and keys are harmless.
  Tree->SetFocus();
  PressKey(VK_DOWN);
  PressKey(VK_SPACE);
  EXPECT_EQ(Tree->FocusedNode(), nullptr);
  Tree->SetRootNodeCount(3);
  for (int Bad : {-1, 3}) EXPECT_THROW(Tree->Items(Bad), EListError) << Bad;
  EXPECT_EQ(Tree->RootNodeCount(), 3);
  // Freed bars and panel are forgotten; the tree goes on scrolling.
  delete VBar;
  EXPECT_EQ(Tree->VScrollBar(), nullptr);
  auto* Frame = Add<TQvSkinBorderPanel>(Form.get(), 250, 10, 50, 50);
  Tree->SetQvSkinBorderPanel(Frame);
  delete Frame;
  EXPECT_EQ(Tree->QvSkinBorderPanel(), nullptr);
  Tree->SetRootNodeCount(100);
  Tree->SetOffsetY(-100);
  EXPECT_EQ(Tree->OffsetY(), -100);
}
