// The virtual tree's row model: layout by prefix sums, shown-row iteration, checks,
// selection and focus, keys and scrolling.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "vtree/VirtualTreeModel.h"

namespace qv {
namespace {

struct TRecorder : IVirtualTreeHost {
  int Inits = 0, Checked = 0, FocusChanges = 0, Structure = 0, Freed = 0;
  int ScrollDY = 0;
  int ChildrenOnExpand = 0;
  void NodeInit(TVirtualNode* Node) override {
    ++Inits;
    Node->Text = std::to_wstring(Node->Index());
  }
  void NodeInitChildren(TVirtualNode*, int& Count) override { Count = ChildrenOnExpand; }
  void NodeFreeing(TVirtualNode*) override { ++Freed; }
  void NodeChecked(TVirtualNode*) override { ++Checked; }
  void FocusChanged(TVirtualNode*) override { ++FocusChanges; }
  void Scrolled(int, int DY) override { ScrollDY += DY; }
  void StructureChanged() override { ++Structure; }
};

// Indexes (or "parent.child") of the shown rows in display order.
std::vector<std::string> Shown(TVirtualTreeModel& M) {
  std::vector<std::string> R;
  for (TVirtualNode* N = M.GetFirstVisible(); N; N = M.GetNextVisible(N)) {
    std::string S = std::to_string(N->Index());
    for (TVirtualNode* P = N->Parent(); P != M.RootNode(); P = P->Parent())
      S = std::to_string(P->Index()) + "." + S;
    R.push_back(S);
  }
  return R;
}

using TRows = std::vector<std::string>;

TEST(VTreeModel, ShownRowsFollowVisibilityAndExpansion) {
  TRecorder H;
  TVirtualTreeModel M(&H);
  M.SetRootNodeCount(4);
  M.SetChildCount(M.GetChild(nullptr, 1), 2);
  EXPECT_EQ(Shown(M), (TRows{"0", "1", "2", "3"}));  // collapsed children do not show
  M.SetExpanded(M.GetChild(nullptr, 1), true);
  EXPECT_EQ(Shown(M), (TRows{"0", "1", "1.0", "1.1", "2", "3"}));
  M.SetVisible(M.GetChild(nullptr, 2), false);
  M.SetVisible(M.GetChild(M.GetChild(nullptr, 1), 0), false);
  EXPECT_EQ(Shown(M), (TRows{"0", "1", "1.1", "3"}));
  EXPECT_EQ(M.VisibleCount(), 4);
  // Backwards gives the same rows reversed.
  TRows Back;
  for (TVirtualNode* N = M.GetLastVisible(); N; N = M.GetPreviousVisible(N))
    Back.insert(Back.begin(), std::to_string(N->Index()));
  EXPECT_EQ(Back, (TRows{"0", "1", "1", "3"}));
  // A hidden parent hides its children.
  M.SetVisible(M.GetChild(nullptr, 1), false);
  EXPECT_EQ(Shown(M), (TRows{"0", "3"}));
  EXPECT_EQ(M.GetNextVisibleSibling(M.GetChild(nullptr, 0))->Index(), 3);
  EXPECT_EQ(M.GetPreviousVisibleSibling(M.GetChild(nullptr, 3))->Index(), 0);
  EXPECT_EQ(M.GetNextVisibleSibling(M.GetChild(nullptr, 3)), nullptr);
}

TEST(VTreeModel, EmptyTreeHasNoRows) {
  TVirtualTreeModel M;
  EXPECT_EQ(M.GetFirstVisible(), nullptr);
  EXPECT_EQ(M.GetLastVisible(), nullptr);
  EXPECT_EQ(M.GetNodeAt(0), nullptr);
  EXPECT_EQ(M.TotalHeight(), 0);
  EXPECT_FALSE(M.HandleKey(kVkSpace, false, false));
  EXPECT_TRUE(M.HandleKey(kVkDown, false, false));
  EXPECT_EQ(M.FocusedNode(), nullptr);
  M.SetClientSize(100, 100);
  M.SetOffsetY(-50);
  EXPECT_EQ(M.OffsetY(), 0);
}

TEST(VTreeModel, OutOfRangeIndexRaisesListError) {
  TVirtualTreeModel M;
  M.SetRootNodeCount(3);
  for (int Bad : {-1, 3, 100}) EXPECT_THROW(M.GetChild(nullptr, Bad), EListError) << Bad;
  EXPECT_EQ(M.RootNodeCount(), 3);
}

TEST(VTreeModel, HeightsAndPositions) {
  TVirtualTreeModel M;
  M.SetDefaultNodeHeight(20);
  M.SetRootNodeCount(5);
  M.SetNodeHeight(M.GetChild(nullptr, 1), 50);
  M.SetChildCount(M.GetChild(nullptr, 3), 2);
  M.SetExpanded(M.GetChild(nullptr, 3), true);
  M.SetVisible(M.GetChild(nullptr, 2), false);
  // Rows: 0 [0,20) 1 [20,70) 3 [70,90) 3.0 [90,110) 3.1 [110,130) 4 [130,150)
  EXPECT_EQ(M.TotalHeight(), 150);
  struct {
    int Y;
    const char* Row;
    int Top;
  } Cases[] = {{0, "0", 0},     {19, "0", 0},    {20, "1", 20},     {69, "1", 20},
               {70, "3", 70},   {90, "3.0", 90}, {129, "3.1", 110}, {130, "4", 130},
               {149, "4", 130}, {150, "", 0},    {-1, "", 0}};
  for (auto& C : Cases) {
    int Top = 0;
    TVirtualNode* N = M.GetNodeAt(C.Y, &Top);
    std::string Got;
    if (N) {
      Got = std::to_string(N->Index());
      if (N->Parent() != M.RootNode()) Got = std::to_string(N->Parent()->Index()) + "." + Got;
      EXPECT_EQ(Top, C.Top) << C.Y;
      EXPECT_EQ(M.DisplayTop(N), C.Top) << C.Y;
    }
    EXPECT_EQ(Got, C.Row) << C.Y;
  }
  // Back to the default height, and a new default moves every default row.
  M.SetNodeHeight(M.GetChild(nullptr, 1), 0);
  EXPECT_EQ(M.TotalHeight(), 120);
  M.SetDefaultNodeHeight(25);
  EXPECT_EQ(M.TotalHeight(), 150);
  // Collapsing takes the children's height away.
  M.SetExpanded(M.GetChild(nullptr, 3), false);
  EXPECT_EQ(M.TotalHeight(), 100);
}

TEST(VTreeModel, IterationInitialisesOnlyTheRowsInTheBand) {
  TRecorder H;
  TVirtualTreeModel M(&H);
  M.SetDefaultNodeHeight(25);
  M.SetRootNodeCount(100000);
  EXPECT_EQ(M.TotalHeight(), 2500000);
  std::vector<int> Rows;
  M.ForEachVisibleRow(1000000, 1000100, [&](TVirtualNode* N, int Top) {
    Rows.push_back(N->Index());
    EXPECT_EQ(Top, N->Index() * 25);
    return true;
  });
  EXPECT_EQ(Rows, (std::vector<int>{40000, 40001, 40002, 40003}));
  EXPECT_EQ(H.Inits, 4);
  EXPECT_EQ(M.GetChild(nullptr, 40002)->Text, L"40002");
  // Stopping early.
  int Seen = 0;
  M.ForEachVisibleRow(0, 1000, [&](TVirtualNode*, int) { return ++Seen < 2; });
  EXPECT_EQ(Seen, 2);
}

TEST(VTreeModel, ChildrenComeOnFirstExpansion) {
  TRecorder H;
  H.ChildrenOnExpand = 3;
  TVirtualTreeModel M(&H);
  M.SetRootNodeCount(1);
  TVirtualNode* P = M.GetFirst();
  M.SetHasChildren(P, true);
  EXPECT_TRUE(M.HasChildren(P));
  EXPECT_EQ(P->ChildCount(), 0);
  EXPECT_TRUE(M.HandleKey(kVkDown, false, false));
  EXPECT_TRUE(M.HandleKey(kVkRight, false, false));  // expands
  EXPECT_EQ(P->ChildCount(), 3);
  EXPECT_EQ(M.VisibleCount(), 4);
  EXPECT_TRUE(M.HandleKey(kVkRight, false, false));  // into the first child
  EXPECT_EQ(M.FocusedNode(), P->Child(0));
  EXPECT_TRUE(M.HandleKey(kVkLeft, false, false));  // back to the parent
  EXPECT_EQ(M.FocusedNode(), P);
  EXPECT_TRUE(M.HandleKey(kVkLeft, false, false));  // collapses
  EXPECT_FALSE(M.Expanded(P));
  EXPECT_EQ(M.VisibleCount(), 1);
}

TEST(VTreeModel, CollapsingMovesTheFocusToTheParent) {
  TVirtualTreeModel M;
  M.SetRootNodeCount(1);
  M.SetChildCount(M.GetFirst(), 2);
  M.SetExpanded(M.GetFirst(), true);
  M.SetFocusedNode(M.GetFirst()->Child(1));
  M.SetExpanded(M.GetFirst(), false);
  EXPECT_EQ(M.FocusedNode(), M.GetFirst());
}

TEST(VTreeModel, CheckBoxes) {
  TRecorder H;
  TVirtualTreeModel M(&H);
  M.SetRootNodeCount(3);
  for (int I = 0; I < 3; ++I) M.SetCheckType(M.GetChild(nullptr, I), ctCheckBox);
  M.SetFocusedNode(M.GetChild(nullptr, 1));
  EXPECT_TRUE(M.HandleKey(kVkSpace, false, false));
  EXPECT_TRUE(M.GetChild(nullptr, 1)->Checked());
  M.ToggleCheck(M.GetChild(nullptr, 2));
  EXPECT_EQ(M.CheckedCount(), 2);
  EXPECT_EQ(M.GetFirstChecked()->Index(), 1);
  EXPECT_EQ(M.GetNextChecked(M.GetFirstChecked())->Index(), 2);
  EXPECT_EQ(M.GetNextChecked(M.GetChild(nullptr, 2)), nullptr);
  EXPECT_EQ(H.Checked, 2);
  M.SetCheckState(M.GetChild(nullptr, 2), csCheckedNormal);  // no change, no event
  EXPECT_EQ(H.Checked, 2);
  M.ToggleCheck(M.GetChild(nullptr, 2));
  EXPECT_EQ(M.CheckedCount(), 1);
  // A row without a box ignores Space.
  M.SetCheckType(M.GetChild(nullptr, 0), ctNone);
  M.SetFocusedNode(M.GetChild(nullptr, 0));
  EXPECT_FALSE(M.HandleKey(kVkSpace, false, false));
}

TEST(VTreeModel, TriStateChecksPassDownAndMixUp) {
  TVirtualTreeModel M;
  M.SetRootNodeCount(1);
  TVirtualNode* P = M.GetFirst();
  M.SetChildCount(P, 3);
  M.SetCheckType(P, ctTriStateCheckBox);
  for (int I = 0; I < 3; ++I) M.SetCheckType(P->Child(I), ctTriStateCheckBox);
  auto States = [&] {
    std::string S;
    for (TVirtualNode* N : {P, P->Child(0), P->Child(1), P->Child(2)}) S += "UCM"[N->CheckState()];
    return S;
  };
  M.SetCheckState(P->Child(1), csCheckedNormal);
  EXPECT_EQ(States(), "MUCU");
  M.ToggleCheck(P);  // mixed becomes checked, and so do the children
  EXPECT_EQ(States(), "CCCC");
  M.ToggleCheck(P->Child(0));
  EXPECT_EQ(States(), "MUCC");
  M.ToggleCheck(P->Child(1));
  M.ToggleCheck(P->Child(2));
  EXPECT_EQ(States(), "UUUU");
}

TEST(VTreeModel, KeysMoveFocusAndSelection) {
  TVirtualTreeModel M;
  M.SetDefaultNodeHeight(25);
  M.SetClientSize(100, 100);  // four rows per view
  M.SetRootNodeCount(10);
  M.SetVisible(M.GetChild(nullptr, 2), false);
  struct {
    uint16_t Key;
    int Focus;
    int OffsetY;
  } Steps[] = {
      {kVkDown, 0, 0},   {kVkDown, 1, 0},    {kVkDown, 3, 0},  // the hidden row is skipped
      {kVkNext, 7, -75}, {kVkNext, 9, -125}, {kVkDown, 9, -125}, {kVkPrior, 5, -100},
      {kVkHome, 0, 0},   {kVkUp, 0, 0},      {kVkEnd, 9, -125},  {kVkUp, 8, -125},
  };
  for (auto& S : Steps) {
    EXPECT_TRUE(M.HandleKey(S.Key, false, false));
    ASSERT_NE(M.FocusedNode(), nullptr);
    EXPECT_EQ(M.FocusedNode()->Index(), S.Focus) << S.Key;
    EXPECT_EQ(M.OffsetY(), S.OffsetY) << S.Key;
    EXPECT_EQ(M.SelectedCount(), 1);
    EXPECT_TRUE(M.Selected(M.FocusedNode()));
  }
}

TEST(VTreeModel, MultiSelectWithShiftAndCtrl) {
  TVirtualTreeModel M;
  M.SetRootNodeCount(6);
  M.SetMultiSelect(true);
  M.ClickNode(M.GetChild(nullptr, 1), false, false);
  M.HandleKey(kVkDown, true, false);
  M.HandleKey(kVkDown, true, false);
  EXPECT_EQ(M.SelectedCount(), 3);  // 1..3
  M.HandleKey(kVkUp, true, false);
  EXPECT_EQ(M.SelectedCount(), 2);  // 1..2
  M.ClickNode(M.GetChild(nullptr, 5), false, true);
  EXPECT_EQ(M.SelectedCount(), 3);
  M.ClickNode(M.GetChild(nullptr, 5), false, true);  // Ctrl-click again deselects
  EXPECT_EQ(M.SelectedCount(), 2);
  M.ClickNode(M.GetChild(nullptr, 4), true, false);  // range from the anchor 5 to 4
  EXPECT_EQ(M.SelectedCount(), 2);
  // Single selection keeps one.
  M.SetMultiSelect(false);
  EXPECT_EQ(M.SelectedCount(), 1);
  M.SetSelected(M.GetChild(nullptr, 0), true);
  EXPECT_EQ(M.Selection(), std::vector<TVirtualNode*>{M.GetChild(nullptr, 0)});
}

TEST(VTreeModel, DeletingForgetsFocusAndSelection) {
  TRecorder H;
  TVirtualTreeModel M(&H);
  M.SetRootNodeCount(4);
  M.SetChildCount(M.GetChild(nullptr, 1), 2);
  M.ClickNode(M.GetChild(nullptr, 1), false, false);
  M.DeleteNode(M.GetChild(nullptr, 1));
  EXPECT_EQ(M.FocusedNode(), nullptr);
  EXPECT_EQ(M.SelectedCount(), 0);
  EXPECT_EQ(H.Freed, 3);
  EXPECT_EQ(M.RootNodeCount(), 3);
  EXPECT_EQ(M.GetChild(nullptr, 2)->Index(), 2);  // renumbered
  M.ClickNode(M.GetChild(nullptr, 2), false, false);
  M.SetRootNodeCount(2);  // shrinking frees the focused row
  EXPECT_EQ(M.FocusedNode(), nullptr);
  M.Clear();
  EXPECT_EQ(M.RootNodeCount(), 0);
  EXPECT_EQ(M.TotalHeight(), 0);
}

TEST(VTreeModel, ScrollRangeFollowsContentAndView) {
  TRecorder H;
  TVirtualTreeModel M(&H);
  M.SetDefaultNodeHeight(20);
  M.SetRootNodeCount(10);  // 200 high
  M.SetClientSize(50, 100);
  struct {
    int Set, Want;
  } Cases[] = {{-50, -50}, {-100, -100}, {-150, -100}, {10, 0}};
  for (auto& C : Cases) {
    M.SetOffsetY(C.Set);
    EXPECT_EQ(M.OffsetY(), C.Want) << C.Set;
  }
  M.SetOffsetY(-100);
  H.ScrollDY = 0;
  M.SetClientSize(50, 150);  // the view grows: the content follows down
  EXPECT_EQ(M.OffsetY(), -50);
  EXPECT_EQ(H.ScrollDY, 50);
  M.SetRootNodeCount(5);  // content shorter than the view
  EXPECT_EQ(M.OffsetY(), 0);
  // Horizontal range.
  M.SetRangeX(120);
  M.SetOffsetX(-100);
  EXPECT_EQ(M.OffsetX(), -70);
  M.SetRangeX(0);
  EXPECT_EQ(M.OffsetX(), 0);
  // Into view: below and above.
  M.SetRootNodeCount(20);
  M.SetClientSize(50, 100);
  EXPECT_TRUE(M.ScrollIntoView(M.GetChild(nullptr, 10)));
  EXPECT_EQ(M.OffsetY(), -120);
  EXPECT_TRUE(M.ScrollIntoView(M.GetChild(nullptr, 2)));
  EXPECT_EQ(M.OffsetY(), -40);
  EXPECT_FALSE(M.ScrollIntoView(M.GetChild(nullptr, 3)));
}

}  // namespace
}  // namespace qv
