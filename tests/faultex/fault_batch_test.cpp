// The fault commands as a user runs them: batch scripts through the real
// corvid-batch program (load, defect-size scale, active layer, net picking).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "fault_session.h"

// The whole-layout commands on three wires, then the active layer's window
// commands and a picked net's on a wire feeding two gates.
TEST(FaultBatch, WholeLayoutActiveLayerWindowAndSelectedNet) {
  std::string dir = CVscratchDir();
  ASSERT_TRUE(threeWires().writeCif(dir + "/three.cif"));
  ASSERT_TRUE(wireToTwoGates().writeCif(dir + "/gates.cif"));
  // Poly is layer 0 of the default technology; the drain metal of the driver
  // runs at x 560..720 (7..9 lambda), y 80..2400.
  CVrunResult r = CVrunBatch("f.DIldLayout three.cif\nscale 160\nf.DFexLayersS\nf.DFexLayersP\nf.DFexLayersO\n"
                             "f.DIldLayout gates.cif\nscale 60\nlayer CPG\nf.DFex1LayerS\nf.DFex1LayerO\n"
                             "f.DFshowShort\nf.DFshowOpen\nf.DExSelectNetTileObj\npoint 640 800\n"
                             "f.DFex1NetS\nf.DFex1NetO\n",
                             dir);
  EXPECT_EQ(r.status, 0) << r.err;
  CVexpectHas(r.err, {"Message: Extracting the shorts caused by the spot defects.",
                      "Message: Extracting the shorts caused by the pinholes.",
                      "short faults have been extracted.", "open faults have been extracted.",
                      "\nTotal fault weight(critical area): ", "\n2 open faults have been extracted.\n",
                      " is broken into 2 parts:\nPart 0 ( Gate("});
  CVexpectHas(r.out, {"Total open :\t", "Open PN-chann:\t", "***** Possibility: "});
  EXPECT_TRUE(CVhas(CVreadFile(dir + "/Bridges.flt"), "bridge ( n"));
  for (const char* f : {"Pinholes.flt", "Breaks.flt", "layer0.sht"}) EXPECT_TRUE(std::filesystem::exists(dir + "/" + f)) << f;
  EXPECT_TRUE(CVhas(CVreadFile(dir + "/layer0.opn"), "open (n")) << r.err;
}
