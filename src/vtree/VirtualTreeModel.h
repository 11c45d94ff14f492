#pragma once
// The rows of the virtual tree, without any window: nodes created by child count and
// initialised on first use, visibility and expansion, per-row heights, check boxes,
// selection and focus, keyboard moves and the scroll offsets.
//
// Layout never walks every node: each parent keeps prefix sums of its children's shown
// heights and row counts, rebuilt only after a change below it, so finding the row at a
// y position or the next shown sibling is a binary search and painting visits only the
// rows in view.
#include <functional>
#include <memory>
#include <vector>

#include "host/Types.h"

namespace qv {

enum TCheckType { ctNone, ctCheckBox, ctTriStateCheckBox };
enum TCheckState { csUncheckedNormal, csCheckedNormal, csMixedNormal };

enum TVirtualNodeStateItem {
  vsInitialized,  // the host's node initialisation ran
  vsVisible,      // the row may show (its parents permitting)
  vsExpanded,     // the children show
  vsHasChildren,  // children come on expansion (from the host) even while none exist
  vsSelected,
  vsChildrenInited,  // the host was asked for the child count
};
using TVirtualNodeStates = TSet<TVirtualNodeStateItem>;

class TVirtualTreeModel;

class TVirtualNode {
 public:
  TVirtualNode* Parent() const { return FParent; }
  // Position among the siblings.
  int Index() const { return FIndex; }
  int ChildCount() const { return int(FChildren.size()); }
  TVirtualNode* Child(int I) const { return FChildren[size_t(I)].get(); }
  TVirtualNodeStates States() const { return FStates; }
  TCheckType CheckType() const { return FCheckType; }
  TCheckState CheckState() const { return FCheckState; }
  bool Checked() const { return FCheckState == csCheckedNormal; }
  // 0: the tree's default height.
  int NodeHeight() const { return FNodeHeight; }
  // Level below the root: 0 for the root's children.
  int Level() const;

  // The row's own data: the caption a string tree shows when nobody answers OnGetText,
  // and a word for the application.
  String Text;
  intptr_t Data = 0;

 private:
  friend class TVirtualTreeModel;
  TVirtualNode* FParent = nullptr;
  int FIndex = 0;
  int FNodeHeight = 0;
  TVirtualNodeStates FStates = {vsVisible};
  TCheckType FCheckType = ctNone;
  TCheckState FCheckState = csUncheckedNormal;
  std::vector<std::unique_ptr<TVirtualNode>> FChildren;
  // Prefix sums over the children: shown height and shown rows of children [0, i); empty
  // until the node first has children (no allocation per leaf).
  std::vector<int> FHeightSums, FCountSums;
  bool FDirty = false;
};

// What the model tells its owner (the tree control, or a test).
class IVirtualTreeHost {
 public:
  virtual ~IVirtualTreeHost() = default;
  // First use of a node: the owner may set its check type, height, children flag.
  virtual void NodeInit(TVirtualNode* Node) {}
  // First expansion of a node with vsHasChildren: how many children it gets.
  virtual void NodeInitChildren(TVirtualNode* Node, int& ChildCount) {}
  // A node is about to be deleted.
  virtual void NodeFreeing(TVirtualNode* Node) {}
  virtual void NodeChecked(TVirtualNode* Node) {}
  virtual void FocusChanged(TVirtualNode* Node) {}
  virtual void SelectionChanged() {}
  // The content moved by (DX, DY) pixels.
  virtual void Scrolled(int DX, int DY) {}
  // Rows, heights or their visibility changed: ranges and the picture are stale.
  virtual void StructureChanged() {}
  // One row looks different.
  virtual void NodeChanged(TVirtualNode* Node) {}
};

// Keys the model moves by (the platform's virtual-key numbers).
enum : uint16_t {
  kVkSpace = 0x20,
  kVkPrior = 0x21,
  kVkNext = 0x22,
  kVkEnd = 0x23,
  kVkHome = 0x24,
  kVkLeft = 0x25,
  kVkUp = 0x26,
  kVkRight = 0x27,
  kVkDown = 0x28,
};

class TVirtualTreeModel {
 public:
  explicit TVirtualTreeModel(IVirtualTreeHost* Host = nullptr);
  ~TVirtualTreeModel();
  TVirtualTreeModel(const TVirtualTreeModel&) = delete;
  TVirtualTreeModel& operator=(const TVirtualTreeModel&) = delete;

  static constexpr int DefaultDefaultNodeHeight = 18;

  TVirtualNode* RootNode() const { return FRoot.get(); }
  int RootNodeCount() const { return FRoot->ChildCount(); }
  void SetRootNodeCount(int Value) { SetChildCount(nullptr, Value); }
  // Grows or shrinks the children of Node (nil: the root) to Value rows.
  void SetChildCount(TVirtualNode* Node, int Value);
  TVirtualNode* AddChild(TVirtualNode* Parent);
  // Raises EListError when Index is outside [0, ChildCount).
  TVirtualNode* GetChild(TVirtualNode* Parent, int Index) const;
  void DeleteNode(TVirtualNode* Node);
  void DeleteChildren(TVirtualNode* Node);
  void Clear();

  // Runs the host's initialisation once.
  void InitNode(TVirtualNode* Node);

  int DefaultNodeHeight() const { return FDefaultNodeHeight; }
  void SetDefaultNodeHeight(int Value);
  // The row's height in pixels (its own or the default).
  int NodeHeight(const TVirtualNode* Node) const {
    return Node->FNodeHeight > 0 ? Node->FNodeHeight : FDefaultNodeHeight;
  }
  // 0 returns the row to the default; negative values count as 0.
  void SetNodeHeight(TVirtualNode* Node, int Value);

  bool IsVisible(const TVirtualNode* Node) const { return Node->FStates.Contains(vsVisible); }
  void SetVisible(TVirtualNode* Node, bool Value);
  bool Expanded(const TVirtualNode* Node) const { return Node->FStates.Contains(vsExpanded); }
  void SetExpanded(TVirtualNode* Node, bool Value);
  bool HasChildren(const TVirtualNode* Node) const;
  void SetHasChildren(TVirtualNode* Node, bool Value);
  // Shown: visible, and every parent visible and expanded.
  bool FullyVisible(const TVirtualNode* Node) const;

  // Check boxes. A tri-state node passes checked/unchecked to its tri-state children and
  // takes mixed from them; only Node's own change is reported (NodeChecked).
  void SetCheckType(TVirtualNode* Node, TCheckType Value);
  void SetCheckState(TVirtualNode* Node, TCheckState Value);
  // Space on a row and a click on its box: unchecked and mixed become checked.
  void ToggleCheck(TVirtualNode* Node);
  int CheckedCount() const;
  TVirtualNode* GetFirstChecked() const;
  TVirtualNode* GetNextChecked(const TVirtualNode* Node) const;

  // Selection and focus.
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool Value);
  bool Selected(const TVirtualNode* Node) const { return Node->FStates.Contains(vsSelected); }
  // Without MultiSelect, selecting a node clears the others.
  void SetSelected(TVirtualNode* Node, bool Value);
  void ClearSelection();
  int SelectedCount() const { return int(FSelection.size()); }
  // In the order they were selected.
  const std::vector<TVirtualNode*>& Selection() const { return FSelection; }
  TVirtualNode* FocusedNode() const { return FFocusedNode; }
  void SetFocusedNode(TVirtualNode* Node);

  // Every node in tree order, shown or not (nil at the end).
  TVirtualNode* GetFirst() const;
  TVirtualNode* GetNext(const TVirtualNode* Node) const;
  // Shown rows in display order.
  TVirtualNode* GetFirstVisible();
  TVirtualNode* GetLastVisible();
  TVirtualNode* GetNextVisible(const TVirtualNode* Node);
  TVirtualNode* GetPreviousVisible(const TVirtualNode* Node);
  TVirtualNode* GetNextVisibleSibling(const TVirtualNode* Node);
  TVirtualNode* GetPreviousVisibleSibling(const TVirtualNode* Node);
  // Number of shown rows and their total height.
  int VisibleCount();
  int TotalHeight();

  // The shown row at content position Y (0 = top of the first row); nil below the last.
  // NodeTop receives the row's content top.
  TVirtualNode* GetNodeAt(int Y, int* NodeTop = nullptr);
  // Content top of a shown row.
  int DisplayTop(const TVirtualNode* Node);
  // Calls Fn(Node, Top) for each shown row meeting the content band [Top, Bottom), in order;
  // Fn returns false to stop. Costs the rows in the band, not the tree.
  void ForEachVisibleRow(int Top, int Bottom, const std::function<bool(TVirtualNode*, int)>& Fn);

  // Scrolling: offsets are zero or negative; the view is ClientWidth × ClientHeight.
  int OffsetX() const { return FOffsetX; }
  int OffsetY() const { return FOffsetY; }
  void SetOffsetX(int Value);
  void SetOffsetY(int Value);
  int ClientWidth() const { return FClientWidth; }
  int ClientHeight() const { return FClientHeight; }
  // Clamps the offsets again.
  void SetClientSize(int Width, int Height);
  // Width of the content (at least the view's width for no horizontal scrolling).
  int RangeX() const { return FRangeX; }
  void SetRangeX(int Value);
  // Scrolls vertically so that the row is wholly in view; true when it moved.
  bool ScrollIntoView(const TVirtualNode* Node);

  // The keyboard: arrows, Page Up/Down, Home, End move the focus (and the selection, which
  // Shift extends in MultiSelect and Ctrl leaves alone); Left/Right collapse, go to the
  // parent, expand, go to the first child; Space toggles the focused row's check box.
  // True when the key was used.
  bool HandleKey(uint16_t Key, bool Shift, bool Ctrl);
  // A click on a row: focus and selection as by the keyboard.
  void ClickNode(TVirtualNode* Node, bool Shift, bool Ctrl);

 private:
  void MarkDirty(TVirtualNode* Node);
  void Rebuild(TVirtualNode* Node);
  void Validate() { Rebuild(FRoot.get()); }
  void InitChildren(TVirtualNode* Node);
  void Changed() {
    if (FHost) FHost->StructureChanged();
  }
  void ClampOffsets();
  TVirtualNode* NodeOf(TVirtualNode* Node) const { return Node ? Node : FRoot.get(); }
  void Unlink(TVirtualNode* Node);  // selection, focus and anchor forget Node and below
  void FreeChildren(TVirtualNode* Node);
  void ApplyToChildren(TVirtualNode* Node, TCheckState State);
  void UpdateParentChecks(TVirtualNode* Node);
  void MoveFocus(TVirtualNode* Node, bool Shift, bool Ctrl);
  void SelectRange(TVirtualNode* From, TVirtualNode* To);

  IVirtualTreeHost* FHost;
  std::unique_ptr<TVirtualNode> FRoot;
  int FDefaultNodeHeight = DefaultDefaultNodeHeight;
  bool FMultiSelect = false;
  std::vector<TVirtualNode*> FSelection;
  TVirtualNode* FFocusedNode = nullptr;
  TVirtualNode* FRangeAnchor = nullptr;
  int FOffsetX = 0, FOffsetY = 0;
  int FClientWidth = 0, FClientHeight = 0;
  int FRangeX = 0;
};

}  // namespace qv
