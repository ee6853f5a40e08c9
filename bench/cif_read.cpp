// Reading and flattening generated CMOS layouts of 10^4, 10^5 and 10^6
// rectangles, flat (every box written out) and hierarchical (inverter and row
// cells). Throughput is reported in bytes of CIF per second and rectangles
// per second; compare the sizes for the scaling.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "../tests/support/cif_layers.h"
#include "../tests/support/layout_generator.h"
#include "cifc/cif.h"
#include "cifc/flatten.h"
#include "common/layout.h"
#include "common/message.h"
#include "common/scale.h"
#include "common/switches.h"
#include "techc/tech.h"

namespace {
// The generated file's text, made once per size and kind (kept in the temp directory).
const std::string& layout(long rects, bool flat) {
  static std::map<std::pair<long, bool>, std::string> cache;
  auto key = std::make_pair(rects, flat);
  auto it = cache.find(key);
  if (it != cache.end()) return it->second;
  std::filesystem::path file = std::filesystem::temp_directory_path() /
                               ("corvid_bench_" + std::to_string(rects) + (flat ? "_flat" : "_hier") + ".cif");
  std::vector<std::string> options = {"--rects", std::to_string(rects)};
  if (flat) options.push_back("--flat");
  if (!std::filesystem::exists(file) && !CVgenerateLayout(options, file.string())) {
    fprintf(stderr, "cannot run the layout generator\n");
    exit(1);
  }
  std::ifstream in(file);
  std::stringstream s;
  s << in.rdbuf();
  return cache[key] = s.str();
}

long countRects(const _layout* top) {
  long n = 0;
  for (const _symbol* s : top->symbol)
    if (s)
      for (const _rects* r = s->rect; r; r = r->next) ++n;
  return n;
}

void readAndFlatten(benchmark::State& state, bool flat) {
  Silently = 1;
  GCresetScale();
  CVloadCifLayers();
  const std::string& text = layout(state.range(0), flat);
  // The call trace of the reader goes to standard output; keep it out of the report.
  fflush(stdout);
  int saved = dup(1);
  int devnull = open("/dev/null", O_WRONLY);
  dup2(devnull, 1);
  long rects = 0;
  for (auto _ : state) {
    ACinit();
    if (ACparseBuffer(text.data(), text.size()) != 0) state.SkipWithError("parse failed");
    GCflatten();
    rects = Gflatten ? countRects(Gflatten) : 0;
  }
  fflush(stdout);
  dup2(saved, 1);
  close(saved);
  close(devnull);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * rects);
  state.counters["rects"] = static_cast<double>(rects);
  state.counters["MB"] = static_cast<double>(text.size()) / 1e6;
  ACinit();
}

void BM_ReadFlattenFlat(benchmark::State& state) { readAndFlatten(state, true); }
void BM_ReadFlattenHierarchical(benchmark::State& state) { readAndFlatten(state, false); }
}  // namespace

BENCHMARK(BM_ReadFlattenFlat)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadFlattenHierarchical)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
