// The whole one-step load (read the CIF file, flatten, build the planes,
// extract transistors and nets, check and name them) of generated flat
// inverter arrays of 10^3 to 10^5 transistors: time per load, the malloc
// heap in use after it (heap_MB: transistors, nets, names; rectangles and
// tiles live in reserved ranges of their own), the blocks of tiles and list
// cells (pools_MB), the process's peak resident memory
// (peak_rss_MB; the array is written by a child process, so the peak is the
// load's), and the tiles with their record size (tile_B).
// LoadSteps gives the processor time and the heap after each step, and the
// most list cells in use at once. Run each size in its own process for clean
// memory figures, e.g.
//   bench_extract_load --benchmark_filter=WholeLoad/100000
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cstdio>
#include <ctime>
#include <string>

#include "array_session.h"
#include "cifc/cif.h"
#include "cifc/flatten.h"
#include "cs/cs.h"
#include "extract/net.h"
#include "extract/transistor.h"
#include "flow/layout_load.h"

namespace {
double heapMegabytes() {
  struct mallinfo2 m = mallinfo2();
  return static_cast<double>(m.uordblks + m.hblkhd) / (1024.0 * 1024.0);
}

double peakRssMegabytes() {
  struct rusage u;
  getrusage(RUSAGE_SELF, &u);
  return static_cast<double>(u.ru_maxrss) / 1024.0;
}

// The array with its boxes written in the top cell itself instead of in a
// cell the top calls once: nothing to copy when flattening.
void writeTopLevelArray(long transistors, const std::string& path, long* rects) {
  CVwriteArray(transistors, path, rects);
  FILE* in = fopen(path.c_str(), "r");
  if (!in) abort();
  std::string text, line;
  char buffer[256];
  while (fgets(buffer, sizeof buffer, in)) {
    line = buffer;
    if (line == "DS 1 1 1;\n" || line == "9 generated;\n" || line == "DF;\n" || line == "C 1;\n") continue;
    text += line;
  }
  fclose(in);
  FILE* out = fopen(path.c_str(), "w");
  if (!out || fwrite(text.data(), 1, text.size(), out) != text.size() || fclose(out) != 0) abort();
}

// The generated layout and its text would count in this process's peak, so a
// child writes the file.
long writeArrayApart(long transistors, const std::string& path, bool topLevel) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) abort();
  pid_t child = fork();
  if (child == 0) {
    long rects = 0;
    if (topLevel)
      writeTopLevelArray(transistors, path, &rects);
    else
      CVwriteArray(transistors, path, &rects);
    if (write(pipeEnds[1], &rects, sizeof rects) != sizeof rects) _exit(1);
    _exit(0);
  }
  long rects = 0;
  if (read(pipeEnds[0], &rects, sizeof rects) != sizeof rects) abort();
  int status = 0;
  waitpid(child, &status, 0);
  close(pipeEnds[0]);
  close(pipeEnds[1]);
  return rects;
}

// Argument 2: 0 for the array in a cell called once from the top (the
// flattened top then holds a second copy of every box), 1 for the boxes
// written in the top cell.
void BM_WholeLoad(benchmark::State& state) {
  CVstartBatch();
  std::string path = "/tmp/corvid_bench_array_" + std::to_string(state.range(0)) + ".cif";
  long rects = writeArrayApart(state.range(0), path, state.range(1) != 0);
  for (auto _ : state) CVquietly([&] { DIacceptLayout(path.c_str()); });
  if (TransNum < state.range(0)) state.SkipWithError("fewer transistors than generated");
  state.counters["transistors"] = TransNum;
  state.counters["rects"] = static_cast<double>(rects);
  state.counters["heap_MB"] = heapMegabytes();
  state.counters["pools_MB"] = static_cast<double>(CSpoolBytes()) / (1024.0 * 1024.0);
  state.counters["peak_rss_MB"] = peakRssMegabytes();
  state.counters["tiles"] = static_cast<double>(CSliveTiles());
  state.counters["tile_B"] = static_cast<double>(sizeof(_Dtile));
  state.counters["cells_peak"] = static_cast<double>(CSpeakCells());
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
  double heap[4] = {0, 0, 0, 0};
  long cellsAfterPlanes = 0;
  for (auto _ : state) CVquietly([&] {
    double t0 = cpuSeconds();
    DExInit();
    GCfreeCS();
    ACinit();
    cifin = fopen(path.c_str(), "r");
    CIFparse();
    double t1 = cpuSeconds();
    heap[0] = heapMegabytes();
    GCflatten();
    double t2 = cpuSeconds();
    heap[1] = heapMegabytes();
    DCcrtCS();
    double t3 = cpuSeconds();
    heap[2] = heapMegabytes();
    cellsAfterPlanes = CSpeakCells();
    DExCir();
    DExVerifyNets();
    DExCrtNameTb();
    double t4 = cpuSeconds();
    heap[3] = heapMegabytes();
    read += t1 - t0, flatten += t2 - t1, planes += t3 - t2, extract += t4 - t3;
  });
  state.counters["read_s"] = read;
  state.counters["flatten_s"] = flatten;
  state.counters["planes_s"] = planes;
  state.counters["extract_s"] = extract;
  state.counters["read_MB"] = heap[0];
  state.counters["flatten_MB"] = heap[1];
  state.counters["planes_MB"] = heap[2];
  state.counters["extract_MB"] = heap[3];
  state.counters["cells_peak_planes"] = static_cast<double>(cellsAfterPlanes);
  state.counters["cells_peak"] = static_cast<double>(CSpeakCells());
  state.counters["cells_live"] = static_cast<double>(CSliveCells());
  state.counters["transistors"] = TransNum;
  remove(path.c_str());
}
}  // namespace

BENCHMARK(BM_LoadSteps)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_WholeLoad)
    ->ArgsProduct({{1000, 10000, 100000}, {0, 1}})
    ->ArgNames({"transistors", "top_level"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
