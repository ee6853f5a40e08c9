// Bad input through whole batch runs: each is refused with its own message,
// leaves earlier results alone, and the lines after it still run; the
// shipped examples load and extract without a complaint.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/run_program.h"

namespace {
const std::string kHello = "Hello!: Set the button in both lib/Dmenu.txt and inc/Dmenu\n";
const std::string kExamples = std::string(CORVID_SOURCE_DIR) + "/examples/";

// Settings with the bundled files and the given numbers.
std::string settings(const std::string& dir, const std::string& scale, const std::string& step = "1") {
  const std::string lib = CVlibDir();
  CVwriteFile(dir + "/rc", "ColorFile " + lib + "/colors.txt\nIconPath " + lib + "/bitmaps/\nMenuFile " + lib +
                               "/Dmenu.txt\nTechFile " + lib + "/default.tech\nGlobalScale " + scale +
                               "\nMinDefectSize 1\nMaxDefectSize 10\nStep " + step + "\n");
  return dir + "/rc";
}
}  // namespace

TEST(BadInput, LayoutsThatAreEmptyOrReachBeyondThePlanesAreRefusedAndTheRunGoesOn) {
  std::string dir = CVscratchDir();
  CVwriteFile(dir + "/empty.cif", "L CMF;\nE\n");
  CVwriteFile(dir + "/tiny.cif", "DS 1 1 2147483647;\nL CMF;\nB 100 100 0 0;\nDF;\nC 1;\nE\n");
  CVwriteFile(dir + "/zero.cif", "DS 1 0 1;\nL CMF;\nB 100 100 0 0;\nDF;\nC 1;\nE\n");
  CVwriteFile(dir + "/notop.cif", "DS 1 1 1;\nL CMF;\nB 100 100 0 0;\nDF;\nE\n");
  CVwriteFile(dir + "/layer.cif", "L QQQ;\nB 100 100 0 0;\nE\n");
  // Every number fits, but the call carries the box to 1.1e9 units.
  CVwriteFile(dir + "/far.cif", "DS 1 1 1;\nL CMF;\nB 100 100 250000000 0;\nDF;\nC 1 T 25000000 0;\nE\n");
  CVrunResult r = CVrunBatch("f.DIldLayout empty.cif\nf.hello\nf.DIldLayout tiny.cif\nf.hello\nf.DIldLayout zero.cif\n"
                             "f.DIldLayout far.cif\nf.DIldLayout notop.cif\nf.DIldLayout layer.cif\nf.DIldLayout " + kExamples + "inverter.cif\n"
                             "f.DExNameNet a\npoint 2000000000 0\npoint -2000000000 -2000000000\nf.hello\n",
                             dir);
  EXPECT_EQ(r.status, 3) << "refused loads count as lines that could not do their work\n" << r.err;
  EXPECT_EQ(CVcount(r.err, "Warning: The layout is empty, nothing to extract.\n"), 2u) << r.err;
  CVexpectHas(r.err, {"error on line 2 L: the scale must be positive\n", "unknown layer\n",
                      "Error: No top cell CIRCUIT: the layout calls no cell and draws nothing.\n",
                      "Error: CIF error: cell CIRCUIT with its calls reaches beyond the coordinates +-1073741823.\n"});
  EXPECT_FALSE(CVhas(r.err, "Fatal")) << r.err;
  EXPECT_EQ(r.out.substr(r.out.size() - kHello.size()), kHello);
  EXPECT_EQ(CVcount(r.out, kHello), 3u);
}

TEST(BadInput, SettingsOutOfRangeNameTheirKeyAndLineOnce) {
  std::string dir = CVscratchDir();
  for (const char* scale : {"0", "-2", "9223372036854775807", "1000000000"}) {
    CVrunOptions o;
    o.env["SYSRC"] = settings(dir, scale);
    CVrunResult r = CVrunBatch("f.hello\n", dir, {}, o);
    EXPECT_EQ(r.status, 1) << scale;
    std::string fatal = "Fatal: System source file error: " + dir + "/rc line 5: GlobalScale " + scale +
                        " is not between 1 and 26843545.\n";
    EXPECT_EQ(r.err, fatal) << "once, with its newline";
  }
  CVrunOptions o;
  o.env["SYSRC"] = settings(dir, "1", "0");
  EXPECT_TRUE(CVhas(CVrunBatch("f.hello\n", dir, {}, o).err, "rc line 8: Step 0 is not between 1 and 26843545.\n"));
}

// Values the forms refuse, a sweep over sizes far beyond the layout that ends
// where defects cover it, and a step the sweep refuses.
TEST(BadInput, FormValuesAndSweepRangesAreCheckedWhereTheyEnter) {
  CVrunResult r = CVrunBatch("f.DIldLayout " + kExamples + "inverter.cif\nlayer CMF\n"
                             "f.DIsetForm MinSize nan\nf.DIsetForm MaxSize 1e308\nf.DIsetForm MaxSize inf\n"
                             "f.DIsetForm MaxSize 1e12\nf.DIsetForm Step -1\n"
                             "f.DIsetForm Step 10\nf.DIsetForm MaxSize 20000000\nf.DYanaShort\nf.DIsetForm MinSize 30\n"
                             "f.DIsetForm MaxSize 20\nf.DYanaOpen\nf.hello\n");
  EXPECT_EQ(r.status, 3) << r.err;
  CVexpectHas(r.err, {"Error: Input wrong, nan is no usable number, change cancelled.\n",
                      "Error: Input wrong, 1e308 is no usable number, change cancelled.\n",
                      "Error: Input wrong, inf is no usable number, change cancelled.\n",
                      "Error: Input wrong, 1e12 is not between 0 and 2.68435e+07 micron, change cancelled.\n",
                      "Error: Input wrong, -1 is not between 0 and 2.68435e+07 micron, change cancelled.\n",
                      "micron cover the whole layout, larger sizes skipped.\n",
                      "Error: The smallest defect size 30.000 micron is above the largest 20.000 micron.\n"});
  EXPECT_FALSE(CVhas(r.err, "Iteration out of bounds")) << r.err;
  EXPECT_TRUE(CVhas(r.out, kHello));
}

// A missing or malformed layout keeps the good netlists; a write that fails
// (no room for any file byte) is reported and leaves neither a partial file
// nor a temporary one.
TEST(BadInput, OutputFilesAreLeftAloneOrCompleteNeverPartial) {
  std::string dir = CVscratchDir();
  CVrunResult good = CVrunBatch("f.DIldLayout " + kExamples + "inverter.cif\nf.DExOutput\n", dir);
  const std::string net = CVreadFile(dir + "/circuit.net"), spice = CVreadFile(dir + "/circuit.spice");
  ASSERT_TRUE(CVhas(net, "NMOS")) << good.err;
  CVwriteFile(dir + "/bad.cif", "L CMF; B 10;\nE\n");
  CVrunResult r = CVrunBatch("f.DIldLayout none.cif\nf.DIldLayout bad.cif\nf.DExCir\nf.DExOutput\nf.hello\n", dir);
  CVexpectHas(r.err, {"Cann't open the file", "CIF file format error.\n", "Warning: No layout avaiable, load one.",
                      "Warning: No extracted circuit, no netlist written.\n"});
  EXPECT_EQ(CVreadFile(dir + "/circuit.net"), net);
  EXPECT_EQ(CVreadFile(dir + "/circuit.spice"), spice);
  EXPECT_TRUE(CVhas(r.out, kHello));

  std::string full = CVscratchDir();
  CVrunOptions o;
  o.cwd = full;
  o.env["SYSRC"] = CVlibDir() + "/corvidrc";
  o.stdinText = "f.DIldLayout " + kExamples + "inverter.cif\nscale 60\nf.DExOutput\nf.DFexLayersS\nf.GCdump\n"
                "view v.png\nf.hello\n";
  // The program alone may write no file byte; its output passes through a pipe.
  r = CVrunProgram("/bin/sh", {"-c", "trap '' XFSZ; (ulimit -f 0; exec \"$0\") 2>&1 | cat", CVbuildProgram("corvid-batch")},
                   o);
  CVexpectHas(r.out, {"Error: Cannot write the file circuit.net.\n", "Error: Cannot write the file Bridges.flt.\n",
                      "Error: Cannot write the file corvid.dmp.\n", "cannot write the image v.png", kHello.c_str()});
  EXPECT_TRUE(std::filesystem::is_empty(full)) << "no file, finished or temporary";
}

TEST(BadInput, EveryShippedExampleLoadsAndExtractsWithoutComplaint) {
  std::string dir = CVscratchDir();
  int examples = 0;
  for (const auto& f : std::filesystem::directory_iterator(kExamples)) {
    if (f.path().extension() != ".cif") continue;
    ++examples;
    CVrunResult r = CVrunBatch("f.DIldLayout " + f.path().string() + "\nf.DExOutput\n", dir);
    EXPECT_EQ(r.status, 0) << f.path();
    for (const char* complaint : {"Fatal", "Error", "Warning", "error"})
      EXPECT_FALSE(CVhas(r.err, complaint)) << f.path() << "\n" << r.err;
    if (f.path().filename() == "hierarchy.cif") {
      const std::string net = CVreadFile(dir + "/circuit.net");
      EXPECT_EQ(CVcount(net, " NMOS "), 6u) << net;
      EXPECT_EQ(CVcount(net, " PMOS "), 6u) << net;
    }
  }
  EXPECT_GE(examples, 4);
}
