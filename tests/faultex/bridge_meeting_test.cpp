// Diffusion pieces of different nets whose ranges just meet, with nothing
// between them: a defect bridges them, with the area of both pieces grown by
// half the defect size and intersected. The gap between them has no area in
// one axis; only material lying across the line where they meet (a gate)
// would suppress the bridge.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/defect_scale.h"
#include "fault_session.h"
#include "faultex/short_faults.h"

namespace {
struct GridRect {
  const char* layer;
  long x1, y1, x2, y2;  // grid units of 10 CIF numbers (one micron)
};

// Two NMOS transistors: the first's drain is x 8..11, y -10..6, the second's
// source x 16..19, y 6..22; their y ranges meet at 6 and nothing lies between.
// Everything else stays more than a defect's size apart.
const GridRect kPair[] = {
    {"CAA", 8, -30, 11, 6},  {"CPG", 4, -14, 15, -10}, {"CSN", 6, -32, 13, 8},
    {"CAA", 16, 6, 19, 40},  {"CPG", 12, 22, 23, 26},  {"CSN", 14, 4, 21, 42},
};

void loadGrid(bool transposed) {
  std::vector<GridRect> rects;
  for (const GridRect& g : kPair) rects.push_back(transposed ? GridRect{g.layer, g.y1, g.x1, g.y2, g.x2} : g);
  const std::string path = "meeting.cif";  // in the session's directory
  ASSERT_TRUE(CVwriteFile(path, CVcifBoxes(rects, "meeting", 10) + "E\n"));
  DIacceptCB(12, path.c_str());
  ASSERT_EQ(TransNum, 2);
}

// Exact bridge area of two rectangles for a square defect of side d: its
// centre must lie in both grown by d / 2.
long bridgeMicrons(const GridRect& a, const GridRect& b, long d) {
  const long h = d / 2;
  long w = std::min(a.x2, b.x2) - std::max(a.x1, b.x1) + 2 * h;
  long t = std::min(a.y2, b.y2) - std::max(a.y1, b.y1) + 2 * h;
  return w > 0 && t > 0 ? w * t : 0;
}
}  // namespace

TEST(BridgeMeeting, PiecesWhoseRangesJustMeetBridgeEitherWayRound) {
  startFaultSession();
  const long g = 40;  // layout units per grid unit
  const GridRect drain{"CAA", 8, -10, 11, 6}, source{"CAA", 16, 6, 19, 22};
  for (bool transposed : {false, true}) {
    loadGrid(transposed);
    auto at = [&](long x, long y) { return transposed ? netAt("CAA", y * g, x * g) : netAt("CAA", x * g, y * g); };
    const long a = at(9, 0), b = at(17, 10);
    ASSERT_TRUE(a > 0 && b > 0 && a != b);
    DIsetScaleValue(100);  // 10 microns
    ASSERT_EQ(DFexLayersS(), 1);
    std::map<std::set<long>, long> expected{{{a, b}, bridgeMicrons(drain, source, 10)}};
    EXPECT_EQ(readBridges("Bridges.flt"), expected) << (transposed ? "x ranges meet" : "y ranges meet");
    EXPECT_EQ(expected.begin()->second, 50);
  }
}
