// The SVG path data reader of TQvSVGPathRenderer.
#include <charconv>
#include <cstdlib>

#include "graphics/QvSkinGraphics.h"
#include "host/ScopeGuard.h"

namespace qv {

namespace {

bool IsBlank(char C) {
  return C == ' ' || C == '\t' || C == '\n' || C == '\r';
}
bool IsDigit(char C) {
  return C >= '0' && C <= '9';
}
bool IsSign(char C) {
  return C == '+' || C == '-';
}
bool StartsNumber(char C) {
  return IsDigit(C) || IsSign(C) || C == '.';
}

// The text's characters are 8-bit; messages show them as the code points of the same value.
String Text(const std::string& S) {
  String R;
  for (char C : S) R += wchar_t(uint8_t(C));
  return R;
}

[[noreturn]] void NotANumber(const std::string& S) {
  throw EConvertError(L"'" + Text(S) + L"' is not a valid floating point value");
}

// [sign] (digits [. digits] | . digits) [(e|E) [sign] digits], "." as the decimal point.
double StrToFloat(const std::string& S) {
  size_t I = 0, N = S.size();
  bool Negative = false;
  if (I < N && IsSign(S[I])) Negative = S[I++] == '-';
  size_t MantissaStart = I, Digits = 0;
  // Decimal magnitude of the first significant digit, for telling overflow from underflow.
  long long Magnitude = 0;
  bool Significant = false, Fraction = false;
  for (; I < N && (IsDigit(S[I]) || (S[I] == '.' && !Fraction)); ++I) {
    if (S[I] == '.') {
      Fraction = true;
      continue;
    }
    ++Digits;
    if (Significant) {
      if (!Fraction) ++Magnitude;
    } else if (S[I] != '0') {
      Significant = true;
    } else if (Fraction) {
      --Magnitude;
    }
  }
  if (Digits == 0) NotANumber(S);
  long long Exponent = 0;
  if (I < N && (S[I] == 'e' || S[I] == 'E')) {
    size_t E = ++I;
    bool NegExp = false;
    if (I < N && IsSign(S[I])) NegExp = S[I++] == '-';
    if (I == N) NotANumber(S);
    for (; I < N && IsDigit(S[I]); ++I)
      if (Exponent < 1000000000) Exponent = Exponent * 10 + (S[I] - '0');
    if (I == E) NotANumber(S);
    if (NegExp) Exponent = -Exponent;
  }
  if (I != N) NotANumber(S);
  double Value = 0;
  auto [End, Ec] = std::from_chars(S.data() + MantissaStart, S.data() + N, Value);
  if (Ec == std::errc::result_out_of_range) {
    if (!Significant || Magnitude + Exponent < 0) return Negative ? -0.0 : 0.0;  // underflow
    NotANumber(S);  // beyond the range of a double
  }
  if (Ec != std::errc() || End != S.data() + N) NotANumber(S);
  return Negative ? -Value : Value;
}

class TPathReader {
 public:
  explicit TPathReader(const std::string& S) : FS(S) {}
  bool AtEnd() const { return FPos >= FS.size(); }
  char Current() const { return FS[FPos]; }
  void Next() { ++FPos; }
  void SkipBlanks() {
    while (!AtEnd() && IsBlank(FS[FPos])) ++FPos;
  }
  void SkipBlanksAndCommas() {
    while (!AtEnd() && (IsBlank(FS[FPos]) || FS[FPos] == ',')) ++FPos;
  }

  // Takes [sign] digits, then "." and digits and then an exponent, each only when its
  // first character is not the text's last one.
  double Number() {
    if (AtEnd()) throw EParserError(L"No Data");
    size_t Start = FPos;
    if (IsSign(Current())) Next();
    SkipDigits();
    if (!AtEnd() && Current() == '.' && !AtLast()) {
      Next();
      SkipDigits();
    }
    if (!AtEnd() && (Current() == 'e' || Current() == 'E') && !AtLast()) {
      Next();
      if (!AtEnd() && IsSign(Current()) && !AtLast()) Next();
      SkipDigits();
    }
    return StrToFloat(FS.substr(Start, FPos - Start));
  }

  // X, blanks and commas, Y, blanks.
  TFloatPoint Pair() {
    double X = Number();
    SkipBlanksAndCommas();
    double Y = Number();
    SkipBlanks();
    return {X, Y};
  }

  // A point after the first: X gets 1.5.
  TFloatPoint Point() {
    TFloatPoint P = Pair();
    P.X += 1.5;
    return P;
  }

  double Single() {
    double V = Number();
    SkipBlanks();
    return V;
  }

  bool Flag() {
    if (AtEnd()) throw EParserError(L"No Data");
    bool Set = Current() == '1';
    Next();
    SkipBlanks();
    return Set;
  }

 private:
  bool AtLast() const { return FPos + 1 == FS.size(); }
  void SkipDigits() {
    while (!AtEnd() && IsDigit(Current())) Next();
  }
  const std::string& FS;
  size_t FPos = 0;
};

bool IsTrimmedEmpty(const std::string& S) {
  for (char C : S)
    if (uint8_t(C) > ' ') return false;
  return true;
}

[[noreturn]] void UnknownCommand(const wchar_t* Format, char C) {
  throw EParserError(String(Format) + L" (" + Text(std::string(1, C)) + L")");
}

void Parse(TCanvas32& Canvas, const std::string& Data) {
  TPathReader R(Data);
  R.SkipBlanks();
  if (R.AtEnd()) return;
  if (R.Current() != 'M' && R.Current() != 'm')
    UnknownCommand(L"Unknown first command", R.Current());
  bool Relative = R.Current() == 'm';
  R.Next();
  R.SkipBlanks();
  TFloatPoint First = R.Pair();
  Canvas.BeginPath();
  Canvas.MoveTo(First);
  char Command = 'L';
  while (!R.AtEnd()) {
    char C = R.Current();
    switch (C) {
      case 'M':
      case 'm':
      case 'L':
      case 'l':
      case 'H':
      case 'h':
      case 'V':
      case 'v':
      case 'C':
      case 'c':
      case 'S':
      case 's':
      case 'Q':
      case 'q':
      case 'T':
      case 't':
      case 'A':
      case 'a':
      case 'Z':
      case 'z':
        Command = char(C & ~0x20);
        Relative = C >= 'a';
        R.Next();
        R.SkipBlanks();
        break;
      default:
        // Numbers repeat the command; after a close there is nothing to repeat, and
        // repeating it would read nothing and never get on.
        if (!StartsNumber(C) || Command == 'Z') UnknownCommand(L"Unknown command", C);
    }
    const TFloatPoint Base = Canvas.CurrentPoint();
    auto Abs = [&](TFloatPoint P) {
      if (Relative) P = {P.X + Base.X, P.Y + Base.Y};
      return P;
    };
    switch (Command) {
      case 'M': {
        TFloatPoint P = Abs(R.Point());
        Canvas.EndPath();
        Canvas.BeginPath();
        Canvas.MoveTo(P);
        Command = 'L';
        break;
      }
      case 'L':
        Canvas.LineTo(Abs(R.Point()));
        break;
      case 'H': {
        double X = R.Single();
        Canvas.LineTo({Relative ? X + Base.X : X, Base.Y});
        break;
      }
      case 'V': {
        double Y = R.Single();
        Canvas.LineTo({Base.X, Relative ? Y + Base.Y : Y});
        break;
      }
      case 'C': {
        TFloatPoint C1 = Abs(R.Point()), C2 = Abs(R.Point()), P = Abs(R.Point());
        Canvas.CurveTo(C1, C2, P);
        break;
      }
      case 'S': {
        TFloatPoint C2 = Abs(R.Point()), P = Abs(R.Point());
        Canvas.CurveTo(C2, P);
        break;
      }
      case 'Q': {
        TFloatPoint Ctl = Abs(R.Point()), P = Abs(R.Point());
        Canvas.ConicTo(Ctl, P);
        break;
      }
      case 'T':
        Canvas.ConicTo(Abs(R.Point()));
        break;
      case 'A':  // consumed, not drawn: radii, rotation, two flags, end point
        R.Point();
        R.Single();
        R.Flag();
        R.Flag();
        R.Point();
        break;
      case 'Z':
        Canvas.ClosePath();
        break;
    }
  }
  Canvas.EndPath();
}

}  // namespace

void RenderSVGPath(TCanvas32& Canvas, const std::string& Data) {
  if (IsTrimmedEmpty(Data)) return;
  TScopeFail Drop([&] { Canvas.BeginPath(); });  // the subpath in progress is dropped
  Parse(Canvas, Data);
}

}  // namespace qv
