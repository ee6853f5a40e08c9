// Plot files of the batch program: every plot command also writes its plot
// as an image (PNG, or SVG when asked) and its series as CSV, in the working
// directory, so the numbers can go into a spreadsheet.
#pragma once

enum DYplotFormat { DY_FILES_OFF = 0, DY_FILES_PNG = 1, DY_FILES_SVG = 2 };

// The Motif program leaves it off; the batch program starts with PNG and its
// `plots png|svg|off` line changes it.
void DYsetPlotFiles(int format);
int DYplotFiles();

inline constexpr int DY_FILE_SIZE = 800;  // pixels of a plot image, square

// Draws the plot once more (`draw` paints the pop-up viewport) on an image of
// its own and writes it as <base>.png or <base>.svg, then writes the points as
// <base>.csv under the two column titles. Nothing when plot files are off.
void DYwritePlot(const char* base, void (*draw)(), const float* xs, const float* ys, int n, const char* xhead,
                 const char* yhead);
