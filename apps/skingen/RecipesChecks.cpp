// Check boxes, radio buttons and the on/off switch.
#include "Glyphs.h"
#include "Palette.h"
#include "Recipes.h"

namespace skingen {
namespace {

using namespace palette;

// A check box in the square b: an empty white box, or an accent box with a white check mark.
void CheckBoxGlyph(Canvas& f, Box b, bool checked, bool hot) {
  float r = b.Width() > 14 ? 3.0f : 2.5f;
  if (!checked) {
    Panel(f, b, r, Solid(hot ? kHotTop : kPaper), hot ? kAccent : kBorderStrong);
    return;
  }
  f.Fill(RoundRect(b, r), hot ? kAccentDark : kAccent);
  float s = b.Width() / 15.0f, x = b.x0, y = b.y0;
  f.Fill(Polyline({{x + 3.5f * s, y + 7.7f * s},
                   {x + 6.3f * s, y + 10.4f * s},
                   {x + 11.5f * s, y + 4.8f * s}},
                  0.95f * s),
         kOnAccent);
}

void RadioGlyph(Canvas& f, bool checked, bool hot) {
  float c = f.Width() / 2.0f, r = c - 1;
  if (!checked) {
    Panel(f, Circle(c, c, r), Circle(c, c, r - 1), Solid(hot ? kHotTop : kPaper),
          hot ? kAccent : kBorderStrong);
    return;
  }
  f.Fill(Circle(c, c, r), hot ? kAccentDark : kAccent);
  f.Fill(Circle(c, c, 2.75f), kOnAccent);
}

// Frames: unchecked, unchecked hot, checked, checked hot.
void CheckBoxStrip(Canvas& strip) {
  DrawStrip(strip, 4, false, [](Canvas& f, int i) {
    CheckBoxGlyph(f, Box{1, 1, 16, 16}, i >= 2, i % 2 == 1);
  });
}

// Frames: unchecked, checked, checked hot, unchecked hot.
void RadioStrip(Canvas& strip) {
  DrawStrip(strip, 4, false, [](Canvas& f, int i) { RadioGlyph(f, i == 1 || i == 2, i >= 2); });
}

// Switch frames: normal, hot, pressed; the knob stretches toward the middle while pressed.
void SwitchStrip(Canvas& strip, bool on) {
  DrawStrip(strip, 3, false, [on](Canvas& f, int i) {
    Box track{1, 1, 33, 16};
    float r = track.Height() / 2;
    if (on) {
      f.Fill(RoundRect(track, r), i == 0 ? kAccent : kAccentDark);
    } else {
      Panel(f, track, r, Solid(i == 0 ? kTrack : kBorderLight), i == 0 ? kBorder : kBorderStrong);
    }
    float cy = track.Cy(), x = on ? 25.5f : 8.5f, reach = i == 2 ? (on ? -2.0f : 2.0f) : 0.0f;
    Shape knob = Capsule({x, cy}, {x + reach, cy}, 5.5f);
    Shadow(f, Capsule({x, cy + 0.5f}, {x + reach, cy + 0.5f}, 5.5f), 1.2f, 0.25f);
    f.Fill(knob, kOnAccent);
  });
}

}  // namespace

void AddCheckRecipes(RecipeBook& book) {
  book["QvSkinCheckBox"] = CheckBoxStrip;
  book["QvSkinRadiobtn"] = RadioStrip;
  book["QvSkinSwitch_on"] = [](Canvas& c) { SwitchStrip(c, true); };
  book["QvSkinSwitch_off"] = [](Canvas& c) { SwitchStrip(c, false); };
  // The edit's own check box: single pictures, plain and hot.
  const Box small{1, 1, 14, 14};
  book["QvSkinCheckedCheckbox_18"] = [small](Canvas& c) { CheckBoxGlyph(c, small, true, false); };
  book["QvSkinCheckedCheckbox_h_18"] = [small](Canvas& c) { CheckBoxGlyph(c, small, true, true); };
  book["QvSkinUncheckedCheckbox_18"] = [small](Canvas& c) {
    CheckBoxGlyph(c, small, false, false);
  };
  book["QvSkinUncheckedCheckbox_h_18"] = [small](Canvas& c) {
    CheckBoxGlyph(c, small, false, true);
  };
}

}  // namespace skingen
