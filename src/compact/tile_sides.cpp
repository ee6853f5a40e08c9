#include "compact/tile_sides.h"

#include <algorithm>
#include <unordered_map>
#include <utility>
#include <vector>

#include "compact/sweep.h"
#include "cs/cs.h"

namespace {

constexpr unsigned short kComputed = 0x100;

int planeSide(SWside side) {
  if (X_direction) {
    switch (side) {
      case SW_LEFT: return CS_SIDE_LEFT;
      case SW_RIGHT: return CS_SIDE_RIGHT;
      case SW_BOTTOM: return CS_SIDE_BOTTOM;
      case SW_TOP: return CS_SIDE_TOP;
    }
  }
  switch (side) {
    case SW_LEFT: return CS_SIDE_BOTTOM;
    case SW_RIGHT: return CS_SIDE_TOP;
    case SW_BOTTOM: return CS_SIDE_LEFT;
    case SW_TOP: return CS_SIDE_RIGHT;
  }
  return CS_SIDE_LEFT;
}

// Tile coordinates in the sweep's frame.
long sweepX1(const _Dtile* t) { return X_direction ? t->x1 : t->y1; }
long sweepY1(const _Dtile* t) { return X_direction ? t->y1 : t->x1; }
long sweepY2(const _Dtile* t) { return X_direction ? TileTop(t) : TileRight(t); }

_Dtile* tileOf(const box_item* box) { return box->origin->right_edge->mother_tile; }

// Bits: 2*side = some space there, 2*side+1 = some solid tile there.
unsigned short facts(box_item* box) {
  box_item* o = box->origin;
  if (o->sides & kComputed) return o->sides;
  unsigned short bits = kComputed;
  _Dtile* tile = tileOf(o);
  for (int s = SW_LEFT; s <= SW_TOP; ++s) {
    _Dtilelist* list = nullptr;
    Neighbor(tile, &list, planeSide(static_cast<SWside>(s)), 0);
    for (_Dtilelist* c = list; c; c = c->next)
      bits = static_cast<unsigned short>(bits | (1u << (2 * s + (TisSolid(c->tile) ? 1 : 0))));
    FreeList(list);
  }
  o->sides = bits;
  return bits;
}

// Solid neighbours of the sides that are partly solid, as sweep-y intervals in
// ascending order; filled when first asked, kept until SWforgetSides.
using Spans = std::vector<std::pair<long, long>>;
std::unordered_map<const box_item*, Spans> solidSpans[4];

const Spans& spansOf(box_item* o, SWside side) {
  auto [it, fresh] = solidSpans[side].try_emplace(o);
  if (!fresh) return it->second;
  _Dtilelist* list = nullptr;
  Neighbor(tileOf(o), &list, planeSide(side), 0);
  for (_Dtilelist* c = list; c; c = c->next)
    if (TisSolid(c->tile)) it->second.emplace_back(sweepY1(c->tile), sweepY2(c->tile));
  FreeList(list);
  std::sort(it->second.begin(), it->second.end());
  return it->second;
}

}  // namespace

bool SWfreeOver(box_item* box, SWside side, long lo, long hi) {
  const unsigned short bits = facts(box);
  if (!(bits & (1u << (2 * side + 1)))) return true;  // all space
  if (!(bits & (1u << (2 * side)))) return false;     // all solid
  const Spans& spans = spansOf(box->origin, side);
  // Neighbours do not overlap, so ends ascend with starts.
  auto it = std::upper_bound(spans.begin(), spans.end(), lo,
                             [](long v, const std::pair<long, long>& s) { return v < s.second; });
  return it == spans.end() || it->first >= hi;
}

bool SWspaceIn(box_item* box, SWside side, long lo, long hi) {
  const unsigned short bits = facts(box);
  if (!(bits & (1u << (2 * side)))) return false;     // all solid
  if (!(bits & (1u << (2 * side + 1)))) return true;  // all space
  const Spans& spans = spansOf(box->origin, side);
  long covered = lo;
  auto it = std::upper_bound(spans.begin(), spans.end(), lo,
                             [](long v, const std::pair<long, long>& s) { return v < s.second; });
  for (; it != spans.end() && covered < hi; ++it) {
    if (it->first > covered) return true;
    covered = it->second;
  }
  return covered < hi;
}

bool SWseeThrough(box_item* box) {
  const unsigned short bits = facts(box);
  const unsigned leftSpace = 1u << (2 * SW_LEFT), rightSpace = 1u << (2 * SW_RIGHT);
  if (!(bits & leftSpace) || !(bits & rightSpace)) return false;
  if (!(bits & (leftSpace << 1)) || !(bits & (rightSpace << 1))) return true;
  // Both sides mixed: look for a stretch that no solid neighbour of either covers.
  const Spans& l = spansOf(box->origin, SW_LEFT);
  const Spans& r = spansOf(box->origin, SW_RIGHT);
  long covered = box->origin->y1;
  size_t i = 0, j = 0;
  while (i < l.size() || j < r.size()) {
    const auto& next = j == r.size() || (i < l.size() && l[i].first <= r[j].first) ? l[i++] : r[j++];
    if (next.first > covered) return true;
    covered = std::max(covered, next.second);
  }
  return covered < box->origin->y2;
}

void SWforgetSides() {
  for (auto& m : solidSpans) m.clear();
}

bool SWvisible(box_item* box, SWside side) { return facts(box) & (1u << (2 * side)); }

bool SWfree(box_item* box, SWside side) { return !(facts(box) & (1u << (2 * side + 1))); }

bool SWbottomCorner(const box_item* box) {
  const _Dtile* t = tileOf(box);
  return t->lb && t->bl && !TisSolid(t->lb) && !TisSolid(t->bl);
}

bool SWtopCorner(const box_item* box) {
  _Dtile* tile = tileOf(box);
  bool corner = true;
  _Dtilelist* list = nullptr;
  Neighbor(tile, &list, planeSide(SW_TOP), 0);
  for (_Dtilelist* c = list; c && corner; c = c->next)
    if (TisSolid(c->tile) && sweepX1(c->tile) <= box->x1) corner = false;
  FreeList(list);
  list = nullptr;
  if (corner) {
    Neighbor(tile, &list, planeSide(SW_LEFT), 0);
    for (_Dtilelist* c = list; c && corner; c = c->next)
      if (TisSolid(c->tile) && sweepY2(c->tile) >= box->y2) corner = false;
    FreeList(list);
  }
  return corner;
}
