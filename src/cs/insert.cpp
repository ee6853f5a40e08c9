// Inserting a rectangle: free space becomes one new tile; where the rectangle
// covers a solid tile of another type the overlap becomes an element tile;
// where it covers its own type nothing changes.
#include <algorithm>
#include <cstddef>
#include <vector>

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

// The pieces left after each solid tile are laid in depth first, each before
// the next piece of its parent, with a stack of its own: a rail laid over a
// long row of straps is cut once per strap, too deep for recursion.
_Dtile* Put1BoxCS(_rects* rect, short type, int plane) {
  struct Box {
    long x1, y1, x2, y2;
  };
  std::vector<Box> todo{{rect->x1, rect->y1, rect->x2, rect->y2}};
  while (!todo.empty()) {
    const Box b = todo.back();
    todo.pop_back();
    if (b.x1 >= b.x2 || b.y1 >= b.y2) continue;
    _Dtile* solid = CSfirstSolid(b.x1, b.y1, b.x2, b.y2);
    if (!solid) {
      _Dtile* t = TileCreation(b.x1, b.y1, b.x2, b.y2, nullptr);
      t->type = static_cast<unsigned short>(type);
      TileSetLayer(t, &DlayerTile[plane]);
      t->passiveDev = false;
      t->activeDev = 0;
      continue;
    }
    _box* inter = nullptr;
    _rects* pieces = BoxMinus(b.x1, b.y1, b.x2, b.y2, solid->x1, solid->y1, TileRight(solid), TileTop(solid), &inter);
    if (solid->type != static_cast<unsigned short>(type) && inter) {
      _Dtile* e = TileCreation(inter->x1, inter->y1, inter->x2, inter->y2, nullptr);
      e->type = static_cast<unsigned short>(CS_ELEMENT | type);
      TileSetLayer(e, &DlayerTile[plane]);
    }
    const std::size_t mark = todo.size();
    for (_rects* p = pieces; p; p = p->next) todo.push_back({p->x1, p->y1, p->x2, p->y2});
    std::reverse(todo.begin() + static_cast<std::ptrdiff_t>(mark), todo.end());
    CSfreeRects(pieces);
    GCdelete(inter);
  }
  return Stitch;
}
