#include <windows.h>

#include <algorithm>

#include "controls/QvComboExPopup.h"
#include "controls/QvLikeMenuDlg.h"
#include "controls/QvSkinEdit.h"
#include "controls/QvSkinScrollBar.h"
#include "host/ScopeGuard.h"
#include "host/Screen.h"
#include "raster/Bitmap32.h"

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
// The list.

TQvPopupTree::TQvPopupTree(TComponent* AOwner) : TQvSkinVirtualStringTree(AOwner) {
  SetTabStop(false);
  SetBorderStyle(bsNone);
  SetColor(clWhite);
  SetDefaultNodeHeight(DefaultItemHeight);
  SetTreeOptions({toFullRowSelect, toShowHorzGridLines, toHideFocusRect});
  TVTColors* C = Colors();
  C->SetColor(TVTColors::GridLineColor, DefaultGridColor);
  C->SetColor(TVTColors::BorderColor, DefaultGridColor);
  SetSelectionColor(DefaultSelectionColor);
  OnGetText = [this](TBaseVirtualTree_qv*, TVirtualNode* Node, int, TVSTTextType, String& Text) {
    Text = FRows.Caption(RowOf(Node));
  };
  OnPaintText = [this](TBaseVirtualTree_qv*, TBitmap32* B, TVirtualNode* Node, int, TVSTTextType) {
    B->Font()->SetColor(Selected(Node) ? FSelectionFontColor : Font()->Color());
  };
  OnInitNode = [this](TBaseVirtualTree_qv*, TVirtualNode* Node) {
    if (!CheckBoxes()) return;
    SetCheckType(Node, ctCheckBox);
    SetCheckState(Node, FRows.Checked(RowOf(Node)) ? csCheckedNormal : csUncheckedNormal);
  };
  // The tree's box flips feed the model; assigning the model's own state back is a no-op.
  OnChecked = [this](TBaseVirtualTree_qv*, TVirtualNode* Node) {
    const int Row = RowOf(Node);
    if (Row < 0 || FRows.Checked(Row) == Node->Checked()) return;
    FRows.SetChecked(Row, Node->Checked());
    NotifyAccessibleWindow(this, aeStateChange);
    if (OnRowChecked) OnRowChecked(this, Row);
  };
}

void TQvPopupTree::SetItemHeight(int Value) {
  if (Value > 0) SetDefaultNodeHeight(Value);
}

void TQvPopupTree::SetCheckBoxes(bool Value) {
  if (Value == CheckBoxes()) return;
  TVTOptions O = TreeOptions();
  if (Value)
    O.Include(toCheckSupport);
  else
    O.Exclude(toCheckSupport);
  SetTreeOptions(O);
  RowsChanged();  // the rows take their boxes when they are set up again
}

void TQvPopupTree::SetSelectionColor(TColor Value) {
  // The list never has the focus: both selection looks are the one colour, unframed.
  for (auto Slot : {TVTColors::FocusedSelectionColor, TVTColors::FocusedSelectionBorderColor,
                    TVTColors::UnfocusedSelectionColor, TVTColors::UnfocusedSelectionBorderColor})
    Colors()->SetColor(Slot, Value);
}

void TQvPopupTree::SetSelectionFontColor(TColor Value) {
  if (Value == FSelectionFontColor) return;
  FSelectionFontColor = Value;
  Invalidate();
}

int TQvPopupTree::RowOf(const TVirtualNode* Node) const {
  return Node && Node->Parent() == RootNode() ? FRows.VisibleRow(Node->Index()) : -1;
}

int TQvPopupTree::PageRows() const {
  return std::max(1, ClientHeight() / std::max(1, ItemHeight()));
}

void TQvPopupTree::RowsChanged() {
  // Nodes are set up again from the rows; the scroll place stays where it can.
  const int Offset = OffsetY();
  BeginUpdate();
  TScopeExit Done([this] { EndUpdate(); });
  SetRootNodeCount(0);
  SetRootNodeCount(FRows.VisibleCount());
  SetOffsetY(Offset);
  const int Place = FRows.VisiblePlace(FRows.Focused());
  if (TVirtualNode* N = Place >= 0 ? Items(Place) : nullptr) {
    SetFocusedNode(N);
    SetSelected(N, true);
  }
}

void TQvPopupTree::FocusRow(int Row) {
  FRows.SetFocused(Row);
  const int Place = FRows.VisiblePlace(FRows.Focused());
  TVirtualNode* N = Place >= 0 ? Items(Place) : nullptr;
  if (N) {
    SetSelected(N, true);
    ScrollIntoView(N);
  } else {
    ClearSelection();
  }
  SetFocusedNode(N);
  NotifyAccessibleWindow(this, aeFocus);
  if (OnRowFocused) OnRowFocused(this, FRows.Focused());
}

TRect TQvPopupTree::RowRect(int Row) {
  const int Place = FRows.VisiblePlace(Row);
  if (Place < 0) return TRect{};
  TRect R = GetDisplayRect(Items(Place));
  R.Right = ClientWidth();
  return R;
}

void TQvPopupTree::ToggleCheck(int Row) {
  if (Row < 0 || Row >= FRows.Count()) return;
  FRows.SetChecked(Row, !FRows.Checked(Row));
  const int Place = FRows.VisiblePlace(Row);
  if (TVirtualNode* N = Place >= 0 ? Items(Place) : nullptr; N && CheckBoxes())
    SetCheckState(N, FRows.Checked(Row) ? csCheckedNormal : csUncheckedNormal);
  NotifyAccessibleWindow(this, aeStateChange);
  if (OnRowChecked) OnRowChecked(this, Row);
}

bool TQvPopupTree::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  return TQvSkinVirtualStringTree::DoMouseWheel(Shift, WheelDelta, MousePos);
}

void TQvPopupTree::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomPaintBox32_qv::MouseDown(Button, Shift, X, Y);
  TVirtualNode* N = GetNodeAt(X, Y);
  const int Row = RowOf(N);
  if (Button != mbLeft || Row < 0) return;
  Model().InitNode(N);
  const TRect Box = CheckBoxRect(N);
  // The box and the margin around it.
  if (!Box.IsEmpty() && X < Box.Right + Margin()) {
    ToggleCheck(Row);
    return;
  }
  FocusRow(Row);
  if (OnRowClick) OnRowClick(this, Row);
}

void TQvPopupTree::WndProc(TMessage& Message) {
  if (Message.Msg == WM_GETOBJECT &&
      (Message.Result = AccessibleObjectResult(this, Message.WParam, Message.LParam)))
    return;
  TQvSkinVirtualStringTree::WndProc(Message);
}

TQvAccessibleInfo TQvPopupTree::AccessibleInfo() const {
  // The focused row speaks for the list: a list item, checked or not in the check list.
  TQvAccessibleInfo Info;
  if (!Enabled()) Info.State.Include(asDisabled);
  if (!Visible()) Info.State.Include(asInvisible);
  const int Row = FRows.Focused();
  if (Row < 0) {
    Info.Role = arList;
    return Info;
  }
  Info.Role = arListItem;
  Info.Name = FRows.Caption(Row);
  Info.State.Include(asSelectable);
  Info.State.Include(asSelected);
  if (CheckBoxes() && FRows.Checked(Row)) Info.State.Include(asChecked);
  if (CheckBoxes()) Info.DefaultAction = FRows.Checked(Row) ? L"Uncheck" : L"Check";
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
  FList = new TQvPopupTree(this);
  FList->SetParent(this);
  FBar = new TQvSkinScrollBar(this);
  FBar->SetKind(sbVertical);
  FBar->SetParent(this);
  FList->SetVScrollBar(FBar);
  FList->OnRowFocused = [this](TObject*, int Row) { DoFocusChanged(Row); };
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
  // The bar hides while every row fits (its AutoHide), and the list takes its width.
  const int H = std::max(0, R.Height());
  const int BarRoom = FList->Rows().VisibleCount() * FList->ItemHeight() > H ? BarWidth : 0;
  FList->SetBounds(R.Left, R.Top, std::max(0, R.Width() - BarRoom), H);
  FBar->SetBounds(R.Right - BarWidth, R.Top, BarWidth, H);
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
  FList->SetColor(FOptions->ItemBackgroudColor());
  FList->SetSelectionColor(FOptions->ItemSeletedColor());
  FList->SetSelectionFontColor(FOptions->ItemSeletedFontColor());
  FList->Font()->SetColor(FOptions->ItemNormalFontColor());
  Invalidate();
}

void TQvComboExPopupForm::LoadItems() {
  FList->Rows().Load(FItems->Lines());
  FList->RowsChanged();
  PlaceList();
}

void TQvComboExPopupForm::RefreshList(const String& Filter) {
  FList->Rows().Refresh(Filter, FOptions->ActivePinyinFilter());
  FList->RowsChanged();
  PlaceList();
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
  PlaceList();
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
  FList->OnRowChecked = [this](TObject*, int) { DoChecked(); };
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
  FList->RowsChanged();
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
  PlaceList();
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
  PlaceList();
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
