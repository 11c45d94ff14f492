#pragma once
// Dates as the host framework counts them: a TDateTime is days since 1899-12-30, the
// fraction the time of day. Before that day the whole part still names the day and the
// fraction is taken as its absolute value (-1.25 is 1899-12-29 06:00), so truncating always
// gives the day. Valid dates run from 0001-01-01 to 9999-12-31 in the proleptic Gregorian
// calendar. Also the 6 x 7 month grid (Sunday first) the calendar controls show.
#include "host/Types.h"

namespace qv {

using TDateTime = double;
using TDate = TDateTime;
using TTime = TDateTime;

constexpr int MinDateYear = 1, MaxDateYear = 9999;
constexpr double MSecsPerDay = 86400000.0;

bool IsLeapYear(int Year);
// 0 for a month outside 1..12.
int DaysInAMonth(int Year, int Month);
bool IsValidDate(int Year, int Month, int Day);
bool IsValidTime(int Hour, int Min, int Sec, int MSec);

// Whole days since 1899-12-30 for any proleptic Gregorian date (no range check).
int DaySerial(int Year, int Month, int Day);
// The date of a day serial; also outside 1..9999.
void SerialToDate(int Serial, int& Year, int& Month, int& Day);
// The day serial of a value: its whole part.
int DateSerialOf(TDateTime Value);
// The serial lies within 0001-01-01 .. 9999-12-31.
bool IsValidSerial(int Serial);

// The Try forms answer false for an invalid part; the others raise EConvertError.
bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Date);
TDateTime EncodeDate(int Year, int Month, int Day);
bool TryEncodeTime(int Hour, int Min, int Sec, int MSec, TDateTime& Time);
TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec);
// The date plus the time, away from zero before 1899-12-30.
TDateTime ComposeDateTime(TDate Date, TTime Time);
bool TryEncodeDateTime(int Year, int Month, int Day, int Hour, int Min, int Sec, int MSec,
                       TDateTime& Value);
TDateTime EncodeDateTime(int Year, int Month, int Day, int Hour, int Min, int Sec, int MSec);

// False (parts untouched) when the value lies outside the valid years.
bool DecodeDate(TDateTime Value, int& Year, int& Month, int& Day);
// The time of day, rounded to the millisecond.
void DecodeTime(TDateTime Value, int& Hour, int& Min, int& Sec, int& MSec);

// The day (whole part) and the time of day (fraction, never negative).
TDate DateOf(TDateTime Value);
TTime TimeOf(TDateTime Value);
// ISO day of the week: Monday 1 … Sunday 7.
int DayOfTheWeek(TDateTime Value);
// Moves a date by whole months, keeping the time and clamping the day to the new month's
// length; false when the result leaves the valid years.
bool TryIncMonth(TDateTime Value, int Months, TDateTime& Result);

// The local clock.
TDateTime Now();
TDate Today();

// "yyyy-mm-dd" of a valid date; empty otherwise.
String IsoDateText(TDateTime Value);

// The month grid: 6 rows of 7 days, Sunday first, the days of the neighbouring months
// filling row 0 before the 1st and the rows after the last day.
struct TQvMonthGridCell {
  int Serial = 0;  // the day the cell stands for
  int Day = 0;     // its day number
  bool IsValidDayOfMonth = false;
};

struct TQvMonthGrid {
  static constexpr int Cols = 7, Rows = 6;
  int FirstDow = 0;  // column of the 1st (Sunday 0)
  int Days = 0;      // the month's length
  // 6 when a 31-day month starts on a Friday or a 30-day month on a Saturday, else 5.
  int RowCount = 5;
  TQvMonthGridCell Cells[Cols][Rows];  // [column][row]
};

// The grid of a valid year (1..9999) and month (1..12).
TQvMonthGrid MonthGrid(int Year, int Month);

// Rolls a month number into the neighbouring year: 0 (or less) is December of the year
// before, above 12 January of the year after. False when that year leaves 1..9999.
bool RollMonth(int Year, int Value, int& OutYear, int& OutMonth);

}  // namespace qv
