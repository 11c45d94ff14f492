#include <windows.h>

#include <type_traits>

#include "controls/QvAccessibleWin.h"
#include "controls/QvNativeScrollMirror.h"
#include "controls/QvSkinBarLinks.h"
#include "controls/QvSkinVirtualTree.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinVirtualStringTree>(),
                          RegisterComponentClass<TQvSkinVirtualDrawTree>(), true);

}  // namespace

template <class B>
TQvSkinVirtualTreeT<B>::TQvSkinVirtualTreeT(TComponent* AOwner) : B(AOwner) {
  this->SetBorderStyle(bsNone);
}

template <class B>
TQvSkinVirtualTreeT<B>::~TQvSkinVirtualTreeT() {
  // The bars stop calling back into a tree that is going.
  ReleaseBars(this, {FVScrollBar, FHScrollBar});
  if (FQvSkinBorderPanel) FQvSkinBorderPanel->RemoveFreeNotification(this);
}

template <class B>
void TQvSkinVirtualTreeT<B>::SetQvSkinBorderPanel(TQvSkinBorderPanel* Value) {
  if (FQvSkinBorderPanel == Value) return;
  if (FQvSkinBorderPanel) FQvSkinBorderPanel->RemoveFreeNotification(this);
  FQvSkinBorderPanel = Value;
  if (!Value) return;
  Value->FreeNotification(this);
  Value->SetCMMouse(false);
}

template <class B>
void TQvSkinVirtualTreeT<B>::SetBar(TQvSkinScrollBar*& Field, TQvSkinScrollBar* Value,
                                    bool Vertical) {
  if (Field == Value) return;
  if (Field) {
    Field->OnChange = nullptr;
    Field->RemoveFreeNotification(this);
  }
  Field = Value;
  if (!Value) return;
  Value->FreeNotification(this);
  if (this->Designing()) return;
  Value->SetRange(0, 0, 0, 0);
  Value->SetAutoHide(true);
  Value->SetSmallChange(20);
  Value->SetBindingWinControl(this);
  Value->OnChange = [this](TObject* Sender) { BarChanged(Sender); };
  if (Vertical)
    UpdateVerticalScrollBar(false);
  else
    UpdateHorizontalScrollBar(false);
}

template <class B>
void TQvSkinVirtualTreeT<B>::UpDateScrollRanges() {
  UpdateVerticalScrollBar(false);
  UpdateHorizontalScrollBar(false);
}

// Reads the window's scroll state of one direction into the bar. The vertical bar is used
// while the page is shorter than the range (nMax + 1), the horizontal one only while it is
// shorter than nMax itself.
template <class B>
void TQvSkinVirtualTreeT<B>::MirrorBar(TQvSkinScrollBar* Bar, bool Vertical) {
  if (!Bar || this->Designing()) return;
  if (!this->Enabled()) {
    Bar->SetEnabled(false);
    return;
  }
  // A failed query reads as all zeros: an empty, disabled bar.
  const TQvNativeScroll S = TQvNativeScrollMirror(Vertical ? sbVertical : sbHorizontal)
                                .Read(this->HandleAllocated() ? this->Handle() : nullptr);
  const bool Used = S.Page > 0 && (Vertical ? S.Page < S.Max + 1 : S.Page < S.Max);
  if (Used) {
    Bar->SetRange(0, S.Max, S.Page, S.Position);
    Bar->SetEnabled(true);
  } else {
    Bar->SetRange(0, 0, 0, 0);
    Bar->SetEnabled(false);
  }
}

template <class B>
void TQvSkinVirtualTreeT<B>::UpdateVerticalScrollBar(bool DoRepaint) {
  B::UpdateVerticalScrollBar(DoRepaint);
  MirrorBar(FVScrollBar, true);
}

template <class B>
void TQvSkinVirtualTreeT<B>::UpdateHorizontalScrollBar(bool DoRepaint) {
  B::UpdateHorizontalScrollBar(DoRepaint);
  MirrorBar(FHScrollBar, false);
}

template <class B>
void TQvSkinVirtualTreeT<B>::BarChanged(TObject* Sender) {
  this->BeginUpdate();
  TScopeExit Done([this] {
    FLockUpdate = false;
    this->EndUpdate();
  });
  FLockUpdate = true;
  auto* Bar = static_cast<TQvSkinScrollBar*>(Sender);
  if (Bar == FVScrollBar)
    this->SetOffsetY(-Bar->Position());
  else if (Bar == FHScrollBar)
    this->SetOffsetX(-Bar->Position());
  if (OnScrollBarChange) OnScrollBarChange(Bar);
}

template <class B>
void TQvSkinVirtualTreeT<B>::DoScroll(int DeltaX, int DeltaY) {
  B::DoScroll(DeltaX, DeltaY);
  if (!FLockUpdate) UpDateScrollRanges();
}

template <class B>
void TQvSkinVirtualTreeT<B>::AlignControls(TControl* AControl, TRect& Rect) {
  UpDateScrollRanges();
  B::AlignControls(AControl, Rect);
}

template <class B>
void TQvSkinVirtualTreeT<B>::CreateParams(TCreateParams& Params) {
  B::CreateParams(Params);
  Params.Style &= ~uint32_t(WS_HSCROLL | WS_VSCROLL);
}

template <class B>
void TQvSkinVirtualTreeT<B>::Notification(TComponent* AComponent, TOperation Operation) {
  B::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FVScrollBar) FVScrollBar = nullptr;
  if (AComponent == FHScrollBar) FHScrollBar = nullptr;
  if (AComponent == FQvSkinBorderPanel) FQvSkinBorderPanel = nullptr;
}

template <class B>
void TQvSkinVirtualTreeT<B>::TellPanel(bool ViaMouse, bool InFocus) {
  if (FQvSkinBorderPanel) FQvSkinBorderPanel->UpdateFrame(ViaMouse, InFocus);
}

template <class B>
void TQvSkinVirtualTreeT<B>::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_NCCALCSIZE: {
      // Setting a scroll range turns the native bars on again; they never take room.
      if (this->HandleAllocated()) {
        const LONG_PTR Style = GetWindowLongPtrW(this->Handle(), GWL_STYLE);
        if (Style & (WS_HSCROLL | WS_VSCROLL))
          SetWindowLongPtrW(this->Handle(), GWL_STYLE, Style & ~LONG_PTR(WS_HSCROLL | WS_VSCROLL));
      }
      break;
    }
    case CM_ENTER:
    case CM_EXIT:
      B::WndProc(Message);
      TellPanel(false, Message.Msg == CM_ENTER);
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      B::WndProc(Message);
      TellPanel(true, Message.Msg == CM_MOUSEENTER);
      return;
    case WM_GETOBJECT:
      if ((Message.Result = AccessibleObjectResult(this, Message.WParam, Message.LParam))) return;
      break;
    case WM_SETFOCUS:
      B::WndProc(Message);
      // A reader follows the focused row, or the tree itself when no row has the focus.
      if (const int Row = RowIndex(this->FocusedNode()); Row >= 0)
        NotifyAccessibleChild(this, aeFocus, Row);
      else
        NotifyAccessibleWindow(this, aeFocus);
      return;
  }
  B::WndProc(Message);
}

template <class B>
void TQvSkinVirtualTreeT<B>::Loaded() {
  B::Loaded();
  if (auto* P = TakeReference<TQvSkinBorderPanel>(this, FPendingPanel)) SetQvSkinBorderPanel(P);
  if (auto* V = TakeReference<TQvSkinScrollBar>(this, FPendingVBar)) SetVScrollBar(V);
  if (auto* H = TakeReference<TQvSkinScrollBar>(this, FPendingHBar)) SetHScrollBar(H);
}

// ---- accessibility ----------------------------------------------------------------

template <class B>
TVirtualNode* TQvSkinVirtualTreeT<B>::RowAt(int Index) const {
  // The row walk may initialise nodes on the way: it is not const in the model.
  auto& Model = const_cast<TQvSkinVirtualTreeT*>(this)->Model();
  TVirtualNode* N = Index >= 0 ? Model.GetFirstVisible() : nullptr;
  for (; N && Index > 0; --Index) N = Model.GetNextVisible(N);
  return N;
}

template <class B>
int TQvSkinVirtualTreeT<B>::RowIndex(const TVirtualNode* Node) const {
  if (!Node || !this->IsVisible(Node)) return -1;
  auto& Model = const_cast<TQvSkinVirtualTreeT*>(this)->Model();
  int Index = 0;
  for (TVirtualNode* N = Model.GetFirstVisible(); N; N = Model.GetNextVisible(N), ++Index)
    if (N == Node) return Index;
  return -1;
}

template <class B>
TQvAccessibleInfo TQvSkinVirtualTreeT<B>::AccessibleInfo() const {
  TQvAccessibleInfo Info;
  Info.Role = arOutline;
  Info.State.Include(asFocusable);
  if (!this->Enabled()) Info.State.Include(asDisabled);
  if (!this->Visible()) Info.State.Include(asInvisible);
  return Info;
}

template <class B>
int TQvSkinVirtualTreeT<B>::AccessibleChildCount() const {
  return const_cast<TQvSkinVirtualTreeT*>(this)->VisibleCount();
}

template <class B>
TQvAccessibleChild TQvSkinVirtualTreeT<B>::AccessibleChild(int Index) const {
  TQvAccessibleChild Row;
  TVirtualNode* N = RowAt(Index);
  if (!N) return Row;
  auto* Self = const_cast<TQvSkinVirtualTreeT*>(this);
  TQvAccessibleInfo& I = Row.Info;
  I.Role = arOutlineItem;
  if constexpr (std::is_base_of_v<TCustomVirtualStringTree_qv, B>)
    I.Name = Self->Text(N);
  else
    I.Name = N->Text;
  I.Value = std::to_wstring(N->Level());  // outline items tell their level as the value
  I.State = {asFocusable, asSelectable};
  if (this->Selected(N)) I.State.Include(asSelected);
  if (N == this->FocusedNode() && this->Focused()) I.State.Include(asFocused);
  const bool Parent = Self->Model().HasChildren(N);
  if (Parent) {
    I.State.Include(this->Expanded(N) ? asExpanded : asCollapsed);
    I.DefaultAction = this->Expanded(N) ? L"Collapse" : L"Expand";
  }
  if (N->CheckType() != ctNone && this->TreeOptions().Contains(toCheckSupport)) {
    if (N->CheckState() == csCheckedNormal) I.State.Include(asChecked);
    if (N->CheckState() == csMixedNormal) I.State.Include(asMixed);
    if (!Parent) I.DefaultAction = N->Checked() ? L"Uncheck" : L"Check";
  }
  Row.Bounds = Self->GetDisplayRect(N);
  const TRect& R = Row.Bounds;
  if (R.Bottom <= 0 || R.Top >= this->ClientHeight()) I.State.Include(asInvisible);
  if (!this->Enabled()) I.State.Include(asDisabled);
  return Row;
}

template <class B>
bool TQvSkinVirtualTreeT<B>::DoAccessibleChildAction(int Index) {
  TVirtualNode* N = RowAt(Index);
  if (!N) return false;
  if (this->Model().HasChildren(N)) {
    this->SetExpanded(N, !this->Expanded(N));
    return true;
  }
  if (N->CheckType() == ctNone || !this->TreeOptions().Contains(toCheckSupport)) return false;
  this->Model().ToggleCheck(N);
  return true;
}

template <class B>
int TQvSkinVirtualTreeT<B>::AccessibleChildAt(TPoint P) const {
  return RowIndex(const_cast<TQvSkinVirtualTreeT*>(this)->GetNodeAt(P.X, P.Y));
}

template <class B>
void TQvSkinVirtualTreeT<B>::FocusChanged(TVirtualNode* Node) {
  B::FocusChanged(Node);
  const int Row = RowIndex(Node);
  NotifyAccessibleChild(this, this->Focused() ? aeFocus : aeStateChange, Row);
  // The focused row is the selected one for a reader that follows the selection too.
  if (Row >= 0 && this->Selected(Node)) NotifyAccessibleChild(this, aeStateChange, Row);
}

template <class B>
void TQvSkinVirtualTreeT<B>::NodeChecked(TVirtualNode* Node) {
  B::NodeChecked(Node);
  NotifyAccessibleChild(this, aeStateChange, RowIndex(Node));
}

template class TQvSkinVirtualTreeT<TVirtualStringTree_qv>;
template class TQvSkinVirtualTreeT<TVirtualDrawTree_qv>;

template <class B>
template <class C>
const TPropTable& TQvSkinVirtualTreeT<B>::SkinTreeProperties(const TPropTable& Base) {
  static const TPropTable Table = Base.With({
      RefProp(L"QvSkinBorderPanel", &C::QvSkinBorderPanel,
              [](C& T, const String& Name) { T.FPendingPanel = Name; }),
      RefProp(L"VScrollBar", &C::VScrollBar,
              [](C& T, const String& Name) { T.FPendingVBar = Name; }),
      RefProp(L"HScrollBar", &C::HScrollBar,
              [](C& T, const String& Name) { T.FPendingHBar = Name; }),
  });
  return Table;
}

const TPropTable& TQvSkinVirtualStringTree::Properties() const {
  return SkinTreeProperties<TQvSkinVirtualStringTree>(TVirtualStringTree_qv::Properties());
}

const TPropTable& TQvSkinVirtualDrawTree::Properties() const {
  return SkinTreeProperties<TQvSkinVirtualDrawTree>(TVirtualDrawTree_qv::Properties());
}

}  // namespace qv
