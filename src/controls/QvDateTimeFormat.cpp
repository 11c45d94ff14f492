#include "controls/QvDateTimeFormat.h"

#include <cmath>
#include <cwctype>

#include "controls/QvDateMath.h"

namespace qv {

TQvFormatSettings gFormatSettings;

namespace {

String Pad(int N, int Width) {
  String S = std::to_wstring(N);
  if (int(S.size()) < Width) S.insert(0, size_t(Width) - S.size(), L'0');
  return S;
}

bool StartsWithText(const String& S, size_t I, const wchar_t* Word) {
  for (size_t K = 0; Word[K]; ++K)
    if (I + K >= S.size() || std::towlower(S[I + K]) != std::towlower(Word[K])) return false;
  return true;
}

// One pass of FormatDateTime; Depth stops formats of the settings naming each other.
class TFormatter {
 public:
  TFormatter(const TQvDateTimeFields& F, TDateTime V, const TQvFormatSettings& S)
      : F_(F), Value_(V), S_(S) {}

  void Run(const String& Fmt, int Depth) {
    if (Depth > 2) return;
    // The 12-hour clock applies to the whole format when any marker appears in it.
    bool Use12 = false;
    for (size_t I = 0; I < Fmt.size(); ++I)
      if (StartsWithText(Fmt, I, L"am/pm") || StartsWithText(Fmt, I, L"a/p") ||
          StartsWithText(Fmt, I, L"ampm"))
        Use12 = true;
    bool LastWasHour = false;
    size_t I = 0;
    while (I < Fmt.size()) {
      const wchar_t C = Fmt[I];
      const wchar_t L = wchar_t(std::towlower(C));
      const size_t N = Run_(Fmt, I);
      // Only an hour makes a following "m" or "mm" minutes; literals between keep it.
      const bool AfterHour = LastWasHour;
      if (std::iswalpha(L) && L != L'h') LastWasHour = false;
      switch (L) {
        case L'\'':
        case L'"': {
          const size_t End = Fmt.find(C, I + 1);
          Out_ += Fmt.substr(I + 1, (End == String::npos ? Fmt.size() : End) - I - 1);
          I = End == String::npos ? Fmt.size() : End + 1;
          continue;
        }
        case L'd':
          if (N <= 2)
            Out_ += Pad(F_.Day, int(N));
          else if (N == 3)
            Out_ += S_.ShortDayNames[size_t(F_.DayOfWeek)];
          else if (N == 4)
            Out_ += S_.LongDayNames[size_t(F_.DayOfWeek)];
          else
            Run(N == 5 ? S_.ShortDateFormat : S_.LongDateFormat, Depth + 1);
          I += std::min<size_t>(N, 6);
          continue;
        case L'm':
          if (AfterHour && N <= 2)
            Out_ += Pad(F_.Minute, int(N));
          else if (N <= 2)
            Out_ += Pad(F_.Month, int(N));
          else if (N == 3)
            Out_ += S_.ShortMonthNames[size_t(F_.Month - 1)];
          else
            Out_ += S_.LongMonthNames[size_t(F_.Month - 1)];
          I += std::min<size_t>(N, 4);
          continue;
        case L'y':
          Out_ += N <= 2 ? Pad(F_.Year % 100, 2) : Pad(F_.Year, 4);
          I += N;
          continue;
        case L'h': {
          int H = F_.Hour;
          if (Use12) H = H % 12 == 0 ? 12 : H % 12;
          Out_ += Pad(H, N >= 2 ? 2 : 1);
          I += N;
          LastWasHour = true;
          continue;
        }
        case L'n':
          Out_ += Pad(F_.Minute, N >= 2 ? 2 : 1);
          I += N;
          continue;
        case L's':
          Out_ += Pad(F_.Second, N >= 2 ? 2 : 1);
          I += N;
          continue;
        case L'z':
          Out_ += Pad(F_.MSec, N >= 3 ? 3 : 1);
          I += N;
          continue;
        case L't':
          Run(N >= 2 ? S_.LongTimeFormat : S_.ShortTimeFormat, Depth + 1);
          I += std::min<size_t>(N, 2);
          continue;
        case L'c':
          Run(S_.ShortDateFormat, Depth + 1);
          if (TimeOf(Value_) != 0) {
            Out_ += L' ';
            Run(S_.LongTimeFormat, Depth + 1);
          }
          ++I;
          continue;
        case L'a':
          if (StartsWithText(Fmt, I, L"am/pm")) {
            Out_ += F_.Hour < 12 ? Fmt.substr(I, 2) : Fmt.substr(I + 3, 2);
            I += 5;
          } else if (StartsWithText(Fmt, I, L"a/p")) {
            Out_ += F_.Hour < 12 ? Fmt.substr(I, 1) : Fmt.substr(I + 2, 1);
            I += 3;
          } else if (StartsWithText(Fmt, I, L"ampm")) {
            Out_ += F_.Hour < 12 ? S_.TimeAMString : S_.TimePMString;
            I += 4;
          } else {
            Out_ += C;
            ++I;
          }
          continue;
        case L'/':
          Out_ += S_.DateSeparator;
          break;
        case L':':
          Out_ += S_.TimeSeparator;
          break;
        default:
          Out_ += C;
          break;
      }
      ++I;
    }
  }

  String Out_;

 private:
  // Length of the run of the same letter (case-insensitive) starting at I.
  static size_t Run_(const String& Fmt, size_t I) {
    size_t N = 1;
    while (I + N < Fmt.size() && std::towlower(Fmt[I + N]) == std::towlower(Fmt[I])) ++N;
    return N;
  }

  const TQvDateTimeFields& F_;
  TDateTime Value_;
  const TQvFormatSettings& S_;
};

// A run of digits at I; false when there is none. At most MaxDigits are read.
bool ReadNumber(const String& S, size_t& I, int& N, int& Digits, int MaxDigits = 9) {
  Digits = 0;
  N = 0;
  while (I < S.size() && S[I] >= L'0' && S[I] <= L'9' && Digits < MaxDigits) {
    N = N * 10 + (S[I] - L'0');
    ++I;
    ++Digits;
  }
  return Digits > 0;
}

void SkipBlanks(const String& S, size_t& I) {
  while (I < S.size() && std::iswspace(S[I])) ++I;
}

// The order of year, month and day in a date format: "ymd", "mdy" or "dmy".
String DateOrder(const String& Fmt) {
  String Order;
  bool Quoted = false;
  for (wchar_t C : Fmt) {
    if (C == L'\'' || C == L'"') Quoted = !Quoted;
    const wchar_t L = wchar_t(std::towlower(C));
    if (!Quoted && (L == L'y' || L == L'm' || L == L'd') && Order.find(L) == String::npos)
      Order += L;
  }
  return Order.size() == 3 ? Order : String(L"ymd");
}

bool ParseDate(const TQvFormatSettings& Settings, const String& S, size_t& I,
               TQvDateTimeFields& F) {
  int Parts[3], Digits[3];
  for (int K = 0; K < 3; ++K) {
    if (K > 0) {
      if (I >= S.size() || S[I] != Settings.DateSeparator) return false;
      ++I;
    }
    if (!ReadNumber(S, I, Parts[K], Digits[K])) return false;
  }
  const String Order = DateOrder(Settings.ShortDateFormat);
  for (int K = 0; K < 3; ++K) {
    if (Order[size_t(K)] == L'y') {
      int Y = Parts[K];
      if (Digits[K] <= 2) {
        const int Base = Settings.TwoDigitYearBase;
        Y += Base - Base % 100;
        if (Y > Base + 50) Y -= 100;
        if (Y <= Base - 50) Y += 100;
      }
      F.Year = Y;
    } else if (Order[size_t(K)] == L'm') {
      F.Month = Parts[K];
    } else {
      F.Day = Parts[K];
    }
  }
  return true;
}

bool ParseTime(const TQvFormatSettings& Settings, const String& S, size_t& I,
               TQvDateTimeFields& F) {
  int D = 0;
  if (!ReadNumber(S, I, F.Hour, D, 2)) return false;
  if (I >= S.size() || S[I] != Settings.TimeSeparator) return false;
  ++I;
  if (!ReadNumber(S, I, F.Minute, D, 2)) return false;
  if (I < S.size() && S[I] == Settings.TimeSeparator) {
    ++I;
    if (!ReadNumber(S, I, F.Second, D, 2)) return false;
    if (I < S.size() && S[I] == L'.') {
      ++I;
      if (!ReadNumber(S, I, F.MSec, D, 3)) return false;
      for (; D < 3; ++D) F.MSec *= 10;
    }
  }
  SkipBlanks(S, I);
  auto Marker = [&](const String& Word) {
    if (Word.empty() || !StartsWithText(S, I, Word.c_str())) return false;
    I += Word.size();
    return true;
  };
  const bool Am = Marker(Settings.TimeAMString) || Marker(L"am") || Marker(L"a");
  const bool Pm = !Am && (Marker(Settings.TimePMString) || Marker(L"pm") || Marker(L"p"));
  if (Am || Pm) {
    if (F.Hour < 1 || F.Hour > 12) return false;
    F.Hour = F.Hour % 12 + (Pm ? 12 : 0);
  }
  return true;
}

}  // namespace

bool TrySplitDateTime(TDateTime Value, TQvDateTimeFields& F) {
  if (!DecodeDate(Value, F.Year, F.Month, F.Day)) return false;
  DecodeTime(Value, F.Hour, F.Minute, F.Second, F.MSec);
  F.DayOfWeek = DayOfTheWeek(Value) % 7;
  return true;
}

String FormatDateTime(const String& Format, TDateTime Value, const TQvFormatSettings& Settings) {
  TQvDateTimeFields F;
  if (!TrySplitDateTime(Value, F)) return String();
  TFormatter Formatter(F, Value, Settings);
  Formatter.Run(Format.empty() ? String(L"c") : Format, 0);
  return Formatter.Out_;
}

String DateTimeToStr(TDateTime Value, const TQvFormatSettings& Settings) {
  return FormatDateTime(L"c", Value, Settings);
}

String DateToStr(TDateTime Value, const TQvFormatSettings& Settings) {
  return FormatDateTime(L"ddddd", Value, Settings);
}

bool TryStrToDateTime(const String& S, TDateTime& Value, const TQvFormatSettings& Settings) {
  size_t I = 0;
  SkipBlanks(S, I);
  if (I >= S.size()) return false;
  TQvDateTimeFields F;
  bool HasDate = false;
  const size_t Start = I;
  if (ParseDate(Settings, S, I, F)) {
    HasDate = true;
    SkipBlanks(S, I);
  } else {
    I = Start;
  }
  if (I < S.size()) {
    TQvDateTimeFields T;
    if (!ParseTime(Settings, S, I, T)) return false;
    F.Hour = T.Hour;
    F.Minute = T.Minute;
    F.Second = T.Second;
    F.MSec = T.MSec;
    SkipBlanks(S, I);
    if (I < S.size()) return false;
  } else if (!HasDate) {
    return false;
  }
  return TryEncodeDateTime(F.Year, F.Month, F.Day, F.Hour, F.Minute, F.Second, F.MSec, Value);
}

}  // namespace qv
