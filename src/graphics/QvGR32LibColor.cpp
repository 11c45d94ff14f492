#include "graphics/QvGR32LibColor.h"

#include <algorithm>

#include "graphics/QvGR32LibSlicing.h"
#include "raster/Resamplers.h"
#include "resources/QvSkinIntfPictures.h"

namespace qv {

namespace {

int Clamp255(int64_t V) {
  return int(std::clamp<int64_t>(V, 0, 255));
}

// Calls Op(pixel) for every pixel of a non-empty surface and reports the change.
template <typename TOp>
void ForEachPixel(TCustomBitmap32* Bitmap, TOp Op) {
  if (!Bitmap || Bitmap->Empty()) return;
  TColor32* P = Bitmap->Bits();
  TColor32* End = P + size_t(Bitmap->Width()) * size_t(Bitmap->Height());
  for (; P != End; ++P) Op(*P);
  Bitmap->Changed(Bitmap->BoundsRect());
}

}  // namespace

// ---- HSL ----

void ApplyHSL(TCustomBitmap32* Bitmap, int DH, int DS, int DL) {
  ForEachPixel(Bitmap, [&](TColor32& P) {
    uint8_t A = AlphaComponent(P);
    if (A == 0) return;
    uint8_t H8, S8, L8;
    RGBtoHSL(P, H8, S8, L8);
    int64_t H = ((int64_t(H8) + DH) % 256 + 256) % 256, S = S8, L = L8;
    S = DS <= 0 ? Clamp255(S + int64_t(DS) * S / 100) : Clamp255(int64_t(S) + DS);
    L = Clamp255(int64_t(L) + DL);
    P = HSLtoRGB(int(H), int(S), int(L), A);
  });
}

// ---- HSB ----

namespace {

void AdjustBrightness(int C[3], int Len) {
  for (int I = 0; I < 3; ++I) {
    int64_t V = C[I];
    if (Len > 0)
      V = int64_t(Len) * (255 - V) / 255 + V;
    else if (Len < 0)
      V = int64_t(Len) * V / 255 + V;
    C[I] = Clamp255(V);
  }
}

void AdjustHueSaturation(int C[3], int Hue, int Len) {
  int &R = C[0], &G = C[1], &B = C[2];
  int Max = std::max({R, G, B}), Min = std::min({R, G, B});
  if (Max == Min) return;  // a grey has no hue to turn and no saturation to change
  int Sum = Max + Min, Diff = Max - Min;
  int Sat = Sum > 255 ? Diff * 255 / (510 - Sum) : Diff * 255 / Sum;
  int L = Sum / 2;
  if (Hue != 0) {
    int Own = R == Max   ? (G - B) * 60 / Diff
              : G == Max ? (B - R) * 60 / Diff + 120
                         : (R - G) * 60 / Diff + 240;
    // Any number of turns wraps into 0..359 (a full turn places colours as no turn does).
    int Hh = int((int64_t(Hue) + Own) % 360);
    if (Hh < 0) Hh += 360;
    int Sector = Hh / 60;
    int F = Sector % 2 ? 60 - Hh % 60 : Hh % 60;
    int Mid = (F * 255 + 30) / 60;
    Mid -= (Mid - 128) * (255 - Sat) / 255;
    int Dl = L - 128;
    if (L >= 129)
      Mid += (Dl * (255 - Mid) + 64) / 128;
    else if (L < 128)
      Mid += Dl * Mid / 128;
    Mid = Clamp255(Mid);
    switch (Sector) {
      case 1:
        R = Mid, G = Max, B = Min;
        break;
      case 2:
        R = Min, G = Max, B = Mid;
        break;
      case 3:
        R = Min, G = Mid, B = Max;
        break;
      case 4:
        R = Mid, G = Min, B = Max;
        break;
      case 5:
        R = Max, G = Min, B = Mid;
        break;
      default:
        R = Max, G = Mid, B = Min;
        break;  // sector 0, and a full turn
    }
  }
  if (Len != 0) {
    if (Len > 0) {
      if (Len + Sat < 255) Sat = 255 - Len;
      Len = 65025 / Sat - 255;
    }
    for (int I = 0; I < 3; ++I) C[I] = Clamp255(C[I] + int64_t(Len) * (C[I] - L) / 255);
  }
}

}  // namespace

void AdjustHSB(uint8_t& R, uint8_t& G, uint8_t& B, int H, int S, int Bright) {
  // Beyond ±1000000 percent every channel is at its limit already.
  auto Level = [](int P) { return int(std::clamp<int64_t>(P, -1000000, 1000000) * 255 / 100); };
  int SL = Level(S), BL = Level(Bright);
  int C[3] = {R, G, B};
  if (SL >= 1 && BL != 0) {
    AdjustBrightness(C, BL);
    AdjustHueSaturation(C, H, SL);
  } else {
    AdjustHueSaturation(C, H, SL);
    if (BL != 0) AdjustBrightness(C, BL);
  }
  R = uint8_t(C[0]);
  G = uint8_t(C[1]);
  B = uint8_t(C[2]);
}

TColor MakeHSBColor(TColor Color, int H, int S, int B) {
  TColor32 C = Color32(Color);
  uint8_t R = RedComponent(C), G = GreenComponent(C), Bl = BlueComponent(C);
  AdjustHSB(R, G, Bl, H, S, B);
  return WinColor(Color32(R, G, Bl));
}

void MakeHSBColor(TColor Color, int H, int S, int B, TColor& Result) {
  Result = MakeHSBColor(Color, H, S, B);
}

void GdipHSBAdjustment(TCustomBitmap32* Bitmap, int H, int S, int B) {
  if (H == 0 && S == 0 && B == 0) return;
  // Pictures repeat colours a lot: the last answer is kept.
  TColor32 LastIn = 0, LastOut = 0;
  bool Have = false;
  ForEachPixel(Bitmap, [&](TColor32& P) {
    TColor32 RGB = P & 0x00FFFFFF;
    if (!Have || RGB != LastIn) {
      uint8_t R = RedComponent(P), G = GreenComponent(P), Bl = BlueComponent(P);
      AdjustHSB(R, G, Bl, H, S, B);
      LastIn = RGB;
      LastOut = Color32(R, G, Bl, 0);
      Have = true;
    }
    P = LastOut | (P & 0xFF000000);
  });
}

// ---- masks, opacity, averages ----

void ApplyColorMask32(TCustomBitmap32* Bitmap, TColor32 Mask) {
  uint32_t MR = RedComponent(Mask), MG = GreenComponent(Mask), MB = BlueComponent(Mask);
  ForEachPixel(Bitmap, [&](TColor32& P) {
    uint32_t R = RedComponent(P), G = GreenComponent(P), B = BlueComponent(P);
    if (AlphaComponent(P) == 0 || (R > 240 && G > 240 && B > 240)) return;
    uint32_t I = (R * 77 + G * 150 + B * 29) >> 8;
    P = Color32(uint8_t((MR * I) >> 8), uint8_t((MG * I) >> 8), uint8_t((MB * I) >> 8),
                AlphaComponent(P));
  });
}

void ApplyColorMask32(TCustomBitmap32* Bitmap, TColor Color) {
  ApplyColorMask32(Bitmap, Color32(Color));
}

void ApplyAlpha(TCustomBitmap32* Bitmap, int Alpha) {
  if (!Bitmap || Alpha < 0 || Alpha > 255) return;
  Bitmap->SetDrawMode(dmBlend);
  Bitmap->SetMasterAlpha(uint8_t(Alpha));
}

TColor GetAverageColor(const TCustomBitmap32* Bitmap) {
  if (!Bitmap) return 0;
  uint64_t R = 0, G = 0, B = 0, N = 0;
  if (!Bitmap->Empty()) {
    N = uint64_t(Bitmap->Width()) * uint64_t(Bitmap->Height());
    for (const TColor32 *P = Bitmap->Bits(), *End = P + N; P != End; ++P) {
      R += RedComponent(*P);
      G += GreenComponent(*P);
      B += BlueComponent(*P);
    }
  }
  N = std::max<uint64_t>(N, 1);
  return WinColor(Color32(uint8_t(R / N), uint8_t(G / N), uint8_t(B / N)));
}

void PremultiplyBitmap(TCustomBitmap32* Bitmap) {
  ForEachPixel(Bitmap, [](TColor32& P) {
    uint32_t A257 = uint32_t(AlphaComponent(P)) * 257;
    auto M = [&](uint32_t C) { return uint8_t((C * A257) >> 16); };
    P = Color32(M(RedComponent(P)), M(GreenComponent(P)), M(BlueComponent(P)), AlphaComponent(P));
  });
}

void ClearBmp32(TCustomBitmap32* Bitmap) {
  if (Bitmap) Bitmap->SetSize(0, 0);
}

void ResizeBitmap32(TCustomBitmap32* Src, TCustomBitmap32* Dst, double Scale) {
  if (!Src || !Dst) return;
  InstallEdgeResampler(*Src);
  ScaleInto(Src, Dst, Scale, CutPasses);
}

// ---- conversions ----

TColor WebColorToTColor(Cardinal C) {
  if (C <= 0xFFFFFF) return TColor((C & 0xFF) << 16 | (C & 0xFF00) | (C >> 16 & 0xFF));
  return TColor((C & 0xFF) << 24 | (C & 0xFF00) << 8 | (C >> 8 & 0xFF00) | (C >> 24));
}

void TColor2RGB(TColor Color, uint8_t& R, uint8_t& G, uint8_t& B) {
  R = uint8_t(Color);
  G = uint8_t(Color >> 8);
  B = uint8_t(Color >> 16);
}

}  // namespace qv
