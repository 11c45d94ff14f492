#include "controls/QvDateMath.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace qv {

namespace {

// Days from 1970-01-01 of a proleptic Gregorian date, and back (eras of 400 years).
int DaysFromCivil(int Y, int M, int D) {
  Y -= M <= 2;
  const int Era = (Y >= 0 ? Y : Y - 399) / 400;
  const int Yoe = Y - Era * 400;
  const int Doy = (153 * (M + (M > 2 ? -3 : 9)) + 2) / 5 + D - 1;
  const int Doe = Yoe * 365 + Yoe / 4 - Yoe / 100 + Doy;
  return Era * 146097 + Doe - 719468;
}

void CivilFromDays(int Z, int& Y, int& M, int& D) {
  Z += 719468;
  const int Era = (Z >= 0 ? Z : Z - 146096) / 146097;
  const int Doe = Z - Era * 146097;
  const int Yoe = (Doe - Doe / 1460 + Doe / 36524 - Doe / 146096) / 365;
  const int Doy = Doe - (365 * Yoe + Yoe / 4 - Yoe / 100);
  const int Mp = (5 * Doy + 2) / 153;
  D = Doy - (153 * Mp + 2) / 5 + 1;
  M = Mp < 10 ? Mp + 3 : Mp - 9;
  Y = Yoe + Era * 400 + (M <= 2);
}

// 1899-12-30 counted from 1970-01-01.
constexpr int kEpochShift = -25569;
constexpr int kMinSerial = -693593;  // 0001-01-01
constexpr int kMaxSerial = 2958465;  // 9999-12-31

[[noreturn]] void InvalidDate() {
  throw EConvertError(L"Invalid argument to date encode");
}

}  // namespace

bool IsLeapYear(int Year) {
  return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0);
}

int DaysInAMonth(int Year, int Month) {
  static constexpr int Days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (Month < 1 || Month > 12) return 0;
  return Month == 2 && IsLeapYear(Year) ? 29 : Days[Month - 1];
}

bool IsValidDate(int Year, int Month, int Day) {
  return Year >= MinDateYear && Year <= MaxDateYear && Day >= 1 && Day <= DaysInAMonth(Year, Month);
}

bool IsValidTime(int Hour, int Min, int Sec, int MSec) {
  return Hour >= 0 && Hour < 24 && Min >= 0 && Min < 60 && Sec >= 0 && Sec < 60 && MSec >= 0 &&
         MSec < 1000;
}

int DaySerial(int Year, int Month, int Day) {
  return DaysFromCivil(Year, Month, Day) - kEpochShift;
}

void SerialToDate(int Serial, int& Year, int& Month, int& Day) {
  CivilFromDays(Serial + kEpochShift, Year, Month, Day);
}

int DateSerialOf(TDateTime Value) {
  return int(std::trunc(Value));
}

bool IsValidSerial(int Serial) {
  return Serial >= kMinSerial && Serial <= kMaxSerial;
}

bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Date) {
  if (!IsValidDate(Year, Month, Day)) return false;
  Date = DaySerial(Year, Month, Day);
  return true;
}

TDateTime EncodeDate(int Year, int Month, int Day) {
  TDateTime D;
  if (!TryEncodeDate(Year, Month, Day, D)) InvalidDate();
  return D;
}

bool TryEncodeTime(int Hour, int Min, int Sec, int MSec, TDateTime& Time) {
  if (!IsValidTime(Hour, Min, Sec, MSec)) return false;
  Time = (((Hour * 60.0 + Min) * 60.0 + Sec) * 1000.0 + MSec) / MSecsPerDay;
  return true;
}

TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec) {
  TDateTime T;
  if (!TryEncodeTime(Hour, Min, Sec, MSec, T))
    throw EConvertError(L"Invalid argument to time encode");
  return T;
}

TDateTime ComposeDateTime(TDate Date, TTime Time) {
  const double D = std::trunc(Date), T = std::fabs(Time - std::trunc(Time));
  return D < 0 ? D - T : D + T;
}

bool TryEncodeDateTime(int Year, int Month, int Day, int Hour, int Min, int Sec, int MSec,
                       TDateTime& Value) {
  TDateTime D, T;
  if (!TryEncodeDate(Year, Month, Day, D) || !TryEncodeTime(Hour, Min, Sec, MSec, T)) return false;
  Value = ComposeDateTime(D, T);
  return true;
}

TDateTime EncodeDateTime(int Year, int Month, int Day, int Hour, int Min, int Sec, int MSec) {
  TDateTime V;
  if (!TryEncodeDateTime(Year, Month, Day, Hour, Min, Sec, MSec, V)) InvalidDate();
  return V;
}

bool DecodeDate(TDateTime Value, int& Year, int& Month, int& Day) {
  if (!std::isfinite(Value) || std::fabs(Value) > 1e7) return false;
  const int S = DateSerialOf(Value);
  if (!IsValidSerial(S)) return false;
  SerialToDate(S, Year, Month, Day);
  return true;
}

void DecodeTime(TDateTime Value, int& Hour, int& Min, int& Sec, int& MSec) {
  const double F = std::isfinite(Value) ? std::fabs(Value - std::trunc(Value)) : 0;
  long long Ms = std::llround(F * MSecsPerDay);
  if (Ms >= 86400000) Ms = 86399999;
  MSec = int(Ms % 1000);
  Sec = int(Ms / 1000 % 60);
  Min = int(Ms / 60000 % 60);
  Hour = int(Ms / 3600000);
}

TDate DateOf(TDateTime Value) {
  return std::trunc(Value);
}

TTime TimeOf(TDateTime Value) {
  return std::fabs(Value - std::trunc(Value));
}

int DayOfTheWeek(TDateTime Value) {
  // 1899-12-30 was a Saturday (6).
  const int R = ((DateSerialOf(Value) + 5) % 7 + 7) % 7;
  return R + 1;
}

bool TryIncMonth(TDateTime Value, int Months, TDateTime& Result) {
  int Y, M, D;
  if (!DecodeDate(Value, Y, M, D)) return false;
  const int Total = Y * 12 + (M - 1) + Months;
  const int NY = Total >= 0 ? Total / 12 : -1, NM = Total % 12 + 1;
  if (NY < MinDateYear || NY > MaxDateYear) return false;
  const int ND = std::min(D, DaysInAMonth(NY, NM));
  Result = ComposeDateTime(DaySerial(NY, NM, ND), TimeOf(Value));
  return true;
}

TDateTime Now() {
  using namespace std::chrono;
  const auto Point = system_clock::now();
  const std::time_t T = system_clock::to_time_t(Point);
  std::tm L{};
#ifdef _WIN32
  localtime_s(&L, &T);
#else
  localtime_r(&T, &L);
#endif
  const int Ms = int(duration_cast<milliseconds>(Point.time_since_epoch()).count() % 1000);
  return EncodeDateTime(L.tm_year + 1900, L.tm_mon + 1, L.tm_mday, L.tm_hour, L.tm_min,
                        std::min(L.tm_sec, 59), Ms);
}

TDate Today() {
  return DateOf(Now());
}

String IsoDateText(TDateTime Value) {
  int Y, M, D;
  if (!DecodeDate(Value, Y, M, D)) return String();
  char Buf[16];
  std::snprintf(Buf, sizeof Buf, "%04d-%02d-%02d", Y, M, D);
  return String(Buf, Buf + std::char_traits<char>::length(Buf));
}

TQvMonthGrid MonthGrid(int Year, int Month) {
  TQvMonthGrid G;
  const int First = DaySerial(Year, Month, 1);
  G.FirstDow = DayOfTheWeek(First) % 7;
  G.Days = DaysInAMonth(Year, Month);
  G.RowCount = (G.Days >= 31 && G.FirstDow == 5) || (G.Days >= 30 && G.FirstDow == 6) ? 6 : 5;
  // Row by row: the cell before the 1st counts back, the ones after the last day on.
  for (int R = 0; R < TQvMonthGrid::Rows; ++R)
    for (int C = 0; C < TQvMonthGrid::Cols; ++C) {
      TQvMonthGridCell& Cell = G.Cells[C][R];
      const int Offset = R * 7 + C - G.FirstDow;  // days after the 1st
      Cell.Serial = First + Offset;
      Cell.IsValidDayOfMonth = Offset >= 0 && Offset < G.Days;
      int Y, M;
      SerialToDate(Cell.Serial, Y, M, Cell.Day);
    }
  return G;
}

bool RollMonth(int Year, int Value, int& OutYear, int& OutMonth) {
  int Y = Year, M = Value;
  if (Value < 1) {
    Y = Year - 1;
    M = 12;
  } else if (Value > 12) {
    Y = Year + 1;
    M = 1;
  }
  if (Y < MinDateYear || Y > MaxDateYear) return false;
  OutYear = Y;
  OutMonth = M;
  return true;
}

}  // namespace qv
