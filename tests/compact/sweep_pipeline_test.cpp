// The sweep after a whole load (CIF, planes, transistor extraction) of
// layouts drawn to the default rules: every row holds on the input.
#include <gtest/gtest.h>

#include "batch/batch_startup.h"
#include "compact/row_check.h"
#include "compact/sweep.h"
#include "cs/cs.h"
#include "designrule/designrule.h"
#include "extract/transistor.h"
#include "interface/accept.h"

namespace {

void sweepLoaded(const char* cif, int transistors) {
  BAstartup();
  CSreset();
  DExInit();
  DIacceptCB(12, cif);
  ASSERT_EQ(TransNum, transistors);
  DRreset();
  SWreset();
  testing::internal::CaptureStdout();
  scan_toget_variables();
  _rhs_list rx, ry;
  SWsweepDirection(1, &rx);
  SWsweepDirection(0, &ry);
  testing::internal::GetCapturedStdout();
  std::vector<Row> rows;
  collectRows(equat_bucket, SWcolumns(1), rx, true, rows);
  collectRows(equat_bucket_y, SWcolumns(0), ry, false, rows);
  SWfreeRows(&rx);
  SWfreeRows(&ry);
  EXPECT_GT(rows.size(), 40u);
  auto bad = violatedOf(rows);
  EXPECT_TRUE(bad.empty()) << cif << "\n" << describeAll(bad);
  // One gate rectangle per transistor, sharing the gate tile's variables.
  ASSERT_EQ(static_cast<int>(gate_rectangles.size()), TransNum);
  for (box_item* g : gate_rectangles) {
    EXPECT_EQ(g->left_edge->mother_tile->activeDev, 1);
    EXPECT_EQ(g->x1, g->left_edge->mother_tile->x1);
    EXPECT_NE(g->bottom_edge, nullptr);
  }
}

TEST(SweepPipeline, CleanTransistorAndInverterGiveNoViolatedRow) {
  sweepLoaded(CORVID_TEST_DATA "/compact/clean_nmos.cif", 1);
  // Two transistors on one gate line with an overlapping contact pad, metal
  // straps overlapping the rails: shapes the planes cut into several tiles.
  sweepLoaded(CORVID_TEST_DATA "/compact/clean_inverter.cif", 2);
}

}  // namespace
