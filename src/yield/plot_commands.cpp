#include "yield/plot_commands.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "common/message.h"
#include "common/scale.h"
#include "techc/tech.h"
#include "yield/density.h"
#include "yield/plot.h"
#include "yield/plot_files.h"
#include "yield/series.h"
#include "yield/yield_model.h"

namespace {
constexpr int DX_COLOUR = 3;
constexpr int POF_COLOUR = 2;
constexpr int YIELD_COLOUR = 10;
constexpr int SENSITIVITY_COLOUR = 6;

// The size distribution curve last drawn (it has no series of its own).
std::vector<float> dxX, dxY;
float dxYmax = 1.0f;
double lastPof = 0.0;

// The defect-size axis runs to the largest size of the settings, or further
// when the series was swept before the maximum was lowered.
float maxDefectMicrons(const _DYseries* s = nullptr) {
  float m = theGlobalScale > 0 ? static_cast<float>(theMaxDefectSize) / static_cast<float>(theGlobalScale) : 0.0f;
  for (int i = 0; s && i < s->n; ++i) m = std::max(m, s->x[i]);
  return m > 0.0f ? m : 1.0f;
}

bool positiveDefectParameters(const _layerDef& l) {
  if (l.X0 > 0.0f && l.D0 > 0.0f) return true;
  GCmessage(GC_MOD_YIELD, 'W', "X0 and D0 of the active layer must be positive");
  return false;
}

// Defect sizes are grid units of the technology (what the forms, the slider
// and the reports call microns); the titles say what one is in micrometres.
std::string sizeTitle() {
  char buf[64];
  snprintf(buf, sizeof buf, "Defect Size (grid units of %g um)", LAMBDA_T1);
  return buf;
}

// The range of the values, reaching at least to `atLeast` (a setting's
// maximum the axis should show even before the data get there).
DYaxisRange rangeOf(const float* v, int n, float atLeast = 0.0f) {
  double lo = n > 0 ? v[0] : atLeast, hi = n > 0 ? v[0] : atLeast;
  hi = std::max(hi, static_cast<double>(atLeast));
  for (int i = 0; i < n; ++i) lo = std::min(lo, static_cast<double>(v[i])), hi = std::max(hi, static_cast<double>(v[i]));
  return DYniceRange(lo, hi);
}

void drawDX() {
  DYdrawAxes(rangeOf(dxX.data(), static_cast<int>(dxX.size()), maxDefectMicrons()),
             rangeOf(dxY.data(), static_cast<int>(dxY.size()), dxYmax), sizeTitle(),
             "Defect Density (D0 per grid unit)");
  DYdrawCurve(dxX.data(), dxY.data(), static_cast<int>(dxX.size()), DX_COLOUR);
}

void drawPof() {
  DYdrawAxes(rangeOf(FpofFailure.x, FpofFailure.n, maxDefectMicrons(&FpofFailure)),
             rangeOf(FpofFailure.y, FpofFailure.n), sizeTitle(), "Possibility of Failure (D0 per grid unit)");
  DYdrawData(FpofFailure.x, FpofFailure.y, FpofFailure.n, POF_COLOUR);
}

void drawYield() {
  DYdrawAxes(rangeOf(Fyield.x, Fyield.n), rangeOf(Fyield.y, Fyield.n), "Defect Density (D0 units)",
             "Yield (fraction of good circuits)");
  DYdrawData(Fyield.x, Fyield.y, Fyield.n, YIELD_COLOUR);
}

void drawSensitivity() {
  DYdrawAxes(rangeOf(Fsensitivity.x, Fsensitivity.n, maxDefectMicrons(&Fsensitivity)),
             rangeOf(Fsensitivity.y, Fsensitivity.n), sizeTitle(), "Sensitivity (critical area / layout area)");
  DYdrawData(Fsensitivity.x, Fsensitivity.y, Fsensitivity.n, SENSITIVITY_COLOUR);
}

// The failure density of every sensitivity point, into FpofFailure.
void failureDensity(const _layerDef& l) {
  FpofFailure = {};
  for (int i = 0; i < Fsensitivity.n; ++i)
    DYappend(&FpofFailure, Fsensitivity.x[i], DYfailureDensity(Fsensitivity.x[i], Fsensitivity.y[i], l.X0, l.D0));
}
}  // namespace

void DYresetPlots() {
  dxX.clear();
  dxY.clear();
  dxYmax = 1.0f;
  lastPof = 0.0;
}

double DYlastPof() { return lastPof; }

void DYdrawDXcurve(float X0, float D0, float step, float xmax) {
  dxX.assign(1, 0.0f);
  dxY.assign(1, 0.0f);
  if (step <= 0.0f) step = X0 / 10.0f;
  // Counted steps rather than summed ones, so the end points are met exactly.
  for (long i = 1; step * i < X0; ++i) {
    dxX.push_back(step * i);
    dxY.push_back(DYsizeDistribution(step * i, X0, D0));
  }
  dxX.push_back(X0);
  dxY.push_back(DYsizeDistribution(X0, X0, D0));
  for (long i = 1; X0 + step * i <= xmax; ++i) {
    dxX.push_back(X0 + step * i);
    dxY.push_back(DYsizeDistribution(X0 + step * i, X0, D0));
  }
  dxYmax = D0 / X0;
  drawDX();
}

void DYdrawDX(int layer) {
  const _layerDef& l = Glayers[layer];
  float step = theGlobalScale > 0 ? static_cast<float>(theStep / (theGlobalScale * 10.0)) : 0.0f;
  DYdrawDXcurve(l.X0, l.D0, step, maxDefectMicrons());
}

int DYdx() {
  int layer = DTactiveLayer();
  if (layer < 0) {
    GCmessage(GC_MOD_YIELD, 'W', "No active layer, select one");
    return 0;
  }
  if (!positiveDefectParameters(Glayers[layer])) return 0;
  DYshowPlot(DY_PLOT_DX);
  DYdrawDX(layer);
  DYwritePlot("defect_size", drawDX, dxX.data(), dxY.data(), static_cast<int>(dxX.size()), "defect_size_grid",
              "defect_density");
  return 1;
}

int DYCarea() {
  if (Fsensitivity.n == 0) {
    GCmessage(GC_MOD_YIELD, 'W', "No data available to view the layout sensitivity");
    return 0;
  }
  DYshowPlot(DY_PLOT_SENSITIVITY);
  drawSensitivity();
  DYwritePlot("sensitivity", drawSensitivity, Fsensitivity.x, Fsensitivity.y, Fsensitivity.n, "defect_size_grid",
              "sensitivity");
  return 1;
}

int DYpof() {
  int layer = DTactiveLayer();
  if (layer < 0) {
    GCmessage(GC_MOD_YIELD, 'W', "No active layer, select one");
    return 0;
  }
  if (Fsensitivity.n == 0) {
    GCmessage(GC_MOD_YIELD, 'W', "No data available to view the POF");
    return 0;
  }
  failureDensity(Glayers[layer]);
  DYshowPlot(DY_PLOT_POF);
  drawPof();
  lastPof = DYcurArea(FpofFailure.x, FpofFailure.y, FpofFailure.n);
  printf("Possibility of failure: %4f.\n", lastPof);
  fflush(stdout);
  DYwritePlot("pof", drawPof, FpofFailure.x, FpofFailure.y, FpofFailure.n, "defect_size_grid", "failure_density");
  return 1;
}

int DYyx() {
  int layer = DTactiveLayer();
  if (layer < 0) {
    GCmessage(GC_MOD_YIELD, 'W', "Select an active layer first");
    return 0;
  }
  if (Fsensitivity.n == 0) {
    GCmessage(GC_MOD_YIELD, 'W', "Please analyse the layout sensitivity first");
    return 0;
  }
  const _layerDef& l = Glayers[layer];
  if (l.alfa <= 0.0f) {
    GCmessage(GC_MOD_YIELD, 'W', "alfa of the active layer must be positive");
    return 0;
  }
  failureDensity(l);
  const double theta = DYcurArea(FpofFailure.x, FpofFailure.y, FpofFailure.n);
  const float A = DYlayoutArea() * 1e-7f;
  Fyield = {};
  if (Fdensity[2] > 0.0f) {
    for (float D = Fdensity[0]; D <= Fdensity[1]; D += Fdensity[2]) {
      float Y = DYyieldAt(D, A, theta, l.Y0, l.alfa);
      if (!DYappend(&Fyield, D, Y)) {
        GCmessage(GC_MOD_YIELD, 'E', "Iteration out of bounds, stopped");
        break;
      }
    }
  }
  DYshowPlot(DY_PLOT_YIELD);
  drawYield();
  DYwritePlot("yield", drawYield, Fyield.x, Fyield.y, Fyield.n, "defect_density", "yield");
  return 1;
}

void DYpopup() {
  switch (PopupWhat) {
    case DY_PLOT_DX: DYdx(); break;
    case DY_PLOT_POF: DYpof(); break;
    case DY_PLOT_SENSITIVITY: DYCarea(); break;
    case DY_PLOT_YIELD: DYyx(); break;
    default: break;
  }
}
