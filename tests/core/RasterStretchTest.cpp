// The row-wise stretches against their per-pixel rules (bilinear for every kernel set this
// processor runs): random pictures, scaling up and down, odd sizes, clipping and edges.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "raster/Blend.h"
#include "raster/Resamplers.h"
#include "raster/ResamplersLinear.h"

using namespace qv;

namespace {

void Fill(TCustomBitmap32& B, int W, int H, std::mt19937& Rng) {
  B.SetSize(W, H);
  for (int I = 0; I < W * H; ++I) B.Bits()[I] = Rng();
}

// The sample position of destination position D, in 1/256 source pixel from pixel centres,
// clamped to the centres of SrcRect.
int64_t Position(Integer D, Integer DstLo, Integer DstW, Integer SrcLo, Integer SrcHi,
                 bool Clamp = true) {
  int64_t SW = int64_t(SrcHi) - SrcLo;
  int64_t V = ((2 * (int64_t(D) - DstLo) + 1) * SW * 256 / DstW - 256) / 2 + int64_t(SrcLo) * 256;
  return Clamp ? std::clamp<int64_t>(V, int64_t(SrcLo) * 256, (int64_t(SrcHi) - 1) * 256) : V;
}

// The rule for one pixel: the two rows mixed by the vertical weight, then the two columns
// by the horizontal weight, each step rounded by CombineReg.
TColor32 Sample(const TCustomBitmap32& S, int64_t X8, int64_t Y8) {
  Integer X = Integer(X8 >> 8), Y = Integer(Y8 >> 8);
  uint32_t FX = uint32_t(X8 & 0xFF), FY = uint32_t(Y8 & 0xFF);
  auto Column = [&](Integer C) {
    return FY ? CombineReg(S.Pixel(C, Y + 1), S.Pixel(C, Y), FY) : S.Pixel(C, Y);
  };
  return FX ? CombineReg(Column(X + 1), Column(X), FX) : Column(X);
}

// The nearest rule: destination position D maps to SrcLo + trunc((D − DstLo)·SW/DW); a
// one-pixel-wide destination takes the middle.
Integer NearestIndex(Integer D, Integer DstLo, Integer DstW, Integer SrcLo, Integer SrcHi) {
  if (DstW < 2) return Integer((int64_t(SrcLo) + SrcHi - 1) / 2);
  return Integer(SrcLo + (int64_t(D) - DstLo) * (int64_t(SrcHi) - SrcLo) / DstW);
}

enum TSampling { smLinear, smNearest, smLinearTransparentEdge };

// The colour the rule gives destination pixel (X, Y).
TColor32 RuleSample(const TCustomBitmap32& Src, TSampling Sampling, Integer X, Integer Y,
                    const TRect& DstRect, const TRect& SrcRect) {
  if (Sampling == smNearest)
    return Src.Pixel(NearestIndex(X, DstRect.Left, DstRect.Width(), SrcRect.Left, SrcRect.Right),
                     NearestIndex(Y, DstRect.Top, DstRect.Height(), SrcRect.Top, SrcRect.Bottom));
  bool Clamp = Sampling == smLinear;
  int64_t X8 = Position(X, DstRect.Left, DstRect.Width(), SrcRect.Left, SrcRect.Right, Clamp);
  int64_t Y8 = Position(Y, DstRect.Top, DstRect.Height(), SrcRect.Top, SrcRect.Bottom, Clamp);
  if (Clamp) return Sample(Src, X8, Y8);
  // Beyond the picture's edge pixels: the resampler's own sampling, which mixes with
  // transparent black.
  return Src.Resampler()->GetSampleFloat(X8 / 256.0 + 0.5, Y8 / 256.0 + 0.5);
}

// Dst as the rule leaves it: every pixel of Clip combined by Src's draw mode.
std::vector<TColor32> Expected(const TCustomBitmap32& Src, const TCustomBitmap32& Dst,
                               const TRect& DstRect, const TRect& Clip, const TRect& SrcRect,
                               TSampling Sampling = smLinear) {
  std::vector<TColor32> E(Dst.Bits(), Dst.Bits() + size_t(Dst.Width()) * Dst.Height());
  for (Integer Y = Clip.Top; Y < Clip.Bottom; ++Y)
    for (Integer X = Clip.Left; X < Clip.Right; ++X) {
      TColor32 F = RuleSample(Src, Sampling, X, Y, DstRect, SrcRect);
      TColor32& P = E[size_t(Y) * Dst.Width() + X];
      P = Src.DrawMode() == dmBlend ? BlendRegEx(F, P, Src.MasterAlpha()) : F;
    }
  return E;
}

std::vector<TColor32> Pixels(const TCustomBitmap32& B) {
  return std::vector<TColor32>(B.Bits(), B.Bits() + size_t(B.Width()) * B.Height());
}

struct TStretchCase {
  const char* Name;
  Integer SrcW, SrcH;
  TRect SrcRect, DstRect, Clip;  // Clip is intersected with DstRect and the 64×64 destination
};

const TStretchCase kCases[] = {
    {"2x up", 24, 14, Rect(0, 0, 24, 14), Rect(0, 0, 48, 28), Rect(0, 0, 64, 64)},
    {"2x down", 64, 40, Rect(0, 0, 64, 40), Rect(0, 0, 32, 20), Rect(0, 0, 64, 64)},
    {"3x down, whole-pixel rows", 60, 45, Rect(0, 0, 60, 45), Rect(1, 2, 21, 17),
     Rect(0, 0, 64, 64)},
    {"odd factors", 13, 7, Rect(2, 1, 13, 6), Rect(3, 5, 40, 22), Rect(0, 0, 64, 64)},
    {"one source column", 5, 9, Rect(4, 0, 5, 9), Rect(0, 0, 37, 30), Rect(0, 0, 64, 64)},
    {"one source row", 11, 3, Rect(0, 2, 11, 3), Rect(0, 0, 50, 41), Rect(0, 0, 64, 64)},
    {"one source pixel", 3, 3, Rect(1, 1, 2, 2), Rect(5, 5, 30, 31), Rect(0, 0, 64, 64)},
    {"one destination pixel", 9, 8, Rect(0, 0, 9, 8), Rect(7, 7, 8, 8), Rect(0, 0, 64, 64)},
    {"more than 256x: repeated rows and columns", 2, 2, Rect(0, 0, 2, 2), Rect(-300, -250, 64, 64),
     Rect(0, 0, 64, 64)},
    {"same size", 17, 9, Rect(0, 0, 17, 9), Rect(4, 4, 21, 13), Rect(0, 0, 64, 64)},
    {"one way up, the other down", 40, 6, Rect(0, 0, 40, 6), Rect(0, 0, 15, 61),
     Rect(0, 0, 64, 64)},
    {"clipped on every side", 30, 30, Rect(3, 4, 27, 29), Rect(-20, -13, 77, 70),
     Rect(5, 9, 58, 47)},
    {"clip inside a stretch of a source edge", 30, 20, Rect(0, 0, 30, 20), Rect(0, 0, 64, 64),
     Rect(61, 3, 64, 60)},
};

// Runs Body(Src, DstRect, Clip, SrcRect, label) for the named cases and random ones.
template <typename TBody>
void ForEachCase(TBody Body) {
  std::mt19937 Rng(7);
  TBitmap32 Src;
  for (const TStretchCase& C : kCases) {
    Fill(Src, C.SrcW, C.SrcH, Rng);
    Body(Src, C.DstRect, C.Clip, C.SrcRect, std::string(C.Name));
  }
  for (int N = 0; N < 150; ++N) {
    std::uniform_int_distribution<int> Size(1, 40), Out(1, 90), Pos(-30, 60);
    int W = Size(Rng), H = Size(Rng);
    Fill(Src, W, H, Rng);
    int SL = int(Rng() % uint32_t(W)), ST = int(Rng() % uint32_t(H));
    TRect SR = Rect(SL, ST, SL + 1 + int(Rng() % uint32_t(W - SL)),
                    ST + 1 + int(Rng() % uint32_t(H - ST)));
    int DL = Pos(Rng), DT = Pos(Rng);
    TRect DR = Rect(DL, DT, DL + Out(Rng), DT + Out(Rng));
    int CL = int(Rng() % 40), CT = int(Rng() % 40);
    TRect Clip = Rect(CL, CT, CL + 1 + int(Rng() % 64), CT + 1 + int(Rng() % 64));
    Body(Src, DR, Clip, SR, "random " + std::to_string(N));
  }
}

}  // namespace

TEST(LinearStretch, EveryKernelSetGivesTheBitsOfTheRule) {
  std::mt19937 Rng(11);
  TBitmap32 Dst;
  ForEachCase([&](TBitmap32& Src, TRect DstRect, TRect Clip, TRect SrcRect, std::string Label) {
    Fill(Dst, 64, 64, Rng);
    if (!IntersectRect(Clip, Clip, DstRect) || !IntersectRect(Clip, Clip, Dst.BoundsRect())) return;
    for (TDrawMode Mode : {dmOpaque, dmBlend}) {
      Src.SetDrawMode(Mode);
      Src.SetMasterAlpha(Mode == dmBlend ? Rng() & 0xFF : 255);
      std::vector<TColor32> E = Expected(Src, Dst, DstRect, Clip, SrcRect);
      for (const linear_stretch::TRows& Rows : linear_stretch::AvailableRows()) {
        TBitmap32 Out;
        Out.Assign(&Dst);
        linear_stretch::Stretch(Src, Out, DstRect, Clip, SrcRect, Rows);
        ASSERT_EQ(Pixels(Out), E) << Label << ", " << Rows.Name << ", mode " << int(Mode);
      }
    }
  });
}

TEST(Stretch, DrawGivesTheRuleThroughTheClipRect) {
  std::mt19937 Rng(12);
  TBitmap32 Dst;
  for (TSampling Sampling : {smLinear, smNearest, smLinearTransparentEdge})
    ForEachCase([&](TBitmap32& Src, TRect DstRect, TRect Clip, TRect SrcRect, std::string Label) {
      Src.SetResamplerClassName(Sampling == smNearest ? L"TNearestResampler" : L"TLinearResampler");
      Src.Resampler()->SetPixelAccessMode(Sampling == smLinearTransparentEdge ? pamTransparentEdge
                                                                              : pamSafe);
      Fill(Dst, 64, 64, Rng);
      Dst.SetClipRect(Clip);
      TRect Visible;
      if (!IntersectRect(Visible, Dst.ClipRect(), DstRect)) return;
      for (TDrawMode Mode : {dmOpaque, dmBlend}) {
        Src.SetDrawMode(Mode);
        Src.SetMasterAlpha(Mode == dmBlend ? Rng() & 0xFF : 255);
        std::vector<TColor32> E = Expected(Src, Dst, DstRect, Visible, SrcRect, Sampling);
        Dst.Draw(DstRect, SrcRect, &Src);
        ASSERT_EQ(Pixels(Dst), E) << Label << ", sampling " << int(Sampling) << ", mode "
                                  << int(Mode);
      }
    });
}

TEST(LinearStretch, TheTestRuleIsTheResamplersRule) {
  // Sample() above agrees with the resampler's own sampling at whole 1/256 positions.
  std::mt19937 Rng(13);
  TBitmap32 Src;
  Fill(Src, 9, 7, Rng);
  Src.SetResamplerClassName(L"TLinearResampler");
  for (int64_t Y8 = 0; Y8 <= 6 * 256; Y8 += 37)
    for (int64_t X8 = 0; X8 <= 8 * 256; X8 += 29)
      ASSERT_EQ(Src.Resampler()->GetSampleFloat(X8 / 256.0 + 0.5, Y8 / 256.0 + 0.5),
                Sample(Src, X8, Y8))
          << X8 << "," << Y8;
}

TEST(LinearStretch, CustomCombineSeesEverySample) {
  // dmCustom goes through OnPixelCombine; without a handler it copies like dmOpaque.
  std::mt19937 Rng(14);
  TBitmap32 Src, Bg, Dst;
  Fill(Src, 13, 11, Rng);
  Src.SetResamplerClassName(L"TLinearResampler");
  Fill(Bg, 40, 30, Rng);
  const TRect DR = Rect(-3, 2, 37, 29), SR = Rect(1, 1, 13, 10), Visible = Rect(0, 2, 37, 29);
  std::vector<TColor32> Samples = Expected(Src, Bg, DR, Visible, SR);  // dmOpaque
  Src.SetDrawMode(dmCustom);
  Dst.Assign(&Bg);
  Dst.Draw(DR, SR, &Src);
  EXPECT_EQ(Pixels(Dst), Samples);
  Src.OnPixelCombine = [](TColor32 F, TColor32& P, TColor32) { P ^= F; };
  Dst.Assign(&Bg);
  Dst.Draw(DR, SR, &Src);
  std::vector<TColor32> E = Pixels(Bg);
  for (Integer Y = Visible.Top; Y < Visible.Bottom; ++Y)
    for (Integer X = Visible.Left; X < Visible.Right; ++X)
      E[size_t(Y) * 40 + X] ^= Samples[size_t(Y) * 40 + X];
  EXPECT_EQ(Pixels(Dst), E);
}

TEST(LinearStretch, SelfDrawReadsTheOriginalPixels) {
  std::mt19937 Rng(15);
  TBitmap32 B, Original;
  Fill(B, 30, 20, Rng);
  B.SetResamplerClassName(L"TLinearResampler");
  Original.Assign(&B);
  std::vector<TColor32> E =
      Expected(Original, B, Rect(5, 3, 29, 19), Rect(5, 3, 29, 19), Rect(0, 0, 11, 9));
  B.Draw(Rect(5, 3, 29, 19), Rect(0, 0, 11, 9), &B);
  EXPECT_EQ(Pixels(B), E);
}
