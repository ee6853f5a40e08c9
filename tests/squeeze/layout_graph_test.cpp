// Graphs from loaded layouts: after solving with the leftmost placement every
// cell edge sits where a plain longest-path computation over the sweep's
// rows puts it, and every row holds on the solved coordinates.
#include <map>

#include "batch/batch_startup.h"
#include "compact/resizer_stores.h"
#include "compact/row_check.h"
#include "compact/sweep.h"
#include "cs/cs.h"
#include "designrule/designrule.h"
#include "extract/transistor.h"
#include "interface/accept.h"
#include "squeeze/sq_output.h"
#include "squeeze/sq_phases.h"
#include "squeeze/squeeze_fixture.h"
#include "compact/device_rows.h"
#include "support/clean_layouts.h"
#include "support/layout_generator.h"

namespace {

// Longest paths over the rows "X(b) - X(a) >= v" and "= v" (both ways), from
// the lower sides that no positive row pushes, values below 0 not counted.
std::map<const _edge*, long> plainLongestPaths(const std::vector<Row>& rows) {
  struct Arc {
    const _edge *from, *to;
    long w;
  };
  std::vector<Arc> arcs;
  std::map<const _edge*, long> d;
  for (const Row& r : rows) {
    if (r.terms.size() != 2) continue;
    const _edge* plus = r.terms[0].first > 0 ? r.terms[0].second : r.terms[1].second;
    const _edge* minus = r.terms[0].first > 0 ? r.terms[1].second : r.terms[0].second;
    arcs.push_back({minus, plus, r.value});
    if (r.type == 'E') arcs.push_back({plus, minus, -r.value});
    d[plus] = d[minus] = -3;
  }
  for (auto& [e, v] : d) {
    bool pushed = false;
    for (const Arc& a : arcs) pushed |= a.to == e && a.w > 0;
    if (e->upward && !pushed) v = 0;
  }
  for (bool changed = true; changed;) {
    changed = false;
    for (const Arc& a : arcs) {
      if (d[a.from] == -3) continue;
      if (d[a.from] + a.w > d[a.to]) d[a.to] = d[a.from] + a.w, changed = true;
    }
  }
  return d;
}

TEST_F(SqueezeTest, LayoutGraphsSolveToPlainLongestPathsAndKeepEveryRow) {
  CvCleanLayout layout;
  for (int i = 0; i < 3; ++i) layout.inverter(24 * i, 0);
  layout.differentialPair(0, 80);
  ASSERT_TRUE(layout.writeCif("array.cif"));
  BAstartup();
  DRreset();
  CSreset();
  DExInit();
  DIacceptCB(12, "array.cif");
  ASSERT_EQ(TransNum, 8);
  init_staff();
  scan_toget_variables();
  PROCESS_INCLUDE_SYMMETRY = PROCESS_INCLUDE_RESIZING = 0;
  PROCESS_INCLUDE_WLM = 1;
  _rhs_list rhsX, rhsY;
  testing::internal::CaptureStdout();
  mps_column_num = 1;
  SWsweepDirection(1, &rhsX);
  SWaddDeviceRows(1, &rhsX);
  SWsweepDirection(0, &rhsY);
  SWaddDeviceRows(0, &rhsY);
  std::vector<Row> rows;
  collectRows(equat_bucket, SWcolumns(1), rhsX, true, rows);
  collectRows(equat_bucket_y, SWcolumns(0), rhsY, false, rows);
  for (int dir : {1, 2}) SQmain_graph(dir == 1 ? equat_bucket : equat_bucket_y, dir == 1 ? &rhsX : &rhsY, dir);
  for (int dir : {1, 2}) SQmain_solve(dir == 1 ? equat_bucket : equat_bucket_y, dir == 1 ? &rhsX : &rhsY, dir);
  testing::internal::GetCapturedStdout();
  ASSERT_EQ(SQcell_size_LR, num_of_var / 2);

  // The solved coordinate of every variable, from the cells of its direction.
  std::map<const _edge*, long> solved;
  for (int k = 0; k < SQcell_size_LR; ++k) {
    solved[equat_bucket[2 * k]->the_edge] = SQcell_LR[k].corner.x1;
    solved[equat_bucket[2 * k + 1]->the_edge] = SQcell_LR[k].corner.x2;
    solved[equat_bucket_y[2 * k]->the_edge] = SQcell_TB[k].corner.y1;
    solved[equat_bucket_y[2 * k + 1]->the_edge] = SQcell_TB[k].corner.y2;
  }
  std::vector<Row> broken;
  for (const Row& r : rows) {
    long v = 0;
    for (auto& [c, e] : r.terms) v += c * solved.at(e);
    if (r.type == 'E' ? v != r.value : v < r.value) broken.push_back(r);
  }
  EXPECT_TRUE(broken.empty()) << describeAll(broken);
  for (bool x : {true, false}) {
    std::vector<Row> direction;
    for (const Row& r : rows)
      if (r.x == x) direction.push_back(r);
    int compared = 0;
    for (auto& [e, v] : plainLongestPaths(direction)) {
      EXPECT_EQ(solved.at(e), v) << (x ? "x" : "y") << " variable " << e->sub;
      ++compared;
    }
    EXPECT_GT(compared, 100);
  }
  SWfreeRows(&rhsX);
  SWfreeRows(&rhsY);
}

}  // namespace
