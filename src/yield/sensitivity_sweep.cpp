#include "yield/sensitivity_sweep.h"

#include "common/cputime.h"
#include "common/defect_scale.h"
#include "common/message.h"
#include "common/scale.h"
#include "yield/critical_area.h"
#include "yield/series.h"

namespace {
using CritFn = float (*)(int, long, long, long, long, long, int);

int sweep(CritFn crit, int plane, const char* name, const char* done) {
  Fsensitivity = {};
  GCmessage(GC_MOD_YIELD, 'P', "Analysing ...");
  GCcpuTime(0, name);
  // A step that does not advance would never reach the maximum.
  if (theStep > 0 && theGlobalScale > 0) {
    for (long d = theMinDefectSize; d <= theMaxDefectSize; d += theStep) {
      DIsetScaleValue(static_cast<int>((d / theGlobalScale) * 10));
      crit(plane, d, -GC_INFINITY, -GC_INFINITY, GC_INFINITY, GC_INFINITY, DY_SWEEP_POINT);
      GCmessage(GC_MOD_YIELD, 'M', "One step done");
    }
  }
  GCmessage(GC_MOD_YIELD, 'L', "%s", done);
  GCcpuTime(1, name);
  return 1;
}
}  // namespace

int DYsweepShorts(int plane) {
  return sweep(DYcritAreaS, plane, "DYanaShort", "Analyzing layout sensitivity for missing materials done");
}

int DYsweepOpens(int plane) {
  return sweep(DYcritAreaO, plane, "DYanaOpen", "Analyzing layout sensitivity for extra materials done");
}

int DYanaShort() {
  int plane;
  return DYneedNetsAndLayer(&plane) ? DYsweepShorts(plane) : 0;
}

int DYanaOpen() {
  int plane;
  return DYneedNetsAndLayer(&plane) ? DYsweepOpens(plane) : 0;
}
