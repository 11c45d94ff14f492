#include <windows.h>

#include "controls/QvSkinCountBar.h"
#include "host/Platform.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinCountBar>(), true);

// A cell of the bar: its record lives with it, and Data points at it once the bar filled
// it in.
class TQvCountItem : public TQvIconButtonItem {
 public:
  using TQvIconButtonItem::TQvIconButtonItem;
  TCountDataRec Rec;
};

}  // namespace

TQvSkinCustomCountBar::TQvSkinCustomCountBar(TComponent* AOwner)
    : TQvSkinCustomIconButtonList(AOwner), FFontFocus(std::make_unique<TFont>()) {
  FFontFocus->SetSize(DefaultFontSize);
  FFontFocus->SetColor(DefaultFontFocusColor);
  Font()->SetSize(DefaultFontSize);
  SetWidth(390);
  SetHeight(34);
  SetAlpha(DefaultCountAlpha);
  SetItemWidth(DefaultCellSize);
  SetItemHeight(DefaultCellSize);
  SetColor(clWhite);
  SetMarginBorderSize(DefaultCellMargin);
  SetItemSpaceSize(DefaultCellSpace);
  SetAlignWithItems(ihaCenter);
  SetAlignVerticalWithItems(ihavTop);
  SetHideScrollbar(true);
  SetBorderSides(DefaultCountBorderSides);
  SetNumCount(DefaultNumCount);
}

TQvSkinCustomCountBar::~TQvSkinCustomCountBar() = default;

TQvIconButtonItem* TQvSkinCustomCountBar::NewItem(TCollection* Collection) {
  return new TQvCountItem(Collection);
}

const TCountDataRec* TQvSkinCustomCountBar::CellData(const TQvIconButtonItem* Item) {
  auto* Cell = dynamic_cast<const TQvCountItem*>(Item);
  return Cell && Cell->Data == &Cell->Rec ? &Cell->Rec : nullptr;
}

void TQvSkinCustomCountBar::SetNumCount(unsigned Value) {
  if (FNumCount == Value && Items()->Count() >= int(std::min<unsigned>(Value, INT32_MAX))) return;
  FNumCount = Value;
  ResetBar(1);
}

void TQvSkinCustomCountBar::SetKinds(TCountKinds Value) {
  if (FKinds == Value) return;
  FKinds = Value;
  ResetBar(1);
}

void TQvSkinCustomCountBar::SetMaxItems(int Value) {
  if (FMaxItems == Value) return;
  FMaxItems = Value;
  ResetBar(1);
}

void TQvSkinCustomCountBar::AddCell(const TCountDataRec& Rec) {
  auto* Cell = static_cast<TQvCountItem*>(Items()->Add());
  Cell->Rec = Rec;
  Cell->Data = &Cell->Rec;
  Cell->SetOwnerDraw(true);
  Cell->SetCaption(Rec.Caption);
}

void TQvSkinCustomCountBar::AddNumItem(int Value) {
  AddCell({std::to_wstring(Value), Value, ckNum});
}
void TQvSkinCustomCountBar::AddPreviousItem(const String& Caption) {
  AddCell({Caption.empty() ? CountCaption(ckPrevious) : Caption, -1, ckPrevious});
}
void TQvSkinCustomCountBar::AddNextItem(const String& Caption) {
  AddCell({Caption.empty() ? CountCaption(ckNext) : Caption, -1, ckNext});
}
void TQvSkinCustomCountBar::AddFirstItem(const String& Caption) {
  AddCell({Caption.empty() ? CountCaption(ckFirst) : Caption, -1, ckFirst});
}
void TQvSkinCustomCountBar::AddLastItem(const String& Caption) {
  AddCell({Caption.empty() ? CountCaption(ckLast) : Caption, -1, ckLast});
}
void TQvSkinCustomCountBar::AddSkipItem(const String& Caption) {
  AddCell({Caption.empty() ? CountCaption(ckSkip) : Caption, -1, ckSkip});
}

int TQvSkinCustomCountBar::IndexOfValue(int Value) const {
  for (int I = 0; I < Items()->Count(); ++I) {
    const TCountDataRec* Rec = CellData(Items()->Items(I));
    if (Rec && Rec->Kind == ckNum && Rec->Value == Value) return I;
  }
  return -1;
}

bool TQvSkinCustomCountBar::ResetBar(unsigned StartNum, bool) {
  bool Focused = false;
  {
    auto Updating = UpdateScope(*Items());
    Items()->Clear();
    const int Cell = Width() > Height() ? GetDPIScaledPixels(this, ItemWidth())
                                        : GetDPIScaledPixels(this, ItemHeight());
    const int N = CountBarSlots(Width(), Height(), Cell, ItemSpaceSize(), MarginBorderSize(),
                                FKinds, FMaxItems);
    const TQvCountWindow W = CountBarWindow(StartNum, N, FNumCount);
    FNumBegin = unsigned(W.NumBegin);
    FNumEnd = unsigned(std::max<int64_t>(W.NumEnd, 0));
    FFocusNum = unsigned(W.FocusNum);
    ResetFocusItemIndex();
    for (const TCountDataRec& Rec : CountBarCells(W, FNumCount, FKinds)) AddCell(Rec);
    if (FKinds.Contains(ckNum)) {
      const int Index = IndexOfValue(int(FFocusNum));
      if (Index >= 0 && int64_t(FFocusNum) <= W.NumEnd) {
        SetFocusItemIndex(Index);
        Focused = true;
      }
    }
  }
  Invalidate();
  return Focused;
}

bool TQvSkinCustomCountBar::SkipTo(unsigned Value) {
  if (Value == 0 || Value > FNumCount) return false;
  const int Index = IndexOfValue(int(Value));
  if (Index >= 0) {
    SetFocusItemIndex(Index);
  } else if (!ResetBar(Value)) {
    FFocusNum = Value;
    NumChanged();
  }
  return true;
}

void TQvSkinCustomCountBar::NumChanged() {
  NotifyAccessible(aeValueChange);
  if (!FSkipNumChanged && OnNumChanged) OnNumChanged(this);
}

void TQvSkinCustomCountBar::DoFocusChanging(int OldIndex, int NewIndex, bool& Allow) {
  TQvSkinCustomIconButtonList::DoFocusChanging(OldIndex, NewIndex, Allow);
  if (!Allow || !ValidIndex(NewIndex)) return;
  const TCountDataRec* Rec = CellData(Items()->Items(NewIndex));
  if (!Rec) return;
  if (Rec->Kind == ckNum) {
    FFocusNum = unsigned(Rec->Value);
    NumChanged();
    return;
  }
  Allow = false;
  switch (Rec->Kind) {
    case ckPrevious:
      DoPreviousClick();
      break;
    case ckNext:
      DoNextClick();
      break;
    case ckFirst:
      DoFirstClick();
      break;
    case ckLast:
      DoLastClick();
      break;
    case ckSkip:
      if (OnSkipClick) OnSkipClick(this);
      break;
    case ckNum:
      break;
  }
}

void TQvSkinCustomCountBar::DoNextClick() {
  if (FFocusNum + 1 <= FNumCount) SkipTo(FFocusNum + 1);
  if (OnNextClick) OnNextClick(this);
}
void TQvSkinCustomCountBar::DoPreviousClick() {
  if (FFocusNum >= 2) SkipTo(FFocusNum - 1);
  if (OnPreviousClick) OnPreviousClick(this);
}
void TQvSkinCustomCountBar::DoFirstClick() {
  if (FNumCount != 0) SkipTo(1);
  if (OnFirstClick) OnFirstClick(this);
}
void TQvSkinCustomCountBar::DoLastClick() {
  SkipTo(FNumCount);
  if (OnLastClick) OnLastClick(this);
}

void TQvSkinCustomCountBar::DoDrawItem(TBitmap32* Bmp32, TQvIconButtonItem* Item) {
  const TCountDataRec* Rec = CellData(Item);
  if (!Rec) return;
  const bool Focus = Item->Index() == FocusItemIndex();
  Bmp32->FillRectTS(Item->Rect(), Color32(Focus ? FColorFocus : FColorNormal));
  Bmp32->Font()->Assign(Focus ? FFontFocus.get() : Font());
  Bmp32->Textout(Item->Rect(), DT_CENTER | DT_VCENTER | DT_SINGLELINE, Rec->Caption);
  TQvSkinCustomIconButtonList::DoDrawItem(Bmp32, Item);
}

void TQvSkinCustomCountBar::DoGetCursor(TCursor& Cursor) {
  Cursor = ValidIndex(HotItemIndex()) ? crHandPoint : crDefault;
  TQvSkinCustomIconButtonList::DoGetCursor(Cursor);
}

void TQvSkinCustomCountBar::ScaleControlsForDpi(int NewPPI) {
  TQvSkinCustomIconButtonList::ScaleControlsForDpi(NewPPI);
  TScopedValue Quiet(FSkipNumChanged, true);
  ResetBar(1);
}

TQvAccessibleInfo TQvSkinCustomCountBar::AccessibleInfo() const {
  TQvAccessibleInfo Info = TQvSkinCustomIconButtonList::AccessibleInfo();
  Info.Role = arToolBar;
  Info.State.Exclude(asChecked);
  Info.Value = std::to_wstring(FFocusNum) + L" / " + std::to_wstring(FNumCount);
  Info.DefaultAction.clear();
  return Info;
}

bool TQvSkinCustomCountBar::DoAccessibleDefaultAction() {
  return false;
}

TQvAccessibleChild TQvSkinCustomCountBar::AccessibleChild(int Index) const {
  TQvAccessibleChild Child = TQvSkinCustomIconButtonList::AccessibleChild(Index);
  const TCountDataRec* Rec = ValidIndex(Index) ? CellData(Items()->Items(Index)) : nullptr;
  if (!Rec) return Child;
  Child.Info.State.Exclude(asChecked);
  if (Rec->Kind == ckNum) {
    Child.Info.Role = arLink;
    Child.Info.DefaultAction = L"Jump";
    return Child;
  }
  static constexpr const wchar_t* Names[] = {L"",           L"Previous page", L"Next page",
                                             L"More pages", L"First page",    L"Last page"};
  Child.Info.Role = arPushButton;
  Child.Info.Name = Names[Rec->Kind];
  Child.Info.State.Exclude(asSelectable);
  Child.Info.DefaultAction = L"Press";
  return Child;
}

bool TQvSkinCustomCountBar::DoAccessibleChildAction(int Index) {
  if (!ValidIndex(Index) || !CellData(Items()->Items(Index))) return false;
  SetFocusItemIndex(Index);
  return true;
}

const TPropTable& TQvSkinCustomCountBar::Properties() const {
  using C = TQvSkinCustomCountBar;
  static const auto Reference = [] {
    auto F = std::make_unique<TFont>();
    F->SetSize(DefaultFontSize);
    F->SetColor(DefaultFontFocusColor);
    return F;
  }();
  static const TPropTable Table = TQvSkinCustomIconButtonList::Properties().With({
      Prop(L"Alpha", &C::Alpha, &C::SetAlpha, DefaultCountAlpha),
      EnumProp(L"AlignWithItems", &C::AlignWithItems, &C::SetAlignWithItems, ihaCenter,
               TQvItemHAlignNames),
      SetProp(L"BorderSides", &C::BorderSides, &C::SetBorderSides, DefaultCountBorderSides,
              TSideNames),
      ColorProp(L"ColorFocus", &C::ColorFocus, &C::SetColorFocus, DefaultColorFocus),
      ColorProp(L"ColorNormal", &C::ColorNormal, &C::SetColorNormal, DefaultColorNormal),
      ObjectProp(L"FontFocus", &C::FontFocus, Reference.get()),
      Prop(L"HideScrollbar", &C::HideScrollbar, &C::SetHideScrollbar, true),
      Prop(L"ItemHeight", &C::ItemHeight, &C::SetItemHeight, DefaultCellSize),
      IgnoredProp(L"Items"),  // the bar makes its cells itself
      Prop(L"ItemSpaceSize", &C::ItemSpaceSize, &C::SetItemSpaceSize, DefaultCellSpace),
      Prop(L"ItemWidth", &C::ItemWidth, &C::SetItemWidth, DefaultCellSize),
      SetProp(L"Kinds", &C::Kinds, &C::SetKinds, DefaultKinds, TCountKindNames),
      Prop(L"MarginBorderSize", &C::MarginBorderSize, &C::SetMarginBorderSize, DefaultCellMargin),
      Prop(L"MaxItems", &C::MaxItems, &C::SetMaxItems),
      Prop(L"NumCount", &C::NumCount, &C::SetNumCount, DefaultNumCount),
  });
  return Table;
}

}  // namespace qv
