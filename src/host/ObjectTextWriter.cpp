// The object text form writer: a node tree to text, laid out as the form designer writes it
// (two spaces per level, CR LF line ends, strings split into 64-character pieces, binary data
// 32 bytes per line).
#include <charconv>
#include <cmath>

#include "host/ObjectText.h"
#include "host/ObjectTextSyntax.h"

namespace qv {

namespace {

constexpr wchar_t CRLF[] = L"\r\n";
constexpr size_t CharsPerStringLine = 64;
constexpr size_t BytesPerBinaryLine = 32;

class TTextWriter {
 public:
  String Out;

  void Object(const TObjectNode& Node, int Level) {
    Indent(Level);
    Out += Node.Inherited ? L"inherited " : L"object ";
    if (!Node.Name.empty()) {
      Out += CheckedIdent(Node.Name, L"component name");
      Out += L": ";
    }
    Out += CheckedIdent(Node.ClassName, L"class name");
    Out += CRLF;
    for (const auto& P : Node.Props) Property(P, Level + 1);
    for (const auto& C : Node.Children) Object(C, Level + 1);
    Indent(Level);
    Out += L"end";
    Out += CRLF;
  }

 private:
  void Indent(int Level) { Out.append(size_t(Level) * 2, L' '); }

  void NewLine(int Level) {
    Out += CRLF;
    Indent(Level);
  }

  static const String& CheckedIdent(const String& S, const wchar_t* What) {
    if (!IsObjectTextIdent(S))
      throw EWriteError(String(L"Invalid ") + What + L" '" + S + L"' in object text");
    return S;
  }

  void Property(const TPropEntry& P, int Level) {
    Indent(Level);
    Out += CheckedIdent(P.Name, L"property name");
    Out += L" = ";
    Value(P.Value, Level);
    Out += CRLF;
  }

  void Value(const TPropValue& V, int Level) {
    switch (V.Type) {
      case vaNull:
        Out += L"nil";
        break;
      case vaInteger:
        Out += std::to_wstring(V.Int);
        break;
      case vaFloat:
        Float(V.Float);
        break;
      case vaString:
        StringLiteral(V.Str, Level);
        break;
      case vaIdent:
        Out += CheckedIdent(V.Str, L"identifier");
        break;
      case vaFalse:
        Out += L"False";
        break;
      case vaTrue:
        Out += L"True";
        break;
      case vaBinary:
        Binary(V.Binary, Level);
        break;
      case vaSet:
        Out += L'[';
        for (size_t I = 0; I < V.SetItems.size(); ++I) {
          if (I) Out += L", ";
          Out += CheckedIdent(V.SetItems[I], L"set member");
        }
        Out += L']';
        break;
      case vaList:
        Out += L'(';
        for (const auto& S : V.SetItems) {
          NewLine(Level + 1);
          StringLiteral(S, Level + 1);
        }
        Out += L')';
        break;
      case vaCollection:
        Out += L'<';
        for (const auto& Item : V.Items) {
          NewLine(Level + 1);
          Out += L"item";
          Out += CRLF;
          for (const auto& P : Item) Property(P, Level + 2);
          Indent(Level + 1);
          Out += L"end";
        }
        Out += L'>';
        break;
    }
  }

  void Float(double D) {
    if (!std::isfinite(D)) throw EWriteError(L"Invalid floating point value in object text");
    char Buf[64];
    auto R = std::to_chars(Buf, Buf + sizeof(Buf), D);
    std::string S(Buf, R.ptr);
    if (S.find_first_of(".e") == std::string::npos) S += ".0";  // read back as a float
    Out.append(S.begin(), S.end());
  }

  // Printable ASCII goes in quotes (a quote doubled); every other character as #code.
  // Characters beyond 16 bits are written as their UTF-16 pair, so the text is the same
  // whatever the width of wchar_t.
  void StringLiteral(const String& S, int Level) {
    if (S.empty()) {
      Out += L"''";
      return;
    }
    std::vector<uint32_t> Units;
    for (wchar_t C : S) {
      uint32_t U = uint32_t(C);
      if (U > 0x10FFFF) U = 0xFFFD;  // not a character (only possible with 32-bit wchar_t)
      if (U > 0xFFFF) {
        Units.push_back(0xD800 + ((U - 0x10000) >> 10));
        Units.push_back(0xDC00 + ((U - 0x10000) & 0x3FF));
      } else {
        Units.push_back(U);
      }
    }
    if (Units.size() > CharsPerStringLine) NewLine(Level + 1);
    size_t I = 0, LineStart = 0;
    bool InQuotes = false;
    while (I < Units.size()) {
      uint32_t U = Units[I];
      bool Plain = U >= 32 && U < 127;
      if (Plain != InQuotes) {
        Out += L'\'';
        InQuotes = Plain;
      }
      if (!Plain) {
        Out += L'#';
        Out += std::to_wstring(U);
      } else {
        if (U == L'\'') Out += L'\'';
        Out += wchar_t(U);
      }
      ++I;
      if (I - LineStart >= CharsPerStringLine && I < Units.size()) {
        if (InQuotes) Out += L'\'';
        InQuotes = false;
        Out += L" +";
        NewLine(Level + 1);
        LineStart = I;
      }
    }
    if (InQuotes) Out += L'\'';
  }

  void Binary(const std::vector<uint8_t>& Data, int Level) {
    static const wchar_t Hex[] = L"0123456789ABCDEF";
    Out += L'{';
    bool MultiLine = Data.size() >= BytesPerBinaryLine;
    for (size_t I = 0; I < Data.size(); ++I) {
      if (MultiLine && I % BytesPerBinaryLine == 0) NewLine(Level + 1);
      Out += Hex[Data[I] >> 4];
      Out += Hex[Data[I] & 15];
    }
    Out += L'}';
  }
};

}  // namespace

String ObjectNodeToText(const TObjectNode& Node) {
  TTextWriter W;
  W.Object(Node, 0);
  return std::move(W.Out);
}

}  // namespace qv
