#include "yield/plot.h"

#include <cstdio>
#include <cstring>

#include "display/draw.h"
#include "display/viewport.h"
#include "display/window_hooks.h"
#include "yield/series.h"

namespace {
constexpr long WORLD = 1000;
constexpr int AXIS_COLOUR = 1;
constexpr long TICK = 12;
// Width of one character of the canvas font, in pixels, for placing labels.
constexpr float CHAR_PIXELS = 7.0f;

long margin(int n) { return WORLD / (n + 2); }

void tickLabel(char* buf, size_t size, float value) { snprintf(buf, size, "%.4g", static_cast<double>(value)); }

long textWidth(const char* s) { return static_cast<long>(strlen(s) * CHAR_PIXELS * Vpopup.scale); }
long textHeight() { return static_cast<long>(10.0f * Vpopup.scale); }
}  // namespace

void DYmapXY(float xmax, float ymax, int nx, int ny, float x, float y, long* px, long* py) {
  *px = margin(nx) + static_cast<long>((WORLD - 2 * WORLD / (nx + 2)) * x / xmax);
  *py = margin(ny) + static_cast<long>((WORLD - 2 * WORLD / (ny + 2)) * y / ymax);
}

void DYdrawData(const float* xs, const float* ys, int n, int colour, float xmax, float ymax, int nx, int ny) {
  long px = 0, py = 0;
  for (int i = 0; i < n; ++i) {
    long qx, qy;
    DYmapXY(xmax, ymax, nx, ny, xs[i], ys[i], &qx, &qy);
    if (i > 0) {
      GGsetColor(&Vpopup, colour);
      GGline(&Vpopup, px, py, qx, qy);
    }
    GGsetColor(&Vpopup, 1);
    GGrectangle(&Vpopup, qx - 10, qy - 10, qx + 10, qy + 10, 0);
    px = qx, py = qy;
  }
}

void DYdrawCurve(const float* xs, const float* ys, int n, int colour, float xmax, float ymax, int nx, int ny) {
  GGsetColor(&Vpopup, colour);
  long px = 0, py = 0;
  for (int i = 0; i < n; ++i) {
    long qx, qy;
    DYmapXY(xmax, ymax, nx, ny, xs[i], ys[i], &qx, &qy);
    if (i > 0) GGline(&Vpopup, px, py, qx, qy);
    px = qx, py = qy;
  }
}

void DYdrawAxes(float xmax, float ymax, int nx, int ny, const char* xtitle, const char* ytitle) {
  GGclear(&Vpopup);
  GGsetColor(&Vpopup, AXIS_COLOUR);
  const long x0 = margin(nx), y0 = margin(ny);
  const long x1 = WORLD - x0, y1 = WORLD - y0;
  GGline(&Vpopup, x0, y0, x1, y0);
  GGline(&Vpopup, x0, y0, x0, y1);
  char label[32];
  const long th = textHeight();
  for (int i = 0; i <= nx; ++i) {
    long px, py;
    DYmapXY(xmax, ymax, nx, ny, xmax * i / nx, 0.0f, &px, &py);
    GGline(&Vpopup, px, y0, px, y0 - TICK);
    if (i % 2 == 0) {
      tickLabel(label, sizeof label, xmax * i / nx);
      GGstring(&Vpopup, px - textWidth(label) / 2, y0 - TICK - th - 4, label);
    }
  }
  for (int i = 0; i <= ny; ++i) {
    long px, py;
    DYmapXY(xmax, ymax, nx, ny, 0.0f, ymax * i / ny, &px, &py);
    GGline(&Vpopup, x0 - TICK, py, x0, py);
    if (i % 2 == 0) {
      tickLabel(label, sizeof label, ymax * i / ny);
      long lx = x0 - TICK - 4 - textWidth(label);
      GGstring(&Vpopup, lx > 0 ? lx : 0, py - th / 2, label);
    }
  }
  GGstring(&Vpopup, x1 - textWidth(xtitle), y0 + 8, xtitle);
  GGstring(&Vpopup, x0 + 8, y1 + 24, ytitle);
}

void DYshowPlot(int what) {
  DIpopupPlot();
  PopupWhat = what;
}
