// The profile of the sweep: the pieces of right sides visible from the sweep
// line, kept per layer so that a rectangle only looks at layers it has a
// spacing rule with. Each layer holds its pieces three ways:
//   meet  (top y, bottom y)          -> pieces whose y-interval meets [lo, hi];
//   below (top y, 2*x - top y)       -> pieces wholly below lo inside the shade
//                                       of a lower-left corner: lo - top < 2 (xB - x);
//   above (bottom y, bottom y + 2*x) -> pieces wholly above hi inside the shade
//                                       of an upper-left corner: bottom - hi < 2 (xB - x).
// so each query reports only the pieces it asks for. With far rows left
// out, two grids of squares as wide as the far distance take the place of
// the shade trees, holding the pieces by their upper and by their lower end,
// so that a corner query looks only at the few squares next to the corner.
#pragma once
#include <unordered_map>
#include <vector>

#include "compact/priority_search_tree.h"
#include "compact/sweep.h"

class SweepProfile {
 public:
  static constexpr int kLayers = 32;

  // A piece: a pseudo rectangle with the side as right edge, x1 = x2 = the side's x.
  void insert(box_item* piece);
  void remove(box_item* piece);
  bool empty(int layer) const { return layers_[layer].meet.treesize == 0; }

  // Keeps the pieces in near-piece grids with squares of `cell` instead of
  // the shade trees (before the first insert).
  void useNearGrids(long cell) { cell_ = cell; }
  long nearCell() const { return cell_; }
  // Pieces wholly below lo within `far` left of x, inside the shade of the
  // lower-left corner at (x, lo); and above hi likewise.
  void nearShadeBelow(int layer, long x, long lo, long far, std::vector<point>& out) const;
  void nearShadeAbove(int layer, long x, long hi, long far, std::vector<point>& out) const;

  void meeting(int layer, long lo, long hi, std::vector<point>& out) {
    layers_[layer].meet.EnumerateRectangle(lo, SW_INFINITY, hi, out);
  }
  // Pieces wholly below lo whose integer quotient (lo - top) / (x - piece x) is below 2.
  void shadeBelow(int layer, long x, long lo, std::vector<point>& out) {
    layers_[layer].below.EnumerateRectangle(SW_MINUS_INFINITY * 4, lo - 1, 2 * x - lo - 1, out);
  }
  // Pieces wholly above hi whose integer quotient (bottom - hi) / (x - piece x) is below 2.
  void shadeAbove(int layer, long x, long hi, std::vector<point>& out) {
    layers_[layer].above.EnumerateRectangle(hi + 1, SW_INFINITY * 4, hi + 2 * x - 1, out);
  }

 private:
  using Grid = std::unordered_map<long long, std::vector<box_item*>>;
  struct Layer {
    RBt meet, below, above;
    Grid byTop, byBottom;  // near-piece grids, by (x, top) and (x, bottom)
  };
  long long square(long x, long y) const;
  void gridInsert(Grid& g, box_item* p, long y, int slot);
  static void gridRemove(box_item* p, int slot);
  // Calls f(piece) for the pieces of g in the squares over [x0, x1] x [y0, y1].
  template <class F>
  void gridVisit(const Grid& g, long x0, long x1, long y0, long y1, F f) const;

  Layer layers_[kLayers];
  long cell_ = 0;  // 0: no near-piece grids
};
