// Wire outline: offset every centre-line segment by half the width to one
// side, mitre consecutive offset lines, mirror the corners through the centre
// vertices for the other side.
#include <cmath>
#include <vector>

#include "common/memory.h"
#include "common/message.h"
#include "common/polygon.h"

namespace {
struct P {
  double x, y;
};

// Truncation toward zero, kept inside the 32-bit coordinate range.
long coord(double v) {
  constexpr double kLimit = 2147483647.0;
  if (!(v == v)) return 0;
  if (v > kLimit) v = kLimit;
  if (v < -kLimit) v = -kLimit;
  return static_cast<long>(v);
}

void append(_points**& tail, double x, double y) {
  _points* p = GCnew<_points>();
  p->x = coord(x);
  p->y = coord(y);
  *tail = p;
  tail = &p->next;
}
}  // namespace

_polys* GCpath2poly(const _points* points, long width) {
  if (!points || width < 1) return nullptr;
  std::vector<P> v;
  for (const _points* p = points; p; p = p->next) {
    P q{static_cast<double>(p->x), static_cast<double>(p->y)};
    if (v.empty() || v.back().x != q.x || v.back().y != q.y) v.push_back(q);
  }
  if (v.size() > static_cast<size_t>(GC_MAX_PATH_POINTS)) {
    GCmessage(GC_MOD_CIF, 'E', "Too many points in a path");
    return nullptr;
  }
  const long h = width / 2;
  const double hd = static_cast<double>(h);
  _polys* poly = GCnew<_polys>();
  _points** tail = &poly->points;
  const size_t n = v.size();
  if (n == 1) {
    const double x = v[0].x, y = v[0].y;
    append(tail, x - hd, y - hd);
    append(tail, x - hd, y + hd);
    append(tail, x + hd, y + hd);
    append(tail, x + hd, y - hd);
    return poly;
  }
  // Unit directions and left normals of the segments.
  std::vector<P> dir(n - 1), nor(n - 1);
  for (size_t k = 0; k + 1 < n; ++k) {
    double dx = v[k + 1].x - v[k].x, dy = v[k + 1].y - v[k].y;
    double len = std::sqrt(dx * dx + dy * dy);
    dir[k] = {dx / len, dy / len};
    nor[k] = {-dir[k].y, dir[k].x};
  }
  // Both ends reach out by half the width.
  v[0] = {v[0].x - hd * dir[0].x, v[0].y - hd * dir[0].y};
  v[n - 1] = {v[n - 1].x + hd * dir[n - 2].x, v[n - 1].y + hd * dir[n - 2].y};
  std::vector<P> corner(n);
  corner[0] = {v[0].x + hd * nor[0].x, v[0].y + hd * nor[0].y};
  corner[n - 1] = {v[n - 1].x + hd * nor[n - 2].x, v[n - 1].y + hd * nor[n - 2].y};
  for (size_t k = 1; k + 1 < n; ++k) {
    // Offset lines a x + b y = c of the segments meeting at vertex k.
    const P& n1 = nor[k - 1];
    const P& n2 = nor[k];
    double c1 = n1.x * v[k].x + n1.y * v[k].y + hd;
    double c2 = n2.x * v[k].x + n2.y * v[k].y + hd;
    double det = n1.x * n2.y - n2.x * n1.y;
    P at{v[k].x + hd * n1.x, v[k].y + hd * n1.y};  // parallel: the previous line's point
    if (std::fabs(det) > 1e-9) {
      P cross{(c1 * n2.y - c2 * n1.y) / det, (n1.x * c2 - n2.x * c1) / det};
      // A nearly reversing wire would mitre far off the layout; keep the square end.
      if (std::fabs(cross.x) < 1e12 && std::fabs(cross.y) < 1e12) at = cross;
    }
    corner[k] = at;
  }
  for (size_t k = 0; k < n; ++k) append(tail, corner[k].x, corner[k].y);
  for (size_t k = n; k-- > 0;) append(tail, 2 * v[k].x - corner[k].x, 2 * v[k].y - corner[k].y);
  return poly;
}
