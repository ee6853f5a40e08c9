#include "display/draw.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "common/colors.h"
#include "common/layout.h"
#include "common/memory.h"
#include "common/message.h"
#include "common/polygon.h"
#include "display/canvas.h"
#include "display/show_flags.h"
#include "display/viewport.h"
#include "display/window_hooks.h"
#include "techc/tech.h"

void* GLgc = nullptr;
int GLlayer = -1;

void GGresetDisplay() {
  GCresetViewports();
  DIresetWindowHooks();
  DIsetInit();
  GLgc = nullptr;
  GLlayer = -1;
}

namespace {
// Pixel coordinates beyond this margin around the window are clipped away
// before they reach a canvas (X coordinates are 16-bit on the wire).
constexpr double GUARD = 2000.0;

struct Guard {
  double x1, y1, x2, y2;
};

Guard guardOf(const _Gviewport* vp) {
  return {-GUARD, -GUARD, GCvpWidth(vp) + GUARD, GCvpHeight(vp) + GUARD};
}

bool ready(const _Gviewport* vp) { return vp && vp->canvas; }

void toPixel(const _Gviewport* vp, long wx, long wy, long* px, long* py) { GCwtov(vp, wx, wy, px, py); }

// Liang-Barsky clipping of a segment against the guard box.
bool clipLine(const Guard& g, double& x1, double& y1, double& x2, double& y2) {
  double t0 = 0, t1 = 1, dx = x2 - x1, dy = y2 - y1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x1 - g.x1, g.x2 - x1, y1 - g.y1, g.y2 - y1};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    double t = q[i] / p[i];
    if (p[i] < 0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
    if (t0 > t1) return false;
  }
  double ox = x1, oy = y1;
  x1 = ox + t0 * dx; y1 = oy + t0 * dy;
  x2 = ox + t1 * dx; y2 = oy + t1 * dy;
  return true;
}

// Sutherland-Hodgman clipping of a polygon against the guard box.
std::vector<GCpixelPoint> clipPolygon(const Guard& g, const std::vector<std::pair<double, double>>& in) {
  std::vector<std::pair<double, double>> poly = in, out;
  for (int edge = 0; edge < 4 && !poly.empty(); ++edge) {
    auto inside = [&](const std::pair<double, double>& p) {
      switch (edge) {
        case 0: return p.first >= g.x1;
        case 1: return p.first <= g.x2;
        case 2: return p.second >= g.y1;
        default: return p.second <= g.y2;
      }
    };
    auto cross = [&](const std::pair<double, double>& a, const std::pair<double, double>& b) {
      double t;
      switch (edge) {
        case 0: t = (g.x1 - a.first) / (b.first - a.first); break;
        case 1: t = (g.x2 - a.first) / (b.first - a.first); break;
        case 2: t = (g.y1 - a.second) / (b.second - a.second); break;
        default: t = (g.y2 - a.second) / (b.second - a.second); break;
      }
      return std::make_pair(a.first + t * (b.first - a.first), a.second + t * (b.second - a.second));
    };
    out.clear();
    for (size_t i = 0; i < poly.size(); ++i) {
      const auto& cur = poly[i];
      const auto& prev = poly[(i + poly.size() - 1) % poly.size()];
      if (inside(cur)) {
        if (!inside(prev)) out.push_back(cross(prev, cur));
        out.push_back(cur);
      } else if (inside(prev)) {
        out.push_back(cross(prev, cur));
      }
    }
    poly.swap(out);
  }
  std::vector<GCpixelPoint> result;
  result.reserve(poly.size());
  for (const auto& p : poly) result.push_back({static_cast<int>(std::lround(p.first)), static_cast<int>(std::lround(p.second))});
  return result;
}

void pointAt(_Gviewport* vp, GCpen pen, long px, long py) {
  Guard g = guardOf(vp);
  if (px < g.x1 || px > g.x2 || py < g.y1 || py > g.y2) return;
  vp->canvas->drawPoint(pen, static_cast<int>(px), static_cast<int>(py));
}

void pixelLine(_Gviewport* vp, GCpen pen, long px1, long py1, long px2, long py2) {
  double x1 = px1, y1 = py1, x2 = px2, y2 = py2;
  if (!clipLine(guardOf(vp), x1, y1, x2, y2)) return;
  vp->canvas->drawLine(pen, static_cast<int>(std::lround(x1)), static_cast<int>(std::lround(y1)),
                       static_cast<int>(std::lround(x2)), static_cast<int>(std::lround(y2)));
}

void line(_Gviewport* vp, GCpen pen, long x1, long y1, long x2, long y2) {
  if (!ready(vp)) return;
  long px1, py1, px2, py2;
  toPixel(vp, x1, y1, &px1, &py1);
  toPixel(vp, x2, y2, &px2, &py2);
  if (std::max(std::labs(px2 - px1), std::labs(py2 - py1)) <= 2) {
    pointAt(vp, pen, px1, py1);
    return;
  }
  pixelLine(vp, pen, px1, py1, px2, py2);
}

void rectangle(_Gviewport* vp, GCpen pen, long x1, long y1, long x2, long y2, int fill) {
  if (!ready(vp)) return;
  long px1, py1, px2, py2;
  toPixel(vp, x1, y1, &px1, &py1);
  toPixel(vp, x2, y2, &px2, &py2);
  long w = std::labs(px2 - px1), h = std::labs(py2 - py1);
  if (w <= 2 && h <= 2) {
    pointAt(vp, pen, px1, py1);
    return;
  }
  if (w == 0 || h == 0) {
    pixelLine(vp, pen, px1, py1, px2, py2);
    return;
  }
  Guard g = guardOf(vp);
  double left = std::min(px1, px2), top = std::min(py1, py2), right = std::max(px1, px2), bottom = std::max(py1, py2);
  if (right < g.x1 || left > g.x2 || bottom < g.y1 || top > g.y2) return;
  left = std::max(left, g.x1);
  top = std::max(top, g.y1);
  right = std::min(right, g.x2);
  bottom = std::min(bottom, g.y2);
  int x = static_cast<int>(left), y = static_cast<int>(top);
  int cw = static_cast<int>(right - left), ch = static_cast<int>(bottom - top);
  if (fill) vp->canvas->drawRectangle(pen, x, y, cw + 1, ch + 1, true);
  else vp->canvas->drawRectangle(pen, x, y, cw, ch, false);
}

// Converts a vertex list of n entries, warning about a list of another length.
bool polyPixels(_Gviewport* vp, _points* points, int n, std::vector<std::pair<double, double>>* out,
                long bbox[4]) {
  int count = 0;
  for (_points* p = points; p; p = p->next) ++count;
  if (count > n) GCmessage(GC_MOD_DISPLAY, 'W', "Too many points in a poly");
  else if (count < n) GCmessage(GC_MOD_DISPLAY, 'W', "Not enough points in a poly");
  if (count < n) n = count;
  if (n <= 0) return false;
  out->clear();
  out->reserve(static_cast<size_t>(n));
  bbox[0] = bbox[1] = 1L << 40;
  bbox[2] = bbox[3] = -(1L << 40);
  _points* p = points;
  for (int i = 0; i < n; ++i, p = p->next) {
    long px, py;
    toPixel(vp, p->x, p->y, &px, &py);
    out->push_back({static_cast<double>(px), static_cast<double>(py)});
    bbox[0] = std::min(bbox[0], px);
    bbox[1] = std::min(bbox[1], py);
    bbox[2] = std::max(bbox[2], px);
    bbox[3] = std::max(bbox[3], py);
  }
  return true;
}

void poly(_Gviewport* vp, GCpen pen, _points* points, int n, int fill) {
  if (!ready(vp)) return;
  std::vector<std::pair<double, double>> pix;
  long bbox[4];
  if (!polyPixels(vp, points, n, &pix, bbox)) return;
  if (bbox[2] - bbox[0] < 3 && bbox[3] - bbox[1] < 3) {
    pointAt(vp, pen, static_cast<long>(pix[0].first), static_cast<long>(pix[0].second));
    return;
  }
  if (fill) {
    auto clipped = clipPolygon(guardOf(vp), pix);
    if (clipped.size() >= 3) vp->canvas->drawPolygon(pen, clipped.data(), static_cast<int>(clipped.size()), true);
    return;
  }
  // The outline closes on the first vertex.
  for (size_t i = 0; i < pix.size(); ++i) {
    const auto& a = pix[i];
    const auto& b = pix[(i + 1) % pix.size()];
    pixelLine(vp, pen, static_cast<long>(a.first), static_cast<long>(a.second), static_cast<long>(b.first),
              static_cast<long>(b.second));
  }
}

void path(_Gviewport* vp, GCpen pen, long width, _points* points, int fill) {
  if (!ready(vp)) return;
  int count = 0;
  for (_points* p = points; p; p = p->next) ++count;
  if (count > GC_MAX_PATH_POINTS) {
    GCmessage(GC_MOD_DISPLAY, 'W', "Too many path points");
    return;
  }
  _polys* outline = GCpath2poly(points, width);
  if (!outline) return;
  int n = 0;
  for (_points* p = outline->points; p; p = p->next) ++n;
  poly(vp, pen, outline->points, n, fill);
  GCfreePoly(outline);
}

void arc(_Gviewport* vp, GCpen pen, long x, long y, long r, int angle1, int angle2, int fill) {
  if (!ready(vp)) return;
  long px, py;
  toPixel(vp, x, y, &px, &py);
  double pr = static_cast<double>(r) / vp->scale;
  if (!std::isfinite(pr)) return;
  if (pr <= 2) {
    pointAt(vp, pen, px, py);
    return;
  }
  Guard g = guardOf(vp);
  if (px + pr < g.x1 || px - pr > g.x2 || py + pr < g.y1 || py - pr > g.y2 || pr > 30000) return;
  int ir = static_cast<int>(pr);
  vp->canvas->drawArc(pen, static_cast<int>(px) - ir, static_cast<int>(py) - ir, 2 * ir, 2 * ir, angle1 * 64,
                      angle2 * 64, fill != 0);
}

void text(_Gviewport* vp, GCpen pen, long x, long y, const char* s) {
  if (!ready(vp) || !s) return;
  long px, py;
  toPixel(vp, x, y, &px, &py);
  Guard g = guardOf(vp);
  if (px < g.x1 || px > g.x2 || py < g.y1 || py > g.y2) return;
  vp->canvas->drawString(pen, static_cast<int>(px), static_cast<int>(py), s);
}

void selectLayer(_Gviewport* vp) {
  if (ready(vp) && GLlayer >= 0) vp->canvas->setLayer(GLlayer, Glayers[GLlayer].fillmode == 1);
}
}  // namespace

void GGclear(_Gviewport* vp) {
  if (ready(vp)) vp->canvas->clear();
}
void GGline(_Gviewport* vp, long x1, long y1, long x2, long y2) { line(vp, GC_PEN_NORMAL, x1, y1, x2, y2); }
void GGxline(_Gviewport* vp, long x1, long y1, long x2, long y2) { line(vp, GC_PEN_XOR, x1, y1, x2, y2); }

void GGsegment(_Gviewport* vp, long x1, long y1, long x2, long y2, int width) {
  if (!ready(vp)) return;
  vp->canvas->setLineWidth(width);
  line(vp, GC_PEN_NORMAL, x1, y1, x2, y2);
}
void GGxsegment(_Gviewport* vp, long x1, long y1, long x2, long y2, int width) {
  if (!ready(vp)) return;
  vp->canvas->setLineWidth(width);
  line(vp, GC_PEN_XOR, x1, y1, x2, y2);
}

void GGrectangle(_Gviewport* vp, long x1, long y1, long x2, long y2, int fill) {
  rectangle(vp, GC_PEN_NORMAL, x1, y1, x2, y2, fill);
}
void GGxrectangle(_Gviewport* vp, long x1, long y1, long x2, long y2, int fill) {
  rectangle(vp, GC_PEN_XOR, x1, y1, x2, y2, fill);
}
void GGpoly(_Gviewport* vp, _points* points, int n, int fill) { poly(vp, GC_PEN_NORMAL, points, n, fill); }
void GGxpoly(_Gviewport* vp, _points* points, int n, int fill) { poly(vp, GC_PEN_XOR, points, n, fill); }
void GGpath(_Gviewport* vp, long width, _points* points, int fill) { path(vp, GC_PEN_NORMAL, width, points, fill); }
void GGcircle(_Gviewport* vp, long x, long y, long r, int fill) { arc(vp, GC_PEN_NORMAL, x, y, r, 0, 360, fill); }
void GGxcircle(_Gviewport* vp, long x, long y, long r, int fill) { arc(vp, GC_PEN_XOR, x, y, r, 0, 360, fill); }
void GGarc(_Gviewport* vp, long x, long y, long r, int a1, int a2, int fill) {
  arc(vp, GC_PEN_NORMAL, x, y, r, a1, a2, fill);
}
void GGxarc(_Gviewport* vp, long x, long y, long r, int a1, int a2, int fill) {
  arc(vp, GC_PEN_XOR, x, y, r, a1, a2, fill);
}
void GGstring(_Gviewport* vp, long x, long y, const char* s) { text(vp, GC_PEN_NORMAL, x, y, s); }
void GGxstring(_Gviewport* vp, long x, long y, const char* s) { text(vp, GC_PEN_XOR, x, y, s); }

void GGareaCopy(_Gviewport* from, _Gviewport* to, long x1, long y1, long x2, long y2) {
  if (!ready(from) || !ready(to)) return;
  long sx1, sy1, sx2, sy2, dx1, dy1, dx2, dy2;
  toPixel(from, x1, y1, &sx1, &sy1);
  toPixel(from, x2, y2, &sx2, &sy2);
  toPixel(to, x1, y1, &dx1, &dy1);
  toPixel(to, x2, y2, &dx2, &dy2);
  long w = std::labs(sx2 - sx1) + 1, h = std::labs(sy2 - sy1) + 1;
  if (w > 32767 || h > 32767) return;
  from->canvas->copyArea(to->canvas, static_cast<int>(std::min(sx1, sx2)), static_cast<int>(std::min(sy1, sy2)),
                         static_cast<int>(w), static_cast<int>(h), static_cast<int>(std::min(dx1, dx2)),
                         static_cast<int>(std::min(dy1, dy2)));
}

void GGsetColor(_Gviewport* vp, int index) {
  if (!ready(vp)) return;
  const _GWorkStation& ws = GCworkStation[GCstationId];
  if (index < 0 || index >= ws.ncolor) return;
  vp->canvas->setColor(ws.color[index].pixel, static_cast<unsigned>(GCcolorRGB(index)));
}

void GGsetFont(_Gviewport* vp, const char* name) {
  if (ready(vp) && !vp->canvas->setFont(name)) vp->canvas->setFont("fixed");
}

void GGsetLineWidth(_Gviewport* vp, long w) {
  if (!ready(vp)) return;
  int pixels = vp->scale == 0 ? 0 : static_cast<int>(static_cast<float>(w) / vp->scale);
  vp->canvas->setLineWidth(pixels);
}

void GLsetGC(int layer) {
  if (layer < 0 || layer >= DT_MAX_LAYERS) return;
  GLlayer = layer;
  GLgc = Glayers[layer].gc;
}
void GLrectangle(_Gviewport* vp, long x1, long y1, long x2, long y2, int fill) {
  selectLayer(vp);
  rectangle(vp, GC_PEN_LAYER, x1, y1, x2, y2, fill);
}
void GLpoly(_Gviewport* vp, _points* points, int n, int fill) {
  selectLayer(vp);
  poly(vp, GC_PEN_LAYER, points, n, fill);
}
void GLcircle(_Gviewport* vp, long x, long y, long r, int fill) {
  selectLayer(vp);
  arc(vp, GC_PEN_LAYER, x, y, r, 0, 360, fill);
}
void GLpath(_Gviewport* vp, long width, _points* points, int fill) {
  selectLayer(vp);
  path(vp, GC_PEN_LAYER, width, points, fill);
}
