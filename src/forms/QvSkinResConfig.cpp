#include "forms/QvSkinResConfig.h"

#include <algorithm>
#include <iterator>
#include <memory>
#include <rapidxml.hpp>
#include <string>

#include "graphics/QvComm.h"

namespace qv {

const TQvSkinConfigElement QvSkinConfigElements[12] = {
    {"Style", &TQvSkinConfig::Style, nullptr},
    {"FormBg", nullptr, &TQvSkinConfig::FormBg},
    {"DefaultSkinOrder", &TQvSkinConfig::DefaultSkinOrder, nullptr},
    {"HitTestWidth", &TQvSkinConfig::HitTestWidth, nullptr},
    {"GradientHeight", &TQvSkinConfig::GradientHeight, nullptr},
    {"TitleHeight", &TQvSkinConfig::TitleHeight, nullptr},
    {"TitlerColor", &TQvSkinConfig::TitlerColor, nullptr},
    {"Color", &TQvSkinConfig::Color, nullptr},
    {"FramWidth", &TQvSkinConfig::FramWidth, nullptr},
    {"HSB_H", &TQvSkinConfig::HSB_H, nullptr},
    {"HSB_S", &TQvSkinConfig::HSB_S, nullptr},
    {"HSB_B", &TQvSkinConfig::HSB_B, nullptr},
};

namespace {

using TXmlNode = rapidxml::xml_node<char>;

// The path from the root to the element that holds the settings.
constexpr const char* kPath[] = {"QvSkinRes", "Config", "Custom", "Form"};

[[noreturn]] void Invalid(const std::string& Reason) {
  throw EParserError(L"Invalid skin configuration file: " + FromUtf8(Reason));
}

// The first child element of that name (names compare exactly, as XML does).
TXmlNode* ChildElement(TXmlNode* Parent, const char* Name) {
  for (TXmlNode* N = Parent->first_node(Name); N; N = N->next_sibling(Name))
    if (N->type() == rapidxml::node_element) return N;
  return nullptr;
}

// The element's character data (text and CDATA sections), trimmed.
String ElementText(const TXmlNode* Element) {
  std::string Text;
  for (const TXmlNode* N = Element->first_node(); N; N = N->next_sibling())
    if (N->type() == rapidxml::node_data || N->type() == rapidxml::node_cdata)
      Text.append(N->value(), N->value_size());
  return Trim(FromUtf8(Text));
}

void AppendEscaped(std::string& Out, const std::string& Text) {
  for (unsigned char C : Text) {
    switch (C) {
      case '&':
        Out += "&amp;";
        break;
      case '<':
        Out += "&lt;";
        break;
      case '>':
        Out += "&gt;";
        break;
      default:
        // Control characters cannot appear literally; a character reference carries them.
        if (C < 0x20)
          Out += "&#" + std::to_string(C) + ";";
        else
          Out += char(C);
    }
  }
}

}  // namespace

TQvSkinConfig ParseSkinConfig(const uint8_t* Data, size_t Size) {
  if (Size > QvSkinConfigMaxSize) Invalid("the file is too large");
  // The parser recurses once per nesting level; bounding the tags bounds the depth.
  if (size_t(std::count(Data, Data + Size, uint8_t('<'))) > QvSkinConfigMaxTags)
    Invalid("too many elements");
  // The parser works in place on a zero-terminated copy; a zero byte inside ends the text.
  std::vector<char> Buffer(Data, Data + Size);
  Buffer.push_back('\0');
  auto Doc = std::make_unique<rapidxml::xml_document<char>>();
  try {
    Doc->parse<rapidxml::parse_validate_closing_tags>(Buffer.data());
  } catch (const rapidxml::parse_error& E) {
    Invalid(E.what());
  }
  TXmlNode* Root = nullptr;
  for (TXmlNode* N = Doc->first_node(); N; N = N->next_sibling())
    if (N->type() == rapidxml::node_element) {
      if (Root) Invalid("more than one root element");
      Root = N;
    }
  if (!Root || std::string(Root->name(), Root->name_size()) != kPath[0])
    Invalid("the root element is not QvSkinRes");
  TXmlNode* Form = Root;
  for (size_t I = 1; I < std::size(kPath); ++I) {
    Form = ChildElement(Form, kPath[I]);
    if (!Form) Invalid(std::string("missing element ") + kPath[I]);
  }
  TQvSkinConfig Config;
  for (const TQvSkinConfigElement& E : QvSkinConfigElements) {
    const TXmlNode* Element = ChildElement(Form, E.Name);
    if (!Element) continue;
    const String Text = ElementText(Element);
    if (E.Text) {
      Config.*E.Text = Text;
      continue;
    }
    Integer Value;
    if (!TryStrToInt(Text, Value)) Invalid(std::string(E.Name) + " is not an integer");
    Config.*E.Int = Value;
  }
  return Config;
}

std::vector<uint8_t> FormatSkinConfig(const TQvSkinConfig& Config) {
  std::string Out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";
  std::string Indent;
  for (const char* Name : kPath) {
    Out += Indent + "<" + Name + ">\r\n";
    Indent += "  ";
  }
  for (const TQvSkinConfigElement& E : QvSkinConfigElements) {
    std::string Value;
    if (E.Text) {
      if (!(Config.*E.Text)) continue;
      AppendEscaped(Value, ToUtf8(*(Config.*E.Text)));
    } else {
      if (!(Config.*E.Int)) continue;
      Value = std::to_string(*(Config.*E.Int));
    }
    Out += Indent + "<" + E.Name + ">" + Value + "</" + E.Name + ">\r\n";
  }
  for (size_t I = std::size(kPath); I-- > 0;) {
    Indent.resize(Indent.size() - 2);
    Out += Indent + "</" + kPath[I] + ">\r\n";
  }
  return std::vector<uint8_t>(Out.begin(), Out.end());
}

}  // namespace qv
