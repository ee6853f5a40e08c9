// Adding single elements to a cell's layer slots.
#include <cstdio>

#include "cifc/flatten.h"
#include "common/memory.h"
#include "techc/tech.h"

const char* GClayerNameOf(int layer) {
  for (int i = 0; i < GlayerNum; ++i)
    if (Glayers[i].layer == layer) return Glayers[i].name;
  return "";
}

void GCsaveLayerName(_layout* cell, int layer, const char* name) {
  _symbol* s = GCslot(cell, layer, name);
  snprintf(s->layername, sizeof s->layername, "%s", name);
}

static _symbol* slotOf(_layout* cell, int layer) { return GCslot(cell, layer, GClayerNameOf(layer)); }

void GCsave1rect(_layout* cell, int layer, long x1, long y1, long x2, long y2) {
  _symbol* s = slotOf(cell, layer);
  _rects* r = GCnew<_rects>();
  r->x1 = x1;
  r->y1 = y1;
  r->x2 = x2;
  r->y2 = y2;
  r->next = s->rect;
  s->rect = r;
  ACframe(x1, y1, cell);
  ACframe(x2, y2, cell);
}

static void framePoints(_layout* cell, const _points* p) {
  for (; p; p = p->next) ACframe(p->x, p->y, cell);
}

void GCsave1path(_layout* cell, int layer, long width, _points* points) {
  _symbol* s = slotOf(cell, layer);
  _paths* p = GCnew<_paths>();
  p->width = width;
  p->points = points;
  p->next = s->path;
  s->path = p;
  framePoints(cell, points);
}

void GCsave1poly(_layout* cell, int layer, _points* points) {
  _symbol* s = slotOf(cell, layer);
  _polys* p = GCnew<_polys>();
  p->points = points;
  p->next = s->poly;
  s->poly = p;
  framePoints(cell, points);
}

void GCsave1cir(_layout* cell, int layer, long d, long x, long y) {
  _symbol* s = slotOf(cell, layer);
  _circles* c = GCnew<_circles>();
  c->d = d;
  c->x = x;
  c->y = y;
  c->next = s->circle;
  s->circle = c;
  ACframe(x + d, y + d, cell);
  ACframe(x - d, y - d, cell);
}

void GCaddLabel(_symbol* slot, const char* text, long x, long y) {
  _labels* l = GCnew<_labels>();
  l->label = GCstrcpy(text);
  l->x = x;
  l->y = y;
  l->next = slot->label;
  slot->label = l;
}

void GCsave1label(_layout* cell, int layer, const char* text, long x, long y) {
  GCaddLabel(slotOf(cell, layer), text, x, y);
}
