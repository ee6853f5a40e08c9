#include "yield/plot_commands.h"

#include <algorithm>
#include <cstdio>
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
float pofYmax = 1e-8f;
float yieldYmax = 1.0f;
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

void drawDX() {
  DYdrawAxes(maxDefectMicrons(), dxYmax, DY_DIVISIONS, DY_DIVISIONS, "Defect Size", "Defect Density");
  DYdrawCurve(dxX.data(), dxY.data(), static_cast<int>(dxX.size()), DX_COLOUR, maxDefectMicrons(), dxYmax,
              DY_DIVISIONS, DY_DIVISIONS);
}

void drawPof() {
  const float xmax = maxDefectMicrons(&FpofFailure);
  DYdrawAxes(xmax, pofYmax, DY_DIVISIONS, DY_DIVISIONS, "Defect Size", "Possibility of Failure");
  DYdrawData(FpofFailure.x, FpofFailure.y, FpofFailure.n, POF_COLOUR, xmax, pofYmax, DY_DIVISIONS, DY_DIVISIONS);
}

float densityMax() { return Fdensity[1] > 0.0f ? Fdensity[1] : 1.0f; }

void drawYield() {
  DYdrawAxes(densityMax(), yieldYmax, DY_DIVISIONS, DY_DIVISIONS, "Defect Density", "Yield");
  DYdrawData(Fyield.x, Fyield.y, Fyield.n, YIELD_COLOUR, densityMax(), yieldYmax, DY_DIVISIONS, DY_DIVISIONS);
}

void drawSensitivity() {
  const float xmax = maxDefectMicrons(&Fsensitivity);
  DYdrawAxes(xmax, 1.0f, DY_DIVISIONS, DY_DIVISIONS, "Defect Size", "Sensitivity");
  DYdrawData(Fsensitivity.x, Fsensitivity.y, Fsensitivity.n, SENSITIVITY_COLOUR, xmax, 1.0f, DY_DIVISIONS,
             DY_DIVISIONS);
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
  pofYmax = 1e-8f;
  yieldYmax = 1.0f;
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
  DYwritePlot("defect_size", drawDX, dxX.data(), dxY.data(), static_cast<int>(dxX.size()), "defect_size_um",
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
  DYwritePlot("sensitivity", drawSensitivity, Fsensitivity.x, Fsensitivity.y, Fsensitivity.n, "defect_size_um",
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
  pofYmax = 1e-8f;
  for (int i = 0; i < FpofFailure.n; ++i)
    if (FpofFailure.y[i] > pofYmax) pofYmax = FpofFailure.y[i];
  DYshowPlot(DY_PLOT_POF);
  drawPof();
  lastPof = DYcurArea(FpofFailure.x, FpofFailure.y, FpofFailure.n);
  printf("Possibility of failure: %4f.\n", lastPof);
  fflush(stdout);
  DYwritePlot("pof", drawPof, FpofFailure.x, FpofFailure.y, FpofFailure.n, "defect_size_um", "failure_density");
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
  yieldYmax = 0.0f;
  if (Fdensity[2] > 0.0f) {
    for (float D = Fdensity[0]; D <= Fdensity[1]; D += Fdensity[2]) {
      float Y = DYyieldAt(D, A, theta, l.Y0, l.alfa);
      if (!DYappend(&Fyield, D, Y)) {
        GCmessage(GC_MOD_YIELD, 'E', "Iteration out of bounds, stopped");
        break;
      }
      if (Y > yieldYmax) yieldYmax = Y;
    }
  }
  if (yieldYmax <= 0.0f) yieldYmax = 1.0f;
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
