#include <windows.h>

#include "controls/QvSkinGroupControls.h"
#include "graphics/QvComm.h"
#include "graphics/QvGR32LibSlicing.h"
#include "host/Font.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"
#include "resources/QvSkinResManager.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinGroupControls>(), true);

constexpr TColor kDisabledText = TColor(0xD1D1D1);

}  // namespace

TQvSkinCustomGroupControls::TQvSkinCustomGroupControls(TComponent* AOwner)
    : TQvSkinCustomPanel(AOwner),
      FItems(std::make_unique<TStringList>()),
      FOffset(std::make_unique<TQvOffset>()) {
  FOffset->SetX(DefaultOffset);
  FOffset->SetY(DefaultOffset);
  FOffset->OnChanged = [this](TObject*) { Invalidate(); };
  FItems->OnChange = [this](TObject*) { ItemsChange(); };
  SetTabStop(true);
}

TQvSkinCustomGroupControls::~TQvSkinCustomGroupControls() {
  FItems->OnChange = nullptr;
  FOffset->OnChanged = nullptr;
}

void TQvSkinCustomGroupControls::ItemsChange() {
  const int Count = FItems->Count();
  if (FItemIndex >= Count) FItemIndex = Count - 1;
  FChecks.assign(size_t(Count), false);
  Invalidate();
}

void TQvSkinCustomGroupControls::SetKind(TGroupControlKind Value) {
  if (FKind == Value) return;
  FKind = Value;
  Invalidate();
}

void TQvSkinCustomGroupControls::SetItemIndex(int Value) {
  if (FItemIndex == Value) return;
  FItemIndex = Value;
  Invalidate();
  DoChanged();
}

void TQvSkinCustomGroupControls::SetColumns(int Value) {
  if (Value <= 0) Value = 1;
  if (FColumns == Value) return;
  FColumns = Value;
  Invalidate();
}

void TQvSkinCustomGroupControls::SetItemHeight(int Value) {
  if (FItemHeight == Value) return;
  FItemHeight = Value;
  Invalidate();
}

void TQvSkinCustomGroupControls::SetVerticalSpacing(int Value) {
  if (FVerticalSpacing == Value) return;
  FVerticalSpacing = Value;
  Invalidate();
}

void TQvSkinCustomGroupControls::SetPictures(const TQvResID& Value) {
  if (FPictures == Value) return;
  FPictures = Value;
  Invalidate();
}

bool TQvSkinCustomGroupControls::GetItemChecked(int Index) const {
  return Index >= 0 && Index < int(FChecks.size()) && FChecks[size_t(Index)];
}

void TQvSkinCustomGroupControls::SetItemChecked(int Index, bool Value) {
  if (Index >= 0 && Index < int(FChecks.size())) FChecks[size_t(Index)] = Value;
}

void TQvSkinCustomGroupControls::DoChanged() {
  NotifyAccessible(aeValueChange);
  if (OnChanged) OnChanged(this);
}

TQvGroupGrid TQvSkinCustomGroupControls::Grid() const {
  TQvGroupGrid G;
  G.Count = FItems->Count();
  G.Width = Width();
  G.Height = Height();
  G.Columns = FColumns;
  G.ItemHeight = GetDPIScaledPixels(this, FItemHeight);
  G.VerticalSpacing = GetDPIScaledPixels(this, FVerticalSpacing);
  G.OffsetX = GetDPIScaledPixels(this, FOffset->X());
  G.OffsetY = GetDPIScaledPixels(this, FOffset->Y());
  G.UnscaledOffsetX = FOffset->X();
  return G;
}

void TQvSkinCustomGroupControls::DrawBody(TBitmap32* Bitmap) {
  TQvSkinCustomPanel::DrawBody(Bitmap);
  auto Updating = UpdateScope(*Bitmap);
  FPictures = GroupPictureName(FKind, FPictures);
  TDynQvSkinImage Parts;
  SpliteImg(SkinPicture(FPictures), 4, Parts);
  FItemsRect = GroupGridRects(Grid());
  for (int I = 0; I < int(FItemsRect.size()); ++I)
    DoDrawItem(Bitmap, I, Parts, FItemsRect[size_t(I)]);
  // The items have no focus look of their own: the platform's rectangle around the
  // current line.
  if (Focused() && ShowsFocusCues() && !FItemsRect.empty()) {
    const int I = FItemIndex >= 0 && FItemIndex < int(FItemsRect.size()) ? FItemIndex : 0;
    DrawFocusCue(*Bitmap, FItemsRect[size_t(I)]);
  }
}

void TQvSkinCustomGroupControls::DoDrawItem(TBitmap32* Bitmap, int Index,
                                            const TDynQvSkinImage& Pictures, const TRect& Rect) {
  if (Index >= 0 && Index < FItems->Count() && Pictures.size() == 4 && Rect.Width() > 0 &&
      Rect.Height() > 0) {
    TBitmap32 Item;
    Item.SetSize(Rect.Width(), Rect.Height());
    Item.Draw(0, 0, Rect, Bitmap);
    const bool Hot = FHotItemIndex == Index && FMouseInControl;
    int State;
    if (FKind == gckCheckBox)
      State = GetItemChecked(Index) ? (Hot || (FPressed && FItemIndex == Index) ? 3 : 2)
                                    : (Hot ? 1 : 0);
    else if (FItemIndex == Index)
      State = FPressed ? 1 : Hot ? 2 : 1;
    else
      State = Hot ? 3 : 0;
    TQvSkinImage* P = Pictures[size_t(State)].get();
    Item.Draw(0, Item.Height() / 2 - P->Height() / 2, P);
    Item.Font()->Assign(Font());
    if (!Enabled()) Item.Font()->SetColor(kDisabledText);
    Item.Textout(TRect{P->Width() + 3, 0, Item.Width(), Item.Height()}, DT_SINGLELINE | DT_VCENTER,
                 FItems->Strings(Index));
    Bitmap->Draw(Rect.Left, Rect.Top, &Item);
  }
  if (OnDrawItem) OnDrawItem(this, Bitmap, Index, Rect);
}

void TQvSkinCustomGroupControls::MouseEnter() {
  TQvSkinCustomPanel::MouseEnter();
  FMouseInControl = true;
  Invalidate();
}

void TQvSkinCustomGroupControls::MouseLeave() {
  TQvSkinCustomPanel::MouseLeave();
  FMouseInControl = false;
  Invalidate();
}

void TQvSkinCustomGroupControls::Choose(int Index) {
  // Stored directly: a click on the selected radio line raises OnChanged too.
  FItemIndex = Index;
  if (FKind == gckCheckBox) SetItemChecked(Index, !GetItemChecked(Index));
  Invalidate();
  DoChanged();
}

void TQvSkinCustomGroupControls::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE:
      Message.Result = DLGC_WANTARROWS;
      return;
  }
  TQvSkinCustomPanel::WndProc(Message);
  switch (Message.Msg) {
    case WM_MOUSEMOVE: {
      const int Hot = PtInItem({short(LOWORD(Message.LParam)), short(HIWORD(Message.LParam))});
      if (Hot != FHotItemIndex) {
        FHotItemIndex = Hot;
        Invalidate();
      }
      break;
    }
    // The second press of a double click is a press too: two quick clicks toggle twice.
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (CanFocus() && !Focused()) SetFocus();
      if (FHotItemIndex >= 0) {
        FPressed = true;
        Choose(FHotItemIndex);
      }
      break;
    case WM_LBUTTONUP:
      FPressed = false;
      break;
    case WM_KEYDOWN: {
      const int Count = FItems->Count();
      if (Count == 0) break;
      const int Current = FItemIndex >= 0 && FItemIndex < Count ? FItemIndex : -1;
      switch (Message.WParam) {
        case VK_SPACE:
          if (FKind == gckCheckBox) Choose(Current < 0 ? 0 : Current);
          break;
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN: {
          const bool Forward = Message.WParam == VK_RIGHT || Message.WParam == VK_DOWN;
          const int Next = Current < 0 ? 0 : (Current + (Forward ? 1 : Count - 1)) % Count;
          if (FKind == gckRadio) {
            Choose(Next);
          } else {
            // Check boxes: the arrows move the current line; Space marks it.
            SetItemIndex(Next);
          }
          break;
        }
      }
      break;
    }
  }
}

TQvAccessibleInfo TQvSkinCustomGroupControls::AccessibleInfo() const {
  TQvAccessibleInfo Info = TQvSkinCustomPanel::AccessibleInfo();
  Info.Role = FKind == gckRadio ? arRadioButton : arCheckButton;
  const bool Valid = FItemIndex >= 0 && FItemIndex < FItems->Count();
  SetAccessibleCaption(Info, Caption());
  if (Valid) Info.Value = FItems->Strings(FItemIndex);
  if (TabStop()) Info.State.Include(asFocusable);
  if (const_cast<TQvSkinCustomGroupControls*>(this)->Focused()) Info.State.Include(asFocused);
  if (FKind == gckCheckBox ? GetItemChecked(FItemIndex) : Valid) Info.State.Include(asChecked);
  Info.DefaultAction = FKind == gckRadio ? L"Check" : L"Toggle";
  return Info;
}

bool TQvSkinCustomGroupControls::DoAccessibleDefaultAction() {
  if (!Enabled() || FItems->Count() == 0) return false;
  Choose(FItemIndex >= 0 && FItemIndex < FItems->Count() ? FItemIndex : 0);
  return true;
}

const TPropTable& TQvSkinCustomGroupControls::Properties() const {
  using C = TQvSkinCustomGroupControls;
  static const auto Reference = [] {
    auto O = std::make_unique<TQvOffset>();
    O->SetX(DefaultOffset);
    O->SetY(DefaultOffset);
    return O;
  }();
  static const TPropTable Table = TQvSkinCustomPanel::Properties().With({
      Prop(L"Columns", &C::Columns, &C::SetColumns, DefaultColumns),
      Prop(L"ItemHeight", &C::ItemHeight, &C::SetItemHeight, DefaultItemHeight),
      StringsProp(L"Items", &C::Items),
      Prop(L"ItemIndex", &C::ItemIndex, &C::SetItemIndex, -1),
      EnumProp(L"Kind", &C::Kind, &C::SetKind, TGroupControlKindNames),
      ObjectProp(L"Offset", &C::Offset, Reference.get()),
      ResIDProp(L"Pictures", &C::Pictures, &C::SetPictures),
      Prop(L"VerticalSpacing", &C::VerticalSpacing, &C::SetVerticalSpacing, DefaultVerticalSpacing),
  });
  return Table;
}

}  // namespace qv
