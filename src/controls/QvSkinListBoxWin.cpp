#include <windows.h>

#include <algorithm>

#include "controls/QvSkinListBox.h"
#include "controls/QvSkinListBoxGeometry.h"
#include "host/ControlsWin.h"
#include "host/Font.h"
#include "host/Graphics.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"

namespace qv {

namespace {
const bool kRegistered = (RegisterComponentClass<TQvSkinListBox>(), true);
}  // namespace

// ---- the inner list ----------------------------------------------------------------------

TQvListBox::TQvListBox(TComponent* AOwner)
    : TWinControl(AOwner),
      FItems(std::make_unique<TStringList>()),
      FItemBitmap(std::make_unique<TBitmap>()) {
  FControlStyle = {csCaptureMouse, csOpaque, csDoubleClicks};
  SetTabStop(true);
  SetParentFont(false);
  FItemNormalFontColor = Font()->Color();
  FItems->OnChange = [this](TObject*) { ItemsChanged(); };
}

TQvListBox::~TQvListBox() {
  FItems->OnChange = nullptr;
  DestroyHandle();
}

void TQvListBox::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  CreateSubClass(Params, L"LISTBOX");
  // The platform list keeps no strings, only the count: the items are ours.
  Params.Style |=
      WS_VSCROLL | WS_TABSTOP | LBS_OWNERDRAWFIXED | LBS_NODATA | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  if (FMultiSelect) Params.Style |= LBS_EXTENDEDSEL;
  if (FColumns > 0) Params.Style = (Params.Style & ~WS_VSCROLL) | WS_HSCROLL | LBS_MULTICOLUMN;
  Params.Style &= ~WS_BORDER;
  Params.ExStyle &= ~WS_EX_CLIENTEDGE;
  Params.WindowClass.Style = CS_DBLCLKS;
}

void TQvListBox::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageW(FHandle, LB_SETITEMHEIGHT, 0, FItemHeight);
  SendMessageW(FHandle, LB_SETCOUNT, WPARAM(FItems->Count()), 0);
  if (FColumns > 0)
    SendMessageW(FHandle, LB_SETCOLUMNWIDTH, WPARAM(std::max(Width() / FColumns, 1)), 0);
  if (FItemIndex >= 0 && FItemIndex < Count())
    SendMessageW(FHandle, LB_SETCURSEL, WPARAM(FItemIndex), 0);
  SendMessageW(FHandle, LB_SETTOPINDEX, WPARAM(FTopIndex), 0);
  if (SkinListBox) {
    SkinListBox->ListBoxCreateWnd();
    SkinListBox->CalcRects();
    SkinListBox->UpDateScrollBar();
  }
}

void TQvListBox::CheckIndex(int Index) const {
  if (Index < -1 || Index >= Count())
    throw EListError(L"List index out of bounds (" + std::to_wstring(Index) + L")");
}

void TQvListBox::ItemsChanged() {
  if (FHandle) {
    const int Index = ItemIndex(), Top = TopIndex();
    SendMessageW(FHandle, WM_SETREDRAW, FALSE, 0);
    SendMessageW(FHandle, LB_SETCOUNT, WPARAM(FItems->Count()), 0);
    if (Index < Count()) SendMessageW(FHandle, LB_SETCURSEL, WPARAM(Index), 0);
    SendMessageW(FHandle, LB_SETTOPINDEX, WPARAM(std::min(Top, std::max(Count() - 1, 0))), 0);
    SendMessageW(FHandle, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(FHandle, nullptr, TRUE);
  } else if (FItemIndex >= Count()) {
    FItemIndex = -1;
  }
  if (SkinListBox) SkinListBox->UpDateScrollBar();
}

int TQvListBox::ItemIndex() const {
  if (!FHandle) return FItemIndex;
  if (FMultiSelect) return int(SendMessageW(FHandle, LB_GETCARETINDEX, 0, 0));
  return int(SendMessageW(FHandle, LB_GETCURSEL, 0, 0));
}

void TQvListBox::SetItemIndex(int Value) {
  CheckIndex(Value);
  FItemIndex = Value;
  if (!FHandle) return;
  if (FMultiSelect)
    SendMessageW(FHandle, LB_SETCARETINDEX, WPARAM(Value), FALSE);
  else
    SendMessageW(FHandle, LB_SETCURSEL, WPARAM(Value), 0);
  if (SkinListBox) SkinListBox->SyncThumb();
}

int TQvListBox::TopIndex() const {
  return FHandle ? int(SendMessageW(FHandle, LB_GETTOPINDEX, 0, 0)) : FTopIndex;
}

void TQvListBox::SetTopIndex(int Value) {
  FTopIndex = std::max(Value, 0);
  if (!FHandle) return;
  SendMessageW(FHandle, LB_SETTOPINDEX, WPARAM(FTopIndex), 0);
  if (SkinListBox) SkinListBox->SyncThumb();
}

void TQvListBox::SetItemHeight(int Value) {
  if (Value <= 0 || Value == FItemHeight) return;
  FItemHeight = Value;
  if (FHandle) {
    SendMessageW(FHandle, LB_SETITEMHEIGHT, 0, Value);
    InvalidateRect(FHandle, nullptr, TRUE);
  }
}

void TQvListBox::SetMultiSelect(bool Value) {
  if (UpdateField(FMultiSelect, Value)) RecreateWnd();
}

void TQvListBox::SetColumns(int Value) {
  if (UpdateField(FColumns, std::max(Value, 0))) RecreateWnd();
}

int TQvListBox::SelCount() const {
  if (!FMultiSelect) return ItemIndex() >= 0 ? 1 : 0;
  return FHandle ? int(SendMessageW(FHandle, LB_GETSELCOUNT, 0, 0)) : 0;
}

bool TQvListBox::Selected(int Index) const {
  CheckIndex(Index);
  if (Index < 0) return false;
  if (!FHandle) return Index == FItemIndex;
  return SendMessageW(FHandle, LB_GETSEL, WPARAM(Index), 0) > 0;
}

void TQvListBox::SetSelected(int Index, bool Value) {
  CheckIndex(Index);
  if (Index < 0) return;
  if (!FMultiSelect) {
    SetItemIndex(Value ? Index : -1);
    return;
  }
  HandleNeeded();
  SendMessageW(FHandle, LB_SETSEL, Value, LPARAM(Index));
}

int TQvListBox::ItemAtPos(TPoint Pos, bool Existing) const {
  if (!FHandle) return -1;
  const LRESULT R = SendMessageW(FHandle, LB_ITEMFROMPOINT, 0, MAKELPARAM(Pos.X, Pos.Y));
  const int Index = LOWORD(R);
  if (HIWORD(R) != 0 && Existing) return -1;
  return Index < Count() ? Index : (Existing ? -1 : Count());
}

TRect TQvListBox::ItemRect(int Index) const {
  RECT R{};
  if (FHandle && Index >= 0 && Index < Count())
    SendMessageW(FHandle, LB_GETITEMRECT, WPARAM(Index), LPARAM(&R));
  return Rect(R.left, R.top, R.right, R.bottom);
}

void TQvListBox::Click() {
  if (SkinListBox) SkinListBox->ListBoxClick();
  TWinControl::Click();
}

void TQvListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (SkinListBox) SkinListBox->ListBoxMouseDown(Button, Shift, X, Y);
  TWinControl::MouseDown(Button, Shift, X, Y);
}

void TQvListBox::MouseMove(TShiftState Shift, int X, int Y) {
  if (SkinListBox) SkinListBox->ListBoxMouseMove(Shift, X, Y);
  TWinControl::MouseMove(Shift, X, Y);
}

void TQvListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (SkinListBox) SkinListBox->ListBoxMouseUp(Button, Shift, X, Y);
  TWinControl::MouseUp(Button, Shift, X, Y);
}

void TQvListBox::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (SkinListBox) SkinListBox->ListBoxKeyDown(Key, Shift);
  TWinControl::KeyDown(Key, Shift);
}

void TQvListBox::KeyUp(uint16_t& Key, TShiftState Shift) {
  if (SkinListBox) SkinListBox->ListBoxKeyUp(Key, Shift);
  TWinControl::KeyUp(Key, Shift);
}

void TQvListBox::KeyPress(wchar_t& Key) {
  if (SkinListBox) SkinListBox->ListBoxKeyPress(Key);
  TWinControl::KeyPress(Key);
}

void TQvListBox::DrawItem(void* Data) {
  const auto* D = static_cast<const DRAWITEMSTRUCT*>(Data);
  const int Index = int(D->itemID);
  if (Index < 0 || Index >= Count() || !SkinListBox) return;
  const int W = D->rcItem.right - D->rcItem.left, H = D->rcItem.bottom - D->rcItem.top;
  if (W <= 0 || H <= 0) return;
  TOwnerDrawState State;
  if (D->itemState & ODS_SELECTED) State.Include(odSelected);
  if (D->itemState & ODS_FOCUS) State.Include(odFocused);
  if (D->itemState & ODS_DISABLED) State.Include(odDisabled);
  FItemBitmap->SetSize(W, H);
  TCanvas& C = FItemBitmap->Canvas();
  SkinListBox->DrawDefaultItem(&C, Index, W, H, State);
  BitBlt(D->hDC, D->rcItem.left, D->rcItem.top, W, H, C.Handle(), 0, 0, SRCCOPY);
}

void TQvListBox::WndProc(TMessage& Message) {
  // Mouse enter and leave name the control they concern.
  auto IsSelf = [this](const TMessage& M) { return M.LParam == 0 || M.LParam == intptr_t(this); };
  if (SkinListBox) {
    bool Continue = true;
    SkinListBox->ListBoxWProc(Message, Continue);
    if (!Continue) return;
  }
  switch (Message.Msg) {
    case WM_NCCALCSIZE:  // no frame and no room for the platform's bars
      Message.Result = 0;
      return;
    case WM_NCHITTEST:
      Message.Result = HTCLIENT;
      return;
    case WM_NCPAINT:
      return;
    case CN_DRAWITEM:
      DrawItem(reinterpret_cast<void*>(Message.LParam));
      Message.Result = 1;
      return;
    case CN_COMMAND:
      if (HIWORD(Message.WParam) == LBN_SELCHANGE) Click();
      return;
    case WM_MOUSEWHEEL:
      DefaultHandler(Message);
      if (SkinListBox) SkinListBox->ListBoxWheel(GET_WHEEL_DELTA_WPARAM(Message.WParam));
      return;
    case CM_FONTCHANGED:
      FItemNormalFontColor = Font()->Color();
      break;
    case CM_ENTER:
      if (SkinListBox) SkinListBox->ListBoxEnter();
      break;
    case CM_EXIT:
      if (SkinListBox) SkinListBox->ListBoxExit();
      break;
    case CM_MOUSEENTER:
      if (SkinListBox && IsSelf(Message)) SkinListBox->ListBoxMouseEnter();
      break;
    case CM_MOUSELEAVE:
      if (SkinListBox && IsSelf(Message)) SkinListBox->ListBoxMouseLeave();
      break;
    case WM_SIZE: {
      // Text anchored at the right edge while shifted.
      const int Old = Width();
      TWinControl::WndProc(Message);
      if (FHorizontalExtentValue >= 1 && Width() != Old) {
        FHorizontalExtentValue += std::max(Old - Width(), 0);
        Invalidate();
      }
      return;
    }
  }
  TWinControl::WndProc(Message);
  switch (Message.Msg) {
    case WM_LBUTTONDBLCLK:
      if (SkinListBox) SkinListBox->ListBoxDblClick();
      break;
    case WM_KEYDOWN:
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_ERASEBKGND:
    case WM_LBUTTONDOWN:
    case WM_MOUSEMOVE:
    case LB_SETCURSEL:
    case LB_SETTOPINDEX:
      if (SkinListBox) SkinListBox->SyncThumb();
      break;
  }
}

// ---- the composite -----------------------------------------------------------------------

TQvSkinCustomListBox::TQvSkinCustomListBox(TComponent* AOwner) : TQvSkinBorderPanel(AOwner) {
  FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents,
                   csOpaque,          csDoubleClicks, csReplicatable};
  Font()->SetName(L"Tahoma");
  Font()->SetColor(TColor(0xFF000008));  // clWindowText
  Font()->SetStyle({});
  SetColor(clWhite);
  SetAlpha(255);
  SetTransparent(false);
  SetBounds(Left(), Top(), 120, 120);
  ListBox = new TQvListBox(this);
  ListBox->SkinListBox = this;
  ListBox->SetItemHeight(FDefaultItemHeight);
  ListBox->SetParent(this);
  CalcRects();
}

TQvSkinCustomListBox::~TQvSkinCustomListBox() {
  // The inner list reports to nobody while the composite goes.
  if (ListBox) ListBox->SkinListBox = nullptr;
}

void TQvSkinCustomListBox::Notification(TComponent* AComponent, TOperation Operation) {
  TQvSkinBorderPanel::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == ScrollBar) ScrollBar = nullptr;
  if (AComponent == HScrollBar) HScrollBar = nullptr;
  if (AComponent == ListBox) ListBox = nullptr;
}

void TQvSkinCustomListBox::CalcRects() {
  if (!ListBox) return;
  const bool HasBar = ScrollBar && ScrollBar->Visible();
  const int Size = !HasBar ? 0 : (Columns() > 0 ? ScrollBar->Height() : ScrollBar->Width());
  const TQvListBoxRects R = QvListBoxRects(Width(), Height(), NCSize(), HasBar, Size, Columns());
  if (HasBar) ScrollBar->SetBounds(R.Bar.Left, R.Bar.Top, R.Bar.Width(), R.Bar.Height());
  if (!FResizeing) ListBox->SetBounds(R.List.Left, R.List.Top, R.List.Width(), R.List.Height());
}

void TQvSkinCustomListBox::UpDateScrollBar() {
  if (!ListBox || !ListBox->HandleAllocated() || Destroying()) return;
  if (Columns() <= 0 && HScrollBar && HScrollBar->Visible()) {
    ListBox->SetHorizontalExtentValue(0);
    HScrollBar->Hide();
    delete HScrollBar;
    CalcRects();
    ListBox->Invalidate();
  }
  FMirror.SetKind(BarKind());
  const TQvNativeScroll N = FMirror.Read(ListBox->Handle());
  const TQvListBarState S =
      QvListBoxBarState(N.Min, N.Max, N.Position, ListBox->Height(), ListBox->ItemHeight(),
                        ListBox->Count(), FRowCount, Columns());
  if (!S.Show) {
    RemoveScrollBar();
    return;
  }
  if (!ScrollBar) ShowScrollBar();
  {
    TScopedValue<bool> Quiet(FSyncing, true);
    ScrollBar->SetRange(S.Min, S.Max, S.Page, S.Position);
  }
  ScrollBar->SetLargeChange(std::max(S.Page, 1));
}

void TQvSkinCustomListBox::SyncThumb() {
  if (ScrollBar && ListBox && ListBox->HandleAllocated() && !FMirror.Busy())
    FMirror.FromNative(ListBox->Handle(), ScrollBar);
}

void TQvSkinCustomListBox::ShowScrollBar() {
  ScrollBar = new TQvSkinScrollBar(this);
  ScrollBar->SetKind(BarKind());
  ScrollBar->SetBounds(0, 0, Columns() > 0 ? 100 : 20, Columns() > 0 ? 20 : 100);
  ScrollBar->SetTransparent(false);
  ScrollBar->SetRange(0, ScrollBar->Max(), 0, 0);
  ScrollBar->SetBindingWinControl(ListBox);
  ScrollBar->OnChange = [this](TObject*) { SBChange(); };
  ScrollBar->SetParent(this);
  CalcRects();
  ScrollBar->SetColor(Color());
  ScrollBar->Show();
  Invalidate();
}

void TQvSkinCustomListBox::RemoveScrollBar() {
  if (!ScrollBar) return;
  ScrollBar->Hide();
  delete ScrollBar;  // clears the field through the free notification
  ScrollBar = nullptr;
  CalcRects();
}

void TQvSkinCustomListBox::SBChange() {
  if (FSyncing || !ScrollBar || !ListBox || !ListBox->HandleAllocated()) return;
  FMirror.SetKind(BarKind());
  FMirror.ToNative(ListBox->Handle(), ScrollBar);
}

void TQvSkinCustomListBox::ListBoxWheel(int Delta) {
  if (ScrollBar) {
    FMirror.SetKind(sbVertical);
    FMirror.Line(ListBox->Handle(), Delta > 0, ScrollBar);
  } else if (HScrollBar) {
    HScrollBar->SetPosition(HScrollBar->Position() +
                            (Delta > 0 ? -HScrollBar->SmallChange() : HScrollBar->SmallChange()));
  }
}

void TQvSkinCustomListBox::SetItems(TStringList* Value) {
  ListBox->Items()->Assign(Value);
  UpDateScrollBar();
}

void TQvSkinCustomListBox::Clear() {
  ListBox->Items()->Clear();
  UpDateScrollBar();
}

void TQvSkinCustomListBox::SetItemIndex(int Value) {
  const int Old = ItemIndex();
  ListBox->SetItemIndex(Value);
  if (Old != Value) NotifyAccessible(aeValueChange);
}

void TQvSkinCustomListBox::SetColumns(int Value) {
  ListBox->SetColumns(Value);
  UpDateScrollBar();
}

void TQvSkinCustomListBox::SetRowCount(int Value) {
  FRowCount = Value;
  if (Value != 0)
    SetBounds(Left(), Top(), Width(),
              QvListBoxRowsHeight(Value, ListBox->ItemHeight(), Height(),
                                  HScrollBar ? HScrollBar->Height() : 0));
  UpDateScrollBar();
}

void TQvSkinCustomListBox::SetDefaultItemHeight(int Value) {
  if (Value <= 0) return;
  FDefaultItemHeight = Value;
  ListBox->SetItemHeight(Value);
  UpDateScrollBar();
}

void TQvSkinCustomListBox::ScaleControlsForDpi(int NewPPI) {
  TScopedValue<bool> Resizing(FResizeing, true);
  TQvSkinBorderPanel::ScaleControlsForDpi(NewPPI);
}

void TQvSkinCustomListBox::DrawDefaultItem(TCanvas* C, int Index, int W, int H,
                                           TOwnerDrawState State) {
  TFont& F = C->Font();
  F.SetName(Font()->Name());
  F.SetStyle(Font()->Style());
  F.SetSize(Font()->Size());
  F.SetCharset(Font()->Charset());
  const TQvListItemRects R = QvListItemRects(W, H, ListBox->PopupListBox());
  C->Brush().SetColor(clWhite);
  C->FillRect(Rect(0, 0, W, H));
  const bool Sel = State.Contains(odSelected);
  C->Brush().SetColor(Sel ? ListBox->ItemSelectedColor() : ListBox->ItemBackgroundColor());
  C->FillRect(R.Fill);
  F.SetColor(Sel ? ListBox->ItemSelectedFontColor() : ListBox->ItemNormalFontColor());
  if (OnDrawItem) {
    OnDrawItem(ListBox, C, Index, W, H, R.Text, State);
    return;
  }
  const String& S = Items()->Strings(Index);
  const int TH = C->TextHeight(L"Wg");
  const int Y = QvListItemTextTop(R.Text, TH, F.Height());
  // Long captions end in an ellipsis inside the text rectangle.
  TRect T = Rect(R.Text.Left + 2 - ListBox->HorizontalExtentValue(), Y, R.Text.Right, Y + TH);
  String Text = S;
  C->Brush().SetStyle(bsClear);
  C->TextRect(T, Text, {tfSingleLine, tfEndEllipsis, tfNoPrefix});
  C->Brush().SetStyle(bsSolid);
}

void TQvSkinCustomListBox::ListBoxMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnListBoxMouseDown) OnListBoxMouseDown(this, Button, Shift, X, Y);
}
void TQvSkinCustomListBox::ListBoxMouseMove(TShiftState Shift, int X, int Y) {
  if (OnListBoxMouseMove) OnListBoxMouseMove(this, Shift, X, Y);
}
void TQvSkinCustomListBox::ListBoxMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnListBoxMouseUp) OnListBoxMouseUp(this, Button, Shift, X, Y);
}
void TQvSkinCustomListBox::ListBoxClick() {
  NotifyAccessible(aeValueChange);
  if (OnListBoxClick) OnListBoxClick(this);
}
void TQvSkinCustomListBox::ListBoxDblClick() {
  if (OnListBoxDblClick) OnListBoxDblClick(this);
}
void TQvSkinCustomListBox::ListBoxKeyDown(uint16_t& Key, TShiftState Shift) {
  if (OnListBoxKeyDown) OnListBoxKeyDown(this, Key, Shift);
  if (HScrollBar && (Key == VK_LEFT || Key == VK_RIGHT)) {
    HScrollBar->SetPosition(HScrollBar->Position() + (Key == VK_LEFT ? -HScrollBar->SmallChange()
                                                                     : HScrollBar->SmallChange()));
    Key = 0;
  }
}
void TQvSkinCustomListBox::ListBoxKeyUp(uint16_t& Key, TShiftState Shift) {
  if (OnListBoxKeyUp) OnListBoxKeyUp(this, Key, Shift);
}
void TQvSkinCustomListBox::ListBoxKeyPress(wchar_t& Key) {
  if (OnListBoxKeyPress) OnListBoxKeyPress(this, Key);
}
void TQvSkinCustomListBox::ListBoxEnter() {
  UpdateFrame(false, true);
  NotifyAccessible(aeFocus);
}
void TQvSkinCustomListBox::ListBoxExit() {
  UpdateFrame(false, false);
}
void TQvSkinCustomListBox::ListBoxMouseEnter() {
  UpdateFrame(true, true);
}
void TQvSkinCustomListBox::ListBoxMouseLeave() {
  UpdateFrame(true, false);
}

void TQvSkinCustomListBox::WndProc(TMessage& Message) {
  TQvSkinBorderPanel::WndProc(Message);
  if (Message.Msg == WM_SIZE) {
    CalcRects();
    UpDateScrollBar();
    if (ScrollBar) ScrollBar->Invalidate();
  }
}

TQvAccessibleInfo TQvSkinCustomListBox::AccessibleInfo() const {
  TQvAccessibleInfo Info;
  Info.Role = arList;
  SetAccessibleCaption(Info, Name());
  const int I = ListBox ? ListBox->ItemIndex() : -1;
  if (I >= 0 && I < ListBox->Count()) Info.Value = ListBox->Items()->Strings(I);
  Info.State.Include(asFocusable);
  if (ListBox && ListBox->HandleAllocated() && GetFocus() == ListBox->Handle())
    Info.State.Include(asFocused);
  if (!Enabled()) Info.State.Include(asDisabled);
  return Info;
}

const TPropTable& TQvSkinCustomListBox::Properties() const {
  using C = TQvSkinCustomListBox;
  static const TPropTable Table = TQvSkinBorderPanel::Properties().With({
      Prop(L"Columns", &C::Columns, &C::SetColumns, 0),
      Prop(L"DefaultItemHeight", &C::DefaultItemHeight, &C::SetDefaultItemHeight,
           DefaultDefaultItemHeight),
      Prop(L"MultiSelect", &C::MultiSelect, &C::SetMultiSelect, false),
      Prop(L"RowCount", &C::RowCount, &C::SetRowCount, 0),
  });
  return Table;
}

}  // namespace qv
