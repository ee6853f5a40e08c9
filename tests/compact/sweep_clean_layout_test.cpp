// Rows against the input geometry: a layout drawn to the default rules
// satisfies every row; one deliberate violation of width, spacing or
// enclosure violates exactly the rows of that rule between those edges.
#include "compact/sweep_fixture.h"

namespace {

// Two active regions with contacts under metal, inside an n-well, then a poly
// line and a poly pad with its contact and metal, all on the default rules
// (grid units; widths, spacings and enclosures at or above the minimum).
std::vector<Rect> cleanLayout() {
  return {
      {CWN, -4, -4, 25, 10},                                               // well around both actives
      {CAA, 0, 0, 12, 6},     {CAA, 15, 0, 21, 6},                         // actives, 3 apart
      {CCA, 2, 2, 4, 4},      {CCA, 9, 2, 11, 4},   {CCA, 17, 2, 19, 4},   // contacts
      {CMF, 1, 1, 5, 5},      {CMF, 8, 1, 12, 5},   {CMF, 16, 1, 20, 5},   // metal over contacts
      {CPG, 30, 0, 32, 20},                                                // poly line
      {CPG, 36, 0, 40, 4},    {CCP, 37, 1, 39, 3},  {CMF, 36, 0, 40, 4},   // poly pad, contact, metal
      {CMF, 45, 0, 48, 20},   {CMF, 51, 0, 54, 20},                        // two metal lines, 3 apart
  };
}

TEST_F(SweepTest, CleanLayoutSatisfiesEveryRow) {
  build(cleanLayout());
  run();
  EXPECT_GT(rows.size(), 60u);
  auto bad = violated();
  EXPECT_TRUE(bad.empty()) << describeAll(bad);
  // Every kind of row is present: widths, spacings, enclosures and equalities.
  int ge = 0, eq = 0;
  for (const Row& r : rows) (r.type == 'G' ? ge : eq) += 1;
  EXPECT_GT(ge, 0);
  int enclosed = 0;
  for (int k = 0; k < SWcolumns(1); ++k) enclosed += equat_bucket[k]->alpha == 10000;
  EXPECT_GT(enclosed, 0);
}

TEST_F(SweepTest, CleanShapesCutIntoSeveralTilesSatisfyEveryRow) {
  // Overlapping rectangles of one layer, each shape clean as a whole; the
  // plane cuts the later rectangle around the earlier one, leaving slivers,
  // short strips and pieces that touch over less than the width.
  const std::vector<Rect> shapes = {
      {CMF, 0, 0, 10, 10},    {CMF, 5, 1, 15, 11},                           // offset squares
      {CMF, 30, 0, 40, 3},    {CMF, 38, 0, 41, 10},                          // L with a sliver
      {CMF, 60, 0, 70, 10},   {CMF, 69, 5, 80, 15},                          // pieces touching over 1
      {CMF, 101, 0, 105, 12}, {CMF, 96, -6, 120, 2},  {CCA, 102, 1, 104, 3},  // contact across strap and rail
      {CPG, 140, 0, 142, 20}, {CPG, 138, 8, 142, 12}, {CCP, 139, 9, 141, 11}, // contact across pad and line
  };
  for (bool reversed : {false, true}) {
    SetUp();
    build(reversed ? std::vector<Rect>(shapes.rbegin(), shapes.rend()) : shapes);
    run();
    EXPECT_GT(num_of_var / 2, static_cast<int>(shapes.size())) << "some shape is cut";
    auto bad = violated();
    EXPECT_TRUE(bad.empty()) << (reversed ? "reversed\n" : "") << describeAll(bad);
    TearDown();
  }
}

TEST_F(SweepTest, NarrowLineViolatesOnlyItsWidthRow) {
  auto layout = cleanLayout();
  layout[13] = {CMF, 45, 0, 47, 20};  // 2 wide, rule 3
  auto t = build(layout);
  run();
  auto bad = violated();
  ASSERT_EQ(bad.size(), 1u) << describeAll(bad);
  EXPECT_TRUE(bad[0].x);
  EXPECT_TRUE(isRow(bad[0], side(t[13], 'r'), side(t[13], 'l')));
  EXPECT_EQ(bad[0].value, 3 * LAMBDA);
}

TEST_F(SweepTest, CloseLinesViolateOnlyTheirSpacingRow) {
  auto layout = cleanLayout();
  layout[14] = {CMF, 50, 0, 53, 20};  // 2 from its neighbour, rule 3
  auto t = build(layout);
  run();
  auto bad = violated();
  ASSERT_EQ(bad.size(), 1u) << describeAll(bad);
  EXPECT_TRUE(bad[0].x);
  EXPECT_TRUE(isRow(bad[0], side(t[14], 'l'), side(t[13], 'r')));
  EXPECT_EQ(bad[0].value, 3 * LAMBDA);
}

TEST_F(SweepTest, FlushContactViolatesOnlyItsEnclosureRow) {
  auto layout = cleanLayout();
  layout[6] = {CMF, 2, 1, 5, 5};  // metal flush with the contact's left side, rule 1
  auto t = build(layout);
  run();
  auto bad = violated();
  ASSERT_EQ(bad.size(), 1u) << describeAll(bad);
  EXPECT_TRUE(bad[0].x);
  EXPECT_TRUE(isRow(bad[0], side(t[3], 'l'), side(t[6], 'l')));
  EXPECT_EQ(bad[0].value, 1 * LAMBDA);
  EXPECT_EQ(equat_bucket[side(t[6], 'l')->sub - 1]->alpha, 10000);
}

TEST_F(SweepTest, ContactTooCloseToPolyViolatesOnlyThatSpacing) {
  auto layout = cleanLayout();
  layout[9] = {CPG, 30, 0, 32, 20};
  layout[10] = {CPG, 33, 0, 37, 4};  // poly pad 1 from the line, rule 2
  layout[11] = {CCP, 34, 1, 36, 3};  // contact 2 from the line: holds
  layout[12] = {CMF, 33, 0, 37, 4};
  auto t = build(layout);
  run();
  auto bad = violated();
  ASSERT_EQ(bad.size(), 1u) << describeAll(bad);
  EXPECT_TRUE(isRow(bad[0], side(t[10], 'l'), side(t[9], 'r')));
  EXPECT_EQ(bad[0].value, 2 * LAMBDA);
}

}  // namespace
