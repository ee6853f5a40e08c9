// Extraction of generated circuits checked against the independent
// connectivity model: transistor count, sizes, channel type and the partition
// of the terminals into nets.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "common/message.h"
#include "extract/net.h"
#include "extract/transistor.h"
#include "extract_session.h"
#include "interface/accept.h"

namespace {
constexpr long kUnit = 80;  // internal units per lambda (20 CIF units, 4 units each)

class ExtractionModel : public ::testing::Test {
 protected:
  void SetUp() override { startExtractSession(); }
  void load(const CvLayout& layout, const char* name) {
    loadGenerated(layout, name);
    ASSERT_GT(TransNum, 0);
    expectMatchesModel(modelOfFlatLayout());
  }
};

std::set<long> netsOnTerminals() {
  std::set<long> nets;
  for (_Dtransistor* t : allTransistors()) {
    nets.insert(t->gate);
    nets.insert(t->source);
    if (t->Tdrain) nets.insert(t->drain);
  }
  return nets;
}

TEST_F(ExtractionModel, InverterChainsOfSeveralLengths) {
  for (int stages : {1, 2, 7, 25}) {
    CvLayout l;
    l.inverterChain(stages);
    load(l, ("chain" + std::to_string(stages)).c_str());
    EXPECT_EQ(TransNum, 2 * stages);
    // in, every stage output, VDD and GND; every net touches a terminal.
    EXPECT_EQ(NetsNum, stages + 3);
    EXPECT_EQ(netsOnTerminals().size(), static_cast<size_t>(stages + 3));
  }
}

// Nets and sizes are the model's; what it leaves open is which diffusion is
// the source: the left one of a horizontal transistor.
TEST_F(ExtractionModel, HorizontalTransistorHasItsSourceOnTheLeft) {
  CvLayout l;
  l.inverterChain(1);
  load(l, "inverter");
  ASSERT_EQ(TransNum, 2);
  _Dtransistor* p = Transistors[0];
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->orientation, 1);
  EXPECT_LT(p->Tsource->x1, p->Tdrain->x1);
}

TEST_F(ExtractionModel, DifferentialPairWithCurrentMirror) {
  CvLayout l;
  l.diffPairMirror();
  load(l, "diffpair");
  EXPECT_EQ(TransNum, 5);
  // GND, VDD, inp, inn, bias, tail node, mirror node, out.
  EXPECT_EQ(NetsNum, 8);
  int vertical = 0;
  for (_Dtransistor* t : allTransistors()) vertical += t->orientation == -1;
  EXPECT_EQ(vertical, 1);
}

TEST_F(ExtractionModel, VerticalTransistorKeepsWidthAsGateHeight) {
  CvLayout l;
  l.verticalTransistor();
  load(l, "vertical");
  ASSERT_EQ(TransNum, 1);
  _Dtransistor* t = Transistors[1];
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->orientation, -1);
  EXPECT_EQ(t->width, 2 * kUnit);
  EXPECT_EQ(t->length, 4 * kUnit);
  ASSERT_NE(t->Tdrain, nullptr);
  EXPECT_LT(t->Tsource->y1, t->Tdrain->y1);
}

TEST_F(ExtractionModel, GateOverDiffusionNotchIsOneTransistor) {
  CvLayout l;
  l.notchedGate();
  load(l, "notch");
  ASSERT_EQ(TransNum, 1);
  _Dtransistor* t = Transistors[1];
  EXPECT_EQ(t->width, 6 * kUnit);
  EXPECT_EQ(t->length, 2 * kUnit);
  EXPECT_NE(t->Tdrain, nullptr);
}

TEST_F(ExtractionModel, ThreeRegionGateKeepsTwoAndWarns) {
  CvLayout l;
  l.threeRegionGate();
  ::testing::internal::CaptureStderr();
  load(l, "three");
  std::string messages = ::testing::internal::GetCapturedStderr();
  ASSERT_EQ(TransNum, 1);
  EXPECT_NE(Transistors[1]->Tdrain, nullptr);
  size_t first = messages.find("Warning: One additional port is ignored.");
  EXPECT_NE(first, std::string::npos);
  EXPECT_EQ(messages.find("Warning: One additional port is ignored.", first + 1), std::string::npos);
}

TEST_F(ExtractionModel, RandomArraysOfCells) {
  std::mt19937 random(1234);
  for (int round = 0; round < 4; ++round) {
    CvLayout l;
    int expected = 0;
    for (int row = 0; row < 4; ++row) {
      long x = 0, y = 60L * row;
      while (x < 200) {
        switch (random() % 5) {
          case 0: {
            int stages = 1 + random() % 4;
            l.inverterChain(stages, x + 8, y + 16);
            x += 14 * stages + 12;
            expected += 2 * stages;
            break;
          }
          case 1:
            l.diffPairMirror(x + 4, y + 18);
            x += 30;
            expected += 5;
            break;
          case 2:
            l.verticalTransistor(x + 2, y + 10);
            x += 10;
            expected += 1;
            break;
          case 3:
            l.notchedGate(x + 2, y + 10);
            x += 16;
            expected += 1;
            break;
          default:
            l.threeRegionGate(x + 2, y + 10);
            x += 18;
            expected += 1;
        }
      }
    }
    load(l, ("random" + std::to_string(round)).c_str());
    EXPECT_EQ(TransNum, expected) << "round " << round;
  }
}

TEST_F(ExtractionModel, InverterArray) {
  CvLayout l;
  l.inverterArray(6, 9);
  load(l, "array");
  EXPECT_EQ(TransNum, 2 * 6 * 9);
  // Per row: its own rails, the first input and nine outputs.
  EXPECT_EQ(NetsNum, 6 * (2 + 1 + 9));
}

// Layouts of the example generator (examples/gen_layout.py): a hierarchy of
// inverter rows with polygons and wires, and the same flat.
TEST_F(ExtractionModel, ExampleGeneratorLayouts) {
  const std::pair<const char*, int> files[] = {{CORVID_TEST_DATA "/extract/gen_rows.cif", 2 * 3 * 5},
                                               {CORVID_TEST_DATA "/extract/gen_flat.cif", 2 * 2 * 4}};
  for (const auto& [file, transistors] : files) {
    DIacceptCB(12, file);
    EXPECT_EQ(TransNum, transistors) << file;
    expectMatchesModel(modelOfFlatLayout());
  }
}

// Forty vertical transistors whose sources are all one diffusion bus.
TEST_F(ExtractionModel, TransistorsSharingOneDiffusionBus) {
  CvLayout l;
  const int n = 40;
  l.box("CAA", 0, 0, 6 * n, 4);
  for (int i = 0; i < n; ++i) {
    l.box("CAA", 6 * i + 1, 4, 6 * i + 5, 12);
    l.box("CPG", 6 * i, 7, 6 * i + 6, 9);
  }
  l.box("CSN", -1, -1, 6 * n + 1, 13);
  load(l, "bus");
  EXPECT_EQ(TransNum, n);
  std::set<long> sources, drains;
  for (_Dtransistor* t : allTransistors()) {
    EXPECT_EQ(t->orientation, -1);
    sources.insert(t->source);
    drains.insert(t->drain);
  }
  EXPECT_EQ(sources.size(), 1u);
  EXPECT_EQ(drains.size(), static_cast<size_t>(n));
}
}  // namespace
