// Box blur of a 1024 x 1024 picture at growing radii: the cost must stay flat.
#include <benchmark/benchmark.h>

#include <random>

#include "graphics/BitmapHelper.h"

using namespace qv;

namespace {

void BM_QvBoxBlur(benchmark::State& State) {
  TBitmap32 B;
  B.SetSize(1024, 1024);
  std::mt19937 Rng(3);
  for (int I = 0; I < 1024 * 1024; ++I) B.Bits()[I] = Rng();
  const int Radius = int(State.range(0));
  for (auto _ : State) {
    QvBoxBlur(&B, Radius, 1);  // rows once, columns twice
    benchmark::ClobberMemory();
  }
  State.SetBytesProcessed(int64_t(State.iterations()) * 1024 * 1024 * 4);
}

}  // namespace

BENCHMARK(BM_QvBoxBlur)->Arg(1)->Arg(4)->Arg(16)->Arg(64)->Unit(benchmark::kMillisecond);
