// Fault extraction over small layouts loaded through the one-step load:
// bridge weights against the rectangle-union model, the gate rule for source
// and drain, breaks of a wire feeding two gates, files and messages.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "common/defect_scale.h"
#include "common/message.h"
#include "extract/net.h"
#include "fault_session.h"
#include "faultex/fault_lists.h"
#include "faultex/open_faults.h"
#include "faultex/short_faults.h"
#include "rect_union.h"

namespace {
constexpr long L = 80;  // layout units per lambda
constexpr double UNITS_PER_MICRON = 40.0;

// The bridge model: per conductor plane (the active plane excepted: its only
// close pairs in these layouts are source and drain across a gate), every
// pair of tiles of different nets grown by half the defect size and
// intersected, unioned per net set; square microns.
std::map<std::set<long>, long> bridgeModel(long d) {
  std::map<std::set<long>, long double> total;
  const long h = d / 2;
  for (int p = 1; p < DlayerNum; ++p) {
    std::vector<NetTile> tiles = netTiles(p);
    std::vector<LabelledRect> pairs;
    for (size_t i = 0; i < tiles.size(); ++i)
      for (size_t j = i + 1; j < tiles.size(); ++j) {
        const NetTile &a = tiles[i], &b = tiles[j];
        if (a.net == b.net) continue;
        long x1 = std::max(a.x1, b.x1) - h, x2 = std::min(a.x2, b.x2) + h;
        long y1 = std::max(a.y1, b.y1) - h, y2 = std::min(a.y2, b.y2) + h;
        if (x1 < x2 && y1 < y2) pairs.push_back({x1, y1, x2, y2, {a.net, b.net}});
      }
    for (auto& [nets, area] : unionAreas(pairs)) total[nets] += area;
  }
  std::map<std::set<long>, long> out;
  for (auto& [nets, area] : total) out[nets] = std::lround(area / (UNITS_PER_MICRON * UNITS_PER_MICRON));
  return out;
}

class FaultPipeline : public ::testing::Test {
 protected:
  void SetUp() override { startFaultSession(); }
  static void scale(long d) { DIsetScaleValue(static_cast<int>(d * 10 / 40)); }
};
}  // namespace

// Each command refuses with its warning until extraction, an active layer or
// a selected net is there, and writes no file.
TEST_F(FaultPipeline, CommandsRefuseWithoutTheirPrerequisites) {
  const char* noExtraction = "Warning: You must do circuit extraction first.";
  const char* noLayer = "Warning: Select an active layer first.";
  const char* noNet = "Warning: No net has been selected.";
  const std::pair<int (*)(), const char*> afterLoad[] = {
      {DFex1LayerS, noLayer}, {DFex1LayerO, noLayer}, {DFshowShort, noLayer},
      {DFshowOpen, noLayer},  {DFex1NetS, noNet},     {DFex1NetO, noNet}};
  auto refuses = [](int (*command)(), const char* warning) {
    GCresetMessages();
    EXPECT_EQ(command(), 0);
    EXPECT_STREQ(GClastMessage(), warning);
  };
  for (int (*command)() : {DFexLayersS, DFexLayersP, DFexLayersO}) refuses(command, noExtraction);
  for (const auto& entry : afterLoad) refuses(entry.first, noExtraction);
  loadLayout(threeWires(), "three");
  for (const auto& [command, warning] : afterLoad) refuses(command, warning);
  for (const auto& f : std::filesystem::directory_iterator("."))
    EXPECT_EQ(f.path().extension(), ".cif") << f.path();
}

TEST_F(FaultPipeline, BridgeWeightsAreTheUnionOfGrownIntersectionsPerNetSet) {
  loadLayout(threeWires(), "three");
  const long w0 = netAt("CMF", 60 * L, 19 * L), w1 = netAt("CMF", 60 * L, 15 * L), w2 = netAt("CMF", 60 * L, 11 * L);
  ASSERT_TRUE(w0 && w1 && w2 && w0 != w1 && w1 != w2 && w0 != w2);
  for (long d : {0L, 2 * L, 4 * L, 8 * L}) {
    scale(d);
    ASSERT_EQ(DFexLayersS(), 1);
    std::map<std::set<long>, long> found = readBridges("Bridges.flt");
    EXPECT_EQ(found, bridgeModel(d)) << "defect size " << d;
    if (d == 0) {
      EXPECT_TRUE(found.empty());
    }
  }
  EXPECT_GT((readBridges("Bridges.flt")[{w0, w1, w2}]), 0);  // the three wires' areas overlap at 8 lambda
}

TEST_F(FaultPipeline, SourceAndDrainAcrossAGateNeverBridge) {
  loadLayout(lonelyTransistor(), "lonely");
  scale(3 * L);  // wider than the gate
  ASSERT_EQ(DFexLayersS(), 1);
  EXPECT_EQ(CVreadFile("Bridges.flt"), "");
  ASSERT_EQ(DFexLayersO(), 1);
  EXPECT_EQ(CVreadFile("Breaks.flt"), "");
}

TEST_F(FaultPipeline, RepeatedRunsWriteIdenticalFiles) {
  loadLayout(threeWires(), "three");
  scale(4 * L);
  const std::pair<int (*)(), const char*> runs[] = {
      {DFexLayersS, "Bridges.flt"}, {DFexLayersO, "Breaks.flt"}, {DFexLayersP, "Pinholes.flt"}};
  std::map<std::string, std::string> first;
  for (int round = 0; round < 2; ++round)
    for (const auto& [command, file] : runs) {
      ASSERT_EQ(command(), 1);
      if (round == 0) first[file] = CVreadFile(file);
      EXPECT_EQ(CVreadFile(file), first[file]) << file;
    }
  EXPECT_FALSE(first["Bridges.flt"].empty());
}

TEST_F(FaultPipeline, AWireFeedingTwoGatesBreaksBetweenGatesAndDriver) {
  loadLayout(wireToTwoGates(), "gates");
  scale(3 * L);
  ASSERT_EQ(DFexLayersO(), 1);
  std::string text = CVreadFile("Breaks.flt");
  // The driver is the transistor whose drain metal reaches the poly contact.
  const long driverNet = netAt("CMF", 8 * L, 10 * L);
  ASSERT_GT(driverNet, 0);
  char line[64];
  snprintf(line, sizeof line, "open (n%ld, ", driverNet);
  EXPECT_NE(text.find(line), std::string::npos) << text;
  // Two breaks: both gates against the driver (a cut of the poly wire or the
  // drain metal), and the lower gate against the rest (a cut between the gates).
  EXPECT_EQ(FOpenNum, 2) << text;
}
