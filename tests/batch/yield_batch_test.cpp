// Yield commands and plot files through the real batch program.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/run_program.h"

namespace {
CVrunResult batch(const std::string& script, const std::string& cwd) {
  CVrunOptions options;
  options.stdinText = script;
  options.cwd = cwd;
  options.env["SYSRC"] = CVlibDir() + "/corvidrc";
  return CVrunProgram(CVbuildProgram("corvid-batch"), {}, options);
}
bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
}  // namespace

TEST(YieldBatch, PlotsLineTakesAFormatAndNamesABadLine) {
  std::string dir = CVscratchDir();
  CVrunResult r = batch("plots svg\nplots off\nplots jpeg\n", dir);
  EXPECT_NE(r.status, 0);
  EXPECT_TRUE(has(r.err, "Error: Script line 3: plots takes png, svg or off, not jpeg.")) << r.err;
  EXPECT_FALSE(has(r.err, "Script line 1")) << r.err;
}

TEST(YieldBatch, PlotCommandsWithoutDataWarnAndWriteNothing) {
  std::string dir = CVscratchDir();
  CVrunResult r = batch("f.DYCarea\nf.DYpof\nf.DYyx\nf.DYdx\n", dir);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(has(r.err, "Warning: No data available to view the layout sensitivity.\n")) << r.err;
  EXPECT_TRUE(has(r.err, "Warning: No active layer, select one.\n")) << r.err;
  EXPECT_TRUE(has(r.err, "Warning: Select an active layer first.\n")) << r.err;
  EXPECT_TRUE(std::filesystem::is_empty(dir));
}
