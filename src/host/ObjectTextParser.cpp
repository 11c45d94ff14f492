// The object text form parser. Every malformed input raises EParserError naming the line;
// nesting is bounded so that hostile text cannot exhaust the stack.
#include <charconv>
#include <cmath>

#include "host/ObjectText.h"
#include "host/ObjectTextSyntax.h"

namespace qv {

bool IsObjectTextIdent(const String& S) {
  bool SegmentStart = true;
  for (wchar_t C : S) {
    if (SegmentStart) {
      if (!IsIdentStart(C)) return false;
      SegmentStart = false;
    } else if (C == L'.') {
      SegmentStart = true;
    } else if (!IsIdentChar(C)) {
      return false;
    }
  }
  return !SegmentStart;
}

namespace {

constexpr int MaxNesting = 64;

enum TTokenKind { tkEOF, tkIdent, tkString, tkInteger, tkFloat, tkChar };

struct TToken {
  TTokenKind Kind = tkEOF;
  String Text;  // identifier, string value, or the character
  int64_t Int = 0;
  double Float = 0;
  int Line = 1;
};

class TParser {
 public:
  explicit TParser(const String& Text) : S(Text) { Next(); }

  TObjectNode Document() {
    TObjectNode Root = Object(0);
    if (Tok.Kind != tkEOF) Error(L"End of text expected but " + Describe() + L" found");
    return Root;
  }

 private:
  const String& S;
  size_t Pos = 0;
  int Line = 1;
  TToken Tok;

  [[noreturn]] void Error(const String& Msg, int AtLine = 0) const {
    throw EParserError(Msg + L" on line " + std::to_wstring(AtLine ? AtLine : Tok.Line));
  }

  String Describe() const {
    switch (Tok.Kind) {
      case tkEOF:
        return L"end of text";
      case tkIdent:
        return L"'" + Tok.Text + L"'";
      case tkString:
        return L"a string";
      case tkInteger:
      case tkFloat:
        return L"a number";
      case tkChar:
        break;
    }
    return L"'" + Tok.Text + L"'";
  }

  [[noreturn]] void Expected(const String& What) {
    Error(What + L" expected but " + Describe() + L" found");
  }

  bool IsChar(wchar_t C) const { return Tok.Kind == tkChar && Tok.Text[0] == C; }
  bool IsSymbol(const wchar_t* Name) const {
    return Tok.Kind == tkIdent && SameText(Tok.Text, Name);
  }
  bool IsObjectStart() const {
    return IsSymbol(L"object") || IsSymbol(L"inherited") || IsSymbol(L"inline");
  }

  void ExpectChar(wchar_t C) {
    if (!IsChar(C)) Expected(String(L"'") + C + L"'");
    Next();
  }

  String ExpectIdent(const wchar_t* What) {
    if (Tok.Kind != tkIdent) Expected(What);
    String R = std::move(Tok.Text);
    Next();
    return R;
  }

  // ---- lexer ----

  wchar_t Peek(size_t Ahead = 0) const { return Pos + Ahead < S.size() ? S[Pos + Ahead] : 0; }
  bool AtEnd(size_t Ahead = 0) const { return Pos + Ahead >= S.size(); }

  void SkipBlanks() {
    while (!AtEnd()) {
      wchar_t C = S[Pos];
      if (C == L'\n') {
        ++Line;
      } else if (C == L'\r') {
        if (Peek(1) != L'\n') ++Line;
      } else if (C != L' ' && C != L'\t' && C != 0xFEFF) {
        break;
      }
      ++Pos;
    }
  }

  void Next() {
    SkipBlanks();
    Tok = TToken{};
    Tok.Line = Line;
    if (AtEnd()) return;
    wchar_t C = S[Pos];
    if (IsIdentStart(C)) {
      size_t B = Pos++;
      while (!AtEnd() && (IsIdentChar(S[Pos]) || (S[Pos] == L'.' && IsIdentStart(Peek(1))))) ++Pos;
      Tok.Kind = tkIdent;
      Tok.Text = S.substr(B, Pos - B);
    } else if (C == L'\'' || C == L'#') {
      StringToken();
    } else if ((C >= L'0' && C <= L'9') || C == L'$' || (C == L'-' && !AtEnd(1))) {
      Number();
    } else if (C >= 32 && C < 127) {
      Tok.Kind = tkChar;
      Tok.Text = String(1, C);
      ++Pos;
    } else {
      Error(L"Invalid character #" + std::to_wstring(unsigned(C)));
    }
  }

  static void AppendUnit(String& Out, uint32_t U) {
    if constexpr (sizeof(wchar_t) == 4) {
      // Join a UTF-16 pair written as two codes into one character.
      if (U >= 0xDC00 && U < 0xE000 && !Out.empty()) {
        uint32_t Hi = uint32_t(Out.back());
        if (Hi >= 0xD800 && Hi < 0xDC00) {
          Out.back() = wchar_t(0x10000 + ((Hi - 0xD800) << 10) + (U - 0xDC00));
          return;
        }
      }
      Out += wchar_t(U);
    } else {
      if (U > 0xFFFF) {
        U -= 0x10000;
        Out += wchar_t(0xD800 + (U >> 10));
        Out += wchar_t(0xDC00 + (U & 0x3FF));
      } else {
        Out += wchar_t(U);
      }
    }
  }

  // Adjacent quoted pieces and #codes form one string: 'a'#13#10'b'.
  void StringToken() {
    Tok.Kind = tkString;
    String& Out = Tok.Text;
    while (!AtEnd()) {
      if (S[Pos] == L'\'') {
        ++Pos;
        for (;;) {
          if (AtEnd() || S[Pos] == L'\r' || S[Pos] == L'\n') Error(L"Unterminated string", Line);
          if (S[Pos] == L'\'') {
            if (Peek(1) != L'\'') break;
            ++Pos;
          }
          AppendUnit(Out, uint32_t(S[Pos++]));
        }
        ++Pos;
      } else if (S[Pos] == L'#') {
        ++Pos;
        bool Hex = Peek() == L'$';
        if (Hex) ++Pos;
        uint32_t V = 0;
        size_t Digits = 0;
        for (; !AtEnd(); ++Pos, ++Digits) {
          int D = DigitValue(S[Pos], Hex ? 16 : 10);
          if (D < 0) break;
          V = V * (Hex ? 16 : 10) + uint32_t(D);
          if (V > 0x10FFFF) Error(L"Invalid character code", Line);
        }
        if (Digits == 0) Error(L"Invalid character code", Line);
        AppendUnit(Out, V);
      } else {
        break;
      }
    }
  }

  static int DigitValue(wchar_t C, int Base) {
    int D = C >= L'0' && C <= L'9'   ? C - L'0'
            : C >= L'a' && C <= L'f' ? C - L'a' + 10
            : C >= L'A' && C <= L'F' ? C - L'A' + 10
                                     : 99;
    return D < Base ? D : -1;
  }

  void Number() {
    size_t B = Pos;
    bool Neg = S[Pos] == L'-';
    if (Neg) ++Pos;
    if (Peek() == L'$') {
      ++Pos;
      uint64_t V = 0;
      size_t Digits = 0;
      for (int D; !AtEnd() && (D = DigitValue(S[Pos], 16)) >= 0; ++Pos, ++Digits) {
        if (Digits == 16) Error(L"Integer value out of range");
        V = V * 16 + uint64_t(D);
      }
      if (Digits == 0) Error(L"Invalid number");
      Tok.Kind = tkInteger;
      Tok.Int = Neg ? int64_t(0 - V) : int64_t(V);
    } else {
      size_t DigitsStart = Pos;
      while (!AtEnd() && S[Pos] >= L'0' && S[Pos] <= L'9') ++Pos;
      if (Pos == DigitsStart) Error(L"Invalid number");
      bool IsFloat = false;
      if (Peek() == L'.' && Peek(1) >= L'0' && Peek(1) <= L'9') {
        IsFloat = true;
        ++Pos;
        while (!AtEnd() && S[Pos] >= L'0' && S[Pos] <= L'9') ++Pos;
      }
      if (Peek() == L'e' || Peek() == L'E') {
        size_t E = Pos + 1;
        if (E < S.size() && (S[E] == L'+' || S[E] == L'-')) ++E;
        if (E < S.size() && S[E] >= L'0' && S[E] <= L'9') {
          IsFloat = true;
          Pos = E;
          while (!AtEnd() && S[Pos] >= L'0' && S[Pos] <= L'9') ++Pos;
        }
      }
      std::string Narrow(S.begin() + ptrdiff_t(B), S.begin() + ptrdiff_t(Pos));
      const char* First = Narrow.data();
      const char* Last = First + Narrow.size();
      std::from_chars_result R;
      if (IsFloat) {
        Tok.Kind = tkFloat;
        R = std::from_chars(First, Last, Tok.Float);
        if (R.ec != std::errc() || !std::isfinite(Tok.Float))
          Error(L"Invalid floating point number");
        // Type suffixes the designer may add: single, currency, date.
        if (Peek() == L's' || Peek() == L'c' || Peek() == L'd' || Peek() == L'S' ||
            Peek() == L'C' || Peek() == L'D')
          if (!IsIdentChar(Peek(1))) ++Pos;
      } else {
        Tok.Kind = tkInteger;
        R = std::from_chars(First, Last, Tok.Int);
        if (R.ec != std::errc()) Error(L"Integer value out of range");
      }
    }
    if (!AtEnd() && IsIdentChar(S[Pos])) Error(L"Invalid number");
  }

  // ---- grammar ----

  void Enter(int Depth) const {
    if (Depth > MaxNesting) Error(L"Nesting too deep");
  }

  TObjectNode Object(int Depth) {
    Enter(Depth);
    if (!IsObjectStart()) Expected(L"'object'");
    TObjectNode N;
    N.Inherited = IsSymbol(L"inherited");
    Next();
    String First = ExpectIdent(L"Identifier");
    if (IsChar(L':')) {
      Next();
      N.Name = std::move(First);
      N.ClassName = ExpectIdent(L"Class name");
    } else {
      N.ClassName = std::move(First);
    }
    if (IsChar(L'[')) {  // creation order index: not needed to rebuild the tree
      Next();
      if (Tok.Kind != tkInteger) Expected(L"Integer");
      Next();
      ExpectChar(L']');
    }
    while (Tok.Kind == tkIdent && !IsObjectStart() && !IsSymbol(L"end"))
      N.Props.push_back(Property(Depth));
    while (IsObjectStart()) N.Children.push_back(Object(Depth + 1));
    if (!IsSymbol(L"end")) Expected(L"'end'");
    Next();
    return N;
  }

  TPropEntry Property(int Depth) {
    TPropEntry P;
    P.Name = ExpectIdent(L"Property name");
    ExpectChar(L'=');
    P.Value = Value(Depth);
    return P;
  }

  String StringValue() {
    String R = std::move(Tok.Text);
    Next();
    while (IsChar(L'+')) {
      Next();
      if (Tok.Kind != tkString) Expected(L"String");
      R += Tok.Text;
      Next();
    }
    return R;
  }

  TPropValue Value(int Depth) {
    TPropValue V;
    switch (Tok.Kind) {
      case tkInteger:
        V = TPropValue::OfInteger(Tok.Int);
        Next();
        return V;
      case tkFloat:
        V = TPropValue::OfFloat(Tok.Float);
        Next();
        return V;
      case tkString:
        return TPropValue::OfString(StringValue());
      case tkIdent:
        if (IsSymbol(L"True") || IsSymbol(L"False"))
          V = TPropValue::OfBoolean(IsSymbol(L"True"));
        else if (IsSymbol(L"nil"))
          V.Type = vaNull;
        else
          V = TPropValue::OfIdent(Tok.Text);
        Next();
        return V;
      case tkEOF:
        Expected(L"Property value");
      case tkChar:
        break;
    }
    switch (Tok.Text[0]) {
      case L'[':
        return SetValue();
      case L'(':
        return ListValue();
      case L'{':
        return BinaryValue();
      case L'<':
        return CollectionValue(Depth + 1);
    }
    Expected(L"Property value");
  }

  TPropValue SetValue() {
    Next();
    TPropValue V = TPropValue::OfSet({});
    if (!IsChar(L']')) {
      V.SetItems.push_back(ExpectIdent(L"Set member"));
      while (IsChar(L',')) {
        Next();
        V.SetItems.push_back(ExpectIdent(L"Set member"));
      }
    }
    ExpectChar(L']');
    return V;
  }

  TPropValue ListValue() {
    Next();
    TPropValue V = TPropValue::OfList({});
    while (!IsChar(L')')) {
      if (Tok.Kind != tkString) Expected(L"String");
      V.SetItems.push_back(StringValue());
    }
    Next();
    return V;
  }

  // Scans the raw text after '{': hexadecimal digit pairs, blanks allowed between them.
  TPropValue BinaryValue() {
    TPropValue V = TPropValue::OfBinary({});
    int Start = Line;
    int Pending = -1;
    for (;;) {
      SkipBlanks();
      if (AtEnd()) Error(L"Unterminated binary data", Start);
      wchar_t C = S[Pos];
      if (C == L'}') break;
      int D = DigitValue(C, 16);
      if (D < 0) Error(L"Invalid binary data", Line);
      ++Pos;
      if (Pending < 0) {
        Pending = D;
      } else {
        V.Binary.push_back(uint8_t(Pending * 16 + D));
        Pending = -1;
      }
    }
    if (Pending >= 0) Error(L"Odd number of hexadecimal digits in binary data", Line);
    ++Pos;
    Next();
    return V;
  }

  TPropValue CollectionValue(int Depth) {
    Enter(Depth);
    Next();
    TPropValue V;
    V.Type = vaCollection;
    while (!IsChar(L'>')) {
      if (!IsSymbol(L"item")) Expected(L"'item'");
      Next();
      if (IsChar(L'[')) {
        Next();
        if (Tok.Kind != tkInteger) Expected(L"Integer");
        Next();
        ExpectChar(L']');
      }
      TPropList Item;
      while (Tok.Kind == tkIdent && !IsSymbol(L"end")) Item.push_back(Property(Depth));
      if (!IsSymbol(L"end")) Expected(L"'end'");
      Next();
      V.Items.push_back(std::move(Item));
    }
    Next();
    return V;
  }
};

}  // namespace

TObjectNode ObjectTextToNode(const String& Text) {
  TParser P(Text);
  return P.Document();
}

}  // namespace qv
