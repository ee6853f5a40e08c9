#include "yield/sensitivity_sweep.h"

#include <algorithm>

#include "common/cputime.h"
#include "common/defect_scale.h"
#include "common/message.h"
#include "common/scale.h"
#include "cs/cs.h"
#include "yield/critical_area.h"
#include "yield/series.h"

namespace {
using CritFn = float (*)(int, long, long, long, long, long, int);

double microns(long size) { return static_cast<double>(size) / static_cast<double>(theGlobalScale); }

// A defect twice the layout's larger side covers all of it wherever it falls
// on it, so larger sizes add nothing to the sweep.
long coveringSize() {
  const _box& f = DlayerTile[0].frame;
  return 2 * std::max<long>({f.x2 - f.x1, f.y2 - f.y1, 1});
}

// The sweep's range is usable: a step that advances, a minimum not above the maximum.
bool usableRange() {
  if (theStep <= 0) {
    GCmessage(GC_MOD_YIELD, 'E', "The defect size step must be positive, not %.3f micron", microns(theStep));
    return false;
  }
  if (theMinDefectSize > theMaxDefectSize) {
    GCmessage(GC_MOD_YIELD, 'E', "The smallest defect size %.3f micron is above the largest %.3f micron",
              microns(theMinDefectSize), microns(theMaxDefectSize));
    return false;
  }
  return true;
}

int sweep(CritFn crit, int plane, const char* name, const char* done) {
  if (!usableRange()) return 0;
  Fsensitivity = {};
  GCmessage(GC_MOD_YIELD, 'P', "Analysing ...");
  GCcpuTime(0, name);
  const long covering = coveringSize();
  for (long d = theMinDefectSize; d <= theMaxDefectSize; d += theStep) {
    if (Fsensitivity.n == DY_MAXPOINTS) {
      GCmessage(GC_MOD_YIELD, 'E', "Iteration out of bounds, stopped");
      break;
    }
    DIsetScaleValue(static_cast<int>(std::min(d / theGlobalScale, 100000000L) * 10));
    crit(plane, d, -GC_INFINITY, -GC_INFINITY, GC_INFINITY, GC_INFINITY, DY_SWEEP_POINT);
    GCmessage(GC_MOD_YIELD, 'M', "One step done");
    if (d >= covering && d < theMaxDefectSize) {
      GCmessage(GC_MOD_YIELD, 'M', "Defects of %.3f micron cover the whole layout, larger sizes skipped",
                microns(d));
      break;
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
