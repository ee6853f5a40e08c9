// The graph back end over grids of rule-clean inverters (two transistors
// each): SQ_resize after the load, the variables and the process options of
// "resize 20" with leftmost placement. Counters per direction: waves (the
// most of any pass), processor seconds of building and solving, graph bytes;
// and the whole back end's processor time. BM_GraphVsLp compacts the same
// small grids with both back ends (lp_solve for the LP one) and reports the
// area of each result and the processor time (the solver's own time, a child
// process, included).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <fstream>
#include <sstream>

#include "../tests/support/clean_layouts.h"
#include "array_session.h"
#include "compact/lp_backend.h"
#include "compact/process_options.h"
#include "compact/resizer_stores.h"
#include "compact/sweep.h"
#include "cs/cs.h"
#include "extract/transistor.h"
#include "squeeze/sq_figures.h"
#include "squeeze/sq_resize.h"

namespace {

// `inverters` clean inverters in rows of up to 50, rows 60 grid units apart.
void loadGrid(long inverters) {
  static long loaded = -1;
  if (loaded == inverters) return;
  if (loaded < 0) {
    std::filesystem::create_directories("/tmp/corvid_bench_squeeze/resize_report");
    if (chdir("/tmp/corvid_bench_squeeze") != 0) abort();
  }
  CVstartBatch();
  CvCleanLayout l;
  for (long i = 0; i < inverters; ++i) l.inverter(24 * (i % 50), 60 * (i / 50));
  if (!l.writeCif("grid.cif")) abort();
  CVquietly([] { DIacceptLayout("grid.cif"); });
  loaded = inverters;
}

void prepare() {
  RSresetOptions();
  PROCESS_INCLUDE_SYMMETRY = PROCESS_INCLUDE_RESIZING = 0;
  PROCESS_INCLUDE_WLM = 1;
  Bound_Box = 0;
  init_staff();
  scan_toget_variables();
  SWleaveFarRows = 1;  // as the driver starts on large layouts, here on all
}

double cpuWithChildren() {
  rusage self, children;
  getrusage(RUSAGE_SELF, &self);
  getrusage(RUSAGE_CHILDREN, &children);
  auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec * 1e-6; };
  return seconds(self.ru_utime) + seconds(self.ru_stime) + seconds(children.ru_utime) + seconds(children.ru_stime);
}

// Area of the bounding box of a CIF file's boxes, in square CIF units of the file's DS scale.
double areaOf(const char* cif) {
  std::ifstream in(cif);
  std::string word;
  double a = 1, b = 1, x1 = 1e300, y1 = 1e300, x2 = -1e300, y2 = -1e300;
  while (in >> word) {
    if (word == "DS") {
      int n;
      in >> n >> a >> b;
    } else if (word == "B") {
      double w, h, cx, cy;
      in >> w >> h >> cx >> cy;
      x1 = std::min(x1, cx - w / 2), x2 = std::max(x2, cx + w / 2);
      y1 = std::min(y1, cy - h / 2), y2 = std::max(y2, cy + h / 2);
    }
  }
  const double f = a / b * 0.01;  // micrometres per CIF unit
  return (x2 - x1) * f * (y2 - y1) * f;
}

void BM_GraphResize(benchmark::State& state) {
  loadGrid(state.range(0));
  double total = 0;
  for (auto _ : state) {
    state.PauseTiming();
    CVquietly(prepare);
    state.ResumeTiming();
    const double began = SQcpuSeconds();
    bool written = false;
    CVquietly([&] { written = SQ_resize(scan_queue, equat_bucket, scan_queue_y, equat_bucket_y, 1); });
    total = SQcpuSeconds() - began;
    if (!written) state.SkipWithError("no sq_out.cif");
  }
  state.counters["transistors"] = TransNum;
  state.counters["tiles"] = num_of_var / 2;
  state.counters["waves_x"] = SQfigures[1].waves;
  state.counters["waves_y"] = SQfigures[2].waves;
  state.counters["build_x_s"] = SQfigures[1].buildSeconds;
  state.counters["build_y_s"] = SQfigures[2].buildSeconds;
  state.counters["solve_x_s"] = SQfigures[1].solveSeconds;
  state.counters["solve_y_s"] = SQfigures[2].solveSeconds;
  state.counters["graph_x_MB"] = SQfigures[1].graphBytes / 1e6;
  state.counters["graph_y_MB"] = SQfigures[2].graphBytes / 1e6;
  state.counters["backend_s"] = total;
  state.counters["rows"] = mps_column_num;
}
BENCHMARK(BM_GraphResize)->Arg(25)->Arg(250)->Arg(1000)->Arg(2500)->Arg(5000)->Iterations(1)->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();

void BM_GraphVsLp(benchmark::State& state) {
  loadGrid(state.range(0));
  double graphSeconds = 0, lpSeconds = 0, graphArea = 0, lpArea = 0;
  for (auto _ : state) {
    CVquietly(prepare);
    double began = cpuWithChildren();
    CVquietly([] { SQ_resize(scan_queue, equat_bucket, scan_queue_y, equat_bucket_y, 1); });
    graphSeconds = cpuWithChildren() - began;
    graphArea = areaOf("sq_out.cif");
    CVquietly(prepare);
    began = cpuWithChildren();
    CVquietly([] {
      X_direction = 1;
      D_resize(scan_queue, equat_bucket);
      X_direction = 0;
      D_resize(scan_queue_y, equat_bucket_y);
      generate_result(equat_bucket, equat_bucket_y);
    });
    lpSeconds = cpuWithChildren() - began;
    lpArea = areaOf("result.cif");
  }
  state.counters["graph_s"] = graphSeconds;
  state.counters["lp_s"] = lpSeconds;
  state.counters["graph_um2"] = graphArea;
  state.counters["lp_um2"] = lpArea;
}
BENCHMARK(BM_GraphVsLp)->Arg(1)->Arg(10)->Arg(50)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
