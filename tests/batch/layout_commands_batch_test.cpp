// The layout-database menu commands through the batch program: read a
// hierarchy, show it, flatten, switch roots, dump, free.
#include <gtest/gtest.h>

#include <string>

#include "support/run_program.h"

namespace {
bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
}  // namespace

TEST(BatchLayoutCommands, ReadFlattenActivateDumpAndFree) {
  std::string dir = CVscratchDir();
  CVrunOptions o;
  o.env["SYSRC"] = CVlibDir() + "/corvidrc";
  o.cwd = dir;
  o.stdinText = "f.GCactivateS\n"
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
  CVrunResult r = CVrunProgram(CVbuildProgram("corvid-batch"), {}, o);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(has(r.err, "Message: No falttened layout is available.")) << r.err;
  EXPECT_TRUE(has(r.err, "Load CIF file OK.")) << r.err;
  EXPECT_TRUE(has(r.err, "Message: Flattened layout is activated.")) << r.err;
  EXPECT_TRUE(has(r.err, "Message: Hierarchy layout is activated.")) << r.err;
  EXPECT_TRUE(has(r.err, "Message: The samshed layout is freed.")) << r.err;
  EXPECT_TRUE(has(r.err, "Warning: No smashed layout to free.")) << r.err;
  EXPECT_TRUE(has(r.err, "Warning: No hierarchy to free.")) << r.err;
  EXPECT_FALSE(has(r.out, "Hello!")) << "every layout command must be bound: " << r.out;
  EXPECT_GT(CVreadFile(dir + "/corvid.dmp").size(), 50u);
  // The read layout is drawn at once: the image holds more than the background.
  EXPECT_GT(CVreadFile(dir + "/read.png").size(), 1000u);
}
