// Symmetry rows on a loaded differential pair with its current mirror: the
// rows of the detected axis (LP back end) and of the declared pairs (graph
// back end) hold on the input coordinates, with the axis variable at one
// value, and no value of the axis satisfies them once one gate moves by one
// grid unit.
#include <map>

#include "compact/row_check.h"
#include "compact/symmetry_commands.h"
#include "compact/symmetry_fixture.h"
#include "compact/symmetry_rows.h"

namespace {

// Input coordinates, with the tiles in `moved` shifted by `shift` in x
// (or in y).
struct Geometry {
  std::set<const _Dtile*> moved;
  long shift = 0;
  bool inX = true;
  long at(const _edge* e, bool x) const {
    long v = inputCoordinate(e, x);
    return x == inX && moved.count(e->mother_tile) ? v + shift : v;
  }
};

bool isAxis(const _edge* e) { return e->layer_num == SY_AXIS_LAYER || e->layer_num == SY_AXIS_TWIN_LAYER; }

// Rows as text; axis variables (no tile) by their column.
std::string describeRows(const std::vector<Row>& rows) {
  std::string s;
  for (const Row& r : rows) {
    Row tiles = r;
    tiles.terms.clear();
    std::string axes;
    for (auto& [c, e] : r.terms) {
      if (isAxis(e)) axes += " " + std::to_string(c) + "*A" + std::to_string(e->sub);
      else tiles.terms.push_back({c, e});
    }
    s += axes + " " + describe(tiles);
  }
  return s;
}

// Whether one value per axis variable makes every row hold: each row naming
// one axis fixes it, all such values must agree, then every row must hold.
bool satisfiable(const std::vector<Row>& rows, const Geometry& g) {
  std::map<const _edge*, std::set<double>> implied;
  for (const Row& r : rows) {
    if (r.type != 'E') continue;
    const _edge* axis = nullptr;
    int ca = 0;
    double rest = 0;
    for (auto& [c, e] : r.terms) {
      if (isAxis(e)) {
        axis = e;
        ca += c;
      } else {
        rest += c * g.at(e, r.x);
      }
    }
    if (axis && ca) implied[axis].insert((r.value - rest) / ca);
  }
  for (auto& [axis, values] : implied)
    if (values.size() != 1) return false;
  for (const Row& r : rows) {
    double v = 0;
    for (auto& [c, e] : r.terms) v += c * (isAxis(e) ? *implied[e].begin() : g.at(e, r.x));
    if (r.type == 'E' ? v != r.value : r.type == 'G' ? v < r.value : v > r.value) return false;
  }
  return true;
}

class SymmetryRowsTest : public SymmetryTest {
 protected:
  void TearDown() override {
    SWfreeRows(&rhsX);
    SWfreeRows(&rhsY);
    SymmetryTest::TearDown();
  }
  void loadPair() {
    CvLayout l;
    l.diffPairMirror();
    l.labels.clear();
    load(l, 5);
  }
  // The gate tile (and gate poly) of the right transistor of the lower pair.
  Geometry movedRightGate(long shift, bool inX = true) {
    Geometry g;
    for (int e = 0; e < DelementNum; ++e)
      for (_Dtransistor* t = Transistors[e]; t; t = t->next)
        if (t->Tgate->x1 == 16 * kUnitsPerLambda && t->Tgate->y1 == 0) g.moved = {t->Tgate, t->Pgate};
    g.shift = shift;
    g.inX = inX;
    return g;
  }
  // Both sweeps, each followed by `symmetry` for its direction (1 x, 2 y);
  // returns the rows `symmetry` added.
  template <class Fn>
  std::vector<Row> sweepWith(Fn symmetry) {
    testing::internal::CaptureStdout();
    _rhs_list* rhs = &rhsX;
    SWsweepDirection(1, &rhsX);
    const int sweptX = mps_column_num;
    X_direction = 1;
    symmetry(&rhs, 1);
    const int addedX = mps_column_num;
    rhs = &rhsY;
    SWsweepDirection(0, &rhsY);
    const int sweptY = mps_column_num;
    X_direction = 0;
    symmetry(&rhs, 2);
    output = testing::internal::GetCapturedStdout();
    std::vector<Row> all, out;
    collectRows(equat_bucket, SWcolumns(1), rhsX, true, all);
    collectRows(equat_bucket_y, SWcolumns(0), rhsY, false, all);
    xRows = yRows = 0;
    for (const Row& r : all) {
      if (r.number > sweptX && r.number <= addedX) ++xRows;
      else if (r.number > sweptY) ++yRows;
      else continue;
      out.push_back(r);
    }
    return out;
  }
  _rhs_list rhsX, rhsY;
  int xRows = 0, yRows = 0;
};

TEST_F(SymmetryRowsTest, AxisRowsHoldOnTheSymmetricInputAndFailWhenAGateMoves) {
  loadPair();
  ASSERT_EQ(detect(), 1);
  std::vector<Row> rows = sweepWith([](_rhs_list** rhs, int) { all_sym_axes->sym_const_gen(rhs); });
  // One axis variable, after the tiles' variables.
  EXPECT_EQ(NUM_of_VAR, num_of_var + 1);
  EXPECT_EQ(equat_bucket[num_of_var]->the_edge->layer_num, SY_AXIS_LAYER);
  // Mirror and width rows of both gate pairs, mirror rows of the shapes
  // centred on the axis; equal heights of the gate pairs.
  EXPECT_GE(xRows, 4 + 5);
  EXPECT_GE(yRows, 2);
  EXPECT_TRUE(satisfiable(rows, Geometry{})) << describeRows(rows);
  EXPECT_FALSE(satisfiable(rows, movedRightGate(kUnitsPerLambda)));
  EXPECT_FALSE(satisfiable(rows, movedRightGate(-kUnitsPerLambda)));
}

TEST_F(SymmetryRowsTest, DeclaredPairRowsHoldOnTheSymmetricInputAndFailWhenAGateMoves) {
  loadPair();
  detect();
  convert_sym_datastructure();  // the two pairs, declared on one axis
  std::vector<Row> rows = sweepWith([](_rhs_list** rhs, int direction) {
    user_defined_sym_constraint_generate(direction == 1 ? equat_bucket : equat_bucket_y, rhs, direction);
  });
  // Pairs of one axis share one variable pair: 100 in x (vertical axis), 101 in y.
  EXPECT_EQ(NUM_of_VAR, num_of_var + 1);
  EXPECT_EQ(equat_bucket[num_of_var]->the_edge->layer_num, SY_AXIS_LAYER);
  EXPECT_EQ(equat_bucket_y[num_of_var]->the_edge->layer_num, SY_AXIS_TWIN_LAYER);
  EXPECT_EQ(final_sym_list->edge, final_sym_list->next->edge);
  EXPECT_GE(xRows, 2 * 2);
  EXPECT_GE(yRows, 2 * 2);
  EXPECT_TRUE(satisfiable(rows, Geometry{})) << describeRows(rows) << output;
  EXPECT_FALSE(satisfiable(rows, movedRightGate(kUnitsPerLambda)));
}

TEST_F(SymmetryRowsTest, StackedBlocksDeclaredWithBoundBoxGiveAHorizontalAxis) {
  loadPair();
  // The n pair below, the p pair above: blocks apart in y, pairs about y = 7 lambda.
  testing::internal::CaptureStdout();
  SYboundBoxBegin();
  SYboundBoxRectangle(-2 * kUnitsPerLambda, -1 * kUnitsPerLambda, 24 * kUnitsPerLambda, 5 * kUnitsPerLambda);
  SYboxResult r = SYboundBoxRectangle(-2 * kUnitsPerLambda, 9 * kUnitsPerLambda, 24 * kUnitsPerLambda,
                                      15 * kUnitsPerLambda);
  std::string out = testing::internal::GetCapturedStdout();
  ASSERT_TRUE(r.axis.draw) << out;
  EXPECT_EQ(r.axis.y1, 7 * kUnitsPerLambda);
  EXPECT_EQ(Bound_Box, 1);
  int pairs = 0;
  for (_sym_constraint_list* e = final_sym_list; e; e = e->next, ++pairs) {
    EXPECT_EQ(e->axis, 1);
    EXPECT_EQ(e->sym_loc, 7 * kUnitsPerLambda);
    EXPECT_EQ(e->block_number, 1);
  }
  EXPECT_EQ(pairs, 2);
  // A resizer run rescans; the declared pairs stay.
  init_staff();
  scan_toget_variables();
  std::vector<Row> rows = sweepWith([](_rhs_list** rhs, int direction) {
    user_defined_sym_constraint_generate(direction == 1 ? equat_bucket : equat_bucket_y, rhs, direction);
  });
  EXPECT_EQ(equat_bucket_y[num_of_var]->the_edge->layer_num, SY_AXIS_LAYER);
  EXPECT_GE(xRows, 2 * 4);
  EXPECT_GE(yRows, 2 * 3);
  EXPECT_TRUE(satisfiable(rows, Geometry{})) << describeRows(rows) << output;
  EXPECT_FALSE(satisfiable(rows, movedRightGate(kUnitsPerLambda, false)));
}

TEST_F(SymmetryRowsTest, NoAxisAndNoPairAddNothing) {
  CvLayout l;
  nmos(l, 0, 0, 6, 2);
  nmos(l, 20, 0, 6, 3);
  load(l, 2);
  EXPECT_EQ(detect(), 0);
  testing::internal::CaptureStdout();
  SWsweepDirection(1, &rhsX);
  const int rows = mps_column_num, vars = NUM_of_VAR;
  _rhs_list* rhs = &rhsX;
  all_sym_axes->sym_const_gen(&rhs);
  user_defined_sym_constraint_generate(equat_bucket, &rhs, 1);
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(mps_column_num, rows);
  EXPECT_EQ(NUM_of_VAR, vars);
}

}  // namespace
