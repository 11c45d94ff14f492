// The built-in skin's themes and high-DPI variants: switching the theme of a loaded skin
// (every picture decoded again and put in place) against loading the skin once, and the first
// and later requests of a variant. The counters give the pixel memory of the plain skin in
// cache mode, of every variant if all were decoded, and of the embedded PNGs of one theme.
#include <benchmark/benchmark.h>

#include "resources/DefaultSkinTable.h"
#include "resources/QvSkinResDM.h"
#include "resources/QvSkinTheme.h"

using namespace qv;

namespace {

double KiB(int64_t Bytes) {
  return double(Bytes) / 1024.0;
}

void MemoryCounters(benchmark::State& State) {
  int64_t Plain = 0, Variants = 0, Png = 0;
  for (const TDefaultSkinEntry& E : gDefaultSkinTable) {
    Plain += int64_t(E.Width) * E.Height * 4;
    for (int Percent : kDefaultSkinScales) {
      TSkinPictureSize S = DefaultSkinPictureSize(E, Percent);
      Variants += int64_t(S.Width) * S.Height * 4;
      String Name = String(E.ResID) + L"@DPI" + std::to_wstring(Percent);
      if (const TEmbeddedFile* F = FindDefaultSkinFile(Name, stLight)) Png += F->Size;
    }
    if (const TEmbeddedFile* F = FindDefaultSkinFile(E.ResID, stLight)) Png += F->Size;
  }
  State.counters["plain_cache_KiB"] = KiB(Plain);
  State.counters["all_variants_decoded_KiB"] = KiB(Variants);
  State.counters["embedded_png_KiB"] = KiB(Png);
}

// The reference: what creating the skin module costs (every picture decoded and cached).
void LoadSkin(benchmark::State& State) {
  for (auto _ : State) {
    TQvSkinImageList List(nullptr);
    LoadDefaultSkin(&List);
    benchmark::DoNotOptimize(List.Count());
  }
  MemoryCounters(State);
}
BENCHMARK(LoadSkin)->Unit(benchmark::kMillisecond);

// One switch of the loaded module, light to dark or back.
void SwitchTheme(benchmark::State& State) {
  QvSkinResDM();
  bool Dark = false;
  for (auto _ : State) {
    Dark = !Dark;
    SetDefaultSkinTheme(Dark ? stDark : stLight);
  }
  SetDefaultSkinTheme(stLight);
}
BENCHMARK(SwitchTheme)->Unit(benchmark::kMillisecond);

// A variant requested again: the decoded surface is kept.
void HeldVariant(benchmark::State& State) {
  DefaultSkinVariant(L"QvSkinButton@DPI200");
  for (auto _ : State) benchmark::DoNotOptimize(DefaultSkinVariant(L"QvSkinButton@DPI200"));
}
BENCHMARK(HeldVariant);

}  // namespace
