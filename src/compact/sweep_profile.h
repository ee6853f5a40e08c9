// The profile of the sweep: the pieces of right sides visible from the sweep
// line, kept per layer so that a rectangle only looks at layers it has a
// spacing rule with. Each layer holds its pieces three ways:
//   meet  (top y, bottom y)          -> pieces whose y-interval meets [lo, hi];
//   below (top y, 2*x - top y)       -> pieces wholly below lo inside the shade
//                                       of a lower-left corner: lo - top < 2 (xB - x);
//   above (bottom y, bottom y + 2*x) -> pieces wholly above hi inside the shade
//                                       of an upper-left corner: bottom - hi < 2 (xB - x).
// so each query reports only the pieces it asks for.
#pragma once
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
  struct Layer {
    RBt meet, below, above;
  };
  Layer layers_[kLayers];
};
