// Whole-layout fault extraction (f.DFexLayersS bridges, f.DFexLayersO breaks)
// on generated flat inverter arrays of 10^3 to 10^5 transistors, for defect
// sizes of 2, 4 and 8 lambda: time per command and processor time per net
// (counter cpu_us_per_net).
// Each net is processed once, so the time per net should stay flat as the
// layout grows. Run e.g. bench_fault_extract --benchmark_filter=Shorts/10000
#include <benchmark/benchmark.h>

#include <ctime>

#include "array_session.h"
#include "common/defect_scale.h"
#include "extract/net.h"
#include "extract/transistor.h"
#include "faultex/fault.h"
#include "faultex/open_faults.h"
#include "faultex/short_faults.h"

namespace {
constexpr long LAMBDA_UNITS = 80;  // layout units per lambda of the generated arrays

void loadArray(long transistors) { CVloadArray(transistors, "/tmp/corvid_bench_faults"); }

void run(benchmark::State& state, int (*command)()) {
  loadArray(state.range(0));
  const long d = state.range(1) * LAMBDA_UNITS;
  DIsetScaleValue(static_cast<int>(d * 10 / 40));
  double cpu = 0;
  for (auto _ : state) {
    const std::clock_t start = std::clock();
    CVquietly([&] { command(); });
    cpu += static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
  }
  state.counters["transistors"] = TransNum;
  state.counters["nets"] = NetsNum;
  state.counters["faults"] = command == DFexLayersS ? FShortNum : FOpenNum;
  // Processor time per net of one run, microseconds.
  state.counters["cpu_us_per_net"] = cpu * 1e6 / static_cast<double>(state.iterations()) / NetsNum;
}

void BM_Shorts(benchmark::State& state) { run(state, DFexLayersS); }
void BM_Opens(benchmark::State& state) { run(state, DFexLayersO); }

void sizes(benchmark::internal::Benchmark* b) {
  for (long n : {1000L, 10000L, 100000L})
    for (long lambda : {2L, 4L, 8L}) b->Args({n, lambda});
}
}  // namespace

BENCHMARK(BM_Shorts)->Apply(sizes)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Opens)->Apply(sizes)->Unit(benchmark::kMillisecond)->Iterations(1);
