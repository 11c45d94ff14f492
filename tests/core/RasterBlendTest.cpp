#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "raster/Blend.h"

using namespace qv;

TEST(Blend, RuleEdgeValues) {
  // F = 255 over B = 0 at weight 128 gives (255·128 + 128) div 256 = 128 on every channel.
  EXPECT_EQ(CombineReg(0xFFFFFFFF, 0x00000000, 128), 0x80808080u);
  // The alpha channel blends too: (0·128 + 128·128 + 128) div 256 = 64.
  EXPECT_EQ(BlendReg(0x80FFFFFF, 0x00000000), 0x40808080u);
  // Alpha 255 copies exactly, alpha 0 leaves the background.
  EXPECT_EQ(BlendReg(0xFF123456, 0x80ABCDEF), 0xFF123456u);
  EXPECT_EQ(BlendReg(0x00123456, 0x80ABCDEF), 0x80ABCDEFu);
  // Master alpha: w = ((M + 1)·a) div 256; M = 0 leaves B, M = 255 is plain blending.
  EXPECT_EQ(BlendRegEx(0xFFFFFFFF, 0xFF000000, 0), 0xFF000000u);
  EXPECT_EQ(BlendRegEx(0xFF123456, 0x00000000, 255), 0xFF123456u);
  EXPECT_EQ(BlendRegEx(0xFFFFFFFF, 0x00000000, 127), CombineReg(0xFFFFFFFF, 0, 127));
  // Transformed drawing has no exact copy: (B + 255·F + 128) div 256.
  EXPECT_EQ(TransformBlendReg(0xFFFFFFFF, 0x00000000, 255), 0xFEFEFEFEu);
  EXPECT_EQ(TransformBlendReg(0xFF000000, 0x00FFFFFF, 255), 0xFE010101u);
}

TEST(Blend, FormulaWorkedValues) {
  // Z = (B·(256 − w) + F·w + 128) div 256 per channel, worked by hand. The fourth row
  // (w = 64, 256 − w = 192), channel by channel from alpha down:
  //   A: (0x20·192 + 0x80·64 + 128) div 256 = (6144 + 8192 + 128) div 256 = 56 = 0x38
  //   R: (0x00·192 + 0xFF·64 + 128) div 256 = (0 + 16320 + 128) div 256 = 64 = 0x40
  //   G: (0x60·192 + 0x40·64 + 128) div 256 = (18432 + 4096 + 128) div 256 = 88 = 0x58
  //   B: (0x80·192 + 0x10·64 + 128) div 256 = (24576 + 1024 + 128) div 256 = 100 = 0x64
  struct {
    TColor32 F, B;
    uint32_t W;
    TColor32 Z;
  } const Cases[] = {
      {0x12345678, 0x9ABCDEF0, 0, 0x9ABCDEF0},    // (B·256 + 128) div 256 = B
      {0xFFFFFFFF, 0x00000000, 255, 0xFEFEFEFE},  // (255·255 + 128) div 256 = 254
      {0x00000000, 0xFFFFFFFF, 1, 0xFEFEFEFE},    // (255·255 + 128) div 256 = 254
      {0x80FF4010, 0x20006080, 64, 0x38405864},   // worked above
      {0x000000FF, 0x0000FF00, 200, 0x000038C7},  // G: 14408 div 256 = 56; B: 51128 div 256 = 199
      {0x7F7F7F7F, 0x80808080, 127, 0x80808080},  // (128·129 + 127·127 + 128) div 256 = 128
      {0x01010101, 0x00000000, 128, 0x01010101},  // (1·128 + 128) div 256 = 1: half rounds up
      {0x01010101, 0x00000000, 127, 0x00000000},  // (1·127 + 128) div 256 = 0
  };
  for (const auto& C : Cases)
    EXPECT_EQ(CombineReg(C.F, C.B, C.W), C.Z)
        << std::hex << "F=" << C.F << " B=" << C.B << std::dec << " w=" << C.W;
}

TEST(Blend, MergeRule) {
  EXPECT_EQ(MergeReg(0xFF102030, 0x80FFFFFF), 0xFF102030u);
  EXPECT_EQ(MergeReg(0x00102030, 0x80FFFFFF), 0x80FFFFFFu);
  EXPECT_EQ(MergeReg(0x80102030, 0x00FFFFFF), 0x80102030u);
  // Half over half: alpha 255 − 127·127/255 ≈ 192.
  EXPECT_EQ(AlphaComponent(MergeReg(0x80FF0000, 0x800000FF)), 192);
}

#if defined(QV_HAVE_SSE2)
namespace {
// Rows mixing random pixels with runs of alpha 0 and 255, odd lengths for the tails.
std::vector<TColor32> RandomRow(std::mt19937& Rng, int N) {
  std::vector<TColor32> Row(N);
  for (int I = 0; I < N; ++I) {
    TColor32 C = Rng();
    switch (Rng() % 4) {
      case 0:
        C &= 0x00FFFFFF;
        break;
      case 1:
        C |= 0xFF000000;
        break;
      default:
        break;
    }
    Row[I] = C;
  }
  // A few uniform blocks of four so the fast paths are taken.
  for (int I = 0; I + 16 <= N; I += 32) {
    for (int K = 0; K < 8; ++K) Row[I + K] |= 0xFF000000;
    for (int K = 8; K < 16; ++K) Row[I + K] &= 0x00FFFFFF;
  }
  return Row;
}
}  // namespace

TEST(Blend, VectorRowsGiveTheScalarBits) {
  std::mt19937 Rng(42);
  for (int Round = 0; Round < 200; ++Round) {
    int N = int(Rng() % 131);
    std::vector<TColor32> Src = RandomRow(Rng, N), Dst = RandomRow(Rng, N);
    uint32_t M = Round % 5 == 0 ? 255 : Rng() % 256;
    TColor32 C = Rng();
    auto A = Dst, B = Dst;
    blend_scalar::BlendLine(Src.data(), A.data(), N);
    blend_sse2::BlendLine(Src.data(), B.data(), N);
    ASSERT_EQ(A, B) << "BlendLine";
#if defined(QV_HAVE_AVX2)
    if (blend_avx2::Supported()) {
      B = Dst;
      blend_avx2::BlendLine(Src.data(), B.data(), N);
      ASSERT_EQ(A, B) << "AVX2 BlendLine";
    }
#endif
    A = B = Dst;
    blend_scalar::BlendLineEx(Src.data(), A.data(), N, M);
    blend_sse2::BlendLineEx(Src.data(), B.data(), N, M);
    ASSERT_EQ(A, B) << "BlendLineEx M=" << M;
#if defined(QV_HAVE_AVX2)
    if (blend_avx2::Supported()) {
      B = Dst;
      blend_avx2::BlendLineEx(Src.data(), B.data(), N, M);
      ASSERT_EQ(A, B) << "AVX2 BlendLineEx M=" << M;
    }
#endif
    A = B = Dst;
    blend_scalar::LerpLine(Src.data(), Dst.data(), A.data(), N, M);
    blend_sse2::LerpLine(Src.data(), Dst.data(), B.data(), N, M);
    ASSERT_EQ(A, B) << "LerpLine";
    std::vector<uint32_t> Weights(N);
    for (uint32_t& W : Weights) W = Rng() % 256;
    blend_scalar::LerpLineW(Src.data(), Dst.data(), Weights.data(), A.data(), N);
    blend_sse2::LerpLineW(Src.data(), Dst.data(), Weights.data(), B.data(), N);
    ASSERT_EQ(A, B) << "LerpLineW";
    A = B = Dst;
    blend_scalar::BlendFillLine(C, A.data(), N);
    blend_sse2::BlendFillLine(C, B.data(), N);
    ASSERT_EQ(A, B) << "BlendFillLine";
  }
}
#endif

TEST(Color32, ConversionsAndHSL) {
  EXPECT_EQ(Color32(clRed), 0xFFFF0000u);
  EXPECT_EQ(Color32(TColor(0x00332211)), 0xFF112233u);
  EXPECT_EQ(WinColor(0x80112233), TColor(0x00332211));
  EXPECT_EQ(Color32(1, 2, 3), 0xFF010203u);
  EXPECT_EQ(Gray32(7, 8), 0x08070707u);
  EXPECT_EQ(Color32(clBtnFace) >> 24, 0xFFu);  // system colours resolve to opaque pixels
  uint8_t H, S, L;
  RGBtoHSL(0xFF00FF00, H, S, L);  // green: a third of the way round
  EXPECT_EQ(H, 85);
  EXPECT_EQ(S, 255);
  RGBtoHSL(0xFF808080, H, S, L);
  EXPECT_EQ(S, 0);
  EXPECT_EQ(HSLtoRGB(0, 0, 77), Gray32(77));
  // The model truncates at every step and keeps hue in 256 steps (up to 6 levels of a
  // vivid channel each): a round trip moves a channel by at most 13 levels.
  std::mt19937 Rng(3);
  for (int I = 0; I < 2000; ++I) {
    TColor32 C = Rng() | 0xFF000000;
    RGBtoHSL(C, H, S, L);
    TColor32 Back = HSLtoRGB(H, S, L);
    for (int Sh = 0; Sh < 24; Sh += 8)
      ASSERT_NEAR(int(C >> Sh & 0xFF), int(Back >> Sh & 0xFF), 13) << std::hex << C;
  }
}
