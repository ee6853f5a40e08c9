// The one-step load and the extraction commands as a user runs them: scripts
// through the real corvid-batch program.
#include <gtest/gtest.h>

#include <string>

#include "support/circuit_layouts.h"
#include "support/run_program.h"

namespace {
// Two inverters; the first stage's output metal runs at x 560..720, y 80..1040.
std::string twoStages(const std::string& dir) {
  CvLayout l;
  l.inverterChain(2);
  std::string path = dir + "/chain.cif";
  EXPECT_TRUE(l.writeCif(path));
  return path;
}

TEST(ExtractBatch, LoadExtractNameAndWrite) {
  std::string dir = CVscratchDir();
  std::string cif = twoStages(dir);
  CVrunResult r = CVrunBatch("f.DIldLayout " + cif + "\nf.DExNameNet mid\npoint 640 560\nf.DExOutput\n", dir);
  EXPECT_EQ(r.status, 0) << r.err;
  CVexpectHas(r.err, {"Message: Read CIF file OK.", "Message: Extracted Circuit OK.",
                      "Message: 4 transistors are extracted.", "Message: 5 nets are extracted."});
  EXPECT_TRUE(CVhas(r.out, "Net number: ")) << r.out;
  std::string net = CVreadFile(dir + "/circuit.net");
  EXPECT_TRUE(CVhas(net, " (mid VDD out)")) << net;
  EXPECT_TRUE(CVhas(net, " (in VDD mid)")) << net;
  EXPECT_TRUE(CVhas(CVreadFile(dir + "/circuit.spice"), ".SUBCKT circuit"));
}

// Rebuilt planes allow a new extraction, which the forms and picks then use.
TEST(ExtractBatch, RebuiltPlanesFormsPickingSpaceAndGates) {
  std::string dir = CVscratchDir();
  std::string cif = twoStages(dir);
  CVrunResult r = CVrunBatch("f.DIldLayout " + cif +
                                 "\nf.DExCir\nf.DCcrtCS\nf.DExCir\n"
                                 "f.DIsetForm FindNet 0\nf.DIsetForm FindNet 2\n"
                                 "f.DExNameNet nothing\npoint 100000 100000\nf.DExDefIO gate\npoint 400 160\n"
                                 "f.DExShowObj\npoint 640 560\nview shown.png\n"
                                 "f.DIsetForm Def_I/O pin\npoint 640 560\nf.DExOutput\n",
                             dir);
  EXPECT_EQ(r.status, 3) << "commands refused on purpose: " << r.err;
  EXPECT_GE(CVcount(r.err, "Message: 4 transistors are extracted."), 2u) << r.err;
  CVexpectHas(r.err, {"Warning: Reload circuit please.", "Error: Input wrong.",
                      "Warning: Perhaps you need to extract the circuit first.", "Message: It is a transistor.",
                      "Net number: "});
  EXPECT_TRUE(CVhas(r.out, "Net number: 2\n")) << r.out;
  EXPECT_GT(CVreadFile(dir + "/shown.png").size(), 100u);
  const std::string net = CVreadFile(dir + "/circuit.net");
  EXPECT_TRUE(CVhas(net, "NMOS") && CVhas(net, "pin")) << net;
}

}  // namespace
