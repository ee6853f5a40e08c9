// Generated transistor layouts loaded through the whole load (CIF, planes,
// extraction) for the symmetry tests, and an independent geometric model of
// the pairs they hold: gate rectangles (poly over active) of equal size with
// equal bottoms are mirror pairs about the truncated half-sum of the facing
// sides.
#pragma once
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "batch/batch_startup.h"
#include "common/switches.h"
#include "compact/resizer_stores.h"
#include "compact/sweep.h"
#include "compact/symmetry_detect.h"
#include "compact/symmetry_lists.h"
#include "cs/cs.h"
#include "extract/transistor.h"
#include "interface/accept.h"
#include "support/circuit_layouts.h"
#include "support/run_program.h"
#include "techc/tech.h"

inline constexpr long kUnitsPerLambda = CvLayout::kLambda * 4;  // a CIF unit is 4 internal units

// One NMOS transistor: gate `length` wide (x) over an active strip `width`
// high, 4 lambda of diffusion on either side.
inline void nmos(CvLayout& l, long x, long y, long width, long length) {
  l.box("CAA", x, y, x + 8 + length, y + width);
  l.box("CPG", x + 4, y - 2, x + 4 + length, y + width + 2);
  l.box("CSN", x - 1, y - 1, x + 9 + length, y + width + 1);
}

// The layout mirrored about x = 0, or turned a quarter counter-clockwise.
inline CvLayout mirrored(const CvLayout& in) {
  CvLayout out;
  for (const auto& r : in.rects) out.box(r.layer, -r.x2, r.y1, -r.x1, r.y2);
  return out;
}
inline CvLayout rotated(const CvLayout& in) {
  CvLayout out;
  for (const auto& r : in.rects) out.box(r.layer, -r.y2, r.x1, -r.y1, r.x2);
  return out;
}

struct GateRect {
  long x1, y1, x2, y2;  // internal units
  auto operator<=>(const GateRect&) const = default;
};
// left gate, right gate, axis
using Pair = std::tuple<GateRect, GateRect, long>;

// The model: gates are the overlaps of poly and active rectangles.
inline std::vector<GateRect> modelGates(const CvLayout& l) {
  std::vector<GateRect> gates;
  for (const auto& p : l.rects) {
    if (std::string(p.layer) != "CPG") continue;
    for (const auto& a : l.rects) {
      if (std::string(a.layer) != "CAA") continue;
      long x1 = std::max(p.x1, a.x1), x2 = std::min(p.x2, a.x2);
      long y1 = std::max(p.y1, a.y1), y2 = std::min(p.y2, a.y2);
      if (x1 < x2 && y1 < y2)
        gates.push_back({x1 * kUnitsPerLambda, y1 * kUnitsPerLambda, x2 * kUnitsPerLambda, y2 * kUnitsPerLambda});
    }
  }
  return gates;
}

inline std::set<Pair> modelPairs(const CvLayout& l) {
  std::vector<GateRect> g = modelGates(l);
  std::set<Pair> pairs;
  for (const GateRect& a : g)
    for (const GateRect& b : g) {
      if (a.x1 >= b.x1 || a.y1 != b.y1) continue;
      if (a.x2 - a.x1 != b.x2 - b.x1 || a.y2 - a.y1 != b.y2 - b.y1) continue;
      pairs.insert({a, b, static_cast<long>(std::trunc((a.x2 + b.x1) / 2.0))});
    }
  return pairs;
}

inline GateRect gateOf(const _Dtransistor* t) {
  const _Dtile* g = t->Tgate;
  return {g->x1, g->y1, TileRight(g), TileTop(g)};
}

// The pairs of all_sym_axes, and the axes' coordinates.
inline std::set<Pair> foundPairs(std::set<long>* axes = nullptr) {
  std::set<Pair> pairs;
  for (SYM_AXIS* a = all_sym_axes ? all_sym_axes->head : nullptr; a; a = a->next) {
    if (axes) axes->insert(a->one_axis->axis);
    for (SYM_EDGE_ITEM* i = a->one_axis->head; i; i = i->next)
      if (i->gate) pairs.insert({gateOf(i->left_transistor), gateOf(i->right_transistor), a->one_axis->axis});
  }
  return pairs;
}

class SymmetryTest : public ::testing::Test {
 protected:
  void SetUp() override { Silently = 1; }
  void TearDown() override {
    SYreset();
    init_staff();
  }
  // Loads the layout (planes and transistors) and scans the variables.
  void load(const CvLayout& layout, int transistors) {
    std::string path = CVscratchDir() + "/layout.cif";
    ASSERT_TRUE(layout.writeCif(path));
    BAstartup();
    CSreset();
    DExInit();
    testing::internal::CaptureStdout();
    DIacceptCB(12, path.c_str());
    ASSERT_EQ(TransNum, transistors) << testing::internal::GetCapturedStdout();
    init_staff();
    scan_toget_variables();
    output = testing::internal::GetCapturedStdout();
  }
  int detect() {
    testing::internal::CaptureStdout();
    int found = symmetry_detection_for_resizing();
    output = testing::internal::GetCapturedStdout();
    return found;
  }
  std::string output;
};
