#include <windows.h>

#include <algorithm>
#include <cmath>

#include "controls/QvAccessibleWin.h"
#include "controls/QvSkinScrollBar.h"
#include "controls/QvSkinTagsBox.h"
#include "graphics/QvComm.h"
#include "host/Platform.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"
#include "host/Screen.h"
#include "raster/Polygons.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinTagsBox>(), true);

}  // namespace

// ---- the x button and the tag colours ---------------------------------------

void DrawCloseBtn(TBitmap32* Bitmap, const TRect& Rect, TColor CircleColor, TColor XColor) {
  const int W = Rect.Width(), H = Rect.Height();
  const double R = std::min(W / 2.0, H / 2.0);
  if (R <= 1) return;
  const double CX = (Rect.Left + Rect.Right) / 2.0, CY = (Rect.Top + Rect.Bottom) / 2.0;
  PolygonFS(Bitmap, Circle(CX, CY, R - 1), Color32(CircleColor), pfWinding);
  const double E = std::lround(2 * R / 3) - 1;
  const double Stroke = W / 16 + 1;
  const TColor32 X = Color32(XColor);
  PolylineFS(Bitmap, Line(Rect.Left + E, Rect.Top + E, Rect.Right - E, Rect.Bottom - E), X, false,
             Stroke);
  PolylineFS(Bitmap, Line(Rect.Right - E, Rect.Top + E, Rect.Left + E, Rect.Bottom - E), X, false,
             Stroke);
}

void TQvSkinColorControls_DeleteButton::Draw(TBitmap32* Dest, const TRect& BtnRect) const {
  if (FState == bsHot)
    DrawCloseBtn(Dest, BtnRect, FHotColor, FXHotColor);
  else
    DrawCloseBtn(Dest, BtnRect, FColor, FXColor);
}

void TQvSkinColorControls_DeleteButton::Assign(TPersistent* Source) {
  if (!AssignProperties(*this, Source)) TPersistent::Assign(Source);
}

const TPropTable& TQvSkinColorControls_DeleteButton::Properties() const {
  using C = TQvSkinColorControls_DeleteButton;
  static const TPropTable Table = TPersistent::Properties().With({
      ColorProp(L"Color", &C::Color, &C::SetColor, DefaultColor),
      ColorProp(L"HotColor", &C::HotColor, &C::SetHotColor, DefaultHotColor),
      Prop(L"Visible", &C::Visible, &C::SetVisible, true),
      ColorProp(L"XColor", &C::XColor, &C::SetXColor, DefaultXColor),
      ColorProp(L"XHotColor", &C::XHotColor, &C::SetXHotColor, DefaultXHotColor),
  });
  return Table;
}

void TTBItemColors::Assign(TPersistent* Source) {
  if (!AssignProperties(*this, Source)) TPersistent::Assign(Source);
}

const TPropTable& TTBItemColors::Properties() const {
  using C = TTBItemColors;
  static const TPropTable Table = TPersistent::Properties().With({
      ColorProp(L"Color", &C::Color, &C::SetColor, DefaultColor),
      ColorProp(L"FontColor", &C::FontColor, &C::SetFontColor, DefaultFontColor),
      ColorProp(L"HotColor", &C::HotColor, &C::SetHotColor, DefaultHotColor),
      ColorProp(L"HotFontColor", &C::HotFontColor, &C::SetHotFontColor, DefaultHotFontColor),
  });
  return Table;
}

// ---- TQvTagsBoxItem -------------------------------------------------------

TQvTagsBoxItem::TQvTagsBoxItem(TCollection* ACollection)
    : TCollectionItem(ACollection), FColors(std::make_unique<TTBItemColors>()) {
  FColors->OnChanged = [this](TObject*) { Changed(false); };
}

TQvTagsBoxItem::~TQvTagsBoxItem() {
  if (TQvSkinCustomTagsBox* B = Box()) B->DoFreeItem(this);
}

TQvSkinCustomTagsBox* TQvTagsBoxItem::Box() const {
  auto* Items = dynamic_cast<TQvTagsBoxItems*>(Collection());
  return Items ? Items->TagsBoxList() : nullptr;
}

void TQvTagsBoxItem::SetCaption(const String& Value) {
  Change(FCaption, Value);
}
void TQvTagsBoxItem::SetEnabled(bool Value) {
  Change(FEnabled, Value);
}
void TQvTagsBoxItem::SetVisible(bool Value) {
  Change(FVisible, Value);
}

void TQvTagsBoxItem::Assign(TPersistent* Source) {
  auto* S = dynamic_cast<TQvTagsBoxItem*>(Source);
  if (!S) {
    TCollectionItem::Assign(Source);
    return;
  }
  FColors->Assign(S->FColors.get());
  SetCaption(S->FCaption);
}

void TQvTagsBoxItem::Click() {
  if (OnClick) OnClick(this);
  if (TQvSkinCustomTagsBox* B = Box()) B->DoClickItem(this, Index());
}

void TQvTagsBoxItem::Invalidate() {
  TQvSkinCustomTagsBox* B = Box();
  if (B && B->HandleAllocated()) {
    const RECT R{FRect.Left, FRect.Top, FRect.Right, FRect.Bottom};
    B->SetBufferValid(false);
    InvalidateRect(B->Handle(), &R, FALSE);
  }
}

const TPropTable& TQvTagsBoxItem::Properties() const {
  using C = TQvTagsBoxItem;
  static const TPropTable Table = TCollectionItem::Properties().With({
      Prop(L"Caption", &C::Caption, &C::SetCaption, String(DefaultCaption)),
      ObjectProp(L"Colors", &C::Colors),
      Prop(L"Enabled", &C::Enabled, &C::SetEnabled, true),
      Prop(L"Tag", &C::Tag, &C::SetTag),
      Prop(L"Visible", &C::Visible, &C::SetVisible, true),
  });
  return Table;
}

// ---- TQvTagsBoxItems ------------------------------------------------------

TQvTagsBoxItems::TQvTagsBoxItems(TQvSkinCustomTagsBox* ABox)
    : TOwnedCollection<TQvTagsBoxItem>(ABox), FBox(ABox) {}

TQvTagsBoxItem* TQvTagsBoxItems::AddItem(TQvTagsBoxItem* Item, int Index) {
  if (!Item) Item = Add();
  if (Index >= 0) Item->SetIndex(Index);
  return Item;
}

void TQvTagsBoxItems::Update(TCollectionItem*) {
  FBox->UpdateScrollBar();
  FBox->Invalidate();
  FBox->DoChanged();
}

void TQvTagsBoxItems::ItemMoved(int From, int To) {
  FollowItemMove(FBox->FHotItemIndex, From, To);
  FollowItemMove(FBox->FFocusItemIndex, From, To);
}

// ---- TQvSkinCustomTagsBox -------------------------------------------------

TQvSkinCustomTagsBox::TQvSkinCustomTagsBox(TComponent* AOwner)
    : TQvSkinCustomPanel(AOwner),
      FItems(std::make_unique<TQvTagsBoxItems>(this)),
      FDeleteButton(std::make_unique<TQvSkinColorControls_DeleteButton>()) {
  FScrollBar.SetOffset({DefaultMarginBorderSize, DefaultMarginBorderSize});
  FDeleteButton->OnChanged = [this](TObject*) { Invalidate(); };
  SetTabStop(true);
  SetAlpha(DefaultTagsAlpha);
  SetWidth(300);
  SetHeight(116);
}

TQvSkinCustomTagsBox::~TQvSkinCustomTagsBox() {
  FDeleteButton->OnChanged = nullptr;
  // The tags go while the box can still tell OnFreeItem; no update follows.
  FItems->BeginUpdate();
  FItems->Clear();
}

void TQvSkinCustomTagsBox::SetItemHeight(int Value) {
  if (Value > 0) Change(FItemHeight, Value);
}

void TQvSkinCustomTagsBox::SetItemMinWidth(int Value) {
  if (Value > 0) Change(FItemMinWidth, Value);
}

void TQvSkinCustomTagsBox::SetMarginBorderSize(int Value) {
  if (FMarginBorderSize == Value) return;
  FMarginBorderSize = Value;
  FScrollBar.SetOffset({Value, Value});
  Invalidate();
}

void TQvSkinCustomTagsBox::SetHideScrollbar(bool Value) {
  if (FHideScrollbar == Value) return;
  FHideScrollbar = Value;
  FResetScrollbarSize = true;
  Invalidate();
}

String TQvSkinCustomTagsBox::Text() const {
  std::vector<String> Captions;
  Captions.reserve(size_t(FItems->Count()));
  for (int I = 0; I < FItems->Count(); ++I) Captions.push_back(FItems->Items(I)->FCaption);
  return TagsToCommaText(Captions);
}

void TQvSkinCustomTagsBox::SetText(const String& Value) {
  auto Updating = UpdateScope(*FItems);
  FItems->Clear();
  for (String& Tag : CommaTextToTags(Value)) FItems->Add()->FCaption = std::move(Tag);
}

void TQvSkinCustomTagsBox::SetFocusItemIndex(int Value) {
  if (FFocusItemIndex == Value) return;
  bool Allow = true;
  DoFocusChanging(FFocusItemIndex, Value, Allow);
  if (!Allow) return;
  FFocusItemIndex = Value;
  Invalidate();
  NotifyAccessible(aeValueChange);
  NotifyAccessibleChild(this, Focused() ? aeFocus : aeStateChange, Value);
}

TQvPillFlow TQvSkinCustomTagsBox::Flow() const {
  TQvPillFlow F;
  F.Width = Width();
  F.Height = Height();
  F.ItemHeight = GetDPIScaledPixels(this, FItemHeight);
  F.MinWidth = GetDPIScaledPixels(this, FItemMinWidth);
  F.Space = FItemSpaceSize;
  F.Margin = FMarginBorderSize;
  F.DispOffset = FScrollBar.Offset();
  F.DeleteVisible = FDeleteButton->Visible();
  return F;
}

std::vector<TQvPill> TQvSkinCustomTagsBox::Pills() {
  TBitmap32* Measure = Buffer();
  Measure->Font()->Assign(Font());
  std::vector<int> Widths(size_t(FItems->Count()), -1);
  for (int I = 0; I < FItems->Count(); ++I) {
    const TQvTagsBoxItem* Item = FItems->Items(I);
    if (Item->FVisible) Widths[size_t(I)] = Measure->TextWidth(Item->FCaption);
  }
  return PillFlow(Flow(), Widths);
}

int64_t TQvSkinCustomTagsBox::CalcItemsHeight() const {
  std::vector<int> Widths;
  for (int I = 0; I < FItems->Count(); ++I)
    if (FItems->Items(I)->FVisible) Widths.push_back(FItems->Items(I)->FRect.Width());
  return PillFlowHeight(Flow(), Widths);
}

void TQvSkinCustomTagsBox::UpdateScrollBar() {
  const bool Show = FItems->Count() > 0 && !FHideScrollbar;
  FScrollBar.Update(Show, Show ? CalcItemsHeight() : 0, FMarginBorderSize, FScrollSize);
  FResetScrollbarSize = false;
}

void TQvSkinCustomTagsBox::DrawBody(TBitmap32* Bitmap) {
  TQvSkinCustomPanel::DrawBody(Bitmap);
  auto Updating = UpdateScope(*Bitmap);
  const std::vector<TQvPill> Layout = Pills();
  const TQvPillFlow F = Flow();
  const int H = F.ItemHeight, C = PillDeleteSize(H, F.DeleteVisible);
  const double Radius = std::clamp(double(FRoundRadius), 0.0, H / 2.0);
  const int Count = FItems->Count();
  FItemBeginIndex = Count - 1;
  FItemEndIndex = -1;
  for (int I = 0; I < Count; ++I) {
    TQvTagsBoxItem* Item = FItems->Items(I);
    Item->FRect = Layout[size_t(I)].Rect;
    Item->FDeleteBtnRect = Layout[size_t(I)].DeleteRect;
    if (!Item->FVisible || Item->FRect.Bottom < 0 || Item->FRect.Top > Height()) continue;
    FItemBeginIndex = std::min(FItemBeginIndex, I);
    FItemEndIndex = std::max(FItemEndIndex, I);
    const bool Hot = I == FHotItemIndex;
    const TTBItemColors& Colors = *Item->FColors;
    const TRect& R = Item->FRect;
    const TArrayOfFloatPoint Inner = {{R.Left + Radius, R.Top + Radius},
                                      {R.Right - Radius, R.Top + Radius},
                                      {R.Right - Radius, R.Bottom - Radius},
                                      {R.Left + Radius, R.Bottom - Radius}};
    PolygonFS(Bitmap, Grow(Inner, Radius, jsRound),
              Color32(Hot ? Colors.HotColor() : Colors.Color()), pfWinding);
    TRect Text = R;
    if (F.DeleteVisible) {
      FDeleteButton->SetState(Hot && FMouseInDeleteButton ? bsHot : bsNormal);
      FDeleteButton->Draw(Bitmap, Item->FDeleteBtnRect);
      Text.Right -= H / 2;
      Text.Top -= C;
      Text.Bottom += C;
    }
    Bitmap->Font()->Assign(Font());
    Bitmap->Font()->SetColor(Hot ? Colors.HotFontColor() : Colors.FontColor());
    Bitmap->Textout(Text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS, Item->FCaption);
    DoDrawItem(Bitmap, Item);
  }
  if (Focused() && ShowsFocusCues() && ValidIndex(FFocusItemIndex) &&
      FItems->Items(FFocusItemIndex)->FVisible)
    DrawFocusCue(*Bitmap, FItems->Items(FFocusItemIndex)->FRect);
  if (FResetScrollbarSize) UpdateScrollBar();
}

TQvTagsBoxItem* TQvSkinCustomTagsBox::GetItemAt(TPoint P) const {
  for (int I = std::max(FItemBeginIndex, 0); I <= FItemEndIndex && I < FItems->Count(); ++I)
    if (CellHolds(FItems->Items(I)->FRect, P.X, P.Y)) return FItems->Items(I);
  return nullptr;
}

void TQvSkinCustomTagsBox::GetHitTest(int X, int Y) {
  int Hit = -1;
  for (int I = 0; I < FItems->Count() && Hit < 0; ++I) {
    const TQvTagsBoxItem* Item = FItems->Items(I);
    if (Item->FEnabled && Item->FVisible && CellHolds(Item->FRect, X, Y)) Hit = I;
  }
  const int OldHot = FHotItemIndex;
  const bool OldInDelete = FMouseInDeleteButton;
  FMouseInDeleteButton = Hit >= 0 && CellHolds(FItems->Items(Hit)->FDeleteBtnRect, X, Y);
  if (Hit != FHotItemIndex) {
    FHotItemIndex = Hit;
    DoHotChanged(OldHot, Hit);
    FMousePressed = false;
  }
  if (OldHot != FHotItemIndex || OldInDelete != FMouseInDeleteButton) Invalidate();
}

void TQvSkinCustomTagsBox::MouseMove(TShiftState Shift, int X, int Y) {
  TQvSkinCustomPanel::MouseMove(Shift, X, Y);
  GetHitTest(X, Y);
}

void TQvSkinCustomTagsBox::MouseLeave() {
  TQvSkinCustomPanel::MouseLeave();
  FMousePressed = false;
  FMouseInDeleteButton = false;
  if (FHotItemIndex >= 0) {
    const int Old = FHotItemIndex;
    FHotItemIndex = -1;
    DoHotChanged(Old, -1);
  }
  Invalidate();
}

void TQvSkinCustomTagsBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TQvSkinCustomPanel::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft && Button != mbRight) return;
  if (CanFocus() && !Focused()) SetFocus();
  GetHitTest(X, Y);
  if (!ValidIndex(FHotItemIndex)) return;
  bool Allow = true;
  DoFocusChanging(FFocusItemIndex, FHotItemIndex, Allow);
  if (!Allow || Button != mbLeft) return;
  FMousePressed = true;
  if (FFocusItemIndex != FHotItemIndex) {
    FFocusItemIndex = FHotItemIndex;
    NotifyAccessible(aeValueChange);
    NotifyAccessibleChild(this, aeFocus, FFocusItemIndex);
  }
}

void TQvSkinCustomTagsBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TQvSkinCustomPanel::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  FMousePressed = false;
  if (ValidIndex(FFocusItemIndex) && FFocusItemIndex == FHotItemIndex) {
    TQvTagsBoxItem* Item = FItems->Items(FFocusItemIndex);
    if (Item->FEnabled) {
      if (FMouseInDeleteButton)
        DeleteItem(Item);
      else
        Item->Click();
    }
  }
  Invalidate();
}

void TQvSkinCustomTagsBox::DeleteItem(TQvTagsBoxItem* Item) {
  const int Index = Item->Index();
  bool CanDelete = true;
  if (OnDeleteClick) OnDeleteClick(this, Index, CanDelete);
  if (!CanDelete || !ValidIndex(Index) || FItems->Items(Index) != Item) return;
  FMouseInDeleteButton = false;
  delete Item;
  NotifyAccessible(aeValueChange);
}

bool TQvSkinCustomTagsBox::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  return TQvSkinCustomPanel::DoMouseWheel(Shift, WheelDelta, MousePos) ||
         FScrollBar.Wheel(WheelDelta, FScrollSize);
}

void TQvSkinCustomTagsBox::KeyDown(uint16_t& Key, TShiftState Shift) {
  TQvSkinCustomPanel::KeyDown(Key, Shift);
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
      if (Current >= 0 && FItems->Items(Current)->FEnabled) FItems->Items(Current)->Click();
      break;
    case VK_DELETE:
    case VK_BACK:
      DoAccessibleDefaultAction();
      break;
  }
}

void TQvSkinCustomTagsBox::CreateHandle() {
  TQvSkinCustomPanel::CreateHandle();
  FResetScrollbarSize = true;
}

void TQvSkinCustomTagsBox::Notification(TComponent* AComponent, TOperation Operation) {
  TQvSkinCustomPanel::Notification(AComponent, Operation);
  if (Operation == opRemove) FScrollBar.Forget(AComponent);
}

void TQvSkinCustomTagsBox::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE:
      Message.Result = DLGC_WANTARROWS;
      return;
    case WM_TIMER:
      if (FScrollBar.Timer(Message.WParam)) return;
      break;
    case WM_SIZE:
      if (!ComponentState().Contains(csDesigning)) FResetScrollbarSize = true;
      break;
    case WM_SETCURSOR:
      if (AnswerEventCursor(this, Message, [this](TCursor& Cur) { DoGetCursor(Cur); })) return;
      break;
  }
  TQvSkinCustomPanel::WndProc(Message);
}

void TQvSkinCustomTagsBox::DoDrawItem(TBitmap32* Bmp32, TQvTagsBoxItem* Item) {
  if (OnDrawItem) OnDrawItem(this, Bmp32, Item);
}
void TQvSkinCustomTagsBox::DoHotChanged(int OldIndex, int NewIndex) {
  if (OnHotChanged) OnHotChanged(this, OldIndex, NewIndex);
}
void TQvSkinCustomTagsBox::DoClickItem(TQvTagsBoxItem* Item, int Index) {
  if (OnClickItem) OnClickItem(Item, Index);
}
void TQvSkinCustomTagsBox::DoFreeItem(TQvTagsBoxItem* Item) {
  if (OnFreeItem) OnFreeItem(this, Item);
}
void TQvSkinCustomTagsBox::DoFocusChanging(int OldIndex, int NewIndex, bool& Allow) {
  if (OnFocusChanging) OnFocusChanging(this, OldIndex, NewIndex, Allow);
}
void TQvSkinCustomTagsBox::DoChanged() {
  FResetScrollbarSize = true;
  if (OnChanged) OnChanged(this);
}
void TQvSkinCustomTagsBox::DoGetCursor(TCursor& Cursor) {
  if (OnGetCursor) OnGetCursor(this, Cursor);
}

TQvAccessibleInfo TQvSkinCustomTagsBox::AccessibleInfo() const {
  TQvAccessibleInfo Info = TQvSkinCustomPanel::AccessibleInfo();
  Info.Role = arList;
  if (ValidIndex(FFocusItemIndex)) {
    Info.Value = FItems->Items(FFocusItemIndex)->FCaption;
    Info.DefaultAction = L"Delete";
  }
  if (TabStop()) Info.State.Include(asFocusable);
  if (const_cast<TQvSkinCustomTagsBox*>(this)->Focused()) Info.State.Include(asFocused);
  return Info;
}

bool TQvSkinCustomTagsBox::DoAccessibleDefaultAction() {
  if (!Enabled() || !ValidIndex(FFocusItemIndex)) return false;
  TQvTagsBoxItem* Item = FItems->Items(FFocusItemIndex);
  if (!Item->FEnabled) return false;
  DeleteItem(Item);
  return true;
}

TQvAccessibleChild TQvSkinCustomTagsBox::AccessibleChild(int Index) const {
  TQvAccessibleChild Child;
  if (!ValidIndex(Index)) return Child;
  const TQvTagsBoxItem* Item = FItems->Items(Index);
  Child.Info.Role = arListItem;
  Child.Info.Name = Item->FCaption;
  Child.Bounds = Item->FVisible ? Item->FRect : TRect{};
  TQvAccStates& S = Child.Info.State;
  S.Include(asSelectable);
  if (Index == FFocusItemIndex) {
    S.Include(asSelected);
    if (const_cast<TQvSkinCustomTagsBox*>(this)->Focused()) S.Include(asFocused);
  }
  if (Index == FHotItemIndex) S.Include(asHot);
  if (!Item->FEnabled) S.Include(asDisabled);
  if (!Item->FVisible) S.Include(asInvisible);
  if (Item->FEnabled) Child.Info.DefaultAction = L"Delete";
  return Child;
}

bool TQvSkinCustomTagsBox::DoAccessibleChildAction(int Index) {
  if (!ValidIndex(Index) || !FItems->Items(Index)->FEnabled) return false;
  DeleteItem(FItems->Items(Index));
  return true;
}

const TPropTable& TQvSkinCustomTagsBox::Properties() const {
  using C = TQvSkinCustomTagsBox;
  static const TPropTable Table = TQvSkinCustomPanel::Properties().With({
      Prop(L"Alpha", &C::Alpha, &C::SetAlpha, DefaultTagsAlpha),
      ObjectProp(L"DeleteButton", &C::DeleteButton),
      Prop(L"HideScrollbar", &C::HideScrollbar, &C::SetHideScrollbar),
      Prop(L"ItemHeight", &C::ItemHeight, &C::SetItemHeight, DefaultItemHeight),
      Prop(L"ItemMinWidth", &C::ItemMinWidth, &C::SetItemMinWidth, DefaultItemMinWidth),
      CollectionProp(L"Items", &C::Items),
      Prop(L"ItemSpaceSize", &C::ItemSpaceSize, &C::SetItemSpaceSize, DefaultItemSpaceSize),
      Prop(L"MarginBorderSize", &C::MarginBorderSize, &C::SetMarginBorderSize,
           DefaultMarginBorderSize),
      Prop(L"RoundRadius", &C::RoundRadius, &C::SetRoundRadius, DefaultRoundRadius),
      Prop(L"ScrollSize", &C::ScrollSize, &C::SetScrollSize, DefaultScrollSize),
      Prop(L"Text", &C::Text, &C::SetText).Stored(Never),
  });
  return Table;
}

}  // namespace qv
