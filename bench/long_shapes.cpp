// The two layout shapes whose cost used to grow faster than their size, from
// 10^3 to 10^5 transistors, written by examples/gen_layout.py:
// - an NMOS array whose columns stand apart (drains on a metal-2 line per
//   column, gates and sources on metal-1 lines per row), so full-height space
//   strips separate the columns in the lower planes;
// - an inverter chain, one cell called per stage, between a VDD and a GND
//   rail that each span the whole chain.
// Load: the whole one-step load (read, flatten, planes, extraction, names),
// with the peak resident memory. Sweep: the metal-1 bridge sensitivity sweep
// (f.DYanaShort) over 10 defect sizes up to a few wire pitches, and on the
// array also the break sweep (f.DYanaOpen). Run each size
// in its own process and compare processor times per decade, e.g.
//   bench_long_shapes --benchmark_filter='LoadArrayApart/100000$'
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cmath>
#include <string>

#include "../tests/support/layout_generator.h"
#include "array_session.h"
#include "callback/layer_panel.h"
#include "common/scale.h"
#include "cs/cs.h"
#include "extract/transistor.h"
#include "yield/sensitivity_sweep.h"
#include "yield/series.h"

namespace {
constexpr const char* SCRATCH = "/tmp/corvid_bench_long_shapes";

// Generator options for about n transistors of the shape.
std::vector<std::string> shapeOptions(bool array, long n) {
  if (!array) return {"--rail-chain", std::to_string(n / 2)};
  // Rows : columns as 5 : 8 (250 x 400 at 10^5).
  long rows = std::lround(std::sqrt(static_cast<double>(n) * 5 / 8));
  return {"--nmos-array", "--rows", std::to_string(rows), "--cols", std::to_string((n + rows - 1) / rows)};
}

// Writes the layout (in a child process, outside the measured work).
std::string write(bool array, long n) {
  std::filesystem::create_directories(SCRATCH);
  if (chdir(SCRATCH) != 0) abort();
  CVstartBatch();
  const std::string path = std::string(array ? "array_" : "chain_") + std::to_string(n) + ".cif";
  if (!CVgenerateLayout(shapeOptions(array, n), path)) abort();
  return path;
}

void load(const std::string& path) {
  CVquietly([&] { DIacceptLayout(path.c_str()); });
}

void counters(benchmark::State& state) {
  struct rusage u;
  getrusage(RUSAGE_SELF, &u);
  state.counters["transistors"] = TransNum;
  state.counters["tiles"] = static_cast<double>(CSliveTiles());
  state.counters["peak_rss_MB"] = static_cast<double>(u.ru_maxrss) / 1024.0;
}

void runLoad(benchmark::State& state, bool array) {
  const std::string path = write(array, state.range(0));
  for (auto _ : state) load(path);
  remove(path.c_str());
  counters(state);
}

void runSweep(benchmark::State& state, bool array, int (*sweep)() = DYanaShort) {
  const std::string path = write(array, state.range(0));
  load(path);
  remove(path.c_str());
  char metal[] = "CMF";
  DIsetActive(nullptr, metal, nullptr);
  theMinDefectSize = theGlobalScale;
  theStep = 2 * theGlobalScale;
  theMaxDefectSize = 19 * theGlobalScale;
  for (auto _ : state) CVquietly([&] { sweep(); });
  if (Fsensitivity.n != 10) state.SkipWithError("the sweep did not give 10 points");
  counters(state);
  state.counters["last_sensitivity"] = Fsensitivity.n ? Fsensitivity.y[Fsensitivity.n - 1] : 0.0;
}

void BM_LoadArrayApart(benchmark::State& state) { runLoad(state, true); }
void BM_LoadRailChain(benchmark::State& state) { runLoad(state, false); }
void BM_SweepArrayApart(benchmark::State& state) { runSweep(state, true); }
void BM_SweepRailChain(benchmark::State& state) { runSweep(state, false); }
// The array's metal-1 bridge sensitivity is 0 at these sizes; its breaks
// give a sweep with critical area on every size.
void BM_SweepOpensArrayApart(benchmark::State& state) { runSweep(state, true, DYanaOpen); }
}  // namespace

BENCHMARK(BM_LoadArrayApart)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_LoadRailChain)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SweepArrayApart)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SweepRailChain)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SweepOpensArrayApart)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);
