#include "faultex/critical_plane.h"

#include "common/memory.h"
#include "common/scale.h"
#include "faultex/fault.h"

namespace {
_Dtile* firstCritical(const DFrect& r) {
  _Dtilelist* found = nullptr;
  AreaEnum(r.x1, r.y1, r.x2, r.y2, &found, 0);
  _Dtile* s = nullptr;
  for (_Dtilelist* c = found; c && !s; c = c->next)
    if (TisSolid(c->tile)) s = c->tile;
  FreeList(found);
  return s;
}

bool emptyPlane(const _Dtile* t) {
  return t && t->type == CS_SPACE && t->x1 == -GC_INFINITY && t->y1 == -GC_INFINITY &&
         TileRight(t) == GC_INFINITY && TileTop(t) == GC_INFINITY;
}
}  // namespace

_Dtile* DFputCritical(const DFrect& r, const DFcritKind& kind, const void* incoming, short flag) {
  if (r.x1 >= r.x2 || r.y1 >= r.y2) return Stitch;
  _Dtile* s = firstCritical(r);
  if (!s) {
    _Dtile* t = TileCreationWith(r.x1, r.y1, r.x2, r.y2, nullptr, &kind.carve);
    t->type = DF_CRITICAL;
    t->processed = flag;
    t->upper = static_cast<_Dtilelist*>(kind.fresh(incoming));
    return t;
  }
  _box* overlap = nullptr;
  _rects* pieces = BoxMinus(r.x1, r.y1, r.x2, r.y2, s->x1, s->y1, TileRight(s), TileTop(s), &overlap);
  if (overlap && !kind.same(s->upper, incoming)) {
    void* merged = kind.merge(s->upper, incoming);
    if (merged) {
      const short processed = static_cast<short>(flag | s->processed);
      _Dtile* t = TileCreationWith(overlap->x1, overlap->y1, overlap->x2, overlap->y2, nullptr, &kind.carve);
      if (t->upper && kind.release) kind.release(t->upper);
      t->type = DF_CRITICAL;
      t->processed = processed;
      t->upper = static_cast<_Dtilelist*>(merged);
    }
  }
  for (_rects* p = pieces; p; p = p->next) Stitch = DFputCritical({p->x1, p->y1, p->x2, p->y2}, kind, incoming, flag);
  CSfreeRects(pieces);
  GCdelete(overlap);
  return Stitch;
}

_Dtilelist* DFcriticalTiles(int plane) {
  _Dtile* entry = DlayerTile[plane].crittile;
  if (!entry || emptyPlane(entry)) return nullptr;
  Stitch = entry;
  _Dtilelist* all = nullptr;
  AreaEnum(-GC_INFINITY, -GC_INFINITY, GC_INFINITY, GC_INFINITY, &all, 0);
  DlayerTile[plane].crittile = Stitch;
  CSlistBuilder crit;
  for (_Dtilelist* c = all; c; c = c->next)
    if (DFisCritical(c->tile)) crit.append(c->tile);
  FreeList(all);
  return crit.head;
}

void DFemptyCritical(int plane, void (*release)(void* record)) {
  _Dtile* entry = DlayerTile[plane].crittile;
  if (!entry || emptyPlane(entry)) return;
  Stitch = entry;
  _Dtilelist* all = nullptr;
  AreaEnum(-GC_INFINITY, -GC_INFINITY, GC_INFINITY, GC_INFINITY, &all, 0);
  for (_Dtilelist* c = all; c; c = c->next) {
    if (c->tile->upper && release) release(c->tile->upper);
    FreeTile(c->tile);
  }
  FreeList(all);
  Stitch = nullptr;
  DCcleanPlane(static_cast<short>(plane));
}
