// Plots in the pop-up viewport: a 1000 x 1000 world with a margin of one
// division on each side, axes with their divisions, tick values and titles,
// and data series drawn as marked polylines.
#pragma once

inline constexpr int DY_DIVISIONS = 10;

// World position of the value (x, y) on axes running to xmax and ymax with
// nx and ny divisions.
void DYmapXY(float xmax, float ymax, int nx, int ny, float x, float y, long* px, long* py);
// The first point marked with an outlined 20-unit square in colour 1, each
// further one joined to the previous in `colour` and marked the same way.
void DYdrawData(const float* xs, const float* ys, int n, int colour, float xmax, float ymax, int nx, int ny);
// A polyline without marks (the size distribution curve).
void DYdrawCurve(const float* xs, const float* ys, int n, int colour, float xmax, float ymax, int nx, int ny);
// Clears the pop-up and draws both axes, their divisions, the tick values
// and the axis titles.
void DYdrawAxes(float xmax, float ymax, int nx, int ny, const char* xtitle, const char* ytitle);
// Pops the plot window up (made on first use) and records what it shows.
void DYshowPlot(int what);
