// Random layouts of several layers, overlapping freely: structural facts of
// the rows that hold whatever the geometry.
#include <cstdlib>
#include <random>
#include <set>

#include "compact/sweep_fixture.h"

namespace {

TEST_F(SweepTest, RandomLayoutsGiveWellFormedRows) {
  std::mt19937 rng(11);
  const int layers[] = {CPG, CCA, CMF, CAA, CWN, CSN};
  for (int round = 0; round < 6; ++round) {
    SetUp();
    std::vector<Rect> rects;
    for (int i = 0; i < 120; ++i) {
      long x = static_cast<long>(rng() % 80), y = static_cast<long>(rng() % 80);
      long w = 1 + static_cast<long>(rng() % 12), h = 1 + static_cast<long>(rng() % 12);
      rects.push_back({layers[rng() % 6], x, y, x + w, y + h});
    }
    build(rects);
    run();
    // Numbering: contiguous from 2, x rows before y rows.
    int expect = 2;
    for (const Row& r : rows) ASSERT_EQ(r.number, expect++);
    std::set<std::pair<const _edge*, const _edge*>> pairs[2];
    std::map<const _Dtile*, int> widths[2];
    for (const Row& r : rows) {
      // Every sweep row is a difference of two sides.
      ASSERT_EQ(r.terms.size(), 2u) << describe(r);
      const _edge* a = r.terms[0].second;
      const _edge* b = r.terms[1].second;
      ASSERT_EQ(r.terms[0].first + r.terms[1].first, 0) << describe(r);
      ASSERT_NE(a, b);
      ASSERT_TRUE(r.type == 'G' || r.type == 'E');
      // No pair of sides is constrained twice in one direction.
      ASSERT_TRUE(pairs[r.x].insert(a < b ? std::make_pair(a, b) : std::make_pair(b, a)).second)
          << describe(r);
      if (a->mother_tile == b->mother_tile) {
        ++widths[r.x][a->mother_tile];
        // The layer width, nothing, or for a piece of a cut shape its own
        // smaller extent.
        const long rule = WIDTH[a->layer_num] * LAMBDA;
        const long own = std::abs(inputCoordinate(a, r.x) - inputCoordinate(b, r.x));
        ASSERT_TRUE(r.value == 0 || r.value == rule || (r.value == own && own < rule)) << describe(r);
      }
    }
    // One width row per tile and direction.
    for (int d = 0; d < 2; ++d) {
      EXPECT_EQ(static_cast<int>(widths[d].size()), num_of_var / 2);
      for (auto& [tile, n] : widths[d]) EXPECT_EQ(n, 1);
    }
    TearDown();
  }
}

}  // namespace
