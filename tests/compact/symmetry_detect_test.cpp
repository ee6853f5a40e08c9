// Geometric detection after a whole load, against the model of
// symmetry_fixture.h: rows of equal gates, a differential pair with its
// current mirror, and mirrored and rotated copies; the pair list and
// sym.report built from what was found.
#include <cstdio>

#include "compact/symmetry_fixture.h"

namespace {

// Four equal gates at irregular places on one row, one longer gate on that
// row, and a second row with one gate like the first row's.
CvLayout gateRows() {
  CvLayout l;
  for (long x : {0, 20, 50, 90}) nmos(l, x, 0, 6, 2);
  nmos(l, 120, 0, 6, 3);
  nmos(l, 0, 30, 6, 2);
  nmos(l, 50, 30, 4, 2);
  nmos(l, 90, 30, 6, 2);
  return l;
}

CvLayout diffPair() {
  CvLayout l;
  l.diffPairMirror();
  l.labels.clear();
  return l;
}

TEST_F(SymmetryTest, PairsAndAxesEqualTheGeometricModel) {
  struct Case {
    const char* name;
    CvLayout layout;
    int transistors;
    size_t pairs;  // of the model: the cases are not vacuous
  };
  // Turned a quarter, rows become columns: only gates of equal x before pair.
  const Case cases[] = {{"rows", gateRows(), 8, 7},
                        {"rows mirrored", mirrored(gateRows()), 8, 7},
                        {"rows rotated", rotated(gateRows()), 8, 2},
                        {"differential pair", diffPair(), 5, 2},
                        {"differential pair mirrored", mirrored(diffPair()), 5, 2},
                        {"differential pair rotated", rotated(diffPair()), 5, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    load(c.layout, c.transistors);
    const std::set<Pair> model = modelPairs(c.layout);
    EXPECT_EQ(model.size(), c.pairs);
    const int found = detect();
    std::set<long> axes, modelAxes;
    EXPECT_EQ(foundPairs(&axes), model);
    for (const Pair& p : model) modelAxes.insert(std::get<2>(p));
    // One axis per coordinate: pairs on a common axis share it.
    EXPECT_EQ(axes, modelAxes);
    EXPECT_EQ(all_sym_axes->nbr_axes, static_cast<int>(modelAxes.size()));
    EXPECT_EQ(found, model.empty() ? 0 : 1);
    if (found) {
      char line[64];
      snprintf(line, sizeof line, "The symmetry axis is : %ld\n", THE_SYM_AXIS);
      EXPECT_NE(output.find(line), std::string::npos) << output;
    }
  }
}

TEST_F(SymmetryTest, FourEqualGatesInARowGiveSixPairs) {
  CvLayout l;
  for (long x : {0, 20, 50, 90}) nmos(l, x, 0, 6, 2);
  load(l, 4);
  detect();
  EXPECT_EQ(foundPairs().size(), 6u);
  convert_sym_datastructure();
  int entries = 0;
  for (_sym_constraint_list* e = final_sym_list; e; e = e->next) ++entries;
  EXPECT_EQ(entries, 6);
  // The differential pair and its mirror share the axis midway between the gates.
  load(diffPair(), 5);
  detect();
  ASSERT_EQ(all_sym_axes->nbr_axes, 1);
  EXPECT_EQ(all_sym_axes->head->one_axis->axis, 11 * kUnitsPerLambda);
  EXPECT_EQ(all_sym_axes->head->one_axis->times, 2);
}

_Dtransistor* transistorAt(long x, long y) {
  for (int e = 0; e < DelementNum; ++e)
    for (_Dtransistor* t = Transistors[e]; t; t = t->next)
      if (t->Tgate->x1 == x * kUnitsPerLambda && t->Tgate->y1 == y * kUnitsPerLambda) return t;
  return nullptr;
}

TEST_F(SymmetryTest, ReportListsPairsByAxisWithTotals) {
  // Rows at y 0 and 30 share the axis x = 15; rows at 60 and 90 the axis x = 125.
  CvLayout l;
  for (long y : {0, 30}) {
    nmos(l, 0, y, 6, 2);
    nmos(l, 20, y, 6, 2);
  }
  for (long y : {60, 90}) {
    nmos(l, 100, y, 6, 2);
    nmos(l, 140, y, 6, 2);
  }
  load(l, 8);
  detect();
  convert_sym_datastructure();
  std::string dir = CVscratchDir();
  FILE* out = fopen((dir + "/sym.report").c_str(), "w");
  ASSERT_TRUE(out);
  SYwriteSymReport(out);
  fclose(out);
  auto name = [](long x, long y) { return std::string(transistorAt(x + 4, y)->name); };
  char expected[2048];
  snprintf(expected, sizeof expected,
           "Num   Tran1   Tran2  R_Tran   Blk_num   Axis\n"
           "\n"
           "  2  %6s  %6s  %6s          2     X = 1200\n"
           "  1  %6s  %6s  %6s          2     X = 1200\n"
           "\n"
           "  2  %6s  %6s  %6s          1     X = 10000\n"
           "  1  %6s  %6s  %6s          1     X = 10000\n"
           "\nTotal Symmetry Transistors Pairs Found = 4\n"
           "Total Symmetry Axes Found = 2\n"
           "Total Constraints Created = 24\n",
           name(0, 30).c_str(), name(20, 30).c_str(), "-", name(0, 0).c_str(), name(20, 0).c_str(), "-",
           name(100, 90).c_str(), name(140, 90).c_str(), "-", name(100, 60).c_str(), name(140, 60).c_str(), "-");
  EXPECT_EQ(CVreadFile(dir + "/sym.report"), expected);
}

}  // namespace
