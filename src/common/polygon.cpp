// Polygon to rectangles: make the outline rectilinear, collect its horizontal
// edges sorted by height, then repeatedly cut the rectangle between the lowest
// edge and the first edge above it that closes it, cancelling and joining
// collinear edges in between.
#include "common/polygon.h"

#include <algorithm>
#include <vector>

#include "common/compare.h"
#include "common/memory.h"
#include "common/message.h"

namespace {
long lowOf(const _box& e) { return std::min(e.x1, e.x2); }
long highOf(const _box& e) { return std::max(e.x1, e.x2); }

void setSpan(_box& e, long a, long b) {
  e.x1 = std::min(a, b);
  e.x2 = std::max(a, b);
}

void removeAt(_box* edges, int* n, int at) {
  std::copy(edges + at + 1, edges + *n, edges + at);
  --*n;
}

const _points* lastOf(const _points* p) {
  while (p && p->next) p = p->next;
  return p;
}

// The closing pair is a horizontal edge when the ring is open and its ends lie level.
bool closingEdge(const _points* first, const _points* last) {
  return first && last && first != last && (first->x != last->x || first->y != last->y) &&
         GCequal(first->y, last->y);
}
}  // namespace

int GCorthPoly(_points* p) {
  int inserted = 0;
  for (; p && p->next; p = p->next) {
    _points* q = p->next;
    if (!GCequal(p->x, q->x) && !GCequal(p->y, q->y)) {
      _points* corner = GCnew<_points>();
      corner->x = p->x;
      corner->y = q->y;
      corner->next = q;
      p->next = corner;
      ++inserted;
      p = corner;  // the new vertex and q differ in x only
    }
  }
  if (inserted) GCmessage(GC_MOD_COMMON, 'M', "%d points have been inserted in the processing poly", inserted);
  return inserted;
}

int GCedgeCount(const _points* points) {
  int n = 0;
  for (const _points* p = points; p && p->next; p = p->next)
    if (GCequal(p->y, p->next->y)) ++n;
  if (closingEdge(points, lastOf(points))) ++n;
  return n;
}

_box* GCsortEdge(_points* points, int n) {
  _box* edges = static_cast<_box*>(GCmalloc(sizeof(_box) * static_cast<size_t>(n > 0 ? n : 1)));
  int count = 0;
  auto add = [&](const _points* a, const _points* b) {
    if (!GCequal(a->y, b->y)) return;
    if (count >= n) GCfatal(GC_MOD_COMMON, 1, "Poly edges sorting error");
    _box e{a->x, a->y, b->x, 0};
    // After every record of greater or equal height: equal heights keep their order.
    int at = count;
    while (at > 0 && edges[at - 1].y1 < e.y1) --at;
    std::copy_backward(edges + at, edges + count, edges + count + 1);
    edges[at] = e;
    ++count;
  };
  const _points* last = points;
  for (const _points* p = points; p && p->next; p = p->next) {
    add(p, p->next);
    last = p->next;
  }
  if (points && (last->x != points->x || last->y != points->y)) add(last, points);
  if (count != n) GCfatal(GC_MOD_COMMON, 1, "The result of poly edge sorting error");
  return edges;
}

bool GCmergeEdge(_box* e, int* n) {
  bool changed = false;
  int i = *n - 1;
  while (i >= 1) {
    int next = i - 1;
    for (int j = i - 1; j >= 0; --j) {
      if (!GCequal(e[i].y1, e[j].y1)) continue;
      const long a1 = lowOf(e[i]), b1 = highOf(e[i]), a2 = lowOf(e[j]), b2 = highOf(e[j]);
      if (GCequal(a1, b2) || GCequal(b1, a2)) {
        setSpan(e[j], std::min(a1, a2), std::max(b1, b2));
        removeAt(e, n, i);
      } else if (GCequal(a1, a2) && !GCequal(b1, b2)) {
        setSpan(e[j], std::min(b1, b2), std::max(b1, b2));
        removeAt(e, n, i);
      } else if (GCequal(b1, b2) && !GCequal(a1, a2)) {
        setSpan(e[j], std::min(a1, a2), std::max(a1, a2));
        removeAt(e, n, i);
      } else if (GCgreat(a1, a2) && GCsmall(b1, b2)) {
        setSpan(e[j], a2, a1);
        setSpan(e[i], b1, b2);
      } else if (GCgreat(a2, a1) && GCsmall(b2, b1)) {
        setSpan(e[j], a1, a2);
        setSpan(e[i], b2, b1);
      } else if (GCequal(a1, a2) && GCequal(b1, b2)) {
        removeAt(e, n, i);
        removeAt(e, n, j);
        next = i - 2;
      } else {
        continue;  // partial overlap without a common end
      }
      changed = true;
      break;
    }
    i = next;
  }
  return changed;
}

bool GCcut1Box(_box* e, int* n, _rects* out) {
  // One pass moves on after the first change of an edge, so a split lowest edge can
  // keep a collinear neighbour; merging until nothing changes keeps the cut inside.
  for (int pass = 0; pass <= *n && GCmergeEdge(e, n); ++pass) {
  }
  if (*n < 2) return false;
  _box& low = e[*n - 1];
  const long lo = lowOf(low), hi = highOf(low), yL = low.y1;
  for (int k = *n - 2; k >= 0; --k) {
    const long lo2 = lowOf(e[k]), hi2 = highOf(e[k]), yE = e[k].y1;
    if (yE == yL) continue;
    if (GCequal(lo, hi2) || GCequal(hi, lo2) || (!GCgreat(lo, lo2) && !GCsmall(hi, hi2))) {
      out->x1 = lo;
      out->y1 = yL;
      out->x2 = hi;
      out->y2 = yE;
      out->next = nullptr;
      low.y1 = yE;
      return true;
    }
  }
  return false;
}

_rects* GCpoly2rects(_polys* polygon) {
  if (!polygon || !polygon->points) return nullptr;
  GCorthPoly(polygon->points);
  int n = GCedgeCount(polygon->points);
  if (n < 2) return nullptr;
  _box* edges = GCsortEdge(polygon->points, n);
  const int total = n;
  _rects* result = nullptr;
  long cuts = 0;
  const long maxCuts = static_cast<long>(GC_CUTS_PER_EDGE) * total + 16;
  _rects cut;
  // Stop when no edge closes the lowest one (possible only for self-intersecting or
  // degenerate outlines) or after the cut budget.
  while (n >= 2 && cuts < maxCuts && GCcut1Box(edges, &n, &cut)) {
    ++cuts;
    long y1 = std::min(cut.y1, cut.y2), y2 = std::max(cut.y1, cut.y2);
    if (cut.x1 == cut.x2 || y1 == y2) continue;
    _rects* r = GCnew<_rects>();
    r->x1 = cut.x1;
    r->y1 = y1;
    r->x2 = cut.x2;
    r->y2 = y2;
    r->next = result;
    result = r;
  }
  if (n >= 2) GCmessage(GC_MOD_COMMON, 'W', "Polygon conversion stopped with %d of %d edges left", n, total);
  GCfree(edges, sizeof(_box) * static_cast<size_t>(total));
  return result;
}
