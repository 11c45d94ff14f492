#include "vtree/VirtualTreeModel.h"

#include <algorithm>

namespace qv {

int TVirtualNode::Level() const {
  int L = -1;
  for (const TVirtualNode* N = FParent; N; N = N->FParent) ++L;
  return L;
}

TVirtualTreeModel::TVirtualTreeModel(IVirtualTreeHost* Host)
    : FHost(Host), FRoot(std::make_unique<TVirtualNode>()) {
  FRoot->FStates = {vsVisible, vsExpanded, vsInitialized, vsChildrenInited};
  FRoot->FDirty = true;
}

TVirtualTreeModel::~TVirtualTreeModel() {
  // No host calls while the owner is going.
  FHost = nullptr;
}

// ---- structure ---------------------------------------------------------------------

void TVirtualTreeModel::MarkDirty(TVirtualNode* Node) {
  for (; Node; Node = Node->FParent) Node->FDirty = true;
}

// Brings Node's prefix sums up to date, and those of every shown child that needs it.
void TVirtualTreeModel::Rebuild(TVirtualNode* Node) {
  if (!Node->FDirty) return;
  Node->FDirty = false;
  const size_t N = Node->FChildren.size();
  Node->FHeightSums.resize(N + 1);
  Node->FCountSums.resize(N + 1);
  int H = 0, C = 0;
  for (size_t I = 0; I < N; ++I) {
    Node->FHeightSums[I] = H;
    Node->FCountSums[I] = C;
    TVirtualNode* Ch = Node->FChildren[I].get();
    if (!Ch->FStates.Contains(vsVisible)) continue;
    H += NodeHeight(Ch);
    C += 1;
    if (Ch->FStates.Contains(vsExpanded) && !Ch->FChildren.empty()) {
      Rebuild(Ch);
      H += Ch->FHeightSums.back();
      C += Ch->FCountSums.back();
    }
  }
  Node->FHeightSums[N] = H;
  Node->FCountSums[N] = C;
}

void TVirtualTreeModel::SetChildCount(TVirtualNode* Node, int Value) {
  Node = NodeOf(Node);
  Value = std::max(Value, 0);
  const int Old = Node->ChildCount();
  if (Value == Old) return;
  if (Value < Old) {
    for (int I = Old - 1; I >= Value; --I) {
      TVirtualNode* Ch = Node->FChildren[size_t(I)].get();
      Unlink(Ch);
      FreeChildren(Ch);
      if (FHost) FHost->NodeFreeing(Ch);
    }
    Node->FChildren.resize(size_t(Value));
  } else {
    Node->FChildren.reserve(size_t(Value));
    for (int I = Old; I < Value; ++I) {
      auto Ch = std::make_unique<TVirtualNode>();
      Ch->FParent = Node;
      Ch->FIndex = I;
      Node->FChildren.push_back(std::move(Ch));
    }
  }
  Node->FStates.Include(vsChildrenInited);
  if (Value > 0) Node->FStates.Include(vsHasChildren);
  MarkDirty(Node);
  ClampOffsets();
  Changed();
}

TVirtualNode* TVirtualTreeModel::AddChild(TVirtualNode* Parent) {
  Parent = NodeOf(Parent);
  SetChildCount(Parent, Parent->ChildCount() + 1);
  return Parent->FChildren.back().get();
}

TVirtualNode* TVirtualTreeModel::GetChild(TVirtualNode* Parent, int Index) const {
  Parent = NodeOf(Parent);
  if (Index < 0 || Index >= Parent->ChildCount())
    throw EListError(L"List index out of bounds (" + std::to_wstring(Index) + L")");
  return Parent->Child(Index);
}

void TVirtualTreeModel::FreeChildren(TVirtualNode* Node) {
  for (auto& Ch : Node->FChildren) {
    FreeChildren(Ch.get());
    Unlink(Ch.get());
    if (FHost) FHost->NodeFreeing(Ch.get());
  }
  Node->FChildren.clear();
}

void TVirtualTreeModel::Unlink(TVirtualNode* Node) {
  if (Node->FStates.Contains(vsSelected)) {
    FSelection.erase(std::find(FSelection.begin(), FSelection.end(), Node));
    Node->FStates.Exclude(vsSelected);
  }
  if (FRangeAnchor == Node) FRangeAnchor = nullptr;
  if (FFocusedNode == Node) {
    FFocusedNode = nullptr;
    if (FHost) FHost->FocusChanged(nullptr);
  }
}

void TVirtualTreeModel::DeleteNode(TVirtualNode* Node) {
  if (!Node || Node == FRoot.get()) return;
  TVirtualNode* Parent = Node->FParent;
  FreeChildren(Node);
  Unlink(Node);
  if (FHost) FHost->NodeFreeing(Node);
  auto& V = Parent->FChildren;
  V.erase(V.begin() + Node->FIndex);
  for (size_t I = 0; I < V.size(); ++I) V[I]->FIndex = int(I);
  MarkDirty(Parent);
  ClampOffsets();
  Changed();
}

void TVirtualTreeModel::DeleteChildren(TVirtualNode* Node) {
  Node = NodeOf(Node);
  if (Node->FChildren.empty()) return;
  FreeChildren(Node);
  MarkDirty(Node);
  ClampOffsets();
  Changed();
}

void TVirtualTreeModel::Clear() {
  DeleteChildren(FRoot.get());
  FOffsetX = FOffsetY = 0;
  FRangeX = 0;
}

void TVirtualTreeModel::InitNode(TVirtualNode* Node) {
  if (Node->FStates.Contains(vsInitialized)) return;
  Node->FStates.Include(vsInitialized);
  if (FHost) FHost->NodeInit(Node);
}

void TVirtualTreeModel::InitChildren(TVirtualNode* Node) {
  if (Node->FStates.Contains(vsChildrenInited)) return;
  Node->FStates.Include(vsChildrenInited);
  int Count = 0;
  if (FHost) FHost->NodeInitChildren(Node, Count);
  if (Count > 0) SetChildCount(Node, Count);
}

// ---- looks of a row ------------------------------------------------------------------

void TVirtualTreeModel::SetDefaultNodeHeight(int Value) {
  Value = std::max(Value, 1);
  if (Value == FDefaultNodeHeight) return;
  FDefaultNodeHeight = Value;
  // Every row on the default height moves: all sums are stale.
  for (TVirtualNode* N = FRoot.get(); N; N = GetNext(N)) N->FDirty = true;
  ClampOffsets();
  Changed();
}

void TVirtualTreeModel::SetNodeHeight(TVirtualNode* Node, int Value) {
  Value = std::max(Value, 0);
  if (Node->FNodeHeight == Value) return;
  Node->FNodeHeight = Value;
  MarkDirty(Node->FParent);
  ClampOffsets();
  Changed();
}

void TVirtualTreeModel::SetVisible(TVirtualNode* Node, bool Value) {
  if (IsVisible(Node) == Value) return;
  if (Value)
    Node->FStates.Include(vsVisible);
  else
    Node->FStates.Exclude(vsVisible);
  MarkDirty(Node->FParent);
  ClampOffsets();
  Changed();
}

bool TVirtualTreeModel::HasChildren(const TVirtualNode* Node) const {
  return !Node->FChildren.empty() ||
         (Node->FStates.Contains(vsHasChildren) && !Node->FStates.Contains(vsChildrenInited));
}

void TVirtualTreeModel::SetHasChildren(TVirtualNode* Node, bool Value) {
  if (Value) {
    Node->FStates.Include(vsHasChildren);
    if (Node->FChildren.empty()) Node->FStates.Exclude(vsChildrenInited);
  } else {
    Node->FStates.Exclude(vsHasChildren);
  }
  if (FHost) FHost->NodeChanged(Node);
}

void TVirtualTreeModel::SetExpanded(TVirtualNode* Node, bool Value) {
  if (Node == FRoot.get() || Expanded(Node) == Value) return;
  if (Value) {
    InitChildren(Node);
    Node->FStates.Include(vsExpanded);
  } else {
    Node->FStates.Exclude(vsExpanded);
    // The focus leaves rows that no longer show.
    for (TVirtualNode* F = FFocusedNode; F; F = F->FParent)
      if (F->FParent == Node) {
        SetFocusedNode(Node);
        break;
      }
  }
  MarkDirty(Node);
  ClampOffsets();
  Changed();
}

bool TVirtualTreeModel::FullyVisible(const TVirtualNode* Node) const {
  if (!Node || Node == FRoot.get() || !IsVisible(Node)) return false;
  for (const TVirtualNode* P = Node->FParent; P != FRoot.get(); P = P->FParent)
    if (!IsVisible(P) || !Expanded(P)) return false;
  return true;
}

// ---- check boxes ---------------------------------------------------------------------

void TVirtualTreeModel::SetCheckType(TVirtualNode* Node, TCheckType Value) {
  if (Node->FCheckType == Value) return;
  Node->FCheckType = Value;
  if (FHost) FHost->NodeChanged(Node);
}

void TVirtualTreeModel::ApplyToChildren(TVirtualNode* Node, TCheckState State) {
  for (auto& Ch : Node->FChildren) {
    if (Ch->FCheckType != ctTriStateCheckBox) continue;
    Ch->FCheckState = State;
    ApplyToChildren(Ch.get(), State);
  }
}

void TVirtualTreeModel::UpdateParentChecks(TVirtualNode* Node) {
  for (TVirtualNode* P = Node->FParent; P && P != FRoot.get(); P = P->FParent) {
    if (P->FCheckType != ctTriStateCheckBox) return;
    bool AnyChecked = false, AnyUnchecked = false;
    for (auto& Ch : P->FChildren) {
      if (Ch->FCheckType != ctTriStateCheckBox) continue;
      AnyChecked |= Ch->FCheckState != csUncheckedNormal;
      AnyUnchecked |= Ch->FCheckState != csCheckedNormal;
    }
    const TCheckState S = AnyChecked && AnyUnchecked ? csMixedNormal
                          : AnyChecked               ? csCheckedNormal
                                                     : csUncheckedNormal;
    if (P->FCheckState == S) return;
    P->FCheckState = S;
  }
}

void TVirtualTreeModel::SetCheckState(TVirtualNode* Node, TCheckState Value) {
  if (Node->FCheckState == Value) return;
  Node->FCheckState = Value;
  if (Node->FCheckType == ctTriStateCheckBox) {
    if (Value != csMixedNormal) ApplyToChildren(Node, Value);
    UpdateParentChecks(Node);
    // Parents and children look different too.
    if (FHost) FHost->StructureChanged();
  } else if (FHost) {
    FHost->NodeChanged(Node);
  }
  if (FHost) FHost->NodeChecked(Node);
}

void TVirtualTreeModel::ToggleCheck(TVirtualNode* Node) {
  if (!Node || Node->FCheckType == ctNone) return;
  SetCheckState(Node, Node->FCheckState == csCheckedNormal ? csUncheckedNormal : csCheckedNormal);
}

int TVirtualTreeModel::CheckedCount() const {
  int N = 0;
  for (TVirtualNode* Node = GetFirstChecked(); Node; Node = GetNextChecked(Node)) ++N;
  return N;
}

TVirtualNode* TVirtualTreeModel::GetFirstChecked() const {
  TVirtualNode* N = GetFirst();
  return N && N->FCheckState != csCheckedNormal ? GetNextChecked(N) : N;
}

TVirtualNode* TVirtualTreeModel::GetNextChecked(const TVirtualNode* Node) const {
  for (TVirtualNode* N = GetNext(Node); N; N = GetNext(N))
    if (N->FCheckState == csCheckedNormal) return N;
  return nullptr;
}

// ---- selection and focus -------------------------------------------------------------

void TVirtualTreeModel::SetMultiSelect(bool Value) {
  if (FMultiSelect == Value) return;
  FMultiSelect = Value;
  if (!Value && FSelection.size() > 1) {
    TVirtualNode* Keep = FSelection.back();
    ClearSelection();
    SetSelected(Keep, true);
  }
}

void TVirtualTreeModel::SetSelected(TVirtualNode* Node, bool Value) {
  if (!Node || Node == FRoot.get() || Selected(Node) == Value) return;
  if (Value && !FMultiSelect && !FSelection.empty()) {
    for (TVirtualNode* N : FSelection) {
      N->FStates.Exclude(vsSelected);
      if (FHost) FHost->NodeChanged(N);
    }
    FSelection.clear();
  }
  if (Value) {
    Node->FStates.Include(vsSelected);
    FSelection.push_back(Node);
  } else {
    Node->FStates.Exclude(vsSelected);
    FSelection.erase(std::find(FSelection.begin(), FSelection.end(), Node));
  }
  if (FHost) {
    FHost->NodeChanged(Node);
    FHost->SelectionChanged();
  }
}

void TVirtualTreeModel::ClearSelection() {
  if (FSelection.empty()) return;
  for (TVirtualNode* N : FSelection) {
    N->FStates.Exclude(vsSelected);
    if (FHost) FHost->NodeChanged(N);
  }
  FSelection.clear();
  if (FHost) FHost->SelectionChanged();
}

void TVirtualTreeModel::SetFocusedNode(TVirtualNode* Node) {
  if (Node == FRoot.get()) Node = nullptr;
  if (Node == FFocusedNode) return;
  TVirtualNode* Old = FFocusedNode;
  FFocusedNode = Node;
  if (FHost) {
    if (Old) FHost->NodeChanged(Old);
    if (Node) FHost->NodeChanged(Node);
    FHost->FocusChanged(Node);
  }
}

// ---- iteration ---------------------------------------------------------------------

TVirtualNode* TVirtualTreeModel::GetFirst() const {
  return FRoot->FChildren.empty() ? nullptr : FRoot->FChildren.front().get();
}

TVirtualNode* TVirtualTreeModel::GetNext(const TVirtualNode* Node) const {
  if (!Node->FChildren.empty()) return Node->FChildren.front().get();
  for (; Node && Node != FRoot.get(); Node = Node->FParent) {
    const auto& Sib = Node->FParent->FChildren;
    if (size_t(Node->FIndex) + 1 < Sib.size()) return Sib[size_t(Node->FIndex) + 1].get();
  }
  return nullptr;
}

namespace {

// Index of the first child at or after From whose shown height is not zero; -1 when none.
// Sums are non-decreasing, so the child is where the sum first exceeds Sums[From].
int FirstShownFrom(const std::vector<int>& Sums, int From) {
  const int N = int(Sums.size()) - 1;
  if (From >= N) return -1;
  auto It = std::upper_bound(Sums.begin() + From + 1, Sums.end(), Sums[size_t(From)]);
  return It == Sums.end() ? -1 : int(It - Sums.begin()) - 1;
}

// Index of the last child before To (exclusive) that shows; -1 when none.
int LastShownBefore(const std::vector<int>& Sums, int To) {
  if (To <= 0) return -1;
  auto It = std::lower_bound(Sums.begin(), Sums.begin() + To, Sums[size_t(To)]);
  return It == Sums.begin() ? -1 : int(It - Sums.begin()) - 1;
}

}  // namespace

TVirtualNode* TVirtualTreeModel::GetNextVisibleSibling(const TVirtualNode* Node) {
  if (!Node || !Node->FParent) return nullptr;
  TVirtualNode* P = Node->FParent;
  Rebuild(P);
  const int I = FirstShownFrom(P->FHeightSums, Node->FIndex + 1);
  return I < 0 ? nullptr : P->Child(I);
}

TVirtualNode* TVirtualTreeModel::GetPreviousVisibleSibling(const TVirtualNode* Node) {
  if (!Node || !Node->FParent) return nullptr;
  TVirtualNode* P = Node->FParent;
  Rebuild(P);
  const int I = LastShownBefore(P->FHeightSums, Node->FIndex);
  return I < 0 ? nullptr : P->Child(I);
}

TVirtualNode* TVirtualTreeModel::GetFirstVisible() {
  Validate();
  const int I = FirstShownFrom(FRoot->FHeightSums, 0);
  return I < 0 ? nullptr : FRoot->Child(I);
}

TVirtualNode* TVirtualTreeModel::GetLastVisible() {
  Validate();
  TVirtualNode* N = FRoot.get();
  for (;;) {
    const int I = LastShownBefore(N->FHeightSums, N->ChildCount());
    if (I < 0) return N == FRoot.get() ? nullptr : N;
    N = N->Child(I);
    if (!Expanded(N)) return N;
  }
}

TVirtualNode* TVirtualTreeModel::GetNextVisible(const TVirtualNode* Node) {
  if (!Node) return GetFirstVisible();
  Validate();
  if (Expanded(Node) && !Node->FChildren.empty()) {
    const int I = FirstShownFrom(Node->FHeightSums, 0);
    if (I >= 0) return Node->Child(I);
  }
  for (; Node && Node != FRoot.get(); Node = Node->FParent)
    if (TVirtualNode* S = GetNextVisibleSibling(Node)) return S;
  return nullptr;
}

TVirtualNode* TVirtualTreeModel::GetPreviousVisible(const TVirtualNode* Node) {
  if (!Node) return nullptr;
  Validate();
  TVirtualNode* S = GetPreviousVisibleSibling(Node);
  if (!S) return Node->FParent == FRoot.get() ? nullptr : Node->FParent;
  // The last shown row of the sibling's subtree.
  for (;;) {
    if (!Expanded(S) || S->FChildren.empty()) return S;
    const int I = LastShownBefore(S->FHeightSums, S->ChildCount());
    if (I < 0) return S;
    S = S->Child(I);
  }
}

int TVirtualTreeModel::VisibleCount() {
  Validate();
  return FRoot->FCountSums.back();
}

int TVirtualTreeModel::TotalHeight() {
  Validate();
  return FRoot->FHeightSums.back();
}

TVirtualNode* TVirtualTreeModel::GetNodeAt(int Y, int* NodeTop) {
  Validate();
  if (Y < 0 || Y >= FRoot->FHeightSums.back()) return nullptr;
  TVirtualNode* N = FRoot.get();
  int Base = 0;
  for (;;) {
    const auto& S = N->FHeightSums;
    // The child whose span holds Y: the last one starting at or before it.
    const int I = int(std::upper_bound(S.begin(), S.end(), Y - Base) - S.begin()) - 1;
    TVirtualNode* Ch = N->Child(I);
    Base += S[size_t(I)];
    const int H = NodeHeight(Ch);
    if (Y < Base + H) {
      if (NodeTop) *NodeTop = Base;
      return Ch;
    }
    Base += H;
    N = Ch;
  }
}

int TVirtualTreeModel::DisplayTop(const TVirtualNode* Node) {
  Validate();
  int Top = 0;
  for (const TVirtualNode* N = Node; N && N != FRoot.get(); N = N->FParent) {
    Top += N->FParent->FHeightSums[size_t(N->FIndex)];
    if (N->FParent != FRoot.get()) Top += NodeHeight(N->FParent);
  }
  return Top;
}

void TVirtualTreeModel::ForEachVisibleRow(int Top, int Bottom,
                                          const std::function<bool(TVirtualNode*, int)>& Fn) {
  int Y = 0;
  TVirtualNode* N = GetNodeAt(std::max(Top, 0), &Y);
  while (N && Y < Bottom) {
    InitNode(N);
    if (!Fn(N, Y)) return;
    Y += NodeHeight(N);
    N = GetNextVisible(N);
  }
}

// ---- scrolling ---------------------------------------------------------------------

void TVirtualTreeModel::ClampOffsets() {
  const int OldX = FOffsetX, OldY = FOffsetY;
  const int MinY = std::min(0, FClientHeight - TotalHeight());
  FOffsetY = std::clamp(FOffsetY, MinY, 0);
  const int MinX = std::min(0, FClientWidth - FRangeX);
  FOffsetX = std::clamp(FOffsetX, MinX, 0);
  if ((OldX != FOffsetX || OldY != FOffsetY) && FHost)
    FHost->Scrolled(FOffsetX - OldX, FOffsetY - OldY);
}

void TVirtualTreeModel::SetOffsetY(int Value) {
  const int Old = FOffsetY;
  FOffsetY = std::clamp(Value, std::min(0, FClientHeight - TotalHeight()), 0);
  if (FOffsetY != Old && FHost) FHost->Scrolled(0, FOffsetY - Old);
}

void TVirtualTreeModel::SetOffsetX(int Value) {
  const int Old = FOffsetX;
  FOffsetX = std::clamp(Value, std::min(0, FClientWidth - FRangeX), 0);
  if (FOffsetX != Old && FHost) FHost->Scrolled(FOffsetX - Old, 0);
}

void TVirtualTreeModel::SetClientSize(int Width, int Height) {
  FClientWidth = std::max(Width, 0);
  FClientHeight = std::max(Height, 0);
  ClampOffsets();
}

void TVirtualTreeModel::SetRangeX(int Value) {
  Value = std::max(Value, 0);
  if (Value == FRangeX) return;
  FRangeX = Value;
  ClampOffsets();
  Changed();
}

bool TVirtualTreeModel::ScrollIntoView(const TVirtualNode* Node) {
  if (!FullyVisible(Node)) return false;
  const int Top = DisplayTop(Node), H = NodeHeight(Node);
  const int Old = FOffsetY;
  if (Top + FOffsetY < 0)
    SetOffsetY(-Top);
  else if (Top + H + FOffsetY > FClientHeight)
    SetOffsetY(FClientHeight - Top - H);
  return FOffsetY != Old;
}

// ---- keyboard and clicks -------------------------------------------------------------

void TVirtualTreeModel::SelectRange(TVirtualNode* From, TVirtualNode* To) {
  // Display order between the two rows, whichever comes first.
  if (DisplayTop(From) > DisplayTop(To)) std::swap(From, To);
  for (TVirtualNode* N = From; N; N = GetNextVisible(N)) {
    SetSelected(N, true);
    if (N == To) break;
  }
}

void TVirtualTreeModel::MoveFocus(TVirtualNode* Node, bool Shift, bool Ctrl) {
  if (!Node) return;
  TVirtualNode* Anchor = FRangeAnchor ? FRangeAnchor : FFocusedNode;
  SetFocusedNode(Node);
  if (Shift && FMultiSelect && Anchor) {
    ClearSelection();
    SelectRange(Anchor, Node);
    FRangeAnchor = Anchor;
  } else if (!Ctrl || !FMultiSelect) {
    ClearSelection();
    SetSelected(Node, true);
    FRangeAnchor = Node;
  }
  ScrollIntoView(Node);
}

void TVirtualTreeModel::ClickNode(TVirtualNode* Node, bool Shift, bool Ctrl) {
  if (!Node) return;
  if (Ctrl && FMultiSelect && !Shift) {
    SetFocusedNode(Node);
    SetSelected(Node, !Selected(Node));
    FRangeAnchor = Node;
    return;
  }
  MoveFocus(Node, Shift, false);
}

bool TVirtualTreeModel::HandleKey(uint16_t Key, bool Shift, bool Ctrl) {
  TVirtualNode* F = FFocusedNode;
  if (F && !FullyVisible(F)) F = nullptr;
  switch (Key) {
    case kVkDown:
      MoveFocus(F ? GetNextVisible(F) : GetFirstVisible(), Shift, Ctrl);
      return true;
    case kVkUp:
      MoveFocus(F ? GetPreviousVisible(F) : GetFirstVisible(), Shift, Ctrl);
      return true;
    case kVkHome:
      MoveFocus(GetFirstVisible(), Shift, Ctrl);
      return true;
    case kVkEnd:
      MoveFocus(GetLastVisible(), Shift, Ctrl);
      return true;
    case kVkNext:
    case kVkPrior: {
      if (!F) {
        MoveFocus(GetFirstVisible(), Shift, Ctrl);
        return true;
      }
      // One view further, or the last (first) row.
      const int Page = std::max(FClientHeight, NodeHeight(F));
      const int Y = DisplayTop(F) + (Key == kVkNext ? Page : -Page);
      TVirtualNode* T = GetNodeAt(Y);
      if (!T) T = Key == kVkNext ? GetLastVisible() : GetFirstVisible();
      MoveFocus(T, Shift, Ctrl);
      return true;
    }
    case kVkLeft:
      if (!F) return false;
      if (Expanded(F) && HasChildren(F))
        SetExpanded(F, false);
      else if (F->FParent != FRoot.get())
        MoveFocus(F->FParent, false, false);
      return true;
    case kVkRight:
      if (!F || !HasChildren(F)) return false;
      if (!Expanded(F))
        SetExpanded(F, true);
      else if (TVirtualNode* C = GetNextVisible(F); C && C->FParent == F)
        MoveFocus(C, false, false);
      return true;
    case kVkSpace:
      if (!F || F->FCheckType == ctNone) return false;
      ToggleCheck(F);
      return true;
  }
  return false;
}

}  // namespace qv
