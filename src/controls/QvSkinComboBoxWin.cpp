#include <windows.h>

#include <algorithm>

#include "controls/QvLikeMenuDlg.h"
#include "controls/QvSkinComboBox.h"
#include "controls/QvSkinEdit.h"
#include "graphics/QvComm.h"
#include "host/Font.h"
#include "host/Graphics.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"
#include "host/Screen.h"
#include "resources/QvSkinResManager.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinComboBox>(), true);

bool Contains(const TRect& R, TPoint P) {
  return P.X >= R.Left && P.Y >= R.Top && P.X < R.Right && P.Y < R.Bottom;
}

unsigned Ticks() {
  return unsigned(GetTickCount());
}

}  // namespace

TQvSkinCustomComboBox::TQvSkinCustomComboBox(TComponent* AOwner)
    : TQvSkinBorderPanel(AOwner), FValues(std::make_unique<TStringList>()) {
  FControlStyle = {csAcceptsControls, csCaptureMouse, csOpaque, csDoubleClicks, csReplicatable};
  SetTabStop(true);
  SetColor(clWhite);
  SetBounds(Left(), Top(), 140, 26);
  SetAlpha(255);
  SetTransparent(false);
  SetCMMouse(false);
  FListBox = new TQvPopupListBox(this);
  FListBox->FCustomComboBox = this;
  FItemHeight = FListBox->DefaultItemHeight();
  TQvListBox* List = FListBox->ListBox;
  FListBoxWindowProc = List->WindowProc;
  List->WindowProc = [this](TMessage& M) { ListWndProc(M); };
  FListBox->OnCheckButtonClick = [this](TObject*) { CloseUp(true); };
  FLikeMenu = new TQvLikeMenuDlg(this);
  FLikeMenu->OnMouseClickOutside = [this](TObject*) {
    if (FDropDown && !FLBDown) CloseUp(false);
  };
  FValues->OnChange = [this](TObject*) {
    TScopedValue<bool> Force(FForceSetValue, true);
    SetValue(FValue);
  };
  if (FStyle == csDropDown) ShowEditor();
  CalcRects();
}

TQvSkinCustomComboBox::~TQvSkinCustomComboBox() {
  FValues->OnChange = nullptr;
  if (HandleAllocated()) KillTimer(Handle(), kScrollTimer);
  if (FListBox && FListBoxWindowProc) FListBox->ListBox->WindowProc = FListBoxWindowProc;
  if (FEdit && FEditWindowProc) FEdit->WindowProc = FEditWindowProc;
}

bool TQvSkinCustomComboBox::Loading() const {
  return ComponentState().Contains(csLoading);
}

// ---- layout and drawing ------------------------------------------------------------------

void TQvSkinCustomComboBox::CalcRects() {
  TQvSkinImage* Arrow = SkinPicture(FDropArrowNormal);
  const TQvComboRects R = QvComboRects(Width(), Height(), Arrow ? Arrow->Width() : 0);
  Button.R = R.Button;
  FCBItem.R = R.Item;
  if (!FEdit) return;
  FEdit->SetBounds(R.Edit.Left, R.Edit.Top, R.Edit.Width(), R.Edit.Height());
}

void TQvSkinCustomComboBox::DrawBody(TBitmap32* Bitmap) {
  TQvSkinBorderPanel::DrawBody(Bitmap);
  if (TQvSkinImage* P = SkinPicture(Button.MouseIn ? FDropArrowHot : FDropArrowNormal)) {
    P->SetDrawMode(dmBlend);
    P->DrawTo(Bitmap, Button.R.Left + (Button.R.Width() - P->Width()) / 2,
              Button.R.Top + (Button.R.Height() - P->Height()) / 2);
  }
  if (FEdit || FCBItem.R.Width() <= 0) return;
  const int W = FCBItem.R.Width(), H = FCBItem.R.Height() - 2;
  if (H <= 0) return;
  const bool Focus = Focused() && Alpha() > 0;
  const TColor Fill = Focus ? FMenuItemSeletedColor : Color();
  const TColor Ink = Focus ? FMenuItemSeletedFontColor : Font()->Color();
  TBitmap Face(W, H);
  TCanvas& C = Face.Canvas();
  if (Alpha() > 0) {
    C.Brush().SetColor(Fill);
    C.FillRect(Rect(0, 0, W, H));
  } else {
    Bitmap->DrawTo(C.Handle(), Rect(0, 0, W, H),
                   Rect(FCBItem.R.Left, FCBItem.R.Top, FCBItem.R.Left + W, FCBItem.R.Top + H));
  }
  C.Font().Assign(Font());
  C.Font().SetColor(Ink);
  const int Index = FDropDown ? FOldItemIndex : FListBox->ItemIndex();
  FCBItem.State = Focused() ? TOwnerDrawState{odFocused} : TOwnerDrawState{};
  if (Index >= 0 && Index < Items()->Count()) {
    if (OnComboBoxDrawItem) {
      OnComboBoxDrawItem(this, &C, Index, W, H, Rect(0, 0, W, H), FCBItem.State);
    } else {
      C.Brush().SetStyle(bsClear);
      TRect T = Rect(2, (H - C.TextHeight(L"Wg")) / 2, W, H);
      String S = Items()->Strings(Index);
      C.TextRect(T, S, {tfSingleLine, tfEndEllipsis, tfNoPrefix});
    }
  }
  Bitmap->Draw(Rect(FCBItem.R.Left, FCBItem.R.Top, FCBItem.R.Left + W, FCBItem.R.Top + H),
               Rect(0, 0, W, H), C.Handle());
  if (Focused() && ShowsFocusCues()) DrawFocusCue(*Bitmap, FCBItem.R);
}

// ---- properties --------------------------------------------------------------------------

int TQvSkinCustomComboBox::ItemIndex() const {
  return FListBox->ItemIndex();
}

void TQvSkinCustomComboBox::SetItemIndex(int Value) {
  FListBox->SetItemIndex(Value);  // raises for an index outside the items
  const int I = FListBox->ItemIndex();
  SetText(I >= 0 && I < Items()->Count() ? Items()->Strings(I) : String());
  FOldItemIndex = I;
  if (!FEdit) Invalidate();
  if (!Loading()) {
    FireClickOrNothing();
    Change();
  }
  NotifyAccessible(aeValueChange);
}

void TQvSkinCustomComboBox::FireClickOrNothing() {
  if (!OnChange && OnClick) OnClick(this);
}

void TQvSkinCustomComboBox::SetItemHeight(int Value) {
  if (Value <= 0) return;
  FItemHeight = Value;
  FListBox->SetDefaultItemHeight(Value);
}

void TQvSkinCustomComboBox::SetDropDownCount(int Value) {
  if (Value > 0) FDropDownCount = Value;
}

void TQvSkinCustomComboBox::SetDropArrowHot(const TQvResID& Value) {
  Change(FDropArrowHot, Value);
}

void TQvSkinCustomComboBox::SetDropArrowNormal(const TQvResID& Value) {
  if (UpdateField(FDropArrowNormal, Value)) {
    CalcRects();
    Invalidate();
  }
}

void TQvSkinCustomComboBox::SetStyle(TQvSkinCustomComboBoxStyle Value) {
  if (Designing() && Value == FStyle) return;
  FStyle = Value;
  if (FStyle == csDropDown) {
    ShowEditor();
    if (!Designing()) {
      FEdit->SetTabStop(TabStop());
      if (TabStop()) SetTabStop(false);
    }
    FEdit->SetText(Text());
    if (Focused() && FEdit->CanFocus()) FEdit->SetFocus();
  } else if (FEdit) {
    HideEditor();
    if (!Designing()) SetTabStop(true);
  }
  CalcRects();
  Invalidate();
}

int TQvSkinCustomComboBox::SelStart() const {
  return FEdit ? FEdit->SelStart() : 0;
}
void TQvSkinCustomComboBox::SetSelStart(int Value) {
  if (FEdit) FEdit->SetSelStart(Value);
}
int TQvSkinCustomComboBox::SelLength() const {
  return FEdit ? FEdit->SelLength() : 0;
}
void TQvSkinCustomComboBox::SetSelLength(int Value) {
  if (FEdit) FEdit->SetSelLength(Value);
}

// ---- values ------------------------------------------------------------------------------

String TQvSkinCustomComboBox::GetItemValue(int Index) const {
  if (Index >= 0 && Index < FValues->Count() && !FValues->Strings(Index).empty())
    return FValues->Strings(Index);
  if (Index >= 0 && Index < Items()->Count()) return Items()->Strings(Index);
  return String();
}

String TQvSkinCustomComboBox::Value() {
  const int I =
      FStyle == csDropDownList ? ItemIndex() : (Text().empty() ? -1 : Items()->IndexOf(Text()));
  if (I >= 0 && I < FValues->Count() && !FValues->Strings(I).empty()) {
    FValue = FValues->Strings(I);
    return FValue;
  }
  return Text();
}

void TQvSkinCustomComboBox::SetValue(const String& V) {
  if (V == FValue && !FForceSetValue) return;
  if (FInSetValue) return;
  TScopedValue<bool> In(FInSetValue, true);
  int Found = -1;
  for (int I = 0; I < Items()->Count() && Found < 0; ++I)
    if (GetItemValue(I) == V) Found = I;
  SetItemIndex(Found);
  FValue = V;
}

void TQvSkinCustomComboBox::AddItemValue(const String& Item, const String& Value) {
  const int I = Items()->Add(Item);
  while (FValues->Count() < I) FValues->Add(String());
  FValues->Insert(std::min(I, FValues->Count()), Value);
}

void TQvSkinCustomComboBox::InsertItemValue(int Index, const String& Item, const String& Value) {
  if (Index < 0 || Index > Items()->Count())
    throw EListError(L"List index out of bounds (" + std::to_wstring(Index) + L")");
  Items()->Insert(Index, Item);
  while (FValues->Count() < Index) FValues->Add(String());
  FValues->Insert(Index, Value);
}

void TQvSkinCustomComboBox::DeleteItemValue(int Index) {
  if (Index < 0 || Index >= Items()->Count())
    throw EListError(L"List index out of bounds (" + std::to_wstring(Index) + L")");
  Items()->Delete(Index);
  if (Index < FValues->Count()) FValues->Delete(Index);
  if (FOldItemIndex >= Items()->Count()) FOldItemIndex = Items()->Count() - 1;
}

void TQvSkinCustomComboBox::ClearItemsValues() {
  Items()->Clear();
  FValues->Clear();
  FOldItemIndex = -1;
}

// ---- the popup ---------------------------------------------------------------------------

void TQvSkinCustomComboBox::DropDown() {
  if (OnDropDown) OnDropDown(this);
  if (Destroying()) return;
  const int H = FItemHeight;
  WasInLB = false;
  SetTimerMode(0);
  TPoint Below = {Left() + 1, Top() + Height()};
  if (Parent()) Below = Parent()->ClientToScreen(Below);
  int WorkBottom = GetSystemMetrics(SM_CYSCREEN);
  if (Screen)
    if (TMonitor* M = Screen->MonitorFromWindow(Handle())) WorkBottom = M->WorkareaRect().Bottom;
  const TQvDropPlacement P = QvComboDropPlacement(Below, Width(), Height(), FListBoxWidth,
                                                  Items()->Count(), FDropDownCount, H, WorkBottom);
  if (FEdit && FEdit->CanFocus() && !FEdit->Focused()) FEdit->SetFocus();
  FListBox->Font()->Assign(Font());
  FListBox->SetDefaultItemHeight(H);
  FListBox->SetRowCount(P.Rows);
  FListBox->SetBounds(FListBox->Left(), FListBox->Top(), P.Width, P.Height);
  FOldItemIndex = FListBox->ItemIndex();
  FDropDown = true;
  if (FOldItemIndex >= 0) FListBox->SetTopIndex(FOldItemIndex);
  FListBox->Show(P.Origin);
  FListBox->UpDateScrollBar();
  if (!FLBDown) ArmOutsideClick();
  Invalidate();
  NotifyAccessible(aeStateChange);
}

void TQvSkinCustomComboBox::CloseUp(bool Accept) {
  SetTimerMode(0);
  if (!FListBox->Visible()) return;
  FListBox->Hide();
  const int I = FListBox->ItemIndex();
  if (I == -1) {
    if (FOldItemIndex >= 0 && FOldItemIndex < Items()->Count())
      FListBox->SetItemIndex(FOldItemIndex);
  } else if (Accept && I < Items()->Count()) {
    const String& S = Items()->Strings(I);
    if (FEdit) {
      FEdit->SetText(S);
      FEdit->SelectAll();
    } else {
      SetText(S);
      Invalidate();
    }
    FOldItemIndex = I;
    FireClickOrNothing();
    Change();
  } else if (!Accept) {
    FListBox->SetItemIndex(FOldItemIndex >= 0 && FOldItemIndex < Items()->Count() ? FOldItemIndex
                                                                                  : -1);
  }
  FDropDown = false;
  DisarmOutsideClick();
  Invalidate();
  NotifyAccessible(aeStateChange);
  if (OnCloseUp) OnCloseUp(Accept ? this : nullptr);
}

void TQvSkinCustomComboBox::ArmOutsideClick() {
  if (FCloseOnClickOutside) FLikeMenu->Capture(FListBox);
}

void TQvSkinCustomComboBox::DisarmOutsideClick() {
  if (FLikeMenu->DestWin()) FLikeMenu->Capture(nullptr);
}

void TQvSkinCustomComboBox::FindLBItem(const String& S) {
  const int Start = S.size() == 1 ? FListBox->ItemIndex() : -1;
  const int I = QvFindPrefix(Items()->Lines(), S, Start);
  if (I >= 0) SetItemIndex(I);
}

bool TQvSkinCustomComboBox::MoveBy(TQvComboMove Move, bool Commit) {
  const int Old = FListBox->ItemIndex();
  const int I = QvComboMoveIndex(Move, Old, Items()->Count(), FDropDownCount);
  if (I == Old || I < 0) return false;
  if (Commit)
    SetItemIndex(I);
  else
    FListBox->SetItemIndex(I);
  return true;
}

// ---- mouse -------------------------------------------------------------------------------

void TQvSkinCustomComboBox::MouseDown(TMouseButton Btn, TShiftState Shift, int X, int Y) {
  TQvSkinBorderPanel::MouseDown(Btn, Shift, X, Y);
  if (!FEdit && !Focused() && CanFocus()) SetFocus();
  if (Btn != mbLeft) return;
  const TPoint P{X, Y};
  const bool OnFace = !FEdit && X >= FCBItem.R.Left && Y >= FCBItem.R.Top && X < FCBItem.R.Right &&
                      Y < FCBItem.R.Bottom;
  Button.MouseIn = Contains(Button.R, P);
  if (Button.MouseIn || OnFace) {
    Button.Down = true;
    Invalidate();
    if (FListBox->Visible()) {
      CloseUp(false);
    } else {
      WasInLB = false;
      FLBDown = true;
      DropDown();
    }
  } else if (FListBox->Visible()) {
    CloseUp(false);
  }
}

void TQvSkinCustomComboBox::MouseMove(TShiftState Shift, int X, int Y) {
  TQvSkinBorderPanel::MouseMove(Shift, X, Y);
  if (FLBDown) {
    ProcessListBox();
    return;
  }
  const bool In = Contains(Button.R, TPoint{X, Y});
  if (In != Button.MouseIn) {
    Button.MouseIn = In;
    Invalidate();
  }
}

void TQvSkinCustomComboBox::MouseUp(TMouseButton Btn, TShiftState Shift, int X, int Y) {
  if (FLBDown && WasInLB) {
    if (FSetCapture) ReleaseCapture();
    FSetCapture = false;
    FLBDown = false;
    POINT C;
    GetCursorPos(&C);
    HWND Under = WindowFromPoint(C);
    CloseUp(FListBox->ListBox->HandleAllocated() && Under == FListBox->ListBox->Handle());
  } else {
    FLBDown = false;
    if (FDropDown) ArmOutsideClick();
  }
  SetTimerMode(0);
  TQvSkinBorderPanel::MouseUp(Btn, Shift, X, Y);
  if (Button.Down) {
    Button.Down = false;
    Invalidate();
  }
}

void TQvSkinCustomComboBox::HighlightAt(int Y) {
  TQvListBox* L = FListBox->ListBox;
  const int I = L->ItemAtPos(TPoint{1, Y}, true);
  if (I >= 0 && I != L->ItemIndex()) L->SetItemIndex(I);
}

void TQvSkinCustomComboBox::ProcessListBox() {
  if (!FListBox->Visible()) return;
  TQvListBox* L = FListBox->ListBox;
  POINT C;
  GetCursorPos(&C);
  const TPoint P = L->ScreenToClient(TPoint{C.x, C.y});
  const bool Bar = FListBox->ScrollBar != nullptr;
  if (P.Y < 0 && Bar && WasInLB) {
    SetTimerMode(1);
  } else if (P.Y > L->Height() && Bar && WasInLB) {
    SetTimerMode(2);
  } else if (P.Y >= 0 && P.Y <= L->Height()) {
    SetTimerMode(0);
    HighlightAt(P.Y);
    WasInLB = true;
  }
}

void TQvSkinCustomComboBox::SetTimerMode(int Mode) {
  if (Mode == TimerMode) return;
  TimerMode = Mode;
  if (!HandleAllocated()) return;
  if (Mode == 0)
    KillTimer(Handle(), kScrollTimer);
  else
    SetTimer(Handle(), kScrollTimer, ScrollInterval, nullptr);
}

void TQvSkinCustomComboBox::TimerTick() {
  TQvListBox* L = FListBox->ListBox;
  const int I = L->ItemIndex();
  if (TimerMode == 1 && I >= 1) L->SetItemIndex(I - 1);
  if (TimerMode == 2 && I < L->Count() - 1) L->SetItemIndex(I + 1);
}

// The popup's inner list: presses belong to the combo box, which accepts on release.
void TQvSkinCustomComboBox::ListWndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
      FLBDown = true;
      WasInLB = true;
      DisarmOutsideClick();
      SetCapture(Handle());
      FSetCapture = true;
      return;
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_LBUTTONDBLCLK:
      return;
    case WM_MOUSEACTIVATE:
      Message.Result = MA_NOACTIVATE;
      return;
  }
  FListBoxWindowProc(Message);
  if (Message.Msg == WM_MOUSEMOVE && !FLBDown && FDropDown)
    HighlightAt(short(HIWORD(Message.LParam)));
}

// ---- keyboard ----------------------------------------------------------------------------

void TQvSkinCustomComboBox::KeyDown(uint16_t& Key, TShiftState Shift) {
  TQvSkinBorderPanel::KeyDown(Key, Shift);
  const bool Alt = Shift.Contains(ssAlt);
  switch (Key) {
    case VK_RETURN:
      if (FListBox->Visible()) CloseUp(true);
      break;
    case VK_ESCAPE:
      if (FListBox->Visible()) CloseUp(false);
      break;
    case VK_PRIOR:
      MoveBy(cmPageUp, true);
      break;
    case VK_NEXT:
      MoveBy(cmPageDown, true);
      break;
    case VK_HOME:
      MoveBy(cmHome, true);
      break;
    case VK_END:
      MoveBy(cmEnd, true);
      break;
    case VK_UP:
    case VK_LEFT:
      if (Alt) {
        if (FListBox->Visible()) CloseUp(false);
      } else {
        MoveBy(cmUp, true);
      }
      break;
    case VK_DOWN:
    case VK_RIGHT:
      if (Alt) {
        if (!FListBox->Visible()) DropDown();
      } else {
        MoveBy(cmDown, true);
      }
      break;
  }
}

void TQvSkinCustomComboBox::KeyPress(wchar_t& Key) {
  TQvSkinBorderPanel::KeyPress(Key);
  if (Key < L' ' || FEdit) return;
  FindLBItem(FSearch.Type(Key, Ticks(), FAutoComplete));
}

// ---- the embedded edit -------------------------------------------------------------------

void TQvSkinCustomComboBox::ShowEditor() {
  HideEditor();
  FEdit = new TQvSkinEdit(this);
  FEdit->SetBorderVisible(false);
  FEdit->Space()->SetActive(false);
  FEdit->SetColor(Color());
  FEdit->Font()->Assign(Font());
  FEdit->OnChange = [this](TObject*) { EditChange(); };
  FEdit->OnDblClick = [this](TObject*) {
    if (OnDblClick) OnDblClick(this);
  };
  FEdit->OnKeyDown = [this](TObject*, uint16_t& K, TShiftState S) {
    if (OnKeyDown) OnKeyDown(this, K, S);
  };
  FEdit->OnKeyPress = [this](TObject*, wchar_t& K) {
    if (OnKeyPress) OnKeyPress(this, K);
  };
  FEdit->OnKeyUp = [this](TObject*, uint16_t& K, TShiftState S) {
    if (OnKeyUp) OnKeyUp(this, K, S);
  };
  FEditWindowProc = FEdit->WindowProc;
  FEdit->WindowProc = [this](TMessage& M) { EditWndProc(M); };
  FEdit->SetParent(this);
  CalcRects();
}

void TQvSkinCustomComboBox::HideEditor() {
  if (!FEdit) return;
  TQvSkinEdit* E = FEdit;
  FEdit = nullptr;
  E->WindowProc = FEditWindowProc;
  FEditWindowProc = nullptr;
  E->Hide();
  delete E;
}

void TQvSkinCustomComboBox::EditWndProc(TMessage& Message) {
  const TWndMethod Old = FEditWindowProc;
  switch (Message.Msg) {
    case WM_SETFOCUS:
    case CM_MOUSEENTER:
      UpdateFrame(true, true);
      FMouseInEdit = true;
      break;
    case CM_MOUSELEAVE:
      FMouseInEdit = false;
      break;
    case WM_KILLFOCUS:
      UpdateFrame(true, false);
      if (FListBox->Visible()) CloseUp(false);
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      if (FListBox->Visible()) CloseUp(false);
      break;
    case CM_CANCELMODE: {
      auto* From = reinterpret_cast<TControl*>(Message.LParam);
      if (From != this && From != FListBox && From != FListBox->ListBox &&
          From != FListBox->ScrollBar && FListBox->Visible())
        CloseUp(false);
      break;
    }
    case WM_MOUSEWHEEL:
      if (GET_WHEEL_DELTA_WPARAM(Message.WParam) > 0)
        EditUp(!FListBox->Visible());
      else
        EditDown(!FListBox->Visible());
      break;
    case WM_KEYDOWN:
      switch (Message.WParam) {
        case VK_RETURN:
          if (FListBox->Visible()) CloseUp(true);
          break;
        case VK_ESCAPE:
          if (FListBox->Visible()) CloseUp(false);
          break;
        case VK_PRIOR:
          if (FListBox->Visible()) MoveBy(cmPageUp, false);
          break;
        case VK_NEXT:
          if (FListBox->Visible()) MoveBy(cmPageDown, false);
          break;
        case VK_UP:
          if (GetKeyState(VK_MENU) < 0) {
            if (FListBox->Visible()) CloseUp(false);
          } else {
            EditUp(true);
          }
          return;
        case VK_DOWN:
          if (GetKeyState(VK_MENU) < 0) {
            if (!FListBox->Visible()) DropDown();
          } else {
            EditDown(true);
          }
          return;
      }
      break;
    case WM_KEYUP:
      if (Message.WParam > 47 && Message.WParam != VK_DELETE) {
        if (Old) Old(Message);
        if (FAutoComplete) FindLBItemFromEdit();
        return;
      }
      break;
  }
  if (Old) Old(Message);
}

void TQvSkinCustomComboBox::EditUp(bool Commit) {
  const int I = FListBox->ItemIndex();
  if (I <= 0) return;
  SetItemIndex(I - 1);
  if (Commit && FEdit) FEdit->SelectAll();
}

void TQvSkinCustomComboBox::EditDown(bool Commit) {
  const int I = FListBox->ItemIndex();
  if (I >= Items()->Count() - 1) return;
  FListBox->SetItemIndex(I + 1);
  if (!Commit) return;
  SetText(Items()->Strings(I + 1));
  FOldItemIndex = I + 1;
  if (FEdit) FEdit->SelectAll();
  FireClickOrNothing();
}

void TQvSkinCustomComboBox::FindLBItemFromEdit() {
  const unsigned Now = Ticks();
  if (Now - FLastCompleteTime < CompleteInterval) return;
  FLastCompleteTime = Now;
  const String T = Text();
  if (T.empty() || !FEdit) return;
  // The edit's change already selected the first match: it counts, so the search
  // starts at the current item rather than after it.
  const int Start = T.size() == 1 ? std::max(FListBox->ItemIndex() - 1, -1) : -1;
  const int I = QvFindPrefix(Items()->Lines(), T, Start);
  if (I < 0) return;
  const int L = int(T.size());
  SetItemIndex(I);
  FEdit->SetSelStart(L);
  FEdit->SetSelLength(int(FEdit->Text().size()) - L);
}

void TQvSkinCustomComboBox::EditChange() {
  TScopedValue<bool> From(FromEdit, true);
  const String T = FEdit->Text();
  if (!T.empty()) {
    const int I = QvFindPrefix(Items()->Lines(), T, -1);
    if (I >= 0) {
      if (FAutoComplete)
        FListBox->SetItemIndex(I);
      else
        FListBox->SetTopIndex(I);
    }
  }
  SetText(T);
}

void TQvSkinCustomComboBox::TextChanged() {
  if (FEdit && !FromEdit) {
    const String Mine = Text();
    FEdit->SetText(Mine);
  }
  if (OnChange) OnChange(this);
  if (FromEdit) Change();
  NotifyAccessible(aeValueChange);
}

// ---- messages ----------------------------------------------------------------------------

void TQvSkinCustomComboBox::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_TIMER:
      if (Message.WParam == kScrollTimer) {
        TimerTick();
        return;
      }
      break;
    case CM_WANTSPECIALKEY:
      switch (Message.WParam) {
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
          Message.Result = 1;
          return;
        case VK_RETURN:
        case VK_ESCAPE:
          if (FListBox->Visible()) {
            Message.Result = 1;
            return;
          }
          break;
      }
      break;
    case WM_SETFOCUS:
      if (FEdit && FEdit->CanFocus()) {
        FEdit->SetFocus();
        return;
      }
      TQvSkinBorderPanel::WndProc(Message);
      Invalidate();
      return;
    case WM_KILLFOCUS:
      TQvSkinBorderPanel::WndProc(Message);
      if (!FEdit && FListBox->Visible()) CloseUp(false);
      Invalidate();
      UpdateFrame(true, false);
      return;
    case WM_MOUSEWHEEL:
      if (!FEdit) {
        const bool Up = GET_WHEEL_DELTA_WPARAM(Message.WParam) > 0;
        MoveBy(Up ? cmUp : cmDown, !FListBox->Visible());
        Message.Result = 1;
        return;
      }
      break;
    case CM_MOUSEENTER:
      TQvSkinBorderPanel::WndProc(Message);
      if (!Designing()) {
        FMouseIn = true;
        UpdateFrame(true, true);
      }
      return;
    case CM_MOUSELEAVE:
      TQvSkinBorderPanel::WndProc(Message);
      FMouseIn = false;
      if (Button.MouseIn) {
        Button.MouseIn = false;
        Invalidate();
      }
      if (!(FEdit ? (FEdit->Focused() || FMouseInEdit) : Focused())) UpdateFrame(true, false);
      return;
    case CM_CANCELMODE:
      if (reinterpret_cast<TControl*>(Message.LParam) != this && FListBox->Visible())
        CloseUp(false);
      break;
    case CM_ENABLEDCHANGED:
      if (!Designing()) {
        if (!Enabled()) {
          FOldFontColor = Font()->Color() == TColor(0xCCCCCC) ? 0 : Font()->Color();
          Font()->SetColor(TColor(0xCCCCCC));
        } else {
          Font()->SetColor(FOldFontColor);
        }
        if (FEdit) FEdit->Font()->SetColor(Font()->Color());
        Invalidate();
      }
      break;
    case CM_TEXTCHANGED:
      TQvSkinBorderPanel::WndProc(Message);
      TextChanged();
      return;
    case CM_FONTCHANGED:
      TQvSkinBorderPanel::WndProc(Message);
      if (FEdit) {
        FEdit->Font()->Assign(Font());
        CalcRects();
      }
      return;
    case WM_SIZE:
      TQvSkinBorderPanel::WndProc(Message);
      CalcRects();
      return;
  }
  TQvSkinBorderPanel::WndProc(Message);
}

TQvAccessibleInfo TQvSkinCustomComboBox::AccessibleInfo() const {
  TQvAccessibleInfo Info;
  Info.Role = arComboBox;
  SetAccessibleCaption(Info, Name());
  Info.Value = Text();
  Info.State.Include(asFocusable);
  Info.State.Include(asHasPopup);
  Info.State.Include(FDropDown ? asExpanded : asCollapsed);
  if (Focused() || (FEdit && FEdit->Focused())) Info.State.Include(asFocused);
  if (!Enabled()) Info.State.Include(asDisabled);
  Info.DefaultAction = FDropDown ? L"Close" : L"Open";
  return Info;
}

const TPropTable& TQvSkinCustomComboBox::Properties() const {
  using C = TQvSkinCustomComboBox;
  static const TPropTable Table = TQvSkinBorderPanel::Properties().With({
      Prop(L"AutoComplete", &C::AutoComplete, &C::SetAutoComplete, DefaultAutoComplete),
      ResIDProp(L"DropArrowHot", &C::DropArrowHot, &C::SetDropArrowHot, DefaultDropArrowHot),
      ResIDProp(L"DropArrowNormal", &C::DropArrowNormal, &C::SetDropArrowNormal,
                DefaultDropArrowNormal),
      Prop(L"DropDownCount", &C::DropDownCount, &C::SetDropDownCount, DefaultDropDownCount),
      Prop(L"MenuFrameColor", &C::MenuFrameColor, &C::SetMenuFrameColor, DefaultMenuFrameColor),
      Prop(L"MenuItemBackgroudColor", &C::MenuItemBackgroudColor, &C::SetMenuItemBackgroudColor,
           DefaultMenuItemBackgroudColor),
      Prop(L"MenuItemNormalFontColor", &C::MenuItemNormalFontColor, &C::SetMenuItemNormalFontColor,
           DefaultMenuItemNormalFontColor),
      Prop(L"MenuItemSeletedColor", &C::MenuItemSeletedColor, &C::SetMenuItemSeletedColor,
           DefaultMenuItemSeletedColor),
      Prop(L"MenuItemSeletedFontColor", &C::MenuItemSeletedFontColor,
           &C::SetMenuItemSeletedFontColor, DefaultMenuItemSeletedFontColor),
      EnumProp(L"Style", &C::Style, &C::SetStyle, DefaultStyle, TQvSkinCustomComboBoxStyleNames),
  });
  return Table;
}

}  // namespace qv
