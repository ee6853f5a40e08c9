// Extraction of generated circuits checked against the independent
// connectivity model: transistor count, sizes, channel type and the partition
// of the terminals into nets.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "common/message.h"
#include "extract/net.h"
#include "extract/transistor.h"
#include "extract_session.h"
#include "interface/accept.h"
#include "support/layout_generator.h"
#include "support/run_program.h"

namespace {
class ExtractionModel : public ::testing::Test {
 protected:
  void SetUp() override { startExtractSession(); }
  void load(const CvLayout& layout, const std::string& name) {
    loadGenerated(layout, name);
    ASSERT_GT(TransNum, 0);
    expectMatchesModel(modelOfFlatLayout());
  }
};

// Forty vertical transistors whose sources are all one diffusion bus.
void diffusionBus(CvLayout& l, int n) {
  l.box("CAA", 0, 0, 6 * n, 4);
  for (int i = 0; i < n; ++i) {
    l.box("CAA", 6 * i + 1, 4, 6 * i + 5, 12);
    l.box("CPG", 6 * i, 7, 6 * i + 6, 9);
  }
  l.box("CSN", -1, -1, 6 * n + 1, 13);
}

// Besides the model's partition, the net count shows that no net is lost or
// left without a terminal.
TEST_F(ExtractionModel, GeneratedCircuitsMatchTheModel) {
  struct {
    const char* name;
    std::function<void(CvLayout&)> draw;
    int transistors, nets;
  } circuits[] = {
      {"chain1", [](CvLayout& l) { l.inverterChain(1); }, 2, 4},  // in, out, VDD, GND
      {"chain7", [](CvLayout& l) { l.inverterChain(7); }, 14, 10},
      {"chain25", [](CvLayout& l) { l.inverterChain(25); }, 50, 28},
      // GND, VDD, inp, inn, bias, tail node, mirror node, out.
      {"diffpair", [](CvLayout& l) { l.diffPairMirror(); }, 5, 8},
      // A notch under the poly: one gate of several element tiles, 6 x 2 lambda.
      {"notch", [](CvLayout& l) { l.notchedGate(); }, 1, 3},
      // Per row: its own rails, the first input and nine outputs.
      {"array", [](CvLayout& l) { l.inverterArray(6, 9); }, 2 * 6 * 9, 6 * (2 + 1 + 9)},
      // The bus, forty drains and one poly line (the gates touch).
      {"bus", [](CvLayout& l) { diffusionBus(l, 40); }, 40, 42},
  };
  for (const auto& c : circuits) {
    SCOPED_TRACE(c.name);
    CvLayout l;
    c.draw(l);
    load(l, c.name);
    EXPECT_EQ(TransNum, c.transistors);
    EXPECT_EQ(NetsNum, c.nets);
  }
}

// Nets and sizes are the model's; what it leaves open is which diffusion is
// the source: the left one of a horizontal transistor, the lower one of a
// vertical transistor (whose width is then the gate's height).
TEST_F(ExtractionModel, SourceIsTheLeftOrLowerDiffusion) {
  CvLayout l;
  l.inverterChain(1);
  load(l, "inverter");
  ASSERT_EQ(TransNum, 2);
  _Dtransistor* p = Transistors[0];
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->orientation, 1);
  EXPECT_LT(p->Tsource->x1, p->Tdrain->x1);
  CvLayout v;
  v.verticalTransistor();
  load(v, "vertical");
  ASSERT_EQ(TransNum, 1);
  _Dtransistor* t = Transistors[1];
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->orientation, -1);
  ASSERT_NE(t->Tdrain, nullptr);
  EXPECT_LT(t->Tsource->y1, t->Tdrain->y1);
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
    load(l, "random" + std::to_string(round));
    EXPECT_EQ(TransNum, expected) << "round " << round;
  }
}

// Layouts of the example generator (examples/gen_layout.py): a hierarchy of
// inverter rows with polygons and wires, and rows of another size flat.
TEST_F(ExtractionModel, ExampleGeneratorLayouts) {
  const std::pair<std::vector<std::string>, int> layouts[] = {{{"--rows", "3", "--cols", "5"}, 2 * 3 * 5},
                                                              {{"--rows", "2", "--cols", "4", "--flat"}, 2 * 2 * 4}};
  const std::string path = CVscratchDir() + "/generated.cif";
  for (const auto& [options, transistors] : layouts) {
    ASSERT_TRUE(CVgenerateLayout(options, path));
    DIacceptCB(12, path.c_str());
    EXPECT_EQ(TransNum, transistors) << options.back();
    expectMatchesModel(modelOfFlatLayout());
  }
}
}  // namespace
