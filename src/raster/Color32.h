#pragma once
// The 32-bit pixel: TColor32 = A·2^24 + R·2^16 + G·2^8 + B (bytes B, G, R, A in memory),
// straight (not premultiplied) alpha, and its conversions. Portable: no platform headers.
#include <cstdint>

#include "host/Types.h"

namespace qv {

using TColor32 = uint32_t;
using PColor32 = TColor32*;

constexpr TColor32 clBlack32 = 0xFF000000;
constexpr TColor32 clWhite32 = 0xFFFFFFFF;
constexpr TColor32 clRed32 = 0xFFFF0000;
constexpr TColor32 clLime32 = 0xFF00FF00;
constexpr TColor32 clBlue32 = 0xFF0000FF;
constexpr TColor32 clGray32 = 0xFF808080;
constexpr TColor32 clTransparent32 = 0x00000000;

constexpr TColor32 Color32(uint8_t R, uint8_t G, uint8_t B, uint8_t A = 255) {
  return TColor32(A) << 24 | TColor32(R) << 16 | TColor32(G) << 8 | B;
}
constexpr TColor32 Gray32(uint8_t I, uint8_t A = 255) {
  return Color32(I, I, I, A);
}

// Opaque pixel of a framework colour; a negative value is a system colour and is
// replaced by the platform's current colour of that index first.
TColor32 Color32(TColor WinColor);
// Framework colour 0x00BBGGRR of a pixel; alpha dropped.
TColor WinColor(TColor32 Color32);

constexpr uint8_t AlphaComponent(TColor32 C) {
  return uint8_t(C >> 24);
}
constexpr uint8_t RedComponent(TColor32 C) {
  return uint8_t(C >> 16);
}
constexpr uint8_t GreenComponent(TColor32 C) {
  return uint8_t(C >> 8);
}
constexpr uint8_t BlueComponent(TColor32 C) {
  return uint8_t(C);
}
constexpr TColor32 SetAlpha(TColor32 C, uint8_t A) {
  return (C & 0x00FFFFFF) | TColor32(A) << 24;
}
// (R·61 + G·174 + B·21) div 256: the grey level of a pixel (the weights sum to 256).
constexpr uint8_t Intensity(TColor32 C) {
  return uint8_t((RedComponent(C) * 61 + GreenComponent(C) * 174 + BlueComponent(C) * 21) >> 8);
}

// Integer HSL: hue, saturation and lightness each on 0..255 (hue 256 would be 360°).
void RGBtoHSL(TColor32 RGB, uint8_t& H, uint8_t& S, uint8_t& L);
TColor32 HSLtoRGB(int H, int S, int L, uint8_t A = 255);

}  // namespace qv
