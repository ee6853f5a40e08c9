// Flattening in place: every cell called from the top is first flattened
// itself (depth first, each once), then copied into its caller through the
// instance's transformation. The walk keeps its own stack, so a deep hierarchy
// cannot exhaust the machine stack, and a cell that calls itself (directly or
// through others) is skipped at the call that closes the loop.
#include <algorithm>
#include <cstdio>
#include <string>
#include <unordered_map>
#include <vector>

#include "cifc/flatten.h"
#include "cifc/transform_affine.h"
#include "common/cputime.h"
#include "common/memory.h"
#include "common/message.h"
#include "techc/tech.h"

double GCflattenLimit = 64.0 * 1024 * 1024;

namespace {
using CellIndex = std::unordered_map<std::string, _layout*>;

// First cell of each name along `list`, as GfindLayout would find it.
CellIndex indexCells(_layout* list) {
  CellIndex index;
  for (; list; list = list->next) index.emplace(list->name, list);
  return index;
}

enum class Visit { fresh, active, done };

struct Walk {
  const CellIndex& cells;
  std::unordered_map<const _layout*, Visit> state;
  long missing = 0;
  long recursive = 0;

  // Post-order over the calls of `root`. For every instance, in list order, once the
  // called cell is done: arrive(cell, instance, called). After all instances of a
  // cell: leave(cell).
  template <class Arrive, class Leave>
  void run(_layout* root, Arrive arrive, Leave leave) {
    struct Frame {
      _layout* cell;
      _instance* at;
    };
    if (state[root] == Visit::done) return;
    std::vector<Frame> stack{{root, root->instance}};
    state[root] = Visit::active;
    while (!stack.empty()) {
      Frame& f = stack.back();
      if (!f.at) {
        _layout* cell = f.cell;
        stack.pop_back();
        state[cell] = Visit::done;
        leave(cell);
        continue;
      }
      _instance* inst = f.at;
      auto found = cells.find(inst->cellname);
      if (found == cells.end()) {
        ++missing;
        f.at = inst->next;
        continue;
      }
      _layout* called = found->second;
      Visit& v = state[called];
      if (v == Visit::fresh) {
        v = Visit::active;
        stack.push_back({called, called->instance});  // f is stale from here on
        continue;
      }
      if (v == Visit::active) {
        ++recursive;
      } else {
        arrive(f.cell, inst, called);
      }
      f.at = inst->next;
    }
  }
};

long slotElements(const _symbol* s) {
  long n = 0;
  for (const _rects* r = s->rect; r; r = r->next) ++n;
  for (const _paths* p = s->path; p; p = p->next) ++n;
  for (const _polys* p = s->poly; p; p = p->next) ++n;
  for (const _circles* c = s->circle; c; c = c->next) ++n;
  for (const _labels* l = s->label; l; l = l->next) ++n;
  return n;
}

// Technology slots of a cell, each slot number once.
template <class Fn>
void forEachSlot(_layout* cell, Fn fn) {
  unsigned long seen = 0;
  for (int i = 0; i < GlayerNum; ++i) {
    int l = Glayers[i].layer;
    if (l < 0 || l >= GC_MAX_SLOTS || (seen >> l & 1UL) || !cell->symbol[l]) continue;
    seen |= 1UL << l;
    fn(l, cell->symbol[l]);
  }
}

// Number of elements the flattened `top` would hold.
double flatSize(_layout* top, const CellIndex& cells) {
  std::unordered_map<const _layout*, double> size;
  Walk walk{cells, {}};
  walk.run(
      top, [&](_layout* cell, _instance*, _layout* called) { size[cell] += size[called]; },
      [&](_layout* cell) {
        forEachSlot(cell, [&](int, _symbol* s) { size[cell] += static_cast<double>(slotElements(s)); });
      });
  return size[top];
}

void extend(_box& f, long x, long y) {
  f.x1 = std::min(f.x1, x);
  f.y1 = std::min(f.y1, y);
  f.x2 = std::max(f.x2, x);
  f.y2 = std::max(f.y2, y);
}

// Rectangles store 32-bit corners; a transformation that carries one beyond
// them drops it (counted and reported once per flattening).
long outOfRange = 0;
bool fitsCoordinates(long x, long y) {
  constexpr long low = -2147483648L, high = 2147483647L;
  return x >= low && x <= high && y >= low && y <= high;
}

template <class Map>
void copyRects(const _rects* r, _symbol* dst, _box& frame, const Map& map) {
  _rects* head = dst->rect;
  for (; r; r = r->next) {
    long ax, ay, bx, by;
    map(r->x1, r->y1, ax, ay);
    map(r->x2, r->y2, bx, by);
    if (ax > bx) std::swap(ax, bx);
    if (ay > by) std::swap(ay, by);
    if (ax == bx || ay == by) continue;
    if (!fitsCoordinates(ax, ay) || !fitsCoordinates(bx, by)) {
      ++outOfRange;
      continue;
    }
    _rects* n = GCnew<_rects>();
    n->x1 = ax;
    n->y1 = ay;
    n->x2 = bx;
    n->y2 = by;
    n->next = head;
    head = n;
    extend(frame, ax, ay);
    extend(frame, bx, by);
  }
  dst->rect = head;
}

// Copies the layer slots of `cell` into `target` through `inst`'s steps.
void copyCell(_layout* target, const _instance* inst, _layout* cell) {
  GCaffine m;
  const bool exact = GCaffine::make(inst->opcode, inst->optimes, &m);
  auto map = [&](long x, long y, long& xo, long& yo) {
    if (exact) {
      xo = m.x(x, y);
      yo = m.y(x, y);
    } else {
      PointTrans(inst->opcode, inst->optimes, x, y, &xo, &yo);
    }
  };
  _box& frame = target->frame;
  // A point list moved by the call, its box added to the frame.
  auto movedPoints = [&](const _points* points) {
    _box b;
    _points* moved = PlistTrans(inst->opcode, inst->optimes, points, &b);
    if (!GCframeEmpty(b)) extend(frame, b.x1, b.y1), extend(frame, b.x2, b.y2);
    return moved;
  };
  forEachSlot(cell, [&](int layer, _symbol* src) {
    _symbol* dst = GCslot(target, layer, src->layername);
    snprintf(dst->layername, sizeof dst->layername, "%s", src->layername);
    if (exact)
      copyRects(src->rect, dst, frame, [&](long x, long y, long& xo, long& yo) {
        xo = m.x(x, y);
        yo = m.y(x, y);
      });
    else
      copyRects(src->rect, dst, frame, map);
    for (const _paths* p = src->path; p; p = p->next) {
      _paths* n = GCnew<_paths>();
      n->width = p->width;
      n->points = movedPoints(p->points);
      n->next = dst->path;
      dst->path = n;
    }
    for (const _polys* p = src->poly; p; p = p->next) {
      _polys* n = GCnew<_polys>();
      n->points = movedPoints(p->points);
      n->next = dst->poly;
      dst->poly = n;
    }
    for (const _circles* c = src->circle; c; c = c->next) {
      _circles* n = GCnew<_circles>();
      n->d = c->d;
      map(c->x, c->y, n->x, n->y);
      n->next = dst->circle;
      dst->circle = n;
      extend(frame, n->x + n->d, n->y + n->d);
      extend(frame, n->x - n->d, n->y - n->d);
    }
    for (const _labels* l = src->label; l; l = l->next) {
      _labels* n = GCnew<_labels>();
      std::string text = std::to_string(inst->no) + "_" + (l->label ? l->label : "");
      n->label = GCstrcpy(text.c_str());
      map(l->x, l->y, n->x, n->y);
      n->next = dst->label;
      dst->label = n;
      extend(frame, n->x, n->y);
    }
  });
}

void dropInstances(_layout* cell) {
  GCfreeInst(cell->instance);
  cell->instance = nullptr;
}

// Flattens `root` in place; reports skipped calls.
void flattenInPlace(_layout* root, const CellIndex& cells) {
  outOfRange = 0;
  Walk walk{cells, {}};
  walk.run(root, [](_layout* cell, _instance* inst, _layout* called) { copyCell(cell, inst, called); },
           dropInstances);
  if (walk.missing)
    GCmessage(GC_MOD_COMMON, 'W', "%ld calls of undefined cells are skipped", walk.missing);
  if (walk.recursive)
    GCmessage(GC_MOD_COMMON, 'W', "%ld recursive calls are skipped", walk.recursive);
  if (outOfRange)
    GCmessage(GC_MOD_COMMON, 'W', "%ld rectangles beyond the 32-bit coordinate range are skipped", outOfRange);
}
}  // namespace

void GCflattenLayout(_layout* top, _layout* list) { flattenInPlace(top, indexCells(list)); }

void GCflattenLayer(_layout* target, const _instance* instance, _layout* cell, _layout* list) {
  flattenInPlace(cell, indexCells(list));
  if (target != cell) copyCell(target, instance, cell);
}

int GCflatten() {
  if (!Gflatten && Gactive) {
    GCcpuTime(0, "GCflatten");
    _layout* top = GCgetTopLayout(Gactive);
    CellIndex cells = indexCells(Gsymbols);
    double size = flatSize(top, cells);
    if (size > GCflattenLimit) {
      GCcpuTime(1, "GCflatten");
      GCmessage(GC_MOD_COMMON, 'E', "The flattened layout would hold %.0f elements, more than %.0f",
                size, GCflattenLimit);
      return 0;
    }
    flattenInPlace(top, cells);
    Gflatten = top;
    GCcpuTime(1, "GCflatten");
  }
  if (Gflatten) {
    Glayout = Gflatten;
    GCmessage(GC_MOD_COMMON, 'M', "The layout is flattened");
    return 1;
  }
  return 0;
}

int GCunflatten() {
  if (!Gactive) {
    GCmessage(GC_MOD_COMMON, 'W', "No layout to unflatten");
    return 0;
  }
  Glayout = Gactive;
  GCmessage(GC_MOD_COMMON, 'M', "The layout is recovered");
  return 1;
}

int GCsmash() { return 1; }
