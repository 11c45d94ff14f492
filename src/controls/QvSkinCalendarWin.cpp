#include <windows.h>

#include "controls/QvAccessibleWin.h"
#include "controls/QvSkinCalendar.h"
#include "graphics/QvComm.h"
#include "host/Font.h"
#include "host/Platform.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinCalendar>(), true);

std::unique_ptr<TFont> NewFont(int Size) {
  auto F = std::make_unique<TFont>();
  F->SetSize(Size);
  F->SetColor(clBlack);
  return F;
}

}  // namespace

TQvSkinCalendar::TQvSkinCalendar(TComponent* AOwner)
    : TQvSkinCustomPanel(AOwner),
      FHeaderFont(NewFont(DefaultHeaderFontSize)),
      FCellFont(NewFont(DefaultCellFontSize)) {
  SetTabStop(true);
  SetAlpha(0);
  SetDoubleBorder(false);
  SetWidth(232);
  SetHeight(157);
}

TQvSkinCalendar::~TQvSkinCalendar() = default;

void TQvSkinCalendar::Rebuild() {
  FResetCells = true;
  Invalidate();
}

void TQvSkinCalendar::SetYear(int Value) {
  if (FModel.SetYear(Value)) DateMoved();
}
void TQvSkinCalendar::SetMonth(int Value) {
  if (FModel.SetMonth(Value)) DateMoved();
}
void TQvSkinCalendar::SetFocusDay(int Value) {
  if (!FModel.SetFocusDay(Value)) return;
  Invalidate();
  NotifyAccessible(aeValueChange);
}
void TQvSkinCalendar::SetDate(TDateTime Value) {
  if (FModel.SetDate(Value)) DateMoved();
}
void TQvSkinCalendar::GoToday() {
  if (FModel.GoToday()) DateMoved();
}
void TQvSkinCalendar::SetMinDate(TDate Value) {
  if (FModel.SetMinDate(Value)) DateMoved();
}
void TQvSkinCalendar::SetMaxDate(TDate Value) {
  if (FModel.SetMaxDate(Value)) DateMoved();
}
void TQvSkinCalendar::SetRange(TDate AMin, TDate AMax) {
  if (FModel.SetRange(AMin, AMax)) DateMoved();
}

void TQvSkinCalendar::DateMoved() {
  Rebuild();
  NotifyAccessible(aeValueChange);
}

void TQvSkinCalendar::SetHeaderFont(TFont* Value) {
  FHeaderFont->Assign(Value);
}
void TQvSkinCalendar::SetCellFont(TFont* Value) {
  FCellFont->Assign(Value);
}

void TQvSkinCalendar::ResetCells() {
  if (!FResetCells) return;
  FResetCells = false;
  FModel.ResetCells(Width(), Height(), GetDPIScaledPixels(this, FHeaderHeight), FPadding);
  if (OnChanged) OnChanged(this);
}

// ---- painting -------------------------------------------------------------------------

void TQvSkinCalendar::DrawBody(TBitmap32* Bitmap) {
  auto Updating = UpdateScope(*Bitmap);
  ResetCells();
  const TRect& Header = FModel.HeaderRect();
  Bitmap->FillRectS(Header, Color32(FHeaderColor));
  Bitmap->HorzLineTS(0, Header.Bottom - 1, Width() - 1, Color32(FFrameColor));
  if (AppIsHighDPIMode()) {
    FHeaderFont->SetSize(Font()->Size() + 1);
    FCellFont->SetSize(Font()->Size());
  }
  Bitmap->Font()->Assign(FHeaderFont.get());
  for (int C = 0; C < TQvCalendarModel::Cols; ++C)
    Bitmap->Textout(FModel.HeaderColumn(C), DT_SINGLELINE | DT_VCENTER | DT_CENTER, FWeekText[C]);

  const int Focus = int(Date());
  Bitmap->Font()->Assign(FCellFont.get());
  for (int C = 0; C < TQvCalendarModel::Cols; ++C)
    for (int R = 0; R < TQvCalendarModel::Rows; ++R) {
      TDayCell& Cell = FModel.Cell(C, R);
      TColor32 Fill = Color32(FCellColor);
      if (int(Cell.Date) == Focus)
        Fill = Color32(FCellFocusColor);
      else if (&Cell == FHotCell)
        Fill = qv::SetAlpha(Color32(FCellFocusColor), 128);
      Bitmap->FillRectTS(Cell.Rect, Fill);
      Bitmap->Font()->SetColor(FModel.TextColor(C, Cell, FCellFont->Color(), FHolidayTextColor));
      Bitmap->Textout(Cell.Rect, DT_SINGLELINE | DT_VCENTER | DT_CENTER, Cell.Text);
      if (OnCellDrawing) OnCellDrawing(this, Bitmap->Canvas(), Cell);
    }
  Bitmap->FrameRectTS(0, 0, Width(), Height(), Color32(FFrameColor));
  if (Focused() && ShowsFocusCues())
    if (const TDayCell* Cell = FModel.CellOf(Date())) DrawFocusCue(*Bitmap, Cell->Rect);
}

// ---- mouse and keys -------------------------------------------------------------------

void TQvSkinCalendar::MouseMove(TShiftState Shift, int X, int Y) {
  TQvSkinCustomPanel::MouseMove(Shift, X, Y);
  TDayCell* Cell = FModel.CellAt({X, Y});
  if (!Cell) {
    FHotCell = nullptr;
    Invalidate();
  } else if (!Cell->Disabled && Cell != FHotCell) {
    FHotCell = Cell;
    Invalidate();
  }
}

void TQvSkinCalendar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TQvSkinCustomPanel::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  // The day under the press, not a hot cell kept from an earlier move: a press on a
  // disabled day picks nothing.
  TDayCell* Cell = FModel.CellAt({X, Y});
  if (!Cell || Cell->Disabled) return;
  FHotCell = Cell;
  PickCell(*Cell);
}

void TQvSkinCalendar::MouseLeave() {
  TQvSkinCustomPanel::MouseLeave();
  FHotCell = nullptr;
  Invalidate();
}

// The cells are not rebuilt: a day of a neighbouring month stays on the old grid,
// highlighted, until the owner moves the month.
void TQvSkinCalendar::PickCell(TDayCell& Cell) {
  if (!IsValidSerial(DateSerialOf(Cell.Date))) return;
  FModel.PickDate(Cell.Date);
  Invalidate();
  NotifyAccessible(aeValueChange);
  NotifyAccessibleChild(this, Focused() ? aeFocus : aeStateChange, ChildIndex(&Cell));
  if (OnCellClick) OnCellClick(this, Cell);
}

void TQvSkinCalendar::FocusMoved(bool MonthChanged) {
  if (MonthChanged) {
    FResetCells = true;
    ResetCells();
  }
  Invalidate();
  NotifyAccessible(aeValueChange);
  NotifyAccessibleChild(this, aeFocus, ChildIndex(FModel.CellOf(Date())));
}

void TQvSkinCalendar::KeyDown(uint16_t& Key, TShiftState Shift) {
  TQvSkinCustomPanel::KeyDown(Key, Shift);
  bool Moved = false, MonthChanged = false;
  switch (Key) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: {
      const int Days = Key == VK_LEFT ? -1 : Key == VK_RIGHT ? 1 : Key == VK_UP ? -7 : 7;
      MonthChanged = FModel.MoveFocusBy(Days, Moved);
      break;
    }
    case VK_PRIOR:
    case VK_NEXT: {
      const int Months = (Key == VK_PRIOR ? -1 : 1) * (Shift.Contains(ssCtrl) ? 12 : 1);
      MonthChanged = FModel.MoveFocusByMonths(Months, Moved);
      break;
    }
    case VK_HOME:
    case VK_END:
      Moved = FModel.MoveFocusToMonthEdge(Key == VK_END);
      break;
    case VK_RETURN:
    case VK_SPACE:
      DoAccessibleDefaultAction();
      return;
    default:
      return;
  }
  if (Moved) FocusMoved(MonthChanged);
}

void TQvSkinCalendar::DoEnter() {
  TQvSkinCustomPanel::DoEnter();
  Invalidate();
  NotifyAccessibleChild(this, aeFocus, ChildIndex(FModel.CellOf(Date())));
}

void TQvSkinCalendar::DoExit() {
  TQvSkinCustomPanel::DoExit();
  Invalidate();
}

void TQvSkinCalendar::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE:
      Message.Result = DLGC_WANTARROWS;
      return;
    case WM_SIZE:
      TQvSkinCustomPanel::WndProc(Message);
      Rebuild();
      return;
  }
  TQvSkinCustomPanel::WndProc(Message);
}

// ---- accessibility --------------------------------------------------------------------

int TQvSkinCalendar::ChildIndex(const TDayCell* Cell) const {
  for (int C = 0; C < TQvCalendarModel::Cols; ++C)
    for (int R = 0; R < TQvCalendarModel::Rows; ++R)
      if (&FModel.Cell(C, R) == Cell) return R * TQvCalendarModel::Cols + C;
  return -1;
}

TQvAccessibleInfo TQvSkinCalendar::AccessibleInfo() const {
  TQvAccessibleInfo Info;
  Info.Role = arTable;
  Info.Name = Name();
  Info.Value = IsoDateText(Date());
  Info.DefaultAction = L"Select";
  if (TabStop()) Info.State.Include(asFocusable);
  if (const_cast<TQvSkinCalendar*>(this)->Focused()) Info.State.Include(asFocused);
  if (!Enabled()) Info.State.Include(asDisabled);
  return Info;
}

bool TQvSkinCalendar::DoAccessibleDefaultAction() {
  TDayCell* Cell = FModel.CellOf(Date());
  if (!Enabled() || !Cell || Cell->Disabled) return false;
  PickCell(*Cell);
  return true;
}

TQvAccessibleChild TQvSkinCalendar::AccessibleChild(int Index) const {
  TQvAccessibleChild Child;
  if (Index < 0 || Index >= AccessibleChildCount()) return Child;
  const TDayCell& Cell =
      FModel.Cell(Index % TQvCalendarModel::Cols, Index / TQvCalendarModel::Cols);
  Child.Info.Role = arCell;
  Child.Info.Name = IsoDateText(Cell.Date);
  Child.Bounds = Cell.Rect;
  TQvAccStates& S = Child.Info.State;
  S.Include(asSelectable);
  if (int(Cell.Date) == int(Date())) {
    S.Include(asSelected);
    if (const_cast<TQvSkinCalendar*>(this)->Focused()) S.Include(asFocused);
  }
  if (&Cell == FHotCell) S.Include(asHot);
  if (Cell.Disabled)
    S.Include(asDisabled);
  else
    Child.Info.DefaultAction = L"Select";
  return Child;
}

bool TQvSkinCalendar::DoAccessibleChildAction(int Index) {
  if (Index < 0 || Index >= AccessibleChildCount() || !Enabled()) return false;
  TDayCell& Cell = FModel.Cell(Index % TQvCalendarModel::Cols, Index / TQvCalendarModel::Cols);
  if (Cell.Disabled) return false;
  PickCell(Cell);
  return true;
}

// ---- properties -----------------------------------------------------------------------

const TPropTable& TQvSkinCalendar::Properties() const {
  using C = TQvSkinCalendar;
  static const auto HeaderReference = NewFont(DefaultHeaderFontSize);
  static const auto CellReference = NewFont(DefaultCellFontSize);
  static const TPropTable Table = TQvSkinCustomPanel::Properties().With({
      Prop(L"Alpha", &C::Alpha, &C::SetAlpha, Byte(0)),
      Prop(L"DoubleBorder", &C::DoubleBorder, &C::SetDoubleBorder, false),
      ColorProp(L"CellColor", &C::CellColor, &C::SetCellColor, DefaultCellColor),
      ColorProp(L"CellFocusColor", &C::CellFocusColor, &C::SetCellFocusColor,
                DefaultCellFocusColor),
      ObjectProp(L"CellFont", &C::CellFont, CellReference.get()),
      ColorProp(L"FrameColor", &C::FrameColor, &C::SetFrameColor, DefaultFrameColor),
      ColorProp(L"HeaderColor", &C::HeaderColor, &C::SetHeaderColor, DefaultHeaderColor),
      ObjectProp(L"HeaderFont", &C::HeaderFont, HeaderReference.get()),
      Prop(L"HeaderHeight", &C::HeaderHeight, &C::SetHeaderHeight, DefaultHeaderHeight),
      ColorProp(L"HolidayTextColor", &C::HolidayTextColor, &C::SetHolidayTextColor,
                DefaultHolidayTextColor),
      Prop(L"Padding", &C::Padding, &C::SetPadding),
      // Read before MinDate and MaxDate, which may move the focus day into the range.
      Prop(L"Year", &C::Year, &C::SetYear).Stored(Always),
      Prop(L"Month", &C::Month, &C::SetMonth).Stored(Always),
      Prop(L"FocusDay", &C::FocusDay, &C::SetFocusDay).Stored(Always),
      Prop(L"MinDate", &C::MinDate, &C::SetMinDate),
      Prop(L"MaxDate", &C::MaxDate, &C::SetMaxDate),
      Prop(L"TextSu", &C::TextSu, &C::SetTextSu, DefaultTextSu),
      Prop(L"TextMo", &C::TextMo, &C::SetTextMo, DefaultTextMo),
      Prop(L"TextTu", &C::TextTu, &C::SetTextTu, DefaultTextTu),
      Prop(L"TextWe", &C::TextWe, &C::SetTextWe, DefaultTextWe),
      Prop(L"TextTh", &C::TextTh, &C::SetTextTh, DefaultTextTh),
      Prop(L"TextFr", &C::TextFr, &C::SetTextFr, DefaultTextFr),
      Prop(L"TextSa", &C::TextSa, &C::SetTextSa, DefaultTextSa),
  });
  return Table;
}

}  // namespace qv
