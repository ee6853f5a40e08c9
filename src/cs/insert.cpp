// Inserting a rectangle: free space becomes one new tile; where the rectangle
// covers a solid tile of another type the overlap becomes an element tile;
// where it covers its own type nothing changes.
#include <algorithm>

#include "common/memory.h"
#include "cs/cs.h"
#include "cs/plane_internal.h"

namespace {
_rects* newRect(long x1, long y1, long x2, long y2, _rects* next) {
  _rects* r = GCnew<_rects>();
  r->x1 = x1, r->y1 = y1, r->x2 = x2, r->y2 = y2, r->next = next;
  return r;
}
}  // namespace

void CSfreeRects(_rects* list) {
  while (list) {
    _rects* next = list->next;
    GCdelete(list);
    list = next;
  }
}

_rects* BoxMinus(long ax1, long ay1, long ax2, long ay2, long bx1, long by1, long bx2, long by2,
                 _box** overlap) {
  const long ix1 = std::max(ax1, bx1), iy1 = std::max(ay1, by1);
  const long ix2 = std::min(ax2, bx2), iy2 = std::min(ay2, by2);
  if (ix1 >= ix2 || iy1 >= iy2) {
    *overlap = nullptr;
    return newRect(ax1, ay1, ax2, ay2, nullptr);
  }
  _box* inter = GCnew<_box>();
  inter->x1 = ix1, inter->y1 = iy1, inter->x2 = ix2, inter->y2 = iy2;
  *overlap = inter;
  // Built back to front so the list reads below, left, right, above.
  _rects* pieces = nullptr;
  if (ay2 > iy2) pieces = newRect(ax1, iy2, ax2, ay2, pieces);
  if (ax2 > ix2) pieces = newRect(ix2, iy1, ax2, iy2, pieces);
  if (ax1 < ix1) pieces = newRect(ax1, iy1, ix1, iy2, pieces);
  if (ay1 < iy1) pieces = newRect(ax1, ay1, ax2, iy1, pieces);
  return pieces;
}

_Dtile* Put1BoxCS(_rects* rect, short type, int plane) {
  if (rect->x1 >= rect->x2 || rect->y1 >= rect->y2) return Stitch;
  _Dtile* solid = CSfirstSolid(rect->x1, rect->y1, rect->x2, rect->y2);
  if (!solid) {
    _Dtile* t = TileCreation(rect->x1, rect->y1, rect->x2, rect->y2, nullptr);
    t->type = static_cast<unsigned short>(type);
    TileSetLayer(t, &DlayerTile[plane]);
    t->passiveDev = false;
    t->activeDev = 0;
    return t;
  }
  _box* inter = nullptr;
  _rects* pieces = BoxMinus(rect->x1, rect->y1, rect->x2, rect->y2, solid->x1, solid->y1, TileRight(solid),
                            TileTop(solid), &inter);
  if (solid->type != static_cast<unsigned short>(type) && inter) {
    _Dtile* e = TileCreation(inter->x1, inter->y1, inter->x2, inter->y2, nullptr);
    e->type = static_cast<unsigned short>(CS_ELEMENT | type);
    TileSetLayer(e, &DlayerTile[plane]);
  }
  for (_rects* p = pieces; p; p = p->next) Stitch = Put1BoxCS(p, type, plane);
  CSfreeRects(pieces);
  GCdelete(inter);
  return Stitch;
}
