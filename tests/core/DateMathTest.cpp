// Date arithmetic and the month grid, checked against the standard library's calendar for
// every month from 1900 to 2100, plus the edges of the valid range and of the time of day.
#include <gtest/gtest.h>

#include <chrono>

#include "controls/QvDateMath.h"

using namespace qv;
namespace chr = std::chrono;

TEST(DateMath, EveryMonthFrom1900To2100MatchesTheStandardCalendar) {
  const chr::sys_days Epoch = chr::year{1899} / 12 / 30;
  for (int Y = 1900; Y <= 2100; ++Y)
    for (int M = 1; M <= 12; ++M) {
      SCOPED_TRACE(testing::Message() << Y << "-" << M);
      const chr::year_month YM = chr::year{Y} / M;
      const chr::sys_days First = YM / 1;
      const int Days = int(unsigned((YM / chr::last).day()));
      const int Dow = int(chr::weekday(First).c_encoding());  // Sunday 0
      ASSERT_EQ(IsLeapYear(Y), chr::year{Y}.is_leap());
      ASSERT_EQ(DaysInAMonth(Y, M), Days);
      const int Serial = int((First - Epoch).count());
      ASSERT_EQ(DaySerial(Y, M, 1), Serial);
      ASSERT_EQ(EncodeDate(Y, M, Days), Serial + Days - 1);
      ASSERT_EQ(DayOfTheWeek(Serial), int(chr::weekday(First).iso_encoding()));
      int DY, DM, DD;
      ASSERT_TRUE(DecodeDate(Serial + Days - 1 + 0.75, DY, DM, DD));
      ASSERT_EQ(DY * 10000 + DM * 100 + DD, Y * 10000 + M * 100 + Days);

      const TQvMonthGrid G = MonthGrid(Y, M);
      ASSERT_EQ(G.FirstDow, Dow);
      ASSERT_EQ(G.Days, Days);
      // Rows the days need, never fewer than five (a February from Sunday needs four).
      ASSERT_EQ(G.RowCount, std::max(5, (Dow + Days + 6) / 7));
      for (int R = 0; R < 6; ++R)
        for (int C = 0; C < 7; ++C) {
          const TQvMonthGridCell& Cell = G.Cells[C][R];
          const chr::sys_days Day = First + chr::days{R * 7 + C - Dow};
          const chr::year_month_day YMD{Day};
          ASSERT_EQ(Cell.Serial, int((Day - Epoch).count()));
          ASSERT_EQ(Cell.Day, int(unsigned(YMD.day())));
          ASSERT_EQ(Cell.IsValidDayOfMonth, YMD.year() / YMD.month() == YM);
        }
    }
}

TEST(DateMath, InvalidPartsAreRefused) {
  const struct {
    int Y, M, D;
    bool Valid;
  } Cases[] = {
      {1, 1, 1, true},      {9999, 12, 31, true}, {0, 12, 31, false},   {10000, 1, 1, false},
      {2024, 0, 1, false},  {2024, 13, 1, false}, {2024, 2, 29, true},  {2023, 2, 29, false},
      {1900, 2, 29, false}, {2000, 2, 29, true},  {2024, 4, 31, false}, {2024, 1, 0, false},
  };
  for (const auto& C : Cases) {
    TDateTime D = -1;
    EXPECT_EQ(TryEncodeDate(C.Y, C.M, C.D, D), C.Valid) << C.Y << "-" << C.M << "-" << C.D;
    if (!C.Valid) {
      EXPECT_THROW(EncodeDate(C.Y, C.M, C.D), EConvertError);
    }
  }
  EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
  EXPECT_THROW(EncodeDateTime(2024, 1, 1, 0, 60, 0, 0), EConvertError);
  int Y = 7, M = 7, D = 7;
  EXPECT_FALSE(DecodeDate(EncodeDate(1, 1, 1) - 1, Y, M, D));
  EXPECT_FALSE(DecodeDate(EncodeDate(9999, 12, 31) + 1, Y, M, D));
  EXPECT_FALSE(DecodeDate(1e300, Y, M, D));
  EXPECT_EQ(Y * 10000 + M * 100 + D, 70707) << "parts untouched";
  EXPECT_EQ(IsoDateText(1e9), L"");
}

TEST(DateMath, TimeOfDayAndDaysBefore1899) {
  // The millisecond survives the round trip, also on a day before the epoch, whose
  // fraction counts away from zero.
  const struct {
    int Y, Mo, D, H, Mi, S, Ms;
    double Expected;
  } Cases[] = {
      {1899, 12, 30, 0, 0, 0, 0, 0.0},
      {1899, 12, 30, 12, 0, 0, 0, 0.5},
      {1899, 12, 29, 6, 0, 0, 0, -1.25},
      {2015, 6, 1, 23, 59, 59, 1, 42156 + (86399001.0 / 86400000.0)},
      {1800, 1, 1, 18, 0, 0, 0, -36522.75},
  };
  for (const auto& C : Cases) {
    const TDateTime V = EncodeDateTime(C.Y, C.Mo, C.D, C.H, C.Mi, C.S, C.Ms);
    EXPECT_NEAR(V, C.Expected, 1e-9) << C.Y << "-" << C.Mo << "-" << C.D;
    int Y, Mo, D, H, Mi, S, Ms;
    ASSERT_TRUE(DecodeDate(V, Y, Mo, D));
    DecodeTime(V, H, Mi, S, Ms);
    EXPECT_EQ(std::vector<int>({Y, Mo, D, H, Mi, S, Ms}),
              std::vector<int>({C.Y, C.Mo, C.D, C.H, C.Mi, C.S, C.Ms}));
  }
  EXPECT_EQ(IsoDateText(EncodeDate(7, 3, 9)), L"0007-03-09");
}

TEST(DateMath, MonthStepsClampTheDayAndStayInTheValidYears) {
  const struct {
    int Y, M, D, Months;
    int Expected;  // yyyymmdd, 0 when refused
  } Cases[] = {
      {2024, 1, 31, 1, 20240229},  {2023, 1, 31, 1, 20230228},   {2024, 12, 15, 1, 20250115},
      {2024, 1, 15, -1, 20231215}, {2024, 3, 31, -13, 20230228}, {9999, 12, 1, 1, 0},
      {1, 1, 31, -1, 0},           {2024, 5, 5, 0, 20240505},
  };
  for (const auto& C : Cases) {
    TDateTime R = 0;
    const bool Ok = TryIncMonth(EncodeDateTime(C.Y, C.M, C.D, 10, 0, 0, 0), C.Months, R);
    int Y = 0, M = 0, D = 0;
    if (Ok) DecodeDate(R, Y, M, D);
    EXPECT_EQ(Ok ? Y * 10000 + M * 100 + D : 0, C.Expected)
        << C.Y << "-" << C.M << " + " << C.Months;
    if (Ok) {
      EXPECT_NEAR(TimeOf(R), 10.0 / 24, 1e-9) << "keeps the time";
    }
  }
  const struct {
    int Year, Value, Y, M;
    bool Ok;
  } Rolls[] = {
      {2024, 13, 2025, 1, true}, {2024, 0, 2023, 12, true}, {2024, 7, 2024, 7, true},
      {9999, 13, 0, 0, false},   {1, 0, 0, 0, false},       {2024, 40, 2025, 1, true},
  };
  for (const auto& R : Rolls) {
    int Y = 0, M = 0;
    EXPECT_EQ(RollMonth(R.Year, R.Value, Y, M), R.Ok) << R.Year << " " << R.Value;
    if (R.Ok) {
      EXPECT_EQ(Y * 100 + M, R.Y * 100 + R.M) << R.Year << " " << R.Value;
    }
  }
}
