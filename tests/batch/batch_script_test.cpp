// Scripts run through the real corvid-batch program.
#include <gtest/gtest.h>

#include <string>

#include "support/run_program.h"

namespace {
CVrunResult batch(const std::string& script, std::vector<std::string> args = {}, CVrunOptions options = {}) {
  options.stdinText = script;
  if (!options.env.count("SYSRC")) options.env["SYSRC"] = CVlibDir() + "/corvidrc";
  return CVrunProgram(CVbuildProgram("corvid-batch"), args, options);
}

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
}  // namespace

TEST(BatchStartup, EmptyScriptLoadsTheDefaultTechnology) {
  CVrunResult r = batch("");
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(has(r.err, "Message: Load technology file OK.\n")) << r.err;
}

TEST(BatchStartup, UnknownSwitchPrintsUsageAndExitsZero) {
  CVrunResult r = batch("f.new\n", {"-x"});
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(has(r.err, "[-bBmMcCsSoOtT]\n")) << r.err;
  EXPECT_FALSE(has(r.out, "Hello!")) << "no command may run after a usage error";
}

TEST(BatchStartup, SilentSwitchDropsTheEchoButCommandsStillRun) {
  CVrunResult r = batch("f.hello\n", {"-s"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_TRUE(has(r.out, "Hello!: Set the button in both lib/Dmenu.txt and inc/Dmenu\n"));
}

TEST(BatchStartup, MissingSysrcIsFatal) {
  CVrunOptions o;
  o.env["SYSRC"] = "\x01unset";
  CVrunResult r = batch("", {}, o);
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(has(r.err, "Fatal: SYSRC env var must be set.")) << r.err;
}

TEST(BatchStartup, MissingTechnologyFileIsFatal) {
  std::string dir = CVscratchDir();
  CVwriteFile(dir + "/rc",
              "ColorFile " + CVlibDir() + "/colors.txt\nIconPath " + CVlibDir() +
                  "/bitmaps/\nMenuFile x\nTechFile nowhere.tech\nGlobalScale 1\nMinDefectSize 1\n"
                  "MaxDefectSize 2\nStep 1\n");
  CVrunOptions o;
  o.env["SYSRC"] = dir + "/rc";
  CVrunResult r = batch("", {}, o);
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(has(r.err, "Fatal: No system default technology file.")) << r.err;
}

TEST(BatchStartup, MissingScriptFileIsFatal) {
  CVrunResult r = batch("", {"/nonexistent/script"});
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(has(r.err, "Can't open the script /nonexistent/script")) << r.err;
}

TEST(BatchScript, ScriptFromFileArgumentAndCommentsAndBlankLines) {
  std::string dir = CVscratchDir();
  CVwriteFile(dir + "/s", "# a comment\n\n   \nf.hello   # trailing comment\n\tf.new\n");
  CVrunResult r = batch("", {dir + "/s"});
  EXPECT_EQ(r.status, 0) << r.err;
  std::string hello = "Hello!: Set the button in both lib/Dmenu.txt and inc/Dmenu\n";
  EXPECT_EQ(r.out, hello + hello);
}

TEST(BatchScript, BadLinesNameTheirLineNumberAndTheScriptGoesOn) {
  CVrunResult r = batch("f.hello\nbogus words\nf.noSuchAction\npoint 1\nf.DIhswitch Off\n");
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(has(r.err, "Error: Script line 2: unknown command bogus.")) << r.err;
  EXPECT_TRUE(has(r.err, "Error: Script line 3: unknown command f.noSuchAction.")) << r.err;
  EXPECT_TRUE(has(r.err, "Script line 4:")) << r.err;
  EXPECT_TRUE(has(r.err, "Message: Hightlight turned off.")) << r.err;
}

TEST(BatchScript, PlainCommandsRejectArguments) {
  CVrunResult r = batch("f.exit now\nf.hello\n");
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(has(r.err, "Script line 1: takes no arguments: f.exit")) << r.err;
  EXPECT_TRUE(has(r.out, "Hello!")) << "the rejected line did not run";
}

TEST(BatchScript, ActionCommandsTakeTheButtonLabel) {
  CVrunResult r = batch("f.DIsswitch On\nf.DIlswitch Off\nf.DIhswitch Maybe\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(has(r.err, "Message: Selected turned on.\nMessage: Labels turned off.\n")) << r.err;
  EXPECT_FALSE(has(r.err, "Hightlight")) << "an unknown label changes nothing";
}

TEST(BatchScript, ExitEndsTheScriptWithStatusZero) {
  CVrunResult r = batch("f.exit\nf.hello\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_FALSE(has(r.out, "Hello!"));
}

TEST(BatchScript, FileDialogCommandTakesTheFileName) {
  std::string dir = CVscratchDir();
  CVwriteFile(dir + "/small.tech", "layers:\nCPG red hatch;\nCMF blue solid;\n");
  CVrunResult r = batch("f.DIldTech " + dir + "/small.tech\nf.DIldTech " + dir + "/missing.tech\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(has(r.out, " I am in DIacceptCB.............\n")) << r.out;
  EXPECT_TRUE(has(r.err, "Parsing TECH ......\nLoad technology file OK.\n")) << r.err;
  EXPECT_TRUE(has(r.err, "Error: Cann't open the file " + dir + "/missing.tech.")) << r.err;
}

TEST(BatchScript, FileDialogWithoutFileNameIsABadLine) {
  CVrunResult r = batch("f.DIldTech\n");
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(has(r.err, "Script line 1: needs a file name: f.DIldTech")) << r.err;
}

TEST(BatchScript, BrokenTechnologyFileIsReportedAndTheRunGoesOn) {
  std::string dir = CVscratchDir();
  CVwriteFile(dir + "/bad.tech", "layers:\nCPG red hatch\nCMF blue solid;\n");
  CVrunResult r = batch("f.DIldTech " + dir + "/bad.tech\nf.hello\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(has(r.err, "error character 3 CMF: syntax error\n")) << r.err;
  EXPECT_TRUE(has(r.err, "Technology file format error.")) << r.err;
  EXPECT_TRUE(has(r.out, "Hello!"));
}

TEST(BatchScript, MissingPatternInALoadedTechnologyIsFatal) {
  std::string dir = CVscratchDir();
  CVwriteFile(dir + "/nopattern.tech", "layers:\nCPG red nosuch;\n");
  CVwriteFile(dir + "/nocolour.tech", "layers:\nCPG ultraviolet hatch;\n");
  CVrunResult r = batch("f.DIldTech " + dir + "/nopattern.tech\nf.hello\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(has(r.err, "Fatal: Can not load pattern file " + CVlibDir() + "/bitmaps/nosuch.")) << r.err;
  EXPECT_FALSE(has(r.out, "Hello!"));
  r = batch("f.DIldTech " + dir + "/nocolour.tech\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(has(r.err, "Fatal: color ultraviolet not found.")) << r.err;
}

TEST(BatchScript, FormsTakeLabelThenValue) {
  // Without an active layer only the three net forms open.
  CVrunResult r = batch(
      "f.DIsetForm MaxSize 2\n"
      "f.DIsetForm NameNet VDD\n"
      "f.DIsetForm FindNet\n"
      "f.DIsetForm Nonsense 3\n"
      "f.DIhswitch Off\n");
  EXPECT_EQ(r.status, 0) << "the unknown form label ends the program with status 0";
  EXPECT_TRUE(has(r.err, "Warning: Select an active layer first.")) << r.err;
  EXPECT_TRUE(has(r.out, " I am in DIacceptCB.............\n")) << "NameNet delivers its text";
  EXPECT_TRUE(has(r.err, "Script line 3: needs a value after the form label: f.DIsetForm")) << r.err;
  EXPECT_TRUE(has(r.err, "Fatal: Unchangable menu label changed.")) << r.err;
  EXPECT_FALSE(has(r.err, "Hightlight"));
}

TEST(BatchScript, StringCommandsTakeTheirString) {
  // Until net naming exists the row runs the placeholder, which still proves dispatch.
  CVrunResult r = batch("f.DExNameNet VDD\n");
  EXPECT_EQ(r.status, 0) << r.err;
}

TEST(BatchStartup, PooledMemoryAndStatisticsSwitches) {
  std::string dir = CVscratchDir();
  // Items of 7 characters become 8-byte strings, which come from the 8-byte pool.
  CVwriteFile(dir + "/t", "layers:\nCPG DimGray hatch;\nelements:\nNMOS ABCDEFG CPG;\n");
  CVrunResult r = batch("f.DIldTech " + dir + "/t\nf.hello\n", {"-o", "-S"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(has(r.err, "***** Alloc 20000 x 8 memory from OS *****\n")) << r.err;
  EXPECT_TRUE(has(r.out, "Hello!"));
}

TEST(BatchScript, LastLineWithoutNewlineRuns) {
  CVrunResult r = batch("f.hello\nf.new");
  EXPECT_EQ(r.status, 0);
  std::string hello = "Hello!: Set the button in both lib/Dmenu.txt and inc/Dmenu\n";
  EXPECT_EQ(r.out, hello + hello);
}
