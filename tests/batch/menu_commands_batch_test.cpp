// Menu commands of the layout database and the tile planes through the batch
// program: read a hierarchy, show, flatten, switch roots, dump, free; build the
// planes in the one-step load, check, navigate with picked points, draw,
// rebuild, free.
#include <gtest/gtest.h>

#include <string>

#include "support/layout_generator.h"
#include "support/run_program.h"

TEST(BatchLayoutCommands, ReadFlattenActivateDumpAndFree) {
  std::string dir = CVscratchDir();
  std::string script =
      "f.GCactivateS\n"
      "f.DIrdLayout " + std::string(CORVID_SOURCE_DIR) + "/examples/hierarchy.cif\n"
      "view read.png\n"
      "f.GCflatten\n"
      "f.GCactivateS\n"
      "f.GCactivateH\n"
      "f.GCdump\n"
      "f.GCfreeS\n"
      "f.GCfreeS\n"
      "f.GCfreeH\n"
      "f.GCfreeH\n";
  CVrunResult r = CVrunBatch(script, dir);
  EXPECT_EQ(r.status, 3) << "commands refused on purpose: " << r.err;
  CVexpectHas(r.err, {"Message: No falttened layout is available.", "Load CIF file OK.",
                      "Message: Flattened layout is activated.", "Message: Hierarchy layout is activated.",
                      "Message: The samshed layout is freed.", "Warning: No smashed layout to free.",
                      "Warning: No hierarchy to free."});
  EXPECT_FALSE(CVhas(r.out, "Hello!")) << "every layout command must be bound: " << r.out;
  EXPECT_GT(CVreadFile(dir + "/corvid.dmp").size(), 50u);
  // The read layout is drawn at once: the image holds more than the background.
  EXPECT_GT(CVreadFile(dir + "/read.png").size(), 1000u);
}

TEST(BatchPlanes, BuildCheckNavigateDrawAndFree) {
  std::string dir = CVscratchDir();
  ASSERT_TRUE(CVgenerateLayout({"--rows", "2", "--cols", "3"}, dir + "/inverters.cif"));
  // (6000, 12000) lies on metal of the first inverter.
  std::string script =
      "f.DCtile\n"
      "f.DIldLayout inverters.cif\n"
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
  CVrunResult r = CVrunBatch(script, dir);
  EXPECT_EQ(r.status, 3) << "commands refused on purpose: " << r.err;
  CVexpectHas(r.err, {"Error: Corner stitch not available.", "Message: Corner Stitching is created.",
                      "Message: Tile neighbors check found no error.",
                      "Warning: You must free the old CS first."});
  EXPECT_TRUE(CVhas(r.out, "\nmaking cs data structure for a PMOS\n")) << r.out;
  EXPECT_TRUE(CVhas(r.out, "DCtile: 8 ")) << r.out;  // CMF is layer 8 of the default technology
  EXPECT_TRUE(CVhas(r.out, "DCneighbors: ")) << r.out;
  EXPECT_TRUE(CVhas(r.err, "Message: The corner stitch layout is freed.")) << r.err;
  EXPECT_GT(CVreadFile(dir + "/planes.png").size(), 1000u);
}
