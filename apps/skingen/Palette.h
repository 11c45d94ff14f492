#pragma once
// The colours of the built-in skins. The light theme: light surfaces, soft grey borders, one
// calm blue accent. The dark theme keeps the accent and the signal colours and turns surfaces
// dark and glyphs light. Recipes read the active theme's colours by their role names below.
#include "Color.h"

namespace skingen {

struct Theme {
  // Accent and its tints (hot and pressed backgrounds of flat parts).
  Rgba Accent, AccentLight, AccentDark;
  Rgba Tint, TintStrong, TintBorder, TintBorderStrong;
  // Surfaces: the face of boxes, edits, menus and selected tabs, and its lower gradient end.
  Rgba Paper, PaperBottom, HotTop;
  Rgba Surface, SurfaceDim, Track, Rail;
  Rgba Border, BorderStrong, BorderLight, Separator;
  // Accent ring of a focused button, inner line of a hot edit frame.
  Rgba FocusRing, FocusLine;
  Rgba ThumbNormal, ThumbHot, ArrowHotFill, BadgeMuted;
  // Overlay of a hot caption button; the alpha form's title band.
  Rgba HoverOverlay, TitleTop, TitleBottom, TitleLine;
  // Glyphs, from strongest to disabled; OnAccent is drawn on accent and signal colours.
  Rgba Ink, Glyph, GlyphSoft, GlyphMuted, GlyphDisabled, OnAccent;
  // Signal colours.
  Rgba Danger, DangerDark, CloseHot, ClosePressed, Warn, WarnLight, WarnInk, Success, SuccessLight,
      Shadow;
};

inline constexpr Theme kLightTheme = {
    .Accent = Hex(0x2B7CD3),
    .AccentLight = Hex(0x4B93E2),
    .AccentDark = Hex(0x2368B4),
    .Tint = Hex(0xE8F1FB),
    .TintStrong = Hex(0xD3E4F7),
    .TintBorder = Hex(0xB9D3F0),
    .TintBorderStrong = Hex(0x9DC0E8),
    .Paper = Hex(0xFFFFFF),
    .PaperBottom = Hex(0xF3F5F7),
    .HotTop = Hex(0xF5F9FE),
    .Surface = Hex(0xF5F6F8),
    .SurfaceDim = Hex(0xF1F3F5),
    .Track = Hex(0xE4E7EB),
    .Rail = Hex(0xEDEFF2),
    .Border = Hex(0xC8CDD3),
    .BorderStrong = Hex(0xA9B1BB),
    .BorderLight = Hex(0xDDE1E6),
    .Separator = Hex(0xD5D9DE),
    .FocusRing = Hex(0xA9CBF0),
    .FocusLine = Hex(0xCFE2F6),
    .ThumbNormal = Hex(0xC3C9D1),
    .ThumbHot = Hex(0x9EA7B3),
    .ArrowHotFill = Hex(0xE3E7EC),
    .BadgeMuted = Hex(0xA3ABB6),
    .HoverOverlay = Hex(0xFFFFFF, 0.45f),
    .TitleTop = Hex(0xF4F8FC),
    .TitleBottom = Hex(0xE9F0F8),
    .TitleLine = Hex(0xDCE3EB),
    .Ink = Hex(0x2B323C),
    .Glyph = Hex(0x4A5360),
    .GlyphSoft = Hex(0x6B7480),
    .GlyphMuted = Hex(0x9AA2AD),
    .GlyphDisabled = Hex(0xBAC5CE),
    .OnAccent = Hex(0xFFFFFF),
    .Danger = Hex(0xE5484D),
    .DangerDark = Hex(0xC8333A),
    .CloseHot = Hex(0xE81123),
    .ClosePressed = Hex(0xC50F1F),
    .Warn = Hex(0xF0A020),
    .WarnLight = Hex(0xF8BE3C),
    .WarnInk = Hex(0x422F04),
    .Success = Hex(0x27974A),
    .SuccessLight = Hex(0x3CB55E),
    .Shadow = Hex(0x1A2230),
};

inline constexpr Theme kDarkTheme = {
    .Accent = Hex(0x2B7CD3),
    .AccentLight = Hex(0x4B93E2),
    .AccentDark = Hex(0x2368B4),
    .Tint = Hex(0x233447),
    .TintStrong = Hex(0x1E3D62),
    .TintBorder = Hex(0x34557A),
    .TintBorderStrong = Hex(0x3F6FA6),
    .Paper = Hex(0x2D2F33),
    .PaperBottom = Hex(0x292B2F),
    .HotTop = Hex(0x2C3440),
    .Surface = Hex(0x26282B),
    .SurfaceDim = Hex(0x232528),
    .Track = Hex(0x3A3D42),
    .Rail = Hex(0x303236),
    .Border = Hex(0x484C53),
    .BorderStrong = Hex(0x5C616A),
    .BorderLight = Hex(0x3B3E44),
    .Separator = Hex(0x42464C),
    .FocusRing = Hex(0x2F5A8A),
    .FocusLine = Hex(0x2C4E75),
    .ThumbNormal = Hex(0x565A61),
    .ThumbHot = Hex(0x767B84),
    .ArrowHotFill = Hex(0x3B3F45),
    .BadgeMuted = Hex(0x6B717A),
    .HoverOverlay = Hex(0xFFFFFF, 0.10f),
    .TitleTop = Hex(0x30343A),
    .TitleBottom = Hex(0x2A2D32),
    .TitleLine = Hex(0x3D4148),
    .Ink = Hex(0xE8EAED),
    .Glyph = Hex(0xC9CDD3),
    .GlyphSoft = Hex(0xA6ACB4),
    .GlyphMuted = Hex(0x80868F),
    .GlyphDisabled = Hex(0x565B62),
    .OnAccent = Hex(0xFFFFFF),
    .Danger = Hex(0xE5484D),
    .DangerDark = Hex(0xC8333A),
    .CloseHot = Hex(0xE81123),
    .ClosePressed = Hex(0xC50F1F),
    .Warn = Hex(0xF0A020),
    .WarnLight = Hex(0xF8BE3C),
    .WarnInk = Hex(0x422F04),
    .Success = Hex(0x27974A),
    .SuccessLight = Hex(0x3CB55E),
    .Shadow = Hex(0x000000),
};

// The theme recipes draw with; light until changed.
inline Theme gTheme = kLightTheme;

namespace palette {

// Each role of the active theme as a constant-looking name: k<Role>.
#define SKINGEN_ROLE(Name) inline const Rgba& k##Name = gTheme.Name
SKINGEN_ROLE(Accent);
SKINGEN_ROLE(AccentLight);
SKINGEN_ROLE(AccentDark);
SKINGEN_ROLE(Tint);
SKINGEN_ROLE(TintStrong);
SKINGEN_ROLE(TintBorder);
SKINGEN_ROLE(TintBorderStrong);
SKINGEN_ROLE(Paper);
SKINGEN_ROLE(PaperBottom);
SKINGEN_ROLE(HotTop);
SKINGEN_ROLE(Surface);
SKINGEN_ROLE(SurfaceDim);
SKINGEN_ROLE(Track);
SKINGEN_ROLE(Rail);
SKINGEN_ROLE(Border);
SKINGEN_ROLE(BorderStrong);
SKINGEN_ROLE(BorderLight);
SKINGEN_ROLE(Separator);
SKINGEN_ROLE(FocusRing);
SKINGEN_ROLE(FocusLine);
SKINGEN_ROLE(ThumbNormal);
SKINGEN_ROLE(ThumbHot);
SKINGEN_ROLE(ArrowHotFill);
SKINGEN_ROLE(BadgeMuted);
SKINGEN_ROLE(HoverOverlay);
SKINGEN_ROLE(TitleTop);
SKINGEN_ROLE(TitleBottom);
SKINGEN_ROLE(TitleLine);
SKINGEN_ROLE(Ink);
SKINGEN_ROLE(Glyph);
SKINGEN_ROLE(GlyphSoft);
SKINGEN_ROLE(GlyphMuted);
SKINGEN_ROLE(GlyphDisabled);
SKINGEN_ROLE(OnAccent);
SKINGEN_ROLE(Danger);
SKINGEN_ROLE(DangerDark);
SKINGEN_ROLE(CloseHot);
SKINGEN_ROLE(ClosePressed);
SKINGEN_ROLE(Warn);
SKINGEN_ROLE(WarnLight);
SKINGEN_ROLE(WarnInk);
SKINGEN_ROLE(Success);
SKINGEN_ROLE(SuccessLight);
SKINGEN_ROLE(Shadow);
#undef SKINGEN_ROLE

}  // namespace palette
}  // namespace skingen
