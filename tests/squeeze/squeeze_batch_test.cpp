// The graph back end through the whole program: layouts drawn to the
// built-in rules are resized by corvid-batch ("resize 20"); sq_out.cif must
// load again, extract to the same circuit, obey every rule (the independent
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

// Longest paths put every lower edge as low as its rows allow, so a layer
// without a spacing rule towards another (a select towards a contact, metal
// towards a contact) can stretch over a shape it did not cover before; the
// sweep states enclosures only for the overlaps of the input. Those new
// overlaps are the wirelength placement's to undo; widths and spacings must hold.
std::vector<std::string> widthAndSpacing(const std::vector<std::string>& all) {
  std::vector<std::string> kept;
  for (const std::string& v : all)
    if (v.rfind("enclosure", 0) != 0) kept.push_back(v);
  return kept;
}

class SqueezeBatch : public CVresizeTest {
 protected:
  // Compacts `layout` with leftmost (1), rightmost (2) or middle (3)
  // placement and checks the output; returns the input and output extents.
  std::pair<CVrect, CVrect> compact(const CvCleanLayout& layout, int placement) {
    EXPECT_TRUE(layout.writeCif(dir + "/in.cif"));
    const CVcircuit before = CVloadCircuit(dir + "/in.cif");
    const auto in = CVflatRectangles();
    EXPECT_FALSE(before.devices.empty());
    EXPECT_EQ(CVjoinLines(CVruleViolations(in)), "") << "the input itself breaks a rule";
    const std::string script = "f.DIldLayout in.cif\noption PROCESS_INCLUDE_WLM " + std::to_string(placement) +
                               "\nresize 20\n";
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
    EXPECT_EQ(CVjoinLines(widthAndSpacing(CVruleViolations(out))), "");
    CVrect a = CVboundingBox(in), b = CVboundingBox(out);
    EXPECT_LE(b.x2 - b.x1, a.x2 - a.x1);
    EXPECT_LE(b.y2 - b.y1, a.y2 - a.y1);
    return {a, b};
  }
};

TEST_F(SqueezeBatch, InverterPairAndRowKeepCircuitAndRulesUnderEveryPlacement) {
  CvCleanLayout inverter, pair, row;
  inverter.inverter();
  pair.differentialPair();
  for (int i = 0; i < 4; ++i) row.inverter(24 * i, 0);
  compact(inverter, 1);
  compact(pair, 3);
  compact(row, 2);
}

TEST_F(SqueezeBatch, InvertersDrawnFarApartComeOutMuchNarrower) {
  CvCleanLayout far;
  far.inverter(0, 0);
  far.inverter(200, 0);
  auto [in, out] = compact(far, 1);
  EXPECT_LT(out.x2 - out.x1, (in.x2 - in.x1) / 2);
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
