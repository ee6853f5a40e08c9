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

TEST_F(SweepTest, CleanLayoutsSatisfyEveryRow) {
  // Besides the layout above, overlapping rectangles of one layer, each shape
  // clean as a whole; the plane cuts the later rectangle around the earlier
  // one, leaving slivers, short strips and pieces that touch over less than the width.
  const std::vector<Rect> shapes = {
      {CMF, 0, 0, 10, 10},    {CMF, 5, 1, 15, 11},                           // offset squares
      {CMF, 30, 0, 40, 3},    {CMF, 38, 0, 41, 10},                          // L with a sliver
      {CMF, 60, 0, 70, 10},   {CMF, 69, 5, 80, 15},                          // pieces touching over 1
      {CMF, 101, 0, 105, 12}, {CMF, 96, -6, 120, 2},  {CCA, 102, 1, 104, 3},  // contact across strap and rail
      {CPG, 140, 0, 142, 20}, {CPG, 138, 8, 142, 12}, {CCP, 139, 9, 141, 11}, // contact across pad and line
  };
  const std::vector<Rect> layouts[] = {cleanLayout(), shapes, std::vector<Rect>(shapes.rbegin(), shapes.rend())};
  for (const auto& layout : layouts) {
    SetUp();
    build(layout);
    run();
    EXPECT_GT(rows.size(), 24u);
    if (&layout != &layouts[0]) {
      EXPECT_GT(num_of_var / 2, static_cast<int>(shapes.size())) << "some shape is cut";
    }
    auto bad = violated();
    EXPECT_TRUE(bad.empty()) << "layout " << &layout - layouts << "\n" << describeAll(bad);
    TearDown();
  }
}

// One broken rule: the layout, then the only violated row "a - b >= value".
struct Violation {
  const char* what;
  std::vector<Rect> layout;
  int a;
  char aSide;
  int b;
  char bSide;
  long value;  // grid units
};

std::vector<Rect> with(std::vector<Rect> layout, std::initializer_list<std::pair<int, Rect>> changes) {
  for (auto& [i, r] : changes) layout[static_cast<size_t>(i)] = r;
  return layout;
}

TEST_F(SweepTest, OneBrokenRuleViolatesOnlyItsRow) {
  const Violation cases[] = {
      {"narrow line (2, rule 3)", with(cleanLayout(), {{13, {CMF, 45, 0, 47, 20}}}), 13, 'r', 13, 'l', 3},
      {"close lines (2, rule 3)", with(cleanLayout(), {{14, {CMF, 50, 0, 53, 20}}}), 14, 'l', 13, 'r', 3},
      {"metal flush with contact", with(cleanLayout(), {{6, {CMF, 2, 1, 5, 5}}}), 3, 'l', 6, 'l', 1},
      {"poly pad 1 from the line, its contact 2 (holds)",
       with(cleanLayout(), {{10, {CPG, 33, 0, 37, 4}}, {11, {CCP, 34, 1, 36, 3}}, {12, {CMF, 33, 0, 37, 4}}}), 10,
       'l', 9, 'r', 2},
      {"contact flush with its metal's bottom", {{CCA, 2, 2, 4, 4}, {CMF, 1, 2, 5, 5}}, 0, 'b', 1, 'b', 1},
      {"staggered pieces overlapping 2 of width 3", {{CMF, 0, 0, 10, 3}, {CMF, 8, 3, 20, 6}}, 0, 'r', 1, 'l', 3},
  };
  for (const Violation& c : cases) {
    SetUp();
    auto t = build(c.layout);
    run();
    auto bad = violated();
    ASSERT_EQ(bad.size(), 1u) << c.what << "\n" << describeAll(bad);
    EXPECT_EQ(bad[0].x, c.aSide == 'l' || c.aSide == 'r') << c.what;
    EXPECT_TRUE(isRow(bad[0], side(t[c.a], c.aSide), side(t[c.b], c.bSide))) << c.what << "\n" << describe(bad[0]);
    EXPECT_EQ(bad[0].value, c.value * LAMBDA) << c.what;
    TearDown();
  }
}

TEST_F(SweepTest, EnclosureRowsWeighTheOuterSidesAndHoldOnTheOtherSides) {
  // Contact flush with the bottom of its metal: the three other sides hold.
  auto t = build({{CCA, 2, 2, 4, 4}, {CMF, 1, 2, 5, 5}});
  run();
  EXPECT_EQ(rowsBetween(side(t[0], 'l'), side(t[1], 'l')).size(), 1u);
  EXPECT_EQ(rowsBetween(side(t[1], 'r'), side(t[0], 'r')).size(), 1u);
  EXPECT_EQ(rowsBetween(side(t[1], 't'), side(t[0], 't')).size(), 1u);
  EXPECT_EQ(equat_bucket[side(t[1], 'l')->sub - 1]->alpha, 10000);
  EXPECT_EQ(equat_bucket[side(t[0], 'l')->sub - 1]->alpha, 1);
}

}  // namespace
