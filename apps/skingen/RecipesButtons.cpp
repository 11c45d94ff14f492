// Push buttons, flat tool buttons, the drop-down part, toolbar scroll arrows and the image
// slider's arrows.
#include "Glyphs.h"
#include "Palette.h"
#include "Recipes.h"

namespace skingen {
namespace {

using namespace palette;

// The look of a bordered part in one state.
struct Look {
  Paint fill;
  Rgba border;
  Rgba glyph;
};

Look Normal(float h) {
  return {VerticalGradient(0, kPaper, h, kPaperBottom), kBorder, kGlyph};
}
Look Hot(float h) {
  return {VerticalGradient(0, kHotTop, h, kTint), kAccent, kAccent};
}
Look Pressed() {
  return {Solid(kTintStrong), kAccentDark, kAccentDark};
}
Look Disabled() {
  return {Solid(kSurface), kBorderLight, kGlyphDisabled};
}

// Frames: normal, hot, pressed, disabled, and a focused look (accent ring) as the fifth.
void PushButton(Canvas& strip) {
  DrawStrip(strip, 5, false, [](Canvas& f, int i) {
    float h = static_cast<float>(f.Height());
    Box b{0, 0, static_cast<float>(f.Width()), h};
    const Look looks[] = {Normal(h), Hot(h), Pressed(), Disabled(), Normal(h)};
    Panel(f, b, 4, looks[i].fill, looks[i].border);
    if (i == 4) {
      f.Fill(Subtract(RoundRect(b, 4), RoundRect(b.Inset(1), 3)), kAccent);
      f.Fill(Subtract(RoundRect(b.Inset(1), 3), RoundRect(b.Inset(2), 2)), kFocusRing);
    }
  });
}

// Flat button: nothing when normal, a soft tinted box when hot or pressed.
void FlatButton(Canvas& strip) {
  DrawStrip(strip, 3, false, [](Canvas& f, int i) {
    Box b{0, 0, static_cast<float>(f.Width()), static_cast<float>(f.Height())};
    if (i == 1) Panel(f, b, 3, Solid(kTint), kTintBorder);
    if (i == 2) Panel(f, b, 3, Solid(kTintStrong), kTintBorderStrong);
  });
}

// Boxed tool button: normal, hot, pressed.
void ToolButton(Canvas& strip) {
  DrawStrip(strip, 3, false, [](Canvas& f, int i) {
    float h = static_cast<float>(f.Height());
    Box b{0, 0, static_cast<float>(f.Width()), h};
    const Look looks[] = {Normal(h), Hot(h), Pressed()};
    Panel(f, b, 3, looks[i].fill, looks[i].border);
  });
}

// Drop-down part at a button's right edge: normal, hot, pressed, disabled. Only the vertically
// centred band is shown, so everything is centred on the middle row.
void DropdownPart(Canvas& strip) {
  DrawStrip(strip, 4, false, [](Canvas& f, int i) {
    float w = static_cast<float>(f.Width()), cy = f.Height() / 2.0f;
    if (i == 0 || i == 3) f.Fill(Rect({0, cy - 8, 1, cy + 8}), i == 0 ? kSeparator : kBorderLight);
    if (i == 1) f.Fill(RoundRect(Box{1, cy - 13, w, cy + 13}, 2), kTint);
    if (i == 2) f.Fill(RoundRect(Box{1, cy - 13, w, cy + 13}, 2), kTintStrong);
    const Rgba glyph[] = {kGlyph, kAccent, kAccentDark, kGlyphDisabled};
    f.Fill(Chevron(w / 2 + 0.5f, cy, Dir::Down, 7, 3.5f, 0.8f), glyph[i]);
  });
}

// Toolbar scroll arrows: four frames of normal, hot, pressed, disabled, side by side for left
// and right and stacked for up and down. Right and down hold their states in reverse order.
void ScrollArrow(Canvas& strip, Dir dir) {
  bool stacked = dir == Dir::Up || dir == Dir::Down;
  bool reversed = dir == Dir::Right || dir == Dir::Down;
  DrawStrip(strip, 4, stacked, [=](Canvas& f, int i) {
    float w = static_cast<float>(f.Width()), h = static_cast<float>(f.Height());
    const Look looks[] = {Normal(h), Hot(h), Pressed(), Disabled()};
    const Look& look = looks[reversed ? 3 - i : i];
    Panel(f, Box{2, 2, w - 2, h - 2}, 4, look.fill, look.border);
    f.Fill(Chevron(w / 2, h / 2, dir, 10, 5, 0.85f), look.glyph);
  });
}

// Frames: left arrow hot, right arrow hot, left arrow normal, right arrow normal.
void SlideArrows(Canvas& strip) {
  auto left = [](Canvas& f, bool hot) {
    f.Fill(RoundRect(Box{4, 12, 36, 57}, 6), WithAlpha(Hex(0x101820), hot ? 0.5f : 0.28f));
    f.Fill(Chevron(19, 34.5f, Dir::Left, 16, 8, 1.4f), WithAlpha(kOnAccent, hot ? 1.0f : 0.92f));
  };
  DrawStrip(strip, 4, false, [&](Canvas& f, int i) {
    Canvas l(f.Width(), f.Height(), f.DeviceWidth(), f.DeviceHeight());
    left(l, i < 2);
    f.Blit(i % 2 == 0 ? l : l.FlippedHorizontally(), 0, 0);
  });
}

}  // namespace

void AddButtonRecipes(RecipeBook& book) {
  book["QvSkinButton"] = PushButton;
  book["QvSkinFlatBtn"] = FlatButton;
  book["QvSkinToolbtn"] = ToolButton;
  book["QvSkinDropdownMenu"] = DropdownPart;
  book["QvSkinBrower_back"] = [](Canvas& c) { ScrollArrow(c, Dir::Left); };
  book["QvSkinBrower_front"] = [](Canvas& c) { ScrollArrow(c, Dir::Right); };
  book["QvSkinBrower_up"] = [](Canvas& c) { ScrollArrow(c, Dir::Up); };
  book["QvSkinBrower_down"] = [](Canvas& c) { ScrollArrow(c, Dir::Down); };
  book["QvSkinSlides"] = SlideArrows;
}

}  // namespace skingen
