// Rows between shapes that compaction brings together although the input
// kept them apart: each direction's rows come from the input, so two blocks
// side by side can end up interleaved, a shape of one over a shape of the
// other, shorting them or breaking a spacing. After both directions are
// solved, every such pair gets the row of the direction the input kept it
// apart in, and the back end solves again. The input meets every such row,
// so the rows stay feasible.
#include <algorithm>
#include <vector>

#include "common/scale.h"
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
  long added = 0;
  std::vector<const Placed*> open;  // placed before, possibly within the widest rule to the right
  for (const Placed& q : placed) {
    open.erase(std::remove_if(open.begin(), open.end(), [&](const Placed* p) { return p->x2 + widest <= q.x1; }),
               open.end());
    for (const Placed* p : open) {
      long s;
      if (!apart(p->layer, q.layer, &s)) continue;
      if (gap(p->x1, p->x2, q.x1, q.x2) >= s || gap(p->y1, p->y2, q.y1, q.y2) >= s) continue;
      const box_item *a = p->box, *b = q.box;
      const long inX = gap(a->x1, a->x2, b->x1, b->x2), inY = gap(a->y1, a->y2, b->y1, b->y2);
      if (inX < s && inY < s) continue;  // as close in the input: a rule of their own holds them
      const int before = mps_column_num;
      if (inY >= s) {
        const box_item* lower = a->y2 <= b->y1 ? a : b;
        const box_item* upper = lower == a ? b : a;
        add_column_2(lower->top_edge, upper->bottom_edge, yeq, yrhs, s, 'G', 1, 1);
      } else {
        const box_item* left = a->x2 <= b->x1 ? a : b;
        const box_item* right = left == a ? b : a;
        add_column_2(left->right_edge, right->left_edge, xeq, xrhs, s, 'G', 1, 1);
      }
      added += mps_column_num != before;
    }
    open.push_back(&q);
  }
  return added;
}
