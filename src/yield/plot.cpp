#include "yield/plot.h"

#include <cstring>

#include "display/draw.h"
#include "display/viewport.h"
#include "display/window_hooks.h"
#include "yield/series.h"

namespace {
constexpr long WORLD = 1000;
constexpr int AXIS_COLOUR = 1;
constexpr long TICK = 12;
constexpr long GAP = 4;
// Width of one character of the canvas font, in pixels, for placing labels.
constexpr float CHAR_PIXELS = 7.0f;

DYplotFrame frame;

long margin(int n) { return WORLD / (n + 2); }

long textWidth(const std::string& s) { return static_cast<long>(s.size() * CHAR_PIXELS * Vpopup.scale); }
long textHeight() { return static_cast<long>(10.0f * Vpopup.scale); }

float span(const DYaxisRange& a) { return static_cast<float>(a.hi - a.lo); }

void map(float x, float y, long* px, long* py) {
  DYmapXY(span(frame.x), span(frame.y), DY_DIVISIONS, DY_DIVISIONS, static_cast<float>(x - frame.x.lo),
          static_cast<float>(y - frame.y.lo), px, py);
}
}  // namespace

void DYmapXY(float xmax, float ymax, int nx, int ny, float x, float y, long* px, long* py) {
  *px = margin(nx) + static_cast<long>((WORLD - 2 * WORLD / (nx + 2)) * x / xmax);
  *py = margin(ny) + static_cast<long>((WORLD - 2 * WORLD / (ny + 2)) * y / ymax);
}

const DYplotFrame& DYlastPlotFrame() { return frame; }

void DYdrawData(const float* xs, const float* ys, int n, int colour) {
  long px = 0, py = 0;
  for (int i = 0; i < n; ++i) {
    long qx, qy;
    map(xs[i], ys[i], &qx, &qy);
    if (i > 0) {
      GGsetColor(&Vpopup, colour);
      GGline(&Vpopup, px, py, qx, qy);
    }
    GGsetColor(&Vpopup, 1);
    GGrectangle(&Vpopup, qx - 10, qy - 10, qx + 10, qy + 10, 0);
    px = qx, py = qy;
  }
}

void DYdrawCurve(const float* xs, const float* ys, int n, int colour) {
  GGsetColor(&Vpopup, colour);
  long px = 0, py = 0;
  for (int i = 0; i < n; ++i) {
    long qx, qy;
    map(xs[i], ys[i], &qx, &qy);
    if (i > 0) GGline(&Vpopup, px, py, qx, qy);
    px = qx, py = qy;
  }
}

void DYdrawAxes(const DYaxisRange& x, const DYaxisRange& y, const std::string& xtitle, const std::string& ytitle) {
  frame = {x, y, xtitle + DYaxisPowerSuffix(x), ytitle + DYaxisPowerSuffix(y)};
  GGclear(&Vpopup);
  GGsetColor(&Vpopup, AXIS_COLOUR);
  const long x0 = margin(DY_DIVISIONS), y0 = margin(DY_DIVISIONS);
  const long x1 = WORLD - x0, y1 = WORLD - y0;
  GGline(&Vpopup, x0, y0, x1, y0);
  GGline(&Vpopup, x0, y0, x0, y1);
  const long th = textHeight();
  const long labelBase = y0 - TICK - GAP - th;
  for (int i = 0; i < x.ticks(); ++i) {
    long px, py;
    map(static_cast<float>(x.tick(i)), static_cast<float>(y.lo), &px, &py);
    GGline(&Vpopup, px, y0, px, y0 - TICK);
    std::string label = DYtickLabel(x, i);
    GGstring(&Vpopup, px - textWidth(label) / 2, labelBase, label.c_str());
  }
  for (int i = 0; i < y.ticks(); ++i) {
    long px, py;
    map(static_cast<float>(x.lo), static_cast<float>(y.tick(i)), &px, &py);
    GGline(&Vpopup, x0 - TICK, py, x0, py);
    std::string label = DYtickLabel(y, i);
    long lx = x0 - TICK - GAP - textWidth(label);
    GGstring(&Vpopup, lx > 0 ? lx : 0, py - th / 2, label.c_str());
  }
  // Below the tick values, centred under the axis: clear of every data point.
  long tx = (x0 + x1) / 2 - textWidth(frame.xtitle) / 2;
  long ty = labelBase - th - 2 * GAP;
  GGstring(&Vpopup, tx > 0 ? tx : 0, ty > 0 ? ty : 0, frame.xtitle.c_str());
  GGstring(&Vpopup, x0 - TICK, y1 + th + 2 * GAP, frame.ytitle.c_str());
}

void DYshowPlot(int what) {
  DIpopupPlot();
  PopupWhat = what;
}
