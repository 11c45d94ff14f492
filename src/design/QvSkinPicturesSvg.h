#pragma once
// SVG documents to and from the vector list's item data. An item holds one path with one
// fill and one outline, so a document is read as the union of its shapes, drawn in the
// colours of the first one. What that cannot hold (transforms, text, embedded pictures, a
// view box not starting at 0 0) is refused rather than drawn wrongly.
#include <cstdint>
#include <vector>

#include "resources/QvSkinSvgImageList.h"

namespace qv {

// Larger SVG files are refused before being parsed.
constexpr size_t QvSvgFileMaxSize = 4 * 1024 * 1024;
// More tags than this are refused (the parser recurses once per nesting level).
constexpr size_t QvSvgFileMaxTags = 2048;

// Reads the document into Data: the paths and the shapes (rect, circle, ellipse, line,
// polygon, polyline) as one path, fill, stroke and stroke width from the first shape
// (inherited through groups, as attributes or style), the view box's size (else width and
// height, else 0: the list's size). The path is drawn once to check it. Raises
// EInvalidGraphic with the reason, leaving Data unchanged, for anything it cannot read.
void ReadSvgDocument(const std::vector<uint8_t>& Bytes, TSkSvgBrush& Data);

// The document of Data in a Width × Height view box (the item's own size when it has one).
std::vector<uint8_t> WriteSvgDocument(const TSkSvgBrush& Data, Integer Width, Integer Height);

}  // namespace qv
