#include <windows.h>

#include <string>

#include "controls/QvAccessibleWin.h"
#include "controls/QvSkinTimeBox.h"
#include "graphics/QvComm.h"
#include "host/Font.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinTimeBox>(), true);

constexpr const wchar_t* TQvBoxKindNames[] = {L"bkHour", L"bkMinute", L"bkSecond"};

bool Inside(const TRect& R, int X, int Y) {
  return X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom;
}

}  // namespace

TQvSkinTimeBox::TQvSkinTimeBox(TComponent* AOwner) : TQvSkinCustomPanel(AOwner) {
  SetTabStop(true);
  SetAlpha(255);
  SetWidth(128);
  SetHeight(128);
}

void TQvSkinTimeBox::SetKind(TQvBoxKind Value) {
  if (Value == FKind) return;
  FKind = Value;
  FHotCell = nullptr;
  FResetCells = true;
  Invalidate();
}

void TQvSkinTimeBox::SetFocusNum(int Value) {
  if (Value == FFocusNum) return;
  FFocusNum = Value;
  Invalidate();
  NotifyAccessible(aeValueChange);
}

const String& TQvSkinTimeBox::Title() const {
  return FKind == bkHour ? FTextHour : FKind == bkMinute ? FTextMinute : FTextSecond;
}

void TQvSkinTimeBox::DoClose() {
  SetVisible(false);
}

void TQvSkinTimeBox::ResetCells() {
  if (!FResetCells) return;
  FResetCells = false;
  FHotCell = nullptr;
  FGrid = TimeBoxGrid(FKind, Width(), Height());
  if (FFocusNum >= FGrid.Count) FFocusNum = 0;
}

void TQvSkinTimeBox::DrawBody(TBitmap32* Bitmap) {
  auto Updating = UpdateScope(*Bitmap);
  TQvSkinCustomPanel::DrawBody(Bitmap);
  ResetCells();
  const TRect Title = GetTitleRect();
  Bitmap->FillRectS(Title, Color32(FHeaderColor));
  Bitmap->FrameRectTS(0, 0, Width(), Height(), Color32(FFrameColor));
  Bitmap->HorzLineTS(0, Title.Bottom, Width() - 1, Color32(FFrameColor));
  const TRect X = TimeBoxCrossRect(Width(), FHotCloseBtn);
  Bitmap->LineS(X.Left + 1, X.Top + 1, X.Right, X.Bottom, clBlack32);
  Bitmap->LineS(X.Right - 1, X.Top + 1, X.Left, X.Bottom, clBlack32);
  Bitmap->Font()->Assign(Font());
  Bitmap->Textout(Title, DT_CENTER | DT_VCENTER | DT_SINGLELINE, this->Title());
  for (int C = 0; C < FGrid.Cols; ++C)
    for (int R = 0; R < FGrid.Rows; ++R) {
      const TQvNumCell& Cell = FGrid.Cell(C, R);
      if (!Cell.Enabled) continue;
      TColor32 Fill = clWhite32;
      if (Cell.Num == FFocusNum)
        Fill = Color32(FCellFocusColor);
      else if (&Cell == FHotCell)
        Fill = qv::SetAlpha(Color32(FCellFocusColor), 128);
      Bitmap->FillRectTS(Cell.Rect, Fill);
      Bitmap->Textout(Cell.Rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE, std::to_wstring(Cell.Num));
    }
  if (Focused() && ShowsFocusCues())
    if (const TQvNumCell* Cell = FGrid.CellOfNum(FFocusNum)) DrawFocusCue(*Bitmap, Cell->Rect);
}

void TQvSkinTimeBox::MouseMove(TShiftState Shift, int X, int Y) {
  TQvSkinCustomPanel::MouseMove(Shift, X, Y);
  const bool InClose = Inside(GetCloseBtnRect(), X, Y);
  if (InClose != FHotCloseBtn) {
    FHotCloseBtn = InClose;
    Invalidate();
  }
  if (InClose) return;
  ResetCells();
  PQvNumCell Cell = FGrid.CellAt({X, Y});
  if (Cell != FHotCell || !Cell) {
    FHotCell = Cell;
    Invalidate();
  }
}

void TQvSkinTimeBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TQvSkinCustomPanel::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  if (Inside(GetCloseBtnRect(), X, Y)) {
    DoClose();
    return;
  }
  // A press without a move first still hits the cell under it.
  if (!FHotCell) MouseMove(Shift, X, Y);
  if (FHotCell && FHotCell->Enabled) Pick(FHotCell->Num);
}

void TQvSkinTimeBox::MouseLeave() {
  TQvSkinCustomPanel::MouseLeave();
  FHotCell = nullptr;
  FHotCloseBtn = false;
  Invalidate();
}

void TQvSkinTimeBox::Pick(int Num) {
  ResetCells();
  const TQvNumCell* Found = FGrid.CellOfNum(Num);
  if (!Found) return;
  TQvNumCell Cell = *Found;
  SetFocusNum(Num);
  if (OnCellClick) OnCellClick(this, Cell);
  DoClose();
}

void TQvSkinTimeBox::KeyDown(uint16_t& Key, TShiftState Shift) {
  TQvSkinCustomPanel::KeyDown(Key, Shift);
  ResetCells();
  int Step = 0;
  switch (Key) {
    case VK_LEFT:
      Step = -1;
      break;
    case VK_RIGHT:
      Step = 1;
      break;
    case VK_UP:
      Step = -FGrid.Cols;
      break;
    case VK_DOWN:
      Step = FGrid.Cols;
      break;
    case VK_HOME:
      Step = -FFocusNum;
      break;
    case VK_END:
      Step = FGrid.Count - 1 - FFocusNum;
      break;
    case VK_RETURN:
    case VK_SPACE:
      Pick(FFocusNum);
      return;
    case VK_ESCAPE:
      DoClose();
      return;
    default:
      return;
  }
  const int Next = FFocusNum + Step;
  if (Step == 0 || Next < 0 || Next >= FGrid.Count) return;
  SetFocusNum(Next);
  NotifyAccessibleChild(this, aeFocus, Next);
}

void TQvSkinTimeBox::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE:
      Message.Result = DLGC_WANTARROWS;
      return;
    case WM_SIZE:
      TQvSkinCustomPanel::WndProc(Message);
      FResetCells = true;
      Invalidate();
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      Invalidate();
      break;
  }
  TQvSkinCustomPanel::WndProc(Message);
}

TQvAccessibleInfo TQvSkinTimeBox::AccessibleInfo() const {
  TQvAccessibleInfo Info;
  Info.Role = arList;
  Info.Name = Title();
  Info.Value = std::to_wstring(FFocusNum);
  Info.DefaultAction = L"Select";
  if (TabStop()) Info.State.Include(asFocusable);
  if (const_cast<TQvSkinTimeBox*>(this)->Focused()) Info.State.Include(asFocused);
  if (!Enabled()) Info.State.Include(asDisabled);
  return Info;
}

bool TQvSkinTimeBox::DoAccessibleDefaultAction() {
  if (!Enabled()) return false;
  Pick(FFocusNum);
  return true;
}

TQvAccessibleChild TQvSkinTimeBox::AccessibleChild(int Index) const {
  TQvAccessibleChild Child;
  const_cast<TQvSkinTimeBox*>(this)->ResetCells();
  const TQvNumCell* Cell = FGrid.CellOfNum(Index);
  if (!Cell) return Child;
  Child.Info.Role = arListItem;
  Child.Info.Name = std::to_wstring(Cell->Num);
  Child.Info.DefaultAction = L"Select";
  Child.Bounds = Cell->Rect;
  Child.Info.State.Include(asSelectable);
  if (Cell->Num == FFocusNum) Child.Info.State.Include(asSelected);
  if (Cell == FHotCell) Child.Info.State.Include(asHot);
  return Child;
}

bool TQvSkinTimeBox::DoAccessibleChildAction(int Index) {
  if (!Enabled() || Index < 0 || Index >= FGrid.Count) return false;
  Pick(Index);
  return true;
}

const TPropTable& TQvSkinTimeBox::Properties() const {
  using C = TQvSkinTimeBox;
  static const TPropTable Table = TQvSkinCustomPanel::Properties().With({
      Prop(L"Alpha", &C::Alpha, &C::SetAlpha, Byte(255)),
      ColorProp(L"CellFocusColor", &C::CellFocusColor, &C::SetCellFocusColor,
                DefaultCellFocusColor),
      Prop(L"FocusNum", &C::FocusNum, &C::SetFocusNum),
      ColorProp(L"FrameColor", &C::FrameColor, &C::SetFrameColor, DefaultFrameColor),
      ColorProp(L"HeaderColor", &C::HeaderColor, &C::SetHeaderColor, DefaultHeaderColor),
      EnumProp(L"Kind", &C::Kind, &C::SetKind, bkHour, TQvBoxKindNames),
      Prop(L"TextHour", &C::TextHour, &C::SetTextHour, DefaultTextHour),
      Prop(L"TextMinute", &C::TextMinute, &C::SetTextMinute, DefaultTextMinute),
      Prop(L"TextSecond", &C::TextSecond, &C::SetTextSecond, DefaultTextSecond),
  });
  return Table;
}

}  // namespace qv
