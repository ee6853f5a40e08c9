// The whole one-step load (read the CIF file, flatten, build the planes,
// extract transistors and nets, check and name them) of generated flat
// inverter arrays of 10^3 to 10^5 transistors: time per load and the heap
// in use after it (counters heap_MB; rects and tiles for the sizes).
// Run each size in its own process for clean memory figures, e.g.
//   bench_extract_load --benchmark_filter=/100000
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <ctime>
#include <string>

#include "array_session.h"
#include "cifc/cif.h"
#include "common/flatten.h"
#include "cs/cs.h"
#include "extract/load_layout.h"
#include "extract/net.h"
#include "extract/transistor.h"

namespace {
double heapMegabytes() {
  struct mallinfo2 m = mallinfo2();
  return static_cast<double>(m.uordblks + m.hblkhd) / (1024.0 * 1024.0);
}

void BM_WholeLoad(benchmark::State& state) {
  CVstartBatch();
  long rects = 0;
  std::string path = "/tmp/corvid_bench_array_" + std::to_string(state.range(0)) + ".cif";
  CVwriteArray(state.range(0), path, &rects);
  for (auto _ : state) CVquietly([&] { DIacceptLayout(path.c_str()); });
  if (TransNum < state.range(0)) state.SkipWithError("fewer transistors than generated");
  state.counters["transistors"] = TransNum;
  state.counters["rects"] = static_cast<double>(rects);
  state.counters["heap_MB"] = heapMegabytes();
  state.counters["tiles"] = static_cast<double>(CSliveTiles());
  remove(path.c_str());
}

// The same load step by step, with the processor time of each step as a
// counter (seconds): read, flatten, planes, extraction (with net check and names).
double cpuSeconds() { return static_cast<double>(clock()) / CLOCKS_PER_SEC; }

void BM_LoadSteps(benchmark::State& state) {
  CVstartBatch();
  std::string path = "/tmp/corvid_bench_array_" + std::to_string(state.range(0)) + ".cif";
  CVwriteArray(state.range(0), path);
  double read = 0, flatten = 0, planes = 0, extract = 0;
  for (auto _ : state) CVquietly([&] {
    double t0 = cpuSeconds();
    DExInit();
    GCfreeCS();
    ACinit();
    cifin = fopen(path.c_str(), "r");
    CIFparse();
    double t1 = cpuSeconds();
    GCflatten();
    double t2 = cpuSeconds();
    DCcrtCS();
    double t3 = cpuSeconds();
    DExCir();
    DExVerifyNets();
    DExCrtNameTb();
    double t4 = cpuSeconds();
    read += t1 - t0, flatten += t2 - t1, planes += t3 - t2, extract += t4 - t3;
  });
  state.counters["read_s"] = read;
  state.counters["flatten_s"] = flatten;
  state.counters["planes_s"] = planes;
  state.counters["extract_s"] = extract;
  state.counters["transistors"] = TransNum;
  remove(path.c_str());
}
}  // namespace

BENCHMARK(BM_LoadSteps)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_WholeLoad)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);
