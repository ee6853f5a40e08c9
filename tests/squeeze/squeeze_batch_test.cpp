// The graph back end through the whole program: layouts drawn to the
// built-in rules are resized by corvid-batch ("resize 20" and "resize 30")
// under every placement; sq_out.cif must load again, extract to the same
// circuit, obey every width, spacing and enclosure rule (the independent
// checker over its rectangles) and be no larger than the input either way.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/circuit_compare.h"
#include "support/clean_layouts.h"
#include "support/resize_fixture.h"
#include "support/rule_checker.h"
#include "support/run_program.h"

namespace fs = std::filesystem;

namespace {

class SqueezeBatch : public CVresizeTest {
 protected:
  // Compacts `layout` by resize `choice` (20, or 30 without declared pairs)
  // with leftmost (1), rightmost (2), middle (3) or wirelength (4) placement
  // and checks the output; returns the input and output extents.
  std::pair<CVrect, CVrect> compact(const CvCleanLayout& layout, int placement, int choice = 20) {
    SCOPED_TRACE("resize " + std::to_string(choice) + ", placement " + std::to_string(placement));
    EXPECT_TRUE(layout.writeCif(dir + "/in.cif"));
    const CVcircuit before = CVloadCircuit(dir + "/in.cif");
    const auto in = CVflatRectangles();
    EXPECT_FALSE(before.devices.empty());
    EXPECT_EQ(CVjoinLines(CVruleViolations(in)), "") << "the input itself breaks a rule";
    const std::string script = "f.DIldLayout in.cif\noption PROCESS_INCLUDE_WLM " + std::to_string(placement) +
                               "\nresize " + std::to_string(choice) + "\n";
    CVrunResult run = CVrunBatch(script, dir);
    EXPECT_EQ(run.status, 0) << run.err;
    CVexpectHas(run.out, {"Starting resizing... (Graph)", "SQ: Compaction LEFT_RIGHT direction done and updated.",
                          "SQ: All SQ done: return to caller function", "Check the output file at sq_out.cif"});
    EXPECT_TRUE(fs::exists(dir + "/sq_out.cif")) << run.out.substr(0, 3000) << run.err;
    EXPECT_FALSE(fs::exists(dir + "/sq_out.comment") || leftUnfinished("sq_out.cif") || leftUnfinished("sq_out.comment"));
    for (const char* f : {"sq_out.cif", "sq_out.comment", "sq_lr01.dat", "sq_tb01.dat.cell", "sq_lr03.dat",
                          "sq_tb04.dat", "sq_lr05.dat"})
      EXPECT_TRUE(fs::exists(dir + "/resize_report/" + f)) << f;
    EXPECT_FALSE(fs::exists(dir + "/resize_report/bf_lr.log"));
    const CVcircuit after = CVloadCircuit(dir + "/sq_out.cif");
    const auto out = CVflatRectangles();
    EXPECT_EQ(CVcompareCircuits(before, after), "");
    EXPECT_EQ(CVjoinLines(CVruleViolations(out)), "");
    CVrect a = CVboundingBox(in), b = CVboundingBox(out);
    EXPECT_LE(b.x2 - b.x1, a.x2 - a.x1);
    EXPECT_LE(b.y2 - b.y1, a.y2 - a.y1);
    return {a, b};
  }
};

TEST_F(SqueezeBatch, EveryLayoutKeepsCircuitAndEveryRuleUnderEveryPlacement) {
  CvCleanLayout layouts[6];
  layouts[0].inverter();
  layouts[1].differentialPair();
  for (int i = 0; i < 4; ++i) layouts[2].inverter(24 * i, 0);
  layouts[3].amplifier();
  for (int i = 0; i < 4; ++i) layouts[4].inverter(24 * (i % 2), 60 * (i / 2));
  layouts[5].inverter(0, 0);
  layouts[5].inverter(90, 0);
  layouts[5].differentialPair(30, 70);
  const char* names[] = {"inverter", "differential pair", "row of inverters", "pair with mirror load",
                         "inverters two by two", "inverters and a pair apart"};
  for (int choice : {20, 30})
    for (int placement = 1; placement <= 4; ++placement)
      for (int k = 0; k < 6; ++k) {
        SCOPED_TRACE(names[k]);
        compact(layouts[k], placement, choice);
      }
}

TEST_F(SqueezeBatch, InvertersDrawnFarApartComeOutMuchNarrower) {
  CvCleanLayout far;
  far.inverter(0, 0);
  far.inverter(200, 0);
  auto [in, out] = compact(far, 1);
  EXPECT_LT(out.x2 - out.x1, (in.x2 - in.x1) / 2);
}

// The far spacing rows the sweep leaves out are checked on the result: where
// the result keeps them all, it is the result of every row (the leftmost,
// rightmost and middle placements are fixed by the set of feasible
// positions, which rows that hold cannot change).
TEST_F(SqueezeBatch, LeavingFarRowsOutGivesTheResultOfEveryRow) {
  CvCleanLayout grid;  // three rows of five: corners far apart in both directions
  for (int i = 0; i < 15; ++i) grid.inverter(24 * (i % 5), 60 * (i / 5));
  ASSERT_TRUE(grid.writeCif(dir + "/in.cif"));
  for (int placement = 1; placement <= 3; ++placement) {
    std::string outputs[2];
    for (int all = 0; all <= 1; ++all) {
      CVrunResult run = CVrunBatch("f.DIldLayout in.cif\noption PROCESS_INCLUDE_WLM " + std::to_string(placement) +
                                       "\noption SWEEP_FAR_ROWS " + std::to_string(all ? 0 : 2) + "\nresize 20\n",
                                   dir);
      ASSERT_EQ(run.status, 0) << run.err;
      EXPECT_FALSE(CVhas(run.out, "compacting again")) << "placement " << placement;
      // The rightmost placement moves sides of other rows past the quick check.
      if (placement == 2 && all == 0) {
        EXPECT_TRUE(CVhas(run.out, "checked one by one"));
      }
      outputs[all] = CVreadFile(dir + "/sq_out.cif");
    }
    EXPECT_FALSE(outputs[0].empty());
    EXPECT_EQ(outputs[0], outputs[1]) << "placement " << placement;
  }
}

// Two poly squares far apart, one in the other's corner shade and nothing
// between: only the corner row keeps the upper one from sliding over the
// lower one, so the first result breaks the spacing, and the back end adds
// that row and solves again.
TEST_F(SqueezeBatch, AFarRowTheResultBreaksIsAddedAndSolvedAgain) {
  CvCleanLayout apart;
  apart.box("CPG", 0, 0, 10, 10);
  apart.box("CPG", 100, 30, 110, 40);
  ASSERT_TRUE(apart.writeCif(dir + "/in.cif"));
  CVrunResult run = CVrunBatch("f.DIldLayout in.cif\noption PROCESS_INCLUDE_WLM 1\noption SWEEP_FAR_ROWS 2\nresize 20\n", dir);
  ASSERT_EQ(run.status, 0) << run.err;
  CVexpectHas(run.out, {"Spacing rows left out by the sweep that the result breaks: 1; solving again with them",
                        "Check the output file at sq_out.cif"});
  CVloadCircuit(dir + "/sq_out.cif");
  const auto out = CVflatRectangles();
  EXPECT_EQ(out.size(), 2u);
  EXPECT_EQ(CVjoinLines(CVruleViolations(out)), "");
}

// Two inverters drawn apart at offsets where the rows of each direction,
// taken from the input, let the horizontal pass bring shapes of one over
// shapes of the other: before the result was checked for such pairs these
// offsets shorted the blocks or cut a select's enclosure of a contact.
TEST_F(SqueezeBatch, BlocksBroughtTogetherKeepTheirCircuitAndEveryRule) {
  for (auto [dx, dy] : {std::pair{40L, -43L}, std::pair{55L, -38L}, std::pair{59L, -39L}, std::pair{37L, 50L}}) {
    SCOPED_TRACE("second inverter at " + std::to_string(dx) + ", " + std::to_string(dy));
    CvCleanLayout two;
    two.inverter(0, 0);
    two.inverter(dx, dy);
    compact(two, 1);
  }
}

// The example amplifier's transistors are drawn wider than the rules ask:
// compaction without resizing must keep each one's W and L in both back ends
// (the graph back end once shrank them, three of them by less than the rest).
TEST_F(SqueezeBatch, BothBackEndsKeepEveryTransistorsSizeOfADrawnLayout) {
  const std::string example = std::string(CORVID_SOURCE_DIR) + "/examples/amplifier.cif";
  const CVcircuit before = CVloadCircuit(example);
  ASSERT_FALSE(before.devices.empty());
  for (auto [choice, output] : {std::pair{20, "sq_out.cif"}, std::pair{10, "result.cif"}}) {
    SCOPED_TRACE(output);
    CVrunResult run = CVrunBatch("f.DIldLayout " + example + "\nresize " + std::to_string(choice) + "\n", dir);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(CVcompareCircuits(before, CVloadCircuit(dir + "/" + output)), "");
  }
}

TEST_F(SqueezeBatch, StagesNotBuiltStopTheRunBeforeAnythingIsWritten) {
  CvCleanLayout inverter;
  inverter.inverter();
  ASSERT_TRUE(inverter.writeCif(dir + "/in.cif"));
  // Transistor resizing comes with choice 40.
  CVrunResult run = CVrunBatch("f.DIldLayout in.cif\nresize 40\n", dir);
  CVexpectHas(run.err, {"Resize stopped: transistor resizing is not in this build yet"});
  EXPECT_FALSE(CVhas(run.out, "SWEEP:"));
  EXPECT_FALSE(fs::exists(dir + "/sq_out.cif"));
  EXPECT_TRUE(fs::is_empty(dir + "/resize_report"));
}

}  // namespace
