// The graph back end over grids of 10^2 to 10^4 transistors (inverters drawn
// to the rules, each with its own rails, 16 grid units apart), with
// the leftmost placement (PROCESS_INCLUDE_WLM 1) and with wirelength
// minimisation (4): time of the whole back end, the share of the
// minimisation, and the total length it lowers (cells 10 per unit, wires
// between layers 1 per unit) at the leftmost and at the chosen positions,
// summed over both directions' final placements.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "../tests/support/clean_layouts.h"
#include "array_session.h"
#include "compact/process_options.h"
#include "compact/resizer_stores.h"
#include "compact/sweep.h"
#include "squeeze/sq_resize.h"
#include "squeeze/sq_wirelength.h"

namespace {

// Loads a grid of about `transistors` / 2 inverters unless it is loaded.
void loadGrid(long transistors) {
  static long loaded = 0;
  if (loaded == transistors) return;
  if (loaded == 0) {
    std::filesystem::create_directories("/tmp/corvid_bench_wirelength/resize_report");
    if (chdir("/tmp/corvid_bench_wirelength") != 0) abort();
  }
  CVstartBatch();
  const long inverters = transistors / 2;
  const long columns = std::lround(std::sqrt(static_cast<double>(inverters)));
  CvCleanLayout grid;
  for (long i = 0; i < inverters; ++i) grid.inverter((i % columns) * 40, (i / columns) * 72);
  const std::string path = "grid_" + std::to_string(transistors) + ".cif";
  if (!grid.writeCif(path)) abort();
  CVquietly([&] { DIacceptLayout(path.c_str()); });
  remove(path.c_str());
  loaded = transistors;
}

void BM_GraphBackEnd(benchmark::State& state) {
  const long transistors = state.range(0);
  const int placement = static_cast<int>(state.range(1));
  loadGrid(transistors);
  double wlmSeconds = 0;
  long leftmost = 0, placed = 0;
  for (auto _ : state) {
    CVquietly([&] {
      RSresetOptions();
      COMPACT_ALGORITHM = 1;
      PROCESS_INCLUDE_SYMMETRY = 0;
      PROCESS_INCLUDE_RESIZING = 0;
      PROCESS_INCLUDE_WLM = placement;
      SQwlmSeconds = 0;
      init_staff();
      scan_toget_variables();
      if (!SQ_resize(scan_queue, equat_bucket, scan_queue_y, equat_bucket_y, 1)) abort();
    });
    wlmSeconds = SQwlmSeconds;
    leftmost = SQwlmOfDirection[1].minimumTotal + SQwlmOfDirection[2].minimumTotal;
    placed = SQwlmOfDirection[1].placedTotal + SQwlmOfDirection[2].placedTotal;
  }
  state.counters["wlm_s"] = wlmSeconds;
  if (placement == 4) {
    state.counters["len_leftmost"] = static_cast<double>(leftmost);
    state.counters["len_minimised"] = static_cast<double>(placed);
    state.counters["len_ratio"] = leftmost ? static_cast<double>(placed) / static_cast<double>(leftmost) : 1.0;
  }
}

BENCHMARK(BM_GraphBackEnd)
    ->ArgsProduct({{100, 1000, 10000}, {1, 4}})
    ->ArgNames({"transistors", "wlm"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace
