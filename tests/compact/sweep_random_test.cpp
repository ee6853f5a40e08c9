// Random layouts of several layers, overlapping freely: structural facts of
// the rows that hold whatever the geometry.
#include <array>
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
    // Numbering: contiguous from 2, the y rows continuing the x rows.
    int expect = 2;
    for (const Row& r : rows) ASSERT_EQ(r.number, expect++);
    EXPECT_EQ(mps_column_num, expect - 1);
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

// Material of one layer on the grid, from overlapping rectangles.
struct Raster {
  static constexpr int N = 48;
  bool at[N][N] = {};
  explicit Raster(const std::vector<Rect>& rects) {
    for (const Rect& r : rects)
      for (long x = r.x1; x < r.x2; ++x)
        for (long y = r.y1; y < r.y2; ++y) at[x][y] = true;
  }
  // Along every grid line, runs of material at least w and gaps between
  // material at least s (necks and corners are not looked at).
  bool linesClean(int w, int s) const {
    for (int d = 0; d < 2; ++d)
      for (int i = 0; i < N; ++i)
        for (int j = 0, seen = 0; j < N;) {
          auto cell = [&](int k) { return d ? at[i][k] : at[k][i]; };
          int k = j;
          while (k < N && cell(k) == cell(j)) ++k;
          if (cell(j) ? k - j < w : seen && k < N && k - j < s) return false;
          seen |= cell(j);
          j = k;
        }
    return true;
  }
  // Width of the material crossing the line v = c (in the frame where u runs
  // along it) through u0.
  long crossing(bool xFrame, long c, long u0) const {
    auto both = [&](long u) {
      auto m = [&](long v) { long x = xFrame ? u : v, y = xFrame ? v : u;
                             return x >= 0 && y >= 0 && x < N && y < N && at[x][y]; };
      return m(c - 1) && m(c);
    };
    long lo = u0, hi = u0;
    while (both(lo - 1)) --lo;
    while (both(hi)) ++hi;
    return hi - lo;
  }
};

TEST_F(SweepTest, RandomShapesCleanAlongLinesBreakOnlyNecksAndCorners) {
  // Random unions of metal rectangles whose every grid line is clean: the only
  // rows they may violate are overlap rows across a shared line where the
  // material crossing it is narrower than the width (a neck), and spacing
  // rows between pieces that do not face each other (corner spacing).
  std::mt19937 rng(5);
  int checked = 0;
  for (int round = 0; round < 1500; ++round) {
    std::vector<Rect> rects;
    for (int i = 0, n = 2 + static_cast<int>(rng() % 4); i < n; ++i) {
      long x = 5 + rng() % 20, y = 5 + rng() % 20;
      rects.push_back({CMF, x, y, x + 3 + static_cast<long>(rng() % 10), y + 3 + static_cast<long>(rng() % 10)});
    }
    const Raster raster(rects);
    if (!raster.linesClean(3, 3)) continue;
    ++checked;
    SetUp();
    build(rects);
    run();
    for (const Row& r : violated()) {
      ASSERT_EQ(r.type, 'G') << describe(r);
      const _Dtile* a = r.terms[0].second->mother_tile;
      const _Dtile* b = r.terms[1].second->mother_tile;
      ASSERT_NE(a, b) << "width row " << describe(r);
      // Extents in the sweep's frame, in grid units: u along the sweep, v across.
      auto frame = [&](const _Dtile* t) {
        long x1 = t->x1 / LAMBDA, x2 = TileRight(t) / LAMBDA, y1 = t->y1 / LAMBDA, y2 = TileTop(t) / LAMBDA;
        return r.x ? std::array<long, 4>{x1, x2, y1, y2} : std::array<long, 4>{y1, y2, x1, x2};
      };
      auto [au1, au2, av1, av2] = frame(a);
      auto [bu1, bu2, bv1, bv2] = frame(b);
      const bool touch = (av2 == bv1 || bv2 == av1) && au1 < bu2 && bu1 < au2;
      if (touch)
        ASSERT_LT(raster.crossing(r.x, av2 == bv1 ? av2 : av1, std::max(au1, bu1)), 3) << describe(r);
      else
        ASSERT_FALSE(av1 < bv2 && bv1 < av2) << "facing spacing " << describe(r);
    }
    TearDown();
  }
  EXPECT_GT(checked, 500);
}

}  // namespace
