#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/run_program.h"

namespace {
const std::string kHello = "Hello!: Set the button in both lib/Dmenu.txt and inc/Dmenu\n";
}  // namespace

TEST(BatchStartup, DefaultTechnologyAndALastLineWithoutNewline) {
  CVrunResult r = CVrunBatch("f.hello\nf.new");
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(CVhas(r.err, "Message: Load technology file OK.\n")) << r.err;
  EXPECT_EQ(r.out, kHello + kHello);
}

TEST(BatchStartup, UnknownSwitchPrintsUsageAndExitsZero) {
  CVrunResult r = CVrunBatch("f.new\n", "", {"-x"});
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(CVhas(r.err, "[-bBmMcCsSoOtT]\n")) << r.err;
  EXPECT_FALSE(CVhas(r.out, "Hello!")) << "no command may run after a usage error";
}

TEST(BatchStartup, SilentSwitchDropsTheEchoButCommandsStillRun) {
  CVrunResult r = CVrunBatch("f.hello\n", "", {"-s"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out, kHello);
}

TEST(BatchStartup, MissingSettingsTechnologyOrScriptIsFatal) {
  std::string dir = CVscratchDir();
  CVwriteFile(dir + "/rc",
              "ColorFile " + CVlibDir() + "/colors.txt\nIconPath " + CVlibDir() +
                  "/bitmaps/\nMenuFile x\nTechFile nowhere.tech\nGlobalScale 1\nMinDefectSize 1\n"
                  "MaxDefectSize 2\nStep 1\n");
  struct {
    std::string sysrc;
    std::vector<std::string> args;
    std::string fatal;
  } cases[] = {
      {"\x01unset", {}, "Fatal: SYSRC env var must be set."},
      {dir + "/rc", {}, "Fatal: No system default technology file."},
      {CVlibDir() + "/corvidrc", {"/nonexistent/script"}, "Can't open the script /nonexistent/script"},
  };
  for (const auto& c : cases) {
    CVrunOptions o;
    o.env["SYSRC"] = c.sysrc;
    CVrunResult r = CVrunBatch("", "", c.args, o);
    EXPECT_EQ(r.status, 1) << c.fatal;
    EXPECT_TRUE(CVhas(r.err, c.fatal)) << r.err;
  }
}

// A broken technology file is reported and the run goes on with the next
// one; the reader's fatal cases (a missing pattern, a missing colour
// likewise) end the script.
TEST(BatchStartup, PooledMemoryStatisticsAndTechnologyFiles) {
  std::string dir = CVscratchDir();
  CVwriteFile(dir + "/bad.tech", "layers:\nCPG red hatch\nCMF blue solid;\n");
  // Items of 7 characters become 8-byte strings, which come from the 8-byte pool.
  CVwriteFile(dir + "/t", "layers:\nCPG DimGray hatch;\nelements:\nNMOS ABCDEFG CPG;\n");
  CVwriteFile(dir + "/nopattern.tech", "layers:\nCPG red nosuch;\n");
  CVrunResult r = CVrunBatch("f.DIldTech bad.tech\nf.DIldTech t\nf.hello\nf.DIldTech nopattern.tech\nf.hello\n", dir,
                             {"-o", "-S"});
  EXPECT_EQ(r.status, 1) << r.err;
  CVexpectHas(r.err, {"error character 3 CMF: syntax error\n", "Technology file format error.",
                      "***** Alloc 20000 x 8 memory from OS *****\n"});
  EXPECT_TRUE(CVhas(r.err, "Fatal: Can not load pattern file " + CVlibDir() + "/bitmaps/nosuch.")) << r.err;
  EXPECT_EQ(CVcount(r.out, "Hello!"), 1u) << r.out;
}

TEST(BatchScript, ScriptFromFileArgumentAndCommentsAndBlankLines) {
  std::string dir = CVscratchDir();
  CVwriteFile(dir + "/s", "# a comment\n\n   \nf.hello   # trailing comment\n\tf.new\n");
  CVrunResult r = CVrunBatch("", "", {dir + "/s"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, kHello + kHello);
}

TEST(BatchScript, BadLinesNameTheirLineNumberAndTheScriptGoesOn) {
  CVrunResult r = CVrunBatch("f.hello\nbogus words\nf.noSuchAction\npoint 1\nf.exit now\nf.DIldTech\nf.DIhswitch Off\n");
  EXPECT_EQ(r.status, 2);
  CVexpectHas(r.err, {"Error: Script line 2: unknown command bogus.",
                      "Error: Script line 3: unknown command f.noSuchAction.", "Script line 4:",
                      "Script line 5: takes no arguments: f.exit",
                      "Script line 6: needs a file name: f.DIldTech"});
  EXPECT_TRUE(CVhas(r.err, "Message: Hightlight turned off.")) << "the rejected exit did not run";
}

// Action commands take the button label (an unknown one changes nothing);
// forms take label then value, and without an active layer only the three
// net forms open.
TEST(BatchScript, ActionCommandsAndFormsTakeTheirLabels) {
  CVrunResult r = CVrunBatch(
      "f.DIsswitch On\nf.DIlswitch Off\nf.DIhswitch Maybe\n"
      "f.DIsetForm MaxSize 2\n"
      "f.DIsetForm NameNet VDD\n"
      "f.DIsetForm FindNet\n"
      "f.DIsetForm Nonsense 3\n"
      "f.DIhswitch Off\n");
  EXPECT_EQ(r.status, 0) << "the unknown form label ends the program with status 0";
  EXPECT_TRUE(CVhas(r.err, "Message: Selected turned on.\nMessage: Labels turned off.\n")) << r.err;
  EXPECT_TRUE(CVhas(r.err, "Warning: Select an active layer first.")) << r.err;
  EXPECT_TRUE(CVhas(r.out, " I am in DIacceptCB.............\n")) << "NameNet delivers its text";
  EXPECT_TRUE(CVhas(r.err, "Script line 6: needs a value after the form label: f.DIsetForm")) << r.err;
  EXPECT_TRUE(CVhas(r.err, "Fatal: Unchangable menu label changed.")) << r.err;
  EXPECT_FALSE(CVhas(r.err, "Hightlight"));
}

// The exit status tells a calling shell script whether every line did its
// work: 3 when a command could not (a file it could not open, a missing
// precondition), 2 when a line was no command at all; f.exit ends the script
// without hiding what happened before it.
TEST(BatchScript, ExitStatusTellsWhetherEveryLineDidItsWork) {
  struct {
    const char* script;
    int status;
  } cases[] = {
      {"f.hello\nf.DIhswitch On\n", 0},
      {"f.DIldLayout /nonexistent/x.cif\n", 3},
      {"f.DYanaShort\nf.hello\n", 3},
      {"layer CMF\n", 3},  // no tile planes yet
      {"f.DYanaShort\nbogus\n", 2},
      {"f.DYanaShort\nf.exit\nbogus\n", 3},
      {"f.hello\nf.exit\nf.DYanaShort\n", 0},  // nothing after f.exit runs
  };
  for (const auto& c : cases) EXPECT_EQ(CVrunBatch(c.script).status, c.status) << c.script;
}

TEST(BatchStartup, HelpPrintsSwitchesScriptSyntaxAndStatuses) {
  CVrunResult r = CVrunBatch("f.hello\n", "", {"--help"});
  EXPECT_EQ(r.status, 0);
  CVexpectHas(r.out, {"[-bBmMcCsSoOtT] [SCRIPT]\n", "  -s ", "  -o, -O ", "point X Y", "f.DIsetForm LABEL VAL",
                      "Exit status: 0", " 3 a command could not do its\n"});
  EXPECT_FALSE(CVhas(r.out, "Hello!")) << "help runs no script";
}

// The example at the top of README's "Batch scripts" runs as written from the
// top directory: every line does its work.
TEST(BatchScript, ReadmeExampleRunsAsWritten) {
  std::string readme = CVreadFile(std::string(CORVID_SOURCE_DIR) + "/README.md");
  size_t section = readme.find("## Batch scripts");
  ASSERT_NE(section, std::string::npos);
  size_t begin = readme.find("```\n", section);
  ASSERT_NE(begin, std::string::npos);
  begin += 4;
  std::string script = readme.substr(begin, readme.find("```", begin) - begin);
  ASSERT_LT(script.find("\nlayer "), script.find("MaxSize")) << "the layer is chosen before MaxSize:\n" << script;
  std::string dir = CVscratchDir();
  for (const char* d : {"lib", "examples"})
    std::filesystem::create_directory_symlink(std::string(CORVID_SOURCE_DIR) + "/" + d, dir + "/" + d);
  CVrunResult r = CVrunBatch(script, dir);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_FALSE(CVhas(r.err, "Warning")) << r.err;
  EXPECT_TRUE(CVhas(r.out, "Net number: ")) << "the point lands on a net";
  EXPECT_TRUE(std::filesystem::exists(dir + "/inverter.png"));
}
