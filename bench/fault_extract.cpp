// Whole-layout fault extraction (f.DFexLayersS bridges, f.DFexLayersO breaks)
// on generated flat inverter arrays of 10^3 to 10^5 transistors, for defect
// sizes of 1, 2 and 4 lambda: time per command and per net (counter us_per_net).
// Each net is processed once, so the time per net should stay flat as the
// layout grows. Run e.g. bench_fault_extract --benchmark_filter=Shorts/10000
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "../tests/support/circuit_layouts.h"
#include "batch/batch_startup.h"
#include "callback/defect_scale.h"
#include "common/switches.h"
#include "cs/cs.h"
#include "extract/load_layout.h"
#include "extract/net.h"
#include "extract/transistor.h"
#include "faultex/fault.h"
#include "faultex/open_faults.h"
#include "faultex/short_faults.h"

namespace {
constexpr long LAMBDA_UNITS = 80;  // layout units per lambda of the generated arrays

// Standard output (the per-transistor lines of the load, the open summary)
// goes to /dev/null while `work` runs.
template <class F>
void quietly(F work) {
  fflush(stdout);
  int saved = dup(1);
  int null = open("/dev/null", O_WRONLY);
  dup2(null, 1);
  close(null);
  work();
  fflush(stdout);
  dup2(saved, 1);
  close(saved);
}

// Loads the array of about `transistors` transistors unless it is loaded.
void loadArray(long transistors) {
  static long loaded = 0;
  if (loaded == transistors) return;
  static bool started = false;
  if (!started) {
    setenv("SYSRC", CORVID_SOURCE_DIR "/lib/corvidrc", 0);
    std::filesystem::create_directories("/tmp/corvid_bench_faults");
    if (chdir("/tmp/corvid_bench_faults") != 0) abort();
    BAstartup();
    Silently = 1;
    started = true;
  }
  long inverters = transistors / 2;
  int rows = static_cast<int>(std::lround(std::sqrt(static_cast<double>(inverters))));
  int columns = static_cast<int>((inverters + rows - 1) / rows);
  CvLayout l;
  l.inverterArray(rows, columns);
  std::string path = "array_" + std::to_string(transistors) + ".cif";
  if (!l.writeCif(path)) abort();
  quietly([&] { DIacceptLayout(path.c_str()); });
  remove(path.c_str());
  loaded = transistors;
}

void run(benchmark::State& state, int (*command)()) {
  loadArray(state.range(0));
  const long d = state.range(1) * LAMBDA_UNITS;
  DIsetScaleValue(static_cast<int>(d * 10 / 40));
  for (auto _ : state) quietly([&] { command(); });
  state.counters["transistors"] = TransNum;
  state.counters["nets"] = NetsNum;
  state.counters["faults"] = command == DFexLayersS ? FShortNum : FOpenNum;
  state.counters["us_per_net"] = benchmark::Counter(
      static_cast<double>(NetsNum) * 1e-6, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_Shorts(benchmark::State& state) { run(state, DFexLayersS); }
void BM_Opens(benchmark::State& state) { run(state, DFexLayersO); }

void sizes(benchmark::internal::Benchmark* b) {
  for (long n : {1000L, 10000L, 100000L})
    for (long lambda : {1L, 2L, 4L}) b->Args({n, lambda});
}
}  // namespace

BENCHMARK(BM_Shorts)->Apply(sizes)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Opens)->Apply(sizes)->Unit(benchmark::kMillisecond)->Iterations(1);
