// The LP back end on arrays of rule-clean inverters (2 transistors each):
// variables, both directions' sweeps and two solver phases each, result.cif.
// Counters split the processor time between the sweep (with the device
// rows), writing mps.file, lp_solve and reading the report back (seconds per
// run). lp_solve's simplex grows too fast for 10^4 transistors within a
// benchmark run, so BM_LpSteps measures the other steps up to 10^4 with a
// stand-in solver that answers every column with 0.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "../tests/support/clean_layouts.h"
#include "batch/batch_startup.h"
#include "common/switches.h"
#include "compact/lp_backend.h"
#include "compact/resizer_stores.h"
#include "cs/cs.h"
#include "extract/transistor.h"
#include "interface/accept.h"

namespace fs = std::filesystem;

namespace {

// Loads an array of inverters with about `transistors` transistors.
std::string loadArray(long transistors) {
  std::string dir = fs::temp_directory_path() / ("corvid_lp_bench_" + std::to_string(getpid()));
  fs::create_directories(dir + "/resize_report");
  CvCleanLayout layout;
  long inverters = transistors / 2, side = static_cast<long>(std::ceil(std::sqrt(static_cast<double>(inverters))));
  for (long n = 0; n < inverters; ++n) layout.inverter((n % side) * 30, (n / side) * 64);
  std::string cif = dir + "/array.cif";
  layout.writeCif(cif);
  Silently = 1;
  static bool started = false;
  if (!started) BAstartup();
  started = true;
  CSreset();
  DExInit();
  DIacceptCB(12, cif.c_str());
  return dir;
}

// Runs `work` with standard output going to /dev/null (progress lines, dates).
template <class F>
void quietly(F work) {
  fflush(stdout);
  int saved = dup(1), null = open("/dev/null", O_WRONLY);
  dup2(null, 1);
  work();
  fflush(stdout);
  dup2(saved, 1);
  close(saved);
  close(null);
}

// A stand-in for lp_solve on the search path: reads the MPS problem and
// prints a report of the same form, every column 0.
void installStandInSolver(const std::string& dir) {
  fs::create_directories(dir + "/bin");
  std::string path = dir + "/bin/lp_solve";
  FILE* f = fopen(path.c_str(), "w");
  fputs("#!/usr/bin/env python3\n"
        "import sys\n"
        "names, section = [], ''\n"
        "for line in sys.stdin:\n"
        "    if not line.startswith(' '):\n"
        "        section = line.split()[0] if line.split() else ''\n"
        "    elif section == 'COLUMNS':\n"
        "        n = line.split()[0]\n"
        "        if not names or names[-1] != n: names.append(n)\n"
        "out = ['', 'Value of objective function: 0', '', 'Actual values of the variables:']\n"
        "out += ['%-24s%9d' % (n, 0) for n in names]\n"
        "print('\\n'.join(out))\n",
        f);
  fclose(f);
  fs::permissions(path, fs::perms::owner_all);
  setenv("PATH", (dir + "/bin:" + getenv("PATH")).c_str(), 1);
}

void run(benchmark::State& state, bool standIn) {
  std::string dir;
  quietly([&] { dir = loadArray(state.range(0)); });
  std::string home = fs::current_path();
  fs::current_path(dir);
  std::string path = getenv("PATH");
  if (standIn) installStandInSolver(dir);
  LPtimes = LPstepTimes();
  bool solved = true;
  for (auto _ : state) {
    quietly([&] {
      init_staff();
      Bound_Box = 1;
      scan_toget_variables();
      X_direction = 1;
      solved = solved && D_resize(scan_queue, equat_bucket);
      X_direction = 0;
      solved = solved && D_resize(scan_queue_y, equat_bucket_y) && generate_result(equat_bucket, equat_bucket_y);
    });
  }
  fs::current_path(home);
  fs::remove_all(dir);
  setenv("PATH", path.c_str(), 1);
  if (!solved) state.SkipWithError("no solution");
  const double runs = static_cast<double>(state.iterations());
  state.counters["transistors"] = TransNum;
  state.counters["variables"] = 2.0 * num_of_var;
  state.counters["sweep_s"] = LPtimes.sweep / runs;
  state.counters["mps_s"] = LPtimes.mpsWriting / runs;
  state.counters["solver_s"] = LPtimes.solver / runs;
  state.counters["readback_s"] = LPtimes.readBack / runs;
}
void BM_LpResize(benchmark::State& state) { run(state, false); }
void BM_LpSteps(benchmark::State& state) { run(state, true); }
BENCHMARK(BM_LpResize)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_LpSteps)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
