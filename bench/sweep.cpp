// Constraint generation over generated arrays of transistor cells (active,
// crossing poly gate, two contacts, two metal pads per cell): variables from
// the tiles, then the x and y sweeps. Planes are built before timing.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <map>

#include "common/scale.h"
#include "common/switches.h"
#include "compact/sweep.h"
#include "cs/cs.h"
#include "designrule/designrule.h"
#include "techc/tech.h"

namespace {

struct R {
  int layer;
  long x1, y1, x2, y2;
};

const R kCell[] = {{9, 0, 4, 12, 10}, {0, 5, 1, 7, 13}, {5, 1, 6, 3, 8},
                   {5, 9, 6, 11, 8},  {8, 0, 5, 4, 9},  {8, 8, 5, 12, 9}};

void buildArray(long transistors) {
  CSreset();
  Silently = 1;
  theGlobalScale = 40;
  const char* names[] = {"CPG", "CVA", "CSN", "CMS", "CSP", "CCA", "CCP", "CWN", "CMF", "CAA"};
  for (int i = 0; i < 10; ++i) {
    snprintf(Glayers[i].name, sizeof Glayers[i].name, "%s", names[i]);
    Glayers[i].layer = i;
  }
  GlayerNum = 10;
  std::map<int, int> plane;
  for (const R& r : kCell) {
    if (plane.count(r.layer)) continue;
    int k = DlayerNum++;
    plane[r.layer] = k;
    DlayerTile[k].layer = static_cast<short>(r.layer);
    snprintf(DlayerTile[k].name, sizeof DlayerTile[k].name, "%s", names[r.layer]);
    DlayerTile[k].layertile = Init1LayerCS();
  }
  long side = static_cast<long>(std::ceil(std::sqrt(static_cast<double>(transistors))));
  for (const auto& [layer, k] : plane) {
    Stitch = DlayerTile[k].layertile;
    for (long n = 0; n < transistors; ++n) {
      long ox = (n % side) * 20, oy = (n / side) * 20;
      for (const R& r : kCell) {
        if (r.layer != layer) continue;
        _rects box = GCrectOf((ox + r.x1) * 40, (oy + r.y1) * 40, (ox + r.x2) * 40, (oy + r.y2) * 40);
        Put1BoxCS(&box, static_cast<short>(layer), k);
      }
    }
    DlayerTile[k].layertile = Stitch;
  }
}

void BM_Sweep(benchmark::State& state) {
  const long transistors = state.range(0);
  buildArray(transistors);
  // The sweep's progress lines (and the `date` they run) go to /dev/null.
  fflush(stdout);
  int saved = dup(1);
  int null = open("/dev/null", O_WRONLY);
  long rows = 0;
  for (auto _ : state) {
    dup2(null, 1);
    SWreset();
    DRreset();
    scan_toget_variables();
    _rhs_list x, y;
    SWsweepDirection(1, &x);
    SWsweepDirection(0, &y);
    rows = mps_column_num - 1;
    fflush(stdout);
    dup2(saved, 1);
    SWfreeRows(&x);
    SWfreeRows(&y);
  }
  state.counters["tiles"] = static_cast<double>(num_of_var / 2);
  state.counters["rows"] = static_cast<double>(rows);
  state.counters["ns_per_tile"] = benchmark::Counter(static_cast<double>(num_of_var / 2),
                                                     benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
  close(null);
  close(saved);
  SWreset();
  CSreset();
}

}  // namespace

BENCHMARK(BM_Sweep)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);
