// Plots in the pop-up viewport: a 1000 x 1000 world with a margin of one
// division on each side, axes with their ticks, tick values and titles, and
// data series drawn as marked polylines.
#pragma once

#include <string>

#include "yield/plot_axis.h"

inline constexpr int DY_DIVISIONS = 10;

// World position of the value (x, y) on axes running from 0 to xmax and ymax
// with nx and ny divisions.
void DYmapXY(float xmax, float ymax, int nx, int ny, float x, float y, long* px, long* py);

// The ranges and titles of the plot last drawn (read back by tests).
struct DYplotFrame {
  DYaxisRange x, y;
  std::string xtitle, ytitle;
};
const DYplotFrame& DYlastPlotFrame();

// Clears the pop-up and draws both axes over the ranges, their ticks, the
// tick values and the axis titles (the x title below the tick values, the y
// title above the axis); the ranges stay for the series drawn next.
void DYdrawAxes(const DYaxisRange& x, const DYaxisRange& y, const std::string& xtitle, const std::string& ytitle);
// The first point marked with an outlined 20-unit square in colour 1, each
// further one joined to the previous in `colour` and marked the same way.
void DYdrawData(const float* xs, const float* ys, int n, int colour);
// A polyline without marks (the size distribution curve).
void DYdrawCurve(const float* xs, const float* ys, int n, int colour);
// Pops the plot window up (made on first use) and records what it shows.
void DYshowPlot(int what);
