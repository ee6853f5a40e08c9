#include "view/layout_display.h"

#include <algorithm>
#include <cmath>

#include "common/colors.h"
#include "common/layout.h"
#include "common/memory.h"
#include "display/draw.h"
#include "display/viewport.h"
#include "techc/tech.h"

namespace {
// Colour-table entry used for the frames of called cells.
constexpr int INSTANCE_FRAME_COLOUR = 2;

// The layer with drawing priority p, or -1.
int layerOfPriority(int p) {
  for (int l = 0; l < GlayerNum; ++l)
    if (Glayers[l].layer >= 0 && Glayers[l].priority == p) return l;
  return -1;
}

struct Box {
  long x1, y1, x2, y2;
};

Box transformedBox(const _instance* inst, long x1, long y1, long x2, long y2) {
  long xs[4] = {x1, x2, x1, x2}, ys[4] = {y1, y1, y2, y2};
  Box b{1L << 40, 1L << 40, -(1L << 40), -(1L << 40)};
  for (int i = 0; i < 4; ++i) {
    ACtransformPoint(inst, &xs[i], &ys[i]);
    b.x1 = std::min(b.x1, xs[i]);
    b.y1 = std::min(b.y1, ys[i]);
    b.x2 = std::max(b.x2, xs[i]);
    b.y2 = std::max(b.y2, ys[i]);
  }
  return b;
}

// A transformed copy of a vertex list (freed by GCfreePoints) and its bounding box.
_points* transformedPoints(const _instance* inst, _points* pts, Box* bbox, int* n) {
  _points* head = nullptr;
  _points** tail = &head;
  *bbox = {1L << 40, 1L << 40, -(1L << 40), -(1L << 40)};
  *n = 0;
  for (_points* p = pts; p; p = p->next) {
    auto* q = GCnew<_points>();
    q->x = p->x;
    q->y = p->y;
    ACtransformPoint(inst, &q->x, &q->y);
    bbox->x1 = std::min(bbox->x1, q->x);
    bbox->y1 = std::min(bbox->y1, q->y);
    bbox->x2 = std::max(bbox->x2, q->x);
    bbox->y2 = std::max(bbox->y2, q->y);
    *tail = q;
    tail = &q->next;
    ++*n;
  }
  return head;
}

}  // namespace

bool ACoverlap(long ax1, long ay1, long ax2, long ay2, long bx1, long by1, long bx2, long by2) {
  return ax1 < bx2 && bx1 < ax2 && ay1 < by2 && by1 < ay2;
}

void ACtransformPoint(const _instance* inst, long* x, long* y) {
  if (!inst) return;
  for (int i = 0; i < inst->optimes && i < 32; ++i) {
    const _opcode& op = inst->opcode[i];
    long px = *x, py = *y;
    switch (op.type) {
      case trans:
        *x = px + op.x;
        *y = py + op.y;
        break;
      case mirror:
        *x = px * op.x;
        *y = py * op.y;
        break;
      case rotate: {
        // The x axis turns into the direction (op.x, op.y).
        double len = std::sqrt(static_cast<double>(op.x) * op.x + static_cast<double>(op.y) * op.y);
        if (len == 0) break;
        double c = op.x / len, s = op.y / len;
        *x = std::lround(px * c - py * s);
        *y = std::lround(px * s + py * c);
        break;
      }
    }
  }
}

void ACdispall(_Gviewport* vp, _layout* layout, _layout* list) {
  if (!vp || !layout) return;
  const _box& f = layout->frame;
  if (f.x1 <= f.x2 && f.y1 <= f.y2) GCinstallVpC(vp, f.x1, f.y1, f.x2 - f.x1, f.y2 - f.y1);
  GGclear(vp);
  long x1, y1, x2, y2;
  GCvisibleWindow(vp, &x1, &y1, &x2, &y2);
  ACdispArea(vp, layout, x1, y1, x2, y2, list);
}

void ACdispArea(_Gviewport* vp, _layout* layout, long x1, long y1, long x2, long y2, _layout* list) {
  if (!vp || !layout) return;
  for (int p = 0; p < GlayerNum; ++p) {
    int l = layerOfPriority(p);
    if (l < 0 || Glayers[l].showswitch != 1) continue;
    GLsetGC(l);
    GGsetColor(vp, GCgetNamedColorName(Glayers[l].color));
    ACdisplayer(vp, nullptr, layout, l, x1, y1, x2, y2, list);
  }
}

void ACdisplayer(_Gviewport* vp, _instance* inst, _layout* layout, int layer, long x1, long y1, long x2, long y2,
                 _layout* list) {
  if (!layout || layer < 0 || layer >= DT_MAX_LAYERS) return;
  const int fill = Glayers[layer].fillmode == 1;
  if (_symbol* sym = layout->symbol[layer]) {
    for (_rects* r = sym->rect; r; r = r->next) {
      Box b = transformedBox(inst, r->x1, r->y1, r->x2, r->y2);
      if (!ACoverlap(b.x1, b.y1, b.x2, b.y2, x1, y1, x2, y2)) continue;
      if (fill) GLrectangle(vp, b.x1, b.y1, b.x2, b.y2, 1);
      else GGrectangle(vp, b.x1, b.y1, b.x2, b.y2, 0);
    }
    for (_paths* p = sym->path; p; p = p->next) {
      Box b;
      int n;
      _points* pts = transformedPoints(inst, p->points, &b, &n);
      long h = p->width / 2;
      if (ACoverlap(b.x1 - h, b.y1 - h, b.x2 + h, b.y2 + h, x1, y1, x2, y2)) {
        if (fill) GLpath(vp, p->width, pts, 1);
        else GGpath(vp, p->width, pts, 0);
      }
      GCfreePoints(pts);
    }
    for (_polys* p = sym->poly; p; p = p->next) {
      Box b;
      int n;
      _points* pts = transformedPoints(inst, p->points, &b, &n);
      if (ACoverlap(b.x1, b.y1, b.x2, b.y2, x1, y1, x2, y2)) {
        if (fill) GLpoly(vp, pts, n, 1);
        else GGpoly(vp, pts, n, 0);
      }
      GCfreePoints(pts);
    }
    for (_circles* c = sym->circle; c; c = c->next) {
      long cx = c->x, cy = c->y, r = c->d / 2;
      ACtransformPoint(inst, &cx, &cy);
      if (!ACoverlap(cx - r, cy - r, cx + r, cy + r, x1, y1, x2, y2)) continue;
      if (fill) GLcircle(vp, cx, cy, r, 1);
      else GGcircle(vp, cx, cy, r, 0);
    }
  }
  // Called cells show as their frames only.
  for (_instance* i = layout->instance; i; i = i->next) {
    _layout* cell = GfindLayout(i->cellname, list);
    if (!cell) continue;
    const _box& f = cell->frame;
    if (f.x1 > f.x2 || f.y1 > f.y2) continue;
    Box b = transformedBox(i, f.x1, f.y1, f.x2, f.y2);
    b = transformedBox(inst, b.x1, b.y1, b.x2, b.y2);
    GGsetColor(vp, INSTANCE_FRAME_COLOUR);
    GGrectangle(vp, b.x1, b.y1, b.x2, b.y2, 0);
  }
}

void LabelDisplay(_Gviewport* vp, _layout* layout, int colour, long x1, long y1, long x2, long y2) {
  if (!vp || !layout) return;
  for (int p = 0; p < GlayerNum; ++p) {
    int l = layerOfPriority(p);
    if (l < 0 || Glayers[l].showswitch != 1 || !layout->symbol[l]) continue;
    GGsetColor(vp, colour);
    for (_labels* lb = layout->symbol[l]->label; lb; lb = lb->next)
      if (lb->x >= x1 && lb->x <= x2 && lb->y >= y1 && lb->y <= y2) GGstring(vp, lb->x, lb->y, lb->label);
  }
}
