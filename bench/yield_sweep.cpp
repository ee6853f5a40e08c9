// Sensitivity sweeps (f.DYanaShort bridges, f.DYanaOpen breaks) of metal 1 on
// generated flat inverter arrays of 10^3 and 10^4 transistors, over 20 defect
// sizes from 0.5 to 10 microns: time per sweep and per plane tile (counter
// us_per_tile). The pairs looked at per tile grow with the defect size only,
// so the time per tile should stay flat as the layout grows.
// Run e.g. bench_yield_sweep --benchmark_filter=Shorts/10000
#include <benchmark/benchmark.h>

#include "array_session.h"
#include "callback/layer_panel.h"
#include "common/scale.h"
#include "cs/cs.h"
#include "extract/transistor.h"
#include "faultex/fault.h"
#include "yield/sensitivity_sweep.h"
#include "yield/series.h"

namespace {
// Tiles of a plane, space included.
long tilesOf(int plane) {
  Stitch = DlayerTile[plane].layertile;
  _Dtilelist* all = nullptr;
  AreaEnum(-GC_INFINITY, -GC_INFINITY, GC_INFINITY, GC_INFINITY, &all, 0);
  long n = 0;
  for (_Dtilelist* c = all; c; c = c->next) ++n;
  FreeList(all);
  return n;
}

void run(benchmark::State& state, int (*sweep)()) {
  CVloadArray(state.range(0), "/tmp/corvid_bench_yield");
  char metal[] = "CMF";
  DIsetActive(nullptr, metal, nullptr);
  theMinDefectSize = theGlobalScale / 2;
  theStep = theGlobalScale / 2;
  theMaxDefectSize = 20 * theStep;
  for (auto _ : state) CVquietly([&] { sweep(); });
  if (Fsensitivity.n != 20) state.SkipWithError("the sweep did not give 20 points");
  const int plane = DFactiveIndex();
  const long tiles = plane >= 0 ? tilesOf(plane) : 0;
  state.counters["transistors"] = TransNum;
  state.counters["tiles"] = static_cast<double>(tiles);
  state.counters["last_sensitivity"] = Fsensitivity.n ? Fsensitivity.y[Fsensitivity.n - 1] : 0.0;
  state.counters["us_per_tile"] = benchmark::Counter(
      static_cast<double>(tiles) * 1e-6, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_SweepShorts(benchmark::State& state) { run(state, DYanaShort); }
void BM_SweepOpens(benchmark::State& state) { run(state, DYanaOpen); }
}  // namespace

BENCHMARK(BM_SweepShorts)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SweepOpens)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);
