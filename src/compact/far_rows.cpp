// The check of the spacing rows a sweep with far rows left out did not
// state. When the positions keep all of them, the least (and the
// greatest) solution of the rows stated is that of every row. First a quick
// check of more than those rows: every right side of a layer with a spacing
// rule towards B's layer lying beyond the far distance left of B must end at
// least the spacing left of B's left side. When that fails (a side above or
// below B that no row joins to it may well lie further right), the profile
// is swept once more without stating rows, and each row left out is checked
// as it is met (slower, as those rows grow faster than the layout); those
// the positions break are added, for the back end to solve again.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "common/scale.h"
#include "compact/sweep.h"
#include "compact/sweep_internal.h"
#include "compact/sweep_profile.h"
#include "designrule/designrule.h"

namespace {

struct Side {
  long x;    // the side's coordinate in the input
  long pos;  // where the solution puts it
};

// Per layer: right sides by input coordinate, with pos turned into the
// largest position of the sides up to each one.
using SidesByLayer = std::vector<std::vector<Side>>;

int layerOf(const box_item* b) { return b->right_edge ? b->right_edge->layer_num : -1; }

}  // namespace

std::vector<box_item*> sweep_list::rectangles() const {
  std::vector<box_item*> rects;
  rects.reserve(elems_.size() / 2);
  for (const sweep_elem* e : elems_)
    if (e->box && e->val == e->box->x1 && e->box->left_edge && e->box->right_edge) rects.push_back(e->box);
  std::sort(rects.begin(), rects.end());
  rects.erase(std::unique(rects.begin(), rects.end()), rects.end());
  return rects;
}

long sweep_list::farRowsHold(const std::function<long(const _edge*)>& at, _adjacency_list** eq, _rhs_list** rhs) {
  const std::vector<box_item*> rects = rectangles();

  SidesByLayer sides(DR_MAX_LAYERS);
  for (const box_item* r : rects) {
    const int l = layerOf(r);
    if (l >= 0 && l < DR_MAX_LAYERS) sides[static_cast<size_t>(l)].push_back(Side{r->x2, at(r->right_edge)});
  }
  for (std::vector<Side>& list : sides) {
    std::sort(list.begin(), list.end(), [](const Side& a, const Side& b) { return a.x < b.x; });
    for (size_t k = 1; k < list.size(); ++k) list[k].pos = std::max(list[k].pos, list[k - 1].pos);
  }

  const long far = SWfarDistance();
  for (const box_item* B : rects) {
    const int A = layerOf(B);
    if (!B->looks || A < 0 || A >= DR_MAX_LAYERS) continue;
    const long left = at(B->left_edge);
    for (int L = 0; L < DR_MAX_LAYERS; ++L) {
      const std::vector<Side>& list = sides[static_cast<size_t>(L)];
      if (!SPACING_VALID[A][L] || list.empty()) continue;
      // The sides with x < B.x1 - far: dx > far.
      const auto end = std::lower_bound(list.begin(), list.end(), B->x1 - far,
                                        [](const Side& s, long x) { return s.x < x; });
      if (end == list.begin()) continue;
      if ((end - 1)->pos > left - SPACING[A][L] * theGlobalScale) {
        printf("SWEEP: a far side may come too close: the rows left out are checked one by one\n");
        return farRowsHoldExactly(at, eq, rhs);
      }
    }
  }
  return 0;
}

long sweep_list::farRowsHoldExactly(const std::function<long(const _edge*)>& at, _adjacency_list** eq,
                                    _rhs_list** rhs) {
  long broken = 0;
  order();
  const long far = SWfarDistance();
  SweepProfile profile;
  std::vector<PROC_ITEM> items;
  std::vector<point> found;
  for (sweep_elem* e = head; e;) {
    const long val = e->val;
    items.clear();
    for (; e && e->val == val; e = e->next) items.push_back(PROC_ITEM{e->box, val, nullptr});
    SWorderGroup(items);
    for (PROC_ITEM& item : items) {
      box_item* B = item.box;
      if (item.step != B->x1) {
        SWshowRightSide(B, &profile);
        continue;
      }
      const int A = layerOf(B);
      if (!B->looks || A < 0 || A >= DR_MAX_LAYERS) continue;
      const long left = at(B->left_edge);
      for (int L = 0; L < DR_MAX_LAYERS; ++L) {
        if (!SPACING_VALID[A][L] || profile.empty(L)) continue;
        const long s = SPACING[A][L] * theGlobalScale;
        found.clear();
        if (B->looks & SW_LOOK_LEFT) {
          profile.meeting(L, B->y1, B->y2, found);
          found.erase(std::remove_if(found.begin(), found.end(),
                                     [&](const point& p) { return !SWstatesSideRow(B, p.the_box, &profile); }),
                      found.end());
        }
        SWcornerPieces(B, L, &profile, false, found);
        for (const point& p : found) {
          if (B->x1 - p.the_box->x2 <= far || at(p.the_box->right_edge) <= left - s) continue;
          // X(B.left) - X(P.right) >= s; a pair of sides that already
          // shares a row keeps that one, as it would with every row.
          const int before = mps_column_num;
          add_column_2(p.the_box->right_edge, B->left_edge, eq, rhs, s, 'G', 1, 1);
          broken += mps_column_num != before;
        }
      }
    }
  }
  return broken;
}
