// Nine-block stretching of a default-skin state picture over a full-HD surface, against
// pixman's nearest-scaled composite of the same picture over the same area. Bytes/s are
// of the destination surface. Blended: our dmBlend nine-slice against pixman OVER; copied
// (the UseGDI rule): against pixman SRC.
#include <benchmark/benchmark.h>
#include <pixman.h>

#include <vector>

#include "graphics/QvGR32LibSlicing.h"
#include "resources/QvSkinIntfPictures.h"

using namespace qv;

namespace {

constexpr int W = 1920, H = 1080;

// The normal state of the default button strip: 68 x 27, dmBlend.
const TBitmap32& ButtonPicture() {
  static TBitmap32 Picture;
  if (Picture.Empty()) {
    TPngPictures Pictures;
    Pictures.SetImage(L"QvSkinButton");
    Pictures.SetCount(5);
    Pictures.GetNormalImage(&Picture);
  }
  return Picture;
}

void BM_QvNineBlock(benchmark::State& State) {
  TBitmap32 Src, Dst;
  Src.Assign(const_cast<TBitmap32*>(&ButtonPicture()));
  Dst.SetSize(W, H);
  Dst.Clear(0xFF336699);
  const bool Copy = State.range(0) != 0;
  for (auto _ : State) {
    StretchBitmap(&Src, &Dst, Copy);
    benchmark::ClobberMemory();
  }
  State.SetBytesProcessed(int64_t(State.iterations()) * W * H * 4);
}

void BM_PixmanNearestScaled(benchmark::State& State) {
  const TBitmap32& Picture = ButtonPicture();
  const int SW = Picture.Width(), SH = Picture.Height();
  // pixman works on premultiplied pixels.
  std::vector<TColor32> Src(Picture.Bits(), Picture.Bits() + size_t(SW) * SH);
  for (TColor32& P : Src) {
    uint32_t A = P >> 24;
    auto M = [&](int S) { return ((P >> S & 0xFF) * A + 127) / 255 << S; };
    P = A << 24 | M(16) | M(8) | M(0);
  }
  std::vector<TColor32> Dst(size_t(W) * H, 0xFF336699);
  pixman_image_t* S = pixman_image_create_bits(PIXMAN_a8r8g8b8, SW, SH, Src.data(), SW * 4);
  pixman_image_t* D = pixman_image_create_bits(PIXMAN_a8r8g8b8, W, H, Dst.data(), W * 4);
  pixman_transform_t T;
  pixman_transform_init_scale(&T, pixman_double_to_fixed(double(SW) / W),
                              pixman_double_to_fixed(double(SH) / H));
  pixman_image_set_transform(S, &T);
  pixman_image_set_filter(S, PIXMAN_FILTER_NEAREST, nullptr, 0);
  pixman_image_set_repeat(S, PIXMAN_REPEAT_PAD);
  const pixman_op_t Op = State.range(0) != 0 ? PIXMAN_OP_SRC : PIXMAN_OP_OVER;
  for (auto _ : State) {
    pixman_image_composite32(Op, S, nullptr, D, 0, 0, 0, 0, 0, 0, W, H);
    benchmark::ClobberMemory();
  }
  pixman_image_unref(S);
  pixman_image_unref(D);
  State.SetBytesProcessed(int64_t(State.iterations()) * W * H * 4);
}

}  // namespace

// Argument 0: blended (ours dmBlend, pixman OVER); 1: copied (ours UseGDI, pixman SRC).
BENCHMARK(BM_QvNineBlock)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PixmanNearestScaled)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
