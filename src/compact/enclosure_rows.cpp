#include "compact/enclosure_rows.h"

#include <algorithm>
#include <map>
#include <tuple>
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

struct InnerFile {
  long acrossLo = 0, acrossHi = 0;
  int layer = -1;
  std::vector<const Span*> members;  // along the direction
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
  // A tile's two sides are neighbouring columns (symmetry axis variables,
  // which have no tile, come after them).
  std::vector<Span> spans;
  const int columns = SWcolumns(xDirection);
  spans.reserve(static_cast<size_t>(columns) / 2);
  for (int k = 0; k + 1 < columns;) {
    _edge* e = eq[k]->the_edge;
    _edge* f = eq[k + 1]->the_edge;
    if (!e || !f || !e->mother_tile || e->mother_tile != f->mother_tile || e->upward == f->upward ||
        e->layer_num < 0 || e->layer_num >= DR_MAX_LAYERS) {
      ++k;
      continue;
    }
    Span s;
    s.low = e->upward ? e : f;
    s.high = e->upward ? f : e;
    s.layer = e->layer_num;
    s.acrossLo = std::min(e->p1->y, e->p2->y);
    s.acrossHi = std::max(e->p1->y, e->p2->y);
    spans.push_back(s);
    k += 2;
  }
  std::vector<const Span*> outer[DR_MAX_LAYERS];
  bool isOuter[DR_MAX_LAYERS] = {}, isInner[DR_MAX_LAYERS] = {};
  for (int a = 0; a < DR_MAX_LAYERS; ++a)
    for (int l = 0; l < DR_MAX_LAYERS; ++l)
      if (a != l && EXTENSION_VALID[a][l]) isOuter[a] = isInner[l] = true;
  // Inner shapes (contacts) with the same layer and extent across the
  // direction form a file along it (a column of an array): of a file only
  // the nearest one on each side of an outer shape can be seen from it, and
  // only a short run of it can overlap it.
  std::map<std::tuple<long, long, int>, InnerFile> files;
  for (const Span& s : spans) {
    if (isOuter[s.layer]) outer[s.layer].push_back(&s);
    if (isInner[s.layer]) files[{s.acrossLo, s.acrossHi, s.layer}].members.push_back(&s);
  }
  std::vector<InnerFile*> inner;
  long tallestInner = 0;
  for (auto& [key, file] : files) {
    std::sort(file.members.begin(), file.members.end(),
              [](const Span* p, const Span* q) { return p->low->p1->x < q->low->p1->x; });
    file.acrossLo = std::get<0>(key);
    file.acrossHi = std::get<1>(key);
    file.layer = std::get<2>(key);
    inner.push_back(&file);  // in ascending acrossLo: the map's order
    tallestInner = std::max(tallestInner, file.acrossHi - file.acrossLo);
  }

  _rhs_list* rows = rhs;
  std::vector<std::pair<long, const Span*>> before, after;  // by distance from the outer shape
  for (const auto& list : outer)
    for (const Span* out : list) {
      const long outLo = out->low->p1->x, outHi = out->high->p1->x;
      before.clear();
      after.clear();
      auto from = std::lower_bound(inner.begin(), inner.end(), out->acrossLo - tallestInner,
                                   [](const InnerFile* f, long lo) { return f->acrossLo < lo; });
      for (auto it = from; it != inner.end() && (*it)->acrossLo <= out->acrossHi; ++it) {
        const InnerFile& file = **it;
        if (file.acrossHi < out->acrossLo || file.layer == out->layer || !EXTENSION_VALID[out->layer][file.layer])
          continue;
        const std::vector<const Span*>& m = file.members;
        // The first member ending after outLo; members from there on that
        // start before outHi overlap the outer shape along the direction.
        auto first = std::partition_point(m.begin(), m.end(), [&](const Span* in) { return in->high->p1->x <= outLo; });
        if (needsClearance(out->layer, file.layer)) {
          if (first != m.begin()) before.push_back({outLo - (*(first - 1))->high->p1->x, *(first - 1)});
          auto next = std::partition_point(first, m.end(), [&](const Span* in) { return in->low->p1->x < outHi; });
          if (next != m.end()) after.push_back({(*next)->low->p1->x - outHi, *next});
        }
        if (!(out->acrossLo < file.acrossHi && out->acrossHi > file.acrossLo)) continue;
        for (auto k = first; k != m.end() && (*k)->low->p1->x < outHi; ++k) {
          // Overlapping: the same rows as the sweep's enclosure (so a row it
          // stated is not stated twice), where the tile holds them.
          const Span* in = *k;
          const long inLo = in->low->p1->x, inHi = in->high->p1->x;
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
