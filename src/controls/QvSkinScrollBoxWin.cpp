#include <windows.h>

#include <algorithm>

#include "controls/QvSkinBarLinks.h"
#include "controls/QvSkinScrollBox.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinScrollBox>(), true);

}  // namespace

TQvSkinScrollBox::TQvSkinScrollBox(TComponent* AOwner) : TQvSkinPanel(AOwner) {
  FControlStyle.Include(csAcceptsControls);
  SetBorderSides({});
  SetAlpha(0);
  SetBounds(Left(), Top(), 150, 150);
}

TQvSkinScrollBox::~TQvSkinScrollBox() {
  ReleaseBars(this, {FVScrollBar, FHScrollBar}, true);
}

void TQvSkinScrollBox::CreateParams(TCreateParams& Params) {
  TQvSkinPanel::CreateParams(Params);
  Params.WindowClass.Style &= ~uint32_t(CS_HREDRAW | CS_VREDRAW);
}

void TQvSkinScrollBox::SetBar(TQvSkinScrollBar*& Field, TQvSkinScrollBar* Value, bool Vertical) {
  if (Field == Value) return;
  if (Field) {
    Field->OnChange = nullptr;
    Field->OnLastChange = nullptr;
    Field->RemoveFreeNotification(this);
  }
  Field = Value;
  if (!Value) return;
  Value->FreeNotification(this);
  Value->SetCanFocused(false);
  Value->SetEnabled(true);
  Value->SetVisible(false);
  Value->OnChange = [this](TObject* Sender) { BarChanged(Sender); };
  Value->OnLastChange = [this, Value](TObject*) {
    if (Value == FHScrollBar) Invalidate();
  };
  GetRange(Vertical);
}

void TQvSkinScrollBox::Notification(TComponent* AComponent, TOperation Operation) {
  TQvSkinPanel::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FVScrollBar) FVScrollBar = nullptr;
  if (AComponent == FHScrollBar) FHScrollBar = nullptr;
}

void TQvSkinScrollBox::ScrollChildren(bool Vertical, int D) {
  if (D == 0) return;
  if (Vertical) {
    ScrollBy(0, -D);
    Invalidate();
  } else {
    ScrollBy(-D, 0);
  }
}

void TQvSkinScrollBox::ShowBar(TQvSkinScrollBar* Bar, bool Show) {
  if (Bar->Visible() == Show) return;
  TScopedValue<bool> Guard(FInCheckScrollBars, true);
  Bar->SetVisible(Show);
  if (Align() != alNone) {
    if (Parent()) Parent()->Realign();
    Realign();
  }
}

void TQvSkinScrollBox::GetVRange() {
  GetRange(true);
}
void TQvSkinScrollBox::GetHRange() {
  GetRange(false);
}

void TQvSkinScrollBox::GetRange(bool Vertical) {
  TQvSkinScrollBar* Bar = Vertical ? FVScrollBar : FHScrollBar;
  if (!Bar || !Parent() || FInCheckScrollBars) return;
  int& SizeOffset = Vertical ? FVSizeOffset : FHSizeOffset;
  int& Applied = Vertical ? FOldVScrollBarPos : FOldHScrollBarPos;
  const int CH = Vertical ? ClientHeight() : ClientWidth();
  int B = 0;  // the children's far edge in the view
  for (int I = 0; I < ControlCount(); ++I) {
    TControl* C = Controls(I);
    if (C->Visible()) B = std::max(B, Vertical ? C->Top() + C->Height() : C->Left() + C->Width());
  }
  const int P = Bar->Position();
  // Moving the bar from here must not scroll the children a second time.
  TScopedValue<bool> Guard(FInCheckScrollBars, true);
  if (CH < B + P) {
    const int Max = P + B - 1;
    if (P > 0 && B < CH && SizeOffset > 0) {
      // The box grew while scrolled and the content no longer reaches its far edge.
      SizeOffset = std::min(SizeOffset, P);
      Bar->SetRange(0, Max, CH, P - SizeOffset);
      ScrollChildren(Vertical, -SizeOffset);
      if (Vertical) SizeOffset = 0;
    } else if (SizeOffset == 0 && Max < Bar->Max() && P > 0 && B < CH) {
      const int D = std::min(P, CH - B);
      ScrollChildren(Vertical, -D);
      Bar->SetRange(0, Max, CH, P - D);
      SizeOffset = 0;
    } else {
      Bar->SetRange(0, Max, CH, P);
      if (Vertical) SizeOffset = 0;
    }
    Applied = Bar->Position();
    FInCheckScrollBars = false;
    ShowBar(Bar, true);
  } else {
    if (P > 0) ScrollChildren(Vertical, -P);
    SizeOffset = 0;
    Applied = 0;
    Bar->SetRange(0, 0, 0, 0);
    FInCheckScrollBars = false;
    ShowBar(Bar, false);
  }
}

void TQvSkinScrollBox::BarChanged(TObject* Sender) {
  if (FInCheckScrollBars) return;
  const bool Vertical = Sender == FVScrollBar;
  auto* Bar = static_cast<TQvSkinScrollBar*>(Sender);
  int& Applied = Vertical ? FOldVScrollBarPos : FOldHScrollBarPos;
  ScrollChildren(Vertical, Bar->Position() - Applied);
  Applied = Bar->Position();
}

void TQvSkinScrollBox::VScroll(int Pos) {
  if (!FVScrollBar) return;
  // The last page starts at Max - PageSize + 1 (a range 0..299 with a page of 150 ends at
  // 150): one less would keep the content's last row out of view.
  if (FVScrollBar->PageSize() != 0)
    Pos = std::min(Pos, FVScrollBar->Max() - FVScrollBar->PageSize() + 1);
  FVScrollBar->SetPosition(Pos);
}

void TQvSkinScrollBox::HScroll(int Pos) {
  if (FHScrollBar) FHScrollBar->SetPosition(Pos);
}

void TQvSkinScrollBox::ScrollToControl(TControl* C) {
  if (!C || C->Parent() != this) return;
  if (FHScrollBar && FHScrollBar->Visible()) {
    if (C->Left() < 0)
      HScroll(FHScrollBar->Position() + C->Left() - FHSizeOffset);
    else if (C->Left() + C->Width() > ClientWidth())
      HScroll(FHScrollBar->Position() + C->Left() + C->Width() - ClientWidth() - FHSizeOffset);
  }
  if (FVScrollBar && FVScrollBar->Visible()) {
    if (C->Top() < 0)
      VScroll(FVScrollBar->Position() + C->Top() - FVSizeOffset);
    else if (C->Top() + C->Height() > ClientHeight())
      VScroll(FVScrollBar->Position() + C->Top() + C->Height() - ClientHeight() - FVSizeOffset);
  }
}

void TQvSkinScrollBox::AlignControls(TControl* AControl, TRect& Rect) {
  GetVRange();
  GetHRange();
  TQvSkinPanel::AlignControls(AControl, Rect);
}

void TQvSkinScrollBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const int OldW = Width(), OldH = Height();
  TQvSkinPanel::SetBounds(ALeft, ATop, AWidth, AHeight);
  // Growth while scrolled is given back to the children by the next range update.
  FHSizeOffset = OldW != 0 && Width() > OldW ? Width() - OldW : 0;
  if (Align() != alNone || FHSizeOffset) GetHRange();
  FVSizeOffset = OldH != 0 && Height() > OldH ? Height() - OldH : 0;
  if (Align() != alNone || FVSizeOffset) GetVRange();
}

void TQvSkinScrollBox::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (FCanFocused && !Designing() && !Focused() && CanFocus()) {
        SetFocus();
        if (!Focused()) return;  // the click is dropped
      }
      break;
    case CM_VISIBLECHANGED:
      TQvSkinPanel::WndProc(Message);
      for (TQvSkinScrollBar* Bar : {FVScrollBar, FHScrollBar})
        if (Bar && !Visible()) Bar->SetVisible(false);
      if (Visible()) {
        GetVRange();
        GetHRange();
      }
      return;
  }
  TQvSkinPanel::WndProc(Message);
}

const TPropTable& TQvSkinScrollBox::Properties() const {
  using C = TQvSkinScrollBox;
  static const TPropTable Table = TQvSkinPanel::Properties().With({
      Prop(L"CanFocused", &C::CanFocused, &C::SetCanFocused),
  });
  return Table;
}

}  // namespace qv
