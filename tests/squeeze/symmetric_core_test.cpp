// The core LP and wirelength minimisation on graphs built here from arcs:
// distances fixed from lp_solve's solution, the off-grid and infeasible
// cases, and minimised placements checked against the arcs written here
// (every one holds, the width stays, the cells' total length never grows).
#include <unistd.h>

#include <fstream>
#include <random>
#include <sstream>
#include <vector>

#include "common/scale.h"
#include "squeeze/sq_core_lp.h"
#include "squeeze/sq_wirelength.h"
#include "squeeze/squeeze_fixture.h"

namespace {

struct Arc {
  int from, to;  // line indices: 2k left, 2k+1 right of cell k
  long weight;
};

SQLINE_item* line(int v) { return v % 2 ? SQcell[v / 2].right : SQcell[v / 2].left; }

void build(int cells, const std::vector<Arc>& arcs) {
  SQnewCells(cells);
  for (int k = 0; k < cells; ++k) SQcell[k].layernumber = 1;
  for (const Arc& a : arcs) SQaddarc(line(a.from), line(a.to), a.weight, -1);
}

std::string slurp(const std::string& path) {
  std::ifstream in(path);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class SymmetricCore : public SqueezeTest {
 protected:
  void SetUp() override {
    SqueezeTest::SetUp();
    SCALE = 100;
    resize_direction = LEFT_RIGHT;
  }
  // Cells a..b (lines 0, 1) and c..e (lines 2, 3) with b + c - a - e = 0,
  // the second cell at least `second` wide and `gap` after the first.
  void twoCells(long gap, long second, bool fixFirst) {
    std::vector<Arc> arcs = {{0, 1, 200}, {1, 2, gap}, {2, 3, second}};
    if (fixFirst) arcs.push_back({1, 0, -200});
    build(2, arcs);
    SQaddsymarc(line(0), line(3), line(1), line(2), 7);
  }
};

TEST_F(SymmetricCore, SolutionFixesBothDistancesOfTheRecord) {
  twoCells(400, 200, false);  // tight: a 0, b 200, c 600, e 800
  testing::internal::CaptureStdout();
  SQboundbox(SQcell, SQarc, SQcell_size, SQarc_size, 1);
  SQcoreproblem();
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("  SQcore: clear lp file done"), std::string::npos) << out;
  const SQSYMARC_item* s = SQsymarc;
  ASSERT_TRUE(s);
  // t_lo - o_lo = d and o_hi - t_hi = d with d = 200.
  EXPECT_EQ(s->arc->ori, line(0));
  EXPECT_EQ(s->arc->ter, line(1));
  EXPECT_EQ(s->arc->weight, 200);
  EXPECT_EQ(s->arc2->weight, -200);
  EXPECT_EQ(s->arc3->ori, line(2));
  EXPECT_EQ(s->arc3->ter, line(3));
  EXPECT_EQ(s->arc3->weight, 200);
  EXPECT_EQ(s->arc4->weight, -200);
  for (const SQARC_item* a : {s->arc, s->arc2, s->arc3, s->arc4}) EXPECT_EQ(a->rank, -5);
  EXPECT_EQ(line(3)->BMweight, 800);
  // The boundary arcs are gone again; the files moved.
  EXPECT_EQ(line(0)->no_ter, 1);  // arc2 only
  EXPECT_FALSE(exists("SQcore_mps.file"));
  const std::string mps = slurp("resize_report/SQcore_mps_LR.file");
  EXPECT_EQ(mps.rfind("NAME LINDO GENERATED MPS FILE (MIN)\nROWS\n  N 1\n  G 2\n", 0), 0u) << mps;
  EXPECT_NE(mps.find("    int       'MARKER'                 'INTORG'\n"), std::string::npos);
  EXPECT_NE(mps.find("BOUNDS\n FX BND1      X5        0\nENDATA\n"), std::string::npos) << mps;
  EXPECT_TRUE(exists("resize_report/SQcore_mps_LR.file.rpt"));
}

TEST_F(SymmetricCore, OffGridCoreArcIsReportedAndRoundedUp) {
  twoCells(450, 200, false);
  testing::internal::CaptureStdout();
  SQboundbox(SQcell, SQarc, SQcell_size, SQarc_size, 1);
  SQcoreproblem();
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find(" SQCORE ERROR: The corearc weight (450) between (l2 l3) is not divisible by SCALE (100)\n"),
            std::string::npos)
      << out;
  // b - a = 200, c - b >= 5 grid units: c 700, e 900, d = 200.
  EXPECT_EQ(SQsymarc->arc3->weight, 200);
  EXPECT_EQ(line(2)->BMweight, 700);
}

TEST_F(SymmetricCore, InfeasibleLpEndsTheRunAfterItsBannerLeavingTheFiles) {
  twoCells(400, 300, true);  // b - a is exactly 200, e - c at least 300
  EXPECT_EXIT(
      {
        dup2(2, 1);
        SQboundbox(SQcell, SQarc, SQcell_size, SQarc_size, 1);
        SQcoreproblem();
      },
      testing::ExitedWithCode(0),
      "\\*\\*\\* CORE LP CANNOT BE SOLVED \\*\\*\\*");
  EXPECT_TRUE(exists("SQcore_mps.file") && exists("SQcore_mps.file.rpt"));
}

// ---- wirelength -----------------------------------------------------------------

void expectArcsHold(const std::vector<Arc>& arcs) {
  for (const Arc& a : arcs)
    EXPECT_GE(line(a.to)->loc - line(a.from)->loc, a.weight) << a.from << " -> " << a.to;
}

long placedLength(int cells) {
  long total = 0;
  for (int k = 0; k < cells; ++k) total += SQcell[k].right->loc - SQcell[k].left->loc;
  return total;
}

long place(int cells, const std::vector<Arc>& arcs, int mode) {
  SQreset();
  build(cells, arcs);
  PROCESS_INCLUDE_WLM = mode;
  testing::internal::CaptureStdout();
  const long width = SQboundbox(SQcell, SQarc, SQcell_size, SQarc_size, 2);
  testing::internal::GetCapturedStdout();
  return width;
}

TEST_F(SymmetricCore, WireBetweenFixedBlocksShrinksRigidPartnerFollowsPositiveUnitStays) {
  SCALE = 40;
  // A [0,200] and B [800,1000] on the critical path; W's right line pinned
  // at 700; V's left line rigidly 20 after W's; U ends free at the right.
  enum { AL, AR, BL, BR, WL, WR, VL, VR, UL, UR };
  const std::vector<Arc> arcs = {{AL, AR, 200}, {AR, BL, 600}, {BL, BR, 200},  {AR, WL, 100}, {WL, WR, 80},
                                 {AR, WR, 500}, {WR, BL, 100}, {WL, VL, 20},   {VL, WL, -20}, {VL, VR, 40},
                                 {VR, BL, 100}, {AR, UL, 40},  {UL, UR, 60}};
  place(5, arcs, 4);
  expectArcsHold(arcs);
  EXPECT_EQ(line(WL)->loc, 620);  // W at its minimum width against its pinned right line
  EXPECT_EQ(line(VL)->loc, 640);  // moved with W
  EXPECT_EQ(line(VR)->loc, 680);  // V kept its width
  EXPECT_EQ(line(UR)->loc, 300);  // a right end with nothing to gain stays left
  EXPECT_EQ(SQlastWlm.placedTotal, SQlastWlm.minimumTotal - 10 * 320);
}

TEST_F(SymmetricCore, AllLinesFixedNothingMoves) {
  SCALE = 40;
  const std::vector<Arc> arcs = {{0, 1, 200}, {1, 2, 100}, {2, 3, 200}};
  place(2, arcs, 4);
  for (int v = 0; v < 4; ++v) EXPECT_EQ(line(v)->loc, line(v)->min_loc);
  EXPECT_EQ(SQlastWlm.moves, 0);
}

// Random rows of cells on one layer: own widths, spacings right to left,
// some rigid pairs. Only cell lengths weigh, so the placed total length is
// the measure: never above the leftmost placement's, every arc holds, and
// the width is that of the leftmost placement.
TEST_F(SymmetricCore, RandomRowsMinimisedPlacementsHoldAndNeverLengthen) {
  SCALE = 40;
  std::mt19937 rng(17);
  std::uniform_int_distribution<long> width(1, 8), gap(0, 6), start(0, 30);
  int shortened = 0;
  for (int round = 0; round < 40; ++round) {
    const int rows = 1 + round % 4, perRow = 2 + round % 6, cells = rows * perRow;
    std::vector<Arc> arcs;
    for (int r = 0; r < rows; ++r)
      for (int i = 0; i < perRow; ++i) {
        const int k = r * perRow + i;
        arcs.push_back({2 * k, 2 * k + 1, 20 * width(rng)});
        if (i > 0) arcs.push_back({2 * k - 1, 2 * k, 20 * gap(rng)});
      }
    // Cells of different rows tied: a left side held at a distance after
    // another row's right side, and either rigidly or with a right side held
    // far after it (both would make cycles).
    for (int r = 1; r < rows; ++r) {
      const int a = (r - 1) * perRow + static_cast<int>(start(rng)) % perRow;
      const int b = r * perRow + static_cast<int>(start(rng)) % perRow;
      const long w = 20 * gap(rng);
      arcs.push_back({2 * a + 1, 2 * b, w});
      if (round % 3 == 0) arcs.push_back({2 * b, 2 * a + 1, -w});
      // A right side held far after another row's: its cell stretched.
      const int c = r * perRow + static_cast<int>(start(rng)) % perRow;
      if (c != b && round % 3 != 0) arcs.push_back({2 * a + 1, 2 * c + 1, 20 * start(rng)});
    }
    const long leftWidth = place(cells, arcs, 1);
    const long leftLength = placedLength(cells);
    const long width = place(cells, arcs, 4);
    SCOPED_TRACE(round);
    EXPECT_EQ(width, leftWidth);
    expectArcsHold(arcs);
    EXPECT_LE(placedLength(cells), leftLength);
    shortened += placedLength(cells) < leftLength;
    EXPECT_FALSE(SQlastWlm.infeasible);
    for (int k = 0; k < cells; ++k)
      for (SQLINE_item* l : {SQcell[k].left, SQcell[k].right}) {
        EXPECT_GE(l->loc, 0);
        EXPECT_LE(l->loc, width);
      }
  }
  EXPECT_GT(shortened, 10);
}

}  // namespace
