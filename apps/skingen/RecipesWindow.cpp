// Caption buttons, the small close buttons of tips and tabs, the edit frames, the layered
// shadow frame, the alpha form's picture and the size grip.
#include "Glyphs.h"
#include "Palette.h"
#include "Recipes.h"

namespace skingen {
namespace {

using namespace palette;

enum CaptionGlyph { kClose, kMaximize, kMinimize, kRestore };

// 1-pixel square outline with its top-left corner at (x, y).
Shape SquareOutline(float x, float y, float size) {
  return Subtract(Rect({x, y, x + size, y + size}),
                  Rect({x + 1, y + 1, x + size - 1, y + size - 1}));
}

// A 10 x 10 glyph centred horizontally, on row 10 (the buttons sit one row above the title top).
Shape CaptionGlyphShape(CaptionGlyph g, float cx) {
  float x = cx - 5;
  switch (g) {
    case kClose:
      return Cross(cx, 10, 4.6f, 0.68f);
    case kMaximize:
      return SquareOutline(x, 5, 10);
    case kMinimize:
      return Rect({x, 10, x + 10, 11});
    case kRestore:
      break;
  }
  Shape front = SquareOutline(x, 7, 8);
  Shape back = Subtract(SquareOutline(x + 2, 5, 8), Rect({x, 7, x + 8, 15}));
  return Union(front, back);
}

// Frames: normal, hot, pressed. Dark glyphs on the light title; the close button turns red.
void CaptionButton(Canvas& strip, CaptionGlyph g) {
  DrawStrip(strip, 3, false, [g](Canvas& f, int i) {
    float w = static_cast<float>(f.Width()), h = static_cast<float>(f.Height());
    Box all{0, 0, w, h};
    Rgba glyph = kInk;
    if (g == kClose && i > 0) {
      f.Fill(Rect(all), i == 1 ? kCloseHot : kClosePressed);
      glyph = kOnAccent;
    } else if (i == 1) {
      f.Fill(Rect(all), kHoverOverlay);
    } else if (i == 2) {
      f.Fill(Rect(all), WithAlpha(kInk, 0.14f));
    }
    f.Fill(CaptionGlyphShape(g, w / 2), glyph);
  });
}

// Close button of tips and popup messages, 18 x 18: normal, hot, pressed.
void TipsClose(Canvas& strip) {
  DrawStrip(strip, 3, false, [](Canvas& f, int i) {
    if (i > 0) f.Fill(RoundRect(Box{1, 1, 17, 17}, 3), i == 1 ? kDanger : kDangerDark);
    f.Fill(Cross(9, 9, 3.6f, 0.7f), i == 0 ? kGlyphSoft : kOnAccent);
  });
}

// Close button on a tab, 12 x 12: normal, hot.
void MiniClose(Canvas& strip) {
  DrawStrip(strip, 2, false, [](Canvas& f, int i) {
    if (i == 1) f.Fill(Circle(6, 6, 5.5f), kDanger);
    f.Fill(Cross(6, 6, i == 1 ? 2.4f : 2.9f, 0.65f), i == 1 ? kOnAccent : kGlyphMuted);
  });
}

// Opaque edit frame: white inside a 1-pixel border; the hot frame adds a soft inner accent line.
void EditFrame(Canvas& c, bool hot) {
  float w = static_cast<float>(c.Width()), h = static_cast<float>(c.Height());
  c.Fill(Rect({0, 0, w, h}), kPaper);
  c.Fill(Subtract(Rect({0, 0, w, h}), Rect({1, 1, w - 1, h - 1})), hot ? kAccent : kBorder);
  if (hot) c.Fill(Subtract(Rect({1, 1, w - 1, h - 1}), Rect({2, 2, w - 2, h - 2})), kFocusLine);
}

// Shadow around a form: the form covers the area 8 pixels in from each edge.
void FormShadow(Canvas& c) {
  float w = static_cast<float>(c.Width()), h = static_cast<float>(c.Height());
  Shadow(c, RoundRect(Box{8, 8, w - 8, h - 8}, 4), 8, 0.2f);
}

// The alpha form's whole picture: shadow, rounded window, light title band, white body.
void AlphaFormPicture(Canvas& c) {
  float w = static_cast<float>(c.Width()), h = static_cast<float>(c.Height());
  Box win{6, 6, w - 6, h - 6};
  Shadow(c, RoundRect(win, 6), 6, 0.18f);
  Shape outer = RoundRect(win, 6), inner = RoundRect(win.Inset(1), 5);
  c.Fill(inner, kPaper);
  c.Fill(Intersect(inner, Rect({0, 0, w, 36})), VerticalGradient(7, kTitleTop, 36, kTitleBottom));
  c.Fill(Intersect(inner, Rect({0, 36, w, 37})), kTitleLine);
  c.Fill(Subtract(outer, inner), kBorder);
}

// Size grip: six dots in a triangle toward the bottom-right corner.
void SizeGrip(Canvas& c) {
  const Pt dots[] = {{6.5f, 1.5f}, {4, 4}, {6.5f, 4}, {1.5f, 6.5f}, {4, 6.5f}, {6.5f, 6.5f}};
  for (Pt p : dots) c.Fill(Circle(p.x, p.y, 0.9f), kGlyphMuted);
}

}  // namespace

void AddWindowRecipes(RecipeBook& book) {
  book["QvSkinBtn_close"] = [](Canvas& c) { CaptionButton(c, kClose); };
  book["QvSkinBtn_max"] = [](Canvas& c) { CaptionButton(c, kMaximize); };
  book["QvSkinBtn_mini"] = [](Canvas& c) { CaptionButton(c, kMinimize); };
  book["QvSkinBtn_restore"] = [](Canvas& c) { CaptionButton(c, kRestore); };
  book["QvSkinTips_close"] = TipsClose;
  book["QvSkinMini_close_btn"] = MiniClose;
  book["QvSkinBorderNormal"] = [](Canvas& c) { EditFrame(c, false); };
  book["QvSkinBorderHot"] = [](Canvas& c) { EditFrame(c, true); };
  book["QvSkinSlider_Aio_light_bkg"] = FormShadow;
  book["QvSkinPreview_bkg"] = AlphaFormPicture;
  book["QvSkinDrag_flag"] = SizeGrip;
}

}  // namespace skingen
