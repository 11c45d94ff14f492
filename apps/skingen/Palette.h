#pragma once
// The colours of the default skin: light surfaces, soft grey borders, one calm blue accent.
#include "Color.h"

namespace skingen::palette {

// Accent and its tints (hot and pressed backgrounds of flat parts).
inline constexpr Rgba kAccent = Hex(0x2B7CD3);
inline constexpr Rgba kAccentLight = Hex(0x4B93E2);
inline constexpr Rgba kAccentDark = Hex(0x2368B4);
inline constexpr Rgba kTint = Hex(0xE8F1FB);
inline constexpr Rgba kTintStrong = Hex(0xD3E4F7);
inline constexpr Rgba kTintBorder = Hex(0xB9D3F0);
inline constexpr Rgba kTintBorderStrong = Hex(0x9DC0E8);

// Surfaces and borders.
inline constexpr Rgba kWhite = Hex(0xFFFFFF);
inline constexpr Rgba kSurface = Hex(0xF5F6F8);
inline constexpr Rgba kSurfaceDim = Hex(0xF1F3F5);
inline constexpr Rgba kTrack = Hex(0xE4E7EB);
inline constexpr Rgba kBorder = Hex(0xC8CDD3);
inline constexpr Rgba kBorderStrong = Hex(0xA9B1BB);
inline constexpr Rgba kBorderLight = Hex(0xDDE1E6);
inline constexpr Rgba kSeparator = Hex(0xD5D9DE);

// Glyphs.
inline constexpr Rgba kInk = Hex(0x2B323C);
inline constexpr Rgba kGlyph = Hex(0x4A5360);
inline constexpr Rgba kGlyphSoft = Hex(0x6B7480);
inline constexpr Rgba kGlyphMuted = Hex(0x9AA2AD);
inline constexpr Rgba kGlyphDisabled = Hex(0xBAC5CE);

// Signal colours.
inline constexpr Rgba kDanger = Hex(0xE5484D);
inline constexpr Rgba kDangerDark = Hex(0xC8333A);
inline constexpr Rgba kCloseHot = Hex(0xE81123);
inline constexpr Rgba kClosePressed = Hex(0xC50F1F);
inline constexpr Rgba kWarn = Hex(0xF0A020);
inline constexpr Rgba kWarnLight = Hex(0xF8BE3C);
inline constexpr Rgba kWarnInk = Hex(0x422F04);
inline constexpr Rgba kSuccess = Hex(0x27974A);
inline constexpr Rgba kSuccessLight = Hex(0x3CB55E);
inline constexpr Rgba kShadow = Hex(0x1A2230);

}  // namespace skingen::palette
