// The yield analysis series: the sensitivity sweep, the failure density and
// the yield curve, each a count followed by up to 100 (x, y) points, and
// which of the plots the pop-up window shows.
#pragma once

inline constexpr int DY_MAXPOINTS = 100;

struct _DYseries {
  int n;
  float x[DY_MAXPOINTS];
  float y[DY_MAXPOINTS];
};

extern _DYseries Fsensitivity;  // defect size (microns), sensitivity
extern _DYseries FpofFailure;   // defect size (microns), failure density
extern _DYseries Fyield;        // defect density, yield

// The pop-up's plot: 0 none yet.
enum DYplot { DY_PLOT_NONE = 0, DY_PLOT_DX = 1, DY_PLOT_POF = 2, DY_PLOT_SENSITIVITY = 3, DY_PLOT_YIELD = 4 };
extern int PopupWhat;

// Densities 100 .. 2000 by 100, empty series and curves, nothing shown, no plot
// files, the pop-up's expose redraw installed. Also the module reset for tests.
void DYinit();
// Appends a point; false (and nothing added) when the series is full.
bool DYappend(_DYseries* s, float x, float y);
