#pragma once
// The skin configuration file: an XML document
//   <QvSkinRes><Config><Custom><Form> one element per setting </Form></Custom></Config></QvSkinRes>
// read into and written from a plain record of the settings. Portable: no platform headers.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "host/Types.h"

namespace qv {

// The settings the file carries; a setting the file lacks stays empty.
struct TQvSkinConfig {
  std::optional<Integer> Style;
  std::optional<String> FormBg;  // file name of the background picture
  std::optional<Integer> DefaultSkinOrder;
  std::optional<Integer> HitTestWidth;
  std::optional<Integer> GradientHeight;
  std::optional<Integer> TitleHeight;
  std::optional<Integer> TitlerColor;
  std::optional<Integer> Color;
  std::optional<Integer> FramWidth;
  std::optional<Integer> HSB_H;
  std::optional<Integer> HSB_S;
  std::optional<Integer> HSB_B;
  friend bool operator==(const TQvSkinConfig&, const TQvSkinConfig&) = default;
};

// One child element of "Form": an integer setting, or (Text set) a text setting.
struct TQvSkinConfigElement {
  const char* Name;
  std::optional<Integer> TQvSkinConfig::*Int;
  std::optional<String> TQvSkinConfig::*Text;
};
// The elements in writing order.
extern const TQvSkinConfigElement QvSkinConfigElements[12];

// Limits that keep a hostile file from exhausting memory or the parser's stack; a real
// configuration is a few hundred bytes with a few dozen tags.
constexpr size_t QvSkinConfigMaxSize = 256 * 1024;
constexpr size_t QvSkinConfigMaxTags = 1024;

// Reads the document. Unknown elements are ignored; of repeated ones the first counts.
// Raises EParserError "Invalid skin configuration file: <reason>" for malformed XML, a
// document past the limits, a missing QvSkinRes/Config/Custom/Form path, or an integer
// element whose text is no integer.
TQvSkinConfig ParseSkinConfig(const uint8_t* Data, size_t Size);
inline TQvSkinConfig ParseSkinConfig(const std::vector<uint8_t>& Bytes) {
  return ParseSkinConfig(Bytes.data(), Bytes.size());
}

// The document of the settings that are present, UTF-8 with an XML declaration.
std::vector<uint8_t> FormatSkinConfig(const TQvSkinConfig& Config);

}  // namespace qv
