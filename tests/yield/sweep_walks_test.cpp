// Critical areas and fault files on the generator's long shapes (a chain
// between rails spanning the layout, an NMOS array with columns apart) with
// the side scans' fingers on and off: the same numbers to the last bit and
// the same fault files. Whether those numbers are right is checked against
// the union model by the other sweep and fault tests.
#include <cstring>
#include <string>
#include <vector>

#include "callback/layer_panel.h"
#include "common/switches.h"
#include "cs/side_scan.h"
#include "faultex/fault.h"
#include "faultex/fault_session.h"
#include "faultex/open_faults.h"
#include "faultex/short_faults.h"
#include "support/layout_generator.h"
#include "yield/critical_area.h"

namespace {
// Every critical area of the layer's plane at defect sizes up to a few
// wire pitches, then the bridge and break files of all layers.
std::vector<std::string> results(const char* layer) {
  std::vector<std::string> out;
  const int plane = planeNamed(layer);
  for (long d = 0; d <= 1600; d += 100) {
    float s = DYcritAreaS(plane, d, -GC_INFINITY, -GC_INFINITY, GC_INFINITY, GC_INFINITY, 1);
    float o = DYcritAreaO(plane, d, -GC_INFINITY, -GC_INFINITY, GC_INFINITY, GC_INFINITY, 1);
    unsigned bits[2];
    memcpy(&bits[0], &s, sizeof s);
    memcpy(&bits[1], &o, sizeof o);
    out.push_back(std::to_string(d) + ": " + std::to_string(bits[0]) + " " + std::to_string(bits[1]));
  }
  for (long d : {400L, 1200L}) {
    EXPECT_TRUE(DFinit());
    DFextraLayers(-1, d);
    out.push_back(CVreadFile("Bridges.flt"));
    EXPECT_TRUE(DFinit());
    DFmissLayers(-1, d);
    out.push_back(CVreadFile("Breaks.flt"));
  }
  return out;
}

class SweepWalks : public ::testing::TestWithParam<std::vector<std::string>> {
 protected:
  void SetUp() override {
    startFaultSession();
    Silently = 1;
  }
  void TearDown() override { CSplainWalks = false; }
};
}  // namespace

TEST_P(SweepWalks, FingersChangeNoNumber) {
  const std::string path = "walks.cif";  // in the session's scratch directory
  ASSERT_TRUE(CVgenerateLayout(GetParam(), path));
  DIacceptCB(12, path.c_str());
  ASSERT_GT(TransNum, 0);
  for (const char* layer : {"CMF", "CPG"}) {
    CSplainWalks = true;
    const auto plain = results(layer);
    CSplainWalks = false;
    const auto fast = results(layer);
    EXPECT_EQ(plain, fast) << layer;
    EXPECT_NE(plain.front(), plain.back()) << "the sizes reach some critical area";
  }
}

INSTANTIATE_TEST_SUITE_P(Shapes, SweepWalks,
                         ::testing::Values(std::vector<std::string>{"--rail-chain", "40"},
                                           std::vector<std::string>{"--nmos-array", "--rows", "14", "--cols", "6"}));
