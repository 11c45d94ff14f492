#pragma once
// Rendering the vector image list's items into skin images.
#include "resources/QvSkinIntf.h"
#include "resources/QvSkinSvgImageList.h"

namespace qv {

// Draws item Index of List, anti-aliased, into Image at Width × Height (0 or below: the
// list's size): the item's path scaled from its view box, filled and outlined in its
// colours on transparent black. Image then has draw mode dmBlend and IsFromSVG set.
// Answers false, with Image untouched, when Index names no item; raises, with Image
// untouched, when the item's path data is malformed.
bool RenderSvgImage(const TQvSkinSvgImageList& List, int Index, TQvSkinImage& Image,
                    Integer Width = 0, Integer Height = 0);
// The same for the first item of that resource ID (compared ignoring case).
bool RenderSvgImage(const TQvSkinSvgImageList& List, const String& ResID, TQvSkinImage& Image,
                    Integer Width = 0, Integer Height = 0);

}  // namespace qv
