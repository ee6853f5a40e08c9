// The graph back end with declared symmetry through the whole program: pairs
// are declared with f.BoundBox (two rectangles as four point lines), then
// "resize 30" compacts with the core LP. sq_out.cif must keep every pair
// mirrored about one axis per block (output gate coordinates), obey every
// rule (independent checker over the output rectangles) and extract to the
// same circuit; the values lp_solve returned must satisfy every row of the
// core MPS file as this test reads it; and wirelength minimisation must
// never leave more wire than the leftmost placement.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "batch/batch_startup.h"
#include "cs/cs.h"
#include "extract/transistor.h"
#include "support/circuit_compare.h"
#include "support/circuit_layouts.h"
#include "support/clean_layouts.h"
#include "support/resize_fixture.h"
#include "support/rule_checker.h"
#include "support/run_program.h"
#include "techc/tech.h"

namespace fs = std::filesystem;

namespace {

struct Block {
  long x1, y1, x2, y2;  // internal units
};

// A block given in grid units of the clean layouts (40 internal units each).
Block grid(long x1, long y1, long x2, long y2) { return {40 * x1, 40 * y1, 40 * x2, 40 * y2}; }

struct Gate {
  long x1, x2, y1, y2;
};

// Gate rectangles of the transistors of the last load; with `turned` x and
// y exchanged (a horizontal axis becomes a vertical one).
std::vector<Gate> gates(bool turned = false) {
  std::vector<Gate> g;
  for (int e = 0; e < DelementNum; ++e)
    for (const _Dtransistor* t = Transistors[e]; t; t = t->next) {
      if (!t->Tgate) continue;
      const Gate v{t->Tgate->x1, TileRight(t->Tgate), t->Tgate->y1, TileTop(t->Tgate)};
      g.push_back(turned ? Gate{v.y1, v.y2, v.x1, v.x2} : v);
    }
  return g;
}

// Every row of two gates (same bottom) is one mirrored pair: equal widths,
// and one axis (sum of the facing sides) shared by all rows of the block.
void expectMirrored(const std::vector<Gate>& all, const std::string& what) {
  std::map<long, std::vector<Gate>> rows;
  for (const Gate& g : all) rows[g.y1].push_back(g);
  std::set<long> axes;
  for (auto& [y, row] : rows) {
    if (row.size() == 1) continue;  // a device on the axis (a tail), in no pair
    ASSERT_EQ(row.size(), 2u) << what << ": row at y " << y;
    const Gate& l = row[0].x1 < row[1].x1 ? row[0] : row[1];
    const Gate& r = row[0].x1 < row[1].x1 ? row[1] : row[0];
    EXPECT_EQ(l.x2 - l.x1, r.x2 - r.x1) << what << ": unequal gates at y " << y;
    EXPECT_EQ(l.y2, r.y2) << what;
    axes.insert(l.x2 + r.x1);
  }
  EXPECT_EQ(axes.size(), 1u) << what << ": pairs mirrored about different axes";
}

// ---- an independent reading of the core LP and its solution -----------------

struct Row {
  char type = 0;
  std::map<std::string, long> terms;
  long rhs = 0;
};

// Checks every row of `mps` against the values of `report`; returns the
// number of rows checked.
int expectRowsHold(const std::string& mps, const std::string& report) {
  std::map<std::string, Row> rows;
  std::map<std::string, long> fixed;
  std::istringstream in(CVreadFile(mps));
  std::string line, section;
  while (std::getline(in, line)) {
    if (line.empty()) continue;
    if (line[0] != ' ') {
      section = line.substr(0, line.find(' '));
      continue;
    }
    std::istringstream f(line);
    std::vector<std::string> w;
    for (std::string x; f >> x;) w.push_back(x);
    if (section == "ROWS") rows[w.at(1)].type = w.at(0)[0];
    else if (section == "COLUMNS" && w.at(1) != "'MARKER'") rows[w.at(1)].terms[w.at(0)] += std::stol(w.at(2));
    else if (section == "RHS") rows[w.at(1)].rhs = std::stol(w.at(2));
    else if (section == "BOUNDS" && w.at(0) == "FX") fixed[w.at(2)] = std::stol(w.at(3));
  }
  std::map<std::string, double> value;
  std::istringstream rep(CVreadFile(report));
  bool inValues = false;
  while (std::getline(rep, line)) {
    if (line.find("Actual values of the variables") != std::string::npos) {
      inValues = true;
      continue;
    }
    if (!inValues) continue;
    std::istringstream f(line);
    std::string name;
    double v;
    if (!(f >> name >> v) || name[0] != 'X') break;
    value[name] = v;
  }
  EXPECT_FALSE(value.empty()) << report;
  for (auto& [name, v] : value) EXPECT_EQ(v, static_cast<long>(v)) << name << " is not integer";
  for (auto& [name, v] : fixed) EXPECT_EQ(value[name], v) << name;
  int checked = 0;
  for (auto& [name, r] : rows) {
    if (r.type == 'N') continue;
    double sum = 0;
    for (auto& [var, c] : r.terms) {
      EXPECT_TRUE(value.count(var)) << var << " has no value";
      sum += c * value[var];
    }
    if (r.type == 'E') {
      EXPECT_EQ(sum, r.rhs) << "row " << name;
    } else {
      EXPECT_GE(sum, r.rhs) << "row " << name;
    }
    ++checked;
  }
  return checked;
}

// ---- the runs ------------------------------------------------------------------

class SymmetricCompaction : public CVresizeTest {
 protected:

  std::string boundBox(const Block& a, const Block& b) {
    std::string s = "f.BoundBox\n";
    for (const Block& k : {a, b})
      s += "point " + std::to_string(k.x1) + " " + std::to_string(k.y1) + "\npoint " + std::to_string(k.x2) + " " +
           std::to_string(k.y2) + "\n";
    return s;
  }

  // Declares the two blocks, resizes with choice 30 and checks sq_out.cif.
  // `vertical` blocks lie one above the other (a horizontal axis).
  void compactSymmetric(const std::string& cif, const Block& left, const Block& right, const char* name,
                        bool vertical = false) {
    SCOPED_TRACE(name);
    CVwriteFile(dir + "/in.cif", cif);
    const CVcircuit in = CVloadCircuit(dir + "/in.cif");
    ASSERT_EQ(CVjoinLines(CVruleViolations(CVflatRectangles())), "") << "the input itself breaks a rule";
    expectMirrored(gates(vertical), std::string(name) + " (input)");
    const CVrect inBox = CVboundingBox(CVflatRectangles());

    CVrunResult run = CVrunBatch("f.DIldLayout in.cif\n" + boundBox(left, right) + "resize 30\n", dir);
    ASSERT_EQ(run.status, 0) << run.err;
    CVexpectHas(run.out, {"The blocks are symmetric!", "  SQcore: lp_solve done\n", "Completed resizing!"});
    ASSERT_TRUE(fs::exists(dir + "/sq_out.cif")) << run.out.substr(run.out.size() > 3000 ? run.out.size() - 3000 : 0);
    const std::string mps = dir + "/resize_report/SQcore_mps_" + (vertical ? "TB" : "LR") + ".file";
    ASSERT_TRUE(fs::exists(mps) && fs::exists(mps + ".rpt"));
    EXPECT_FALSE(fs::exists(dir + "/SQcore_mps.file"));
    EXPECT_GT(expectRowsHold(mps, mps + ".rpt"), 0);
    if (vertical) {
      CVexpectHas(CVreadFile(dir + "/time_rpt.txt"), {"Core Ver Start Time :", "Core Ver Stop Time : "});
    } else {
      CVexpectHas(CVreadFile(dir + "/time_rpt.txt"), {"Core Hor Start Time :", "Core Hor Stop Time : "});
    }

    const CVcircuit out = CVloadCircuit(dir + "/sq_out.cif");
    EXPECT_EQ(CVcompareCircuits(in, out), "");
    const std::vector<CVrect> rects = CVflatRectangles();
    EXPECT_EQ(CVjoinLines(CVruleViolations(rects)), "");
    expectMirrored(gates(vertical), std::string(name) + " (output)");
    const CVrect outBox = CVboundingBox(rects);
    EXPECT_LE(outBox.x2 - outBox.x1, inBox.x2 - inBox.x1);
    EXPECT_LE(outBox.y2 - outBox.y1, inBox.y2 - inBox.y1);
  }

  // Total wire of sq_out.cif after choice 20 with the placement `wlm`.
  long wireAfter(const CvCleanLayout& layout, int wlm) {
    EXPECT_TRUE(layout.writeCif(dir + "/in.cif"));
    CVrunResult run = CVrunBatch("f.DIldLayout in.cif\noption PROCESS_INCLUDE_WLM " + std::to_string(wlm) +
                                     "\nresize 20\n",
                                 dir);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_FALSE(CVhas(run.out, "minimum positions used")) << "the moved positions broke an arc";
    CVloadCircuit(dir + "/sq_out.cif");
    long wire = 0;
    for (const CVrect& r : CVflatRectangles()) wire += (r.x2 - r.x1) + (r.y2 - r.y1);
    return wire;
  }
};

TEST_F(SymmetricCompaction, DeclaredPairsStayMirroredCleanAndTheSameCircuit) {
  CvCleanLayout pair;  // gates at 7..9 and 21..23, axis 15
  pair.differentialPair();
  compactSymmetric(pair.cif(), grid(-6, -16, 15, 22), grid(15, -16, 36, 22), "differential pair");

  CvCleanLayout mirror;  // the pair's gates tied by a poly bar: a current mirror
  mirror.differentialPair();
  mirror.box("CPG", 7, 12, 23, 14);
  compactSymmetric(mirror.cif(), grid(-6, -16, 15, 22), grid(15, -16, 36, 22), "current mirror");

  CvCleanLayout apart;  // two inverters far apart: an NMOS and a PMOS pair, one axis
  apart.inverter(0, 0);
  apart.inverter(120, 0);
  compactSymmetric(apart.cif(), grid(-6, -14, 22, 46), grid(114, -14, 142, 46), "inverters apart");

  CvCleanLayout stacked;  // two pairs one above the other: a horizontal axis
  stacked.differentialPair(0, 0);
  stacked.differentialPair(0, 60);
  compactSymmetric(stacked.cif(), grid(-6, -16, 36, 22), grid(-6, 44, 36, 82), "pairs above each other", true);

  CvCleanLayout amplifier;  // an NMOS pair with a PMOS mirror load above, the tail on the axis
  amplifier.amplifier();
  compactSymmetric(amplifier.cif(), {-400, -600, 2000, 3200}, {2400, -600, 4800, 3200}, "pair with mirror load");
}

TEST_F(SymmetricCompaction, WirelengthMinimisationNeverLeavesMoreWireThanTheLeftmostPlacement) {
  CvCleanLayout far;
  far.inverter(0, 0);
  far.inverter(90, 0);
  far.differentialPair(30, 70);
  CvCleanLayout pair;
  pair.differentialPair();
  for (const CvCleanLayout* l : {&far, &pair}) {
    const long leftmost = wireAfter(*l, 1);
    const long minimised = wireAfter(*l, 4);
    EXPECT_LE(minimised, leftmost);
  }
}

}  // namespace
