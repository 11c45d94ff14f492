#include "raster/Color32.h"

#include <algorithm>

#include "host/Colors.h"

namespace qv {

TColor32 Color32(TColor WinColor) {
  if (WinColor < 0) WinColor = ColorToRGB(WinColor);  // the system colour's current value
  uint32_t C = uint32_t(WinColor);
  return 0xFF000000u | (C & 0xFF) << 16 | (C & 0xFF00) | (C >> 16 & 0xFF);
}

TColor WinColor(TColor32 C) {
  return TColor(BlueComponent(C)) << 16 | TColor(GreenComponent(C)) << 8 | RedComponent(C);
}

void RGBtoHSL(TColor32 RGB, uint8_t& H, uint8_t& S, uint8_t& L) {
  int R = RedComponent(RGB), G = GreenComponent(RGB), B = BlueComponent(RGB);
  int Max = std::max({R, G, B}), Min = std::min({R, G, B});
  L = uint8_t((Max + Min + 1) / 2);
  if (Max == Min) {
    H = 0;
    S = 0;
    return;
  }
  int D = Max - Min;
  int Sum = Max + Min;
  S = uint8_t(Sum <= 255 ? (D * 255 + Sum / 2) / Sum : (D * 255 + (510 - Sum) / 2) / (510 - Sum));
  // Hue in sixths of the circle, scaled by D: 0..6D.
  int Hv;
  if (R == Max)
    Hv = G - B;
  else if (G == Max)
    Hv = 2 * D + B - R;
  else
    Hv = 4 * D + R - G;
  if (Hv < 0) Hv += 6 * D;
  H = uint8_t(((Hv * 256 + 3 * D) / (6 * D)) & 0xFF);
}

namespace {
// One channel from the two HSL levels; Hue on 0..1535 (6 × 256).
int HueToChannel(int V1, int V2, int Hue) {
  Hue = (Hue % 1536 + 1536) % 1536;
  if (Hue < 256) return V1 + ((V2 - V1) * Hue + 128) / 256;
  if (Hue < 768) return V2;
  if (Hue < 1024) return V1 + ((V2 - V1) * (1024 - Hue) + 128) / 256;
  return V1;
}
}  // namespace

TColor32 HSLtoRGB(int H, int S, int L, uint8_t A) {
  H &= 0xFF;
  S = std::clamp(S, 0, 255);
  L = std::clamp(L, 0, 255);
  if (S == 0) return Gray32(uint8_t(L), A);
  int V2 = L <= 127 ? (L * (255 + S) + 127) / 255 : L + S - (L * S + 127) / 255;
  int V1 = 2 * L - V2;
  int Hue = H * 6;
  auto Ch = [&](int Shift) {
    return uint8_t(std::clamp(HueToChannel(V1, V2, Hue + Shift), 0, 255));
  };
  return Color32(Ch(512), Ch(0), Ch(-512), A);
}

}  // namespace qv
