// The fault commands as a user runs them: batch scripts through the real
// corvid-batch program (load, defect-size scale, active layer, net picking).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "fault_session.h"
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

std::string layout(const std::string& dir, const CvLayout& l, const char* name) {
  std::string path = dir + "/" + name + ".cif";
  EXPECT_TRUE(l.writeCif(path));
  return path;
}
}  // namespace

TEST(FaultBatch, WholeLayoutCommandsWriteTheirFilesAndTotals) {
  std::string dir = CVscratchDir();
  std::string cif = layout(dir, threeWires(), "three");
  CVrunResult r = batch(dir, "f.DIldLayout " + cif + "\nscale 160\nf.DFexLayersS\nf.DFexLayersP\nf.DFexLayersO\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(has(r.err, "Message: Extracting the shorts caused by the spot defects.")) << r.err;
  EXPECT_TRUE(has(r.err, "Message: Extracting the shorts caused by the pinholes.")) << r.err;
  EXPECT_TRUE(has(r.err, "short faults have been extracted.")) << r.err;
  EXPECT_TRUE(has(r.err, "open faults have been extracted.")) << r.err;
  EXPECT_TRUE(has(r.err, "\nTotal fault weight(critical area): ")) << r.err;
  EXPECT_TRUE(has(r.out, "Total open :\t")) << r.out;
  EXPECT_TRUE(has(r.out, "Open PN-chann:\t")) << r.out;
  EXPECT_TRUE(has(CVreadFile(dir + "/Bridges.flt"), "bridge ( n"));
  EXPECT_TRUE(std::filesystem::exists(dir + "/Pinholes.flt"));
  EXPECT_TRUE(std::filesystem::exists(dir + "/Breaks.flt"));
}

TEST(FaultBatch, ActiveLayerWindowAndSelectedNet) {
  std::string dir = CVscratchDir();
  std::string cif = layout(dir, wireToTwoGates(), "gates");
  // Poly is layer 0 of the default technology; the drain metal of the driver
  // runs at x 560..720 (7..9 lambda), y 80..2400.
  CVrunResult r = batch(dir, "f.DIldLayout " + cif +
                                 "\nscale 60\n"
                                 "layer CPG\n"
                                 "f.DFex1LayerS\n"
                                 "f.DFex1LayerO\n"
                                 "f.DFshowShort\n"
                                 "f.DFshowOpen\n"
                                 "f.DExSelectNetTileObj\n"
                                 "point 640 800\n"
                                 "f.DFex1NetS\n"
                                 "f.DFex1NetO\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(std::filesystem::exists(dir + "/layer0.sht")) << r.err;
  EXPECT_TRUE(has(CVreadFile(dir + "/layer0.opn"), "open (n")) << r.err;
  EXPECT_TRUE(has(r.err, "\n2 open faults have been extracted.\n")) << r.err;
  EXPECT_TRUE(has(r.out, "***** Possibility: ")) << r.out;
  EXPECT_TRUE(has(r.err, " is broken into 2 parts:\nPart 0 ( Gate(")) << r.err;
}
