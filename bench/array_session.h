// Shared by the benchmarks over generated layouts: a started batch system in a
// scratch directory with a flat inverter array of about n transistors loaded
// in one step, and standard output silenced around the timed work.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "../tests/support/circuit_layouts.h"
#include "batch/batch_startup.h"
#include "common/switches.h"
#include "flow/layout_load.h"

// Standard output (the per-transistor lines of the load, reports) goes to
// /dev/null while `work` runs.
template <class F>
void CVquietly(F work) {
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

// The batch start-up, once per process.
inline void CVstartBatch() {
  static bool started = false;
  if (started) return;
  setenv("SYSRC", CORVID_SOURCE_DIR "/lib/corvidrc", 0);
  BAstartup();
  Silently = 1;
  started = true;
}

// Writes a square-ish array of about `transistors` transistors (two per
// inverter) as CIF; `rects` receives its rectangle count when given.
inline void CVwriteArray(long transistors, const std::string& path, long* rects = nullptr) {
  long inverters = transistors / 2;
  int rows = static_cast<int>(std::lround(std::sqrt(static_cast<double>(inverters))));
  int columns = static_cast<int>((inverters + rows - 1) / rows);
  CvLayout l;
  l.inverterArray(rows, columns);
  if (rects) *rects = static_cast<long>(l.rects.size());
  if (!l.writeCif(path)) abort();
}

// Loads the array of about `transistors` transistors unless it is loaded;
// `scratch` becomes the working directory on first use.
inline void CVloadArray(long transistors, const char* scratch) {
  static long loaded = 0;
  if (loaded == transistors) return;
  if (loaded == 0) {
    std::filesystem::create_directories(scratch);
    if (chdir(scratch) != 0) abort();
  }
  CVstartBatch();
  std::string path = "array_" + std::to_string(transistors) + ".cif";
  CVwriteArray(transistors, path);
  CVquietly([&] { DIacceptLayout(path.c_str()); });
  remove(path.c_str());
  loaded = transistors;
}
