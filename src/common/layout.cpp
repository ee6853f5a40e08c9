#include "common/layout.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/memory.h"
#include "common/message.h"

_layout* Gsymbols = nullptr;
_layout* Gactive = nullptr;
_layout* Glayout = nullptr;
_layout* Gflatten = nullptr;
_pin* Gpin = nullptr;
int DworkingMode = 0;

void GClayoutReset() {
  GCfreeLayout(Gsymbols);
  GCfreePin(Gpin);
  Gsymbols = Gactive = Glayout = Gflatten = nullptr;
  Gpin = nullptr;
  DworkingMode = 0;
}

// Makes `layout` the one the commands work on, saying so (or that there is none).
static int activate(_layout* layout, const char* none, const char* done) {
  if (!layout) {
    GCmessage(GC_MOD_COMMON, 'M', "%s", none);
    return 0;
  }
  Glayout = layout;
  DworkingMode = 0;
  GCmessage(GC_MOD_COMMON, 'M', "%s", done);
  return 1;
}

int GCactivateH() { return activate(Gactive, "No hierarchy layout is available", "Hierarchy layout is activated"); }

int GCactivateS() { return activate(Gflatten, "No falttened layout is available", "Flattened layout is activated"); }

int GCfreeH() {
  if (!Gsymbols) {
    GCmessage(GC_MOD_COMMON, 'W', "No hierarchy to free");
    return 0;
  }
  GCfreeLayout(Gsymbols);
  Gsymbols = Gactive = Glayout = Gflatten = nullptr;
  GCmessage(GC_MOD_COMMON, 'M', "The hierarchy is freed");
  return 1;
}

int GCfreeS() {
  if (!Gflatten) {
    GCmessage(GC_MOD_COMMON, 'W', "No smashed layout to free");
    return 0;
  }
  for (_layout** link = &Gsymbols; *link; link = &(*link)->next) {
    if (*link == Gflatten) {
      *link = Gflatten->next;
      break;
    }
  }
  Gflatten->next = nullptr;
  if (Glayout == Gflatten) Glayout = Gactive = nullptr;
  if (Gactive == Gflatten) Gactive = nullptr;  // never left dangling
  GCfreeLayout(Gflatten);
  Gflatten = nullptr;
  GCmessage(GC_MOD_COMMON, 'M', "The samshed layout is freed");
  return 1;
}

void GCfreePoints(_points* p) { GCdeleteChain(p); }
void GCfreeRect(_rects* r) { GCdeleteChain(r); }
void GCfreePath(_paths* p) { GCdeleteChain(p, [](_paths* e) { GCfreePoints(e->points); }); }
void GCfreePoly(_polys* p) { GCdeleteChain(p, [](_polys* e) { GCfreePoints(e->points); }); }
void GCfreeCircle(_circles* c) { GCdeleteChain(c); }
void GCfreeLabel(_labels* l) { GCdeleteChain(l, [](_labels* e) { GCstrfree(e->label); }); }

void GCfreeSymbol(_symbol* s) {
  if (!s) return;
  GCfreeRect(s->rect);
  GCfreePath(s->path);
  GCfreePoly(s->poly);
  GCfreeCircle(s->circle);
  GCfreeLabel(s->label);
  GCdelete(s);
}

void GCfreeInst(_instance* i) { GCdeleteChain(i); }

void GCfreeLayout(_layout* l) {
  GCdeleteChain(l, [](_layout* e) {
    for (_symbol*& s : e->symbol) GCfreeSymbol(s);
    GCfreeInst(e->instance);
  });
}

void GCfreePin(_pin* p) {
  GCdeleteChain(p, [](_pin* e) {
    GCstrfree(e->label);
    GCstrfree(e->layername);
  });
}

void GCfreeNameList(_DnameTable* n) { GCdeleteChain(n); }

_layout* GfindLayout(const char* name, _layout* list) {
  for (; list; list = list->next)
    if (strcmp(list->name, name) == 0) return list;
  return nullptr;
}

_layout* GCgetTopLayout(_layout* layout) {
  _layout* top = GfindLayout("CIRCUIT", layout);
  if (!top) {
    printf("DID NOT FIND TOP LAYOUT!!!!.. exiting\n");
    fflush(stdout);
    exit(1);
  }
  return top;
}

void GCemptyFrame(_box* frame) {
  frame->x1 = frame->y1 = GC_EMPTY_LOW;
  frame->x2 = frame->y2 = GC_EMPTY_HIGH;
}

bool GCframeEmpty(const _box& f) { return f.x1 > f.x2 || f.y1 > f.y2; }

_layout* GCnewLayout(const char* name) {
  _layout* l = GCnew<_layout>();
  snprintf(l->name, sizeof l->name, "%s", name);
  GCemptyFrame(&l->frame);
  return l;
}

void ACframe(long x, long y, _layout* layout) {
  _box& f = layout->frame;
  if (x < f.x1) f.x1 = x;
  if (x > f.x2) f.x2 = x;
  if (y < f.y1) f.y1 = y;
  if (y > f.y2) f.y2 = y;
}

_symbol* GCslot(_layout* cell, int layer, const char* layername) {
  _symbol*& s = cell->symbol[layer];
  if (!s) {
    s = GCnew<_symbol>();
    snprintf(s->layername, sizeof s->layername, "%s", layername ? layername : "");
  }
  return s;
}
