// The resizer's driver through corvid-batch: the process choice and its
// replies, the stages missing from the build, the exits the pipeline
// prescribes, the option lines, a missing solver and awkward directory names.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "support/clean_layouts.h"
#include "support/run_program.h"

namespace fs = std::filesystem;

namespace {

class ResizeDriver : public ::testing::Test {
 protected:
  void SetUp() override { use(CVscratchDir()); }
  void use(const std::string& d) {
    dir = d;
    fs::create_directories(dir + "/resize_report");
    CvCleanLayout layout;
    layout.inverter();
    ASSERT_TRUE(layout.writeCif(dir + "/in.cif"));
  }
  CVrunResult batch(const std::string& lines, CVrunOptions options = {}) {
    CVwriteFile(dir + "/run.batch", "f.DIldLayout in.cif\n" + lines);
    return CVrunProgram(CVbuildProgram("corvid-batch"), {"run.batch"}, withSysrc(options));
  }
  CVrunOptions withSysrc(CVrunOptions options) {
    options.cwd = dir;
    options.env["SYSRC"] = CVlibDir() + "/corvidrc";
    return options;
  }
  bool has(const char* file) { return fs::exists(dir + "/" + file); }
  std::string dir;
};

TEST_F(ResizeDriver, RepliesAnswerTheChoiceUntilValidAndTheEndOfInputStops) {
  // "7x" and an empty reply are asked again; "10" runs the LP back end.
  CVrunResult r = batch("option PROCESS_OPTION 2\noption TIME_REPORT 0\nanswer 7x\nanswer\nanswer 10\nresize\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(CVcount(r.out, "\nProcess choice? (60:"), 3u);
  EXPECT_TRUE(has("result.cif"));
  EXPECT_FALSE(has("time_rpt.txt"));
  // Nothing left to read: one message, no hang, nothing written.
  fs::remove(dir + "/result.cif");
  r = batch("option PROCESS_OPTION 2\nresize\n");
  EXPECT_EQ(r.status, 3) << "the resize line could not do its work";
  EXPECT_TRUE(CVhas(r.err, "no process choice on standard input")) << r.err;
  EXPECT_FALSE(has("result.cif"));
}

// Resizing choices need transistor resizing; the run stops before the first
// stage, symmetry detection included.
TEST_F(ResizeDriver, GraphBackEndStagesNotBuiltStopBeforeAnythingIsWritten) {
  for (const char* lines : {"f.new_resize\n", "f.new_resize60\n", "resize 63\n",
                            "option PROCESS_INCLUDE_SYMMETRY 2\nresize 63\n"}) {
    CVrunResult r = batch(lines);
    EXPECT_EQ(r.status, 3) << lines;
    EXPECT_EQ(CVcount(r.err, "is not in this build yet"), 1u) << lines << r.err;
    EXPECT_FALSE(CVhas(r.out, "LXindRemoval")) << lines;
    EXPECT_FALSE(has("sq_out.cif") || has("time_rpt.txt") || has("mps.file") || has("sym.report")) << lines;
  }
}

TEST_F(ResizeDriver, OptionLinesSetByNameAndBadOnesFailTheScript) {
  CVrunResult r = batch("option COEFF 8 1000\noption RESIZING_FACTOR 1.5\noption ACTIVE_LAYER CAA\nresize 10\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(has("result.cif"));
  for (const char* line : {"option NO_SUCH_OPTION 1", "option COEFF 32 1", "option TIME_REPORT yes", "option TIME_REPORT",
                           "resize 6x", "resize 7"}) {
    r = batch(std::string(line) + "\n");
    EXPECT_EQ(r.status, 2) << line;
    EXPECT_TRUE(CVhas(r.err, "Script line 2")) << line << r.err;
  }
}

TEST_F(ResizeDriver, PrescribedExitsEndTheScriptWithTheirStatus) {
  CVrunResult r = batch("option TEST_SYMMETRY_ONLY 1\nresize 10\nf.GCdump\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(CVhas(r.out, "Program exit due to TEST_SYMMETRY_ONLY == 1.\nCheck file sym.report.\n"));
  EXPECT_FALSE(has("corvid.dmp")) << "the script went on after the exit";
  // Geometric detection writes the transistor check file first: one line per transistor.
  r = batch("option TEST_SYMMETRY_ONLY 1\noption PROCESS_INCLUDE_SYMMETRY 2\nresize 10\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(CVcount(CVreadFile(dir + "/tran_check"), "\n"), 2u);
  EXPECT_TRUE(has("sym.report"));
  // A box off the quarter grid: the scale check ends the run with status 1.
  CVwriteFile(dir + "/in.cif", "DS 1 1 1;\n9 off;\nL CMF;\nB 31 30 0 0;\nDF;\nC 1;\nE\n");
  r = batch("resize 10\nf.GCdump\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(CVhas(r.out, "Potential problem: Input box scale is not in half_scale unit.  Check error message above\n"));
  EXPECT_FALSE(has("corvid.dmp") || has("result.cif"));
}

TEST_F(ResizeDriver, MissingSolverGivesOneMessageAndNoResult) {
  // A search path with the commands the run needs, but no lp_solve.
  const std::string bin = dir + "/bin";
  fs::create_directories(bin);
  for (const char* tool : {"date", "mv", "cp"}) fs::create_symlink(fs::path("/bin") / tool, bin + "/" + tool);
  CVrunOptions options;
  options.env["PATH"] = bin;
  CVrunResult r = batch("resize 10\n", options);
  EXPECT_EQ(r.status, 3);
  EXPECT_EQ(CVcount(r.err, "lp_solve"), 1u) << r.err;
  EXPECT_FALSE(has("mps.file.rpt") || has("result.cif") || has("time_rpt.txt"));
  EXPECT_FALSE(CVhas(r.out, "Completed resizing!"));
}

// An LP run in an awkward directory: its progress, time report and result,
// and nothing injected by the directory's name.
TEST_F(ResizeDriver, LpRunInAnAwkwardDirectoryWritesItsFilesAndInjectsNothing) {
  const std::string parent = dir;
  use(parent + "/run 'one' \"two\"; $(touch injected) `touch injected2`");
  CVrunResult r = batch("resize 10\n");
  EXPECT_EQ(r.status, 0) << r.err;
  CVexpectHas(r.out, {"\n\nRunning the resizer\n==============================\n",
                      "\n^^^ LXindRemoval is done (in resizing+symm) at\n     ",
                      "\n^^^ init_staff is done (in resizing+symm), going to call scan_toget_variables at\n",
                      "\n***\nstart = \n", "Symmetry is detected by BoundBox or Textual function earlier by user.\n",
                      "\nProcess choice? (00:default 10:LP", "\nStarting resizing... (LP)\n", "\nCompleted resizing!\n"});
  EXPECT_FALSE(CVhas(r.out, "sq_out.cif"));
  EXPECT_TRUE(has("result.cif"));
  EXPECT_TRUE(has("resize_report/LPmps_TB_2.file.rpt"));
  // The LP back end's time report: the two resize lines and the tick note.
  std::string report = CVreadFile(dir + "/time_rpt.txt");
  EXPECT_EQ(CVcount(report, "\n"), 3u) << report;
  CVexpectHas(report, {"Resize Start Time:   \t User ", "Resize Stop Time:    \t User ", "       Note: CLK_TCK = "});
  for (const char* name : {"injected", "injected2"})
    EXPECT_FALSE(fs::exists(parent + "/" + name) || has(name)) << name;
}

}  // namespace
