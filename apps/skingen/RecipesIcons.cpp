// Message icons (40 x 40) and the small icons of edits, pickers and item lists.
#include "Glyphs.h"
#include "Palette.h"
#include "Recipes.h"

namespace skingen {
namespace {

using namespace palette;

// A round badge with a soft top-to-bottom gradient.
void Badge(Canvas& c, Rgba top, Rgba bottom) {
  c.Fill(Circle(20, 20, 18.5f), VerticalGradient(1.5f, top, 38.5f, bottom));
}

void ErrorIcon(Canvas& c) {
  Badge(c, Hex(0xEF5A5F), Hex(0xD93A40));
  c.Fill(Cross(20, 20, 6.2f, 1.7f), kOnAccent);
}

void WarnIcon(Canvas& c) {
  Shape triangle = Offset(Polygon({{20, 7.5f}, {34.2f, 32.2f}, {5.8f, 32.2f}}), 2.6f);
  c.Fill(triangle, VerticalGradient(5, kWarnLight, 35, kWarn));
  c.Fill(Capsule({20, 15.5f}, {20, 24}, 1.8f), kWarnInk);
  c.Fill(Circle(20, 29, 2.0f), kWarnInk);
}

void InfoIcon(Canvas& c) {
  Badge(c, Hex(0x4A95E4), Hex(0x2470C4));
  c.Fill(Circle(20, 12.5f, 2.3f), kOnAccent);
  c.Fill(Capsule({20, 18}, {20, 28.5f}, 1.8f), kOnAccent);
}

void OkIcon(Canvas& c) {
  Badge(c, kSuccessLight, kSuccess);
  c.Fill(Polyline({{12.5f, 20.5f}, {17.7f, 25.6f}, {27.8f, 14.8f}}, 1.9f), kOnAccent);
}

void QuestionIcon(Canvas& c) {
  Badge(c, Hex(0x4A95E4), Hex(0x2470C4));
  std::vector<Pt> hook = ArcPoints(20, 15.5f, 5.2f, 195, 400, 24);
  hook.push_back({20, 22.3f});
  hook.push_back({20, 24.2f});
  c.Fill(Polyline(hook, 1.75f), kOnAccent);
  c.Fill(Circle(20, 29.6f, 2.1f), kOnAccent);
}

// Keyboard: an outlined key board with two rows of keys and a space bar.
void Keyboard(Canvas& c) {
  Rgba ink = kGlyphSoft;
  c.Fill(Subtract(RoundRect(Box{1, 4, 19, 16}, 2), RoundRect(Box{2, 5, 18, 15}, 1)), ink);
  Rgba key = WithAlpha(ink, 0.85f);
  for (float y : {6.0f, 9.0f})
    for (float x = 3; x < 17; x += 3) c.Fill(Rect({x, y, x + 2, y + 2}), key);
  c.Fill(Rect({6, 12, 14, 14}), key);
}

// Drop-down arrow of combo edits (23 x 24, placed over the edit's right frame edge, so the
// last column and the first and last rows stay clear).
void DropArrow(Canvas& c, bool hot) {
  if (hot) {
    c.Fill(RoundRect(Box{1, 1, 22, 23}, 2), kTint);
  } else {
    c.Fill(Rect({0, 5, 1, 19}), kBorderLight);
  }
  c.Fill(Chevron(11.5f, 12, Dir::Down, 7, 3.5f, 0.8f), hot ? kAccent : kGlyphSoft);
}

// Spin button half (23 x 12, up); the down half is its vertical mirror.
Canvas SpinUp(int state) {
  Canvas c(23, 12);
  if (state > 0) c.Fill(RoundRect(Box{1, 1, 22, 12}, 2), state == 1 ? kTint : kTintStrong);
  const Rgba glyph[] = {kGlyphSoft, kAccent, kAccentDark};
  c.Fill(Chevron(11.5f, 6.6f, Dir::Up, 6.4f, 3.2f, 0.8f), glyph[state]);
  return c;
}

// Expand box title icons (17 x 17): a round button with a chevron.
void ExpandIcon(Canvas& c, Dir dir) {
  Panel(c, Circle(8.5f, 8.5f, 7.5f), Circle(8.5f, 8.5f, 6.5f), Solid(WithAlpha(kPaper, 0.95f)),
        kBorder);
  c.Fill(Chevron(8.5f, dir == Dir::Down ? 9.0f : 8.0f, dir, 6.4f, 3.2f, 0.8f), kGlyph);
}

// Delete badge of item lists (18 x 18).
void CancelBadge(Canvas& c, bool hot) {
  c.Fill(Circle(9, 9, 8), hot ? kDanger : kBadgeMuted);
  c.Fill(Cross(9, 9, 3.2f, 0.85f), kOnAccent);
}

void SearchIcon(Canvas& c) {
  c.Fill(Subtract(Circle(6.5f, 6, 5), Circle(6.5f, 6, 3.5f)), kGlyphMuted);
  c.Fill(Capsule({10.2f, 9.6f}, {14, 13}, 0.95f), kGlyphMuted);
}

// Date picker button (25 x 16): a calendar page and a small drop-down chevron.
void CalendarIcon(Canvas& c, bool hot) {
  Rgba ink = hot ? kAccent : kGlyphSoft;
  Shape page = RoundRect(Box{3, 2, 17, 15}, 1.5f);
  c.Fill(Subtract(page, RoundRect(Box{4, 3, 16, 14}, 0.5f)), ink);
  c.Fill(Intersect(page, Rect({3, 2, 17, 6})), ink);
  c.Fill(Union(Rect({6, 0, 7, 3}), Rect({13, 0, 14, 3})), ink);
  for (float y : {8.0f, 11.0f})
    for (float x : {6.0f, 9.0f, 12.0f}) c.Fill(Rect({x, y, x + 2, y + 2}), ink);
  c.Fill(Chevron(21.5f, 8.5f, Dir::Down, 4.4f, 2.2f, 0.7f), ink);
}

}  // namespace

void AddIconRecipes(RecipeBook& book) {
  book["QvSkinMsgIcon_Error"] = ErrorIcon;
  book["QvSkinMsgIcon_Warn"] = WarnIcon;
  book["QvSkinMsgIcon_Info"] = InfoIcon;
  book["QvSkinMsgIcon_OK"] = OkIcon;
  book["QvSkinMsgIcon_Question"] = QuestionIcon;
  book["QvSkinPasswordchar"] = [](Canvas& c) { c.Fill(Circle(3, 3, 2.6f), kInk); };
  book["QvSkinKeyboard"] = Keyboard;
  book["QvSkinDrop_arrow_normal"] = [](Canvas& c) { DropArrow(c, false); };
  book["QvSkinDrop_arrow_hot"] = [](Canvas& c) { DropArrow(c, true); };
  const char* states[] = {"normal", "highlight", "pushed"};
  for (int s = 0; s < 3; ++s) {
    book[std::string("QvSkinSpin_") + states[s] + "_up"] = [s](Canvas& c) {
      c.Blit(SpinUp(s), 0, 0);
    };
    book[std::string("QvSkinSpin_") + states[s] + "_down"] = [s](Canvas& c) {
      c.Blit(SpinUp(s).FlippedVertically(), 0, 0);
    };
  }
  // Expand_2 shows while expanded (click folds up), Expand_1 while collapsed.
  book["QvSkinExpand_1"] = [](Canvas& c) { ExpandIcon(c, Dir::Down); };
  book["QvSkinExpand_2"] = [](Canvas& c) { ExpandIcon(c, Dir::Up); };
  book["QvSkinCancel_18_Normal"] = [](Canvas& c) { CancelBadge(c, false); };
  book["QvSkinCancel_18_Hot"] = [](Canvas& c) { CancelBadge(c, true); };
  book["QvSkinSearch_icon"] = SearchIcon;
  book["QvSkinCalendar_18_N"] = [](Canvas& c) { CalendarIcon(c, false); };
  book["QvSkinCalendar_18_H"] = [](Canvas& c) { CalendarIcon(c, true); };
}

}  // namespace skingen
