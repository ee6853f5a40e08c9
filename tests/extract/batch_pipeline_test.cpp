// The one-step load and the extraction commands as a user runs them: scripts
// through the real corvid-batch program.
#include <gtest/gtest.h>

#include <string>

#include "support/circuit_layouts.h"
#include "support/run_program.h"

namespace {
CVrunResult batch(const std::string& dir, const std::string& script) {
  CVrunOptions options;
  options.stdinText = script;
  options.cwd = dir;
  options.env["SYSRC"] = CVlibDir() + "/corvidrc";
  return CVrunProgram(CVbuildProgram("corvid-batch"), {}, options);
}

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

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
  CVrunResult r = batch(dir,
                        "f.DIldLayout " + cif +
                            "\n"
                            "f.DExNameNet mid\n"
                            "point 640 560\n"
                            "f.DExOutput\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(has(r.err, "Message: Read CIF file OK.")) << r.err;
  EXPECT_TRUE(has(r.err, "Message: Extracted Circuit OK.")) << r.err;
  EXPECT_TRUE(has(r.err, "Message: 4 transistors are extracted.")) << r.err;
  EXPECT_TRUE(has(r.err, "Message: 5 nets are extracted.")) << r.err;
  EXPECT_TRUE(has(r.out, "Net number: ")) << r.out;
  std::string net = CVreadFile(dir + "/circuit.net");
  EXPECT_TRUE(has(net, " (mid VDD out)")) << net;
  EXPECT_TRUE(has(net, " (in VDD mid)")) << net;
  EXPECT_TRUE(has(CVreadFile(dir + "/circuit.spice"), ".SUBCKT circuit"));
}

TEST(ExtractBatch, FormsOfTheExtractionCommands) {
  std::string dir = CVscratchDir();
  std::string cif = twoStages(dir);
  CVrunResult r = batch(dir,
                        "f.DIldLayout " + cif +
                            "\n"
                            "f.DIsetForm FindNet 0\n"
                            "f.DIsetForm FindNet 2\n"
                            "f.DIsetForm Def_I/O pin\n"
                            "point 640 560\n"
                            "f.DExOutput\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(has(r.err, "Error: Input wrong.")) << r.err;
  EXPECT_TRUE(has(r.out, "Net number: 2\n")) << r.out;
  EXPECT_TRUE(has(CVreadFile(dir + "/circuit.net"), "pin")) << CVreadFile(dir + "/circuit.net");
}

TEST(ExtractBatch, PickingSpaceAndGates) {
  std::string dir = CVscratchDir();
  std::string cif = twoStages(dir);
  CVrunResult r = batch(dir,
                        "f.DIldLayout " + cif +
                            "\n"
                            "f.DExNameNet nothing\n"
                            "point 100000 100000\n"
                            "f.DExDefIO gate\n"
                            "point 400 160\n"
                            "f.DExShowObj\n"
                            "point 640 560\n"
                            "view shown.png\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_GT(CVreadFile(dir + "/shown.png").size(), 100u);
  EXPECT_TRUE(has(r.err, "Warning: Perhaps you need to extract the circuit first.")) << r.err;
  EXPECT_TRUE(has(r.err, "Message: It is a transistor.")) << r.err;
  EXPECT_TRUE(has(r.err, "Net number: ")) << r.err;
}

TEST(ExtractBatch, MissingAndMalformedLayoutFiles) {
  std::string dir = CVscratchDir();
  CVwriteFile(dir + "/bad.cif", "DS 1;\nL CAA;\nB 10 10 0 0 ;\nDF;\nE\n");
  CVrunResult r = batch(dir, "f.DIldLayout " + dir + "/none.cif\nf.DIldLayout " + dir + "/bad.cif\nf.DExCir\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(has(r.err, "Cann't open the file")) << r.err;
  EXPECT_TRUE(has(r.err, "CIF file format error")) << r.err;
  EXPECT_TRUE(has(r.err, "Warning: No layout avaiable, load one.")) << r.err;
}
}  // namespace

namespace {
TEST(ExtractBatch, RebuildingThePlanesAllowsANewExtraction) {
  std::string dir = CVscratchDir();
  std::string cif = twoStages(dir);
  CVrunResult r = batch(dir, "f.DIldLayout " + cif + "\nf.DExCir\nf.DCcrtCS\nf.DExCir\nf.DExOutput\n");
  EXPECT_EQ(r.status, 0) << r.err;
  size_t first = r.err.find("Message: 4 transistors are extracted.");
  ASSERT_NE(first, std::string::npos) << r.err;
  EXPECT_NE(r.err.find("Message: 4 transistors are extracted.", first + 1), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("Warning: Reload circuit please."), std::string::npos) << r.err;
  EXPECT_TRUE(has(CVreadFile(dir + "/circuit.net"), "NMOS")) << CVreadFile(dir + "/circuit.net");
}
}  // namespace
