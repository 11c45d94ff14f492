// Date and time as text: the format letters, unknown letters, the picker's default texts,
// the parser, values outside years 1..9999, and a text that reads back as its value.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "controls/QvDateTimeFormat.h"

using namespace qv;

namespace {

TDateTime Make(int Y, int Mo, int D, int H = 0, int Mi = 0, int S = 0, int Ms = 0) {
  TDateTime V = 0;
  EXPECT_TRUE(TryEncodeDateTime(Y, Mo, D, H, Mi, S, Ms, V)) << Y << "-" << Mo << "-" << D;
  return V;
}

TEST(DateTimeFormat, DayCountsAndParts) {
  struct {
    TQvDateTimeFields F;
    double Value;
  } Cases[] = {
      {{1899, 12, 30, 0, 0, 0, 0, 6}, 0},       {{1900, 1, 1, 0, 0, 0, 0, 1}, 2},
      {{2015, 6, 18, 0, 0, 0, 0, 4}, 42173},    {{2015, 6, 18, 12, 0, 0, 0, 4}, 42173.5},
      {{1899, 12, 29, 6, 0, 0, 0, 5}, -1.25},   {{1, 1, 1, 0, 0, 0, 0, 1}, -693593},
      {{9999, 12, 31, 0, 0, 0, 0, 5}, 2958465}, {{2000, 2, 29, 18, 0, 0, 0, 2}, 36585.75},
  };
  for (auto& C : Cases) {
    SCOPED_TRACE(C.Value);
    TDateTime V = -1e9;
    ASSERT_TRUE(TryEncodeDateTime(C.F.Year, C.F.Month, C.F.Day, C.F.Hour, C.F.Minute, C.F.Second,
                                  C.F.MSec, V));
    EXPECT_DOUBLE_EQ(V, C.Value);
    TQvDateTimeFields F;
    ASSERT_TRUE(TrySplitDateTime(C.Value, F));
    EXPECT_EQ(F, C.F);
  }
  // Days and times that do not exist, and years outside 1..9999.
  const TQvDateTimeFields Bad[] = {
      {0, 1, 1},        {10000, 1, 1},       {2015, 2, 29},          {2100, 2, 29},
      {2015, 13, 1},    {2015, 0, 1},        {2015, 4, 31},          {2015, 1, 0},
      {2015, 1, 1, 24}, {2015, 1, 1, 0, 60}, {2015, 1, 1, 0, 0, 60}, {2015, 1, 1, 0, 0, 0, 1000},
  };
  for (auto& F : Bad) {
    TDateTime V = 7;
    EXPECT_FALSE(TryEncodeDateTime(F.Year, F.Month, F.Day, F.Hour, F.Minute, F.Second, F.MSec, V))
        << F.Year << "-" << F.Month << "-" << F.Day;
    EXPECT_EQ(V, 7);
  }
  TQvDateTimeFields F;
  for (double V : {-693594.0, 2958466.0, std::nan(""), std::numeric_limits<double>::infinity()})
    EXPECT_FALSE(TrySplitDateTime(V, F)) << V;
  // 23:59:59.9996 stays on its day.
  ASSERT_TRUE(TrySplitDateTime(42173 + (86400000 - 0.4) / 86400000.0, F));
  EXPECT_EQ(F, (TQvDateTimeFields{2015, 6, 18, 23, 59, 59, 999, 4}));
}

TEST(DateTimeFormat, Letters) {
  const TDateTime Morning = Make(2015, 6, 18, 9, 5, 7, 42);  // a Thursday
  const TDateTime Evening = Make(2015, 6, 18, 21, 5, 7, 42);
  struct {
    const wchar_t* Format;
    TDateTime Value;
    const wchar_t* Text;
  } Cases[] = {
      {L"yyyy-mm-dd hh:nn:ss.zzz", Morning, L"2015-06-18 09:05:07.042"},
      {L"yy/m/d", Morning, L"15/6/18"},
      {L"YYYY.MM.DD", Morning, L"2015.06.18"},
      {L"d ddd dddd", Morning, L"18 周四 星期四"},
      {L"mmm mmmm", Morning, L"6月 六月"},
      {L"h:mm", Morning, L"9:05"},  // "mm" after an hour is minutes
      {L"h 'h' mm", Morning, L"9 h 05"},
      {L"mm hh", Morning, L"06 09"},  // before the hour it is the month
      {L"hh:mm:ss", Evening, L"21:05:07"},
      {L"h:nn am/pm", Morning, L"9:05 am"},
      {L"h:nn AM/PM", Evening, L"9:05 PM"},
      {L"h a/p", Evening, L"9 p"},
      {L"ampm h:nn", Morning, L"上午 9:05"},
      {L"ampm h:nn", Evening, L"下午 9:05"},
      {L"h ampm", Make(2015, 6, 18, 0, 30), L"12 上午"},
      {L"z zzz", Morning, L"42 042"},
      {L"c", Morning, L"2015/6/18 9:05:07"},
      {L"c", Make(2015, 6, 18), L"2015/6/18"},  // no time at midnight
      {L"ddddd", Morning, L"2015/6/18"},
      {L"dddddd", Morning, L"2015年6月18日"},
      {L"t|tt", Morning, L"9:05|9:05:07"},
      {L"'yyyy' \"mm\" yyyy", Morning, L"yyyy mm 2015"},
      {L"'open quote", Morning, L"open quote"},
      // Letters with no meaning are copied as they are.
      {L"qkwx yyyy", Morning, L"qkwx 2015"},
      {L"[yyyy] #%$ b", Morning, L"[2015] #%$ b"},
      {L"ab", Morning, L"ab"},
      {L"", Morning, L"2015/6/18 9:05:07"},
      {L"yyyy-mm-dd", Make(1, 1, 1), L"0001-01-01"},
      {L"yyyy-mm-dd hh:nn:ss.zzz", Make(9999, 12, 31, 23, 59, 59, 999), L"9999-12-31 23:59:59.999"},
      {L"yyyy", 2958466.0, L""},
      {L"yyyy", -693594.0, L""},
      {L"yyyy", std::nan(""), L""},
  };
  for (auto& C : Cases) {
    SCOPED_TRACE(testing::Message() << "format " << testing::PrintToString(String(C.Format)));
    EXPECT_EQ(FormatDateTime(C.Format, C.Value), C.Text);
  }
  EXPECT_EQ(DateTimeToStr(Morning), L"2015/6/18 9:05:07");
  EXPECT_EQ(DateToStr(Morning), L"2015/6/18");
  // Formats of the settings that name each other end instead of recursing.
  TQvFormatSettings Loop;
  Loop.ShortDateFormat = L"c ddddd";
  Loop.LongTimeFormat = L"tt c";
  EXPECT_LT(FormatDateTime(L"c", Morning, Loop).size(), 200u);
}

TEST(DateTimeFormat, Parsing) {
  struct {
    const wchar_t* Text;
    bool Ok;
    TDateTime Value;
  } Cases[] = {
      {L"2015/6/18 9:05:07", true, Make(2015, 6, 18, 9, 5, 7)},
      {L"  2015/06/18  ", true, Make(2015, 6, 18)},
      {L"2015/6/18 09:05", true, Make(2015, 6, 18, 9, 5)},
      {L"2015/6/18 9:05:07.5", true, Make(2015, 6, 18, 9, 5, 7, 500)},
      {L"2015/6/18 9:05 pm", true, Make(2015, 6, 18, 21, 5)},
      {L"2015/6/18 12:05 AM", true, Make(2015, 6, 18, 0, 5)},
      {L"2015/6/18 9:05 下午", true, Make(2015, 6, 18, 21, 5)},
      {L"15/6/18", true, Make(2015, 6, 18)},
      {L"99/6/18", true, Make(1999, 6, 18)},
      {L"9:05", true, Make(1899, 12, 30, 9, 5)},
      {L"0001/1/1", true, Make(1, 1, 1)},
      {L"9999/12/31 23:59:59", true, Make(9999, 12, 31, 23, 59, 59)},
      {L"", false, 0},
      {L"   ", false, 0},
      {L"abc", false, 0},
      {L"0000/1/1", false, 0},
      {L"10000/1/1", false, 0},
      {L"2015/2/29", false, 0},
      {L"2015/13/1", false, 0},
      {L"2015/6/18 24:00", false, 0},
      {L"2015/6/18 13:00 pm", false, 0},
      {L"2015/6/18 9:05 x", false, 0},
      {L"2015-6-18", false, 0},
      {L"2015/6", false, 0},
      {L"99999999999999999999/1/1", false, 0},
  };
  for (auto& C : Cases) {
    SCOPED_TRACE(testing::PrintToString(String(C.Text)));
    TDateTime V = -7;
    EXPECT_EQ(TryStrToDateTime(C.Text, V), C.Ok);
    EXPECT_DOUBLE_EQ(V, C.Ok ? C.Value : -7);
  }
  // The order of the short date format decides how the numbers are read.
  TQvFormatSettings US;
  US.ShortDateFormat = L"M/d/yyyy";
  TDateTime V = 0;
  ASSERT_TRUE(TryStrToDateTime(L"6/18/2015", V, US));
  EXPECT_DOUBLE_EQ(V, Make(2015, 6, 18));
}

TEST(DateTimeFormat, TextReadsBackAsItsValue) {
  TQvFormatSettings Settings;
  Settings.LongTimeFormat = L"hh:nn:ss.zzz";
  int Count = 0;
  for (double Day = -693593; Day <= 2958465; Day += 7919, ++Count) {
    const int MSec = int(std::fmod(Day * 7777.0 + 86400000.0 * 4, 86400000.0));
    TQvDateTimeFields F;
    ASSERT_TRUE(TrySplitDateTime(Day + (Day < 0 ? -1 : 1) * MSec / 86400000.0, F));
    TDateTime Value = 0;
    ASSERT_TRUE(
        TryEncodeDateTime(F.Year, F.Month, F.Day, F.Hour, F.Minute, F.Second, F.MSec, Value));
    if (F.Hour == 0 && F.Minute == 0 && F.Second == 0 && F.MSec == 0) continue;
    const String Text = DateTimeToStr(Value, Settings);
    TDateTime Back = 0;
    ASSERT_TRUE(TryStrToDateTime(Text, Back, Settings)) << testing::PrintToString(Text);
    TQvDateTimeFields G;
    ASSERT_TRUE(TrySplitDateTime(Back, G));
    EXPECT_EQ(G, F) << testing::PrintToString(Text);
  }
  EXPECT_GT(Count, 400);
}

}  // namespace
