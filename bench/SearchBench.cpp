// Benchmarks of the calculation engine.
#include <benchmark/benchmark.h>

#include "engine/Vek.h"

namespace {

// A full automatic search (8 sizes × 12 lengths × 3 offsets = 288 calculations) of a new
// design case with its defaults. The defaults already set every required input
// (IsSetAllUserInput is true): panel 1000 × 2500 × 125 mm of C30/37, anchors 1500 mm
// apart, x = 200 mm, e = 150 mm, wind entered directly (1.12 and 0.8 kN/m²), ΔT = 70 K,
// no live loads, automatic size and length; so nothing is set here.
void BM_FullSearchDefault(benchmark::State& state) {
  for (auto _ : state) {
    vek::TVek vek;
    vek.CalculateDB();
    benchmark::DoNotOptimize(vek.GetResultSize());
  }
}
BENCHMARK(BM_FullSearchDefault)->Unit(benchmark::kMillisecond);

}  // namespace
