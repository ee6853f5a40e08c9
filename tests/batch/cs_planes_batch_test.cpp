// Tile planes through the batch program: the one-step load builds them; then
// check, navigate with picked points, draw, rebuild, free.
#include <gtest/gtest.h>

#include <string>

#include "support/run_program.h"

namespace {
bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
}  // namespace

TEST(BatchPlanes, BuildCheckNavigateDrawAndFree) {
  std::string dir = CVscratchDir();
  CVrunOptions o;
  o.env["SYSRC"] = CVlibDir() + "/corvidrc";
  o.cwd = dir;
  // (6000, 12000) lies on metal of the first inverter.
  o.stdinText = "f.DCtile\n"
                "f.DIldLayout " + CVdataDir() + "/cs_inverters.cif\n"
                "f.CheckAll\n"
                "layer CMF\n"
                "f.DCtile\n"
                "point 6000 12000\n"
                "f.DCneighbors\n"
                "point 6000 12000\n"
                "view planes.png\n"
                "f.DCcrtCS\n"
                "f.CheckAll\n"
                "f.GCfreeCS\n"
                "f.DCupper\n";
  CVrunResult r = CVrunProgram(CVbuildProgram("corvid-batch"), {}, o);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(has(r.err, "Error: Corner stitch not available.")) << r.err;
  EXPECT_TRUE(has(r.err, "Message: Corner Stitching is created.")) << r.err;
  EXPECT_TRUE(has(r.err, "Message: Tile neighbors check found no error.")) << r.err;
  EXPECT_TRUE(has(r.err, "Warning: You must free the old CS first.")) << r.err;
  EXPECT_TRUE(has(r.out, "\nmaking cs data structure for a PMOS\n")) << r.out;
  EXPECT_TRUE(has(r.out, "DCtile: 8 ")) << r.out;  // CMF is layer 8 of the default technology
  EXPECT_TRUE(has(r.out, "DCneighbors: ")) << r.out;
  EXPECT_TRUE(has(r.err, "Message: The corner stitch layout is freed.")) << r.err;
  EXPECT_GT(CVreadFile(dir + "/planes.png").size(), 1000u);
}
