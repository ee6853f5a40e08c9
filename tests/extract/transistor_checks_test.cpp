// The ill-formed cases of transistor recognition: an element no definition
// matches, a contact on a gate, missing terminals.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "common/message.h"
#include "extract/net.h"
#include "extract/transistor.h"
#include "extract_session.h"
#include "interface/accept.h"
#include "support/run_program.h"

namespace {
// Messages are echoed on the error stream; each test reads what its commands said.
class TransistorChecks : public ::testing::Test {
 protected:
  void SetUp() override {
    startExtractSession();
    ::testing::internal::CaptureStderr();
  }
  void TearDown() override {
    if (!captured_) ::testing::internal::GetCapturedStderr();
  }
  std::string said() {
    captured_ = true;
    return ::testing::internal::GetCapturedStderr();
  }
  bool captured_ = false;
};

TEST_F(TransistorChecks, GateWithoutSelectIsReportedAndTakenAsFirstElement) {
  CvLayout l;
  l.box("CAA", 0, 0, 10, 4);
  l.box("CPG", 4, -1, 6, 5);
  loadGenerated(l, "noselect");
  std::string messages = said();
  ASSERT_EQ(TransNum, 1);
  EXPECT_TRUE(CVhas(messages, "Fatal: Element structure error."));
  ASSERT_NE(Transistors[0], nullptr);
  EXPECT_EQ(Transistors[0]->type, 0);
}

TEST_F(TransistorChecks, GateWithoutDiffusionOnOneSideHasNoDrain) {
  CvLayout l;
  l.box("CAA", 0, 0, 6, 4);  // the poly covers the right end of the diffusion
  l.box("CSN", -1, -1, 7, 5);
  l.box("CPG", 4, -1, 6, 5);
  loadGenerated(l, "nodrain");
  std::string messages = said();
  ASSERT_EQ(TransNum, 1);
  EXPECT_EQ(Transistors[1]->Tdrain, nullptr);
  EXPECT_EQ(Transistors[1]->drain, 0);
  EXPECT_EQ(CVcount(messages, "Warning: find a transistor with no drain."), 1u);
  EXPECT_EQ(CVcount(messages, "Message: 1 no drain transistors are found."), 1u);
  expectMatchesModel(modelOfFlatLayout());
}

TEST_F(TransistorChecks, GateCoveringAllDiffusionIsIgnored) {
  CvLayout l;
  l.box("CAA", 0, 0, 6, 4);
  l.box("CSN", -1, -1, 7, 5);
  l.box("CPG", -1, -1, 7, 5);
  loadGenerated(l, "nosource");
  std::string messages = said();
  EXPECT_EQ(TransNum, 0);
  EXPECT_EQ(CVcount(messages, "Error: Ignored a transistor with no source."), 1u);
  EXPECT_EQ(CVcount(messages, "Message: 1 no source transistors are ignored."), 1u);
}

TEST_F(TransistorChecks, ContactOnGateEndsTheProgram) {
  said();  // the death test reads the error stream itself
  // The default technology plus a buried contact (active to poly), which can sit on a gate.
  const std::string tech = CVscratchDir() + "/buried.tech";
  CVwriteFile(tech, CVreadFile(CVlibDir() + "/default.tech") +
                        "layers:\nCBC cyan solid;\nconnections:\nBuried CAA CBC CPG;\n");
  DIacceptCB(1, tech.c_str());
  CvLayout l;
  l.inverter(0, 0);
  l.box("CBC", 4, 1, 6, 3);
  EXPECT_EXIT(loadGenerated(l, "buried"), ::testing::ExitedWithCode(0),
              "Fatal: There is a contact on the gate.");
}

TEST_F(TransistorChecks, CommandsWithoutPlanes) {
  EXPECT_EQ(DExCir(), 0);
  DExNameNetExe(0, 0);
  std::string messages = said();
  EXPECT_EQ(CVcount(messages, "Warning: No layout avaiable, load one."), 1u);
  EXPECT_EQ(CVcount(messages, "Warning: Corner stitch structure not ready."), 1u);
}

TEST_F(TransistorChecks, RecognitionIsIndependentOfDrawingOrder) {
  // The same inverter chain with its rectangles written in reverse order.
  CvLayout forward;
  forward.inverterChain(4);
  loadGenerated(forward, "order_forward");
  int transistors = TransNum, nets = NetsNum;
  CvLayout backward = forward;
  std::reverse(backward.rects.begin(), backward.rects.end());
  loadGenerated(backward, "order_backward");
  EXPECT_EQ(TransNum, transistors);
  EXPECT_EQ(NetsNum, nets);
  expectMatchesModel(modelOfFlatLayout());
}
}  // namespace
