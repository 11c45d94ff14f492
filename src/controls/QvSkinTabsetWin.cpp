#include <windows.h>

#include <algorithm>

#include "controls/QvAccessibleWin.h"
#include "controls/QvSkinTabset.h"
#include "host/Canvas.h"
#include "host/Font.h"
#include "host/Graphics.h"
#include "host/Platform.h"
#include "host/Properties.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinTabset>(), true);

bool Inside(const TRect& R, TPoint P) {
  return P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom;
}

}  // namespace

TQvSkinCustomTabset::TQvSkinCustomTabset(TComponent* AOwner)
    : TQvSkinCustomToolbar(AOwner),
      FCloseButton(std::make_unique<TPngPictures>()),
      FCloseButtonOffset(std::make_unique<TQvOffset>()) {
  ButtonImage()->SetImage(L"QvSkinColor_tabs");
  FCloseButton->Lock();
  FCloseButton->SetCount(2);
  FCloseButton->SetNormal(0);
  FCloseButton->SetHot(1);
  FCloseButton->SetPressed(1);
  FCloseButton->SetActive(true);
  FCloseButton->UnLock();
  FCloseButton->SetImage(L"QvSkinMini_close_btn");
  FCloseButton->SetPicturesChanged([this](TObject*) { Invalidate(); });
  FCloseButtonOffset->SetX(DefaultCloseButtonOffsetX);
  FCloseButtonOffset->SetY(DefaultCloseButtonOffsetY);
  FCloseButtonOffset->OnChanged = [this](TObject*) { Invalidate(); };
  SetAlpha(255);
  SetBorderSides({});
  SetSpaceSize(0);
  SetButtonWidth(110);
  SetButtonHeight(38);
  SetHeight(38);
  Font()->SetSize(9);
  Font()->SetColor(TColor(0x181818));
  FontHot()->SetSize(9);
  FontHot()->SetColor(TColor(0x5146E3));
  FontDown()->SetSize(9);
  FontDown()->SetColor(clWhite);
}

void TQvSkinCustomTabset::SetCloseButtonVisible(bool Value) {
  Change(FCloseButtonVisible, Value);
}

int TQvSkinCustomTabset::GetExWidth() {
  return FCloseButtonVisible ? FCloseButton->GetSingleWidth() + FCloseButtonOffset->X() : 0;
}

void TQvSkinCustomTabset::DoButtonWidthChanged(TQvSkinToolbarItem* Item, int& Width) {
  if (FCloseButtonVisible) Width += GetDPIScaledPixels(this, 22);
  TQvSkinCustomToolbar::DoButtonWidthChanged(Item, Width);
}

TRect TQvSkinCustomTabset::CloseButtonRect(const TQvSkinToolbarItem* Item) const {
  const TRect R = Item->Rect();
  const int X = FCloseButtonOffset->X(), Y = FCloseButtonOffset->Y();
  return Rect(R.Right - X - FCloseButton->GetSingleWidth(), R.Top + Y, R.Right - X,
              R.Top + Y + FCloseButton->GetSingleHeight());
}

bool TQvSkinCustomTabset::CloseAllowed(TQvSkinToolbarItem* Item) {
  bool Allow = true;
  if (OnPaintCloseButton) OnPaintCloseButton(this, Item, Allow);
  return Allow;
}

void TQvSkinCustomTabset::DoDrawItem(TBitmap32* Bmp32, TQvSkinToolbarItem* Item) {
  TQvSkinCustomToolbar::DoDrawItem(Bmp32, Item);
  if (Designing() || !FCloseButtonVisible || Item == FDestDragToolbarItem || !CloseAllowed(Item))
    return;
  const bool Hot = Item->Index() == FCBHotIndex;
  const int State = Hot ? (FMousePressed ? FCloseButton->Pressed() : FCloseButton->Hot())
                        : FCloseButton->Normal();
  TBitmap32 Picture;
  if (!FCloseButton->GetImageByIndex(State, &Picture)) return;
  const TRect C = CloseButtonRect(Item);
  Bmp32->Draw(C.Left, C.Top, &Picture);
}

void TQvSkinCustomTabset::DoOnCloseButtonClick(int Index) {
  if (!OnCloseButtonClick) return;
  FMouseHooked = true;
  OnCloseButtonClick(this, Index);
}

void TQvSkinCustomTabset::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button != mbLeft) return TQvSkinCustomToolbar::MouseDown(Button, Shift, X, Y);
  FMouseHooked = false;
  if (!FMousePressed) FOldMouseDownPt = {X, Y};
  if (CanFocus()) SetFocus();
  if (FCloseButtonVisible && ValidIndex(FCBHotIndex)) {
    // The close button takes the press: the tab is not selected and no drag starts.
    TQvSkinCustomPanel::MouseDown(Button, Shift, X, Y);
    DoOnCloseButtonClick(FCBHotIndex);
    FFocusItemIndex = -1;
  } else {
    TQvSkinCustomToolbar::MouseDown(Button, Shift, X, Y);
  }
  FMousePressed = !FMouseHooked;
}

void TQvSkinCustomTabset::MouseMove(TShiftState Shift, int X, int Y) {
  const TPoint P{X, Y};
  if (FSourceDragToolbarItem) return DragOver(P);
  TQvSkinCustomToolbar::MouseMove(Shift, X, Y);
  if (FAllowDragTab && FMousePressed && !FMouseHooked && ValidIndex(FHotItemIndex) &&
      (std::abs(X - FOldMouseDownPt.X) > DragThreshold ||
       std::abs(Y - FOldMouseDownPt.Y) > DragThreshold))
    return StartDrag(P);
  int Hot = -1;
  if (FCloseButtonVisible && FHotOtherBtn == gbNone && ValidIndex(FHotItemIndex)) {
    TQvSkinToolbarItem* Item = Items()->Items(FHotItemIndex);
    if (CloseAllowed(Item) && Inside(CloseButtonRect(Item), P)) Hot = FHotItemIndex;
  }
  if (Hot != FCBHotIndex) {
    FCBHotIndex = Hot;
    Invalidate();
  }
}

void TQvSkinCustomTabset::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const bool Dragging = FSourceDragToolbarItem != nullptr;
  if (Dragging) {
    // The press became a drag: no click.
    FFocusItemIndex = -1;
    FinishDrag();
  }
  TQvSkinCustomToolbar::MouseUp(Button, Shift, X, Y);
  FMouseHooked = false;
  FMousePressed = false;
}

void TQvSkinCustomTabset::MouseLeave() {
  if (FCBHotIndex != -1) Invalidate();
  FCBHotIndex = -1;
  if (!FSourceDragToolbarItem) FMousePressed = false;
  TQvSkinCustomToolbar::MouseLeave();
}

void TQvSkinCustomTabset::StartDrag(TPoint P) {
  FDragItemIndex = FHotItemIndex;
  FSourceDragToolbarItem = Items()->Items(FDragItemIndex);
  // The tab's picture on $FF00FF, taken before the tab is hidden.
  const TRect R = FSourceDragToolbarItem->Rect();
  FDragPicture.SetSize(std::max(R.Width(), 0), std::max(R.Height(), 0));
  FDragPicture.Clear(0xFFFF00FF);
  if (TBitmap32* Painted = GetDoubleBuffer(); Painted && !Painted->Empty())
    FDragPicture.Draw(0, 0, R, Painted);
  FSourceDragToolbarItem->SetVisible(false);
  FCBHotIndex = -1;
  DragOver(P);
  if (HandleAllocated()) BeginDrag(this, false);
}

void TQvSkinCustomTabset::DoStartDrag(TDragObject*& DragObject) {
  TBitmap Picture(FDragPicture.Width(), FDragPicture.Height(), pf24bit);
  if (!FDragPicture.Empty()) FDragPicture.DrawTo(Picture.Canvas().Handle(), 0, 0);
  auto* D = new TQvTabsetItemDragObject(this, &Picture);
  D->OnFinished = [this](TObject*) {
    if (FSourceDragToolbarItem) FinishDrag();
  };
  DragObject = D;
}

void TQvSkinCustomTabset::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) {
  auto* Tab = dynamic_cast<TQvTabsetItemDragObject*>(Source);
  // Tabs of another tab set are refused.
  Accept = Inside(ClientRect(), {X, Y}) && (!Source || (Tab && Tab->Tabset() == this));
  if (FSourceDragToolbarItem && State != dsDragLeave) DragOver(TPoint{X, Y});
}

void TQvSkinCustomTabset::DragOver(TPoint P) {
  UpdateLayout();
  const bool Accept = Inside(ClientRect(), P);
  const int Hot = GetItemAt(P);
  if (Hot != FHotItemIndex) {
    FHotItemIndex = Hot;
    Invalidate();
  }
  if (FDestDragToolbarItem && FDestDragToolbarItem->Index() == Hot) return;
  if (FDestDragToolbarItem) {
    std::unique_ptr<TQvSkinToolbarItem> Old(FDestDragToolbarItem);
    FDestDragToolbarItem = nullptr;
  }
  if (Accept) {
    // Collection indexes moved when the old placeholder went: ask again.
    UpdateLayout();
    const int At = GetItemAt(P);
    auto* Placeholder = static_cast<TQvSkinToolbarItem*>(Items()->Add());
    if (At >= 0) Placeholder->SetIndex(At);
    Placeholder->Text()->SetText(FSourceDragToolbarItem->Text()->Text());
    Placeholder->Text()->SetVisible(false);
    FDestDragToolbarItem = Placeholder;
    FHotItemIndex = Placeholder->Index();
  }
  Invalidate();
}

void TQvSkinCustomTabset::FinishDrag() {
  // A running drag took the release: the press ends here, with no click.
  FMousePressed = FMouseHooked = false;
  FFocusItemIndex = -1;
  TQvSkinToolbarItem* Source = FSourceDragToolbarItem;
  FSourceDragToolbarItem = nullptr;
  FDragItemIndex = -1;
  Source->SetVisible(true);
  if (FDestDragToolbarItem) {
    Source->SetIndex(FDestDragToolbarItem->Index());
    std::unique_ptr<TQvSkinToolbarItem> Old(FDestDragToolbarItem);
    FDestDragToolbarItem = nullptr;
  }
  FHotItemIndex = -1;
  Invalidate();
}

TQvAccessibleInfo TQvSkinCustomTabset::AccessibleInfo() const {
  TQvAccessibleInfo Info = TQvSkinCustomToolbar::AccessibleInfo();
  Info.Role = arPageTabList;
  return Info;
}

TQvAccessibleChild TQvSkinCustomTabset::AccessibleChild(int Index) const {
  TQvAccessibleChild C = TQvSkinCustomToolbar::AccessibleChild(Index);
  const TQvSkinToolbarItem* Item = Items()->Items(Index);
  C.Info.Role = arPageTab;
  C.Info.State.Exclude(asChecked);
  C.Info.State.Exclude(asPressed);
  C.Info.State.Include(asSelectable);
  if (Item->Down()) C.Info.State.Include(asSelected);
  C.Info.DefaultAction = L"Switch";
  return C;
}

const TPropTable& TQvSkinCustomTabset::Properties() const {
  using C = TQvSkinCustomTabset;
  static const auto Offset = [] {
    auto O = std::make_unique<TQvOffset>();
    O->SetX(DefaultCloseButtonOffsetX);
    O->SetY(DefaultCloseButtonOffsetY);
    return O;
  }();
  static const TPropTable Table = TQvSkinCustomToolbar::Properties().With({
      Prop(L"AllowDragTab", &C::AllowDragTab, &C::SetAllowDragTab),
      ObjectProp(L"CloseButton", &C::CloseButton),
      ObjectProp(L"CloseButtonOffset", &C::CloseButtonOffset, Offset.get()),
      Prop(L"CloseButtonVisible", &C::CloseButtonVisible, &C::SetCloseButtonVisible),
  });
  return Table;
}

}  // namespace qv
