// The graph back end over grids of 10^2 to 10^4 transistors (inverters drawn
// to the rules, each with its own rails, 16 grid units apart), with
// the leftmost placement (PROCESS_INCLUDE_WLM 1) and with wirelength
// minimisation (4): time of the whole back end, the share of the
// minimisation, and the total length it lowers (cells 10 per unit, wires
// between layers 1 per unit) at the leftmost and at the chosen positions,
// summed over both directions' final placements.
#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <filesystem>

#include "../tests/support/clean_layouts.h"
#include "array_session.h"
#include "compact/process_options.h"
#include "compact/resizer_stores.h"
#include "compact/sweep.h"
#include "squeeze/sq_graph.h"
#include "squeeze/sq_longest_path.h"
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

namespace {

// The minimisation step alone on constraint graphs of the size of 10^2 to
// 10^4 transistors (8 cells each, as in the grids above): rows of cells
// with their widths and spacings, each row's cells held after cells of the
// row below and some right sides held far after them (stretched cells),
// some of them rigidly. Both placements of one graph; the step's time
// against the longest-path passes it follows.
void BM_WirelengthStep(benchmark::State& state) {
  const long transistors = state.range(0);
  const int cells = static_cast<int>(8 * transistors), perRow = 40;
  std::vector<std::array<long, 3>> arcs;  // from line, to line, weight
  uint64_t seed = 17;
  auto next = [&](long n) {
    seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<long>((seed >> 33) % static_cast<uint64_t>(n));
  };
  for (int k = 0; k < cells; ++k) {
    arcs.push_back({2 * k, 2 * k + 1, 40 * (1 + next(8))});
    if (k % perRow) arcs.push_back({2 * k - 1, 2 * k, 40 * next(6)});
    if (k >= perRow) {
      const int below = k - perRow + static_cast<int>(next(3)) - 1 >= 0 ? k - perRow : k;
      const long w = 40 * next(4);
      arcs.push_back({2 * below + 1, 2 * k, w});
      if (next(5) == 0) arcs.push_back({2 * k, 2 * below + 1, -w});
      else if (next(3) == 0) arcs.push_back({2 * below + 1, 2 * k + 1, 40 * next(30)});
    }
  }
  double passes = 0, step = 0;
  long leftmost = 0, placed = 0;
  SQwlmFigures figures;
  for (auto _ : state) {
    CVquietly([&] {
      SQreset();
      SQnewCells(cells);
      for (int k = 0; k < cells; ++k) SQcell[k].layernumber = 1;
      auto line = [](long v) { return v % 2 ? SQcell[v / 2].right : SQcell[v / 2].left; };
      for (const auto& a : arcs) SQaddarc(line(a[0]), line(a[1]), a[2], -1);
      resize_direction = LEFT_RIGHT;
      SQwlmSeconds = 0;
      PROCESS_INCLUDE_WLM = 4;
      const auto start = std::chrono::steady_clock::now();
      SQboundbox(SQcell, SQarc, SQcell_size, SQarc_size, 2);
      passes = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() - SQwlmSeconds;
      step = SQwlmSeconds;
      leftmost = SQlastWlm.minimumTotal;
      placed = SQlastWlm.placedTotal;
      figures = SQlastWlm;
      SQreset();
    });
  }
  state.counters["cells"] = cells;
  state.counters["iterations"] = figures.iterations;
  state.counters["used"] = figures.infeasible ? 0 : 1;
  state.counters["arcs"] = static_cast<double>(arcs.size());
  state.counters["step_s"] = step;
  state.counters["passes_s"] = passes;
  state.counters["len_leftmost"] = static_cast<double>(leftmost);
  state.counters["len_minimised"] = static_cast<double>(placed);
}

BENCHMARK(BM_WirelengthStep)->Arg(100)->Arg(1000)->Arg(10000)->ArgName("transistors")->Unit(benchmark::kMillisecond);

}  // namespace
