#include "controls/QvSkinCalendarModel.h"

#include <algorithm>
#include <string>

namespace qv {

namespace {

[[noreturn]] void RangeError(const wchar_t* Format, TDate Limit) {
  String Message = Format;
  Message += IsoDateText(Limit);
  throw EConvertError(Message);
}

}  // namespace

TQvCalendarModel::TQvCalendarModel() {
  SerialToDate(DateSerialOf(Today()), FYear, FMonth, FFocusDay);
}

bool TQvCalendarModel::SetDate(TDateTime Value) {
  if (Value == FDate) return false;
  int Y, M, D;
  if (!DecodeDate(Value, Y, M, D)) return false;
  FDate = Value;
  FYear = Y;
  FMonth = M;
  FFocusDay = D;
  return true;
}

bool TQvCalendarModel::GoToday() {
  int Y, M, D;
  SerialToDate(DateSerialOf(Today()), Y, M, D);
  FYear = Y;
  FMonth = M;
  FFocusDay = std::min(FFocusDay, DaysInAMonth(Y, M));
  return true;
}

bool TQvCalendarModel::SetFocusDay(int Value) {
  if (Value < 1 || Value > DaysInAMonth(FYear, FMonth)) Value = 1;
  if (OutOfRange(DaySerial(FYear, FMonth, Value))) return false;
  if (Value == FFocusDay) return false;
  FFocusDay = Value;
  return true;
}

bool TQvCalendarModel::SetYear(int Value) {
  if (Value < MinDateYear || Value > MaxDateYear || Value == FYear) return false;
  // 29 February in a year without it becomes the 28th instead of an invalid date.
  const int Day = std::min(FFocusDay, DaysInAMonth(Value, FMonth));
  if (OutOfRange(DaySerial(Value, FMonth, Day))) return false;
  FYear = Value;
  FFocusDay = Day;
  return true;
}

bool TQvCalendarModel::SetMonth(int Value) {
  int Y, M;
  if (!RollMonth(FYear, Value, Y, M)) return false;
  if (Y == FYear && M == FMonth) return false;
  const int Days = DaysInAMonth(Y, M);
  const int First = DaySerial(Y, M, 1), Last = First + Days - 1;
  if (BeforeMin(Last) || AfterMax(First)) return false;
  const int Day = std::min(FFocusDay, Days);
  const int Serial = ClampIntoRange(DaySerial(Y, M, Day));
  FYear = Y;
  FMonth = M;
  FFocusDay = Serial - First + 1;
  return true;
}

bool TQvCalendarModel::SetMinDate(TDate Value) {
  if (Value == FMinDate) return false;
  return SetRange(Value, FMaxDate);
}

bool TQvCalendarModel::SetMaxDate(TDate Value) {
  if (Value == FMaxDate) return false;
  return SetRange(FMinDate, Value);
}

bool TQvCalendarModel::SetRange(TDate AMin, TDate AMax) {
  if (AMin != 0 && AMax != 0 && AMin > AMax) {
    if (AMax != FMaxDate) RangeError(L"Date is less than minimum of ", AMin);
    RangeError(L"Date exceeds maximum of ", AMax);
  }
  FMinDate = AMin;
  FMaxDate = AMax;
  FTruncMin = DateSerialOf(AMin);
  FTruncMax = DateSerialOf(AMax);
  const int Current = DaySerial(FYear, FMonth, FFocusDay);
  const int Clamped = ClampIntoRange(Current);
  if (Clamped != Current && IsValidSerial(Clamped)) SerialToDate(Clamped, FYear, FMonth, FFocusDay);
  return true;
}

int TQvCalendarModel::ClampIntoRange(int Serial) const {
  if (BeforeMin(Serial)) return FTruncMin;
  if (AfterMax(Serial)) return FTruncMax;
  return Serial;
}

bool TQvCalendarModel::GoTo(int Serial) {
  int Y, M, D;
  SerialToDate(Serial, Y, M, D);
  const bool MonthChanged = Y != FYear || M != FMonth;
  FYear = Y;
  FMonth = M;
  FFocusDay = D;
  return MonthChanged;
}

bool TQvCalendarModel::PickDate(TDateTime Value) {
  const int Serial = DateSerialOf(Value);
  return IsValidSerial(Serial) && GoTo(Serial);
}

bool TQvCalendarModel::MoveFocusBy(int Days, bool& Moved) {
  const int Target = int(Date()) + Days;
  Moved = Days != 0 && IsValidSerial(Target) && !OutOfRange(Target);
  return Moved && GoTo(Target);
}

bool TQvCalendarModel::MoveFocusByMonths(int Months, bool& Moved) {
  TDateTime Target;
  Moved = false;
  if (!TryIncMonth(Date(), Months, Target)) return false;
  const int Serial = ClampIntoRange(int(Target));
  Moved = Serial != int(Date());
  return Moved && GoTo(Serial);
}

bool TQvCalendarModel::MoveFocusToMonthEdge(bool Last) {
  const int First = DaySerial(FYear, FMonth, 1);
  const int Edge = Last ? First + DaysInAMonth(FYear, FMonth) - 1 : First;
  const int Serial =
      std::clamp(ClampIntoRange(Edge), First, First + DaysInAMonth(FYear, FMonth) - 1);
  if (Serial == int(Date())) return false;
  FFocusDay = Serial - First + 1;
  return true;
}

void TQvCalendarModel::ResetCells(int Width, int Height, int HeaderHeight, int Padding) {
  const TQvMonthGrid Grid = MonthGrid(FYear, FMonth);
  FRowCount = Grid.RowCount;
  FCellWidth = (Width - 8) / 7;
  FCellHeight = (Height - HeaderHeight - 5) / 6;
  FHeaderRect = TRect{0, 0, Width, HeaderHeight};
  for (int C = 0; C < Cols; ++C) {
    const int X = Padding + 1 + C * (FCellWidth + 1);
    FHeaderCols[C] = TRect{X, 0, X + FCellWidth, HeaderHeight};
    for (int R = 0; R < Rows; ++R) {
      const int Y = HeaderHeight + Padding + 1 + R * (FCellHeight + 1);
      const TQvMonthGridCell& G = Grid.Cells[C][R];
      TDayCell& Cell = FCells[C][R];
      Cell.Rect = TRect{X, Y, X + FCellWidth, Y + FCellHeight};
      Cell.IsValidDayOfMonth = G.IsValidDayOfMonth;
      Cell.Date = G.Serial;
      Cell.Text = std::to_wstring(G.Day);
      Cell.Disabled = OutOfRange(G.Serial);
    }
  }
}

TDayCell* TQvCalendarModel::CellAt(TPoint P) {
  for (int C = 0; C < Cols; ++C)
    for (int R = 0; R < Rows; ++R) {
      const TRect& B = FCells[C][R].Rect;
      if (P.X >= B.Left && P.X < B.Right && P.Y >= B.Top && P.Y < B.Bottom) return &FCells[C][R];
    }
  return nullptr;
}

TDayCell* TQvCalendarModel::CellOf(TDateTime Date) {
  const int Serial = DateSerialOf(Date);
  for (auto& Column : FCells)
    for (TDayCell& Cell : Column)
      if (int(Cell.Date) == Serial) return &Cell;
  return nullptr;
}

TColor TQvCalendarModel::TextColor(int Col, const TDayCell& Cell, TColor FontColor,
                                   TColor HolidayColor) const {
  TColor Result = FontColor;
  if (Col == 0 || Col == 6) Result = HolidayColor;
  if (!Cell.IsValidDayOfMonth) Result = kCalendarOtherMonthColor;
  if (Cell.Disabled) Result = kCalendarDisabledColor;
  return Result;
}

}  // namespace qv
