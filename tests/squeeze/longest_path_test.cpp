// Longest paths against a plain Bellman-Ford written here, on random
// feasible difference constraints (with equalities, i.e. zero-weight cycles),
// and the positive-cycle reports.
#include <fcntl.h>

#include <random>
#include <vector>

#include "squeeze/squeeze_fixture.h"

namespace {

struct Arc {
  int from, to;  // line indices: 2k left, 2k+1 right of cell k
  long weight;
};

// Values a pass reaches: sources start at 0, a value counts only when it is
// at least 0 (left) / at most 0 (right); unreached lines hold -3 / +3.
std::vector<long> reference(int lines, const std::vector<Arc>& arcs, bool right) {
  const long none = right ? 3 : -3;
  std::vector<long> d(static_cast<size_t>(lines), none);
  for (int v = 0; v < lines; ++v) {
    const bool isLeft = v % 2 == 0;
    if (isLeft == right) continue;
    bool positive = false;
    for (const Arc& a : arcs)
      if ((right ? a.from : a.to) == v && a.weight > 0) positive = true;
    if (!positive) d[static_cast<size_t>(v)] = 0;
  }
  for (bool changed = true; changed;) {
    changed = false;
    for (const Arc& a : arcs) {
      long& target = d[static_cast<size_t>(right ? a.from : a.to)];
      const long from = d[static_cast<size_t>(right ? a.to : a.from)];
      if (from == none) continue;
      const long candidate = right ? from - a.weight : from + a.weight;
      if (right ? candidate < target : candidate > target) {
        target = candidate;
        changed = true;
      }
    }
  }
  return d;
}

void build(int cells, const std::vector<Arc>& arcs) {
  SQnewCells(cells);
  auto line = [](int v) { return v % 2 ? SQcell[v / 2].right : SQcell[v / 2].left; };
  for (const Arc& a : arcs) SQaddarc(line(a.from), line(a.to), a.weight, -1);
}

long lineValue(int v, bool right) {
  SQLINE_item* l = v % 2 ? SQcell[v / 2].right : SQcell[v / 2].left;
  return right ? l->max_loc : l->min_loc;
}

// A random system that a hidden placement satisfies: every arc's weight is at
// most the placement's distance, equalities are exact (two opposite arcs).
std::vector<Arc> randomFeasible(std::mt19937& rng, int cells) {
  std::uniform_int_distribution<long> pos(0, 100), width(1, 10), slack(0, 6);
  std::vector<long> p(static_cast<size_t>(2 * cells));
  for (int k = 0; k < cells; ++k) {
    p[static_cast<size_t>(2 * k)] = 20 * pos(rng);
    p[static_cast<size_t>(2 * k + 1)] = p[static_cast<size_t>(2 * k)] + 20 * width(rng);
  }
  std::vector<Arc> arcs;
  for (int k = 0; k < cells; ++k) arcs.push_back({2 * k, 2 * k + 1, 20 * width(rng) % (p[2 * k + 1] - p[2 * k] + 20)});
  std::uniform_int_distribution<int> any(0, 2 * cells - 1), kind(0, 5);
  const int extra = 3 * cells;
  for (int i = 0; i < extra; ++i) {
    const int a = any(rng), b = any(rng);
    if (a == b) continue;
    const long gap = p[static_cast<size_t>(b)] - p[static_cast<size_t>(a)];
    if (kind(rng) == 0) {
      arcs.push_back({a, b, gap});
      arcs.push_back({b, a, -gap});
    } else {
      arcs.push_back({a, b, gap - 20 * slack(rng)});
    }
  }
  return arcs;
}

TEST_F(SqueezeTest, PassesEqualPlainLongestPathsOnRandomFeasibleSystems) {
  std::mt19937 rng(16);
  int withEqualities = 0;
  for (int round = 0; round < 60; ++round) {
    const int cells = 1 + round % 25;
    const auto arcs = randomFeasible(rng, cells);
    for (const Arc& a : arcs) withEqualities += a.weight < 0;
    SQreset();
    build(cells, arcs);
    testing::internal::CaptureStdout();
    SQbf_main(SQcell, SQarc, SQcell_size, SQarc_size, 0);
    SQbf_main(SQcell, SQarc, SQcell_size, SQarc_size, 1);
    testing::internal::GetCapturedStdout();
    for (bool right : {false, true}) {
      const auto expected = reference(2 * cells, arcs, right);
      for (int v = 0; v < 2 * cells; ++v)
        ASSERT_EQ(lineValue(v, right), expected[static_cast<size_t>(v)])
            << "round " << round << (right ? " right" : " left") << " line " << v + 1;
    }
  }
  EXPECT_GT(withEqualities, 30);
}

// A chain of cells where each left line follows the previous right line,
// with an equality tying every second cell to its neighbour: the bound box
// lies every line between its leftmost and rightmost position, the two
// passes agree on the width, and the placement choices pick min, max or
// their mean.
TEST_F(SqueezeTest, BoundBoxLimitsAgreeAndPlacementFollowsTheOption) {
  const int cells = 12;
  std::vector<Arc> arcs;
  for (int k = 0; k < cells; ++k) arcs.push_back({2 * k, 2 * k + 1, 40 + 20 * (k % 3)});
  for (int k = 0; k + 1 < cells; ++k)
    if (k % 2)
      arcs.push_back({2 * k + 1, 2 * k + 2, 60}), arcs.push_back({2 * k + 2, 2 * k + 1, -60});
    else
      arcs.push_back({2 * k + 1, 2 * k + 2, 40});
  arcs.push_back({0, 7, 500});  // a long arc leaves slack on the lines it skips
  const auto left = reference(2 * cells, arcs, false);
  long width = 0;
  for (long v : left) width = std::max(width, v);
  for (int option : {1, 2, 3}) {
    SQreset();
    build(cells, arcs);
    PROCESS_INCLUDE_WLM = option;
    testing::internal::CaptureStdout();
    const long got = SQboundbox(SQcell, SQarc, SQcell_size, SQarc_size, 1);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(got, width);
    bool slack = false;
    for (int v = 0; v < 2 * cells; ++v) {
      SQLINE_item* l = v % 2 ? SQcell[v / 2].right : SQcell[v / 2].left;
      EXPECT_EQ(l->min_loc, left[static_cast<size_t>(v)]);
      EXPECT_LE(l->min_loc, l->max_loc);
      EXPECT_LE(l->max_loc, width);
      slack |= l->min_loc < l->max_loc;
      const long want = option == 1 ? l->min_loc : option == 2 ? l->max_loc : (l->min_loc + l->max_loc) / 2;
      EXPECT_EQ(l->loc, want) << "option " << option << " line " << v + 1;
    }
    EXPECT_TRUE(slack);
    EXPECT_FALSE(exists("resize_report/bf_lr.log")) << "the step-zero log goes once the pass settles";
  }
}

TEST_F(SqueezeTest, ParallelArcsKeepTheHeavierAndOnEqualWeightsTheLater) {
  SQnewCells(2);
  SQARC_item* light = SQaddarc(SQcell[0].right, SQcell[1].left, 300, 7);
  SQARC_item* heavy = SQaddarc(SQcell[0].right, SQcell[1].left, 500, 8);
  SQARC_item* first = SQaddarc(SQcell[0].left, SQcell[0].right, 200, 9);
  SQARC_item* second = SQaddarc(SQcell[0].left, SQcell[0].right, 200, 10);
  const int arcs = SQarc_size;
  EXPECT_EQ(SQbf_clear_redundantarc(SQcell, SQarc, SQcell_size, SQarc_size), 2);
  EXPECT_EQ(SQarc_size, arcs - 2);
  EXPECT_EQ(heavy->occupied, 1);
  EXPECT_EQ(light->occupied, 0);
  // Arcs sit newest first on a line, so the one added first is the later.
  EXPECT_EQ(first->occupied, 1);
  EXPECT_EQ(second->occupied, 0);
  EXPECT_EQ(SQcell[0].right->no_ori, 1);
  testing::internal::CaptureStdout();
  SQremovearc(light);
  EXPECT_EQ(SQarc_size, arcs - 2);
  EXPECT_NE(testing::internal::GetCapturedStdout().find("which is not in used"), std::string::npos);
  EXPECT_EQ(SQhalfscale_round(-126, 100), -150);
  EXPECT_EQ(SQhalfscale_round(125, 100), 100);
}

// Infeasible systems end the run with status 0 after their report, and the
// step-zero log stays in resize_report/.
void runInfeasible(int cells, const std::vector<Arc>& arcs) {
  dup2(2, 1);  // the reports go to standard output; death tests read stderr
  build(cells, arcs);
  SQboundbox(SQcell, SQarc, SQcell_size, SQarc_size, 1);
}

TEST_F(SqueezeTest, PositiveCyclesAreReportedNotLoopedOn) {
  // Two three-line cycles through the same lines, each gaining 20 a lap: the
  // changes per wave repeat with period 3 (one line, two lines, one line).
  // More cells, each on its own, raise the wave limit past the watch's start.
  const int cells = 40;
  std::vector<Arc> arcs = {{1, 2, 40}, {2, 5, 40}, {5, 1, -60}, {3, 1, -60}};
  for (int k = 0; k < cells; ++k) arcs.push_back({2 * k, 2 * k + 1, 40});
  EXPECT_EXIT(runInfeasible(cells, arcs), testing::ExitedWithCode(0),
              "pos_cycle is reported(.|\n)*Guess of positive cycle line(.|\n)*  line");
  EXPECT_TRUE(exists("resize_report/bf_lr.log"));

  // Two lines pushing each other, nothing else changing: the wave limit ends it.
  EXPECT_EXIT(runInfeasible(2, {{0, 1, 40}, {1, 2, 40}, {2, 1, -20}}), testing::ExitedWithCode(0),
              "no pos_cycle checked");
}

TEST_F(SqueezeTest, HistoryPeriodIgnoresSteadyRunsAndFindsRepeats) {
  std::vector<int> h(80, 0);
  for (int w = 1; w < 80; ++w) h[static_cast<size_t>(w)] = 5;
  EXPECT_EQ(SQbf_history_period(h.data(), 79), 0);
  for (int w = 1; w < 80; ++w) h[static_cast<size_t>(w)] = 1 + (w % 4 == 0) + 2 * (w % 4 == 1);
  EXPECT_EQ(SQbf_history_period(h.data(), 77), 4);
  h[70] = 9;
  EXPECT_EQ(SQbf_history_period(h.data(), 77), 0);
}

}  // namespace
