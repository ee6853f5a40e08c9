#include "faultex/critical_area.h"

#include <algorithm>

#include "common/memory.h"

namespace {
// The gap between two ranges, or their common part when they overlap: from
// the smaller to the larger of max(lows) and min(highs).
void between(long a1, long a2, long b1, long b2, long* lo, long* hi) {
  long m = std::max(a1, b1), n = std::min(a2, b2);
  *lo = std::min(m, n);
  *hi = std::max(m, n);
}

bool holdsSpace(_Dtile* inPlane, long x1, long y1, long x2, long y2) {
  if (x1 >= x2 || y1 >= y2) return false;
  Stitch = inPlane;
  _Dtilelist* found = nullptr;
  AreaEnum(x1, y1, x2, y2, &found, 0);
  bool space = false;
  for (_Dtilelist* c = found; c && !space; c = c->next) space = !TisSolid(c->tile);
  FreeList(found);
  return space;
}
}  // namespace

_box* DFnewBox(long x1, long y1, long x2, long y2) {
  _box* b = GCnew<_box>();
  b->x1 = x1, b->y1 = y1, b->x2 = x2, b->y2 = y2;
  return b;
}

bool DFvertPosition(_Dtile* a, _Dtile* b) {
  return std::max(a->x1, b->x1) < std::min(TileRight(a), TileRight(b));
}

_box* DFcrtArea(_Dtile* a, _Dtile* b, _Dtile* k, long d) {
  DFrect ra = DFtileRect(a), rb = DFtileRect(b);
  if (k && !DFvertPosition(a, b)) {
    rb.y1 = std::max<long>(rb.y1, k->y1);
    rb.y2 = std::min(rb.y2, TileTop(k));
  }
  if (a->type == DlayerTile[0].layer) {
    long gx1, gx2, gy1, gy2;
    between(ra.x1, ra.x2, rb.x1, rb.x2, &gx1, &gx2);
    between(ra.y1, ra.y2, rb.y1, rb.y2, &gy1, &gy2);
    // Ranges that just meet leave a gap of no area: the line between the
    // pieces is looked at one unit to either side, so that only material
    // lying across it (a gate between source and drain) suppresses the bridge.
    if (gx1 == gx2) --gx1, ++gx2;
    if (gy1 == gy2) --gy1, ++gy2;
    if (!holdsSpace(a, gx1, gy1, gx2, gy2)) return nullptr;
  }
  const long h = d / 2;
  long x1 = std::max(ra.x1, rb.x1) - h, x2 = std::min(ra.x2, rb.x2) + h;
  long y1 = std::max(ra.y1, rb.y1) - h, y2 = std::min(ra.y2, rb.y2) + h;
  if (x1 >= x2 || y1 >= y2) return nullptr;
  return DFnewBox(x1, y1, x2, y2);
}

_box* DFcrtOverlap(_Dtile* a, _Dtile* b) {
  long x1 = std::max(a->x1, b->x1), x2 = std::min(TileRight(a), TileRight(b));
  long y1 = std::max(a->y1, b->y1), y2 = std::min(TileTop(a), TileTop(b));
  if (x1 >= x2 || y1 >= y2) return nullptr;
  return DFnewBox(x1, y1, x2, y2);
}

_box* DFcrossTalk(_Dtile* a, _Dtile* b) {
  long ax1 = a->x1, ax2 = TileRight(a), ay1 = a->y1, ay2 = TileTop(a);
  long bx1 = b->x1, bx2 = TileRight(b), by1 = b->y1, by2 = TileTop(b);
  long cx1 = std::max(ax1, bx1), cx2 = std::min(ax2, bx2);
  long cy1 = std::max(ay1, by1), cy2 = std::min(ay2, by2);
  if (cx1 < cx2 && cy2 < cy1) return DFnewBox(cx1, cy2, cx2, cy1);  // one above the other
  if (cy1 < cy2 && cx2 < cx1) return DFnewBox(cx2, cy1, cx1, cy2);  // side by side
  return nullptr;
}

bool DFspaceTinArea(const _box* box, long net, _Dtile** tile) {
  if (tile) *tile = nullptr;
  if (box->x1 >= box->x2 || box->y1 >= box->y2) return false;
  _Dtilelist* found = nullptr;
  AreaEnum(box->x1, box->y1, box->x2, box->y2, &found, 0);
  bool other = false;
  for (_Dtilelist* c = found; c && !other; c = c->next) {
    _Dtile* t = c->tile;
    if (!TisSolid(t) || t->node != net) {
      other = true;
      if (tile) *tile = t;
    }
  }
  FreeList(found);
  return other;
}
