// Edge cases of the sweep on small layouts.
#include <algorithm>

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
  // A stub sticking out of a tall bar: left side touches metal, the others are
  // free. The tall active bar needs its far side solid to be an input pin.
  auto t = build({{CMF, -5, -10, 0, 15}, {CMF, 0, 0, 25, 5}, {CAA, 40, 0, 41, 30}});
  run();
  ASSERT_NE(OUTPUT_PINS->head, nullptr);
  EXPECT_EQ(OUTPUT_PINS->head->subscript, side(t[1], 'r')->sub);
  EXPECT_EQ(OUTPUT_PINS->head->next, nullptr);
  EXPECT_EQ(INPUT_PINS->head, nullptr);
  // A tall stub under a bar is an input pin of the y sweep.
  TearDown();
  SetUp();
  t = build({{CMF, -10, 20, 15, 25}, {CMF, 0, -10, 4, 20}});
  run();
  ASSERT_NE(INPUT_PINS->head, nullptr);
  EXPECT_EQ(INPUT_PINS->head->subscript, side(t[1], 'b')->sub);
  EXPECT_EQ(INPUT_PINS->head->next, nullptr);
  EXPECT_EQ(OUTPUT_PINS->head, nullptr);
}

TEST_F(SweepTest, AbuttingRectanglesOfOneLayerStayAbutting) {
  auto t = build({{CMF, 0, 0, 5, 5}, {CMF, 5, 0, 10, 5}});
  run();
  ASSERT_EQ(std::count_if(rows.begin(), rows.end(), [](const Row& r) { return r.x; }), 3);
  auto abut = rowsBetween(side(t[1], 'l'), side(t[0], 'r'));
  ASSERT_EQ(abut.size(), 1u);
  EXPECT_EQ(abut[0].type, 'E');
  EXPECT_EQ(abut[0].value, 0);
  // The y sweep sees them stacked: bottoms and tops aligned.
  for (char s : {'b', 't'}) {
    EXPECT_EQ(rowsBetween(side(t[1], s), side(t[0], s)).size() + rowsBetween(side(t[0], s), side(t[1], s)).size(),
              1u);
  }
  EXPECT_TRUE(violated().empty());
}

TEST_F(SweepTest, OnlyTheSameLayerInBetweenHidesWhatItCovers) {
  // Metal, a strip of implant (no rule with metal) or of metal, metal again.
  for (int middle : {CSN, CMF}) {
    SetUp();
    auto t = build({{CMF, 0, 0, 5, 10}, {middle, 8, 0, 11, 10}, {CMF, 14, 0, 19, 10}});
    run();
    const size_t hidden = middle == CMF;
    EXPECT_EQ(rowsBetween(side(t[2], 'l'), side(t[0], 'r')).size(), 1 - hidden) << middle;
    EXPECT_EQ(rowsBetween(side(t[1], 'l'), side(t[0], 'r')).size(), hidden) << middle;
    EXPECT_EQ(rowsBetween(side(t[2], 'l'), side(t[1], 'r')).size(), hidden) << middle;
    if (!hidden) {
      EXPECT_EQ(rowsBetween(side(t[2], 'l'), side(t[0], 'r'))[0].value, 3 * LAMBDA);
    }
    TearDown();
  }
}

TEST_F(SweepTest, CornerSpacingOnlyInsideTheShade) {
  // P below-left (or above-left) of B: dx = 3, dy = 5 gives 5/3 = 1, a row; dy = 6 gives 2, none.
  for (long dy : {5L, 6L})
    for (bool above : {false, true}) {
      SetUp();
      auto t = above ? build({{CMF, 0, 5 + dy, 5, 10 + dy}, {CMF, 8, 0, 13, 5}})
                     : build({{CMF, 0, 0, 5, 5}, {CMF, 8, 5 + dy, 13, 10 + dy}});
      run();
      auto corner = rowsBetween(side(t[1], 'l'), side(t[0], 'r'));
      EXPECT_EQ(corner.size(), dy == 5 ? 1u : 0u) << "dy " << dy << " above " << above;
      if (!corner.empty()) {
        EXPECT_EQ(corner[0].value, 3 * LAMBDA);
      }
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

TEST_F(SweepTest, TouchingTilesOfOneLayerKeepAnOverlapOfTheWidth) {
  // A T: the stem starts inside the bar's x-extent (nested, class 2).
  auto t = build({{CMF, 0, 0, 20, 3}, {CMF, 8, 3, 11, 20}});
  run();
  EXPECT_EQ(rowsBetween(side(t[1], 'r'), side(t[0], 'l')).size(), 1u);
  EXPECT_EQ(rowsBetween(side(t[0], 'r'), side(t[1], 'l')).size(), 1u);
  EXPECT_TRUE(violated().empty());
}

TEST_F(SweepTest, NegativeEnclosureLetsTheInnerRectangleStickOut) {
  // Metal may stay up to 1 inside the contact's sides: EXTENSION[CMF][CCA] = -1;
  // a positive rule of that kind asks for nothing while the sides differ.
  for (short rule : {-1, 1}) {
    SetUp();
    EXTENSION[CMF][CCA] = rule;
    EXTENSION_VALID[CCA][CMF] = 0;
    auto t = build({{CCA, 0, 0, 6, 6}, {CMF, 1, 1, 5, 5}});
    run();
    auto left = rowsBetween(side(t[0], 'l'), side(t[1], 'l'));
    auto right = rowsBetween(side(t[1], 'r'), side(t[0], 'r'));
    ASSERT_EQ(left.size(), rule < 0 ? 1u : 0u) << rule;
    if (rule < 0) {
      EXPECT_EQ(left[0].value, -1 * LAMBDA);
      ASSERT_EQ(right.size(), 1u);
      EXPECT_EQ(right[0].value, -1 * LAMBDA);
      // The weight goes to the rule's enclosing layer, here the inner metal.
      EXPECT_EQ(equat_bucket[side(t[1], 'l')->sub - 1]->alpha, 10000);
      EXPECT_EQ(equat_bucket[side(t[0], 'l')->sub - 1]->alpha, 1);
    }
    TearDown();
  }
}

}  // namespace
