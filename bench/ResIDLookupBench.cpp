// Lookups by resource ID, as every paint makes them through the resource manager: a
// 2 000-item list (and a 200-item one, to show the cost does not grow with the list),
// the hit on the last item and a miss, against the scan that folds every item's ID.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

#include "resources/QvSkinResManager.h"

using namespace qv;

namespace {

String IDOf(int I) {
  wchar_t Buf[32];
  std::swprintf(Buf, 32, L" QvSkinPicture%04d", I);  // a blank the folding trims
  return Buf;
}

// A manager over a list of Count items (no pixels: the lookup is what is measured).
struct TFixture {
  explicit TFixture(int Count) : List(nullptr) {
    for (int I = 0; I < Count; ++I) List.Bitmaps()->Add()->SetResID(IDOf(I));
    Manager = std::make_unique<TQvSkinResManager>(&List);
  }
  TQvSkinImageList List;
  std::unique_ptr<TQvSkinResManager> Manager;
};

// The reference: the first item whose folded ID equals the folded argument, by a scan.
int ScanIndexOf(const TQvSkinImageList& List, const String& ResID) {
  const String Key = FoldResID(ResID);
  TQvSkinBitmapCollection* Items = List.Bitmaps();
  for (int I = 0; I < Items->Count(); ++I)
    if (FoldResID(Items->Items(I)->ResID()) == Key) return I;
  return -1;
}

enum TTarget { tgLast, tgMiss };

String TargetID(TTarget Target, int Count) {
  return Target == tgLast ? L"qvskinpicture" + IDOf(Count - 1).substr(14) : L"QvSkinNoSuchPicture";
}

void Indexed(benchmark::State& State, TTarget Target) {
  const int Count = int(State.range(0));
  TFixture F(Count);
  const String ID = TargetID(Target, Count);
  if (F.Manager->IndexOfRes(ID) != (Target == tgLast ? Count - 1 : -1))
    State.SkipWithError("wrong answer");
  for (auto _ : State) benchmark::DoNotOptimize(F.Manager->IndexOfRes(ID));
}

void Scanned(benchmark::State& State, TTarget Target) {
  const int Count = int(State.range(0));
  TFixture F(Count);
  const String ID = TargetID(Target, Count);
  if (ScanIndexOf(F.List, ID) != (Target == tgLast ? Count - 1 : -1))
    State.SkipWithError("wrong answer");
  for (auto _ : State) benchmark::DoNotOptimize(ScanIndexOf(F.List, ID));
}

// An edit between lookups: renaming the last item and finding it by its new ID.
void RenameThenFind(benchmark::State& State) {
  const int Count = int(State.range(0));
  TFixture F(Count);
  TQvSkinBitmapItem* Last = F.List.Bitmaps()->Items(Count - 1);
  int Round = 0;
  for (auto _ : State) {
    const String ID = Round++ % 2 ? L"Renamed" : L"Back";
    Last->SetResID(ID);
    benchmark::DoNotOptimize(F.Manager->IndexOfRes(ID));
  }
}

}  // namespace

BENCHMARK_CAPTURE(Indexed, HitLast, tgLast)->Arg(200)->Arg(2000);
BENCHMARK_CAPTURE(Indexed, Miss, tgMiss)->Arg(200)->Arg(2000);
BENCHMARK_CAPTURE(Scanned, HitLast, tgLast)->Arg(200)->Arg(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Scanned, Miss, tgMiss)->Arg(200)->Arg(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(RenameThenFind)->Arg(200)->Arg(2000);
