// Transistor widths and lengths: the gate tile (activeDev 1) and the gate-layer
// tile over it (activeDev 3), marked as extraction marks them.
#include "compact/sweep_fixture.h"

namespace {

// A horizontal transistor: source, gate and drain tiles in the active plane,
// the poly line as end cap, tile over the gate, end cap.
std::vector<Rect> transistor() {
  return {{CAA, 0, 0, 4, 6}, {CAA, 4, 0, 6, 6}, {CAA, 6, 0, 10, 6},
          {CPG, 4, -2, 6, 0}, {CPG, 4, 0, 6, 6}, {CPG, 4, 6, 6, 8}};
}

TEST_F(SweepTest, GateUsesTransistorWidthAcrossAndLengthAlong) {
  auto t = build(transistor());
  t[1]->activeDev = 1;  // gate
  t[4]->activeDev = 3;  // poly over the gate
  t[0]->activeDev = t[2]->activeDev = 2;
  run();
  // Gate tile: in x it touches source and drain (>= 0), in y both sides see
  // space (transistor width). Poly over the gate: free in x (transistor
  // length), in y between its end caps (>= 0). The source keeps the active width.
  const struct { int tile; char high, low; long value; } widths[] = {
      {1, 'r', 'l', 0}, {1, 't', 'b', 3}, {4, 'r', 'l', 1}, {4, 't', 'b', 0}, {0, 'r', 'l', 3}};
  for (const auto& w : widths) {
    auto row = rowsBetween(side(t[w.tile], w.high), side(t[w.tile], w.low));
    ASSERT_EQ(row.size(), 1u) << w.tile << w.high;
    EXPECT_EQ(row[0].value, w.value * LAMBDA) << w.tile << w.high;
  }
  // The extensions of active beyond poly and of poly beyond active belong to
  // the source, drain and end caps: no row joins the two gate tiles, all hold.
  EXPECT_TRUE(violated().empty()) << describeAll(violated());
  for (const Row& r : rows) {
    bool gate = false, over = false;
    for (auto& [c, e] : r.terms) {
      gate = gate || e->mother_tile == t[1];
      over = over || e->mother_tile == t[4];
    }
    EXPECT_FALSE(gate && over) << describe(r);
  }
}

}  // namespace
