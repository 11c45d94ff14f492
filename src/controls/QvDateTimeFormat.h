#pragma once
// Date and time as text, without the platform: the format letters of FormatDateTime, the
// short texts the picker shows (DateTimeToStr, DateToStr) and the parser that reads such
// a text back (TryStrToDateTime). A TDateTime counts days from 1899-12-30; its fraction is
// the time of day (before that day the fraction is subtracted, so -1.25 is 1899-12-29 6:00).
#include <array>
#include <vector>

#include "controls/QvDateMath.h"

namespace qv {

// The current formats of the application; one shared instance (gFormatSettings) that the
// application may change. Defaults follow the library's Chinese captions.
struct TQvFormatSettings {
  wchar_t DateSeparator = L'/';
  wchar_t TimeSeparator = L':';
  String ShortDateFormat = L"yyyy/m/d";
  String LongDateFormat = L"yyyy'年'm'月'd'日'";
  String ShortTimeFormat = L"h:mm";
  String LongTimeFormat = L"h:mm:ss";
  String TimeAMString = L"上午";
  String TimePMString = L"下午";
  std::array<String, 12> ShortMonthNames{L"1月", L"2月", L"3月", L"4月",  L"5月",  L"6月",
                                         L"7月", L"8月", L"9月", L"10月", L"11月", L"12月"};
  std::array<String, 12> LongMonthNames{L"一月", L"二月", L"三月", L"四月", L"五月",   L"六月",
                                        L"七月", L"八月", L"九月", L"十月", L"十一月", L"十二月"};
  std::array<String, 7> ShortDayNames{L"周日", L"周一", L"周二", L"周三",
                                      L"周四", L"周五", L"周六"};  // Sunday first
  std::array<String, 7> LongDayNames{L"星期日", L"星期一", L"星期二", L"星期三",
                                     L"星期四", L"星期五", L"星期六"};
  // Two-digit years read as the century nearest to this year (within 50 years).
  int TwoDigitYearBase = 2000;
};

extern TQvFormatSettings gFormatSettings;

// A moment taken apart (QvDateMath's DecodeDate and DecodeTime in one).
struct TQvDateTimeFields {
  int Year = 1899, Month = 12, Day = 30;
  int Hour = 0, Minute = 0, Second = 0, MSec = 0;
  int DayOfWeek = 6;  // 0 = Sunday
  friend bool operator==(const TQvDateTimeFields&, const TQvDateTimeFields&) = default;
};

// Value outside 0001-01-01 .. 9999-12-31 answers false.
bool TrySplitDateTime(TDateTime Value, TQvDateTimeFields& F);

// Value as Format describes it. Letters:
//   d dd ddd dddd    day, two digits, short and long day name
//   ddddd dddddd     the short and the long date format
//   m mm mmm mmmm    month likewise (minutes when right after an hour)
//   yy yyyy          year in two or four digits
//   h hh n nn s ss   hour, minute, second; z zzz milliseconds
//   t tt c           short time, long time, short date with long time (no time at midnight)
//   am/pm a/p ampm   12-hour clock with the marker
//   / :              the separators of the settings
//   'text' "text"    copied as is
// Any other character, unknown letters included, is copied as is. An empty Format means
// "c". A value that is no moment (outside years 1..9999, not a number) gives empty text.
String FormatDateTime(const String& Format, TDateTime Value,
                      const TQvFormatSettings& Settings = gFormatSettings);
String DateTimeToStr(TDateTime Value, const TQvFormatSettings& Settings = gFormatSettings);
String DateToStr(TDateTime Value, const TQvFormatSettings& Settings = gFormatSettings);

// Reads a date (in the order of ShortDateFormat, with DateSeparator), a time
// (h:m[:s[.z]] with an optional am/pm marker) or a date followed by a time. Surrounding
// blanks are ignored; a year outside 1..9999 or a day or time that does not exist fails.
bool TryStrToDateTime(const String& S, TDateTime& Value,
                      const TQvFormatSettings& Settings = gFormatSettings);

}  // namespace qv
