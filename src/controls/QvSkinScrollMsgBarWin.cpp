#include <windows.h>

#include <algorithm>

#include "controls/QvAccessibleWin.h"
#include "controls/QvSkinScrollMsgBar.h"
#include "graphics/SimpleTimer.h"
#include "host/Application.h"
#include "host/Platform.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinScrollMsgBar>(), true);

constexpr UINT kTextFlags = DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL | DT_END_ELLIPSIS;

TFloatRect Moved(const TFloatRect& R, double Top) {
  return {R.Left, Top, R.Right, Top + (R.Bottom - R.Top)};
}

}  // namespace

// ---- text -----------------------------------------------------------------------------

TLayerTextObj::TLayerTextObj()
    : FFont(std::make_unique<TFont>()), FFontHot(std::make_unique<TFont>()) {
  FFont->SetColor(clBlack);
  FFont->SetSize(9);
  FFontHot->SetColor(TColor(0x0000FF));
  FFontHot->SetSize(9);
  FFont->OnChange = [this](TObject*) { Changed(); };
  FFontHot->OnChange = [this](TObject*) { Changed(); };
}

void TLayerTextObj::SetTitle(const String& Value) {
  if (FTitle == Value) return;
  FTitle = Value;
  Changed();
}

// ---- item -----------------------------------------------------------------------------

TScrollMsgBarItem::TScrollMsgBarItem(TLayerCollection* ALayerCollection,
                                     TCustomQvSkinScrollMsgBar* AOwner)
    : TScrollMsgBarItemLayer(ALayerCollection),
      FText(std::make_unique<TLayerTextObj>()),
      FIcon(std::make_unique<TBitmap32>()),
      FOwner(AOwner) {
  FIcon->SetDrawMode(dmBlend);
  FText->OnChange = [this](TObject*) { DoChanged(); };
  FIcon->OnChange = [this](TObject*) { DoChanged(); };
}

TScrollMsgBarItem::~TScrollMsgBarItem() {
  FText->OnChange = nullptr;
  FIcon->OnChange = nullptr;
}

void TScrollMsgBarItem::SetIcon(TBitmap32* Value) {
  if (Value)
    FIcon->Assign(Value);
  else
    FIcon->SetSize(0, 0);
  DoChanged();
}

void TScrollMsgBarItem::SetData(void* Value) {
  if (FData == Value) return;
  FData = Value;
  DoChanged();
}

void TScrollMsgBarItem::SetVisible(bool Value) {
  if (Visible() == Value) return;
  TScrollMsgBarItemLayer::SetVisible(Value);
  DoChanged();
}

void TScrollMsgBarItem::SetMouseInObject(TMouseInObject Value) {
  if (FMouseInObject == Value) return;
  FMouseInObject = Value;
  DoChanged();
}

void TScrollMsgBarItem::DoChanged() {
  ResetSize();
  DoInvalidate();
}

void TScrollMsgBarItem::ResetSize() {
  FIconSize = FIcon->Empty() ? TSize{} : TSize{FIcon->Width(), FIcon->Height()};
  const TMsgBarItemLayout L =
      LayoutMsgBarItem(FOwner->Width(), FOwner->Height(), FIconSize, FOwner->MeasureText(*this),
                       FOwner->Alignment(), FOwner->Space());
  FText->SetRect(L.TextRect);
  FItemSize = L.ItemSize;
  FOriginalY = L.OriginalY;
  FIconRect = L.IconRect;
  // The shown message stays in view; the others wait below until a scroll brings them in.
  TFloatRect Location = L.Location;
  if (FOwner->GetItem(FOwner->ItemIndex()) == this && !FOwner->Scrolling())
    Location = Moved(Location, FOriginalY);
  SetLocation(Location);
}

void TScrollMsgBarItem::Paint(TBitmap32* Buffer) {
  auto Updating = UpdateScope(*Buffer);
  const int Top = int(Location().Top);
  if (!FIcon->Empty()) Buffer->Draw(FIconRect.Left, Top + FIconRect.Top, FIcon.get());
  Buffer->Font()->Assign(FMouseInObject == ioText ? FText->FontHot() : FText->Font());
  SetDPIScaledFont(FOwner, Buffer->Font());
  TRect R = FText->Rect();
  OffsetRect(R, 0, Top);
  Buffer->Textout(R, kTextFlags, FText->Title());
  if (FOwner->OnItemPaint) FOwner->OnItemPaint(FOwner, this, Buffer);
}

// ---- bar ------------------------------------------------------------------------------

TCustomQvSkinScrollMsgBar::TCustomQvSkinScrollMsgBar(TComponent* AOwner)
    : TQvSkinCustomLayerControl(AOwner) {
  SetColor(DefaultColor);
  SetRepaintMode(rmOptimizer);
  SetBounds(Left(), Top(), 350, 36);
  FTimer = std::make_unique<TSimpleTimer>(
      TimerInterval, [this](TObject*) { TimerTick(int64_t(GetTickCount64())); });
  FTimer->SetEnabled(FAutoScroll);
}

TCustomQvSkinScrollMsgBar::~TCustomQvSkinScrollMsgBar() {
  FTimer.reset();
  FAlive.reset();
  FItems.clear();
  Layers()->OnAreaChanged = nullptr;
  Layers()->Clear();
}

void TCustomQvSkinScrollMsgBar::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  LayoutItems();
  DoChanged();
}

void TCustomQvSkinScrollMsgBar::SetSpace(int Value) {
  if (FSpace == Value) return;
  FSpace = Value;
  LayoutItems();
  DoChanged();
}

void TCustomQvSkinScrollMsgBar::SetAutoScroll(bool Value) {
  if (FAutoScroll == Value) return;
  FAutoScroll = Value;
  FTimer->SetEnabled(Value);
  if (!Value) FClock.LastScrollTime = 0;
}

// ---- items ----------------------------------------------------------------------------

TScrollMsgBarItem* TCustomQvSkinScrollMsgBar::AddItem() {
  auto* Item = Layers()->Add<TScrollMsgBarItem>(this);
  FItems.push_back(Item);
  Item->ResetSize();
  DoChanged();
  return Item;
}

void TCustomQvSkinScrollMsgBar::Delete(int Index) {
  TScrollMsgBarItem* Item = GetItem(Index);
  if (!Item) return;
  FItems.erase(FItems.begin() + Index);
  Layers()->Delete(Item);
  DoChanged();
}

void TCustomQvSkinScrollMsgBar::Clear() {
  FItems.clear();
  Layers()->Clear();
}

TScrollMsgBarItem* TCustomQvSkinScrollMsgBar::GetItem(int Index) const {
  return Index >= 0 && Index < int(FItems.size()) ? FItems[size_t(Index)] : nullptr;
}

std::vector<bool> TCustomQvSkinScrollMsgBar::VisibleFlags() const {
  std::vector<bool> Flags;
  Flags.reserve(FItems.size());
  for (const TScrollMsgBarItem* Item : FItems) Flags.push_back(Item->Visible());
  return Flags;
}

int TCustomQvSkinScrollMsgBar::GetFirstVisibleItem() const {
  return GetFirstVisible(VisibleFlags());
}
int TCustomQvSkinScrollMsgBar::GetLastVisibleItem() const {
  return GetLastVisible(VisibleFlags());
}
int TCustomQvSkinScrollMsgBar::GetNextVisibleItem(int Current) const {
  return GetNextVisible(VisibleFlags(), Current);
}
int TCustomQvSkinScrollMsgBar::GetPrevVisibleItem(int Current) const {
  return GetPrevVisible(VisibleFlags(), Current);
}

void TCustomQvSkinScrollMsgBar::LayoutItems() {
  for (TScrollMsgBarItem* Item : FItems) Item->DoChanged();
}

TRect TCustomQvSkinScrollMsgBar::MeasureText(const TScrollMsgBarItem& Item) const {
  RECT R{0, 0, Width(), Height()};
  const String& Title = Item.Text()->Title();
  if (Title.empty()) return Rect(0, 0, 0, 0);
  TFont Font;
  Font.Assign(Item.Text()->Font());
  SetDPIScaledFont(this, &Font);
  HDC DC = CreateCompatibleDC(nullptr);
  HGDIOBJ Old = SelectObject(DC, Font.Handle());
  DrawTextW(DC, Title.c_str(), int(Title.size()), &R, kTextFlags | DT_CALCRECT);
  SelectObject(DC, Old);
  DeleteDC(DC);
  return Rect(R.left, R.top, R.right, R.bottom);
}

// ---- scrolling ------------------------------------------------------------------------

TEasingType TCustomQvSkinScrollMsgBar::GetAnimateEasing() const {
  static constexpr TEasingType Curves[] = {
      etQuadEaseIn,    etCircEaseIn, etBackEaseIn,  etBounceEaseIn, etCubicEaseIn,
      etElasticEaseIn, etExpoEaseIn, etQuartEaseIn, etQuintEaseIn,  etSineEaseIn};
  return unsigned(FAnimateEasing) < std::size(Curves) ? Curves[FAnimateEasing] : etQuadEaseIn;
}

void TCustomQvSkinScrollMsgBar::TimerTick(int64_t Now) {
  if (FClock.Tick(Now, FScrollInterval)) Next(true);
}

void TCustomQvSkinScrollMsgBar::Next(bool Auto) {
  if (FScrolling) return;
  if (Auto)
    if (TScrollMsgBarItem* Item = GetItem(FItemIndex)) {
      POINT P;
      RECT Client;
      if (HandleAllocated() && GetCursorPos(&P) && ::ScreenToClient(Handle(), &P) &&
          GetClientRect(Handle(), &Client) && !PtInRect(&Client, P) &&
          Item->FMouseInObject != ioNone) {
        // Left without a mouse move inside: not hot any more (no new layout).
        TrackHotText(nullptr, 0, 0);
      }
      // The user points at the text: the next tick tries again.
      if (Item->FMouseInObject == ioText) return;
    }
  const int Target = ScrollTarget(VisibleFlags(), FItemIndex, FLoopMode, true);
  if (Target < 0) return;
  if (Target != FItemIndex && !Slide(Target, true)) return;
  FClock.LastScrollTime = int64_t(GetTickCount64());
}

void TCustomQvSkinScrollMsgBar::Prev() {
  if (FScrolling) return;
  const int Target = ScrollTarget(VisibleFlags(), FItemIndex, FLoopMode, false);
  if (Target < 0) return;
  if (Target != FItemIndex && !Slide(Target, false)) return;
  FClock.LastScrollTime = int64_t(GetTickCount64());
}

bool TCustomQvSkinScrollMsgBar::Slide(int Target, bool Forward) {
  TScrollMsgBarItem* Old = GetItem(FItemIndex);
  TScrollMsgBarItem* New = GetItem(Target);
  const int H = Height();
  const TResultArray V = TQvAnimateEasing::GenerateValues(H, FAnimateStep, GetAnimateEasing());
  const std::weak_ptr<bool> Alive = FAlive;
  FScrolling = true;
  // The incoming message starts one bar height further out.
  const double Out = Forward ? H + 1 : -(H + 1);
  New->SetLocation(Moved(New->Location(), New->Location().Top + Out));
  if (V.empty()) {
    // No frames: the change is shown at once (out of sight and at rest).
    if (Old) Old->SetLocation(Moved(Old->Location(), Old->OriginalY() - Out));
    New->SetLocation(Moved(New->Location(), New->OriginalY()));
  }
  for (int K = 0; K < int(V.size()); ++K) {
    const TMsgBarFrame F =
        MsgBarSlideFrame(V, K, H, Old ? Old->OriginalY() : 0, New->OriginalY(), Forward);
    if (Old) Old->SetLocation(Moved(Old->Location(), F.OldTop));
    New->SetLocation(Moved(New->Location(), F.NewTop));
    // The frame shows while pending messages run; they may free the bar or its items.
    Sleep(2);
    Application->ProcessMessages();
    if (Alive.expired()) return false;
    auto Live = [&](TScrollMsgBarItem* I) {
      return std::find(FItems.begin(), FItems.end(), I) != FItems.end();
    };
    if (Old && !Live(Old)) Old = nullptr;
    if (!Live(New)) break;
  }
  FScrolling = false;
  FItemIndex = Target;
  NotifyAccessibleWindow(this, aeNameChange);
  return true;
}

void TCustomQvSkinScrollMsgBar::ReStart() {
  FItemIndex = GetFirstVisibleItem();
}

// ---- mouse ----------------------------------------------------------------------------

TCustomLayer* TCustomQvSkinScrollMsgBar::FindLayerAtPos(int X, int Y) const {
  return Layers()->FindLayerAtPos(X, Y);
}

TScrollMsgBarItem* TCustomQvSkinScrollMsgBar::FindItemAtPos(int X, int Y) const {
  return dynamic_cast<TScrollMsgBarItem*>(FindLayerAtPos(X, Y));
}

void TCustomQvSkinScrollMsgBar::MouseMove(TShiftState Shift, int X, int Y) {
  TQvSkinCustomLayerControl::MouseMove(Shift, X, Y);
  if (FAllowClick) TrackHotText(FindItemAtPos(X, Y), X, Y);
}

void TCustomQvSkinScrollMsgBar::MouseLeave() {
  TQvSkinCustomLayerControl::MouseLeave();
  // No highlight is left behind; the next tick scrolls on.
  TrackHotText(nullptr, 0, 0);
}

void TCustomQvSkinScrollMsgBar::TrackHotText(TScrollMsgBarItem* Under, int X, int Y) {
  bool Hot = false;
  for (TScrollMsgBarItem* Item : FItems) {
    TMouseInObject State = ioNone;
    if (Item == Under) {
      TRect R = Item->Text()->Rect();
      OffsetRect(R, 0, int(Item->Location().Top));
      if (X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom) State = ioText;
    }
    Hot = Hot || State == ioText;
    // The look changes, not the layout.
    if (Item->FMouseInObject != State) {
      Item->FMouseInObject = State;
      Item->DoInvalidate();
    }
  }
  SetCursor(Hot ? crHandPoint : crDefault);
}

void TCustomQvSkinScrollMsgBar::Click() {
  TQvSkinCustomLayerControl::Click();
  if (!FAllowClick) return;
  TScrollMsgBarItem* Item = GetItem(FItemIndex);
  if (Item && Item->FMouseInObject == ioText) DoItemClick(this, Item);
}

void TCustomQvSkinScrollMsgBar::DoItemClick(TObject* Sender, TScrollMsgBarItem* Item) {
  if (OnItemClick) OnItemClick(Sender, Item);
}

void TCustomQvSkinScrollMsgBar::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETOBJECT:
      if ((Message.Result = AccessibleObjectResult(this, Message.WParam, Message.LParam))) return;
      break;
    case WM_SIZE:
      TQvSkinCustomLayerControl::WndProc(Message);
      // Every item laid out again for the new size.
      LayoutItems();
      return;
  }
  TQvSkinCustomLayerControl::WndProc(Message);
}

// ---- accessibility ----------------------------------------------------------------------

TQvAccessibleInfo TCustomQvSkinScrollMsgBar::AccessibleInfo() const {
  TQvAccessibleInfo Info;
  Info.Role = arStaticText;
  if (const TScrollMsgBarItem* Item = GetItem(FItemIndex)) Info.Name = Item->Text()->Title();
  if (!Enabled()) Info.State.Include(asDisabled);
  return Info;
}

TQvAccessibleChild TCustomQvSkinScrollMsgBar::AccessibleChild(int Index) const {
  TQvAccessibleChild Child;
  const TScrollMsgBarItem* Item = GetItem(Index);
  if (!Item) return Child;
  Child.Info.Role = arLink;
  Child.Info.Name = Item->Text()->Title();
  if (Index != FItemIndex || !Item->Visible()) Child.Info.State.Include(asInvisible);
  if (Item->MouseInObject() == ioText) Child.Info.State.Include(asHot);
  if (FAllowClick) Child.Info.DefaultAction = L"Click";
  Child.Bounds = Item->GetAdjustedRect();
  return Child;
}

bool TCustomQvSkinScrollMsgBar::DoAccessibleChildAction(int Index) {
  TScrollMsgBarItem* Item = GetItem(Index);
  if (!Item || !FAllowClick) return false;
  DoItemClick(this, Item);
  return true;
}

// ---- object text form -----------------------------------------------------------------

const TPropTable& TCustomQvSkinScrollMsgBar::Properties() const {
  using C = TCustomQvSkinScrollMsgBar;
  static const TPropTable Table = TQvSkinCustomLayerControl::Properties().With({
      EnumProp(L"Alignment", &C::Alignment, &C::SetAlignment, DefaultAlignment, TAlignmentNames),
      Prop(L"AllowClick", &C::AllowClick, &C::SetAllowClick, DefaultAllowClick),
      EnumProp(L"AnimateEasing", &C::AnimateEasing, &C::SetAnimateEasing, DefaultAnimateEasing,
               TAnimateEasingNames),
      Prop(L"AnimateStep", &C::AnimateStep, &C::SetAnimateStep, DefaultAnimateStep),
      Prop(L"AutoScroll", &C::AutoScroll, &C::SetAutoScroll, DefaultAutoScroll),
      Prop(L"LoopMode", &C::LoopMode, &C::SetLoopMode, DefaultLoopMode),
      Prop(L"ScrollInterval", &C::ScrollInterval, &C::SetScrollInterval, DefaultScrollInterval),
      Prop(L"Space", &C::Space, &C::SetSpace, DefaultSpace),
  });
  return Table;
}

}  // namespace qv
