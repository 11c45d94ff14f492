#include "controls/QvHtmlText.h"

#include <cwctype>
#include <iterator>

#include "host/Colors.h"

namespace qv {

const THtmlCode HtmlCodes[7] = {
    {L"&amp;", L"&"},        {L"&quot;", L"\""},     {L"&reg;", L"\u00AE"}, {L"&copy;", L"\u00A9"},
    {L"&trade;", L"\u2122"}, {L"&euro;", L"\u20AC"}, {L"&nbsp;", L" "},
};

namespace {

wchar_t AsciiUpper(wchar_t C) {
  return C >= L'a' && C <= L'z' ? wchar_t(C - L'a' + L'A') : C;
}

// Whether S holds Pattern (ASCII, any case) at Pos.
bool MatchAt(const String& S, size_t Pos, const wchar_t* Pattern) {
  for (size_t I = 0; Pattern[I]; ++I)
    if (Pos + I >= S.size() || AsciiUpper(S[Pos + I]) != AsciiUpper(Pattern[I])) return false;
  return true;
}

size_t Length(const wchar_t* S) {
  return std::char_traits<wchar_t>::length(S);
}

bool IsBlank(wchar_t C) {
  return C == L' ' || C == L'\t' || C == L'\r' || C == L'\n';
}

}  // namespace

String HTMLUpperCase(const String& S) {
  String R = S;
  for (wchar_t& C : R) C = AsciiUpper(C);
  return R;
}

String HTMLPrepareText(const String& S) {
  // Entities and source line breaks in one pass.
  String T;
  T.reserve(S.size());
  for (size_t I = 0; I < S.size();) {
    const wchar_t C = S[I];
    if (C == L'\r' || C == L'\n') {
      ++I;
      continue;
    }
    if (C == L'&') {
      const THtmlCode* Hit = nullptr;
      for (const THtmlCode& E : HtmlCodes)
        if (MatchAt(S, I, E.Html)) {
          Hit = &E;
          break;
        }
      if (Hit) {
        const size_t N = Length(Hit->Html);
        // "&amp;lt;" must draw "&lt;", not "<": leave the ampersand to the run decoding.
        const bool KeepEncoded =
            Hit == &HtmlCodes[0] &&
            (MatchAt(S, I + N, L"lt;") || MatchAt(S, I + N, L"gt;") || MatchAt(S, I + N, L"amp;"));
        T.append(KeepEncoded ? S.substr(I, N) : String(Hit->Code));
        I += N;
        continue;
      }
    }
    T.push_back(C);
    ++I;
  }
  // Then the break and rule tags.
  String R;
  R.reserve(T.size() + 16);
  for (size_t I = 0; I < T.size();) {
    if (T[I] == L'<' && MatchAt(T, I, L"<BR>")) {
      R.append(L"\r\n");
      I += 4;
    } else if (T[I] == L'<' && MatchAt(T, I, L"<HR>")) {
      R.append(T, I, 4).append(L"\r\n");
      I += 4;
    } else {
      R.push_back(T[I++]);
    }
  }
  return R;
}

String HTMLBeforeTag(String& S, bool DeleteToTag) {
  const size_t P = S.find(L'<');
  String Before = S.substr(0, P);
  if (DeleteToTag) S.erase(0, P == String::npos ? S.size() : P);
  return Before;
}

String HTMLDeleteTag(const String& S) {
  if (S.empty() || S[0] != L'<') return S;
  const size_t P = S.find(L'>', 1);
  return P == String::npos ? S : S.substr(P + 1);
}

wchar_t GetChar(const String& S, int Index, bool Upper) {
  if (Index < 1 || size_t(Index) > S.size()) return L' ';
  const wchar_t C = S[size_t(Index) - 1];
  return Upper ? AsciiUpper(C) : C;
}

String HTMLDecodeRun(const String& S) {
  if (S.find(L'&') == String::npos) return S;
  static const THtmlCode Codes[] = {{L"&lt;", L"<"}, {L"&gt;", L">"}, {L"&amp;", L"&"}};
  String R;
  R.reserve(S.size());
  for (size_t I = 0; I < S.size();) {
    const THtmlCode* Hit = nullptr;
    if (S[I] == L'&')
      for (const THtmlCode& E : Codes)
        if (MatchAt(S, I, E.Html)) {
          Hit = &E;
          break;
        }
    if (Hit) {
      R.append(Hit->Code);
      I += Length(Hit->Html);
    } else {
      R.push_back(S[I++]);
    }
  }
  return R;
}

bool HTMLTagAttribute(const String& Tag, const String& Name, String& Value) {
  const size_t N = Tag.size();
  size_t I = 0;
  // The tag's own name first.
  while (I < N && !IsBlank(Tag[I])) ++I;
  while (I < N) {
    while (I < N && IsBlank(Tag[I])) ++I;
    const size_t NameStart = I;
    while (I < N && !IsBlank(Tag[I]) && Tag[I] != L'=') ++I;
    const String AttrName = Tag.substr(NameStart, I - NameStart);
    size_t J = I;
    while (J < N && IsBlank(Tag[J])) ++J;
    String AttrValue;
    if (J < N && Tag[J] == L'=') {
      ++J;
      while (J < N && IsBlank(Tag[J])) ++J;
      if (J < N && (Tag[J] == L'"' || Tag[J] == L'\'')) {
        const size_t Close = Tag.find(Tag[J], J + 1);
        const size_t End = Close == String::npos ? N : Close;
        AttrValue = Tag.substr(J + 1, End - J - 1);
        J = End == N ? N : End + 1;
      } else {
        const size_t Start = J;
        while (J < N && !IsBlank(Tag[J])) ++J;
        AttrValue = Tag.substr(Start, J - Start);
      }
      I = J;
    } else if (AttrName.empty()) {
      ++I;  // a stray "=" or quote
      continue;
    }
    if (!AttrName.empty() && HTMLUpperCase(AttrName) == Name) {
      Value = AttrValue;
      return true;
    }
  }
  return false;
}

namespace {

int HexDigit(wchar_t C) {
  if (C >= L'0' && C <= L'9') return C - L'0';
  C = AsciiUpper(C);
  if (C >= L'A' && C <= L'F') return C - L'A' + 10;
  return -1;
}

}  // namespace

bool HTMLColorValue(const String& Value, TColor& Color) {
  const String T = Trim(Value);
  if (T.empty()) return false;
  if (T[0] == L'#') {
    const size_t Digits = T.size() - 1;
    if (Digits != 3 && Digits != 6) return false;
    uint32_t RGB = 0;
    for (size_t I = 1; I < T.size(); ++I) {
      const int D = HexDigit(T[I]);
      if (D < 0) return false;
      RGB = Digits == 3 ? RGB << 8 | uint32_t(D * 17) : RGB << 4 | uint32_t(D);
    }
    // HTML writes red first; the framework keeps red in the low byte.
    Color = TColor((RGB & 0xFF) << 16 | (RGB & 0xFF00) | (RGB >> 16 & 0xFF));
    return true;
  }
  if (IdentToColor(T, Color)) return true;
  static const wchar_t* const Basic[] = {
      L"Black",  L"Maroon", L"Green", L"Olive",  L"Navy", L"Purple",  L"Teal", L"Gray",
      L"Silver", L"Red",    L"Lime",  L"Yellow", L"Blue", L"Fuchsia", L"Aqua", L"White"};
  for (const wchar_t* B : Basic)
    if (SameText(T, B)) return IdentToColor(String(L"cl") + B, Color);
  try {
    Color = StringToColor(T);
    return true;
  } catch (const EConvertError&) {
    return false;
  }
}

}  // namespace qv
