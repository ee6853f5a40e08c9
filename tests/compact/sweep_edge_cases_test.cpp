// Edge cases of the sweep on small layouts.
#include "compact/sweep_fixture.h"

namespace {

TEST_F(SweepTest, LoneRectangleGivesOneWidthRowPerDirectionAndNoPin) {
  auto t = build({{CMF, 0, 0, 25, 5}});
  run();
  ASSERT_EQ(rows.size(), 2u);
  for (const Row& r : rows) {
    EXPECT_EQ(r.type, 'G');
    EXPECT_EQ(r.value, 3 * LAMBDA);  // metal width, both sides see space
  }
  EXPECT_TRUE(isRow(rows[0], side(t[0], 'r'), side(t[0], 'l')));
  EXPECT_TRUE(isRow(rows[1], side(t[0], 't'), side(t[0], 'b')));
  EXPECT_EQ(OUTPUT_PINS->head, nullptr);  // long enough, but free on every side
  EXPECT_EQ(INPUT_PINS->head, nullptr);
  EXPECT_NE(sweepOutput.find("minimum coordinate is 0\nmaximum coordinate is 1000\n"), std::string::npos);
}

TEST_F(SweepTest, LongRectangleWithOneSolidSideIsAPin) {
  // A stub sticking out of a tall bar: left side touches metal, the others are free.
  auto t = build({{CMF, -5, -10, 0, 15}, {CMF, 0, 0, 25, 5}, {CAA, 40, 0, 41, 30}});
  run();
  ASSERT_NE(OUTPUT_PINS->head, nullptr);
  EXPECT_EQ(OUTPUT_PINS->head->subscript, side(t[1], 'r')->sub);
  EXPECT_EQ(OUTPUT_PINS->head->next, nullptr);
  // The tall active bar is free on the sweep's top and bottom only in y: an
  // input pin there needs its far side solid, which it is not.
  EXPECT_EQ(INPUT_PINS->head, nullptr);
}

TEST_F(SweepTest, AbuttingRectanglesOfOneLayerStayAbutting) {
  auto t = build({{CMF, 0, 0, 5, 5}, {CMF, 5, 0, 10, 5}});
  run();
  auto x = rowsOf(true);
  ASSERT_EQ(x.size(), 3u);
  auto abut = rowsBetween(side(t[1], 'l'), side(t[0], 'r'));
  ASSERT_EQ(abut.size(), 1u);
  EXPECT_EQ(abut[0].type, 'E');
  EXPECT_EQ(abut[0].value, 0);
  // The y sweep sees them stacked: bottoms and tops aligned.
  EXPECT_EQ(rowsBetween(side(t[1], 'b'), side(t[0], 'b')).size() +
                rowsBetween(side(t[0], 'b'), side(t[1], 'b')).size(),
            1u);
  EXPECT_EQ(rowsBetween(side(t[1], 't'), side(t[0], 't')).size() +
                rowsBetween(side(t[0], 't'), side(t[1], 't')).size(),
            1u);
  EXPECT_TRUE(violated().empty());
}

TEST_F(SweepTest, LayersWithoutSpacingRuleMakeNoRowAndDoNotHide) {
  // Metal, an implant strip between (no rule with metal), metal again.
  auto t = build({{CMF, 0, 0, 5, 10}, {CSN, 8, 0, 11, 10}, {CMF, 14, 0, 19, 10}});
  run();
  auto x = rowsOf(true);
  ASSERT_EQ(x.size(), 4u);  // three widths and metal to metal across the implant
  auto across = rowsBetween(side(t[2], 'l'), side(t[0], 'r'));
  ASSERT_EQ(across.size(), 1u);
  EXPECT_EQ(across[0].value, 3 * LAMBDA);
  EXPECT_TRUE(rowsBetween(side(t[1], 'l'), side(t[0], 'r')).empty());
  EXPECT_TRUE(rowsBetween(side(t[2], 'l'), side(t[1], 'r')).empty());
}

TEST_F(SweepTest, SameLayerInBetweenHidesWhatItCovers) {
  auto t = build({{CMF, 0, 0, 5, 10}, {CMF, 8, 0, 11, 10}, {CMF, 14, 0, 19, 10}});
  run();
  EXPECT_EQ(rowsBetween(side(t[1], 'l'), side(t[0], 'r')).size(), 1u);
  EXPECT_EQ(rowsBetween(side(t[2], 'l'), side(t[1], 'r')).size(), 1u);
  EXPECT_TRUE(rowsBetween(side(t[2], 'l'), side(t[0], 'r')).empty());
}

TEST_F(SweepTest, CornerSpacingOnlyInsideTheShade) {
  // P below-left of B: dx = 3, dy = 5 gives 5/3 = 1, a row; dy = 6 gives 2, none.
  for (long dy : {5L, 6L}) {
    SetUp();
    auto t = build({{CMF, 0, 0, 5, 5}, {CMF, 8, 5 + dy, 13, 10 + dy}});
    run();
    auto corner = rowsBetween(side(t[1], 'l'), side(t[0], 'r'));
    EXPECT_EQ(corner.size(), dy == 5 ? 1u : 0u) << "dy " << dy;
    if (!corner.empty()) {
      EXPECT_EQ(corner[0].value, 3 * LAMBDA);
    }
    // and the mirror image: P above-left of B
    TearDown();
    SetUp();
    t = build({{CMF, 0, 5 + dy, 5, 10 + dy}, {CMF, 8, 0, 13, 5}});
    run();
    EXPECT_EQ(rowsBetween(side(t[1], 'l'), side(t[0], 'r')).size(), dy == 5 ? 1u : 0u) << "dy " << dy;
    TearDown();
  }
}

TEST_F(SweepTest, SamePairThroughSideAndCornerGivesOneRow) {
  // C cuts P's visible side in two; B meets the upper remainder and has the
  // lower one in the shade of its bottom corner: one row between B and P.
  auto t = build({{CMF, 0, 0, 5, 25}, {CMF, 8, 10, 12, 15}, {CMF, 17, 16, 22, 18}});
  run();
  EXPECT_EQ(rowsBetween(side(t[2], 'l'), side(t[0], 'r')).size(), 1u);
  EXPECT_EQ(rowsBetween(side(t[2], 'l'), side(t[1], 'r')).size(), 1u);
}

TEST_F(SweepTest, RowsAreNumberedFromTwoAndYContinuesX) {
  build({{CMF, 0, 0, 5, 5}, {CMF, 8, 0, 13, 5}, {CCA, 1, 1, 3, 3}, {CAA, 20, 0, 30, 30}});
  run();
  ASSERT_FALSE(rows.empty());
  int expect = 2;
  for (const Row& r : rows) EXPECT_EQ(r.number, expect++);
  EXPECT_EQ(rowsOf(true).back().number, lastX);
  EXPECT_EQ(rowsOf(false).front().number, lastX + 1);
  EXPECT_EQ(mps_column_num, expect - 1);
}

TEST_F(SweepTest, VariablesComeInPairsPerSolidTile) {
  auto t = build({{CMF, 0, 0, 5, 5}, {CMF, 3, 3, 9, 9}, {CAA, 0, 0, 2, 2}});
  run();
  // The second metal rectangle overlaps the first: the plane holds it as pieces.
  EXPECT_EQ(num_of_var, SWcolumns(1));
  EXPECT_EQ(num_of_var_y, num_of_var);
  EXPECT_EQ(num_of_var % 2, 0);
  for (int k = 0; k < num_of_var; k += 2) {
    _edge* l = equat_bucket[k]->the_edge;
    _edge* r = equat_bucket[k + 1]->the_edge;
    EXPECT_EQ(l->sub, k + 1);
    EXPECT_EQ(l->upward, 1);
    EXPECT_EQ(r->upward, 0);
    EXPECT_EQ(l->mother_tile, r->mother_tile);
    EXPECT_EQ(l->p1->x, l->mother_tile->x1);
    EXPECT_EQ(equat_bucket_y[k]->the_edge->p1->x, l->mother_tile->y1);  // transposed
    EXPECT_EQ(equat_bucket[k]->alpha, 1);
  }
  EXPECT_STREQ(side(t[2], 'l')->name, "CAA");
  EXPECT_EQ(side(t[2], 'l')->layer_num, CAA);
}

}  // namespace

namespace {

TEST_F(SweepTest, TallStubUnderABarIsAnInputPinOfTheYSweep) {
  auto t = build({{CMF, -10, 20, 15, 25}, {CMF, 0, -10, 4, 20}});
  run();
  ASSERT_NE(INPUT_PINS->head, nullptr);
  EXPECT_EQ(INPUT_PINS->head->subscript, side(t[1], 'b')->sub);
  EXPECT_EQ(INPUT_PINS->head->next, nullptr);
  EXPECT_EQ(OUTPUT_PINS->head, nullptr);
}

TEST_F(SweepTest, EnclosureAlongYIsCheckedOnTheTransposedLayout) {
  // Contact flush with the bottom of its metal: only the y enclosure row fails.
  auto t = build({{CCA, 2, 2, 4, 4}, {CMF, 1, 2, 5, 5}});
  run();
  auto bad = violated();
  ASSERT_EQ(bad.size(), 1u) << describeAll(bad);
  EXPECT_FALSE(bad[0].x);
  EXPECT_TRUE(isRow(bad[0], side(t[0], 'b'), side(t[1], 'b')));
  EXPECT_EQ(bad[0].value, 1 * LAMBDA);
  // The three other sides are enclosed by the rule and hold.
  EXPECT_EQ(rowsBetween(side(t[0], 'l'), side(t[1], 'l')).size(), 1u);
  EXPECT_EQ(rowsBetween(side(t[1], 'r'), side(t[0], 'r')).size(), 1u);
  EXPECT_EQ(rowsBetween(side(t[1], 't'), side(t[0], 't')).size(), 1u);
}

}  // namespace

namespace {

TEST_F(SweepTest, TouchingTilesOfOneLayerKeepAnOverlapOfTheWidth) {
  // A T: the stem starts inside the bar's x-extent (nested, class 2).
  auto t = build({{CMF, 0, 0, 20, 3}, {CMF, 8, 3, 11, 20}});
  run();
  EXPECT_EQ(rowsBetween(side(t[1], 'r'), side(t[0], 'l')).size(), 1u);
  EXPECT_EQ(rowsBetween(side(t[0], 'r'), side(t[1], 'l')).size(), 1u);
  EXPECT_TRUE(violated().empty());
}

TEST_F(SweepTest, StaggeredTilesWithANarrowOverlapViolateThatRowOnly) {
  // Staggered (class 4) with only 2 of overlap; metal width is 3.
  auto t = build({{CMF, 0, 0, 10, 3}, {CMF, 8, 3, 20, 6}});
  run();
  auto bad = violated();
  ASSERT_EQ(bad.size(), 1u);
  EXPECT_TRUE(bad[0].x);
  EXPECT_TRUE(isRow(bad[0], side(t[0], 'r'), side(t[1], 'l')));
  EXPECT_EQ(bad[0].value, 3 * LAMBDA);
}

}  // namespace

namespace {

TEST_F(SweepTest, NegativeEnclosureLetsTheInnerRectangleStickOut) {
  // Metal may stay up to 1 inside the contact's sides: EXTENSION[CMF][CCA] = -1.
  EXTENSION[CMF][CCA] = -1;
  EXTENSION_VALID[CCA][CMF] = 0;
  auto t = build({{CCA, 0, 0, 6, 6}, {CMF, 1, 1, 5, 5}});
  run();
  auto left = rowsBetween(side(t[0], 'l'), side(t[1], 'l'));
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(left[0].value, -1 * LAMBDA);
  auto right = rowsBetween(side(t[1], 'r'), side(t[0], 'r'));
  ASSERT_EQ(right.size(), 1u);
  EXPECT_EQ(right[0].value, -1 * LAMBDA);
  EXPECT_EQ(equat_bucket[side(t[1], 'l')->sub - 1]->alpha, 10000);
  EXPECT_EQ(equat_bucket[side(t[0], 'l')->sub - 1]->alpha, 1);
  // A positive rule of that kind asks for nothing while the sides differ.
  TearDown();
  SetUp();
  EXTENSION[CMF][CCA] = 1;
  EXTENSION_VALID[CCA][CMF] = 0;
  t = build({{CCA, 0, 0, 6, 6}, {CMF, 1, 1, 5, 5}});
  run();
  EXPECT_TRUE(rowsBetween(side(t[0], 'l'), side(t[1], 'l')).empty());
}

}  // namespace
