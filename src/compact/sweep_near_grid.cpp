// The profile's near-piece grids: squares as wide as the far distance, each
// listing the pieces whose upper (or lower) end lies in it, so that a corner
// query with far pieces left out visits the squares next to the corner only.
#include <cstdint>

#include "compact/sweep_profile.h"

namespace {

long floorDiv(long a, long b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

}  // namespace

long long SweepProfile::square(long x, long y) const {
  const auto bx = static_cast<uint32_t>(floorDiv(x, cell_)), by = static_cast<uint32_t>(floorDiv(y, cell_));
  return static_cast<long long>((static_cast<uint64_t>(bx) << 32) | by);
}

void SweepProfile::gridInsert(Grid& g, box_item* p, long y, int slot) {
  std::vector<box_item*>& list = g[square(p->x2, y)];  // stays in place: a node of the map
  p->nearList[slot] = &list;
  p->nearSlot[slot] = static_cast<int>(list.size());
  list.push_back(p);
}

void SweepProfile::gridRemove(box_item* p, int slot) {
  std::vector<box_item*>* list = p->nearList[slot];
  if (!list) return;
  box_item* last = list->back();
  (*list)[static_cast<size_t>(p->nearSlot[slot])] = last;
  last->nearSlot[slot] = p->nearSlot[slot];
  list->pop_back();
  p->nearList[slot] = nullptr;
  p->nearSlot[slot] = -1;
}

template <class F>
void SweepProfile::gridVisit(const Grid& g, long x0, long x1, long y0, long y1, F f) const {
  if (g.empty()) return;
  for (long bx = floorDiv(x0, cell_); bx <= floorDiv(x1, cell_); ++bx)
    for (long by = floorDiv(y0, cell_); by <= floorDiv(y1, cell_); ++by) {
      auto it = g.find(square(bx * cell_, by * cell_));
      if (it == g.end()) continue;
      for (box_item* p : it->second) f(p);
    }
}

// Below: dy = lo - top < 2 dx with 0 < dx = x - piece x <= far, so the upper
// end lies in [x - far, x - 1] x [lo - 2 far, lo - 1].
void SweepProfile::nearShadeBelow(int layer, long x, long lo, long far, std::vector<point>& out) const {
  gridVisit(layers_[layer].byTop, x - far, x - 1, lo - 2 * far, lo - 1, [&](box_item* p) {
    const long dx = x - p->x2;
    if (dx > 0 && dx <= far && p->y2 <= lo - 1 && lo - p->y2 < 2 * dx) out.push_back(point{p->y2, 0, p, p->seq});
  });
}

void SweepProfile::nearShadeAbove(int layer, long x, long hi, long far, std::vector<point>& out) const {
  gridVisit(layers_[layer].byBottom, x - far, x - 1, hi + 1, hi + 2 * far, [&](box_item* p) {
    const long dx = x - p->x2;
    if (dx > 0 && dx <= far && p->y1 >= hi + 1 && p->y1 - hi < 2 * dx) out.push_back(point{p->y1, 0, p, p->seq});
  });
}
