// Instance transformations: translation, mirror and rotation with truncation.
#include <cmath>

#include "cifc/flatten.h"
#include "cifc/transform_affine.h"
#include "common/memory.h"

namespace {
// Keeps a truncated result inside long's range (no undefined conversion).
long truncClamp(double v) {
  constexpr double kLimit = 4611686018427387904.0;  // 2^62
  if (!(v == v)) return 0;
  if (v > kLimit) v = kLimit;
  if (v < -kLimit) v = -kLimit;
  return static_cast<long>(v);
}
}  // namespace

bool GCrotation(long a, long b, double* c, double* s) {
  double x = static_cast<double>(a), y = static_cast<double>(b);
  double r = std::sqrt(x * x + y * y);
  if (r == 0) return false;  // a zero direction is no rotation
  *c = x / r;
  *s = y / r;
  return true;
}

void PointTrans(const _opcode* steps, int count, long x, long y, long* xo, long* yo) {
  for (int i = 0; i < count; ++i) {
    const _opcode& op = steps[i];
    switch (op.type) {
      case trans:
        x += op.x;
        y += op.y;
        break;
      case mirror:
        x *= op.x;
        y *= op.y;
        break;
      case rotate: {
        double c, s;
        if (!GCrotation(op.x, op.y, &c, &s)) break;
        double dx = static_cast<double>(x), dy = static_cast<double>(y);
        long nx = truncClamp(dx * c - dy * s);
        long ny = truncClamp(dx * s + dy * c);
        x = nx;
        y = ny;
        break;
      }
    }
  }
  *xo = x;
  *yo = y;
}

bool GCaffine::make(const _opcode* steps, int count, GCaffine* out) {
  GCaffine m{1, 0, 0, 1, 0, 0};
  for (int i = 0; i < count; ++i) {
    const _opcode& op = steps[i];
    long p = 1, q = 0, r = 0, t = 1;  // the step's linear part
    switch (op.type) {
      case trans:
        m.tx += op.x;
        m.ty += op.y;
        continue;
      case mirror:
        p = op.x;
        t = op.y;
        break;
      case rotate: {
        double c, s;
        if (!GCrotation(op.x, op.y, &c, &s)) continue;
        // Only quarter turns are exact in integers; others need per-point truncation.
        auto unit = [](double v) { return v == 0.0 || v == 1.0 || v == -1.0; };
        if (!unit(c) || !unit(s)) return false;
        p = static_cast<long>(c);
        q = -static_cast<long>(s);
        r = static_cast<long>(s);
        t = static_cast<long>(c);
        break;
      }
    }
    GCaffine n;
    n.a = p * m.a + q * m.c;
    n.b = p * m.b + q * m.d;
    n.c = r * m.a + t * m.c;
    n.d = r * m.b + t * m.d;
    n.tx = p * m.tx + q * m.ty;
    n.ty = r * m.tx + t * m.ty;
    m = n;
  }
  *out = m;
  return true;
}

_points* PlistTrans(const _opcode* steps, int count, const _points* list, _box* bbox) {
  GCemptyFrame(bbox);
  _points* head = nullptr;
  for (; list; list = list->next) {
    _points* p = GCnew<_points>();
    PointTrans(steps, count, list->x, list->y, &p->x, &p->y);
    p->next = head;
    head = p;
    if (p->x < bbox->x1) bbox->x1 = p->x;
    if (p->x > bbox->x2) bbox->x2 = p->x;
    if (p->y < bbox->y1) bbox->y1 = p->y;
    if (p->y > bbox->y2) bbox->y2 = p->y;
  }
  return head;
}
