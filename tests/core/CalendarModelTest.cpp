// The calendar's month, focus day and range, its cell layout and text colours, and the
// time box's grid.
#include <gtest/gtest.h>

#include "controls/QvSkinCalendarModel.h"
#include "controls/QvSkinTimeBoxGeometry.h"

using namespace qv;

namespace {

int Ymd(const TQvCalendarModel& M) {
  return M.Year() * 10000 + M.Month() * 100 + M.FocusDay();
}

TQvCalendarModel At(int Y, int M, int D) {
  TQvCalendarModel Model;
  Model.SetDate(EncodeDate(Y, M, D));
  return Model;
}

// Text colour of a cell with a blue font and a red holiday colour.
TColor ColorOf(const TQvCalendarModel& M, int Col, int Row) {
  return M.TextColor(Col, M.Cell(Col, Row), TColor(0xFF0000), TColor(0x0000FF));
}

}  // namespace

TEST(CalendarModel, CellsOnTheDefaultCalendar) {
  TQvCalendarModel M = At(2015, 6, 1);
  M.ResetCells(232, 157, 24, 0);
  EXPECT_EQ(M.CellWidth(), 32);
  EXPECT_EQ(M.CellHeight(), 21);
  EXPECT_EQ(M.Cell(0, 0).Rect, (TRect{1, 25, 33, 46}));
  EXPECT_EQ(M.Cell(6, 5).Rect, (TRect{199, 135, 231, 156}));
  EXPECT_EQ(M.HeaderRect(), (TRect{0, 0, 232, 24}));
  EXPECT_EQ(M.HeaderColumn(1), (TRect{34, 0, 66, 24}));
  M.ResetCells(232, 157, 24, 4);  // padding shifts the grid, not the header's height
  EXPECT_EQ(M.Cell(1, 1).Rect, (TRect{38, 51, 70, 72}));
  // Left and top edges hit, right and bottom ones belong to the gap.
  EXPECT_EQ(M.CellAt({5, 29}), &M.Cell(0, 0));
  EXPECT_EQ(M.CellAt({37, 29}), nullptr);
  EXPECT_EQ(M.CellAt({38, 51}), &M.Cell(1, 1));
  EXPECT_EQ(M.CellAt({5, 10}), nullptr);
}

TEST(CalendarModel, RowsPerMonth) {
  const struct {
    int Y, M, Rows;
    const char* Why;
  } Cases[] = {
      {2015, 5, 6, "31 days from a Friday"},         {2014, 11, 6, "30 days from a Saturday"},
      {2015, 8, 6, "31 days from a Saturday"},       {2015, 4, 5, "30 days from a Wednesday"},
      {2016, 9, 5, "30 days from a Thursday"},       {2015, 2, 5, "February from a Sunday"},
      {2020, 2, 5, "leap February from a Saturday"},
  };
  for (const auto& C : Cases) {
    TQvCalendarModel M = At(C.Y, C.M, 1);
    M.ResetCells(232, 157, 24, 0);
    EXPECT_EQ(M.RowCount(), C.Rows) << C.Why;
  }
}

TEST(CalendarModel, GreyedDaysOfNeighbourMonthsAndOutsideTheRange) {
  // April 2026 starts on a Wednesday: March 29..31 lead row 0.
  TQvCalendarModel M = At(2026, 4, 15);
  M.SetMinDate(EncodeDate(2026, 4, 10));
  M.ResetCells(232, 157, 24, 0);
  const TColor Other = TColor(0x999999), Off = TColor(0xC4C4C4);
  const struct {
    int Col, Row;
    const wchar_t* Text;
    TColor Color;
  } Cases[] = {
      {0, 0, L"29", Off},  // before the minimum too: the later rule wins
      {2, 0, L"31", Off},
      {3, 0, L"1", Off},
      {4, 1, L"9", Off},
      {5, 1, L"10", TColor(0xFF0000)},
      {6, 1, L"11", TColor(0x0000FF)},  // Saturday
      {0, 2, L"12", TColor(0x0000FF)},  // Sunday
      {4, 4, L"30", TColor(0xFF0000)},
      {5, 4, L"1", Other},
      {6, 5, L"9", Other},
  };
  for (const auto& C : Cases) {
    const TDayCell& Cell = M.Cell(C.Col, C.Row);
    EXPECT_EQ(Cell.Text, C.Text) << C.Col << "," << C.Row;
    EXPECT_EQ(ColorOf(M, C.Col, C.Row), C.Color) << C.Col << "," << C.Row;
  }
  EXPECT_TRUE(M.Cell(4, 1).Disabled);
  EXPECT_FALSE(M.Cell(5, 1).Disabled);
  EXPECT_FALSE(M.Cell(2, 0).IsValidDayOfMonth);
  EXPECT_EQ(M.Cell(2, 0).Date, EncodeDate(2026, 3, 31));
  EXPECT_EQ(M.Cell(6, 5).Date, EncodeDate(2026, 5, 9));

  // Without a range the leading days are plain grey.
  TQvCalendarModel Free = At(2026, 4, 15);
  Free.ResetCells(232, 157, 24, 0);
  for (int C = 0; C < 3; ++C) EXPECT_EQ(ColorOf(Free, C, 0), Other) << C;
}

TEST(CalendarModel, MonthStepsRollOverYears) {
  const struct {
    int Y, M, D;
    int Value;
    int Expected;
  } Cases[] = {
      {2015, 12, 31, 13, 20160131}, {2015, 1, 31, 0, 20141231}, {2015, 1, 31, 2, 20150228},
      {2016, 3, 31, 2, 20160229},   {2015, 6, 10, 6, 20150610}, {9999, 12, 5, 13, 99991205},
      {1, 1, 5, 0, 10105},
  };
  for (const auto& C : Cases) {
    TQvCalendarModel M = At(C.Y, C.M, C.D);
    M.SetMonth(C.Value);
    EXPECT_EQ(Ymd(M), C.Expected) << C.Y << "-" << C.M << " SetMonth(" << C.Value << ")";
  }
}

TEST(CalendarModel, RangeRefusesAndClamps) {
  // Range 2015-03-10 .. 2015-05-20, focus 2015-04-15.
  const TDate Min = EncodeDate(2015, 3, 10), Max = EncodeDateTime(2015, 5, 20, 18, 0, 0, 0);
  const auto Ranged = [&] {
    TQvCalendarModel M = At(2015, 4, 15);
    M.SetMinDate(Min);
    M.SetMaxDate(Max);
    return M;
  };
  const struct {
    const char* Step;
    void (*Run)(TQvCalendarModel&);
    int Expected;
  } Cases[] = {
      {"month into the minimum's month clamps the day",
       [](TQvCalendarModel& M) {
         M.SetFocusDay(5);
         M.SetMonth(3);
       },
       20150310},
      {"month before the range", [](TQvCalendarModel& M) { M.SetMonth(2); }, 20150415},
      {"month after the range", [](TQvCalendarModel& M) { M.SetMonth(6); }, 20150415},
      {"month into the maximum's month clamps the day",
       [](TQvCalendarModel& M) {
         M.SetFocusDay(30);
         M.SetMonth(5);
       },
       20150520},
      {"rolling to 13 is refused, not an invalid date", [](TQvCalendarModel& M) { M.SetMonth(13); },
       20150415},
      {"year out of range", [](TQvCalendarModel& M) { M.SetYear(2016); }, 20150415},
      {"day before the minimum",
       [](TQvCalendarModel& M) {
         M.SetMonth(3);
         M.SetFocusDay(9);
       },
       20150315},
      {"invalid day becomes 1, refused before the minimum",
       [](TQvCalendarModel& M) {
         M.SetMonth(3);
         M.SetFocusDay(32);
       },
       20150315},
      {"day on the maximum (its time ignored)",
       [](TQvCalendarModel& M) {
         M.SetMonth(5);
         M.SetFocusDay(20);
       },
       20150520},
  };
  for (const auto& C : Cases) {
    TQvCalendarModel M = Ranged();
    C.Run(M);
    EXPECT_EQ(Ymd(M), C.Expected) << C.Step;
  }
  // A new range pulls the focus day into it.
  TQvCalendarModel M = At(2015, 4, 15);
  M.SetRange(EncodeDate(2015, 4, 20), 0);
  EXPECT_EQ(Ymd(M), 20150420);
  M.SetRange(0, EncodeDate(2015, 4, 2));
  EXPECT_EQ(Ymd(M), 20150402);
  EXPECT_EQ(M.MinDate(), 0);
  EXPECT_EQ(M.MaxDate(), EncodeDate(2015, 4, 2));
  EXPECT_THROW(M.SetRange(EncodeDate(2015, 4, 3), EncodeDate(2015, 4, 2)), EConvertError);
  EXPECT_EQ(M.MaxDate(), EncodeDate(2015, 4, 2));
}

TEST(CalendarModel, CrossedLimitsRaiseAndKeepTheOldRange) {
  TQvCalendarModel M = At(2015, 4, 15);
  M.SetMaxDate(EncodeDate(2015, 5, 1));
  EXPECT_THROW(M.SetMinDate(EncodeDate(2015, 5, 2)), EConvertError);
  EXPECT_EQ(M.MinDate(), 0);
  EXPECT_EQ(M.TruncMin(), 0);
  M.SetMinDate(EncodeDate(2015, 4, 1));
  EXPECT_THROW(M.SetMaxDate(EncodeDate(2015, 3, 31)), EConvertError);
  EXPECT_EQ(M.MaxDate(), EncodeDate(2015, 5, 1));
  EXPECT_EQ(M.TruncMax(), int(EncodeDate(2015, 5, 1)));
  try {
    M.SetMaxDate(EncodeDate(2015, 3, 31));
  } catch (const EConvertError& E) {
    EXPECT_NE(E.Message().find(L"2015-04-01"), String::npos);
  }
  // 0 removes a limit.
  M.SetMaxDate(0);
  M.SetMinDate(0);
  EXPECT_TRUE(M.SetYear(2020));
}

TEST(CalendarModel, YearsOutsideTheValidRangeAndLeapDays) {
  TQvCalendarModel M = At(2016, 2, 29);
  EXPECT_FALSE(M.SetYear(0));
  EXPECT_FALSE(M.SetYear(10000));
  EXPECT_EQ(Ymd(M), 20160229);
  EXPECT_TRUE(M.SetYear(2015));
  EXPECT_EQ(Ymd(M), 20150228);
  EXPECT_FALSE(M.SetDate(EncodeDate(1, 1, 1) - 5));
  EXPECT_EQ(Ymd(M), 20150228);
}

TEST(CalendarModel, KeyboardMovesOfTheFocusDay) {
  const struct {
    const char* Move;
    bool (*Run)(TQvCalendarModel&, bool&);
    int Expected;
    bool MonthChanged, Moved;
  } Cases[] = {
      {"right inside the month", [](TQvCalendarModel& M, bool& Mv) { return M.MoveFocusBy(1, Mv); },
       20150416, false, true},
      {"down across the month end",
       [](TQvCalendarModel& M, bool& Mv) { return M.MoveFocusBy(21, Mv); }, 20150506, true, true},
      {"up before the minimum", [](TQvCalendarModel& M, bool& Mv) { return M.MoveFocusBy(-7, Mv); },
       20150415, false, false},
      {"page down clamps to the maximum",
       [](TQvCalendarModel& M, bool& Mv) { return M.MoveFocusByMonths(1, Mv); }, 20150510, true,
       true},
      {"home stops at the minimum",
       [](TQvCalendarModel& M, bool& Mv) { return Mv = M.MoveFocusToMonthEdge(false), false; },
       20150412, false, true},
      {"end of the month",
       [](TQvCalendarModel& M, bool& Mv) { return Mv = M.MoveFocusToMonthEdge(true), false; },
       20150430, false, true},
  };
  for (const auto& C : Cases) {
    TQvCalendarModel M = At(2015, 4, 15);
    M.SetRange(EncodeDate(2015, 4, 12), EncodeDate(2015, 5, 10));
    bool Moved = false;
    EXPECT_EQ(C.Run(M, Moved), C.MonthChanged) << C.Move;
    EXPECT_EQ(Moved, C.Moved) << C.Move;
    EXPECT_EQ(Ymd(M), C.Expected) << C.Move;
  }
}

TEST(TimeBoxGeometry, GridsOfBothKinds) {
  const struct {
    TQvBoxKind Kind;
    int W, H;
    int CellW, CellH, Cols, Rows;
    TRect First, Last;
    int LastNum;
  } Cases[] = {
      {bkHour, 127, 125, 23, 18, 5, 5, {2, 25, 25, 43}, {77, 105, 100, 123}, 23},
      {bkMinute, 232, 164, 21, 21, 10, 6, {2, 25, 23, 46}, {209, 140, 230, 161}, 59},
      {bkSecond, 128, 128, 10, 15, 10, 6, {2, 25, 12, 40}, {110, 110, 120, 125}, 59},
  };
  for (const auto& C : Cases) {
    const TQvTimeBoxGrid G = TimeBoxGrid(C.Kind, C.W, C.H);
    EXPECT_EQ(G.CellWidth, C.CellW) << C.Kind;
    EXPECT_EQ(G.CellHeight, C.CellH) << C.Kind;
    EXPECT_EQ(G.Cols * 100 + G.Rows, C.Cols * 100 + C.Rows) << C.Kind;
    EXPECT_EQ(G.Cell(0, 0).Rect, C.First) << C.Kind;
    ASSERT_NE(G.CellOfNum(C.LastNum), nullptr);
    EXPECT_EQ(G.CellOfNum(C.LastNum)->Rect, C.Last) << C.Kind;
    EXPECT_EQ(G.CellOfNum(C.LastNum + 1), nullptr) << C.Kind;
    // Numbers run row by row.
    EXPECT_EQ(G.Cell(1, 0).Num, 1);
    EXPECT_EQ(G.Cell(0, 1).Num, C.Cols);
  }
  // The 25th hour cell holds nothing and is never hit.
  TQvTimeBoxGrid Hours = TimeBoxGrid(bkHour, 127, 125);
  EXPECT_FALSE(Hours.Cell(4, 4).Enabled);
  EXPECT_EQ(Hours.Cell(4, 4).Rect, TRect{});
  EXPECT_EQ(Hours.CellAt({0, 0}), nullptr);
  EXPECT_EQ(Hours.CellAt({102, 110}), nullptr);
  EXPECT_EQ(Hours.CellAt({2, 25})->Num, 0);
  EXPECT_EQ(Hours.CellAt({25, 25}), nullptr) << "the gap";
  EXPECT_EQ(Hours.CellAt({27, 45})->Num, 6);
  EXPECT_EQ(TimeBoxCloseRect(127), (TRect{104, 0, 127, 23}));
  EXPECT_EQ(TimeBoxCrossRect(127, false), (TRect{111, 7, 120, 16}));
  EXPECT_EQ(TimeBoxCrossRect(127, true), (TRect{110, 6, 121, 17}));
}
