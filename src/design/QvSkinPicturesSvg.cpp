#include "design/QvSkinPicturesSvg.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>
#include <rapidxml.hpp>
#include <string>
#include <string_view>

#include "graphics/SvgImageRender.h"

namespace qv {

namespace {

using TXmlNode = rapidxml::xml_node<char>;

// The reason is put together from its parts.
template <class... TParts>
[[noreturn]] void Refuse(const TParts&... Parts) {
  std::string Reason;
  (Reason.append(std::string_view(Parts)), ...);
  throw EInvalidGraphic(L"Invalid SVG: " + FromUtf8(Reason));
}

std::string_view TrimView(std::string_view S) {
  const char* Blanks = " \t\r\n";
  const size_t First = S.find_first_not_of(Blanks);
  if (First == std::string_view::npos) return {};
  return S.substr(First, S.find_last_not_of(Blanks) - First + 1);
}

std::string_view NameOf(const TXmlNode& N) {
  std::string_view Name(N.name(), N.name_size());
  if (Name.substr(0, 4) == "svg:") Name.remove_prefix(4);
  return Name;
}

// The attribute's value, or nothing when it is absent.
const char* Attribute(const TXmlNode& N, const char* Name) {
  const rapidxml::xml_attribute<char>* A = N.first_attribute(Name);
  return A ? A->value() : nullptr;
}

// Numbers of the SVG syntax, separated by blanks or commas. False when something else is
// in the text.
bool ReadNumbers(std::string_view S, std::vector<double>& Out) {
  size_t I = 0;
  while (true) {
    while (I < S.size() &&
           (S[I] == ' ' || S[I] == ',' || S[I] == '\t' || S[I] == '\r' || S[I] == '\n'))
      ++I;
    if (I == S.size()) return true;
    if (S[I] == '+') ++I;
    double V = 0;
    auto [End, Ec] = std::from_chars(S.data() + I, S.data() + S.size(), V);
    if (Ec != std::errc() || !std::isfinite(V)) return false;
    Out.push_back(V);
    I = size_t(End - S.data());
  }
}

// A length in user units ("px" allowed); Default when the attribute is absent.
double Length(const TXmlNode& N, const char* Name, double Default = 0) {
  const char* Value = Attribute(N, Name);
  if (!Value) return Default;
  std::string_view S = TrimView(Value);
  if (S.size() > 2 && S.substr(S.size() - 2) == "px") S.remove_suffix(2);
  std::vector<double> V;
  if (!ReadNumbers(S, V) || V.size() != 1)
    Refuse("the length ", Name, "=\"", Value, "\" is not in user units");
  return V[0];
}

// ---- colours ----

struct TNamedColor {
  const char* Name;
  uint32_t RGB;  // 0xRRGGBB
};
constexpr TNamedColor kNamedColors[] = {
    {"black", 0x000000},  {"white", 0xFFFFFF},   {"red", 0xFF0000},     {"lime", 0x00FF00},
    {"green", 0x008000},  {"blue", 0x0000FF},    {"yellow", 0xFFFF00},  {"cyan", 0x00FFFF},
    {"aqua", 0x00FFFF},   {"magenta", 0xFF00FF}, {"fuchsia", 0xFF00FF}, {"gray", 0x808080},
    {"grey", 0x808080},   {"silver", 0xC0C0C0},  {"maroon", 0x800000},  {"olive", 0x808000},
    {"purple", 0x800080}, {"teal", 0x008080},    {"navy", 0x000080},    {"orange", 0xFFA500},
};

TColor FromRGB(uint32_t RGB) {
  return TColor((RGB >> 16) | (RGB & 0xFF00) | ((RGB & 0xFF) << 16));
}

int HexDigit(char C) {
  if (C >= '0' && C <= '9') return C - '0';
  if (C >= 'a' && C <= 'f') return C - 'a' + 10;
  if (C >= 'A' && C <= 'F') return C - 'A' + 10;
  return -1;
}

TColor ParseColor(std::string_view Text) {
  const std::string_view S = TrimView(Text);
  if (S == "none") return clNone;
  if (S == "currentColor") return clBlack;
  if (!S.empty() && S[0] == '#' && (S.size() == 4 || S.size() == 7)) {
    uint32_t RGB = 0;
    for (size_t I = 1; I < S.size(); ++I) {
      const int D = HexDigit(S[I]);
      if (D < 0) break;
      RGB = S.size() == 4 ? RGB << 8 | uint32_t(D * 17) : RGB << 4 | uint32_t(D);
      if (I + 1 == S.size()) return FromRGB(RGB);
    }
  }
  if (S.substr(0, 4) == "rgb(" && S.back() == ')') {
    std::vector<double> V;
    if (ReadNumbers(S.substr(4, S.size() - 5), V) && V.size() == 3) {
      uint32_t RGB = 0;
      for (double C : V) RGB = RGB << 8 | uint32_t(std::lround(std::clamp(C, 0.0, 255.0)));
      return FromRGB(RGB);
    }
  }
  for (const TNamedColor& C : kNamedColors)
    if (S == C.Name) return FromRGB(C.RGB);
  Refuse("the colour \"", S, "\" is not supported");
}

// What a shape is drawn with, inherited from its ancestors.
struct TPaint {
  TColor Fill = clBlack;
  TColor Stroke = clNone;
  double StrokeWidth = 1;
};

void SetPaint(TPaint& Paint, std::string_view Name, std::string_view Value) {
  if (Name == "fill") {
    Paint.Fill = ParseColor(Value);
  } else if (Name == "stroke") {
    Paint.Stroke = ParseColor(Value);
  } else if (Name == "stroke-width") {
    std::string_view S = TrimView(Value);
    if (S.size() > 2 && S.substr(S.size() - 2) == "px") S.remove_suffix(2);
    std::vector<double> V;
    if (!ReadNumbers(S, V) || V.size() != 1 || V[0] < 0)
      Refuse("the stroke width \"", Value, "\" is not supported");
    Paint.StrokeWidth = V[0];
  }
}

// Attributes first, then the style declarations, which take precedence.
TPaint PaintOf(const TXmlNode& N, TPaint Paint) {
  for (const char* Name : {"fill", "stroke", "stroke-width"})
    if (const char* Value = Attribute(N, Name)) SetPaint(Paint, Name, Value);
  if (const char* Style = Attribute(N, "style")) {
    std::string_view S = Style;
    while (!S.empty()) {
      const size_t End = std::min(S.find(';'), S.size());
      const std::string_view Decl = S.substr(0, End);
      S.remove_prefix(std::min(End + 1, S.size()));
      const size_t Colon = Decl.find(':');
      if (Colon != std::string_view::npos)
        SetPaint(Paint, TrimView(Decl.substr(0, Colon)), TrimView(Decl.substr(Colon + 1)));
    }
  }
  return Paint;
}

// ---- shapes as path data ----

void Put(std::string& Path, double V) {
  char Buf[32];
  auto [End, Ec] = std::to_chars(Buf, Buf + sizeof Buf, V);
  (void)Ec;  // 32 characters hold any double
  Path.append(Buf, End);
}

void Put(std::string& Path, const char* Command, std::initializer_list<double> Values) {
  if (!Path.empty()) Path += ' ';
  Path += Command;
  bool First = true;
  for (double V : Values) {
    if (!First) Path += ' ';
    First = false;
    Put(Path, V);
  }
}

void EllipsePath(std::string& Path, double CX, double CY, double RX, double RY) {
  // Four cubic quarter arcs: the renderer does not draw the arc command.
  const double K = 0.5522847498307936;
  Put(Path, "M", {CX + RX, CY});
  Put(Path, "C", {CX + RX, CY + K * RY, CX + K * RX, CY + RY, CX, CY + RY});
  Put(Path, "C", {CX - K * RX, CY + RY, CX - RX, CY + K * RY, CX - RX, CY});
  Put(Path, "C", {CX - RX, CY - K * RY, CX - K * RX, CY - RY, CX, CY - RY});
  Put(Path, "C", {CX + K * RX, CY - RY, CX + RX, CY - K * RY, CX + RX, CY});
  Path += " Z";
}

// The shape's path data; empty for an element that draws nothing.
std::string ShapePath(const TXmlNode& N, std::string_view Name) {
  std::string Path;
  if (Name == "path") {
    const char* D = Attribute(N, "d");
    return D ? std::string(TrimView(D)) : std::string();
  }
  if (Name == "rect") {
    // Rounded corners are drawn square.
    const double X = Length(N, "x"), Y = Length(N, "y");
    const double W = Length(N, "width"), H = Length(N, "height");
    if (W < 0 || H < 0) Refuse("a rect has a negative size");
    if (W > 0 && H > 0) {
      Put(Path, "M", {X, Y});
      Put(Path, "H", {X + W});
      Put(Path, "V", {Y + H});
      Put(Path, "H", {X});
      Path += " Z";
    }
  } else if (Name == "circle" || Name == "ellipse") {
    const bool Circle = Name == "circle";
    const double RX = Length(N, Circle ? "r" : "rx"), RY = Circle ? RX : Length(N, "ry");
    if (RX < 0 || RY < 0) Refuse("a radius is negative");
    if (RX > 0 && RY > 0) EllipsePath(Path, Length(N, "cx"), Length(N, "cy"), RX, RY);
  } else if (Name == "line") {
    Put(Path, "M", {Length(N, "x1"), Length(N, "y1")});
    Put(Path, "L", {Length(N, "x2"), Length(N, "y2")});
  } else if (Name == "polygon" || Name == "polyline") {
    std::vector<double> P;
    const char* Points = Attribute(N, "points");
    if (Points && !ReadNumbers(Points, P)) Refuse("a points list is malformed");
    if (P.size() >= 4) {
      Put(Path, "M", {P[0], P[1]});
      for (size_t I = 2; I + 1 < P.size(); I += 2) Put(Path, "L", {P[I], P[I + 1]});
      if (Name == "polygon") Path += " Z";
    }
  }
  return Path;
}

// ---- the document ----

// Elements whose content is not drawn where it stands.
bool NotDrawn(std::string_view Name) {
  for (const char* N : {"defs", "symbol", "clipPath", "mask", "pattern", "marker", "title", "desc",
                        "metadata", "style", "linearGradient", "radialGradient"})
    if (Name == N) return true;
  return false;
}

bool Container(std::string_view Name) {
  return Name == "g" || Name == "a" || Name == "switch";
}

bool Shape(std::string_view Name) {
  for (const char* N : {"path", "rect", "circle", "ellipse", "line", "polygon", "polyline"})
    if (Name == N) return true;
  return false;
}

struct TReader {
  std::string Path;
  TPaint First;
  bool HasShape = false;

  void Walk(const TXmlNode& N, const TPaint& Inherited) {
    const std::string_view Name = NameOf(N);
    if (NotDrawn(Name)) return;
    if (Attribute(N, "transform")) Refuse("transforms are not supported");
    if (Name == "svg" || Name == "text" || Name == "image" || Name == "use" ||
        Name == "foreignObject")
      Refuse("<", Name, "> elements are not supported");
    const bool Drawn = Container(Name) || Shape(Name);
    if (!Drawn) return;  // other vocabularies (editor metadata and the like)
    const TPaint Paint = PaintOf(N, Inherited);
    if (Shape(Name)) {
      const std::string D = ShapePath(N, Name);
      if (D.empty()) return;
      if (!HasShape) First = Paint;
      HasShape = true;
      if (!Path.empty()) {
        Path += ' ';
        // A path's first relative moveto is absolute; after the previous path it would not be.
        if (D[0] == 'm') Path += "M0 0 ";
      }
      Path += D;
      return;
    }
    WalkChildren(N, Paint);
  }

  void WalkChildren(const TXmlNode& N, const TPaint& Paint) {
    for (const TXmlNode* C = N.first_node(); C; C = C->next_sibling())
      if (C->type() == rapidxml::node_element) Walk(*C, Paint);
  }
};

// A size or width as the item holds it: whole, at least 1 when positive (0 would mean
// "none" or "the list's size"), and bounded so that any value converts.
Integer Whole(double V) {
  return V > 0 ? Integer(std::max(1L, std::lround(std::min(V, 1e6)))) : 0;
}

// The view box's size; its origin must be 0 0 because path data cannot be moved.
void ReadSize(const TXmlNode& Root, TSkSvgBrush& Data) {
  if (const char* Box = Attribute(Root, "viewBox")) {
    std::vector<double> V;
    if (!ReadNumbers(Box, V) || V.size() != 4 || V[2] <= 0 || V[3] <= 0)
      Refuse("the view box is malformed");
    if (V[0] != 0 || V[1] != 0) Refuse("a view box not starting at 0 0 is not supported");
    Data.SetViewWidth(Whole(V[2]));
    Data.SetViewHeight(Whole(V[3]));
    return;
  }
  auto Side = [&](const char* Name) -> Integer {
    const char* Value = Attribute(Root, Name);
    if (!Value || std::string_view(Value).find('%') != std::string_view::npos) return 0;
    return Whole(Length(Root, Name));
  };
  Data.SetViewWidth(Side("width"));
  Data.SetViewHeight(Side("height"));
}

std::string Narrow(const String& S) {
  std::string R;
  for (wchar_t C : S) R += uint32_t(C) < 128 ? char(C) : '?';
  return R;
}

std::string HtmlColor(TColor Color) {
  return Narrow(TQvSkinSvgImageList::ColorToHtmlColor(Color));
}

// Text for a double-quoted attribute.
std::string Escaped(const std::string& S) {
  std::string R;
  for (char C : S) {
    switch (C) {
      case '&':
        R += "&amp;";
        break;
      case '<':
        R += "&lt;";
        break;
      case '"':
        R += "&quot;";
        break;
      default:
        R += C;
    }
  }
  return R;
}

}  // namespace

void ReadSvgDocument(const std::vector<uint8_t>& Bytes, TSkSvgBrush& Data) {
  if (Bytes.size() > QvSvgFileMaxSize) Refuse("the file is too large");
  if (size_t(std::count(Bytes.begin(), Bytes.end(), uint8_t('<'))) > QvSvgFileMaxTags)
    Refuse("too many elements");
  // The parser works in place on a zero-terminated copy.
  std::vector<char> Buffer(Bytes.begin(), Bytes.end());
  Buffer.push_back('\0');
  auto Doc = std::make_unique<rapidxml::xml_document<char>>();
  try {
    Doc->parse<rapidxml::parse_validate_closing_tags>(Buffer.data());
  } catch (const rapidxml::parse_error& E) {
    Refuse(E.what());
  }
  const TXmlNode* Root = nullptr;
  for (const TXmlNode* N = Doc->first_node(); N; N = N->next_sibling())
    if (N->type() == rapidxml::node_element) {
      if (Root) Refuse("more than one root element");
      Root = N;
    }
  if (!Root || NameOf(*Root) != "svg") Refuse("the root element is not svg");
  TSkSvgBrush Result;
  ReadSize(*Root, Result);
  if (Attribute(*Root, "transform")) Refuse("transforms are not supported");
  TReader Reader;
  Reader.WalkChildren(*Root, PaintOf(*Root, TPaint()));
  if (!Reader.HasShape) Refuse("it draws nothing");
  Result.SetPath(FromUtf8(Reader.Path));
  Result.SetFillColor(Reader.First.Fill);
  Result.SetStrokeColor(Reader.First.Stroke);
  Result.SetStrokeWidth(Whole(Reader.First.StrokeWidth));
  // Drawn once, small, so malformed path data is refused here and not at the first paint.
  TQvSkinSvgImageList Check(nullptr);
  Check.AddSvg(String(), &Result, String());
  TQvSkinImage Image;
  try {
    RenderSvgImage(Check, 0, Image, 4, 4);
  } catch (const Exception& E) {
    throw EInvalidGraphic(L"Invalid SVG: " + E.Message());
  }
  Data.Assign(&Result);
}

std::vector<uint8_t> WriteSvgDocument(const TSkSvgBrush& Data, Integer Width, Integer Height) {
  if (Data.ViewWidth() > 0) Width = Data.ViewWidth();
  if (Data.ViewHeight() > 0) Height = Data.ViewHeight();
  const std::string W = std::to_string(Width), H = std::to_string(Height);
  std::string Out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  Out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + W + "\" height=\"" + H +
         "\" viewBox=\"0 0 " + W + " " + H + "\">\n";
  Out += "  <path d=\"" + Escaped(ToUtf8(Data.Path())) + "\" fill=\"" +
         (Data.FillColor() == clNone ? std::string("none") : HtmlColor(Data.FillColor())) + "\"";
  if (Data.StrokeColor() != clNone) Out += " stroke=\"" + HtmlColor(Data.StrokeColor()) + "\"";
  if (Data.StrokeColor() != clNone || Data.StrokeWidth() != TSkSvgBrush::DefStrokeWidth)
    Out += " stroke-width=\"" + std::to_string(Data.StrokeWidth()) + "\"";
  Out += "/>\n</svg>\n";
  return std::vector<uint8_t>(Out.begin(), Out.end());
}

}  // namespace qv
