// Area enumeration in its fixed order: the bottom row right to left, then for
// each bottom-row tile the tiles above it that it owns, depth first, left to
// right. Other modules rely on this order.
#include <algorithm>
#include <cstddef>
#include <vector>

#include "cs/cs.h"
#include "cs/plane_internal.h"
#include "cs/side_scan.h"

namespace {
struct Appender {
  _Dtilelist* head = nullptr;
  _Dtilelist* tail = nullptr;
  short clear;
  bool operator()(_Dtile* t) {
    _Dtilelist* cell = TileToList(nullptr, t);
    if (tail) tail->next = cell; else head = cell;
    tail = cell;
    if (clear) t->processed = 0;
    return false;
  }
};

bool whollyInside(const _Dtile* t, long x1, long y1, long x2, long y2) {
  return t->x1 >= x1 && TileRight(t) <= x2 && t->y1 >= y1 && TileTop(t) <= y2;
}

// A tile above `t` belongs to t's batch when it starts over t, or when it
// starts left of the box and t is the tile on the box's left edge.
bool owns(const _Dtile* t, const _Dtile* n, long bx1) {
  return (n->x1 >= t->x1 && n->x1 < TileRight(t)) || (t->x1 <= bx1 && n->x1 < bx1);
}

// The work lists of a walk. Enumeration runs for every inserted rectangle,
// so they are kept between walks, one pair per nesting level (a visitor may
// start walks of its own).
struct WalkLists {
  std::vector<_Dtile*> row, stack;
};
constexpr int KEPT_LEVELS = 4;
WalkLists kept[KEPT_LEVELS];
int walkDepth = 0;

// Hands the tiles to `visit` in enumeration order; a visitor returning true
// ends the walk.
template <class Visit>
void walk(long x1, long y1, long x2, long y2, bool insideOnly, Visit& visit) {
  WalkLists own;
  WalkLists& lists = walkDepth < KEPT_LEVELS ? kept[walkDepth] : own;
  ++walkDepth;
  std::vector<_Dtile*>& row = lists.row;
  std::vector<_Dtile*>& stack = lists.stack;
  row.clear();
  stack.clear();
  // Nothing lies beyond the planes' edge: an area reaching past it (a view
  // zoomed far out) is cut to it rather than searched outside.
  x1 = std::clamp(x1, -GC_INFINITY, GC_INFINITY - 1), y1 = std::clamp(y1, -GC_INFINITY, GC_INFINITY - 1);
  x2 = std::clamp(x2, -GC_INFINITY + 1, GC_INFINITY), y2 = std::clamp(y2, -GC_INFINITY + 1, GC_INFINITY);
  // The bottom row is visited as it is found, so a visitor looking for the
  // first tile of a kind stops before the rest of a long row is walked.
  bool stop = false;
  _Dtile* t = PointFind(x2, y1);
  for (;;) {
    row.push_back(t);
    if ((stop = visit(t))) break;
    _Dtile* n = t->bl;
    if (!n || TileRight(n) <= x1) break;
    t = CSleftAt(t, y1);
  }
  // Depth-first walk with an explicit stack (columns may be very tall): the
  // top neighbours are met right to left, so pushing them in that order pops
  // the leftmost first. Only the top neighbours over the box are looked at:
  // the scan starts at the one over the box's right edge (or the tile's) and
  // ends at its left edge, so a rail under a small box costs no more than
  // the tiles over the box.
  for (std::size_t i = 0; !stop && i < row.size(); ++i) {
    _Dtile* r = row[i];
    if (TileTop(r) >= y2) continue;
    stack.push_back(r);
    bool first = true;
    while (!stop && !stack.empty()) {
      _Dtile* cur = stack.back();
      stack.pop_back();
      if (!first && (!insideOnly || whollyInside(cur, x1, y1, x2, y2))) stop = visit(cur);
      first = false;
      if (TileTop(cur) >= y2) continue;
      const long right = TileRight(cur);
      for (_Dtile* n = CStopAt(cur, right < x2 ? right : x2); n && TileRight(n) > cur->x1; n = n->bl) {
        if (TileRight(n) <= x1) break;
        if (owns(cur, n, x1)) stack.push_back(n);
      }
    }
  }
  --walkDepth;
}

void enumerate(long x1, long y1, long x2, long y2, _Dtilelist** list, short clear, bool insideOnly) {
  Appender out;
  out.clear = clear;
  walk(x1, y1, x2, y2, insideOnly, out);
  *list = out.head;
}
}  // namespace

void AreaEnum(long x1, long y1, long x2, long y2, _Dtilelist** list, short clear) {
  enumerate(x1, y1, x2, y2, list, clear, false);
}

void ExAreaEnum(long x1, long y1, long x2, long y2, _Dtilelist** list, short clear) {
  enumerate(x1, y1, x2, y2, list, clear, true);
}

void CSvisitArea(long x1, long y1, long x2, long y2, bool (*visit)(_Dtile*, void*), void* context) {
  auto call = [&](_Dtile* t) { return visit(t, context); };
  walk(x1, y1, x2, y2, false, call);
}

void cleanUp(_Dtilelist** list, _box* box) {
  *list = CSdropCells(*list, [box](_Dtile* t) { return !whollyInside(t, box->x1, box->y1, box->x2, box->y2); });
}

_Dtile* CSfirstSolid(long x1, long y1, long x2, long y2) {
  _Dtile* solid = nullptr;
  auto firstSolid = [&](_Dtile* t) {
    if (!TisSolid(t)) return false;
    solid = t;
    return true;
  };
  walk(x1, y1, x2, y2, false, firstSolid);
  return solid;
}
