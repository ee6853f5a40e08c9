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
  // Scanned in order of their lower extent across the direction, so each
  // inner shape looks only at outer shapes that can reach its band.
  auto byAcross = [](const Span* p, const Span* q) { return p->acrossLo < q->acrossLo; };
  for (auto& list : outer) std::sort(list.begin(), list.end(), byAcross);
  std::sort(inner.begin(), inner.end(), byAcross);

  _rhs_list* rows = rhs;
  for (const Span* in : inner) {
    const long inLo = in->low->p1->x, inHi = in->high->p1->x;
    for (int a = 0; a < DR_MAX_LAYERS; ++a) {
      if (a == in->layer || !EXTENSION_VALID[a][in->layer]) continue;
      const bool clearance = needsClearance(a, in->layer);
      const long e = EXTENSION[a][in->layer] * theGlobalScale;
      for (const Span* out : outer[a]) {
        if (out->acrossLo > in->acrossHi) break;
        if (out->acrossHi < in->acrossLo) continue;
        const long outLo = out->low->p1->x, outHi = out->high->p1->x;
        if (clearance && outHi <= inLo) {
          // Facing across the direction (touching counts: it may not slide on).
          add_column_2(out->high, in->low, eq, &rows, 0, 'G', 1, 1);
        } else if (clearance && outLo >= inHi) {
          add_column_2(in->high, out->low, eq, &rows, 0, 'G', 1, 1);
        } else if (out->acrossLo < in->acrossHi && out->acrossHi > in->acrossLo && outLo < inHi && outHi > inLo) {
          // Overlapping: the same rows as the sweep's enclosure (so a row it
          // stated is not stated twice), where the tile holds them.
          if (inLo - outLo >= e) add_column_2(out->low, in->low, eq, &rows, e, 'G', 1, 1);
          if (outHi - inHi >= e) add_column_2(in->high, out->high, eq, &rows, e, 'G', 1, 1);
        }
      }
    }
  }
}
