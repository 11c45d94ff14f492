// SVG path rendering: a 1000-segment path parsed and drawn filled and outlined on a 512 × 512
// surface; lines, cubic curves, and the parse and flattening alone (no brushes).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "graphics/QvSkinGraphics.h"

using namespace qv;

namespace {

enum TSegments { sgLines, sgCubics };

// A star-like closed outline of Count segments around the centre of a 512 × 512 surface.
std::string MakePath(int Count, TSegments Kind) {
  auto At = [&](int I, double R) {
    double A = 2 * 3.14159265358979 * I / Count;
    return std::pair{256 + R * std::cos(A), 256 + R * std::sin(A)};
  };
  char Buf[128];
  auto [X0, Y0] = At(0, 240);
  std::snprintf(Buf, sizeof Buf, "M%.2f %.2f", X0, Y0);
  std::string S = Buf;
  for (int I = 1; I <= Count; ++I) {
    double R = I % 2 ? 160 : 240;
    auto [X, Y] = At(I, R);
    if (Kind == sgLines) {
      std::snprintf(Buf, sizeof Buf, " L%.2f %.2f", X, Y);
    } else {
      auto [C1X, C1Y] = At(I - 1, R + 30);
      auto [C2X, C2Y] = At(I, R - 30);
      std::snprintf(Buf, sizeof Buf, " C%.2f %.2f %.2f %.2f %.2f %.2f", C1X, C1Y, C2X, C2Y, X, Y);
    }
    S += Buf;
  }
  return S + " Z";
}

void Render(benchmark::State& State, TSegments Kind, bool Draw) {
  const std::string Path = MakePath(1000, Kind);
  TBitmap32 Surface;
  Surface.SetSize(512, 512);
  for (auto _ : State) {
    TQvSVGPathRenderer R(&Surface);
    if (!Draw) R.SetColors({});
    R.SetStrokeWidth(2);
    R.SetAlpha(200);
    R.SetPath(Path);
    benchmark::DoNotOptimize(Surface.Bits());
  }
  State.SetItemsProcessed(State.iterations() * 1000);  // segments
  State.SetBytesProcessed(State.iterations() * int64_t(Path.size()));
}

}  // namespace

BENCHMARK_CAPTURE(Render, Lines1000FillStroke, sgLines, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Render, Cubics1000FillStroke, sgCubics, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Render, Lines1000ParseOnly, sgLines, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Render, Cubics1000ParseAndFlatten, sgCubics, false)
    ->Unit(benchmark::kMicrosecond);
