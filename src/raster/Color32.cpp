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

// Hue, saturation and lightness on 0..255, in integers; skin colour shifts depend on
// exactly these truncations.
void RGBtoHSL(TColor32 RGB, uint8_t& H, uint8_t& S, uint8_t& L) {
  const int R = RedComponent(RGB), G = GreenComponent(RGB), B = BlueComponent(RGB);
  const int Max = std::max({R, G, B}), Min = std::min({R, G, B});
  L = uint8_t((Max + Min) / 2);
  if (Max == Min) {
    H = 0;
    S = 0;
    return;
  }
  int D = (Max - Min) * 255;
  S = uint8_t(Max + Min <= 255 ? D / (Max + Min) : D / (510 - Max - Min));
  D *= 6;
  int Hue;
  if (R == Max)
    Hue = (G - B) * 65025 / D;
  else if (G == Max)
    Hue = 85 + (B - R) * 65025 / D;
  else
    Hue = 170 + (R - G) * 65025 / D;
  if (Hue < 0) Hue += 510;
  H = uint8_t(Hue & 0xFF);
}

TColor32 HSLtoRGB(int H, int S, int L, uint8_t A) {
  H &= 0xFF;
  S = std::clamp(S, 0, 255);
  L = std::clamp(L, 0, 255);
  const int V = L <= 127 ? (L * (S + 256)) >> 8 : L + S - int((int64_t(L) * S * 32897) >> 23);
  // Lightness 0 is black; the pixel keeps its opacity, so translucent edges stay soft.
  if (V <= 0) return Color32(0, 0, 0, A);
  const int M = 2 * L - V;
  const int H6 = 6 * H;
  const int F = ((V - M) * (H6 & 0xFF)) >> 8;
  const int M1 = M + F, M2 = V - F;
  int R, G, B;
  switch (H6 >> 8) {
    case 0: R = V, G = M1, B = M; break;
    case 1: R = M2, G = V, B = M; break;
    case 2: R = M, G = V, B = M1; break;
    case 3: R = M, G = M2, B = V; break;
    case 4: R = M1, G = M, B = V; break;
    default: R = V, G = M, B = M2; break;
  }
  auto Ch = [](int V) { return uint8_t(std::clamp(V, 0, 255)); };
  return Color32(Ch(R), Ch(G), Ch(B), A);
}

}  // namespace qv
