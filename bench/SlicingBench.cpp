// Nine-block stretching of a default-skin state picture over a full-HD surface, against
// pixman's nearest-scaled composite of the same picture over the same area. Bytes/s are
// of the destination surface. Blended: our dmBlend nine-slice against pixman OVER; copied
// (the UseGDI rule): against pixman SRC.
#include <benchmark/benchmark.h>
#include <pixman.h>

#include <vector>

#include "PixmanScale.h"
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
  std::vector<TColor32> Src(Picture.Bits(), Picture.Bits() + size_t(SW) * SH);
  Premultiply(Src.data(), Src.size());
  std::vector<TColor32> Dst(size_t(W) * H, 0xFF336699);
  RunPixmanScaled(State, Src, SW, SH, Dst, W, H, PIXMAN_FILTER_NEAREST,
                  State.range(0) != 0 ? PIXMAN_OP_SRC : PIXMAN_OP_OVER);
}

}  // namespace

// Argument 0: blended (ours dmBlend, pixman OVER); 1: copied (ours UseGDI, pixman SRC).
BENCHMARK(BM_QvNineBlock)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PixmanNearestScaled)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
