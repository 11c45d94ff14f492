#pragma once
// The calendar's portable state: the shown month, the focus day, the optional
// [MinDate, MaxDate] range and the 6 x 7 day cells laid out in the control. The setters
// answer whether the cells must be rebuilt; the control repaints on its own.
#include "controls/QvDateMath.h"

namespace qv {

// One grid position.
struct TDayCell {
  String Text;                     // the day number shown
  TRect Rect;                      // in the control
  TDateTime Date = 0;              // also for days of the neighbouring months
  bool IsValidDayOfMonth = false;  // the cell belongs to the shown month
  bool Disabled = false;           // before MinDate or after MaxDate
  int Tag = 0;                     // the application's; never written here
};

// Text colours of the greyed cells: outside the shown month, outside the range.
constexpr TColor kCalendarOtherMonthColor = TColor(0x999999);
constexpr TColor kCalendarDisabledColor = TColor(0xC4C4C4);

class TQvCalendarModel {
 public:
  static constexpr int Cols = TQvMonthGrid::Cols, Rows = TQvMonthGrid::Rows;

  // Shows today's month with today as the focus day.
  TQvCalendarModel();

  int Year() const { return FYear; }
  int Month() const { return FMonth; }
  int FocusDay() const { return FFocusDay; }
  // The focus day as a date.
  TDate Date() const { return DaySerial(FYear, FMonth, FFocusDay); }
  TDate MinDate() const { return FMinDate; }
  TDate MaxDate() const { return FMaxDate; }

  // Each answers true when the cells need a rebuild. A refused change answers false and
  // leaves everything as it was.
  // Decodes a value different from the last one given; one outside the valid years is
  // refused.
  bool SetDate(TDateTime Value);
  // Today's year and month; the focus day stays when it exists there.
  bool GoToday();
  // An invalid day becomes 1; a day outside the range is refused. Needs no rebuild, so this
  // answers whether the focus day changed.
  bool SetFocusDay(int Value);
  // Refused outside 1..9999 and when the focus day (clamped to the month) leaves the range.
  bool SetYear(int Value);
  // 0 and 13 roll into the neighbouring years. Refused when the whole target month lies
  // outside the range; the focus day is clamped to the month and into the range.
  bool SetMonth(int Value);
  // Raise EConvertError when the new limit crosses the other one; the old range stays.
  // A value of 0 removes that limit and crosses nothing.
  bool SetMinDate(TDate Value);
  bool SetMaxDate(TDate Value);
  // Both limits at once (stored as MinDate and MaxDate), the focus date moved into them;
  // crossed limits raise as above.
  bool SetRange(TDate AMin, TDate AMax);

  // The whole-day limits, 0 meaning none.
  int TruncMin() const { return FTruncMin; }
  int TruncMax() const { return FTruncMax; }
  bool BeforeMin(int Serial) const { return FTruncMin != 0 && Serial < FTruncMin; }
  bool AfterMax(int Serial) const { return FTruncMax != 0 && Serial > FTruncMax; }
  bool OutOfRange(int Serial) const { return BeforeMin(Serial) || AfterMax(Serial); }

  // Shows the month of a picked day and focuses it; answers whether the month changed.
  bool PickDate(TDateTime Value);

  // Focus moves of the keyboard, by days or by months, into a neighbouring month when
  // needed. Answers true when the shown month changed (rebuild); Moved tells whether the
  // focus moved at all.
  bool MoveFocusBy(int Days, bool& Moved);
  bool MoveFocusByMonths(int Months, bool& Moved);
  // The first or the last day of the shown month allowed by the range.
  bool MoveFocusToMonthEdge(bool Last);

  // Lays out the cells for a control of Width x Height with the (scaled) header height and
  // the grid's left and top inset.
  void ResetCells(int Width, int Height, int HeaderHeight, int Padding);
  int RowCount() const { return FRowCount; }
  int CellWidth() const { return FCellWidth; }
  int CellHeight() const { return FCellHeight; }
  const TRect& HeaderRect() const { return FHeaderRect; }
  const TRect& HeaderColumn(int Col) const { return FHeaderCols[Col]; }
  TDayCell& Cell(int Col, int Row) { return FCells[Col][Row]; }
  const TDayCell& Cell(int Col, int Row) const { return FCells[Col][Row]; }
  // The first cell, column by column, whose rectangle holds P (left and top inclusive).
  TDayCell* CellAt(TPoint P);
  // The cell of a date; nil when the grid does not show it.
  TDayCell* CellOf(TDateTime Date);
  // Cell text colour: FontColor, the holiday colour in the Sunday and Saturday columns,
  // grey outside the month, lighter grey outside the range (later rules win).
  TColor TextColor(int Col, const TDayCell& Cell, TColor FontColor, TColor HolidayColor) const;

 private:
  // Moves the shown month and focus day to a serial inside the range.
  bool GoTo(int Serial);
  int ClampIntoRange(int Serial) const;

  int FYear = 1, FMonth = 1, FFocusDay = 1;
  TDateTime FDate = 0;
  TDate FMinDate = 0, FMaxDate = 0;
  int FTruncMin = 0, FTruncMax = 0;
  int FRowCount = 5;
  int FCellWidth = 0, FCellHeight = 0;
  TRect FHeaderRect;
  TRect FHeaderCols[Cols];
  TDayCell FCells[Cols][Rows];
};

}  // namespace qv
