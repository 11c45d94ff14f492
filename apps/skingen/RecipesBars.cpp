// Scroll bars, the progress bar and the colour slider's thumb.
//
// Scroll bar pictures are stretched lengthwise in thirds (the middle third is stretched, the
// outer thirds kept), so every rail and thumb is a pill whose rounded ends lie inside the outer
// thirds. Horizontal pictures are the transposes of vertical ones.
#include "Glyphs.h"
#include "Palette.h"
#include "Recipes.h"

namespace skingen {
namespace {

using namespace palette;

constexpr int kThickness = 10;

// A vertical pill 6 pixels wide spanning rows [top, bottom).
void Pill(Canvas& c, float top, float bottom, Rgba color) {
  c.Fill(RoundRect(Box{2, top, 8, bottom}, 3), color);
}

// Length ignores the rows a thirds split drops (length mod 3), so the pill stays symmetric.
float UsedLength(int length) {
  return static_cast<float>(length - length % 3);
}

Canvas Rail(int length) {
  Canvas c(kThickness, length);
  Pill(c, 0, UsedLength(length), kRail);
  return c;
}

Canvas Thumb(int length, Rgba color) {
  Canvas c(kThickness, length);
  Pill(c, 1, UsedLength(length) - 1, color);
  return c;
}

enum ArrowState { kArrowNormal, kArrowHot, kArrowDown };

// The up arrow, 10 x 9; the other three are flips and transposes of it.
Canvas UpArrow(ArrowState state) {
  Canvas c(kThickness, 9);
  if (state != kArrowNormal)
    c.Fill(RoundRect(Box{0, 0, 10, 9}, 2), state == kArrowHot ? kArrowHotFill : kAccent);
  const Rgba glyph[] = {kGlyphMuted, kGlyph, kOnAccent};
  c.Fill(Arrowhead(5, 4.5f, Dir::Up, 6, 3), glyph[state]);
  return c;
}

void AddScrollBar(RecipeBook& book) {
  const std::pair<const char*, ArrowState> states[] = {
      {"normal", kArrowNormal}, {"highlight", kArrowHot}, {"down", kArrowDown}};
  const Rgba thumbs[] = {kThumbNormal, kThumbHot, kAccent};
  for (const auto& [name, state] : states) {
    std::string s = name;
    book["QvSkinScrollbar_arrowup_" + s] = [state](Canvas& c) { c.Blit(UpArrow(state), 0, 0); };
    book["QvSkinScrollbar_arrowdown_" + s] = [state](Canvas& c) {
      c.Blit(UpArrow(state).FlippedVertically(), 0, 0);
    };
    book["QvSkinScrollbar_arrowleft_" + s] = [state](Canvas& c) {
      c.Blit(UpArrow(state).Transposed(), 0, 0);
    };
    book["QvSkinScrollbar_arrowright_" + s] = [state](Canvas& c) {
      c.Blit(UpArrow(state).Transposed().FlippedHorizontally(), 0, 0);
    };
    Rgba thumb = thumbs[state];
    book["QvSkinScrollbar_bar_" + s] = [thumb](Canvas& c) {
      c.Blit(Thumb(c.Height(), thumb), 0, 0);
    };
    book["QvSkinScrollbar_horzbar_" + s] = [thumb](Canvas& c) {
      c.Blit(Thumb(c.Width(), thumb).Transposed(), 0, 0);
    };
  }
  book["QvSkinScrollbar_bkg"] = [](Canvas& c) { c.Blit(Rail(c.Height()), 0, 0); };
  book["QvSkinScrollbar_horz_bkg"] = [](Canvas& c) { c.Blit(Rail(c.Width()).Transposed(), 0, 0); };
}

// Progress bar track and fill: a 9-pixel pill centred in the 13-pixel picture.
const Box kBarBox{0, 2, 102, 11};

// The colour slider's thumb: a pointer with its tip up into the colour track.
void SliderThumb(Canvas& c) {
  Shape body = Offset(Polygon({{6, 2}, {10, 6}, {10, 19}, {2, 19}, {2, 6}}), 1);
  Shadow(c, Offset(body, -0.5f), 1.5f, 0.2f);
  c.Fill(body, kBorderStrong);
  c.Fill(Offset(body, -1), VerticalGradient(2, kPaper, 19, kSurfaceDim));
  for (float y : {10.0f, 12.0f, 14.0f}) c.Fill(Rect({4, y, 8, y + 1}), kBorder);
}

}  // namespace

void AddBarRecipes(RecipeBook& book) {
  AddScrollBar(book);
  book["QvSkinBar_base"] = [](Canvas& c) { c.Fill(RoundRect(kBarBox, 4.5f), kTrack); };
  book["QvSkinBar_cur"] = [](Canvas& c) {
    c.Fill(RoundRect(kBarBox, 4.5f),
           VerticalGradient(kBarBox.y0, kAccentLight, kBarBox.y1, kAccent));
  };
  book["QvSkinSlider_dragBackground"] = SliderThumb;
}

}  // namespace skingen
