// Rows between shapes that compaction brings together although the input
// kept them apart: each direction's rows come from the input, so two blocks
// side by side can end up interleaved, a shape of one over a shape of the
// other, shorting them or breaking a spacing. After both directions are
// solved, every such pair gets the row of the direction the input kept it
// apart in, and the back end solves again. The input meets every such row,
// so the rows stay feasible.
#include <algorithm>
#include <unordered_map>
#include <vector>

#include "common/scale.h"
#include "cs/cs.h"
#include "compact/sweep.h"
#include "designrule/designrule.h"

namespace {

struct Placed {
  box_item* box;
  int layer;
  long x1, y1, x2, y2;  // in the result
};

// How far apart tiles of layers a and b must stay: their spacing rule, or,
// for a layer that must enclose the other but has no spacing rule with it
// (a select and a contact), not overlap (touching is allowed).
bool apart(int a, int b, long* s) {
  if (SPACING_VALID[a][b]) {
    *s = SPACING[a][b] * theGlobalScale;
    return true;
  }
  if (a != b && !SPACING_VALID[b][a] && (EXTENSION_VALID[a][b] || EXTENSION_VALID[b][a])) {
    *s = 0;
    return true;
  }
  return false;
}

// The gap between [a1, a2] and [b1, b2] (negative when they overlap).
long gap(long a1, long a2, long b1, long b2) { return std::max(b1 - a2, a1 - b2); }

bool sameNet(const box_item* a, const box_item* b) {
  const _Dtile* s = a->right_edge->mother_tile;
  const _Dtile* t = b->right_edge->mother_tile;
  return s && t && s->node > 0 && s->node == t->node;
}

// Two tiles break a spacing s when they face each other across a gap below
// it (their extents overlap along the other axis), or, for s = 0, overlap.
bool tooClose(long gapX, long gapY, long s) {
  if (s == 0) return gapX < 0 && gapY < 0;
  return (gapX < 0 && gapY < s) || (gapY < 0 && gapX < s);
}

// The row that keeps p and q apart where the result brings them closer than
// their rule and the input did not; 1 when it is a new row.
long keepApart(const Placed& p, const Placed& q, _adjacency_list** xeq, _rhs_list** xrhs, _adjacency_list** yeq,
               _rhs_list** yrhs) {
  long s;
  if (!apart(p.layer, q.layer, &s)) return 0;
  if (!tooClose(gap(p.x1, p.x2, q.x1, q.x2), gap(p.y1, p.y2, q.y1, q.y2), s)) return 0;
  const box_item *a = p.box, *b = q.box;
  if (p.layer == q.layer && sameNet(a, b)) return 0;  // tiles of one shape, or joined anyway
  const long inX = gap(a->x1, a->x2, b->x1, b->x2), inY = gap(a->y1, a->y2, b->y1, b->y2);
  // So in the input too (a rule of their own holds them), or corner to
  // corner there, closer than the spacing either way: no row the input
  // meets keeps them apart.
  if (tooClose(inX, inY, s) || std::max(inX, inY) < s) return 0;
  const int before = mps_column_num;
  if (inY >= inX) {
    const box_item* lower = a->y2 <= b->y1 ? a : b;
    const box_item* upper = lower == a ? b : a;
    add_column_2(lower->top_edge, upper->bottom_edge, yeq, yrhs, s, 'G', 1, 1);
  } else {
    const box_item* left = a->x2 <= b->x1 ? a : b;
    const box_item* right = left == a ? b : a;
    add_column_2(left->right_edge, right->left_edge, xeq, xrhs, s, 'G', 1, 1);
  }
  return mps_column_num != before;
}

}  // namespace

long SWnewNeighbourRows(const sweep_list& xq, const std::function<long(const _edge*)>& atX,
                        const std::function<long(const _edge*)>& atY, _adjacency_list** xeq, _rhs_list** xrhs,
                        _adjacency_list** yeq, _rhs_list** yrhs) {
  long widest = 0;
  for (int a = 0; a < DR_MAX_LAYERS; ++a)
    for (int b = 0; b < DR_MAX_LAYERS; ++b)
      if (SPACING_VALID[a][b]) widest = std::max<long>(widest, SPACING[a][b] * theGlobalScale);
  std::vector<Placed> placed;
  for (box_item* b : xq.rectangles()) {
    const int l = b->right_edge->layer_num;
    if (l < 0 || l >= DR_MAX_LAYERS || !b->bottom_edge || !b->top_edge) continue;
    placed.push_back(Placed{b, l, atX(b->left_edge), atY(b->bottom_edge), atX(b->right_edge), atY(b->top_edge)});
  }
  std::sort(placed.begin(), placed.end(), [](const Placed& p, const Placed& q) { return p.x1 < q.x1; });
  // The tiles placed before that may still lie within the widest rule to
  // the right, filed in bands across the y axis (a tile in every band its
  // reach meets); a band drops the tiles the sweep has passed as it is read.
  const long band = std::max(1L, 8 * widest);
  auto bandOf = [band](long y) { return y >= 0 ? y / band : -((-y + band - 1) / band); };
  std::unordered_map<long, std::vector<const Placed*>> open;
  long added = 0;
  for (const Placed& q : placed) {
    const long first = bandOf(q.y1 - widest), last = bandOf(q.y2 + widest);
    for (long k = first; k <= last; ++k) {
      auto found = open.find(k);
      if (found == open.end()) continue;
      std::vector<const Placed*>& list = found->second;
      for (size_t i = 0; i < list.size();) {
        const Placed* p = list[i];
        if (p->x2 + widest <= q.x1) {
          list[i] = list.back();
          list.pop_back();
          continue;
        }
        ++i;
        // A pair whose reaches share several bands is looked at in the first.
        if (k == std::max(first, bandOf(p->y1 - widest))) added += keepApart(*p, q, xeq, xrhs, yeq, yrhs);
      }
    }
    for (long k = first; k <= last; ++k) open[k].push_back(&q);
  }
  return added;
}
