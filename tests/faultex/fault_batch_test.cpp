// The fault commands as a user runs them: batch scripts through the real
// corvid-batch program (load, defect-size scale, active layer, net picking).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "fault_session.h"

TEST(FaultBatch, WholeLayoutCommandsWriteTheirFilesAndTotals) {
  std::string dir = CVscratchDir();
  const std::string cif = dir + "/three.cif";
  ASSERT_TRUE(threeWires().writeCif(cif));
  CVrunResult r = CVrunBatch("f.DIldLayout " + cif + "\nscale 160\nf.DFexLayersS\nf.DFexLayersP\nf.DFexLayersO\n", dir);
  EXPECT_EQ(r.status, 0) << r.err;
  CVexpectHas(r.err, {"Message: Extracting the shorts caused by the spot defects.",
                      "Message: Extracting the shorts caused by the pinholes.",
                      "short faults have been extracted.", "open faults have been extracted.",
                      "\nTotal fault weight(critical area): "});
  EXPECT_TRUE(CVhas(r.out, "Total open :\t")) << r.out;
  EXPECT_TRUE(CVhas(r.out, "Open PN-chann:\t")) << r.out;
  EXPECT_TRUE(CVhas(CVreadFile(dir + "/Bridges.flt"), "bridge ( n"));
  EXPECT_TRUE(std::filesystem::exists(dir + "/Pinholes.flt"));
  EXPECT_TRUE(std::filesystem::exists(dir + "/Breaks.flt"));
}

TEST(FaultBatch, ActiveLayerWindowAndSelectedNet) {
  std::string dir = CVscratchDir();
  const std::string cif = dir + "/gates.cif";
  ASSERT_TRUE(wireToTwoGates().writeCif(cif));
  // Poly is layer 0 of the default technology; the drain metal of the driver
  // runs at x 560..720 (7..9 lambda), y 80..2400.
  CVrunResult r = CVrunBatch("f.DIldLayout " + cif +
                                 "\nscale 60\n"
                                 "layer CPG\n"
                                 "f.DFex1LayerS\n"
                                 "f.DFex1LayerO\n"
                                 "f.DFshowShort\n"
                                 "f.DFshowOpen\n"
                                 "f.DExSelectNetTileObj\n"
                                 "point 640 800\n"
                                 "f.DFex1NetS\n"
                                 "f.DFex1NetO\n", dir);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(std::filesystem::exists(dir + "/layer0.sht")) << r.err;
  EXPECT_TRUE(CVhas(CVreadFile(dir + "/layer0.opn"), "open (n")) << r.err;
  EXPECT_TRUE(CVhas(r.err, "\n2 open faults have been extracted.\n")) << r.err;
  EXPECT_TRUE(CVhas(r.out, "***** Possibility: ")) << r.out;
  EXPECT_TRUE(CVhas(r.err, " is broken into 2 parts:\nPart 0 ( Gate(")) << r.err;
}
