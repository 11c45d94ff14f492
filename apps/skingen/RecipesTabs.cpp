// Tabs of the page control, the stand-alone tab pictures and the tab set's colour tabs.
// All are stretched as nine blocks in thirds, so corners stay inside the outer thirds and
// edges are uniform along their length.
#include "Glyphs.h"
#include "Palette.h"
#include "Recipes.h"

namespace skingen {
namespace {

using namespace palette;

// A tab with rounded top corners, open at the bottom.
void PageTab(Canvas& c, const Paint& fill, Rgba border, bool accentTop) {
  float w = static_cast<float>(c.Width()), h = static_cast<float>(c.Height());
  Shape outer = RoundRect(Box{0, 0, w, h}, Radii{3, 3, 0, 0});
  Shape inner = RoundRect(Box{1, 1, w - 1, h + 1}, Radii{2, 2, 0, 0});
  Panel(c, outer, inner, fill, border);
  if (accentTop) c.Fill(Intersect(outer, Rect({0, 0, w, 2})), kAccent);
}

// Colour tabs: normal (a quiet separator at the right), hot (tinted), down (accent, white text).
void ColorTabs(Canvas& strip) {
  DrawStrip(strip, 3, false, [](Canvas& f, int i) {
    float w = static_cast<float>(f.Width()), h = static_cast<float>(f.Height());
    Shape tab = RoundRect(Box{0, 3, w, h}, Radii{5, 5, 0, 0});
    if (i == 0) f.Fill(Rect({w - 1, 12, w, h - 12}), kSeparator);
    if (i == 1) f.Fill(tab, kTint);
    if (i == 2) f.Fill(tab, VerticalGradient(3, kAccentLight, h, kAccent));
  });
}

}  // namespace

void AddTabRecipes(RecipeBook& book) {
  book["QvSkinTab_button_normal"] = [](Canvas& c) {
    PageTab(c, Solid(kSurfaceDim), kSeparator, false);
  };
  book["QvSkinTab_button_hot"] = [](Canvas& c) { PageTab(c, Solid(kTint), kTintBorder, false); };
  book["QvSkinTab_button_down"] = [](Canvas& c) { PageTab(c, Solid(kPaper), kBorder, true); };
  // Selected tab, opaque: white with side borders and an accent top edge.
  book["QvSkinTabDown"] = [](Canvas& c) {
    float w = static_cast<float>(c.Width()), h = static_cast<float>(c.Height());
    c.Fill(Rect({0, 0, w, h}), kPaper);
    c.Fill(Union(Rect({0, 0, 1, h}), Rect({w - 1, 0, w, h})), kBorder);
    c.Fill(Rect({0, 0, w, 2}), kAccent);
  };
  book["QvSkinTabHover"] = [](Canvas& c) {
    float w = static_cast<float>(c.Width()), h = static_cast<float>(c.Height());
    c.Fill(RoundRect(Box{0, 0, w, h}, Radii{3, 3, 0, 0}), kTint);
  };
  book["QvSkinColor_tabs"] = ColorTabs;
}

}  // namespace skingen
