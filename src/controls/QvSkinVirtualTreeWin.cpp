#include <windows.h>

#include "controls/QvNativeScrollMirror.h"
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
  for (TQvSkinScrollBar* Bar : {FVScrollBar, FHScrollBar})
    if (Bar) {
      Bar->OnChange = nullptr;
      Bar->RemoveFreeNotification(this);
    }
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
  }
  B::WndProc(Message);
}

template <class B>
void TQvSkinVirtualTreeT<B>::Loaded() {
  B::Loaded();
  auto Find = [this](String& Name) {
    TComponent* C = Name.empty() ? nullptr : FindReferencedComponent(this, Name);
    Name.clear();
    return C;
  };
  if (auto* P = dynamic_cast<TQvSkinBorderPanel*>(Find(FPendingPanel))) SetQvSkinBorderPanel(P);
  if (auto* V = dynamic_cast<TQvSkinScrollBar*>(Find(FPendingVBar))) SetVScrollBar(V);
  if (auto* H = dynamic_cast<TQvSkinScrollBar*>(Find(FPendingHBar))) SetHScrollBar(H);
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
