#include "compact/enclosure_rows.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "common/scale.h"
#include "designrule/designrule.h"

namespace {

// One tile seen along the compaction direction: its two side variables,
// their positions, and its extent across the direction.
struct Span {
  _edge* low = nullptr;   // left (x) or bottom (y) side
  _edge* high = nullptr;  // right or top side
  long acrossLo = 0, acrossHi = 0;
  int layer = -1;
};

// An outer layer that must enclose `inner` and has no spacing rule with it.
bool needsClearance(int outer, int inner) {
  return outer != inner && EXTENSION_VALID[outer][inner] && !SPACING_VALID[outer][inner] &&
         !SPACING_VALID[inner][outer];
}

}  // namespace

void SWaddEnclosureRows(int xDirection, _rhs_list* rhs) {
  _adjacency_list** eq = xDirection ? equat_bucket : equat_bucket_y;
  if (!eq) return;
  // Tile sides only: symmetry axis variables have no tile.
  std::unordered_map<const _Dtile*, Span> byTile;
  const int columns = SWcolumns(xDirection);
  for (int k = 0; k < columns; ++k) {
    _edge* e = eq[k]->the_edge;
    if (!e || !e->mother_tile || e->layer_num < 0 || e->layer_num >= DR_MAX_LAYERS) continue;
    Span& s = byTile[e->mother_tile];
    (e->upward ? s.low : s.high) = e;
    s.layer = e->layer_num;
    s.acrossLo = std::min(e->p1->y, e->p2->y);
    s.acrossHi = std::max(e->p1->y, e->p2->y);
  }
  std::vector<const Span*> outer[DR_MAX_LAYERS];
  std::vector<const Span*> inner;
  bool isOuter[DR_MAX_LAYERS] = {}, isInner[DR_MAX_LAYERS] = {};
  for (int a = 0; a < DR_MAX_LAYERS; ++a)
    for (int l = 0; l < DR_MAX_LAYERS; ++l)
      if (a != l && EXTENSION_VALID[a][l]) isOuter[a] = isInner[l] = true;
  for (const auto& [tile, s] : byTile) {
    if (!s.low || !s.high) continue;
    if (isOuter[s.layer]) outer[s.layer].push_back(&s);
    if (isInner[s.layer]) inner.push_back(&s);
  }
  // Inner shapes (contacts) are small: sorted by their lower extent across
  // the direction, each outer shape finds those reaching its band by a
  // binary search and a short scan.
  auto byAcross = [](const Span* p, const Span* q) { return p->acrossLo < q->acrossLo; };
  std::sort(inner.begin(), inner.end(), byAcross);
  long tallestInner = 0;
  for (const Span* in : inner) tallestInner = std::max(tallestInner, in->acrossHi - in->acrossLo);

  _rhs_list* rows = rhs;
  std::vector<std::pair<long, const Span*>> before, after;  // by distance from the outer shape
  for (const auto& list : outer)
    for (const Span* out : list) {
      const long outLo = out->low->p1->x, outHi = out->high->p1->x;
      before.clear();
      after.clear();
      Span probe;
      probe.acrossLo = out->acrossLo - tallestInner;
      for (auto it = std::lower_bound(inner.begin(), inner.end(), &probe, byAcross);
           it != inner.end() && (*it)->acrossLo <= out->acrossHi; ++it) {
        const Span* in = *it;
        if (in->acrossHi < out->acrossLo || in->layer == out->layer || !EXTENSION_VALID[out->layer][in->layer])
          continue;
        const long inLo = in->low->p1->x, inHi = in->high->p1->x;
        if (outHi <= inLo || outLo >= inHi) {
          if (!needsClearance(out->layer, in->layer)) continue;
          if (outHi <= inLo)
            after.push_back({inLo - outHi, in});
          else
            before.push_back({outLo - inHi, in});
        } else if (out->acrossLo < in->acrossHi && out->acrossHi > in->acrossLo) {
          // Overlapping: the same rows as the sweep's enclosure (so a row it
          // stated is not stated twice), where the tile holds them.
          const long e = EXTENSION[out->layer][in->layer] * theGlobalScale;
          if (inLo - outLo >= e) add_column_2(out->low, in->low, eq, &rows, e, 'G', 1, 1);
          if (outHi - inHi >= e) add_column_2(in->high, out->high, eq, &rows, e, 'G', 1, 1);
        }
      }
      // Clearance from the nearest inner shapes of each layer on each side
      // only, wherever they are visible across the band (touching counts:
      // the side may not slide on); the ones of that layer behind them keep
      // their spacing from these.
      auto keepClear = [&](std::vector<std::pair<long, const Span*>>& side, bool right) {
        std::sort(side.begin(), side.end(), [](const auto& p, const auto& q) {
          return p.second->layer != q.second->layer ? p.second->layer < q.second->layer : p.first < q.first;
        });
        std::vector<std::pair<long, long>> seen;  // closed pieces of the band already hidden
        int layer = -1;
        for (const auto& [distance, in] : side) {
          if (in->layer != layer) {
            layer = in->layer;
            seen.clear();
          }
          const long lo = std::max(in->acrossLo, out->acrossLo), hi = std::min(in->acrossHi, out->acrossHi);
          bool hidden = false;
          for (const auto& [sLo, sHi] : seen) hidden = hidden || (sLo <= lo && hi <= sHi);
          if (hidden) continue;
          if (right)
            add_column_2(out->high, in->low, eq, &rows, 0, 'G', 1, 1);
          else
            add_column_2(in->high, out->low, eq, &rows, 0, 'G', 1, 1);
          seen.push_back({lo, hi});
          // Merge touching or overlapping pieces so that a band hidden by
          // several shapes counts as hidden.
          std::sort(seen.begin(), seen.end());
          std::vector<std::pair<long, long>> merged;
          for (const auto& piece : seen)
            if (!merged.empty() && piece.first <= merged.back().second)
              merged.back().second = std::max(merged.back().second, piece.second);
            else
              merged.push_back(piece);
          seen.swap(merged);
        }
      };
      keepClear(after, true);
      keepClear(before, false);
    }
}
