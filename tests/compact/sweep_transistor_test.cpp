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
  for (int i = 0; i < 6; ++i) {
    ASSERT_EQ(t[i]->x1, transistor()[i].x1 * LAMBDA) << i;
    ASSERT_EQ(TileTop(t[i]), transistor()[i].y2 * LAMBDA) << i;
  }
  t[1]->activeDev = 1;  // gate
  t[4]->activeDev = 3;  // poly over the gate
  t[0]->activeDev = t[2]->activeDev = 2;
  run();
  // Gate tile: in x its sides touch source and drain (not visible): width >= 0;
  // in y both sides see space: the transistor width.
  auto gx = rowsBetween(side(t[1], 'r'), side(t[1], 'l'));
  ASSERT_EQ(gx.size(), 1u);
  EXPECT_EQ(gx[0].value, 0);
  auto gy = rowsBetween(side(t[1], 't'), side(t[1], 'b'));
  ASSERT_EQ(gy.size(), 1u);
  EXPECT_EQ(gy[0].value, 3 * LAMBDA);
  // Poly over the gate: free left and right in x: the transistor length;
  // in y it sits between its end caps: width >= 0.
  auto px = rowsBetween(side(t[4], 'r'), side(t[4], 'l'));
  ASSERT_EQ(px.size(), 1u);
  EXPECT_EQ(px[0].value, 1 * LAMBDA);
  auto py = rowsBetween(side(t[4], 't'), side(t[4], 'b'));
  ASSERT_EQ(py.size(), 1u);
  EXPECT_EQ(py[0].value, 0);
  // Source and drain keep their ordinary active width.
  EXPECT_EQ(rowsBetween(side(t[0], 'r'), side(t[0], 'l'))[0].value, 3 * LAMBDA);
}

TEST_F(SweepTest, GateTilesOfTheTwoPlanesStateNoEnclosureOnEachOther) {
  // The gate tile and the gate-layer tile over it share their extent; the
  // extensions of active beyond poly and of poly beyond active belong to the
  // source, drain and end caps, so no row joins the two and every row holds.
  auto t = build(transistor());
  t[1]->activeDev = 1;
  t[4]->activeDev = 3;
  run();
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
