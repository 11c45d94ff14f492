#include <windows.h>

#include "controls/QvAccessibleWin.h"
#include "controls/QvSkinToolbar.h"
#include "graphics/QvComm.h"
#include "graphics/QvGR32LibSlicing.h"
#include "graphics/SimpleTimer.h"
#include "host/Application.h"
#include "host/Font.h"
#include "host/Menus.h"
#include "host/Platform.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"
#include "resources/QvSkinIntf.h"
#include "resources/QvSkinResManager.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinToolbar>(), true);

constexpr TColor32 kDisabledText = 0xFFD1D1D1;
constexpr TColor32 kDesignFrame = 0xFF4BABF3;

void SetupStrip(TPngPictures& P, const wchar_t* Image, int Count, int Normal, int Hot, int Pressed,
                int Disable, bool Stacked) {
  P.Lock();
  P.SetCount(Count);
  P.SetNormal(Normal);
  P.SetHot(Hot);
  P.SetPressed(Pressed);
  P.SetDisable(Disable);
  P.SetMultiLineMode(Stacked);
  P.SetActive(true);
  P.UnLock();
  P.SetImage(Image);
}

// A state picture of a strip by its index, or nothing.
std::unique_ptr<TBitmap32> StatePicture(TPngPictures& P, int Index) {
  auto B = std::make_unique<TBitmap32>();
  if (!P.GetImageByIndex(Index, B.get())) return nullptr;
  return B;
}

}  // namespace

// ---- item ---------------------------------------------------------------------------

TQvSkinToolbarItem::TQvSkinToolbarItem(TCollection* ACollection)
    : TCollectionItem(ACollection), FText(std::make_unique<TQvTextObj>()) {
  FText->SetText(L"Text");
  FText->OnChanged = [this](TObject*) { Changed(true); };
}

TQvSkinToolbarItem::~TQvSkinToolbarItem() {
  if (TQvSkinCustomToolbar* T = Toolbar(); FDropdownMenu && T)
    FDropdownMenu->RemoveFreeNotification(T);
  FActionLink.reset();  // unregisters from the action
}

// ---- action link ----------------------------------------------------------------------

TToolbarItemActionLink::TToolbarItemActionLink(TQvSkinToolbarItem* AClient)
    : TActionLink(AClient) {}

TQvSkinToolbarItem* TToolbarItemActionLink::Item() const {
  return static_cast<TQvSkinToolbarItem*>(FClient);
}

bool TToolbarItemActionLink::IsCaptionLinked() const {
  return TActionLink::IsCaptionLinked() && Item()->Text()->Text() == CustomAction()->Caption();
}

bool TToolbarItemActionLink::IsEnabledLinked() const {
  return TActionLink::IsEnabledLinked() && Item()->Enabled() == CustomAction()->Enabled();
}

bool TToolbarItemActionLink::IsVisibleLinked() const {
  return TActionLink::IsVisibleLinked() && Item()->Visible() == CustomAction()->Visible();
}

bool TToolbarItemActionLink::IsOnExecuteLinked() const {
  const TBasicAction* A = Action();
  if (!A) return false;
  // An unassigned handler equals an unassigned one.
  return IsActionExecuteHandler(Item()->OnClick, A) || (!Item()->OnClick && !A->OnExecute);
}

void TToolbarItemActionLink::SetCaption(const String& Value) {
  if (IsCaptionLinked()) Item()->Text()->SetText(Value);
}

void TToolbarItemActionLink::SetEnabled(bool Value) {
  if (IsEnabledLinked()) Item()->SetEnabled(Value);
}

void TToolbarItemActionLink::SetVisible(bool Value) {
  if (IsVisibleLinked()) Item()->SetVisible(Value);
}

void TToolbarItemActionLink::SetOnExecute(const TNotifyEvent& Value) {
  if (!IsOnExecuteLinked()) return;
  Item()->OnClick = Value ? TNotifyEvent(TActionExecuteHandler{Action()}) : TNotifyEvent();
}

void TToolbarItemActionLink::ActionFreeing() {
  Item()->OnClick = DetachActionHandler(Item()->OnClick, Action());
}

void TQvSkinToolbarItem::SetAction(TBasicAction* Value) {
  TBasicAction* Old = Action();
  if (Old == Value && (Value || !FActionLink)) return;
  TQvSkinCustomToolbar* T = Toolbar();
  if (Old) {
    // The item keeps running the old handler itself, not through the action.
    OnClick = DetachActionHandler(OnClick, Old);
    FActionLink->SetAction(nullptr);
    if (T && !T->UsesAction(Old)) Old->RemoveFreeNotification(T);
  }
  if (!Value) {
    FActionLink.reset();
  } else {
    if (!FActionLink) FActionLink = std::make_unique<TToolbarItemActionLink>(this);
    FActionLink->SetAction(Value);
    FActionLink->OnChange = [this](TObject* Sender) { ActionChanged(Sender, false); };
    ActionChanged(Value, Value->ComponentState().Contains(csLoading));
    if (T) Value->FreeNotification(T);
  }
  Changed(true);
}

void TQvSkinToolbarItem::ActionChanged(TObject* Sender, bool CheckDefaults) {
  auto* A = dynamic_cast<TCustomAction*>(Sender);
  if (!A) return;
  if (!CheckDefaults || FText->Text().empty()) FText->SetText(A->Caption());
  if (!CheckDefaults || FEnabled) FEnabled = A->Enabled();
  if (!CheckDefaults || FVisible) FVisible = A->Visible();
  if (!CheckDefaults || !OnClick)
    OnClick = A->OnExecute ? TNotifyEvent(TActionExecuteHandler{A}) : TNotifyEvent();
  Changed(true);
}

void TQvSkinToolbarItem::InitiateAction() {
  if (FActionLink) FActionLink->Update();
}

TQvSkinCustomToolbar* TQvSkinToolbarItem::Toolbar() const {
  auto* Items = dynamic_cast<TQvSkinToolbarItems*>(Collection());
  return Items ? Items->Toolbar() : nullptr;
}

void TQvSkinToolbarItem::SetDropdownMenu(TPopupMenu* Value) {
  if (FDropdownMenu == Value) return;
  TQvSkinCustomToolbar* T = Toolbar();
  if (FDropdownMenu && T) FDropdownMenu->RemoveFreeNotification(T);
  FDropdownMenu = Value;
  if (FDropdownMenu && T) FDropdownMenu->FreeNotification(T);
  Changed(true);
}

void TQvSkinToolbarItem::SetDown(bool Value) {
  if (FDown == Value) return;
  FDown = Value;
  Changed(true);
  TQvSkinCustomToolbar* T = Toolbar();
  if (!Value || !T) return;
  T->SetFocusItemIndex(Index());
  if (T->OnItemDown) T->OnItemDown(this, Index());
}

void TQvSkinToolbarItem::Click() {
  TQvSkinCustomToolbar* T = Toolbar();
  if (T) T->FFocusItemIndex = Index();
  if (OnClick)
    OnClick(this);
  else if (FDropdownMenu && T)
    T->PopupItemMenu(this);
  if (T) T->DoItemClick(Index());
}

void TQvSkinToolbarItem::Assign(TPersistent* Source) {
  auto* S = dynamic_cast<TQvSkinToolbarItem*>(Source);
  if (!S) return TCollectionItem::Assign(Source);
  SetAction(S->Action());
  FAllowAllUp = S->FAllowAllUp;
  FTag = S->FTag;
  FDown = S->FDown;
  SetDropdownMenu(S->FDropdownMenu);
  FImageIndex = S->FImageIndex;
  FImageHotIndex = S->FImageHotIndex;
  FImageDownIndex = S->FImageDownIndex;
  FImageDisableIndex = S->FImageDisableIndex;
  FKind = S->FKind;
  FVisible = S->FVisible;
  FEnabled = S->FEnabled;
  FText->Assign(S->FText.get());
  FTextLayout = S->FTextLayout;
  FLineColor = S->FLineColor;
  FGroupIndex = S->FGroupIndex;
  FHint = S->FHint;
  Changed(true);
}

String TQvSkinToolbarItem::DisplayName() const {
  return FText->Text().empty() ? TCollectionItem::DisplayName() : FText->Text();
}

const TPropTable& TQvSkinToolbarItem::Properties() const {
  using C = TQvSkinToolbarItem;
  static const TPropTable Table = TCollectionItem::Properties().With({
      Prop(L"AllowAllUp", &C::AllowAllUp, &C::SetAllowAllUp),
      Prop(L"Down", &C::Down, &C::SetDown),
      Prop(L"Enabled", &C::Enabled, &C::SetEnabled, true),
      Prop(L"GroupIndex", &C::GroupIndex, &C::SetGroupIndex),
      Prop(L"Hint", &C::Hint, &C::SetHint),
      Prop(L"ImageDisableIndex", &C::ImageDisableIndex, &C::SetImageDisableIndex, -1),
      Prop(L"ImageDownIndex", &C::ImageDownIndex, &C::SetImageDownIndex, -1),
      Prop(L"ImageHotIndex", &C::ImageHotIndex, &C::SetImageHotIndex, -1),
      Prop(L"ImageIndex", &C::ImageIndex, &C::SetImageIndex, -1),
      EnumProp(L"Kind", &C::Kind, &C::SetKind, TToolbarItemKindNames),
      ColorProp(L"LineColor", &C::LineColor, &C::SetLineColor, DefaultLineColor),
      Prop(L"Tag", &C::Tag, &C::SetTag),
      ObjectProp(L"Text", &C::Text),
      EnumProp(L"TextLayout", &C::TextLayout, &C::SetTextLayout, TToolbarItemLayoutNames),
      Prop(L"Visible", &C::Visible, &C::SetVisible, true),
  });
  return Table;
}

// ---- items --------------------------------------------------------------------------

TQvSkinToolbarItems::TQvSkinToolbarItems(TQvSkinCustomToolbar* AToolbar)
    : TOwnedCollection<TQvSkinToolbarItem>(AToolbar), FToolbar(AToolbar) {}

void TQvSkinToolbarItems::Update(TCollectionItem*) {
  FToolbar->ItemsUpdated();
}

void TQvSkinToolbarItems::ItemMoved(int From, int To) {
  if (From < 0) FToolbar->DoItemsChanged();
  if (To < 0) FToolbar->ItemRemoved();
}

// ---- toolbar ------------------------------------------------------------------------

TQvSkinCustomToolbar::TQvSkinCustomToolbar(TComponent* AOwner)
    : TQvSkinCustomPanel(AOwner),
      FItems(std::make_unique<TQvSkinToolbarItems>(this)),
      FImageChangeLink(std::make_unique<TChangeLink>()),
      FButtonImage(std::make_unique<TPngPictures>()),
      FGoBackBtnPng(std::make_unique<TPngPictures>()),
      FGoFrontBtnPng(std::make_unique<TPngPictures>()),
      FGoUpBtnPng(std::make_unique<TPngPictures>()),
      FGoDownBtnPng(std::make_unique<TPngPictures>()),
      FDropdownMenuPictures(std::make_unique<TPngPictures>()),
      FDropdownMenuOffset(std::make_unique<TQvBtnItemOffset>()),
      FTextOffset(std::make_unique<TQvBtnItemOffset>()),
      FFontDown(std::make_unique<TFont>()),
      FFontHot(std::make_unique<TFont>()),
      FTimer(std::make_unique<TSimpleTimer>(ScrollInterval)) {
  SetupStrip(*FButtonImage, L"QvSkinFlatBtn", 3, 0, 1, 2, 0, false);
  SetupStrip(*FGoBackBtnPng, L"QvSkinBrower_back", 4, 0, 1, 2, 3, false);
  SetupStrip(*FGoFrontBtnPng, L"QvSkinBrower_front", 4, 3, 2, 1, 0, false);
  SetupStrip(*FGoUpBtnPng, L"QvSkinBrower_up", 4, 0, 1, 2, 3, true);
  SetupStrip(*FGoDownBtnPng, L"QvSkinBrower_down", 4, 3, 2, 1, 0, true);
  SetupStrip(*FDropdownMenuPictures, L"QvSkinDropdownMenu", 4, 0, 1, 2, 0, false);
  FButtonImage->SetPicturesChanged([this](TObject*) {
    FRezieButtonImage = true;
    Invalidate();
  });
  FDropdownMenuOffset->SetX(DefaultDropdownMenuOffset);
  FDropdownMenuOffset->SetY(DefaultDropdownMenuOffset);
  FImageChangeLink->OnChange = [this](TObject* S) { ImagesChanged(S); };
  FTimer->SetOnTimer([this](TObject*) { TimerTick(); });
  SetControlStyle(ControlStyle() + TControlStyle{csActionClient});
  SetHeight(52);
  SetAlign(alTop);
  SetBorderSides({});
  SetDelayRefresh(true);
}

TQvSkinCustomToolbar::~TQvSkinCustomToolbar() {
  FTimer->Stop(true);
  SetImages(nullptr);
  // Items drop their menus' notifications while the toolbar is whole.
  FItems->Clear();
}

void TQvSkinCustomToolbar::SetImages(TCustomImageList* Value) {
  if (FImages == Value) return;
  if (FImages) {
    FImages->UnRegisterChanges(FImageChangeLink.get());
    FImages->RemoveFreeNotification(this);
  }
  FImages = Value;
  if (FImages) {
    FImages->RegisterChanges(FImageChangeLink.get());
    FImages->FreeNotification(this);
  }
  Invalidate();
}

void TQvSkinCustomToolbar::ImagesChanged(TObject*) {
  Invalidate();
}

void TQvSkinCustomToolbar::SetButtonWidth(int Value) {
  if (FButtonWidth == Value) return;
  FButtonWidth = Value;
  FRezieButtonImage = true;
  UpdateLayout();
  Invalidate();
}

void TQvSkinCustomToolbar::SetMultiLine(bool Value) {
  if (FMultiLine == Value) return;
  FMultiLine = Value;
  FDispOffset = {};
  ResizeArrows();
  UpdateLayout();
  Invalidate();
}

void TQvSkinCustomToolbar::SetAllowArrowKeys(bool Value) {
  if (FAllowArrowKeys == Value) return;
  FAllowArrowKeys = Value;
  SetTabStop(Value);
}

void TQvSkinCustomToolbar::SetFocusItemIndex(int Value) {
  FFocusItemIndex = Value;
  DoSetItemDown();
}

int TQvSkinCustomToolbar::VisibleItemCount() const {
  int N = 0;
  for (int I = 0; I < FItems->Count(); ++I) N += FItems->Items(I)->Visible() ? 1 : 0;
  return N;
}

int TQvSkinCustomToolbar::GetItemAt(TPoint P) const {
  for (int I = 0; I < FItems->Count(); ++I) {
    const TQvSkinToolbarItem* Item = FItems->Items(I);
    const TRect& R = Item->FRect;
    if (Item->Visible() && P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom)
      return I;
  }
  return -1;
}

// ---- scrolling ----------------------------------------------------------------------

bool TQvSkinCustomToolbar::DoClickGoBackButton() {
  if (FStopScroll) return false;
  int& Offset = FMultiLine ? FDispOffset.Y : FDispOffset.X;
  ToolbarScrollBack(Offset, GetDPIScaledPixels(this, FScrollSize));
  UpdateLayout();
  Invalidate();
  return true;
}

bool TQvSkinCustomToolbar::DoClickGoFrontButton() {
  if (FStopScroll) return false;
  UpdateLayout();  // the content's end now, not at the last paint
  int& Offset = FMultiLine ? FDispOffset.Y : FDispOffset.X;
  if (FMultiLine)
    ToolbarScrollFront(Offset, FDispY, Height(), GetDPIScaledPixels(this, FScrollSize));
  else
    ToolbarScrollFront(Offset, FDispX, Width(), GetDPIScaledPixels(this, FScrollSize));
  UpdateLayout();
  Invalidate();
  return true;
}

void TQvSkinCustomToolbar::ScrollBack() {
  SetHot(-1, gbBack);
  if (!DoClickGoBackButton()) Invalidate();
}

void TQvSkinCustomToolbar::ScrollFront() {
  SetHot(-1, gbFront);
  if (!DoClickGoFrontButton()) Invalidate();
}

void TQvSkinCustomToolbar::TimerTick() {
  if (!FScrollButtonVisible) return;
  if (FHotOtherBtn == gbBack) DoClickGoBackButton();
  if (FHotOtherBtn == gbFront) DoClickGoFrontButton();
}

void TQvSkinCustomToolbar::ItemsUpdated() {
  if (FItems->Count() == 0) FDispOffset = {};
  UpdateLayout();
  Invalidate();
  DoItemsChanged();
}

void TQvSkinCustomToolbar::ItemRemoved() {
  if (FHotItemIndex >= FItems->Count()) FHotItemIndex = -1;
  if (FFocusItemIndex >= FItems->Count()) FFocusItemIndex = -1;
  const bool Column = FMultiLine;
  if ((Column ? FDispOffset.Y : FDispOffset.X) < 0) {
    int Sum = 0, N = 0;
    for (int I = 0; I < FItems->Count(); ++I)
      if (const TQvSkinToolbarItem* Item = FItems->Items(I); Item->Visible()) {
        Sum += Column ? Item->FRect.Height() : Item->FRect.Width();
        ++N;
      }
    if (FSpaceSize > 0) Sum += FSpaceSize * (N + 1);
    if ((Column ? Height() : Width()) > Sum) FDispOffset = {};
  }
  UpdateLayout();
  Invalidate();
  DoItemsChanged();
}

void TQvSkinCustomToolbar::DoItemsChanged() {
  if (FButtonWidth == 0) FRezieButtonImage = true;
}

void TQvSkinCustomToolbar::DoButtonWidthChanged(TQvSkinToolbarItem* Item, int& Width) {
  if (OnButtonWidthChanged) OnButtonWidthChanged(Item, Width);
}

void TQvSkinCustomToolbar::DoDrawItem(TBitmap32* Bmp32, TQvSkinToolbarItem* Item) {
  if (OnDrawItem) OnDrawItem(this, Bmp32, Item);
}

void TQvSkinCustomToolbar::DoItemClick(int Index) {
  if (OnItemClick) OnItemClick(this, Index);
}

// ---- press logic --------------------------------------------------------------------

void TQvSkinCustomToolbar::DoSetItemDown() {
  if (!ValidIndex(FFocusItemIndex)) return;
  TQvSkinToolbarItem* Item = FItems->Items(FFocusItemIndex);
  Item->FDown = true;
  {
    auto Updating = UpdateScope(*FItems);
    for (int I = 0; I < FItems->Count(); ++I)
      if (TQvSkinToolbarItem* Other = FItems->Items(I);
          Other != Item && Other->GroupIndex() == Item->GroupIndex() && Other->FDown) {
        Other->FDown = false;
        NotifyAccessibleChild(this, aeStateChange, I);
      }
  }
  if (OnItemDown) OnItemDown(Item, FFocusItemIndex);
  NotifyAccessibleChild(this, aeStateChange, FFocusItemIndex);
  Invalidate();
  if (OnItemFocusChanged) OnItemFocusChanged(this);
}

void TQvSkinCustomToolbar::PopupItemMenu(TQvSkinToolbarItem* Item) {
  if (!Item->DropdownMenu()) return;
  const TRect R = Item->FRect;
  const TPoint P = ClientToScreen({R.Left + GetDPIScaledPixels(this, FDropdownMenuOffset->X()),
                                   R.Bottom + GetDPIScaledPixels(this, FDropdownMenuOffset->Y())});
  Item->DropdownMenu()->SetPopupComponent(this);
  Item->DropdownMenu()->Popup(P.X, P.Y);
}

// ---- mouse and keys -----------------------------------------------------------------

void TQvSkinCustomToolbar::SetHot(int Index, TOtherButtonKind Part) {
  if (FHotItemIndex == Index && FHotOtherBtn == Part) return;
  // The stop belonged to the arrow that was hot.
  if (FHotOtherBtn != Part) FStopScroll = false;
  FHotItemIndex = Index;
  FHotOtherBtn = Part;
  Invalidate();
}

void TQvSkinCustomToolbar::MouseMove(TShiftState Shift, int X, int Y) {
  TQvSkinCustomPanel::MouseMove(Shift, X, Y);
  UpdateLayout();
  const TPoint P{X, Y};
  auto In = [&](const TRect& R) {
    return P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom;
  };
  if (FEnabledScroll && FScrollButtonVisible) {
    if (In(FGoBackBtnRect)) return SetHot(-1, gbBack);
    if (In(FGoFrontBtnRect)) return SetHot(-1, gbFront);
  }
  for (int I = 0; I < FItems->Count(); ++I) {
    TQvSkinToolbarItem* Item = FItems->Items(I);
    if (!Item->Visible() || !Item->Enabled() || !In(Item->FRect)) continue;
    if (I != FHotItemIndex) {
      FHotItemIndex = I;
      Invalidate();
      if (ShowHint()) {
        Application->CancelHint();
        Application->ActivateHint(ClientToScreen(P));
      }
    }
    TOtherButtonKind Part = Item->DropdownMenu() && In(Item->FMenuButtonRect) ? gbMenu : gbNone;
    SetHot(I, Part);
    return;
  }
  SetHot(-1, gbNone);
}

void TQvSkinCustomToolbar::MouseLeave() {
  SetHot(-1, gbNone);
}

void TQvSkinCustomToolbar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TQvSkinCustomPanel::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  if (FAllowArrowKeys && CanFocus()) SetFocus();
  if (FHotOtherBtn == gbBack || FHotOtherBtn == gbFront) {
    FDownOtherBtn = true;
    FTimer->SetEnabled(true);
    return;
  }
  FFocusItemIndex = GetItemAt({X, Y});
  if (FFocusItemIndex < 0) return;
  FDownOtherBtn = FHotOtherBtn == gbMenu;
  if (FDownOtherBtn) return Invalidate();
  TQvSkinToolbarItem* Item = FItems->Items(FFocusItemIndex);
  if (!Item->Enabled()) return;
  if (Item->AllowAllUp()) {
    Item->FDown = !Item->FDown;
    NotifyAccessibleChild(this, aeStateChange, FFocusItemIndex);
    Invalidate();
  } else {
    DoSetItemDown();
  }
}

void TQvSkinCustomToolbar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TQvSkinCustomPanel::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  const bool Held = FDownOtherBtn;
  FDownOtherBtn = false;
  FTimer->SetEnabled(false);
  if (ValidIndex(FFocusItemIndex) && (!Held || FHotOtherBtn == gbMenu)) {
    TQvSkinToolbarItem* Item = FItems->Items(FFocusItemIndex);
    if (Item->DropdownMenu() && FHotOtherBtn == gbMenu) return PopupItemMenu(Item);
    if (Item->GroupIndex() == 0 && !Item->AllowAllUp() && Item->FDown) {
      Item->FDown = false;
      NotifyAccessibleChild(this, aeStateChange, FFocusItemIndex);
    }
    if (FFocusItemIndex == FHotItemIndex && Item->Enabled() && Item->Kind() == tkButton)
      Item->Click();
  }
  Invalidate();
}

void TQvSkinCustomToolbar::KeyDown(uint16_t& Key, TShiftState Shift) {
  TQvSkinCustomPanel::KeyDown(Key, Shift);
  if (!FAllowArrowKeys) return;
  const uint16_t Prev = FMultiLine ? VK_UP : VK_LEFT, Next = FMultiLine ? VK_DOWN : VK_RIGHT;
  if (Key == Prev && FFocusItemIndex - 1 >= 0) {
    SetFocusItemIndex(FFocusItemIndex - 1);
    Key = 0;
  } else if (Key == Next && FFocusItemIndex + 1 <= FItems->Count() - 1) {
    SetFocusItemIndex(FFocusItemIndex + 1);
    Key = 0;
  }
  if (Key == 0) NotifyAccessibleChild(this, aeFocus, FFocusItemIndex);
}

void TQvSkinCustomToolbar::Notification(TComponent* AComponent, TOperation Operation) {
  TQvSkinCustomPanel::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FImages) SetImages(nullptr);
  for (int I = 0; I < FItems->Count(); ++I) {
    TQvSkinToolbarItem* Item = FItems->Items(I);
    if (Item->FDropdownMenu == AComponent) {
      Item->FDropdownMenu = nullptr;
      Invalidate();
    }
    if (Item->FActionLink && Item->Action() == AComponent) Item->SetAction(nullptr);
  }
}

bool TQvSkinCustomToolbar::UsesAction(const TBasicAction* Action) const {
  for (int I = 0; I < FItems->Count(); ++I)
    if (FItems->Items(I)->Action() == Action) return true;
  return false;
}

void TQvSkinCustomToolbar::InitiateAction() {
  for (int I = 0; I < FItems->Count(); ++I) FItems->Items(I)->InitiateAction();
}

void TQvSkinCustomToolbar::Resize() {
  if (FButtonWidth == 0) FRezieButtonImage = true;
  TQvSkinCustomPanel::Resize();
  FDispOffset = {};
  ResizeArrows();
  UpdateLayout();
}

void TQvSkinCustomToolbar::ResizeArrows() {
  TPngPictures& Back = FMultiLine ? *FGoUpBtnPng : *FGoBackBtnPng;
  TPngPictures& Front = FMultiLine ? *FGoDownBtnPng : *FGoFrontBtnPng;
  ToolbarArrowRects(FMultiLine, Width(), Height(), {Back.GetSingleWidth(), Back.GetSingleHeight()},
                    {Front.GetSingleWidth(), Front.GetSingleHeight()}, FGoBackBtnRect,
                    FGoFrontBtnRect);
}

void TQvSkinCustomToolbar::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE:
      Message.Result = FAllowArrowKeys ? DLGC_WANTARROWS : 0;
      return;
    case CM_MOUSELEAVE:
      TQvSkinCustomPanel::WndProc(Message);
      MouseLeave();
      return;
    case CM_HINTSHOW:
      TQvSkinCustomPanel::WndProc(Message);
      if (ValidIndex(FHotItemIndex))
        reinterpret_cast<THintInfo*>(Message.LParam)->HintStr =
            FItems->Items(FHotItemIndex)->Hint();
      return;
  }
  TQvSkinCustomPanel::WndProc(Message);
}

// ---- painting -----------------------------------------------------------------------

void TQvSkinCustomToolbar::UpdateLayout() {
  TToolbarLayoutInput In;
  In.MultiLine = FMultiLine;
  In.Width = Width();
  In.Height = Height();
  In.ButtonWidth = GetDPIScaledPixels(this, FButtonWidth);
  In.ButtonHeight = GetDPIScaledPixels(this, FButtonHeight);
  In.SpaceSize = GetDPIScaledPixels(this, FSpaceSize);
  In.MenuWidth = GetDPIScaledPixels(this, MenuButtonWidth);
  In.Offset = FDispOffset;
  std::vector<TToolbarLayoutItem> Items;
  Items.reserve(size_t(FItems->Count()));
  std::unique_ptr<TBitmap32> Measure;
  const int IW = FImages ? FImages->Width() : 0;
  for (int I = 0; I < FItems->Count(); ++I) {
    TQvSkinToolbarItem* Item = FItems->Items(I);
    TToolbarLayoutItem L{Item->Visible(), Item->Kind() == tkSpacer,
                         Item->DropdownMenu() != nullptr};
    if (Item->Visible() && !FMultiLine && FAutoButtonWidth && !L.Spacer) {
      if (!Measure) {
        Measure = std::make_unique<TBitmap32>();
        Measure->Font()->Assign(Font());
      }
      int W = Measure->TextWidth(Item->Text()->Text()) + 14;
      if (FImages && (Item->TextLayout() == ilLeft || Item->TextLayout() == ilRight)) W += IW + 14;
      DoButtonWidthChanged(Item, W);
      L.OwnWidth = W;
    }
    Items.push_back(L);
  }
  const TToolbarLayout L = LayoutToolbar(In, Items);
  for (int I = 0; I < FItems->Count(); ++I) {
    FItems->Items(I)->FRect = L.Rects[size_t(I)];
    FItems->Items(I)->FMenuButtonRect = L.MenuRects[size_t(I)];
  }
  FDispX = L.DispX;
  FDispY = L.DispY;
  FEnabledScroll = L.EnabledScroll;
}

void TQvSkinCustomToolbar::DrawBody(TBitmap32* Bitmap) {
  TQvSkinCustomPanel::DrawBody(Bitmap);
  if (FStopDrawBody && !Designing()) {
    Bitmap->Draw(0, 0, &FBodyBuffer);
    return;
  }
  UpdateLayout();
  ResizeArrows();
  const int Count = FItems->Count();
  int Rem = 0;
  if (FButtonWidth == 0) {
    const int N = std::max(VisibleItemCount(), 1);
    Rem = Width() % N;
  }
  for (int I = 0; I < Count; ++I) {
    TQvSkinToolbarItem* Item = FItems->Items(I);
    if (!Item->Visible()) continue;
    // Pictures stretched to one size serve every item of that size.
    if (Item->Kind() == tkButton &&
        (FRezieButtonImage || (Rem != 0 && (I == 0 || I == Count - 1)) ||
         (FAutoButtonWidth && !FMultiLine) ||
         (FNormalImage && FNormalImage->Width() != Item->FRect.Width()))) {
      FNormalImage.reset();
      FHotImage.reset();
      FDownImage.reset();
      const TRect& R = Item->FRect;
      if (auto P = StatePicture(*FButtonImage, FButtonImage->Pressed()))
        FDownImage = ResizeImg(P.get(), R.Width(), R.Height());
      if (auto P = StatePicture(*FButtonImage, FButtonImage->Hot()))
        FHotImage = ResizeImg(P.get(), R.Width(), R.Height());
      if (auto P = StatePicture(*FButtonImage, FButtonImage->Normal()))
        FNormalImage = ResizeImg(P.get(), R.Width(), R.Height());
      FRezieButtonImage = false;
    }
    DrawItem(Bitmap, Item, I);
  }
  DrawArrows(Bitmap);
  if (Focused() && ShowsFocusCues() && ValidIndex(FFocusItemIndex))
    DrawFocusCue(*Bitmap, FItems->Items(FFocusItemIndex)->FRect);
  FBodyBuffer.Assign(Bitmap);
}

void TQvSkinCustomToolbar::DrawItem(TBitmap32* Bitmap, TQvSkinToolbarItem* Item, int Index) {
  const TRect R = Item->FRect;
  if (Item->Kind() == tkSpacer) {
    const TColor32 Line = qv::SetAlpha(Color32(Item->LineColor()), 255);
    if (FMultiLine)
      Bitmap->HorzLineS(R.Left, R.Top + (R.Height() - 2) / 2, R.Right, Line);
    else
      Bitmap->VertLineS(R.Left + (R.Width() - 2) / 2, R.Top, R.Bottom, Line);
    DoDrawItem(Bitmap, Item);
    return;
  }
  TFont* F = Font();
  TQvSkinImage* Picture = FNormalImage.get();
  const bool Hot = FHotItemIndex == Index && FHotOtherBtn != gbBack && FHotOtherBtn != gbFront;
  if (Item->Down()) {
    Picture = FDownImage.get();
    F = FFontDown.get();
  } else if (Hot) {
    Picture = FHotImage.get();
    F = FFontHot.get();
  }
  if (FButtonImage->Active() && Picture) Bitmap->Draw(R.Left, R.Top, Picture);
  // Drop-down part.
  int Extra = 0;
  if (Item->DropdownMenu()) {
    const TRect& M = Item->FMenuButtonRect;
    const bool MenuHot = Hot && FHotOtherBtn == gbMenu;
    const int State =
        MenuHot ? (FDownOtherBtn ? FDropdownMenuPictures->Pressed() : FDropdownMenuPictures->Hot())
                : FDropdownMenuPictures->Normal();
    if (auto P = StatePicture(*FDropdownMenuPictures, State))
      if (auto Band = SpliteImgCenterPart(P.get(), M.Height() - 6, P->Width()))
        Bitmap->Draw(M.Left, M.Top + (M.Height() - Band->Height()) / 2, Band.get());
    Extra = M.Width();
  }
  Extra += GetExWidth();
  TRect TR = Rect(R.Left + FTextOffset->X(), R.Top + FTextOffset->Y(), R.Right + FTextOffset->X(),
                  R.Bottom + FTextOffset->Y());
  TR.Right -= Extra;
  uint32_t Format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  int X = R.Left, Y = R.Top, IW = 0, IH = 0;
  Bitmap->Font()->Assign(F);
  const String& Caption = Item->Text()->Text();
  const bool ShowText = Item->Text()->Visible();
  if (FImages) {
    IW = FImages->Width();
    IH = FImages->Height();
    const int MT = GetDPIScaledPixels(this, FMarginTextSize);
    if (ShowText && Item->ImageIndex() >= 0) {
      const TSize T = Bitmap->TextExtent(Caption);
      TR = Rect(TR.Left + 1, TR.Top + 1, TR.Right - 1, TR.Bottom - 1);
      switch (Item->TextLayout()) {
        case ilBottom:
          X = R.Left + (R.Width() - IW - Extra) / 2;
          Y = R.Top + (R.Height() - IH - T.cy) / 2;
          TR.Top = Y + IH + MT;
          Format = DT_CENTER | DT_SINGLELINE;
          break;
        case ilTop:
          X = R.Left + (R.Width() - IW - Extra) / 2;
          Y = R.Top + (R.Height() - IH - T.cy) / 2 + T.cy;
          TR.Bottom = Y - MT;
          Format = DT_CENTER | DT_BOTTOM | DT_SINGLELINE;
          break;
        case ilLeft:
          X = FMultiLine ? R.Right - IW - GetDPIScaledPixels(this, FMarginSize) - 2 - Extra
                         : R.Left + (R.Width() - IW - T.cx - Extra) / 2 + T.cx;
          Y = R.Top + (R.Height() - IH) / 2;
          TR.Right = X - MT;
          Format = DT_RIGHT | DT_VCENTER | DT_SINGLELINE;
          break;
        case ilRight:
          X = FMultiLine ? R.Left + GetDPIScaledPixels(this, FMarginSize) + 2
                         : R.Left + (R.Width() - IW - T.cx - Extra) / 2;
          Y = R.Top + (R.Height() - IH) / 2;
          TR.Left = X + IW + MT;
          Format = DT_LEFT | DT_VCENTER | DT_SINGLELINE;
          break;
      }
      TR = Rect(TR.Left + 2, TR.Top + 2, TR.Right - 2, TR.Bottom - 2);
    } else if (!ShowText) {
      X = R.Left + (R.Width() - IW) / 2;
      Y = R.Top + (R.Height() - IH) / 2;
    }
    X = std::max(X, R.Left);
  }
  if (Item->GroupIndex() == 0 && Item->Down() && FHotOtherBtn == gbNone &&
      (Hot || Item->AllowAllUp())) {
    X += FPressedOffset;
    Y += FPressedOffset;
    TR = Rect(TR.Left + FPressedOffset, TR.Top + FPressedOffset, TR.Right + FPressedOffset,
              TR.Bottom + FPressedOffset);
  }
  TColor32 TextColor = qv::SetAlpha(Color32(F->Color()), 255);
  if (!Item->Enabled()) TextColor = kDisabledText;
  if (FImages && Item->ImageIndex() != -1) {
    int Image = Item->ImageIndex();
    if (!Item->Enabled())
      Image = Item->ImageDisableIndex() != -1 ? Item->ImageDisableIndex() : Item->ImageIndex();
    else if (Item->Down() && Item->ImageDownIndex() != -1)
      Image = Item->ImageDownIndex();
    else if (Hot && Item->ImageHotIndex() != -1)
      Image = Item->ImageHotIndex();
    if (Image >= 0 && Image < FImages->Count()) {
      TBitmap Glyph;
      FImages->GetBitmap(Image, Glyph);
      TBitmap32 G;
      G.Assign(&Glyph);
      G.SetDrawMode(dmBlend);
      Bitmap->Draw(X, Y, &G);
    }
  } else if (Designing()) {
    Bitmap->FrameRectS(R, kDesignFrame);
  }
  if (ShowText) Bitmap->RenderText(TR, Format, Caption, TextColor);
  DoDrawItem(Bitmap, Item);
}

void TQvSkinCustomToolbar::DrawArrows(TBitmap32* Bitmap) {
  if (!FEnabledScroll) return;
  TPngPictures& Back = FMultiLine ? *FGoUpBtnPng : *FGoBackBtnPng;
  TPngPictures& Front = FMultiLine ? *FGoDownBtnPng : *FGoFrontBtnPng;
  const int Offset = FMultiLine ? FDispOffset.Y : FDispOffset.X;
  const bool MoreAhead = FMultiLine ? FDispY > Height() : FDispX > Width();
  auto State = [&](TPngPictures& P, bool Enabled, TOtherButtonKind Part) {
    if (!Enabled) {
      if (FHotOtherBtn == Part) FStopScroll = true;
      return P.Disable();
    }
    if (FHotOtherBtn != Part) return P.Normal();
    FStopScroll = false;
    return FDownOtherBtn ? P.Pressed() : P.Hot();
  };
  const int BackState = State(Back, Offset < 0, gbBack);
  const int FrontState = State(Front, MoreAhead, gbFront);
  if (!FScrollButtonVisible) return;
  if (auto P = StatePicture(Back, BackState))
    Bitmap->Draw(FGoBackBtnRect.Left, FGoBackBtnRect.Top, P.get());
  if (auto P = StatePicture(Front, FrontState))
    Bitmap->Draw(FGoFrontBtnRect.Left, FGoFrontBtnRect.Top, P.get());
}

// ---- accessibility ------------------------------------------------------------------

TQvAccessibleInfo TQvSkinCustomToolbar::AccessibleInfo() const {
  TQvAccessibleInfo Info = TQvSkinCustomPanel::AccessibleInfo();
  Info.Role = arToolBar;
  Info.Name = Caption();
  if (FAllowArrowKeys) Info.State.Include(asFocusable);
  return Info;
}

TQvAccessibleChild TQvSkinCustomToolbar::AccessibleChild(int Index) const {
  const TQvSkinToolbarItem* Item = FItems->Items(Index);
  TQvAccessibleChild C;
  C.Bounds = Item->FRect;
  TQvAccessibleInfo& I = C.Info;
  I.Name = Item->Text()->Text();
  if (Item->Kind() == tkSpacer) {
    I.Role = arGraphic;
  } else if (Item->DropdownMenu()) {
    I.Role = arDropDownButton;
    I.State.Include(asHasPopup);
    I.DefaultAction = L"Press";
  } else if (Item->AllowAllUp() || Item->GroupIndex() != 0) {
    I.Role = arCheckButton;
    if (Item->Down()) I.State.Include(asChecked);
    I.DefaultAction = Item->Down() && Item->AllowAllUp() ? L"Uncheck" : L"Check";
  } else {
    I.Role = arPushButton;
    if (Item->Down()) I.State.Include(asPressed);
    I.DefaultAction = L"Press";
  }
  if (!Item->Enabled()) I.State.Include(asDisabled);
  if (!Item->Visible()) I.State.Include(asInvisible);
  if (Index == FHotItemIndex) I.State.Include(asHot);
  return C;
}

bool TQvSkinCustomToolbar::DoAccessibleChildAction(int Index) {
  if (!ValidIndex(Index)) return false;
  TQvSkinToolbarItem* Item = FItems->Items(Index);
  if (Item->Kind() != tkButton || !Item->Enabled() || !Item->Visible()) return false;
  if (Item->AllowAllUp()) {
    Item->FDown = !Item->FDown;
    NotifyAccessibleChild(this, aeStateChange, Index);
    Invalidate();
  } else if (Item->GroupIndex() != 0) {
    SetFocusItemIndex(Index);
  }
  Item->Click();
  return true;
}

// ---- object text form ---------------------------------------------------------------

const TPropTable& TQvSkinCustomToolbar::Properties() const {
  using C = TQvSkinCustomToolbar;
  static const auto MenuOffset = [] {
    auto O = std::make_unique<TQvBtnItemOffset>();
    O->SetX(DefaultDropdownMenuOffset);
    O->SetY(DefaultDropdownMenuOffset);
    return O;
  }();
  static const TPropTable Table = TQvSkinCustomPanel::Properties().With({
      Prop(L"AllowArrowKeys", &C::AllowArrowKeys, &C::SetAllowArrowKeys),
      Prop(L"AutoButtonImageColor", &C::AutoButtonImageColor, &C::SetAutoButtonImageColor),
      Prop(L"AutoButtonWidth", &C::AutoButtonWidth, &C::SetAutoButtonWidth),
      ObjectProp(L"ButtonImage", &C::ButtonImage),
      Prop(L"ButtonHeight", &C::ButtonHeight, &C::SetButtonHeight, DefaultButtonHeight),
      Prop(L"ButtonWidth", &C::ButtonWidth, &C::SetButtonWidth, DefaultButtonWidth),
      ObjectProp(L"DropdownMenuOffset", &C::DropdownMenuOffset, MenuOffset.get()),
      ObjectProp(L"FontDown", &C::FontDown),
      ObjectProp(L"FontHot", &C::FontHot),
      CollectionProp(L"Items", &C::Items),
      Prop(L"MarginSize", &C::MarginSize, &C::SetMarginSize, DefaultMarginSize),
      Prop(L"MarginTextSize", &C::MarginTextSize, &C::SetMarginTextSize, DefaultMarginTextSize),
      Prop(L"MultiLine", &C::MultiLine, &C::SetMultiLine),
      Prop(L"PressedOffset", &C::PressedOffset, &C::SetPressedOffset),
      Prop(L"ScrollButtonVisible", &C::ScrollButtonVisible, &C::SetScrollButtonVisible, true),
      Prop(L"ScrollSize", &C::ScrollSize, &C::SetScrollSize, DefaultScrollSize),
      Prop(L"SpaceSize", &C::SpaceSize, &C::SetSpaceSize, DefaultSpaceSize),
      ObjectProp(L"TextOffset", &C::TextOffset),
  });
  return Table;
}

}  // namespace qv
