// Blending a full-HD dmBlend surface onto another, against pixman's OVER composite of the
// same size and a plain memcpy of the same bytes. Bytes/s are of the source surface.
#include <benchmark/benchmark.h>
#include <pixman.h>

#include <cstring>
#include <random>
#include <vector>

#include "PixmanScale.h"
#include "raster/Bitmap32.h"
#include "raster/ResamplersLinear.h"

using namespace qv;

namespace {

constexpr int W = 1920, H = 1080;

enum TContent { ctRandom, ctSkin };

// ctRandom: every alpha value equally likely. ctSkin: like a skin picture, mostly opaque
// or clear areas with soft edges between them.
void FillSource(TColor32* P, TContent Content, int Width = W, int Height = H) {
  std::mt19937 Rng(1);
  for (int Y = 0; Y < Height; ++Y)
    for (int X = 0; X < Width; ++X) {
      TColor32 C = Rng() & 0x00FFFFFF;
      uint32_t A;
      if (Content == ctRandom) {
        A = Rng() & 0xFF;
      } else {
        int Band = (X + Y / 3) % 96;
        A = Band < 40   ? 255
            : Band < 48 ? uint32_t(255 - (Band - 40) * 32)
            : Band < 88 ? 0
                        : uint32_t((Band - 88) * 32);
      }
      P[size_t(Y) * Width + X] = C | A << 24;
    }
}

void BM_QvBlend(benchmark::State& State) {
  TBitmap32 Src, Dst;
  Src.SetSize(W, H);
  Dst.SetSize(W, H);
  FillSource(Src.Bits(), TContent(State.range(0)));
  Src.SetDrawMode(dmBlend);
  Dst.Clear(0xFF336699);
  for (auto _ : State) {
    Dst.Draw(0, 0, &Src);
    benchmark::ClobberMemory();
  }
  State.SetBytesProcessed(int64_t(State.iterations()) * W * H * 4);
}

void BM_QvBlendScalar(benchmark::State& State) {
  std::vector<TColor32> Src(size_t(W) * H), Dst(size_t(W) * H, 0xFF336699);
  FillSource(Src.data(), TContent(State.range(0)));
  for (auto _ : State) {
    for (int Y = 0; Y < H; ++Y)
      blend_scalar::BlendLine(&Src[size_t(Y) * W], &Dst[size_t(Y) * W], W);
    benchmark::ClobberMemory();
  }
  State.SetBytesProcessed(int64_t(State.iterations()) * W * H * 4);
}

void BM_QvBlendSse2(benchmark::State& State) {
  std::vector<TColor32> Src(size_t(W) * H), Dst(size_t(W) * H, 0xFF336699);
  FillSource(Src.data(), TContent(State.range(0)));
  for (auto _ : State) {
    for (int Y = 0; Y < H; ++Y) blend_sse2::BlendLine(&Src[size_t(Y) * W], &Dst[size_t(Y) * W], W);
    benchmark::ClobberMemory();
  }
  State.SetBytesProcessed(int64_t(State.iterations()) * W * H * 4);
}

void BM_PixmanOver(benchmark::State& State) {
  std::vector<TColor32> Src(size_t(W) * H), Dst(size_t(W) * H, 0xFF336699);
  FillSource(Src.data(), TContent(State.range(0)));
  Premultiply(Src.data(), Src.size());
  pixman_image_t* S = pixman_image_create_bits(PIXMAN_a8r8g8b8, W, H, Src.data(), W * 4);
  pixman_image_t* D = pixman_image_create_bits(PIXMAN_a8r8g8b8, W, H, Dst.data(), W * 4);
  for (auto _ : State) {
    pixman_image_composite32(PIXMAN_OP_OVER, S, nullptr, D, 0, 0, 0, 0, 0, 0, W, H);
    benchmark::ClobberMemory();
  }
  pixman_image_unref(S);
  pixman_image_unref(D);
  State.SetBytesProcessed(int64_t(State.iterations()) * W * H * 4);
}

void BM_Memcpy(benchmark::State& State) {
  std::vector<TColor32> Src(size_t(W) * H, 0x80808080), Dst(size_t(W) * H);
  for (auto _ : State) {
    std::memcpy(Dst.data(), Src.data(), Src.size() * 4);
    benchmark::ClobberMemory();
  }
  State.SetBytesProcessed(int64_t(State.iterations()) * W * H * 4);
}

void BM_QvBlendFill(benchmark::State& State) {
  TBitmap32 Dst;
  Dst.SetSize(W, H);
  Dst.Clear(0xFF336699);
  for (auto _ : State) {
    Dst.FillRectTS(0, 0, W, H, 0x80C0FFEE);
    benchmark::ClobberMemory();
  }
  State.SetBytesProcessed(int64_t(State.iterations()) * W * H * 4);
}

// Scaled drawing of an SW×SH skin-like picture onto the whole of a DW×DH surface, nearest
// (range 0) or bilinear (range 1); bytes/s of the destination. Rows, when given, runs the
// bilinear stretch with that kernel set instead of the resampler's choice.
void RunQvScaled(benchmark::State& State, int SW, int SH, int DW, int DH,
                 const linear_stretch::TRows* Rows = nullptr) {
  TBitmap32 Src, Dst;
  Src.SetSize(SW, SH);
  FillSource(Src.Bits(), ctSkin, SW, SH);
  Dst.SetSize(DW, DH);
  if (State.range(0)) Src.SetResamplerClassName(L"TLinearResampler");
  for (auto _ : State) {
    if (Rows)
      linear_stretch::Stretch(Src, Dst, Dst.BoundsRect(), Dst.BoundsRect(), Src.BoundsRect(),
                              *Rows);
    else
      Dst.Draw(Dst.BoundsRect(), Src.BoundsRect(), &Src);
    benchmark::ClobberMemory();
  }
  State.SetBytesProcessed(int64_t(State.iterations()) * DW * DH * 4);
}

void RunPixmanSkinScaled(benchmark::State& State, int SW, int SH, int DW, int DH) {
  std::vector<TColor32> Src(size_t(SW) * SH), Dst(size_t(DW) * DH);
  FillSource(Src.data(), ctSkin, SW, SH);
  Premultiply(Src.data(), Src.size());
  RunPixmanScaled(State, Src, SW, SH, Dst, DW, DH,
                  State.range(0) ? PIXMAN_FILTER_BILINEAR : PIXMAN_FILTER_NEAREST, PIXMAN_OP_SRC);
}

// Upscaling a 960×540 picture to full HD.
void BM_QvStretch(benchmark::State& State) {
  RunQvScaled(State, W / 2, H / 2, W, H);
}
void BM_PixmanStretch(benchmark::State& State) {
  RunPixmanSkinScaled(State, W / 2, H / 2, W, H);
}

// Shrinking full HD to 800×450, a factor of 2.4.
void BM_QvShrink(benchmark::State& State) {
  RunQvScaled(State, W, H, 800, 450);
}
void BM_PixmanShrink(benchmark::State& State) {
  RunPixmanSkinScaled(State, W, H, 800, 450);
}

// The bilinear upscale with each kernel set: 1 + index into AvailableRows (scalar, SSE2,
// AVX2 where the processor has them).
void BM_QvStretchRows(benchmark::State& State) {
  const auto& Sets = linear_stretch::AvailableRows();
  if (size_t(State.range(0)) > Sets.size()) return State.SkipWithError("not on this processor");
  const linear_stretch::TRows& Rows = Sets[size_t(State.range(0)) - 1];
  State.SetLabel(Rows.Name);
  RunQvScaled(State, W / 2, H / 2, W, H, &Rows);
}

}  // namespace

BENCHMARK(BM_QvStretchRows)->DenseRange(1, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QvShrink)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PixmanShrink)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QvStretch)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PixmanStretch)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QvBlend)->Arg(ctRandom)->Arg(ctSkin)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QvBlendScalar)->Arg(ctRandom)->Arg(ctSkin)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QvBlendSse2)->Arg(ctRandom)->Arg(ctSkin)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PixmanOver)->Arg(ctRandom)->Arg(ctSkin)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QvBlendFill)->Unit(benchmark::kMillisecond);
