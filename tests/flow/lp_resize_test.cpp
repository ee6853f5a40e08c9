// The LP back end through the whole program: generated layouts drawn to the
// built-in rules are resized by corvid-batch ("resize 10"); result.cif must
// load again, extract to the same circuit, obey every rule (an independent
// checker over the output rectangles) and be no larger than the input.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "support/circuit_compare.h"
#include "support/clean_layouts.h"
#include "support/resize_fixture.h"
#include "support/rule_checker.h"
#include "support/run_program.h"

namespace fs = std::filesystem;

namespace {

struct Loaded {
  CVcircuit circuit;
  std::vector<CVrect> rects;
};

Loaded load(const std::string& cif) {
  Loaded l;
  l.circuit = CVloadCircuit(cif);
  l.rects = CVflatRectangles();
  return l;
}

class LpResize : public CVresizeTest {
 protected:
  // Writes the layout, resizes it with the LP back end, and checks the output
  // against the input; returns the input and output bounding boxes.
  std::pair<CVrect, CVrect> resizeAndCheck(const CvCleanLayout& layout, const std::string& options = "") {
    EXPECT_TRUE(layout.writeCif(dir + "/in.cif"));
    Loaded in = load(dir + "/in.cif");
    EXPECT_FALSE(in.circuit.devices.empty());
    EXPECT_EQ(CVjoinLines(CVruleViolations(in.rects)), "") << "the input itself breaks a rule";
    CVrunResult run = CVrunBatch("f.DIldLayout in.cif\n" + options + "resize 10\n", dir);
    EXPECT_EQ(run.status, 0) << run.err;
    CVexpectHas(run.out, {"Starting resizing... (LP)", "Starting resizing in the y-direction... (LP)", "Completed resizing!"});
    EXPECT_TRUE(fs::exists(dir + "/result.cif")) << run.out << run.err;
    EXPECT_FALSE(leftUnfinished("result.cif"));
    for (const char* f : {"LPmps_LR_1.file", "LPmps_LR_2.file.rpt", "LPmps_TB_1.file.rpt", "LPmps_TB_2.file"})
      EXPECT_TRUE(fs::exists(dir + "/resize_report/" + f)) << f;
    Loaded out = load(dir + "/result.cif");
    EXPECT_EQ(CVcompareCircuits(in.circuit, out.circuit), "");
    EXPECT_EQ(CVjoinLines(CVruleViolations(out.rects)), "");
    CVrect a = CVboundingBox(in.rects), b = CVboundingBox(out.rects);
    EXPECT_LE(b.x2 - b.x1, a.x2 - a.x1);
    EXPECT_LE(b.y2 - b.y1, a.y2 - a.y1);
    return {a, b};
  }
};

TEST_F(LpResize, InvertersPairAndAmplifierKeepTheirCircuitAndRulesAndShrink) {
  CvCleanLayout inverter;
  inverter.inverter();
  resizeAndCheck(inverter);
  CvCleanLayout pair;
  pair.differentialPair();
  resizeAndCheck(pair);
  CvCleanLayout amplifier;
  amplifier.amplifier();
  resizeAndCheck(amplifier);
  CvCleanLayout grid;
  for (int i = 0; i < 4; ++i) grid.inverter(24 * (i % 2), 60 * (i / 2));
  resizeAndCheck(grid);
  CvCleanLayout far;  // drawn far apart, they come out much narrower
  far.inverter(0, 0);
  far.inverter(200, 0);
  auto [in, out] = resizeAndCheck(far);
  EXPECT_LT(out.x2 - out.x1, (in.x2 - in.x1) / 2);
  // With geometric detection the pair's axis adds its rows to phase two.
  fs::remove(dir + "/sym.report");
  resizeAndCheck(pair, "option PROCESS_INCLUDE_SYMMETRY 2\n");
  EXPECT_TRUE(CVhas(CVreadFile(dir + "/sym.report"), "Total Symmetry Axes Found = 1"));
}

TEST_F(LpResize, ProblemFilesOfAContactAndAMetalSquare) {
  // A 2x2 contact and, apart from it, a 10x10 metal square: one width row
  // each, and the row that keeps the metal (which must enclose contacts and
  // has no spacing rule with them) off the contact. Phase two weighs the
  // metal's width by its layer's COEFF (100000), leaves the contact (a
  // contact layer) out of the objective and the extent rows, still declaring
  // its extent row, and bounds every right side by the phase-one extent (the
  // two widths side by side, 200).
  CVwriteFile(dir + "/in.cif", "DS 1 1 1;\n9 lone;\nL CCA;\nB 20 20 10 10;\nL CMF;\nB 100 100 250 50;\nDF;\nC 1;\nE\n");
  CVrunResult run = CVrunBatch("f.DIldLayout in.cif\nresize 10\n", dir);
  ASSERT_EQ(run.status, 0);
  const std::string head = "NAME LINDO GENERATED MPS FILE (MIN)\nROWS\n  N 1    \n  G 2       \n  G 3       \n  G 4       \n";
  EXPECT_EQ(CVreadFile(dir + "/resize_report/LPmps_LR_1.file"),
            head +
                "COLUMNS\n"
                "    X1        1         1\n    X1        2         -1\n"
                "    X2        1         1\n    X2        4         -1\n    X2        2         1\n"
                "    X3        1         1\n    X3        4         1\n    X3        3         -1\n"
                "    X4        1         1\n    X4        3         1\n"
                "RHS\n    RHS       2         80\n    RHS       3         120\n    RHS       4         0\nENDATA\n");
  EXPECT_EQ(CVreadFile(dir + "/resize_report/LPmps_LR_2.file"),
            head +
                "  L 5       \n  L 6       \n"
                "COLUMNS\n"
                "    X1        2         -1\n    X2        4         -1\n    X2        2         1\n"
                "    X3        1         -100000\n    X3        4         1\n    X3        3         -1\n"
                "    X4        1         100000\n    X4        5         1\n    X4        3         1\n"
                "RHS\n    RHS       2         80\n    RHS       3         120\n    RHS       4         0\n"
                "    RHS       5         200\n    RHS       6         200\nENDATA\n");
  // The contact at the origin, the metal touching it; boxes in half CIF units.
  EXPECT_EQ(CVreadFile(dir + "/result.cif"),
            "DS 1 1 2;\n9 __CIF2__;\nL CCA;\n    B 40 40 20 20;\nL CMF;\n    B 60 60 70 30;\nDF;\nC 1;\nEnd\n");
}

}  // namespace
