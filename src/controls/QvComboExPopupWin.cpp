#include <windows.h>

#include <algorithm>

#include "controls/QvComboExPopup.h"
#include "controls/QvLikeMenuDlg.h"
#include "controls/QvSkinEdit.h"
#include "controls/QvSkinScrollBar.h"
#include "host/Screen.h"
#include "raster/Bitmap32.h"
#include "resources/QvSkinResManager.h"

namespace qv {

TSEPopupListForm* SEPopupListForm = nullptr;

TPoint PopupPointFor(TControl* Control, int PopupHeight) {
  TPoint Corner{Control->Left(), Control->Top() + Control->Height()};
  TPoint TopLeft{Control->Left(), Control->Top()};
  if (TWinControl* P = Control->Parent()) {
    Corner = P->ClientToScreen(Corner);
    TopLeft = P->ClientToScreen(TopLeft);
  }
  int WorkBottom = GetSystemMetrics(SM_CYSCREEN);
  if (Screen)
    if (TMonitor* M = Screen->MonitorFromPoint(Corner)) WorkBottom = M->WorkareaRect().Bottom;
  return PopupPlace(Corner.X, TopLeft.Y, Corner.Y, PopupHeight, WorkBottom);
}

// ---------------------------------------------------------------------------------------
// The list view.

TQvPopupListView::TQvPopupListView(TComponent* AOwner) : TQvSkinCustomControl(AOwner) {
  SetTabStop(false);
}

void TQvPopupListView::SetItemHeight(int Value) {
  if (Value <= 0 || Value == FItemHeight) return;
  FItemHeight = Value;
  RowsChanged();
}

void TQvPopupListView::SetScrollBar(TQvSkinScrollBar* Bar) {
  FScrollBar = Bar;
  if (!Bar) return;
  Bar->OnChange = [this](TObject*) { SetTopPlace(FScrollBar->Position()); };
  UpdateBar();
}

int TQvPopupListView::PageRows() const {
  return std::max(1, Height() / std::max(1, FItemHeight));
}

void TQvPopupListView::UpdateBar() {
  if (!FScrollBar) return;
  const int Count = FRows.VisibleCount();
  const int Page = PageRows();
  // Hidden (page 0) while every row fits.
  FScrollBar->SetRange(0, std::max(0, Count - 1), Count > Page ? Page : 0, FTopPlace);
}

void TQvPopupListView::RowsChanged() {
  FTopPlace = std::clamp(FTopPlace, 0, std::max(0, FRows.VisibleCount() - PageRows()));
  UpdateBar();
  Invalidate();
}

void TQvPopupListView::Resize() {
  TQvSkinCustomControl::Resize();
  RowsChanged();
}

void TQvPopupListView::SetTopPlace(int Value) {
  Value = std::clamp(Value, 0, std::max(0, FRows.VisibleCount() - PageRows()));
  if (Value == FTopPlace) return;
  FTopPlace = Value;
  if (FScrollBar && FScrollBar->Position() != Value) UpdateBar();
  Invalidate();
}

void TQvPopupListView::FocusRow(int Row) {
  FRows.SetFocused(Row);
  if (const int Place = FRows.VisiblePlace(FRows.Focused()); Place >= 0) {
    if (Place < FTopPlace)
      SetTopPlace(Place);
    else if (Place >= FTopPlace + PageRows())
      SetTopPlace(Place - PageRows() + 1);
  }
  Invalidate();
  NotifyAccessible(aeFocus);
  if (OnFocusChanged) OnFocusChanged(this, FRows.Focused());
}

int TQvPopupListView::RowAt(int Y) const {
  if (Y < 0) return -1;
  return FRows.VisibleRow(FTopPlace + Y / std::max(1, FItemHeight));
}

TRect TQvPopupListView::RowRect(int Row) const {
  const int Place = FRows.VisiblePlace(Row) - FTopPlace;
  if (Place < 0 || Place > PageRows()) return TRect{};
  return Rect(0, Place * FItemHeight, Width(), (Place + 1) * FItemHeight);
}

void TQvPopupListView::ToggleCheck(int Row) {
  if (Row < 0 || Row >= FRows.Count()) return;
  FRows.SetChecked(Row, !FRows.Checked(Row));
  Invalidate();
  if (OnCheckChanged) OnCheckChanged(this, Row);
}

bool TQvPopupListView::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  SetTopPlace(FTopPlace - WheelDelta / WHEEL_DELTA * 3);
  return true;
}

void TQvPopupListView::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TQvSkinCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  const int Row = RowAt(Y);
  if (Row < 0) return;
  if (FCheckBoxes && X < 4 + 15 + 4) {
    ToggleCheck(Row);
    return;
  }
  FocusRow(Row);
  if (OnRowClick) OnRowClick(this, Row);
}

void TQvPopupListView::DrawBody(TBitmap32* Bitmap) {
  Bitmap->FillRectS(Rect(0, 0, Width(), Height()), Color32(FBackColor));
  Bitmap->Font()->Assign(Font());
  TQvSkinImage* Checked = FCheckBoxes ? SkinPicture(L"QvSkinCheckedCheckbox_18") : nullptr;
  TQvSkinImage* Unchecked = FCheckBoxes ? SkinPicture(L"QvSkinUncheckedCheckbox_18") : nullptr;
  const TColor32 Grid = Color32(DefaultGridColor);
  for (int Place = FTopPlace, Y = 0; Y < Height() && Place < FRows.VisibleCount();
       ++Place, Y += FItemHeight) {
    const int Row = FRows.VisibleRow(Place);
    const bool Selected = Row == FRows.Focused();
    if (Selected) Bitmap->FillRectS(Rect(0, Y, Width(), Y + FItemHeight), Color32(FSelectionColor));
    Bitmap->HorzLineS(0, Y + FItemHeight - 1, Width() - 1, Grid);
    int X = 6;
    if (TQvSkinImage* Box = FRows.Checked(Row) ? Checked : Unchecked) {
      Box->SetDrawMode(dmBlend);
      Bitmap->Draw(4, Y + (FItemHeight - Box->Height()) / 2, Box);
      X = 4 + Box->Width() + 5;
    }
    Bitmap->Font()->SetColor(Selected ? FSelectionFontColor : FFontColor);
    Bitmap->Textout(Rect(X, Y, Width() - 2, Y + FItemHeight),
                    DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX, FRows.Caption(Row));
  }
}

TQvAccessibleInfo TQvPopupListView::AccessibleInfo() const {
  // The focused row speaks for the list: a list item, checked or not in the check list.
  TQvAccessibleInfo Info = TQvSkinCustomControl::AccessibleInfo();
  const int Row = FRows.Focused();
  if (Row < 0) {
    Info.Role = arList;
    return Info;
  }
  Info.Role = arListItem;
  Info.Name = FRows.Caption(Row);
  Info.State.Include(asSelectable);
  Info.State.Include(asSelected);
  if (FCheckBoxes && FRows.Checked(Row)) Info.State.Include(asChecked);
  if (FCheckBoxes) Info.DefaultAction = FRows.Checked(Row) ? L"Uncheck" : L"Check";
  return Info;
}

// ---------------------------------------------------------------------------------------
// The popup base.

TQvComboExPopupForm::TQvComboExPopupForm(TComponent* AOwner)
    : TCustomControl(AOwner),
      FItems(std::make_unique<TStringList>()),
      FOptions(std::make_unique<TComboBoxExOptions>()) {
  SetVisible(false);
  SetColor(clWhite);
  Font()->SetName(L"Tahoma");
  Font()->SetHeight(-12);
  SetBounds(0, 0, TComboBoxExCustomOptions::DefaultDropdownMenuWidth,
            TComboBoxExCustomOptions::DefaultDropdownMenuHeight);
  FList = new TQvPopupListView(this);
  FList->SetParent(this);
  FBar = new TQvSkinScrollBar(this);
  FBar->SetKind(sbVertical);
  FBar->SetParent(this);
  FList->SetScrollBar(FBar);
  FList->OnFocusChanged = [this](TObject*, int Row) { DoFocusChanged(Row); };
  FList->OnRowClick = [this](TObject*, int Row) { DoRowClick(Row); };
  FMenuDlg = new TQvLikeMenuDlg(this);
  FMenuDlg->SetAnyClickCancel(true);
  FItems->OnChange = [this](TObject*) { LoadItems(); };
  FOptions->OnChanged = [this](TObject*) { ApplyOptions(); };
  PlaceList();
}

TQvComboExPopupForm::~TQvComboExPopupForm() {
  FItems->OnChange = nullptr;
  FOptions->OnChanged = nullptr;
}

void TQvComboExPopupForm::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style = WS_POPUP | WS_CLIPCHILDREN;
  Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
}

TRect TQvComboExPopupForm::ListRect() const {
  return Rect(1, 1, Width() - 1, Height() - 1);
}

void TQvComboExPopupForm::PlaceList() {
  if (!FList || !FBar) return;  // sized before its parts exist
  const TRect R = ListRect();
  constexpr int BarWidth = 10;
  FList->SetBounds(R.Left, R.Top, std::max(0, R.Width() - BarWidth), std::max(0, R.Height()));
  FBar->SetBounds(R.Right - BarWidth, R.Top, BarWidth, std::max(0, R.Height()));
}

void TQvComboExPopupForm::Resize() {
  TCustomControl::Resize();
  PlaceList();
}

void TQvComboExPopupForm::Paint() {
  TCanvas* C = Canvas();
  C->Brush().SetColor(FOptions->ItemBackgroudColor());
  C->FillRect(Rect(0, 0, Width(), Height()));
  C->Brush().SetColor(FFrameColor);
  C->FrameRect(Rect(0, 0, Width(), Height()));
}

void TQvComboExPopupForm::Popup(TPoint At) {
  // Owned by the owning control's top-level window: shown with it, above it, and a window
  // the framework counts as showing, so the popup's parts show too.
  HWND Root = GetDesktopWindow();
  if (auto* C = dynamic_cast<TWinControl*>(Owner()); C && C->HandleAllocated())
    Root = GetAncestor(C->Handle(), GA_ROOT);
  SetBounds(At.X, At.Y, Width(), Height());
  SetVisible(true);
  SetParentWindow(Root);
  HandleNeeded();
  SetWindowPos(Handle(), HWND_TOPMOST, At.X, At.Y, Width(), Height(),
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  FMenuDlg->Capture(this);
}

void TQvComboExPopupForm::WndProc(TMessage& Message) {
  // A press on the popup or its parts never activates it: the owner keeps the focus.
  if (Message.Msg == WM_MOUSEACTIVATE) {
    Message.Result = MA_NOACTIVATE;
    return;
  }
  TCustomControl::WndProc(Message);
}

void TQvComboExPopupForm::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  // While the cursor was outside, the capture brought the press here: the list's rows
  // still take it.
  if (Button == mbLeft && X >= FList->Left() && X < FList->Left() + FList->Width() &&
      Y >= FList->Top() && Y < FList->Top() + FList->Height())
    FList->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(X - FList->Left(), Y - FList->Top()));
}

void TQvComboExPopupForm::ApplyOptions() {
  FFrameColor = FOptions->FrameLineColor();
  FList->SetBackColor(FOptions->ItemBackgroudColor());
  FList->SetSelectionColor(FOptions->ItemSeletedColor());
  FList->SetSelectionFontColor(FOptions->ItemSeletedFontColor());
  FList->SetFontColor(FOptions->ItemNormalFontColor());
  Invalidate();
}

void TQvComboExPopupForm::LoadItems() {
  FList->Rows().Load(FItems->Lines());
  FList->RowsChanged();
}

void TQvComboExPopupForm::RefreshList(const String& Filter) {
  FList->Rows().Refresh(Filter, FOptions->ActivePinyinFilter());
  FList->RowsChanged();
}

void TQvComboExPopupForm::DoSelected(bool Cancel) {
  if (!Cancel) FItemIndex = FNewItemIndex;
  FMenuDlg->Stop();
}

void TQvComboExPopupForm::DoFocusChanged(int Row) {
  FNewItemIndex = Row;
}

void TQvComboExPopupForm::DoRowClick(int Row) {
  DoSelected(false);
}

void TQvComboExPopupForm::SelectNext() {
  const TQvPopupRows& R = FList->Rows();
  int Row = R.Focused() >= 0 ? R.NextVisible(R.Focused()) : -1;
  if (Row < 0) Row = R.FirstVisible();
  FList->FocusRow(Row);
}

void TQvComboExPopupForm::SelectPrev() {
  const TQvPopupRows& R = FList->Rows();
  int Row = R.Focused() >= 0 ? R.PrevVisible(R.Focused()) : -1;
  if (Row < 0) Row = R.LastVisible();
  FList->FocusRow(Row);
}

bool TQvComboExPopupForm::RouteKeyDown(uint16_t Key) {
  const TQvPopupRows& R = FList->Rows();
  const int Page = FList->PageRows();
  auto Step = [&](int Count, bool Forward) {
    int Row = R.Focused();
    for (int I = 0; I < Count; ++I) {
      const int Next = Row < 0 ? (Forward ? R.FirstVisible() : R.LastVisible())
                               : (Forward ? R.NextVisible(Row) : R.PrevVisible(Row));
      if (Next < 0) break;
      Row = Next;
    }
    FList->FocusRow(Row);
  };
  switch (Key) {
    case VK_DOWN:
      Step(1, true);
      return true;
    case VK_UP:
      Step(1, false);
      return true;
    case VK_NEXT:
      Step(Page, true);
      return true;
    case VK_PRIOR:
      Step(Page, false);
      return true;
    case VK_RETURN:
      DoSelected(false);
      return true;
    case VK_ESCAPE:
      DoSelected(true);
      return true;
  }
  return false;
}

// ---------------------------------------------------------------------------------------
// Single pick.

TPopupList_NormalForm::TPopupList_NormalForm(TComponent* AOwner) : TQvComboExPopupForm(AOwner) {
  FFilter = new TQvSkinEdit(this);
  FFilter->SetParent(this);
  FFilter->SetTabStop(false);
  FFilter->SetTextHintHideInKey(true);
  FFilter->Space()->SetActive(false);
  TQvEditItem* Icon = FFilter->EdItems()->AddItem();
  Icon->SetKind(ikImage);
  Icon->SetImage(L"QvSkinSearch_icon");
  Icon->Pos()->SetX(6);
  Icon->Pos()->SetY(6);
  FFilter->OnChange = [this](TObject*) { RefreshList(FFilter->Text()); };
  // The focus stays with the combo: a press in the filter edit does not take it.
  auto Old = FFilter->WindowProc;
  FFilter->WindowProc = [Old](TMessage& M) {
    if (M.Msg == WM_LBUTTONDOWN || M.Msg == WM_LBUTTONDBLCLK || M.Msg == WM_RBUTTONDOWN) return;
    Old(M);
  };
  FList->SetItemHeight(DefaultItemHeight);
  Resize();
}

TRect TPopupList_NormalForm::ListRect() const {
  return Rect(1, 32, Width() - 1, Height() - 1);
}

void TPopupList_NormalForm::Resize() {
  TQvComboExPopupForm::Resize();
  if (FFilter) FFilter->SetBounds(4, 4, std::max(0, Width() - 8), 26);
}

int TPopupList_NormalForm::ItemHeight() const {
  return FList->ItemHeight();
}
void TPopupList_NormalForm::SetItemHeight(int Value) {
  FList->SetItemHeight(Value);
}

void TPopupList_NormalForm::SetItemIndex(int Value) {
  if (Value == FItemIndex) return;
  if (Value < 0 || Value >= FList->Rows().Count()) {
    FItemIndex = -1;
    return;
  }
  FItemIndex = Value;
  FList->FocusRow(Value);
}

void TPopupList_NormalForm::ApplyOptions() {
  TQvComboExPopupForm::ApplyOptions();
  SetBounds(Left(), Top(), FOptions->DropdownMenuWidth(), FOptions->DropdownMenuHeight());
  FFilter->SetTextHint(FOptions->TextFilterHint());
}

void TPopupList_NormalForm::LoadItems() {
  TQvComboExPopupForm::LoadItems();
  if (FList->Rows().Count() > 0) FList->FocusRow(0);
}

void TPopupList_NormalForm::RefreshList(const String& Filter) {
  TQvComboExPopupForm::RefreshList(Filter);
  if (!Filter.empty()) FList->FocusRow(FList->Rows().FirstVisible());
}

bool TPopupList_NormalForm::RouteKeyDown(uint16_t Key) {
  if (TQvComboExPopupForm::RouteKeyDown(Key)) return true;
  // Editing keys (Left, Right, Home, End, Delete) work on the filter text.
  FFilter->Perform(WM_KEYDOWN, Key, 0);
  return true;
}

bool TPopupList_NormalForm::RouteKeyPress(wchar_t Key) {
  if (Key == VK_RETURN || Key == VK_ESCAPE) return true;
  FFilter->Perform(WM_CHAR, Key, 0);
  return true;
}

// ---------------------------------------------------------------------------------------
// Check boxes.

TPopupList_CheckBoxForm::TPopupList_CheckBoxForm(TComponent* AOwner)
    : TPopupList_NormalForm(AOwner), FCheckedItems(std::make_unique<TStringList>()) {
  FList->SetCheckBoxes(true);
  FList->OnCheckChanged = [this](TObject*, int) { DoChecked(); };
  SetBounds(Left(), Top(), 276, Height());
}

void TPopupList_CheckBoxForm::Resize() {
  TPopupList_NormalForm::Resize();
  if (FFilter) FFilter->SetBounds(64, 4, std::max(0, Width() - 68), 26);
}

TRect TPopupList_CheckBoxForm::LinkRect() const {
  return Rect(5, 4, 63, 30);
}

void TPopupList_CheckBoxForm::Paint() {
  TPopupList_NormalForm::Paint();
  TCanvas* C = Canvas();
  C->Font().Assign(Font());
  C->Font().SetColor(TColor(0xD78661));
  C->Brush().SetStyle(bsClear);
  TRect R = LinkRect();
  String Text = FOptions->TextCheckedAllCaption();
  C->TextRect(R, Text, {tfVerticalCenter, tfSingleLine, tfEndEllipsis});
}

void TPopupList_CheckBoxForm::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TPopupList_NormalForm::MouseDown(Button, Shift, X, Y);
  const TRect R = LinkRect();
  if (Button == mbLeft && X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom)
    ClickSelectAll();
}

void TPopupList_CheckBoxForm::ClickSelectAll() {
  FCheckedAll = !FCheckedAll;
  if (FList->Rows().AllChecked()) FCheckedAll = false;
  CheckedAllItems(FCheckedAll);
  DoChecked();
}

void TPopupList_CheckBoxForm::CheckedAllItems(bool AChecked) {
  FList->Rows().CheckAll(AChecked);
  FList->Invalidate();
}

void TPopupList_CheckBoxForm::DoChecked() {
  std::vector<String>& List = FCheckedItems->Lines();
  FList->Rows().CollectChecked(List);
  if (OnCheckedChanged) OnCheckedChanged(FList);
}

void TPopupList_CheckBoxForm::ApplyOptions() {
  TPopupList_NormalForm::ApplyOptions();
  FList->SetCheckBoxes(true);
}

void TPopupList_CheckBoxForm::LoadItems() {
  FList->Rows().Load(FItems->Lines(), FCheckedItems->Lines());
  FList->RowsChanged();
}

void TPopupList_CheckBoxForm::DoRowClick(int Row) {}  // a click only checks

bool TPopupList_CheckBoxForm::RouteKeyDown(uint16_t Key) {
  // Space flips the focused row; Enter closes keeping the checks.
  if (Key == VK_SPACE) {
    FList->ToggleCheck(FList->Rows().Focused());
    return true;
  }
  return TPopupList_NormalForm::RouteKeyDown(Key);
}

// ---------------------------------------------------------------------------------------
// Search edit's list.

TSEPopupListForm::TSEPopupListForm(TComponent* AOwner)
    : TQvComboExPopupForm(AOwner), FParentEdit(dynamic_cast<TQvSkinPngEdit*>(AOwner)) {
  FOptions = std::make_unique<TSEPopupListOptions>();
  FOptions->OnChanged = [this](TObject*) { ApplyOptions(); };
  SEPopupListForm = this;
}

TSEPopupListForm::~TSEPopupListForm() {
  if (SEPopupListForm == this) SEPopupListForm = nullptr;
}

void TSEPopupListForm::SetFilter(const String& Value) {
  FFilterText = Value;
  RefreshList(Value);
}

void TSEPopupListForm::ApplyOptions() {
  TQvComboExPopupForm::ApplyOptions();
  const int W = FOptions->DropdownMenuWidth() ? FOptions->DropdownMenuWidth()
                : FParentEdit                 ? FParentEdit->Width()
                                              : Width();
  const int H = FOptions->DropdownMenuHeight() ? FOptions->DropdownMenuHeight() : Height();
  FList->SetItemHeight(SEOptions()->ItemHeight());
  SetBounds(Left(), Top(), W, H);
}

void TSEPopupListForm::RefreshList(const String& Filter) {
  FList->Rows().SetFocused(-1);
  TQvComboExPopupForm::RefreshList(Filter);
  if (FOptions->DropdownMenuHeight() == 0)
    SetBounds(Left(), Top(), Width(),
              SEPopupHeight(FList->Rows().VisibleCount(), SEOptions()->ItemHeight()));
}

void TSEPopupListForm::Resize() {
  TQvComboExPopupForm::Resize();
  // Kept under (or above) the edit whatever height the rows give it.
  if (FParentEdit && HandleAllocated() && IsWindowVisible(Handle())) {
    const TPoint At = PopupPointFor(FParentEdit, Height());
    if (At.X != Left() || At.Y != Top()) SetBounds(At.X, At.Y, Width(), Height());
  }
}

void TSEPopupListForm::DoFocusChanged(int Row) {
  TQvComboExPopupForm::DoFocusChanged(Row);
  if (!FParentEdit || Row < 0) return;
  FParentEdit->SetText(FList->Rows().Caption(Row));
  FParentEdit->SetCursorPos(int(FParentEdit->Text().size()));
}

}  // namespace qv
