// Popup menu background, the selected-item highlight and the menu glyph strips
// (normal, selected on the accent highlight, disabled).
#include "Glyphs.h"
#include "Palette.h"
#include "Recipes.h"

namespace skingen {
namespace {

using namespace palette;

// White panel with a 1-pixel border and a 3-pixel soft shadow; items are inset by the same 3.
void MenuBackground(Canvas& c) {
  Box b{3, 3, static_cast<float>(c.Width()) - 3, static_cast<float>(c.Height()) - 3};
  Shadow(c, RoundRect(b, 4), 3, 0.14f);
  Panel(c, b, 4, Solid(kPaper), kBorder);
}

void MenuCheck(Canvas& strip) {
  const Rgba colors[] = {kAccent, kOnAccent, kGlyphDisabled};
  DrawStrip(strip, 3, false, [&](Canvas& f, int i) {
    f.Fill(Polyline({{5.5f, 10.3f}, {8.6f, 13.3f}, {14.5f, 6.9f}}, 1.0f), colors[i]);
  });
}

void MenuRadio(Canvas& strip) {
  const Rgba colors[] = {kAccent, kOnAccent, kGlyphDisabled};
  DrawStrip(strip, 3, false, [&](Canvas& f, int i) { f.Fill(Circle(10, 10, 3.2f), colors[i]); });
}

void MenuSubArrow(Canvas& strip) {
  const Rgba colors[] = {kGlyph, kOnAccent, kGlyphDisabled};
  DrawStrip(strip, 3, false, [&](Canvas& f, int i) {
    f.Fill(Chevron(3.5f, 5.5f, Dir::Right, 7, 3.5f, 0.8f), colors[i]);
  });
}

}  // namespace

void AddMenuRecipes(RecipeBook& book) {
  book["QvSkinMenu_bk"] = MenuBackground;
  book["QvSkinMenu_hilight"] = [](Canvas& c) {
    float w = static_cast<float>(c.Width()), h = static_cast<float>(c.Height());
    c.Fill(RoundRect(Box{0, 0, w, h}, 3), kAccent);
  };
  book["QvSkinMenu_icon_check"] = MenuCheck;
  book["QvSkinMenu_icon_radio"] = MenuRadio;
  book["QvSkinMenu_sub_arrow"] = MenuSubArrow;
}

}  // namespace skingen
