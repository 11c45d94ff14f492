#include <windows.h>

#include <algorithm>
#include <chrono>
#include <random>

#include "controls/QvAccessibleWin.h"
#include "controls/QvMeasureCanvas.h"
#include "controls/QvSkinIconButtonList.h"
#include "controls/QvSkinScrollBar.h"
#include "graphics/QvComm.h"
#include "graphics/QvGR32LibShapes.h"
#include "graphics/QvGR32LibSlicing.h"
#include "host/Platform.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"
#include "host/Screen.h"
#include "resources/QvSkinResManager.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinIconButtonList>(), true);

// A start angle in -3 .. 2 from a generator seeded by the clock, so that items made in
// the same tick share it.
float RandomStartAngle() {
  const auto Tick = std::chrono::steady_clock::now().time_since_epoch().count() / 1000000;
  std::minstd_rand Gen(static_cast<unsigned>(Tick));
  return float(int(Gen() % 6) - 3);
}

}  // namespace

// ---- TQvItemsScrollBar ----------------------------------------------------

bool TQvItemsScrollBar::Update(bool Show, int64_t Total, int Margin, int ScrollSize) {
  const int ClientH = FView->ClientHeight();
  if (!Show || Total / std::max(ClientH, 1) <= 0) {
    Hide(Margin);
    return false;
  }
  FMargin = Margin;
  if (!FBar) {
    FBar = new TQvSkinScrollBar(FView);
    FBar->SetKind(sbVertical);
    FBar->SetWidth(10);
    FBar->SetAlign(alRight);
    FBar->SetBindingWinControl(FView);
    FBar->SetParent(FView);
    FBar->OnChange = [this](TObject*) {
      FOffset.Y = FMargin - FBar->Position();
      if (FView->HandleAllocated()) SetTimer(FView->Handle(), kScrollTimer, 5, nullptr);
    };
  }
  FBar->SetSmallChange(ScrollSize);
  FBar->SetLargeChange(2 * ScrollSize);
  // The bar keeps its position (the range clamps it).
  FBar->SetRange(0, int(std::min<int64_t>(Total, INT32_MAX)), ClientH, FBar->Position());
  FOffset.Y = Margin - FBar->Position();
  return true;
}

void TQvItemsScrollBar::Hide(int Margin) {
  FOffset = {Margin, Margin};
  if (!FBar) return;
  TQvSkinScrollBar* Bar = FBar;
  FBar = nullptr;
  delete Bar;
}

bool TQvItemsScrollBar::Wheel(int WheelDelta, int ScrollSize) {
  if (!FBar) return false;
  FBar->SetPosition(FBar->Position() + (WheelDelta < 0 ? ScrollSize : -ScrollSize));
  return true;
}

bool TQvItemsScrollBar::Timer(uintptr_t Id) {
  if (Id != kScrollTimer) return false;
  KillTimer(FView->Handle(), kScrollTimer);
  FView->Invalidate();
  return true;
}

void TQvItemsScrollBar::Forget(TComponent* AComponent) {
  if (AComponent == FBar) FBar = nullptr;
}

// ---- TQvIconButtonItem ----------------------------------------------------

TQvIconButtonItem::TQvIconButtonItem(TCollection* ACollection) : TCollectionItem(ACollection) {
  FShake.Angle = RandomStartAngle();
}

TQvIconButtonItem::~TQvIconButtonItem() {
  if (TQvSkinCustomIconButtonList* L = List()) L->ItemFreed(this);
}

TQvSkinCustomIconButtonList* TQvIconButtonItem::List() const {
  auto* Items = dynamic_cast<TQvIconButtonItems*>(Collection());
  return Items ? Items->List() : nullptr;
}

template <typename T>
void TQvIconButtonItem::Change(T& Field, const T& Value) {
  if (UpdateField(Field, Value)) Changed(true);
}

void TQvIconButtonItem::SetCaption(const String& Value) {
  Change(FCaption, Value);
}
void TQvIconButtonItem::SetEnabled(bool Value) {
  Change(FEnabled, Value);
}
void TQvIconButtonItem::SetVisible(bool Value) {
  Change(FVisible, Value);
}
void TQvIconButtonItem::SetChecked(bool Value) {
  if (!UpdateField(FChecked, Value)) return;
  Changed(true);
  if (TQvSkinCustomIconButtonList* L = List()) NotifyAccessibleChild(L, aeStateChange, Index());
}
void TQvIconButtonItem::SetImageNormalIndex(int Value) {
  Change(FImageNormalIndex, Value);
}
void TQvIconButtonItem::SetImageDisibleIndex(int Value) {
  Change(FImageDisibleIndex, Value);
}
void TQvIconButtonItem::SetImagePressedIndex(int Value) {
  Change(FImagePressedIndex, Value);
}
void TQvIconButtonItem::SetImageHotIndex(int Value) {
  Change(FImageHotIndex, Value);
}

void TQvIconButtonItem::Assign(TPersistent* Source) {
  auto* S = dynamic_cast<TQvIconButtonItem*>(Source);
  if (!S) {
    TCollectionItem::Assign(Source);
    return;
  }
  SetVisible(S->FVisible);
  SetEnabled(S->FEnabled);
  SetCaption(S->FCaption);
  FCaptionHint = S->FCaptionHint;
  FTag = S->FTag;
  SetChecked(S->FChecked);
  FReadOnly = S->FReadOnly;
  FOwnerDraw = S->FOwnerDraw;
  SetImageNormalIndex(S->FImageNormalIndex);
  SetImageHotIndex(S->FImageHotIndex);
  SetImagePressedIndex(S->FImagePressedIndex);
  SetImageDisibleIndex(S->FImageDisibleIndex);
}

void TQvIconButtonItem::Click() {
  if (OnClick) OnClick(this);
  if (TQvSkinCustomIconButtonList* L = List()) L->DoClickItem(this, Index());
}

void TQvIconButtonItem::Invalidate() {
  if (TQvSkinCustomIconButtonList* L = List()) L->QueueRedraw(this);
}

const TPropTable& TQvIconButtonItem::Properties() const {
  using C = TQvIconButtonItem;
  static const TPropTable Table = TCollectionItem::Properties().With({
      Prop(L"Caption", &C::Caption, &C::SetCaption, String(DefaultCaption)),
      Prop(L"CaptionHint", &C::CaptionHint, &C::SetCaptionHint, String(DefaultCaptionHint)),
      Prop(L"Checked", &C::Checked, &C::SetChecked),
      Prop(L"Enabled", &C::Enabled, &C::SetEnabled, true),
      Prop(L"ImageDisibleIndex", &C::ImageDisibleIndex, &C::SetImageDisibleIndex, -1),
      Prop(L"ImageHotIndex", &C::ImageHotIndex, &C::SetImageHotIndex, -1),
      Prop(L"ImageNormalIndex", &C::ImageNormalIndex, &C::SetImageNormalIndex, -1),
      Prop(L"ImagePressedIndex", &C::ImagePressedIndex, &C::SetImagePressedIndex, -1),
      Prop(L"OwnerDraw", &C::OwnerDraw, &C::SetOwnerDraw),
      Prop(L"ReadOnly", &C::ReadOnly, &C::SetReadOnly),
      Prop(L"Tag", &C::Tag, &C::SetTag),
      Prop(L"Visible", &C::Visible, &C::SetVisible, true),
  });
  return Table;
}

// ---- TQvIconButtonItems ---------------------------------------------------

TQvIconButtonItems::TQvIconButtonItems(TQvSkinCustomIconButtonList* AList)
    : TCollection(AList, [AList](TCollection* C) { return AList->NewItem(C); }), FList(AList) {}

TQvIconButtonItem* TQvIconButtonItems::AddItem(TQvIconButtonItem* Item, int Index) {
  if (!Item) Item = Add();
  if (Index >= 0) Item->SetIndex(Index);
  return Item;
}

void TQvIconButtonItems::Update(TCollectionItem*) {
  FList->UpdateScrollBar();
  FList->Invalidate();
}

void TQvIconButtonItems::ItemMoved(int From, int To) {
  FollowItemMove(FList->FHotItemIndex, From, To);
  FollowItemMove(FList->FFocusItemIndex, From, To);
}

// ---- TQvSkinCustomIconButtonList ------------------------------------------

TQvSkinCustomIconButtonList::TQvSkinCustomIconButtonList(TComponent* AOwner)
    : TQvSkinCustomPanel(AOwner), FItems(std::make_unique<TQvIconButtonItems>(this)) {
  SetCaptionVisible(DefaultCaptionVisible);
  FScrollBar.SetOffset({DefaultMarginBorderSize, DefaultMarginBorderSize});
  SetTabStop(true);
  SetWidth(361);
  SetHeight(281);
  FImageChangeLink.OnChange = [this](TObject*) { Invalidate(); };
}

TQvSkinCustomIconButtonList::~TQvSkinCustomIconButtonList() {
  // The items go while the list can still tell OnFreeItem; no update follows.
  FItems->BeginUpdate();
  FItems->Clear();
  SetImages(nullptr);
}

void TQvSkinCustomIconButtonList::Loaded() {
  TQvSkinCustomPanel::Loaded();
  if (FPendingImages.empty()) return;
  auto* List = dynamic_cast<TCustomImageList*>(FindReferencedComponent(this, FPendingImages));
  FPendingImages.clear();
  if (List) SetImages(List);
}

TQvIconButtonItem* TQvSkinCustomIconButtonList::NewItem(TCollection* Collection) {
  return new TQvIconButtonItem(Collection);
}

void TQvSkinCustomIconButtonList::QueueRedraw(TQvIconButtonItem* Item) {
  if (!HandleAllocated()) return;
  if (std::find(FRedrawItems.begin(), FRedrawItems.end(), Item) == FRedrawItems.end())
    FRedrawItems.push_back(Item);
  const RECT R{Item->FRect.Left, Item->FRect.Top, Item->FRect.Right, Item->FRect.Bottom};
  SetBufferValid(false);
  InvalidateRect(Handle(), &R, FALSE);
}

void TQvSkinCustomIconButtonList::RepaintCell(TQvIconButtonItem* Item) {
  if (FFastDrawMode && Item)
    Item->Invalidate();
  else
    Invalidate();
}

void TQvSkinCustomIconButtonList::ItemFreed(TQvIconButtonItem* Item) {
  FRedrawItems.erase(std::remove(FRedrawItems.begin(), FRedrawItems.end(), Item),
                     FRedrawItems.end());
  if (Item == FDragCandidate) FDragCandidate = nullptr;
  if (Item == FDestDragButtonItem) FDestDragButtonItem = nullptr;
  if (Item == FSourceDragButtonItem) FSourceDragButtonItem = nullptr;
  if (Item != FDestDragButtonItem) DoFreeItem(Item);
}

void TQvSkinCustomIconButtonList::SetImages(TCustomImageList* Value) {
  if (FImages == Value) return;
  if (FImages) {
    FImages->UnRegisterChanges(&FImageChangeLink);
    FImages->RemoveFreeNotification(this);
  }
  FImages = Value;
  if (FImages) {
    FImages->RegisterChanges(&FImageChangeLink);
    FImages->FreeNotification(this);
  }
  Invalidate();
}

void TQvSkinCustomIconButtonList::Notification(TComponent* AComponent, TOperation Operation) {
  TQvSkinCustomPanel::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) SetImages(nullptr);
  if (Operation == opRemove) FScrollBar.Forget(AComponent);
}

void TQvSkinCustomIconButtonList::SetItemWidth(int Value) {
  if (Value > 0) Change(FItemWidth, Value);
}

void TQvSkinCustomIconButtonList::SetItemHeight(int Value) {
  if (Value > 0) FItemHeight = Value;
}

void TQvSkinCustomIconButtonList::SetMarginBorderSize(int Value) {
  if (FMarginBorderSize == Value) return;
  FMarginBorderSize = Value;
  FScrollBar.SetOffset({Value, Value});
  Invalidate();
}

void TQvSkinCustomIconButtonList::SetFocusItemIndex(int Value) {
  if (FFocusItemIndex == Value) return;
  bool Allow = true;
  DoFocusChanging(FFocusItemIndex, Value, Allow);
  if (!Allow) return;
  FFocusItemIndex = Value;
  Invalidate();
  NotifyAccessible(aeValueChange);
  NotifyAccessibleChild(this, Focused() ? aeFocus : aeStateChange, Value);
}

void TQvSkinCustomIconButtonList::EnterEdit() {
  FEditing = true;
  if (FShakeInEdit && HandleAllocated()) SetTimer(Handle(), kShakeTimer, 10, nullptr);
  Invalidate();
}

void TQvSkinCustomIconButtonList::ExitEdit() {
  FEditing = false;
  if (HandleAllocated()) KillTimer(Handle(), kShakeTimer);
  Invalidate();
}

void TQvSkinCustomIconButtonList::ShakeStep() {
  if (Dragging()) return;
  for (int I = 0; I < FItems->Count(); ++I)
    if (I != FHotItemIndex) FItems->Items(I)->FShake.Step();
}

TQvIconGrid TQvSkinCustomIconButtonList::Grid() const {
  TQvIconGrid G;
  G.Width = Width();
  G.Height = Height();
  G.ItemWidth = GetDPIScaledPixels(this, FItemWidth);
  G.ItemHeight = GetDPIScaledPixels(this, FItemHeight);
  G.Space = FItemSpaceSize;
  G.Margin = FMarginBorderSize;
  G.DispOffset = FScrollBar.Offset();
  G.HAlign = FAlignWithItems;
  G.VAlign = FAlignVerticalWithItems;
  return G;
}

std::vector<TRect> TQvSkinCustomIconButtonList::ItemRects() const {
  std::vector<bool> Visible(size_t(FItems->Count()));
  for (int I = 0; I < FItems->Count(); ++I) Visible[size_t(I)] = FItems->Items(I)->FVisible;
  return IconGridRects(Grid(), Visible);
}

int64_t TQvSkinCustomIconButtonList::CalcItemsHeight() const {
  int Visible = 0;
  for (int I = 0; I < FItems->Count(); ++I) Visible += FItems->Items(I)->FVisible ? 1 : 0;
  return IconGridHeight(Grid(), Visible);
}

void TQvSkinCustomIconButtonList::DrawBody(TBitmap32* Bitmap) {
  const bool Partial = !FRedrawItems.empty() && FItemsBuffer.Width() == Bitmap->Width() &&
                       FItemsBuffer.Height() == Bitmap->Height();
  auto Done = TScopeExit([this] { FRedrawItems.clear(); });
  if (Partial) {
    FItemsBuffer.DrawTo(Bitmap, 0, 0);
  } else {
    TQvSkinCustomPanel::DrawBody(Bitmap);
    FItemsBuffer.Assign(Bitmap);
    FItemsBuffer.SetDrawMode(dmOpaque);
  }
  auto Updating = UpdateScope(*Bitmap);
  const std::vector<TRect> Rects = ItemRects();
  const int Count = FItems->Count();
  FItemBeginIndex = Count - 1;
  FItemEndIndex = -1;
  const TQvIconGrid G = Grid();
  TBitmap32 Cell;
  Cell.SetSize(G.ItemWidth, G.ItemHeight);
  for (int I = 0; I < Count; ++I) {
    TQvIconButtonItem* Item = FItems->Items(I);
    Item->FRect = Rects[size_t(I)];
    if (!Item->FVisible || Item == FDestDragButtonItem) continue;
    if (Item->FRect.Bottom < 0 || Item->FRect.Top > Height()) continue;
    FItemBeginIndex = std::min(FItemBeginIndex, I);
    FItemEndIndex = std::max(FItemEndIndex, I);
    const bool Tell =
        !Partial || std::find(FRedrawItems.begin(), FRedrawItems.end(), Item) != FRedrawItems.end();
    DrawCell(Bitmap, Cell, Item, I == FHotItemIndex, Tell);
  }
  if (Focused() && ShowsFocusCues() && ValidIndex(FFocusItemIndex) &&
      FItems->Items(FFocusItemIndex)->FVisible)
    DrawFocusCue(*Bitmap, FItems->Items(FFocusItemIndex)->FRect);
  DrawBorder(Bitmap);
}

void TQvSkinCustomIconButtonList::DrawCell(TBitmap32* Bitmap, TBitmap32& Cell,
                                           TQvIconButtonItem* Item, bool Hot, bool Tell) {
  const TRect R = Item->FRect;
  const int W = R.Width(), H = R.Height();
  Cell.Draw(0, 0, R, Bitmap);
  if (!Item->FOwnerDraw) {
    int TH = 0;
    if (CaptionVisible()) {
      Cell.Font()->Assign(Font());
      TH = Cell.TextHeight(L"Aa");
    }
    int IX = 0, IY = 0, IH = 0;
    if (FImages) {
      IH = FImages->Height();
      const int Images = FImages->Count();
      if (Item->FImageNormalIndex >= 0 && Item->FImageNormalIndex < Images) {
        IX = (W - FImages->Width()) / 2;
        IY = (H - IH - TH) / 2;
        int Index;
        if (!Item->FEnabled) {
          Index = Item->FImageDisibleIndex;
        } else if (!Hot || Dragging()) {
          Index = Item->FImageNormalIndex;
        } else {
          Index = Item->FImageHotIndex;
          if (FMousePressed) {
            IX += FPressedOffset;
            IY += FPressedOffset;
            if (Item->FImagePressedIndex >= 0) Index = Item->FImagePressedIndex;
          }
        }
        if (Index < 0) Index = Item->FImageNormalIndex;
        if (Hot && !FItemHotImage.empty())
          if (TQvSkinImage* P = SkinPicture(FItemHotImage)) DrawImage(P, &Cell, ftAutoStretch);
        if (Index < Images) FImages->Draw(*Cell.Canvas(), IX, IY, Index, true);
      } else {
        IH = 0;
      }
    }
    if (CaptionVisible() && !Item->FCaption.empty()) {
      if (FCaptionWordWarp) {
        TCanvas& Measure = *Cell.Canvas();
        Measure.Font().Assign(Font());
        const uint32_t Flags = DT_CENTER | DT_WORDBREAK | DT_EDITCONTROL;
        const int TextH = CalcTextSize(Measure, Item->FCaption, Flags, W - 10).cy;
        Cell.Textout(TRect{5, H - TextH, W - 5, H}, Flags, Item->FCaption);
      } else {
        Cell.Textout(TRect{0, IY + IH + 3, W, IY + IH + 3 + TH + 1},
                     DT_CENTER | DT_SINGLELINE | DT_END_ELLIPSIS, Item->FCaption);
      }
    }
    if (FEditing && !Item->FReadOnly) {
      const bool HotDelete = FMouseInDeleteButton && Hot;
      if (TQvSkinImage* P = SkinPicture(HotDelete ? DeleteHotPicture : DeleteNormalPicture)) {
        const int D = FMousePressed && Hot ? 2 : 1;
        Cell.Draw(D, D, P);
        Item->FDeleteBtnRect = Bounds(R.Left, R.Top, P->Width(), P->Height());
      }
    }
  }
  if (FEditing && FShakeInEdit && !Hot && !Dragging()) ShakeBitmap(&Cell, Item->FShake.Angle);
  Bitmap->Draw(R.Left, R.Top, &Cell);
  if (Tell) DoDrawItem(Bitmap, Item);
}

TQvIconButtonItem* TQvSkinCustomIconButtonList::GetItemAt(TPoint P) const {
  for (int I = std::max(FItemBeginIndex, 0); I <= FItemEndIndex && I < FItems->Count(); ++I)
    if (CellHolds(FItems->Items(I)->FRect, P.X, P.Y)) return FItems->Items(I);
  return nullptr;
}

void TQvSkinCustomIconButtonList::SetHotItemIndex(int Value) {
  const int Old = FHotItemIndex;
  FHotItemIndex = Value;
  DoHotChanged(Old, Value);
  FMousePressed = false;
}

void TQvSkinCustomIconButtonList::GetHitTest(int X, int Y) {
  int Hit = -1;
  for (int I = 0; I < FItems->Count() && Hit < 0; ++I) {
    const TQvIconButtonItem* Item = FItems->Items(I);
    if (Item->FEnabled && Item->FVisible && CellHolds(Item->FRect, X, Y)) Hit = I;
  }
  const int OldHot = FHotItemIndex;
  const bool OldInDelete = FMouseInDeleteButton;
  if (Hit >= 0) {
    if (Hit != FHotItemIndex) SetHotItemIndex(Hit);
    const TQvIconButtonItem* Item = FItems->Items(Hit);
    FMouseInDeleteButton =
        FEditing && !Item->FReadOnly && !Item->FOwnerDraw && CellHolds(Item->FDeleteBtnRect, X, Y);
  } else {
    FMouseInDeleteButton = false;
    if (FHotItemIndex >= 0 && !Dragging()) SetHotItemIndex(-1);
  }
  if ((OldHot != FHotItemIndex || OldInDelete != FMouseInDeleteButton) && !FFastDrawMode)
    Invalidate();
}

void TQvSkinCustomIconButtonList::MouseMove(TShiftState Shift, int X, int Y) {
  TQvSkinCustomPanel::MouseMove(Shift, X, Y);
  if (FDragCandidate && !Dragging() &&
      (std::abs(X - FDragStart.X) >= GetSystemMetrics(SM_CXDRAG) ||
       std::abs(Y - FDragStart.Y) >= GetSystemMetrics(SM_CYDRAG)))
    StartDrag();
  if (Dragging())
    DragOver(X, Y);
  else
    GetHitTest(X, Y);
}

void TQvSkinCustomIconButtonList::MouseLeave() {
  TQvSkinCustomPanel::MouseLeave();
  FMousePressed = false;
  if (!Dragging() && FHotItemIndex >= 0) {
    SetHotItemIndex(-1);
    FMouseInDeleteButton = false;
    if (!FFastDrawMode) Invalidate();
  }
}

void TQvSkinCustomIconButtonList::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TQvSkinCustomPanel::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft && Button != mbRight) return;
  if (CanFocus() && !Focused()) SetFocus();
  GetHitTest(X, Y);
  if (!ValidIndex(FHotItemIndex)) return;
  const int Hot = FHotItemIndex;
  bool Allow = true;
  DoFocusChanging(FFocusItemIndex, Hot, Allow);
  if (!Allow) return;
  if (Button == mbLeft && !FEditing) FMousePressed = true;
  const int Previous = FFocusItemIndex;
  FFocusItemIndex = Hot;
  TQvIconButtonItem* Item = FItems->Items(Hot);
  if (Item->FEnabled) {
    if (!FEditing) {
      if (!FMultiChecked && ValidIndex(Previous)) FItems->Items(Previous)->SetChecked(false);
      Item->SetChecked(!Item->FChecked);
    } else if (FAutoDrag && Button == mbLeft && !FMouseInDeleteButton) {
      FDragCandidate = Item;
      FDragStart = {X, Y};
    }
  }
  if (Previous != Hot) {
    NotifyAccessible(aeValueChange);
    NotifyAccessibleChild(this, aeFocus, Hot);
    if (FFastDrawMode && ValidIndex(Previous)) RepaintCell(FItems->Items(Previous));
  }
  RepaintCell(Item);
}

void TQvSkinCustomIconButtonList::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TQvSkinCustomPanel::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  FMousePressed = false;
  FDragCandidate = nullptr;
  if (Dragging()) {
    EndDrag();
    return;
  }
  if (ValidIndex(FFocusItemIndex) && FFocusItemIndex == FHotItemIndex)
    ReleaseOn(FItems->Items(FFocusItemIndex));
  // The released cell may be gone (deleted through its delete picture).
  RepaintCell(ValidIndex(FFocusItemIndex) && FFocusItemIndex == FHotItemIndex
                  ? FItems->Items(FFocusItemIndex)
                  : nullptr);
}

void TQvSkinCustomIconButtonList::ReleaseOn(TQvIconButtonItem* Item) {
  if (!Item->FEnabled) return;
  if (FEditing && FMouseInDeleteButton && !Item->FOwnerDraw) {
    bool CanDelete = true;
    const int Index = Item->Index();
    if (OnDeleteClick) OnDeleteClick(this, Index, CanDelete);
    if (CanDelete && ValidIndex(Index) && FItems->Items(Index) == Item) {
      FMouseInDeleteButton = false;
      delete Item;
      NotifyAccessible(aeValueChange);
    }
  } else if (!FEditing || Item->FOwnerDraw) {
    Item->Click();
  }
}

void TQvSkinCustomIconButtonList::StartDrag() {
  FSourceDragButtonItem = FDragCandidate;
  FDragCandidate = nullptr;
  FSourceDragButtonItem->SetVisible(false);
  DragOver(FDragStart.X, FDragStart.Y);
}

void TQvSkinCustomIconButtonList::DragOver(int X, int Y) {
  GetHitTest(X, Y);
  TQvIconButtonItem* Over = nullptr;
  for (int I = 0; I < FItems->Count() && !Over; ++I) {
    TQvIconButtonItem* Item = FItems->Items(I);
    if (Item->FVisible && Item->FEnabled && CellHolds(Item->FRect, X, Y)) Over = Item;
  }
  // At the dragged cell's own place (the press) the placeholder takes its place.
  if (!Over && !FDestDragButtonItem && CellHolds(FSourceDragButtonItem->FRect, X, Y)) {
    FDestDragButtonItem = FItems->AddItem(nullptr, FSourceDragButtonItem->Index());
    FDestDragButtonItem->FCaption.clear();
    return;
  }
  if (!Over || Over == FDestDragButtonItem) return;
  const bool Before = X < Over->FRect.Left + Over->FRect.Width() / 2;
  // The visible neighbour of the placeholder on the side facing Over: nothing to move
  // when it already is Over.
  if (FDestDragButtonItem) {
    const int Step = Before ? 1 : -1;
    int I = FDestDragButtonItem->Index() + Step;
    while (ValidIndex(I) && FItems->Items(I) == FSourceDragButtonItem) I += Step;
    if (ValidIndex(I) && FItems->Items(I) == Over) return;
    TQvIconButtonItem* Old = FDestDragButtonItem;
    FDestDragButtonItem = nullptr;
    delete Old;
  }
  const int Target = Over->Index() + (Before ? 0 : 1);
  auto Updating = UpdateScope(*FItems);
  FDestDragButtonItem = FItems->AddItem(nullptr, Target);
  FDestDragButtonItem->FCaption.clear();
}

void TQvSkinCustomIconButtonList::EndDrag() {
  TQvIconButtonItem* Source = FSourceDragButtonItem;
  TQvIconButtonItem* Place = FDestDragButtonItem;
  FSourceDragButtonItem = FDestDragButtonItem = nullptr;
  {
    auto Updating = UpdateScope(*FItems);
    Source->SetVisible(true);
    if (Place) {
      Source->SetIndex(Place->Index());
      delete Place;
    }
  }
  FFocusItemIndex = Source->Index();
  NotifyAccessible(aeValueChange);
}

bool TQvSkinCustomIconButtonList::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  return TQvSkinCustomPanel::DoMouseWheel(Shift, WheelDelta, MousePos) ||
         FScrollBar.Wheel(WheelDelta, FScrollSize);
}

void TQvSkinCustomIconButtonList::KeyDown(uint16_t& Key, TShiftState Shift) {
  TQvSkinCustomPanel::KeyDown(Key, Shift);
  const int Count = FItems->Count();
  if (Count == 0) return;
  const int Current = ValidIndex(FFocusItemIndex) ? FFocusItemIndex : -1;
  switch (Key) {
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
      const int Step = Key == VK_RIGHT || Key == VK_DOWN ? 1 : -1;
      int Next = Current < 0 ? 0 : Current + Step;
      while (ValidIndex(Next) && !FItems->Items(Next)->FVisible) Next += Step;
      if (ValidIndex(Next)) SetFocusItemIndex(Next);
      break;
    }
    case VK_SPACE:
    case VK_RETURN:
      if (Current >= 0) DoAccessibleDefaultAction();
      break;
    case VK_DELETE:
      if (FEditing && Current >= 0 && !FItems->Items(Current)->FReadOnly) {
        const bool Saved = FMouseInDeleteButton;
        FMouseInDeleteButton = true;
        ReleaseOn(FItems->Items(Current));
        FMouseInDeleteButton = Saved && ValidIndex(FHotItemIndex);
      }
      break;
  }
}

void TQvSkinCustomIconButtonList::CreateHandle() {
  TQvSkinCustomPanel::CreateHandle();
  UpdateScrollBar();
  if (FEditing && FShakeInEdit) SetTimer(Handle(), kShakeTimer, 10, nullptr);
}

void TQvSkinCustomIconButtonList::Resize() {
  TQvSkinCustomPanel::Resize();
  UpdateScrollBar();
}

void TQvSkinCustomIconButtonList::UpdateScrollBar() {
  const bool Show = FItems->Count() > 0 && !FHideScrollbar;
  FScrollBar.Update(Show, Show ? CalcItemsHeight() : 0, FMarginBorderSize, FScrollSize);
}

void TQvSkinCustomIconButtonList::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE:
      Message.Result = DLGC_WANTARROWS;
      return;
    case WM_TIMER:
      if (FScrollBar.Timer(Message.WParam)) return;
      if (Message.WParam == kShakeTimer) {
        if (FShakeInEdit && !Dragging()) {
          ShakeStep();
          Invalidate();
        }
        return;
      }
      break;
    case WM_SETCURSOR:
      if (AnswerEventCursor(this, Message, [this](TCursor& Cur) { DoGetCursor(Cur); })) return;
      break;
  }
  TQvSkinCustomPanel::WndProc(Message);
}

bool AnswerEventCursor(TWinControl* Control, TMessage& Message,
                       const std::function<void(TCursor&)>& GetCursor) {
  if (LOWORD(Message.LParam) != HTCLIENT ||
      reinterpret_cast<HWND>(Message.WParam) != Control->Handle() ||
      (Screen && Screen->Cursor() != crDefault))
    return false;
  TCursor Cur = crDefault;
  GetCursor(Cur);
  if (Cur == crDefault || !Screen) return false;
  ::SetCursor(Screen->Cursors(Cur));
  Message.Result = 1;
  return true;
}

void TQvSkinCustomIconButtonList::DoDrawItem(TBitmap32* Bmp32, TQvIconButtonItem* Item) {
  if (OnDrawItem) OnDrawItem(this, Bmp32, Item);
}
void TQvSkinCustomIconButtonList::DoHotChanged(int OldIndex, int NewIndex) {
  if (OnHotChanged) OnHotChanged(this, OldIndex, NewIndex);
}
void TQvSkinCustomIconButtonList::DoClickItem(TQvIconButtonItem* Item, int Index) {
  if (OnClickItem) OnClickItem(Item, Index);
}
void TQvSkinCustomIconButtonList::DoFreeItem(TQvIconButtonItem* Item) {
  if (OnFreeItem) OnFreeItem(this, Item);
}
void TQvSkinCustomIconButtonList::DoFocusChanging(int OldIndex, int NewIndex, bool& Allow) {
  if (OnFocusChanging) OnFocusChanging(this, OldIndex, NewIndex, Allow);
}
void TQvSkinCustomIconButtonList::DoGetCursor(TCursor& Cursor) {
  if (OnGetCursor) OnGetCursor(this, Cursor);
}

TQvAccessibleInfo TQvSkinCustomIconButtonList::AccessibleInfo() const {
  TQvAccessibleInfo Info = TQvSkinCustomPanel::AccessibleInfo();
  Info.Role = arList;
  SetAccessibleCaption(Info, Caption());
  if (ValidIndex(FFocusItemIndex)) {
    const TQvIconButtonItem* Item = FItems->Items(FFocusItemIndex);
    Info.Value = Item->FCaption;
    if (Item->FChecked) Info.State.Include(asChecked);
  }
  if (TabStop()) Info.State.Include(asFocusable);
  if (const_cast<TQvSkinCustomIconButtonList*>(this)->Focused()) Info.State.Include(asFocused);
  if (ValidIndex(FFocusItemIndex)) Info.DefaultAction = FEditing ? L"Delete" : L"Toggle";
  return Info;
}

bool TQvSkinCustomIconButtonList::DoAccessibleDefaultAction() {
  if (!Enabled() || !ValidIndex(FFocusItemIndex)) return false;
  TQvIconButtonItem* Item = FItems->Items(FFocusItemIndex);
  if (!Item->FEnabled) return false;
  if (FEditing) {
    const bool Saved = FMouseInDeleteButton;
    FMouseInDeleteButton = !Item->FReadOnly;
    ReleaseOn(Item);
    FMouseInDeleteButton = Saved && ValidIndex(FHotItemIndex);
    return true;
  }
  if (!FMultiChecked) {
    for (int I = 0; I < FItems->Count(); ++I)
      if (FItems->Items(I) != Item) FItems->Items(I)->SetChecked(false);
    Item->SetChecked(true);
  } else {
    Item->SetChecked(!Item->FChecked);
  }
  Item->Click();
  return true;
}

TQvAccessibleChild TQvSkinCustomIconButtonList::AccessibleChild(int Index) const {
  TQvAccessibleChild Child;
  if (!ValidIndex(Index)) return Child;
  const TQvIconButtonItem* Item = FItems->Items(Index);
  Child.Info.Role = arListItem;
  Child.Info.Name = Item->FCaption;
  Child.Bounds = Item->FVisible ? Item->FRect : TRect{};
  TQvAccStates& S = Child.Info.State;
  S.Include(asSelectable);
  if (Index == FFocusItemIndex) {
    S.Include(asSelected);
    if (const_cast<TQvSkinCustomIconButtonList*>(this)->Focused()) S.Include(asFocused);
  }
  if (Item->FChecked) S.Include(asChecked);
  if (Index == FHotItemIndex) S.Include(asHot);
  if (!Item->FEnabled) S.Include(asDisabled);
  if (!Item->FVisible) S.Include(asInvisible);
  if (Item->FEnabled) {
    if (!FEditing)
      Child.Info.DefaultAction = L"Toggle";
    else if (!Item->FReadOnly)
      Child.Info.DefaultAction = L"Delete";
  }
  return Child;
}

bool TQvSkinCustomIconButtonList::DoAccessibleChildAction(int Index) {
  if (!ValidIndex(Index)) return false;
  SetFocusItemIndex(Index);
  return FFocusItemIndex == Index && DoAccessibleDefaultAction();
}

const TPropTable& TQvSkinCustomIconButtonList::Properties() const {
  using C = TQvSkinCustomIconButtonList;
  static const TPropTable Table = TQvSkinCustomPanel::Properties().With({
      EnumProp(L"AlignVerticalWithItems", &C::AlignVerticalWithItems, &C::SetAlignVerticalWithItems,
               DefaultAlignVerticalWithItems, TQvItemVAlignNames),
      EnumProp(L"AlignWithItems", &C::AlignWithItems, &C::SetAlignWithItems, DefaultAlignWithItems,
               TQvItemHAlignNames),
      Prop(L"AutoDrag", &C::AutoDrag, &C::SetAutoDrag, DefaultAutoDrag),
      Prop(L"CaptionVisible", &C::CaptionVisible, &C::SetCaptionVisible, DefaultCaptionVisible),
      Prop(L"CaptionWordWarp", &C::CaptionWordWarp, &C::SetCaptionWordWarp, DefaultCaptionWordWarp),
      Prop(L"HideScrollbar", &C::HideScrollbar, &C::SetHideScrollbar),
      Prop(L"ItemHeight", &C::ItemHeight, &C::SetItemHeight, DefaultItemHeight),
      RefProp(L"Images", &C::Images,
              [](C& List, const String& Name) { List.FPendingImages = Name; }),
      ResIDProp(L"ItemHotImage", &C::ItemHotImage, &C::SetItemHotImage),
      CollectionProp(L"Items", &C::Items),
      Prop(L"ItemSpaceSize", &C::ItemSpaceSize, &C::SetItemSpaceSize, DefaultItemSpaceSize),
      Prop(L"ItemWidth", &C::ItemWidth, &C::SetItemWidth, DefaultItemWidth),
      Prop(L"MarginBorderSize", &C::MarginBorderSize, &C::SetMarginBorderSize,
           DefaultMarginBorderSize),
      Prop(L"MultiChecked", &C::MultiChecked, &C::SetMultiChecked, DefaultMultiChecked),
      Prop(L"PressedOffset", &C::PressedOffset, &C::SetPressedOffset, DefaultPressedOffset),
      Prop(L"ScrollSize", &C::ScrollSize, &C::SetScrollSize, DefaultScrollSize),
      Prop(L"ShakeInEdit", &C::ShakeInEdit, &C::SetShakeInEdit),
  });
  return Table;
}

}  // namespace qv
