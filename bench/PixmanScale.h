#pragma once
// The pixman side of the benchmarks: premultiplying our pixels for it, and compositing a
// source scaled to the whole destination once per benchmark iteration.
#include <benchmark/benchmark.h>
#include <pixman.h>

#include <cstdint>
#include <vector>

// pixman works on premultiplied pixels: the same alphas with valid colours.
inline void Premultiply(uint32_t* P, size_t N) {
  for (size_t I = 0; I < N; ++I) {
    uint32_t A = P[I] >> 24;
    auto M = [&](int S) { return ((P[I] >> S & 0xFF) * A + 127) / 255 << S; };
    P[I] = A << 24 | M(16) | M(8) | M(0);
  }
}

inline void RunPixmanScaled(benchmark::State& State, std::vector<uint32_t>& Src, int SW, int SH,
                            std::vector<uint32_t>& Dst, int W, int H, pixman_filter_t Filter,
                            pixman_op_t Op) {
  pixman_image_t* S = pixman_image_create_bits(PIXMAN_a8r8g8b8, SW, SH, Src.data(), SW * 4);
  pixman_image_t* D = pixman_image_create_bits(PIXMAN_a8r8g8b8, W, H, Dst.data(), W * 4);
  pixman_transform_t T;
  pixman_transform_init_scale(&T, pixman_double_to_fixed(double(SW) / W),
                              pixman_double_to_fixed(double(SH) / H));
  pixman_image_set_transform(S, &T);
  pixman_image_set_filter(S, Filter, nullptr, 0);
  pixman_image_set_repeat(S, PIXMAN_REPEAT_PAD);
  for (auto _ : State) {
    pixman_image_composite32(Op, S, nullptr, D, 0, 0, 0, 0, 0, 0, W, H);
    benchmark::ClobberMemory();
  }
  pixman_image_unref(S);
  pixman_image_unref(D);
  State.SetBytesProcessed(int64_t(State.iterations()) * W * H * 4);
}
