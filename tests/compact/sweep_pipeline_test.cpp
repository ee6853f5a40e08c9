// The sweep after a whole load (CIF, planes, transistor extraction) of
// layouts drawn to the default rules: every row holds on the input.
#include "batch/batch_startup.h"
#include "compact/sweep_fixture.h"
#include "extract/transistor.h"
#include "interface/accept.h"

namespace {

TEST_F(SweepTest, LoadedCleanTransistorAndInverterGiveNoViolatedRow) {
  // The inverter: two transistors on one gate line with an overlapping contact
  // pad, metal straps overlapping the rails: shapes the planes cut into several tiles.
  const std::pair<const char*, int> layouts[] = {{CORVID_TEST_DATA "/compact/clean_nmos.cif", 1},
                                                 {CORVID_TEST_DATA "/compact/clean_inverter.cif", 2}};
  for (const auto& [cif, transistors] : layouts) {
    BAstartup();
    CSreset();
    DExInit();
    DIacceptCB(12, cif);
    ASSERT_EQ(TransNum, transistors);
    DRreset();
    SWreset();
    run();
    EXPECT_GT(rows.size(), 40u);
    EXPECT_TRUE(violated().empty()) << cif << "\n" << describeAll(violated());
    // One gate rectangle per transistor, sharing the gate tile's variables.
    ASSERT_EQ(static_cast<int>(gate_rectangles.size()), TransNum);
    for (box_item* g : gate_rectangles) {
      EXPECT_EQ(g->left_edge->mother_tile->activeDev, 1);
      EXPECT_EQ(g->x1, g->left_edge->mother_tile->x1);
      EXPECT_NE(g->bottom_edge, nullptr);
    }
    TearDown();
  }
}

}  // namespace
